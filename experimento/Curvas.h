#pragma once

#include "Configuracao.h"
#include "Estatistica.h"
#include "Execucao.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

/// One generation of a configuration's curves: the quartiles, across its runs, of the best and
/// of the average fitness of both populations.
struct TPontoCurva {
    TQuartis Melhor1;
    TQuartis Media1;
    TQuartis Melhor2;
    TQuartis Media2;
};

/// The trajectories of one configuration's runs, kept until its curves are worked out, in a
/// compact form that gives the quartiles exactly: a best fitness is always F6 at one of the
/// 20001 squared radii a run can meet, so it is kept as a 16-bit index into the distinct
/// values seen; the averages are kept as they are; in simple mode population 2's series are
/// zero throughout and are not kept at all.
class TTrajetorias {
public:
    explicit TTrajetorias(bool paralelo);

    /// Bytes that one generation of one run takes here.
    static std::int64_t BytesPorGeracao(bool paralelo);

    /// Room for `execucoes` runs of up to `geracoes` generations each, reserved at once but
    /// taken from the system only as runs fill it (so no copy as it grows).
    void Reserva(std::int64_t execucoes, int geracoes);
    /// Keeps a run's trajectory (generations 0.. of it).
    void Acrescenta(const std::vector<TPontoGeracao>& trajetoria);
    [[nodiscard]] bool Vazia() const { return Inicio.size() <= 1; }

    /// The curves of the runs kept, up to the last generation that any of them ran; a run
    /// that stopped earlier holds its last values.
    [[nodiscard]] std::vector<TPontoCurva> Curva() const;

private:
    std::uint16_t Indice(double melhor);

    bool Paralelo;
    std::vector<std::uint32_t> Inicio{0};  ///< run r holds positions Inicio[r]..Inicio[r+1]-1
    std::vector<std::uint16_t> Melhor1, Melhor2;
    std::vector<double> Media1, Media2;
    std::vector<double> Valores;  ///< the distinct best values, by index
    std::unordered_map<std::uint64_t, std::uint16_t> IndiceDoValor;
};

/// The curves of the runs whose trajectories are given (generations 0.. of each), up to the
/// last generation that any of them ran; a run that stopped earlier holds its last values.
std::vector<TPontoCurva> CalculaCurva(const std::vector<std::vector<TPontoGeracao>>& trajetorias);

/// The most memory that an experiment's curves may take for one configuration.
inline constexpr std::int64_t MaxBytesCurvas = std::int64_t{1} << 30;

/// The memory that the curves of `execucoes` runs of configuration `c` may take at most.
std::int64_t BytesDasCurvas(const TConfiguracao& c, int execucoes);
