#include "MotorAG.h"

// Children are shared, not copied: after this the population slot and the offspring slot
// refer to the same chromosome, and with elitism slot 1 refers to the elite's.
void TMotorAG::SubstituiPop(const std::string& tipoSubs) {
    const int filhos = 2 * NumPares;
    TPopulacao& pop = *Populacao;
    // Immediate replacement fills the front; insertion alternates ends with the generation:
    // the front in even generations, the back, filled backwards, in odd ones.
    const bool frente = tipoSubs == Legenda::Imediata || Geracao % 2 == 0;
    for (int m = 1; m <= filhos; ++m)
        Aponta(pop.Crom[frente ? m : Param.TamPop - m + 1], Descendencia->Crom[m]);
    if (Dono.UsaElitismo() && Elite != nullptr)
        Aponta(pop.Crom[1], Elite->Crom[1]);
}
