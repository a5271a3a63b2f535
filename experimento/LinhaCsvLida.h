#pragma once

// The reading of experiment CSV rows, shared by the summary's reader and by the resuming of
// an experiment: the header, and each row's fields by column, as quivora-run writes them or
// as R and pandas write them back.

#include "Configuracao.h"
#include "CsvExperimento.h"
#include "Execucao.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

/// A file that is not an experiment CSV, a bad row, or files that are not together one
/// experiment. what() names the file and, where there is one, the line.
class EEntradaExperimento : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The whole content of a file, read to its end as a pipe is (so standard input too, by
/// /dev/stdin); nothing when it cannot be opened or read (errno says why: a directory, say).
std::optional<std::string> ConteudoArquivo(const std::string& arquivo);

/// The longest wall time a row may give a run: a year, in milliseconds.
inline constexpr double MaxMilissegundos = 365.0 * 24 * 3600 * 1000;

/// Where a row came from, for messages and for pointing at an earlier row.
struct TOrigem {
    std::string Arquivo;
    int Linha = 0;
    [[nodiscard]] std::string Texto() const { return Arquivo + ":" + std::to_string(Linha); }
};

/// Throws EEntradaExperimento with the origin before the message.
[[noreturn]] void RecusaLinha(const TOrigem& origem, const std::string& mensagem);

/// How a file's header places the columns.
struct TCabecalhoLido {
    std::map<std::string, std::size_t> Posicoes;
    std::size_t Campos = 0;     ///< fields of every row
    bool ComPlano = false;      ///< the rows record the plan
    std::vector<double> Alvos;  ///< the targets whose evaluations follow the plan's columns
    std::vector<std::string> ColunasAlvos;  ///< their columns' names
    std::vector<std::int64_t> Orcamentos;   ///< the budgets whose best so far follow the targets'
    std::vector<std::string> ColunasOrcamentos;  ///< their columns' names
};

/// Reads the header: the columns of either version, after a first column of row numbers with
/// an empty name as R's write.csv and pandas' to_csv add by default, and after the plan's
/// columns those of the targets' evaluations and then of the budgets' best so far, if any. Throws
/// EEntradaExperimento for any other.
TCabecalhoLido LeCabecalho(std::vector<std::string> campos, const std::string& arquivo);

/// One row's fields by column name. "NA", R's empty field, reads as empty, and a whole number
/// may be written as a real ("14.0", "3e+09"); every value is checked as it is taken, and a
/// bad one throws EEntradaExperimento naming the row.
class TLinhaLida {
public:
    TLinhaLida(const TCabecalhoLido& cabecalho, std::vector<std::string> campos, TOrigem origem);

    [[nodiscard]] std::string Campo(const std::string& coluna) const;
    [[nodiscard]] long long Inteiro(const std::string& coluna, long long minimo,
                                    long long maximo) const;
    [[nodiscard]] double Real(const std::string& coluna) const;
    /// The run's configuration, checked as the panel would.
    [[nodiscard]] TConfiguracao Configuracao() const;
    /// The run's outcome; its configuration's generation limit bounds its generations.
    [[nodiscard]] TResultadoExecucao Resultado(int limiteGeracoes) const;
    /// What the experiment planned; only for a header with the plan.
    [[nodiscard]] TPlanejado Planejado() const;
    [[nodiscard]] const TOrigem& Origem() const { return De; }

private:
    const TCabecalhoLido& Cabecalho;
    std::vector<std::string> Campos;
    TOrigem De;
};
