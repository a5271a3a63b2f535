#pragma once

#include "CaminhoSaidaPadrao.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

/// An output file that cannot be opened or written. what() names it and says why.
class EGravacao : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// An output file that another process is writing: every writer of an experiment file holds
/// a lock on it. what() names the file.
class EArquivoEmUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// True when two files' status describes one file, whatever paths led to it.
inline bool MesmoArquivo(const struct stat& um, const struct stat& outro) {
    return um.st_dev == outro.st_dev && um.st_ino == outro.st_ino;
}

/// An output file written in whole records: records gather in a buffer that goes to the file
/// in one write() when it grows large or old, so that the file ends after a whole record
/// however the program is stopped, and a reader following it sees rows as runs finish. A
/// write that fails part of the way (a full disk, a file size limit) cuts the file back to its
/// last whole record. The path "-" is standard output, which is neither emptied nor cut back.
///
/// A regular file is locked before it is written (an open file description lock, which NFS
/// also honours where the system offers it), and stays locked until it is closed, so that two
/// writers never interleave their rows: the second is refused before it touches the file.
class TArquivoSaida {
public:
    /// Opens the file for writing, creating it if need be, but leaves what it holds until
    /// Esvazia or Continua: an experiment that stops at its other file must not have emptied
    /// this one. A file that may only be read is opened for reading, so that a finished
    /// experiment can still be read back; writing it then throws. Throws EGravacao.
    explicit TArquivoSaida(std::string caminho);
    ~TArquivoSaida();
    TArquivoSaida(const TArquivoSaida&) = delete;
    TArquivoSaida& operator=(const TArquivoSaida&) = delete;

    /// Locks a regular file: exclusively, or shared when it may only be read. Throws
    /// EArquivoEmUso, naming the file, when another writer holds its lock.
    void Trava();
    /// True when both name one file, whatever the paths look like.
    [[nodiscard]] bool MesmoArquivo(const TArquivoSaida& outro) const;
    /// What the file holds now, read from its start: empty for anything but a regular file.
    /// Throws EGravacao.
    [[nodiscard]] std::string Conteudo() const;
    /// Throws EGravacao when the file may only be read.
    void ExigeGravavel() const;
    /// Empties the file: a regular file; standard output, a pipe or a device have nothing to
    /// empty. Throws EGravacao.
    void Esvazia();
    /// Keeps the first `tamanho` bytes of the file and writes on after them. Throws EGravacao.
    void Continua(std::uint64_t tamanho);
    /// Appends whole records. Throws EGravacao.
    void Escreve(const std::string& registros);
    /// Sends everything buffered to the file and closes it. Throws EGravacao.
    void Fecha();
    /// The calls of Escreve whose records the file holds whole (after Continua, those since).
    [[nodiscard]] std::int64_t Gravados() const { return Inteiros; }
    /// A regular file named by its path, which is emptied and cut back as said above.
    [[nodiscard]] bool Regular() const { return EhRegular; }
    /// Opened for writing, not only for reading.
    [[nodiscard]] bool Gravavel() const { return ErroEscrita == 0; }
    /// A regular file that holds something.
    [[nodiscard]] bool TemConteudo() const;

private:
    void Descarrega();
    [[noreturn]] void Falha(int erro, std::size_t feito);

    std::string Caminho;
    bool Padrao;  ///< standard output
    int Descritor = -1;
    bool EhRegular = false;
    int ErroEscrita = 0;                    ///< why the file was opened only for reading
    std::uint64_t Tamanho = 0;              ///< bytes in the file, all of whole records
    std::string Buffer;                     ///< records not yet written
    std::vector<std::size_t> FimRegistros;  ///< where each Escreve call ends in Buffer
    std::int64_t Inteiros = 0;
    std::chrono::steady_clock::time_point UltimaDescarga;
};
