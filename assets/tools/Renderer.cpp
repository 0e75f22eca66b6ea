#include "Renderer.h"

#include "Common.h"

#include <algorithm>
#include <cmath>

namespace drawart {

namespace {

struct Hit
{
    double t = 1e30;
    V3 n;
    const Prim *prim = nullptr;
    bool floor = false;
};

struct Tracer
{
    const Scene &scene;
    V3 keyPos{-11, 19, 15};
    double keySize = 7.5;
    V3 fillDir = norm(V3{9, 5, 7});
    V3 target;
    Rng rng{1};

    explicit Tracer(const Scene &s) : scene(s) {}

    V3 backdrop(V3 rd) const
    {
        const double t = std::clamp(rd.y * 2.2 + 0.45, 0.0, 1.0);
        return mix(srgb(0xe6e1d9), srgb(0x9aa4b4), std::pow(t, 0.9));
    }

    bool trace(V3 ro, V3 rd, Hit &hit, bool withFloor = true) const
    {
        const V3 inv{1.0 / (rd.x != 0 ? rd.x : 1e-12), 1.0 / (rd.y != 0 ? rd.y : 1e-12),
                     1.0 / (rd.z != 0 ? rd.z : 1e-12)};
        if (withFloor && rd.y < -1e-9) {
            const double t = -ro.y / rd.y;
            if (t > 1e-5 && t < hit.t) {
                hit.t = t;
                hit.n = {0, 1, 0};
                hit.floor = true;
                hit.prim = nullptr;
            }
        }
        if (aabbHit(ro, inv, scene.bmin, scene.bmax, hit.t)) {
            for (const Prim &pr : scene.prims) {
                if (!aabbHit(ro, inv, pr.bmin, pr.bmax, hit.t))
                    continue;
                double t;
                V3 n;
                if (hitPrim(pr, ro, rd, hit.t, t, &n)) {
                    hit.t = t;
                    hit.n = n;
                    hit.prim = &pr;
                    hit.floor = false;
                }
            }
        }
        return hit.t < 1e29;
    }

    bool occluded(V3 ro, V3 rd, double maxT) const
    {
        const V3 inv{1.0 / (rd.x != 0 ? rd.x : 1e-12), 1.0 / (rd.y != 0 ? rd.y : 1e-12),
                     1.0 / (rd.z != 0 ? rd.z : 1e-12)};
        if (!aabbHit(ro, inv, scene.bmin, scene.bmax, maxT))
            return false;
        for (const Prim &pr : scene.prims) {
            if (!aabbHit(ro, inv, pr.bmin, pr.bmax, maxT))
                continue;
            double t;
            if (hitPrim(pr, ro, rd, maxT, t, nullptr))
                return true;
        }
        return false;
    }

