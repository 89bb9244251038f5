#include "scenario/ScenarioFields.h"

#include "calculators/extrapayments/ExtraPaymentsReader.h"
#include "calculators/loan/LoanSolver.h"
#include "calculators/loanoffers/LoanOffers.h"

#include <algorithm>

namespace scenario {

namespace {

namespace loan = calculators::loanFields;
namespace planner = calculators::plannerFields;
namespace offers = calculators::offerFields;

constexpr std::string_view loanFields[] = { loan::rate, loan::years, loan::amount, loan::payment, loan::solveFor };
constexpr std::string_view prepayFields[] = { loan::rate, loan::years, loan::amount, "extra", "from" };
constexpr std::string_view matrixFields[]
    = { "amount", "increment", "rate", "rate-step", "years", "years2", "amounts", "rates" };
constexpr std::string_view refinanceFields[] = { "payment", "principal", "years", "rate", "closing-costs", "points" };
constexpr std::string_view savingsFields[] = { "rate", "years", "current", "contribution", "every" };
constexpr std::string_view requiredReturnFields[] = { "current", "desired", "years" };
constexpr std::string_view collegeFields[] = { "age", "start-age", "cost", "years", "increase", "fund", "growth" };
constexpr std::string_view retirementFields[]
    = { "age", "retire-at", "income", "years", "growth", "inflation", "assets" };
constexpr std::string_view planFields[] = { planner::rate, planner::years, planner::amount, planner::firstPayment,
    planner::monthlyExtra, planner::monthlyFrom, planner::monthlyThrough, planner::yearlyExtra, planner::yearlyMonth,
    planner::yearlyFrom, planner::everyTwoWeeks };
constexpr std::string_view oneTimeKeys[] = { calculators::oneTimeKeys::payment, calculators::oneTimeKeys::amount };
constexpr ScenarioTable planTables[] = { { planner::oneTime, oneTimeKeys } };
constexpr std::string_view compareFields[]
    = { offers::price, offers::down, offers::tax, offers::insurance, offers::dues, offers::keep, offers::firstPayment };
constexpr ScenarioTable compareTables[]
    = { { offers::offer, offers::offerKeys, static_cast<std::size_t>(calculators::offerColumns::adjustable) } };

constexpr ScenarioSection sections[] = {
    { "loan", loanFields },
    { "prepay", prepayFields },
    { "matrix", matrixFields },
    { "refinance", refinanceFields },
    { "savings", savingsFields },
    { "required-return", requiredReturnFields },
    { "college", collegeFields },
    { "retirement", retirementFields },
    { "plan", planFields, planTables },
    { "compare", compareFields, compareTables },
};

} // namespace

std::span<const ScenarioSection> scenarioSections()
{
    return sections;
}

const ScenarioSection* scenarioSection(std::string_view name)
{
    const auto found = std::ranges::find(sections, name, &ScenarioSection::name);
    return found == std::end(sections) ? nullptr : &*found;
}

} // namespace scenario
