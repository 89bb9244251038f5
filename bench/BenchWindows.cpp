#include "BenchWindows.h"

#include "LoanPage.h"
#include "Regional.h"

BenchWindows::BenchWindows()
{
    shell::installDialogs(&dialogs);
    main = std::make_unique<TForm1>(firstRun);
    prepayment = std::make_unique<TForm5>();
    schedule = std::make_unique<TAmortSch>();
    main->loanPage()->setPrepaymentWindow(prepayment.get());
}

BenchWindows::~BenchWindows()
{
    shell::installDialogs(nullptr);
}
