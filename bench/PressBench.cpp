// Every Calculate and How To press through the real widgets of the program's windows, timed press by press,
// against the toolkit's floor: a button whose handler writes one label.
#include "Bench.h"
#include "BenchStats.h"
#include "BenchWindows.h"
#include "pages/LoanPage.h"
#include "windows/MainWindow.h"
#include "windows/MatrixWindow.h"
#include "windows/PrepaymentWindow.h"

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
    { "loan, Calculate (monthly payment)", "TabSheet3",
        { { "RadioLoanPayment", "" }, { "Edit9", "7" }, { "Edit10", "30" }, { "Edit11", "150000" } },
        "ButtonCalcLoanPayment" },
    { "loan, Calculate (loan amount)", "TabSheet3", { { "RadioLoanAmount", "" }, { "EditLoanPayment", "998" } },
        "ButtonCalcLoanPayment" },
    { "refinance, Calculate", "TabSheet7",
        { { "EditCurrentMort", "1200" }, { "EditRefinMort", "150000" }, { "EditRefinTerm", "30" }, { "EditRate", "6" },
            { "EditCloseCosts", "2000" }, { "EditPoints", "1" } },
        "Button1CalcRefinance" },
    { "savings growth, Calculate", "TabSheet1",
        { { "Edit1", "7" }, { "Edit2", "10" }, { "Edit4", "1000" }, { "Edit3", "100" } }, "Button1" },
    { "required return, Calculate", "TabSheet1", { { "Edit13", "10000" }, { "Edit14", "20000" }, { "Edit12", "10" } },
        "Button4" },
    { "college, Calculate", "TabSheet6",
        { { "Edit19", "5" }, { "Edit22", "18" }, { "Edit23", "20000" }, { "Edit24", "4" }, { "Edit25", "5" },
            { "EditCurrCollegeFund", "5000" }, { "EditCollFundGrowth", "7" } },
        "Button9" },
    { "college, How To", "TabSheet6", {}, "ButtonHowToCollege" },
    { "retirement need, Calculate", "TabSheet5",
        { { "Edit20", "40" }, { "Edit21", "65" }, { "Edit18", "3000" }, { "Edit17", "25" }, { "Edit15", "7" },
            { "Edit16", "3" }, { "EditRetireFund", "50000" } },
        "Button5" },
    { "retirement plan, How To", "TabSheet5", {}, "Button8" },
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
    printRatio("one-label press", ratio(samples, floor), 0);
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
    auto* pages = windows.main->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (const Press& press : presses) {
        pages->setCurrentWidget(windows.main->findChild<QWidget*>(QString::fromLatin1(press.page)));
        typeEntries(*windows.main, press.entries);
        auto* button = pages->currentWidget()->findChild<QAbstractButton*>(QString::fromLatin1(press.button));
        report(press.name, timePresses(*button, options.presses), floor);
    }

    // The prepayment window reads the loan page's fields; the loan is calculated first.
    pages->setCurrentWidget(windows.main->findChild<QWidget*>(QStringLiteral("TabSheet3")));
    typeEntries(*windows.main,
        { { "RadioLoanPayment", "" }, { "Edit9", "7" }, { "Edit10", "30" }, { "Edit11", "150000" },
            { "ButtonCalcLoanPayment", "" } });
    windows.prepayment->show();
    typeEntries(*windows.prepayment, { { "Edit1", "100" }, { "Edit2", "12" } });
    report("prepayment, Calculate",
        timePresses(*windows.prepayment->findChild<QAbstractButton*>(QStringLiteral("Button1")), options.presses),
        floor);
    windows.prepayment->hide();

    TFormMatrix matrix(LoanPageTexts { QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7") });
    matrix.show();
    QApplication::processEvents();
    report("matrix, Calculate",
        timePresses(*matrix.findChild<QAbstractButton*>(QStringLiteral("ButtonCalculate")), options.presses), floor);
    matrix.hide();

    if (windows.dialogs.shown > 0)
        std::printf("note: %d message boxes were raised during the presses; their figures measure a refusal\n",
            windows.dialogs.shown);
}
