// Core throughput, calls per second, against the C library doing the nearest plain job: the payment
// formula with powl, printf with "%.2Lf", strtold.
#include "Bench.h"
#include "BenchStats.h"
#include "finance/TimeValue.h"
#include "regional/Formats.h"
#include "regional/NumberEntry.h"
#include "regional/RegionalSettings.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

// Whatever the loops compute goes here, so that the compiler cannot drop them.
volatile long double sink = 0;

// Calls per second of processor time, over repeated slices of about 50 ms each.
Samples callsPerSecond(const std::function<void(int)>& call)
{
    Samples samples;
    for (int slice = 0; slice < 7; ++slice) {
        const double start = threadCpuMilliseconds();
        int calls = 0;
        while (threadCpuMilliseconds() - start < 50) {
            for (int i = 0; i < 256; ++i)
                call(calls + i);
            calls += 256;
        }
        samples.values.push_back(calls / ((threadCpuMilliseconds() - start) / 1000));
    }
    return samples;
}

void report(const char* name, const Samples& ours, const char* floorName, const Samples& floor)
{
    printFigure(name, ours, "/s");
    printFigure(floorName, floor, "/s");
    printRatio(std::string(floorName) + " (speed)", ratio(ours, floor));
}

} // namespace

void benchCore(const BenchOptions&)
{
    using finance::Extended;
    const regional::RegionalSettings settings;

    report("core: Payment", callsPerSecond([](int i) {
        sink = finance::Payment(
            finance::monthlyRate(7 + (i % 16) * 0.25L), 360, -150000, 0, finance::PaymentTiming::EndOfPeriod);
    }),
        "floor: payment formula with powl", callsPerSecond([](int i) {
            const Extended rate = (7 + (i % 16) * 0.25L) / 1200;
            sink = 150000 * rate / (1 - std::pow(1 + rate, -360.0L));
        }));

    report("core: money text",
        callsPerSecond([&settings](int i) { sink = regional::moneyText(997.95L + i, settings).size(); }),
        "floor: snprintf %.2Lf", callsPerSecond([](int i) {
            char text[64];
            sink = std::snprintf(text, sizeof text, "%.2Lf", 997.95L + i);
        }));

    const std::string texts[] = { "150000", "7.25", "998.5", "1e3", "  42" };
    report("core: decimal number entry",
        callsPerSecond([&](int i) { sink = regional::decimalNumberEntry(texts[i % 5], settings); }), "floor: strtold",
        callsPerSecond([&](int i) { sink = std::strtold(texts[i % 5].c_str(), nullptr); }));
}
