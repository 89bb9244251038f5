#include "ProgramIcon.h"

#include "ProgramIconPixels.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace shell {

namespace {

// Draws one picture from its runs; an empty pixmap if the runs do not fill it exactly.
QPixmap drawn(const IconPicture& picture)
{
    QImage image(picture.size, picture.size, QImage::Format_ARGB32_Premultiplied);
    const std::uint64_t pixelCount = std::uint64_t(picture.size) * std::uint64_t(picture.size);
    if (image.isNull() || image.bytesPerLine() != qsizetype { picture.size } * 4 || picture.runs.size() % 2 != 0)
        return {};
    // Rows follow each other without padding, so the runs fill the pixels as one sequence.
    auto* pixels = reinterpret_cast<std::uint32_t*>(image.bits());
    std::uint64_t filled = 0;
    for (std::size_t i = 0; i < picture.runs.size(); i += 2) {
        const std::uint32_t count = picture.runs[i];
        if (count > pixelCount - filled)
            return {};
        std::fill_n(pixels + filled, count, picture.runs[i + 1]);
        filled += count;
    }
    if (filled != pixelCount)
        return {};
    return QPixmap::fromImage(std::move(image));
}

// The picture drawn for the smallest size that covers the request, or the largest drawn.
const IconPicture& pictureFor(const QSize& size)
{
    const auto pictures = programIconPictures();
    for (const IconPicture& picture : pictures) {
        if (picture.size >= size.width() && picture.size >= size.height())
            return picture;
    }
    return pictures.back();
}

// A .ui icon holds one picture; the small sizes need their own to stay sharp, so the icon is built here. The
// pictures were decoded from their PNGs at build time and stay in the program as runs: each request draws
// its one picture and keeps nothing, so the pixels take memory only while a desktop copies them (a window
// hands all eight sizes to the desktop as it is made), and never where no desktop asks.
class BuiltInPictures final : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap shown = pixmap(rect.size() * ratio, mode, state);
        shown.setDevicePixelRatio(ratio);
        const QRect placed
            = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, shown.deviceIndependentSize().toSize(), rect);
        painter->drawPixmap(placed, shown);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/) override
    {
        QPixmap shown = drawn(pictureFor(size));
        const QSize fitting = actualSize(size, mode, QIcon::Off);
        if (!shown.isNull() && shown.size() != fitting)
            shown = shown.scaled(fitting, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        // The disabled, active and selected looks are derived from the normal picture, as the style draws them.
        if (mode != QIcon::Normal && !shown.isNull()) {
            QStyleOption option; // the style reads the palette from it
            option.palette = QGuiApplication::palette();
            shown = QApplication::style()->generatedIconPixmap(mode, shown, &option);
        }
        return shown;
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        const int drawn = pictureFor(size).size;
        return QSize(drawn, drawn).scaled(size.boundedTo(QSize(drawn, drawn)), Qt::KeepAspectRatio);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        // Every picture is drawn for the normal, off look; the others are derived from it.
        if (mode != QIcon::Normal || state != QIcon::Off)
            return {};
        QList<QSize> sizes;
        for (const IconPicture& picture : programIconPictures())
            sizes.append(QSize(picture.size, picture.size));
        return sizes;
    }

    QIconEngine* clone() const override { return new BuiltInPictures; }
    QString key() const override { return QStringLiteral("BuiltInPictures"); }
};

} // namespace

QIcon programIcon()
{
    // Built once, the icon is shared by every window that shows it.
    static const QIcon icon(new BuiltInPictures);
    return icon;
}

} // namespace shell
