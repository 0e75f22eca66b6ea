// The vector maths of the ray tracer: points and directions (V3), rotations
// (M3, columns are the local axes in world space) and placed frames.
#pragma once

#include "Common.h"

#include <cmath>

namespace drawart {

struct V3
{
    double x = 0, y = 0, z = 0;
};
inline V3 operator+(V3 a, V3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline V3 operator-(V3 a, V3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline V3 operator-(V3 a)
{
    return {-a.x, -a.y, -a.z};
}
inline V3 operator*(V3 a, double s)
{
    return {a.x * s, a.y * s, a.z * s};
}
inline V3 mulc(V3 a, V3 b)
{
    return {a.x * b.x, a.y * b.y, a.z * b.z};
}
inline double dot(V3 a, V3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline V3 cross(V3 a, V3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double len(V3 a)
{
    return std::sqrt(dot(a, a));
}
inline V3 norm(V3 a)
{
    const double l = len(a);
    return l > 0 ? a * (1.0 / l) : V3{0, 1, 0};
}
inline V3 mix(V3 a, V3 b, double t)
{
    return a * (1 - t) + b * t;
}

struct M3
{
    V3 c0{1, 0, 0}, c1{0, 1, 0}, c2{0, 0, 1}; // local axes expressed in world space
};
inline V3 operator*(const M3 &m, V3 v)
{
    return m.c0 * v.x + m.c1 * v.y + m.c2 * v.z;
}
inline V3 tmul(const M3 &m, V3 v)
{
    return {dot(m.c0, v), dot(m.c1, v), dot(m.c2, v)};
}
inline M3 operator*(const M3 &a, const M3 &b)
{
    return {a * b.c0, a * b.c1, a * b.c2};
}
inline M3 rotX(double deg)
{
    const double a = deg * kPi / 180, c = std::cos(a), s = std::sin(a);
    return {{1, 0, 0}, {0, c, s}, {0, -s, c}};
}
inline M3 rotY(double deg)
{
    const double a = deg * kPi / 180, c = std::cos(a), s = std::sin(a);
    return {{c, 0, -s}, {0, 1, 0}, {s, 0, c}};
}
inline M3 rotZ(double deg)
{
    const double a = deg * kPi / 180, c = std::cos(a), s = std::sin(a);
    return {{c, s, 0}, {-s, c, 0}, {0, 0, 1}};
}

struct Frame
{
    M3 R;
    V3 t;
    V3 apply(V3 p) const { return R * p + t; }
    Frame then(const Frame &child) const { return {R * child.R, R * child.t + t}; }
};
inline Frame translate(V3 t)
{
    return {M3{}, t};
}
inline Frame rotate(const M3 &r)
{
    return {r, {}};
}

} // namespace drawart
