// Start-up of the game against two reference programs built beside it: a bare
// Qt Widgets window (ref_empty) and the same window with one line of text
// (ref_text). The programs are started in turn, several times each; one run
// lasts from the exec to the X server's MapNotify of the program's first
// top-level window, on an Xvfb of its own and the xcb platform. Without Xvfb
// the programs run offscreen, where nothing is mapped; the stand-in there is
// the first moment the program's main thread waits in poll() (its event loop,
// with the window shown). The peak resident memory (VmHWM) is read once the
// window is mapped and the program has been idle half a second. Beside the
// wall-clock time it reports the CPU time the program (all its threads) had
// used when its window was mapped, which other load on the machine disturbs
// far less.
//
// It also times the browser prize (bench/browser_bench, first and second
// award to the page's title) and counts wake-ups per second (context switches
// of all threads) with the main window idle and with the animation prize open.
//
// Prints a table of medians and ratios and writes it to bench/results.md.
// Where it may (as root), it raises its own scheduling priority, which the
// programs and the X server it starts inherit: other work on the machine then
// disturbs the timings less.
//
// Options: --runs N (default 21), --results FILE, --base BUILD_DIR (also times
// the lvtriv and browser_bench of another build, e.g. of an older commit),
// --offscreen yes (offscreen even when Xvfb is there).
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef LVTRIV_BENCH_XCB
#include <xcb/xcb.h>
#endif

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A "Name:  value kB" field of /proc/PID/status.
long statusField(pid_t pid, const std::string &task, const char *name)
{
    const std::string status = readFile("/proc/" + std::to_string(pid) + task + "/status");
    const std::string key = std::string("\n") + name + ":";
    const size_t at = status.find(key);
    return at == std::string::npos ? -1 : std::atol(status.c_str() + at + key.size());
}

// Context switches of each thread of `pid` so far, by thread id: each one is
// a wake-up.
std::map<std::string, long> contextSwitches(pid_t pid)
{
    std::map<std::string, long> switches;
    std::error_code error;
    for (const auto &task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        const std::string name = "/task/" + task.path().filename().string();
        switches[name] = std::max(0L, statusField(pid, name, "voluntary_ctxt_switches"))
                         + std::max(0L, statusField(pid, name, "nonvoluntary_ctxt_switches"));
    }
    return switches;
}

// The wake-ups between two readings: of the threads alive at the second, a
// thread that ended in between no longer tells its count.
long wakeupsBetween(const std::map<std::string, long> &before, const std::map<std::string, long> &after)
{
    long total = 0;
    for (const auto &[task, count] : after) {
        const auto earlier = before.find(task);
        total += count - (earlier == before.end() ? 0 : earlier->second);
    }
    return total;
}

// CPU time used so far by every thread of `pid` (schedstat, in nanoseconds):
// unlike the wall-clock time, hardly changed by other work on the machine.
double cpuMs(pid_t pid)
{
    double total = 0;
    std::error_code error;
    for (const auto &task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error))
        total += std::atof(readFile(task.path() / "schedstat").c_str()) / 1e6;
    return total;
}

struct Child
{
    pid_t pid = -1;
    Clock::time_point started;
    int output = -1; // read end of the child's standard output, when captured

    void stop()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
            pid = -1;
        }
        if (output >= 0)
            close(std::exchange(output, -1));
    }
};

