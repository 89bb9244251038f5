#include "extrapayments/ExtraPaymentsWindow.h"

#include "dialogs/Dialogs.h"
#include "dialogs/DocumentName.h"
#include "dialogs/GuardedHandler.h"
#include "fields/DateTyping.h"
#include "fields/EnterKey.h"
#include "fields/FieldControls.h"
#include "fields/Regional.h"
#include "printing/PrintLayouts.h"
#include "printing/Printing.h"
#include "regional/ShortDate.h"
#include "ui_ExtraPaymentsWindow.h"
#include "widgets/GridCopy.h"
#include "widgets/GridCsv.h"
#include "widgets/LoanChartWindow.h"
#include "widgets/StringGrid.h"
#include "widgets/WindowPlacement.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cstddef>
#include <string>
#include <variant>

namespace app {

namespace {

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

std::string cellText(const QTableWidget& table, int row, int column)
{
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text().toStdString() : std::string();
}

// The headings show from the start, so that an empty grid already tells what it will hold.
void showTitles(QTableWidget& grid)
{
    const auto titles = calculators::planGridTitles();
    for (int column = 0; column < grid.columnCount(); ++column) {
        setGridText(grid, column, 0, text(titles[static_cast<std::size_t>(column)]));
        if (column >= 2)
            grid.horizontalHeaderItem(column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

} // namespace

ExtraPaymentsWindow::ExtraPaymentsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ui(std::make_unique<Ui::ExtraPaymentsWindow>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose, false);

    const auto& settings = regional();
    // Month names are English words like the rest of the window; only numbers and dates take the locale's form.
    for (int month = 1; month <= 12; ++month)
        ui->YearlyMonthCombo->addItem(text(calculators::monthName(month)));
    // The list that drops down is a stop of its own for screen readers: it reads as its box.
    ui->YearlyMonthCombo->view()->setAccessibleName(ui->YearlyMonthCombo->accessibleName());
    ui->FirstPaymentEdit->setDisplayFormat(app::dateEditFormat(settings.shortDateFormat));
    new DateTyping(ui->FirstPaymentEdit);
    // The calendar offers the years a plan may start in, the planner's own limits.
    ui->FirstPaymentEdit->setDateRange(
        QDate(calculators::earliestPlanYear, 1, 1), QDate(calculators::latestPlanYear, 12, 31));
    ui->OneTimeTable->installEventFilter(this);
    setUpGrid(*ui->PlanGrid);
    showTitles(*ui->PlanGrid);
    QMenu* menu = addGridMenu(*ui->PlanGrid);
    QAction* saveCsv = addCsvExport(*menu, *ui->PlanGrid, this, csvFileName(*this), [this] { return planInputs; });
    for (QPushButton* button : { ui->SaveCsvButton, ui->PrintButton, ui->ChartButton })
        button->setEnabled(false);

    connect(ui->CalculateButton, &QPushButton::clicked, this, guarded(this, [this] { calculateButtonClicked(); }));
    connect(ui->AddRowButton, &QPushButton::clicked, this, guarded(this, [this] { addRowButtonClicked(); }));
    connect(ui->RemoveRowButton, &QPushButton::clicked, this, guarded(this, [this] { removeRowButtonClicked(); }));
    connect(ui->SaveCsvButton, &QPushButton::clicked, saveCsv, &QAction::trigger);
    connect(ui->PrintButton, &QPushButton::clicked, this, guarded(this, [this] { printButtonClicked(); }));
    connect(ui->ChartButton, &QPushButton::clicked, this, guarded(this, [this] { chartButtonClicked(); }));
    connect(ui->CloseButton, &QPushButton::clicked, this, guarded(this, [this] { closeButtonClicked(); }));
    connect(ui->CloseAction, &QAction::triggered, this, guarded(this, [this] { closeButtonClicked(); }));
    // The first year of the yearly extra follows the first payment until it is typed over.
    connect(ui->FirstPaymentEdit, &QDateEdit::dateChanged, this,
        [this](QDate date) { ui->YearlyFromYearEdit->setPlaceholderText(QString::number(date.year())); });
    new EnterKey(this, [this] { return this; });
}

ExtraPaymentsWindow::~ExtraPaymentsWindow() = default;

void ExtraPaymentsWindow::startWith(const std::optional<calculators::FieldTexts>& loan, QDate today)
{
    namespace field = calculators::plannerFields;
    const QDate firstOfThisMonth(today.year(), today.month(), 1);
    ui->FirstPaymentEdit->setDate(firstOfThisMonth.addMonths(1));
    // The loan page's loan is taken when the planner's own rules take it; otherwise the planner's example loan.
    const auto loanText
        = [&loan](std::string_view name) { return QString::fromStdString(loan ? loan->text(name) : ""); };
    ui->RateEdit->setText(loanText(field::rate));
    ui->YearsEdit->setText(loanText(field::years));
    ui->AmountEdit->setText(loanText(field::amount));
    if (!loan
        || std::holds_alternative<calculators::FieldFailure>(
            calculators::readExtraPayments(fieldTexts(), app::regional()))) {
        ui->RateEdit->setText(QStringLiteral("7"));
        ui->YearsEdit->setText(QStringLiteral("30"));
        ui->AmountEdit->setText(QStringLiteral("200000"));
    }
    ui->YearlyMonthCombo->setCurrentIndex(ui->FirstPaymentEdit->date().month() - 1);
    // The window opens ready to type over the rate.
    ui->RateEdit->setFocus();
    ui->RateEdit->selectAll();
}

std::vector<FieldControl> ExtraPaymentsWindow::fieldControls() const
{
    namespace field = calculators::plannerFields;
    return { { field::rate, ui->RateEdit }, { field::years, ui->YearsEdit }, { field::amount, ui->AmountEdit },
        { field::firstPayment, ui->FirstPaymentEdit }, { field::monthlyExtra, ui->MonthlyExtraEdit },
        { field::monthlyFrom, ui->MonthlyFromEdit }, { field::monthlyThrough, ui->MonthlyThroughEdit },
        { field::yearlyExtra, ui->YearlyExtraEdit }, { field::yearlyMonth, ui->YearlyMonthCombo },
        { field::yearlyFrom, ui->YearlyFromYearEdit }, { field::oneTime, ui->OneTimeTable },
        { field::everyTwoWeeks, ui->EveryTwoWeeksCheck } };
}

calculators::FieldTexts ExtraPaymentsWindow::fieldTexts() const
{
    namespace field = calculators::plannerFields;
    calculators::FieldTexts texts = textsOf(fieldControls());
    const QDate first = ui->FirstPaymentEdit->date();
    texts.set(field::firstPayment, regional::isoDateText({ first.year(), first.month(), first.day() }));
    texts.set(field::yearlyMonth, std::to_string(ui->YearlyMonthCombo->currentIndex() + 1));
    const QTableWidget& table = *ui->OneTimeTable;
    for (int row = 0; row < table.rowCount(); ++row)
        texts.addRow(field::oneTime,
            { { std::string(calculators::oneTimeKeys::payment), cellText(table, row, 0) },
                { std::string(calculators::oneTimeKeys::amount), cellText(table, row, 1) } });
    texts.set(field::everyTwoWeeks, ui->EveryTwoWeeksCheck->isChecked() ? "yes" : "no");
    return texts;
}

CsvInputs ExtraPaymentsWindow::inputsAsTyped() const
{
    namespace field = calculators::plannerFields;
    // The date and the month as the window shows them, where the reader takes digits.
    calculators::FieldTexts texts = fieldTexts();
    texts.set(field::firstPayment, ui->FirstPaymentEdit->text().toStdString());
    texts.set(field::yearlyMonth, ui->YearlyMonthCombo->currentText().toStdString());
    return calculators::plannerInputsAsTyped(texts);
}

void ExtraPaymentsWindow::calculateButtonClicked()
{
    // Enter in a one-time cell being typed in calculates with what it holds: focus leaving the cell's editor
    // writes it into the table.
    if (ui->OneTimeTable->isAncestorOf(QApplication::focusWidget()))
        ui->OneTimeTable->setFocus();
    const auto read = calculators::readExtraPayments(fieldTexts(), app::regional());
    if (const auto* failure = std::get_if<calculators::FieldFailure>(&read)) {
        // The plan on screen was of other inputs: it goes, so that nothing prints, saves or charts it.
        clearPlan();
        warnAbout(this, *failure, fieldControls());
        return;
    }
    input = std::get<calculators::ExtraPaymentsInput>(read);
    planInputs = inputsAsTyped();
    plan = calculators::planExtraPayments(input);
    showPlan();
}

void ExtraPaymentsWindow::clearPlan()
{
    plan.reset();
    ui->SummaryText->clear();
    // The headings stay: they tell what the grid holds, and the next plan fills only the rows under them.
    clearGridResults(*ui->PlanGrid);
    showTitles(*ui->PlanGrid);
    for (QPushButton* button : { ui->SaveCsvButton, ui->PrintButton, ui->ChartButton })
        button->setEnabled(false);
}

void ExtraPaymentsWindow::showPlan()
{
    const auto& settings = regional();
    QStringList summary;
    for (const std::string& line : calculators::planSummaryLines(*plan, settings))
        summary.append(text(line));
    ui->SummaryText->setPlainText(summary.join(u'\n'));

    QTableWidget& grid = *ui->PlanGrid;
    const GridFill fill(grid);
    const auto rows = static_cast<int>(plan->rows.size());
    setGridRowCount(grid, rows + 1);
    // Amounts line up on their decimal separators, as on a statement.
    for (int row = 1; row <= rows; ++row) {
        const auto texts = calculators::planRowTexts(plan->rows[static_cast<std::size_t>(row - 1)], settings);
        for (int column = 0; column < grid.columnCount(); ++column) {
            setGridText(grid, column, row, text(texts[static_cast<std::size_t>(column)]));
            if (column >= 2)
                grid.item(row - 1, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    for (QPushButton* button : { ui->SaveCsvButton, ui->PrintButton, ui->ChartButton })
        button->setEnabled(true);
}

void ExtraPaymentsWindow::addRowButtonClicked()
{
    QTableWidget& table = *ui->OneTimeTable;
    if (table.rowCount() >= static_cast<int>(calculators::mostOneTimeExtras)) {
        app::dialogs().warning(this, text(calculators::tooManyOneTimeExtrasMessage()));
        return;
    }
    const int row = table.rowCount();
    table.insertRow(row);
    table.setItem(row, 0, new QTableWidgetItem());
    table.setItem(row, 1, new QTableWidgetItem());
    table.setFocus();
    table.setCurrentCell(row, 0);
    table.editItem(table.item(row, 0));
}

void ExtraPaymentsWindow::removeRowButtonClicked()
{
    QTableWidget& table = *ui->OneTimeTable;
    const int row = table.currentRow();
    if (row < 0)
        return;
    table.removeRow(row);
    if (table.rowCount() > 0)
        table.setCurrentCell(std::min(row, table.rowCount() - 1), 0);
}

void ExtraPaymentsWindow::printButtonClicked()
{
    // What is printed is what the window shows, its summary and its grid, under the loan and extras they are of.
    QStringList heading;
    for (const std::string& line : calculators::planInputLines(input, regional()))
        heading.append(text(line));
    heading.append(QString());
    heading.append(ui->SummaryText->toPlainText().split(u'\n'));
    printPages(this, planPages(heading, gridTexts(*ui->PlanGrid)), PrintJobs::OneDocument, documentName(*this));
}

void ExtraPaymentsWindow::chartButtonClicked()
{
    showLoanChart(calculators::planChartData(*plan, input.amount), QStringLiteral("With the extra payments"));
}

void ExtraPaymentsWindow::closeButtonClicked()
{
    close();
}

bool ExtraPaymentsWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Insert adds a one-time row and Delete removes the current one; a cell being typed in keeps Delete.
    if (watched == ui->OneTimeTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Insert) {
            runGuarded(this, [this] { addRowButtonClicked(); });
            return true;
        }
        if (key == Qt::Key_Delete) {
            runGuarded(this, [this] { removeRowButtonClicked(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::vector<TypedSection> ExtraPaymentsWindow::typedSections() const
{
    namespace field = calculators::plannerFields;
    static constexpr std::string_view onceColumns[]
        = { calculators::oneTimeKeys::payment, calculators::oneTimeKeys::amount };
    return { { "plan",
        { { field::rate, ui->RateEdit }, { field::years, ui->YearsEdit }, { field::amount, ui->AmountEdit },
            { field::firstPayment, ui->FirstPaymentEdit }, { field::monthlyExtra, ui->MonthlyExtraEdit },
            { field::monthlyFrom, ui->MonthlyFromEdit }, { field::monthlyThrough, ui->MonthlyThroughEdit },
            { field::yearlyExtra, ui->YearlyExtraEdit }, { field::yearlyMonth, ui->YearlyMonthCombo },
            { field::yearlyFrom, ui->YearlyFromYearEdit },
            { .field = field::oneTime, .control = ui->OneTimeTable, .columns = onceColumns },
            { field::everyTwoWeeks, ui->EveryTwoWeeksCheck } } } };
}

} // namespace app
