#include "loanoffers/LoanOffersWindow.h"

#include "dialogs/Dialogs.h"
#include "dialogs/DocumentName.h"
#include "dialogs/GuardedHandler.h"
#include "fields/DateTyping.h"
#include "fields/EnterKey.h"
#include "fields/FieldAssistance.h"
#include "fields/Regional.h"
#include "loanoffers/LoanOffersHelp.h"
#include "printing/PrintLayouts.h"
#include "printing/Printing.h"
#include "regional/Formats.h"
#include "regional/ShortDate.h"
#include "ui_LoanOffersWindow.h"
#include "widgets/GridCopy.h"
#include "widgets/GridCsv.h"
#include "widgets/LoanChartViews.h"
#include "widgets/LoanChartWindow.h"
#include "widgets/PartsOnLines.h"
#include "widgets/StringGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace app {

namespace {

namespace column = calculators::offerColumns;

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

} // namespace

LoanOffersWindow::LoanOffersWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ui(std::make_unique<Ui::LoanOffersWindow>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose, false);
    offerControls = { {
        { ui->OfferANameEdit, ui->OfferARateEdit, ui->OfferAYearsEdit, ui->OfferAPointsEdit, ui->OfferAFeesEdit,
            ui->OfferAClosingEdit, ui->OfferACreditEdit, ui->OfferAInsuranceEdit, ui->OfferAAdjustableCheck,
            ui->OfferAFixedYearsEdit, ui->OfferAEveryEdit, ui->OfferAIndexEdit, ui->OfferAMarginEdit,
            ui->OfferAFirstCapEdit, ui->OfferALaterCapEdit, ui->OfferALifetimeCapEdit, ui->OfferALowestEdit },
        { ui->OfferBNameEdit, ui->OfferBRateEdit, ui->OfferBYearsEdit, ui->OfferBPointsEdit, ui->OfferBFeesEdit,
            ui->OfferBClosingEdit, ui->OfferBCreditEdit, ui->OfferBInsuranceEdit, ui->OfferBAdjustableCheck,
            ui->OfferBFixedYearsEdit, ui->OfferBEveryEdit, ui->OfferBIndexEdit, ui->OfferBMarginEdit,
            ui->OfferBFirstCapEdit, ui->OfferBLaterCapEdit, ui->OfferBLifetimeCapEdit, ui->OfferBLowestEdit },
        { ui->OfferCNameEdit, ui->OfferCRateEdit, ui->OfferCYearsEdit, ui->OfferCPointsEdit, ui->OfferCFeesEdit,
            ui->OfferCClosingEdit, ui->OfferCCreditEdit, ui->OfferCInsuranceEdit, ui->OfferCAdjustableCheck,
            ui->OfferCFixedYearsEdit, ui->OfferCEveryEdit, ui->OfferCIndexEdit, ui->OfferCMarginEdit,
            ui->OfferCFirstCapEdit, ui->OfferCLaterCapEdit, ui->OfferCLifetimeCapEdit, ui->OfferCLowestEdit },
        { ui->OfferDNameEdit, ui->OfferDRateEdit, ui->OfferDYearsEdit, ui->OfferDPointsEdit, ui->OfferDFeesEdit,
            ui->OfferDClosingEdit, ui->OfferDCreditEdit, ui->OfferDInsuranceEdit, ui->OfferDAdjustableCheck,
            ui->OfferDFixedYearsEdit, ui->OfferDEveryEdit, ui->OfferDIndexEdit, ui->OfferDMarginEdit,
            ui->OfferDFirstCapEdit, ui->OfferDLaterCapEdit, ui->OfferDLifetimeCapEdit, ui->OfferDLowestEdit },
    } };
    // An offer's adjustable terms count only while its rate is adjustable; greyed, they keep what was typed.
    for (const auto& controls : offerControls)
        connect(static_cast<QCheckBox*>(controls[column::adjustable]), &QCheckBox::toggled, this,
            [controls](bool adjustable) {
                for (std::size_t key = column::adjustable + 1; key < controls.size(); ++key)
                    controls[key]->setEnabled(adjustable);
            });

    ui->FirstPaymentEdit->setDisplayFormat(app::dateEditFormat(regional().shortDateFormat));
    new DateTyping(ui->FirstPaymentEdit);
    ui->FirstPaymentEdit->setDateRange(
        QDate(calculators::earliestPlanYear, 1, 1), QDate(calculators::latestPlanYear, 12, 31));
    setUpGrid(*ui->ComparisonGrid);
    ui->ComparisonGrid->setItemDelegate(new PartsOnLines(ui->ComparisonGrid));
    QMenu* menu = addGridMenu(*ui->ComparisonGrid);
    QAction* saveCsv
        = addCsvExport(*menu, *ui->ComparisonGrid, this, csvFileName(*this), [this] { return comparedInputs; });
    for (QPushButton* button : { ui->SaveCsvButton, ui->PrintButton, ui->ChartButton })
        button->setEnabled(false);

    // Double-clicking a field says what it is and where a Loan Estimate shows it.
    namespace field = calculators::offerFields;
    std::vector<FieldAssist> assistance {
        { ui->PriceEdit, {}, compareOffersHelp(field::price, regional()) },
        { ui->DownEdit, {}, compareOffersHelp(field::down, regional()) },
        { ui->TaxEdit, {}, compareOffersHelp(field::tax, regional()) },
        { ui->InsuranceEdit, {}, compareOffersHelp(field::insurance, regional()) },
        { ui->DuesEdit, {}, compareOffersHelp(field::dues, regional()) },
        { ui->KeepEdit, {}, compareOffersHelp(field::keep, regional()) },
        // The date box's text is a line edit of its own, which takes the mouse.
        { ui->FirstPaymentEdit->findChild<QLineEdit*>(), {}, compareOffersHelp(field::firstPayment, regional()) },
    };
    for (const auto& controls : offerControls)
        for (std::size_t key = 0; key < controls.size(); ++key)
            assistance.push_back({ controls[key], {}, compareOffersHelp(field::offerKeys[key], regional()) });
    new FieldAssistance(this, std::move(assistance));

    connect(ui->CalculateButton, &QPushButton::clicked, this, guarded(this, [this] { calculateButtonClicked(); }));
    connect(ui->SaveCsvButton, &QPushButton::clicked, saveCsv, &QAction::trigger);
    connect(ui->PrintButton, &QPushButton::clicked, this, guarded(this, [this] { printButtonClicked(); }));
    connect(ui->ChartButton, &QPushButton::clicked, this, guarded(this, [this] { chartButtonClicked(); }));
    connect(ui->CloseButton, &QPushButton::clicked, this, guarded(this, [this] { closeButtonClicked(); }));
    connect(ui->CloseAction, &QAction::triggered, this, guarded(this, [this] { closeButtonClicked(); }));
    connect(ui->ComparisonGrid, &QTableWidget::cellDoubleClicked, this,
        [this](int row, int) { runGuarded(this, [this, row] { comparisonGridCellDoubleClicked(row); }); });
    new EnterKey(this, [this] { return this; });
}

