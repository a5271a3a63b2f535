#include "ArquivoParcial.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

TArquivoParcial::TArquivoParcial(std::string destino) : Destino(std::move(destino)) {
    const std::filesystem::path alvo(Destino);
    // Hidden, and named after the final file, for anyone who looks while it grows.
    std::string oculto = ".";
    oculto += alvo.filename().string();
    oculto += ".parcial-";
    const std::string base = (alvo.parent_path() / oculto).string();
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        std::string nome = base + std::to_string(::getpid()) + "-" + std::to_string(tentativa);
        const int arquivo = ::open(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (arquivo >= 0) {
            ::close(arquivo);
            Caminho = std::move(nome);
            return;
        }
        if (errno != EEXIST)
            break;
    }
    FErro = std::strerror(errno);
}

TArquivoParcial::~TArquivoParcial() {
    if (Valido())
        std::remove(Caminho.c_str());
}

bool TArquivoParcial::Conclui() {
    if (std::rename(Caminho.c_str(), Destino.c_str()) != 0) {
        FErro = std::strerror(errno);
        return false;
    }
    Caminho.clear();
    return true;
}
