// Scenario files read: what is accepted and the texts it gives, what is refused and the one sentence that says why,
// and the file a scenario is written as.
#include "RegionalPresets.h"
#include "scenario/Scenario.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <variant>

namespace {

// The head of a file of the given version, then the members after it.
std::string file(const std::string& members, const std::string& version = "1.0")
{
    return R"({"format": "corvanta-scenario", "formatVersion": ")" + version + "\"" + (members.empty() ? "" : ", ")
        + members + "}";
}

std::string sections(const std::string& inside)
{
    return file(R"("sections": {)" + inside + "}");
}

// A scenario in one line: "loan.rate=7.5 compare.offer[1].rate=6.125 window.page=loan", then each notice.
std::string describe(const scenario::ReadScenario& read)
{
    std::string text;
    const auto add = [&text](const std::string& item) { text += (text.empty() ? "" : " ") + item; };
    for (const auto& [name, section] : read.scenario.sections) {
        if (section.allTexts().empty() && section.allTables().empty())
            add(name + "={}");
        for (const auto& [field, typed] : section.allTexts())
            add(name + "." + field + "=" + typed);
        for (const auto& [table, rows] : section.allTables()) {
            if (rows.empty())
                add(name + "." + table + "=[]");
            for (std::size_t row = 0; row < rows.size(); ++row) {
                for (const auto& [key, typed] : rows[row])
                    add(name + "." + table + "[" + std::to_string(row + 1) + "]." + key + "=" + typed);
            }
        }
    }
    for (const auto& [name, typed] : read.scenario.window)
        add("window." + name + "=" + typed);
    for (const std::string& notice : read.notices)
        add("notice: " + notice);
    return text;
}

std::string outcome(const std::string& bytes)
{
    const auto read = scenario::readScenario(bytes, unitedStatesSettings());
    if (const auto* error = std::get_if<scenario::ScenarioError>(&read))
        return "refused: " + error->message;
    return describe(std::get<scenario::ReadScenario>(read));
}

struct FormatCase
{
    const char* name;
    std::string bytes;
    std::string expected; // the scenario described, or "refused: " and the message
};

void PrintTo(const FormatCase& c, std::ostream* out)
{
    *out << c.name;
}

class ScenarioFormat : public testing::TestWithParam<FormatCase>
{ };

TEST_P(ScenarioFormat, ReadsOrRefuses)
{
    EXPECT_EQ(outcome(GetParam().bytes), GetParam().expected);
}

std::string nested(int depth)
{
    return std::string(static_cast<std::size_t>(depth), '[') + std::string(static_cast<std::size_t>(depth), ']');
}

