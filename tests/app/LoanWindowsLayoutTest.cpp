// The schedule and matrix windows as designed: positions, fonts, tab order, nothing cut off.
#include "RecordingDialogs.h"
#include "Unit3.h"
#include "matrix.h"

#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Placement
{
    const char* name;
    QRect geometry;
    int fontPixels; // 0: not checked
    bool bold;
};

void expectPlacements(const QWidget& window, std::initializer_list<Placement> placements)
{
    for (const Placement& placement : placements) {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(placement.name));
        ASSERT_NE(widget, nullptr) << placement.name;
        EXPECT_EQ(widget->geometry(), placement.geometry) << placement.name;
        if (placement.fontPixels == 0)
            continue;
        widget->ensurePolished();
        EXPECT_EQ(widget->font().pixelSize(), placement.fontPixels) << placement.name;
        EXPECT_EQ(widget->font().bold(), placement.bold) << placement.name;
    }
    for (const QLabel* label : window.findChildren<QLabel*>())
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << label->objectName().toStdString();
}

TEST(LoanWindowsLayout, ScheduleWindow)
{
    TAmortSch window;
    expectPlacements(window,
        {
            { "StringGrid1", { 0, 0, 389, 317 }, 11, false },
            { "Panel1", { 0, 317, 389, 41 }, 0, false },
            { "Button3", { 201, 6, 84, 30 }, 13, true },
            { "BitBtn1", { 306, 6, 75, 30 }, 13, true },
        });
}

TEST(LoanWindowsLayout, MatrixWindow)
{
    recordedDialogs().reset();
    TFormMatrix window({ QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7") });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectPlacements(window,
        {
            { "StringGrid1", { 0, 0, 622, 210 }, 11, false },
            { "Panel1", { 0, 210, 622, 223 }, 0, false },
            { "LabelTitle", { 10, 4, 480, 18 }, 15, true },
            { "GroupBox1", { 5, 28, 243, 113 }, 13, true },
            { "EditStartLoan", { 146, 26, 88, 21 }, 11, false },
            { "EditLoanIncrement", { 146, 53, 88, 21 }, 11, false },
            { "SpinLoanNum", { 146, 79, 44, 22 }, 11, false },
            { "GroupBox2", { 257, 28, 192, 136 }, 13, true },
            { "LabelStartRate", { 12, 28, 100, 16 }, 12, true },
            { "EditStartRate", { 115, 26, 44, 21 }, 0, false },
            { "EditRateInc", { 115, 53, 44, 21 }, 0, false },
            { "ScrollBar1", { 97, 77, 80, 12 }, 0, false },
            { "SpinLoanIncs", { 141, 104, 44, 22 }, 0, false },
            { "GroupBox3", { 457, 28, 159, 87 }, 13, true },
            { "SpinTerm1", { 101, 22, 49, 22 }, 0, false },
            { "SpinTerm2", { 101, 52, 49, 22 }, 0, false },
            { "ButtonCalculate", { 37, 164, 121, 37 }, 13, true },
            { "Button3", { 433, 186, 84, 30 }, 13, true },
            { "BitBtn1", { 538, 186, 75, 30 }, 13, true },
        });
    const int widths[] = { 164, 112, 112, 112, 112 };
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(grid->columnWidth(column), widths[column]);

    // Tab order: the three groups' fields, the buttons, the grid (the disabled step field is passed over).
    const char* order[] = { "EditStartLoan", "EditLoanIncrement", "SpinLoanNum", "EditStartRate", "ScrollBar1",
        "SpinLoanIncs", "SpinTerm1", "SpinTerm2", "ButtonCalculate", "Button3", "BitBtn1", "StringGrid1" };
    QWidget* widget = window.findChild<QWidget*>(QString::fromLatin1(order[0]));
    for (std::size_t index = 1; index < std::size(order); ++index) {
        do
            widget = widget->nextInFocusChain();
        while (!widget->isEnabled() || widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(&window)
            || (widget->inherits("QLineEdit") && widget->parentWidget()->inherits("QSpinBox")));
        EXPECT_EQ(widget->objectName(), QString::fromLatin1(order[index]));
    }
}

} // namespace
