// The loan page driven through its real widgets: type into the fields, press Calculate, read what shows.
#include "loan/LoanPage.h"

#include "Controls.h"
#include "RecordingDialogs.h"
#include "ShownPage.h"
#include "loan/PrepaymentWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cctype>
#include <cstddef>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

using app::LoanPage;
using app::PrepaymentWindow;

namespace {

const QString rateMessage = QStringLiteral("Interest rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% "
                                           "= 8.25) but do not use \"%\" signs. Please re-enter.");
const QString yearsMessage = QStringLiteral("Years must be between 1 and 50");
const QString yearsNotIntegerMessage
    = QStringLiteral("The YEARS value must be an integer between 1 and 50, please re-enter.");
const QString amountMessage
    = QStringLiteral("LOAN AMOUNT must be an integer greater than 1. Do not enter any \"$\" or commas.");
const QString paymentMessage
    = QStringLiteral("MONTHLY PAYMENT must be an integer greater than 1. Do not enter any \"$\" signs or commas.");

enum class Mode {
    Payment,
    Amount,
};

struct LoanFields
{
    Mode mode;
    const char* rate;
    const char* years;
    const char* payment;
    const char* amount;
};

class LoanPageTest : public ShownPage<LoanPage>
{
protected:
    void SetUp() override
    {
        page.setClock([] { return QDate(2026, 12, 8); });
        ShownPage::SetUp();
    }

    void fillIn(const LoanFields& fields)
    {
        control<QRadioButton>(fields.mode == Mode::Payment ? "SolveForPaymentRadio" : "SolveForAmountRadio")->click();
        typeOver("RateEdit", fields.rate);
        typeOver("YearsEdit", fields.years);
        typeOver("PaymentEdit", fields.payment);
        typeOver("AmountEdit", fields.amount);
    }

    void pressCalculate() { press("CalculateButton"); }

    QStringList reportLines() { return control<QPlainTextEdit>("LoanReportText")->toPlainText().split(u'\n'); }
};

TEST_F(LoanPageTest, StartsInPaymentModeWithDefaultsAndNoResult)
{
    EXPECT_TRUE(control<QRadioButton>("SolveForPaymentRadio")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("SolveForAmountRadio")->isChecked());
    EXPECT_EQ(field("RateEdit")->text(), QStringLiteral("7"));
    EXPECT_EQ(field("YearsEdit")->text(), QStringLiteral("15"));
    EXPECT_EQ(field("PaymentEdit")->text(), QStringLiteral("0"));
    EXPECT_EQ(field("AmountEdit")->text(), QStringLiteral("0"));
    EXPECT_EQ(field("RateEdit")->maxLength(), 5);
    EXPECT_EQ(field("YearsEdit")->maxLength(), 3);
    EXPECT_EQ(control<QLabel>("PaymentRequiredLabel")->text(), QStringLiteral("NOT APPLICABLE"));
    EXPECT_EQ(control<QLabel>("AmountRequiredLabel")->text(), QStringLiteral("REQUIRED"));
    EXPECT_FALSE(control<QPushButton>("ScheduleButton")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("PrepayButton")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("MatrixButton")->isEnabled());
    EXPECT_FALSE(control<QWidget>("LoanResultPanel")->isVisible());
    EXPECT_FALSE(control<QLabel>("LoanResultLabel")->isVisible());
    EXPECT_TRUE(control<QPlainTextEdit>("LoanReportText")->toPlainText().isEmpty());
    EXPECT_FALSE(control<QPlainTextEdit>("LoanReportText")->isReadOnly());
    EXPECT_TRUE(control<QPlainTextEdit>("InstructionsText")->isReadOnly());
}

TEST_F(LoanPageTest, InstructionsKeepTheirLinesAndTrailingBlanks)
{
    const QStringList lines = control<QPlainTextEdit>("InstructionsText")->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0],
        QStringLiteral("INSTRUCTIONS: This screen lets you explore the finances associated with a loan, "
                       "perfect for planning "));
    EXPECT_EQ(lines[7], QString());
    EXPECT_EQ(lines[10],
        QStringLiteral("PREPAY  buttons at the bottom the screen. This will give you more data on "
                       "different loan amounts and "));
    EXPECT_EQ(lines[12], QStringLiteral("month."));
}

