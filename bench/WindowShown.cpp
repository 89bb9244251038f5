// Start-up to the first window shown, as an outside observer sees it, for any X program: Corvanta, the
// empty window and the desktop calculators alike. Watches the root window of the display for the map of a
// new top-level window, starts each program afresh (the programs alternately, round after round), times
// exec to that map, reads the peak memory of the window's process once it has settled, and ends it.
//
//   bench_window_shown [--runs N] [--settle MS] [--timeout S] [--logs FOLDER]
//                      (--reference NAME PATH | --floor NAME PATH | --program NAME PATH)...
//
// Every program is compared with every reference (NAME / reference), and every reference with the ones
// listed before it. The references are builds of Corvanta, the last landed one first; a floor (the empty
// window) is a program that is no desktop calculator. The programs get this program's environment as it is,
// so the caller sets it once for all of them. Prints figures, and each reference's time against the targets:
// no slower than the reference before it, and twice as fast as the fastest desktop calculator. A program that
// shows no window within the timeout gets a failure line for that run and is ended; nothing waits without a
// limit.
#include "BenchStats.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using namespace std::chrono_literals;

struct Program
{
    std::string name;
    std::string path;
    bool reference = false;
    bool floor = false;
    std::string logPath;
};

// One start of one program.
struct Run
{
    bool shown = false;
    double shownMs = 0;
    std::optional<double> peakMemoryMib;
    bool memoryAtExit = false; // it had ended by itself, so the figure is its peak over its whole life
    std::string windowOwner; // which process the window belonged to
};

struct Options
{
    int runs = 20;
    std::chrono::milliseconds settle { 300 };
    std::chrono::seconds timeout { 30 };
    std::string logFolder;
    std::vector<Program> programs;
};

[[noreturn]] void usage(const char* why)
{
    std::fprintf(stderr,
        "bench_window_shown: %s\nusage: bench_window_shown [--runs N] [--settle MS] [--timeout S] [--logs FOLDER] "
        "(--reference NAME PATH | --floor NAME PATH | --program NAME PATH)...\n",
        why);
    std::exit(2);
}

std::string fileNameFor(const std::string& name)
{
    std::string result;
    for (const char c : name)
        result += std::isalnum(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c)) : '-';
    return result + ".log";
}

Options parseOptions(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&] {
            if (i + 1 >= argc)
                usage((argument + " needs a value").c_str());
            return std::string(argv[++i]);
        };
        if (argument == "--runs") {
            options.runs = std::max(1, std::atoi(value().c_str()));
        } else if (argument == "--settle") {
            options.settle = std::chrono::milliseconds(std::atoi(value().c_str()));
        } else if (argument == "--timeout") {
            options.timeout = std::chrono::seconds(std::max(1, std::atoi(value().c_str())));
        } else if (argument == "--logs") {
            options.logFolder = value();
        } else if (argument == "--reference" || argument == "--floor" || argument == "--program") {
            Program program;
            program.name = value();
            program.path = value();
            program.reference = argument == "--reference";
            program.floor = argument == "--floor";
            options.programs.push_back(program);
        } else {
            usage(("unknown argument " + argument).c_str());
        }
    }
    if (options.programs.empty())
        usage("no program to start");
    for (Program& program : options.programs)
        program.logPath = options.logFolder.empty() ? "/dev/null" : options.logFolder + "/" + fileNameFor(program.name);
    return options;
}

std::optional<double> peakMemoryMib(pid_t process)
{
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0; // in kB
    return std::nullopt;
}

std::string commandName(pid_t process)
{
    std::ifstream comm("/proc/" + std::to_string(process) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name.empty() ? "?" : name;
}

bool alive(pid_t process)
{
    // A zombie no longer runs; its status says so.
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("State:", 0) == 0)
            return line.find('Z') == std::string::npos && line.find('X') == std::string::npos;
    return false;
}

