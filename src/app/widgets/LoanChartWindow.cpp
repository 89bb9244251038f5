#include "widgets/LoanChartWindow.h"

#include "dialogs/DocumentName.h"
#include "dialogs/GuardedHandler.h"
#include "fields/Regional.h"
#include "printing/Printing.h"
#include "ui_LoanChartWindow.h"
#include "widgets/Glyphs.h"
#include "widgets/LoanChartViews.h"
#include "widgets/WindowPlacement.h"

#include <QChart>
#include <QChartView>
#include <QPainter>
#include <QStyle>
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace app {

LoanChartWindow::LoanChartWindow(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::LoanChartWindow>())
{
    registerGlyphs();
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->CloseButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    connect(ui->PrintButton, &QPushButton::clicked, this, guarded(this, [this] { printButtonClicked(); }));
    connect(ui->CloseButton, &QPushButton::clicked, this, guarded(this, [this] { closeButtonClicked(); }));
}

LoanChartWindow::~LoanChartWindow() = default;

void LoanChartWindow::showLoan(
    const calculators::AmortizationSchedule& schedule, const std::optional<calculators::PrepaymentInput>& prepayment)
{
    std::vector<calculators::Extended> prepaid;
    QString name;
    if (prepayment) {
        prepaid = calculators::prepaymentBalances(*prepayment);
        name = QString::fromStdString(calculators::prepaidBalanceName(*prepayment, regional()));
    }
    showChart(calculators::loanChartData(schedule, prepaid), name);
}

void LoanChartWindow::showChart(const calculators::LoanChartData& chartData, const QString& prepaidBalanceName)
{
    data = chartData;
    prepaidName = prepaidBalanceName;
    // The views' fonts are the window's own, from its style sheet.
    ui->BalanceChart->ensurePolished();
    ui->YearsChart->ensurePolished();
    // A view hands back the chart it showed (an empty one it made itself, at first) without freeing it.
    const std::unique_ptr<QChart> shownBalance(ui->BalanceChart->chart());
    const std::unique_ptr<QChart> shownYears(ui->YearsChart->chart());
    ui->BalanceChart->setChart(balanceChart(data, prepaidName, ui->BalanceChart->font()));
    ui->YearsChart->setChart(yearlyChart(data, ui->YearsChart->font()));
}

void LoanChartWindow::showLines(const std::vector<LinesTab>& tabs, const QString& windowTitle)
{
    linesTabs = tabs;
    setWindowTitle(windowTitle);
    const std::pair<QWidget*, QChartView*> views[]
        = { { ui->BalanceTab, ui->BalanceChart }, { ui->YearsTab, ui->YearsChart } };
    for (std::size_t index = 0; index < std::size(views); ++index) {
        const auto [tab, view] = views[index];
        if (index >= linesTabs.size()) {
            ui->ChartTabs->removeTab(ui->ChartTabs->indexOf(tab));
            continue;
        }
        ui->ChartTabs->setTabText(ui->ChartTabs->indexOf(tab), linesTabs[index].title);
        view->ensurePolished();
        const std::unique_ptr<QChart> shown(view->chart());
        view->setChart(monthLinesChart(linesTabs[index].lines, view->font()));
    }
    ui->ChartTabs->setCurrentIndex(0);
}

void LoanChartWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeOnScreen(this);
}

void LoanChartWindow::printButtonClicked()
{
    printDrawing(this, documentName(*this), [this](QPainter& painter) {
        if (!linesTabs.empty()) {
            std::vector<QChart*> charts;
            for (const LinesTab& tab : linesTabs)
                charts.push_back(monthLinesChart(tab.lines, ui->BalanceChart->font()));
            drawCharts(painter, charts, ui->BalanceChart->size());
            return;
        }
        drawCharts(painter,
            { balanceChart(data, prepaidName, ui->BalanceChart->font()), yearlyChart(data, ui->YearsChart->font()) },
            ui->BalanceChart->size());
    });
}

void LoanChartWindow::closeButtonClicked()
{
    close();
}

void showLoanChart(
    const calculators::AmortizationSchedule& schedule, const std::optional<calculators::PrepaymentInput>& prepayment)
{
    const auto chart = std::make_unique<LoanChartWindow>();
    chart->showLoan(schedule, prepayment);
    chart->exec();
}

void showLoanChart(const calculators::LoanChartData& data, const QString& prepaidBalanceName)
{
    const auto chart = std::make_unique<LoanChartWindow>();
    chart->showChart(data, prepaidBalanceName);
    chart->exec();
}

void showLinesChart(const std::vector<LinesTab>& tabs, const QString& windowTitle)
{
    const auto chart = std::make_unique<LoanChartWindow>();
    chart->showLines(tabs, windowTitle);
    chart->exec();
}

} // namespace app
