#include "MotorAG.h"

namespace {

// What one pair's two children share: the cut points or the mask.
struct TMaterial {
    int Corte1 = 0;
    int Corte2 = 0;
    std::array<std::int32_t, MaxGenes + 1> Mascara{};
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
    for (int b = de; b <= ate; ++b)
        filho.Gene[b] = pai.Gene[b];
}

// mask[b] = Random(2) for b = 1..tamCrom, in order. Random(2) is the seed's top bit, so the
// draws can be taken four at a time.
void SorteiaMascara(TAleatorio& aleatorio, std::array<std::int32_t, MaxGenes + 1>& mascara,
                    int tamCrom) {
    int b = 1;
    for (; b + 3 <= tamCrom; b += 4) {
        const auto sementes = aleatorio.Proximas4();
        for (std::size_t j = 0; j < 4; ++j)
            mascara[b + static_cast<int>(j)] = static_cast<std::int32_t>(sementes[j] >> 31);
    }
    for (; b <= tamCrom; ++b)
        mascara[b] = static_cast<std::int32_t>(aleatorio.Random(2));
}

}  // namespace

// Every chosen pair is crossed; the rate acts only through NumPares.
void TMotorAG::CruzaPais(const std::string& tipoCruz, int /*taxaCruz*/) {
    const int filhos = 2 * NumPares;
    const int tamCrom = Param.TamCrom;
    const int meio = Param.MeioCrom();
    const bool paralelo = Dono.AGParalelo();
    const TTipoCruz tipo = TipoDe(tipoCruz);

    Descendencia = std::make_unique<TDescendencia>();  // 1.
    for (int m = 1; m <= filhos; ++m)
        Descendencia->Crom[m] = std::make_shared<TCromossomo>();

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
                // Arithmetic instead of a branch: the mask is random, so a branch would
                // mispredict half the time.
                for (int b = 1; b <= tamCrom; ++b)
                    filho.Gene[b] = p1x.Gene[b] + (p2x.Gene[b] - p1x.Gene[b]) * material.Mascara[b];
                break;
        }
        if (!primeiro)
            sorteia();
    }
}
