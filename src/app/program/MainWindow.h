#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

namespace Ui {
class MainWindow;
}

namespace app {

class FirstRunStore;
class LoanOffersWindow;
class ExtraPaymentsWindow;
class LoanPage;

// The main window: five calculator pages, the menu and the Exit Program button.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(FirstRunStore& firstRun, QWidget* parent = nullptr);
    ~MainWindow() override;

    LoanPage* loanPage() const;

    // Prints a picture of the client area as it is shown, on one page (the college and retirement pages'
    // Print buttons).
    void pagePrintButtonClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void windowCreated(FirstRunStore& firstRun); // opens on the loan page; welcomes a first run
    void exitActionTriggered();
    void exitButtonClicked(); // Exit Program
    void aboutActionTriggered();
    void instructionsActionTriggered();
    // Tools > Extra Payments Planner: opens the planner, or raises the open one
    void extraPaymentsPlannerActionTriggered();
    // Tools > Compare Loan Offers: opens the offers window, or raises the open one
    void compareLoanOffersActionTriggered();

    std::unique_ptr<Ui::MainWindow> ui;
    bool placed = false;
    QPointer<ExtraPaymentsWindow> planner;
    QPointer<LoanOffersWindow> offers;
};

} // namespace app
