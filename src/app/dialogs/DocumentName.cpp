#include "dialogs/DocumentName.h"

#include "dialogs/ApplicationTitle.h"

#include <QTabWidget>
#include <QWidget>

namespace app {

namespace {

// The title as a name: a caption's keyboard letter marks and doubled blanks go (" Loan Payment Matrix").
QString plainTitle(QString title)
{
    return title.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&').simplified();
}

QString title(const QWidget& shown)
{
    // A tab's page sits in the tab widget's stack of pages.
    for (const QWidget* widget = &shown; !widget->isWindow(); widget = widget->parentWidget()) {
        const QWidget* stack = widget->parentWidget();
        if (const auto* tabs = qobject_cast<const QTabWidget*>(stack->parentWidget()))
            if (const int index = tabs->indexOf(const_cast<QWidget*>(widget)); index >= 0)
                return tabs->tabText(index);
    }
    return shown.window()->windowTitle();
}

} // namespace

QString documentName(const QWidget& shown)
{
    const QString name = plainTitle(title(shown));
    return name.isEmpty() ? applicationTitle() : applicationTitle() + u' ' + name;
}

QString csvFileName(const QWidget& shown)
{
    return documentName(shown) + QStringLiteral(".csv");
}

} // namespace app
