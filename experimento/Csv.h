#pragma once

// RFC 4180 fields and records: comma-separated, a field quoted when it holds a comma, a quote
// or a line break (quotes doubled inside), records ended by CRLF. The reader also takes LF.

#include <stdexcept>
#include <string>
#include <vector>

/// The field as it is written: quoted only when it must be.
std::string CampoCsv(const std::string& valor);

/// The fields as one record, CRLF included.
std::string RegistroCsv(const std::vector<std::string>& campos);

/// A text that breaks the format (a quote left open, text after a closing quote).
class EFormatoCsv : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Reads the records of a whole text one by one.
class TLeitorCsv {
public:
    explicit TLeitorCsv(std::string texto) : Texto(std::move(texto)) {}

    /// The next record into `campos`; false at the end of the text. Throws EFormatoCsv.
    bool Proximo(std::vector<std::string>& campos);
    /// The line on which the record last read starts, from 1.
    [[nodiscard]] int Linha() const { return LinhaRegistro; }

private:
    std::string Texto;
    std::size_t Pos = 0;
    int LinhaAtual = 1;
    int LinhaRegistro = 0;
};
