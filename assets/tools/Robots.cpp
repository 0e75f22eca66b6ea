// The animation prize's frames: a toy truck robot, red, blue and grey, built
// from the ray tracer's boxes and cylinders and "photographed" on a table in
// four poses (standing, as a truck, waving, from close by).

#include "Pictures.h"
#include "Renderer.h"

namespace drawart {

namespace {

const V3 kRed = srgb(0xc4222b);
const V3 kBlue = srgb(0x1f4fb4);
const V3 kGrey = srgb(0x9ba2ab);
const V3 kDark = srgb(0x454b54);
const V3 kChrome = srgb(0xd2d6dc);
const V3 kGlass = srgb(0x3d8fd6);
const V3 kTire = srgb(0x1c1c1f);
const V3 kVisor = srgb(0x6fe6ff);
const V3 kLamp = srgb(0xffd24a);

// A wheel on the axis x through c: tyre, chrome hub and axle cap; `side`
// (-1 or 1) is the side of the toy it is on.
void wheel(Scene &s, const Frame &f, V3 c, double radius, double width, double side)
{
    s.cyl(f, c, 0, radius, width, kTire, Mat::Rubber, 0.12);
    s.cyl(f, c + V3{side * 0.03, 0, 0}, 0, radius * 0.58, width + 0.04, kChrome, Mat::Metal, 0.05);
    s.cyl(f, c + V3{side * 0.05, 0, 0}, 0, radius * 0.2, width + 0.08, kDark, Mat::Metal, 0.03);
}

// --- the toy: a red/blue/grey truck robot -----------------------------
struct Pose
{
    double rightArmRaise = 8; // degrees, sideways
    double rightArmForward = 0;
    double leftArmRaise = 8;
    double leftArmForward = 0;
    double headTurn = 0;
};

void buildRobot(Scene &s, const Frame &root, const Pose &pose)
{
    for (int side = -1; side <= 1; side += 2) {
        const double sd = side;
        const double x0 = sd * 0.95;
        // leg
        s.box(root, {x0, 0.35, 0.25}, {1.35, 0.7, 2.2}, kDark, Mat::Plastic, 0.12);
        s.box(root, {x0, 2.0, 0}, {1.4, 2.6, 1.55}, kBlue, Mat::Plastic, 0.16);
        s.box(root, {x0, 2.25, 0.8}, {0.95, 1.6, 0.1}, kGrey, Mat::Plastic, 0.04);
        s.box(root, {x0, 1.7, 0.86}, {0.7, 0.12, 0.05}, kDark, Mat::Plastic, 0.02);
        s.box(root, {x0, 2.05, 0.86}, {0.7, 0.12, 0.05}, kDark, Mat::Plastic, 0.02);
        wheel(s, root, {x0 + sd * 0.86, 1.25, -0.15}, 0.58, 0.36, sd);
        s.box(root, {x0, 3.5, 0.1}, {1.05, 0.55, 1.15}, kGrey, Mat::Plastic, 0.14);
        s.box(root, {x0, 4.4, 0}, {0.85, 1.45, 0.9}, kGrey, Mat::Plastic, 0.1);
        s.box(root, {x0 + sd * 0.3, 4.4, 0}, {0.3, 1.0, 0.7}, kDark, Mat::Plastic, 0.06);

        // shoulder and exhaust stack
        s.box(root, {sd * 2.38, 8.55, 0}, {1.15, 1.1, 1.55}, kRed, Mat::Plastic, 0.18);
        s.cyl(root, {sd * 1.25, 9.35, -0.75}, 1, 0.2, 2.6, kChrome, Mat::Metal, 0.05);
        s.cyl(root, {sd * 1.25, 10.62, -0.75}, 1, 0.24, 0.12, kDark, Mat::Metal, 0.03);

        // arm, rotating about the shoulder
        const double raise = side > 0 ? pose.rightArmRaise : pose.leftArmRaise;
        const double fwd = side > 0 ? pose.rightArmForward : pose.leftArmForward;
        const Frame arm = root.then(translate({sd * 2.45, 8.55, 0})).then(rotate(rotX(-fwd) * rotZ(sd * raise)));
        s.box(arm, {0, -1.1, 0}, {0.7, 1.4, 0.75}, kGrey, Mat::Plastic, 0.1);
        s.box(arm, {0, -1.9, 0}, {0.85, 0.35, 0.85}, kDark, Mat::Plastic, 0.08);
        s.box(arm, {0, -2.85, 0}, {1.0, 1.7, 1.05}, kRed, Mat::Plastic, 0.15);
        s.box(arm, {sd * 0.52, -2.75, 0}, {0.06, 1.1, 0.6}, kGrey, Mat::Plastic, 0.02);
        s.box(arm, {0, -3.82, 0}, {1.06, 0.3, 1.1}, kBlue, Mat::Plastic, 0.06);
        s.box(arm, {0, -4.3, 0.05}, {0.8, 0.75, 0.85}, kDark, Mat::Plastic, 0.16);
    }
    // hips and waist
    s.box(root, {0, 5.5, 0}, {2.8, 0.95, 1.55}, kBlue, Mat::Plastic, 0.16);
    s.box(root, {0, 5.5, 0.8}, {0.9, 0.55, 0.1}, kGrey, Mat::Plastic, 0.05);
    // abdomen with a chrome grille
    s.box(root, {0, 6.45, -0.05}, {2.2, 1.0, 1.3}, kDark, Mat::Plastic, 0.08);
    s.box(root, {0, 6.45, 0.6}, {2.0, 0.85, 0.1}, kChrome, Mat::Metal, 0.04);
    for (int i = 0; i < 4; ++i)
        s.box(root, {0, 6.16 + i * 0.19, 0.67}, {1.9, 0.07, 0.05}, kDark, Mat::Plastic, 0.02);
    // chest = truck cab: one wide windscreen, side windows, lamps
    s.box(root, {0, 8.1, 0}, {3.6, 2.25, 1.95}, kRed, Mat::Plastic, 0.22);
    s.box(root, {0, 8.55, 0.97}, {2.9, 0.78, 0.08}, kGlass, Mat::Glass, 0.06);
    s.box(root, {0, 8.55, 1.0}, {0.12, 0.8, 0.05}, kRed, Mat::Plastic, 0.02);
    for (int side = -1; side <= 1; side += 2) {
        s.box(root, {side * 1.81, 8.55, 0.35}, {0.08, 0.7, 0.9}, kGlass, Mat::Glass, 0.04);
        s.box(root, {side * 1.3, 7.45, 0.98}, {0.6, 0.26, 0.06}, kLamp, Mat::Glow, 0.04);
    }
    s.box(root, {0, 7.45, 0.99}, {1.3, 0.5, 0.06}, kGrey, Mat::Metal, 0.05);
    for (int i = 0; i < 3; ++i)
        s.box(root, {0, 7.32 + i * 0.13, 1.03}, {1.2, 0.05, 0.03}, kDark, Mat::Plastic, 0.01);
    // neck and head: rounded helmet, wide visor, forward crest, ear discs
    s.box(root, {0, 9.38, 0}, {0.75, 0.4, 0.75}, kDark, Mat::Plastic, 0.06);
    const Frame head = root.then(translate({0, 9.5, 0})).then(rotate(rotY(pose.headTurn)));
    s.box(head, {0, 0.7, -0.05}, {1.5, 1.35, 1.3}, kBlue, Mat::Plastic, 0.34);
    s.box(head, {0, 0.5, 0.55}, {1.05, 0.85, 0.3}, kGrey, Mat::Plastic, 0.14);
    s.box(head, {0, 0.72, 0.71}, {1.0, 0.28, 0.06}, kVisor, Mat::Glow, 0.05);
    s.box(head, {0, 1.05, 0.68}, {1.25, 0.16, 0.14}, kBlue, Mat::Plastic, 0.05);
    s.box(head, {0, 1.42, 0.28}, {0.28, 0.42, 0.95}, kRed, Mat::Plastic, 0.1);
    for (int side = -1; side <= 1; side += 2)
        s.cyl(head, {side * 0.8, 0.7, -0.05}, 0, 0.38, 0.16, kGrey, Mat::Metal, 0.04);
}

// vehicle mode: a cab-over truck, front towards +z
void buildTruck(Scene &s, const Frame &root)
{
    s.box(root, {0, 0.95, -0.4}, {2.5, 0.5, 8.6}, kDark, Mat::Plastic, 0.08);
    // cab
    s.box(root, {0, 2.5, 3.3}, {3.5, 2.5, 2.6}, kRed, Mat::Plastic, 0.24);
    for (int side = -1; side <= 1; side += 2) {
        const double sd = side;
        s.box(root, {sd * 1.76, 3.2, 3.7}, {0.08, 0.8, 1.2}, kGlass, Mat::Glass, 0.05);
        s.box(root, {sd * 1.32, 1.85, 4.62}, {0.6, 0.26, 0.06}, kLamp, Mat::Glow, 0.04);
        s.cyl(root, {sd * 1.42, 3.4, 1.75}, 1, 0.2, 3.0, kChrome, Mat::Metal, 0.05);
        s.cyl(root, {sd * 1.42, 4.95, 1.75}, 1, 0.24, 0.12, kDark, Mat::Metal, 0.03);
        // folded legs form the trailer body
        s.box(root, {sd * 0.76, 2.05, -1.7}, {1.45, 1.55, 5.6}, kBlue, Mat::Plastic, 0.16);
        s.box(root, {sd * 0.76, 2.86, -1.2}, {0.95, 0.1, 3.0}, kGrey, Mat::Plastic, 0.04);
        // wheels
        wheel(s, root, {sd * 1.5, 0.72, 3.3}, 0.72, 0.5, sd);
        wheel(s, root, {sd * 1.5, 0.72, -2.0}, 0.72, 0.5, sd);
        wheel(s, root, {sd * 1.5, 0.72, -3.6}, 0.72, 0.5, sd);
        // front fender
        s.box(root, {sd * 1.5, 1.55, 3.3}, {0.56, 0.14, 1.75}, kDark, Mat::Plastic, 0.05);
    }
    s.box(root, {0, 3.2, 4.61}, {2.9, 0.85, 0.08}, kGlass, Mat::Glass, 0.06);
    s.box(root, {0, 3.2, 4.64}, {0.12, 0.87, 0.05}, kRed, Mat::Plastic, 0.02);
    s.box(root, {0, 1.9, 4.62}, {1.9, 0.8, 0.1}, kChrome, Mat::Metal, 0.04);
    for (int i = 0; i < 4; ++i)
        s.box(root, {0, 1.63 + i * 0.18, 4.68}, {1.8, 0.07, 0.05}, kDark, Mat::Plastic, 0.02);
    s.box(root, {0, 1.12, 4.75}, {3.5, 0.42, 0.4}, kGrey, Mat::Metal, 0.1);
    // roof marker lights and the robot's fists tucked at the back
    for (int i = -1; i <= 1; ++i)
        s.box(root, {i * 0.5, 3.8, 4.2}, {0.3, 0.1, 0.16}, kLamp, Mat::Glow, 0.03);
    s.box(root, {0, 1.9, -4.6}, {2.6, 0.9, 0.3}, kRed, Mat::Plastic, 0.1);
    for (int side = -1; side <= 1; side += 2)
        s.box(root, {side * 0.9, 1.9, -4.78}, {0.5, 0.3, 0.06}, srgb(0xe0302a), Mat::Glow, 0.03);
}

// One frame of w x h (1x units) at the canvas's scale. Each pixel is
// samples x samples stratified rays: above 1x a pixel is a quarter of the
// area or less, so 3 x 3 still gives more samples per 1x pixel than 5 x 5
// at 1x, at about a third of the time 5 x 5 would take.
void photograph(Canvas &canvas, const Scene &scene, const Camera &cam, int w, int h, uint64_t seed, const QString &name)
{
    const int samples = canvas.scale() > 1 ? 3 : 5;
    canvas.saveJpg(renderScene(scene, cam, w * canvas.scale(), h * canvas.scale(), samples, seed), name);
}

} // namespace

void drawRobotFrames(Canvas &canvas)
{
    {
        Scene s;
        buildRobot(s, Frame{rotY(-4), {0, 0, 0}}, Pose{});
        const Camera cam{{1.5, 6.8, 40}, {0, 5.7, 0}, 19.0};
        photograph(canvas, s, cam, 300, 231, 1, QStringLiteral("robot-1.jpg"));
    }
    {
        Scene s;
        buildTruck(s, Frame{rotY(0), {0, 0, 0.2}});
        const Camera cam{{12.5, 7.5, 19}, {0.2, 1.9, -0.2}, 22};
        photograph(canvas, s, cam, 293, 160, 2, QStringLiteral("robot-2.jpg"));
    }
    {
        Scene s;
        Pose pose;
        pose.rightArmRaise = 140;
        pose.rightArmForward = 12;
        pose.leftArmRaise = 14;
        pose.leftArmForward = 10;
        pose.headTurn = 12;
        buildRobot(s, Frame{rotY(-38), {0, 0, 0}}, pose);
        const Camera cam{{4, 7.6, 42}, {0, 6.3, 0}, 21.5};
        photograph(canvas, s, cam, 300, 213, 3, QStringLiteral("robot-3.jpg"));
    }
    {
        Scene s;
        Pose pose;
        pose.headTurn = -8;
        buildRobot(s, Frame{rotY(18), {0, 0, 0}}, pose);
        const Camera cam{{2.5, 11.2, 17}, {0, 9.0, 0}, 22};
        photograph(canvas, s, cam, 300, 232, 4, QStringLiteral("robot-4.jpg"));
    }
}

} // namespace drawart
