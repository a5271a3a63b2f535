#include "ConfiguracaoAG.h"

#include "FormatoNumero.h"

#include <stdexcept>

TConfiguracaoAG ConfiguracaoAG(const TPainel& painel, const TChavesPainel& chaves) {
    const TParametros& p = painel.Valores;
    const std::optional<TTipoSel> selecao = TipoSelDe(p.TipoSel);
    if (!selecao)
        throw std::invalid_argument("no selection scheme is called '" + p.TipoSel + "'");
    TConfiguracaoAG c;
    c.TamPop = p.TamPop;
    c.TamCrom = p.TamCrom;
    c.TipoSel = *selecao;
    c.TipoCruz = TipoCruzDe(p.TipoCruz);
    c.TaxaCruz = p.TaxaCruz;
    c.TipoMut = TipoMutDe(p.TipoMut);
    c.TaxaMut = p.TaxaMut;
    c.LimGer = p.LimGer;
    c.TipoSubs = TipoSubsDe(p.TipoSubs);
    c.ValMin = p.ValMin;
    c.ValMax = p.ValMax;
    c.Diferenca = LeReal(painel.TextoDiferenca, painel.SeparadorDecimal);
    c.CritParada = CritParadaDe(p.CritParada);
    c.Paralelo = chaves.Paralelo;
    c.Elitismo = chaves.Elitismo;
    c.Escalonamento = chaves.Escalonamento;
    c.QuantTorneio = chaves.QuantTorneio;
    c.Separador = painel.SeparadorDecimal;
    return c;
}

std::optional<TTipoSel> TipoSelDe(const std::string& legenda) {
    if (legenda == Legenda::Roleta)
        return TTipoSel::Roleta;
    if (legenda == Legenda::Torneio)
        return TTipoSel::Torneio;
    return std::nullopt;
}

TTipoCruz TipoCruzDe(const std::string& legenda) {
    if (legenda == Legenda::UmPonto)
        return TTipoCruz::UmPonto;
    if (legenda == Legenda::DoisPontos)
        return TTipoCruz::DoisPontos;
    return TTipoCruz::Uniforme;
}

TTipoMut TipoMutDe(const std::string& legenda) {
    if (legenda == Legenda::Flip)
        return TTipoMut::Flip;
    if (legenda == Legenda::MutarPara1)
        return TTipoMut::MutarPara1;
    if (legenda == Legenda::MutarPara0)
        return TTipoMut::MutarPara0;
    return TTipoMut::Inversao;
}

TTipoSubs TipoSubsDe(const std::string& legenda) {
    return legenda == Legenda::Imediata ? TTipoSubs::Imediata : TTipoSubs::Insercao;
}

TCritParada CritParadaDe(const std::string& legenda) {
    return legenda == Legenda::NGeracoes ? TCritParada::NGeracoes : TCritParada::PrimeiraSituacao;
}

const std::string& LegendaDe(TTipoSel tipo) {
    return tipo == TTipoSel::Roleta ? Legenda::Roleta : Legenda::Torneio;
}

const std::string& LegendaDe(TTipoCruz tipo) {
    switch (tipo) {
        case TTipoCruz::UmPonto:
            return Legenda::UmPonto;
        case TTipoCruz::DoisPontos:
            return Legenda::DoisPontos;
        case TTipoCruz::Uniforme:
            break;
    }
    return Legenda::Uniforme;
}

const std::string& LegendaDe(TTipoMut tipo) {
    switch (tipo) {
        case TTipoMut::Flip:
            return Legenda::Flip;
        case TTipoMut::MutarPara1:
            return Legenda::MutarPara1;
        case TTipoMut::MutarPara0:
            return Legenda::MutarPara0;
        case TTipoMut::Inversao:
            break;
    }
    return Legenda::Inversao;
}

bool DentroDaTolerancia(const TConfiguracaoAG& config, double melhor1, double melhor2) {
    if (!PertoDoMaximo(melhor1, config.Diferenca))
        return false;
    return !config.Paralelo || PertoDoMaximo(melhor2, config.Diferenca);
}
