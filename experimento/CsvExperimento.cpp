#include "CsvExperimento.h"

#include "Csv.h"
#include "Experimento.h"
#include "FormatoNumero.h"
#include "Variacao.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const std::vector<std::string> ColunasResultado{
    "generations", "reached", "first_reach",   "best_fitness_1", "best_fitness_2",
    "best_x",      "best_y",  "max_fitness_1", "max_fitness_2",  "ms"};

std::vector<std::string> Colunas() {
    std::vector<std::string> colunas{"config", "run", "seed"};
    for (const auto& opcao : OpcoesExecucao())
        colunas.push_back(opcao.Coluna);
    colunas.insert(colunas.end(), ColunasResultado.begin(), ColunasResultado.end());
    return colunas;
}

std::string Real(double valor) {
    return FormataReal(valor, ".");
}

// Three decimals and a '.', whatever the C library's locale (the window sets it to the user's).
std::string Milissegundos(double valor) {
    char texto[32];
    char* const fim =
        std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::fixed, 3).ptr;
    return {texto, fim};
}

// Where a row came from, for messages and for pointing at an earlier row.
struct TOrigem {
    std::string Arquivo;
    int Linha = 0;
    [[nodiscard]] std::string Texto() const { return Arquivo + ":" + std::to_string(Linha); }
};

[[noreturn]] void Recusa(const TOrigem& origem, const std::string& mensagem) {
    throw EEntradaExperimento(origem.Texto() + ": " + mensagem);
}

// Where each column stands in a row: the header is the writer's own, checked before any row.
using TPosicoes = std::map<std::string, std::size_t>;

TPosicoes Posicoes(const std::vector<std::string>& colunas) {
    TPosicoes posicoes;
    for (std::size_t i = 0; i < colunas.size(); ++i)
        posicoes.emplace(colunas[i], i);
    return posicoes;
}

// One row's fields by column name.
class TLinhaLida {
public:
    TLinhaLida(const TPosicoes& posicoes, std::vector<std::string> campos, TOrigem origem)
        : Posicoes(posicoes), Campos(std::move(campos)), Origem(std::move(origem)) {}

    [[nodiscard]] const std::string& Campo(const std::string& coluna) const {
        return Campos[Posicoes.at(coluna)];
    }

    [[nodiscard]] long long Inteiro(const std::string& coluna, long long minimo,
                                    long long maximo) const {
        const std::string& texto = Campo(coluna);
        long long valor = 0;
        const char* fim = texto.data() + texto.size();
        const auto [resto, erro] = std::from_chars(texto.data(), fim, valor);
        if (texto.empty() || erro != std::errc() || resto != fim || valor < minimo ||
            valor > maximo)
            Recusa(Origem, coluna + " is '" + texto + "', not a whole number from " +
                               std::to_string(minimo) + " to " + std::to_string(maximo));
        return valor;
    }

    [[nodiscard]] double Real(const std::string& coluna) const {
        try {
            return LeReal(Campo(coluna), ".");
        } catch (const EConversao&) {
            Recusa(Origem, coluna + " is '" + Campo(coluna) + "', not a number");
        }
    }

    [[nodiscard]] TConfiguracao Configuracao() const {
        TConfiguracao c = ConfiguracaoPadrao(".");
        try {
            for (const bool torneio : {false, true})
                for (const auto& opcao : OpcoesExecucao()) {
                    if ((opcao.Nome == "tournament") != torneio)
                        continue;
                    const std::string& valor = Campo(opcao.Coluna);
                    if (opcao.Tipo != TTipoOpcao::Chave)
                        AplicaOpcao(c, opcao.Nome, valor);
                    else if (valor == "1" || valor == "0")
                        AplicaOpcao(c, opcao.Nome, valor == "1" ? "on" : "off");
                    else
                        Recusa(Origem, opcao.Coluna + " is '" + valor + "', not 1 or 0");
                }
            ConfereTravas(c);
            Diferenca(c);  // the tolerance converts
        } catch (const EEntradaExperimento&) {
            throw;
        } catch (const std::runtime_error& e) {  // EOpcaoInvalida, EConversao
            Recusa(Origem, std::string("the run's parameters are not the panel's: ") + e.what());
        }
        return c;
    }

