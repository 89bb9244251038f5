#pragma once

#include "calculators/loanoffers/LoanOffers.h"
#include "fields/FieldControls.h"
#include "fields/TypedFields.h"
#include "widgets/GridCsv.h"

#include <QDate>
#include <QWidget>
#include <array>
#include <iterator>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace Ui {
class LoanOffersWindow;
}

namespace app {

// Compares up to four lenders' offers for one purchase, fixed or adjustable: the whole monthly cost with mortgage
// insurance, the cash to close, the APR, what each costs over the years the buyer expects to keep the loan (an
// adjustable rate's worst case too), and when a dearer one to close catches up. Modeless and resizable; what is
// typed is kept between runs of the program (typedSections), the comparison is not.
class LoanOffersWindow final : public QWidget
{
    Q_OBJECT

public:
    // The fields the user types into or chooses, by their calculators' sections; the controls must be built.
    std::vector<TypedSection> typedSections() const;
    explicit LoanOffersWindow(QWidget* parent = nullptr);
    ~LoanOffersWindow() override;

    // The first payment falls on the first day of the month after today; the window opens ready to type the price.
    void startWith(QDate today);

private:
    void calculateButtonClicked();
    void printButtonClicked();
    void chartButtonClicked();
    void closeButtonClicked();
    void comparisonGridCellDoubleClicked(int row); // says what the row's figure is

    calculators::FieldTexts fieldTexts() const;
    std::vector<FieldControl> fieldControls() const;
    // The fields as typed, which a saved file begins with.
    CsvInputs inputsAsTyped() const;
    void clearComparison();
    void showComparison();

    std::unique_ptr<Ui::LoanOffersWindow> ui;
    // Each offer column's controls in the order of the offer's keys: the edits from the name to the mortgage
    // insurance, the adjustable check box, then the edits of the adjustable terms.
    std::array<std::array<QWidget*, std::size(calculators::offerFields::offerKeys)>, calculators::mostLoanOffers>
        offerControls {};
    calculators::LoanOffersInput input;
    std::optional<calculators::LoanOffersComparison> comparison;
    std::vector<std::string_view> rowFigures; // the figure of each row under the grid's heading
    CsvInputs comparedInputs; // the fields as typed when the comparison shown was calculated
};

} // namespace app
