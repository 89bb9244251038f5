#pragma once

#include "calculators/extrapayments/ExtraPaymentsPlan.h"
#include "calculators/extrapayments/ExtraPaymentsReader.h"
#include "calculators/fields/FieldTexts.h"
#include "fields/FieldControls.h"
#include "fields/TypedFields.h"
#include "widgets/GridCsv.h"

#include <QDate>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class ExtraPaymentsWindow;
}

namespace app {

// The extra payments planner: a monthly loan with extras paid every month, every year, once, or as half
// payments every two weeks, and its schedule to the cent beside the same loan without them. Modeless and
// resizable; it keeps nothing between runs of the program and writes nothing back to the loan page.
class ExtraPaymentsWindow final : public QWidget
{
    Q_OBJECT

public:
    // The fields the user types into or chooses, by their calculators' sections; the controls must be built.
    std::vector<TypedSection> typedSections() const;
    explicit ExtraPaymentsWindow(QWidget* parent = nullptr);
    ~ExtraPaymentsWindow() override;

    // The loan fields take the loan page's loan where the planner's rules accept it, else 7%, 30 years and 200000;
    // the first payment falls on the first day of the month after today.
    void startWith(const std::optional<calculators::FieldTexts>& loan, QDate today);

private:
    void calculateButtonClicked();
    void addRowButtonClicked(); // adds a one-time extra row and starts typing its payment number
    void removeRowButtonClicked(); // removes the current one-time extra row
    void printButtonClicked();
    void chartButtonClicked();
    void closeButtonClicked();

    bool eventFilter(QObject* watched, QEvent* event) override;
    calculators::FieldTexts fieldTexts() const;
    CsvInputs inputsAsTyped() const;
    std::vector<FieldControl> fieldControls() const;
    void clearPlan();
    void showPlan();

    std::unique_ptr<Ui::ExtraPaymentsWindow> ui;
    calculators::ExtraPaymentsInput input;
    std::optional<calculators::ExtraPaymentsPlan> plan;
    CsvInputs planInputs; // the fields as typed when the plan was calculated, which its CSV begins with
};

} // namespace app
