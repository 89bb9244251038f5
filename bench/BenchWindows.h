#pragma once

#include "dialogs/Dialogs.h"
#include "loan/PrepaymentWindow.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"

#include <memory>

// Message boxes and the print dialog answered at once and counted: a benchmark must never wait for a user.
class CountingDialogs final : public app::Dialogs
{
public:
    void warning(QWidget*, const QString&) override { ++shown; }
    void information(QWidget*, const QString&) override { ++shown; }
    void error(QWidget*, const QString&) override { ++shown; }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    QString chooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString chooseOpenFile(QWidget*, const QString&, const QString&) override { return {}; }
    Unsaved askAboutUnsaved(QWidget*, const QString&) override { return Unsaved::Cancel; }

    int shown = 0;
};

// The main window, and the prepayment window its first PrePay would make, given to it at once so that the
// presses can time it; the counting dialogs installed.
struct BenchWindows
{
    BenchWindows();
    ~BenchWindows();

    CountingDialogs dialogs;
    app::ReturningUserStore firstRun;
    std::unique_ptr<app::MainWindow> main;
    std::unique_ptr<app::PrepaymentWindow> prepayment;
};