LoanOffersWindow::~LoanOffersWindow() = default;

void LoanOffersWindow::startWith(QDate today)
{
    const QDate firstOfThisMonth(today.year(), today.month(), 1);
    ui->FirstPaymentEdit->setDate(firstOfThisMonth.addMonths(1));
    ui->PriceEdit->setFocus();
    ui->PriceEdit->selectAll();
}

calculators::FieldTexts LoanOffersWindow::fieldTexts() const
{
    // What the reader takes is what the window keeps: the same controls by the same names, but for the greyed terms
    // of a fixed rate, which are kept for when it is made adjustable again (and which a scenario read on the command
    // line leaves out the same way).
    return calculators::withoutTermsOfFixedRates(typedTexts(typedSections().front().fields));
}

CsvInputs LoanOffersWindow::inputsAsTyped() const
{
    // The date as the window shows it, where the reader takes year-month-day.
    calculators::FieldTexts texts = fieldTexts();
    texts.set(calculators::offerFields::firstPayment, ui->FirstPaymentEdit->text().toStdString());
    return calculators::offersInputsAsTyped(texts);
}

std::vector<FieldControl> LoanOffersWindow::fieldControls() const
{
    namespace field = calculators::offerFields;
    std::vector<FieldControl> controls { { field::price, ui->PriceEdit }, { field::down, ui->DownEdit },
        { field::tax, ui->TaxEdit }, { field::insurance, ui->InsuranceEdit }, { field::dues, ui->DuesEdit },
        { field::keep, ui->KeepEdit }, { field::firstPayment, ui->FirstPaymentEdit },
        // A failure of the offers as a whole (none has a rate) goes to the first offer's rate.
        { field::offer, ui->OfferARateEdit } };
    for (std::size_t offer = 0; offer < offerControls.size(); ++offer)
        for (std::size_t key = 0; key < offerControls[offer].size(); ++key)
            controls.push_back({ field::offer, offerControls[offer][key],
                calculators::TableCell { static_cast<int>(offer), static_cast<int>(key) } });
    return controls;
}

