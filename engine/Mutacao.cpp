#include "MotorAG.h"

#include <limits>

namespace {

using TAcertos = std::array<std::uint8_t, MaxGenes>;

// The outcome of the next `testes` tests, in order: acerto[k] is 1 where test k + 1 hits.
// Hits do not depend on the genes, so all of a child's tests are drawn in one block.
void SorteiaAcertos(TAleatorio& aleatorio, std::uint64_t limite, int testes, TAcertos& acerto) {
    if (limite > std::numeric_limits<std::uint32_t>::max()) {
        aleatorio.ProximasAbaixo(acerto.data(), testes, 0);  // the draws still advance
        acerto.fill(1);
        return;
    }
    aleatorio.ProximasAbaixo(acerto.data(), testes, static_cast<std::uint32_t>(limite));
}

}  // namespace

// Each test hits with probability (rate + 1) / 101, so even rate 0 mutates now and then.
// Genes are 0 or 1, so flipping, setting and clearing are byte-wise xor, or and and-not
// with the hits, without a branch.
void TMotorAG::MutaDesc(TTipoMut tipo, int taxaMut) {
    const int filhos = 2 * NumPares;
    const auto tamCrom = static_cast<std::size_t>(Param.TamCrom);
    const std::uint64_t limite = LimiteAcerto(taxaMut);
    // Inversion tests each pair of neighbours, the others each bit.
    const int testes = tipo == TTipoMut::Inversao ? Param.TamCrom - 1 : Param.TamCrom;
    TAcertos acerto{};
    if (Registro != nullptr)
        Registro->Passo.Mutacoes.resize(static_cast<std::size_t>(filhos));
    for (int m = 1; m <= filhos; ++m) {
        std::uint8_t* gene = Descendencia->Crom[m]->Gene.data() + 1;  // gene[b - 1] is bit b
        SorteiaAcertos(Aleatorio, limite, testes, acerto);
        switch (tipo) {
            case TTipoMut::Flip:
                for (std::size_t b = 0; b < tamCrom; ++b)
                    gene[b] ^= acerto[b];
                break;
            case TTipoMut::MutarPara1:
                for (std::size_t b = 0; b < tamCrom; ++b)
                    gene[b] |= acerto[b];
                break;
            case TTipoMut::MutarPara0:
                for (std::size_t b = 0; b < tamCrom; ++b)
                    gene[b] &= static_cast<std::uint8_t>(acerto[b] ^ 1);
                break;
            case TTipoMut::Inversao: {
                // Neighbours swap, in ascending order, so a bit can travel several places
                // towards the end in one pass. `atual` is the bit at
                // position b after the swaps before it; a hit sends it on to b + 1 and brings
                // the bit from b + 1 back, without a branch on the (random) hits.
                std::uint8_t atual = gene[0];
                for (std::size_t b = 0; b + 1 < tamCrom; ++b) {
                    const std::uint8_t proximo = gene[b + 1];
                    const auto troca = static_cast<std::uint8_t>((atual ^ proximo) & acerto[b]);
                    gene[b] = atual ^ troca;
                    atual = proximo ^ troca;
                }
                gene[tamCrom - 1] = atual;
                break;
            }
        }
        // Packed for the record only now: read in other widths than the draws wrote them, the
        // hits just drawn would wait for those stores to reach the cache; the mutation above
        // has waited for them already.
        if (Registro != nullptr)
            Registro->Passo.Mutacoes[static_cast<std::size_t>(m - 1)] =
                Empacota(acerto.data(), testes);
    }
}
