#include "RotuloExperimento.h"

#include <map>

namespace {

// The words a label is made of: a caption for each option and for the interval, a name for
// each state of each switch, and the text for an experiment that changes nothing.
struct TPalavras {
    std::map<std::string, std::string> Legendas;
    std::map<std::string, std::pair<std::string, std::string>> Chaves;
    std::string Intervalo;
    std::string Mesma;
};

// The panel's own captions.
const TPalavras Painel{{{"pop", "Tamanho da População"},
                        {"chrom", "Tamanho do Cromossomo"},
                        {"selection", "Tipo de Seleção"},
                        {"tournament", "Tamanho do Torneio"},
                        {"crossover", "Tipo de Cruzamento"},
                        {"crossover-rate", "Taxa de Cruzamento"},
                        {"mutation", "Tipo de Mutação"},
                        {"mutation-rate", "Taxa de Mutação"},
                        {"generations", "Limite de Gerações"},
                        {"replacement", "Tipo de Substituição"},
                        {"tolerance", "Diferença p/Ótimo"},
                        {"stop", "Critério de Parada"}},
                       {{"elitism", {"Usar Elitismo", "Sem Elitismo"}},
                        {"scaling", {"Usar Escalonamento Dirigido", "Sem Escalonamento Dirigido"}},
                        {"parallel", {"AG Paralelo", "AG Simples"}}},
                       "Intervalo de Valores",
                       "Mesma configuração"};

// Their abbreviations; a rate reads apart from its operator's type by its "%".
const TPalavras Abreviadas{{{"pop", "Pop."},
                            {"chrom", "Crom."},
                            {"selection", "Sel."},
                            {"tournament", "Torneio"},
                            {"crossover", "Cruz."},
                            {"crossover-rate", "Cruz."},
                            {"mutation", "Mut."},
                            {"mutation-rate", "Mut."},
                            {"generations", "Ger."},
                            {"replacement", "Subst."},
                            {"tolerance", "Dif."},
                            {"stop", "Parada"}},
                           {{"elitism", {"Elitismo", "Sem elitismo"}},
                            {"scaling", {"Escal.", "Sem escal."}},
                            {"parallel", {"Paralelo", "Simples"}}},
                           "Int.",
                           "Mesma config."};

bool Difere(const TConfiguracao& a, const TConfiguracao& b, const std::string& nome) {
    const TOpcaoExecucao& opcao = *ProcuraOpcao(nome);
    return ValorColuna(a, opcao) != ValorColuna(b, opcao);
}

std::string Rotulo(const TConfiguracao& c, const TConfiguracao& referencia,
                   const std::string& separador, const TPalavras& palavras) {
    std::string rotulo;
    const auto junta = [&](const std::string& parte) {
        rotulo += (rotulo.empty() ? "" : ", ") + parte;
    };
    for (const auto& opcao : OpcoesExecucao()) {
        const std::string valor = ValorOpcao(c, opcao, separador);
        if (opcao.Nome == "min") {
            // The interval is one row of the panel: its two ends are named together.
            if (Difere(c, referencia, "min") || Difere(c, referencia, "max"))
                junta(palavras.Intervalo + " " + valor + " à " +
                      ValorOpcao(c, *ProcuraOpcao("max"), separador));
        } else if (opcao.Nome == "max" || !Difere(c, referencia, opcao.Nome)) {
            continue;
        } else if (opcao.Tipo == TTipoOpcao::Chave) {
            const auto& estados = palavras.Chaves.at(opcao.Nome);
            junta(valor == "on" ? estados.first : estados.second);
        } else if (opcao.Nome == "crossover-rate" || opcao.Nome == "mutation-rate") {
            junta(palavras.Legendas.at(opcao.Nome) + " " + valor + " %");
        } else if (opcao.Nome == "replacement" && valor.empty()) {
            junta(palavras.Legendas.at(opcao.Nome) + " (vazio)");
        } else {
            junta(palavras.Legendas.at(opcao.Nome) + " " + valor);
        }
    }
    return rotulo.empty() ? palavras.Mesma : rotulo;
}

}  // namespace

std::string RotuloExperimento(const TConfiguracao& c, const TConfiguracao& referencia,
                              const std::string& separador) {
    return Rotulo(c, referencia, separador, Painel);
}

std::string RotuloCurto(const TConfiguracao& c, const TConfiguracao& referencia,
                        const std::string& separador) {
    return Rotulo(c, referencia, separador, Abreviadas);
}
