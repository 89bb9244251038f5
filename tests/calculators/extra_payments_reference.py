#!/usr/bin/env python3
"""Independent figures for ExtraPaymentsPlanTest: the plan's rules in exact rational arithmetic.

Prints one table row per case; the test's table holds this output. Run it again after changing a case.
"""
import calendar
import datetime
from fractions import Fraction


def half_away(x):
    """x rounded to a whole number, a half away from zero."""
    n = abs(x)
    whole = n.numerator // n.denominator
    if n - whole >= Fraction(1, 2):
        whole += 1
    return whole if x >= 0 else -whole


def payment_date(first, k):
    index = first.year * 12 + first.month - 1 + k - 1
    year, month = divmod(index, 12)
    day = min(first.day, calendar.monthrange(year, month + 1)[1])
    return datetime.date(year, month + 1, day)


def plan(rate, years, amount, first, monthly=(0, 1, 0), yearly=(0, 1, 0), once=(), biweekly=False):
    """rate in percent (a string), amount and extras in cents; returns rows of (payment, extra, interest, balance)."""
    n = 12 * years
    i = Fraction(rate) / 1200
    if i == 0:
        p = -(-amount // n)
    else:
        p = half_away(Fraction(amount) * i / (1 - (1 + i) ** -n))
    h = -(-p // 2)
    x, s, e = monthly
    e = e or n
    y, m, z = yearly
    rows, b = [], amount
    for k in range(1, n + 1):
        if b == 0:
            break
        d = payment_date(first, k)
        interest = half_away(b * i)
        if b + interest <= p or k == n:
            rows.append((b + interest, 0, interest, 0))
            b = 0
            continue
        due = (x if s <= k <= e else 0) + (y if d.month == m and d.year >= z else 0)
        due += sum(a for (num, a) in once if num == k)
        if biweekly:
            nxt = payment_date(first, k + 1)
            c = sum(1 for j in range(0, 60 * n) if d <= first + datetime.timedelta(days=14 * j) < nxt)
            due += c * h - p
        q = p - interest
        paid = min(due, b - q)
        b -= q + paid
        rows.append((p, paid, interest, b))
    return p, rows


CASES = {
    "InterestFree": dict(rate="0", years=5, amount=1000000, first=datetime.date(2027, 1, 1)),
    "InterestFreeWithMonthlyExtra": dict(rate="0", years=3, amount=1000001, first=datetime.date(2027, 1, 1),
                                         monthly=(5000, 2, 10)),
    "LumpSumLargerThanBalance": dict(rate="6.5", years=30, amount=20000000, first=datetime.date(2027, 1, 1),
                                     once=((12, 30000000),)),
    "YearlyExtraInFirstPaymentsMonth": dict(rate="7", years=30, amount=20000000, first=datetime.date(2027, 4, 15),
                                            yearly=(500000, 4, 2027)),
    "TwoOneTimeRowsOnOnePayment": dict(rate="5.25", years=15, amount=15000000, first=datetime.date(2027, 3, 1),
                                       once=((24, 100000), (24, 250050), (60, 1))),
    "EveryTwoWeeksFromThe31st": dict(rate="6.875", years=30, amount=32000000, first=datetime.date(2027, 1, 31),
                                     biweekly=True),
    "EveryTwoWeeksFromFebruary29": dict(rate="4.1234", years=20, amount=12345678, first=datetime.date(2028, 2, 29),
                                        biweekly=True),
    "PaidOffInTheFirstMonth": dict(rate="7", years=30, amount=100000, first=datetime.date(2027, 1, 1),
                                   once=((1, 200000),)),
    "EveryOptionFiftyYears": dict(rate="29.9999", years=50, amount=100000000000, first=datetime.date(2027, 12, 31),
                                  monthly=(1000000, 13, 0), yearly=(200000000, 12, 2030),
                                  once=((100, 5000000000), (100, 1)), biweekly=True),
    "TinyLoanAtTheHighestRate": dict(rate="30", years=50, amount=1, first=datetime.date(2027, 1, 1)),
}

for name, case in CASES.items():
    p, rows = plan(**case)
    total_interest = sum(r[2] for r in rows)
    total_extra = sum(r[1] for r in rows)
    last = rows[-1]
    print(f'{{ "{name}", {p}, {len(rows)}, {total_interest}, {total_extra}, {last[0]} }},')
