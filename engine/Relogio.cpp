#include "Relogio.h"

#include <chrono>

std::uint32_t MilissegundosDoDiaUtc() {
    using namespace std::chrono;
    // The system clock counts UTC without leap seconds, so days are exactly 86400 s long.
    const auto agora = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(agora.count() % 86'400'000);
}
