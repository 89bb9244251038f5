// Errors that no reader refuses end the handler and reach the application error box.
#include "dialogs/GuardedHandler.h"

#include "RecordingDialogs.h"
#include "finance/FinanceErrors.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>

namespace {

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    const std::pair<const char*, const char*> cases[] = {
        { "Payment", "Payment." },
        { "Floating point division by zero", "Floating point division by zero." },
        { "'abc' is not a valid floating point value", "'abc' is not a valid floating point value." },
        { "Ends with a stop.", "Ends with a stop." },
        { "Ends in a bracket)", "Ends in a bracket)" },
        { "Ends in a quote'", "Ends in a quote'" },
        { "Ends in a digit 5", "Ends in a digit 5." },
        { "Ends in a slash/", "Ends in a slash/." },
        { "Ends in a hyphen-", "Ends in a hyphen-" },
        { "", "" },
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(app::errorBoxText(QString::fromLatin1(message)), QString::fromLatin1(shown)) << message;
}

TEST(GuardedHandler, StopsAtTheErrorAndShowsOneErrorBox)
{
    recordedDialogs().reset();
    int stepsDone = 0;
    const auto handler = app::guarded(nullptr, [&] {
        ++stepsDone;
        throw finance::EInvalidArgument("Payment");
    });
    handler();
    EXPECT_EQ(stepsDone, 1);
    expectOnlyBox(RecordingDialogs::Kind::Error, QStringLiteral("Payment."));
}

TEST(GuardedHandler, AHandlerThatSucceedsShowsNothing)
{
    recordedDialogs().reset();
    bool ran = false;
    app::runGuarded(nullptr, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

} // namespace