// Starts `program` with `environment` added; its output goes nowhere unless captured.
Child start(const fs::path &program, const std::map<std::string, std::string> &environment, bool captureOutput = false)
{
    int pipeEnds[2] = {-1, -1};
    if (captureOutput && pipe(pipeEnds) != 0)
        return {};
    Child child;
    child.started = Clock::now();
    child.pid = fork();
    if (child.pid == 0) {
        for (const auto &[name, value] : environment)
            setenv(name.c_str(), value.c_str(), 1);
        const int nowhere = open("/dev/null", O_RDWR);
        dup2(nowhere, STDIN_FILENO);
        dup2(captureOutput ? pipeEnds[1] : nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        const std::string path = program.string();
        execl(path.c_str(), path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    if (captureOutput) {
        close(pipeEnds[1]);
        child.output = pipeEnds[0];
    }
    return child;
}

bool exited(pid_t pid)
{
    return waitpid(pid, nullptr, WNOHANG) == pid;
}

// Where the programs show their windows, and how a mapped window is seen.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual std::string name() const = 0;
    virtual std::map<std::string, std::string> environment() const = 0;
    // Waits until `child` has mapped `windows` top-level windows; the time of
    // the first, or nothing when it never came.
    virtual std::optional<Clock::time_point> waitForWindows(const Child &child, int windows) = 0;
};

// Offscreen: the first time the main thread sleeps in poll or ppoll.
class OffscreenScreen : public Screen
{
public:
    std::string name() const override { return "offscreen (stand-in: main thread first waiting in poll)"; }
    std::map<std::string, std::string> environment() const override { return {{"QT_QPA_PLATFORM", "offscreen"}}; }

    std::optional<Clock::time_point> waitForWindows(const Child &child, int) override
    {
        const std::string syscall = "/proc/" + std::to_string(child.pid) + "/syscall";
        const auto deadline = child.started + 30s;
        while (Clock::now() < deadline) {
            const long number = std::atol(readFile(syscall).c_str());
            if (number == 7 || number == 271) // poll, ppoll on x86-64
                return Clock::now();
            if (exited(child.pid))
                return std::nullopt;
            std::this_thread::sleep_for(200us);
        }
        return std::nullopt;
    }
};

#ifdef LVTRIV_BENCH_XCB
// An Xvfb of our own; its root window reports every top-level window mapped.
class XvfbScreen : public Screen
{
public:
    static std::unique_ptr<XvfbScreen> start()
    {
        auto screen = std::unique_ptr<XvfbScreen>(new XvfbScreen);
        return screen->launch() ? std::move(screen) : nullptr;
    }

    ~XvfbScreen() override
    {
        if (m_connection)
            xcb_disconnect(m_connection);
        if (m_server > 0) {
            kill(m_server, SIGTERM);
            waitpid(m_server, nullptr, 0);
        }
    }

    std::string name() const override { return "xcb on Xvfb " + m_display + " (exec to MapNotify)"; }
    std::map<std::string, std::string> environment() const override
    {
        return {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", m_display}};
    }

    std::optional<Clock::time_point> waitForWindows(const Child &child, int windows) override
    {
        std::optional<Clock::time_point> first;
        int seen = 0;
        const auto deadline = child.started + 30s;
        const int fd = xcb_get_file_descriptor(m_connection);
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                const auto when = Clock::now();
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                    const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                    if (!map->override_redirect && windowPid(map->window) == child.pid) {
                        if (!first)
                            first = when;
                        ++seen;
                    }
                }
                std::free(event);
                if (seen >= windows)
                    return first;
            }
            if (xcb_connection_has_error(m_connection) || exited(child.pid))
                return std::nullopt;
            pollfd wait{fd, POLLIN, 0};
            poll(&wait, 1, 50);
        }
        return std::nullopt;
    }

private:
    bool launch()
    {
        int ready[2];
        if (pipe(ready) != 0)
            return false;
        m_server = fork();
        if (m_server == 0) {
            close(ready[0]);
            const int nowhere = open("/dev/null", O_RDWR);
            dup2(nowhere, STDOUT_FILENO);
            dup2(nowhere, STDERR_FILENO);
            const std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   static_cast<char *>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        std::string number;
        char c;
        while (read(ready[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(ready[0]);
        if (number.empty())
            return false;
        m_display = ":" + number;
        m_connection = xcb_connect(m_display.c_str(), nullptr);
        if (xcb_connection_has_error(m_connection))
            return false;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, root, XCB_CW_EVENT_MASK, &mask);
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, strlen("_NET_WM_PID"), "_NET_WM_PID"), nullptr);
        if (!atom)
            return false;
        m_pidAtom = atom->atom;
        std::free(atom);
        xcb_flush(m_connection);
        return true;
    }

    pid_t windowPid(xcb_window_t window)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        pid_t pid = -1;
        if (reply && xcb_get_property_value_length(reply) == 4)
            pid = pid_t(*static_cast<uint32_t *>(xcb_get_property_value(reply)));
        std::free(reply);
        return pid;
    }

    pid_t m_server = -1;
    std::string m_display;
    xcb_connection_t *m_connection = nullptr;
    xcb_atom_t m_pidAtom = XCB_NONE;
};
#endif

bool onPath(const char *program)
{
    const char *path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        if (!dir.empty() && access((fs::path(dir) / program).c_str(), X_OK) == 0)
            return true;
    }
    return false;
}

struct Program
{
    Program(std::string label, fs::path path) : label(std::move(label)), path(std::move(path)) {}

