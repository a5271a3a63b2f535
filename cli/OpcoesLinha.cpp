#include "OpcoesLinha.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace {

// A numeric option: its range and step, as the panel's spin edit has them.
struct TFaixa {
    long long Minimo;
    long long Maximo;
    long long Passo;
};

[[noreturn]] void Recusa(const std::string& mensagem) {
    throw EOpcaoInvalida(mensagem);
}

long long Numero(const std::string& opcao, const std::string& texto, TFaixa faixa) {
    long long valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [resto, erro] = std::from_chars(texto.data(), fim, valor);
    const bool valido = !texto.empty() && erro == std::errc() && resto == fim &&
                        valor >= faixa.Minimo && valor <= faixa.Maximo &&
                        (valor - faixa.Minimo) % faixa.Passo == 0;
    if (!valido) {
        std::string aceita = "a whole number from " + std::to_string(faixa.Minimo) + " to " +
                             std::to_string(faixa.Maximo);
        if (faixa.Passo > 1)
            aceita += " in steps of " + std::to_string(faixa.Passo);
        Recusa(opcao + " accepts " + aceita + ", not '" + texto + "'");
    }
    return valor;
}

int Inteiro(const std::string& opcao, const std::string& texto, TFaixa faixa) {
    return static_cast<int>(Numero(opcao, texto, faixa));
}

std::string Item(const std::string& opcao, const std::string& texto,
                 const std::vector<std::string>& itens) {
    if (std::find(itens.begin(), itens.end(), texto) != itens.end())
        return texto;
    std::string lista;
    for (const auto& item : itens)
        lista += (lista.empty() ? "\"" : ", \"") + item + "\"";
    Recusa(opcao + " accepts one of " + lista + ", not \"" + texto + "\"");
}

const std::vector<std::string> ItensSelecao{Legenda::Roleta, Legenda::Torneio};
const std::vector<std::string> ItensCruzamento{Legenda::UmPonto, Legenda::DoisPontos,
                                               Legenda::Uniforme};
const std::vector<std::string> ItensMutacao{Legenda::Flip, Legenda::MutarPara1, Legenda::MutarPara0,
                                            Legenda::Inversao};
const std::vector<std::string> ItensSubstituicao{Legenda::Imediata, Legenda::Insercao, ""};
const std::vector<std::string> ItensParada{Legenda::NGeracoes, Legenda::PrimeiraSituacao};

const std::vector<std::string> Chaves{"--elitism", "--no-scaling", "--parallel",
                                      "--series",  "--help",       "--version"};

// The combinations the panel's interlocks never let a run see.
void ConfereTravas(const TOpcoes& o) {
    const TParametros& p = o.Painel.Valores;
    if (o.Paralelo &&
        (p.TipoCruz != Legenda::UmPonto || p.TipoSubs != Legenda::Imediata || p.TaxaCruz != 100))
        Recusa(
            "--parallel accepts only --crossover \"1 ponto\", --replacement \"Imediata\" and "
            "--crossover-rate 100");
    if (p.TipoSubs == Legenda::Imediata && p.TaxaCruz != 100)
        Recusa("--crossover-rate accepts only 100 with --replacement \"Imediata\"");
}

}  // namespace

