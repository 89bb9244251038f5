#include "loan/MatrixWindow.h"

#include "calculators/Checks.h"
#include "calculators/LoanMatrix.h"
#include "finance/Formats.h"
#include "finance/NumberEntry.h"
#include "printing/PrintLayouts.h"
#include "printing/Printing.h"
#include "shell/FieldEntry.h"
#include "shell/Glyphs.h"
#include "shell/GuardedHandler.h"
#include "shell/Regional.h"
#include "shell/ValidationSteps.h"
#include "shell/WindowPlacement.h"
#include "ui_MatrixWindow.h"
#include "widgets/GridCopy.h"
#include "widgets/GridCsv.h"
#include "widgets/StringGrid.h"

#include <QStyle>
#include <string>

namespace app {

namespace {

constexpr int openingRateStep = 2;
constexpr int rateCountOnOpening = 3;

} // namespace

MatrixWindow::MatrixWindow(const LoanPageTexts& loan, QWidget* opener)
    : QDialog(nullptr)
    , ui(std::make_unique<Ui::MatrixWindow>())
{
    registerGlyphs();
    // Flags first: set after the controls exist, they would re-style every control once more.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    ui->setupUi(this);
    setFixedSize(size());
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->CloseButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    setUpGrid(*ui->MatrixGrid);
    addCsvExport(*addGridMenu(*ui->MatrixGrid), *ui->MatrixGrid, this, QStringLiteral("Loan Payment Matrix.csv"));

    connect(ui->RateIncrementScrollBar, &QScrollBar::valueChanged, this,
        guarded(this, [this] { rateIncrementScrollBarChanged(); }));
    connect(ui->CalculateButton, &QPushButton::clicked, this, guarded(this, [this] { calculateButtonClicked(); }));
    connect(ui->PrintButton, &QPushButton::clicked, this, guarded(this, [this] { printButtonClicked(); }));
    connect(ui->CloseButton, &QPushButton::clicked, this, guarded(this, [this] { closeButtonClicked(); }));

    // The window opens even when the loan page's texts do not convert.
    runGuarded(opener ? opener : this, [this, &loan] { windowCreated(loan); });
}

MatrixWindow::~MatrixWindow() = default;

void MatrixWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeOnScreen(this);
    windowShown();
}

void MatrixWindow::windowCreated(const LoanPageTexts& loan)
{
    ui->StartLoanEdit->setText(loan.amount);
    ui->LoanIncrementEdit->setText(QString::fromStdString(finance::integerText(wholeValue(ui->StartLoanEdit) / 10)));
    ui->Term1Spin->setValue(finance::wholeNumberEntry(loan.years.toStdString()));
    ui->Term2Spin->setValue(ui->Term1Spin->value());
    ui->StartRateEdit->setText(loan.rate);
    ui->RateIncrementEdit->setText(QString::fromStdString(calculators::rateIncrementText(openingRateStep, regional())));
    ui->RateIncrementScrollBar->setValue(openingRateStep);
    ui->RateCountSpin->setValue(rateCountOnOpening);
    fillGrid();
}

void MatrixWindow::windowShown()
{
    ui->StartLoanEdit->setFocus();
}

void MatrixWindow::rateIncrementScrollBarChanged()
{
    ui->RateIncrementEdit->setText(
        QString::fromStdString(calculators::rateIncrementText(ui->RateIncrementScrollBar->value(), regional())));
}

void MatrixWindow::calculateButtonClicked()
{
    // The fill reads the texts as the fields hold them.
    if (!app::readFields(this, calculators::checks::matrix,
            { { "amount", ui->StartLoanEdit }, { "increment", ui->LoanIncrementEdit }, { "rate", ui->StartRateEdit } }))
        return;
    fillGrid();
}

void MatrixWindow::fillGrid()
{
    QTableWidget& grid = *ui->MatrixGrid;
    setGridRowCount(grid, calculators::matrixRowCount);
    calculators::MatrixEntries entries;
    entries.startLoan = ui->StartLoanEdit->text().toStdString();
    entries.loanIncrement = ui->LoanIncrementEdit->text().toStdString();
    entries.startRate = ui->StartRateEdit->text().toStdString();
    entries.rateIncrement = ui->RateIncrementEdit->text().toStdString();
    entries.amountCount = ui->LoanCountSpin->typedValue();
    entries.rateCount = ui->RateCountSpin->typedValue();
    entries.term1 = ui->Term1Spin->typedValue();
    entries.term2 = ui->Term2Spin->typedValue();
    calculators::fillLoanMatrix(entries, regional(), [&grid](int column, int row, const std::string& text) {
        setGridText(grid, column, row, QString::fromStdString(text));
    });
}

void MatrixWindow::printButtonClicked()
{
    printPages(this, { matrixPage(gridTexts(*ui->MatrixGrid)) }, PrintJobs::OneDocument,
        QStringLiteral("Corvanta loan payment matrix"));
}

void MatrixWindow::closeButtonClicked()
{
    close();
}

} // namespace app
