#include "MotorAG.h"

// A chromosome with every field zero, as a new one has: one taken back from a slot that held
// its last reference, or else a new one.
PCromossomo TMotorAG::NovoCromossomo() {
    if (Livres.empty())
        return std::make_shared<TCromossomo>();
    PCromossomo c = std::move(Livres.back());
    Livres.pop_back();
    *c = Vazio;
    return c;
}

// Empties a slot. A chromosome that nothing else refers to (no other slot, no other holder of
// a reference, such as a test or the view) would be freed here; it is kept for reuse instead.
void TMotorAG::Solta(PCromossomo& slot) {
    if (slot.use_count() == 1)
        Livres.push_back(std::move(slot));
    else
        slot.reset();
}

// Points a slot at a chromosome, as an assignment of the reference does.
void TMotorAG::Aponta(PCromossomo& slot, const PCromossomo& cromossomo) {
    if (slot == cromossomo)
        return;
    Solta(slot);
    slot = cromossomo;
}

// The store of this generation's children, `filhos` new chromosomes in slots 1..filhos and
// nothing in the others. The container is reused; its previous children are let go (most are
// plain references by now, see SubstituiPop, and letting them go costs nothing).
void TMotorAG::NovaDescendencia(int filhos) {
    if (!Descendencia)
        Descendencia = std::make_unique<TDescendencia>();
    for (PCromossomo& slot : Descendencia->Crom)
        if (slot)
            Solta(slot);
    for (int m = 1; m <= filhos; ++m)
        Descendencia->Crom[m] = NovoCromossomo();
}
