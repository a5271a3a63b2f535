#pragma once

#include "Diversidade.h"

#include <QWidget>

#include <vector>

class QStackedWidget;
class QTabWidget;
class QToolButton;
class TGraficoDiversidade;
class TMapaCalor;
class TReproducao;

/// The page "Diversidade": how the last run's population lost its variety, as a heat map of
/// the share of 1s at each bit position and as a chart of the mean Hamming distance and the
/// distinct individuals, one of them shown at a time. Both carry the replay's generation, a
/// click on either picks a generation for every view, and the replay's keys step on them.
/// Each generation's figures are worked out from the replay's records only when the page is
/// on the screen, those not yet worked out: the run itself and picks made while the page is
/// hidden do no work for it.
class TPaginaDiversidade : public QWidget {
    Q_OBJECT
public:
    explicit TPaginaDiversidade(TReproducao& reproducao, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void CriaMenuImagem();
    void Recomeca();
    void MostraGeracao(int geracao);
    void Completa();
    [[nodiscard]] QWidget& VistaMostrada() const;
    [[nodiscard]] QString NomeArquivo() const;

    TReproducao& Reproducao;
    std::vector<TDiversidadeGeracao> Medidas;  // generation g at Medidas[g]
    TMapaCalor* Mapa;
    TGraficoDiversidade* Grafico;
    QStackedWidget* Vistas;
    QToolButton* btMapaCalor;
    QToolButton* btGraficoDiversidade;
    QToolButton* btImagemDiversidade;
};

/// Adds the page "Diversidade" to the window's pages, after the others, with its tab's hint.
void CriaPaginaDiversidade(QTabWidget& paginas, TReproducao& reproducao);
