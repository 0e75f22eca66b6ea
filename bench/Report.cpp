#include "Report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace fs = std::filesystem;

namespace {

std::string format(const char *pattern, auto... values)
{
    std::string text(size_t(std::snprintf(nullptr, 0, pattern, values...)), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, values...);
    return text;
}

// The first line `command` prints, or "".
std::string firstLine(const std::string &command)
{
    std::string line;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        if (std::fgets(buffer, sizeof buffer, pipe))
            line = buffer;
        pclose(pipe);
    }
    line.erase(std::find(line.begin(), line.end(), '\n'), line.end());
    return line;
}

std::string commit(const fs::path &source)
{
    const std::string git = "git -C '" + source.string() + "' ";
    const std::string hash = firstLine(git + "rev-parse --short HEAD 2>/dev/null");
    if (hash.empty())
        return "unknown (no git checkout)";
    // The results of an earlier run are no change to what is measured.
    const bool changed = !firstLine(git + "status --porcelain -- . ':!bench/results.md' 2>/dev/null").empty();
    const bool onMain = std::system((git + "merge-base --is-ancestor HEAD main 2>/dev/null").c_str()) == 0;
    return hash + (changed ? " (tree with changes)" : "")
           + (onMain ? ", on main" : ", not on main (branch " + firstLine(git + "branch --show-current") + ")");
}

std::string machine()
{
    const std::string info = readFile("/proc/cpuinfo");
    int cores = 0;
    for (size_t at = info.find("processor\t:"); at != std::string::npos; at = info.find("\nprocessor\t:", at + 1))
        ++cores;
    std::string model = "unknown CPU";
    if (const size_t at = info.find("model name\t: "); at != std::string::npos)
        model = info.substr(at + 13, info.find('\n', at) - at - 13);
    return format("%s, %d cores", model.c_str(), cores);
}

std::string utcNow()
{
    const std::time_t now = std::time(nullptr);
    char date[64];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    return date;
}

std::string loadLine(const Load &load)
{
    if (!load.quiet)
        return format("- **measured under load (1-min load %.2f)**: it stayed at %.1f or above for the %d s the bench "
                      "waited (%.2f at the start, %.2f after the timed runs), so the targets on time are not judged",
                      load.measuringFrom, kQuietLoad, load.waitedSeconds, load.atStart, load.afterTimedRuns);
    return format("- 1-min load: %.2f at the start, %.2f when the timed runs began (after %d s of waiting for it to "
                  "fall below %.1f), %.2f after them; the bench's own runs count in it",
                  load.atStart, load.measuringFrom, load.waitedSeconds, kQuietLoad, load.afterTimedRuns);
}

std::string header(const Results &results, const fs::path &source)
{
    return "# Start-up benchmark\n\nWritten by `bench/startup_bench` (`make bench`) on " + utcNow()
           + ".\n\n- measured commit: " + commit(source) + "\n- machine: " + machine()
           + "\n- display: " + results.display + "\n" + loadLine(results.load) + "\n"
           + (results.raisedPriority ? "- timed runs at raised priority (nice -10)\n" : "");
}

// The label as a plain pointer: a std::string made for the call would be a
// temporary that GCC 14 takes the returned reference to point into.
const Startup &program(const Results &results, const char *label)
{
    return *std::find_if(results.programs.begin(), results.programs.end(),
                         [&](const Startup &each) { return each.label == label; });
}

const Awards &awardsWithBox(const Results &results, int boxMs)
{
    return *std::find_if(results.awards.begin(), results.awards.end(),
                         [&](const Awards &each) { return each.boxMs == boxMs; });
}

using Count = uint64_t Instructions::*;

double medianCount(const Startup &program, Count count)
{
    std::vector<double> counts;
    for (const Instructions &run : program.instructions)
        counts.push_back(double(run.*count));
    return median(counts);
}

double toMap(const Startup &program)
{
    return medianCount(program, &Instructions::toMap);
}

double toFrame(const Startup &program)
{
    return medianCount(program, &Instructions::toFrame);
}

// How far apart the callgrind runs of any program came, in percent.
double instructionSpread(const Results &results)
{
    double spread = 0;
    for (const Startup &program : results.programs) {
        for (const Count count : {&Instructions::toMap, &Instructions::toFrame}) {
            const double middle = medianCount(program, count);
            for (const Instructions &run : program.instructions)
                spread = std::max(spread, std::abs(run.*count / middle - 1) * 100);
        }
    }
    return spread;
}

// The median of `values`, and their least and greatest.
std::string withRange(const std::vector<double> &values)
{
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    return format("%.1f (%.1f-%.1f)", median(values), *least, *most);
}

std::string startupTable(const Results &results)
{
    const Startup &text = program(results, "ref_text");
    const double textMap = toMap(text), textFrame = toFrame(text);
    const double textMs = median(text.mappedMs), textCpu = median(text.cpuMs), textPeak = median(text.peakMiB);
    std::string table = format(
        "\n## Start-up against the bare windows\n\nInstructions: medians of %d runs of each program under callgrind, "
        "which came within %.2f %% of them. Times and memory: medians of %d runs of each program in turn, after one "
        "warm-up run each. Ratios are to ref_text.\n\n"
        "| program | instructions to the map, M | ratio | instructions to the first frame, M | ratio "
        "| exec to the map, ms (min-max) | ratio | CPU time to the map, ms | ratio | peak memory, MiB | ratio |\n"
        "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n",
        results.callgrindRuns, instructionSpread(results), results.runs);
    for (const Startup &each : results.programs) {
        const double map = toMap(each), frame = toFrame(each);
        const double ms = median(each.mappedMs), cpu = median(each.cpuMs), peak = median(each.peakMiB);
        table += format("| %s | %.1f | %.2f | %.1f | %.2f | %s | %.2f | %.1f | %.2f | %.1f | %.2f |\n",
                        each.label.c_str(), map / 1e6, map / textMap, frame / 1e6, frame / textFrame,
                        withRange(each.mappedMs).c_str(), ms / textMs, cpu, cpu / textCpu, peak, peak / textPeak);
    }
    return table;
}

