#include "loanoffers/LoanOffersHelp.h"

#include "calculators/loanoffers/LoanOffers.h"
#include "regional/ShortDate.h"

namespace app {
namespace {

struct FieldHelp
{
    std::string_view field;
    const char* text;
};

// Page and section names are those printed on the standard US Loan Estimate.
constexpr FieldHelp helpTexts[] = {
    { "price",
        "The price you agreed to pay for the home: the Sale Price at the top of page 1 of a Loan Estimate. Mortgage "
        "insurance is charged only on a loan of more than 80 % of it, and ends once the balance reaches 78 % of it." },
    { "down",
        "What you pay toward the price from your own money; the loan is the price less this. A Loan Estimate shows "
        "it as Down Payment/Funds from Borrower in Calculating Cash to Close on page 2. A share such as 10% is that "
        "share of the price, to the cent." },
    { "tax",
        "The property tax on the home for a whole year, the same for every offer. A Loan Estimate shows it in "
        "Estimated Taxes, Insurance & Assessments on page 1 and in sections F, Prepaids, and G, Initial Escrow "
        "Payment at Closing, on page 2. A twelfth of it is added to each monthly payment." },
    { "insurance",
        "The homeowner's insurance premium for a whole year, the same for every offer: Homeowner's Insurance Premium "
        "in section F, Prepaids, on page 2 of a Loan Estimate. A twelfth of it is added to each monthly payment." },
    { "dues",
        "Homeowners' or condominium association dues a month, the same for every offer. A Loan Estimate names them "
        "in Estimated Taxes, Insurance & Assessments on page 1, usually as not in escrow." },
    { "keep",
        "How many years you expect to keep the loan before you sell or refinance. What each offer costs is added up "
        "over these years, and the offer that costs least over them is marked best. The Comparisons on page 3 of a "
        "Loan Estimate use 5 years." },
    { "first-payment",
        "The date of the first monthly payment, usually the first day of the second month after closing. The months "
        "the comparison names are counted from it." },
    { "name", "A name for the offer, such as the lender's, shown over its column of figures." },
    { "rate",
        "The offer's yearly interest rate: Interest Rate in Loan Terms on page 1 of its Loan Estimate. For an "
        "adjustable rate it is the rate it starts at: Initial Interest Rate in the Adjustable Interest Rate (AIR) "
        "Table on page 2." },
    { "years", "The loan term in whole years: Loan Term at the top of page 1 of the Loan Estimate." },
    { "points",
        "Discount points, paid at closing for a lower rate, as a percentage of the loan amount: the line % of Loan "
        "Amount (Points) in section A, Origination Charges, on page 2 of the Loan Estimate." },
    { "fees",
        "The lender's own charges other than points (application, origination, underwriting), in section A, "
        "Origination Charges, on page 2 of the Loan Estimate. They are finance charges: they raise the APR." },
    { "closing",
        "The other closing costs of this loan that are no finance charges: appraisal, credit report, title, survey, "
        "recording and transfer taxes, in sections B, C and E on page 2 of the Loan Estimate. They add to the cash "
        "to close, not to the APR." },
    { "credit",
        "What the lender pays toward your closing costs, often for a higher rate: Lender Credits in section J, Total "
        "Closing Costs, on page 2 of the Loan Estimate. It lowers the cash to close." },
    { "mi",
        "Private mortgage insurance as a percentage of the loan amount a year, charged on a loan of more than 80 % of "
        "the price. A Loan Estimate shows its monthly amount as Mortgage Insurance in Projected Payments on page 1; "
        "ask the lender for the yearly rate. It ends when the balance reaches 78 % of the price, at the middle of the "
        "term at the latest." },
    { "adjustable",
        "Check it for an offer whose rate can change after closing: its Loan Estimate answers YES to \"Can this "
        "amount increase after closing?\" for the Interest Rate in Loan Terms on page 1, and has an Adjustable "
        "Interest Rate (AIR) Table on page 2. Its terms below then count; unchecked, they are greyed and kept as "
        "typed." },
    { "fixed-years",
        "The years the initial rate is fixed before it can first change: First Change in Change Frequency in the "
        "Adjustable Interest Rate (AIR) Table on page 2 of the Loan Estimate, such as \"Beginning of 61st month\" "
        "for 5 years. Loan Terms on page 1 says \"Adjusts every … starting in year 6\"." },
    { "every",
        "The months between the changes of the rate after the first: Subsequent Changes in Change Frequency in the "
        "Adjustable Interest Rate (AIR) Table on page 2 of the Loan Estimate, such as \"Every 6th month after first "
        "change\". Loan Terms on page 1 says \"Adjusts every … years\" when it is a whole number of years." },
    { "index",
        "The value of the index today, in percent. Index + Margin in the Adjustable Interest Rate (AIR) Table on page "
        "2 of the Loan Estimate names the index, such as the 30-day average SOFR; its value is published daily, or "
        "ask the lender. A figure that names no case takes it as staying at this value." },
    { "margin",
        "What the lender adds to the index: the margin in Index + Margin in the Adjustable Interest Rate (AIR) Table "
        "on page 2 of the Loan Estimate. At each change the rate moves toward the index plus the margin, rounded to "
        "the nearest 1/8 point, within the caps." },
    { "first-cap",
        "How far the rate can move at its first change, up or down, in percentage points: First Change in Limits on "
        "Interest Rate Changes in the Adjustable Interest Rate (AIR) Table on page 2 of the Loan Estimate. Lenders "
        "write the three caps together, first change, later changes and lifetime, such as 2/1/5." },
    { "later-cap",
        "How far the rate can move at each change after the first, up or down, in percentage points: Subsequent "
        "Changes in Limits on Interest Rate Changes in the Adjustable Interest Rate (AIR) Table on page 2 of the Loan "
        "Estimate." },
    { "lifetime-cap",
        "How far above the initial rate the rate can ever go, in percentage points. The initial rate plus this cap is "
        "the Maximum Interest Rate in the Adjustable Interest Rate (AIR) Table on page 2 of the Loan Estimate, which "
        "Loan Terms on page 1 gives as \"Can go as high as … in year …\"; the worst case moves toward it." },
    { "lowest",
        "The lowest the rate can ever be: Minimum Interest Rate in the Adjustable Interest Rate (AIR) Table on page 2 "
        "of the Loan Estimate, often the margin. Left blank, it is the margin, or the initial rate where the margin "
        "is above it; the best case moves toward it." },
};

// What each figure of the comparison grid is, by its name for programs.
constexpr FieldHelp figureHelpTexts[] = {
    { "loanAmount", "The home price less the down payment: Loan Amount at the top of page 1 of the Loan Estimate." },
    { "monthlyPrincipalAndInterest",
        "The level monthly payment of principal and interest, rounded to the cent: Principal & Interest in Projected "
        "Payments on page 1 of the Loan Estimate. The last payment may differ by cents, since it clears the "
        "balance." },
    { "rateChanges",
        "When an adjustable rate can first change, and how often after that: Change Frequency, First Change and "
        "Subsequent Changes, in the Adjustable Interest Rate (AIR) Table on page 2 of the Loan Estimate, and "
        "\"Adjusts every … starting in year …\" for the Interest Rate in Loan Terms on page 1. A fixed rate never "
        "changes." },
    { "indexedRate",
        "The index today plus the margin, rounded to the nearest 1/8 of a percentage point: where an adjustable rate "
        "heads while the index stays as it is today. Index + Margin in the Adjustable Interest Rate (AIR) Table on "
        "page 2 of the Loan Estimate names them." },
    { "rateSteps",
        "The rate and the monthly principal and interest from each payment on, if the index stays as it is today. At "
        "each change the rate moves toward the index plus the margin, rounded to the nearest 1/8 point, by no more "
        "than the first change cap at the first change and the later change cap after it, and never below the lowest "
        "rate or above the highest. Whenever the rate moves, the payment is recast to pay off the balance over the "
        "payments left. Every figure that names no case takes this path; the payment ranges by year in Projected "
        "Payments on page 1 of the Loan Estimate take their own." },
    { "worstRate",
        "The highest rate an adjustable rate can reach, and the first payment at it, when each change moves it up as "
        "far as its cap allows, toward the initial rate plus the lifetime cap: Maximum Interest Rate in the "
        "Adjustable Interest Rate (AIR) Table on page 2 of the Loan Estimate, and \"Can go as high as … in year …\" "
        "for the Interest Rate in Loan Terms on page 1." },
    { "worstPayment",
        "The highest monthly principal and interest in the worst case, and the first payment with it: each change "
        "moves the rate up as far as its cap allows, toward the highest rate, and the payment is recast over the "
        "payments left whenever the rate moves. Loan Terms on page 1 of the Loan Estimate gives it as \"Can go as "
        "high as … in year …\" for the Monthly Principal & Interest, and Projected Payments as the highest of its "
        "payment ranges. The last payment, which only clears the balance, is not counted." },
    { "bestPayment",
        "The lowest monthly principal and interest in the best case, and the first payment with it: each change moves "
        "the rate down as far as its cap allows, toward the lowest rate, and the payment is recast over the payments "
        "left whenever the rate moves. Projected Payments on page 1 of the Loan Estimate gives the lowest of each "
        "payment range. The last payment, which only clears the balance, is not counted." },
    { "mortgageInsurance",
        "The monthly mortgage insurance premium: the yearly rate times the loan amount, a twelfth of it. Only a loan "
        "of more than 80 % of the price has it: Mortgage Insurance in Projected Payments on page 1 of the Loan "
        "Estimate." },
    { "mortgageInsuranceLastPayment",
        "The last payment with mortgage insurance, and its month. The insurance ends once the scheduled balance "
        "reaches 78 % of the price, and at the middle of the term at the latest." },
    { "monthlyTaxes", "A twelfth of the yearly property tax, rounded to the cent. It is the same for every offer." },
    { "monthlyInsurance",
        "A twelfth of the yearly homeowner's insurance, rounded to the cent. It is the same for every offer." },
    { "monthlyDues", "The monthly association dues. They are the same for every offer." },
    { "monthlyTotal",
        "What the first monthly payment comes to: principal and interest, mortgage insurance, taxes, homeowner's "
        "insurance and dues. Estimated Total Monthly Payment on page 1 of the Loan Estimate leaves out what is not "
        "paid through the lender." },
    { "points",
        "The discount points in money: the loan amount times the points, to the cent. The Loan Estimate shows them "
        "in section A, Origination Charges, on page 2." },
    { "lenderCreditUsed",
        "The part of the lender credit that pays the points, lender fees and other closing costs. It lowers the cash "
        "to close and the cost of the loan." },
    { "creditNotUsed",
        "The part of the lender credit above the points, lender fees and other closing costs. No figure here counts "
        "it: ask the lender whether it can pay other costs of the purchase, such as prepaid items." },
    { "cashToClose",
        "The down payment and the loan's costs up front: points, lender fees and other closing costs, less the "
        "lender credit used. Cash to Close on page 1 of the Loan Estimate also counts prepaid items and escrow "
        "deposits, which are left out here." },
    { "apr",
        "The annual percentage rate: the yearly rate at which the payments and mortgage insurance premiums repay the "
        "loan less its points and lender fees, worked out as the US Truth in Lending rules prescribe. It is APR in "
        "Comparisons on page 3 of the Loan Estimate. For an adjustable rate it is the composite APR of the payments "
        "with the index staying as it is today." },
    { "totalInterestPercentage",
        "All the interest of the whole term as a percentage of the loan amount: Total Interest Percentage (TIP) in "
        "Comparisons on page 3 of the Loan Estimate." },
    { "paidInYearsKept",
        "What is paid on the loan over the years you keep it: the loan costs up front, and every payment of "
        "principal, interest and mortgage insurance. It leaves out the down payment, property taxes, homeowner's "
        "insurance and dues, which are the same for every offer. In 5 Years in Comparisons on page 3 of the Loan "
        "Estimate gives it for 5 years." },
    { "principalInYearsKept", "The part of what was paid over the years you keep the loan that paid the loan off." },
    { "costInYearsKept",
        "What the loan costs you over the years you keep it: what was paid on the loan less the principal paid off, "
        "that is the loan costs up front, the interest and the mortgage insurance. The offer with the lowest is marked "
        "best." },
    { "balanceAtYearsKept",
        "What is still owed when the years you keep the loan are over: what a sale or a new loan pays off." },
    { "worstPaidInYearsKept",
        "What is paid on the loan over the years you keep it in the worst case, each change moving an adjustable rate "
        "up as far as its cap allows: the loan costs up front, and every payment of principal, interest and mortgage "
        "insurance." },
    { "worstCostInYearsKept",
        "What the loan costs you over the years you keep it in the worst case: the loan costs up front, the interest "
        "and the mortgage insurance, each change moving an adjustable rate up as far as its cap allows. The best "
        "offer is chosen with the index unchanged; this is the most an adjustable rate can cost instead." },
    { "worstBalanceAtYearsKept",
        "What is still owed when the years you keep the loan are over, in the worst case. A higher rate leaves less "
        "of each payment for the principal, so more is owed than with the index unchanged." },
    { "costsNoMoreThanBaseline",
        "The payments after which this offer has cost no more than the offer with the lowest cash to close, counting "
        "the loan costs up front, the interest and the mortgage insurance paid so far. Keep the loan to the end of a "
        "run and this offer has cost no more; keep it to a month outside every run and it has cost more. The lines "
        "can cross back: when one offer's mortgage insurance ends, the other can become the cheaper again. Never "
        "means not within the longer term." },
};

} // namespace

QString comparisonFigureHelp(std::string_view figure)
{
    for (const FieldHelp& help : figureHelpTexts)
        if (help.field == figure)
            return QString::fromUtf8(help.text);
    return {};
}

QString compareOffersHelp(std::string_view field, const regional::RegionalSettings& settings)
{
    for (const FieldHelp& help : helpTexts) {
        if (help.field != field)
            continue;
        // A check box takes no text.
        if (field == calculators::offerFields::offerKeys[calculators::offerColumns::adjustable])
            return QString::fromUtf8(help.text);
        // The window takes a date as the regional short date, the command line as year-month-day.
        std::string accepted = field == calculators::offerFields::firstPayment
            ? regional::shortDateText({ calculators::earliestPlanYear, 1, 1 }, settings, regional::YearDigits::Four)
                + " to "
                + regional::shortDateText({ calculators::latestPlanYear, 12, 31 }, settings, regional::YearDigits::Four)
            : calculators::offersAcceptedText(field, settings);
        return QString::fromUtf8(help.text) + QStringLiteral(" Accepted: ") + QString::fromStdString(accepted) + u'.';
    }
    return {};
}

} // namespace app
