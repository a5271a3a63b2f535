// Fuzzes quivora-run's option parsing. The input, split at its NUL bytes, is the argument
// vector after the program name; an input of even length is read under a decimal comma, one of
// odd length under a decimal point. LeOpcoes returns or throws EOpcaoInvalida, nothing else.
// What it returns lies within the panel's ranges and interlocks, and the run it asks for (cut
// to at most 15 generations, and seeded with 0 when it names no seed, so that every input
// repeats) either completes or ends with the tolerance text's conversion error.
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

// What the panel lets a run see: its spin edits' ranges and steps, its lists' items ("n
// Melhores" refused), the tournament size up to the population size, and the interlocks.
void ConfereFaixas(const TConfiguracao& c, const std::string& separador) {
    const TParametros& p = c.Painel.Valores;
    if (!NoPasso(p.TamPop, 2, 200, 2) || !NoPasso(p.TamCrom, 18, 100, 2) ||
        !NoPasso(p.TaxaCruz, 2, 100, 2) || !NoPasso(p.TaxaMut, 0, 30, 1) ||
        !NoPasso(p.LimGer, 10, 1000, 5) || !NoPasso(p.ValMin, -100, 0, 10) ||
        !NoPasso(p.ValMax, 0, 100, 10) || !NoPasso(c.Torneio, 1, p.TamPop, 1))
        Falha("a number outside the panel's range");
    if (!UmDe(p.TipoSel, {Legenda::Roleta, Legenda::Torneio}) ||
        !UmDe(p.TipoCruz, {Legenda::UmPonto, Legenda::DoisPontos, Legenda::Uniforme}) ||
        !UmDe(p.TipoMut,
              {Legenda::Flip, Legenda::MutarPara1, Legenda::MutarPara0, Legenda::Inversao}) ||
        !UmDe(p.TipoSubs, {Legenda::Imediata, Legenda::Insercao, ""}) ||
        !UmDe(p.CritParada, {Legenda::NGeracoes, Legenda::PrimeiraSituacao}))
        Falha("a caption that is not an item of the panel's list");
    if (c.Painel.SeparadorDecimal != separador)
        Falha("the decimal separator is not the locale's");
    if (p.TipoSubs == Legenda::Imediata && p.TaxaCruz != 100)
        Falha("\"Imediata\" with a crossover rate other than 100");
    if (c.Paralelo &&
        (p.TipoCruz != Legenda::UmPonto || p.TipoSubs != Legenda::Imediata || p.TaxaCruz != 100))
        Falha("parallel mode without \"1 ponto\", \"Imediata\" and rate 100");
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
