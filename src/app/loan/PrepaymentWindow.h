#pragma once

#include "calculators/Prepayment.h"
#include "loan/LoanPageTexts.h"

#include <QWidget>
#include <memory>
#include <optional>

namespace Ui {
class PrepaymentWindow;
}

namespace app {

// The prepayment window: created hidden at start-up, shown modeless over the main window. Each Calculate
// reads the loan's rate, years and amount texts as the loan page last gave them, which it does whenever
// one of them changes.
class PrepaymentWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit PrepaymentWindow(QWidget* parent = nullptr);
    ~PrepaymentWindow() override;

    // The loan page's texts as they now stand.
    void setLoan(const LoanPageTexts& texts);
    // What the results on show were calculated from; nothing before the first successful Calculate.
    const std::optional<calculators::PrepaymentInput>& lastCalculation() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void calculateButtonClicked();
    void closeButtonClicked();

    std::unique_ptr<Ui::PrepaymentWindow> ui;
    std::optional<LoanPageTexts> loan; // none until a loan page gives one: Calculate then only checks
    bool placed = false;
    std::optional<calculators::PrepaymentInput> calculated;
};

} // namespace app
