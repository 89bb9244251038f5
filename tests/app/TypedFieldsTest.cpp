// Every field a window lets the user type into or choose is read by its calculator's field name and shown again as
// it was: what a scenario keeps of each window.
#include "fields/TypedFields.h"

#include "extrapayments/ExtraPaymentsWindow.h"
#include "loan/LoanPage.h"
#include "loan/PrepaymentWindow.h"
#include "loanoffers/LoanOffersWindow.h"
#include "pages/CollegePage.h"
#include "pages/RefinancePage.h"
#include "pages/RetirementPage.h"
#include "pages/SavingsPage.h"

#include <QDate>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using calculators::FieldTexts;

// The texts as one line each, "section.field=text" and "section.table[row].key=text", in name order.
std::vector<std::string> lines(const std::string& section, const FieldTexts& texts)
{
    std::vector<std::string> shown;
    for (const auto& [field, text] : texts.allTexts())
        shown.push_back(section + "." + field + "=" + text);
    for (const auto& [table, rows] : texts.allTables())
        for (std::size_t row = 0; row < rows.size(); ++row)
            for (const auto& [key, text] : rows[row])
                shown.push_back(section + "." + table + "[" + std::to_string(row) + "]." + key + "=" + text);
    return shown;
}

struct WindowCase
{
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    std::function<std::vector<app::TypedSection>(QWidget&)> sections;
    // Texts unlike the designed defaults in every field, by section.
    std::map<std::string, FieldTexts> typed;
};

void PrintTo(const WindowCase& c, std::ostream* out)
{
    *out << c.name;
}

template <typename Page>
WindowCase page(const char* name, std::map<std::string, FieldTexts> typed)
{
    return { name,
        [] {
            auto made = std::make_unique<Page>();
            made->ensureBuilt();
            return std::unique_ptr<QWidget>(std::move(made));
        },
        [](QWidget& shown) { return static_cast<Page&>(shown).typedSections(); }, std::move(typed) };
}

template <typename Window>
WindowCase window(const char* name, std::map<std::string, FieldTexts> typed)
{
    return { name, [] { return std::unique_ptr<QWidget>(std::make_unique<Window>()); },
        [](QWidget& shown) { return static_cast<Window&>(shown).typedSections(); }, std::move(typed) };
}

FieldTexts withRows(FieldTexts texts, std::string_view table, std::vector<FieldTexts::Row> rows)
{
    for (auto& row : rows)
        texts.addRow(table, std::move(row));
    return texts;
}

std::vector<FieldTexts::Row> fourOffers()
{
    std::vector<FieldTexts::Row> rows;
    for (const char* letter : { "A", "B", "C", "D" }) {
        FieldTexts::Row row;
        // A check box holds "yes" or "no".
        for (const std::string_view key : calculators::offerFields::offerKeys)
            row.emplace(key, key == "adjustable" ? std::string("yes") : std::string(1, key.front()) + letter);
        rows.push_back(std::move(row));
    }
    return rows;
}

