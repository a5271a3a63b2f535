#include "VistaPasso.h"

#include "FormatoNumero.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int AlturaLinha = 14;
constexpr int LarguraBit = 7;
constexpr int Rotulo = 150;  // the labels' column
constexpr int Margem = 4;
constexpr int LadoRoda = 150;    // a wheel's diameter, with room for the marks
constexpr int LinhasPorPar = 6;  // a heading, two parents, two children, a gap

const QColor CorPai1(70, 120, 230);
const QColor CorPai2(240, 150, 40);
const QColor CorAcerto(220, 30, 30);

QString Texto(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

TVistaPasso::TVistaPasso(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
}

void TVistaPasso::Mostra(const TPassoMostrado* passo, TEtapa etapa) {
    Passo = passo;
    Etapa = etapa;
    resize(sizeHint());
    update();
}

// The wheels left of the rows of "Seleção" by roulette, x above y.
int TVistaPasso::Rodas() const {
    if (Passo == nullptr || Etapa != TEtapa::Selecao || Passo->Config.TipoSel != TTipoSel::Roleta)
        return 0;
    return Passo->Config.Paralelo ? 2 : 1;
}

int TVistaPasso::Linhas() const {
    if (Passo == nullptr)
        return 0;
    const auto pares = static_cast<int>(Passo->Pares.size());
    switch (Etapa) {
        case TEtapa::Selecao:
            return static_cast<int>(Passo->Escolhas.size());
        case TEtapa::Cruzamento:
            return pares * LinhasPorPar;
        case TEtapa::Mutacao:
            return 2 * pares;
        case TEtapa::Substituicao:
            break;
    }
    return 2 * pares + (Passo->EliteNoSlot1 ? 1 : 0);
}

QSize TVistaPasso::sizeHint() const {
    const int bits = Passo != nullptr ? Passo->Config.TamCrom : 0;
    const int largura = Rodas() > 0 ? LadoRoda + Margem + 320 : Rotulo + (bits + 1) * LarguraBit;
    const int altura = std::max(Linhas() * AlturaLinha, Rodas() * LadoRoda);
    return {largura + 2 * Margem, altura + 2 * Margem};
}

void TVistaPasso::paintEvent(QPaintEvent* evento) {
    QPainter p(this);
    if (Passo == nullptr)
        return;
    for (int r = 0; r < Rodas(); ++r)
        DesenhaRoda(p, QRect(Margem, Margem + r * LadoRoda, LadoRoda, LadoRoda),
                    r == 0 ? Passo->Fatias : Passo->FatiasY, r == 1);
    const int primeira = std::max(0, (evento->rect().top() - Margem) / AlturaLinha);
    const int ultima = std::min(Linhas() - 1, (evento->rect().bottom() - Margem) / AlturaLinha);
    for (int linha = primeira; linha <= ultima; ++linha)
        DesenhaLinha(p, linha, Margem + linha * AlturaLinha);
}

// Slices in proportion to the selection fitness, starting at twelve o'clock and going
// clockwise as the running sum does; each draw is a mark on the rim where it fell.
void TVistaPasso::DesenhaRoda(QPainter& p, QRect onde, const std::vector<double>& fatias,
                              bool y) const {
    const QRect roda = onde.adjusted(12, 12, -12, -12);
    p.setPen(QPen(palette().color(QPalette::Base), 0));
    double inicio = 0;
    for (std::size_t i = 0; i < fatias.size(); ++i) {
        p.setBrush(i % 2 == 0 ? QColor(150, 200, 150) : QColor(110, 170, 200));
        const int de = static_cast<int>(std::lround((90.0 - 360.0 * inicio) * 16));
        const int ate = static_cast<int>(std::lround(-360.0 * fatias[i] * 16));
        p.drawPie(roda, de, ate);
        inicio += fatias[i];
    }
    p.setPen(QPen(CorAcerto, 2));
    const QPointF centro = QRectF(roda).center();
    const double raio = roda.width() / 2.0;
    for (const TEscolhaMostrada& e : Passo->Escolhas) {
        if (e.DaY != y)
            continue;
        const double angulo = (90.0 - 360.0 * e.Ponto) * std::numbers::pi / 180.0;
        const QPointF direcao(std::cos(angulo), -std::sin(angulo));
        p.drawLine(centro + direcao * (raio - 6), centro + direcao * (raio + 8));
    }
    p.setPen(palette().color(QPalette::Text));
    if (Passo->Config.Paralelo)
        p.drawText(onde.topLeft() + QPoint(0, 10), y ? QStringLiteral("y") : QStringLiteral("x"));
}

void TVistaPasso::DesenhaBits(QPainter& p, int x, int y, const std::vector<std::uint8_t>& bits,
                              const std::vector<std::uint8_t>* origem,
                              const TPosicoes* acertos) const {
    const int meio = static_cast<int>(bits.size()) / 2;
    for (int b = 0; b < static_cast<int>(bits.size()); ++b) {
        const QRect celula(x + b * LarguraBit + (b >= meio ? LarguraBit : 0), y + 1, LarguraBit - 1,
                           AlturaLinha - 2);
        QColor fundo(225, 225, 225);
        if (origem != nullptr)
            fundo = (*origem)[static_cast<std::size_t>(b)] == 1 ? CorPai1 : CorPai2;
        if (acertos != nullptr && acertos->Tem(b + 1))
            fundo = CorAcerto;
        p.fillRect(celula, fundo);
        if (bits[static_cast<std::size_t>(b)] != 0)
            p.fillRect(celula.adjusted(1, 3, -1, -3), Qt::black);
    }
}

// One point: after bit c. Two points: after c1 and after c2 - 1 (bit c2 is the outer part's).
void TVistaPasso::DesenhaCortes(QPainter& p, int x, int y, int altura,
                                const TParMostrado& par) const {
    const int meio = Passo->Config.MeioCrom();
    std::vector<int> cortes;
    switch (Passo->Config.TipoCruz) {
        case TTipoCruz::UmPonto:
            cortes.push_back(par.Material.Corte1);
            if (Passo->Config.Paralelo)
                cortes.push_back(meio + par.Material.Corte1);
            break;
        case TTipoCruz::DoisPontos:
            cortes = {par.Material.Corte1, par.Material.Corte2 - 1};
            break;
        case TTipoCruz::Uniforme:
            return;
    }
    p.setPen(QPen(Qt::red, 2));
    for (const int c : cortes) {
        const int bx = x + c * LarguraBit +
                       (c > meio    ? LarguraBit
                        : c == meio ? LarguraBit / 2
                                    : 0) -
                       1;
        p.drawLine(bx, y, bx, y + altura);
    }
}

void TVistaPasso::DesenhaLinha(QPainter& p, int linha, int yTopo) const {
    const std::string& sep = Passo->Config.Separador;
    const int xBits = Rotulo;
    const QRect rotulo(Margem, yTopo, Rotulo - 2 * Margem, AlturaLinha);
    p.setPen(palette().color(QPalette::Text));
    const auto escreve = [&](const QString& s) {
        p.drawText(rotulo, Qt::AlignLeft | Qt::AlignVCenter, s);
    };
    switch (Etapa) {
        case TEtapa::Selecao: {
            const TEscolhaMostrada& e = Passo->Escolhas[static_cast<std::size_t>(linha)];
            QString s = QStringLiteral("Pai %1%2: ").arg(linha + 1).arg(e.DaY ? " (y)" : "");
            if (Passo->Config.TipoSel == TTipoSel::Roleta) {
                s += QStringLiteral("giro %1 cai no slot %2")
                         .arg(Texto(FormataReal(e.Ponto, sep)))
                         .arg(e.Slot);
            } else {
                QStringList nomes;
                for (const int entrante : e.Entrantes)
                    nomes << QString::number(entrante);
                s += QStringLiteral("torneio entre %1, vence o slot %2")
                         .arg(nomes.join(QStringLiteral(", ")))
                         .arg(e.Slot);
            }
            const int x = Rodas() > 0 ? LadoRoda + 2 * Margem : Margem;
            p.drawText(QRect(x, yTopo, width() - x, AlturaLinha), Qt::AlignLeft | Qt::AlignVCenter,
                       s);
            return;
        }
        case TEtapa::Cruzamento: {
            const TParMostrado& par = Passo->Pares[static_cast<std::size_t>(linha / LinhasPorPar)];
            const int k = linha / LinhasPorPar + 1;
            switch (linha % LinhasPorPar) {
                case 0: {
                    QString s = QStringLiteral("Par %1: ").arg(k);
                    switch (Passo->Config.TipoCruz) {
                        case TTipoCruz::UmPonto:
                            s += QStringLiteral("corte %1").arg(par.Material.Corte1);
                            break;
                        case TTipoCruz::DoisPontos:
                            s += QStringLiteral("cortes %1 e %2")
                                     .arg(par.Material.Corte1)
                                     .arg(par.Material.Corte2);
                            break;
                        case TTipoCruz::Uniforme:
                            s += QStringLiteral("máscara uniforme");
                            break;
                    }
                    if (!par.Material.Cruzou)
                        s += QStringLiteral(" — não cruzou: os filhos são cópias dos pais");
                    p.drawText(QRect(Margem, yTopo, width(), AlturaLinha),
                               Qt::AlignLeft | Qt::AlignVCenter, s);
                    return;
                }
                case 1:
                case 2: {
                    const bool primeiro = linha % LinhasPorPar == 1;
                    const int slot = primeiro ? par.Pai1 : par.Pai2;
                    QString s = QStringLiteral("  pai %1: slot %2").arg(primeiro ? 1 : 2).arg(slot);
                    if (Passo->Config.Paralelo)
                        s += QStringLiteral(", y slot %1").arg(primeiro ? par.Pai1Y : par.Pai2Y);
                    escreve(s);
                    const std::uint8_t meu = primeiro ? 1 : 2;
                    const std::vector<std::uint8_t>& bits = par.BitsPais[meu - 1];
                    const std::vector<std::uint8_t> cor(bits.size(), meu);
                    DesenhaBits(p, xBits, yTopo, bits, &cor, nullptr);
                    if (primeiro)
                        DesenhaCortes(p, xBits, yTopo, 4 * AlturaLinha, par);
                    return;
                }
                case 3:
                case 4: {
                    const int f = linha % LinhasPorPar - 3;
                    escreve(QStringLiteral("  filho %1").arg(2 * (k - 1) + f + 1));
                    DesenhaBits(p, xBits, yTopo, par.Filhos[f].Cruzado, &par.Filhos[f].Origem,
                                nullptr);
                    return;
                }
                default:
                    return;
            }
        }
        case TEtapa::Mutacao: {
            const TFilhoMostrado& f =
                Passo->Pares[static_cast<std::size_t>(linha / 2)].Filhos[linha % 2];
            int acertos = 0;
            for (int b = 1; b <= Passo->Config.TamCrom; ++b)
                acertos += f.Acertos.Tem(b) ? 1 : 0;
            escreve(QStringLiteral("Filho %1: %2 acerto%3")
                        .arg(linha + 1)
                        .arg(acertos)
                        .arg(acertos == 1 ? "" : "s"));
            DesenhaBits(p, xBits, yTopo, f.Mutado, nullptr, &f.Acertos);
            return;
        }
        case TEtapa::Substituicao:
            break;
    }
    if (linha == 2 * static_cast<int>(Passo->Pares.size())) {
        escreve(QStringLiteral("Elite → slot 1"));
        return;
    }
    const TFilhoMostrado& f = Passo->Pares[static_cast<std::size_t>(linha / 2)].Filhos[linha % 2];
    escreve(QStringLiteral("Filho %1 → slot %2").arg(linha + 1).arg(f.Slot));
    DesenhaBits(p, xBits, yTopo, f.Mutado, nullptr, nullptr);
}
