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

TFimExecucao FimDaExecucao(const TResultadoAG& resultado, const TConfiguracaoAG& config,
                           const TDadosGeracao& zero) {
    TFimExecucao fim;
    fim.Ultima = resultado.Geracao;
    fim.Separador = config.Separador;
    fim.PelaTolerancia = resultado.Motivo == TMotivoFim::Tolerancia;
    fim.ToleranciaNaGeracaoZero = config.CritParada != TCritParada::NGeracoes &&
                                  DentroDaTolerancia(config, zero.Melhor1, zero.Melhor2);
    return fim;
}

std::string TextoGeracao(int geracao, const TMelhorGeracao& melhor, bool paralelo,
                         const std::string& separador) {
    return "Geração " + std::to_string(geracao) + ": " + Aptidoes(melhor, paralelo, separador) +
           " em (" + std::to_string(melhor.X) + ", " + std::to_string(melhor.Y) + ")";
}

// Short enough to show whole beside the replay's controls in the restored window; the last
// generation's best is in its own text.
std::string TextoFim(const TFimExecucao& fim) {
    std::string texto;
    if (fim.PelaTolerancia)
        texto = "Tolerância atingida na geração " + std::to_string(fim.Ultima);
    else
        texto = "Limite de " + std::to_string(fim.Ultima) + " gerações atingido";
    if (fim.ToleranciaNaGeracaoZero)
        texto += fim.PelaTolerancia ? " (e já na 0, que o critério não testa)"
                                    : " (tolerância só na geração 0, que o critério não testa)";
    return texto + " · semente " + std::to_string(fim.Semente);
}
