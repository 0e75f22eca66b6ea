#include "Instructions.h"

#include <cstdlib>
#include <string>
#include <thread>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Qt's xcb platform maps a window through xcb_map_window (QXcbWindow::show),
// and a widget's painted frame leaves through QBackingStore::flush: the same
// calls in the game and in the reference windows. Callgrind dumps its counts
// since the previous dump before the one and after the other, each time.
const std::string kMapCall = "xcb_map_window";
const std::string kFrameCall = "QBackingStore::flush";

struct Dump
{
    std::string trigger;
    uint64_t instructions = 0;
};

// A dump once callgrind has written it whole: its last line holds the totals.
std::optional<Dump> readDump(const fs::path &file)
{
    const std::string text = readFile(file);
    if (text.size() < 2 || text.back() != '\n')
        return std::nullopt;
    const size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
    if (text.compare(lastLine, 8, "totals: ") != 0)
        return std::nullopt;
    const size_t trigger = text.find("\ndesc: Trigger: ");
    if (trigger == std::string::npos)
        return std::nullopt;
    return Dump{text.substr(trigger, text.find('\n', trigger + 1) - trigger),
                std::strtoull(text.c_str() + lastLine + 8, nullptr, 10)};
}

// Adds the dumps up in order until the first map and the first frame are in.
std::optional<Instructions> collect(Child &child, const fs::path &dumps)
{
    const std::string prefix = (dumps / ("out." + std::to_string(child.pid()) + ".")).string();
    Instructions counts;
    uint64_t sum = 0;
    for (int next = 1; Clock::now() < child.started() + 300s;) {
        const auto dump = readDump(prefix + std::to_string(next));
        if (!dump && child.exited())
            return std::nullopt;
        if (!dump) {
            std::this_thread::sleep_for(20ms);
            continue;
        }
        ++next;
        sum += dump->instructions;
        if (!counts.toMap && dump->trigger.find(kMapCall) != std::string::npos)
            counts.toMap = sum;
        if (!counts.toFrame && dump->trigger.find(kFrameCall) != std::string::npos)
            counts.toFrame = sum;
        if (counts.toMap && counts.toFrame)
            return counts;
    }
    return std::nullopt;
}

} // namespace

std::optional<Instructions> countInstructions(const fs::path &program, const Environment &environment)
{
    char folder[] = "/tmp/lvtriv-callgrind-XXXXXX";
    if (!mkdtemp(folder))
        return std::nullopt;
    const fs::path dumps = folder;
    std::optional<Instructions> counts;
    {
        Child child({"valgrind", "--tool=callgrind", "--callgrind-out-file=" + (dumps / "out.%p").string(),
                     "--dump-before=" + kMapCall, "--dump-after=" + kFrameCall + "*", program.string()},
                    environment);
        counts = collect(child, dumps);
    }
    fs::remove_all(dumps);
    return counts;
}
