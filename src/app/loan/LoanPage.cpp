#include "loan/LoanPage.h"

#include "calculators/loan/AmortizationSchedule.h"
#include "calculators/loan/LoanChartSeries.h"
#include "calculators/loan/LoanMatrix.h"
#include "calculators/loan/LoanSolver.h"
#include "dialogs/DocumentName.h"
#include "dialogs/GuardedHandler.h"
#include "fields/FieldAssistance.h"
#include "fields/FieldControls.h"
#include "fields/Regional.h"
#include "loan/MatrixWindow.h"
#include "loan/PrepaymentWindow.h"
#include "loan/ScheduleWindow.h"
#include "printing/TextStreamPrint.h"
#include "ui_LoanPage.h"
#include "widgets/Glyphs.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace app {

namespace {

const auto rateHelp
    = QStringLiteral("Enter the annual percentage rate (APR) for the loan, OK to use decimal but no \"%\" sign.");
const auto yearsHelp = QStringLiteral("Enter the number of years the loan is for.");
const auto paymentHelp = QStringLiteral("If you are solving for how much you can afford to borrow (loan amount), enter "
                                        "the maximum monthly payment you want here.");
const auto amountHelp = QStringLiteral("The amount borrowed, or loaned. Do not use $ or commas.");
const auto requiredText = QStringLiteral("REQUIRED");
const auto notApplicableText = QStringLiteral("NOT APPLICABLE");

} // namespace

LoanPage::LoanPage(QWidget* parent)
    : BuiltOnFirstShow(parent)
    , today([] { return QDate::currentDate(); })
{ }

LoanPage::~LoanPage() = default;

void LoanPage::buildControls()
{
    registerGlyphs();
    ui.create();
    ui->setupUi(this);

    connect(ui->CalculateButton, &QPushButton::clicked, this, guarded(this, [this] { calculateButtonClicked(); }));
    connect(ui->SolveForPaymentRadio, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            runGuarded(this, [this] { solveForPaymentRadioClicked(); });
    });
    connect(ui->SolveForAmountRadio, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            runGuarded(this, [this] { solveForAmountRadioClicked(); });
    });
    connect(ui->PrepayButton, &QPushButton::clicked, this, guarded(this, [this] { prepayButtonClicked(); }));
    connect(ui->ReportPrintButton, &QToolButton::clicked, this, guarded(this, [this] { reportPrintButtonClicked(); }));
    connect(ui->ScheduleButton, &QPushButton::clicked, this, guarded(this, [this] { scheduleButtonClicked(); }));
    connect(ui->MatrixButton, &QPushButton::clicked, this, guarded(this, [this] { matrixButtonClicked(); }));
    for (QLineEdit* field : { ui->RateEdit, ui->YearsEdit, ui->AmountEdit })
        connect(field, &QLineEdit::textChanged, this, [this] { offerLoanToPrepayment(); });

    // A click into a field of the loan withdraws what depends on the last calculated loan, until the next
    // successful Calculate; the results on show stay as they are.
    const auto reset = [this] {
        ui->ScheduleButton->setEnabled(false);
        ui->PrepayButton->setEnabled(false);
        if (prepaymentWindow)
            prepaymentWindow->hide();
    };
    new FieldAssistance(this,
        {
            { ui->RateEdit, selectFirst(5, reset), rateHelp },
            { ui->YearsEdit, selectFirst(4, reset), yearsHelp },
            { ui->PaymentEdit, {}, paymentHelp },
            { ui->AmountEdit, selectFirst(9, reset), amountHelp },
        });
}

void LoanPage::setPrepaymentWindow(PrepaymentWindow* window)
{
    prepaymentWindow = window;
    // The texts come from this page's fields, so they must exist.
    ensureBuilt();
    offerLoanToPrepayment();
    if (prepaymentWindowMade && window)
        prepaymentWindowMade(*window);
}

void LoanPage::whenPrepaymentWindow(std::function<void(PrepaymentWindow&)> call)
{
    prepaymentWindowMade = std::move(call);
    if (prepaymentWindow)
        prepaymentWindowMade(*prepaymentWindow);
}

void LoanPage::offerLoanToPrepayment()
{
    if (prepaymentWindow)
        prepaymentWindow->setLoan(loanTexts());
}

void LoanPage::setClock(std::function<QDate()> clock)
{
    today = std::move(clock);
}

calculators::FieldTexts LoanPage::loanTexts()
{
    ensureBuilt();
    return { { calculators::loanFields::rate, ui->RateEdit->text().toStdString() },
        { calculators::loanFields::years, ui->YearsEdit->text().toStdString() },
        { calculators::loanFields::amount, ui->AmountEdit->text().toStdString() } };
}

