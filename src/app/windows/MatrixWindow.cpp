#include "windows/MatrixWindow.h"

#include "Checks.h"
#include "Formats.h"
#include "LoanMatrix.h"
#include "NumberEntry.h"
#include "printing/PrintLayouts.h"
#include "printing/Printing.h"
#include "shell/FieldEntry.h"
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

namespace {

constexpr int openingRateStep = 2;
constexpr int rateCountOnOpening = 3;

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
    app::setUpGrid(*ui->StringGrid1);
    app::addCsvExport(
        *app::addGridMenu(*ui->StringGrid1), *ui->StringGrid1, this, QStringLiteral("Loan Payment Matrix.csv"));

    connect(ui->ScrollBar1, &QScrollBar::valueChanged, this, app::guarded(this, [this] { ScrollBar1Change(); }));
    connect(ui->ButtonCalculate, &QPushButton::clicked, this, app::guarded(this, [this] { ButtonCalculateClick(); }));
    connect(ui->Button3, &QPushButton::clicked, this, app::guarded(this, [this] { Button3Click(); }));
    connect(ui->BitBtn1, &QPushButton::clicked, this, app::guarded(this, [this] { BitBtn1Click(); }));

    // The window opens even when the loan page's texts do not convert.
    app::runGuarded(opener ? opener : this, [this, &loan] { FormCreate(loan); });
}

TFormMatrix::~TFormMatrix() = default;

void TFormMatrix::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    app::placeOnScreen(this);
    FormShow();
}

void TFormMatrix::FormCreate(const LoanPageTexts& loan)
{
    ui->EditStartLoan->setText(loan.amount);
    ui->EditLoanIncrement->setText(
        QString::fromStdString(finance::integerText(app::wholeValue(ui->EditStartLoan) / 10)));
    ui->SpinTerm1->setValue(finance::wholeNumberEntry(loan.years.toStdString()));
    ui->SpinTerm2->setValue(ui->SpinTerm1->value());
    ui->EditStartRate->setText(loan.rate);
    ui->EditRateInc->setText(QString::fromStdString(calculators::rateIncrementText(openingRateStep, app::regional())));
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
        QString::fromStdString(calculators::rateIncrementText(ui->ScrollBar1->value(), app::regional())));
}

void TFormMatrix::ButtonCalculateClick()
{
    // The fill reads the texts as the fields hold them.
    if (!app::readFields(this, calculators::checks::matrix,
            { { "amount", ui->EditStartLoan }, { "increment", ui->EditLoanIncrement }, { "rate", ui->EditStartRate } }))
        return;
    fillGrid();
}

void TFormMatrix::fillGrid()
{
    QTableWidget& grid = *ui->StringGrid1;
    app::setGridRowCount(grid, calculators::matrixRowCount);
    calculators::MatrixEntries entries;
    entries.startLoan = ui->EditStartLoan->text().toStdString();
    entries.loanIncrement = ui->EditLoanIncrement->text().toStdString();
    entries.startRate = ui->EditStartRate->text().toStdString();
    entries.rateIncrement = ui->EditRateInc->text().toStdString();
    entries.amountCount = ui->SpinLoanNum->typedValue();
    entries.rateCount = ui->SpinLoanIncs->typedValue();
    entries.term1 = ui->SpinTerm1->typedValue();
    entries.term2 = ui->SpinTerm2->typedValue();
    calculators::fillLoanMatrix(entries, app::regional(), [&grid](int column, int row, const std::string& text) {
        app::setGridText(grid, column, row, QString::fromStdString(text));
    });
}

void TFormMatrix::Button3Click()
{
    app::printPages(this, { app::matrixPage(app::gridTexts(*ui->StringGrid1)) }, app::PrintJobs::OneDocument,
        QStringLiteral("Corvanta loan payment matrix"));
}

void TFormMatrix::BitBtn1Click()
{
    close();
}
