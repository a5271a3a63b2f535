#pragma once

// The locks that keep two writers of one experiment file apart: quivora-run holds one on every
// file it writes, and the window does not put a file in the place of one being written.

#include <string>

/// What a request for a lock got.
enum class TTrava {
    Obtida,     ///< held until the file's last descriptor of this opening is closed
    EmUso,      ///< another opening of the file holds a conflicting lock
    SemSuporte  ///< the file system keeps no locks (some NFS mounts without a lock service)
};

/// Locks the whole open file at once, without waiting: exclusively for a writer, shared for a
/// reader. An open file description lock: it conflicts with every other opening of the file,
/// in this process too, and NFS keeps it where the system offers locks.
TTrava TravaArquivo(int descritor, bool exclusiva);

/// True when a writer holds the lock of the file at `caminho` now.
bool ArquivoEmUso(const std::string& caminho);
