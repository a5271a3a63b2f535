#include "Sementes.h"

namespace {

// Configuration k's offset from the experiment's base seed, modulo 2^32.
std::uint32_t Deslocamento(int configuracao, TSementes sementes) {
    if (sementes == TSementes::Compartilhadas || configuracao <= 1)
        return 0;
    return static_cast<std::uint32_t>(configuracao - 1) * PassoSementesIndependentes;
}

}  // namespace

std::uint32_t MisturaSemente(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

std::uint32_t SementeBaseDaConfiguracao(std::uint32_t base, int configuracao, TSementes sementes) {
    return base + Deslocamento(configuracao, sementes);
}

std::uint32_t SementeBaseDoExperimento(std::uint32_t baseDaConfiguracao, int configuracao,
                                       TSementes sementes) {
    return baseDaConfiguracao - Deslocamento(configuracao, sementes);
}

std::optional<std::uint32_t> BaseDeSementesIndependentes(const std::vector<std::uint32_t>& bases,
                                                         const std::vector<int>& configuracoes) {
    if (bases.size() < 2 || bases.size() != configuracoes.size())
        return std::nullopt;
    const std::uint32_t base =
        SementeBaseDoExperimento(bases.front(), configuracoes.front(), TSementes::Independentes);
    for (std::size_t k = 0; k < bases.size(); ++k)
        if (SementeBaseDaConfiguracao(base, configuracoes[k], TSementes::Independentes) != bases[k])
            return std::nullopt;
    return base;
}
