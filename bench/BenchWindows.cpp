#include "BenchWindows.h"

#include "fields/Regional.h"
#include "loan/LoanPage.h"
#include "widgets/BuiltOnFirstShow.h"

using app::MainWindow;
using app::PrepaymentWindow;

BenchWindows::BenchWindows()
{
    app::installDialogs(&dialogs);
    main = std::make_unique<MainWindow>(firstRun);
    prepayment = std::make_unique<PrepaymentWindow>();
    main->loanPage()->setPrepaymentWindow(prepayment.get());
    // The presses look their controls up by name, on pages that have not been shown yet.
    app::buildAll(*main);
}

BenchWindows::~BenchWindows()
{
    app::installDialogs(nullptr);
}
