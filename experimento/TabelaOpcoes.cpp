// The table of the panel's options: for each, its command-line name and CSV column, the panel's
// control with its caption, range, step, start value and list items, its hints, and what
// --help says of it; then the panel's interlocks. The window, quivora-run, the experiment CSV
// and the fuzzers all read these rows, and a test holds the designed form against them.

#include "Configuracao.h"
#include "FormatoNumero.h"
#include "LeituraOpcoes.h"

#include <string>

namespace {

// Each kind of row binds its reader and writer to one field of the configuration, given as a
// generic lambda that serves the const and the non-const configuration alike.

template <class Campo>
TOpcaoExecucao Numero(TOpcaoExecucao o, Campo campo) {
    o.Tipo = TTipoOpcao::Numero;
    o.Padrao = std::to_string(o.Faixa.Inicial);
    o.Le = [campo, nome = o.Opcao(), faixa = o.Faixa, segue = o.MaximoSegue](TConfiguracao& c,
                                                                             const std::string& v) {
        TFaixa limites = faixa;
        if (!segue.empty())
            limites.Maximo = std::stoi(ValorColuna(c, *ProcuraOpcao(segue)));
        campo(c) = LeInteiro(nome, v, limites);
    };
    o.Escreve = [campo](const TConfiguracao& c) { return std::to_string(campo(c)); };
    return o;
}

template <class Campo>
TOpcaoExecucao Item(TOpcaoExecucao o, Campo campo) {
    o.Tipo = TTipoOpcao::Item;
    if (o.Padrao.empty())
        o.Padrao = o.Itens.front();
    o.Le = [campo, linha = o](TConfiguracao& c, const std::string& v) {
        campo(c) = LeItem(linha, v);
    };
    o.Escreve = [campo](const TConfiguracao& c) { return campo(c); };
    return o;
}

template <class Campo>
TOpcaoExecucao Chave(TOpcaoExecucao o, Campo campo) {
    o.Tipo = TTipoOpcao::Chave;
    o.Le = [campo, nome = o.Opcao()](TConfiguracao& c, const std::string& v) {
        campo(c) = LeChave(nome, v);
    };
    o.Escreve = [campo](const TConfiguracao& c) { return std::string(campo(c) ? "1" : "0"); };
    return o;
}

TOpcaoExecucao Tolerancia(TOpcaoExecucao o) {
    o.Tipo = TTipoOpcao::Tolerancia;
    o.Padrao = FormataReal(o.Faixa.Inicial / 100.0, ".");
    o.Le = [](TConfiguracao& c, const std::string& v) {
        c.Painel.TextoDiferenca = NaNotacao(v, c.Painel.SeparadorDecimal);
    };
    o.Escreve = [](const TConfiguracao& c) { return FormataReal(Diferenca(c), "."); };
    return o;
}

}  // namespace

