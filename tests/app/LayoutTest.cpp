// The windows as designed: positions, fonts, and nothing cut off.
#include "FinCal.h"
#include "FirstRunStore.h"
#include "RecordingDialogs.h"

#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class NoWelcome final : public shell::FirstRunStore
{
public:
    bool hasRunBefore() const override { return true; }
    void rememberRun() override { }
};

class LayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordedDialogs().reset();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget* control(const char* name)
    {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    NoWelcome store;
    TForm1 window { store };
};

TEST_F(LayoutTest, LoanPageControlsSitWhereDesigned)
{
    struct Placement
    {
        const char* name;
        QRect geometry;
    };
    const Placement placements[] = {
        { "Memo1", { 7, 7, 521, 73 } },
        { "Label15", { 258, 90, 184, 18 } },
        { "GroupBox1", { 3, 106, 134, 68 } },
        { "RadioLoanPayment", { 8, 20, 122, 17 } },
        { "RadioLoanAmount", { 8, 42, 122, 17 } },
        { "Edit9", { 176, 133, 49, 22 } },
        { "Edit10", { 262, 133, 49, 22 } },
        { "EditLoanPayment", { 353, 133, 64, 22 } },
        { "Edit11", { 464, 133, 65, 22 } },
        { "ButtonCalcLoanPayment", { 333, 178, 98, 32 } },
        { "MemoLoanAnalysis", { 12, 215, 515, 105 } },
        { "BitBtn1", { 538, 238, 41, 46 } },
        { "ButtonLoanMatrix", { 14, 325, 71, 25 } },
        { "Button6", { 93, 325, 71, 25 } },
        { "Button7", { 171, 325, 71, 25 } },
        { "PanelLoanOutput", { 271, 326, 316, 24 } },
    };
    for (const auto& [name, geometry] : placements)
        EXPECT_EQ(control(name)->geometry(), geometry) << name;
}

TEST_F(LayoutTest, FontsAreGivenInPixels)
{
    struct Lettering
    {
        const char* name;
        int pixels;
        bool bold;
    };
    const Lettering letterings[] = {
        { "PageControl1", 11, false },
        { "Button3", 15, true },
        { "Label15", 15, true },
        { "Label52", 15, true },
        { "GroupBox1", 13, true },
        { "RadioLoanPayment", 11, true },
        { "Edit9", 11, false },
        { "Label49", 11, false },
        { "ButtonCalcLoanPayment", 16, true },
        { "MemoLoanAnalysis", 11, true },
        { "LabelLoanOutput", 16, true },
    };
    for (const auto& [name, pixels, bold] : letterings) {
        QWidget* widget = control(name);
        widget->ensurePolished();
        EXPECT_EQ(widget->font().pixelSize(), pixels) << name;
        EXPECT_EQ(widget->font().bold(), bold) << name;
    }
}

TEST_F(LayoutTest, AllFivePageTabsFitWithoutScrolling)
{
    const QTabBar* tabs = static_cast<QTabWidget*>(control("PageControl1"))->tabBar();
    EXPECT_LE(tabs->tabRect(tabs->count() - 1).right(), tabs->width());
}

TEST_F(LayoutTest, NoLabelCutsItsCaption)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(needed, label->contentsRect().width()) << label->objectName().toStdString();
    }
}

} // namespace
