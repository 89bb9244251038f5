#include "ProgramIcon.h"

// The pictures live in this static library, so their resource must be registered by hand (outside a namespace).
static void registerProgramIconResource()
{
    Q_INIT_RESOURCE(programicon);
}

namespace shell {

QIcon programIcon()
{
    registerProgramIconResource();
    // A .ui icon holds one picture; the small sizes need their own to stay sharp, so the icon is built here.
    QIcon icon;
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/icons/corvanta-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace shell
