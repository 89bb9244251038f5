#pragma once

#include "finance/Extended.h"

#include <cstdint>

class QLineEdit;

namespace app {

// A field's text read by the decimal and whole number entry rules with the regional settings;
// text that does not convert raises EConvertError.
finance::Extended decimalValue(const QLineEdit* field);
std::int32_t wholeValue(const QLineEdit* field);

} // namespace app
