// Start-up of the game against two bare Qt Widgets windows built beside it:
// ref_empty, and ref_text with one line of text, against which the targets
// are set. Every program runs on an Xvfb of the bench's own with Qt's xcb
// platform (Screen); Runs holds what is measured and how, Instructions the
// counts under callgrind, Report the markdown written to bench/results.md.
//
// It first waits up to three minutes for the machine to be quiet; if it never
// is, the report says so and leaves the targets on time unjudged.
//
// Then ref_text and the game once more as GNOME's and Xfce's sessions start
// them on X11, and with none of their variables.
//
// Options: --runs N (timed runs of each program, default 21), --desktop-runs N
// (timed runs of each on each desktop, default 7), --award-runs N
// (browser_bench processes of each kind, default 5), --callgrind-runs N
// (default 3), --patience SECONDS (the longest wait for a quiet machine,
// default 180), --results FILE.
#include "Report.h"
#include "Runs.h"
#include "Screen.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Options
{
    int runs = 21;
    int desktopRuns = 7;
    int awardRuns = 5;
    int callgrindRuns = 3;
    std::chrono::seconds patience{180};
    fs::path results = LVTRIV_BENCH_RESULTS;
};

bool parse(int argc, char *argv[], Options &options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const int number = std::max(1, std::atoi(argv[i + 1]));
        if (option == "--runs")
            options.runs = number;
        else if (option == "--desktop-runs")
            options.desktopRuns = number;
        else if (option == "--award-runs")
            options.awardRuns = number;
        else if (option == "--callgrind-runs")
            options.callgrindRuns = number;
        else if (option == "--patience")
            options.patience = std::chrono::seconds(std::atoi(argv[i + 1]));
        else if (option == "--results")
            options.results = argv[i + 1];
        else
            return false;
    }
    return argc % 2 == 1;
}

// The programs' own runtime folder, so that they share nothing with a session.
class RuntimeFolder
{
public:
    RuntimeFolder() { mkdtemp(m_path); }
    ~RuntimeFolder() { fs::remove_all(m_path); }
    std::string path() const { return m_path; }

private:
    char m_path[32] = "/tmp/lvtriv-bench-XXXXXX";
};

// What is run, and how often: the programs are built beside the bench.
Results plan(const Options &options, const std::string &display)
{
    const fs::path here = fs::canonical("/proc/self/exe").parent_path();
    const fs::path game = here.parent_path() / "app" / "lvtriv";
    Results results;
    results.display = display;
    results.runs = options.runs;
    results.callgrindRuns = options.callgrindRuns;
    results.programs = {{"ref_empty", here / "ref_empty"}, {"ref_text", here / "ref_text"}, {"lvtriv", game}};
    results.desktopRuns = options.desktopRuns;
    const auto pair = [&] { return std::vector<Startup>{{"ref_text", here / "ref_text"}, {"lvtriv", game}}; };
    const auto session = [](const char *desktop, const char *name) {
        return Environment{{"XDG_CURRENT_DESKTOP", desktop}, {"XDG_SESSION_TYPE", "x11"}, {"DESKTOP_SESSION", name}};
    };
    results.desktops = {{"none", {}, pair()},
                        {"GNOME", session("GNOME", "gnome-xorg"), pair()},
                        {"Xfce", session("XFCE", "xfce"), pair()}};
    for (const auto &folder : fs::directory_iterator("/usr/lib")) {
        if (fs::exists(folder.path() / "qt6/plugins/platformthemes/libqgtk3.so"))
            results.gtkTheme = true;
    }
    results.browserBench = here / "browser_bench";
    results.awardRuns = options.awardRuns;
    results.awards = {{"answered at once", 0}, {"left up 1 s", 1000}};
    results.wakeupSeconds = 5;
    results.wakeups = {{"ref_text, idle", here / "ref_text"},
                       {"lvtriv, main window idle", game},
                       {"lvtriv, animation prize open", here / "animation_idle", 2}};
    return results;
}

// The timed runs at raised priority where that is allowed (as root), which
// the programs inherit; then the counts under callgrind, which do not depend
// on it, at a low one.
bool measure(Screen &screen, const Environment &environment, Results &results)
{
    results.raisedPriority = setpriority(PRIO_PROCESS, 0, -10) == 0;
    std::printf("timing %d start-ups of each program\n", results.runs);
    if (!timeStartups(screen, environment, results.programs, results.runs))
        return false;
    for (Desktop &desktop : results.desktops) {
        Environment session = environment;
        session.insert(desktop.variables.begin(), desktop.variables.end());
        std::printf("timing %d start-ups of ref_text and the game, desktop %s\n", results.desktopRuns,
                    desktop.label.c_str());
        if (!timeStartups(screen, session, desktop.programs, results.desktopRuns))
            return false;
    }
    std::printf("timing the browser prize, %d processes of each kind\n", results.awardRuns);
    if (!timeAwards(results.browserBench, environment, results.awards, results.awardRuns))
        return false;
    if (!countWakeups(screen, environment, results.wakeups, std::chrono::seconds(results.wakeupSeconds)))
        return false;
    results.load.afterTimedRuns = oneMinuteLoad();
    setpriority(PRIO_PROCESS, 0, 10);
    std::printf("counting instructions under callgrind\n");
    return countStartups(environment, results.programs, results.callgrindRuns);
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(
            stderr,
            "usage: %s [--runs N] [--desktop-runs N] [--award-runs N] [--callgrind-runs N] [--patience SECONDS] "
            "[--results FILE]\n",
            argv[0]);
        return 2;
    }
    const auto screen = Screen::start();
    if (!screen) {
        std::fprintf(stderr, "Xvfb did not start (scripts/install-deps.sh installs it)\n");
        return 1;
    }
    // Every program starts as on a bare X server, but where a desktop's
    // variables are added.
    for (const char *name : {"XDG_CURRENT_DESKTOP", "XDG_SESSION_TYPE", "DESKTOP_SESSION"})
        unsetenv(name);
    const RuntimeFolder runtime;
    Environment environment = screen->environment();
    environment["XDG_RUNTIME_DIR"] = runtime.path();

    Results results = plan(options, screen->name());
    std::printf("waiting up to %lld s for the 1-min load to fall below %.1f\n",
                static_cast<long long>(options.patience.count()), kQuietLoad);
    results.load = waitForQuiet(options.patience);
    if (!measure(*screen, environment, results))
        return 1;

    const std::string text = report(results, LVTRIV_SOURCE_DIR);
    std::printf("\n%s", text.c_str());
    std::ofstream out(options.results);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "could not write %s\n", options.results.c_str());
        return 1;
    }
    std::printf("\n(written to %s)\n", options.results.c_str());
    return 0;
}
