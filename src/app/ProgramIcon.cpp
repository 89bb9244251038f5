#include "ProgramIcon.h"

#include "ProgramIconPixels.h"

#include <QImage>
#include <QPixmap>

namespace shell {

namespace {

// A .ui icon holds one picture; the small sizes need their own to stay sharp, so the icon is built here. The
// pictures were decoded when the program was built: the images borrow those pixels, and nothing is copied
// until a desktop asks for the icon in its own form.
QIcon buildProgramIcon()
{
    QIcon icon;
    for (const IconPicture& picture : programIconPictures()) {
        const QImage image(reinterpret_cast<const uchar*>(picture.pixels), picture.size, picture.size,
            qsizetype { picture.size } * qsizetype { sizeof *picture.pixels }, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

QIcon programIcon()
{
    // Built once, the icon is shared by every window that shows it.
    static const QIcon icon = buildProgramIcon();
    return icon;
}

} // namespace shell
