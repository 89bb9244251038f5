#include "FieldEntry.h"

#include "NumberEntry.h"
#include "Regional.h"

#include <QLineEdit>

namespace shell {

finance::Extended decimalValue(const QString& text)
{
    return finance::decimalNumberEntry(text.toStdString(), regional());
}

std::int32_t wholeValue(const QString& text)
{
    return finance::wholeNumberEntry(text.toStdString());
}

finance::Extended decimalValue(const QLineEdit* field)
{
    return decimalValue(field->text());
}

std::int32_t wholeValue(const QLineEdit* field)
{
    return wholeValue(field->text());
}

QString fromCore(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace shell
