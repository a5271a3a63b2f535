#include "QuadrosVideo.h"

#include "TamanhoImagem.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <cstring>

namespace {

const QColor CorLegenda(255, 255, 255);
const QColor CorFundoLegenda(0, 0, 0, 170);

}  // namespace

TQuadrosVideo::TQuadrosVideo(TCenaVideo& cena, TConteudoVideo conteudo, QSize pixels)
    : Cena(cena), Conteudo(conteudo), Pixels(pixels), Escala(EscalaImagem(pixels)) {
    switch (Conteudo) {
        case TConteudoVideo::Vista:
            LarguraVista = Pixels.width();
            break;
        case TConteudoVideo::Grafico:
            LarguraVista = 0;
            break;
        case TConteudoVideo::Ambos:
            // The views' own widths in proportion, the 3D view's share even.
            const double parte = static_cast<double>(cena.TamanhoVista.width()) /
                                 TamanhoProprio(cena, conteudo).width();
            LarguraVista = 2 * qRound(Pixels.width() * parte / 2);
            break;
    }
}

bool TQuadrosVideo::Prepara() {
    if (LarguraVista < Pixels.width())
        Cena.Grafico->DefineTamanho({Pixels.width() - LarguraVista, Pixels.height()});
    return LarguraVista == 0 ||
           Vista3D.Prepara(Cena.Plano, {LarguraVista, Pixels.height()}, static_cast<float>(Escala));
}

QImage TQuadrosVideo::Imagem(int geracao) {
    QImage quadro(Pixels, QImage::Format_RGB32);
    quadro.fill(Qt::black);
    {
        QPainter pintor(&quadro);
        if (LarguraVista > 0)
            pintor.drawImage(
                0, 0,
                Vista3D.Desenha(Cena.Vista,
                                Cena.Geracoes[static_cast<std::size_t>(geracao)].Quadro));
        if (LarguraVista < Pixels.width()) {
            QImage grafico = Cena.Grafico->Imagem(geracao);
            grafico.setDevicePixelRatio(1);  // placed pixel for pixel
            pintor.drawImage(LarguraVista, 0, grafico);
        }
    }
    EscreveLegenda(quadro, geracao);
    return quadro;
}

// "Geração 12" over "melhor 0,9607" (in parallel mode both populations' best), white on a
// dark box, as large against the frame as the window's labels against the 3D view: in the
// top left corner, over the 3D view's sky, or in a chart alone under its legend, where the
// plot leaves room.
void TQuadrosVideo::EscreveLegenda(QImage& quadro, int geracao) const {
    const TMelhorGeracao& melhor = Cena.Geracoes[static_cast<std::size_t>(geracao)].Melhor;
    const auto numero = [this](double valor) {
        return QString::number(valor, 'f', 4)
            .replace(QLatin1Char('.'), QString::fromStdString(Cena.Separador));
    };
    QString aptidao = numero(melhor.Melhor1);
    if (Cena.Geracoes[static_cast<std::size_t>(geracao)].Quadro.Paralelo)
        aptidao += QStringLiteral(" e ") + numero(melhor.Melhor2);
    const QString texto = QStringLiteral("Geração %1\nmelhor %2").arg(geracao).arg(aptidao);

    QFont fonte(QStringLiteral("Arial"));
    fonte.setPixelSize(qRound(11 * Escala));
    fonte.setBold(true);
    const int margem = qRound(4 * Escala);
    const QRect medida = QFontMetrics(fonte).boundingRect(QRect(), 0, texto);
    QRect caixa(0, 0, medida.width() + 2 * margem, medida.height() + margem);
    if (Conteudo == TConteudoVideo::Grafico)
        caixa.moveBottomLeft({2 * margem, Pixels.height() - 1 - 2 * margem});
    else
        caixa.moveTopLeft({margem, margem});
    QPainter pintor(&quadro);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    pintor.fillRect(caixa, CorFundoLegenda);
    pintor.setFont(fonte);
    pintor.setPen(CorLegenda);
    pintor.drawText(caixa, Qt::AlignCenter, texto);
}

TQuadroVideo QuadroDaImagem(const QImage& imagem) {
    const QImage rgb = imagem.convertToFormat(QImage::Format_RGB32);
    TQuadroVideo quadro{rgb.width(), rgb.height(), {}};
    quadro.Pixels.resize(static_cast<std::size_t>(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(quadro.Pixels.data() + static_cast<std::size_t>(y) * rgb.width(),
                    rgb.constScanLine(y), static_cast<std::size_t>(rgb.width()) * 4);
    return quadro;
}
