#pragma once

#include <QString>
#include <random>

// Texts a user might type into any field, hostile ones mostly: empty and blank texts, signs, huge and
// tiny exponents, words a number reader might take for infinity or not-a-number, separators, currency
// signs, tabs, non-ASCII digits and letters, very long texts; plausible numbers too, so that
// calculations succeed and the windows behind them open.
QString hostileText(std::mt19937& random);
