#include "GuardaSinais.h"

namespace {

std::atomic<bool> Sinalizado = false;
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void AoInterromper(int /*sinal*/) {
    Sinalizado.store(true);
}

}  // namespace

TGuardaSinais::TGuardaSinais() {
    Sinalizado = false;
    struct sigaction acao {};
    acao.sa_handler = AoInterromper;
    acao.sa_flags = SA_RESTART;  // as signal() installs it: system calls go on
    sigemptyset(&acao.sa_mask);
    sigaction(SIGINT, &acao, &AnteriorInt);
    sigaction(SIGTERM, &acao, &AnteriorTerm);
}

TGuardaSinais::~TGuardaSinais() {
    sigaction(SIGINT, &AnteriorInt, nullptr);
    sigaction(SIGTERM, &AnteriorTerm, nullptr);
}

const std::atomic<bool>& TGuardaSinais::Interrompido() {
    return Sinalizado;
}

void IgnoraLimiteDeTamanho() {
    std::signal(SIGXFSZ, SIG_IGN);
}