TEST_F(LoanPageTest, SolveForModeOnlySwapsTheIndicatorLabels)
{
    field("AmountEdit")->setText(QStringLiteral("abc"));
    control<QRadioButton>("SolveForAmountRadio")->click();
    EXPECT_EQ(control<QLabel>("PaymentRequiredLabel")->text(), QStringLiteral("REQUIRED"));
    EXPECT_EQ(control<QLabel>("AmountRequiredLabel")->text(), QStringLiteral("NOT APPLICABLE"));
    EXPECT_EQ(field("AmountEdit")->text(), QStringLiteral("abc"));
    control<QRadioButton>("SolveForPaymentRadio")->click();
    EXPECT_EQ(control<QLabel>("PaymentRequiredLabel")->text(), QStringLiteral("NOT APPLICABLE"));
    EXPECT_EQ(control<QLabel>("AmountRequiredLabel")->text(), QStringLiteral("REQUIRED"));
    EXPECT_EQ(control<QLabel>("RateRequiredLabel")->text(), QStringLiteral("REQUIRED"));
    EXPECT_EQ(control<QLabel>("YearsRequiredLabel")->text(), QStringLiteral("REQUIRED"));
}

// A readable name from the typed fields, e.g. "Payment_7_15_0_100000".
std::string fieldsName(const LoanFields& fields)
{
    std::string name = fields.mode == Mode::Payment ? "Payment" : "Amount";
    for (const char* text : { fields.rate, fields.years, fields.payment, fields.amount }) {
        name += '_';
        for (const char* c = text; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : 'x';
    }
    return name;
}

std::string caseName(const LoanFields& fields, std::size_t index)
{
    return fieldsName(fields) + '_' + std::to_string(index);
}

struct RejectedCase
{
    LoanFields fields;
    const QString* message;
    const char* failingField;
};

void PrintTo(const RejectedCase& c, std::ostream* out)
{
    *out << fieldsName(c.fields);
}

class LoanPageRejects : public LoanPageTest, public ::testing::WithParamInterface<RejectedCase>
{ };

TEST_P(LoanPageRejects, WarnsSelectsTheFieldAndChangesNothing)
{
    const RejectedCase& rejected = GetParam();
    fillIn(rejected.fields);

    pressCalculate();

    expectWarning(*rejected.message, rejected.failingField);
    QLineEdit* failing = field(rejected.failingField);
    EXPECT_EQ(failing->selectionStart(), failing->text().isEmpty() ? -1 : 0);
    // Nothing else moved: the unvalidated field keeps its text, no result, no report, no follow-ups.
    EXPECT_EQ(field("PaymentEdit")->text(), QString::fromUtf8(rejected.fields.payment));
    EXPECT_EQ(field("AmountEdit")->text(), QString::fromUtf8(rejected.fields.amount));
    EXPECT_FALSE(control<QWidget>("LoanResultPanel")->isVisible());
    EXPECT_TRUE(control<QPlainTextEdit>("LoanReportText")->toPlainText().isEmpty());
    EXPECT_FALSE(control<QPushButton>("ScheduleButton")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("PrepayButton")->isEnabled());
}

// What each field refuses, and in which order, is the loan reader's (tests/calculators/ReadersTest.cpp); here each
// field's warning reaches its own control, the not-an-integer message included, an empty field too.
INSTANTIATE_TEST_SUITE_P(Validation, LoanPageRejects,
    ::testing::Values(RejectedCase { { Mode::Payment, "abc", "15", "0", "100000" }, &rateMessage, "RateEdit" },
        RejectedCase { { Mode::Payment, "7", "", "0", "100000" }, &yearsMessage, "YearsEdit" },
        RejectedCase { { Mode::Payment, "7", "2.5", "0", "100000" }, &yearsNotIntegerMessage, "YearsEdit" },
        RejectedCase { { Mode::Payment, "7", "15", "0", "100,000" }, &amountMessage, "AmountEdit" },
        RejectedCase { { Mode::Amount, "7", "30", "x", "0" }, &paymentMessage, "PaymentEdit" },
        RejectedCase { { Mode::Amount, "7", "99", "1", "1" }, &yearsMessage, "YearsEdit" }),
    [](const auto& info) { return caseName(info.param.fields, info.index); });

struct SolvedCase
{
    LoanFields fields;
    const char* label;
    const char* paymentAfter; // PaymentEdit afterwards
    const char* amountAfter; // AmountEdit afterwards
    const char* figuresLine;
    const char* interestLine;
};

void PrintTo(const SolvedCase& c, std::ostream* out)
{
    *out << fieldsName(c.fields);
}

class LoanPageSolves : public LoanPageTest, public ::testing::WithParamInterface<SolvedCase>
{ };

// Reference figures from P = A i / (1 - (1 + i)^-n) and L = M (1 - (1 + i)^-n) / i, evaluated with
// 50-digit decimal arithmetic.
TEST_P(LoanPageSolves, ShowsTheResultWritesItBackAndReports)
{
    const SolvedCase& solved = GetParam();
    fillIn(solved.fields);

    pressCalculate();

    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_TRUE(control<QWidget>("LoanResultPanel")->isVisible());
    EXPECT_TRUE(control<QLabel>("LoanResultLabel")->isVisible());
    EXPECT_EQ(control<QLabel>("LoanResultLabel")->text(), QString::fromUtf8(solved.label));
    EXPECT_EQ(field("PaymentEdit")->text(), QString::fromUtf8(solved.paymentAfter));
    EXPECT_EQ(field("AmountEdit")->text(), QString::fromUtf8(solved.amountAfter));
    EXPECT_EQ(field("RateEdit")->text(), QString::fromUtf8(solved.fields.rate));
    EXPECT_EQ(field("YearsEdit")->text(), QString::fromUtf8(solved.fields.years));
    EXPECT_TRUE(control<QPushButton>("ScheduleButton")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("PrepayButton")->isEnabled());

    const QStringList lines = reportLines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0],
        QStringLiteral("Loan Analysis Date:    12/8/26               Prepared for:                   "
                       "Prepared by:"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("LOAN VARIABLES:"));
    EXPECT_EQ(lines[3],
        QStringLiteral("Interest Rate: %1%         Loan Term: %2 Years")
            .arg(QString::fromUtf8(solved.fields.rate), QString::fromUtf8(solved.fields.years)));
    EXPECT_EQ(lines[4], QString::fromUtf8(solved.figuresLine));
    EXPECT_EQ(lines[5], QString::fromUtf8(solved.interestLine));
    EXPECT_EQ(lines[6], QStringLiteral("For more loan details, click the MATRIX, SCHEDULE, or PREPAY buttons below."));

    // The report shows from its start, nothing selected.
    const QTextCursor caret = control<QPlainTextEdit>("LoanReportText")->textCursor();
    EXPECT_EQ(caret.position(), 0);
    EXPECT_FALSE(caret.hasSelection());
}

