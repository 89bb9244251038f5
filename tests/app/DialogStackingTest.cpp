// Boxes and dialogs open above every window of the program, the stay-on-top ones included, and in the
// system's normal font whatever window owns them. A window manager keeps a stay-on-top window above every
// window without that hint, so a box without it would open hidden under the prepayment window.
#include "Controls.h"
#include "LoanOpening.h"
#include "ModalHelper.h"
#include "RecordingDialogs.h"
#include "dialogs/Dialogs.h"
#include "loan/MatrixWindow.h"
#include "loan/PrepaymentWindow.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
using app::MainWindow;
using app::MatrixWindow;
using app::PrepaymentWindow;

namespace {

// What keeps a box in sight: the stay-on-top hint, and no bold text borrowed from its owner's style sheet.
std::string whatHidesOrBolds(QWidget* box)
{
    std::string faults;
    if (!box->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        faults += "not above stay-on-top windows; ";
    for (const QWidget* text : box->findChildren<QWidget*>())
        if ((qobject_cast<const QLabel*>(text) || qobject_cast<const QAbstractButton*>(text)) && text->isVisible()
            && text->font().bold())
            faults += "bold " + text->objectName().toStdString() + "; ";
    return faults;
}

class DialogStackingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app::installDialogs(nullptr);
        window.show();
        prepayment.show();
        matrix.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&matrix));
    }
    void TearDown() override { app::installDialogs(&recordedDialogs()); }

    // Opens a box with the real dialogs and returns what would hide it, closing it as it shows.
    std::string faultsOf(const std::function<void()>& open)
    {
        std::string faults = "never shown";
        whenModalShows([&faults](QWidget* box) {
            faults = whatHidesOrBolds(box);
            box->close();
        });
        open();
        return faults;
    }

    app::ReturningUserStore store;
    MainWindow window { store };
    PrepaymentWindow prepayment;
    MatrixWindow matrix { loanOpening(QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7")) };
};

TEST_F(DialogStackingTest, EveryBoxOpensAboveEveryWindowInTheNormalFont)
{
    const struct
    {
        const char* owner;
        QWidget* window;
    } owners[] = { { "main window", &window }, { "prepayment", &prepayment }, { "matrix", &matrix } };
    const auto text = QStringLiteral("A message.");
    for (const auto& [name, owner] : owners) {
        SCOPED_TRACE(name);
        EXPECT_EQ(faultsOf([&] { app::dialogs().warning(owner, text); }), "") << "warning";
        EXPECT_EQ(faultsOf([&] { app::dialogs().information(owner, text); }), "") << "information";
        EXPECT_EQ(faultsOf([&] { app::dialogs().error(owner, text); }), "") << "error box";
        EXPECT_EQ(faultsOf([&] {
            app::dialogs().chooseSaveFile(owner, QStringLiteral("Save"), QStringLiteral("a.csv"), QString());
        }),
            "")
            << "save dialog";
    }
    EXPECT_EQ(faultsOf([this] { find<QAction>(window, "AboutAction")->trigger(); }), "") << "About box";

    // The windows themselves keep their own stacking: only the boxes were raised.
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(prepayment.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(matrix.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace
