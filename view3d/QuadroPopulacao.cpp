#include "QuadroPopulacao.h"

namespace {

// Heights are the fitness times 100, taken in extended precision and rounded once to float.
float Altura(double aptidao) {
    return static_cast<float>(100.0L * aptidao);
}

}  // namespace

void MontaQuadroPopulacao(const TPopulacaoRegistrada& populacao, bool paralelo,
                          TQuadroPopulacao& quadro) {
    const TDadosGeracao& d = populacao.Dados;
    const auto melhorX = static_cast<float>(d.MelhorX);
    const auto melhorY = static_cast<float>(d.MelhorY);

    quadro.Paralelo = paralelo;
    quadro.Individuos.clear();
    for (std::size_t i = 0; i < populacao.Individuos.size(); ++i) {
        const TIndividuoRegistrado& c = populacao.Individuos[i];
        TIndividuoQuadro& ind = quadro.Individuos.emplace_back();
        if (paralelo) {
            ind.Ponto = {static_cast<float>(c.X), melhorY, Altura(c.Aptidao)};
            ind.PontoY = {melhorX, static_cast<float>(c.Y), Altura(populacao.DoY(i).AptidaoY)};
        } else {
            ind.Ponto = {static_cast<float>(c.X), static_cast<float>(c.Y), Altura(c.Aptidao)};
        }
    }
    quadro.Melhor1 = {melhorX, melhorY, Altura(d.Melhor1)};
    quadro.Melhor2 = {melhorX, melhorY, Altura(d.Melhor2)};
}
