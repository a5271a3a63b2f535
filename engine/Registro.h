#pragma once

// The record of a generation's work, made only for an observer that asks for it: the
// population as the evaluation scored it, and how that population was made from the one
// before: the selection's draws, each pair's crossover, each child's mutated bits and where
// each child was put. With it, the step from one generation to the next can be shown, and
// replayed, operation by operation.

#include <array>
#include <cstdint>
#include <vector>

/// Positions 1..128 as one bit each (bit b - 1 is position b): a chromosome's genes, a
/// uniform crossover's mask or the mutation tests that hit.
struct TPosicoes {
    std::array<std::uint64_t, 2> Bits{};

    [[nodiscard]] bool Tem(int posicao) const {
        const auto p = static_cast<unsigned>(posicao - 1);
        return ((Bits[p / 64] >> (p % 64)) & 1u) != 0;
    }
    bool operator==(const TPosicoes&) const = default;
};

/// Positions 1..n, 0 <= n <= 128.
TPosicoes PosicoesAte(int n);

/// The positions 1..n whose byte is 1: byte k - 1 (0 or 1) is position k. `bytes` holds
/// MaxGenes readable bytes, n <= MaxGenes; those past n are ignored.
TPosicoes Empacota(const std::uint8_t* bytes, int n);

/// What the run knows of a generation once it is evaluated.
struct TDadosGeracao {
    int Geracao = 0;              ///< 0 is the initial population
    double Melhor1 = 0;           ///< best Aptidao (`MelhorGer1`)
    double Melhor2 = 0;           ///< best AptidaoY, parallel mode (`MelhorGer2`)
    double Media1 = 0;            ///< average Aptidao (`MediaGer1`)
    double Media2 = 0;            ///< average AptidaoY, parallel mode (`MediaGer2`)
    std::int32_t MelhorX = 0;     ///< `MelhorXGer`
    std::int32_t MelhorY = 0;     ///< `MelhorYGer`
    std::int32_t IndMelhor = 0;   ///< slot of the best Aptidao, the lowest on ties
    std::int32_t IndMelhorY = 0;  ///< slot of the best AptidaoY, parallel mode
    std::int64_t Avaliacoes =
        0;  ///< individuals evaluated by the run so far, this generation's included
    double MelhorAteAgora1 = 0;  ///< the highest Melhor1 of generations 0..Geracao
    double MelhorAteAgora2 = 0;  ///< the highest Melhor2 of generations 0..Geracao
};

/// One individual as the evaluation scored it.
struct TIndividuoRegistrado {
    TPosicoes Genes;  ///< the genes it was decoded and scored from
    std::int16_t X = 0;
    std::int16_t Y = 0;
    double Aptidao = 0;     ///< F6(X, Y), or Z(x) in parallel mode
    double AptidaoEsc = 0;  ///< the selection fitness, after directed scaling
};

/// The y population's figures of one slot, parallel mode.
struct TAptidoesY {
    double AptidaoY = 0;     ///< Z(y)
    double AptidaoEscY = 0;  ///< the selection fitness, after directed scaling
};

/// A generation's population, slots 1..TamPop at Individuos[0..TamPop - 1].
struct TPopulacaoRegistrada {
    TDadosGeracao Dados;
    bool Paralelo = false;
    int TamCrom = 0;
    std::vector<TIndividuoRegistrado> Individuos;
    /// Parallel mode: slot i's y figures at IndividuosY[i - 1]; empty in simple mode, which
    /// so keeps nothing it does not use.
    std::vector<TAptidoesY> IndividuosY;
    /// With elitism: the elite as this evaluation left it, which the next replacement puts into
    /// slot 1 (simple mode: the best individual's genes; parallel mode: the best x half and
    /// the best y half).
    bool TemElite = false;
    TPosicoes Elite;
    /// Slot 1 is the elite's own chromosome, whose genes this evaluation rewrote after scoring
    /// them (parallel mode with elitism): the next step reads slot 1's genes as Elite.
    bool Slot1EhElite = false;

    /// The y figures of the individual at Individuos[i]; zero for a simple-mode population.
    [[nodiscard]] TAptidoesY DoY(std::size_t i) const {
        return i < IndividuosY.size() ? IndividuosY[i] : TAptidoesY{};
    }
};

/// How a generation was made from the one before: selection on the previous population, then
/// crossover, mutation and replacement. Empty for generation 0.
struct TPassoRegistrado {
    int NumPares = 0;
    /// The parents chosen, as slots, in the order they were drawn: for each pair k, its first
    /// and second x parent, then in parallel mode its first and second y parent.
    std::vector<std::uint8_t> Escolhidos;
    /// Roulette: the real number drawn in [0, 1) for each choice; the wheel's point is it times
    /// the sum of the selection fitness, and the choice the first slot whose running sum
    /// passes it.
    std::vector<double> Sorteios;
    /// Tournament: its size and each choice's entrants in the order drawn; the choice is the
    /// first entrant of the highest selection fitness.
    int TamTorneio = 0;
    std::vector<std::uint8_t> Entrantes;

    /// One pair's crossover. Children 2k - 1 and 2k are pair k's.
    struct TPar {
        std::uint8_t Corte1 = 0;  ///< one point: the cut; two points: the first cut
        std::uint8_t Corte2 = 0;  ///< two points: the second cut
        bool Cruzou = false;      ///< the children differ from plain copies of the parents
    };
    std::vector<TPar> Pares;
    /// Uniform crossover: pair k's mask, the positions taken from the second parent, at
    /// Mascaras[k - 1]; empty for the other crossovers, which so keep no mask per pair.
    std::vector<TPosicoes> Mascaras;
    /// For each child, the mutation tests that hit: positions b, or for the inversion the
    /// positions b whose bit was swapped with bit b + 1.
    std::vector<TPosicoes> Mutacoes;
    /// For each child, the population slot it was put in.
    std::vector<std::uint8_t> Slots;
    /// The elite was put into slot 1 after the children.
    bool EliteNoSlot1 = false;

    /// Empties the record, keeping its storage for the next step.
    void Limpa();

    /// Room for the pairs' crossovers, and for their masks if `uniforme`.
    void ComecaPares(int numPares, bool uniforme);

    /// Pair k's uniform mask (k from 0); empty for the other crossovers.
    [[nodiscard]] TPosicoes MascaraDoPar(std::size_t k) const {
        return k < Mascaras.size() ? Mascaras[k] : TPosicoes{};
    }

    /// Choices per pair: 2, or 4 in parallel mode.
    [[nodiscard]] int EscolhasPorPar() const {
        return NumPares == 0 ? 2 : static_cast<int>(Escolhidos.size()) / NumPares;
    }
};

/// The record of generation Populacao.Dados.Geracao.
struct TRegistroGeracao {
    TPopulacaoRegistrada Populacao;
    TPassoRegistrado Passo;  ///< how this generation was made; empty for generation 0
};

/// The memory a kept record holds, its storage's capacity included.
[[nodiscard]] std::size_t BytesOcupados(const TRegistroGeracao& r);
