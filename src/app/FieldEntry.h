#pragma once

#include "Extended.h"

#include <QString>
#include <cstdint>

class QLineEdit;

namespace shell {

// A field's text read by the decimal and whole number entry rules with the regional settings;
// text that does not convert raises EConvertError.
finance::Extended decimalValue(const QString& text);
std::int32_t wholeValue(const QString& text);
finance::Extended decimalValue(const QLineEdit* field);
std::int32_t wholeValue(const QLineEdit* field);

// Text written into a field or a label from the core's UTF-8.
QString fromCore(const std::string& text);

} // namespace shell
