// The ray tracer's scene: rounded boxes and bevelled cylinders, each of one
// colour and material, standing on the table (the plane y = 0).
#pragma once

#include "Vec.h"

#include <vector>

namespace drawart {

enum class Mat { Plastic, Metal, Glass, Rubber, Glow };

struct Prim
{
    bool cylinder = false; // cylinders run along their local x axis
    V3 c;
    M3 R;
    V3 h; // box: half extents; cylinder: (half length, radius, -)
    V3 col;
    Mat mat = Mat::Plastic;
    double bevel = 0.1;
    V3 bmin, bmax; // loose world bounds
};

// An sRGB colour 0xRRGGBB in linear light.
V3 srgb(int rgb);

struct Scene
{
    std::vector<Prim> prims;
    V3 bmin{1e9, 1e9, 1e9}, bmax{-1e9, -1e9, -1e9};

    // box with full size `size` centred at `c` in frame `f`
    void box(const Frame &f, V3 c, V3 size, V3 col, Mat mat = Mat::Plastic, double bevel = 0.12);
    // cylinder of `radius` and full `length` whose axis is `axis` (0=x,1=y,2=z) in frame `f`
    void cyl(const Frame &f, V3 c, int axis, double radius, double length, V3 col, Mat mat, double bevel = 0.06);

private:
    void finishPrim(Prim &pr);
};

// Whether the ray from o (inv: 1 / its direction) meets the box bmin..bmax before tmax.
bool aabbHit(V3 o, V3 inv, V3 bmin, V3 bmax, double tmax);

// Where the ray ro + t rd first meets `pr` with t below tmax: tOut, and the
// bevelled surface's normal in *nOut unless nOut is null.
bool hitPrim(const Prim &pr, V3 ro, V3 rd, double tmax, double &tOut, V3 *nOut);

} // namespace drawart