const std::vector<TOpcaoExecucao>& OpcoesExecucao() {
    static const std::vector<TOpcaoExecucao> tabela{
        Numero(
            {.Nome = "pop",
             .Coluna = "pop",
             .Controle = "pcTamPop",
             .Rotulo = "Label7",
             .Legenda = "Tamanho da População",
             .Faixa = {2, 200, 2, 30},
             .Dica = "Quantos indivíduos (cromossomos) formam cada geração",
             .Ajuda = "population size"},
            [](auto& c) -> auto& { return c.Painel.Valores.TamPop; }),
        Numero(
            {.Nome = "chrom",
             .Coluna = "chrom",
             .Controle = "pcTamCrom",
             .Rotulo = "Label1",
             .Legenda = "Tamanho do Cromossomo",
             .Faixa = {18, 100, 2, 20},
             .Dica = "Bits de cada cromossomo: a 1ª metade codifica x, a 2ª, y",
             .Ajuda = "chromosome length"},
            [](auto& c) -> auto& { return c.Painel.Valores.TamCrom; }),
        Item(
            {.Nome = "selection",
             .Coluna = "selection",
             .Controle = "pcTipoSel",
             .Rotulo = "Label2",
             .Legenda = "Tipo de Seleção",
             .Itens = {Legenda::Roleta, Legenda::Torneio, Legenda::NMelhores},
             .NaoImplementado = Legenda::NMelhores,
             .Recusa = "Tipo de Seleção não implementado.",
             .Dica = "Como se escolhem os pais de cada cruzamento",
             .DicasItens = {"Roleta: cada pai é sorteado com chance proporcional à aptidão",
                            "Torneio: sorteia k indivíduos e o mais apto deles é o pai",
                            "n Melhores: ainda não implementado"},
             .Ajuda = "selection"},
            [](auto& c) -> auto& { return c.Painel.Valores.TipoSel; }),
        // The designed maximum is 10 until the population size first changes.
        Numero(
            {.Nome = "tournament",
             .Coluna = "tournament",
             .Controle = "pcQuantTorneio",
             .Faixa = {1, 10, 1, 2},
             .MaximoSegue = "pop",
             .Dica = "Torneio: quantos indivíduos sorteados disputam cada vaga de pai",
             .Ajuda = "tournament size"},
            [](auto& c) -> auto& { return c.Torneio; }),
        Item(
            {.Nome = "crossover",
             .Coluna = "crossover",
             .Controle = "pcTipoCruz",
             .Rotulo = "Label3",
             .Legenda = "Tipo de Cruzamento",
             .Itens = {Legenda::UmPonto, Legenda::DoisPontos, Legenda::Uniforme},
             .Dica = "Como os genes dos dois pais se combinam nos filhos",
             .DicasItens = {"1 ponto: o filho une o início de um pai ao resto do outro",
                            "2 pontos: o filho leva do outro pai o trecho entre dois cortes",
                            "Uniforme: cada bit do filho vem de um dos pais, ao acaso"},
             .Ajuda = "crossover"},
            [](auto& c) -> auto& { return c.Painel.Valores.TipoCruz; }),
        Numero(
            {.Nome = "crossover-rate",
             .Coluna = "crossover_rate",
             .Controle = "pcTaxaCruz",
             .Rotulo = "Label11",
             .Legenda = "Taxa de Cruzamento (%)",
             .Faixa = {2, 100, 2, 100},
             .Dica = "Quantos % da população cruzam e dão lugar a filhos",
             .Ajuda = "crossover rate in percent"},
            [](auto& c) -> auto& { return c.Painel.Valores.TaxaCruz; }),
        Item(
            {.Nome = "mutation",
             .Coluna = "mutation",
             .Controle = "pcTipoMut",
             .Rotulo = "Label8",
             .Legenda = "Tipo de Mutação",
             .Itens = {Legenda::Flip, Legenda::MutarPara1, Legenda::MutarPara0, Legenda::Inversao},
             .Dica = "Como a mutação altera os bits dos filhos",
             .DicasItens = {"Flip: o bit sorteado para mutar é invertido",
                            "Mutar para 1: o bit sorteado para mutar passa a 1",
                            "Mutar para 0: o bit sorteado para mutar passa a 0",
                            "Inversão: o bit sorteado troca de lugar com o vizinho"},
             .Ajuda = "mutation"},
            [](auto& c) -> auto& { return c.Painel.Valores.TipoMut; }),
        // The engine tests each bit (with inversion, each pair of neighbours) and hits with
        // probability (rate + 1) / 101.
        Numero(
            {.Nome = "mutation-rate",
             .Coluna = "mutation_rate",
             .Controle = "pcTaxaMut",
             .Rotulo = "Label12",
             .Legenda = "Taxa de Mutação (%)",
             .Faixa = {0, 30, 1, 3},
             .Dica = "Cada bit (par, na Inversão) muta com chance (taxa + 1)/101: 0 % ainda muta",
             .Ajuda = "mutation rate in percent",
             .NotaAjuda = "each bit (with \"Inversão\", each pair of neighbours) mutates "
                          "with probability (rate + 1)/101"},
            [](auto& c) -> auto& { return c.Painel.Valores.TaxaMut; }),
        Numero(
            {.Nome = "generations",
             .Coluna = "generations_limit",
             .Controle = "pcLimGer",
             .Rotulo = "Label10",
             .Legenda = "Limite de Gerações",
             .Faixa = {10, 1000, 5, 60},
             .Dica = "Quantas gerações a execução faz no máximo",
             .Ajuda = "generation limit"},
            [](auto& c) -> auto& { return c.Painel.Valores.LimGer; }),
        Item(
            {.Nome = "replacement",
             .Coluna = "replacement",
             .Controle = "pcTipoSubs",
             .Rotulo = "Label5",
             .Legenda = "Tipo de Substituição",
             .Itens = {Legenda::Imediata, Legenda::Insercao, ""},
             .Dica = "Como os filhos entram na população",
             .DicasItens = {"Imediata: os filhos tomam o lugar de toda a população",
                            "Inserção: os filhos trocam só parte da população; o resto fica",
                            "(vazio): age como Inserção"},
             .Ajuda = "replacement",
             .NotaAjuda = "\"\" acts as \"Inserção\""},
            [](auto& c) -> auto& { return c.Painel.Valores.TipoSubs; }),
        Numero(
            {.Nome = "min",
             .Coluna = "min",
             .Controle = "pcValMin",
             .Rotulo = "Label6",
             .Legenda = "Intervalo de Valores",
             .Faixa = {-100, 0, 10, -100},
             .Dica = "Menor valor de x e de y: a busca cobre um quadrado",
             .Ajuda = "lower end of the interval"},
            [](auto& c) -> auto& { return c.Painel.Valores.ValMin; }),
        Numero(
            {.Nome = "max",
             .Coluna = "max",
             .Controle = "pcValMax",
             .Rotulo = "Label13",
             .Legenda = "à",
             .Faixa = {0, 100, 10, 100},
             .Dica = "Maior valor de x e de y",
             .Ajuda = "upper end of the interval"},
            [](auto& c) -> auto& { return c.Painel.Valores.ValMax; }),
        // The arrows write hundredths over the text, which is typed freely.
        Tolerancia({.Nome = "tolerance",
                    .Coluna = "tolerance",
                    .Controle = "pcDiferenca",
                    .Rotulo = "Label15",
                    .Legenda = "Diferença p/Ótimo",
                    .Faixa = {0, 10, 1, 1},
                    .Dica = "Tolerância: para quando 1 − melhor aptidão ≤ este valor",
                    .Setas = "SpinEdit1",
                    .DicaSetas = "Muda a tolerância em passos de um centésimo",
                    .Ajuda = "tolerance of the stop criterion, from 0 to below 1, written "
                             "with a decimal point or a decimal comma under any locale"}),
        Item(
            {.Nome = "stop",
             .Coluna = "stop",
             .Controle = "pcCritParada",
             .Rotulo = "Label16",
             .Legenda = "Critério de Parada",
             .Itens = {Legenda::NGeracoes, Legenda::PrimeiraSituacao},
             .Padrao = Legenda::PrimeiraSituacao,
             .Dica = "Quando a execução termina",
             .DicasItens = {"n Gerações: faz sempre todas as gerações do limite",
                            "Para na 1ª geração em que 1 − melhor aptidão ≤ tolerância"},
             .Ajuda = "stop criterion"},
            [](auto& c) -> auto& { return c.Painel.Valores.CritParada; }),
        Chave(
            {.Nome = "elitism",
             .Coluna = "elitism",
             .Controle = "pcElite",
             .Legenda = "Usar Elitismo",
             .Padrao = "off",
             .Dica = "Elitismo: o melhor indivíduo passa intacto à geração seguinte",
             .Bandeira = "--elitism",
             .Ajuda = "keep the best individual"},
            [](auto& c) -> auto& { return c.Elitismo; }),
        // Directed scaling multiplies each fitness by a factor that rises with it (Avaliacao):
        // the order of the individuals stays, so only the roulette's shares change; the
        // tournament, which compares by strictly greater, picks the same winners.
        Chave(
            {.Nome = "scaling",
             .Coluna = "scaling",
             .Controle = "pcEscalonamento",
             .Legenda = "Usar Escalonamento Dirigido.",
             .Padrao = "on",
             .Dica = "Roleta pesa aptidão ×10⁴ no melhor, ×5000 se acima da média, ×100 abaixo",
             .Bandeira = "--no-scaling",
             .Ajuda = "no directed scaling of the roulette's weights",
             .NotaAjuda = "the tournament picks the same winners either way"},
            [](auto& c) -> auto& { return c.Escalonamento; }),
        Chave(
            {.Nome = "parallel",
             .Coluna = "parallel",
             .Controle = "pcTipoAG",
             .Legenda = "AG Paralelo (Pop. X e Y)",
             .Padrao = "off",
             .Dica = "x e y evoluem em duas populações, cada uma com o melhor da outra",
             .Bandeira = "--parallel",
             .Ajuda = "parallel mode: x and y halves evolve as two populations"},
            [](auto& c) -> auto& { return c.Paralelo; }),
    };
    return tabela;
}

// Parallel mode works only with one-point crossover and immediate replacement at the full
// rate; immediate replacement always crosses every pair. Parallel mode comes first: it sets
// the replacement that the second reads.
const std::vector<TTrava>& Travas() {
    static const std::vector<TTrava> travas{
        {"parallel",
         "on",
         {{"crossover", Legenda::UmPonto},
          {"replacement", Legenda::Imediata},
          {"crossover-rate", "100"}}},
        {"replacement", Legenda::Imediata, {{"crossover-rate", "100"}}},
    };
    return travas;
}
