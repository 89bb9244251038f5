#!/usr/bin/env python3
"""Independent figures for LoanOffersTest and AdjustableOffersTest: the comparison's rules in exact rationals.

The schedule, the premiums and every sum are exact fractions rounded half away from zero to the cent; the APR's
root is found by bisection in 60-digit decimals and rounded half away from zero at the third decimal. An adjustable
rate's path, its worst and its best case follow the caps exactly, each change that moves the rate recasting the
level payment over the payments left. Prints the C++ table of LoanOffersTest, or with the argument "adjustable"
that of AdjustableOffersTest (one case a block, the input and then one row of figures per offer); the tests hold
this output. Run it again after changing a case:  python3 tests/calculators/loan_offers_expected.py [adjustable]
It is not run by the build."""
import calendar
import decimal
import sys
from fractions import Fraction

decimal.getcontext().prec = 60
D = decimal.Decimal


def half_away(x):
    """x rounded to a whole number, a half away from zero."""
    n = abs(Fraction(x))
    whole = n.numerator // n.denominator
    if n - whole >= Fraction(1, 2):
        whole += 1
    return whole if x >= 0 else -whole


def level_payment(balance, rate, m):
    """The level payment in cents of a balance over m months at a rate in percent (a Fraction)."""
    i = rate / 1200
    return -(-balance // m) if i == 0 else half_away(balance * i / (1 - (1 + i) ** -m))


def schedule(rates, loan):
    """Rates in percent (Fractions), one a payment; loan in cents. Rows of (payment, interest, principal, balance)
    and the level payment in force for each: the first rate's over the whole term, recast over the payments left
    whenever the rate moves."""
    n = len(rates)
    p = level_payment(loan, rates[0], n)
    rows, levels, b = [], [], loan
    for k in range(1, n + 1):
        if b == 0:
            break
        i = rates[k - 1] / 1200
        if k > 1 and rates[k - 1] != rates[k - 2]:
            p = level_payment(b, rates[k - 1], n - k + 1)
        interest = half_away(b * i)
        principal = b if (b + interest <= p or k == n) else p - interest
        b -= principal
        rows.append((interest + principal, interest, principal, b))
        levels.append(p)
    return rows, levels


def indexed_rate(terms):
    """The index plus the margin, to the nearest eighth of a percentage point, a sixteenth up."""
    return Fraction(half_away((Fraction(terms["index"]) + Fraction(terms["margin"])) * 8), 8)


def lowest_rate(rate, terms):
    """The lowest rate as given, else the margin, or the initial rate where the margin is above it."""
    return Fraction(terms["lowest"]) if "lowest" in terms else min(Fraction(terms["margin"]), Fraction(rate))


def rate_path(rate, years, terms, case):
    """The rate of each payment 1 to 12 years: case "unchanged" moves toward the indexed rate, "worst" toward the
    highest rate, "best" toward the lowest, each change within its cap of the rate before and within the limits."""
    n = 12 * years
    first_cap, later_cap, lifetime_cap = (Fraction(cap) for cap in terms["caps"])
    highest, lowest = Fraction(rate) + lifetime_cap, lowest_rate(rate, terms)
    target = dict(unchanged=indexed_rate(terms), worst=highest, best=lowest)[case]
    changes = list(range(12 * terms["fixed"] + 1, n + 1, terms["every"]))
    r, rates = Fraction(rate), []
    for k in range(1, n + 1):
        if k in changes:
            cap = first_cap if k == changes[0] else later_cap
            r = min(max(target, r - cap), r + cap)
            r = min(max(r, lowest), highest)
        rates.append(r)
    return rates


def apr_thousandths(flows, financed):
    """1,200,000 j rounded half away from zero, where financed = sum flows[k-1] / (1 + j)^k."""
    def worth(j):
        v = 1 / (1 + j)
        s = D(0)
        for c in reversed(flows):
            s = (s + c) * v
        return s - financed

    if sum(flows) == financed:
        return 0
    low, high = D(0), D(1)
    while worth(high) > 0:
        low, high = high, high * 2
    for _ in range(400):
        middle = (low + high) / 2
        if worth(middle) > 0:
            low = middle
        else:
            high = middle
    t = low * 1200000
    assert abs(t - t.to_integral_value(decimal.ROUND_FLOOR) - D("0.5")) > D("1e-30"), "too near a half"
    return int(t.quantize(D(1), rounding=decimal.ROUND_HALF_UP))


def month_year(first, k):
    index = first[0] * 12 + first[1] - 1 + k - 1
    return f"{index % 12 + 1}/{index // 12}"


def premiums_on(rows, loan, price, premium, years):
    """The premium of each row, asked while the balance before it is above 78 % of the price, to the middle of the
    term at the latest; and the last payment with one (0: none)."""
    premiums, before, last = [], loan, 0
    for k, row in enumerate(rows, start=1):
        due = premium if (premium > 0 and before > Fraction(78, 100) * price and k <= 12 * years // 2) else 0
        if due:
            last = k
        premiums.append(due)
        before = row[3]
    return premiums, last


def kept_on(rows, premiums, upfront, keep):
    """Paid and principal in the years kept, and the cost curve: the costs up front, then interest and premiums."""
    kept = min(12 * keep, len(rows))
    paid = upfront + sum(row[0] + m for row, m in zip(rows[:kept], premiums[:kept]))
    principal = sum(row[2] for row in rows[:kept])
    curve = [upfront]
    for row, m in zip(rows, premiums):
        curve.append(curve[-1] + row[1] + m)
    return paid, principal, curve


def adjustable_figures(rate, years, terms, loan, price, premium, upfront, keep):
    """What an adjustable rate may do: its steps with the index unchanged, the worst case and the best."""
    unchanged = rate_path(rate, years, terms, "unchanged")
    rows, levels = schedule(unchanged, loan)
    steps = [(k, unchanged[k - 1], levels[k - 1]) for k in range(1, len(rows) + 1)
             if k == 1 or unchanged[k - 1] != unchanged[k - 2]]
    worst_rates = rate_path(rate, years, terms, "worst")
    worst, worst_levels = schedule(worst_rates, loan)
    best, best_levels = schedule(rate_path(rate, years, terms, "best"), loan)
    # The level payments of payments 1 to the last but one: the last payment only clears the balance.
    counted_worst = worst_levels[:max(1, len(worst) - 1)]
    counted_best = best_levels[:max(1, len(best) - 1)]
    highest_rate = max(worst_rates[:len(worst)])
    premiums, _ = premiums_on(worst, loan, price, premium, years)
    paid, principal, curve = kept_on(worst, premiums, upfront, keep)
    return dict(
        first=12 * terms["fixed"] + 1, every=terms["every"], indexed=indexed_rate(terms), steps=steps,
        highest_rate=highest_rate, highest_rate_payment=worst_rates.index(highest_rate) + 1,
        highest_payment=max(counted_worst), highest_payment_from=counted_worst.index(max(counted_worst)) + 1,
        lowest_payment=min(counted_best), lowest_payment_from=counted_best.index(min(counted_best)) + 1,
        paid=paid, cost=paid - principal, balance=loan - principal, payments=len(worst), curve=curve)


def compare(price, down, tax=0, insurance=0, dues=0, keep=5, first=(2027, 1, 1), offers=()):
    """Money in cents; each offer (name, rate %, years, points %, fees, closing, credit, mi %), and for an adjustable
    rate its terms: dict(fixed=years, every=months, index=%, margin=%, caps=(first, later, lifetime) in percentage
    points, lowest=% or left out for the margin, or the initial rate where the margin is above it)."""
    loan = price - down
    results = []
    for name, rate, years, points_percent, fees, closing, credit, mi, *adjustable in offers:
        terms = adjustable[0] if adjustable else None
        rates = rate_path(rate, years, terms, "unchanged") if terms else [Fraction(rate)] * (12 * years)
        rows, levels = schedule(rates, loan)
        p = levels[0]
        insured = Fraction(loan) > Fraction(8, 10) * price
        premium = half_away(Fraction(loan) * Fraction(mi) / 1200) if insured else 0
        premiums, last = premiums_on(rows, loan, price, premium, years)
        points = half_away(Fraction(loan) * Fraction(points_percent) / 100)
        pfc = max(0, points + fees - credit)
        upfront = max(0, points + fees + closing - credit)
        flows = [row[0] + m for row, m in zip(rows, premiums)]
        paid, principal, curve = kept_on(rows, premiums, upfront, keep)
        interest = sum(row[1] for row in rows)
        results.append(dict(
            name=name, payment=p, premium=premium if last else 0, last=last,
            total=p + premiums[0] + half_away(Fraction(tax, 12)) + half_away(Fraction(insurance, 12)) + dues,
            cash=down + upfront, points=points, financed=loan - pfc,
            apr=apr_thousandths(flows, loan - pfc), tip=half_away(Fraction(interest * 100000, loan)),
            interest=interest, payments=len(rows), paid=paid, principal=principal, cost=paid - principal,
            balance=loan - principal, curve=curve,
            adjustable=adjustable_figures(rate, years, terms, loan, price, premium, upfront, keep) if terms else None))
    cheapest = min(r["cost"] for r in results)
    baseline = min(range(len(results)), key=lambda i: (results[i]["cash"], i))
    for i, r in enumerate(results):
        # One offer alone is compared with nothing.
        r["best"] = len(results) > 1 and r["cost"] == cheapest
        r["runs"], r["even"] = [], 0
        if i != baseline and len(results) > 1:
            base = results[baseline]["curve"]
            last = max(len(r["curve"]), len(base)) - 1
            at = lambda line, k: line[min(k, len(line) - 1)]
            below = [k for k in range(1, last + 1) if at(r["curve"], k) <= at(base, k)]
            for k in below:
                if r["runs"] and r["runs"][-1][1] == k - 1:
                    r["runs"][-1][1] = k
                else:
                    r["runs"].append([k, k])
            if r["runs"] and r["runs"][-1][1] == last:
                r["runs"][-1][1] = 0  # to the end
                r["even"] = r["runs"][-1][0]
    return results, baseline


CASES = {
    "NoFeesNoInsuranceShowsItsRate": dict(price=25000000, down=5000000, tax=360000, insurance=120000, offers=[
        ("Offer A", "6.5", 30, "0", 0, 0, 0, "0")]),
    "InterestFreeLoanWithFees": dict(price=3000000, down=600000, offers=[
        ("Offer A", "0", 5, "1", 50000, 20000, 0, "0")]),
    "InsuranceEndsByTheSeventyEightPercentRule": dict(price=30000000, down=1500000, tax=420000, insurance=150000,
                                                      dues=5000, offers=[
        ("Offer A", "6.75", 30, "0.5", 120000, 300000, 0, "0.55")]),
    "InsuranceEndsAtTheMiddleOfTheTerm": dict(price=20000000, down=100000, offers=[
        ("Offer A", "11.875", 30, "0", 0, 0, 0, "1.2")]),
    "LoanOfExactlyEightyPercentHasNoInsurance": dict(price=50000000, down=10000000, offers=[
        ("Offer A", "6.25", 30, "1", 0, 0, 0, "0.75")]),
    "CreditLargerThanPointsAndFees": dict(price=40000000, down=8000000, keep=7, offers=[
        ("No-cost", "7.125", 30, "0.5", 100000, 300000, 500000, "0"),
        ("Points", "6.375", 30, "2", 100000, 300000, 0, "0")]),
    "FifteenAgainstThirtyYears": dict(price=45000000, down=90000, tax=540000, insurance=180000, keep=10,
                                      first=(2027, 1, 31), offers=[
        ("Thirty", "6.625", 30, "0", 150000, 250000, 0, "0.46"),
        ("Fifteen", "5.875", 15, "0.25", 150000, 250000, 0, "0.46")]),
    "CostlierOfferThatNeverBreaksEven": dict(price=35000000, down=7000000, offers=[
        ("Cheap", "6.5", 30, "0", 80000, 200000, 0, "0"),
        ("Dear", "6.625", 30, "1", 120000, 200000, 0, "0"),
        ("Lower rate", "6.125", 30, "1.5", 120000, 200000, 0, "0")]),
    "TwoOffersTiedForBest": dict(price=30000000, down=6000000, keep=3, offers=[
        ("Bank", "6.5", 30, "1", 100000, 250000, 0, "0"),
        ("Credit union", "6.5", 30, "0", 340000, 250000, 0, "0"),
        ("Broker", "7.125", 30, "0", 0, 250000, 0, "0")]),
    "FourFiftyYearOffersAtTheLimits": dict(price=100000000000, down=1, tax=100000000000, insurance=1, dues=99,
                                           keep=50, first=(2199, 12, 31), offers=[
        ("A", "30", 50, "10", 100000000000, 100000000000, 100000000000, "5"),
        ("B", "0.0001", 50, "0.001", 1, 0, 0, "0.001"),
        ("C", "0", 50, "0", 0, 0, 0, "5"),
        ("D", "29.9999", 1, "9.999", 0, 1, 0, "4.999")]),
    "CreditAboveTheCostsUpFront": dict(price=30000000, down=6000000, keep=7, offers=[
        ("Credit Lender", "7", 30, "0", 100000, 300000, 800000, "0"),
        ("Plain Bank", "6.5", 30, "0", 100000, 300000, 0, "0")]),
    "CostLinesCrossBackWhenInsuranceEnds": dict(price=45000000, down=4500000, keep=15, offers=[
        ("MI Lender", "6.5", 30, "0", 0, 0, 0, "0.4"),
        ("Points Bank", "6.75", 30, "0.5", 0, 0, 0, "0")]),
    # Each amount financed puts the APR's root within 1e-10 thousandths of a half thousandth: 10.7495 just above,
    # 11.4395 just below. Fees alone or points less a credit make the same amount financed.
    "AprOnAHalfThousandthSettledExactly": dict(price=100000000000, down=100, keep=30, offers=[
        ("Rounds up", "6.5", 30, "0", 32286438769, 0, 0, "0"),
        ("Rounds down", "6.5", 30, "0", 35874791551, 0, 0, "0"),
        ("Points and credit", "6.5", 30, "10", 22287438779, 0, 1000000, "0")]),
}


ADJUSTABLE_CASES = {
    # A 5/1 rate: the first cap holds the first change below the indexed rate, the next reaches it; the worst case
    # climbs to the lifetime cap. A fixed offer beside it.
    "FirstCapHoldsTheFirstChange": dict(price=40000000, down=8000000, keep=7, offers=[
        ("Fixed Bank", "6.75", 30, "0", 100000, 300000, 0, "0"),
        ("ARM Bank", "6", 30, "0", 100000, 300000, 0, "0",
         dict(fixed=5, every=12, index="4.5", margin="2.75", caps=("1", "2", "5")))]),
    # A 7/6 rate: the later cap holds each step, half a point every 6 months, until the indexed rate.
    "LaterCapsStepTowardTheIndex": dict(price=50000000, down=10000000, keep=10, offers=[
        ("Fixed", "6.875", 30, "0.5", 120000, 250000, 0, "0"),
        ("Seven six", "5.5", 30, "0", 120000, 250000, 0, "0",
         dict(fixed=7, every=6, index="5", margin="3", caps=("1", "0.5", "5")))]),
    # The indexed rate lies above the initial rate plus the lifetime cap: the index unchanged reaches the cap too.
    "LifetimeCapHoldsTheIndexedRate": dict(price=30000000, down=6000000, offers=[
        ("Low start", "3", 30, "0", 0, 0, 0, "0",
         dict(fixed=5, every=12, index="6", margin="2.5", caps=("2", "2", "5")))]),
    # The indexed rate lies below the lowest rate given: the index unchanged and the best case stop at the lowest.
    "IndexedRateBelowTheLowestRate": dict(price=30000000, down=6000000, keep=10, offers=[
        ("Fixed", "6", 30, "0", 0, 200000, 0, "0"),
        ("Floor", "6.5", 30, "0", 0, 200000, 0, "0",
         dict(fixed=5, every=12, index="0.5", margin="2.25", caps=("2", "2", "5"), lowest="4"))]),
    # 3.82 + 2.36 = 6.18 goes down to 6.125, 3.85 + 2.35 = 6.2 up to 6.25, and 6.0625, on a sixteenth, up to 6.125.
    "IndexedRateToTheNearestEighth": dict(price=30000000, down=6000000, offers=[
        ("Down", "5.5", 30, "0", 0, 0, 0, "0",
         dict(fixed=3, every=12, index="3.82", margin="2.36", caps=("2", "2", "5"))),
        ("Up", "5.5", 30, "0", 0, 0, 0, "0",
         dict(fixed=3, every=12, index="3.85", margin="2.35", caps=("2", "2", "5"))),
        ("Sixteenth", "5.5", 30, "0", 0, 0, 0, "0",
         dict(fixed=3, every=12, index="3.8125", margin="2.25", caps=("2", "2", "5")))]),
    # Caps of 0, or an indexed rate equal to the initial rate: the figures are the fixed offer's. The baseline is a
    # fourth offer, so that the three have runs and a break-even against it.
    "RateThatNeverMovesIsAFixedRate": dict(price=35000000, down=3500000, keep=8, offers=[
        ("Fixed", "6.25", 30, "0.5", 90000, 250000, 0, "0.5"),
        ("Caps of zero", "6.25", 30, "0.5", 90000, 250000, 0, "0.5",
         dict(fixed=5, every=12, index="3", margin="2.75", caps=("0", "0", "0"))),
        ("Index at the rate", "6.25", 30, "0.5", 90000, 250000, 0, "0.5",
         dict(fixed=5, every=12, index="3.5", margin="2.75", caps=("2", "2", "5"))),
        ("No points", "6.875", 30, "0", 90000, 250000, 0, "0.5")]),
    # The first change raises the rate before the balance reaches 78 % of the price: the insurance lasts longer
    # than at the initial rate, and longer still in the worst case.
    "InsuranceEndsAfterAChange": dict(price=40000000, down=2000000, keep=15, offers=[
        ("Fixed", "6.5", 30, "0", 0, 0, 0, "0.6"),
        ("Five one", "5", 30, "0", 0, 0, 0, "0.6",
         dict(fixed=5, every=12, index="4.5", margin="2.75", caps=("2", "2", "6")))]),
    # Two years, fixed for one, then changes with payments 13 and 24, the last: the last payment's recast level is
    # no payment counted, though its rate is.
    "ChangeWithTheLastPayment": dict(price=20000000, down=4000000, keep=2, offers=[
        ("Short", "5", 2, "0", 0, 0, 0, "0",
         dict(fixed=1, every=11, index="4", margin="3", caps=("1", "1", "3"), lowest="3"))]),
    # Every month after the first year, at the largest amounts and rates: the index unchanged climbs to 40 %, the
    # worst case to 50 %, the best down to 0 %, where the payment is the balance over the months left, rounded up.
    "MonthlyChangesOverFiftyYears": dict(price=100000000000, down=1, tax=100000000000, insurance=1, dues=99, keep=50,
                                         first=(2199, 12, 31), offers=[
        ("Fixed", "29.9999", 50, "10", 10000000000, 0, 0, "5"),
        ("Monthly", "30", 50, "10", 10000000000, 0, 0, "5",
         dict(fixed=1, every=1, index="20", margin="20", caps=("2", "1", "20"), lowest="0"))]),
    # With the index at 0 and no margin the rate falls to 0 %, where the payment is the balance over the months left
    # rounded up.
    "RateFallsToZero": dict(price=10000000, down=2000000, keep=10, offers=[
        ("Zero", "1.5", 10, "0", 0, 0, 0, "0",
         dict(fixed=3, every=12, index="0", margin="0", caps=("1", "1", "2")))]),
    # A recast over the last payment, and one over the last two, each exactly on a half cent: rounded up.
    "LastLevelOnAHalfCent": dict(price=20009114, down=4000000, keep=2, offers=[
        ("Last payment", "5", 2, "0", 0, 0, 0, "0",
         dict(fixed=1, every=11, index="4", margin="3", caps=("1", "1", "3"), lowest="3"))]),
    "LastButOneLevelOnAHalfCent": dict(price=24823977, down=4000000, keep=2, offers=[
        ("Last but one", "4.25", 2, "0", 0, 0, 0, "0",
         dict(fixed=1, every=10, index="3", margin="2", caps=("1", "1", "2")))]),
}


def cents_list(values):
    return ", ".join(str(v) for v in values)


def ten_thousandths(percent):
    """A rate in percent (a string or a Fraction) in whole ten-thousandths of a percent."""
    units = Fraction(percent) * 10000
    assert units.denominator == 1
    return str(units.numerator)


def terms_text(rate, terms):
    """An adjustable rate's terms as the C++ AdjustableTerms, caps in thousandths of a percentage point."""
    if terms is None:
        return "{}"
    caps = ", ".join(f"{D(cap) * 1000:.0f}" for cap in terms["caps"])
    return (f'AdjustableTerms {{ {terms["fixed"]}, {terms["every"]}, {ten_thousandths(terms["index"])}, '
            f'{ten_thousandths(terms["margin"])}, {caps}, {ten_thousandths(lowest_rate(rate, terms))} }}')


def offer_figures_text(r):
    """An offer's figures as the C++ ExpectedOffer."""
    return (f'{{ {cents_list([r["payment"], r["premium"], r["last"], r["total"], r["points"], r["cash"]])}, '
            f'{r["financed"]}, {r["apr"]}, {r["tip"]}, {r["interest"]}, {r["payments"]}, '
            f'{cents_list([r["paid"], r["principal"], r["cost"], r["balance"]])}, {r["even"]}, '
            f'{"true" if r["best"] else "false"}, {{ {", ".join("{ %d, %d }" % tuple(run) for run in r["runs"])} }} }}')


def adjustable_text(a):
    """An adjustable rate's figures as the C++ ExpectedAdjustable, rates in ten-thousandths of a percent."""
    if a is None:
        return "{}"
    steps = ", ".join(f"{{ {k}, {ten_thousandths(rate)}, {level} }}" for k, rate, level in a["steps"])
    return (f'ExpectedAdjustable {{ {a["first"]}, {a["every"]}, {ten_thousandths(a["indexed"])}, {{ {steps} }}, '
            f'{ten_thousandths(a["highest_rate"])}, {a["highest_rate_payment"]}, {a["highest_payment"]}, '
            f'{a["highest_payment_from"]}, {a["lowest_payment"]}, {a["lowest_payment_from"]}, '
            f'{cents_list([a["paid"], a["cost"], a["balance"]])}, {a["payments"]}, {a["curve"][-1]} }}')


def print_case(case, arguments, row_of):
    results, baseline = compare(**arguments)
    a = dict(tax=0, insurance=0, dues=0, keep=5, first=(2027, 1, 1)) | arguments
    print(f'{{ "{case}", {{ {a["price"]}, {a["down"]}, {a["tax"]}, {a["insurance"]}, {a["dues"]}, {a["keep"]}, '
          f'{{ {a["first"][0]}, {a["first"][1]}, {a["first"][2]} }}, {{')
    for position, (name, rate, years, points, fees, closing, credit, mi, *terms) in enumerate(a["offers"]):
        print(f'    {{ "{name}", {D(rate) * 10000:.0f}, {years}, {D(points) * 1000:.0f}, {fees}, {closing}, {credit}, '
              f'{D(mi) * 1000:.0f}, {position}, {terms_text(rate, terms[0] if terms else None)} }},')
    print(f'  }} }}, {baseline}, {{')
    for r in results:
        print(f'    {row_of(r)},')
    print('  } },')


# No argument: the table of LoanOffersTest; "adjustable": the table of AdjustableOffersTest.
if sys.argv[1:] == ["adjustable"]:
    for case, arguments in ADJUSTABLE_CASES.items():
        print_case(case, arguments, lambda r: f'{{ {offer_figures_text(r)}, {adjustable_text(r["adjustable"])} }}')
else:
    for case, arguments in CASES.items():
        print_case(case, arguments, offer_figures_text)
