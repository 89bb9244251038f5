#include "program/ShortcutsHelp.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

namespace app {

namespace {

// A caption as a name: no keyboard letter mark, no dots of a command that opens a window.
QString plainText(const QAction& action)
{
    QString text = action.text().remove(u'&');
    while (text.endsWith(u'.') || text.endsWith(u'\u2026'))
        text.chop(1);
    return text.trimmed();
}

QString keysOf(const QAction& action)
{
    return action.shortcut().toString(QKeySequence::NativeText);
}

QString line(const QAction& action)
{
    const QString answers = action.whatsThis();
    return keysOf(action) + QStringLiteral(" \u2014 ") + plainText(action)
        + (answers.isEmpty() ? QString() : QStringLiteral(": ") + answers);
}

} // namespace

QString keyboardShortcutsText(const QMenuBar& menus, const QList<const QWidget*>& toolWindows)
{
    QStringList everywhere;
    QStringList mainWindow;
    QStringList menuKeys;
    for (const QAction* menuAction : menus.actions()) {
        if (const QKeySequence key = QKeySequence::mnemonic(menuAction->text()); !key.isEmpty())
            menuKeys.append(key.toString(QKeySequence::NativeText) + QStringLiteral(" \u2014 the ")
                + plainText(*menuAction) + QStringLiteral(" menu"));
        if (!menuAction->menu())
            continue;
        for (const QAction* action : menuAction->menu()->actions()) {
            if (action->shortcut().isEmpty())
                continue;
            (action->shortcutContext() == Qt::ApplicationShortcut ? everywhere : mainWindow).append(line(*action));
        }
    }
    // Enter is no action: a filter in each window takes it.
    everywhere << QStringLiteral("Enter \u2014 Calculate, or the button that has the focus");
    QStringList text;
    text << QStringLiteral("In every window of the program:") << everywhere << QString();
    text << QStringLiteral("In the main window:") << mainWindow << menuKeys;
    for (const QWidget* window : toolWindows) {
        QStringList own;
        for (const QAction* action : window->findChildren<QAction*>())
            if (!action->shortcut().isEmpty())
                own.append(line(*action));
        if (!own.isEmpty())
            text << QString() << QStringLiteral("In the %1 window:").arg(window->windowTitle().simplified()) << own;
    }
    return text.join(u'\n');
}

} // namespace app
