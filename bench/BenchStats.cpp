#include "BenchStats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

double Samples::quantile(double q) const
{
    if (values.empty())
        return std::nan("");
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const double position = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(position));
    const auto above = std::min(below + 1, sorted.size() - 1);
    const double fraction = position - static_cast<double>(below);
    return sorted[below] + fraction * (sorted[above] - sorted[below]);
}

double ratio(const Samples& figure, const Samples& baseline)
{
    return figure.median() / baseline.median();
}

double pairedRatio(const Samples& figure, const Samples& baseline)
{
    Samples ratios;
    for (std::size_t i = 0; i < std::min(figure.values.size(), baseline.values.size()); ++i)
        ratios.values.push_back(figure.values[i] / baseline.values[i]);
    return ratios.median();
}

void printFigure(const std::string& name, const Samples& samples, const std::string& unit)
{
    std::printf("%-44s %10.4g %-4s (quartiles %.4g-%.4g, n=%zu)\n", name.c_str(), samples.median(), unit.c_str(),
        samples.quantile(0.25), samples.quantile(0.75), samples.values.size());
}

void printRatio(const std::string& baseline, double value)
{
    std::printf("    ratio to %s: %.2f\n", baseline.c_str(), value);
}

void printTarget(double median, double target, const std::string& unit)
{
    std::printf("    target <= %g %s: %s\n", target, unit.c_str(), median <= target ? "met" : "MISSED");
}