    std::string label;
    fs::path path;
    std::vector<double> mappedMs;
    std::vector<double> cpuMs;
    std::vector<double> peakMiB;
};

struct Bench
{
    std::unique_ptr<Screen> screen;
    std::map<std::string, std::string> environment;

    // Starts `program`, waits for its windows, lets it idle, reads its peak
    // memory; with `wakeupSeconds` also counts its wake-ups. Returns false
    // when the program never showed its windows.
    bool run(const fs::path &program, int windows, double *mappedMs, double *mappedCpuMs, double *peakMiB,
             double wakeupSeconds = 0, double *wakeupsPerSecond = nullptr)
    {
        Child child = start(program, environment);
        const auto mapped = screen->waitForWindows(child, windows);
        if (!mapped) {
            child.stop();
            return false;
        }
        if (mappedCpuMs)
            *mappedCpuMs = cpuMs(child.pid);
        if (mappedMs)
            *mappedMs = msBetween(child.started, *mapped);
        std::this_thread::sleep_for(500ms);
        if (peakMiB)
            *peakMiB = statusField(child.pid, "", "VmHWM") / 1024.0;
        if (wakeupSeconds > 0) {
            const auto before = contextSwitches(child.pid);
            const auto from = Clock::now();
            std::this_thread::sleep_for(std::chrono::duration<double>(wakeupSeconds));
            const auto after = contextSwitches(child.pid);
            *wakeupsPerSecond = wakeupsBetween(before, after) / (msBetween(from, Clock::now()) / 1000);
        }
        child.stop();
        return true;
    }

    // browser_bench's two figures: first and second award to the page title.
    std::optional<std::pair<double, double>> browserAward(const fs::path &browserBench)
    {
        Child child = start(browserBench, environment, true);
        std::string output;
        char buffer[4096];
        for (ssize_t got; (got = read(child.output, buffer, sizeof buffer)) > 0;)
            output.append(buffer, size_t(got));
        int status = 0;
        waitpid(child.pid, &status, 0);
        child.pid = -1;
        child.stop();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return std::nullopt;
        auto figure = [&output](const char *line) -> double {
            const size_t at = output.find(line);
            const size_t close = at == std::string::npos ? at : output.find(')', at);
            return close == std::string::npos ? -1 : std::atof(output.c_str() + close + 1);
        };
        const double first = figure("first award");
        const double second = figure("second award");
        if (first <= 0 || second <= 0)
            return std::nullopt;
        return std::make_pair(first, second);
    }
};

// The commit a build directory was made from, read through its CMake cache
// and git, or nothing.
std::string commitOf(const fs::path &build)
{
    const std::string cache = readFile(build / "CMakeCache.txt");
    const std::string key = "lvtriv_SOURCE_DIR:STATIC=";
    const size_t at = cache.find(key);
    if (at == std::string::npos)
        return {};
    const std::string source = cache.substr(at + key.size(), cache.find('\n', at) - at - key.size());
    const std::string command = "git -C '" + source + "' log -1 --format='%h %s' 2>/dev/null";
    std::string commit;
    if (FILE *git = popen(command.c_str(), "r")) {
        char line[256];
        if (std::fgets(line, sizeof line, git))
            commit = line;
        pclose(git);
    }
    while (!commit.empty() && commit.back() == '\n')
        commit.pop_back();
    return commit;
}

std::string cpuModel()
{
    const std::string info = readFile("/proc/cpuinfo");
    const size_t at = info.find("model name");
    if (at == std::string::npos)
        return "unknown";
    const size_t colon = info.find(':', at);
    return info.substr(colon + 2, info.find('\n', colon) - colon - 2);
}

std::string machine()
{
    utsname name{};
    uname(&name);
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    sched_getaffinity(0, sizeof cpus, &cpus);
    char line[512];
    std::snprintf(line, sizeof line, "%s %s %s, %s, %d processors", name.sysname, name.release, name.machine,
                  cpuModel().c_str(), CPU_COUNT(&cpus));
    return line;
}

std::string today()
{
    const std::time_t now = std::time(nullptr);
    char date[64];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M %Z", std::localtime(&now));
    return date;
}