    [[nodiscard]] TResultadoExecucao Resultado(int limiteGeracoes) const {
        TResultadoExecucao r;
        r.Configuracao = static_cast<int>(Inteiro("config", 1, MaxConfiguracoes));
        r.Execucao = static_cast<int>(Inteiro("run", 0, MaxExecucoes - 1));
        r.Semente = static_cast<std::uint32_t>(Inteiro("seed", 0, 4294967295LL));
        r.Geracoes = static_cast<int>(Inteiro("generations", 1, limiteGeracoes));
        r.Atingiu = Inteiro("reached", 0, 1) == 1;
        if (r.Atingiu)
            r.PrimeiraAtingida = static_cast<int>(Inteiro("first_reach", 0, r.Geracoes));
        else if (!Campo("first_reach").empty())
            Recusa(Origem, "first_reach is '" + Campo("first_reach") + "' for a run not reached");
        r.MelhorAptidao1 = Real("best_fitness_1");
        r.MelhorAptidao2 = Real("best_fitness_2");
        r.MelhorX = static_cast<int>(Inteiro("best_x", -100, 100));
        r.MelhorY = static_cast<int>(Inteiro("best_y", -100, 100));
        r.MaiorAptidao1 = Real("max_fitness_1");
        r.MaiorAptidao2 = Real("max_fitness_2");
        r.Milissegundos = Real("ms");
        return r;
    }

private:
    const TPosicoes& Posicoes;
    std::vector<std::string> Campos;
    TOrigem Origem;
};

std::string LeArquivo(const std::string& arquivo) {
    std::ifstream f(arquivo, std::ios::binary);
    if (!f)
        throw EEntradaExperimento(arquivo + ": cannot be read");
    std::stringstream conteudo;
    conteudo << f.rdbuf();
    std::string texto = conteudo.str();
    if (texto.rfind("\xEF\xBB\xBF", 0) == 0)  // a byte order mark left by a spreadsheet
        texto.erase(0, 3);
    return texto;
}

// What the files say of each configuration, and where they first said it.
struct TConfiguracaoLida {
    TConfiguracao Config;
    std::vector<std::string> Valores;
    std::uint32_t SementeBase;
    TOrigem Origem;
};

}  // namespace

std::string CabecalhoCsvExperimento() {
    return RegistroCsv(Colunas());
}

std::vector<std::string> ParametrosCsv(const TConfiguracao& c) {
    std::vector<std::string> valores;
    for (const auto& opcao : OpcoesExecucao())
        valores.push_back(ValorColuna(c, opcao));
    return valores;
}

std::string LinhaCsvExperimento(const std::vector<std::string>& parametros,
                                const TResultadoExecucao& r) {
    std::vector<std::string> campos{std::to_string(r.Configuracao), std::to_string(r.Execucao),
                                    std::to_string(r.Semente)};
    campos.insert(campos.end(), parametros.begin(), parametros.end());
    campos.insert(campos.end(),
                  {std::to_string(r.Geracoes), r.Atingiu ? "1" : "0",
                   r.Atingiu ? std::to_string(r.PrimeiraAtingida) : "", Real(r.MelhorAptidao1),
                   Real(r.MelhorAptidao2), std::to_string(r.MelhorX), std::to_string(r.MelhorY),
                   Real(r.MaiorAptidao1), Real(r.MaiorAptidao2), Milissegundos(r.Milissegundos)});
    return RegistroCsv(campos);
}

