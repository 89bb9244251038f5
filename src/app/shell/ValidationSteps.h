#pragma once

#include "Extended.h"

#include <QString>
#include <functional>
#include <initializer_list>

class QLineEdit;
class QWidget;

namespace app {

// How a field's text is read.
enum class Entry {
    Decimal,
    Whole,
};

// One check of a calculator's fields: a field fails when its text is empty, does not convert,
// or its value is not accepted.
struct ValidationStep
{
    QLineEdit* field;
    Entry entry;
    std::function<bool(finance::Extended)> accepts;
    QString message;
    // Shown instead of message when the text does not convert; empty: message is shown.
    QString notANumberMessage = {};
};

// Runs the steps in order. The first failure shows its warning, focuses its field, selects the
// field's whole text and makes this return false; nothing else is touched.
bool passes(QWidget* owner, std::initializer_list<ValidationStep> steps);

// The same test without a message: true when the field's text converts and its value is accepted.
bool fieldAccepts(const QLineEdit* field, Entry entry, const std::function<bool(finance::Extended)>& accepts);

// A test for ValidationStep::accepts: low <= value <= high.
std::function<bool(finance::Extended)> between(finance::Extended low, finance::Extended high);
std::function<bool(finance::Extended)> atLeast(finance::Extended low);

} // namespace app
