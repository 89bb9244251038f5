#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class TFormMatrix;
}

// What the matrix takes from the loan page when it opens: the field texts as they stand.
struct LoanPageTexts
{
    QString amount;
    QString years;
    QString rate;
};

// The loan payment matrix: monthly payments for up to four amounts, three rates and two terms.
class TFormMatrix final : public QDialog
{
    Q_OBJECT

public:
    // The matrix has no owner. The opener is the window whose press opens it: an error while the matrix takes
    // the loan's texts is shown over the opener, since the matrix itself is not on screen yet.
    explicit TFormMatrix(const LoanPageTexts& loan, QWidget* opener = nullptr);
    ~TFormMatrix() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate(const LoanPageTexts& loan); // takes the loan page's texts, fills the grid
    void FormShow(); // focus on the starting amount
    void ScrollBar1Change(); // the rate increment
    void ButtonCalculateClick();
    void Button3Click(); // Print
    void BitBtn1Click(); // Close
    void fillGrid();

    std::unique_ptr<Ui::TFormMatrix> ui;
};
