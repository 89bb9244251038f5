#pragma once

#include "calculators/loan/LoanMatrix.h"
#include "fields/FieldControls.h"

#include <QDialog>
#include <memory>
#include <vector>

namespace Ui {
class MatrixWindow;
}

namespace app {

// The loan payment matrix: monthly payments for up to four amounts, three rates and two terms.
class MatrixWindow final : public QDialog
{
    Q_OBJECT

public:
    // The matrix has no owner; it opens with the texts calculators::matrixOpening makes of the loan page's. The
    // opener is the window whose press opens it: an error in the loan's texts is shown over the opener, since the
    // matrix itself is not on screen yet.
    explicit MatrixWindow(const calculators::MatrixOpening& opening, QWidget* opener = nullptr);
    ~MatrixWindow() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void windowCreated(const calculators::MatrixOpening& opening); // takes the opening texts, fills the grid
    void windowShown(); // focus on the starting amount
    void rateIncrementScrollBarChanged();
    void calculateButtonClicked();
    void printButtonClicked();
    void closeButtonClicked();
    void fillGrid(const calculators::MatrixEntries& entries);
    std::vector<FieldControl> fieldControls() const;

    std::unique_ptr<Ui::MatrixWindow> ui;
};

} // namespace app
