#include "dialogs/GuardedHandler.h"

#include "dialogs/Dialogs.h"
#include "finance/FinanceErrors.h"

#include <exception>
#include <new>

namespace app {

QString errorBoxText(const QString& message)
{
    return QString::fromStdString(finance::errorBoxText(message.toStdString()));
}

void runGuarded(QWidget* owner, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::bad_alloc&) {
        dialogs().error(owner, QStringLiteral("Out of memory."));
    } catch (const std::exception& error) {
        dialogs().error(owner, errorBoxText(QString::fromUtf8(error.what())));
    }
}

} // namespace app
