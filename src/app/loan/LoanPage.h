#pragma once

#include "calculators/fields/FieldTexts.h"
#include "fields/TypedFields.h"
#include "widgets/BuiltOnFirstShow.h"

#include <QDate>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

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

    // The fields the user types into or chooses, by their calculators' sections; the controls must be built.
    std::vector<TypedSection> typedSections() const;
    // Called with the prepayment window PrePay shows once there is one: now, if there is.
    void whenPrepaymentWindow(std::function<void(PrepaymentWindow&)> call);

    // The prepayment window PrePay shows, given this page's loan texts now and whenever one of them changes.
    // Without one, the page makes its own at the first PrePay, which saves its making at start-up.
    void setPrepaymentWindow(PrepaymentWindow* window);
    // Where the report takes today's date from.
    void setClock(std::function<QDate()> today);
    // The loan's fields as typed ("rate", "years", "amount"), which the schedule, prepayment, matrix and planner
    // readers take.
    calculators::FieldTexts loanTexts();

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
    std::unique_ptr<PrepaymentWindow> ownPrepaymentWindow;
    std::function<QDate()> today;
    std::function<void(PrepaymentWindow&)> prepaymentWindowMade;
};

} // namespace app
