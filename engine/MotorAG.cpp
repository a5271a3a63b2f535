#include "MotorAG.h"

#include "FormatoNumero.h"

#include <algorithm>

namespace {

const std::string Separador65(65, '_');

std::string Inteiro(int valor) {
    return std::to_string(valor);
}

// The observer of operations called on their own, outside a run: it wants nothing.
class TNinguem final : public TObservadorAG {
public:
    TContinuacao Avaliada(const TGeracaoAvaliada& /*geracao*/) override {
        return TContinuacao::Segue;
    }
};

TNinguem Ninguem;

}  // namespace

TMotorAG::TMotorAG() : Observador(&Ninguem) {}

// The run, in the order it performs its steps. The parameter snapshot is the configuration
// itself: the front ends convert the tolerance text before they call, so a text that is not a
// number stops them before anything here is cleared.
TResultadoAG TMotorAG::Executa(const TConfiguracaoAG& config, std::uint32_t semente,
                               TObservadorAG& observador) {
    Param = config;  // 1.
    Semente = semente;
    Observador = &observador;
    Relata = observador.QuerRelatorio();
    ReiniciaTabelas();  // 3.
    Geracao = 0;        // 5.
    ComecaRegistro();
    InicializaPop(Param.TamPop);  // 6.
    EscreveCabecalho();           // 7.
    AvaliaPop(Param.TamPop);      // 8. generation 0
    TMotivoFim motivo = TMotivoFim::LimiteGeracoes;
    if (Avaliada() == TContinuacao::Para)
        motivo = TMotivoFim::Interrompida;
    while (motivo == TMotivoFim::LimiteGeracoes && Geracao < Param.LimGer) {  // 9.
        PassoGeracao();
        if (Avaliada() == TContinuacao::Para)  // 9. to 11., by the observer
            motivo = TMotivoFim::Interrompida;
        else if (Param.CritParada == TCritParada::PrimeiraSituacao &&  // 12.
                 DentroDaTolerancia(Param, Populacao->MelhorApt, Populacao->MelhorAptY))
            motivo = TMotivoFim::Tolerancia;
    }
    Observador = &Ninguem;
    Registro = nullptr;
    return Resultado(motivo);
}

// The averages need no reset: each evaluation writes its entry before anybody reads it.
void TMotorAG::ReiniciaTabelas() {
    MelhorGer1.fill(0);
    MelhorGer2.fill(0);
    MelhorXGer.fill(100);
    MelhorYGer.fill(100);
    MelhorAteAgora1 = 0;
    MelhorAteAgora2 = 0;
}

void TMotorAG::EscreveCabecalho() {
    if (!Relata)
        return;
    const bool paralelo = Param.Paralelo;
    const int comprimento = paralelo ? Param.MeioCrom() : Param.TamCrom;
    TObservadorAG& o = *Observador;
    o.Linha(std::string("Tipo de Algoritmo:  Algoritmo Genético ") +
            (paralelo ? "Paralelo" : "Simples"));
    o.Linha("População Inicial com " + Inteiro(Param.TamPop) + " Indivíduos de Comprimento " +
            Inteiro(comprimento));
    o.Linha("Tipo de Seleção:     " + LegendaDe(Param.TipoSel));
    o.Linha("Tipo de Cruzamento:  " + LegendaDe(Param.TipoCruz) +
            "    Taxa de Cruzamento:  " + Inteiro(Param.TaxaCruz) + " %");
    o.Linha("Tipo de Mutação:     " + LegendaDe(Param.TipoMut) +
            "    Taxa de Mutação:  " + Inteiro(Param.TaxaMut) + " %");
    o.Linha("Elitismo:            ");
    o.Linha("");
    o.Linha(Separador65);
    o.Linha("Geração " + Inteiro(Geracao));
}

// One generation step; the numbers follow the order in which the run performs them.
void TMotorAG::PassoGeracao() {
    if (Relata)
        Observador->Linha("");  // 1.
    ++Geracao;                  // 2.
    ComecaRegistro();
    if (Relata) {
        Observador->Linha(Separador65);  // 3.
        Observador->Linha("Geração " + Inteiro(Geracao));
    }
    SelecionaPais(Param.TipoSel, Param.TaxaCruz);  // 4.
    CruzaPais(Param.TipoCruz, Param.TaxaCruz);     // 5.
    MutaDesc(Param.TipoMut, Param.TaxaMut);        // 6.
    SubstituiPop(Param.TipoSubs);                  // 7.
    AvaliaPop(Param.TamPop);                       // 8.
}

// The evaluated generation goes to the observer, which feeds the chart and redraws the view
// (9. to 11.) or keeps what it wants of it.
TContinuacao TMotorAG::Avaliada() {
    const auto g = static_cast<std::size_t>(Geracao);
    MelhorAteAgora1 = std::max(MelhorAteAgora1, MelhorGer1[g]);
    MelhorAteAgora2 = std::max(MelhorAteAgora2, MelhorGer2[g]);
    TGeracaoAvaliada geracao;
    geracao.Dados = DadosDaGeracao();
    geracao.Populacao = Populacao.get();
    geracao.TamPop = Param.TamPop;
    if (Registro != nullptr) {
        Registro->Populacao.Dados = geracao.Dados;
        geracao.Registro = Registro;
    }
    return Observador->Avaliada(geracao);
}

// The observer says where this generation's record goes; what a former run left there is
// cleared, its storage kept.
void TMotorAG::ComecaRegistro() {
    Registro = Observador->OndeRegistrar(Geracao);
    if (Registro != nullptr)
        Registro->Passo.Limpa();
}

TDadosGeracao TMotorAG::DadosDaGeracao() const {
    const auto g = static_cast<std::size_t>(Geracao);
    TDadosGeracao d;
    d.Geracao = Geracao;
    d.Melhor1 = MelhorGer1[g];
    d.Melhor2 = MelhorGer2[g];
    d.Media1 = MediaGer1[g];
    d.Media2 = MediaGer2[g];
    d.MelhorX = MelhorXGer[g];
    d.MelhorY = MelhorYGer[g];
    d.IndMelhor = Populacao->IndMelhor;
    d.IndMelhorY = Populacao->IndMelhorY;
    d.Avaliacoes = static_cast<std::int64_t>(Param.TamPop) * (Geracao + 1);
    d.MelhorAteAgora1 = MelhorAteAgora1;
    d.MelhorAteAgora2 = MelhorAteAgora2;
    return d;
}

// The last generation's best, as the report's last line shows it: the tables hold the best x
// individual's X and fitness and, in parallel mode, the best y individual's Y and Z(y).
TResultadoAG TMotorAG::Resultado(TMotivoFim motivo) const {
    const auto g = static_cast<std::size_t>(Geracao);
    TResultadoAG r;
    r.Motivo = motivo;
    r.Geracao = Geracao;
    r.Melhor1 = MelhorGer1[g];
    r.Melhor2 = MelhorGer2[g];
    r.MelhorX = MelhorXGer[g];
    r.MelhorY = MelhorYGer[g];
    r.Avaliacoes = static_cast<std::int64_t>(Param.TamPop) * (Geracao + 1);
    return r;
}
