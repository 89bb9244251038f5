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
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
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

loan=(TForm1.Edit9=7 TForm1.Edit10=15 TForm1.Edit11=100000 click:TForm1.ButtonCalcLoanPayment)
car=(TForm1.Edit9=7 TForm1.Edit10=5 TForm1.Edit11=20000 click:TForm1.ButtonCalcLoanPayment)
refinance=(page:TForm1.TabSheet7 TForm1.EditCurrentMort=1200 TForm1.EditRefinMort=150000 TForm1.EditRefinTerm=30
    TForm1.EditRate=6 TForm1.EditCloseCosts=2500 TForm1.EditPoints=1 click:TForm1.Button1CalcRefinance)
college=(page:TForm1.TabSheet6 TForm1.Edit19=5 click:TForm1.Button9)
retirement=(page:TForm1.TabSheet5 TForm1.Edit20=35 TForm1.Edit18=3000 TForm1.EditRetireFund=50000 click:TForm1.Button5
    click:TForm1.Button8)
savings=(page:TForm1.TabSheet1 TForm1.Edit2=10 TForm1.Edit4=5000 TForm1.Edit3=100 click:TForm1.RadioButton2
    click:TForm1.Button1 TForm1.Edit13=5000 TForm1.Edit14=10000 TForm1.Edit12=10 click:TForm1.Button4)
planner=(action:TForm1.ExtraPaymentsPlannerAction ExtraPaymentsWindow.MonthlyExtraEdit=100
    ExtraPaymentsWindow.MonthlyFromEdit=13 ExtraPaymentsWindow.YearlyExtraEdit=2000 ExtraPaymentsWindow.YearlyMonthCombo=April
    click:ExtraPaymentsWindow.CalculateButton)

window loan-page TForm1 "${loan[@]}"
window refinance-page TForm1 "${refinance[@]}"
window college-page TForm1 "${college[@]}"
window retirement-page TForm1 "${retirement[@]}"
window savings-page TForm1 "${savings[@]}"
window schedule-window TAmortSch "${loan[@]}" click:TForm1.Button6
window prepayment-window TForm5 "${loan[@]}" click:TForm1.Button7 TForm5.Edit1=100 click:TForm5.Button1
window matrix-window TFormMatrix "${loan[@]}" click:TForm1.ButtonLoanMatrix TFormMatrix.SpinTerm2=30 \
    click:TFormMatrix.ButtonCalculate
window about-box TFormAbout action:TForm1.About1
window loan-chart LoanChartWindow "${loan[@]}" click:TForm1.Button7 TForm5.Edit1=100 TForm5.Edit2=13 click:TForm5.Button1 \
    click:TForm1.Button6 "menu:TAmortSch.StringGrid1=Loan Chart…"
window planner-window ExtraPaymentsWindow "${planner[@]}"
printout loan-report-printout TForm1.BitBtn1 "${loan[@]}"
printout window-picture-printout TForm1.BitBtn2 "${college[@]}"
printout schedule-printout TAmortSch.Button3 "${car[@]}" click:TForm1.Button6
printout planner-printout ExtraPaymentsWindow.PrintButton "${planner[@]}"
printout matrix-printout TFormMatrix.Button3 "${loan[@]}" click:TForm1.ButtonLoanMatrix TFormMatrix.SpinTerm2=30 \
    click:TFormMatrix.ButtonCalculate
