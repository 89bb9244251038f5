#include "LoanChartModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>
#include <stdexcept>

namespace shell {

namespace {

const auto moduleFileName = QStringLiteral("corvanta-loan-chart.so");

QString& extraFolder()
{
    static QString folder;
    return folder;
}

// First the folder a test or tool names, then the program's own folder (the build tree), then where the
// module is installed relative to the installed program.
QStringList moduleCandidates()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QStringList candidates;
    if (!extraFolder().isEmpty())
        candidates << QDir(extraFolder()).filePath(moduleFileName);
    candidates << programFolder.filePath(moduleFileName);
    candidates << QDir::cleanPath(programFolder.filePath(
        QStringLiteral(CORVANTA_CHART_MODULE_RELATIVE_FOLDER) + QLatin1Char('/') + moduleFileName));
    return candidates;
}

ShowLoanChart loadEntry()
{
    // Kept until the program ends and never unloaded: the chart's classes stay registered with Qt.
    static QLibrary module;
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    QString reasons;
    for (const QString& candidate : moduleCandidates()) {
        module.setFileName(candidate);
        if (auto entry = reinterpret_cast<ShowLoanChart>(module.resolve("corvantaShowLoanChart")))
            return entry;
        reasons += QLatin1Char('\n') + module.errorString();
    }
    throw std::runtime_error((QStringLiteral("The loan chart cannot be shown:") + reasons).toStdString());
}

} // namespace

void showLoanChart(
    const calculators::AmortizationSchedule& schedule, const std::optional<calculators::PrepaymentInput>& prepayment)
{
    static ShowLoanChart entry = nullptr;
    if (!entry)
        entry = loadEntry();
    entry(schedule, prepayment);
}

void setLoanChartModuleFolder(const QString& folder)
{
    extraFolder() = folder;
}

} // namespace shell
