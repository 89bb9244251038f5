// The loan offers window driven through its real widgets: opened from the main window's Tools menu, typed into
// as a buyer with two lenders' offers does, calculated, warned, copied, saved, printed to a PDF that is read back,
// and charted.
#include "loanoffers/LoanOffersWindow.h"

#include "Controls.h"
#include "ModalHelper.h"
#include "PdfWords.h"
#include "RecordingDialogs.h"
#include "RegionalPresets.h"
#include "ScopedRegionalSettings.h"
#include "ShownPage.h"
#include "calculators/loanoffers/LoanOffers.h"
#include "loanoffers/LoanOffersHelp.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "widgets/StringGrid.h"

#include <QAbstractSeries>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

using app::LoanOffersWindow;

namespace {

class LoanOffersWindowTest : public ShownPage<LoanOffersWindow>
{
protected:
    void SetUp() override
    {
        page.startWith(QDate(2026, 12, 9));
        ShownPage::SetUp();
    }

public:
    // The behaviours below reach the window through these.
    using ShownPage::control;
    using ShownPage::field;
    using ShownPage::page;
    using ShownPage::press;
    using ShownPage::typeOver;

    QTableWidget* grid() { return control<QTableWidget>("ComparisonGrid"); }
    QStringList gridRow(int row)
    {
        QStringList cells;
        for (int column = 0; column < grid()->columnCount(); ++column)
            cells.append(app::gridText(*grid(), column, row));
        return cells;
    }
    // 360,000 borrowed on 400,000 over 30 years: at 6.5 % with 1,500 of fees, or at 6.25 % with a point.
    void fillTwoOffers()
    {
        typeOver("PriceEdit", "400000");
        typeOver("DownEdit", "40000");
        typeOver("OfferARateEdit", "6.5");
        typeOver("OfferAFeesEdit", "1500");
        typeOver("OfferBNameEdit", "Second Bank");
        typeOver("OfferBRateEdit", "6.25");
        typeOver("OfferBPointsEdit", "1");
    }
    void calculate()
    {
        fillTwoOffers();
        press("CalculateButton");
        ASSERT_TRUE(recordedDialogs().shown.empty());
    }
    // A control under the fields' fold is clicked as a user clicks it: scrolled into view first, as it is when it
    // takes the focus.
    void clickInView(const char* name)
    {
        control(name)->setFocus();
        QCoreApplication::processEvents();
        press(name);
    }
    // Second Bank's rate adjusts after 5 years, every 6 months, toward 4.31 % plus 2.75 %, within caps of 2/1/5.
    void makeSecondBankAdjustable()
    {
        control<QCheckBox>("OfferBAdjustableCheck")->setChecked(true);
        typeOver("OfferBIndexEdit", "4.31");
        typeOver("OfferBMarginEdit", "2.75");
    }
    // The row of the grid under its heading that has the caption, or -1.
    int rowOf(const QString& caption)
    {
        for (int row = 1; row < app::gridRowCount(*grid()); ++row)
            if (app::gridText(*grid(), 0, row) == caption)
                return row - 1;
        return -1;
    }
    // An amount of the grid as a number: "$2,275.44" is 2275.44.
    double amountAt(const QString& caption, int column)
    {
        return app::gridText(*grid(), column, rowOf(caption) + 1).remove(u'$').remove(u',').toDouble();
    }
    bool resultsEnabled()
    {
        return control<QPushButton>("PrintButton")->isEnabled() && control<QPushButton>("SaveCsvButton")->isEnabled()
            && control<QPushButton>("ChartButton")->isEnabled();
    }
    // Print pressed, to a PDF read back.
    std::optional<PdfText> printed()
    {
        QTemporaryDir folder;
        if (!folder.isValid())
            return std::nullopt;
        const QString pdf = folder.filePath(QStringLiteral("offers.pdf"));
        recordedDialogs().confirmPrinter = true;
        recordedDialogs().preparePrinter = [&pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        };
        press("PrintButton");
        return readPdfText(pdf);
    }
    // The control of ours with the focus: a date edit's own text field counts as the date edit.
    QString focusedName()
    {
        for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
                return widget->objectName();
        return {};
    }
};

struct Behaviour
{
    const char* name;
    std::function<void(LoanOffersWindowTest&)> check;
};

void PrintTo(const Behaviour& behaviour, std::ostream* out)
{
    *out << behaviour.name;
}

class LoanOffersBehaviour : public LoanOffersWindowTest, public ::testing::WithParamInterface<Behaviour>
{ };

TEST_P(LoanOffersBehaviour, Holds)
{
    GetParam().check(*this);
}

// An offer's adjustable terms, which its check box greys while its rate is fixed.
const char* const adjustableTerms[] = { "FixedYearsEdit", "EveryEdit", "IndexEdit", "MarginEdit", "FirstCapEdit",
    "LaterCapEdit", "LifetimeCapEdit", "LowestEdit" };

// The name of an offer's control: offer "B" and "IndexEdit" make "OfferBIndexEdit".
QString offerControl(const char* offer, const char* control)
{
    return QStringLiteral("Offer%1%2").arg(QLatin1String(offer), QLatin1String(control));
}

QStringList tabOrder()
{
    QStringList order { QStringLiteral("PriceEdit"), QStringLiteral("DownEdit"), QStringLiteral("TaxEdit"),
        QStringLiteral("InsuranceEdit"), QStringLiteral("DuesEdit"), QStringLiteral("KeepEdit"),
        QStringLiteral("FirstPaymentEdit") };
    for (const char* offer : { "A", "B", "C", "D" }) {
        for (const char* field : { "NameEdit", "RateEdit", "YearsEdit", "PointsEdit", "FeesEdit", "ClosingEdit",
                 "CreditEdit", "InsuranceEdit", "AdjustableCheck" })
            order.append(offerControl(offer, field));
        for (const char* term : adjustableTerms)
            order.append(offerControl(offer, term));
    }
    order << QStringLiteral("CalculateButton") << QStringLiteral("CloseButton") << QStringLiteral("ComparisonGrid")
          << QStringLiteral("SaveCsvButton") << QStringLiteral("PrintButton") << QStringLiteral("ChartButton");
    return order;
}

const Behaviour behaviours[] = {
    { "TabGoesThroughThePurchaseThenOneOfferAfterTheOther",
        [](LoanOffersWindowTest& t) {
            t.calculate();
            // Every offer adjustable, so that no term is greyed and passed over.
            for (const char* check :
                { "OfferAAdjustableCheck", "OfferBAdjustableCheck", "OfferCAdjustableCheck", "OfferDAdjustableCheck" })
                t.clickInView(check);
            t.field("PriceEdit")->setFocus();
            QStringList visited { t.focusedName() };
            // Tab takes the date edit from its day to its month and year first.
            for (int step = 0; step < 120 && visited.size() < tabOrder().size(); ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                if (t.focusedName() != visited.last())
                    visited.append(t.focusedName());
            }
            EXPECT_EQ(visited.join(u' ').toStdString(), tabOrder().join(u' ').toStdString());
        } },
    { "EveryControlHasAnAccessibleName",
        [](LoanOffersWindowTest& t) {
            int named = 0;
            for (const QWidget* control : t.page.findChildren<QWidget*>()) {
                if (control->focusPolicy() == Qt::NoFocus || control->objectName().isEmpty()
                    || control->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
                ++named;
            }
            EXPECT_EQ(named, tabOrder().size());
        } },
    { "EnterInAnyFieldCalculatesAndEscCloses",
        [](LoanOffersWindowTest& t) {
            t.fillTwoOffers();
            EXPECT_FALSE(t.resultsEnabled());
            QTest::keyClick(t.field("OfferDInsuranceEdit"), Qt::Key_Return);
            EXPECT_TRUE(recordedDialogs().shown.empty());
            EXPECT_GT(t.grid()->rowCount(), 10);
            EXPECT_TRUE(t.resultsEnabled());
            QTest::keyClick(t.field("OfferBRateEdit"), Qt::Key_Escape);
            EXPECT_FALSE(t.page.isVisible());
        } },
    { "ARefusedOfferFieldTakesTheUserToThatOffersEditAndClearsTheComparison",
        [](LoanOffersWindowTest& t) {
            t.calculate();
            t.typeOver("OfferCRateEdit", "7");
            t.typeOver("OfferCYearsEdit", "51");
            t.press("CalculateButton");
            ASSERT_EQ(recordedDialogs().shown.size(), 1U);
            EXPECT_EQ(recordedDialogs().shown[0].kind, RecordingDialogs::Kind::Warning);
            EXPECT_EQ(QApplication::focusWidget(), t.field("OfferCYearsEdit"));
            EXPECT_EQ(t.field("OfferCYearsEdit")->selectedText(), QStringLiteral("51"));
            EXPECT_EQ(t.grid()->rowCount(), 0);
            EXPECT_EQ(app::gridText(*t.grid(), 1, 0), QString());
            EXPECT_FALSE(t.resultsEnabled());
        } },
    { "ARefusedPurchaseFieldTakesTheUserToItsEdit",
        [](LoanOffersWindowTest& t) {
            t.fillTwoOffers();
            t.typeOver("DownEdit", "400000");
            t.press("CalculateButton");
            ASSERT_EQ(recordedDialogs().shown.size(), 1U);
            EXPECT_EQ(QApplication::focusWidget(), t.field("DownEdit"));
        } },
    { "TheAdjustableBoxEnablesItsOffersTermsAndUncheckedKeepsThemGreyedAsTyped",
        [](LoanOffersWindowTest& t) {
            const auto enabledTerms = [&t] {
                std::vector<int> counts;
                for (const char* offer : { "A", "B", "C", "D" }) {
                    int enabled = 0;
                    for (const char* term : adjustableTerms)
                        enabled += t.control(qPrintable(offerControl(offer, term)))->isEnabled();
                    counts.push_back(enabled);
                }
                return counts;
            };
            EXPECT_EQ(enabledTerms(), std::vector({ 0, 0, 0, 0 }));
            t.clickInView("OfferBAdjustableCheck");
            EXPECT_EQ(enabledTerms(), std::vector({ 0, 8, 0, 0 }));
            t.typeOver("OfferBIndexEdit", "4.31");
            t.clickInView("OfferBAdjustableCheck");
            EXPECT_EQ(enabledTerms(), std::vector({ 0, 0, 0, 0 }));
            EXPECT_EQ(t.field("OfferBIndexEdit")->text(), QStringLiteral("4.31"));
            // A box checked as a kept file shows it, not by a click.
            t.control<QCheckBox>("OfferDAdjustableCheck")->setChecked(true);
            EXPECT_EQ(enabledTerms(), std::vector({ 0, 0, 0, 8 }));
        } },
    { "AFixedOffersGreyedTermsAreKeptButNeverRefused",
        [](LoanOffersWindowTest& t) {
            t.fillTwoOffers();
            t.makeSecondBankAdjustable();
            t.typeOver("OfferBFixedYearsEdit", "99");
            t.typeOver("OfferBLowestEdit", "no rate");
            t.clickInView("OfferBAdjustableCheck");
            t.press("CalculateButton");
            EXPECT_TRUE(recordedDialogs().shown.empty());
            EXPECT_TRUE(t.resultsEnabled());
            EXPECT_EQ(t.rowOf(QStringLiteral("Rate can change")), -1);
            const auto kept = app::typedTexts(t.page.typedSections().front().fields);
            EXPECT_EQ(calculators::cellText(kept.rows("offer")[1], "lowest"), "no rate");
            EXPECT_EQ(calculators::cellText(kept.rows("offer")[1], "adjustable"), "no");
        } },
    { "ARefusedAdjustableTermTakesTheUserToThatOffersEdit",
        [](LoanOffersWindowTest& t) {
            const struct
            {
                const char* edit;
                const char* typed;
                const char* said;
                const char* accepted;
            } refusals[] = {
                { "OfferBFixedYearsEdit", "30", "The fixed years of Second Bank must be a whole number from 1 to 29",
                    "5" },
                { "OfferBIndexEdit", "", "The index today of Second Bank", "4.31" },
                { "OfferBLowestEdit", "6.5", "The lowest rate of Second Bank", "" },
            };
            t.fillTwoOffers();
            t.makeSecondBankAdjustable();
            for (const auto& refusal : refusals) {
                SCOPED_TRACE(refusal.edit);
                recordedDialogs().reset();
                t.typeOver(refusal.edit, refusal.typed);
                t.press("CalculateButton");
                ASSERT_EQ(recordedDialogs().shown.size(), 1U);
                EXPECT_TRUE(recordedDialogs().shown[0].text.startsWith(QLatin1String(refusal.said)))
                    << recordedDialogs().shown[0].text.toStdString();
                EXPECT_EQ(QApplication::focusWidget(), t.field(refusal.edit));
                EXPECT_EQ(t.field(refusal.edit)->selectedText(), QString::fromUtf8(refusal.typed));
                t.typeOver(refusal.edit, refusal.accepted);
            }
            recordedDialogs().reset();
            t.press("CalculateButton");
            EXPECT_TRUE(recordedDialogs().shown.empty());
        } },
    { "TheGridHasACaptionColumnAndOneColumnPerOfferGiven",
        [](LoanOffersWindowTest& t) {
            t.calculate();
            ASSERT_EQ(t.grid()->columnCount(), 3);
            // The blank name goes by its column; the best is said in words.
            EXPECT_EQ(t.gridRow(0),
                QStringList({ QString(), QStringLiteral("Offer A"), QStringLiteral("Second Bank (best)") }));
            EXPECT_EQ(t.gridRow(2).mid(1), QStringList({ QStringLiteral("$2,275.44"), QStringLiteral("$2,216.58") }));
            // Under the grid, what the comparison concluded.
            EXPECT_EQ(t.control<QLabel>("NotesLabel")->text(),
                QStringLiteral("Over the 5 years you keep the loan, Second Bank costs least: $2,417.26 less than "
                               "Offer A."));
        } },
    // A cell of several parts (a rate's steps, runs) shows a line for each, in a row as tall as its most lines; the
    // text copied, saved and printed keeps its "; ".
    { "ColumnsTakeTheWidthOfTheirTextsLineByLineAndTheGridScrolls",
        [](LoanOffersWindowTest& t) {
            t.fillTwoOffers();
            t.makeSecondBankAdjustable();
            t.typeOver("OfferANameEdit", "A lender with a long name here");
            t.press("CalculateButton");
            t.page.resize(t.page.minimumSize());
            QCoreApplication::processEvents();
            QTableWidget& grid = *t.grid();
            const QFontMetrics metrics(grid.font());
            for (int column = 0; column < grid.columnCount(); ++column)
                for (int row = 0; row < app::gridRowCount(grid); ++row) {
                    const QString text = app::gridText(grid, column, row);
                    for (const QString& line : text.split(QStringLiteral("; ")))
                        EXPECT_GE(grid.columnWidth(column), metrics.horizontalAdvance(line)) << line.toStdString();
                }
            EXPECT_GT(grid.horizontalScrollBar()->maximum(), 0);
            const int steps = t.rowOf(QStringLiteral("Rate and payment if the index stays as today"));
            ASSERT_GE(steps, 0);
            EXPECT_EQ(app::gridText(grid, 2, steps + 1),
                QStringLiteral("6.250%, $2,216.58 from payment 1; 7.000%, $2,374.88 from payment 61"));
            EXPECT_EQ(grid.rowHeight(steps), 2 * grid.verticalHeader()->defaultSectionSize());
            EXPECT_EQ(grid.rowHeight(steps + 1), grid.verticalHeader()->defaultSectionSize());
            const QModelIndex cell = grid.model()->index(steps, 2);
            const auto* delegate = qobject_cast<const QStyledItemDelegate*>(grid.itemDelegate());
            ASSERT_TRUE(delegate);
            EXPECT_EQ(delegate->displayText(cell.data(), QLocale()),
                QStringLiteral("6.250%, $2,216.58 from payment 1\u20287.000%, $2,374.88 from payment 61"));
        } },
    { "CtrlCCopiesTheSelectedCells",
        [](LoanOffersWindowTest& t) {
            t.calculate();
            t.grid()->setFocus();
            t.grid()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 2), true);
            QTest::keyClick(t.grid(), Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QApplication::clipboard()->text(), t.gridRow(1).join(u'\t') + u'\n' + t.gridRow(2).join(u'\t'));
        } },
    { "SaveAsCsvWritesTheHeadingsAndEveryRow",
        [](LoanOffersWindowTest& t) {
            t.calculate();
            QTemporaryDir folder;
            ASSERT_TRUE(folder.isValid());
            recordedDialogs().saveFileAnswer = folder.filePath(QStringLiteral("offers.csv"));
            t.typeOver("PriceEdit", "1");
            t.press("SaveCsvButton");
            EXPECT_EQ(recordedDialogs().suggestedSaveName, QStringLiteral("Corvanta Compare Loan Offers.csv"));
            QFile csv(recordedDialogs().saveFileAnswer);
            ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
            // The fields as typed when Calculate was pressed, an empty record, then the grid.
            const QList<QByteArray> records = csv.readAll().split('\n');
            EXPECT_EQ(records.first(), "Home price,400000\r");
            EXPECT_TRUE(records.contains("First payment,1/1/2027\r"));
            EXPECT_TRUE(records.contains("Offer B name,Second Bank\r"));
            const auto grid = records.indexOf("\r") + 1;
            ASSERT_GT(grid, 0);
            EXPECT_TRUE(records[grid].startsWith(",Offer A")) << records[grid].toStdString();
            EXPECT_EQ(records.size() - grid, app::gridRowCount(*t.grid()) + 1);
            EXPECT_TRUE(records[grid + 2].contains("\"$2,275.44\",\"$2,216.58\"")) << records[grid + 2].toStdString();
        } },
    { "PrintPutsThePurchaseAndTheOffersAboveTheGridOnOnePage",
        [](LoanOffersWindowTest& t) {
            t.calculate();
            const std::optional<PdfText> printed = t.printed();
            ASSERT_TRUE(printed.has_value());
            EXPECT_EQ(printed->pageCount, 1);
            const auto top = [&printed](const QString& text) {
                double y = -1;
                for (const PdfWord& word : printed->words)
                    if (word.text.startsWith(text) && (y < 0 || word.yMin < y))
                        y = word.yMin;
                return y;
            };
            // A title with the day, the price typed, the grid's figures, the sentence under the grid and the page
            // number, in that order.
            const double title = top(QStringLiteral("compared"));
            const double price = top(QStringLiteral("$400,000.00"));
            const double payment = top(QStringLiteral("$2,275.44"));
            const double runs = top(QStringLiteral("(4/2029)"));
            const double note = top(QStringLiteral("least:"));
            const double page = top(QStringLiteral("Page"));
            EXPECT_GE(title, 0);
            EXPECT_GT(price, title);
            EXPECT_GT(payment, price);
            EXPECT_GT(runs, payment);
            EXPECT_GT(note, runs);
            EXPECT_GT(page, note);
            EXPECT_GE(top(QStringLiteral("Bank")), 0);
            QStringList footer;
            for (const PdfWord& word : printed->words)
                if (word.yMin == page)
                    footer.append(word.text);
            EXPECT_EQ(footer.join(u' '), QStringLiteral("Page 1 of 1"));
        } },
    { "PrintedFiguresTooWideForTheirColumnWrapInsteadOfMeetingTheFigureBefore",
        [](LoanOffersWindowTest& t) {
            t.fillTwoOffers();
            t.makeSecondBankAdjustable();
            t.press("CalculateButton");
            const std::optional<PdfText> printed = t.printed();
            ASSERT_TRUE(printed.has_value());
            QStringList meeting;
            for (const PdfWord& word : printed->words)
                for (const PdfWord& other : printed->words)
                    if (&word != &other && word.yMin == other.yMin && word.xMin <= other.xMin && other.xMin < word.xMax)
                        meeting.append(word.text + u'|' + other.text);
            EXPECT_EQ(meeting.join(u' ').toStdString(), "");
            EXPECT_EQ(printed->pageCount, 1);
        } },
    { "TheChartShowsTheDifferenceFirstThenEachOffersCost",
        [](LoanOffersWindowTest& t) {
            t.calculate();
            QString title;
            QStringList tabs;
            std::vector<QStringList> names;
            qsizetype points = 0;
            whenModalShows([&](QWidget* chart) {
                title = chart->windowTitle();
                const auto* tabWidget = find<QTabWidget>(*chart, "ChartTabs");
                for (int tab = 0; tab < tabWidget->count(); ++tab)
                    tabs.append(tabWidget->tabText(tab));
                for (const std::string view : { "BalanceChart", "YearsChart" }) {
                    QStringList shown;
                    for (const auto* series : find<QChartView>(*chart, view.c_str())->chart()->series()) {
                        shown.append(series->name());
                        if (series->name() == QLatin1String("Offer A") && view == "YearsChart")
                            points = static_cast<const QLineSeries*>(series)->count();
                    }
                    names.push_back(shown);
                }
                chart->close();
            });
            t.press("ChartButton");
            EXPECT_EQ(title, QStringLiteral("Loan Offers Chart"));
            EXPECT_EQ(tabs, QStringList({ QStringLiteral("&Difference by month"), QStringLiteral("C&ost by month") }));
            ASSERT_EQ(names.size(), 2U);
            // The baseline is the zero line; the other offer's line, where it crosses, and the years kept.
            EXPECT_EQ(names[0],
                QStringList({ QStringLiteral("Offer A (lowest cash to close)"), QStringLiteral("Second Bank"),
                    QStringLiteral("Second Bank crosses"), QStringLiteral("Kept 5 years: month 60") }));
            EXPECT_EQ(names[1],
                QStringList({ QStringLiteral("Offer A"), QStringLiteral("Second Bank"),
                    QStringLiteral("Kept 5 years: month 60") }));
            EXPECT_EQ(points, 361);
        } },
    { "AnAdjustableOffersWorstCaseIsDashedBesideItsLineInItsColour",
        [](LoanOffersWindowTest& t) {
            // Offer A, the baseline, and Second Bank both adjustable.
            t.fillTwoOffers();
            t.makeSecondBankAdjustable();
            t.clickInView("OfferAAdjustableCheck");
            t.typeOver("OfferAIndexEdit", "4.31");
            t.typeOver("OfferAMarginEdit", "2.75");
            t.press("CalculateButton");
            ASSERT_TRUE(recordedDialogs().shown.empty());
            // At the years kept the lines meet the grid's figures; Second Bank's worst case is measured from Offer
            // A with the index unchanged.
            const double worstCost = t.amountAt(QStringLiteral("In 5 years: cost, worst case"), 2);
            const double againstBaseline = worstCost - t.amountAt(QStringLiteral("In 5 years: cost"), 1);
            std::vector<QStringList> names;
            std::map<QString, double> atYearsKept;
            QString hovered;
            QStringList undashed;
            whenModalShows([&](QWidget* chart) {
                for (const char* view : { "BalanceChart", "YearsChart" }) {
                    QStringList shown;
                    const QAbstractSeries* before = nullptr;
                    for (const auto* series : find<QChartView>(*chart, view)->chart()->series()) {
                        shown.append(series->name());
                        const auto* line = qobject_cast<const QLineSeries*>(series);
                        if (line && series->name() == QLatin1String("Second Bank, worst case")) {
                            atYearsKept[QString::fromLatin1(view)] = line->at(60).y();
                            // Hovering it at the years kept tells each line's cost there, its own too.
                            Q_EMIT const_cast<QLineSeries*>(line)->hovered(line->at(60), true);
                            hovered = QToolTip::text();
                        }
                        const bool worst = series->name().endsWith(QLatin1String(", worst case"));
                        if (worst
                            && (line->pen().style() != Qt::DashLine
                                || line->pen().color() != qobject_cast<const QLineSeries*>(before)->pen().color()))
                            undashed.append(series->name());
                        before = series;
                    }
                    names.push_back(shown);
                }
                chart->close();
            });
            t.press("ChartButton");
            ASSERT_EQ(names.size(), 2U);
            EXPECT_EQ(names[0],
                QStringList({ QStringLiteral("Offer A (lowest cash to close)"), QStringLiteral("Offer A, worst case"),
                    QStringLiteral("Second Bank"), QStringLiteral("Second Bank, worst case"),
                    QStringLiteral("Second Bank crosses"), QStringLiteral("Kept 5 years: month 60") }));
            EXPECT_EQ(names[1],
                QStringList(
                    { QStringLiteral("Offer A"), QStringLiteral("Offer A, worst case"), QStringLiteral("Second Bank"),
                        QStringLiteral("Second Bank, worst case"), QStringLiteral("Kept 5 years: month 60") }));
            EXPECT_EQ(undashed, QStringList());
            EXPECT_NEAR(atYearsKept[QStringLiteral("BalanceChart")], againstBaseline, 0.005);
            EXPECT_NEAR(atYearsKept[QStringLiteral("YearsChart")], worstCost, 0.005);
            EXPECT_TRUE(hovered.startsWith(QLatin1String("Payment 60 (12/2031)\nOffer A: "))) << hovered.toStdString();
            EXPECT_TRUE(hovered.contains(QStringLiteral("\nSecond Bank, worst case: $%L1").arg(worstCost, 0, 'f', 2)))
                << hovered.toStdString();
        } },
    { "DoubleClickSaysWhereALoanEstimateShowsTheField",
        [](LoanOffersWindowTest& t) {
            t.clickInView("OfferDAdjustableCheck");
            const struct
            {
                const char* control;
                const char* said;
            } fields[] = { { "OfferCPointsEdit", "Origination Charges" },
                { "OfferDAdjustableCheck", "Adjustable Interest Rate (AIR) Table" },
                { "OfferDLifetimeCapEdit", "Maximum Interest Rate" } };
            for (const auto& field : fields) {
                SCOPED_TRACE(field.control);
                recordedDialogs().reset();
                t.control(field.control)->setFocus();
                QTest::mouseDClick(t.control(field.control), Qt::LeftButton);
                QCoreApplication::processEvents();
                ASSERT_EQ(recordedDialogs().shown.size(), 1U);
                EXPECT_EQ(recordedDialogs().shown[0].kind, RecordingDialogs::Kind::Information);
                EXPECT_TRUE(recordedDialogs().shown[0].text.contains(QLatin1String(field.said)));
            }
            // The box double-clicked is as it was.
            EXPECT_TRUE(t.control<QCheckBox>("OfferDAdjustableCheck")->isChecked());
        } },
    { "DoubleClickOnAFigureSaysWhatItIs",
        [](LoanOffersWindowTest& t) {
            t.fillTwoOffers();
            t.makeSecondBankAdjustable();
            t.press("CalculateButton");
            const struct
            {
                QString caption;
                const char* said;
            } figures[] = { { QStringLiteral("APR"), "Truth in Lending" },
                { QStringLiteral("Costs no more than Offer A (lowest cash to close)"), "cross back" },
                { QStringLiteral("In 5 years: cost"), "marked best" },
                { QStringLiteral("Highest payment (worst case)"), "recast" } };
            for (const auto& figure : figures) {
                SCOPED_TRACE(figure.caption.toStdString());
                recordedDialogs().reset();
                const int row = t.rowOf(figure.caption);
                ASSERT_GE(row, 0);
                QTableWidgetItem* cell = t.grid()->item(row, 1);
                t.grid()->scrollToItem(cell);
                // As a user's double-click comes: a press and release, then the second press.
                const QPoint centre = t.grid()->visualItemRect(cell).center();
                QTest::mouseClick(t.grid()->viewport(), Qt::LeftButton, {}, centre);
                QTest::mouseDClick(t.grid()->viewport(), Qt::LeftButton, {}, centre);
                ASSERT_EQ(recordedDialogs().shown.size(), 1U);
                EXPECT_EQ(recordedDialogs().shown[0].kind, RecordingDialogs::Kind::Information);
                EXPECT_TRUE(recordedDialogs().shown[0].text.contains(QLatin1String(figure.said)));
            }
        } },
};

