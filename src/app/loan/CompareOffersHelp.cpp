#include "loan/CompareOffersHelp.h"

#include "calculators/LoanOffers.h"

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
        "it as Down Payment/Funds from Borrower in Calculating Cash to Close on page 2." },
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
        "The date of the first monthly payment, usually the first day of the second month after closing. The "
        "break-even payment is dated from it." },
    { "name",
        "A name for the offer, such as the lender's. Left empty, the offer is called Offer A to D by its column." },
    { "rate",
        "The offer's yearly interest rate: Interest Rate in Loan Terms on page 1 of its Loan Estimate. Leave it empty "
        "to leave the offer out." },
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
};

} // namespace

QString compareOffersHelp(std::string_view field)
{
    for (const FieldHelp& help : helpTexts)
        if (help.field == field)
            return QString::fromUtf8(help.text) + u' ' + QString::fromStdString(calculators::offersAcceptedText(field));
    return {};
}

} // namespace app
