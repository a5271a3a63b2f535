#include "ModeloPopulacao.h"

#include "FormatoNumero.h"

#include <cmath>

namespace {

QString Bits(const TPosicoes& genes, int de, int ate) {
    QString texto;
    texto.reserve(ate - de + 1);
    for (int b = de; b <= ate; ++b)
        texto += genes.Tem(b) ? QLatin1Char('1') : QLatin1Char('0');
    return texto;
}

}  // namespace

void TModeloPopulacao::Mostra(const TConfiguracaoAG& config, const TPopulacaoRegistrada* pop,
                              const TPassoRegistrado* proximo) {
    beginResetModel();
    Config = config;
    Pop = pop;
    Fatias.clear();
    Vitorias.clear();
    if (Pop != nullptr) {
        double total = 0;
        for (const TIndividuoRegistrado& ind : Pop->Individuos)
            total += ind.AptidaoEsc;
        for (const TIndividuoRegistrado& ind : Pop->Individuos)
            Fatias.push_back(total > 0 ? ind.AptidaoEsc / total : 0);
        if (proximo != nullptr && Config.TipoSel == TTipoSel::Torneio) {
            Vitorias.assign(Pop->Individuos.size(), 0);
            for (const std::uint8_t slot : proximo->Escolhidos)
                ++Vitorias[slot - 1u];
        }
    }
    endResetModel();
}

int TModeloPopulacao::rowCount(const QModelIndex& pai) const {
    return pai.isValid() || Pop == nullptr ? 0 : static_cast<int>(Pop->Individuos.size());
}

int TModeloPopulacao::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : (Config.Paralelo ? 10 : 8);
}

TModeloPopulacao::TColuna TModeloPopulacao::Coluna(int secao) const {
    if (!Config.Paralelo && secao >= static_cast<int>(TColuna::AptidaoY))
        return TColuna::Parte;
    return static_cast<TColuna>(secao);
}

QVariant TModeloPopulacao::Valor(int linha, TColuna coluna) const {
    const auto i = static_cast<std::size_t>(linha);
    const TIndividuoRegistrado& ind = Pop->Individuos[i];
    switch (coluna) {
        case TColuna::Slot:
            return linha + 1;
        case TColuna::BitsX:
            return Bits(ind.Genes, 1, Pop->TamCrom / 2);
        case TColuna::BitsY:
            return Bits(ind.Genes, Pop->TamCrom / 2 + 1, Pop->TamCrom);
        case TColuna::X:
            return ind.X;
        case TColuna::Y:
            return ind.Y;
        case TColuna::Aptidao:
            return ind.Aptidao;
        case TColuna::AptidaoEsc:
            return ind.AptidaoEsc;
        case TColuna::AptidaoY:
            return Pop->DoY(i).AptidaoY;
        case TColuna::AptidaoEscY:
            return Pop->DoY(i).AptidaoEscY;
        case TColuna::Parte:
            break;
    }
    if (Config.TipoSel == TTipoSel::Roleta)
        return Fatias[static_cast<std::size_t>(linha)];
    return Vitorias.empty() ? QVariant() : QVariant(Vitorias[static_cast<std::size_t>(linha)]);
}

QVariant TModeloPopulacao::data(const QModelIndex& indice, int papel) const {
    if (Pop == nullptr || !indice.isValid())
        return {};
    const TColuna coluna = Coluna(indice.column());
    const QVariant valor = Valor(indice.row(), coluna);
    if (papel == Qt::UserRole)
        return valor;
    if (papel == Qt::TextAlignmentRole)
        return coluna == TColuna::BitsX || coluna == TColuna::BitsY
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (papel != Qt::DisplayRole || !valor.isValid())
        return {};
    if (valor.typeId() != QMetaType::Double)
        return valor;
    // Numbers in the report's format; the roulette's share in percent, to two places.
    if (coluna == TColuna::Parte)
        return QString::fromStdString(
                   FormataReal(std::round(valor.toDouble() * 10000) / 100, Config.Separador)) +
               QStringLiteral(" %");
    return QString::fromStdString(FormataReal(valor.toDouble(), Config.Separador));
}

QVariant TModeloPopulacao::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    switch (Coluna(secao)) {
        case TColuna::Slot:
            return QStringLiteral("Slot");
        case TColuna::BitsX:
            return QStringLiteral("Bits de x");
        case TColuna::BitsY:
            return QStringLiteral("Bits de y");
        case TColuna::X:
            return QStringLiteral("X");
        case TColuna::Y:
            return QStringLiteral("Y");
        case TColuna::Aptidao:
            return Config.Paralelo ? QStringLiteral("Z(x)") : QStringLiteral("Aptidão");
        case TColuna::AptidaoEsc:
            return Config.Paralelo ? QStringLiteral("Seleção x")
                                   : QStringLiteral("Aptidão de seleção");
        case TColuna::AptidaoY:
            return QStringLiteral("Z(y)");
        case TColuna::AptidaoEscY:
            return QStringLiteral("Seleção y");
        case TColuna::Parte:
            break;
    }
    return Config.TipoSel == TTipoSel::Roleta ? QStringLiteral("Fatia da roleta")
                                              : QStringLiteral("Vitórias no torneio");
}
