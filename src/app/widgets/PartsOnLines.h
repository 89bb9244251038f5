#pragma once

#include <QStyledItemDelegate>

namespace app {

// Shows a grid cell whose text lists parts separated by "; " (runs of payments, a rate's steps) one part to a line,
// as the print-out does, so that a column is as wide as its widest part; the text copied, saved and printed stays
// as it is.
class PartsOnLines final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale& locale) const override;
};

} // namespace app