TOpcoes LeOpcoes(const std::vector<std::string>& argumentos, const std::string& separador) {
    TOpcoes o;
    o.Painel = PainelPadrao(separador);
    TParametros& p = o.Painel.Valores;
    std::optional<std::string> textoTorneio;

    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        std::string opcao = argumentos[i];
        std::optional<std::string> valor;
        if (const auto igual = opcao.find('=');
            opcao.rfind("--", 0) == 0 && igual != std::string::npos) {
            valor = opcao.substr(igual + 1);
            opcao.erase(igual);
        }
        if (std::find(Chaves.begin(), Chaves.end(), opcao) != Chaves.end()) {
            if (valor)
                Recusa(opcao + " takes no value");
            o.Elitismo |= opcao == "--elitism";
            o.Escalonamento &= opcao != "--no-scaling";
            o.Paralelo |= opcao == "--parallel";
            o.Series |= opcao == "--series";
            o.Ajuda |= opcao == "--help";
            o.Versao |= opcao == "--version";
            continue;
        }
        const auto le = [&]() -> std::string {
            if (valor)
                return *valor;
            if (i + 1 >= argumentos.size())
                Recusa(opcao + " needs a value");
            return argumentos[++i];
        };
        if (opcao == "--pop")
            p.TamPop = Inteiro(opcao, le(), {2, 200, 2});
        else if (opcao == "--chrom")
            p.TamCrom = Inteiro(opcao, le(), {18, 100, 2});
        else if (opcao == "--selection") {
            const std::string texto = le();
            if (texto == Legenda::NMelhores)
                Recusa("Tipo de Seleção não implementado.");
            p.TipoSel = Item(opcao, texto, ItensSelecao);
        } else if (opcao == "--tournament")
            textoTorneio = le();
        else if (opcao == "--crossover")
            p.TipoCruz = Item(opcao, le(), ItensCruzamento);
        else if (opcao == "--crossover-rate")
            p.TaxaCruz = Inteiro(opcao, le(), {2, 100, 2});
        else if (opcao == "--mutation")
            p.TipoMut = Item(opcao, le(), ItensMutacao);
        else if (opcao == "--mutation-rate")
            p.TaxaMut = Inteiro(opcao, le(), {0, 30, 1});
        else if (opcao == "--generations")
            p.LimGer = Inteiro(opcao, le(), {10, 1000, 5});
        else if (opcao == "--replacement")
            p.TipoSubs = Item(opcao, le(), ItensSubstituicao);
        else if (opcao == "--min")
            p.ValMin = Inteiro(opcao, le(), {-100, 0, 10});
        else if (opcao == "--max")
            p.ValMax = Inteiro(opcao, le(), {0, 100, 10});
        else if (opcao == "--tolerance")
            o.Painel.TextoDiferenca = le();
        else if (opcao == "--stop")
            p.CritParada = Item(opcao, le(), ItensParada);
        else if (opcao == "--seed")
            o.Semente = static_cast<std::uint32_t>(Numero(opcao, le(), {0, 4294967295LL, 1}));
        else
            Recusa("unknown option '" + argumentos[i] + "' (see --help)");
    }
    // The tournament's upper bound is the population size, whatever order the options came in.
    if (textoTorneio)
        o.Torneio = Inteiro("--tournament", *textoTorneio, {1, p.TamPop, 1});
    if (!o.Ajuda && !o.Versao)
        ConfereTravas(o);
    return o;
}

std::string TextoAjuda() {
    return R"(Usage: quivora-run [options]
Runs Quivora's genetic algorithm on Schaffer's F6 without the window and prints the run
report (UTF-8) to stdout. Without options the run uses the panel's start values.

Options (--opt value or --opt=value):
  --pop N              population size, 2..200, step 2 (30)
  --chrom N            chromosome length, 18..100, step 2 (20)
  --selection TEXT     "Roleta" or "Torneio" ("Roleta")
  --tournament N       tournament size, 1..population size (2)
  --crossover TEXT     "1 ponto", "2 pontos" or "Uniforme" ("1 ponto")
  --crossover-rate N   2..100, step 2; must be 100 with "Imediata" (100)
  --mutation TEXT      "Flip", "Mutar para 1", "Mutar para 0" or "Inversão" ("Flip")
  --mutation-rate N    0..30 (3)
  --generations N      generation limit, 10..1000, step 5 (60)
  --replacement TEXT   "Imediata", "Inserção" or "" ("Imediata")
  --min N              lower end of the interval, -100..0, step 10 (-100)
  --max N              upper end of the interval, 0..100, step 10 (100)
  --tolerance TEXT     tolerance of the stop criterion, in the locale's notation (0,01 / 0.01)
  --stop TEXT          "n Gerações" or "Primeira situação encontrada" (the latter)
  --elitism            keep the best individual (off)
  --no-scaling         no directed scaling of the selection fitness (scaling on)
  --parallel           parallel mode: x and y halves evolve as two populations; needs
                       "1 ponto", "Imediata" and rate 100
  --seed N             the random generator's seed, 0..4294967295 (the clock)
  --series             print the chart's four series instead of the report
  --help               this text
  --version            the program's version

Exit status: 0 after a run, 1 when the tolerance text is not a number, 2 for a bad option.
)";
}
