#include "MotorAG.h"

#include <bit>

namespace {

using TMascara = std::array<std::uint8_t, MaxGenes + 1>;

// What one pair's two children share: the cut points or the mask.
struct TMaterial {
    int Corte1 = 0;
    int Corte2 = 0;
    TMascara Mascara{};
};

// Gene positions as bytes, for comparisons that run on vectors alongside the genes.
constexpr std::array<std::uint8_t, MaxGenes + 1> Posicoes = [] {
    std::array<std::uint8_t, MaxGenes + 1> p{};
    for (std::size_t k = 0; k < p.size(); ++k)
        p[k] = static_cast<std::uint8_t>(k);
    return p;
}();

// Genes de..ate of the child: from `antes` up to position `corte`, from `depois` after it.
// A select on the position rather than two copies: a chromosome is too short for a copy
// routine to pay off.
void Corta(TCromossomo& filho, const TCromossomo& antes, const TCromossomo& depois, int de, int ate,
           int corte) {
    const auto limite = static_cast<std::uint8_t>(std::clamp(corte, 0, MaxGenes));
    for (auto k = static_cast<std::size_t>(de); k <= static_cast<std::size_t>(ate); ++k) {
        const std::uint8_t a = antes.Gene[k];
        const std::uint8_t d = depois.Gene[k];
        const std::uint8_t deAntes = Posicoes[k] <= limite ? 0xFF : 0;
        filho.Gene[k] = static_cast<std::uint8_t>(d ^ ((a ^ d) & deAntes));
    }
}

// mask[b] = Random(2) for b = 1..tamCrom, in order.
void SorteiaMascara(TAleatorio& aleatorio, TMascara& mascara, int tamCrom) {
    aleatorio.ProximosBits(mascara.data() + 1, tamCrom);
}

// Pair k's material as the record keeps it (k from 0), with whether its children differ from
// plain copies of the parents: a cut at 0, an empty middle segment, or a mask of one value
// only hands each child one parent whole.
void Registra(TPassoRegistrado& passo, std::size_t k, TTipoCruz tipo, const TMaterial& material,
              int tamCrom) {
    TPassoRegistrado::TPar& par = passo.Pares[k];
    par.Corte1 = static_cast<std::uint8_t>(material.Corte1);
    par.Corte2 = static_cast<std::uint8_t>(material.Corte2);
    switch (tipo) {
        case TTipoCruz::UmPonto:
            par.Cruzou = material.Corte1 >= 1;
            break;
        case TTipoCruz::DoisPontos:
            par.Cruzou = material.Corte2 - material.Corte1 >= 2;
            break;
        case TTipoCruz::Uniforme: {
            const TPosicoes mascara = Empacota(material.Mascara.data() + 1, tamCrom);
            const int daSegunda = std::popcount(mascara.Bits[0]) + std::popcount(mascara.Bits[1]);
            par.Cruzou = daSegunda > 0 && daSegunda < tamCrom;
            passo.Mascaras[k] = mascara;
            break;
        }
    }
}

}  // namespace

// Every chosen pair is crossed; the rate acts only through NumPares.
void TMotorAG::CruzaPais(TTipoCruz tipo, int /*taxaCruz*/) {
    const int filhos = 2 * NumPares;
    const int tamCrom = Param.TamCrom;
    const int meio = Param.MeioCrom();
    const bool paralelo = Param.Paralelo;

    NovaDescendencia(filhos);  // 1.
    if (Registro != nullptr)
        Registro->Passo.ComecaPares(NumPares, tipo == TTipoCruz::Uniforme);

    TMaterial material;
    const auto sorteia = [&] {
        switch (tipo) {
            case TTipoCruz::UmPonto:
                material.Corte1 = static_cast<int>(
                    Aleatorio.Random(static_cast<std::uint32_t>(paralelo ? meio : tamCrom)));
                break;
            case TTipoCruz::DoisPontos:
                material.Corte1 =
                    static_cast<int>(Aleatorio.Random(static_cast<std::uint32_t>(tamCrom - 2)));
                material.Corte2 =
                    material.Corte1 + static_cast<int>(Aleatorio.Random(
                                          static_cast<std::uint32_t>(tamCrom - material.Corte1)));
                break;
            case TTipoCruz::Uniforme:
                SorteiaMascara(Aleatorio, material.Mascara, tamCrom);
                break;
        }
    };

    // The material of pair 1 is drawn before the loop, and fresh material after every second
    // child, also after the last pair and also when there are no pairs at all: the sequence
    // of draws, and so every later number, depends on it.
    sorteia();                           // 2.
    for (int m = 1; m <= filhos; ++m) {  // 3.
        const int j = (m + 1) / 2;
        const bool primeiro = m % 2 == 1;
        if (primeiro && Registro != nullptr)
            Registra(Registro->Passo, static_cast<std::size_t>(j - 1), tipo, material, tamCrom);
        TCromossomo& filho = *Descendencia->Crom[m];
        const TCromossomo& p1x = *Populacao->Crom[primeiro ? Pai1X[j] : Pai2X[j]];
        const TCromossomo& p2x = *Populacao->Crom[primeiro ? Pai2X[j] : Pai1X[j]];
        const int c = material.Corte1;
        switch (tipo) {
            case TTipoCruz::UmPonto:
                if (!paralelo) {
                    Corta(filho, p1x, p2x, 1, tamCrom, c);
                } else {
                    const TCromossomo& p1y = *Populacao->Crom[primeiro ? Pai1Y[j] : Pai2Y[j]];
                    const TCromossomo& p2y = *Populacao->Crom[primeiro ? Pai2Y[j] : Pai1Y[j]];
                    Corta(filho, p1x, p2x, 1, meio, c);
                    Corta(filho, p1y, p2y, meio + 1, tamCrom, meio + c);
                }
                break;
            case TTipoCruz::DoisPontos:
                // The middle segment c1 + 1..c2 - 1 comes from the first parent; bit c2
                // belongs to the outer part, from the second.
                Corta(filho, p2x, p1x, 1, c, c);
                Corta(filho, p1x, p2x, c + 1, tamCrom, material.Corte2 - 1);
                break;
            case TTipoCruz::Uniforme:
                // A blend instead of a branch: the mask is random, so a branch would
                // mispredict half the time.
                for (std::size_t b = 1; b <= static_cast<std::size_t>(tamCrom); ++b)
                    filho.Gene[b] = static_cast<std::uint8_t>(
                        p1x.Gene[b] ^ ((p1x.Gene[b] ^ p2x.Gene[b]) & material.Mascara[b]));
                break;
        }
        if (!primeiro)
            sorteia();
    }
}