void LoanOffersWindow::calculateButtonClicked()
{
    const auto read = calculators::readLoanOffers(fieldTexts(), regional());
    if (const auto* failure = std::get_if<calculators::FieldFailure>(&read)) {
        // The comparison on screen was of other inputs: it goes, so that nothing prints, saves or charts it.
        clearComparison();
        warnAbout(this, *failure, fieldControls());
        return;
    }
    input = std::get<calculators::LoanOffersInput>(read);
    comparedInputs = inputsAsTyped();
    comparison = calculators::compareLoanOffers(input);
    showComparison();
}

void LoanOffersWindow::clearComparison()
{
    comparison.reset();
    rowFigures.clear();
    // The heading row goes too: it names the offers of the comparison that went.
    clearGridResults(*ui->ComparisonGrid);
    ui->NotesLabel->clear();
    for (QPushButton* button : { ui->SaveCsvButton, ui->PrintButton, ui->ChartButton })
        button->setEnabled(false);
}

void LoanOffersWindow::showComparison()
{
    const auto rows = calculators::comparisonRows(input, *comparison, regional());
    QTableWidget& grid = *ui->ComparisonGrid;
    const GridFill fill(grid);
    // A column for the captions and one for each offer compared, so that copies and files hold no empty columns.
    grid.setColumnCount(1 + static_cast<int>(input.offers.size()));
    setGridRowCount(grid, static_cast<int>(rows.size()));
    rowFigures.clear();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (row > 0)
            rowFigures.push_back(rows[row].figure);
        const auto gridRow = static_cast<int>(row);
        setGridText(grid, 0, gridRow, text(rows[row].caption));
        // A cell of several parts shows a line for each (PartsOnLines), and its row is as tall as the most of them.
        qsizetype lines = 1;
        for (const calculators::ComparisonCell& cell : rows[row].cells)
            lines = std::max(lines, text(cell.text).count(QStringLiteral("; ")) + 1);
        if (row > 0)
            grid.setRowHeight(gridRow - 1, grid.verticalHeader()->defaultSectionSize() * static_cast<int>(lines));
        for (std::size_t cell = 0; cell < rows[row].cells.size(); ++cell) {
            const auto column = static_cast<int>(cell) + 1;
            setGridText(grid, column, gridRow, text(rows[row].cells[cell].text));
            // Figures line up on their decimal separators, as on a statement; the offers' names over them.
            QTableWidgetItem* item = row == 0 ? grid.horizontalHeaderItem(column) : grid.item(gridRow - 1, column);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    fitGridColumns(grid);
    QStringList notes;
    for (const std::string& note : calculators::comparisonNotes(input, *comparison, regional()))
        notes.append(text(note));
    ui->NotesLabel->setText(notes.join(u'\n'));
    for (QPushButton* button : { ui->SaveCsvButton, ui->PrintButton, ui->ChartButton })
        button->setEnabled(true);
}

void LoanOffersWindow::printButtonClicked()
{
    // A title with the day it was printed, the purchase and the offers as they were read, then the grid and the
    // sentences under it as shown.
    const QDate today = QDate::currentDate();
    QStringList heading { QStringLiteral("Loan offers compared on %1")
                              .arg(text(regional::shortDateText({ today.year(), today.month(), today.day() },
                                  regional(), regional::YearDigits::Four))),
        QString() };
    for (const std::string& line : calculators::offersInputLines(input, regional()))
        heading.append(text(line));
    printPages(this, { comparisonPage(heading, gridTexts(*ui->ComparisonGrid), ui->NotesLabel->text().split(u'\n')) },
        PrintJobs::OneDocument, documentName(*this));
}

void LoanOffersWindow::chartButtonClicked()
{
    const auto& offers = comparison->offers;
    const auto name = [this](std::size_t offer) { return text(input.offers[offer].name); };
    const auto money = [](calculators::Cents cents) { return static_cast<calculators::Extended>(cents) / 100; };
    const auto line = [&money](QString lineName, const std::vector<calculators::Cents>& curve, bool dashed) {
        MonthLine drawn { std::move(lineName), {}, dashed };
        for (const calculators::Cents cents : curve)
            drawn.values.push_back(money(cents));
        return drawn;
    };
    // An adjustable rate's worst case goes right after its line with the index unchanged, dashed in its colour.
    const auto worstCase = [&line, &name](std::size_t offer, const std::vector<calculators::Cents>& curve) {
        return line(QStringLiteral("%1, worst case").arg(name(offer)), curve, true);
    };
    const QString baselineName = name(comparison->baseline);
    const MonthMark kept { comparison->monthsKept,
        QStringLiteral("Kept %1 years: month %2")
            .arg(text(regional::integerText(input.yearsKept)), text(regional::integerText(comparison->monthsKept))) };
    const auto describe = [input = input, comparison = *comparison](std::int32_t month) {
        return text(calculators::monthCostText(input, comparison, month, regional()));
    };

    // Where the lines cross decides the answer: each offer's cost less the baseline's, and where its runs at or
    // below it start and end.
    MonthLines difference;
    difference.title = QStringLiteral("Cost of each offer less the cost of %1, by month: below the line it has cost "
                                      "less so far")
                           .arg(baselineName);
    difference.zeroLine = QStringLiteral("%1 (lowest cash to close)").arg(baselineName);
    difference.mark = kept;
    difference.describe = describe;
    // The baseline's own worst case is measured from the zero line, and goes first, beside it.
    if (const auto& adjustable = offers[comparison->baseline].adjustable)
        difference.lines.push_back(worstCase(
            comparison->baseline, calculators::curveAgainstBaseline(*comparison, adjustable->worstCostCurve)));
    for (std::size_t offer = 0; offer < offers.size(); ++offer) {
        if (offer == comparison->baseline)
            continue;
        const std::vector<calculators::Cents> against = calculators::costAgainstBaseline(*comparison, offer);
        difference.lines.push_back(line(name(offer), against, false));
        if (const auto& adjustable = offers[offer].adjustable)
            difference.lines.push_back(
                worstCase(offer, calculators::curveAgainstBaseline(*comparison, adjustable->worstCostCurve)));
        MonthPoints ends { QStringLiteral("%1 crosses").arg(name(offer)), {} };
        for (const calculators::CostRun& run : offers[offer].costsNoMoreThanBaseline)
            for (const std::optional<std::int32_t> month : { std::optional(run.from), run.to })
                if (month)
                    ends.points.emplace_back(*month, money(against[static_cast<std::size_t>(*month)]));
        difference.points.push_back(std::move(ends));
    }

    MonthLines cost;
    cost.title = QStringLiteral("Cost of each offer by month: loan costs up front, interest and mortgage insurance");
    cost.mark = kept;
    cost.describe = describe;
    for (std::size_t offer = 0; offer < offers.size(); ++offer) {
        cost.lines.push_back(line(name(offer), offers[offer].costCurve, false));
        if (const auto& adjustable = offers[offer].adjustable)
            cost.lines.push_back(worstCase(offer, adjustable->worstCostCurve));
    }

    std::vector<LinesTab> tabs;
    if (offers.size() > 1)
        tabs.push_back({ difference, QStringLiteral("&Difference by month") });
    tabs.push_back({ cost, QStringLiteral("C&ost by month") });
    showLinesChart(tabs, QStringLiteral("Loan Offers Chart"));
}

void LoanOffersWindow::comparisonGridCellDoubleClicked(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= rowFigures.size())
        return;
    if (const QString help = comparisonFigureHelp(rowFigures[static_cast<std::size_t>(row)]); !help.isEmpty())
        dialogs().information(this, help);
}

void LoanOffersWindow::closeButtonClicked()
{
    close();
}

std::vector<TypedSection> LoanOffersWindow::typedSections() const
{
    namespace field = calculators::offerFields;
    TypedSection section { "compare",
        { { field::price, ui->PriceEdit }, { field::down, ui->DownEdit }, { field::tax, ui->TaxEdit },
            { field::insurance, ui->InsuranceEdit }, { field::dues, ui->DuesEdit }, { field::keep, ui->KeepEdit },
            { field::firstPayment, ui->FirstPaymentEdit } } };
    for (std::size_t offer = 0; offer < offerControls.size(); ++offer)
        for (std::size_t key = 0; key < offerControls[offer].size(); ++key)
            section.fields.push_back({ .field = field::offer,
                .control = offerControls[offer][key],
                .row = static_cast<int>(offer),
                .key = field::offerKeys[key] });
    return { section };
}

} // namespace app