std::string format(const char *pattern, auto... values)
{
    char text[512];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 21;
    fs::path results = LVTRIV_BENCH_RESULTS;
    fs::path baseBuild;
    bool offscreen = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--results")
            results = argv[i + 1];
        else if (option == "--base")
            baseBuild = fs::absolute(argv[i + 1]);
        else if (option == "--offscreen")
            offscreen = std::string(argv[i + 1]) == "yes";
        else {
            std::fprintf(stderr, "usage: %s [--runs N] [--results FILE] [--base BUILD_DIR] [--offscreen yes]\n",
                         argv[0]);
            return 2;
        }
    }

    const bool raised = setpriority(PRIO_PROCESS, 0, -10) == 0;
    const auto loadAverage = [] {
        const std::string load = readFile("/proc/loadavg");
        return load.substr(0, load.find(' '));
    };
    const std::string loadBefore = loadAverage();
    const fs::path here = fs::canonical("/proc/self/exe").parent_path();
    const fs::path build = here.parent_path();

    Bench bench;
#ifdef LVTRIV_BENCH_XCB
    if (!offscreen && onPath("Xvfb"))
        bench.screen = XvfbScreen::start();
    if (!offscreen && onPath("Xvfb") && !bench.screen) {
        std::fprintf(stderr, "Xvfb is there but did not start\n");
        return 1;
    }
