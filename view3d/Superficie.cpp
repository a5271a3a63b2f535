#include "Superficie.h"

#include <cmath>

TTipoPlotagem TipoPlotagemDoItem(int indice) {
    switch (indice) {
        case 0:
            return TTipoPlotagem::PontosPequenos;
        case 1:
            return TTipoPlotagem::PontosGrandes;
        case 2:
            return TTipoPlotagem::Tracos;
        default:
            return TTipoPlotagem::Linhas;
    }
}

float TamanhoPonto(TTipoPlotagem tipo) {
    switch (tipo) {
        case TTipoPlotagem::PontosPequenos:
            return 1.0f;
        case TTipoPlotagem::PontosGrandes:
            return 2.0f;
        default:
            return 0.0f;
    }
}

double AlturaSuperficie(int x, int y) {
    const int r = x * x + y * y;
    const long double s = sinl(sqrtl(static_cast<long double>(r)));
    const long double q = 0.001L * r + 1.0L;
    return static_cast<double>((0.5L - (s * s - 0.5L) / (q * q)) * 100.0L);
}

TCorSuperficie CorSuperficie(double h, long double constanteAzul) {
    const long double v = h / 100.0L;
    TCorSuperficie cor;
    cor.R = static_cast<double>(v);
    cor.B = v <= 0.8L ? static_cast<double>(constanteAzul - v) : 0.0;
    return cor;
}

TPlanoSuperficie MontaPlanoSuperficie(TTipoPlotagem tipo, int valMin, int valMax,
                                      long double constanteAzul) {
    TPlanoSuperficie plano;
    plano.Tipo = tipo;
    if (valMax < valMin)
        return plano;

    // Separate segments pair y with y + 1 from valMin on; an odd last vertex has no partner.
    int yFinal = valMax;
    if (tipo == TTipoPlotagem::Tracos && (valMax - valMin + 1) % 2 != 0)
        --yFinal;

    const int lado = valMax - valMin + 1;
    plano.Fileiras.reserve(static_cast<std::size_t>(lado));
    for (int x = valMin; x <= valMax; ++x) {
        TFileiraSuperficie& fileira = plano.Fileiras.emplace_back();
        fileira.X = x;
        fileira.Vertices.reserve(static_cast<std::size_t>(lado));
        for (int y = valMin; y <= yFinal; ++y) {
            const double h = AlturaSuperficie(x, y);
            fileira.Vertices.push_back({y, h, CorSuperficie(h, constanteAzul)});
        }
    }
    return plano;
}
