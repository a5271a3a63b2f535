#pragma once

// The parts of --help that the table of options writes: a line for each panel option, and
// the names that --vary takes.

#include <string>

/// One entry of --help: "  " and the option's head (flag and value) in a column of 21, then
/// the text, wrapped at 90 columns under its own start, as help2man reads it.
std::string EntradaAjuda(const std::string& cabeca, const std::string& texto);

/// The entries of the panel's options, in the table's order.
std::string AjudaPainel();

/// The names --vary takes: "pop, chrom, ..., stop; elitism, scaling, parallel with on/off".
std::string NomesVariaveis();
