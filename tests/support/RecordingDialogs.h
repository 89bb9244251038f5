#pragma once

#include "dialogs/Dialogs.h"

#include <QString>
#include <functional>
#include <vector>

class QLineEdit;

// Stands in for the message boxes and the print dialog: answers at once and remembers what was shown.
class RecordingDialogs final : public app::Dialogs
{
public:
    enum class Kind {
        Warning,
        Information,
        Error,
    };
    struct Shown
    {
        Kind kind;
        QString text;
        // The window the box was shown over.
        const QWidget* owner = nullptr;
    };

    void warning(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    QString chooseSaveFile(
        QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter) override;
    QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter) override;
    Unsaved askAboutUnsaved(QWidget* parent, const QString& text) override;

    void reset();

    std::vector<Shown> shown;
    int printerRequests = 0;
    bool confirmPrinter = false;
    // Runs on the chosen printer when the print dialog is confirmed, e.g. to print into a PDF file.
    std::function<void(QPrinter&)> preparePrinter;
    // The save dialog answers with this path (empty: cancelled) and remembers the name it suggested.
    QString saveFileAnswer;
    QString suggestedSaveName;
    int saveFileRequests = 0;
    // The open dialog answers with this path (empty: cancelled).
    QString openFileAnswer;
    // The question about unsaved changes is answered so, and its texts are kept.
    Unsaved unsavedAnswer = Unsaved::Cancel;
    std::vector<QString> unsavedQuestions;
    // Runs while a box is "on screen", to look at the program at that moment.
    std::function<void()> whileShowing;

private:
    void record(Kind kind, const QString& text, const QWidget* parent);
};

// The recorder that the test program installs for every test.
RecordingDialogs& recordedDialogs();

// The recorder holds exactly one box, of that kind with that text.
void expectOnlyBox(RecordingDialogs::Kind kind, const QString& text);

// The one box is a warning with that text, and the field has the focus with all its text selected for retyping.
void expectWarningAt(const QLineEdit* field, const QString& text);