class Observer
{
public:
    Observer()
    {
        int screenNumber = 0;
        connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(connection)) {
            std::fprintf(stderr, "bench_window_shown: cannot open the display (DISPLAY=%s)\n",
                std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
            std::exit(1);
        }
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screens);
        root = screens.data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        if (xcb_generic_error_t* error = xcb_request_check(
                connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask))) {
            std::fprintf(stderr, "bench_window_shown: cannot watch the root window (error %d)\n", error->error_code);
            std::exit(1);
        }
        const char pidName[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t* atom
            = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof pidName - 1, pidName), nullptr);
        windowPid = atom ? atom->atom : xcb_atom_t { XCB_ATOM_NONE };
        std::free(atom);
        // Whatever the programs leave behind when their starter ends comes to this process to be reaped.
        prctl(PR_SET_CHILD_SUBREAPER, 1);
    }
    ~Observer() { xcb_disconnect(connection); }
    Observer(const Observer&) = delete;
    Observer& operator=(const Observer&) = delete;

    Run start(const Program& program, const Options& options)
    {
        Run run;
        forgetEvents();
        created.clear();
        child = 0;
        childUsage = {};
        childEnded = false;

        char* argv[] = { const_cast<char*>(program.path.c_str()), nullptr };
        const auto started = std::chrono::steady_clock::now();
        child = fork();
        if (child == 0) {
            // Its own process group, so that whatever it starts ends with it.
            setpgid(0, 0);
            const int log = open(program.logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            if (log >= 0) {
                dup2(log, STDOUT_FILENO);
                dup2(log, STDERR_FILENO);
                close(log);
            }
            execv(argv[0], argv);
            _exit(127);
        }
        if (child < 0) {
            std::printf("%s: cannot start (%s)\n", program.name.c_str(), std::strerror(errno));
            return run;
        }
        setpgid(child, child);

        const xcb_window_t window = waitForMap(started + options.timeout);
        if (window == XCB_WINDOW_NONE) {
            const std::string output = options.logFolder.empty() ? "" : "; see " + program.logPath;
            if (childEnded && !(WIFEXITED(childStatus) && WEXITSTATUS(childStatus) == 0))
                std::printf("%s: ended (%s %d) before showing a window%s\n", program.name.c_str(),
                    WIFEXITED(childStatus) ? "exit code" : "signal",
                    WIFEXITED(childStatus) ? WEXITSTATUS(childStatus) : WTERMSIG(childStatus), output.c_str());
            else
                std::printf("%s: no window shown within %lld s%s\n", program.name.c_str(),
                    static_cast<long long>(options.timeout.count()), output.c_str());
            end(0);
            return run;
        }
        const auto shown = std::chrono::steady_clock::now();
        run.shown = true;
        run.shownMs = std::chrono::duration<double, std::milli>(shown - started).count();

        // The window's own process: a launcher may have handed the start on to another one.
        const pid_t owner = ownerOf(window).value_or(child);
        while (std::chrono::steady_clock::now() < shown + options.settle) {
            reap();
            std::this_thread::sleep_for(5ms);
        }
        reap();
        if (owner == child && childEnded) {
            run.peakMemoryMib = static_cast<double>(childUsage.ru_maxrss) / 1024.0;
            run.memoryAtExit = true;
        } else {
            run.peakMemoryMib = peakMemoryMib(owner);
        }
        if (owner == child)
            run.windowOwner = "the started process";
        else if (getpgid(owner) == child)
            run.windowOwner = "a process the started one started (" + commandName(owner) + ")";
        else
            run.windowOwner = "another process (" + commandName(owner) + ")";
        end(owner == child || getpgid(owner) == child ? 0 : owner);
        return run;
    }

private:
    void forgetEvents()
    {
        xcb_flush(connection);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection))
            std::free(event);
    }

    // The first top-level window created since the start and mapped, or none by the deadline.
    xcb_window_t waitForMap(std::chrono::steady_clock::time_point deadline)
    {
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
                xcb_window_t mapped = XCB_WINDOW_NONE;
                const int type = event->response_type & ~0x80;
                if (type == XCB_CREATE_NOTIFY) {
                    const auto* create = reinterpret_cast<xcb_create_notify_event_t*>(event);
                    if (create->parent == root && !create->override_redirect)
                        created.insert(create->window);
                } else if (type == XCB_MAP_NOTIFY) {
                    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    if (map->event == root && !map->override_redirect && created.contains(map->window))
                        mapped = map->window;
                }
                std::free(event);
                if (mapped != XCB_WINDOW_NONE)
                    return mapped;
            }
            if (xcb_connection_has_error(connection)) {
                std::fprintf(stderr, "bench_window_shown: lost the display\n");
                std::exit(1);
            }
            reap();
            // A starter that failed shows nothing; one that handed on and ended may still be followed by a window.
            if (childEnded && !(WIFEXITED(childStatus) && WEXITSTATUS(childStatus) == 0))
                return XCB_WINDOW_NONE;
            const auto left = deadline - std::chrono::steady_clock::now();
            if (left <= 0ms)
                return XCB_WINDOW_NONE;
            pollfd display { xcb_get_file_descriptor(connection), POLLIN, 0 };
            const auto wait = std::min(std::chrono::duration_cast<std::chrono::milliseconds>(left) + 1ms, 50ms);
            poll(&display, 1, static_cast<int>(wait.count()));
        }
    }

    std::optional<pid_t> ownerOf(xcb_window_t window)
    {
        if (windowPid == XCB_ATOM_NONE)
            return std::nullopt;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, windowPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        std::optional<pid_t> owner;
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
            owner = static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply)));
        std::free(reply);
        return owner;
    }

    // Reaps every ended descendant, keeping the started process's status and resource use.
    void reap()
    {
        for (;;) {
            int status = 0;
            rusage usage {};
            const pid_t ended = wait4(-1, &status, WNOHANG, &usage);
            if (ended <= 0)
                return;
            if (ended == child) {
                childEnded = true;
                childStatus = status;
                childUsage = usage;
            }
        }
    }

    // Ends the started process's group and, when the window belonged to a process outside it, that process.
    void end(pid_t outsider)
    {
        const auto finished = [&] {
            reap();
            return kill(-child, 0) != 0 && (outsider == 0 || !alive(outsider));
        };
        for (const int signal : { SIGTERM, SIGKILL }) {
            kill(-child, signal);
            if (outsider != 0)
                kill(outsider, signal);
            const auto deadline = std::chrono::steady_clock::now() + 3s;
            while (!finished() && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(5ms);
            if (finished())
                return;
        }
        std::printf("    (pid %d's group did not end)\n", child);
    }

    xcb_connection_t* connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_atom_t windowPid = XCB_ATOM_NONE;
    std::set<xcb_window_t> created;
    pid_t child = 0;
    bool childEnded = false;
    int childStatus = 0;
    rusage childUsage {};
};

