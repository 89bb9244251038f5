#include "program/MainWindow.h"

#include "dialogs/Dialogs.h"
#include "dialogs/DocumentName.h"
#include "dialogs/GuardedHandler.h"
#include "extrapayments/ExtraPaymentsWindow.h"
#include "fields/EnterKey.h"
#include "loan/LoanPage.h"
#include "loan/PrepaymentWindow.h"
#include "loan/ScheduleWindow.h"
#include "loanoffers/LoanOffersWindow.h"
#include "pages/CollegePage.h"
#include "pages/RefinancePage.h"
#include "pages/RetirementPage.h"
#include "pages/SavingsPage.h"
#include "printing/WindowPicturePrint.h"
#include "program/AboutBox.h"
#include "program/FirstRunStore.h"
#include "program/MenuKeys.h"
#include "program/ProgramIcon.h"
#include "program/ShortcutsHelp.h"
#include "session/ScenarioFiles.h"
#include "session/TypedState.h"
#include "ui_MainWindow.h"
#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace app {

namespace {

const auto instructionsText = QStringLiteral(
    "Corvanta is meant to be self-explanatory. If you need assistance filling in any fields, try double-clicking "
    "them for extra assistance. Otherwise, just go to the topic that interests you and fill in the required blanks "
    "and click the CALCULATE button for the answer.");

const auto welcomeText = QStringLiteral(
    "Welcome to Corvanta. It is designed to be very easy to use. Just click the tab you want and enter the "
    "required data and hit calculate. When in doubt, try double-clicking any field for more assistance. We hope you "
    "find this program to be a useful addition to your software library. Let's get started!");

} // namespace

MainWindow::MainWindow(FirstRunStore& firstRun, QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    // A fixed-size window with system menu and minimise only: it cannot be maximised or resized. Flags first:
    // set after the controls exist, they would re-style every control once more.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowIcon(programIcon());

    connect(ui->ExitAction, &QAction::triggered, this, guarded(this, [this] { exitActionTriggered(); }));
    connect(ui->ExitButton, &QPushButton::clicked, this, guarded(this, [this] { exitButtonClicked(); }));
    connect(ui->AboutAction, &QAction::triggered, this, guarded(this, [this] { aboutActionTriggered(); }));
    connect(
        ui->InstructionsAction, &QAction::triggered, this, guarded(this, [this] { instructionsActionTriggered(); }));
    connect(ui->KeyboardShortcutsAction, &QAction::triggered, this,
        guarded(this, [this] { keyboardShortcutsActionTriggered(); }));
    // The Tools menu's windows, one line each: its action, and the window it makes when none of its kind is open.
    tools = {
        { ui->ExtraPaymentsPlannerAction,
            [this] {
                auto* planner = new ExtraPaymentsWindow(this);
                planner->startWith(loanPage()->loanTexts(), QDate::currentDate());
                if (typedState)
                    typedState->attach(planner->typedSections(), planner);
                return planner;
            } },
        { ui->CompareLoanOffersAction,
            [this] {
                auto* offers = new LoanOffersWindow(this);
                offers->startWith(QDate::currentDate());
                if (typedState)
                    typedState->attach(offers->typedSections(), offers);
                return offers;
            } },
    };
    QList<QAction*> toolActions;
    for (std::size_t index = 0; index < tools.size(); ++index) {
        connect(tools[index].action, &QAction::triggered, this,
            guarded(this, [this, index] { toolActionTriggered(tools[index]); }));
        toolActions.append(tools[index].action);
    }
    // The Print buttons of the college and retirement savings plans both print a picture of this window.
    connect(
        ui->CollegeTab, &CollegePage::printWindowPressed, this, guarded(this, [this] { pagePrintButtonClicked(); }));
    connect(ui->RetirementTab, &RetirementPage::printWindowPressed, this,
        guarded(this, [this] { pagePrintButtonClicked(); }));
    // Enter presses the active page's default button, wherever focus is in the window, and the Tools menu's keys
    // work from every field of every window.
    new EnterKey(this, [this] { return ui->CalculatorTabs->currentWidget(); });
    new MenuKeys(this, toolActions);

    windowCreated(firstRun);
}

MainWindow::~MainWindow()
{
    // The tabs go before this window does and change their page as they go: that is no page the user chose.
    ui->CalculatorTabs->disconnect(this);
}

LoanPage* MainWindow::loanPage() const
{
    return ui->LoanTab;
}

