#include "GraficoRotulos.h"

int PassoRotulos(int numPontos, double largura, double espaco) {
    if (numPontos < 2)
        return 1;
    const double pixelsPorPonto = largura / (numPontos - 1);
    // Steps of 1, 2 and 5 times a power of ten keep the labelled generations easy to follow.
    static constexpr int Fatores[] = {1, 2, 5};
    for (int escala = 1;; escala *= 10) {
        for (const int fator : Fatores) {
            const int passo = fator * escala;
            if (passo >= numPontos || passo * pixelsPorPonto >= espaco)
                return passo;
        }
    }
}
