// Start-up to first paint, whole process: each probe is started afresh, Corvanta and the empty window
// alternately, and reports the moment of its first paint; the parent reads the peak memory when it ends.
#include "Bench.h"
#include "BenchStats.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

struct Run
{
    double firstPaintMs = 0;
    double peakMemoryMb = 0;
    double processorMs = 0; // the whole process, to its end
};

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The parent's environment with the given variables replaced.
std::vector<std::string> environmentWith(const std::vector<std::pair<std::string, std::string>>& replaced)
{
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        bool keep = true;
        for (const auto& [name, value] : replaced)
            keep = keep && text.rfind(name + "=", 0) != 0;
        if (keep)
            result.push_back(text);
    }
    for (const auto& [name, value] : replaced)
        result.push_back(name + "=" + value);
    return result;
}

bool runProbe(const std::string& program, const std::vector<std::string>& environment, Run& run)
{
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    char* argv[] = { const_cast<char*>(program.c_str()), nullptr };

    int output[2];
    if (pipe(output) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);

    const long long started = monotonicNs();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawned != 0) {
        close(output[0]);
        return false;
    }
    std::string text;
    char buffer[64];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(output[0]);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return false;
    run.firstPaintMs = static_cast<double>(std::stoll(text) - started) / 1e6;
    run.peakMemoryMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    const auto milliseconds = [](const timeval& time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; };
    run.processorMs = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    return true;
}

void benchPlatform(const BenchOptions& options, const std::string& platform, const std::string& configFolder,
    const std::string& runtimeFolder)
{
    // Qt's warnings (the offscreen platform warns at every window) would bury the figures; both probes alike.
    const auto environment = environmentWith({ { "QT_QPA_PLATFORM", platform }, { "XDG_CONFIG_HOME", configFolder },
        { "XDG_RUNTIME_DIR", runtimeFolder }, { "QT_LOGGING_RULES", "default.warning=false" } });
    const std::string corvanta = options.programFolder + "/bench_startup_corvanta";
    const std::string empty = options.programFolder + "/bench_startup_empty";

    Samples corvantaPaint, emptyPaint, corvantaMemory, emptyMemory, corvantaCpu, emptyCpu;
    Run warmUp;
    runProbe(corvanta, environment, warmUp);
    runProbe(empty, environment, warmUp);
    for (int i = 0; i < options.startupRuns; ++i) {
        Run ours, floor;
        if (!runProbe(corvanta, environment, ours) || !runProbe(empty, environment, floor)) {
            std::printf("start-up on %s: a probe failed, figures skipped\n", platform.c_str());
            return;
        }
        corvantaPaint.values.push_back(ours.firstPaintMs);
        emptyPaint.values.push_back(floor.firstPaintMs);
        corvantaMemory.values.push_back(ours.peakMemoryMb);
        emptyMemory.values.push_back(floor.peakMemoryMb);
        corvantaCpu.values.push_back(ours.processorMs);
        emptyCpu.values.push_back(floor.processorMs);
    }
    printFigure("start-up to first paint, Corvanta (" + platform + ")", corvantaPaint, "ms");
    printFigure("start-up to first paint, empty window (" + platform + ")", emptyPaint, "ms");
    printRatio("empty window, run by run", pairedRatio(corvantaPaint, emptyPaint));
    printFigure("processor time to exit, Corvanta (" + platform + ")", corvantaCpu, "ms");
    printFigure("processor time to exit, empty window (" + platform + ")", emptyCpu, "ms");
    printRatio("empty window, run by run", pairedRatio(corvantaCpu, emptyCpu));
    printFigure("peak memory, Corvanta (" + platform + ")", corvantaMemory, "MiB");
    printFigure("peak memory, empty window (" + platform + ")", emptyMemory, "MiB");
    printRatio("empty window", ratio(corvantaMemory, emptyMemory));
}

} // namespace

void benchStartup(const BenchOptions& options)
{
    // A private settings folder in which Corvanta has run before, so no welcome stops the start.
    QTemporaryDir scratch;
    const QString config = scratch.filePath(QStringLiteral("config"));
    const QString runtime = scratch.filePath(QStringLiteral("runtime"));
    QDir().mkpath(config + QStringLiteral("/Brellin"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (FILE* settings
        = std::fopen((config + QStringLiteral("/Brellin/Corvanta.conf")).toLocal8Bit().constData(), "w")) {
        std::fputs("[General]\nStartedBefore=true\n", settings);
        std::fclose(settings);
    }

    benchPlatform(options, "offscreen", config.toStdString(), runtime.toStdString());
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        std::printf("start-up on xcb: no DISPLAY, skipped\n");
    else
        benchPlatform(options, "xcb", config.toStdString(), runtime.toStdString());
    // The empty window is a floor, not a target: start-up is held to the last landed build and to the desktop
    // calculators, which only an observer outside the programs can time alike.
    std::printf("start-up against the last landed build and the desktop calculators: scripts/bench.sh "
                "--desktop-calculators\n");
}
