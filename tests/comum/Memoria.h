#pragma once

// What the soak tests measure: the memory this process holds, in KiB.

#include <malloc.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>

#if defined(__SANITIZE_ADDRESS__)
#define QUIVORA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUIVORA_ASAN 1
#endif
#endif

#ifdef QUIVORA_ASAN
// From the sanitizers' allocator interface, which GCC does not ship as a header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

/// How much a soak lets memory grow over its runs. What the allocator keeps from one run to
/// the next wobbles by a few hundred KiB; a run that kept its report, chart points or
/// population (hundreds of KiB or more each) passes this within twenty runs.
inline constexpr long CrescimentoMaximoKiB = 2048;

/// The resident set size, once the allocator has given back to the system what it keeps
/// free: what remains is memory in use, not the allocator's caches.
inline long MemoriaResidenteKiB() {
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long total = 0;
    long residente = 0;
    statm >> total >> residente;
    return residente * (sysconf(_SC_PAGESIZE) / 1024);
}

#ifdef QUIVORA_ASAN
/// What a soak watches. AddressSanitizer holds freed blocks in a quarantine and keeps caches
/// of its own, so the resident set grows on purpose there; its count of live heap bytes is
/// what the program itself holds.
inline long MemoriaEmUsoKiB() {
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
}
inline const char* const NomeMemoriaEmUso = "live heap";
#else
inline long MemoriaEmUsoKiB() {
    return MemoriaResidenteKiB();
}
inline const char* const NomeMemoriaEmUso = "resident set";
#endif
