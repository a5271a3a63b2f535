#include "Aleatorio.h"

// The blocks of draws are the engine's innermost loops: on x86-64 they are built twice, for
// AVX2 and for the baseline instruction set, and the loader picks the one the processor runs.
// Not under a sanitizer: the loader calls the picking function before the sanitizer's runtime
// is up, and an instrumented one crashes there.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_THREAD__) && \
    !defined(__SANITIZE_ADDRESS__)
#define QUIVORA_VETORES __attribute__((target_clones("avx2", "default")))
#else
#define QUIVORA_VETORES
#endif

namespace {

QUIVORA_VETORES void Abaixo(const TSaltosLcg& saltos, std::uint32_t semente, std::uint32_t limite,
                            std::uint8_t* abaixo, int n) {
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k)
        abaixo[k] = saltos.Mult[k] * semente + saltos.Soma[k] < limite ? 1 : 0;
}

}  // namespace

void SementesAbaixo(const TSaltosLcg& saltos, std::uint32_t semente, std::uint32_t limite,
                    std::uint8_t* abaixo, int n) {
    Abaixo(saltos, semente, limite, abaixo, n);
}
