// Every Calculate and How To press through the real widgets of the program's windows, timed press by press,
// against the toolkit's floor: a button whose handler writes one label.
#include "Bench.h"
#include "BenchStats.h"
#include "BenchWindows.h"
#include "calculators/loan/LoanMatrix.h"
#include "fields/Regional.h"
#include "loan/LoanPage.h"
#include "loan/MatrixWindow.h"
#include "loan/PrepaymentWindow.h"
#include "program/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdio>
#include <string>
#include <vector>

using app::MatrixWindow;

namespace {

struct Entry
{
    const char* field;
    const char* text;
};

struct Press
{
    const char* name;
    const char* page; // the page made current first; empty for a window of its own
    std::vector<Entry> entries;
    const char* button;
};

// Fields typed in once before the presses; the defaults of several pages are zeros that must be replaced.
const std::vector<Press> presses = {
    { "loan, Calculate (monthly payment)", "LoanTab",
        { { "SolveForPaymentRadio", "" }, { "RateEdit", "7" }, { "YearsEdit", "30" }, { "AmountEdit", "150000" } },
        "CalculateButton" },
    { "loan, Calculate (loan amount)", "LoanTab", { { "SolveForAmountRadio", "" }, { "PaymentEdit", "998" } },
        "CalculateButton" },
    { "refinance, Calculate", "RefinanceTab",
        { { "CurrentPaymentEdit", "1200" }, { "RefinancedAmountEdit", "150000" }, { "RefinancedYearsEdit", "30" },
            { "RefinancedRateEdit", "6" }, { "ClosingCostsEdit", "2000" }, { "PointsEdit", "1" } },
        "RefinanceCalculateButton" },
    { "savings growth, Calculate", "SavingsTab",
        { { "SavingsRateEdit", "7" }, { "SavingsYearsEdit", "10" }, { "CurrentSavingsEdit", "1000" },
            { "ContributionEdit", "100" } },
        "GrowthCalculateButton" },
    { "required return, Calculate", "SavingsTab",
        { { "CurrentValueEdit", "10000" }, { "DesiredValueEdit", "20000" }, { "GrowYearsEdit", "10" } },
        "ReturnCalculateButton" },
    { "college, Calculate", "CollegeTab",
        { { "ChildAgeEdit", "5" }, { "StartingAgeEdit", "18" }, { "AnnualCostEdit", "20000" },
            { "CollegeYearsEdit", "4" }, { "CostIncreaseEdit", "5" }, { "CurrentFundEdit", "5000" },
            { "FundGrowthEdit", "7" } },
        "CollegeCalculateButton" },
    { "college, How To", "CollegeTab", {}, "CollegeHowToButton" },
    { "retirement need, Calculate", "RetirementTab",
        { { "CurrentAgeEdit", "40" }, { "RetirementAgeEdit", "65" }, { "MonthlyIncomeEdit", "3000" },
            { "RetirementYearsEdit", "25" }, { "GrowthRateEdit", "7" }, { "InflationEdit", "3" },
            { "RetirementFundEdit", "50000" } },
        "RetirementCalculateButton" },
    { "retirement plan, How To", "RetirementTab", {}, "RetirementHowToButton" },
};

void typeEntries(QWidget& window, const std::vector<Entry>& entries)
{
    for (const Entry& entry : entries) {
        if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(entry.field)))
            edit->setText(QString::fromLatin1(entry.text));
        else if (auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(entry.field)))
            button->click();
    }
}

Samples timePresses(QAbstractButton& button, int count)
{
    Samples samples;
    for (int i = 0; i < count; ++i) {
        const double start = threadCpuMilliseconds();
        button.click();
        samples.values.push_back(threadCpuMilliseconds() - start);
        // The repaint the press asked for happens here, between presses, as it would for a user.
        QApplication::processEvents();
    }
    return samples;
}

void report(const char* name, const Samples& samples, const Samples& floor)
{
    printFigure(std::string("press: ") + name, samples, "ms");
    printTarget(samples.median(), 0.2, "ms");
    printRatio("one-label press", ratio(samples, floor));
}

} // namespace

void benchPresses(const BenchOptions& options)
{
    // The toolkit's floor: a shown button whose handler writes a number into a label.
    QWidget floorWindow;
    auto* layout = new QVBoxLayout(&floorWindow);
    auto* floorButton = new QPushButton(QStringLiteral("Calculate"));
    auto* floorLabel = new QLabel;
    layout->addWidget(floorButton);
    layout->addWidget(floorLabel);
    int count = 0;
    QObject::connect(floorButton, &QPushButton::clicked, floorLabel, [&] { floorLabel->setNum(++count); });
    floorWindow.show();
    QApplication::processEvents();
    const Samples floor = timePresses(*floorButton, options.presses);
    floorWindow.hide();
    printFigure("press: one-label floor", floor, "ms");

    BenchWindows windows;
    windows.main->show();
    QApplication::processEvents();
    auto* pages = windows.main->findChild<QTabWidget*>(QStringLiteral("CalculatorTabs"));
    for (const Press& press : presses) {
        pages->setCurrentWidget(windows.main->findChild<QWidget*>(QString::fromLatin1(press.page)));
        typeEntries(*windows.main, press.entries);
        auto* button = pages->currentWidget()->findChild<QAbstractButton*>(QString::fromLatin1(press.button));
        report(press.name, timePresses(*button, options.presses), floor);
    }

    // The prepayment window reads the loan page's fields; the loan is calculated first.
    pages->setCurrentWidget(windows.main->findChild<QWidget*>(QStringLiteral("LoanTab")));
    typeEntries(*windows.main,
        { { "SolveForPaymentRadio", "" }, { "RateEdit", "7" }, { "YearsEdit", "30" }, { "AmountEdit", "150000" },
            { "CalculateButton", "" } });
    windows.prepayment->show();
    typeEntries(*windows.prepayment, { { "ExtraPaymentEdit", "100" }, { "StartMonthEdit", "12" } });
    report("prepayment, Calculate",
        timePresses(
            *windows.prepayment->findChild<QAbstractButton*>(QStringLiteral("CalculateButton")), options.presses),
        floor);
    windows.prepayment->hide();

    MatrixWindow matrix(
        calculators::matrixOpening({ { "amount", "150000" }, { "years", "30" }, { "rate", "7" } }, app::regional()));
    matrix.show();
    QApplication::processEvents();
    report("matrix, Calculate",
        timePresses(*matrix.findChild<QAbstractButton*>(QStringLiteral("CalculateButton")), options.presses), floor);
    matrix.hide();

    if (windows.dialogs.shown > 0)
        std::printf("note: %d message boxes were raised during the presses; their figures measure a refusal\n",
            windows.dialogs.shown);
}
