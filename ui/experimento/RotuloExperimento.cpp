#include "RotuloExperimento.h"

#include <map>

namespace {

// The panel's caption of each option; the switches name their two states.
const std::map<std::string, std::string> Legendas{
    {"pop", "Tamanho da População"},       {"chrom", "Tamanho do Cromossomo"},
    {"selection", "Tipo de Seleção"},      {"tournament", "Tamanho do Torneio"},
    {"crossover", "Tipo de Cruzamento"},   {"crossover-rate", "Taxa de Cruzamento"},
    {"mutation", "Tipo de Mutação"},       {"mutation-rate", "Taxa de Mutação"},
    {"generations", "Limite de Gerações"}, {"replacement", "Tipo de Substituição"},
    {"tolerance", "Diferença p/Ótimo"},    {"stop", "Critério de Parada"},
};

const std::map<std::string, std::pair<std::string, std::string>> Chaves{
    {"elitism", {"Usar Elitismo", "Sem Elitismo"}},
    {"scaling", {"Usar Escalonamento Dirigido", "Sem Escalonamento Dirigido"}},
    {"parallel", {"AG Paralelo", "AG Simples"}},
};

bool Difere(const TConfiguracao& a, const TConfiguracao& b, const std::string& nome) {
    const TOpcaoExecucao& opcao = *ProcuraOpcao(nome);
    return ValorColuna(a, opcao) != ValorColuna(b, opcao);
}

}  // namespace

std::string RotuloExperimento(const TConfiguracao& c, const TConfiguracao& referencia,
                              const std::string& separador) {
    std::string rotulo;
    const auto junta = [&](const std::string& parte) {
        rotulo += (rotulo.empty() ? "" : ", ") + parte;
    };
    for (const auto& opcao : OpcoesExecucao()) {
        const std::string valor = ValorOpcao(c, opcao, separador);
        if (opcao.Nome == "min") {
            // The interval is one row of the panel: its two ends are named together.
            if (Difere(c, referencia, "min") || Difere(c, referencia, "max"))
                junta("Intervalo de Valores " + valor + " à " +
                      ValorOpcao(c, *ProcuraOpcao("max"), separador));
        } else if (opcao.Nome == "max" || !Difere(c, referencia, opcao.Nome)) {
            continue;
        } else if (opcao.Tipo == TTipoOpcao::Chave) {
            junta(valor == "on" ? Chaves.at(opcao.Nome).first : Chaves.at(opcao.Nome).second);
        } else if (opcao.Nome == "crossover-rate" || opcao.Nome == "mutation-rate") {
            junta(Legendas.at(opcao.Nome) + " " + valor + " %");
        } else if (opcao.Nome == "replacement" && valor.empty()) {
            junta(Legendas.at(opcao.Nome) + " (vazio)");
        } else {
            junta(Legendas.at(opcao.Nome) + " " + valor);
        }
    }
    return rotulo.empty() ? "Mesma configuração" : rotulo;
}
