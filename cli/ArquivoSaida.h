#pragma once

#include <chrono>
#include <stdexcept>
#include <string>

/// An output file that cannot be opened or written. what() names it and says why.
class EGravacao : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// An output file written in whole records: records gather in a buffer that goes to the file
/// in one write() when it grows large or old, so that the file ends after a whole record
/// however the program is stopped, and a reader following it sees rows as runs finish.
class TArquivoSaida {
public:
    /// Opens the file for writing, creating it if need be, but leaves what it holds until
    /// Esvazia: an experiment that stops at its other file must not have emptied this one.
    /// Throws EGravacao.
    explicit TArquivoSaida(std::string caminho);
    ~TArquivoSaida();
    TArquivoSaida(const TArquivoSaida&) = delete;
    TArquivoSaida& operator=(const TArquivoSaida&) = delete;

    /// True when both name one file, whatever the paths look like.
    [[nodiscard]] bool MesmoArquivo(const TArquivoSaida& outro) const;
    /// Empties the file. Throws EGravacao.
    void Esvazia();
    /// Appends whole records. Throws EGravacao.
    void Escreve(const std::string& registros);
    /// Sends everything buffered to the file and closes it. Throws EGravacao.
    void Fecha();

private:
    void Descarrega();

    std::string Caminho;
    int Descritor = -1;
    std::string Buffer;
    std::chrono::steady_clock::time_point UltimaDescarga;
};
