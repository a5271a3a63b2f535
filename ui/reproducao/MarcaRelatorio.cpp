#include "MarcaRelatorio.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>

#include <optional>

namespace {

constexpr int PrimeiraLinhaGeracao = 6;  // the empty line before "Geração 0"
constexpr int LinhasPorGeracao = 4;
constexpr int LinhaCabecalho = 2;  // "Geração g", within its generation's lines
const QColor CorMarca(255, 255, 160);

int LinhaDoCabecalho(int geracao) {
    return PrimeiraLinhaGeracao + LinhasPorGeracao * geracao + LinhaCabecalho;
}

// The generation a heading line names.
std::optional<int> GeracaoDoCabecalho(const QTextBlock& bloco) {
    static const QRegularExpression cabecalho(QStringLiteral("^Geração (\\d+)$"));
    const QRegularExpressionMatch achado = cabecalho.match(bloco.text());
    if (!achado.hasMatch())
        return std::nullopt;
    bool numero = false;
    const int geracao = achado.captured(1).toInt(&numero);
    return numero ? std::optional<int>(geracao) : std::nullopt;
}

// The empty line and the separator that open a generation's lines, before its heading.
bool AbreGeracao(const QTextBlock& bloco) {
    static const QRegularExpression separador(QStringLiteral("^_+$"));
    return bloco.text().isEmpty() || separador.match(bloco.text()).hasMatch();
}

// The generation whose lines hold `bloco`, by its own heading: the one that follows the
// opening lines, or else the nearest one above (its best line, or a line typed in).
std::optional<int> GeracaoDoBloco(const QTextBlock& bloco) {
    QTextBlock adiante = bloco;
    for (int i = 0; i < 2 && adiante.isValid() && AbreGeracao(adiante); ++i)
        adiante = adiante.next();
    if (adiante.isValid())
        if (const auto geracao = GeracaoDoCabecalho(adiante))
            return geracao;
    for (QTextBlock acima = bloco; acima.isValid(); acima = acima.previous())
        if (const auto geracao = GeracaoDoCabecalho(acima))
            return geracao;
    return std::nullopt;
}

}  // namespace

TMarcaRelatorio::TMarcaRelatorio(QPlainTextEdit& relatorio)
    : QObject(&relatorio), Relatorio(relatorio) {
    relatorio.viewport()->installEventFilter(this);
}

// The heading is where the report's layout puts it, unless the user has edited the report:
// then it is looked up by its text.
QTextBlock TMarcaRelatorio::BlocoDoCabecalho(int geracao) const {
    const QTextBlock esperado = Relatorio.document()->findBlockByNumber(LinhaDoCabecalho(geracao));
    if (esperado.isValid() && GeracaoDoCabecalho(esperado) == geracao)
        return esperado;
    const QRegularExpression cabecalho(QStringLiteral("^Geração %1$").arg(geracao));
    return Relatorio.document()->find(cabecalho).block();
}

void TMarcaRelatorio::Mostra(int geracao) {
    const QTextBlock cabecalho = BlocoDoCabecalho(geracao);
    QList<QTextEdit::ExtraSelection> marcas;
    for (const QTextBlock& bloco : {cabecalho, cabecalho.next()}) {
        if (!bloco.isValid()) {
            Esconde();  // edited away: better no mark than another generation's
            return;
        }
        QTextEdit::ExtraSelection marca;
        marca.cursor = QTextCursor(bloco);
        marca.format.setBackground(CorMarca);
        marca.format.setProperty(QTextFormat::FullWidthSelection, true);
        marcas.append(marca);
    }
    Relatorio.setExtraSelections(marcas);

    // Without line wrap the vertical scroll bar counts lines: its value is the first line
    // shown. Both marked lines must show; if they do not, they go to the middle.
    const int linha = cabecalho.blockNumber();
    QScrollBar& barra = *Relatorio.verticalScrollBar();
    const int visiveis = Relatorio.viewport()->height() / Relatorio.fontMetrics().lineSpacing();
    if (linha < barra.value() || linha + 1 >= barra.value() + visiveis)
        barra.setValue(linha - (visiveis - 2) / 2);
}

void TMarcaRelatorio::Esconde() {
    Relatorio.setExtraSelections({});
}

bool TMarcaRelatorio::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        if (mouse->button() == Qt::LeftButton)
            if (const auto geracao = GeracaoDoBloco(
                    Relatorio.cursorForPosition(mouse->position().toPoint()).block()))
                emit Escolhida(*geracao);
    }
    return QObject::eventFilter(objeto, evento);
}