#endif
    if (!bench.screen)
        bench.screen = std::make_unique<OffscreenScreen>();
    char runtime[] = "/tmp/lvtriv-bench-XXXXXX";
    if (!mkdtemp(runtime)) {
        std::perror("mkdtemp");
        return 1;
    }
    bench.environment = bench.screen->environment();
    bench.environment["XDG_RUNTIME_DIR"] = runtime;

    std::vector<Program> programs = {
        {"ref_empty", here / "ref_empty"}, {"ref_text", here / "ref_text"}, {"lvtriv", build / "app" / "lvtriv"}};
    if (!baseBuild.empty())
        programs.push_back({"lvtriv (base build)", baseBuild / "app" / "lvtriv"});

    std::printf("start-up on %s, %d runs each, in turn\n", bench.screen->name().c_str(), runs);
    // One run each beforehand, not counted: file caches and font caches warm.
    for (Program &program : programs) {
        if (!bench.run(program.path, 1, nullptr, nullptr, nullptr)) {
            std::fprintf(stderr, "%s never showed its window\n", program.path.c_str());
            return 1;
        }
    }
    for (int run = 0; run < runs; ++run) {
        for (Program &program : programs) {
            double mapped = 0, cpu = 0, peak = 0;
            if (!bench.run(program.path, 1, &mapped, &cpu, &peak)) {
                std::fprintf(stderr, "%s never showed its window\n", program.path.c_str());
                return 1;
            }
            program.mappedMs.push_back(mapped);
            program.cpuMs.push_back(cpu);
            program.peakMiB.push_back(peak);
        }
    }

    // Wake-ups: the idle programs, then the game with the animation prize open.
    const double wakeupSeconds = 5;
    std::vector<std::pair<std::string, double>> wakeups;
    for (const auto &[label, path, windows] :
         {std::tuple{std::string("ref_text, idle"), here / "ref_text", 1},
          std::tuple{std::string("lvtriv, main window idle"), build / "app" / "lvtriv", 1},
          std::tuple{std::string("lvtriv, animation prize open"), here / "animation_idle", 2}}) {
        double perSecond = 0;
        if (!bench.run(path, windows, nullptr, nullptr, nullptr, wakeupSeconds, &perSecond)) {
            std::fprintf(stderr, "%s never showed its windows\n", path.c_str());
            return 1;
        }
        wakeups.emplace_back(label, perSecond);
    }

    // The browser prize, first (cold) and second (warm) award to the page title.
    std::vector<std::pair<std::string, fs::path>> browsers = {{"lvtriv", here / "browser_bench"}};
    if (!baseBuild.empty())
        browsers.emplace_back("lvtriv (base build)", baseBuild / "bench" / "browser_bench");
    const int browserRuns = 5;
    std::vector<std::vector<double>> first(browsers.size()), second(browsers.size());
    for (int run = 0; run < browserRuns; ++run) {
        for (size_t which = 0; which < browsers.size(); ++which) {
            const auto figures = bench.browserAward(browsers[which].second);
            if (!figures) {
                std::fprintf(stderr, "%s failed\n", browsers[which].second.c_str());
                return 1;
            }
            first[which].push_back(figures->first);
            second[which].push_back(figures->second);
        }
    }
    std::vector<std::tuple<std::string, double, double>> awards;
    for (size_t which = 0; which < browsers.size(); ++which)
        awards.emplace_back(browsers[which].first, median(first[which]), median(second[which]));
    fs::remove_all(runtime);
    const std::string loadAfter = loadAverage();

    const Program &text = programs[1];
    const Program &empty = programs[0];
    const double textMapped = median(text.mappedMs), textPeak = median(text.peakMiB), textCpu = median(text.cpuMs);
    const double emptyMapped = median(empty.mappedMs);

    std::vector<std::string> report;
    report.push_back("# Start-up benchmark");
    report.push_back("");
    report.push_back("Written by `bench/startup_bench` (`make bench`) on " + today() + ".");
    report.push_back("");
    report.push_back("- machine: " + machine());
    report.push_back("- platform: " + bench.screen->name());
    if (const std::string commit = commitOf(build); !commit.empty())
        report.push_back("- lvtriv build: " + build.string() + ", of commit " + commit);
    report.push_back(format("- %d runs of each program, in turn, after one warm-up run each; medians", runs));
    report.push_back("- load average (1 min) before and after: " + loadBefore + ", " + loadAfter + " on "
                     + std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " processors; the bench's own runs count in it");
    report.push_back(raised ? "- scheduling priority raised (nice -10) for the benchmark and what it starts"
                            : "- scheduling priority as given (it could not be raised)");
    if (!baseBuild.empty()) {
        const std::string commit = commitOf(baseBuild);
        report.push_back("- base build: " + baseBuild.string() + (commit.empty() ? "" : ", of commit " + commit));
    }
    report.push_back("");
    report.push_back("## Main window mapped, and peak memory");
    report.push_back("");
    report.push_back("| program | exec to mapped, ms (min-max) | ratio to ref_text | ratio to ref_empty "
                     "| CPU time to mapped, ms | ratio to ref_text | max RSS, MiB | ratio to ref_text |");
    report.push_back("|---|---:|---:|---:|---:|---:|---:|---:|");
    for (const Program &program : programs) {
        const auto [least, most] = std::minmax_element(program.mappedMs.begin(), program.mappedMs.end());
        const double mapped = median(program.mappedMs), peak = median(program.peakMiB), cpu = median(program.cpuMs);
        report.push_back(format("| %s | %.1f (%.1f-%.1f) | %.2f | %.2f | %.1f | %.2f | %.1f | %.2f |",
                                program.label.c_str(), mapped, *least, *most, mapped / textMapped, mapped / emptyMapped,
                                cpu, cpu / textCpu, peak, peak / textPeak));
    }
    const double gameMapped = median(programs[2].mappedMs), gamePeak = median(programs[2].peakMiB);
    report.push_back("");
    report.push_back(format("Targets: mapped at most 1.25x ref_text: %.2fx, %s; max RSS at most 1.25x ref_text: "
                            "%.2fx, %s.",
                            gameMapped / textMapped, gameMapped / textMapped <= 1.25 ? "met" : "not met",
                            gamePeak / textPeak, gamePeak / textPeak <= 1.25 ? "met" : "not met"));
    report.push_back("");
    report.push_back("## Browser prize: award box closed to the page title in the caption");
    report.push_back("");
    report.push_back(format("Medians of %d runs of `bench/browser_bench`, the builds in turn.", browserRuns));
    report.push_back("");
    report.push_back("| build | first award (module and engine cold), ms | second award, ms | ratio second/first |");
    report.push_back("|---|---:|---:|---:|");
    for (const auto &[label, first, second] : awards)
        report.push_back(format("| %s | %.1f | %.1f | %.2f |", label.c_str(), first, second, second / first));
    report.push_back("");
    report.push_back(format("## Wake-ups per second (context switches of all threads over %.0f s)", wakeupSeconds));
    report.push_back("");
    report.push_back("| program | wake-ups/s | ratio to ref_text idle |");
    report.push_back("|---|---:|---:|");
    for (const auto &[label, perSecond] : wakeups) {
        const std::string ratio = wakeups[0].second > 0 ? format("%.2f", perSecond / wakeups[0].second) : "-";
        report.push_back(format("| %s | %.1f | %s |", label.c_str(), perSecond, ratio.c_str()));
    }

    std::ofstream out(results);
    for (const std::string &line : report) {
        std::printf("%s\n", line.c_str());
        out << line << '\n';
    }
    if (!out) {
        std::fprintf(stderr, "could not write %s\n", results.c_str());
        return 1;
    }
    std::printf("\n(written to %s)\n", results.c_str());
    return 0;
}
