#pragma once

#include <array>
#include <atomic>
#include <cstdint>

/// Schaffer's F6 at squared radius r2: 0.5 - (sin^2(sqrt r2) - 0.5) / (1 + 0.001 r2)^2.
/// Computed in extended precision and rounded once to double; lies in (0, 1], 1 only at 0.
double F6(std::int32_t r2);

/// F6 remembered for every squared radius a run can meet (|x|, |y| <= 100, so r2 <= 20000).
/// A run evaluates F6 hundreds of thousands of times on at most 20001 distinct arguments.
///
/// One table serves the whole process, so that a new engine (each experiment's threads have
/// their own) neither clears nor computes it again. Its entries are atomics read and written
/// relaxed: two threads that meet a new radius at once compute the same value and store the
/// same bits, and no thread ever reads a torn one. Zero marks a value not computed yet: F6 is
/// above zero everywhere.
class TTabelaF6 {
public:
    static constexpr std::int32_t MaiorRaio2 = 20000;

    double operator()(std::int32_t r2) const {
        if (r2 < 0 || r2 > MaiorRaio2)
            return F6(r2);
        std::atomic<double>& lugar = Valor[static_cast<std::size_t>(r2)];
        double v = lugar.load(std::memory_order_relaxed);
        if (v == 0) {
            v = F6(r2);
            lugar.store(v, std::memory_order_relaxed);
        }
        return v;
    }

private:
    static_assert(std::atomic<double>::is_always_lock_free, "read and written in one piece");
    static inline std::array<std::atomic<double>, MaiorRaio2 + 1> Valor{};
};
