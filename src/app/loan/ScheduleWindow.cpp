#include "loan/ScheduleWindow.h"

#include "dialogs/DocumentName.h"
#include "dialogs/GuardedHandler.h"
#include "fields/Regional.h"
#include "printing/PrintLayouts.h"
#include "printing/Printing.h"
#include "ui_ScheduleWindow.h"
#include "widgets/Glyphs.h"
#include "widgets/GridCopy.h"
#include "widgets/GridCsv.h"
#include "widgets/LoanChartWindow.h"
#include "widgets/StringGrid.h"
#include "widgets/WindowPlacement.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <cstddef>

namespace app {

ScheduleWindow::ScheduleWindow(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ScheduleWindow>())
{
    registerGlyphs();
    // Flags first: set after the controls exist, they would re-style every control once more.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->setupUi(this);
    setFixedSize(size());
    ui->CloseButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    setUpGrid(*ui->ScheduleGrid);
    QMenu* menu = addGridMenu(*ui->ScheduleGrid);
    addCsvExport(*menu, *ui->ScheduleGrid, this, csvFileName(*this));
    QAction* chart = menu->addAction(QStringLiteral("Loan Chart\u2026"));
    chart->setObjectName(QStringLiteral("GridLoanChart"));
    chart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    // The window holds the action too, so that Ctrl+G works without the menu.
    addAction(chart);

    connect(chart, &QAction::triggered, this, guarded(this, [this] { gridLoanChartTriggered(); }));
    connect(ui->PrintButton, &QPushButton::clicked, this, guarded(this, [this] { printButtonClicked(); }));
    connect(ui->CloseButton, &QPushButton::clicked, this, guarded(this, [this] { closeButtonClicked(); }));
}

ScheduleWindow::~ScheduleWindow() = default;

void ScheduleWindow::setPrepayment(const calculators::PrepaymentInput& input)
{
    prepayment = input;
}

void ScheduleWindow::showSchedule(const calculators::AmortizationSchedule& schedule)
{
    shownSchedule = schedule;
    QTableWidget& grid = *ui->ScheduleGrid;
    const auto months = static_cast<int>(schedule.months.size());
    setGridRowCount(grid, months + 1);
    const auto titles = calculators::scheduleTitles();
    for (int column = 0; column < 4; ++column)
        setGridText(grid, column, 0, QString::fromStdString(titles[static_cast<std::size_t>(column)]));
    const auto& settings = regional();
    for (int month = 1; month <= months; ++month) {
        const auto texts
            = calculators::scheduleRowTexts(month, schedule.months[static_cast<std::size_t>(month - 1)], settings);
        for (int column = 0; column < 4; ++column)
            setGridText(grid, column, month, QString::fromStdString(texts[static_cast<std::size_t>(column)]));
    }
}

void ScheduleWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeOnScreen(this);
}

void ScheduleWindow::printButtonClicked()
{
    const auto months = static_cast<int>(shownSchedule.months.size());
    printPages(this, schedulePages(gridTexts(*ui->ScheduleGrid), months), PrintJobs::JobPerPage, documentName(*this));
}

void ScheduleWindow::closeButtonClicked()
{
    close();
}

void ScheduleWindow::gridLoanChartTriggered()
{
    showLoanChart(shownSchedule, prepayment);
}

} // namespace app
