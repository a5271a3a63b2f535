#pragma once

// Vargha and Delaney's A12, the effect size that goes with the Mann-Whitney test: how often a
// run of one configuration ends better than a run of the other.

#include <string>
#include <vector>

/// Vargha and Delaney's magnitude of an A12 by |A12 - 0.5|: below 0.06 negligible, below 0.14
/// small, below 0.21 medium, else large (A12 = 0.56, 0.64, 0.71 and their mirrors). Other
/// tools read A12 by other thresholds (Cliff's delta's 0.147, 0.33, 0.474, say).
enum class TMagnitudeA12 { Indefinida, Desprezivel, Pequena, Media, Grande };

struct TA12 {
    double Valor = 0;
    TMagnitudeA12 Magnitude = TMagnitudeA12::Indefinida;
};

/// A12 of x against y: P(X > Y) + P(X = Y) / 2 over every pair of a value of x and one of y,
/// which is the Mann-Whitney U statistic of x divided by |x| * |y|. The magnitude is judged on
/// the exact pair counts, so a value on a threshold falls where its definition puts it. NaN
/// (and Indefinida) when either is empty.
TA12 A12(std::vector<double> x, std::vector<double> y);

/// "negligible", "small", "medium", "large", as R's effsize names them; "NA" when undefined.
std::string NomeMagnitude(TMagnitudeA12 magnitude);
