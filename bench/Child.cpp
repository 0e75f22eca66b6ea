#include "Child.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path procOf(pid_t pid)
{
    return fs::path("/proc") / std::to_string(pid);
}

// A "Name:  value" field of a /proc status file, or -1.
long statusField(const fs::path &status, const char *name)
{
    const std::string text = readFile(status);
    const std::string key = std::string("\n") + name + ":";
    const size_t at = text.find(key);
    return at == std::string::npos ? -1 : std::atol(text.c_str() + at + key.size());
}

[[noreturn]] void execute(const std::vector<std::string> &command, const Environment &environment, int output)
{
    setpgid(0, 0);
    for (const auto &[name, value] : environment)
        setenv(name.c_str(), value.c_str(), 1);
    const int nowhere = open("/dev/null", O_RDWR);
    dup2(nowhere, STDIN_FILENO);
    dup2(output >= 0 ? output : nowhere, STDOUT_FILENO);
    dup2(nowhere, STDERR_FILENO);
    std::vector<char *> argv;
    for (const std::string &word : command)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

} // namespace

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

long wakeupsBetween(const ContextSwitches &before, const ContextSwitches &after)
{
    long total = 0;
    for (const auto &[task, count] : after) {
        const auto earlier = before.find(task);
        total += count - (earlier == before.end() ? 0 : earlier->second);
    }
    return total;
}

Child::Child(const std::vector<std::string> &command, const Environment &environment, bool captureOutput)
{
    int ends[2] = {-1, -1};
    if (captureOutput && pipe(ends) != 0)
        return;
    m_started = Clock::now();
    m_pid = fork();
    if (m_pid == 0)
        execute(command, environment, ends[1]);
    // Set here too, so that the group exists before anything is killed.
    if (m_pid > 0)
        setpgid(m_pid, m_pid);
    if (captureOutput) {
        close(ends[1]);
        m_output = ends[0];
    }
}

Child::~Child()
{
    if (m_pid > 0 && !m_reaped) {
        kill(-m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_output >= 0)
        close(m_output);
}

bool Child::exited()
{
    if (!m_reaped && m_pid > 0)
        m_reaped = waitpid(m_pid, nullptr, WNOHANG) == m_pid;
    return m_reaped || m_pid <= 0;
}

bool Child::finish(std::string *output)
{
    char buffer[4096];
    for (ssize_t got; m_output >= 0 && (got = read(m_output, buffer, sizeof buffer)) > 0;)
        output->append(buffer, size_t(got));
    int status = 0;
    if (m_pid <= 0 || waitpid(m_pid, &status, 0) != m_pid)
        return false;
    m_reaped = true;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Child::cpuMs() const
{
    double total = 0;
    std::error_code error;
    for (const auto &task : fs::directory_iterator(procOf(m_pid) / "task", error))
        total += std::atof(readFile(task.path() / "schedstat").c_str()) / 1e6;
    return total;
}

double Child::peakMiB() const
{
    return statusField(procOf(m_pid) / "status", "VmHWM") / 1024.0;
}

ContextSwitches Child::contextSwitches() const
{
    ContextSwitches switches;
    std::error_code error;
    for (const auto &task : fs::directory_iterator(procOf(m_pid) / "task", error)) {
        const fs::path status = task.path() / "status";
        switches[task.path().filename()] = std::max(0L, statusField(status, "voluntary_ctxt_switches"))
                                           + std::max(0L, statusField(status, "nonvoluntary_ctxt_switches"));
    }
    return switches;
}
