// Corvanta's benchmarks: start-up, presses, the 600-month schedule and the core, each against the
// toolkit's (or the C library's) own floor measured in the same run. Prints figures; judges nothing.
#include "Bench.h"
#include "fields/Regional.h"
#include "regional/RegionalSettings.h"

#include <QApplication>
#include <QSysInfo>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <utility>

namespace {

std::string processorName()
{
    std::ifstream cpuInfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuInfo, line);)
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    return "unknown processor";
}

} // namespace

int main(int argc, char* argv[])
{
    // The in-process figures run without a display unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchOptions options;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            options.startupRuns = 5;
            options.presses = 50;
            options.scheduleRuns = 5;
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            only = argv[++i];
        }
    }

    QApplication application(argc, argv);
    options.programFolder = QCoreApplication::applicationDirPath().toStdString();
    app::installRegionalSettings(regional::systemRegionalSettings());

    std::printf("Corvanta benchmarks on %s, %u hardware threads, %s, Qt %s, in-process platform %s\n",
        processorName().c_str(), std::thread::hardware_concurrency(),
        QSysInfo::prettyProductName().toUtf8().constData(), qVersion(),
        QGuiApplication::platformName().toUtf8().constData());
    std::printf("Figures are medians with their quartiles; ratios compare with a floor measured in the same run.\n\n");
    std::fflush(stdout);

    const std::pair<const char*, void (*)(const BenchOptions&)> groups[] = {
        { "startup", benchStartup },
        { "presses", benchPresses },
        { "schedule", benchSchedule },
        { "extrapayments", benchExtraPayments },
        { "loanoffers", benchLoanOffers },
        { "core", benchCore },
    };
    for (const auto& [name, run] : groups) {
        if (!only.empty() && only != name)
            continue;
        run(options);
        std::printf("\n");
        std::fflush(stdout);
    }
    return 0;
}
