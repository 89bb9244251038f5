#include "fields/DateTyping.h"

#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>

namespace app {

DateTyping::DateTyping(QDateTimeEdit* edit)
    : QObject(edit)
    , edit(edit)
{
    edit->installEventFilter(this);
}

bool DateTyping::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit || event->type() != QEvent::KeyPress || delivering)
        return false;
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (typed.size() != 1 || !typed[0].isPrint()) {
        movedOn = false;
        return false;
    }
    if (!typed[0].isDigit()) {
        const bool separatorOfAMoveMade = movedOn;
        movedOn = false;
        return separatorOfAMoveMade;
    }
    if (const QLineEdit* line = edit->findChild<QLineEdit*>();
        line && line->hasSelectedText() && line->selectedText() == line->text())
        edit->setSelectedSection(edit->sectionAt(0));
    const QDateTimeEdit::Section before = edit->currentSection();
    delivering = true;
    QCoreApplication::sendEvent(edit, event);
    delivering = false;
    movedOn = edit->currentSection() != before;
    return true;
}

} // namespace app
