#pragma once

// How an experiment gives its runs their seeds. With shared seeds (the default) run i of every
// configuration starts from the same seed, so that the configurations meet the same initial
// populations and their runs pair by index; with independent seeds each configuration draws
// from a range of seeds of its own, which no other configuration's runs use.

#include <cstdint>
#include <optional>
#include <vector>

enum class TSementes { Compartilhadas, Independentes };

/// With independent seeds, how far apart the base seeds of consecutive configurations are: no
/// configuration has more runs, so their seeds never meet (10000 configurations of 100000 runs
/// take 10^9 of the 2^32 seeds).
inline constexpr std::uint32_t PassoSementesIndependentes = 100000;

/// MurmurHash3's 32-bit finalizer: a bijection that spreads every bit of `h` over the result,
/// so that nearby seeds give unrelated ones.
std::uint32_t MisturaSemente(std::uint32_t h);

/// The base seed of configuration `configuracao` (from 1): run i uses it + i (mod 2^32).
/// Shared: the experiment's base seed itself. Independent: base + (k - 1) *
/// PassoSementesIndependentes for configuration k. A function of the base seed and the
/// configuration only: the same for any --jobs, shard or resumed file.
std::uint32_t SementeBaseDaConfiguracao(std::uint32_t base, int configuracao, TSementes sementes);

/// The experiment's base seed that gives configuration `configuracao` the base seed
/// `baseDaConfiguracao` under the scheme: the inverse of SementeBaseDaConfiguracao.
std::uint32_t SementeBaseDoExperimento(std::uint32_t baseDaConfiguracao, int configuracao,
                                       TSementes sementes);

/// The experiment's base seed when the base seeds of the configurations numbered
/// `configuracoes` (each from 1) are those of independent seeds from one base; nothing
/// otherwise, or when fewer than two configurations say.
std::optional<std::uint32_t> BaseDeSementesIndependentes(const std::vector<std::uint32_t>& bases,
                                                         const std::vector<int>& configuracoes);
