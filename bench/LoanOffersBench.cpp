// The loan offers window's heaviest comparisons, four 50-year offers with mortgage insurance and every cost, fixed
// and then adjustable with a change every month: from the Calculate press to the grid painted, against the same grid
// filled with ready texts and painted.
#include "Bench.h"
#include "GridPress.h"
#include "loanoffers/LoanOffersWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>
#include <cstdio>
#include <utility>

using app::LoanOffersWindow;

namespace {

void fillFourOffers(LoanOffersWindow& window)
{
    const std::pair<const char*, const char*> purchase[] = { { "PriceEdit", "1000000000" }, { "DownEdit", "50000000" },
        { "TaxEdit", "1200000" }, { "InsuranceEdit", "240000" }, { "DuesEdit", "500" }, { "KeepEdit", "50" } };
    for (const auto& [name, text] : purchase)
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    const char* rates[] = { "6.5", "6.25", "6.125", "0" };
    for (int offer = 0; offer < 4; ++offer) {
        const QString column = QStringLiteral("Offer") + QChar(u'A' + offer);
        const auto set = [&](const char* field, const QString& text) {
            window.findChild<QLineEdit*>(column + QLatin1String(field) + QStringLiteral("Edit"))->setText(text);
        };
        set("Rate", QString::fromLatin1(rates[offer]));
        set("Years", QStringLiteral("50"));
        set("Points", QString::number(offer));
        set("Fees", QStringLiteral("1500"));
        set("Closing", QStringLiteral("4000"));
        set("Credit", QString::number(offer * 1000));
        set("Insurance", QStringLiteral("0.5"));
    }
}

// Each offer adjustable after a year, every month, toward an indexed rate far from its own: three schedules of 600
// payments each, recast at every change.
void makeAdjustableEveryMonth(LoanOffersWindow& window)
{
    for (int offer = 0; offer < 4; ++offer) {
        const QString column = QStringLiteral("Offer") + QChar(u'A' + offer);
        window.findChild<QCheckBox*>(column + QStringLiteral("AdjustableCheck"))->setChecked(true);
        const std::pair<const char*, const char*> terms[]
            = { { "FixedYears", "1" }, { "Every", "1" }, { "Index", "9.31" }, { "Margin", "2.75" }, { "FirstCap", "1" },
                  { "LaterCap", "0.125" }, { "LifetimeCap", "10" }, { "Lowest", "0" } };
        for (const auto& [field, text] : terms)
            window.findChild<QLineEdit*>(column + QLatin1String(field) + QStringLiteral("Edit"))
                ->setText(QString::fromLatin1(text));
    }
}

void benchPress(LoanOffersWindow& window, const BenchOptions& options, const char* what)
{
    window.show();
    QApplication::processEvents();
    auto* calculate = window.findChild<QAbstractButton*>(QStringLiteral("CalculateButton"));
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("ComparisonGrid"));

    const GridPressTimes times = timeGridPress(*calculate, *grid, options.scheduleRuns);
    std::printf("Loan offers: %d offers of 50 years, %d rows compared\n", grid->columnCount() - 1, grid->rowCount());
    printGridPress(what, times, 10);
}

} // namespace

void benchLoanOffers(const BenchOptions& options)
{
    LoanOffersWindow window;
    window.startWith(QDate(2026, 12, 9));
    fillFourOffers(window);
    benchPress(window, options, "four 50-year offers");
    makeAdjustableEveryMonth(window);
    benchPress(window, options, "four 50-year adjustable offers, monthly changes");
}
