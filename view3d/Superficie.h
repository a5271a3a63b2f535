#pragma once

// The F6 surface as the view draws it: one vertex per integer grid point of the interval,
// height 100 x F6, coloured from red (the optimum) to blue, grouped in rows of constant x.
// Plain functions, no GL: the display list is compiled from what they return.

#include <vector>

/// The plot types of the list pcPlotagem, by item index; any other index is a line strip.
enum class TTipoPlotagem { PontosPequenos, PontosGrandes, Tracos, Linhas };

TTipoPlotagem TipoPlotagemDoItem(int indice);

/// Point size of a points plot (1 or 2); 0 for the line types, which set none.
float TamanhoPonto(TTipoPlotagem tipo);

/// Blue constant of the first build of the surface and of every rebuild.
inline constexpr long double AzulPrimeiraMontagem = 1.5L;
inline constexpr long double AzulRemontagem = 1.6L;

/// Height of the surface at (x, y): 100 x F6, computed in extended precision and rounded to
/// a 64-bit float. 100 at the origin.
double AlturaSuperficie(int x, int y);

struct TCorSuperficie {
    double R = 0;
    double G = 0;
    double B = 0;
};

/// Colour of a vertex of height h: with v = h / 100, red v, no green, blue K - v while
/// v <= 0.8 and none above, so the peak region turns pure red.
TCorSuperficie CorSuperficie(double h, long double constanteAzul);

struct TVerticeSuperficie {
    int Y = 0;
    double H = 0;
    TCorSuperficie Cor;
};

/// One row of the grid: the vertices of one x, in rising y, as one primitive.
struct TFileiraSuperficie {
    int X = 0;
    std::vector<TVerticeSuperficie> Vertices;
};

/// Everything the surface list draws: its primitive type and its rows.
struct TPlanoSuperficie {
    TTipoPlotagem Tipo = TTipoPlotagem::PontosPequenos;
    std::vector<TFileiraSuperficie> Fileiras;
};

/// The rows over valMin..valMax in both x and y (none when valMax < valMin). "Traços" joins
/// the vertices of a row in pairs, so a row with an odd count leaves its last vertex out.
TPlanoSuperficie MontaPlanoSuperficie(TTipoPlotagem tipo, int valMin, int valMax,
                                      long double constanteAzul);
