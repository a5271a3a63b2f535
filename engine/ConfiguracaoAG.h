#pragma once

// The run's configuration as the engine takes it: every value of the panel, the three check
// boxes and the tournament size, with the schemes as enumerations. The panel and the command
// line hold the schemes as their list captions ("Roleta", "1 ponto" …); they are mapped here,
// at the edge, by exact comparison with the captions, and mapped back wherever a caption is
// shown or written (the report's header, the experiment CSV, the command that repeats a run).

#include "Parametros.h"

#include <optional>
#include <string>

/// Parent selection: the roulette or the tournament. "n Melhores" is refused by every front
/// end and has no value here.
enum class TTipoSel { Roleta, Torneio };
/// Crossover: any caption but "1 ponto" and "2 pontos" is uniform crossover.
enum class TTipoCruz { UmPonto, DoisPontos, Uniforme };
/// Mutation: any caption but the first three is the inversion.
enum class TTipoMut { Flip, MutarPara1, MutarPara0, Inversao };
/// Replacement: "Imediata"; every other entry, the empty third one included, inserts.
enum class TTipoSubs { Imediata, Insercao };
/// Stop criterion: every caption but "n Gerações" applies the tolerance test.
enum class TCritParada { NGeracoes, PrimeiraSituacao };

/// Everything a run reads besides its seed. Constant during the run.
struct TConfiguracaoAG {
    int TamPop = 30;   ///< number of individuals, 2..200, even
    int TamCrom = 20;  ///< chromosome length in bits, 18..100, even
    TTipoSel TipoSel = TTipoSel::Roleta;
    TTipoCruz TipoCruz = TTipoCruz::UmPonto;
    int TaxaCruz = 100;  ///< crossover rate in percent, 2..100
    TTipoMut TipoMut = TTipoMut::Flip;
    int TaxaMut = 3;  ///< mutation rate in percent, 0..30
    int LimGer = 60;  ///< generation limit, 10..1000
    TTipoSubs TipoSubs = TTipoSubs::Imediata;
    int ValMin = -100;        ///< lower end of the search interval, for x and y
    int ValMax = 100;         ///< upper end of the search interval
    double Diferenca = 0.01;  ///< tolerance of "Primeira situação encontrada"
    TCritParada CritParada = TCritParada::PrimeiraSituacao;
    bool Paralelo = false;        ///< `pcTipoAG`: x and y evolve as two half-chromosome populations
    bool Elitismo = false;        ///< `pcElite`: the best individual survives into slot 1
    bool Escalonamento = true;    ///< `pcEscalonamento`: directed scaling of the selection fitness
    int QuantTorneio = 2;         ///< `pcQuantTorneio`: the tournament size, at least 1
    std::string Separador = ",";  ///< decimal separator of the report's numbers

    /// Length of each half of the chromosome: positions 1..MeioCrom encode x, the rest y.
    [[nodiscard]] int MeioCrom() const { return TamCrom / 2; }
};

/// The three check boxes and the tournament size, which the panel shows beside its values.
struct TChavesPainel {
    bool Paralelo = false;
    bool Elitismo = false;
    bool Escalonamento = true;
    int QuantTorneio = 2;
};

/// The configuration of the panel's values and switches. The tolerance text is converted with
/// the panel's decimal separator: throws EConversao, with the message the user sees, when it is
/// not a number. Throws std::invalid_argument for "n Melhores" or another unknown selection.
TConfiguracaoAG ConfiguracaoAG(const TPainel& painel, const TChavesPainel& chaves);

/// The schemes from their captions: exact comparison, with the fall-throughs described above.
/// An unknown selection caption has no scheme.
std::optional<TTipoSel> TipoSelDe(const std::string& legenda);
TTipoCruz TipoCruzDe(const std::string& legenda);
TTipoMut TipoMutDe(const std::string& legenda);
TTipoSubs TipoSubsDe(const std::string& legenda);
TCritParada CritParadaDe(const std::string& legenda);

/// The captions of the schemes, as the panel's lists show them and the report prints them.
const std::string& LegendaDe(TTipoSel tipo);
const std::string& LegendaDe(TTipoCruz tipo);
const std::string& LegendaDe(TTipoMut tipo);

/// Whether a best fitness is within `diferenca` of F6's maximum 1 (computed in long double, as
/// the stop test has it).
[[nodiscard]] inline bool PertoDoMaximo(double melhor, double diferenca) {
    return 1.0L - melhor <= diferenca;
}

/// The stop test of "Primeira situação encontrada" for a generation whose best fitness values
/// are given: 1 − best within the tolerance, in parallel mode for both halves.
[[nodiscard]] bool DentroDaTolerancia(const TConfiguracaoAG& config, double melhor1,
                                      double melhor2);
