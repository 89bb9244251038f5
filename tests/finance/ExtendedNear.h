#pragma once

#include "finance/Extended.h"
#include "finance/FinanceErrors.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <iomanip>
#include <sstream>
#include <string>

// GoogleTest's floating-point assertions work in double; these keep all 64 significand bits.
inline ::testing::AssertionResult NearRelative(
    finance::Extended actual, finance::Extended expected, finance::Extended relativeTolerance)
{
    const finance::Extended allowed = relativeTolerance * std::fabs(expected);
    if (std::fabs(actual - expected) <= allowed)
        return ::testing::AssertionSuccess();
    std::ostringstream text;
    text << std::setprecision(21) << actual << " differs from " << expected << " by more than " << allowed;
    return ::testing::AssertionFailure() << text.str();
}

// The message of the finance error that call raises, or a note that it raised none.
inline std::string RaisedMessage(const std::function<finance::Extended()>& call)
{
    try {
        std::ostringstream text;
        text << "no error, result " << std::setprecision(21) << call();
        return text.str();
    } catch (const finance::FinanceError& e) {
        return e.what();
    }
}
