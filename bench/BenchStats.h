#pragma once

#include <chrono>
#include <ctime>
#include <string>
#include <vector>

// Samples of one figure and how they are printed: the median, the spread between the quartiles, the count.
struct Samples
{
    std::vector<double> values;

    double median() const { return quantile(0.5); }
    double quantile(double q) const;
};

// A median over a baseline's median, both measured in the same run.
double ratio(const Samples& figure, const Samples& baseline);
// The median of run-by-run ratios of alternated runs (robust when the machine is busy).
double pairedRatio(const Samples& figure, const Samples& baseline);

// "name  median unit  (quartiles a-b, n=N)".
void printFigure(const std::string& name, const Samples& samples, const std::string& unit);
// "  ratio to <baseline>: 1.23".
void printRatio(const std::string& baseline, double value);
// "  target <= 0.2 ms: met".
void printTarget(double median, double target, const std::string& unit);

using BenchClock = std::chrono::steady_clock;

inline double millisecondsSince(BenchClock::time_point start)
{
    return std::chrono::duration<double, std::milli>(BenchClock::now() - start).count();
}

// The processor time this thread has used, in milliseconds. On a machine shared with other work a task of a
// few milliseconds is often preempted, which wall time counts and processor time does not.
inline double threadCpuMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}
