// A date typed over the planner's first payment, digit by digit, in each region's order of day, month and year.
#include "Controls.h"
#include "RegionalPresets.h"
#include "ScopedRegionalSettings.h"
#include "extrapayments/ExtraPaymentsWindow.h"

#include <QDateEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace {

struct TypedDate
{
    const char* name;
    const char* shortDateFormat; // the regional short date
    const char* typed;
    QDate date;
};

void PrintTo(const TypedDate& shown, std::ostream* out)
{
    *out << shown.name;
}

class DateTyping : public ::testing::TestWithParam<TypedDate>
{ };

TEST_P(DateTyping, DigitsGoWhereTheyAreTyped)
{
    regional::RegionalSettings settings = unitedStatesSettings();
    settings.shortDateFormat = GetParam().shortDateFormat;
    const ScopedRegionalSettings regional(settings);
    app::ExtraPaymentsWindow planner;
    planner.startWith(std::nullopt, QDate(2026, 12, 9));
    planner.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&planner));
    auto* edit = find<QDateEdit>(planner, "FirstPaymentEdit");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(GetParam().typed));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(edit->date(), GetParam().date) << edit->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryOrder, DateTyping,
    ::testing::Values(TypedDate { "UnitedStates", "m/d/yy", "3/15/2030", QDate(2030, 3, 15) },
        TypedDate { "UnitedStatesPadded", "m/d/yy", "03/05/2030", QDate(2030, 3, 5) },
        TypedDate { "UnitedStatesTwoDigitMonth", "m/d/yy", "10/1/2030", QDate(2030, 10, 1) },
        TypedDate { "UnitedStatesOneDigitMonthFirst", "m/d/yy", "1/10/2030", QDate(2030, 1, 10) },
        TypedDate { "German", "dd.mm.yyyy", "15.03.2030", QDate(2030, 3, 15) },
        TypedDate { "GermanUnpadded", "dd.mm.yyyy", "5.1.2030", QDate(2030, 1, 5) },
        TypedDate { "SingleDigitDayAndMonth", "d.m.yyyy", "15.03.2030", QDate(2030, 3, 15) },
        TypedDate { "SingleDigitDayAndMonthUnpadded", "d.m.yyyy", "31.12.2030", QDate(2030, 12, 31) },
        TypedDate { "French", "dd/mm/yyyy", "01/05/2030", QDate(2030, 5, 1) },
        TypedDate { "YearFirst", "yyyy-mm-dd", "2030-03-15", QDate(2030, 3, 15) }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