INSTANTIATE_TEST_SUITE_P(Window, LoanOffersBehaviour, ::testing::ValuesIn(behaviours),
    [](const ::testing::TestParamInfo<Behaviour>& info) { return std::string(info.param.name); });

TEST(LoanOffersRegional, GermanFormatsReadAndShowTheFigures)
{
    recordedDialogs().reset();
    const ScopedRegionalSettings euro(euroSettings());
    LoanOffersWindow window;
    window.startWith(QDate(2026, 12, 9));
    EXPECT_EQ(find<QDateEdit>(window, "FirstPaymentEdit")->displayFormat().toStdString(), "dd.MM.yyyy");
    find<QLineEdit>(window, "PriceEdit")->setText(QStringLiteral("400000"));
    find<QLineEdit>(window, "DownEdit")->setText(QStringLiteral("40000"));
    find<QLineEdit>(window, "OfferARateEdit")->setText(QStringLiteral("6,5"));
    find<QPushButton>(window, "CalculateButton")->click();
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(app::gridText(*find<QTableWidget>(window, "ComparisonGrid"), 1, 2), QStringLiteral("2.275,44 €"));
}

TEST(LoanOffersMenu, CtrlLFromAFieldOpensOneWindowAndASecondRaisesIt)
{
    recordedDialogs().reset();
    app::ReturningUserStore store;
    app::MainWindow window(store);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QLineEdit* rate = find<QLineEdit>(window, "RateEdit");
    rate->setFocus();
    QTest::keyClick(rate, Qt::Key_L, Qt::ControlModifier);
    const auto opened = window.findChildren<LoanOffersWindow*>();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.first()->isVisible());
    find<QLineEdit>(*opened.first(), "PriceEdit")->setText(QStringLiteral("123"));
    window.activateWindow();
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(window.findChildren<LoanOffersWindow*>(), opened);
    EXPECT_EQ(find<QLineEdit>(*opened.first(), "PriceEdit")->text(), QStringLiteral("123"));
    opened.first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.findChildren<LoanOffersWindow*>().isEmpty());
}

} // namespace