struct Target
{
    const char *what;
    double measured;
    double limit;
    const char *unit;
    bool needsQuiet; // the figure moves with the load of the machine
};

std::string targetRow(const Target &target, bool quiet)
{
    const char *verdict = target.needsQuiet && !quiet       ? "not judged (under load)"
                          : target.measured <= target.limit ? "met"
                                                            : "missed";
    const bool ratio = std::string(target.unit) == "x";
    return format(ratio ? "| %s | %.2f%s | %.2f%s | %s |\n" : "| %s | %.0f %s | %.0f %s | %s |\n", target.what,
                  target.limit, target.unit, target.measured, target.unit, verdict);
}

std::string targetTable(const Results &results)
{
    const Startup &text = program(results, "ref_text"), &game = program(results, "lvtriv");
    const Awards &slow = awardsWithBox(results, 1000);
    const Target targets[] = {
        {"instructions to the map", toMap(game) / toMap(text), 1.10, "x", false},
        {"instructions to the first frame", toFrame(game) / toFrame(text), 1.20, "x", false},
        {"exec to the map", median(game.mappedMs) / median(text.mappedMs), 1.15, "x", true},
        {"peak memory", median(game.peakMiB) / median(text.peakMiB), 1.10, "x", false},
        {"browser prize, box up 1 s: first award in the process", median(slow.firstMs), 1000, "ms", true},
        {"browser prize, box up 1 s: second award", median(slow.secondMs), 1000, "ms", true},
    };
    std::string table = "\n## Targets\n\nRatios of lvtriv to ref_text; the browser prize in milliseconds.\n\n"
                        "| target | at most | measured | verdict |\n|---|---:|---:|---|\n";
    for (const Target &target : targets)
        table += targetRow(target, results.load.quiet);
    return table;
}

std::string desktopTable(const Results &results)
{
    std::string table = format(
        "\n## Start-up per X11 desktop\n\nAs each desktop's session starts a program: its XDG_CURRENT_DESKTOP, "
        "XDG_SESSION_TYPE and DESKTOP_SESSION, or none of them. Qt's GTK platform theme, which Debian installs with "
        "Qt, is %s. ref_text, the floor, takes no platform theme. Medians of %d runs of each program in turn, after "
        "one warm-up run each; ratios are to ref_text on the same desktop. Targets: peak memory 1.10x, exec to the "
        "map 1.15x (on a quiet machine).\n\n"
        "| desktop | program | exec to the map, ms (min-max) | ratio | peak memory, MiB | ratio | verdict |\n"
        "|---|---|---:|---:|---:|---:|---|\n",
        results.gtkTheme ? "installed" : "**not installed**", results.desktopRuns);
    for (const Desktop &desktop : results.desktops) {
        const Startup &text = desktop.programs.front();
        for (const Startup &each : desktop.programs) {
            const double time = median(each.mappedMs) / median(text.mappedMs);
            const double memory = median(each.peakMiB) / median(text.peakMiB);
            std::string verdict;
            if (&each != &text) {
                verdict = std::string("memory ") + (memory <= 1.10 ? "met" : "missed") + ", time ";
                verdict += !results.load.quiet ? "not judged (under load)" : time <= 1.15 ? "met" : "missed";
            }
            table += format("| %s | %s | %s | %.2f | %.1f | %.2f | %s |\n", desktop.label.c_str(), each.label.c_str(),
                            withRange(each.mappedMs).c_str(), time, median(each.peakMiB), memory, verdict.c_str());
        }
    }
    return table;
}

std::string awardTable(const Results &results)
{
    std::string table =
        format("\n## Browser prize: OK pressed on the award box to the page's title in the caption\n\n"
               "Medians of %d runs of `bench/browser_bench`, each a fresh process, the two kinds in "
               "turn.\n\n| award box | first award in the process, ms (min-max) | second award, ms (min-max) |\n"
               "|---|---:|---:|\n",
               results.awardRuns);
    for (const Awards &each : results.awards)
        table += "| " + each.box + " | " + withRange(each.firstMs) + " | " + withRange(each.secondMs) + " |\n";
    return table;
}

std::string wakeupTable(const Results &results)
{
    std::string table = format("\n## Wake-ups per second (context switches of all threads over %d s)\n\n"
                               "| program | wake-ups/s |\n|---|---:|\n",
                               results.wakeupSeconds);
    for (const Wakeups &each : results.wakeups)
        table += format("| %s | %.1f |\n", each.label.c_str(), each.perSecond);
    return table;
}

} // namespace

std::string report(const Results &results, const fs::path &source)
{
    return header(results, source) + startupTable(results) + targetTable(results) + desktopTable(results)
           + awardTable(results) + wakeupTable(results);
}
