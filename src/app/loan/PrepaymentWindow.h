#pragma once

#include "calculators/fields/FieldTexts.h"
#include "calculators/loan/Prepayment.h"
#include "fields/TypedFields.h"

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
    // The fields the user types into or chooses, by their calculators' sections; the controls must be built.
    std::vector<TypedSection> typedSections() const;
    explicit PrepaymentWindow(QWidget* parent = nullptr);
    ~PrepaymentWindow() override;

    // The loan page's "rate", "years" and "amount" as they now stand; the prepayment's reader takes them with this
    // window's fields at every Calculate.
    void setLoan(const calculators::FieldTexts& texts);
    // What the results on show were calculated from; nothing before the first successful Calculate.
    const std::optional<calculators::PrepaymentInput>& lastCalculation() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void calculateButtonClicked();
    void closeButtonClicked();

    std::unique_ptr<Ui::PrepaymentWindow> ui;
    calculators::FieldTexts loan;
    bool placed = false;
    std::optional<calculators::PrepaymentInput> calculated;
};

} // namespace app
