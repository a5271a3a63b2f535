// AnalisaTela: the pixel questions that the end-to-end test asks of its screenshots.
//
//   AnalisaTela conta IMAGEM X Y L A RMIN RMAX GMIN GMAX BMIN BMAX
//       prints how many pixels of the rectangle (X, Y, width L, height A) have every colour
//       channel within its bounds (0..255, bounds included);
//   AnalisaTela difere IMAGEM1 IMAGEM2 X Y L A
//       prints how many pixels of the rectangle differ between the two images.
//
// A rectangle that does not lie wholly inside the image, or an image that cannot be read, is
// an error (message on stderr, exit status 2), never a count of 0 that a check could take
// for an answer.

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Erro(const QString& mensagem) {
    std::fprintf(stderr, "AnalisaTela: %s\n", qPrintable(mensagem));
    std::exit(2);
}

int Inteiro(const char* texto) {
    bool ok = false;
    const int valor = QString::fromLocal8Bit(texto).toInt(&ok);
    if (!ok)
        Erro(QStringLiteral("not an integer: %1").arg(QString::fromLocal8Bit(texto)));
    return valor;
}

QImage Carrega(const char* caminho) {
    QImage imagem(QString::fromLocal8Bit(caminho));
    if (imagem.isNull())
        Erro(QStringLiteral("cannot read %1").arg(QString::fromLocal8Bit(caminho)));
    return imagem.convertToFormat(QImage::Format_RGB32);
}

QRect Retangulo(const QImage& imagem, char** argumentos) {
    const QRect retangulo(Inteiro(argumentos[0]), Inteiro(argumentos[1]), Inteiro(argumentos[2]),
                          Inteiro(argumentos[3]));
    if (retangulo.isEmpty() || !imagem.rect().contains(retangulo))
        Erro(QStringLiteral("rectangle %1,%2 %3x%4 is not inside the %5x%6 image")
                 .arg(retangulo.x())
                 .arg(retangulo.y())
                 .arg(retangulo.width())
                 .arg(retangulo.height())
                 .arg(imagem.width())
                 .arg(imagem.height()));
    return retangulo;
}

struct TFaixa {
    int Min;
    int Max;
    [[nodiscard]] bool Contem(int valor) const { return Min <= valor && valor <= Max; }
};

long Conta(const QImage& imagem, const QRect& retangulo, TFaixa r, TFaixa g, TFaixa b) {
    long total = 0;
    for (int y = retangulo.top(); y <= retangulo.bottom(); ++y)
        for (int x = retangulo.left(); x <= retangulo.right(); ++x) {
            const QRgb cor = imagem.pixel(x, y);
            total += r.Contem(qRed(cor)) && g.Contem(qGreen(cor)) && b.Contem(qBlue(cor));
        }
    return total;
}

long Difere(const QImage& uma, const QImage& outra, const QRect& retangulo) {
    if (!outra.rect().contains(retangulo))
        Erro(QStringLiteral("the second image is smaller than the rectangle"));
    long total = 0;
    for (int y = retangulo.top(); y <= retangulo.bottom(); ++y)
        for (int x = retangulo.left(); x <= retangulo.right(); ++x)
            total += uma.pixel(x, y) != outra.pixel(x, y);
    return total;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString comando = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (comando == QLatin1String("conta") && argc == 13) {
        const QImage imagem = Carrega(argv[2]);
        const QRect retangulo = Retangulo(imagem, argv + 3);
        const TFaixa r{Inteiro(argv[7]), Inteiro(argv[8])};
        const TFaixa g{Inteiro(argv[9]), Inteiro(argv[10])};
        const TFaixa b{Inteiro(argv[11]), Inteiro(argv[12])};
        std::printf("%ld\n", Conta(imagem, retangulo, r, g, b));
        return 0;
    }
    if (comando == QLatin1String("difere") && argc == 8) {
        const QImage uma = Carrega(argv[2]);
        const QImage outra = Carrega(argv[3]);
        std::printf("%ld\n", Difere(uma, outra, Retangulo(uma, argv + 4)));
        return 0;
    }
    Erro(
        QStringLiteral("usage: AnalisaTela conta IMAGE X Y W H RMIN RMAX GMIN GMAX BMIN BMAX\n"
                       "       AnalisaTela difere IMAGE1 IMAGE2 X Y W H"));
}
