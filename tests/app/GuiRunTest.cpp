// A seeded randomized run over every window: hostile texts typed into every field, every button and
// menu command but the program's exits pressed, pages, radio buttons, spin boxes and scroll bars moved,
// modal windows entered and driven while open, then closed. The program must keep running: no handler
// over a second, every message box one of the program's own texts, no window left over.
//
// The seed is printed; CORVANTA_GUIRUN_SEED replays one, CORVANTA_GUIRUN_ACTIONS sets the length.
#include "HostileText.h"
#include "KnownMessages.h"
#include "RecordingDialogs.h"
#include "calculators/loanoffers/LoanOffers.h"
#include "fields/Regional.h"
#include "loan/LoanPage.h"
#include "loan/PrepaymentWindow.h"
#include "loanoffers/LoanOffersHelp.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <mutex>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

using app::MainWindow;
using app::PrepaymentWindow;

namespace {

// Pressing these ends the program.
const QStringList programExits { QStringLiteral("ExitButton"), QStringLiteral("ExitAction") };
constexpr qint64 handlerLimitMs = 1000;
constexpr int deepestModal = 3;

quint32 chosenSeed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("CORVANTA_GUIRUN_SEED").toUInt(&ok);
    return ok ? seed : std::random_device {}();
}

int chosenActionCount()
{
    bool ok = false;
    const int count = qEnvironmentVariable("CORVANTA_GUIRUN_ACTIONS").toInt(&ok);
    return ok && count > 0 ? count : 3000;
}

QString shortened(const QString& text)
{
    if (text.size() <= 40)
        return text;
    return QStringLiteral("%1 characters starting %2").arg(text.size()).arg(text.left(12));
}

QString nameOf(const QObject* object)
{
    const QWidget* widget = qobject_cast<const QWidget*>(object);
    const QString window
        = widget && widget->window() ? QString::fromLatin1(widget->window()->metaObject()->className()) : QString();
    return window + u'/' + object->objectName() + u'(' + QString::fromLatin1(object->metaObject()->className()) + u')';
}

// Ends a hung run with its last action, which a failing assertion could never do.
class Watchdog
{
public:
    Watchdog()
        : thread([this] { watch(); })
    { }
    ~Watchdog()
    {
        stopping = true;
        thread.join();
    }
    void starting(const std::string& action)
    {
        const std::lock_guard lock(mutex);
        last = action;
        ++progress;
    }

private:
    void watch()
    {
        using namespace std::chrono_literals;
        int seen = progress;
        auto since = std::chrono::steady_clock::now();
        while (!stopping) {
            std::this_thread::sleep_for(100ms);
            if (progress != seen) {
                seen = progress;
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > 30s) {
                const std::lock_guard lock(mutex);
                std::cerr << "GUI run hung for 30 s in: " << last << std::endl;
                std::abort();
            }
        }
    }

    std::atomic<bool> stopping { false };
    std::atomic<int> progress { 0 };
    std::mutex mutex;
    std::string last;
    std::thread thread;
};

