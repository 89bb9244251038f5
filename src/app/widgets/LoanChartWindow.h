#pragma once

#include "calculators/loan/AmortizationSchedule.h"
#include "calculators/loan/LoanChartSeries.h"
#include "calculators/loan/Prepayment.h"
#include "widgets/LoanChartViews.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class LoanChartWindow;
}

namespace app {

// A tab of lines over the months and its title.
struct LinesTab
{
    MonthLines lines;
    QString title;
};

// The loan chart: the remaining balance month by month and the principal and interest paid each year,
// one view to a tab, printed together on one page.
class LoanChartWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit LoanChartWindow(QWidget* parent = nullptr);
    ~LoanChartWindow() override;

    // Draws the schedule's loan; with a prepayment analysis of the same loan, the balance paying extra too.
    void showLoan(const calculators::AmortizationSchedule& schedule,
        const std::optional<calculators::PrepaymentInput>& prepayment);
    // Draws balances, yearly figures and crossing already worked out; a second balance carries the given name.
    void showChart(const calculators::LoanChartData& data, const QString& prepaidBalanceName);
    // Draws named lines over the months on one or two tabs of their titles, instead of the loan's two views, under
    // the window title given.
    void showLines(const std::vector<LinesTab>& tabs, const QString& windowTitle);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void printButtonClicked();
    void closeButtonClicked();

    std::unique_ptr<Ui::LoanChartWindow> ui;
    calculators::LoanChartData data;
    QString prepaidName;
    std::vector<LinesTab> linesTabs;
};

// Shows a new loan chart of a schedule, modal, owned by nobody and freed when it closes; with a prepayment
// analysis of the same loan, the balance paying extra too.
void showLoanChart(
    const calculators::AmortizationSchedule& schedule, const std::optional<calculators::PrepaymentInput>& prepayment);
// The same for chart figures already worked out.
void showLoanChart(const calculators::LoanChartData& data, const QString& prepaidBalanceName);
// The same for named lines over the months.
void showLinesChart(const std::vector<LinesTab>& tabs, const QString& windowTitle);

} // namespace app