INSTANTIATE_TEST_SUITE_P(Solving, LoanPageSolves,
    ::testing::Values(SolvedCase { { Mode::Payment, "7", "15", "0", "100000" }, "Monthly Payment =  $898.83", "899",
                          "100000", "Borrowing $100,000.00 would give you a monthly payment of $898.83",
                          "Interest cost over the term of the loan is:  $61,789.09" },
        SolvedCase { { Mode::Payment, "7", "30", "0", "150000" }, "Monthly Payment =  $997.95", "998", "150000",
            "Borrowing $150,000.00 would give you a monthly payment of $997.95",
            "Interest cost over the term of the loan is:  $209,263.35" },
        // The bounds: rate 1 and 30, years 1 and 50, an amount of 2; the payment field may hold anything.
        SolvedCase { { Mode::Payment, "1", "1", "abc", "2" }, "Monthly Payment =  $0.17", "0", "2",
            "Borrowing $2.00 would give you a monthly payment of $0.17",
            "Interest cost over the term of the loan is:  $0.01" },
        SolvedCase { { Mode::Payment, "30", "50", "", "250000" }, "Monthly Payment =  $6,250.00", "6250", "250000",
            "Borrowing $250,000.00 would give you a monthly payment of $6,250.00",
            "Interest cost over the term of the loan is:  $3,500,001.38" },
        // Rate and years appear in the report exactly as typed.
        SolvedCase { { Mode::Payment, "8.250", " 30", "1", "123456.78" }, "Monthly Payment =  $927.49", "927",
            "123456.78", "Borrowing $123,456.78 would give you a monthly payment of $927.49",
            "Interest cost over the term of the loan is:  $210,439.46" },
        SolvedCase { { Mode::Amount, "7", "30", "1200", "0" }, "Loan Amount =  $180,369.08", "1200", "180369",
            "With a monthly payment of $1,200.00 you can borrow up to:  $180,369.08",
            "Interest cost over the term of the loan is:  $251,630.92" },
        SolvedCase { { Mode::Amount, "1", "50", "2", "xyz" }, "Loan Amount =  $944.02", "2", "944",
            "With a monthly payment of $2.00 you can borrow up to:  $944.02",
            "Interest cost over the term of the loan is:  $255.98" },
        SolvedCase { { Mode::Amount, "12.5", "20", "999.99", "5" }, "Loan Amount =  $88,016.40", "999.99", "88016",
            "With a monthly payment of $999.99 you can borrow up to:  $88,016.40",
            "Interest cost over the term of the loan is:  $151,981.20" }),
    [](const auto& info) { return caseName(info.param.fields, info.index); });

