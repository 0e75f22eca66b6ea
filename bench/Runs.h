// What the start-up benchmark measures, and how: the wait for a quiet
// machine, the programs started in turn, the browser prize and the wake-ups.
#pragma once

#include "Child.h"
#include "Instructions.h"
#include "Screen.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

double median(std::vector<double> values);

// The one-minute load average, before and after the timed runs.
struct Load
{
    double atStart = 0;
    double measuringFrom = 0;
    double afterTimedRuns = 0;
    int waitedSeconds = 0;
    bool quiet = false; // it fell below kQuietLoad before the timed runs
};

constexpr double kQuietLoad = 0.5;

double oneMinuteLoad();

// Reads the load every few seconds for up to `patience` until it falls below
// kQuietLoad.
Load waitForQuiet(std::chrono::seconds patience);

// One program's start-up, run after run.
struct Startup
{
    Startup(std::string label, std::filesystem::path path) : label(std::move(label)), path(std::move(path)) {}

    std::string label;
    std::filesystem::path path;
    std::vector<double> mappedMs; // exec to MapNotify
    std::vector<double> cpuMs;    // CPU time at MapNotify
    std::vector<double> peakMiB;  // peak resident memory, idle after the map
    std::vector<Instructions> instructions;
};

// `runs` runs of each program in turn, after one uncounted run each to warm
// the file and font caches. False when one never showed its window.
bool timeStartups(Screen &screen, const Environment &environment, std::vector<Startup> &programs, int runs);

// Counts each program's instructions under callgrind `runs` times.
bool countStartups(const Environment &environment, std::vector<Startup> &programs, int runs);

// The browser prize (bench/browser_bench) with the award box up for `boxMs`,
// each run a fresh process: its first award, then a second one.
struct Awards
{
    Awards(std::string box, int boxMs) : box(std::move(box)), boxMs(boxMs) {}

    std::string box;
    int boxMs;
    std::vector<double> firstMs;
    std::vector<double> secondMs;
};

// `runs` runs of each kind of award in turn. False when one failed.
bool timeAwards(const std::filesystem::path &browserBench, const Environment &environment, std::vector<Awards> &awards,
                int runs);

// Context switches of all a program's threads per second, once it has shown
// `windows` windows and idled half a second.
struct Wakeups
{
    Wakeups(std::string label, std::filesystem::path path, int windows = 1)
        : label(std::move(label)), path(std::move(path)), windows(windows)
    {
    }

    std::string label;
    std::filesystem::path path;
    int windows;
    double perSecond = 0;
};

bool countWakeups(Screen &screen, const Environment &environment, std::vector<Wakeups> &programs,
                  std::chrono::seconds span);
