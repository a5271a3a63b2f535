#pragma once

#include <string>

/// The path that names standard output, as Unix tools take it.
inline const std::string SaidaPadrao = "-";
