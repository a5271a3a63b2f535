#include "Parametros.h"

#include "FormatoNumero.h"

TPainel PainelPadrao(const std::string& separadorDecimal) {
    TPainel painel;
    TParametros& p = painel.Valores;
    p.TamPop = 30;
    p.TamCrom = 20;
    p.TipoSel = Legenda::Roleta;
    p.TipoCruz = Legenda::UmPonto;
    p.TaxaCruz = 100;
    p.TipoMut = Legenda::Flip;
    p.TaxaMut = 3;
    p.LimGer = 60;
    p.TipoSubs = Legenda::Imediata;
    p.ValMin = -100;
    p.ValMax = 100;
    p.CritParada = Legenda::PrimeiraSituacao;
    // The tolerance arrows start at 1, i.e. 1/100, written in the user's own notation so that
    // the first run converts it back under any locale.
    painel.TextoDiferenca = FormataReal(1.0 / 100, separadorDecimal);
    painel.SeparadorDecimal = separadorDecimal;
    return painel;
}
