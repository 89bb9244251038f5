#pragma once

#include <QSpinBox>
#include <cstdint>

namespace app {

// A spin box whose text is its value: a whole number typed outside the range stands as typed while the
// box has the focus (Enter confirms it and goes on to the window's default button) and is clamped into
// the range when the box loses the focus or the program sets the value.
class SpinEdit final : public QSpinBox
{
    Q_OBJECT
    // Only the arrows change the value; the text cannot be typed into.
    Q_PROPERTY(bool arrowsOnly READ arrowsOnly WRITE setArrowsOnly)

public:
    explicit SpinEdit(QWidget* parent = nullptr);

    bool arrowsOnly() const;
    void setArrowsOnly(bool only);

    // The text read as a whole number; the minimum when it is not one.
    std::int32_t typedValue() const;

protected:
    QValidator::State validate(QString& input, int& position) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace app
