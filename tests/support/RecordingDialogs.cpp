#include "RecordingDialogs.h"

void RecordingDialogs::warning(QWidget*, const QString& text)
{
    record(Kind::Warning, text);
}

void RecordingDialogs::information(QWidget*, const QString& text)
{
    record(Kind::Information, text);
}

void RecordingDialogs::error(QWidget*, const QString& text)
{
    record(Kind::Error, text);
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

void RecordingDialogs::reset()
{
    shown.clear();
    printerRequests = 0;
    confirmPrinter = false;
    whileShowing = nullptr;
    preparePrinter = nullptr;
    saveFileAnswer.clear();
    suggestedSaveName.clear();
    saveFileRequests = 0;
}

void RecordingDialogs::record(Kind kind, const QString& text)
{
    shown.push_back({ kind, text });
    if (whileShowing)
        whileShowing();
}

RecordingDialogs& recordedDialogs()
{
    static RecordingDialogs recorder;
    return recorder;
}
