// Draws the pictures of the window into the assets directory given on the command line:
//   glifos/inclinada.png, zoom.png, superior.png, lateral.png  the view buttons' glyphs
//   glifos/executar.png                                        the run button's glyph
//   equacao.jpg                                                the function being maximised
//   icones/quivora-N.png                                       the program's icon, N x N
// and each glyph and the equation once more at twice the resolution, named by Qt's high-DPI
// convention (glifos/zoom@2x.png, equacao@2x.jpg ...).
// The pictures are committed; run this only to change them (target quivora_redesenha_imagens).

#include "Equacao.h"
#include "GlifoExecutar.h"
#include "GlifosVista.h"
#include "GravaJpeg.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <iterator>

namespace {

constexpr int LadosIcone[] = {16, 32, 48, 64, 128, 256};

bool FonteInstalada(const QString& familia) {
    return QFontInfo(QFont(familia)).family() == familia;
}

bool Grava(const QImage& imagem, const QString& caminho) {
    return imagem.save(caminho, "PNG");
}

bool GravaArquivo(const QByteArray& dados, const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::WriteOnly) && arquivo.write(dados) == dados.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing text needs the font database of a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream erro(stderr);

    const QStringList argumentos = app.arguments();
    if (argumentos.size() != 2) {
        erro << "usage: quivora_desenha_imagens <assets directory>\n";
        return 2;
    }
    for (const QString familia : {"Liberation Serif", "Liberation Sans"})
        if (!FonteInstalada(familia)) {
            erro << "font " << familia << " is missing (package fonts-liberation)\n";
            return 1;
        }

    const QDir destino(argumentos[1]);
    if (!destino.mkpath("glifos") || !destino.mkpath("icones")) {
        erro << "cannot create " << destino.filePath("glifos") << '\n';
        return 1;
    }
    bool gravou = true;
    for (const int escala : {1, 2}) {
        const QString sufixo = escala == 1 ? QString() : QString("@%1x").arg(escala);
        const auto glifo = [&](const char* nome) {
            return destino.filePath(QString("glifos/%1%2.png").arg(nome, sufixo));
        };
        gravou = gravou && Grava(DesenhaInclinada(escala), glifo("inclinada")) &&
                 Grava(DesenhaZoom(escala), glifo("zoom")) &&
                 Grava(DesenhaSuperior(escala), glifo("superior")) &&
                 Grava(DesenhaLateral(escala), glifo("lateral")) &&
                 Grava(DesenhaExecutar(escala), glifo("executar")) &&
                 // The same picture in more pixels: the stated density grows with them.
                 GravaArquivo(GravaJpeg(DesenhaEquacao(escala), 200 * escala, 95),
                              destino.filePath("equacao" + sufixo + ".jpg"));
    }
    gravou = gravou && std::all_of(std::begin(LadosIcone), std::end(LadosIcone), [&](int lado) {
                 return Grava(DesenhaIcone(lado),
                              destino.filePath(QString("icones/quivora-%1.png").arg(lado)));
             });
    if (!gravou) {
        erro << "cannot write the pictures into " << destino.absolutePath() << '\n';
        return 1;
    }
    return 0;
}
