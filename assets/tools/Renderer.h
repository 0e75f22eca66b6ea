// The ray tracer's renderer: a toy on a table in front of a studio backdrop,
// lit by a soft key light, a fill light and the sky, with ambient occlusion,
// one bounce of reflection, a vignette and a little film grain.
#pragma once

#include "Scene.h"

#include <QImage>

#include <cstdint>

namespace drawart {

struct Camera
{
    V3 eye, target;
    double vfovDeg;
};

// Renders `scene` at width x height pixels, each from samples x samples
// stratified rays; `seed` fixes every random choice.
QImage renderScene(const Scene &scene, const Camera &cam, int width, int height, int samples, uint64_t seed);

} // namespace drawart
