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
    explicit TFormMatrix(const LoanPageTexts& loan, QWidget* parent = nullptr);
    ~TFormMatrix() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate(const LoanPageTexts& loan);
    void FormShow();
    void ScrollBar1Change();
    void ButtonCalculateClick();
    void Button3Click();
    void BitBtn1Click();
    void fillGrid();

    std::unique_ptr<Ui::TFormMatrix> ui;
};
