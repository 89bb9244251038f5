#pragma once

#include "loan/LoanPageTexts.h"
#include "shell/BuiltOnFirstShow.h"

#include <QDate>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class LoanPage;
}

namespace app {

class PrepaymentWindow;

// The "Loans and Mortgages" page: solves a monthly loan for its payment or its amount and writes the
// loan analysis report. Its fields give the schedule, prepayment and matrix windows their loan.
class LoanPage final : public BuiltOnFirstShow<QWidget>
{
    Q_OBJECT

public:
    explicit LoanPage(QWidget* parent = nullptr);
    ~LoanPage() override;

    // The prepayment window created at start-up, shown by PrePay; it is given this page's loan texts now
    // and whenever one of them changes.
    void setPrepaymentWindow(PrepaymentWindow* window);
    // Where the report takes today's date from.
    void setClock(std::function<QDate()> today);
    // The rate, years and amount as typed, when they pass this page's own checks for a payment.
    std::optional<LoanPageTexts> checkedLoanTexts();

private:
    void buildControls() override;
    void calculateButtonClicked();
    void solveForPaymentRadioClicked(); // solve for the monthly payment
    void solveForAmountRadioClicked(); // solve for the loan amount
    void prepayButtonClicked();
    void reportPrintButtonClicked(); // Print: the loan analysis
    void scheduleButtonClicked();
    void matrixButtonClicked();
    void offerLoanToPrepayment(); // the rate, years and amount as typed

    // The controls, which exist only once ensureBuilt() has run (the first show).
    BuiltControls<Ui::LoanPage> ui;
    QPointer<PrepaymentWindow> prepaymentWindow;
    std::function<QDate()> today;
};

} // namespace app
