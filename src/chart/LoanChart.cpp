#include "LoanChart.h"

#include "Formats.h"
#include "GuardedHandler.h"
#include "LoanChartViews.h"
#include "PrintModule.h"
#include "Regional.h"
#include "WindowPlacement.h"
#include "ui_LoanChart.h"

#include <QPainter>
#include <QStyle>

TLoanChart::TLoanChart(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TLoanChart>())
{
    Q_INIT_RESOURCE(glyphs);
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowStaysOnTopHint);
    setFixedSize(size());
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    connect(ui->Button3, &QPushButton::clicked, this, shell::guarded(this, [this] { Button3Click(); }));
    connect(ui->BitBtn1, &QPushButton::clicked, this, shell::guarded(this, [this] { BitBtn1Click(); }));
}

TLoanChart::~TLoanChart() = default;

void TLoanChart::showLoan(
    const calculators::AmortizationSchedule& schedule, const std::optional<calculators::PrepaymentInput>& prepayment)
{
    std::vector<calculators::Extended> prepaid;
    if (prepayment) {
        prepaid = calculators::prepaymentBalances(*prepayment);
        const auto& settings = shell::regional();
        prepaidName = QStringLiteral("Paying %1 more from month %2")
                          .arg(QString::fromStdString(finance::moneyText(prepayment->extraPayment, settings)),
                              QString::fromStdString(finance::integerText(prepayment->startMonth)));
    }
    data = calculators::loanChartData(schedule, prepaid);

    // The views' fonts are the window's own, from its style sheet.
    ui->ChartBalance->ensurePolished();
    ui->ChartYears->ensurePolished();
    ui->ChartBalance->setChart(shell::balanceChart(data, prepaidName, ui->ChartBalance->font()));
    ui->ChartYears->setChart(shell::yearlyChart(data, ui->ChartYears->font()));
}

void TLoanChart::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    shell::centreOnScreen(this);
}

void TLoanChart::Button3Click()
{
    shell::printing().printDrawing(this, QStringLiteral("Corvanta loan chart"), [this](QPainter& painter) {
        shell::drawCharts(painter,
            { shell::balanceChart(data, prepaidName, ui->ChartBalance->font()),
                shell::yearlyChart(data, ui->ChartYears->font()) },
            ui->ChartBalance->size());
    });
}

void TLoanChart::BitBtn1Click()
{
    close();
}
