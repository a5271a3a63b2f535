#pragma once

#include "PassoGeracao.h"

#include <QAbstractTableModel>

/// The picked generation's population as a table, one row per slot: slot, the x half's and
/// the y half's bits, X, Y, fitness, selection fitness (in parallel mode the y population's
/// too) and the roulette's share, or the tournament wins in the step to the next generation.
/// Qt::UserRole gives each cell's value for sorting.
class TModeloPopulacao : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    /// Shows `pop` (kept by the caller while shown), run under `config`; `proximo` is how the
    /// next generation was made from it, nullptr for the last.
    void Mostra(const TConfiguracaoAG& config, const TPopulacaoRegistrada* pop,
                const TPassoRegistrado* proximo);

    [[nodiscard]] int rowCount(const QModelIndex& pai = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& pai = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& indice, int papel) const override;
    [[nodiscard]] QVariant headerData(int secao, Qt::Orientation orientacao,
                                      int papel) const override;

private:
    enum class TColuna {
        Slot,
        BitsX,
        BitsY,
        X,
        Y,
        Aptidao,
        AptidaoEsc,
        AptidaoY,
        AptidaoEscY,
        Parte
    };
    [[nodiscard]] TColuna Coluna(int secao) const;
    [[nodiscard]] QVariant Valor(int linha, TColuna coluna) const;

    TConfiguracaoAG Config;
    const TPopulacaoRegistrada* Pop = nullptr;
    std::vector<double> Fatias;  // roulette: each slot's share
    std::vector<int> Vitorias;   // tournament: each slot's wins, empty for the last generation
};