namespace {

// Every help text is whole sentences, its limits in the regional formats.
TEST(LoanOffersHelp, EveryFieldAndFigureIsHelpedInWholeSentences)
{
    const auto settings = euroSettings();
    std::vector<std::pair<std::string, QString>> helps;
    for (const std::string_view field : { "price", "down", "tax", "insurance", "dues", "keep", "first-payment" })
        helps.emplace_back(field, app::compareOffersHelp(field, settings));
    for (const std::string_view key : calculators::offerFields::offerKeys)
        helps.emplace_back(key, app::compareOffersHelp(key, settings));
    for (const std::string_view figure : { "loanAmount", "monthlyPrincipalAndInterest", "mortgageInsurance",
             "mortgageInsuranceLastPayment", "monthlyTaxes", "monthlyInsurance", "monthlyDues", "monthlyTotal",
             "points", "lenderCreditUsed", "creditNotUsed", "cashToClose", "apr", "totalInterestPercentage",
             "paidInYearsKept", "principalInYearsKept", "costInYearsKept", "balanceAtYearsKept",
             "costsNoMoreThanBaseline", "rateChanges", "indexedRate", "rateSteps", "worstRate", "worstPayment",
             "bestPayment", "worstPaidInYearsKept", "worstCostInYearsKept", "worstBalanceAtYearsKept" })
        helps.emplace_back(figure, app::comparisonFigureHelp(figure));
    for (const auto& [name, help] : helps) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(help.isEmpty());
        EXPECT_TRUE(help.front().isUpper()) << help.toStdString();
        EXPECT_TRUE(help.endsWith(u'.')) << help.toStdString();
        EXPECT_FALSE(help.contains(QLatin1String(". ;")) || help.contains(QLatin1String("..")));
    }
    const auto helpOf = [&helps](std::string_view name) {
        return std::ranges::find(helps, name, [](const auto& help) { return help.first; })->second;
    };
    EXPECT_TRUE(helpOf("tax").contains(QStringLiteral("0 to 1.000.000.000,00"))) << helpOf("tax").toStdString();
    EXPECT_TRUE(helpOf("price").contains(QStringLiteral("0,01 to 1.000.000.000,00")));
    EXPECT_TRUE(helpOf("first-payment").contains(QStringLiteral("01.01.1900 to 31.12.2199")))
        << helpOf("first-payment").toStdString();
}

} // namespace
