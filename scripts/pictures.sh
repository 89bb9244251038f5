#!/usr/bin/env bash
# Retakes the README's pictures in docs/: each page and window after a worked calculation, and a page of
# each print-out, taken from the real windows on a virtual X display (Xvfb). One line per picture below;
# the steps are those of the picture driver (tools/pictures/PictureDriver.cpp lists them).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

ensure_packages "${RUN_PACKAGES[@]}" xvfb xauth poppler-utils
configure_build -DCORVANTA_PICTURES=ON
cmake --build build --target corvanta_pictures

scratch=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
display=:${SCREENSHOT_DISPLAY:-96}
# A common laptop screen, on which the offers window shows two offers side by side.
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp &
xvfb=$!
sleep 1

drive() {
    DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$scratch/config" LANG=C.UTF-8 \
        build/tools/pictures/corvanta_pictures "$scratch" "$@"
}

# window NAME WINDOW STEP...: runs the steps, then saves the window (its class) as docs/NAME.png.
window() {
    local name=$1 shown=$2
    shift 2
    drive "$@" "grab:$shown=$name"
    mv "$scratch/$name.png" "docs/$name.png"
    echo "Wrote docs/$name.png"
}

# printout NAME BUTTON STEP...: runs the steps, presses the Print button (Window.Control) and renders the
# print-out's first page as docs/NAME.png.
printout() {
    local name=$1 button=$2
    shift 2
    drive "$@" "print:$button=$name"
    pdftoppm -png -singlefile -f 1 -l 1 -scale-to 760 "$scratch/$name.pdf" "docs/$name"
    echo "Wrote docs/$name.png"
}

loan=(MainWindow.RateEdit=7 MainWindow.YearsEdit=15 MainWindow.AmountEdit=100000 click:MainWindow.CalculateButton)
car=(MainWindow.RateEdit=7 MainWindow.YearsEdit=5 MainWindow.AmountEdit=20000 click:MainWindow.CalculateButton)
refinance=(page:MainWindow.RefinanceTab MainWindow.CurrentPaymentEdit=1200 MainWindow.RefinancedAmountEdit=150000
    MainWindow.RefinancedYearsEdit=30
    MainWindow.RefinancedRateEdit=6 MainWindow.ClosingCostsEdit=2500 MainWindow.PointsEdit=1
    click:MainWindow.RefinanceCalculateButton)
college=(page:MainWindow.CollegeTab MainWindow.ChildAgeEdit=5 click:MainWindow.CollegeCalculateButton)
retirement=(page:MainWindow.RetirementTab MainWindow.CurrentAgeEdit=35 MainWindow.MonthlyIncomeEdit=3000
    MainWindow.RetirementFundEdit=50000 click:MainWindow.RetirementCalculateButton
    click:MainWindow.RetirementHowToButton)
savings=(page:MainWindow.SavingsTab MainWindow.SavingsYearsEdit=10 MainWindow.CurrentSavingsEdit=5000
    MainWindow.ContributionEdit=100 click:MainWindow.MonthlyRadio
    click:MainWindow.GrowthCalculateButton MainWindow.CurrentValueEdit=5000 MainWindow.DesiredValueEdit=10000
    MainWindow.GrowYearsEdit=10 click:MainWindow.ReturnCalculateButton)
planner=(action:MainWindow.ExtraPaymentsPlannerAction ExtraPaymentsWindow.MonthlyExtraEdit=100
    ExtraPaymentsWindow.MonthlyFromEdit=13 ExtraPaymentsWindow.YearlyExtraEdit=2000
    ExtraPaymentsWindow.YearlyMonthCombo=April
    click:ExtraPaymentsWindow.CalculateButton)
