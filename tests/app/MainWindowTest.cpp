// The main window's frame: pages, menu, About box, Instructions, the first-run welcome and the exits.
#include "program/MainWindow.h"

#include "Controls.h"
#include "ModalHelper.h"
#include "RecordingDialogs.h"
#include "loan/PrepaymentWindow.h"
#include "loan/ScheduleWindow.h"
#include "program/FirstRunStore.h"
#include "widgets/BuiltOnFirstShow.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

using app::MainWindow;
using app::PrepaymentWindow;
using app::ScheduleWindow;

namespace {

const QString welcomeText = QStringLiteral(
    "Welcome to Corvanta. It is designed to be very easy to use. Just click the tab you want and enter the "
    "required data and hit calculate. When in doubt, try double-clicking any field for more assistance. We hope you "
    "find this program to be a useful addition to your software library. Let's get started!");

// A computer the program has never started on, which remembers the first start.
class RememberingStore final : public app::FirstRunStore
{
public:
    bool hasRunBefore() const override { return startedBefore; }
    void rememberRun() override { startedBefore = true; }

    bool startedBefore = false;
};

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { recordedDialogs().reset(); }
    void TearDown() override { EXPECT_EQ(liveTopLevelCount("app::AboutBox"), 0); }

    app::ReturningUserStore returning;
};

TEST_F(MainWindowTest, OpensOnTheLoanPageWithFivePagesInOrder)
{
    MainWindow window(returning);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("BRELLIN Corvanta :  www.brellin.com"));
    auto* pages = find<QTabWidget>(window, "CalculatorTabs");
    const std::pair<const char*, const char*> expected[] = {
        { "LoanTab", "Loans and Mortgages" },
        { "RefinanceTab", "Refinancing a Home" },
        { "CollegeTab", "Saving for College" },
        { "RetirementTab", "Retirement Planning" },
        { "SavingsTab", "Savings and Interest Rates" },
    };
    ASSERT_EQ(pages->count(), 5);
    for (int index = 0; index < 5; ++index) {
        EXPECT_EQ(pages->widget(index)->objectName(), QString::fromLatin1(expected[index].first));
        EXPECT_EQ(pages->tabText(index), QString::fromLatin1(expected[index].second));
    }
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("LoanTab"));
    EXPECT_EQ(find<QPushButton>(window, "ExitButton")->text(), QStringLiteral("E&xit Program"));
}

TEST_F(MainWindowTest, HasAFixedClientAreaAndNoMaximiseButton)
{
    MainWindow window(returning);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.centralWidget()->size(), QSize(627, 429));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(find<QWidget>(window, "BackgroundPanel")->geometry(), QRect(0, 0, 627, 429));
    EXPECT_EQ(find<QWidget>(window, "CalculatorTabs")->geometry(), QRect(12, 10, 603, 384));
    EXPECT_EQ(find<QWidget>(window, "ExitButton")->geometry(), QRect(504, 400, 116, 25));
}