INSTANTIATE_TEST_SUITE_P(Accepted, ScenarioFormat,
    testing::Values(FormatCase { "NumbersAndTextsAsTyped",
                        sections(R"("loan": {"rate": 7.5, "years": 15, "amount": "12,5x", "payment": ""})"),
                        "loan.amount=12,5x loan.payment= loan.rate=7.5 loan.years=15" },
        FormatCase { "NumberTokensKeepTheirDigits",
            sections(R"("matrix": {"amount": 100000.50, "rate": -0, "increment": 1.5E+3, "rates": 0.000})"),
            "matrix.amount=100000.50 matrix.increment=1.5E+3 matrix.rate=-0 matrix.rates=0.000" },
        FormatCase { "TablesOfRows",
            sections(R"("compare": {"price": 450000, "offer": [{"name": "Bank", "rate": 6.125}, {}]},)"
                     R"( "plan": {"once": [{"payment": 60, "amount": 10000}]}, "savings": {})"),
            "compare.price=450000 compare.offer[1].name=Bank compare.offer[1].rate=6.125 plan.once[1].amount=10000 "
            "plan.once[1].payment=60 savings={}" },
        FormatCase { "ATableOfNoRowsStaysATable", sections(R"("compare": {"offer": []})"), "compare.offer=[]" },
        FormatCase {
            "WindowTexts", file(R"("window": {"page": "loan"}, "writtenBy": "Corvanta 2.0")"), "window.page=loan" },
        FormatCase { "EscapesAndSurrogatePairs",
            sections(R"("college": {"cost": "\u00e9\ud83d\ude00\n\t\"\\\/\u0041"})"),
            "college.cost=\u00e9\U0001F600\n\t\"\\/A" },
        FormatCase { "UnicodeAsTyped",
            sections("\"compare\": {\"offer\": [{\"name\": \"Caisse d\u2019\u00e9pargne\"}]}"),
            "compare.offer[1].name=Caisse d\u2019\u00e9pargne" },
        FormatCase { "AnAdjustableOfferSinceOnePointOne",
            file(R"("sections": {"compare": {"offer": [{"adjustable": "yes", "fixed-years": 5}]}})", "1.1"),
            "compare.offer[1].adjustable=yes compare.offer[1].fixed-years=5" },
        FormatCase { "AByteOrderMarkFirst", "\xEF\xBB\xBF" + sections(R"("loan": {"rate": 7})"), "loan.rate=7" },
        // What a newer minor version added is left out and told once, in the order of the file.
        FormatCase { "NewerMinorVersionLeavesOutWhatItAdded",
            file(R"("writtenBy": "Corvanta 2.4", "theme": "dark", "sections": {"budget": {}, "compare": {"foo": 1,)"
                 R"( "offer": [{"rate": 6, "bar": 1}, {"bar": 2}]}})",
                "1.3"),
            "compare.offer[1].rate=6 notice: Fields of a newer version (format 1.3, Corvanta 2.4) "
            "were left out: theme, budget, compare.foo, compare.offer.bar." }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Refused, ScenarioFormat,
    testing::Values(FormatCase { "LargerThanOneMebibyte", sections("") + std::string(scenario::maxScenarioBytes, ' '),
                        "refused: The file is larger than 1 MiB, more than a scenario holds." },
        FormatCase { "NotJson", R"({"format": "corvanta-scenario",})",
            "refused: The file is not JSON: line 1, column 32: a key in double quotes is expected." },
        FormatCase { "NotJsonOnALaterLine", "{\n  \"format\": \"corvanta-\u00e9\" \"x\"}",
            "refused: The file is not JSON: line 2, column 26: a comma or } is expected." },
        FormatCase { "TextAfterTheJson", sections("") + " x",
            "refused: The file is not JSON: line 1, column 73: the text goes on after the end of the JSON value." },
        FormatCase { "Empty", "", "refused: The file is not JSON: line 1, column 1: a value is expected." },
        FormatCase { "NotAScenario", R"({"format": "spreadsheet", "formatVersion": "1.0"})",
            R"(refused: The file is not a Corvanta scenario: it holds no "format": "corvanta-scenario".)" },
        FormatCase { "AListIsNoScenario", R"(["corvanta-scenario"])",
            R"(refused: The file is not a Corvanta scenario: it holds no "format": "corvanta-scenario".)" },
        FormatCase { "NoVersion", R"({"format": "corvanta-scenario", "formatVersion": 1.0})",
            R"(refused: The scenario has no format version such as "formatVersion": "1.1".)" },
        FormatCase { "NewerMajorVersion", file("", "2.0"),
            "refused: The scenario is in format version 2.0, and this version of Corvanta reads format version 1.1; "
            "a newer Corvanta opens it." },
        FormatCase { "NewerMajorVersionOfManyDigits", file("", "18446744073709551617.0"),
            "refused: The scenario is in format version 18446744073709551617.0, and this version of Corvanta reads "
            "format version 1.1; a newer Corvanta opens it." },
        FormatCase { "NoVersionNumber", file("", "1"),
            R"(refused: The scenario has no format version such as "formatVersion": "1.1".)" },
        // A name the file's own version does not have is a mistake, never a field to drop quietly.
        FormatCase { "AFieldItsVersionDoesNotHave", sections(R"("loan": {"rtae": 7})"),
            "refused: The scenario holds loan.rtae, which its format version 1.0 does not have." },
        FormatCase { "ASectionItsVersionDoesNotHave", sections(R"("schedule": {})"),
            "refused: The scenario holds schedule, which its format version 1.0 does not have." },
        FormatCase { "AFieldOfAnotherKind", sections(R"("loan": {"rate": true})"),
            "refused: loan.rate holds true; a field holds a text or a number." },
        FormatCase { "ATableFieldAsAText", sections(R"("compare": {"offer": "rate=6.5"})"),
            "refused: compare.offer holds a text; it is a list of rows, each an object of texts and numbers." },
        FormatCase { "AnAdjustableOfferInOnePointZero",
            sections(R"("compare": {"offer": [{"rate": 6, "fixed-years": 5}]})"),
            "refused: The scenario holds compare.offer.fixed-years, which its format version 1.0 does not have." },
        FormatCase { "ARowOfAnotherKind", sections(R"("plan": {"once": [{"payment": 1}, [60, 100]]})"),
            "refused: plan.once row 2 holds a list; a row is an object of texts and numbers." },
        FormatCase { "ACellOfAnotherKind", sections(R"("compare": {"offer": [{"rate": {"value": 6}}]})"),
            "refused: compare.offer row 1: rate holds an object; a cell holds a text or a number." },
        FormatCase { "ATextFieldAsATable", sections(R"("loan": {"rate": [7]})"),
            "refused: loan.rate holds a list; a field holds a text or a number." },
        FormatCase { "AWindowNumber", file(R"("window": {"page": 2})"),
            "refused: window.page holds a number; the window's entries are texts." },
        FormatCase { "BytesThatAreNoUtf8", sections("\"loan\": {\"rate\": \"7\xC3\x28\"}"),
            "refused: The file is not JSON: line 1, column 89: bytes that are not UTF-8 stand in a string." },
        FormatCase { "AnOverlongForm", sections("\"loan\": {\"rate\": \"\xC0\xAF\"}"),
            "refused: The file is not JSON: line 1, column 88: bytes that are not UTF-8 stand in a string." },
        FormatCase { "AnEncodedSurrogate", sections("\"loan\": {\"rate\": \"\xED\xA0\x80\"}"),
            "refused: The file is not JSON: line 1, column 88: bytes that are not UTF-8 stand in a string." },
        FormatCase { "ALoneHighSurrogate", sections(R"("loan": {"rate": "\ud800x"})"),
            "refused: The file is not JSON: line 1, column 88: a high surrogate stands without a low one after it." },
        FormatCase { "ALoneLowSurrogate", sections(R"("loan": {"rate": "\udc00"})"),
            "refused: The file is not JSON: line 1, column 88: a low surrogate stands without a high one before it." },
        FormatCase { "AControlCharacter", sections("\"loan\": {\"rate\": \"7\t\"}"),
            "refused: The file is not JSON: line 1, column 89: a control character stands in a string unescaped." },
        FormatCase { "ADuplicateKey", sections(R"("loan": {"rate": 7, "rate": 8})"),
            "refused: The file is not JSON: line 1, column 90: the key \"rate\" is given twice in one object." },
        FormatCase { "ANumberWithALeadingZero", sections(R"("loan": {"years": 015})"),
            "refused: The file is not JSON: line 1, column 89: a number does not begin with 0 followed by "
            "digits." },
        FormatCase { "TooDeep", file(R"("theme": )" + nested(64)),
            "refused: The file is not JSON: line 1, column 129: objects and arrays are nested deeper than 64 "
            "levels." }),
    [](const auto& info) { return std::string(info.param.name); });

