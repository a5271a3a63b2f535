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

// One roulette draw with the real number u: the smallest i with soma[i] > u * total, which a
// scan upwards from slot 1 would find. The sums never fall, so a binary search finds the same
// slot; this one has no branch to mispredict (the halving is a conditional move), and the
// clamp keeps the slot valid whatever the sums hold.
int GiraRoleta(long double u, const TSomas& soma, int tamPop) {
    const auto alvo = static_cast<double>(u * soma[tamPop]);
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

void TMotorAG::SelecionaPais(TTipoSel tipoSel, int taxaCruz) {
    NumPares = static_cast<std::int32_t>(Filhos(Param.TamPop, taxaCruz)) / 2;
    if (Registro != nullptr)
        Registro->Passo.NumPares = NumPares;

    const bool paralelo = Param.Paralelo;
    if (tipoSel == TTipoSel::Roleta)
        EscolheRoleta(paralelo);
    else
        EscolheTorneio(paralelo);
}

void TMotorAG::EscolheRoleta(bool paralelo) {
    const int tamPop = Param.TamPop;
    TSomas somaX;  // entries 1..tamPop are written before they are read
    TSomas somaY;
    Acumula(*Populacao, tamPop, false, somaX);
    if (paralelo)
        Acumula(*Populacao, tamPop, true, somaY);
    // The record's storage is sized once: each choice is written in its place.
    double* sorteio = nullptr;
    std::uint8_t* escolha = nullptr;
    if (Registro != nullptr) {
        const auto escolhas = static_cast<std::size_t>(NumPares * (paralelo ? 4 : 2));
        Registro->Passo.Sorteios.resize(escolhas);
        Registro->Passo.Escolhidos.resize(escolhas);
        sorteio = Registro->Passo.Sorteios.data();
        escolha = Registro->Passo.Escolhidos.data();
    }
    const auto gira = [&](const TSomas& soma) {
        const long double u = Aleatorio.RandomReal();
        const int escolhido = GiraRoleta(u, soma, tamPop);
        if (sorteio != nullptr) {
            *sorteio++ = static_cast<double>(u);  // exact: a seed over 2^32
            *escolha++ = static_cast<std::uint8_t>(escolhido);
        }
        return escolhido;
    };
    for (int k = 1; k <= NumPares; ++k) {
        Pai1X[k] = gira(somaX);
        Pai2X[k] = gira(somaX);
        if (paralelo) {
            Pai1Y[k] = gira(somaY);
            Pai2Y[k] = gira(somaY);
        }
    }
}

// Candidates are drawn with replacement; a later one wins only with strictly greater fitness.
void TMotorAG::EscolheTorneio(bool paralelo) {
    const int tamPop = Param.TamPop;
    const int tamanho = std::max(1, Param.QuantTorneio);
    TPassoRegistrado* registro = Registro != nullptr ? &Registro->Passo : nullptr;
    if (registro != nullptr)
        registro->TamTorneio = tamanho;
    const auto torneio = [&](bool y) {
        const auto aptidao = [&](int i) {
            const TCromossomo& c = *Populacao->Crom[i];
            return y ? c.AptidaoEscY : c.AptidaoEsc;
        };
        const auto sorteia = [&] {
            const int i =
                static_cast<int>(Aleatorio.Random(static_cast<std::uint32_t>(tamPop))) + 1;
            if (registro != nullptr)
                registro->Entrantes.push_back(static_cast<std::uint8_t>(i));
            return i;
        };
        int vencedor = sorteia();
        for (int n = 2; n <= tamanho; ++n) {
            const int candidato = sorteia();
            if (aptidao(candidato) > aptidao(vencedor))
                vencedor = candidato;
        }
        if (registro != nullptr)
            registro->Escolhidos.push_back(static_cast<std::uint8_t>(vencedor));
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
