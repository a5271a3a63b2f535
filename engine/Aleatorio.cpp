#include "Aleatorio.h"

QUIVORA_VETORES void SementesAbaixo(const TSaltosLcg& saltos, std::uint32_t semente,
                                    std::uint32_t limite, std::uint8_t* abaixo, int n) {
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k)
        abaixo[k] = saltos.Mult[k] * semente + saltos.Soma[k] < limite ? 1 : 0;
}
