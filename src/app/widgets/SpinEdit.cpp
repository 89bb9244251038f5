#include "widgets/SpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>

namespace app {

SpinEdit::SpinEdit(QWidget* parent)
    : QSpinBox(parent)
{ }

bool SpinEdit::arrowsOnly() const
{
    return lineEdit()->isReadOnly();
}

void SpinEdit::setArrowsOnly(bool only)
{
    lineEdit()->setReadOnly(only);
}

std::int32_t SpinEdit::typedValue() const
{
    // The text is a whole number or a lone sign (validate() keeps it so); a lone sign is the minimum.
    bool isNumber = false;
    const int value = cleanText().toInt(&isNumber);
    return isNumber ? value : minimum();
}

QValidator::State SpinEdit::validate(QString& input, int&) const
{
    // Any whole number may be typed, in range or not; a lone sign is on its way to one.
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]{1,10}$"));
    static const QRegularExpression started(QStringLiteral("^[+-]?$"));
    if (number.match(input).hasMatch())
        return QValidator::Acceptable;
    return started.match(input).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

void SpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The typed text stays as it is; the window's default button takes the key.
        Q_EMIT editingFinished();
        event->ignore();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void SpinEdit::focusOutEvent(QFocusEvent* event)
{
    const int clamped = std::clamp(typedValue(), minimum(), maximum());
    QSpinBox::focusOutEvent(event);
    setValue(clamped);
    lineEdit()->setText(textFromValue(value()));
}

} // namespace app
