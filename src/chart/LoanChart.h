#pragma once

#include "AmortizationSchedule.h"
#include "LoanChartSeries.h"
#include "Prepayment.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class TLoanChart;
}

// The loan chart: the remaining balance month by month and the principal and interest paid each year,
// one view to a tab, printed together on one page.
class TLoanChart final : public QDialog
{
    Q_OBJECT

public:
    explicit TLoanChart(QWidget* parent = nullptr);
    ~TLoanChart() override;

    // Draws the schedule's loan; with a prepayment analysis of the same loan, the balance paying extra too.
    void showLoan(const calculators::AmortizationSchedule& schedule,
        const std::optional<calculators::PrepaymentInput>& prepayment);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Button3Click();
    void BitBtn1Click();

    std::unique_ptr<Ui::TLoanChart> ui;
    calculators::LoanChartData data;
    QString prepaidName;
};
