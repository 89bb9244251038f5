// The windows as designed: positions, fonts, and nothing cut off.
#include "Controls.h"
#include "RecordingDialogs.h"
#include "loan/LoanPage.h"
#include "loan/PrepaymentWindow.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "widgets/BuiltOnFirstShow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

using app::MainWindow;
using app::PrepaymentWindow;

namespace {

class LayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordedDialogs().reset();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget* control(const char* name) { return find(window, name); }

    app::ReturningUserStore store;
    MainWindow window { store };
};

TEST_F(LayoutTest, LoanPageControlsSitWhereDesigned)
{
    struct Placement
    {
        const char* name;
        QRect geometry;
    };
    const Placement placements[] = {
        { "InstructionsText", { 7, 7, 521, 73 } },
        { "LoanHeadingLabel", { 258, 90, 184, 18 } },
        { "SolveForGroup", { 3, 106, 134, 68 } },
        { "SolveForPaymentRadio", { 8, 20, 122, 17 } },
        { "SolveForAmountRadio", { 8, 42, 122, 17 } },
        { "RateEdit", { 176, 133, 49, 22 } },
        { "YearsEdit", { 262, 133, 49, 22 } },
        { "PaymentEdit", { 353, 133, 64, 22 } },
        { "AmountEdit", { 464, 133, 65, 22 } },
        { "CalculateButton", { 333, 178, 98, 32 } },
        { "LoanReportText", { 12, 215, 515, 105 } },
        { "ReportPrintButton", { 538, 238, 41, 46 } },
        { "MatrixButton", { 14, 325, 71, 25 } },
        { "ScheduleButton", { 93, 325, 71, 25 } },
        { "PrepayButton", { 171, 325, 71, 25 } },
        { "LoanResultPanel", { 271, 326, 316, 24 } },
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
        { "CalculatorTabs", 11, false },
        { "ExitButton", 15, true },
        { "LoanHeadingLabel", 15, true },
        { "LoanReportLabel", 15, true },
        { "SolveForGroup", 13, true },
        { "SolveForPaymentRadio", 11, true },
        { "RateEdit", 11, false },
        { "RateRequiredLabel", 11, false },
        { "CalculateButton", 16, true },
        { "LoanReportText", 11, true },
        { "LoanResultLabel", 16, true },
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
    const QTabBar* tabs = find<QTabWidget>(window, "CalculatorTabs")->tabBar();
    EXPECT_LE(tabs->tabRect(tabs->count() - 1).right(), tabs->width());
}

// The labels of a window whose caption does not fit: too wide for one line, or too tall once wrapped.
std::string labelsThatCut(const QWidget* root)
{
    std::string cut;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        const bool fits = label->wordWrap() ? label->heightForWidth(room.width()) <= room.height()
                                            : label->fontMetrics().horizontalAdvance(label->text()) <= room.width();
        if (!fits)
            cut += label->objectName().toStdString() + " \"" + label->text().toStdString() + "\"  ";
    }
    return cut;
}

// Every caption a label takes: at start, in both solve-for modes and after results in each mode,
// with the prepayment window's results for a 15-year and a 30-year loan.
TEST_F(LayoutTest, NoLabelCutsAnyOfItsCaptions)
{
    PrepaymentWindow prepayment;
    window.loanPage()->setPrepaymentWindow(&prepayment);
    prepayment.show();
    const auto field = [this](const char* name) { return find<QLineEdit>(window, name); };
    const auto press = [](QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); };

    EXPECT_EQ(labelsThatCut(&window), "") << "at start";
    press(control("SolveForAmountRadio"));
    EXPECT_EQ(labelsThatCut(&window), "") << "amount mode";
    field("PaymentEdit")->setText(QStringLiteral("99999.99"));
    press(control("CalculateButton"));
    EXPECT_EQ(labelsThatCut(&window), "") << "amount solved";
    press(control("SolveForPaymentRadio"));
    EXPECT_EQ(labelsThatCut(&window), "") << "payment mode";

    const struct
    {
        const char* years;
        const char* amount;
        const char* start;
    } loans[] = { { "15", "100000", "1" }, { "30", "200000", "13" }, { "30", "9999999", "1" } };
    for (const auto& loan : loans) {
        SCOPED_TRACE(loan.amount);
        field("YearsEdit")->setText(QString::fromLatin1(loan.years));
        field("AmountEdit")->setText(QString::fromLatin1(loan.amount));
        press(control("CalculateButton"));
        EXPECT_EQ(labelsThatCut(&window), "") << "payment solved";
        find<QLineEdit>(prepayment, "ExtraPaymentEdit")->setText(QStringLiteral("100"));
        find<QLineEdit>(prepayment, "StartMonthEdit")->setText(QString::fromLatin1(loan.start));
        press(find(prepayment, "CalculateButton"));
        EXPECT_EQ(labelsThatCut(&prepayment), "") << "prepayment results";
    }
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

// A caption ends before the field it names, with room between them, on every page and in the prepayment window.
TEST_F(LayoutTest, EveryCaptionEndsBeforeItsField)
{
    PrepaymentWindow prepayment;
    app::buildAll(window);
    std::string touching;
    for (const QWidget* root : { static_cast<QWidget*>(&window), static_cast<QWidget*>(&prepayment) })
        for (QLabel* label : root->findChildren<QLabel*>()) {
            label->ensurePolished();
            const QWidget* field = label->buddy();
            const QPoint fieldAt = field ? field->mapTo(root, QPoint(0, 0)) : QPoint();
            const QPoint labelAt = label->mapTo(root, label->contentsRect().topLeft());
            const bool sameRow = field && fieldAt.y() < labelAt.y() + label->contentsRect().height()
                && labelAt.y() < fieldAt.y() + field->height();
            if (!sameRow || fieldAt.x() <= labelAt.x() || label->wordWrap())
                continue;
            const int textEnd = label->alignment().testFlag(Qt::AlignRight)
                ? labelAt.x() + label->contentsRect().width()
                : labelAt.x() + label->fontMetrics().horizontalAdvance(label->text());
            if (textEnd > fieldAt.x() - 2)
                touching += label->objectName().toStdString() + " ";
        }
    EXPECT_EQ(touching, "");
}

} // namespace
