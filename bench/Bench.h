#pragma once

#include <string>

// The groups of figures; each prints its own lines.
struct BenchOptions
{
    std::string programFolder; // where the start-up probes are
    int startupRuns = 20;
    int presses = 400;
    int scheduleRuns = 30;
};

void benchStartup(const BenchOptions& options);
void benchPresses(const BenchOptions& options);
void benchSchedule(const BenchOptions& options);
void benchExtraPayments(const BenchOptions& options);
void benchLoanOffers(const BenchOptions& options);
void benchCore(const BenchOptions& options);
