#include "windows/ScheduleWindow.h"

#include "printing/PrintLayouts.h"
#include "printing/Printing.h"
#include "shell/GuardedHandler.h"
#include "shell/Regional.h"
#include "shell/WindowPlacement.h"
#include "ui_ScheduleWindow.h"
#include "widgets/GridCopy.h"
#include "widgets/GridCsv.h"
#include "widgets/StringGrid.h"
#include "windows/LoanChartWindow.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <cstddef>

TAmortSch::TAmortSch(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TAmortSch>())
{
    Q_INIT_RESOURCE(glyphs);
    // Flags first: set after the controls exist, they would re-style every control once more.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->setupUi(this);
    setFixedSize(size());
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    app::setUpGrid(*ui->StringGrid1);
    QMenu* menu = app::addGridMenu(*ui->StringGrid1);
    app::addCsvExport(*menu, *ui->StringGrid1, this, QStringLiteral("Amortization Schedule.csv"));
    QAction* chart = menu->addAction(QStringLiteral("Loan Chart\u2026"));
    chart->setObjectName(QStringLiteral("GridLoanChart"));
    chart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    // The window holds the action too, so that Ctrl+G works without the menu.
    addAction(chart);

    connect(chart, &QAction::triggered, this, app::guarded(this, [this] { GridLoanChartClick(); }));
    connect(ui->Button3, &QPushButton::clicked, this, app::guarded(this, [this] { Button3Click(); }));
    connect(ui->BitBtn1, &QPushButton::clicked, this, app::guarded(this, [this] { BitBtn1Click(); }));
}

TAmortSch::~TAmortSch() = default;

void TAmortSch::setPrepayment(const calculators::PrepaymentInput& input)
{
    prepayment = input;
}

void TAmortSch::showSchedule(const calculators::AmortizationSchedule& schedule)
{
    shownSchedule = schedule;
    QTableWidget& grid = *ui->StringGrid1;
    const auto months = static_cast<int>(schedule.months.size());
    app::setGridRowCount(grid, months + 1);
    const auto titles = calculators::scheduleTitles();
    for (int column = 0; column < 4; ++column)
        app::setGridText(grid, column, 0, QString::fromStdString(titles[static_cast<std::size_t>(column)]));
    const auto& settings = app::regional();
    for (int month = 1; month <= months; ++month) {
        const auto texts
            = calculators::scheduleRowTexts(month, schedule.months[static_cast<std::size_t>(month - 1)], settings);
        for (int column = 0; column < 4; ++column)
            app::setGridText(grid, column, month, QString::fromStdString(texts[static_cast<std::size_t>(column)]));
    }
}

void TAmortSch::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    app::placeOnScreen(this);
}

void TAmortSch::Button3Click()
{
    const auto months = static_cast<int>(shownSchedule.months.size());
    app::printPages(this, app::schedulePages(app::gridTexts(*ui->StringGrid1), months), app::PrintJobs::JobPerPage,
        QStringLiteral("Corvanta amortization schedule"));
}

void TAmortSch::BitBtn1Click()
{
    close();
}

void TAmortSch::GridLoanChartClick()
{
    app::showLoanChart(shownSchedule, prepayment);
}
