#pragma once

#include "GeracoesGuardadas.h"
#include "GraficoNoTamanho.h"
#include "Navegacao.h"
#include "QuadroPopulacao.h"
#include "Superficie.h"

#include <QSize>

#include <memory>
#include <string>
#include <vector>

class TChart;
class TControleVista;
class TGLPanel;

/// What a movie's frames show.
enum class TConteudoVideo { Vista, Grafico, Ambos };

/// A generation as a movie frame shows it: the points the 3D view draws and its best.
struct TGeracaoVideo {
    TQuadroPopulacao Quadro;
    TMelhorGeracao Melhor;
};

/// A run as the window shows it, copied when the user asks for its movie, so that the movie
/// stays that run's whatever the window does meanwhile (a new run, another view).
struct TCenaVideo {
    std::vector<TGeracaoVideo> Geracoes;  ///< every kept generation, from 0
    TPlanoSuperficie Plano;               ///< the surface as the 3D view draws it
    TEstadoVista Vista;                   ///< where the 3D view is seen from
    std::string Separador;                ///< the decimal separator of the run's report
    std::unique_ptr<TGraficoForaDaTela> Grafico;
    QSize TamanhoVista;    ///< the 3D view's own size, in window pixels
    QSize TamanhoGrafico;  ///< the chart's
};

/// The frame size of the views' own sizes: the 3D view's, the chart's, or both side by side.
QSize TamanhoProprio(const TCenaVideo& cena, TConteudoVideo conteudo);

/// The kept run as the window shows it now: its generations, the 3D view's surface and
/// view, the chart's points.
TCenaVideo CenaDaJanela(const TGeracoesGuardadas& geracoes, const std::string& separador,
                        const TControleVista& vista, const TGLPanel& painel, const TChart& grafico);
