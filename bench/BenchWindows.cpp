#include "BenchWindows.h"

#include "BuiltOnFirstShow.h"
#include "LoanPage.h"
#include "Regional.h"

BenchWindows::BenchWindows()
{
    shell::installDialogs(&dialogs);
    main = std::make_unique<TForm1>(firstRun);
    prepayment = std::make_unique<TForm5>();
    schedule = std::make_unique<TAmortSch>();
    main->loanPage()->setPrepaymentWindow(prepayment.get());
    // The presses look their controls up by name, on pages that have not been shown yet.
    shell::buildAll(*main);
    shell::buildAll(*prepayment);
}

BenchWindows::~BenchWindows()
{
    shell::installDialogs(nullptr);
}
