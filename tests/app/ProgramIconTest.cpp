// The program's icon: a true-sized picture for each size drawn, shown by the main window and the About box.
#include "program/ProgramIcon.h"

#include "program/AboutBox.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"

#include <QImage>
#include <gtest/gtest.h>
#include <utility>

using app::AboutBox;
using app::MainWindow;

namespace {

const QList<QSize> drawnSizes = { { 16, 16 }, { 22, 22 }, { 24, 24 }, { 32, 32 }, { 48, 48 }, { 64, 64 } };

TEST(ProgramIconTest, EverySizeHasAPictureOfExactlyThatSize)
{
    EXPECT_EQ(app::programIcon().availableSizes(), drawnSizes);
    for (const QSize& size : drawnSizes) {
        const QImage picture(QStringLiteral(CORVANTA_ICON_FOLDER "/com.brellin.Corvanta-%1.png").arg(size.width()));
        EXPECT_EQ(picture.size(), size);
        // Rounded corners are (all but) transparent; the middle of the house is opaque.
        EXPECT_LT(qAlpha(picture.pixel(0, 0)), 16) << size.width();
        EXPECT_EQ(qAlpha(picture.pixel(size.width() / 2, size.height() / 2)), 255) << size.width();
        // The pixels built into the program are the PNG's, and the icon hands out the picture drawn for the size.
        constexpr auto shown = QImage::Format_ARGB32_Premultiplied;
        EXPECT_EQ(app::programIcon().pixmap(size).toImage().convertToFormat(shown), picture.convertToFormat(shown))
            << size.width();
    }
}

TEST(ProgramIconTest, OtherSizesComeFromTheNextLargerPictureAndAreNeverEnlarged)
{
    // Requested size, and the size handed out.
    const QList<std::pair<QSize, QSize>> cases = { { { 20, 20 }, { 20, 20 } }, { { 60, 60 }, { 60, 60 } },
        { { 300, 300 }, { 64, 64 } }, { { 40, 20 }, { 20, 20 } }, { { 8, 8 }, { 8, 8 } } };
    for (const auto& [asked, given] : cases) {
        EXPECT_EQ(app::programIcon().actualSize(asked), given) << asked.width() << "x" << asked.height();
        EXPECT_EQ(app::programIcon().pixmap(asked).size(), given) << asked.width() << "x" << asked.height();
    }
    // Scaled down from the 22-pixel picture, the middle of the house stays opaque.
    const QImage scaled = app::programIcon().pixmap(QSize(20, 20)).toImage();
    EXPECT_EQ(qAlpha(scaled.pixel(10, 10)), 255);
}

TEST(ProgramIconTest, DisabledLookIsDerivedFromTheNormalPicture)
{
    const QImage normal = app::programIcon().pixmap(QSize(32, 32)).toImage();
    const QImage disabled = app::programIcon().pixmap(QSize(32, 32), QIcon::Disabled).toImage();
    ASSERT_EQ(disabled.size(), normal.size());
    EXPECT_NE(disabled.convertToFormat(normal.format()), normal);
}

TEST(ProgramIconTest, MainWindowAndAboutBoxShowIt)
{
    app::ReturningUserStore store;
    MainWindow mainWindow(store);
    AboutBox about;
    for (const QWidget* window : { static_cast<QWidget*>(&mainWindow), static_cast<QWidget*>(&about) })
        EXPECT_EQ(window->windowIcon().availableSizes(), drawnSizes) << window->metaObject()->className();
}

} // namespace