TEST_F(LoanPageTest, EachSuccessReplacesTheWholeReportAndAFailureKeepsIt)
{
    fillIn({ Mode::Payment, "7", "15", "0", "100000" });
    pressCalculate();
    auto* report = control<QPlainTextEdit>("LoanReportText");
    report->appendPlainText(QStringLiteral("Prepared for: the Smiths"));
    ASSERT_EQ(reportLines().size(), 8);

    field("AmountEdit")->setText(QStringLiteral("1"));
    pressCalculate();
    EXPECT_EQ(reportLines().size(), 8);
    EXPECT_EQ(control<QLabel>("LoanResultLabel")->text(), QStringLiteral("Monthly Payment =  $898.83"));
    EXPECT_EQ(field("PaymentEdit")->text(), QStringLiteral("899"));

    field("AmountEdit")->setText(QStringLiteral("150000"));
    field("YearsEdit")->setText(QStringLiteral("30"));
    pressCalculate();
    EXPECT_EQ(reportLines().size(), 7);
    EXPECT_EQ(reportLines()[4], QStringLiteral("Borrowing $150,000.00 would give you a monthly payment of $997.95"));
}

TEST_F(LoanPageTest, AnOverflowingAmountEndsInTheErrorBoxAndWritesNoResult)
{
    fillIn({ Mode::Payment, "7", "15", "abc", "1.1e4932" });
    pressCalculate();
    expectOnlyBox(RecordingDialogs::Kind::Error, QStringLiteral("Floating point overflow."));
    EXPECT_FALSE(control<QWidget>("LoanResultPanel")->isVisible());
    EXPECT_FALSE(control<QPushButton>("ScheduleButton")->isEnabled());
    // What was already written before the error stays: the unneeded field was reset to 0.
    EXPECT_EQ(field("PaymentEdit")->text(), QStringLiteral("0"));
}

TEST_F(LoanPageTest, PrePayShowsThePrepaymentWindowAfterASuccess)
{
    PrepaymentWindow prepayment;
    page.setPrepaymentWindow(&prepayment);
    fillIn({ Mode::Payment, "7", "15", "0", "100000" });
    pressCalculate();
    press("PrepayButton");
    EXPECT_TRUE(prepayment.isVisible());
    EXPECT_TRUE(page.isVisible());
}

TEST_F(LoanPageTest, WithoutAGivenWindowPrePayMakesOneOnceAndKeepsItUpToDate)
{
    fillIn({ Mode::Payment, "7", "15", "0", "100000" });
    pressCalculate();
    press("PrepayButton");
    const auto shown = [] {
        QList<PrepaymentWindow*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<PrepaymentWindow*>(widget); window && window->isVisible())
                windows.append(window);
        return windows;
    };
    ASSERT_EQ(shown().size(), 1);
    PrepaymentWindow* made = shown().first();
    press("PrepayButton");
    EXPECT_EQ(shown(), QList<PrepaymentWindow*> { made });
    // The window made late still hears of the page's loan: a changed amount reaches its analysis.
    field("AmountEdit")->setText(QStringLiteral("120000"));
    find<QLineEdit>(*made, "ExtraPaymentEdit")->setText(QStringLiteral("100"));
    find<QLineEdit>(*made, "StartMonthEdit")->setText(QStringLiteral("2"));
    find<QPushButton>(*made, "CalculateButton")->click();
    ASSERT_TRUE(made->lastCalculation().has_value());
    EXPECT_EQ(made->lastCalculation()->loanAmount, 120000);
}

} // namespace
