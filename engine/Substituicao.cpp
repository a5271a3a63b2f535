#include "MotorAG.h"

// Children are shared, not copied: after this the population slot and the offspring slot
// refer to the same chromosome, and with elitism slot 1 refers to the elite's.
//
// The population takes each child's ownership over, and the offspring slot keeps a plain
// reference to it (an aliasing pointer without a count): sharing a child then costs no update
// of its count, which once a process has worker threads is an atomic operation, and two of
// those per child and generation were a quarter of an experiment's run. The plain reference
// stays valid: a child leaves the population only in a later generation, after Descendencia
// has new children, or at once when the elite displaces it, and then it waits, unchanged,
// among the chromosomes kept for reuse until the next children are made.
void TMotorAG::SubstituiPop(TTipoSubs tipoSubs) {
    const int filhos = 2 * NumPares;
    TPopulacao& pop = *Populacao;
    // Immediate replacement fills the front; insertion alternates ends with the generation:
    // the front in even generations, the back, filled backwards, in odd ones.
    const bool frente = tipoSubs == TTipoSubs::Imediata || Geracao % 2 == 0;
    for (int m = 1; m <= filhos; ++m) {
        PCromossomo& filho = Descendencia->Crom[m];
        const int destino = frente ? m : Param.TamPop - m + 1;
        if (Registro != nullptr)
            Registro->Passo.Slots.push_back(static_cast<std::uint8_t>(destino));
        PCromossomo& slot = pop.Crom[destino];
        if (slot == filho)
            continue;
        Solta(slot);
        slot = std::move(filho);
        filho = PCromossomo(PCromossomo(), slot.get());
    }
    if (Param.Elitismo && Elite != nullptr) {
        Aponta(pop.Crom[1], Elite->Crom[1]);
        if (Registro != nullptr)
            Registro->Passo.EliteNoSlot1 = true;
    }
}