offers=(action:MainWindow.CompareLoanOffersAction LoanOffersWindow.PriceEdit=400000
    LoanOffersWindow.DownEdit=40000 LoanOffersWindow.TaxEdit=4800 LoanOffersWindow.InsuranceEdit=1500
    LoanOffersWindow.OfferANameEdit=Harbor LoanOffersWindow.OfferARateEdit=6.5
    LoanOffersWindow.OfferAFeesEdit=1200 LoanOffersWindow.OfferAClosingEdit=3800
    LoanOffersWindow.OfferACreditEdit=1000 LoanOffersWindow.OfferAInsuranceEdit=0.5
    LoanOffersWindow.OfferBNameEdit=Summit LoanOffersWindow.OfferBRateEdit=6.125
    LoanOffersWindow.OfferBPointsEdit=1.25 LoanOffersWindow.OfferBFeesEdit=1500
    LoanOffersWindow.OfferBClosingEdit=3800 LoanOffersWindow.OfferBInsuranceEdit=0.45
    click:LoanOffersWindow.CalculateButton)
adjustable=(action:MainWindow.CompareLoanOffersAction LoanOffersWindow.PriceEdit=450000
    LoanOffersWindow.DownEdit=10% LoanOffersWindow.KeepEdit=7
    LoanOffersWindow.OfferANameEdit=Fixed LoanOffersWindow.OfferARateEdit=6.75
    LoanOffersWindow.OfferAInsuranceEdit=0.4
    LoanOffersWindow.OfferBNameEdit=ARM LoanOffersWindow.OfferBRateEdit=5.875
    LoanOffersWindow.OfferBInsuranceEdit=0.4 click:LoanOffersWindow.OfferBAdjustableCheck
    LoanOffersWindow.OfferBIndexEdit=4.31 LoanOffersWindow.OfferBMarginEdit=2.75
    click:LoanOffersWindow.CalculateButton)

window loan-page MainWindow "${loan[@]}"
window refinance-page MainWindow "${refinance[@]}"
window college-page MainWindow "${college[@]}"
window retirement-page MainWindow "${retirement[@]}"
window savings-page MainWindow "${savings[@]}"
window schedule-window ScheduleWindow "${loan[@]}" click:MainWindow.ScheduleButton
window prepayment-window PrepaymentWindow "${loan[@]}" click:MainWindow.PrepayButton \
    PrepaymentWindow.ExtraPaymentEdit=100 click:PrepaymentWindow.CalculateButton
window matrix-window MatrixWindow "${loan[@]}" click:MainWindow.MatrixButton MatrixWindow.Term2Spin=30 \
    click:MatrixWindow.CalculateButton
window about-box AboutBox action:MainWindow.AboutAction
window loan-chart LoanChartWindow "${loan[@]}" click:MainWindow.PrepayButton PrepaymentWindow.ExtraPaymentEdit=100 \
    PrepaymentWindow.StartMonthEdit=13 click:PrepaymentWindow.CalculateButton \
    click:MainWindow.ScheduleButton "menu:ScheduleWindow.ScheduleGrid=Loan Chart…"
window planner-window ExtraPaymentsWindow "${planner[@]}"
window offers-window LoanOffersWindow "${offers[@]}"
window offers-chart LoanChartWindow "${offers[@]}" click:LoanOffersWindow.ChartButton
window offers-adjustable LoanOffersWindow "${adjustable[@]}"
window offers-adjustable-chart LoanChartWindow "${adjustable[@]}" click:LoanOffersWindow.ChartButton
printout loan-report-printout MainWindow.ReportPrintButton "${loan[@]}"
printout window-picture-printout MainWindow.CollegePrintButton "${college[@]}"
printout schedule-printout ScheduleWindow.PrintButton "${car[@]}" click:MainWindow.ScheduleButton
printout planner-printout ExtraPaymentsWindow.PrintButton "${planner[@]}"
printout offers-printout LoanOffersWindow.PrintButton "${offers[@]}"
printout matrix-printout MatrixWindow.PrintButton "${loan[@]}" click:MainWindow.MatrixButton MatrixWindow.Term2Spin=30 \
    click:MatrixWindow.CalculateButton
