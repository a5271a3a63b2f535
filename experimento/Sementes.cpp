#include "Sementes.h"

namespace {

constexpr std::uint32_t RazaoAurea = 0x9E3779B9u;  // 2^32 / golden ratio

// The inverse of MisturaSemente: the multipliers' inverses modulo 2^32, each xor-shift undone in
// turn.
std::uint32_t DesfazMistura(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7ED1B41Du;
    h ^= (h >> 13) ^ (h >> 26);
    h *= 0xA5CB9243u;
    h ^= h >> 16;
    return h;
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
    if (sementes == TSementes::Compartilhadas || configuracao <= 1)
        return base;
    return MisturaSemente(base + static_cast<std::uint32_t>(configuracao - 1) * RazaoAurea);
}

std::uint32_t SementeBaseDoExperimento(std::uint32_t baseDaConfiguracao, int configuracao,
                                       TSementes sementes) {
    if (sementes == TSementes::Compartilhadas || configuracao <= 1)
        return baseDaConfiguracao;
    return DesfazMistura(baseDaConfiguracao) -
           static_cast<std::uint32_t>(configuracao - 1) * RazaoAurea;
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
