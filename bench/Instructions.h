// Instructions a program executes from its exec to its first window's map
// request and to its first painted frame, counted by valgrind's callgrind.
// Unlike times they hardly move with the load of the machine.
#pragma once

#include "Child.h"

#include <cstdint>
#include <filesystem>
#include <optional>

struct Instructions
{
    uint64_t toMap = 0;
    uint64_t toFrame = 0;
};

// Runs `program` under callgrind with `environment` (the bench's Xvfb), and
// stops it once both counts are in; nothing when it failed or took over two
// minutes.
std::optional<Instructions> countInstructions(const std::filesystem::path &program, const Environment &environment);
