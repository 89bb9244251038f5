#pragma once

#include <QString>

namespace app {

// What the loan's windows take from the loan page: the field texts as they stand.
struct LoanPageTexts
{
    QString amount;
    QString years;
    QString rate;
};

} // namespace app
