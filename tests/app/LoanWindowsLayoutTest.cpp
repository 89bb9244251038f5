// The schedule and matrix windows as designed: fonts in pixels, no caption cut off, the matrix's tab order.
#include "Controls.h"
#include "LoanOpening.h"
#include "RecordingDialogs.h"
#include "loan/MatrixWindow.h"
#include "loan/ScheduleWindow.h"

#include <QLabel>
#include <QTest>
#include <cstddef>
#include <gtest/gtest.h>
#include <initializer_list>
#include <tuple>

using app::MatrixWindow;
using app::ScheduleWindow;

namespace {

void expectLettering(const QWidget& window, std::initializer_list<std::tuple<const char*, int, bool>> letterings)
{
    for (const auto& [name, pixels, bold] : letterings) {
        auto* widget = find(window, name);
        ASSERT_NE(widget, nullptr);
        widget->ensurePolished();
        EXPECT_EQ(widget->font().pixelSize(), pixels) << name;
        EXPECT_EQ(widget->font().bold(), bold) << name;
    }
    for (const QLabel* label : window.findChildren<QLabel*>())
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << label->objectName().toStdString();
}

TEST(LoanWindowsLayout, ScheduleWindow)
{
    ScheduleWindow window;
    expectLettering(
        window, { { "ScheduleGrid", 11, false }, { "PrintButton", 13, true }, { "CloseButton", 13, true } });
}

TEST(LoanWindowsLayout, MatrixWindow)
{
    recordedDialogs().reset();
    MatrixWindow window(loanOpening(QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7")));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectLettering(window,
        { { "MatrixGrid", 11, false }, { "TitleLabel", 15, true }, { "AmountsGroup", 13, true },
            { "LoanCountLabel", 12, true }, { "StartLoanEdit", 11, false }, { "LoanCountSpin", 11, false },
            { "CalculateButton", 13, true } });

    // The three groups' fields, the buttons, the grid; the disabled step field is passed over.
    const char* order[] = { "StartLoanEdit", "LoanIncrementEdit", "LoanCountSpin", "StartRateEdit",
        "RateIncrementScrollBar", "RateCountSpin", "Term1Spin", "Term2Spin", "CalculateButton", "PrintButton",
        "CloseButton", "MatrixGrid" };
    QWidget* widget = find(window, order[0]);
    for (std::size_t index = 1; index < std::size(order); ++index) {
        do
            widget = widget->nextInFocusChain();
        while (!widget->isEnabled() || widget->focusPolicy() == Qt::NoFocus
            || (widget->inherits("QLineEdit") && widget->parentWidget()->inherits("QSpinBox")));
        EXPECT_EQ(widget->objectName(), QString::fromLatin1(order[index]));
    }
}

} // namespace
