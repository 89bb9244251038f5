#include "widgets/PartsOnLines.h"

namespace app {

QString PartsOnLines::displayText(const QVariant& value, const QLocale& locale) const
{
    // The views break lines at the line separator, to which they turn a text's own line feeds too.
    return QStyledItemDelegate::displayText(value, locale).replace(QStringLiteral("; "), QString(QChar::LineSeparator));
}

} // namespace app
