#include "MotorAG.h"

#include "FormatoNumero.h"

namespace {

const std::string Separador65(65, '_');

std::string Inteiro(int valor) {
    return std::to_string(valor);
}

}  // namespace

// The run, in the order it performs its steps.
void TMotorAG::Executa(const TPainel& painel) {
    TomaParametros(painel);  // 1. may stop the run here, before anything is cleared
    Relata = Dono.GuardaRelatorio();
    Dono.LimpaGrafico();              // 2.
    ReiniciaTabelas();                // 3.
    Dono.LimpaRelatorio();            // 4.
    Geracao = 0;                      // 5.
    InicializaPop(Param.TamPop);      // 6.
    EscreveCabecalho();               // 7.
    AvaliaPop(Param.TamPop);          // 8. generation 0
    Dono.AvaliouGeracaoInicial();     //    told to the owner, which may keep it (no redraw)
    while (Geracao < Param.LimGer) {  // 9. every run makes at least one step
        PassoGeracao();
        if (CriterioAtingido())
            break;
    }
}

// The snapshot goes field by field in the panel's order: when the tolerance text fails to
// convert, the fields before it already hold the new values and the stop criterion does not.
void TMotorAG::TomaParametros(const TPainel& painel) {
    const TParametros& p = painel.Valores;
    Separador = painel.SeparadorDecimal;
    Param.TamPop = p.TamPop;
    Param.TamCrom = p.TamCrom;
    Param.TipoSel = p.TipoSel;
    Param.TipoCruz = p.TipoCruz;
    Param.TaxaCruz = p.TaxaCruz;
    Param.TipoMut = p.TipoMut;
    Param.TaxaMut = p.TaxaMut;
    Param.LimGer = p.LimGer;
    Param.TipoSubs = p.TipoSubs;
    Param.ValMin = p.ValMin;
    Param.ValMax = p.ValMax;
    Param.Diferenca = LeReal(painel.TextoDiferenca, Separador);
    Param.CritParada = p.CritParada;
}

// The averages need no reset: each evaluation writes its entry before anybody reads it.
void TMotorAG::ReiniciaTabelas() {
    MelhorGer1.fill(0);
    MelhorGer2.fill(0);
    MelhorXGer.fill(100);
    MelhorYGer.fill(100);
}

void TMotorAG::EscreveCabecalho() {
    if (!Relata)
        return;
    const bool paralelo = Dono.AGParalelo();
    const int comprimento = paralelo ? Param.MeioCrom() : Param.TamCrom;
    Dono.AdicionaLinha(std::string("Tipo de Algoritmo:  Algoritmo Genético ") +
                       (paralelo ? "Paralelo" : "Simples"));
    Dono.AdicionaLinha("População Inicial com " + Inteiro(Param.TamPop) +
                       " Indivíduos de Comprimento " + Inteiro(comprimento));
    Dono.AdicionaLinha("Tipo de Seleção:     " + Param.TipoSel);
    Dono.AdicionaLinha("Tipo de Cruzamento:  " + Param.TipoCruz +
                       "    Taxa de Cruzamento:  " + Inteiro(Param.TaxaCruz) + " %");
    Dono.AdicionaLinha("Tipo de Mutação:     " + Param.TipoMut +
                       "    Taxa de Mutação:  " + Inteiro(Param.TaxaMut) + " %");
    Dono.AdicionaLinha("Elitismo:            ");
    Dono.AdicionaLinha("");
    Dono.AdicionaLinha(Separador65);
    Dono.AdicionaLinha("Geração " + Inteiro(Geracao));
}

// One generation step; the numbers follow the order in which the run performs them.
void TMotorAG::PassoGeracao() {
    if (Relata)
        Dono.AdicionaLinha("");  // 1.
    ++Geracao;                   // 2.
    if (Relata) {
        Dono.AdicionaLinha(Separador65);  // 3.
        Dono.AdicionaLinha("Geração " + Inteiro(Geracao));
    }
    SelecionaPais(Param.TipoSel, Param.TaxaCruz);                         // 4.
    CruzaPais(Param.TipoCruz, Param.TaxaCruz);                            // 5.
    MutaDesc(Param.TipoMut, Param.TaxaMut);                               // 6.
    SubstituiPop(Param.TipoSubs);                                         // 7.
    AvaliaPop(Param.TamPop);                                              // 8.
    Dono.PlotaGeracao(Geracao, MelhorGer1[Geracao], MelhorGer2[Geracao],  // 9. and 10.
                      MediaGer1[Geracao], MediaGer2[Geracao]);
    Dono.Redesenha();  // 11.
}

// 12. With "Primeira situação encontrada" (any text but "n Gerações") the run ends once the
// best fitness lies within the tolerance of the optimum 1, in parallel mode for both halves.
bool TMotorAG::CriterioAtingido() const {
    if (Param.CritParada == Legenda::NGeracoes)
        return false;
    return DentroDaTolerancia(Populacao->MelhorApt, Populacao->MelhorAptY);
}

bool TMotorAG::DentroDaTolerancia(double melhor1, double melhor2) const {
    const auto perto = [this](double melhor) { return 1.0L - melhor <= Param.Diferenca; };
    if (!perto(melhor1))
        return false;
    return !Dono.AGParalelo() || perto(melhor2);
}
