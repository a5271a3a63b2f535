#include "ArquivoSaida.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t BufferGrande = std::size_t{64} * 1024;
constexpr std::chrono::milliseconds BufferVelho{250};

}  // namespace

TArquivoSaida::TArquivoSaida(std::string caminho)
    : Caminho(std::move(caminho)),
      Descritor(::open(Caminho.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666)),
      UltimaDescarga(std::chrono::steady_clock::now()) {
    if (Descritor < 0)
        throw EGravacao("cannot write " + Caminho + ": " + std::strerror(errno));
}

TArquivoSaida::~TArquivoSaida() {
    if (Descritor >= 0)
        ::close(Descritor);
}

bool TArquivoSaida::MesmoArquivo(const TArquivoSaida& outro) const {
    struct stat este {};
    struct stat aquele {};
    return ::fstat(Descritor, &este) == 0 && ::fstat(outro.Descritor, &aquele) == 0 &&
           este.st_dev == aquele.st_dev && este.st_ino == aquele.st_ino;
}

void TArquivoSaida::Esvazia() {
    if (::ftruncate(Descritor, 0) != 0)
        throw EGravacao("cannot write " + Caminho + ": " + std::strerror(errno));
}

void TArquivoSaida::Escreve(const std::string& registros) {
    Buffer += registros;
    if (Buffer.size() >= BufferGrande ||
        std::chrono::steady_clock::now() - UltimaDescarga >= BufferVelho)
        Descarrega();
}

void TArquivoSaida::Fecha() {
    Descarrega();
    const int descritor = Descritor;
    Descritor = -1;
    if (::close(descritor) != 0)
        throw EGravacao("cannot write " + Caminho + ": " + std::strerror(errno));
}

void TArquivoSaida::Descarrega() {
    std::size_t feito = 0;
    while (feito < Buffer.size()) {
        const ssize_t n = ::write(Descritor, Buffer.data() + feito, Buffer.size() - feito);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw EGravacao("cannot write " + Caminho + ": " + std::strerror(errno));
        feito += static_cast<std::size_t>(n);
    }
    Buffer.clear();
    UltimaDescarga = std::chrono::steady_clock::now();
}
