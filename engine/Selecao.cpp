#include "MotorAG.h"

#include <algorithm>

namespace {

using TSomas = std::array<double, MaxIndividuos + 1>;

// Running sums of the selection fitness, each partial sum stored as a double.
void Acumula(const TPopulacao& pop, int tamPop, bool y, TSomas& soma) {
    double total = 0;
    for (int i = 1; i <= tamPop; ++i) {
        const TCromossomo& c = *pop.Crom[i];
        total = static_cast<double>(static_cast<long double>(total) +
                                    (y ? c.AptidaoEscY : c.AptidaoEsc));
        soma[i] = total;
    }
}

// One roulette draw: the smallest i with soma[i] > u * total, which a scan upwards from slot 1
// would find. The sums never fall, so a binary search finds the same slot; this one has no
// branch to mispredict (the halving is a conditional move), and the clamp keeps the slot valid
// whatever the sums hold.
int GiraRoleta(TAleatorio& aleatorio, const TSomas& soma, int tamPop) {
    const auto alvo = static_cast<double>(aleatorio.RandomReal() * soma[tamPop]);
    const double* base = soma.data() + 1;
    for (int n = tamPop; n > 1;) {
        const int metade = n / 2;
        base = base[metade] <= alvo ? base + metade : base;
        n -= metade;
    }
    const int achado = static_cast<int>(base - soma.data()) + (*base <= alvo ? 1 : 0);
    return std::min(achado, tamPop);
}

// Pairs first, whatever the type: round(TamPop * rate / 100), halves to even, then halved.
// In whole numbers: the quotient p / 100 lies either exactly on a half or at least 1/100 away
// from one, so the rounding of the quotient in floating point could not change this result.
std::int64_t Filhos(int tamPop, int taxaCruz) {
    const std::int64_t produto = static_cast<std::int64_t>(tamPop) * taxaCruz;
    const std::int64_t absoluto = produto < 0 ? -produto : produto;
    std::int64_t q = absoluto / 100;
    const std::int64_t resto = absoluto % 100;
    if (resto > 50 || (resto == 50 && q % 2 == 1))
        ++q;
    return produto < 0 ? -q : q;
}

}  // namespace

void TMotorAG::SelecionaPais(const std::string& tipoSel, int taxaCruz) {
    NumPares = static_cast<std::int32_t>(Filhos(Param.TamPop, taxaCruz)) / 2;

    const bool paralelo = Dono.AGParalelo();
    if (tipoSel == Legenda::Roleta)
        EscolheRoleta(paralelo);
    else if (tipoSel == Legenda::Torneio)
        EscolheTorneio(paralelo);
    else
        NumPares = 0;  // an unknown scheme chooses nobody rather than leave stale parents
}

void TMotorAG::EscolheRoleta(bool paralelo) {
    const int tamPop = Param.TamPop;
    TSomas somaX;  // entries 1..tamPop are written before they are read
    TSomas somaY;
    Acumula(*Populacao, tamPop, false, somaX);
    if (paralelo)
        Acumula(*Populacao, tamPop, true, somaY);
    for (int k = 1; k <= NumPares; ++k) {
        Pai1X[k] = GiraRoleta(Aleatorio, somaX, tamPop);
        Pai2X[k] = GiraRoleta(Aleatorio, somaX, tamPop);
        if (paralelo) {
            Pai1Y[k] = GiraRoleta(Aleatorio, somaY, tamPop);
            Pai2Y[k] = GiraRoleta(Aleatorio, somaY, tamPop);
        }
    }
}

// Candidates are drawn with replacement; a later one wins only with strictly greater fitness.
void TMotorAG::EscolheTorneio(bool paralelo) {
    const int tamPop = Param.TamPop;
    const int tamanho = std::max(1, Dono.QuantTorneio());
    const auto torneio = [&](bool y) {
        const auto aptidao = [&](int i) {
            const TCromossomo& c = *Populacao->Crom[i];
            return y ? c.AptidaoEscY : c.AptidaoEsc;
        };
        int vencedor = static_cast<int>(Aleatorio.Random(static_cast<std::uint32_t>(tamPop))) + 1;
        for (int n = 2; n <= tamanho; ++n) {
            const int candidato =
                static_cast<int>(Aleatorio.Random(static_cast<std::uint32_t>(tamPop))) + 1;
            if (aptidao(candidato) > aptidao(vencedor))
                vencedor = candidato;
        }
        return vencedor;
    };
    for (int k = 1; k <= NumPares; ++k) {
        Pai1X[k] = torneio(false);
        Pai2X[k] = torneio(false);
        if (paralelo) {
            Pai1Y[k] = torneio(true);
            Pai2Y[k] = torneio(true);
        }
    }
}
