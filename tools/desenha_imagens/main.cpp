// Draws the pictures of the window into the assets directory given on the command line:
//   glifos/inclinada.png, zoom.png, superior.png, lateral.png  the view buttons' glyphs
//   glifos/executar.png                                        the run button's glyph
//   equacao.jpg                                                the function being maximised
//   icones/quivora-N.png                                       the program's icon, N x N
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
    const bool gravou =
        Grava(DesenhaInclinada(), destino.filePath("glifos/inclinada.png")) &&
        Grava(DesenhaZoom(), destino.filePath("glifos/zoom.png")) &&
        Grava(DesenhaSuperior(), destino.filePath("glifos/superior.png")) &&
        Grava(DesenhaLateral(), destino.filePath("glifos/lateral.png")) &&
        Grava(DesenhaExecutar(), destino.filePath("glifos/executar.png")) &&
        GravaArquivo(GravaJpeg(DesenhaEquacao(), 200, 95), destino.filePath("equacao.jpg")) &&
        std::all_of(std::begin(LadosIcone), std::end(LadosIcone), [&](int lado) {
            return Grava(DesenhaIcone(lado),
                         destino.filePath(QString("icones/quivora-%1.png").arg(lado)));
        });
    if (!gravou) {
        erro << "cannot write the pictures into " << destino.absolutePath() << '\n';
        return 1;
    }
    return 0;
}
