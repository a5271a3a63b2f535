#include "LinhaCsvLida.h"

#include "Alvos.h"
#include "Experimento.h"
#include "FormatoNumero.h"
#include "Orcamentos.h"
#include "Variacao.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// More evaluations than any run can spend: the bound of a target's evaluations read back.
constexpr long long MaxAvaliacoesLidas = 1LL << 50;

// A whole number as written, or as a real with no fractional part ("14.0", "3e+09"), which is
// how R and pandas write back a column they took for real numbers.
std::optional<long long> InteiroEscrito(const std::string& texto) {
    long long valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [resto, erro] = std::from_chars(texto.data(), fim, valor);
    if (!texto.empty() && erro == std::errc() && resto == fim)
        return valor;
    try {
        const double real = LeReal(texto, ".");
        if (std::trunc(real) == real && std::fabs(real) < 9e15)
            return static_cast<long long>(real);
    } catch (const EConversao&) {
    }
    return std::nullopt;
}

// What keeps a header from being an experiment CSV's, as near as it can be told: another
// separator (a spreadsheet under a decimal comma writes ';'), a column dropped or added by
// hand, or another file altogether.
std::string PorQueNaoEhCabecalho(const std::vector<std::string>& campos) {
    const std::string generico =
        "not an experiment CSV of quivora-run (its header is not config,run,seed,pop,...)";
    if (campos.size() == 1 && campos.front().find(';') != std::string::npos)
        return generico +
               "; its fields are separated by ';', where quivora-run writes and reads "
               "commas (as R's write.csv, not write.csv2)";
    const auto tem = [](const std::vector<std::string>& colunas, const std::string& coluna) {
        return std::find(colunas.begin(), colunas.end(), coluna) != colunas.end();
    };
    const bool comPlano = tem(campos, "planned_configs") || tem(campos, "planned_runs");
    const std::vector<std::string> esperadas = ColunasCsvExperimento(comPlano);
    std::vector<std::string> faltam;
    for (const std::string& coluna : esperadas)
        if (!tem(campos, coluna))
            faltam.push_back(coluna);
    // Another file altogether shares few of the columns, if any.
    if (faltam.size() * 2 > esperadas.size())
        return generico;
    if (!faltam.empty())
        return "the header of an experiment CSV without its column '" + faltam.front() + "'";
    for (const std::string& coluna : campos)
        if (!tem(esperadas, coluna))
            return "the header of an experiment CSV with a column '" + coluna +
                   "' that it does not have";
    return "the header of an experiment CSV with its columns in another order or repeated";
}

}  // namespace

std::optional<std::string> ConteudoArquivo(const std::string& arquivo) {
    const int descritor = ::open(arquivo.c_str(), O_RDONLY | O_CLOEXEC);
    if (descritor < 0)
        return std::nullopt;
    std::string texto;
    if (struct stat estado{}; ::fstat(descritor, &estado) == 0 && S_ISREG(estado.st_mode))
        texto.reserve(static_cast<std::size_t>(estado.st_size));
    char bloco[1 << 16];
    for (;;) {
        const ssize_t n = ::read(descritor, bloco, sizeof bloco);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int erro = errno;
            ::close(descritor);
            if (n < 0) {
                errno = erro;
                return std::nullopt;
            }
            return texto;
        }
        texto.append(bloco, static_cast<std::size_t>(n));
    }
}

void RecusaLinha(const TOrigem& origem, const std::string& mensagem) {
    throw EEntradaExperimento(origem.Texto() + ": " + mensagem);
}

TCabecalhoLido LeCabecalho(std::vector<std::string> campos, const std::string& arquivo) {
    TCabecalhoLido cabecalho;
    cabecalho.Campos = campos.size();
    const std::size_t numeros = !campos.empty() && campos.front().empty() ? 1 : 0;
    campos.erase(campos.begin(), campos.begin() + static_cast<std::ptrdiff_t>(numeros));
    // After the plan's columns, the targets' evaluations, each named after its target, then the
    // budgets' best so far, each named after its budget.
    std::size_t i = ColunasCsvExperimento(true).size();
    const auto unica = [&] { return std::count(campos.begin(), campos.end(), campos[i]) == 1; };
    for (; i < campos.size() && AlvoDaColuna(campos[i]) && unica(); ++i) {
        cabecalho.Alvos.push_back(*AlvoDaColuna(campos[i]));
        cabecalho.ColunasAlvos.push_back(campos[i]);
    }
    for (; i < campos.size() && OrcamentoDaColuna(campos[i]) && unica(); ++i) {
        cabecalho.Orcamentos.push_back(*OrcamentoDaColuna(campos[i]));
        cabecalho.ColunasOrcamentos.push_back(campos[i]);
    }
    if (i < campos.size()) {
        cabecalho.Alvos.clear();
        cabecalho.ColunasAlvos.clear();
        cabecalho.Orcamentos.clear();
        cabecalho.ColunasOrcamentos.clear();
    }
    const std::vector<std::string> colunas(
        campos.begin(), campos.end() - static_cast<std::ptrdiff_t>(cabecalho.Alvos.size() +
                                                                   cabecalho.Orcamentos.size()));
    const bool semAcrescidas = cabecalho.Alvos.empty() && cabecalho.Orcamentos.empty();
    for (const bool comPlano : {true, false})
        if (colunas == ColunasCsvExperimento(comPlano) && (comPlano || semAcrescidas)) {
            cabecalho.ComPlano = comPlano;
            for (std::size_t i = 0; i < campos.size(); ++i)
                cabecalho.Posicoes.emplace(campos[i], numeros + i);
            return cabecalho;
        }
    throw EEntradaExperimento(arquivo + ":1: " + PorQueNaoEhCabecalho(campos));
}

