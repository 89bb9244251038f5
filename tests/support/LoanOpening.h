#pragma once

#include "calculators/loan/LoanMatrix.h"
#include "fields/Regional.h"

#include <QString>

// The matrix's opening from the loan page's amount, years and rate as typed.
inline calculators::MatrixOpening loanOpening(const QString& amount, const QString& years, const QString& rate)
{
    return calculators::matrixOpening(
        { { "amount", amount.toStdString() }, { "years", years.toStdString() }, { "rate", rate.toStdString() } },
        app::regional());
}
