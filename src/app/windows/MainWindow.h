#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

class ExtraPaymentsWindow;
class LoanPage;

namespace Ui {
class TForm1;
}

namespace app {
class FirstRunStore;
}

// The main window: five calculator pages, the menu and the Exit Program button.
class TForm1 final : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(app::FirstRunStore& firstRun, QWidget* parent = nullptr);
    ~TForm1() override;

    LoanPage* loanPage() const;

    // Prints a picture of the client area as it is shown, on one page (the college and retirement pages'
    // Print buttons).
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate(app::FirstRunStore& firstRun); // opens on the loan page; welcomes a first run
    void Exit1Click(); // File > Exit
    void Button3Click(); // Exit Program
    void About1Click(); // menu About
    void Instructions1Click(); // menu Instructions
    void ExtraPaymentsPlannerClick(); // Tools > Extra Payments Planner: opens the planner, or raises the open one

    std::unique_ptr<Ui::TForm1> ui;
    bool placed = false;
    QPointer<ExtraPaymentsWindow> planner;
};
