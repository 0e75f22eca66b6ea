#include "Scene.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace drawart {

V3 srgb(int rgb)
{
    auto lin = [](int v) { return std::pow(v / 255.0, 2.2); };
    return {lin((rgb >> 16) & 255), lin((rgb >> 8) & 255), lin(rgb & 255)};
}

void Scene::finishPrim(Prim &pr)
{
    const double ext = len(pr.cylinder ? V3{pr.h.x, pr.h.y, pr.h.y} : pr.h);
    pr.bmin = pr.c - V3{ext, ext, ext};
    pr.bmax = pr.c + V3{ext, ext, ext};
    bmin = {std::min(bmin.x, pr.bmin.x), std::min(bmin.y, pr.bmin.y), std::min(bmin.z, pr.bmin.z)};
    bmax = {std::max(bmax.x, pr.bmax.x), std::max(bmax.y, pr.bmax.y), std::max(bmax.z, pr.bmax.z)};
    prims.push_back(pr);
}

void Scene::box(const Frame &f, V3 c, V3 size, V3 col, Mat mat, double bevel)
{
    Prim pr;
    pr.c = f.apply(c);
    pr.R = f.R;
    pr.h = size * 0.5;
    pr.col = col;
    pr.mat = mat;
    pr.bevel = bevel;
    finishPrim(pr);
}

void Scene::cyl(const Frame &f, V3 c, int axis, double radius, double length, V3 col, Mat mat, double bevel)
{
    Prim pr;
    pr.cylinder = true;
    pr.c = f.apply(c);
    M3 local = axis == 0 ? M3{} : (axis == 1 ? rotZ(90) : rotY(90));
    pr.R = f.R * local;
    pr.h = {length * 0.5, radius, radius};
    pr.col = col;
    pr.mat = mat;
    pr.bevel = bevel;
    finishPrim(pr);
}

namespace {

// Narrows the ray's span [t0, t1] to where it lies between the two planes it
// meets at a and b; false once the span is empty.
bool narrowToSlab(double a, double b, double &t0, double &t1)
{
    if (a > b)
        std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
    return t0 <= t1;
}

} // namespace

bool aabbHit(V3 o, V3 inv, V3 bmin, V3 bmax, double tmax)
{
    double t0 = 0, t1 = tmax;
    const double os[3] = {o.x, o.y, o.z}, is[3] = {inv.x, inv.y, inv.z};
    const double mn[3] = {bmin.x, bmin.y, bmin.z}, mx[3] = {bmax.x, bmax.y, bmax.z};
    for (int i = 0; i < 3; ++i) {
        if (!narrowToSlab((mn[i] - os[i]) * is[i], (mx[i] - os[i]) * is[i], t0, t1))
            return false;
    }
    return true;
}

bool hitPrim(const Prim &pr, V3 ro, V3 rd, double tmax, double &tOut, V3 *nOut)
{
    const V3 o = tmul(pr.R, ro - pr.c);
    const V3 d = tmul(pr.R, rd);
    const double eps = 1e-5;
    if (!pr.cylinder) {
        double t0 = -1e30, t1 = 1e30;
        const double os[3] = {o.x, o.y, o.z}, ds[3] = {d.x, d.y, d.z}, hs[3] = {pr.h.x, pr.h.y, pr.h.z};
        for (int i = 0; i < 3; ++i) {
            if (std::fabs(ds[i]) < 1e-12) {
                if (std::fabs(os[i]) > hs[i])
                    return false;
                continue;
            }
            if (!narrowToSlab((-hs[i] - os[i]) / ds[i], (hs[i] - os[i]) / ds[i], t0, t1))
                return false;
        }
        if (t0 < eps || t0 > tmax)
            return false;
        tOut = t0;
        if (nOut) {
            const V3 p = o + d * t0;
            const double b = std::min({pr.bevel, pr.h.x * 0.9, pr.h.y * 0.9, pr.h.z * 0.9});
            auto comp = [&](double pv, double hv) {
                const double q = std::fabs(pv) - (hv - b);
                return q > 0 ? (pv > 0 ? q : -q) : 0.0;
            };
            V3 nl{comp(p.x, pr.h.x), comp(p.y, pr.h.y), comp(p.z, pr.h.z)};
            if (len(nl) < 1e-9) {
                const double ax = std::fabs(p.x) / pr.h.x, ay = std::fabs(p.y) / pr.h.y, az = std::fabs(p.z) / pr.h.z;
                nl = ax > ay && ax > az ? V3{p.x > 0 ? 1.0 : -1.0, 0, 0}
                                        : (ay > az ? V3{0, p.y > 0 ? 1.0 : -1.0, 0} : V3{0, 0, p.z > 0 ? 1.0 : -1.0});
            }
            *nOut = norm(pr.R * nl);
        }
        return true;
    }
    // cylinder along local x
    const double L = pr.h.x, r = pr.h.y;
    double best = 1e30;
    V3 bn;
    const double a = d.y * d.y + d.z * d.z;
    if (a > 1e-12) {
        const double b = 2 * (o.y * d.y + o.z * d.z);
        const double c = o.y * o.y + o.z * o.z - r * r;
        const double disc = b * b - 4 * a * c;
        if (disc >= 0) {
            const double t = (-b - std::sqrt(disc)) / (2 * a);
            if (t > eps && t < tmax) {
                const double px = o.x + d.x * t;
                if (std::fabs(px) <= L) {
                    best = t;
                    const double e = std::max(0.0, std::fabs(px) - (L - pr.bevel)) / std::max(pr.bevel, 1e-6);
                    const double py = o.y + d.y * t, pz = o.z + d.z * t;
                    bn = norm(V3{(px > 0 ? 1 : -1) * e * 0.9, py / r, pz / r});
                }
            }
        }
    }
    if (std::fabs(d.x) > 1e-12) {
        for (int sgn = -1; sgn <= 1; sgn += 2) {
            const double t = (sgn * L - o.x) / d.x;
            if (t > eps && t < best && t < tmax) {
                const double py = o.y + d.y * t, pz = o.z + d.z * t;
                const double rho = std::sqrt(py * py + pz * pz);
                if (rho <= r) {
                    best = t;
                    const double e = std::max(0.0, rho - (r - pr.bevel)) / std::max(pr.bevel, 1e-6);
                    const V3 radial = rho > 1e-9 ? V3{0, py / rho, pz / rho} : V3{};
                    bn = norm(V3{double(sgn), 0, 0} + radial * (e * 0.9));
                }
            }
        }
    }
    if (best >= 1e30)
        return false;
    tOut = best;
    if (nOut)
        *nOut = norm(pr.R * bn);
    return true;
}

} // namespace drawart
