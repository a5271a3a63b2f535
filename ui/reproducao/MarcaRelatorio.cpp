#include "MarcaRelatorio.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

namespace {

constexpr int PrimeiraLinhaGeracao = 6;  // the empty line before "Geração 0"
constexpr int LinhasPorGeracao = 4;
constexpr int LinhaCabecalho = 2;  // "Geração g", within its generation's lines
const QColor CorMarca(255, 255, 160);

int LinhaDoCabecalho(int geracao) {
    return PrimeiraLinhaGeracao + LinhasPorGeracao * geracao + LinhaCabecalho;
}

}  // namespace

TMarcaRelatorio::TMarcaRelatorio(QPlainTextEdit& relatorio)
    : QObject(&relatorio), Relatorio(relatorio) {
    relatorio.viewport()->installEventFilter(this);
}

void TMarcaRelatorio::Mostra(int geracao) {
    const int cabecalho = LinhaDoCabecalho(geracao);
    QList<QTextEdit::ExtraSelection> marcas;
    for (const int linha : {cabecalho, cabecalho + 1}) {
        const QTextBlock bloco = Relatorio.document()->findBlockByNumber(linha);
        if (!bloco.isValid())
            return;
        QTextEdit::ExtraSelection marca;
        marca.cursor = QTextCursor(bloco);
        marca.format.setBackground(CorMarca);
        marca.format.setProperty(QTextFormat::FullWidthSelection, true);
        marcas.append(marca);
    }
    Relatorio.setExtraSelections(marcas);

    // Without line wrap the vertical scroll bar counts lines: its value is the first line
    // shown. Both marked lines must show; if they do not, they go to the middle.
    QScrollBar& barra = *Relatorio.verticalScrollBar();
    const int visiveis = Relatorio.viewport()->height() / Relatorio.fontMetrics().lineSpacing();
    if (cabecalho < barra.value() || cabecalho + 1 >= barra.value() + visiveis)
        barra.setValue(cabecalho - (visiveis - 2) / 2);
}

void TMarcaRelatorio::Esconde() {
    Relatorio.setExtraSelections({});
}

bool TMarcaRelatorio::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        const int linha = Relatorio.cursorForPosition(mouse->position().toPoint()).blockNumber();
        if (mouse->button() == Qt::LeftButton && linha >= PrimeiraLinhaGeracao)
            emit Escolhida((linha - PrimeiraLinhaGeracao) / LinhasPorGeracao);
    }
    return QObject::eventFilter(objeto, evento);
}
