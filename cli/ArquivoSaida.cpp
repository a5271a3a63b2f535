#include "ArquivoSaida.h"

#include "TravaArquivo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t BufferGrande = std::size_t{64} * 1024;
constexpr std::chrono::milliseconds BufferVelho{250};

}  // namespace

TArquivoSaida::TArquivoSaida(std::string caminho)
    : Caminho(std::move(caminho)),
      Padrao(Caminho == SaidaPadrao),
      UltimaDescarga(std::chrono::steady_clock::now()) {
    if (Padrao) {
        Caminho = "standard output";
        Descritor = STDOUT_FILENO;
    } else {
        Descritor = ::open(Caminho.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (Descritor < 0 && (errno == EACCES || errno == EROFS)) {
            ErroEscrita = errno;
            Descritor = ::open(Caminho.c_str(), O_RDONLY | O_CLOEXEC);
            if (Descritor < 0)
                errno = ErroEscrita;
        }
    }
    struct stat estado {};
    if (Descritor < 0 || ::fstat(Descritor, &estado) != 0)
        throw EGravacao("cannot write " + Caminho + ": " + std::strerror(errno));
    EhRegular = !Padrao && S_ISREG(estado.st_mode);
}

TArquivoSaida::~TArquivoSaida() {
    if (Descritor >= 0 && !Padrao)
        ::close(Descritor);
}

// Exclusive for a writer, shared for a reader. Where the file system keeps no locks (some
// NFS mounts without a lock service), the file is written unlocked, as it was before locks.
void TArquivoSaida::Trava() {
    if (!EhRegular || TravaArquivo(Descritor, ErroEscrita == 0) != TTrava::EmUso)
        return;
    ::close(Descritor);
    Descritor = -1;
    throw EArquivoEmUso(Caminho +
                        " is in use: another quivora-run is writing it (it holds the file's "
                        "lock); wait for it to end, or name another file");
}

std::string TArquivoSaida::Conteudo() const {
    std::string texto;
    if (!EhRegular)
        return texto;
    char bloco[1 << 16];
    for (off_t posicao = 0;;) {
        const ssize_t n = ::pread(Descritor, bloco, sizeof bloco, posicao);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EGravacao("cannot read " + Caminho + ": " + std::strerror(errno));
        if (n == 0)
            return texto;
        texto.append(bloco, static_cast<std::size_t>(n));
        posicao += n;
    }
}

void TArquivoSaida::ExigeGravavel() const {
    if (ErroEscrita != 0)
        throw EGravacao("cannot write " + Caminho + ": " + std::strerror(ErroEscrita));
}

bool TArquivoSaida::TemConteudo() const {
    struct stat estado {};
    return EhRegular && ::fstat(Descritor, &estado) == 0 && estado.st_size > 0;
}

bool TArquivoSaida::MesmoArquivo(const TArquivoSaida& outro) const {
    struct stat este {};
    struct stat aquele {};
    return ::fstat(Descritor, &este) == 0 && ::fstat(outro.Descritor, &aquele) == 0 &&
           ::MesmoArquivo(este, aquele);
}

void TArquivoSaida::Esvazia() {
    ExigeGravavel();
    if (EhRegular)
        Continua(0);
}

void TArquivoSaida::Continua(std::uint64_t tamanho) {
    ExigeGravavel();
    const auto posicao = static_cast<off_t>(tamanho);
    if (::ftruncate(Descritor, posicao) != 0 || ::lseek(Descritor, posicao, SEEK_SET) < 0)
        throw EGravacao("cannot write " + Caminho + ": " + std::strerror(errno));
    Tamanho = tamanho;
}

void TArquivoSaida::Escreve(const std::string& registros) {
    Buffer += registros;
    FimRegistros.push_back(Buffer.size());
    if (Buffer.size() >= BufferGrande ||
        std::chrono::steady_clock::now() - UltimaDescarga >= BufferVelho)
        Descarrega();
}

void TArquivoSaida::Fecha() {
    Descarrega();
    if (Padrao)
        return;
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
            Falha(n < 0 ? errno : ENOSPC, feito);
        feito += static_cast<std::size_t>(n);
    }
    Tamanho += Buffer.size();
    Inteiros += static_cast<std::int64_t>(FimRegistros.size());
    Buffer.clear();
    FimRegistros.clear();
    UltimaDescarga = std::chrono::steady_clock::now();
}

// The records written whole stay; the file is cut back to the end of the last of them, and
// what was not written is dropped.
void TArquivoSaida::Falha(int erro, std::size_t feito) {
    const auto inteiros = std::upper_bound(FimRegistros.begin(), FimRegistros.end(), feito);
    const std::size_t fim = inteiros == FimRegistros.begin() ? 0 : *std::prev(inteiros);
    Inteiros += inteiros - FimRegistros.begin();
    Tamanho += fim;
    Buffer.clear();
    FimRegistros.clear();
    std::string mensagem = "cannot write " + Caminho + ": " + std::strerror(erro);
    if (EhRegular && fim < feito && ::ftruncate(Descritor, static_cast<off_t>(Tamanho)) != 0)
        mensagem += ", and the last record written in part stays in it";
    throw EGravacao(mensagem);
}
