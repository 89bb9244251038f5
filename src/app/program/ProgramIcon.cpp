#include "program/ProgramIcon.h"

#include <QSize>
#include <QString>

// The pictures live in this static library, so their resource must be registered by hand, and outside any
// namespace.
static void registerIconResource()
{
    Q_INIT_RESOURCE(icons);
}

namespace app {

QIcon programIcon()
{
    registerIconResource();
    QIcon icon;
    for (const int size : programIconSizes)
        icon.addFile(QStringLiteral(":/icons/corvanta-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace app
