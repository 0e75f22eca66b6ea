#include "Runs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Long enough for a program to finish what it does right after its map.
constexpr auto kSettle = 500ms;

struct Sample
{
    double mappedMs = 0;
    double cpuMs = 0;
    double peakMiB = 0;
};

std::optional<Sample> runOnce(Screen &screen, const Environment &environment, const fs::path &program)
{
    Child child({program.string()}, environment);
    const auto mapped = screen.waitForWindows(child, 1);
    if (!mapped) {
        std::fprintf(stderr, "%s never showed its window\n", program.c_str());
        return std::nullopt;
    }
    Sample sample{msBetween(child.started(), *mapped), child.cpuMs()};
    std::this_thread::sleep_for(kSettle);
    sample.peakMiB = child.peakMiB();
    return sample;
}

// The figure on browser_bench's line that begins with `label`, or -1.
double figure(const std::string &output, const std::string &label)
{
    const size_t at = output.find("\n" + label + ":");
    return at == std::string::npos ? -1 : std::atof(output.c_str() + at + label.size() + 2);
}

bool awardOnce(const fs::path &browserBench, const Environment &environment, Awards &awards)
{
    Child child({browserBench.string(), "--box-ms", std::to_string(awards.boxMs)}, environment, true);
    std::string output = "\n";
    const bool finished = child.finish(&output);
    const double first = figure(output, "first award"), second = figure(output, "second award");
    if (!finished || first < 0 || second < 0) {
        std::fprintf(stderr, "%s --box-ms %d failed\n", browserBench.c_str(), awards.boxMs);
        return false;
    }
    awards.firstMs.push_back(first);
    awards.secondMs.push_back(second);
    return true;
}

} // namespace

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double oneMinuteLoad()
{
    return std::atof(readFile("/proc/loadavg").c_str());
}

Load waitForQuiet(std::chrono::seconds patience)
{
    Load load;
    load.atStart = load.measuringFrom = oneMinuteLoad();
    const auto from = Clock::now();
    while (load.measuringFrom >= kQuietLoad && Clock::now() - from < patience) {
        std::this_thread::sleep_for(5s);
        load.measuringFrom = oneMinuteLoad();
    }
    load.waitedSeconds = int(std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - from).count());
    load.quiet = load.measuringFrom < kQuietLoad;
    return load;
}

bool timeStartups(Screen &screen, const Environment &environment, std::vector<Startup> &programs, int runs)
{
    for (int run = 0; run <= runs; ++run) {
        for (Startup &program : programs) {
            const auto sample = runOnce(screen, environment, program.path);
            if (!sample)
                return false;
            if (run == 0) // warm-up
                continue;
            program.mappedMs.push_back(sample->mappedMs);
            program.cpuMs.push_back(sample->cpuMs);
            program.peakMiB.push_back(sample->peakMiB);
        }
    }
    return true;
}

bool countStartups(const Environment &environment, std::vector<Startup> &programs, int runs)
{
    for (int run = 0; run < runs; ++run) {
        for (Startup &program : programs) {
            const auto counts = countInstructions(program.path, environment);
            if (!counts) {
                std::fprintf(stderr, "callgrind gave no counts for %s\n", program.path.c_str());
                return false;
            }
            program.instructions.push_back(*counts);
        }
    }
    return true;
}

bool timeAwards(const fs::path &browserBench, const Environment &environment, std::vector<Awards> &awards, int runs)
{
    for (int run = 0; run < runs; ++run) {
        for (Awards &kind : awards) {
            if (!awardOnce(browserBench, environment, kind))
                return false;
        }
    }
    return true;
}

bool countWakeups(Screen &screen, const Environment &environment, std::vector<Wakeups> &programs,
                  std::chrono::seconds span)
{
    for (Wakeups &program : programs) {
        Child child({program.path.string()}, environment);
        if (!screen.waitForWindows(child, program.windows)) {
            std::fprintf(stderr, "%s never showed its windows\n", program.path.c_str());
            return false;
        }
        std::this_thread::sleep_for(kSettle);
        const ContextSwitches before = child.contextSwitches();
        const auto from = Clock::now();
        std::this_thread::sleep_for(span);
        const long wakeups = wakeupsBetween(before, child.contextSwitches());
        program.perSecond = wakeups / (msBetween(from, Clock::now()) / 1000);
    }
    return true;
}
