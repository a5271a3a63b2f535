#include "DestinoExecucoes.h"

#include "Alvos.h"
#include "CsvExperimento.h"
#include "Orcamentos.h"

TDestinoExecucoes::TDestinoExecucoes(const TPlanoExperimento& plano, TResumo& resumo,
                                     TSaidas& saidas, TProgresso& progresso, bool cabecalho)
    : Plano(plano), Resumo(resumo), Csv(saidas.Csv.get()), Progresso(progresso) {
    for (const auto& c : plano.Configuracoes)
        Parametros.push_back(ParametrosCsv(c));
    if (Csv && cabecalho)
        Csv->Escreve(CabecalhoCsvExperimento(plano.Alvos, plano.Orcamentos));
    if (saidas.Curvas)
        Curvas.emplace(*saidas.Curvas, plano);
    if (saidas.Trajetorias)
        Trajetorias.emplace(*saidas.Trajetorias);
    if (!saidas.Ioh.empty())
        Ioh = std::make_unique<TEscritaIoh>(saidas.Ioh, plano);
}

void TDestinoExecucoes::Recebe(TResultadoExecucao&& r) {
    ArredondaComoNoCsv(r);
    if (!Plano.Alvos.empty())
        r.AvaliacoesAlvos = AvaliacoesAteAlvos(r.Melhoras, Plano.Alvos);
    if (!Plano.Orcamentos.empty())
        r.MelhoresOrcamentos = MelhoresNosOrcamentos(r.Melhoras, Plano.Orcamentos);
    Resumo.Acrescenta(r);
    if (Csv)
        Csv->Escreve(
            LinhaCsvExperimento(Parametros[static_cast<std::size_t>(r.Configuracao - 1)], r,
                                {static_cast<int>(Plano.Configuracoes.size()), Plano.Execucoes}));
    if (Trajetorias)
        Trajetorias->Acrescenta(r);
    if (Ioh)
        Ioh->Acrescenta(r);
    if (Curvas)
        Curvas->Acrescenta(r);
    Progresso.Avanca();
}

void TDestinoExecucoes::Conclui() {
    if (Curvas)
        Curvas->Conclui();
    if (Ioh)
        Ioh->Conclui();
}
