#pragma once

#include "Prepayment.h"
#include "shell/BuiltOnFirstShow.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

class QLineEdit;

namespace Ui {
class TForm5;
}

// The prepayment window: created hidden at start-up, shown modeless over the main window. It keeps no
// copy of the loan: each Calculate reads the loan page's rate, years and amount fields as they stand.
class TForm5 final : public app::BuiltOnFirstShow<QWidget>
{
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

    void readLoanFrom(QLineEdit* rate, QLineEdit* years, QLineEdit* amount);
    // What the results on show were calculated from; nothing before the first successful Calculate.
    const std::optional<calculators::PrepaymentInput>& lastCalculation() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls() override;
    void Button1Click(); // Calculate
    void BitBtn1Click(); // Close

    // The controls, which exist only once ensureBuilt() has run (the first show).
    app::BuiltControls<Ui::TForm5> ui;
    QPointer<QLineEdit> loanRate;
    QPointer<QLineEdit> loanYears;
    QPointer<QLineEdit> loanAmount;
    bool placed = false;
    std::optional<calculators::PrepaymentInput> calculated;
};