TEST_F(MainWindowTest, MenuHoldsExitTheToolsAboutAndInstructions)
{
    MainWindow window(returning);
    const std::pair<const char*, const char*> actions[]
        = { { "ExitAction", "E&xit" }, { "ExtraPaymentsPlannerAction", "&Extra Payments Planner..." },
              { "CompareLoanOffersAction", "&Compare Loan Offers..." }, { "AboutAction", "&About" },
              { "InstructionsAction", "&Instructions.." }, { "KeyboardShortcutsAction", "&Keyboard Shortcuts..." } };
    for (const auto& [name, text] : actions)
        EXPECT_EQ(find<QAction>(window, name)->text(), QString::fromLatin1(text));
    EXPECT_EQ(find<QAction>(window, "ExtraPaymentsPlannerAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(find<QAction>(window, "CompareLoanOffersAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("&Tools"));
    EXPECT_EQ(menus[3]->text(), QStringLiteral("&Help"));
}

TEST_F(MainWindowTest, InstructionsComeAsInformation)
{
    MainWindow window(returning);
    find<QAction>(window, "InstructionsAction")->trigger();
    expectOnlyBox(RecordingDialogs::Kind::Information,
        QStringLiteral("Corvanta is meant to be self-explanatory. If you need assistance filling in any fields, "
                       "try double-clicking them for extra assistance. Otherwise, just go to the topic that "
                       "interests you and fill in the required blanks and click the CALCULATE button for the "
                       "answer."));
}

// The keys are read from the actions: a key given another shortcut is listed by its new one.
TEST_F(MainWindowTest, KeyboardShortcutsListEveryKeyFromTheActions)
{
    MainWindow window(returning);
    find<QAction>(window, "KeyboardShortcutsAction")->trigger();
    ASSERT_EQ(recordedDialogs().shown.size(), 1u);
    EXPECT_EQ(recordedDialogs().shown[0].kind, RecordingDialogs::Kind::Information);
    EXPECT_EQ(recordedDialogs().shown[0].text.toStdString(),
        "In every window of the program:\n"
        "Ctrl+E \u2014 Extra Payments Planner: how much interest and time extra payments save, paid every month, every "
        "year, once, or as half payments every two weeks\n"
        "Ctrl+L \u2014 Compare Loan Offers: which lender's offer costs least: the APR, the monthly cost with mortgage "
        "insurance and the cost over the years you keep the loan, side by side\n"
        "Enter \u2014 Calculate, or the button that has the focus\n\n"
        "In the main window:\n"
        "Ctrl+N \u2014 New: the designed values in every window again; Edit, Undo New brings back what was there\n"
        "Ctrl+O \u2014 Open Scenario: what every window held when a scenario file was saved\n"
        "Ctrl+S \u2014 Save Scenario: what every window holds, into the scenario file that is open\n"
        "Alt+F \u2014 the File menu\nAlt+E \u2014 the Edit menu\nAlt+T \u2014 the Tools menu\nAlt+H \u2014 the Help "
        "menu\n\n"
        "In the Extra Payments Planner window:\nEsc \u2014 Close\nCtrl+C \u2014 Copy\n\n"
        "In the Compare Loan Offers window:\nEsc \u2014 Close\nCtrl+C \u2014 Copy\n\n"
        "In the Amortization Schedule window:\nCtrl+C \u2014 Copy\nCtrl+G \u2014 Loan Chart");

    recordedDialogs().reset();
    find<QAction>(window, "ExtraPaymentsPlannerAction")->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    find<QAction>(window, "KeyboardShortcutsAction")->trigger();
    ASSERT_EQ(recordedDialogs().shown.size(), 1u);
    const QString text = recordedDialogs().shown[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("Ctrl+Shift+P \u2014 Extra Payments Planner: "))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Ctrl+E"))) << text.toStdString();
}

TEST_F(MainWindowTest, EachAboutIsAFreshBoxThatOkCloses)
{
    MainWindow window(returning);
    for (int time = 0; time < 2; ++time) {
        QString caption;
        QString firstLine;
        bool modal = false;
        whenModalShows([&](QWidget* box) {
            caption = box->windowTitle();
            modal = box->isModal();
            firstLine = find<QPlainTextEdit>(*box, "AboutText")->toPlainText().section(u'\n', 0, 0);
            EXPECT_EQ(box->size(), QSize(383, 304));
            EXPECT_EQ(liveTopLevelCount("app::AboutBox"), 1);
            QTest::mouseClick(find<QPushButton>(*box, "OkButton"), Qt::LeftButton);
        });
        find<QAction>(window, "AboutAction")->trigger();
        EXPECT_EQ(caption, QStringLiteral("About"));
        EXPECT_TRUE(modal);
        EXPECT_EQ(firstLine, QStringLiteral("Corvanta v2.0"));
        EXPECT_EQ(liveTopLevelCount("app::AboutBox"), 0);
    }
}

TEST_F(MainWindowTest, ExitMenuAndExitButtonCloseTheWindow)
{
    for (const bool fromMenu : { true, false }) {
        MainWindow window(returning);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        if (fromMenu)
            find<QAction>(window, "ExitAction")->trigger();
        else
            QTest::mouseClick(find<QPushButton>(window, "ExitButton"), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible()) << (fromMenu ? "ExitAction" : "ExitButton");
    }
}

TEST_F(MainWindowTest, WelcomesOnlyOnTheFirstStartBeforeTheWindowShows)
{
    RememberingStore firstStart;
    bool visibleDuringWelcome = true;
    recordedDialogs().whileShowing = [&] {
        visibleDuringWelcome = false;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->inherits("app::MainWindow") && widget->isVisible())
                visibleDuringWelcome = true;
    };
    {
        MainWindow window(firstStart);
        expectOnlyBox(RecordingDialogs::Kind::Information, welcomeText);
        EXPECT_FALSE(visibleDuringWelcome);
        EXPECT_TRUE(firstStart.startedBefore);
    }
    recordedDialogs().reset();
    MainWindow secondStart(firstStart);
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

// Start-up builds the controls of the loan page only; each other page builds its own the first time it is
// shown, and once only.
TEST_F(MainWindowTest, BuildsEachPageWhenFirstShown)
{
    MainWindow window(returning);
    const auto fields = [](const QWidget* w) { return w->findChildren<QLineEdit*>().size(); };
    auto* pages = find<QTabWidget>(window, "CalculatorTabs");
    EXPECT_EQ(fields(pages->widget(0)), 4);
    for (int page = 1; page < pages->count(); ++page)
        EXPECT_EQ(fields(pages->widget(page)), 0) << page;

    window.show();
    const int built[] = { 4, 6, 7, 7, 7 };
    for (int page = 1; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        EXPECT_EQ(fields(pages->widget(page)), built[page]) << page;
        // The page the stack shows fills it, as if it had been built with the window.
        EXPECT_EQ(pages->widget(page)->geometry(), pages->widget(0)->geometry()) << page;
    }
    pages->setCurrentIndex(0);
    pages->setCurrentIndex(1);
    EXPECT_EQ(fields(pages->widget(1)), 6);
}

TEST(SecondaryWindowsTest, StartHiddenStayOnTopAndNeverKeepTheProgramRunning)
{
    PrepaymentWindow prepayment;
    ScheduleWindow schedule;
    const std::tuple<QWidget*, const char*, QSize> windows[] = {
        { &prepayment, "Effects of Pre-Paying A Loan", QSize(527, 289) },
        { &schedule, "Amortization Schedule", QSize(389, 358) },
    };
    for (const auto& [window, caption, size] : windows) {
        EXPECT_FALSE(window->isVisible()) << caption;
        EXPECT_EQ(window->windowTitle(), QString::fromLatin1(caption));
        EXPECT_EQ(window->minimumSize(), size) << caption;
        EXPECT_EQ(window->maximumSize(), size) << caption;
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << caption;
        // Closing the main window ends the program even while one of these is open.
        EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose)) << caption;
    }
}

TEST(FirstRunStoreTest, RemembersTheFirstStartInTheUserSettings)
{
    QSettings(QStringLiteral("Brellin"), QStringLiteral("Corvanta")).clear();
    app::SettingsFirstRunStore store;
    EXPECT_FALSE(store.hasRunBefore());
    store.rememberRun();
    EXPECT_TRUE(app::SettingsFirstRunStore().hasRunBefore());
    QSettings(QStringLiteral("Brellin"), QStringLiteral("Corvanta")).clear();
}

} // namespace