// Sections and fields in the windows' order whatever order they were set in, numbers neutral, texts escaped.
TEST(ScenarioFile, IsWrittenForPeopleToReadAndReadsBackTheSame)
{
    scenario::Scenario typed;
    typed.window["page"] = "compare";
    auto& compare = typed.sections["compare"];
    compare.addRow("offer", { { "rate", "6,125" }, { "name", "Bank \"A\"" } });
    compare.set("first-payment", "2027-01-01");
    compare.set("price", "450000");
    typed.sections["plan"].setRows("once", {});
    auto& loan = typed.sections["loan"];
    loan.set("amount", "12,5x");
    loan.set("years", "15");
    loan.set("rate", "7,5");
    typed.sections["savings"];

    const std::string written = scenario::writeScenario(typed, euroSettings(), "2.0");
    EXPECT_EQ(written, R"({
  "format": "corvanta-scenario",
  "formatVersion": "1.1",
  "writtenBy": "Corvanta 2.0",
  "window": {
    "page": "compare"
  },
  "sections": {
    "loan": {
      "rate": 7.5,
      "years": 15,
      "amount": "12,5x"
    },
    "savings": {},
    "plan": {
      "once": []
    },
    "compare": {
      "price": 450000,
      "first-payment": "2027-01-01",
      "offer": [
        {
          "name": "Bank \"A\"",
          "rate": 6.125
        }
      ]
    }
  }
}
)");
    const auto read = scenario::readScenario(written, euroSettings());
    ASSERT_TRUE(std::holds_alternative<scenario::ReadScenario>(read));
    EXPECT_EQ(std::get<scenario::ReadScenario>(read).scenario, typed);
    EXPECT_TRUE(std::get<scenario::ReadScenario>(read).notices.empty());
}

} // namespace