// Figure against reference, over the rounds in which both gave one.
double pairedRatio(
    const std::vector<std::optional<double>>& figure, const std::vector<std::optional<double>>& reference)
{
    Samples figures, references;
    for (std::size_t i = 0; i < std::min(figure.size(), reference.size()); ++i)
        if (figure[i] && reference[i]) {
            figures.values.push_back(*figure[i]);
            references.values.push_back(*reference[i]);
        }
    return ::pairedRatio(figures, references);
}

void printSection(const std::string& title, const std::string& unit, const std::vector<Program>& programs,
    const std::vector<std::vector<std::optional<double>>>& figures)
{
    for (std::size_t p = 0; p < programs.size(); ++p) {
        Samples samples;
        for (const auto& value : figures[p])
            if (value)
                samples.values.push_back(*value);
        if (samples.values.empty()) {
            std::printf("%s, %s: no figure\n", title.c_str(), programs[p].name.c_str());
            continue;
        }
        printFigure(title + ", " + programs[p].name, samples, unit);
        for (std::size_t r = 0; r < (programs[p].reference ? p : programs.size()); ++r)
            if (programs[r].reference && r != p)
                std::printf("    %s / %s: %.2f\n", programs[p].name.c_str(), programs[r].name.c_str(),
                    pairedRatio(figures[p], figures[r]));
    }
}