    V3 shade(V3 ro, V3 rd, int depth, int shadowN, int aoN)
    {
        Hit hit;
        if (!trace(ro, rd, hit))
            return backdrop(rd);
        const V3 P = ro + rd * hit.t;
        V3 N = hit.n;
        if (dot(N, rd) > 0)
            N = -N;
        const V3 Pn = P + N * 1e-4;

        V3 base;
        Mat mat;
        if (hit.floor) {
            base = srgb(0xd9d2c7);
            mat = Mat::Plastic;
        } else {
            base = hit.prim->col;
            mat = hit.prim->mat;
        }

        // key light (soft shadows from a square area light)
        double keyDiffuse = 0, keySpec = 0;
        const double shin = mat == Mat::Metal ? 60 : (mat == Mat::Glass ? 120 : (mat == Mat::Rubber ? 12 : 38));
        for (int i = 0; i < shadowN; ++i) {
            // stratified over a grid on the light's square
            const int gs = shadowN >= 4 ? 2 : 1;
            const double su = ((i % gs) + rng.uni()) / gs, sv = (((i / gs) % gs) + rng.uni()) / gs;
            const V3 lp = keyPos + V3{(su - 0.5) * keySize, (rng.uni() - 0.5) * keySize * 0.5, (sv - 0.5) * keySize};
            const V3 L = norm(lp - P);
            const double ndl = dot(N, L);
            if (ndl <= 0)
                continue;
            if (occluded(Pn, L, len(lp - P)))
                continue;
            keyDiffuse += ndl;
            const V3 H = norm(L - rd);
            keySpec += std::pow(std::max(0.0, dot(N, H)), shin);
        }
        keyDiffuse /= shadowN;
        keySpec /= shadowN;

        // ambient occlusion
        double ao = 1.0;
        if (aoN > 0) {
            V3 T = std::fabs(N.x) > 0.6 ? V3{0, 1, 0} : V3{1, 0, 0};
            T = norm(cross(T, N));
            const V3 B = cross(N, T);
            int open = 0;
            for (int i = 0; i < aoN; ++i) {
                const int gs = aoN >= 4 ? 2 : 1;
                const double r1 = ((i % gs) + rng.uni()) / gs, r2 = (((i / gs) % gs) + rng.uni()) / gs;
                const double phi = 2 * kPi * r1, sr = std::sqrt(r2);
                const V3 dir = T * (std::cos(phi) * sr) + B * (std::sin(phi) * sr) + N * std::sqrt(1 - r2);
                if (!occluded(Pn, dir, 3.2))
                    ++open;
            }
            ao = double(open) / aoN;
        }

        const double fill = std::max(0.0, dot(N, fillDir)) * 0.32;
        const double sky = (0.55 + 0.45 * N.y) * 0.42 * ao;
        const double keyI = 2.1;
        V3 col;
        if (mat == Mat::Glow) {
            col = base * (1.1 + 0.4 * keyDiffuse) + V3{1, 1, 1} * (keySpec * 0.6);
        } else {
            const double specStr =
                mat == Mat::Metal ? 1.3 : (mat == Mat::Glass ? 1.6 : (mat == Mat::Rubber ? 0.08 : 0.55));
            col = base * (keyDiffuse * keyI + fill + sky) + V3{1, 1, 1} * (keySpec * specStr * keyI);
        }

        // reflections
        const double cosi = std::max(0.0, -dot(rd, N));
        double refl = 0;
        if (mat == Mat::Metal)
            refl = 0.45;
        else if (mat == Mat::Glass)
            refl = 0.15 + 0.6 * std::pow(1 - cosi, 4);
        else if (mat == Mat::Plastic)
            refl = (hit.floor ? 0.05 : 0.04) + 0.25 * std::pow(1 - cosi, 5);
        if (refl > 0.001) {
            const V3 R = rd - N * (2 * dot(rd, N));
            V3 rc;
            if (depth < 1) {
                rc = shade(Pn, R, depth + 1, 1, 0);
            } else {
                rc = backdrop(R);
            }
            if (mat == Mat::Metal)
                rc = mulc(rc, base * 1.1);
            col = col * (1 - refl * 0.5) + rc * refl;
        }

        if (hit.floor) {
            // the table fades into the backdrop with distance
            const double dist = std::hypot(P.x - target.x, P.z - target.z);
            const double f = std::clamp((dist - 10.0) / 38.0, 0.0, 1.0);
            col = mix(col, backdrop(rd), f * f * (3 - 2 * f));
        }
        return col;
    }
};

} // namespace

QImage renderScene(const Scene &scene, const Camera &cam, int W, int H, int spp, uint64_t seed)
{
    Tracer tr(scene);
    tr.rng = Rng(seed);
    tr.target = cam.target;
    const V3 fwd = norm(cam.target - cam.eye);
    const V3 right = norm(cross(fwd, V3{0, 1, 0}));
    const V3 up = cross(right, fwd);
    const double th = std::tan(cam.vfovDeg * 0.5 * kPi / 180.0);
    const double aspect = double(W) / H;
    QImage img(W, H, QImage::Format_RGB32);
    Rng grain(seed * 7 + 3);
    for (int y = 0; y < H; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < W; ++x) {
            V3 acc;
            for (int sy = 0; sy < spp; ++sy)
                for (int sx = 0; sx < spp; ++sx) {
                    const double jx = (sx + tr.rng.uni()) / spp, jy = (sy + tr.rng.uni()) / spp;
                    const double u = (2 * (x + jx) / W - 1) * th * aspect;
                    const double v = (1 - 2 * (y + jy) / H) * th;
                    const V3 rd = norm(fwd + right * u + up * v);
                    acc = acc + tr.shade(cam.eye, rd, 0, 4, 4);
                }
            acc = acc * (1.0 / (spp * spp));
            // vignette, tone mapping, gamma, grain
            const double nx = (x + 0.5) / W - 0.5, ny = (y + 0.5) / H - 0.5;
            const double vig = 1.0 - 0.55 * (nx * nx + ny * ny);
            auto tone = [&](double c) {
                c *= vig * 1.05;
                c = c / (1 + c * 0.18);
                return std::pow(std::max(0.0, c), 1 / 2.2) * 255.0;
            };
            const double g = (grain.uni() - 0.5) * 5.0;
            auto to8 = [&](double c) { return std::clamp(int(std::lround(c + g)), 0, 255); };
            line[x] = qRgb(to8(tone(acc.x)), to8(tone(acc.y) - 1), to8(tone(acc.z) - 3));
        }
    }
    return img;
}

} // namespace drawart