TLinhaLida::TLinhaLida(const TCabecalhoLido& cabecalho, std::vector<std::string> campos,
                       TOrigem origem)
    : Cabecalho(cabecalho), Campos(std::move(campos)), De(std::move(origem)) {
    if (Campos.size() != Cabecalho.Campos)
        RecusaLinha(De, std::to_string(Campos.size()) + " fields, the header has " +
                            std::to_string(Cabecalho.Campos));
}

std::string TLinhaLida::Campo(const std::string& coluna) const {
    const std::string& campo = Campos[Cabecalho.Posicoes.at(coluna)];
    return campo == "NA" ? std::string() : campo;
}

long long TLinhaLida::Inteiro(const std::string& coluna, long long minimo, long long maximo) const {
    const std::string texto = Campo(coluna);
    const std::optional<long long> valor = InteiroEscrito(texto);
    if (!valor || *valor < minimo || *valor > maximo)
        RecusaLinha(De, coluna + " is '" + texto + "', not a whole number from " +
                            std::to_string(minimo) + " to " + std::to_string(maximo));
    return *valor;
}

double TLinhaLida::Real(const std::string& coluna) const {
    try {
        return LeReal(Campo(coluna), ".");
    } catch (const EConversao&) {
        RecusaLinha(De, coluna + " is '" + Campo(coluna) + "', not a number");
    }
}

TConfiguracao TLinhaLida::Configuracao() const {
    TConfiguracao c = ConfiguracaoPadrao(".");
    try {
        for (const bool torneio : {false, true})
            for (const auto& opcao : OpcoesExecucao()) {
                if ((opcao.Nome == "tournament") != torneio)
                    continue;
                std::string valor = Campo(opcao.Coluna);
                if (opcao.Tipo == TTipoOpcao::Numero || opcao.Tipo == TTipoOpcao::Chave)
                    if (const auto inteiro = InteiroEscrito(valor))
                        valor = std::to_string(*inteiro);
                if (opcao.Tipo != TTipoOpcao::Chave)
                    AplicaOpcao(c, opcao.Nome, valor);
                else if (valor == "1" || valor == "0")
                    AplicaOpcao(c, opcao.Nome, valor == "1" ? "on" : "off");
                else
                    RecusaLinha(De, opcao.Coluna + " is '" + valor + "', not 1 or 0");
            }
        ConfereTravas(c);
        Diferenca(c);  // the tolerance converts
    } catch (const EEntradaExperimento&) {
        throw;
    } catch (const std::runtime_error& e) {  // EOpcaoInvalida, EConversao
        RecusaLinha(De, std::string("the run's parameters are not the panel's: ") + e.what());
    }
    return c;
}

TResultadoExecucao TLinhaLida::Resultado(int limiteGeracoes) const {
    TResultadoExecucao r;
    r.Configuracao = static_cast<int>(Inteiro("config", 1, MaxConfiguracoes));
    r.Execucao = static_cast<int>(Inteiro("run", 0, MaxExecucoes - 1));
    r.Semente = static_cast<std::uint32_t>(Inteiro("seed", 0, 4294967295LL));
    r.Geracoes = static_cast<int>(Inteiro("generations", 1, limiteGeracoes));
    r.Atingiu = Inteiro("reached", 0, 1) == 1;
    if (r.Atingiu)
        r.PrimeiraAtingida = static_cast<int>(Inteiro("first_reach", 0, r.Geracoes));
    else if (!Campo("first_reach").empty())
        RecusaLinha(De, "first_reach is '" + Campo("first_reach") + "' for a run not reached");
    r.MelhorAptidao1 = Real("best_fitness_1");
    r.MelhorAptidao2 = Real("best_fitness_2");
    r.MelhorX = static_cast<int>(Inteiro("best_x", -100, 100));
    r.MelhorY = static_cast<int>(Inteiro("best_y", -100, 100));
    r.MaiorAptidao1 = Real("max_fitness_1");
    r.MaiorAptidao2 = Real("max_fitness_2");
    r.Milissegundos = Real("ms");
    for (const std::string& coluna : Cabecalho.ColunasAlvos)
        r.AvaliacoesAlvos.push_back(Campo(coluna).empty() ? -1
                                                          : Inteiro(coluna, 1, MaxAvaliacoesLidas));
    for (const std::string& coluna : Cabecalho.ColunasOrcamentos)
        r.MelhoresOrcamentos.push_back(
            Campo(coluna).empty() ? std::numeric_limits<double>::quiet_NaN() : Real(coluna));
    // A run's wall time: a NaN, a negative time or one of ages (1e300) is no time at all, and
    // the sum of such would print as nonsense.
    if (!(r.Milissegundos >= 0 && r.Milissegundos <= MaxMilissegundos))
        RecusaLinha(De, "ms is '" + Campo("ms") + "', not a run's time in milliseconds (0 to " +
                            FormataReal(MaxMilissegundos, ".") + ")");
    return r;
}

TPlanejado TLinhaLida::Planejado() const {
    TPlanejado p;
    p.Configuracoes = static_cast<int>(Inteiro("planned_configs", 1, MaxConfiguracoes));
    p.Execucoes = static_cast<int>(Inteiro("planned_runs", 1, MaxExecucoes));
    return p;
}
