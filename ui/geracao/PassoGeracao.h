#pragma once

// The step from a kept generation g to g + 1, laid out for showing: the roulette's slices and
// where each draw fell (or each tournament and its winner), each pair's parents and the bits
// each child took from them, the bits the mutation hit, and the slot each child took. Made
// from g's population and g + 1's record of how it was made. Plain C++: no widgets.

#include "ConfiguracaoAG.h"
#include "Registro.h"

#include <cstdint>
#include <string>
#include <vector>

/// The four operations of a step, in the order the run performs them.
enum class TEtapa { Selecao, Cruzamento, Mutacao, Substituicao };
inline constexpr int NumEtapas = 4;

/// The caption of an operation: "Seleção", "Cruzamento", "Mutação", "Substituição".
const char* NomeEtapa(TEtapa etapa);

/// One choice of a parent.
struct TEscolhaMostrada {
    int Slot = 0;      ///< the slot chosen
    bool DaY = false;  ///< parallel mode: a parent of the y population
    double Ponto = 0;  ///< roulette: where the draw fell, as a share of the wheel in [0, 1)
    std::vector<int> Entrantes;  ///< tournament: the slots that entered, in the order drawn
};

/// One child of a pair, before and after its mutation.
struct TFilhoMostrado {
    /// Bit b - 1 is position b: 1 where the child took the pair's first parent's bit (its
    /// first y parent's in the y half of a parallel one-point crossover), 2 for the second.
    std::vector<std::uint8_t> Origem;
    std::vector<std::uint8_t> Cruzado;  ///< the bits after crossover
    std::vector<std::uint8_t> Mutado;   ///< the bits after mutation
    TPosicoes Acertos;                  ///< the mutation tests that hit
    int Slot = 0;                       ///< the slot it took in generation g + 1
};

/// One pair: its parents' slots (x, then y in parallel mode), its material and its children.
struct TParMostrado {
    int Pai1 = 0;
    int Pai2 = 0;
    int Pai1Y = 0;  ///< parallel mode only
    int Pai2Y = 0;
    TPassoRegistrado::TPar Material;
    /// The pair's first and second parent's bits as the crossover reads them (in the y half of
    /// a parallel one-point crossover, its y parents').
    std::vector<std::uint8_t> BitsPais[2];
    TFilhoMostrado Filhos[2];
};

struct TPassoMostrado {
    TConfiguracaoAG Config;
    int Geracao = 0;  ///< g: the step makes g + 1
    /// g's best coordinates: in parallel mode each half is judged against the other
    /// population's best as the evaluation found it so far, these at its end.
    int MelhorX = 0;
    int MelhorY = 0;
    /// Each slot's share of the roulette, slot s at [s - 1] (the y population's in FatiasY).
    std::vector<double> Fatias;
    std::vector<double> FatiasY;
    std::vector<TEscolhaMostrada> Escolhas;
    std::vector<TParMostrado> Pares;
    bool EliteNoSlot1 = false;
};

/// The step that made `passo`'s generation from `anterior`, run under `config`.
TPassoMostrado MontaPasso(const TConfiguracaoAG& config, const TPopulacaoRegistrada& anterior,
                          const TPassoRegistrado& passo);

/// The operation's one-line explanation, as a GA teacher would say it, with the numbers in
/// the report's format.
std::string ExplicaEtapa(TEtapa etapa, const TPassoMostrado& passo);

/// The bits of a chromosome as text, the x half and the y half apart: "0110 1010".
std::string TextoBits(const TPosicoes& genes, int tamCrom);
