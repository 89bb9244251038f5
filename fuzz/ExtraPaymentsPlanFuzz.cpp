// The extra payments planner on arbitrary field texts, read by its own checks; a plan that passes them must be
// a statement that adds up to the cent, with texts for every row.
#include "CalculatorFuzz.h"
#include "calculators/extrapayments/ExtraPaymentsReader.h"
#include "regional/ShortDate.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        namespace field = calculators::plannerFields;
        calculators::FieldTexts texts;
        texts.set(field::rate, fields.text());
        texts.set(field::years, fields.text());
        texts.set(field::amount, fields.text());
        texts.set(field::firstPayment,
            regional::isoDateText(
                { 1890 + fields.choice() + fields.choice() / 2, fields.choice() % 13, fields.choice() % 33 }));
        texts.set(field::monthlyExtra, fields.text());
        texts.set(field::monthlyFrom, fields.text());
        texts.set(field::monthlyThrough, fields.text());
        texts.set(field::yearlyExtra, fields.text());
        texts.set(field::yearlyMonth, std::to_string(fields.choice() % 14));
        texts.set(field::yearlyFrom, fields.text());
        for (int rows = fields.choice() % 8; rows > 0; --rows)
            texts.addRow(field::oneTime, { { "payment", fields.text() }, { "amount", fields.text() } });
        texts.set(field::everyTwoWeeks, (fields.choice() & 1) != 0 ? "yes" : "no");

        const auto read = calculators::readExtraPayments(texts, fields.settings());
        if (const auto* failure = std::get_if<calculators::FieldFailure>(&read)) {
            fuzz::requireText(failure->message, "warning");
            return;
        }
        const auto& input = std::get<calculators::ExtraPaymentsInput>(read);
        const calculators::ExtraPaymentsPlan plan = calculators::planExtraPayments(input);
        calculators::Cents balance = input.amount;
        calculators::Cents paid = 0;
        for (const calculators::PlanRow& row : plan.rows) {
            fuzz::require(row.extra >= 0 && row.principal >= 0 && row.interest >= 0, "no negative figure");
            balance -= row.principal + row.extra;
            fuzz::require(balance == row.balance && balance >= 0, "balance carried to the cent");
            paid += row.payment + row.extra;
            for (const std::string& text : calculators::planRowTexts(row, fields.settings()))
                fuzz::requireText(text, "row text");
        }
        fuzz::require(!plan.rows.empty() && balance == 0, "paid off to 0.00");
        fuzz::require(paid == input.amount + plan.totals.interest, "payments and extras add up");
        fuzz::require(plan.totals.payments <= plan.comparison.payments, "extras never lengthen the loan");
        for (const std::string& line : calculators::planSummaryLines(plan, fields.settings()))
            fuzz::requireText(line, "summary line");
    });
}
