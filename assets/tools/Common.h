// What every part of drawart shares: pi and the one random number generator
// (seeded, so that every picture comes out the same from run to run).
#pragma once

#include <cstdint>

namespace drawart {

constexpr double kPi = 3.14159265358979323846;

// xorshift64: a fixed seed gives a fixed sequence on every machine.
struct Rng
{
    uint64_t s;
    explicit Rng(uint64_t seed) : s(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
    uint32_t next()
    {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return uint32_t(s >> 11);
    }
    double uni() { return (next() & 0xFFFFFF) / double(0x1000000); }
    double range(double a, double b) { return a + (b - a) * uni(); }
};

} // namespace drawart
