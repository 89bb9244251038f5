// The one CSV writer, which the grids' Save as CSV and the command line share: fields quoted for the separator in
// use, texts a spreadsheet would run kept as texts, figures kept as figures, and the inputs above a grid.
#include "calculators/CsvText.h"

#include "RegionalPresets.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A Swiss-style locale: apostrophe grouping, the symbol before the number with a blank, a minus before it.
regional::RegionalSettings swissSettings()
{
    regional::RegionalSettings settings;
    settings.currencySymbol = "CHF";
    settings.positiveCurrencyForm = 2;
    settings.negativeCurrencyForm = 9;
    settings.thousandsSeparator = "'";
    return settings;
}

// French grouping: a narrow no-break space between thousands, a comma before the decimals.
regional::RegionalSettings frenchSettings()
{
    regional::RegionalSettings settings = euroSettings();
    settings.thousandsSeparator = "\u202f";
    settings.negativeCurrencyForm = 8;
    return settings;
}

struct FieldCase
{
    const char* name;
    regional::RegionalSettings settings;
    const char* text;
    const char* field;
};

class CsvFieldTest : public ::testing::TestWithParam<FieldCase>
{ };

TEST_P(CsvFieldTest, WritesTheField)
{
    EXPECT_EQ(calculators::csvField(GetParam().text, GetParam().settings), GetParam().field);
}

std::string caseName(const ::testing::TestParamInfo<FieldCase>& info)
{
    return info.param.name;
}

// Quoting follows the separator in use: a comma splits a field only where it is the separator.
const FieldCase quotingCases[] = {
    { "PlainWord", unitedStatesSettings(), "Month", "Month" },
    { "Empty", unitedStatesSettings(), "", "" },
    { "LeadingBlankKept", unitedStatesSettings(), " $165000", " $165000" },
    { "CommaWhereItSeparates", unitedStatesSettings(), "$8,069.34", "\"$8,069.34\"" },
    { "CommaWhereSemicolonsSeparate", euroSettings(), "1.097,75 \u20ac", "1.097,75 \u20ac" },
    { "SemicolonWhereItSeparates", euroSettings(), "a;b", "\"a;b\"" },
    { "SemicolonWhereCommasSeparate", unitedStatesSettings(), "a;b", "a;b" },
    { "QuotesDoubled", unitedStatesSettings(), "say \"hi\"", "\"say \"\"hi\"\"\"" },
    { "LineBreak", euroSettings(), "two\nlines", "\"two\nlines\"" },
};
INSTANTIATE_TEST_SUITE_P(Quoting, CsvFieldTest, ::testing::ValuesIn(quotingCases), caseName);

// A text that starts like a formula shows as text; a figure the program wrote stays a figure.
const FieldCase formulaCases[] = {
    { "EqualsSign", unitedStatesSettings(), "=1+2", "\"'=1+2\"" },
    { "PlusSign", unitedStatesSettings(), "+1+2", "\"'+1+2\"" },
    { "MinusFormula", unitedStatesSettings(), "-2+3", "\"'-2+3\"" },
    { "AtSign", unitedStatesSettings(), "@SUM(A1)", "\"'@SUM(A1)\"" },
    { "Tab", unitedStatesSettings(), "\t=1", "\"'\t=1\"" },
    { "CarriageReturn", unitedStatesSettings(), "\r=1", "\"'\r=1\"" },
    { "CommandBehindAMinus", unitedStatesSettings(), "-cmd|' /C calc'!A0", "\"'-cmd|' /C calc'!A0\"" },
    { "QuotesInAFormulaDoubled", euroSettings(), "=\"a\";1", "\"'=\"\"a\"\";1\"" },
    { "MinusAlone", unitedStatesSettings(), "-", "\"'-\"" },
    { "MinusAndSymbolAlone", unitedStatesSettings(), "-$", "\"'-$\"" },
    { "FigureOfAnotherLocale", unitedStatesSettings(), "-1.234,56 \u20ac", "\"'-1.234,56 \u20ac\"" },
    { "EqualsInsideIsText", unitedStatesSettings(), "Offer =1", "Offer =1" },
    { "NegativeMoney", unitedStatesSettings(), "-$1,234.56", "\"-$1,234.56\"" },
    { "NegativeWholeNumber", unitedStatesSettings(), "-5", "-5" },
    { "NegativeGrouped", unitedStatesSettings(), "-1,234.56", "\"-1,234.56\"" },
    { "NegativeExponent", unitedStatesSettings(), "-1.5E-5", "-1.5E-5" },
    { "NegativePercent", unitedStatesSettings(), "-0.25%", "-0.25%" },
    { "SignedPlus", unitedStatesSettings(), "+7", "+7" },
    { "NegativeEuro", euroSettings(), "-1.234,56 \u20ac", "-1.234,56 \u20ac" },
    { "NegativeEuroDecimal", euroSettings(), "-0,5", "-0,5" },
    { "NegativeSwiss", swissSettings(), "-CHF 1'234.50", "-CHF 1'234.50" },
    { "LettersOfNoSymbol", swissSettings(), "-CHX 1", "\"'-CHX 1\"" },
    { "NegativeFrench", frenchSettings(), "-1\u202f234,56 \u20ac", "-1\u202f234,56 \u20ac" },
};
INSTANTIATE_TEST_SUITE_P(FormulaGuard, CsvFieldTest, ::testing::ValuesIn(formulaCases), caseName);

TEST(CsvText, SeparatesWithTheRegionalSeparatorAndPutsTheInputsFirst)
{
    const calculators::TextGrid grid = { { "No.", "Balance" }, { "1", "-1.234,56 \u20ac" } };
    EXPECT_EQ(calculators::csvText(grid, euroSettings(), { { "Loan amount", "200000" }, { "Name", "=A1" } }),
        "Loan amount;200000\r\nName;\"'=A1\"\r\n\r\nNo.;Balance\r\n1;-1.234,56 \u20ac\r\n");
    EXPECT_EQ(calculators::csvText({ { "a", "b,c" } }, unitedStatesSettings()), "a,\"b,c\"\r\n");
}

} // namespace
