#pragma once

#include <csignal>

#include <atomic>

/// While it lives, Ctrl-C and a termination request only set Interrompido(): no new run
/// starts, the ones under way are abandoned, and the rows of the runs done are still written.
/// However the experiment ends, the handlers from before it are put back.
class TGuardaSinais {
public:
    TGuardaSinais();
    ~TGuardaSinais();
    TGuardaSinais(const TGuardaSinais&) = delete;
    TGuardaSinais& operator=(const TGuardaSinais&) = delete;

    [[nodiscard]] static const std::atomic<bool>& Interrompido();

private:
    struct sigaction AnteriorInt {};
    struct sigaction AnteriorTerm {};
};

/// A file size limit then fails the write that passes it, as a full disk does, instead of
/// killing the program in the middle of a row or of a summary: the failure is then said, with
/// its exit status. For the whole process, from its start.
void IgnoraLimiteDeTamanho();
