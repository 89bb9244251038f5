#pragma once

class QPrinter;
class QString;
class QWidget;

namespace app {

// Every message box and the print dialog go through this seam, so tests can answer them without a user.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Title "Warning", warning icon, OK: bad input.
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // Title "Information", information icon, OK: help texts, instructions, the welcome.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // The application error box: title "Corvanta", error icon, OK. The text arrives ready to show.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // The system print dialog; false when the user cancels.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // The system's save dialog, opening on the suggested file name in the user's documents folder and
    // asking before replacing a file; the chosen path, or an empty text when the user cancels.
    virtual QString chooseSaveFile(
        QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter)
        = 0;
    // The system's open dialog, in the user's documents folder; the chosen path, or an empty text when the user
    // cancels.
    virtual QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter) = 0;
    // What to do with changes not saved: a box with Save, Discard and Cancel, the text saying what is at stake.
    enum class Unsaved {
        Save,
        Discard,
        Cancel,
    };
    virtual Unsaved askAboutUnsaved(QWidget* parent, const QString& text) = 0;
};

Dialogs& dialogs();

// Makes a box or system dialog open above every window of the program, the stay-on-top ones included
// (a box hidden under the prepayment window would look like a hang), in the system's normal font whatever
// style sheet its owner carries. The box leaves with its own stacking when it closes.
void prepareSystemDialog(QWidget& dialog);
// Replaces the dialogs in use; nullptr brings back the real ones. The caller keeps ownership.
void installDialogs(Dialogs* replacement);

} // namespace app
