#include "RecordingDialogs.h"

#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

void RecordingDialogs::warning(QWidget* parent, const QString& text)
{
    record(Kind::Warning, text, parent);
}

void RecordingDialogs::information(QWidget* parent, const QString& text)
{
    record(Kind::Information, text, parent);
}

void RecordingDialogs::error(QWidget* parent, const QString& text)
{
    record(Kind::Error, text, parent);
}

bool RecordingDialogs::choosePrinter(QWidget*, QPrinter& printer)
{
    ++printerRequests;
    if (confirmPrinter && preparePrinter)
        preparePrinter(printer);
    return confirmPrinter;
}

QString RecordingDialogs::chooseSaveFile(QWidget*, const QString&, const QString& suggestedName, const QString&)
{
    ++saveFileRequests;
    suggestedSaveName = suggestedName;
    return saveFileAnswer;
}

QString RecordingDialogs::chooseOpenFile(QWidget*, const QString&, const QString&)
{
    return openFileAnswer;
}

app::Dialogs::Unsaved RecordingDialogs::askAboutUnsaved(QWidget*, const QString& text)
{
    unsavedQuestions.push_back(text);
    return unsavedAnswer;
}

void RecordingDialogs::reset()
{
    openFileAnswer.clear();
    unsavedAnswer = Unsaved::Cancel;
    unsavedQuestions.clear();
    shown.clear();
    printerRequests = 0;
    confirmPrinter = false;
    whileShowing = nullptr;
    preparePrinter = nullptr;
    saveFileAnswer.clear();
    suggestedSaveName.clear();
    saveFileRequests = 0;
}

void RecordingDialogs::record(Kind kind, const QString& text, const QWidget* parent)
{
    shown.push_back({ kind, text, parent ? parent->window() : nullptr });
    if (whileShowing)
        whileShowing();
}

RecordingDialogs& recordedDialogs()
{
    static RecordingDialogs recorder;
    return recorder;
}

void expectOnlyBox(RecordingDialogs::Kind kind, const QString& text)
{
    ASSERT_EQ(recordedDialogs().shown.size(), 1u);
    EXPECT_EQ(recordedDialogs().shown[0].kind, kind);
    EXPECT_EQ(recordedDialogs().shown[0].text, text);
}

void expectWarningAt(const QLineEdit* field, const QString& text)
{
    expectOnlyBox(RecordingDialogs::Kind::Warning, text);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->selectedText(), field->text());
}
