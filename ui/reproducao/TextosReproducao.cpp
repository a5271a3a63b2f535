#include "TextosReproducao.h"

#include "FormatoNumero.h"

namespace {

std::string Aptidoes(const TMelhorGeracao& melhor, bool paralelo, const std::string& separador) {
    if (!paralelo)
        return "melhor " + FormataReal(melhor.Melhor1, separador);
    return "Z(x)=" + FormataReal(melhor.Melhor1, separador) +
           " Z(y)=" + FormataReal(melhor.Melhor2, separador);
}

}  // namespace

TFimExecucao FimDaExecucao(const TResultadoAG& resultado, const TConfiguracaoAG& config) {
    TFimExecucao fim;
    fim.Ultima = resultado.Geracao;
    fim.Paralelo = config.Paralelo;
    fim.Melhor = {resultado.Melhor1, resultado.Melhor2, resultado.MelhorX, resultado.MelhorY};
    fim.Separador = config.Separador;
    fim.PelaTolerancia = resultado.Motivo == TMotivoFim::Tolerancia;
    return fim;
}

std::string TextoGeracao(int geracao, const TMelhorGeracao& melhor, bool paralelo,
                         const std::string& separador) {
    return "Geração " + std::to_string(geracao) + ": " + Aptidoes(melhor, paralelo, separador) +
           " em (" + std::to_string(melhor.X) + ", " + std::to_string(melhor.Y) + ")";
}

std::string TextoFim(const TFimExecucao& fim) {
    std::string texto;
    if (fim.PelaTolerancia)
        texto = "Tolerância atingida na geração " + std::to_string(fim.Ultima) + " (" +
                Aptidoes(fim.Melhor, fim.Paralelo, fim.Separador) + ")";
    else
        texto = "Limite de " + std::to_string(fim.Ultima) + " gerações atingido";
    return texto + " · semente " + std::to_string(fim.Semente);
}
