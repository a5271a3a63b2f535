#pragma once

#include <cstdint>

/// The time of day of the system clock in UTC, in milliseconds since midnight: the seed that
/// a run takes from the clock.
std::uint32_t MilissegundosDoDiaUtc();
