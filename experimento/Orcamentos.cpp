#include "Orcamentos.h"

#include "TempoEsperado.h"
#include "Variacao.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

const std::string PrefixoColuna = "best_at_";

// A positive whole number written as such, nothing else.
std::optional<std::int64_t> Positivo(const std::string& texto) {
    std::int64_t valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (texto.empty() || erro != std::errc() || fim != texto.data() + texto.size() || valor <= 0)
        return std::nullopt;
    return valor;
}

}  // namespace

std::vector<std::int64_t> LeOrcamentos(const std::string& lista) {
    std::vector<std::int64_t> orcamentos;
    for (const std::string& texto : DivideLista(lista)) {
        const std::optional<std::int64_t> orcamento = Positivo(texto);
        if (!orcamento)
            throw EOpcaoInvalida("--budgets accepts positive whole numbers of evaluations, not '" +
                                 texto + "'");
        if (std::find(orcamentos.begin(), orcamentos.end(), *orcamento) != orcamentos.end())
            throw EOpcaoInvalida("--budgets gives " + std::to_string(*orcamento) + " twice");
        orcamentos.push_back(*orcamento);
    }
    return orcamentos;
}

std::optional<std::string> OrcamentoAlemDasExecucoes(
    const std::vector<TConfiguracao>& configuracoes, const std::vector<std::int64_t>& orcamentos) {
    std::int64_t maximo = 0;
    for (const TConfiguracao& c : configuracoes)
        maximo = std::max(maximo, Avaliacoes(c.Painel.Valores.TamPop, c.Painel.Valores.LimGer));
    for (const std::int64_t orcamento : orcamentos)
        if (orcamento > maximo)
            return "--budgets asks for " + std::to_string(orcamento) +
                   " evaluations, more than any configuration's runs can spend (at most " +
                   std::to_string(maximo) + ": pop x (generation limit + 1))";
    return std::nullopt;
}

std::vector<double> MelhoresNosOrcamentos(const std::vector<TPontoMelhora>& melhoras,
                                          const std::vector<std::int64_t>& orcamentos) {
    std::vector<double> melhores;
    melhores.reserve(orcamentos.size());
    for (const std::int64_t orcamento : orcamentos) {
        const auto depois = std::upper_bound(
            melhoras.begin(), melhoras.end(), orcamento,
            [](std::int64_t b, const TPontoMelhora& p) { return b < p.Avaliacoes; });
        melhores.push_back(depois == melhoras.begin() ? std::numeric_limits<double>::quiet_NaN()
                                                      : std::prev(depois)->Melhor);
    }
    return melhores;
}

std::string ColunaOrcamento(std::int64_t orcamento) {
    return PrefixoColuna + std::to_string(orcamento);
}

std::optional<std::int64_t> OrcamentoDaColuna(const std::string& coluna) {
    if (coluna.rfind(PrefixoColuna, 0) != 0)
        return std::nullopt;
    const std::optional<std::int64_t> orcamento = Positivo(coluna.substr(PrefixoColuna.size()));
    if (orcamento && ColunaOrcamento(*orcamento) == coluna)
        return orcamento;
    return std::nullopt;
}
