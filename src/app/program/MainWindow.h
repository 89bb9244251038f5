#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class MainWindow;
}

namespace app {

class FirstRunStore;
class LoanPage;
class ScenarioFiles;
class TypedState;

// The main window: five calculator pages, the menu and the Exit Program button.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(FirstRunStore& firstRun, QWidget* parent = nullptr);
    ~MainWindow() override;

    LoanPage* loanPage() const;

    // Keeps what the user types in every window in the state, and shows what it kept: each page once its controls
    // are built, each Tools window once it is made, and the page that was shown.
    void keepTypedState(TypedState& state);

    // Prints a picture of the client area as it is shown, on one page (the college and retirement pages'
    // Print buttons).
    void pagePrintButtonClicked();

    // The scenario files of the File menu; none before keepTypedState.
    ScenarioFiles* scenarioFiles() const { return files; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // changes to an open scenario are saved, discarded or kept

private:
    void windowCreated(FirstRunStore& firstRun); // opens on the loan page; welcomes a first run
    void exitActionTriggered();
    void exitButtonClicked(); // Exit Program
    void aboutActionTriggered();
    void instructionsActionTriggered();
    void keyboardShortcutsActionTriggered(); // every key of the program, read from the actions
    // A window of the Tools menu: its action, how a new one is made, and the one open.
    struct ToolWindow
    {
        QAction* action;
        std::function<QWidget*()> make;
        QPointer<QWidget> window = {};
    };
    // Opens the tool's window, or raises the open one.
    void toolActionTriggered(ToolWindow& tool);

    std::unique_ptr<Ui::MainWindow> ui;
    bool placed = false;
    std::vector<ToolWindow> tools;
    QPointer<TypedState> typedState;
    ScenarioFiles* files = nullptr;
};

} // namespace app
