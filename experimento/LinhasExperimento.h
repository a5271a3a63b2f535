#pragma once

// The rows of one experiment CSV, one at a time: the one way the summary's reader and the
// resuming of an experiment go through a file.

#include "Csv.h"
#include "LinhaCsvLida.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The text without the byte order mark that a spreadsheet may leave at its start.
std::string_view SemMarcaDeOrdem(std::string_view texto);

/// Reads the header at once and then hands out the rows in order, each with its file and
/// line; blank lines are skipped, as R's read.csv and pandas' read_csv skip them. A text that
/// breaks the CSV format, or a header of another file, throws EEntradaExperimento naming the file
/// and the line.
class TLinhasExperimento {
public:
    /// `texto` is the file's content, a byte order mark at its start left out; `arquivo`
    /// names it in messages.
    TLinhasExperimento(std::string texto, std::string arquivo);
    TLinhasExperimento(const TLinhasExperimento&) = delete;
    TLinhasExperimento& operator=(const TLinhasExperimento&) = delete;

    [[nodiscard]] const TCabecalhoLido& Cabecalho() const { return CabecalhoLido; }
    /// The next row, which refers to this reader's header; nothing after the last.
    std::optional<TLinhaLida> Proxima();

private:
    TLeitorCsv Leitor;
    std::string Arquivo;
    TCabecalhoLido CabecalhoLido;
    std::vector<std::string> Campos;
};
