#include "ProgramIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <array>
#include <memory>
#include <optional>

// The pictures live in this static library, so their resource must be registered by hand (outside a namespace).
static void registerProgramIconResource()
{
    Q_INIT_RESOURCE(programicon);
}

namespace shell {

namespace {

// A .ui icon holds one picture; the small sizes need their own to stay sharp, so the icon is built here.
constexpr std::array drawnSizes { 16, 22, 24, 32, 48, 64, 128, 256 };

QIcon decodedProgramIcon()
{
    QIcon icon;
    for (const int size : drawnSizes)
        icon.addFile(QStringLiteral(":/icons/corvanta-%1.png").arg(size), QSize(size, size));
    return icon;
}

// Adding a file to a QIcon decodes its picture at once, eight PNGs before the main window can appear. This
// engine knows the sizes without decoding and decodes them all the first time a picture is asked for,
// which on some desktops is never.
class DecodedOnFirstUse final : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().pixmap(size, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        // Every picture is drawn for the normal, off look; the others are derived from it.
        if (mode != QIcon::Normal || state != QIcon::Off)
            return {};
        QList<QSize> sizes;
        for (const int size : drawnSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine* clone() const override { return new DecodedOnFirstUse(*this); }
    QString key() const override { return QStringLiteral("DecodedOnFirstUse"); }

private:
    QIcon& decoded()
    {
        if (!*pictures)
            *pictures = decodedProgramIcon();
        return **pictures;
    }

    // Shared by the copies that clone() makes, so that the pictures are decoded once.
    std::shared_ptr<std::optional<QIcon>> pictures = std::make_shared<std::optional<QIcon>>();
};

QIcon buildProgramIcon()
{
    registerProgramIconResource();
    return QIcon(new DecodedOnFirstUse);
}

} // namespace

QIcon programIcon()
{
    // Built once, the icon is shared by every window that shows it.
    static const QIcon icon = buildProgramIcon();
    return icon;
}

} // namespace shell
