#pragma once

#include <iosfwd>

/// Flushes `saida`, standard output or standard error, and tells whether everything written
/// to it went out: false, having said why on stderr, when a write failed or was cut short (a
/// full disk, a file size limit), so that the program does not end as if it had.
bool SaidaCompleta(std::ostream& saida);
