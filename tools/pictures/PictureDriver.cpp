// Takes the pictures of the README: opens Corvanta's real windows, runs the steps given on the command
// line one after another from the event loop (so that they go on inside modal windows), and saves
// pictures of windows and printed pages. scripts/pictures.sh runs it once per picture under Xvfb.
//
// corvanta_pictures FOLDER STEP...
//   Window.Control=text        types the text into a field (a spin box takes it as its value, a list
//                              box chooses the item of that text)
//   click:Window.Control       presses a button; a window it opens stays open for the next steps
//   page:Window.Page           brings a page of the main window to the front
//   menu:Window.Control=Item   chooses an item of the control's context menu
//   action:Window.Action       chooses a menu item of the window's menu bar by its name
//   print:Window.Control=name  presses a Print button; the print-out goes to FOLDER/name.pdf
//   grab:Window=name           saves the window as FOLDER/name.png
// Window is a window class (MainWindow, PrepaymentWindow, ScheduleWindow, MatrixWindow, AboutBox, ExtraPaymentsWindow,
// LoanOffersWindow);
// exactly one of that class must be visible. A message box, a missing control or a failed save ends the run with an
// error.
#include "dialogs/Dialogs.h"
#include "fields/Regional.h"
#include "loan/LoanPage.h"
#include "loan/PrepaymentWindow.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "regional/RegionalSettings.h"
#include "widgets/BuiltOnFirstShow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <utility>

using app::MainWindow;
using app::PrepaymentWindow;

namespace {

// Long enough for a window opened by the previous step to be shown and painted.
constexpr int stepPause = 300;

bool failed = false;

void fail(const QString& why)
{
    failed = true;
    std::fprintf(stderr, "corvanta_pictures: %s\n", qPrintable(why));
    QCoreApplication::exit(1);
}

// A picture of a calculation must not hide a warning: every message box ends the run. The print dialog
// is answered with a PDF file.
class PictureDialogs final : public app::Dialogs
{
public:
    void warning(QWidget*, const QString& text) override { fail(QStringLiteral("warning: ") + text); }
    void information(QWidget*, const QString& text) override { fail(QStringLiteral("information: ") + text); }
    void error(QWidget*, const QString& text) override { fail(QStringLiteral("error: ") + text); }
    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        if (pdf.isEmpty()) {
            fail(QStringLiteral("a print dialog outside a print: step"));
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(pdf);
        pdf.clear();
        return true;
    }
    QString chooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override
    {
        fail(QStringLiteral("a save dialog"));
        return {};
    }
    QString chooseOpenFile(QWidget*, const QString&, const QString&) override
    {
        fail(QStringLiteral("an open dialog"));
        return {};
    }
    Unsaved askAboutUnsaved(QWidget*, const QString& text) override
    {
        fail(QStringLiteral("a question: ") + text);
        return Unsaved::Cancel;
    }

    QString pdf;
};

QWidget* findWindow(const QString& className)
{
    QWidget* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        // The script names a window by its class, without the program's namespace.
        if (widget->isVisible()
            && (widget->inherits(className.toLatin1().constData())
                || widget->inherits((QStringLiteral("app::") + className).toLatin1().constData()))) {
            if (found)
                return nullptr;
            found = widget;
        }
    }
    return found;
}

// "Window.Control" or "Window".
QWidget* findWidget(const QString& path)
{
    const QString windowName = path.section(u'.', 0, 0);
    const QString controlName = path.section(u'.', 1);
    QWidget* window = findWindow(windowName);
    if (!window || controlName.isEmpty())
        return window;
    return window->findChild<QWidget*>(controlName);
}

class StepRunner final : public QObject
{
public:
    StepRunner(QString folder, QStringList steps, PictureDialogs& dialogs)
        : folder(std::move(folder))
        , steps(std::move(steps))
        , dialogs(dialogs)
    { }

