#include "Progresso.h"

#include <unistd.h>
#include <cstdio>

namespace {

constexpr std::chrono::milliseconds Intervalo{100};

}  // namespace

TProgresso::TProgresso(std::int64_t total)
    : Total(total),
      Terminal(::isatty(STDERR_FILENO) == 1),
      Inicio(std::chrono::steady_clock::now()),
      UltimaVez(Inicio) {}

void TProgresso::Avanca() {
    ++Feitas;
    if (!Terminal)
        return;
    const auto agora = std::chrono::steady_clock::now();
    if (agora - UltimaVez < Intervalo && Feitas < Total)
        return;
    UltimaVez = agora;
    const std::chrono::duration<double> decorrido = agora - Inicio;
    std::fprintf(stderr, "\rquivora-run: %lld/%lld runs (%d%%), %.1f s",
                 static_cast<long long>(Feitas), static_cast<long long>(Total),
                 static_cast<int>(100 * Feitas / Total), decorrido.count());
    std::fflush(stderr);
    Mostrada = true;
}

void TProgresso::Apaga() {
    if (Mostrada)
        std::fputs("\r\033[K", stderr);
    Mostrada = false;
}
