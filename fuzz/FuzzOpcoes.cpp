// Fuzzes quivora-run's option parsing. The input, split at its NUL bytes, is the argument
// vector after the program name; an input of even length is read under a decimal comma, one of
// odd length under a decimal point. LeOpcoes returns or throws EOpcaoInvalida, nothing else.
// What it returns lies within the ranges and interlocks of the table of options, and the run it
// asks for (cut to at most 15 generations, and seeded with 0 when it names no seed, so that every
// input repeats) either completes or ends with the tolerance text's conversion error.
#include "Falha.h"
#include "FormatoNumero.h"
#include "MotorAG.h"
#include "ObservadorTexto.h"
#include "OpcoesLinha.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int GeracoesMaximas = 15;

std::vector<std::string> Argumentos(const std::uint8_t* dados, std::size_t tamanho) {
    std::vector<std::string> argumentos;
    if (tamanho == 0)
        return argumentos;
    argumentos.emplace_back();
    for (std::size_t i = 0; i < tamanho; ++i) {
        if (dados[i] == 0)
            argumentos.emplace_back();
        else
            argumentos.back() += static_cast<char>(dados[i]);
    }
    return argumentos;
}

bool NoPasso(int valor, int minimo, int maximo, int passo) {
    return valor >= minimo && valor <= maximo && (valor - minimo) % passo == 0;
}

bool UmDe(const std::string& texto, const std::vector<std::string>& itens) {
    return std::find(itens.begin(), itens.end(), texto) != itens.end();
}

// What the panel lets a run see, as the table of options describes it: its spin edits' ranges
// and steps (a bound that follows another option, by that option's value), its lists' items
// (not the one it refuses), and the interlocks; and what quivora-run adds: a tolerance that
// converts lies from 0 to below 1.
void ConfereFaixas(const TConfiguracao& c, const std::string& separador) {
    for (const auto& opcao : OpcoesExecucao()) {
        const std::string valor = opcao.Tipo == TTipoOpcao::Tolerancia ? "" : ValorColuna(c, opcao);
        if (opcao.Tipo == TTipoOpcao::Numero) {
            const TFaixa& f = opcao.Faixa;
            const int maximo = opcao.MaximoSegue.empty()
                                   ? f.Maximo
                                   : std::stoi(ValorColuna(c, *ProcuraOpcao(opcao.MaximoSegue)));
            if (!NoPasso(std::stoi(valor), f.Minimo, maximo, f.Passo))
                Falha("--" + opcao.Nome + " outside the panel's range: " + valor);
        } else if (opcao.Tipo == TTipoOpcao::Item) {
            if (!UmDe(valor, opcao.Itens) ||
                (!opcao.NaoImplementado.empty() && valor == opcao.NaoImplementado))
                Falha("--" + opcao.Nome + " is not an item of the panel's list: " + valor);
        }
    }
    if (c.Painel.SeparadorDecimal != separador)
        Falha("the decimal separator is not the locale's");
    for (const auto& trava : Travas())
        if (ValorOpcao(c, *ProcuraOpcao(trava.Opcao), ".") == trava.Valor)
            for (const auto& [nome, valor] : trava.Fixa)
                if (ValorOpcao(c, *ProcuraOpcao(nome), ".") != valor)
                    Falha("--" + trava.Opcao + " " + trava.Valor + " without --" + nome + " " +
                          valor);
    try {
        const double tolerancia = Diferenca(c);
        if (!(tolerancia >= 0 && tolerancia < 1))
            Falha("a tolerance outside 0 to below 1: " + c.Painel.TextoDiferenca);
    } catch (const EConversao&) {
        // left to the run's conversion error
    }
}

void Roda(TOpcoes o) {
    TConfiguracao c = o.Config();
    TParametros& p = c.Painel.Valores;
    p.LimGer = std::min(p.LimGer, GeracoesMaximas);
    TConfiguracaoAG config;
    try {
        config = ConfiguracaoAG(c.Painel, {c.Paralelo, c.Elitismo, c.Escalonamento, c.Torneio});
    } catch (const EConversao& e) {
        if (e.what() != "'" + c.Painel.TextoDiferenca + "' is not a valid floating point value.")
            Falha(std::string("the conversion error reads: ") + e.what());
        return;
    }
    TObservadorTexto dono(o.Series, c.Painel.SeparadorDecimal);
    TMotorAG motor;
    motor.Executa(config, o.Semente ? *o.Semente : 0, dono);
    if (motor.Geracao < 1 || motor.Geracao > p.LimGer ||
        (p.CritParada == Legenda::NGeracoes && motor.Geracao != p.LimGer))
        Falha("the run ended at generation " + std::to_string(motor.Geracao));
    if (dono.Saida().empty())
        Falha("a run with no output");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string separador = tamanho % 2 == 0 ? "," : ".";
    TOpcoes opcoes;
    try {
        opcoes = LeOpcoes(Argumentos(dados, tamanho), separador);
    } catch (const EOpcaoInvalida& e) {
        if (std::string(e.what()).empty())
            Falha("an option error with no message");
        return 0;
    }
    if (opcoes.Ajuda || opcoes.Versao || !opcoes.Experimento.Resumir.empty())
        return 0;  // these print and leave without a run
    for (const auto& config : opcoes.Configuracoes)
        ConfereFaixas(config, separador);
    Roda(opcoes);
    return 0;
}