class GuiRun
{
public:
    GuiRun(quint32 seed, int actionCount, QWidget* mainWindow, const KnownMessages& known)
        : random(seed)
        , seed(seed)
        , target(actionCount)
        , mainWindow(mainWindow)
        , known(known)
    {
        recordedDialogs().preparePrinter = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfFolder.filePath(QStringLiteral("printout.pdf")));
        };
    }

    void run()
    {
        while (actionsRun < target && !failed()) {
            if (!mainWindow->isVisible()) {
                fail(QStringLiteral("the main window closed"));
                return;
            }
            act(pickTopLevelWindow(), 0);
        }
    }

    int actionsRun = 0;
    int modalsDriven = 0;
    std::set<QString> windowsDriven; // the classes of the windows acted in

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }

    template <typename T>
    T* pick(const QList<T*>& list)
    {
        return list.isEmpty() ? nullptr : list[below(int(list.size()))];
    }

    static bool failed() { return ::testing::Test::HasFailure(); }

    void fail(const QString& what)
    {
        QString recent;
        for (const QString& action : lastActions)
            recent += QStringLiteral("\n  ") + action;
        ADD_FAILURE() << "seed " << seed << ", action " << actionsRun << ": " << what.toStdString()
                      << "\nlast actions:" << recent.toStdString();
    }

    // The windows a user can reach when no modal window is open: the main window mostly.
    QWidget* pickTopLevelWindow()
    {
        QList<QWidget*> others;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget != mainWindow && widget->isVisible()
                && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
                others.append(widget);
        return others.isEmpty() || below(10) < 7 ? mainWindow : pick(others);
    }

    // The controls of one kind in a window that a user can reach: shown, enabled, not in another window.
    template <typename T>
    static QList<T*> reachable(QWidget* window)
    {
        QList<T*> found;
        for (T* control : window->findChildren<T*>())
            if (control->isVisible() && control->isEnabled() && control->window() == window
                && !programExits.contains(control->objectName()))
                found.append(control);
        return found;
    }

    void act(QWidget* window, int depth)
    {
        for (int tries = 0; tries < 10; ++tries)
            if (tryAction(window, depth))
                return;
    }

    bool tryAction(QWidget* window, int depth)
    {
        const int kind = below(100);
        if (kind < 35) {
            QLineEdit* field = pick(reachable<QLineEdit>(window));
            if (!field || field->isReadOnly())
                return false;
            const QString text = hostileText(random);
            // Key by key for short printable ASCII texts (what QTest can type), otherwise as a paste.
            const bool keys = text.size() <= 20 && below(2) == 0
                && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u' ' && c <= u'~'; });
            perform(window, depth, QStringLiteral("type '%1' into %2").arg(shortened(text), nameOf(field)), [=] {
                field->setFocus();
                field->selectAll();
                if (keys)
                    QTest::keyClicks(field, text);
                else
                    field->insert(text);
            });
        } else if (kind < 60) {
            QAbstractButton* button = pick(reachable<QAbstractButton>(window));
            if (!button)
                return false;
            recordedDialogs().confirmPrinter = below(6) == 0;
            perform(window, depth, QStringLiteral("press ") + nameOf(button), [=] { button->click(); });
        } else if (kind < 70) {
            QLineEdit* field = pick(reachable<QLineEdit>(window));
            if (!field)
                return false;
            const bool twice = kind >= 66;
            perform(window, depth, (twice ? QStringLiteral("double-click ") : QStringLiteral("click ")) + nameOf(field),
                [=] {
                    if (twice)
                        QTest::mouseDClick(field, Qt::LeftButton);
                    else
                        QTest::mouseClick(field, Qt::LeftButton);
                });
        } else if (kind < 74) {
            QSpinBox* spin = pick(reachable<QSpinBox>(window));
            if (!spin)
                return false;
            const int value = spin->minimum() - 2 + below(spin->maximum() - spin->minimum() + 5);
            perform(window, depth, QStringLiteral("set %1 to %2").arg(nameOf(spin)).arg(value),
                [=] { spin->setValue(value); });
        } else if (kind < 79) {
            QScrollBar* bar = pick(reachable<QScrollBar>(window));
            if (!bar)
                return false;
            const int value = bar->minimum() + below(bar->maximum() - bar->minimum() + 1);
            perform(window, depth, QStringLiteral("move %1 to %2").arg(nameOf(bar)).arg(value),
                [=] { bar->setValue(value); });
        } else if (kind < 85) {
            QTabWidget* pages = pick(reachable<QTabWidget>(window));
            if (!pages)
                return false;
            const int page = below(pages->count());
            perform(window, depth, QStringLiteral("show page %1 of %2").arg(page).arg(nameOf(pages)),
                [=] { pages->setCurrentIndex(page); });
        } else if (kind < 88) {
            QList<QAction*> commands;
            for (QAction* action : window->findChildren<QAction*>())
                if (action->isEnabled() && !action->menu() && !action->isSeparator() && !action->text().isEmpty()
                    && !programExits.contains(action->objectName()))
                    commands.append(action);
            QAction* command = pick(commands);
            if (!command)
                return false;
            perform(window, depth, QStringLiteral("choose ") + nameOf(command), [=] { command->trigger(); });
        } else if (kind < 96) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || focus->window() != window)
                focus = window;
            const Qt::Key keys[] = { Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab };
            const Qt::Key key = keys[below(3)];
            // Enter presses the focused button, and this one ends the program.
            if (key == Qt::Key_Return && programExits.contains(focus->objectName()))
                return false;
            perform(window, depth, QStringLiteral("key %1 on %2").arg(int(key)).arg(nameOf(focus)),
                [=] { QTest::keyClick(focus, key); });
        } else {
            if (depth > 0 || window == mainWindow)
                return false;
            perform(window, depth, QStringLiteral("close ") + nameOf(window), [=] { window->close(); });
        }
        return true;
    }

    // Runs one action; a modal window that it opens is driven from inside its own event loop.
    void perform(QWidget* window, int depth, const QString& description, const std::function<void()>& action)
    {
        windowsDriven.insert(QString::fromLatin1(window->metaObject()->className()));
        lastActions.push_back(description);
        if (lastActions.size() > 12)
            lastActions.pop_front();
        watchdog.starting(description.toStdString());
        // Counted before it runs: the actions inside a modal window it opens must see it, or the run ends one over.
        ++actionsRun;

        QWidget* const modalBefore = QApplication::activeModalWidget();
        QTimer watch;
        watch.setInterval(0);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != modalBefore && modal != window) {
                watch.stop();
                drive(modal, depth + 1);
            }
        });
        watch.start();
        const qint64 nestedBefore = nestedMs;
        QElapsedTimer clock;
        clock.start();
        action();
        const qint64 own = clock.elapsed() - (nestedMs - nestedBefore);
        watch.stop();

        if (own > handlerLimitMs)
            fail(QStringLiteral("took %1 ms: %2").arg(own).arg(description));
        checkMessages();
    }

    void drive(QWidget* modal, int depth)
    {
        ++modalsDriven;
        const qint64 nestedAtStart = nestedMs;
        QElapsedTimer clock;
        clock.start();
        const QPointer<QWidget> open(modal);
        const int count = depth > deepestModal ? 0 : 3 + below(30);
        for (int i = 0; i < count && actionsRun < target && !failed(); ++i) {
            if (!open || !open->isVisible() || QApplication::activeModalWidget() != modal)
                break;
            act(modal, depth);
        }
        if (open && open->isVisible())
            open->close();
        if (open && open->isVisible()) {
            fail(QStringLiteral("%1 did not close").arg(nameOf(modal)));
            if (auto* dialog = qobject_cast<QDialog*>(open.data()))
                dialog->reject();
            open->hide();
        }
        nestedMs = nestedAtStart + clock.elapsed();
    }

    void checkMessages()
    {
        const auto& shown = recordedDialogs().shown;
        // The keyboard shortcuts are listed from the actions themselves, under a heading of their own.
        const auto listed
            = [](const QString& text) { return text.startsWith(QStringLiteral("In every window of the program:\n")); };
        for (; messagesSeen < shown.size(); ++messagesSeen)
            if (!known.contains(shown[messagesSeen].text) && !listed(shown[messagesSeen].text))
                fail(QStringLiteral("unknown message: [%1]").arg(shortened(shown[messagesSeen].text)));
    }

    std::mt19937 random;
    const quint32 seed;
    const int target;
    QWidget* const mainWindow;
    const KnownMessages& known;
    QTemporaryDir pdfFolder;
    std::deque<QString> lastActions;
    std::size_t messagesSeen = 0;
    qint64 nestedMs = 0;
    Watchdog watchdog;
};