const WindowCase windowCases[] = {
    page<app::LoanPage>("LoanPage",
        { { "loan",
            { { "solve-for", "amount" }, { "rate", "7,5" }, { "years", "1x" }, { "payment", "899" },
                { "amount", "" } } } }),
    page<app::RefinancePage>("RefinancePage",
        { { "refinance",
            { { "payment", "1200" }, { "principal", "150000" }, { "years", "30" }, { "rate", "6" },
                { "closing-costs", "2500" }, { "points", "1" } } } }),
    page<app::CollegePage>("CollegePage",
        { { "college",
            { { "age", "5" }, { "start-age", "18" }, { "cost", "20000" }, { "years", "4" }, { "increase", "5" },
                { "fund", "1000" }, { "growth", "7" } } } }),
    page<app::RetirementPage>("RetirementPage",
        { { "retirement",
            { { "age", "35" }, { "retire-at", "65" }, { "income", "3000" }, { "years", "25" }, { "growth", "8" },
                { "inflation", "3" }, { "assets", "50000" } } } }),
    page<app::SavingsPage>("SavingsPage",
        { { "savings",
              { { "rate", "7" }, { "years", "10" }, { "current", "5000" }, { "contribution", "100" },
                  { "every", "week" } } },
            { "required-return", { { "current", "5000" }, { "desired", "10000" }, { "years", "12" } } } }),
    window<app::PrepaymentWindow>("PrepaymentWindow", { { "prepay", { { "extra", "100" }, { "from", "13" } } } }),
    window<app::ExtraPaymentsWindow>("ExtraPaymentsWindow",
        { { "plan",
            withRows({ { "rate", "6.5" }, { "years", "15" }, { "amount", "250000" }, { "first-payment", "2030-02-28" },
                         { "extra", "100" }, { "from", "13" }, { "through", "120" }, { "yearly", "2000" },
                         { "yearly-month", "4" }, { "yearly-from", "2031" }, { "every-two-weeks", "yes" } },
                "once",
                { { { "payment", "60" }, { "amount", "10000" } }, { { "payment", "7" }, { "amount", "" } } }) } }),
    window<app::LoanOffersWindow>("LoanOffersWindow",
        { { "compare",
            withRows({ { "price", "450000" }, { "down", "10 %" }, { "tax", "4800" }, { "insurance", "1500" },
                         { "dues", "50" }, { "keep", "15" }, { "first-payment", "2028-03-01" } },
                "offer", fourOffers()) } }),
};

class TypedFields : public testing::TestWithParam<WindowCase>
{ };

// Shown in one window and read back, then shown in a new window and read back: the same texts each time.
TEST_P(TypedFields, ReadBackAsShownInANewWindow)
{
    const WindowCase& c = GetParam();
    std::vector<std::string> expected;
    for (const auto& [section, texts] : c.typed)
        for (const std::string& line : lines(section, texts))
            expected.push_back(line);
    std::sort(expected.begin(), expected.end());

    const auto readBack = [&c](QWidget& shown) {
        std::vector<std::string> read;
        for (const app::TypedSection& section : c.sections(shown))
            for (const std::string& line : lines(std::string(section.name), app::typedTexts(section.fields)))
                read.push_back(line);
        std::sort(read.begin(), read.end());
        return read;
    };
    const auto first = c.make();
    for (const app::TypedSection& section : c.sections(*first))
        app::showTypedTexts(section.fields, c.typed.at(std::string(section.name)));
    const std::vector<std::string> typed = readBack(*first);
    EXPECT_EQ(typed, expected);

    const auto second = c.make();
    const auto designed = readBack(*second);
    EXPECT_NE(designed, expected) << "every field is typed over";
    std::map<std::string_view, FieldTexts> read;
    for (const app::TypedSection& section : c.sections(*first))
        read[section.name] = app::typedTexts(section.fields);
    for (const app::TypedSection& section : c.sections(*second))
        app::showTypedTexts(section.fields, read.at(section.name));
    EXPECT_EQ(readBack(*second), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, TypedFields, testing::ValuesIn(windowCases),
    [](const testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

// A change in any control is told; shown texts are changes too.
TEST(TypedFieldsWatch, EveryKindOfControlTellsItsChange)
{
    app::ExtraPaymentsWindow planner;
    const auto sections = planner.typedSections();
    int changes = 0;
    app::watchTypedFields(sections.front().fields, &planner, [&changes] { ++changes; });
    app::showTypedTexts(sections.front().fields,
        withRows({ { "rate", "9" }, { "first-payment", "2030-02-28" }, { "yearly-month", "7" },
                     { "every-two-weeks", "yes" } },
            "once", { { { "payment", "1" }, { "amount", "2" } } }));
    EXPECT_GE(changes, 5);
}

} // namespace
