#include "MotorAG.h"

#include <algorithm>

namespace {

using TMascara = std::array<std::uint8_t, MaxGenes + 1>;

// What one pair's two children share: the cut points or the mask.
struct TMaterial {
    int Corte1 = 0;
    int Corte2 = 0;
    TMascara Mascara{};
};

enum class TTipoCruz { UmPonto, DoisPontos, Uniforme };

TTipoCruz TipoDe(const std::string& texto) {
    if (texto == Legenda::UmPonto)
        return TTipoCruz::UmPonto;
    if (texto == Legenda::DoisPontos)
        return TTipoCruz::DoisPontos;
    return TTipoCruz::Uniforme;  // "Uniforme" and any other text
}

void CopiaGenes(TCromossomo& filho, const TCromossomo& pai, int de, int ate) {
    if (de <= ate)
        std::copy(pai.Gene.begin() + de, pai.Gene.begin() + ate + 1, filho.Gene.begin() + de);
}

// mask[b] = Random(2) for b = 1..tamCrom, in order.
void SorteiaMascara(TAleatorio& aleatorio, TMascara& mascara, int tamCrom) {
    aleatorio.ProximosBits(mascara.data() + 1, tamCrom);
}

}  // namespace

// Every chosen pair is crossed; the rate acts only through NumPares.
void TMotorAG::CruzaPais(const std::string& tipoCruz, int /*taxaCruz*/) {
    const int filhos = 2 * NumPares;
    const int tamCrom = Param.TamCrom;
    const int meio = Param.MeioCrom();
    const bool paralelo = Dono.AGParalelo();
    const TTipoCruz tipo = TipoDe(tipoCruz);

    NovaDescendencia(filhos);  // 1.

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
        TCromossomo& filho = *Descendencia->Crom[m];
        const TCromossomo& p1x = *Populacao->Crom[primeiro ? Pai1X[j] : Pai2X[j]];
        const TCromossomo& p2x = *Populacao->Crom[primeiro ? Pai2X[j] : Pai1X[j]];
        const int c = material.Corte1;
        switch (tipo) {
            case TTipoCruz::UmPonto:
                if (!paralelo) {
                    CopiaGenes(filho, p1x, 1, c);
                    CopiaGenes(filho, p2x, c + 1, tamCrom);
                } else {
                    const TCromossomo& p1y = *Populacao->Crom[primeiro ? Pai1Y[j] : Pai2Y[j]];
                    const TCromossomo& p2y = *Populacao->Crom[primeiro ? Pai2Y[j] : Pai1Y[j]];
                    CopiaGenes(filho, p1x, 1, c);
                    CopiaGenes(filho, p2x, c + 1, meio);
                    CopiaGenes(filho, p1y, meio + 1, meio + c);
                    CopiaGenes(filho, p2y, meio + c + 1, tamCrom);
                }
                break;
            case TTipoCruz::DoisPontos:
                // The middle segment ends at c2 - 1; bit c2 belongs to the outer part.
                CopiaGenes(filho, p2x, 1, c);
                CopiaGenes(filho, p1x, c + 1, material.Corte2 - 1);
                CopiaGenes(filho, p2x, material.Corte2, tamCrom);
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
