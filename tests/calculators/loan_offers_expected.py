#!/usr/bin/env python3
"""Independent figures for LoanOffersTest: the comparison's rules in exact rational arithmetic.

The schedule, the premiums and every sum are exact fractions rounded half away from zero to the cent; the APR's
root is found by bisection in 60-digit decimals and rounded half away from zero at the third decimal. Prints the
C++ table of LoanOffersTest (one case a block, the input and then one row of figures per offer); the test holds
this output. Run it again after changing a case:  python3 tests/calculators/loan_offers_expected.py
It is not run by the build.
"""
import calendar
import decimal
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


def schedule(rate, years, loan):
    """rate in percent (a string), loan in cents: the level payment and rows of (payment, interest, principal, balance)."""
    n = 12 * years
    i = Fraction(rate) / 1200
    p = -(-loan // n) if i == 0 else half_away(Fraction(loan) * i / (1 - (1 + i) ** -n))
    rows, b = [], loan
    for k in range(1, n + 1):
        if b == 0:
            break
        interest = half_away(b * i)
        principal = b if (b + interest <= p or k == n) else p - interest
        b -= principal
        rows.append((interest + principal, interest, principal, b))
    return p, rows


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


def compare(price, down, tax=0, insurance=0, dues=0, keep=5, first=(2027, 1, 1), offers=()):
    """Money in cents; each offer (name, rate %, years, points %, fees, closing, credit, mi %)."""
    loan = price - down
    results = []
    for name, rate, years, points_percent, fees, closing, credit, mi in offers:
        p, rows = schedule(rate, years, loan)
        insured = Fraction(loan) > Fraction(8, 10) * price
        premium = half_away(Fraction(loan) * Fraction(mi) / 1200) if insured else 0
        premiums, before, last = [], loan, 0
        for k, row in enumerate(rows, start=1):
            due = premium if (premium > 0 and before > Fraction(78, 100) * price and k <= 12 * years // 2) else 0
            if due:
                last = k
            premiums.append(due)
            before = row[3]
        points = half_away(Fraction(loan) * Fraction(points_percent) / 100)
        pfc = max(0, points + fees - credit)
        upfront = max(0, points + fees + closing - credit)
        flows = [row[0] + m for row, m in zip(rows, premiums)]
        kept = min(12 * keep, len(rows))
        paid = upfront + sum(flows[:kept])
        principal = sum(row[2] for row in rows[:kept])
        interest = sum(row[1] for row in rows)
        curve = [upfront]
        for row, m in zip(rows, premiums):
            curve.append(curve[-1] + row[1] + m)
        results.append(dict(
            name=name, payment=p, premium=premium if last else 0, last=last,
            total=p + premiums[0] + half_away(Fraction(tax, 12)) + half_away(Fraction(insurance, 12)) + dues,
            cash=down + upfront, points=points, financed=loan - pfc,
            apr=apr_thousandths(flows, loan - pfc), tip=half_away(Fraction(interest * 100000, loan)),
            interest=interest, payments=len(rows), paid=paid, principal=principal, cost=paid - principal,
            balance=loan - principal, curve=curve))
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


def cents_list(values):
    return ", ".join(str(v) for v in values)


for case, arguments in CASES.items():
    results, baseline = compare(**arguments)
    a = dict(tax=0, insurance=0, dues=0, keep=5, first=(2027, 1, 1)) | arguments
    print(f'{{ "{case}", {{ {a["price"]}, {a["down"]}, {a["tax"]}, {a["insurance"]}, {a["dues"]}, {a["keep"]}, '
          f'{{ {a["first"][0]}, {a["first"][1]}, {a["first"][2]} }}, {{')
    for position, (name, rate, years, points, fees, closing, credit, mi) in enumerate(a["offers"]):
        print(f'    {{ "{name}", {D(rate) * 10000:.0f}, {years}, {D(points) * 1000:.0f}, {fees}, {closing}, {credit}, '
              f'{D(mi) * 1000:.0f}, {position} }},')
    print(f'  }} }}, {baseline}, {{')
    for r in results:
        print(f'    {{ {cents_list([r["payment"], r["premium"], r["last"], r["total"], r["points"], r["cash"]])}, '
              f'{r["financed"]}, {r["apr"]}, {r["tip"]}, {r["interest"]}, {r["payments"]}, '
              f'{cents_list([r["paid"], r["principal"], r["cost"], r["balance"]])}, {r["even"]}, '
              f'{"true" if r["best"] else "false"}, {{ {", ".join("{ %d, %d }" % tuple(run) for run in r["runs"])} }} }},')
    print('  } },')