    void start()
    {
        QTimer::singleShot(stepPause, this, [this] { runNext(); });
    }

private:
    void runNext()
    {
        if (steps.isEmpty()) {
            QCoreApplication::exit(0);
            return;
        }
        const QString step = steps.takeFirst();
        const QString verb = step.contains(u':') ? step.section(u':', 0, 0) : QString();
        const QString rest = verb.isEmpty() ? step : step.section(u':', 1);
        const QString target = rest.section(u'=', 0, 0);
        const QString value = rest.section(u'=', 1);

        if (verb == QLatin1String("action")) {
            QWidget* window = findWindow(target.section(u'.', 0, 0));
            auto* action = window ? window->findChild<QAction*>(target.section(u'.', 1)) : nullptr;
            if (!action) {
                fail(QStringLiteral("no menu item ") + target);
                return;
            }
            QTimer::singleShot(0, action, &QAction::trigger);
            QTimer::singleShot(stepPause, this, [this] { runNext(); });
            return;
        }
        QWidget* widget = findWidget(target);
        if (!widget) {
            fail(QStringLiteral("no single visible ") + target + QStringLiteral(" for ") + step);
            return;
        }
        if (!run(verb, widget, value)) {
            fail(QStringLiteral("cannot do ") + step);
            return;
        }
        QTimer::singleShot(stepPause, this, [this] { runNext(); });
    }

    bool run(const QString& verb, QWidget* widget, const QString& value)
    {
        if (verb.isEmpty())
            return type(widget, value);
        if (verb == QLatin1String("click"))
            return press(widget);
        if (verb == QLatin1String("page")) {
            auto* pages = qobject_cast<QTabWidget*>(widget->parentWidget()->parentWidget());
            if (pages)
                pages->setCurrentWidget(widget);
            return pages != nullptr;
        }
        if (verb == QLatin1String("menu"))
            return choose(widget, value);
        if (verb == QLatin1String("print")) {
            dialogs.pdf = QDir(folder).filePath(value + QStringLiteral(".pdf"));
            return press(widget);
        }
        if (verb == QLatin1String("grab"))
            return widget->grab().save(QDir(folder).filePath(value + QStringLiteral(".png")));
        return false;
    }

    static bool type(QWidget* widget, const QString& text)
    {
        if (auto* field = qobject_cast<QLineEdit*>(widget))
            field->setText(text);
        else if (auto* spin = qobject_cast<QSpinBox*>(widget))
            spin->setValue(text.toInt());
        else if (auto* area = qobject_cast<QPlainTextEdit*>(widget))
            area->setPlainText(text);
        else if (auto* list = qobject_cast<QComboBox*>(widget); list && list->findText(text) >= 0)
            list->setCurrentIndex(list->findText(text));
        else
            return false;
        return true;
    }

    // Queued, so that a window the button opens modally runs its own loop while the next steps run.
    static bool press(QWidget* widget)
    {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button)
            QTimer::singleShot(0, button, &QAbstractButton::click);
        return button != nullptr;
    }

    static bool choose(QWidget* widget, const QString& item)
    {
        for (QMenu* menu : widget->findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                if (action->text().remove(u'&') == item) {
                    QTimer::singleShot(0, action, &QAction::trigger);
                    return true;
                }
            }
        }
        return false;
    }

    QString folder;
    QStringList steps;
    PictureDialogs& dialogs;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanta"));
    QApplication::setOrganizationName(QStringLiteral("Brellin"));
    QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: corvanta_pictures FOLDER STEP...\n");
        return 2;
    }
    // United States settings, so that the pictures show the same money on every machine.
    app::installRegionalSettings(regional::RegionalSettings {});
    PictureDialogs dialogs;
    app::installDialogs(&dialogs);

    app::ReturningUserStore store;
    MainWindow mainWindow(store);
    PrepaymentWindow prepaymentWindow;
    mainWindow.loanPage()->setPrepaymentWindow(&prepaymentWindow);
    // Steps name controls on pages that have not been shown yet.
    app::buildAll(mainWindow);
    mainWindow.show();

    arguments.removeFirst();
    const QString folder = arguments.takeFirst();
    StepRunner runner(folder, arguments, dialogs);
    runner.start();
    const int result = QApplication::exec();
    app::installDialogs(nullptr);
    return failed ? 1 : result;
}
