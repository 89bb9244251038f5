#include "loan/MatrixWindow.h"

#include "calculators/loan/LoanMatrix.h"
#include "dialogs/DocumentName.h"
#include "dialogs/GuardedHandler.h"
#include "fields/FieldControls.h"
#include "fields/Regional.h"
#include "finance/FinanceErrors.h"
#include "printing/PrintLayouts.h"
#include "printing/Printing.h"
#include "ui_MatrixWindow.h"
#include "widgets/Glyphs.h"
#include "widgets/GridCopy.h"
#include "widgets/GridCsv.h"
#include "widgets/StringGrid.h"
#include "widgets/WindowPlacement.h"

#include <QStyle>
#include <string>

namespace app {

MatrixWindow::MatrixWindow(const calculators::MatrixOpening& opening, QWidget* opener)
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
    addCsvExport(*addGridMenu(*ui->MatrixGrid), *ui->MatrixGrid, this, csvFileName(*this));

    connect(ui->RateIncrementScrollBar, &QScrollBar::valueChanged, this,
        guarded(this, [this] { rateIncrementScrollBarChanged(); }));
    connect(ui->CalculateButton, &QPushButton::clicked, this, guarded(this, [this] { calculateButtonClicked(); }));
    connect(ui->PrintButton, &QPushButton::clicked, this, guarded(this, [this] { printButtonClicked(); }));
    connect(ui->CloseButton, &QPushButton::clicked, this, guarded(this, [this] { closeButtonClicked(); }));

    // The window opens even when the loan page's texts do not convert.
    runGuarded(opener ? opener : this, [this, &opening] { windowCreated(opening); });
}

MatrixWindow::~MatrixWindow() = default;

void MatrixWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeOnScreen(this);
    windowShown();
}

void MatrixWindow::windowCreated(const calculators::MatrixOpening& opening)
{
    const auto& texts = opening.texts;
    const auto text = [&texts](std::string_view field) { return QString::fromStdString(texts.text(field)); };
    ui->StartLoanEdit->setText(text("amount"));
    if (texts.has("increment"))
        ui->LoanIncrementEdit->setText(text("increment"));
    if (opening.years) {
        ui->Term1Spin->setValue(*opening.years);
        ui->Term2Spin->setValue(*opening.years);
    }
    // An opening that stopped at a text which is no whole number sets nothing after it.
    if (opening.error)
        throw finance::EConvertError(*opening.error);
    ui->StartRateEdit->setText(text("rate"));
    ui->RateIncrementEdit->setText(text("rate-step"));
    ui->RateIncrementScrollBar->setValue(calculators::openingRateStep);
    ui->LoanCountSpin->setValue(calculators::openingAmounts);
    ui->RateCountSpin->setValue(calculators::openingRates);
    // The terms as the spin boxes hold them, within their range.
    calculators::MatrixEntries entries = opening.entries;
    entries.term1 = ui->Term1Spin->value();
    entries.term2 = ui->Term2Spin->value();
    fillGrid(entries);
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

std::vector<FieldControl> MatrixWindow::fieldControls() const
{
    return { { "amount", ui->StartLoanEdit }, { "increment", ui->LoanIncrementEdit }, { "rate", ui->StartRateEdit },
        { "rate-step", ui->RateIncrementEdit }, { "years", ui->Term1Spin }, { "years2", ui->Term2Spin },
        { "amounts", ui->LoanCountSpin }, { "rates", ui->RateCountSpin } };
}

void MatrixWindow::calculateButtonClicked()
{
    const auto controls = fieldControls();
    if (const auto entries = readInput(this, calculators::readMatrix, textsOf(controls), controls))
        fillGrid(*entries);
}

void MatrixWindow::fillGrid(const calculators::MatrixEntries& entries)
{
    QTableWidget& grid = *ui->MatrixGrid;
    setGridRowCount(grid, calculators::matrixRowCount);
    calculators::fillLoanMatrix(entries, regional(), [&grid](int column, int row, const std::string& text) {
        setGridText(grid, column, row, QString::fromStdString(text));
    });
}

void MatrixWindow::printButtonClicked()
{
    printPages(this, { matrixPage(gridTexts(*ui->MatrixGrid)) }, PrintJobs::OneDocument, documentName(*this));
}

void MatrixWindow::closeButtonClicked()
{
    close();
}

} // namespace app
