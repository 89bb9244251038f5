#include "Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <stdexcept>

namespace shell {

namespace {

QString& extraFolder()
{
    static QString folder;
    return folder;
}

QStringList candidates(const QString& fileName)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QStringList paths;
    if (!extraFolder().isEmpty())
        paths << QDir(extraFolder()).filePath(fileName);
    paths << programFolder.filePath(fileName);
    paths << QDir::cleanPath(
        programFolder.filePath(QStringLiteral(CORVANTA_MODULE_RELATIVE_FOLDER) + QLatin1Char('/') + fileName));
    return paths;
}

} // namespace

QFunctionPointer moduleEntry(QLibrary& library, const QString& fileName, const char* entry, const QString& failure)
{
    // Never unloaded: the module's classes stay registered with Qt.
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    QString reasons;
    for (const QString& candidate : candidates(fileName)) {
        library.setFileName(candidate);
        if (const QFunctionPointer found = library.resolve(entry))
            return found;
        reasons += QLatin1Char('\n') + library.errorString();
    }
    throw std::runtime_error((failure + reasons).toStdString());
}

void setModuleFolder(const QString& folder)
{
    extraFolder() = folder;
}

} // namespace shell
