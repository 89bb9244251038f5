#pragma once

#include "calculators/loan/AmortizationSchedule.h"
#include "calculators/loan/Prepayment.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class ScheduleWindow;
}

namespace app {

// The amortization-schedule window: one grid row per month, printed 60 months to a page.
class ScheduleWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit ScheduleWindow(QWidget* parent = nullptr);
    ~ScheduleWindow() override;

    // Fills the grid: the title row, then one row per month.
    void showSchedule(const calculators::AmortizationSchedule& schedule);
    // A prepayment analysis of the same loan, which the loan chart draws as well.
    void setPrepayment(const calculators::PrepaymentInput& prepayment);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void printButtonClicked();
    void closeButtonClicked();
    void gridLoanChartTriggered(); // the grid menu's Loan Chart (Ctrl+G)

    std::unique_ptr<Ui::ScheduleWindow> ui;
    // What the grid shows: Print takes its month count from it, the loan chart its figures.
    calculators::AmortizationSchedule shownSchedule;
    std::optional<calculators::PrepaymentInput> prepayment;
};

} // namespace app