void LoanPage::calculateButtonClicked()
{
    using calculators::LoanSolveFor;
    const bool paymentMode = ui->SolveForPaymentRadio->isChecked();
    calculators::FieldTexts texts = loanTexts();
    texts.set(calculators::loanFields::solveFor, paymentMode ? "payment" : "amount");
    texts.set(calculators::loanFields::payment, ui->PaymentEdit->text().toStdString());
    const auto read = readInput(this, calculators::readLoan, texts,
        std::initializer_list<FieldControl> { { calculators::loanFields::rate, ui->RateEdit },
            { calculators::loanFields::years, ui->YearsEdit }, { calculators::loanFields::amount, ui->AmountEdit },
            { calculators::loanFields::payment, ui->PaymentEdit } });
    if (!read)
        return;
    const calculators::LoanInput& input = *read;
    // The field being solved for is never reported: one its check refuses is read as 0 and shows it until the
    // result replaces it.
    QLineEdit* solvedField = paymentMode ? ui->PaymentEdit : ui->AmountEdit;
    if ((paymentMode ? input.monthlyPayment : input.loanAmount) == 0)
        solvedField->setText(QStringLiteral("0"));
    const calculators::LoanSolution solution = calculators::solveLoan(input);

    const auto& settings = regional();
    ui->LoanResultPanel->setVisible(true);
    ui->LoanResultLabel->setText(QString::fromStdString(calculators::loanResultCaption(input, solution, settings)));
    solvedField->setText(QString::fromStdString(calculators::loanSolvedFieldText(input, solution, settings)));
    ui->LoanResultLabel->setVisible(true);
    ui->ScheduleButton->setEnabled(true);
    ui->PrepayButton->setEnabled(true);

    const QDate date = today();
    const calculators::LoanReportContext context { ui->RateEdit->text().toStdString(),
        ui->YearsEdit->text().toStdString(), { date.year(), date.month(), date.day() } };
    ui->LoanReportText->clear();
    // The report goes in as one text, a line to a paragraph: appended line by line, every line laid out
    // the lines before it once more.
    QStringList lines;
    for (const std::string& line : calculators::loanReportLines(input, solution, context, settings))
        lines.append(QString::fromStdString(line));
    ui->LoanReportText->appendPlainText(lines.join(u'\n'));
    QTextCursor caret = ui->LoanReportText->textCursor();
    caret.movePosition(QTextCursor::Start);
    ui->LoanReportText->setTextCursor(caret);
}

void LoanPage::solveForPaymentRadioClicked()
{
    ui->AmountRequiredLabel->setText(requiredText);
    ui->PaymentRequiredLabel->setText(notApplicableText);
}

void LoanPage::solveForAmountRadioClicked()
{
    ui->AmountRequiredLabel->setText(notApplicableText);
    ui->PaymentRequiredLabel->setText(requiredText);
}

void LoanPage::prepayButtonClicked()
{
    if (!prepaymentWindow) {
        ownPrepaymentWindow = std::make_unique<PrepaymentWindow>();
        setPrepaymentWindow(ownPrepaymentWindow.get());
    }
    prepaymentWindow->show();
    prepaymentWindow->raise();
    prepaymentWindow->activateWindow();
}

void LoanPage::reportPrintButtonClicked()
{
    // The report as the user sees it, edits included, wrapped lines as shown.
    printTextArea(this, *ui->LoanReportText, documentName(*this));
}

void LoanPage::scheduleButtonClicked()
{
    // The fields are read as they stand, without validation: the button is only enabled after a
    // successful Calculate, but a term can still be typed over since.
    const auto read = calculators::readSchedule(loanTexts(), regional());
    const auto& loan = std::get<calculators::ScheduleLoan>(read);
    const calculators::AmortizationSchedule schedule
        = calculators::amortizationSchedule(loan.annualRatePercent, loan.months, loan.loanAmount);

    // A new window at every press, owned by nobody and freed when it closes.
    const auto window = std::make_unique<ScheduleWindow>();
    window->showSchedule(schedule);
    // The loan chart also draws the prepayment window's result when it is for this loan.
    if (prepaymentWindow) {
        const auto& prepayment = prepaymentWindow->lastCalculation();
        if (prepayment && calculators::isSameLoan(*prepayment, loan.annualRatePercent, loan.months, loan.loanAmount))
            window->setPrepayment(*prepayment);
    }
    window->exec();
}

void LoanPage::matrixButtonClicked()
{
    const auto matrix = std::make_unique<MatrixWindow>(calculators::matrixOpening(loanTexts(), regional()), this);
    matrix->exec();
}

std::vector<TypedSection> LoanPage::typedSections() const
{
    return { { "loan",
        { { .field = calculators::loanFields::solveFor, .control = ui->SolveForPaymentRadio, .choice = "payment" },
            { .field = calculators::loanFields::solveFor, .control = ui->SolveForAmountRadio, .choice = "amount" },
            { calculators::loanFields::rate, ui->RateEdit }, { calculators::loanFields::years, ui->YearsEdit },
            { calculators::loanFields::payment, ui->PaymentEdit },
            { calculators::loanFields::amount, ui->AmountEdit } } } };
}

} // namespace app
