// The same inputs through a window (shown off screen, fields typed, Calculate pressed) and through corvanta-calc
// in-process, with the same regional settings: the texts must be the same, byte for byte.
#include "CommandOutput.h"
#include "Controls.h"
#include "LoanOpening.h"
#include "ModalHelper.h"
#include "RecordingDialogs.h"
#include "ScopedRegionalSettings.h"
#include "cli/CommandLine.h"
#include "extrapayments/ExtraPaymentsWindow.h"
#include "loan/LoanPage.h"
#include "loan/MatrixWindow.h"
#include "loan/PrepaymentWindow.h"
#include "loanoffers/LoanOffersWindow.h"
#include "pages/CollegePage.h"
#include "pages/RefinancePage.h"
#include "pages/RetirementPage.h"
#include "pages/SavingsPage.h"
#include "widgets/StringGrid.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

using app::CollegePage;
using app::ExtraPaymentsWindow;
using app::LoanOffersWindow;
using app::LoanPage;
using app::MatrixWindow;
using app::PrepaymentWindow;
using app::RefinancePage;
using app::RetirementPage;
using app::SavingsPage;

namespace {

// What a user does in the window: a field typed (a line edit or spin box) or a button pressed (empty text).
using Steps = std::vector<std::pair<const char*, const char*>>;

// The window's texts, read from its labels, text areas (a line each) and grid (a cell each), in order.
QStringList textsOf(QWidget& window, const std::vector<const char*>& controls)
{
    QStringList texts;
    for (const char* name : controls) {
        QWidget* control = find<QWidget>(window, name);
        if (auto* label = qobject_cast<QLabel*>(control))
            texts.append(label->text());
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
            texts.append(memo->toPlainText().split(u'\n'));
        else if (auto* grid = qobject_cast<QTableWidget*>(control))
            for (const QStringList& row : app::gridTexts(*grid))
                texts.append(row);
    }
    return texts;
}

void perform(QWidget& window, const Steps& steps)
{
    for (const auto& [name, text] : steps) {
        QWidget* control = find<QWidget>(window, name);
        if (auto* field = qobject_cast<QLineEdit*>(control))
            field->setText(QString::fromUtf8(text));
        else if (auto* spin = qobject_cast<QSpinBox*>(control))
            spin->setValue(QString::fromUtf8(text).toInt());
        else
            find<QAbstractButton>(window, name)->click();
    }
}

// A page shown on its own; the loan page dates its report 8 December 2026.
template <typename Page>
QStringList pressed(const Steps& steps, const std::vector<const char*>& controls)
{
    Page page;
    if constexpr (std::is_same_v<Page, LoanPage>)
        page.setClock([] { return QDate(2026, 12, 8); });
    page.show();
    perform(page, steps);
    return textsOf(page, controls);
}

// The schedule the loan page's Schedule button shows after a Calculate.
QStringList scheduled(const Steps& steps)
{
    LoanPage page;
    page.show();
    perform(page, steps);
    find<QAbstractButton>(page, "CalculateButton")->click();
    QStringList texts;
    whenModalShows([&texts](QWidget* schedule) {
        texts = textsOf(*schedule, { "ScheduleGrid" });
        schedule->close();
    });
    find<QAbstractButton>(page, "ScheduleButton")->click();
    return texts;
}

// The prepayment window given a loan page's three texts.
QStringList prepaid(const char* rate, const char* years, const char* amount, const Steps& steps)
{
    PrepaymentWindow window;
    window.setLoan({ { "rate", rate }, { "years", years }, { "amount", amount } });
    window.show();
    perform(window, steps);
    return textsOf(window,
        { "NormalInterestValueLabel", "PrepaidInterestValueLabel", "InterestSavingsValueLabel",
            "MonthsReducedValueLabel" });
}

// The matrix window opened on a loan page's texts, recalculated after the steps.
QStringList matrix(const char* amount, const char* years, const char* rate, const Steps& steps)
{
    MatrixWindow window(loanOpening(QString::fromUtf8(amount), QString::fromUtf8(years), QString::fromUtf8(rate)));
    perform(window, steps);
    find<QAbstractButton>(window, "CalculateButton")->click();
    return textsOf(window, { "MatrixGrid" });
}

// The planner opened on the default loan, its first payment on 1 January 2027.
QStringList planned(const Steps& steps)
{
    ExtraPaymentsWindow window;
    window.startWith(std::nullopt, QDate(2026, 12, 8));
    perform(window, steps);
    find<QAbstractButton>(window, "CalculateButton")->click();
    return textsOf(window, { "SummaryText", "PlanGrid" });
}

// The loan offers window opened on 8 December 2026, its first payment on 1 January 2027.
QStringList compared(const Steps& steps)
{
    LoanOffersWindow window;
    window.startWith(QDate(2026, 12, 8));
    perform(window, steps);
    find<QAbstractButton>(window, "CalculateButton")->click();
    return textsOf(window, { "ComparisonGrid" });
}

// The command's texts and grid cells; or, where the window shows panels, the named figures' texts.
std::vector<std::string> commandTexts(const std::string& json, const std::vector<const char*>& figures)
{
    const auto parsed = parseCommandJson(json);
    if (!parsed)
        return { "(no JSON)" };
    std::vector<std::string> texts = figures.empty() ? parsed->texts : std::vector<std::string>();
    for (const char* name : figures)
        texts.push_back(parsed->figures.at(name).second);
    for (const auto& row : parsed->grid)
        for (const auto& cell : row)
            texts.push_back(cell.first);
    return texts;
}

std::vector<std::string> utf8(const QStringList& texts)
{
    std::vector<std::string> converted;
    for (const QString& text : texts)
        converted.push_back(text.toStdString());
    return converted;
}

struct Case
{
    const char* name;
    bool euro;
    std::vector<std::string> arguments;
    std::function<QStringList()> window;
    std::vector<const char*> figures = {}; // shown in panels, whose captions the command writes beside them
};

const std::vector<const char*> prepaymentFigures { "normalInterest", "prepaidInterest", "interestSavings",
    "monthsReduced" };

std::vector<Case> cases()
{
    return {
        { "LoanPayment", false, { "loan", "--rate", "7", "--years", "30", "--amount", "150000" },
            [] {
                return pressed<LoanPage>({ { "RateEdit", "7" }, { "YearsEdit", "30" }, { "AmountEdit", "150000" },
                                             { "CalculateButton", "" } },
                    { "LoanResultLabel", "LoanReportText" });
            } },
        { "LoanAmountInEuro", true, { "loan", "--rate", "6,25", "--years", "20", "--payment", "1234,5" },
            [] {
                return pressed<LoanPage>({ { "SolveForAmountRadio", "" }, { "RateEdit", "6,25" }, { "YearsEdit", "20" },
                                             { "PaymentEdit", "1234,5" }, { "CalculateButton", "" } },
                    { "LoanResultLabel", "LoanReportText" });
            } },
        { "ScheduleInEuro", true, { "schedule", "--rate", "6,75", "--years", "15", "--amount", "120000,5" },
            [] {
                return scheduled({ { "RateEdit", "6,75" }, { "YearsEdit", "15" }, { "AmountEdit", "120000,5" } });
            } },
        { "Prepayment", false,
            { "prepay", "--rate", "7", "--years", "15", "--amount", "100000", "--extra", "100", "--from", "13" },
            [] {
                return prepaid("7", "15", "100000",
                    { { "ExtraPaymentEdit", "100" }, { "StartMonthEdit", "13" }, { "CalculateButton", "" } });
            },
            prepaymentFigures },
        { "PrepaymentInEuro", true,
            { "prepay", "--rate", "8,5", "--years", "30", "--amount", "250000", "--extra", "1000,75", "--from", "1" },
            [] {
                return prepaid("8,5", "30", "250000",
                    { { "ExtraPaymentEdit", "1000,75" }, { "StartMonthEdit", "1" }, { "CalculateButton", "" } });
            },
            prepaymentFigures },
        { "MatrixTwoTerms", false,
            { "matrix", "--amount", "165000", "--rate", "6.5", "--years", "15", "--years2", "30", "--amounts", "3" },
            [] {
                return matrix("165000", "15", "6.5", { { "Term2Spin", "30" }, { "LoanCountSpin", "3" } });
            } },
        { "MatrixInEuro", true,
            { "matrix", "--amount", "80000", "--increment", "5000", "--rate", "4,75", "--years", "10", "--rates", "2" },
            [] {
                return matrix("80000", "10", "4,75", { { "LoanIncrementEdit", "5000" }, { "RateCountSpin", "2" } });
            } },
        { "Refinance", false,
            { "refinance", "--payment", "1200", "--principal", "150000", "--years", "30", "--rate", "6",
                "--closing-costs", "2000", "--points", "1" },
            [] {
                return pressed<RefinancePage>(
                    { { "CurrentPaymentEdit", "1200" }, { "RefinancedAmountEdit", "150000" },
                        { "RefinancedYearsEdit", "30" }, { "RefinancedRateEdit", "6" }, { "ClosingCostsEdit", "2000" },
                        { "PointsEdit", "1" }, { "RefinanceCalculateButton", "" } },
                    { "NewPaymentPanel", "MonthlySavingsPanel", "TotalClosingCostsPanel", "BreakEvenPanel" });
            },
            { "newPayment", "monthlySaving", "totalClosingCosts", "breakEvenMonths" } },
        { "SavingsWeekly", true,
            { "savings", "--rate", "12,5", "--years", "30", "--current", "5000", "--contribution", "250", "--every",
                "week" },
            [] {
                return pressed<SavingsPage>(
                    { { "SavingsRateEdit", "12,5" }, { "SavingsYearsEdit", "30" }, { "CurrentSavingsEdit", "5000" },
                        { "ContributionEdit", "250" }, { "WeeklyRadio", "" }, { "GrowthCalculateButton", "" } },
                    { "GrowthResultPanel" });
            } },
        { "RequiredReturn", false, { "required-return", "--current", "5000", "--desired", "12000", "--years", "7" },
            [] {
                return pressed<SavingsPage>({ { "CurrentValueEdit", "5000" }, { "DesiredValueEdit", "12000" },
                                                { "GrowYearsEdit", "7" }, { "ReturnCalculateButton", "" } },
                    { "ReturnResultPanel" });
            } },
        { "CollegeWithFund", true,
            { "college", "--age", "3", "--start-age", "18", "--cost", "12000", "--years", "4", "--increase", "4,5",
                "--fund", "10000", "--growth", "6" },
            [] {
                return pressed<CollegePage>(
                    { { "ChildAgeEdit", "3" }, { "StartingAgeEdit", "18" }, { "AnnualCostEdit", "12000" },
                        { "CollegeYearsEdit", "4" }, { "CostIncreaseEdit", "4,5" }, { "CurrentFundEdit", "10000" },
                        { "FundGrowthEdit", "6" }, { "CollegeCalculateButton", "" } },
                    { "CostResultLabel", "CollegePlanText" });
            } },
        { "RetirementPlan", false,
            { "retirement", "--age", "35", "--retire-at", "65", "--income", "3000", "--years", "25", "--growth", "7",
                "--inflation", "3", "--assets", "50000" },
            [] {
                return pressed<RetirementPage>(
                    { { "CurrentAgeEdit", "35" }, { "RetirementAgeEdit", "65" }, { "MonthlyIncomeEdit", "3000" },
                        { "RetirementYearsEdit", "25" }, { "GrowthRateEdit", "7" }, { "InflationEdit", "3" },
                        { "RetirementFundEdit", "50000" }, { "RetirementCalculateButton", "" },
                        { "RetirementHowToButton", "" } },
                    { "NeedResultLabel", "RetirementPlanText" });
            } },
        { "PlanEveryTwoWeeksInEuro", true,
            { "plan", "--rate", "6,875", "--years", "20", "--amount", "180000,5", "--extra", "50", "--from", "7",
                "--yearly", "1000", "--yearly-month", "1", "--every-two-weeks", "yes" },
            [] {
                return planned({ { "RateEdit", "6,875" }, { "YearsEdit", "20" }, { "AmountEdit", "180000,5" },
                    { "MonthlyExtraEdit", "50" }, { "MonthlyFromEdit", "7" }, { "YearlyExtraEdit", "1000" },
                    { "EveryTwoWeeksCheck", "" } });
            } },
        { "CompareThreeOffers", false,
            { "compare", "--price", "400000", "--down", "40000", "--tax", "4800", "--insurance", "1500", "--keep", "7",
                "--offer", "name=Harbor,rate=6.5,years=30,fees=1200,closing=3800,credit=1000,mi=0.5", "--offer",
                "rate=6.125,years=15,points=1.25,fees=1500,closing=3800,mi=0.45", "--offer",
                "name=Credit Union,rate=6.75,years=30,closing=3800,credit=2000,mi=0.55" },
            [] {
                return compared({ { "PriceEdit", "400000" }, { "DownEdit", "40000" }, { "TaxEdit", "4800" },
                    { "InsuranceEdit", "1500" }, { "KeepEdit", "7" }, { "OfferANameEdit", "Harbor" },
                    { "OfferARateEdit", "6.5" }, { "OfferAFeesEdit", "1200" }, { "OfferAClosingEdit", "3800" },
                    { "OfferACreditEdit", "1000" }, { "OfferAInsuranceEdit", "0.5" }, { "OfferBRateEdit", "6.125" },
                    { "OfferBYearsEdit", "15" }, { "OfferBPointsEdit", "1.25" }, { "OfferBFeesEdit", "1500" },
                    { "OfferBClosingEdit", "3800" }, { "OfferBInsuranceEdit", "0.45" },
                    { "OfferCNameEdit", "Credit Union" }, { "OfferCRateEdit", "6.75" }, { "OfferCClosingEdit", "3800" },
                    { "OfferCCreditEdit", "2000" }, { "OfferCInsuranceEdit", "0.55" } });
            } },
    };
}

TEST(CommandVersusWindow, ShowTheSameTexts)
{
    for (const Case& each : cases()) {
        SCOPED_TRACE(each.name);
        const regional::RegionalSettings settings = each.euro ? euroSettings() : unitedStatesSettings();
        const ScopedRegionalSettings installed(settings);
        recordedDialogs().reset();
        const QStringList shown = each.window();
        EXPECT_TRUE(recordedDialogs().shown.empty()) << recordedDialogs().shown.front().text.toStdString();

        auto arguments = each.arguments;
        arguments.push_back("--format=json");
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(cli::runCommandLine(arguments, out, err, { settings, { 2026, 12, 8 } }), 0) << err.str();
        EXPECT_EQ(commandTexts(out.str(), each.figures), utf8(shown));
    }
}

// A refused field: the window's warning is the command's message after the option's name, and the command exits
// with status 2. Both read with the calculator's one reader.
struct RefusalCase
{
    const char* name;
    std::vector<std::string> arguments;
    std::function<void()> window;
};

TEST(CommandVersusWindow, RefuseWithTheSameWarning)
{
    const RefusalCase cases[] = {
        { "LoanRate", { "loan", "--rate", "31", "--years", "30", "--amount", "150000" },
            [] {
                pressed<LoanPage>({ { "RateEdit", "31" }, { "YearsEdit", "30" }, { "AmountEdit", "150000" },
                                      { "CalculateButton", "" } },
                    {});
            } },
        { "PrepaymentStartingMonth",
            { "prepay", "--rate", "7", "--years", "15", "--amount", "100000", "--extra", "100", "--from", "0" },
            [] {
                prepaid("7", "15", "100000",
                    { { "ExtraPaymentEdit", "100" }, { "StartMonthEdit", "0" }, { "CalculateButton", "" } });
            } },
        { "MatrixAmount", { "matrix", "--amount", "1000.0", "--rate", "7", "--years", "15" },
            [] {
                matrix("1000", "15", "7", { { "StartLoanEdit", "1000.0" } });
            } },
        { "SavingsYears", { "savings", "--rate", "7", "--years", "201" },
            [] {
                pressed<SavingsPage>(
                    { { "SavingsRateEdit", "7" }, { "SavingsYearsEdit", "201" }, { "GrowthCalculateButton", "" } }, {});
            } },
        { "CollegeStartingAge", { "college", "--age", "18", "--start-age", "18", "--cost", "7000" },
            [] {
                pressed<CollegePage>({ { "ChildAgeEdit", "18" }, { "StartingAgeEdit", "18" },
                                         { "AnnualCostEdit", "7000" }, { "CollegeCalculateButton", "" } },
                    {});
            } },
        { "PlanRate", { "plan", "--rate", "7.12345", "--years", "30", "--amount", "200000" },
            [] {
                planned({ { "RateEdit", "7.12345" } });
            } },
        { "OffersDownPayment", { "compare", "--price", "400000", "--down", "400000", "--offer", "rate=6.5,years=30" },
            [] {
                compared({ { "PriceEdit", "400000" }, { "DownEdit", "400000" }, { "OfferARateEdit", "6.5" } });
            } },
    };
    const ScopedRegionalSettings installed(unitedStatesSettings());
    for (const RefusalCase& each : cases) {
        SCOPED_TRACE(each.name);
        recordedDialogs().reset();
        each.window();
        ASSERT_EQ(recordedDialogs().shown.size(), 1u);
        EXPECT_EQ(recordedDialogs().shown[0].kind, RecordingDialogs::Kind::Warning);

        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::runCommandLine(each.arguments, out, err, { unitedStatesSettings(), { 2026, 12, 8 } }), 2);
        const std::string message = err.str();
        const auto colon = message.find(": ");
        ASSERT_NE(colon, std::string::npos) << message;
        EXPECT_EQ(message.substr(colon + 2), recordedDialogs().shown[0].text.toStdString() + "\n");
    }
}

} // namespace