void MainWindow::keepTypedState(TypedState& state)
{
    typedState = &state;
    const auto keep = [this](auto* page) {
        page->whenBuilt([this, page] {
            if (typedState)
                typedState->attach(page->typedSections(), this);
        });
    };
    keep(ui->LoanTab);
    keep(ui->RefinanceTab);
    keep(ui->CollegeTab);
    keep(ui->RetirementTab);
    keep(ui->SavingsTab);
    loanPage()->whenPrepaymentWindow([this](PrepaymentWindow& window) {
        if (typedState)
            typedState->attach(window.typedSections(), &window);
    });
    // The page shown goes by its object's name, which no translation changes.
    const QString page = QString::fromStdString(state.windowText("page"));
    if (auto* shown = ui->CalculatorTabs->findChild<QWidget*>(page); shown && !page.isEmpty())
        ui->CalculatorTabs->setCurrentWidget(shown);
    connect(ui->CalculatorTabs, &QTabWidget::currentChanged, this, [this] {
        if (typedState)
            typedState->setWindowText("page", ui->CalculatorTabs->currentWidget()->objectName().toStdString());
    });

    files = new ScenarioFiles(*this, state);
    const auto fileAction = [this](QAction* action, const std::function<void()>& command) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, guarded(this, [this, command] {
            command();
            ui->UndoNewAction->setEnabled(files->canUndoNew());
        }));
    };
    fileAction(ui->NewAction, [this] { files->newScenario(); });
    fileAction(ui->OpenScenarioAction, [this] { files->open(); });
    fileAction(ui->SaveScenarioAction, [this] { files->save(); });
    fileAction(ui->SaveScenarioAsAction, [this] { files->saveAs(); });
    connect(ui->UndoNewAction, &QAction::triggered, this, guarded(this, [this] {
        files->undoNew();
        ui->UndoNewAction->setEnabled(false);
    }));
    // Typing after New keeps what was typed: Undo New would lose it.
    state.whenChanged([this] { ui->UndoNewAction->setEnabled(files && files->canUndoNew()); });
    ui->RecentMenu->setEnabled(!files->recentFiles().isEmpty());
    connect(ui->RecentMenu, &QMenu::aboutToShow, this, [this] { files->fillRecentMenu(*ui->RecentMenu); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (files && !files->mayLeave()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::pagePrintButtonClicked()
{
    printWindowPicture(this, ui->ClientArea, documentName(*ui->CalculatorTabs->currentWidget()));
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!placed) {
        placed = true;
        placeOnScreen(this);
    }
}

void MainWindow::windowCreated(FirstRunStore& firstRun)
{
    ui->CalculatorTabs->setCurrentWidget(ui->LoanTab);
    // The welcome comes while the window is being built, before it is ever shown.
    if (!firstRun.hasRunBefore()) {
        dialogs().information(nullptr, welcomeText);
        firstRun.rememberRun();
    }
}

void MainWindow::exitActionTriggered()
{
    close();
}

void MainWindow::exitButtonClicked()
{
    close();
}

void MainWindow::aboutActionTriggered()
{
    // A fresh box each time, owned by nobody, freed when it closes.
    const auto about = std::make_unique<AboutBox>();
    about->exec();
}

void MainWindow::instructionsActionTriggered()
{
    dialogs().information(this, instructionsText);
}

void MainWindow::keyboardShortcutsActionTriggered()
{
    // The Tools windows' own keys are read from a window of each kind, the open one or one made for the purpose
    // and never shown.
    std::vector<std::unique_ptr<QWidget>> made;
    QList<const QWidget*> windows;
    for (const ToolWindow& tool : tools) {
        if (tool.window) {
            windows.append(tool.window);
            continue;
        }
        made.emplace_back(tool.make());
        windows.append(made.back().get());
    }
    // The schedule has keys of its own too (its chart, copying its cells).
    made.push_back(std::make_unique<ScheduleWindow>());
    windows.append(made.back().get());
    dialogs().information(this, keyboardShortcutsText(*ui->MenuBar, windows));
}

void MainWindow::toolActionTriggered(ToolWindow& tool)
{
    if (!tool.window) {
        // Closing the window frees it, so that the next open starts afresh (the planner from the loan page).
        tool.window = tool.make();
        tool.window->setAttribute(Qt::WA_DeleteOnClose);
        placeOnScreen(tool.window);
    }
    // A modal window blocks every other window; the tool opens modal above it, so that it can be used there.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != tool.window && !tool.window->isModal()) {
        tool.window->hide();
        tool.window->setWindowModality(Qt::ApplicationModal);
    }
    // Opened from a window that stays on top (the chart, the prepayment window), it stays on top too until it is
    // closed, or the window manager keeps it below that window.
    const QWidget* from = modal ? modal : QApplication::activeWindow();
    if (from && from != tool.window && from->windowFlags().testFlag(Qt::WindowStaysOnTopHint)
        && !tool.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        tool.window->hide();
        tool.window->setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    tool.window->show();
    tool.window->raise();
    tool.window->activateWindow();
}

} // namespace app