// Each reference's time against today's targets: no slower than the reference listed before it (the last landed
// build), and the fastest desktop calculator taking at least twice as long.
void printTargets(const std::vector<Program>& programs, const std::vector<std::vector<std::optional<double>>>& times)
{
    std::optional<std::size_t> fastest;
    double fastestMedian = 0;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        if (programs[p].reference || programs[p].floor)
            continue;
        Samples samples;
        for (const auto& value : times[p])
            if (value)
                samples.values.push_back(*value);
        if (!samples.values.empty() && (!fastest || samples.median() < fastestMedian)) {
            fastest = p;
            fastestMedian = samples.median();
        }
    }
    std::optional<std::size_t> before;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        if (!programs[p].reference)
            continue;
        if (before) {
            const double slower = pairedRatio(times[p], times[*before]);
            std::printf("    %s / %s: %.2f (target <= 1: %s)\n", programs[p].name.c_str(),
                programs[*before].name.c_str(), slower, slower <= 1 ? "met" : "MISSED");
        }
        if (fastest) {
            const double ahead = pairedRatio(times[*fastest], times[p]);
            std::printf("    the fastest desktop calculator, %s / %s: %.2f (target >= 2: %s)\n",
                programs[*fastest].name.c_str(), programs[p].name.c_str(), ahead, ahead >= 2 ? "met" : "MISSED");
        }
        before = p;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = parseOptions(argc, argv);
    Observer observer;
    const std::size_t count = options.programs.size();
    std::vector<std::vector<std::optional<double>>> times(count), memory(count);
    std::vector<std::map<std::string, int>> owners(count);
    std::vector<int> memoryAtExit(count);
    if (!options.logFolder.empty())
        for (const Program& program : options.programs)
            if (FILE* log = std::fopen(program.logPath.c_str(), "w"))
                std::fclose(log);

    std::printf("Start-up to the first window shown: exec to its map on the display, %d runs of each program, the "
                "programs alternated (plus one warm-up round); peak memory (VmHWM) of the window's process %lld ms "
                "after.\n",
        options.runs, static_cast<long long>(options.settle.count()));
    std::fflush(stdout);
    for (int round = -1; round < options.runs; ++round) {
        // Each round starts with the next program, so that none always follows the same one.
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t p = (k + static_cast<std::size_t>(std::max(round, 0))) % count;
            const Run run = observer.start(options.programs[p], options);
            if (round < 0)
                continue;
            times[p].push_back(run.shown ? std::optional(run.shownMs) : std::nullopt);
            memory[p].push_back(run.peakMemoryMib);
            if (run.shown)
                ++owners[p][run.windowOwner];
            memoryAtExit[p] += run.memoryAtExit ? 1 : 0;
        }
        std::fflush(stdout);
    }

    std::printf("\n");
    printSection("window shown", "ms", options.programs, times);
    std::printf("\nwindow shown, against the targets:\n");
    printTargets(options.programs, times);
    std::printf("\n");
    printSection("peak memory", "MiB", options.programs, memory);
    std::printf("\nWhose window it was:\n");
    for (std::size_t p = 0; p < count; ++p) {
        for (const auto& [owner, runs] : owners[p])
            std::printf(
                "    %s: %s in %d of %d runs\n", options.programs[p].name.c_str(), owner.c_str(), runs, options.runs);
        if (memoryAtExit[p] > 0)
            std::printf("    %s: ended by itself before the memory was read in %d runs; its peak at exit is counted\n",
                options.programs[p].name.c_str(), memoryAtExit[p]);
    }
    if (!options.logFolder.empty())
        std::printf("What the programs printed: %s/\n", options.logFolder.c_str());
    return 0;
}
