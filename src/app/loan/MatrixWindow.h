#pragma once

#include "loan/LoanPageTexts.h"

#include <QDialog>
#include <memory>

namespace Ui {
class MatrixWindow;
}

namespace app {

// The loan payment matrix: monthly payments for up to four amounts, three rates and two terms.
class MatrixWindow final : public QDialog
{
    Q_OBJECT

public:
    // The matrix has no owner. The opener is the window whose press opens it: an error while the matrix takes
    // the loan's texts is shown over the opener, since the matrix itself is not on screen yet.
    explicit MatrixWindow(const LoanPageTexts& loan, QWidget* opener = nullptr);
    ~MatrixWindow() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void windowCreated(const LoanPageTexts& loan); // takes the loan page's texts, fills the grid
    void windowShown(); // focus on the starting amount
    void rateIncrementScrollBarChanged();
    void calculateButtonClicked();
    void printButtonClicked();
    void closeButtonClicked();
    void fillGrid();

    std::unique_ptr<Ui::MatrixWindow> ui;
};

} // namespace app
