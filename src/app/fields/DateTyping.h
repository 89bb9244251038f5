#pragma once

#include <QObject>

class QDateTimeEdit;

namespace app {

// Digits typed into a date field go where they are typed, in every regional order. Qt's date field moves on to
// the next part by itself once a part can take no more digits ("15" for a day, "3" for a month) and then takes
// the separator the user types next as a move to the part after that; and with the whole text selected it drops
// the first part typed. So a separator typed after such a move is dropped, and typing over the whole text
// starts at the first part.
class DateTyping final : public QObject
{
public:
    explicit DateTyping(QDateTimeEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDateTimeEdit* edit;
    bool movedOn = false; // the last digit filled its part, and the field moved on
    bool delivering = false;
};

} // namespace app