TExperimentoLido LeCsvExperimento(const std::vector<std::string>& arquivos) {
    const std::vector<std::string> colunas = Colunas();
    const TPosicoes posicoes = Posicoes(colunas);
    std::map<int, TConfiguracaoLida> configuracoes;
    std::map<std::pair<int, int>, std::pair<TResultadoExecucao, TOrigem>> execucoes;

    for (const auto& arquivo : arquivos) {
        TLeitorCsv leitor(LeArquivo(arquivo));
        std::vector<std::string> campos;
        try {
            if (!leitor.Proximo(campos) || campos != colunas)
                throw EEntradaExperimento(arquivo +
                                          ":1: not an experiment CSV of quivora-run (its header "
                                          "is not config,run,seed,pop,...)");
            while (leitor.Proximo(campos)) {
                const TOrigem origem{arquivo, leitor.Linha()};
                if (campos.size() != colunas.size())
                    Recusa(origem, std::to_string(campos.size()) + " fields, the header has " +
                                       std::to_string(colunas.size()));
                const TLinhaLida linha(posicoes, std::move(campos), origem);
                TConfiguracao config = linha.Configuracao();
                const TResultadoExecucao r = linha.Resultado(config.Painel.Valores.LimGer);

                std::vector<std::string> valores = ParametrosCsv(config);
                const std::uint32_t base = r.Semente - static_cast<std::uint32_t>(r.Execucao);
                const auto [c, nova] = configuracoes.try_emplace(
                    r.Configuracao, TConfiguracaoLida{std::move(config), valores, base, origem});
                if (!nova && c->second.Valores != valores)
                    Recusa(origem, "configuration " + std::to_string(r.Configuracao) +
                                       " has other parameters at " + c->second.Origem.Texto());
                if (!nova && c->second.SementeBase != base)
                    Recusa(origem, "seed " + std::to_string(r.Semente) + " of run " +
                                       std::to_string(r.Execucao) + " is not base seed " +
                                       std::to_string(c->second.SementeBase) +
                                       " plus the run, as at " + c->second.Origem.Texto());

                const auto [e, unica] =
                    execucoes.try_emplace({r.Configuracao, r.Execucao}, r, origem);
                if (!unica)
                    Recusa(origem, "run " + std::to_string(r.Execucao) + " of configuration " +
                                       std::to_string(r.Configuracao) + " is also at " +
                                       e->second.second.Texto());
            }
        } catch (const EFormatoCsv& e) {
            Recusa({arquivo, leitor.Linha()}, e.what());
        }
    }

    std::string nomes;
    for (const auto& arquivo : arquivos)
        nomes += (nomes.empty() ? "" : ", ") + arquivo;
    if (execucoes.empty())
        throw EEntradaExperimento(nomes + ": no runs");

    // Every configuration from 1 up, each with its runs from 0 up to the last one seen. The
    // configurations of one experiment share its base seed and its number of runs; the window
    // saves experiments of their own seeds side by side.
    TExperimentoLido lido;
    std::map<std::uint32_t, std::pair<int, int>> execucoesPorBase;  // runs, first configuration
    auto e = execucoes.begin();
    for (int config = 1; config <= configuracoes.rbegin()->first; ++config) {
        const auto c = configuracoes.find(config);
        if (c == configuracoes.end())
            throw EEntradaExperimento(nomes + ": configuration " + std::to_string(config) +
                                      " is in none of the files; are all the shards there?");
        lido.Configuracoes.push_back(c->second.Config);
        lido.SementesBase.push_back(c->second.SementeBase);
        int runs = 0;
        for (; e != execucoes.end() && e->first.first == config; ++runs, ++e) {
            if (e->first.second != runs)
                throw EEntradaExperimento(nomes + ": run " + std::to_string(runs) +
                                          " of configuration " + std::to_string(config) +
                                          " is in none of the files; are all the shards there?");
            lido.Resultados.push_back(e->second.first);
        }
        const auto [outra, primeira] =
            execucoesPorBase.try_emplace(c->second.SementeBase, runs, config);
        if (!primeira && outra->second.first != runs)
            throw EEntradaExperimento(
                nomes + ": configuration " + std::to_string(config) + " has " +
                std::to_string(runs) + " runs, configuration " +
                std::to_string(outra->second.second) + " of the same base seed has " +
                std::to_string(outra->second.first) + "; are all the shards there?");
    }
    return lido;
}
