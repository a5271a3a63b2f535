#include "CsvExperimento.h"

#include "Alvos.h"
#include "Csv.h"
#include "FormatoNumero.h"
#include "Orcamentos.h"
#include "Resumo.h"

#include <cmath>

namespace {

const std::vector<std::string> ColunasResultado{
    "generations", "reached", "first_reach",   "best_fitness_1", "best_fitness_2",
    "best_x",      "best_y",  "max_fitness_1", "max_fitness_2",  "ms"};

std::string Real(double valor) {
    return FormataReal(valor, ".");
}

}  // namespace

std::vector<std::string> ColunasCsvExperimento(bool comPlano) {
    std::vector<std::string> colunas{"config", "run", "seed"};
    for (const auto& opcao : OpcoesExecucao())
        colunas.push_back(opcao.Coluna);
    colunas.insert(colunas.end(), ColunasResultado.begin(), ColunasResultado.end());
    if (comPlano)
        colunas.insert(colunas.end(), {"planned_configs", "planned_runs"});
    return colunas;
}

std::string CabecalhoCsvExperimento(const std::vector<double>& alvos,
                                    const std::vector<std::int64_t>& orcamentos) {
    std::vector<std::string> colunas = ColunasCsvExperimento(true);
    for (const double alvo : alvos)
        colunas.push_back(ColunaAlvo(alvo));
    for (const std::int64_t orcamento : orcamentos)
        colunas.push_back(ColunaOrcamento(orcamento));
    return RegistroCsv(colunas);
}

std::vector<std::string> ParametrosCsv(const TConfiguracao& c) {
    std::vector<std::string> valores;
    for (const auto& opcao : OpcoesExecucao())
        valores.push_back(ValorColuna(c, opcao));
    return valores;
}

std::string LinhaCsvExperimento(const std::vector<std::string>& parametros,
                                const TResultadoExecucao& r, TPlanejado planejado) {
    std::vector<std::string> campos{std::to_string(r.Configuracao), std::to_string(r.Execucao),
                                    std::to_string(r.Semente)};
    campos.insert(campos.end(), parametros.begin(), parametros.end());
    campos.insert(
        campos.end(),
        {std::to_string(r.Geracoes), r.Atingiu ? "1" : "0",
         r.Atingiu ? std::to_string(r.PrimeiraAtingida) : "", Real(r.MelhorAptidao1),
         Real(r.MelhorAptidao2), std::to_string(r.MelhorX), std::to_string(r.MelhorY),
         Real(r.MaiorAptidao1), Real(r.MaiorAptidao2), FormataDecimais(r.Milissegundos, 3, "."),
         std::to_string(planejado.Configuracoes), std::to_string(planejado.Execucoes)});
    for (const std::int64_t avaliacoes : r.AvaliacoesAlvos)
        campos.push_back(avaliacoes < 0 ? "" : std::to_string(avaliacoes));
    for (const double melhor : r.MelhoresOrcamentos)
        campos.push_back(std::isnan(melhor) ? "" : Real(melhor));
    return RegistroCsv(campos);
}

void ArredondaComoNoCsv(TResultadoExecucao& r) {
    for (double* valor : {&r.MelhorAptidao1, &r.MelhorAptidao2, &r.MaiorAptidao1, &r.MaiorAptidao2})
        *valor = LeReal(Real(*valor), ".");
    for (TPontoMelhora& ponto : r.Melhoras)
        ponto.Melhor = LeReal(Real(ponto.Melhor), ".");
}