std::set<QWidget*> topLevelWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::set<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowType() != Qt::ToolTip)
            windows.insert(widget);
    return windows;
}

TEST(GuiRunTest, KeepsRunningWhateverTheUserDoes)
{
    KnownMessages known({ QStringLiteral(CORVANTA_SOURCE_DIR) });
    for (const std::string_view field : { "price", "down", "tax", "insurance", "dues", "keep", "first-payment" })
        known.add(app::compareOffersHelp(field, app::regional()));
    for (const std::string_view field : calculators::offerFields::offerKeys)
        known.add(app::compareOffersHelp(field, app::regional()));
    ASSERT_GT(known.size(), 100);
    ASSERT_TRUE(known.contains(QStringLiteral("'1e4000' is not a valid floating point value.")));
    ASSERT_FALSE(known.contains(QStringLiteral("vector::_M_range_check")));
    const quint32 seed = chosenSeed();
    const int actions = chosenActionCount();
    std::cout << "GUI run: seed " << seed << ", " << actions << " actions (CORVANTA_GUIRUN_SEED=" << seed
              << " replays it)" << std::endl;
    ::testing::Test::RecordProperty("seed", std::to_string(seed));

    recordedDialogs().reset();
    const std::set<QWidget*> before = topLevelWindows();
    int modals = 0;
    {
        // The windows the program creates at start-up, as it creates them.
        app::ReturningUserStore returning;
        MainWindow mainWindow(returning);
        PrepaymentWindow prepaymentWindow;
        mainWindow.loanPage()->setPrepaymentWindow(&prepaymentWindow);
        mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
        // The Tools menu's windows are open from the start, so that every run drives them too.
        std::vector<std::string> toolWindows;
        for (QAction* tool : mainWindow.findChild<QMenu*>(QStringLiteral("ToolsMenu"))->actions()) {
            const std::set<QWidget*> open = topLevelWindows();
            tool->trigger();
            // The window shown, not the popups (menus, a combo box's list) it makes on the way.
            for (QWidget* window : topLevelWindows())
                if (!open.count(window) && window->isVisible() && window->windowType() == Qt::Window)
                    toolWindows.emplace_back(window->metaObject()->className());
        }
        ASSERT_EQ(toolWindows.size(),
            static_cast<std::size_t>(mainWindow.findChild<QMenu*>(QStringLiteral("ToolsMenu"))->actions().size()));

        GuiRun run(seed, actions, &mainWindow, known);
        run.run();
        modals = run.modalsDriven;
        EXPECT_EQ(run.actionsRun, actions);
        EXPECT_GT(run.modalsDriven, 0);
        // The Tools windows opened at the start are driven like any other, whatever the seed.
        for (const std::string& window : toolWindows)
            EXPECT_TRUE(run.windowsDriven.count(QString::fromStdString(window))) << window;
    }
    std::cout << "GUI run: " << modals << " modal windows driven, " << recordedDialogs().shown.size()
              << " messages shown" << std::endl;

    std::set<QWidget*> left;
    for (QWidget* window : topLevelWindows())
        if (!before.count(window))
            left.insert(window);
    for (QWidget* window : left)
        ADD_FAILURE() << "seed " << seed << ": window left over: " << nameOf(window).toStdString();
    recordedDialogs().reset();
}

} // namespace
