#pragma once

#include <stdexcept>
#include <string>

/// A text that is not a number under the user's decimal separator. what() is the message the
/// user sees: "'TEXT' is not a valid floating point value."
class EConversao : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The general number format of the report and of the tolerance text: at most 15 significant
/// digits, correctly rounded, no trailing zeros, no decimal part for whole values, the given
/// decimal separator; exponent notation ("1,5E-7", "1E20") only below 1E-4 or from 1E15 on.
std::string FormataReal(double valor, const std::string& separador);

/// Reads a number written with the given decimal separator: optional blanks, an optional sign,
/// digits with at most one separator, an optional exponent (E or e, optional sign, digits),
/// optional blanks. The value is rounded once to extended precision, then to double.
/// Throws EConversao for anything else, for an empty text and for a value out of range.
double LeReal(const std::string& texto, const std::string& separador);
