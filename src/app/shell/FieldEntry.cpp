#include "shell/FieldEntry.h"

#include "finance/NumberEntry.h"
#include "shell/Regional.h"

#include <QLineEdit>

namespace app {

finance::Extended decimalValue(const QLineEdit* field)
{
    return finance::decimalNumberEntry(field->text().toStdString(), regional());
}

std::int32_t wholeValue(const QLineEdit* field)
{
    return finance::wholeNumberEntry(field->text().toStdString());
}

} // namespace app
