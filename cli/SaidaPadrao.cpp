#include "SaidaPadrao.h"

#include <cerrno>
#include <cstring>
#include <iostream>

bool SaidaCompleta(std::ostream& saida) {
    saida.flush();
    if (saida)
        return true;
    // The stream keeps no error of its own; the C library's, set by the write that failed,
    // is the one to tell.
    const int erro = errno;
    std::cerr << "quivora-run: cannot write "
              << (&saida == &std::cerr ? "standard error" : "standard output") << ": "
              << std::strerror(erro) << '\n';
    return false;
}
