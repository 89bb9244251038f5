#include "ProgramIcon.h"

// The pictures live in this static library, so their resource must be registered by hand (outside a namespace).
static void registerProgramIconResource()
{
    Q_INIT_RESOURCE(programicon);
}

namespace shell {

namespace {

QIcon buildProgramIcon()
{
    registerProgramIconResource();
    // A .ui icon holds one picture; the small sizes need their own to stay sharp, so the icon is built here.
    QIcon icon;
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/icons/corvanta-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

QIcon programIcon()
{
    // Adding a file decodes its picture at once; built once, the icon is shared by every window that shows it.
    static const QIcon icon = buildProgramIcon();
    return icon;
}

} // namespace shell
