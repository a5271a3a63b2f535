#pragma once

#include <string>

/// The caption texts of the panel's lists. The operators choose their behaviour by exact
/// comparison with these texts (case and accents count), so they live in one place.
namespace Legenda {
inline const std::string Roleta = "Roleta";
inline const std::string Torneio = "Torneio";
inline const std::string NMelhores = "n Melhores";
inline const std::string UmPonto = "1 ponto";
inline const std::string DoisPontos = "2 pontos";
inline const std::string Uniforme = "Uniforme";
inline const std::string Flip = "Flip";
inline const std::string MutarPara1 = "Mutar para 1";
inline const std::string MutarPara0 = "Mutar para 0";
inline const std::string Inversao = "Inversão";
inline const std::string Imediata = "Imediata";
inline const std::string Insercao = "Inserção";
inline const std::string NGeracoes = "n Gerações";
inline const std::string PrimeiraSituacao = "Primeira situação encontrada";
}  // namespace Legenda

/// The panel's values as the panel shows them, the schemes as their captions: what the window
/// reads, the command line takes and the experiment CSV writes. ConfiguracaoAG turns them,
/// with the switches, into a run's configuration (ConfiguracaoAG.h).
struct TParametros {
    int TamPop = 0;          ///< number of individuals, 2..200, even
    int TamCrom = 0;         ///< chromosome length in bits, 18..100, even
    std::string TipoSel;     ///< "Roleta" or "Torneio"
    std::string TipoCruz;    ///< "1 ponto", "2 pontos" or "Uniforme"
    int TaxaCruz = 0;        ///< crossover rate in percent, 2..100
    std::string TipoMut;     ///< "Flip", "Mutar para 1", "Mutar para 0" or "Inversão"
    int TaxaMut = 0;         ///< mutation rate in percent, 0..30
    int LimGer = 0;          ///< generation limit, 10..1000
    std::string TipoSubs;    ///< "Imediata", "Inserção" or ""
    int ValMin = 0;          ///< lower end of the search interval, for x and y
    int ValMax = 0;          ///< upper end of the search interval
    double Diferenca = 0;    ///< tolerance of the stop criterion "Primeira situação encontrada"
    std::string CritParada;  ///< "n Gerações" or "Primeira situação encontrada"

    /// Length of each half of the chromosome: positions 1..MeioCrom encode x, the rest y.
    [[nodiscard]] int MeioCrom() const { return TamCrom / 2; }
};

/// What the owner hands over when a run starts: the panel's values, with the tolerance still
/// as the text of its edit (converted by the run itself, which may fail), and the user's
/// decimal separator for reading that text and writing the report's numbers.
struct TPainel {
    TParametros Valores;  ///< every field but Diferenca is used
    std::string TextoDiferenca;
    std::string SeparadorDecimal = ",";
};

/// Panel defaults: what the window shows at start and what quivora-run uses without options.
/// The tolerance text is 0.01 written with the given decimal separator.
TPainel PainelPadrao(const std::string& separadorDecimal);
