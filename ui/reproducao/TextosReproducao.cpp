#include "TextosReproducao.h"

#include "FormatoNumero.h"
#include "MotorAG.h"

namespace {

std::string Aptidoes(const TMelhorGeracao& melhor, bool paralelo, const std::string& separador) {
    if (!paralelo)
        return "melhor " + FormataReal(melhor.Melhor1, separador);
    return "Z(x)=" + FormataReal(melhor.Melhor1, separador) +
           " Z(y)=" + FormataReal(melhor.Melhor2, separador);
}

}  // namespace

TFimExecucao FimDaExecucao(const TMotorAG& motor, bool paralelo) {
    const int g = motor.Geracao;
    TFimExecucao fim;
    fim.Ultima = g;
    fim.Paralelo = paralelo;
    fim.Melhor = MelhorDaGeracao(motor);
    fim.Separador = motor.Separador;
    fim.PelaTolerancia = motor.Param.CritParada != Legenda::NGeracoes &&
                         motor.DentroDaTolerancia(fim.Melhor.Melhor1, fim.Melhor.Melhor2);
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
