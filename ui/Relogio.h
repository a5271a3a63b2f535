#pragma once

#include <cstdint>
#include <functional>

/// Where a run's seed comes from: milliseconds since midnight. Tests pass a fixed one.
using TRelogio = std::function<std::uint32_t()>;

/// The time of day of the system clock in UTC, in milliseconds since midnight.
std::uint32_t RelogioUtc();
