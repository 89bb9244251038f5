#pragma once

#include <QScrollArea>

namespace app {

// A column of fields that scrolls up and down on a screen too low for it. It is as wide as its fields need,
// with room for its scroll bar, so that no field is ever cut or scrolled sideways, and as tall as they need
// where there is room. A field that takes the focus, by Tab or by a warning, scrolls into view.
class FieldsScrollArea final : public QScrollArea
{
    Q_OBJECT

public:
    explicit FieldsScrollArea(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int neededWidth() const;
    void showWhole(const QWidget& field);
};

} // namespace app
