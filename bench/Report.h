// bench/results.md: what was measured, on which commit and machine, under
// which load, and the targets met or missed.
#pragma once

#include "Runs.h"

#include <filesystem>
#include <string>
#include <vector>

// The programs as an X11 desktop's session starts them, with its variables.
struct Desktop
{
    std::string label;
    Environment variables;
    std::vector<Startup> programs; // ref_text and lvtriv
};

struct Results
{
    std::string display;
    Load load;
    bool raisedPriority = false;
    int runs = 0;
    int callgrindRuns = 0;
    std::vector<Startup> programs; // ref_empty, ref_text and lvtriv
    int desktopRuns = 0;
    std::vector<Desktop> desktops;
    bool gtkTheme = false; // Qt's GTK platform theme, which Debian installs with Qt, is installed
    std::filesystem::path browserBench;
    int awardRuns = 0;
    std::vector<Awards> awards; // the box answered at once, the box up a second
    int wakeupSeconds = 0;
    std::vector<Wakeups> wakeups;
};

// The report in markdown. `source` is the checkout the build was made from.
std::string report(const Results &results, const std::filesystem::path &source);
