#include "TravaArquivo.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

TTrava TravaArquivo(int descritor, bool exclusiva) {
    struct flock trava {};
    trava.l_type = exclusiva ? F_WRLCK : F_RDLCK;
    trava.l_whence = SEEK_SET;  // from the start, to the end however the file grows (l_len 0)
    if (::fcntl(descritor, F_OFD_SETLK, &trava) == 0)
        return TTrava::Obtida;
    return errno == EAGAIN || errno == EACCES ? TTrava::EmUso : TTrava::SemSuporte;
}

bool ArquivoEmUso(const std::string& caminho) {
    const int descritor = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC);
    if (descritor < 0)
        return false;
    const bool emUso = TravaArquivo(descritor, false) == TTrava::EmUso;
    ::close(descritor);
    return emUso;
}
