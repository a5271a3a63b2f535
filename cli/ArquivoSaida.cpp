#include "ArquivoSaida.h"

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
      Descritor(Padrao ? STDOUT_FILENO
                       : ::open(Caminho.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666)),
      UltimaDescarga(std::chrono::steady_clock::now()) {
    if (Padrao)
        Caminho = "standard output";
    struct stat estado {};
    if (Descritor < 0 || ::fstat(Descritor, &estado) != 0)
        throw EGravacao("cannot write " + Caminho + ": " + std::strerror(errno));
    EhRegular = !Padrao && S_ISREG(estado.st_mode);
}

TArquivoSaida::~TArquivoSaida() {
    if (Descritor >= 0 && !Padrao)
        ::close(Descritor);
}

bool TArquivoSaida::MesmoArquivo(const TArquivoSaida& outro) const {
    struct stat este {};
    struct stat aquele {};
    return ::fstat(Descritor, &este) == 0 && ::fstat(outro.Descritor, &aquele) == 0 &&
           ::MesmoArquivo(este, aquele);
}

void TArquivoSaida::Esvazia() {
    if (EhRegular)
        Continua(0);
}

void TArquivoSaida::Continua(std::uint64_t tamanho) {
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
