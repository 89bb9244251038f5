#include "matrix.h"

#include "FieldEntry.h"
#include "FinanceErrors.h"
#include "Formats.h"
#include "GridCopy.h"
#include "GridCsv.h"
#include "GuardedHandler.h"
#include "LoanMatrix.h"
#include "NumberEntry.h"
#include "PrintLayouts.h"
#include "PrintModule.h"
#include "Regional.h"
#include "StringGrid.h"
#include "ValidationSteps.h"
#include "WindowPlacement.h"
#include "ui_matrix.h"

#include <QStyle>

namespace {

using shell::Entry;

const auto startLoanMessage = QStringLiteral(
    "STARTING LOAN VALUE must be an integer greater than 1. Do not enter any \"$\" signs. Please re-enter.");
const auto loanIncrementMessage = QStringLiteral(
    "LOAN VALUE INCREMENT must be an integer greater than 1. Do not enter any \"$\" signs. Please re-enter.");
const auto startRateMessage = QStringLiteral("Starting Interest Rate must be between 1 and 30, decimal numbers OK.");
const auto startRateNotANumberMessage = QStringLiteral(
    "Starting Interest Rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = 8.25). Please re-enter.");

constexpr int openingRateStep = 2;
constexpr int rateCountOnOpening = 3;

// A loan value must be at least 2 as a decimal number and also be a whole number: no decimal point,
// exponent or trailing blank.
std::function<bool(finance::Extended)> wholeAtLeastTwo(const QLineEdit* field)
{
    return [field](finance::Extended value) {
        try {
            shell::wholeValue(field);
        } catch (const finance::EConvertError&) {
            return false;
        }
        return value >= 2;
    };
}

} // namespace

TFormMatrix::TFormMatrix(const LoanPageTexts& loan, QWidget* opener)
    : QDialog(nullptr)
    , ui(std::make_unique<Ui::TFormMatrix>())
{
    Q_INIT_RESOURCE(glyphs);
    // Flags first: set after the controls exist, they would re-style every control once more.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    ui->setupUi(this);
    setFixedSize(size());
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    shell::setUpGrid(*ui->StringGrid1);
    shell::addCsvExport(
        *shell::addGridMenu(*ui->StringGrid1), *ui->StringGrid1, this, QStringLiteral("Loan Payment Matrix.csv"));

    connect(ui->ScrollBar1, &QScrollBar::valueChanged, this, shell::guarded(this, [this] { ScrollBar1Change(); }));
    connect(ui->ButtonCalculate, &QPushButton::clicked, this, shell::guarded(this, [this] { ButtonCalculateClick(); }));
    connect(ui->Button3, &QPushButton::clicked, this, shell::guarded(this, [this] { Button3Click(); }));
    connect(ui->BitBtn1, &QPushButton::clicked, this, shell::guarded(this, [this] { BitBtn1Click(); }));

    // The window opens even when the loan page's texts do not convert.
    shell::runGuarded(opener ? opener : this, [this, &loan] { FormCreate(loan); });
}

TFormMatrix::~TFormMatrix() = default;

void TFormMatrix::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    shell::centreOnScreen(this);
    FormShow();
}

void TFormMatrix::FormCreate(const LoanPageTexts& loan)
{
    ui->EditStartLoan->setText(loan.amount);
    ui->EditLoanIncrement->setText(
        QString::fromStdString(finance::integerText(shell::wholeValue(ui->EditStartLoan) / 10)));
    ui->SpinTerm1->setValue(finance::wholeNumberEntry(loan.years.toStdString()));
    ui->SpinTerm2->setValue(ui->SpinTerm1->value());
    ui->EditStartRate->setText(loan.rate);
    ui->EditRateInc->setText(
        QString::fromStdString(calculators::rateIncrementText(openingRateStep, shell::regional())));
    ui->ScrollBar1->setValue(openingRateStep);
    ui->SpinLoanIncs->setValue(rateCountOnOpening);
    fillGrid();
}

void TFormMatrix::FormShow()
{
    ui->EditStartLoan->setFocus();
}

void TFormMatrix::ScrollBar1Change()
{
    ui->EditRateInc->setText(
        QString::fromStdString(calculators::rateIncrementText(ui->ScrollBar1->value(), shell::regional())));
}

void TFormMatrix::ButtonCalculateClick()
{
    if (!shell::passes(this,
            {
                { ui->EditStartLoan, Entry::Decimal, wholeAtLeastTwo(ui->EditStartLoan), startLoanMessage },
                { ui->EditLoanIncrement, Entry::Decimal, wholeAtLeastTwo(ui->EditLoanIncrement), loanIncrementMessage },
                { ui->EditStartRate, Entry::Decimal, shell::between(1, 30), startRateMessage,
                    startRateNotANumberMessage },
            }))
        return;
    fillGrid();
}

void TFormMatrix::fillGrid()
{
    QTableWidget& grid = *ui->StringGrid1;
    shell::setGridRowCount(grid, calculators::matrixRowCount);
    calculators::MatrixEntries entries;
    entries.startLoan = ui->EditStartLoan->text().toStdString();
    entries.loanIncrement = ui->EditLoanIncrement->text().toStdString();
    entries.startRate = ui->EditStartRate->text().toStdString();
    entries.rateIncrement = ui->EditRateInc->text().toStdString();
    entries.amountCount = ui->SpinLoanNum->typedValue();
    entries.rateCount = ui->SpinLoanIncs->typedValue();
    entries.term1 = ui->SpinTerm1->typedValue();
    entries.term2 = ui->SpinTerm2->typedValue();
    calculators::fillLoanMatrix(entries, shell::regional(), [&grid](int column, int row, const std::string& text) {
        shell::setGridText(grid, column, row, QString::fromStdString(text));
    });
}

void TFormMatrix::Button3Click()
{
    shell::printing().printPages(this, { shell::matrixPage(shell::gridTexts(*ui->StringGrid1)) },
        shell::PrintJobs::OneDocument, QStringLiteral("Corvanta loan payment matrix"));
}

void TFormMatrix::BitBtn1Click()
{
    close();
}
