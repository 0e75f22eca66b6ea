// A program the start-up benchmark starts, and what /proc tells about it.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <sys/types.h>

using Clock = std::chrono::steady_clock;
using Environment = std::map<std::string, std::string>;

double msBetween(Clock::time_point from, Clock::time_point to);
std::string readFile(const std::filesystem::path &path);

// Context switches of each thread so far, by thread: each one is a wake-up.
using ContextSwitches = std::map<std::string, long>;

// The wake-ups between two readings. A thread that ended in between no
// longer tells its count.
long wakeupsBetween(const ContextSwitches &before, const ContextSwitches &after);

// A started program, leader of a process group of its own so that whatever it
// forks ends with it. Destroying it kills the group.
class Child
{
public:
    // Runs `command` (the program, then its arguments) with `environment`
    // added; its output goes nowhere unless `captureOutput`.
    Child(const std::vector<std::string> &command, const Environment &environment, bool captureOutput = false);
    ~Child();
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;

    pid_t pid() const { return m_pid; }
    Clock::time_point started() const { return m_started; }
    bool exited();

    // Reads the captured output until the program closes it, then waits for
    // its end; false when it failed.
    bool finish(std::string *output);

    // CPU time of all its threads so far: unlike the wall-clock time, hardly
    // changed by other work on the machine.
    double cpuMs() const;
    // Its peak resident memory so far (VmHWM).
    double peakMiB() const;
    ContextSwitches contextSwitches() const;

private:
    pid_t m_pid = -1;
    bool m_reaped = false;
    int m_output = -1;
    Clock::time_point m_started;
};
