// art_characters.cpp: the hero and the two enemies.
//
// The hero is drawn in cells of 200 x 160 pixels, two pixels per world unit of its 100 x 80
// object: the game tests only the middle half of that width, so the body stays in the middle
// and only the scarf and a swinging arm reach further. The pose is built from joint angles,
// and the lower foot always rests on the cell's floor, so the body bobs naturally over the
// run cycle. Enemies are single pictures: the flying one faces right, the ground one faces
// left (the game mirrors it when it first walks right).
#include <algorithm>
#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/painter.h"

namespace
{
constexpr int CellWidth = 200;
constexpr int CellHeight = 160;
constexpr float Outline = 3.0f;
constexpr float Floor = CellHeight - 3.0f; // the lowest outline pixel, clear of the cell's edge

// Joint angles of one pose, radians. Leg and arm angles are measured from straight down,
// positive forwards (towards the way the hero faces, +x).
struct Pose
{
    float frontThigh, frontKnee; // knee bend folds the shin backwards
    float backThigh, backKnee;
    float frontArm, frontElbow; // elbow bend folds the forearm forwards
    float backArm, backElbow;
    float lean;  // torso tilt forwards
    float scarf; // phase of the scarf's wave
};

constexpr float ThighLength = 22, ShinLength = 22, BootHeight = 12;
constexpr float UpperArm = 17, Forearm = 16;

// The boot: a rounded box ahead of the ankle, tipped with the shin.
constexpr Vec BootOffset{5, 2};
constexpr float BootHalfLength = 11, BootHalfHeight = BootHeight * 0.5f;
float FootAngle(float thigh, float knee)
{
    return std::clamp((thigh - knee) * 0.6f, -0.5f, 0.6f);
}

// How far below the hip the lowest point of the leg's outline reaches.
float LegDrop(float thigh, float knee)
{
    float ankle = ThighLength * std::cos(thigh) + ShinLength * std::cos(thigh - knee);
    float lowest = -1e9f;
    for (float x : {-BootHalfLength, BootHalfLength})
        for (float y : {-BootHalfHeight, BootHalfHeight})
            lowest = std::max(lowest, Rotated(BootOffset + Vec{x, y}, -FootAngle(thigh, knee)).y);
    return ankle + lowest + Outline;
}

Rgba Darker(Rgba c)
{
    return Scale(c, 0.72f);
}

void Limb(Canvas& c, Vec a, Vec b, float ra, float rb, Rgba colour, Rgba shade)
{
    Shape s = TaperedCapsule(a, b, ra, rb);
    Box box{std::min(a.x, b.x) - 20, std::min(a.y, b.y) - 20, std::max(a.x, b.x) + 20,
            std::max(a.y, b.y) + 20};
    OutlinedPart(c, s, CelShade(s, colour, shade, 3.5f), box, Outline);
}

void Leg(Canvas& c, Vec hip, float thigh, float knee, bool back)
{
    Rgba pants = Hex(0x4B3B68), boot = Hex(0x6B4232);
    if (back)
    {
        pants = Darker(pants);
        boot = Darker(boot);
    }
    Vec kneeAt = hip + Vec{std::sin(thigh), std::cos(thigh)} * ThighLength;
    Vec ankle = kneeAt + Vec{std::sin(thigh - knee), std::cos(thigh - knee)} * ShinLength;
    Limb(c, hip, kneeAt, 8.5f, 7.0f, pants, Darker(pants));
    Limb(c, kneeAt, ankle, 7.0f, 6.5f, boot, Darker(boot));
    // The boot: a rounded wedge pointing forwards, sole flat to the shin's end.
    Shape foot = Turned(RoundBox(ankle + BootOffset, BootHalfLength, BootHalfHeight, 5), ankle,
                        -FootAngle(thigh, knee));
    OutlinedPart(c, foot, CelShade(foot, boot, Darker(boot), 3), BoxAround(ankle, 26, 22), Outline);
    Shape cuff =
        Turned(RoundBox(kneeAt + Vec{std::sin(thigh - knee), std::cos(thigh - knee)} * 6, 8, 3, 2),
               kneeAt, -(thigh - knee));
    c.Fill(cuff, Mix(boot, Palette::Gold, 0.35f), BoxAround(kneeAt, 20, 20));
}

void Arm(Canvas& c, Vec shoulder, float angle, float elbow, bool back)
{
    Rgba sleeve = Palette::Tunic, skin = Palette::Skin, bracer = Palette::Bronze;
    if (back)
    {
        sleeve = Darker(sleeve);
        skin = Darker(skin);
        bracer = Darker(bracer);
    }
    Vec elbowAt = shoulder + Vec{std::sin(angle), std::cos(angle)} * UpperArm;
    float fore = angle + elbow;
    Vec hand = elbowAt + Vec{std::sin(fore), std::cos(fore)} * Forearm;
    Limb(c, shoulder, elbowAt, 7.0f, 6.0f, sleeve, Darker(sleeve));
    // The hook launcher is strapped to the forearm: bronze, with a teal lens.
    Limb(c, elbowAt, Lerp(elbowAt, hand, 0.78f), 7.0f, 7.5f, bracer, Darker(bracer));
    Vec lens = Lerp(elbowAt, hand, 0.45f);
    c.Fill(Circle(lens, 3.2f), back ? Palette::TealDark : Palette::Teal, BoxAround(lens, 5, 5));
    Shape fist = Circle(hand, 6.0f);
    OutlinedPart(c, fist, CelShade(fist, skin, Darker(skin), 2.5f), BoxAround(hand, 10, 10),
                 Outline);
}

// Draws the hero into cell with its feet on Floor, centred on x.
void PaintHero(Canvas& c, float x, const Pose& pose)
{
    float drop =
        std::max(LegDrop(pose.frontThigh, pose.frontKnee), LegDrop(pose.backThigh, pose.backKnee));
    Vec hip{x - 2, Floor - drop};
    auto lean = [&](Vec p) { return hip + Rotated(p - hip, pose.lean); };
    Vec neck = lean(hip + Vec{2, -40});
    Vec shoulderFront = lean(hip + Vec{4, -34}), shoulderBack = lean(hip + Vec{-4, -35});
    Vec head = lean(hip + Vec{6, -62});

    // Behind the body: the scarf's tail and the cape, both streaming back.
    std::vector<Vec> tail;
    for (int i = 0; i <= 6; i++)
    {
        float t = i / 6.0f;
        tail.push_back(neck +
                       Vec{-6 - 58 * t, 3 + 6 * t + std::sin(pose.scarf + t * 4.5f) * 7 * t});
    }
    Shape scarfTail = Union(Stroke(tail, 11), Circle(tail.back() + Vec{-2, 1}, 6));
    OutlinedPart(c, scarfTail, CelShade(scarfTail, Palette::Scarf, Palette::ScarfDark, 3),
                 BoxAround(neck + Vec{-34, 6}, 50, 26), Outline);
    Vec capeTip = lean(hip + Vec{-30 + std::sin(pose.scarf) * 3, -2 + std::cos(pose.scarf) * 3});
    Shape cape = Polygon({neck + Vec{-4, -2}, shoulderFront + Vec{-4, 4}, lean(hip + Vec{-6, -4}),
                          capeTip, shoulderBack + Vec{-12, 6}});
    OutlinedPart(c, Grow(cape, 2),
                 CelShade(cape, Palette::CloakDark, Darker(Palette::CloakDark), 4),
                 BoxAround(hip + Vec{-10, -20}, 40, 40), Outline);

    Arm(c, shoulderBack, pose.backArm, pose.backElbow, true);
    Leg(c, hip + Vec{-3, 0}, pose.backThigh, pose.backKnee, true);

    // Torso: a tunic narrowing to the belt, with a bronze buckle.
    Shape torso = Grow(Polygon({lean(hip + Vec{-9, -35}), lean(hip + Vec{11, -35}),
                                lean(hip + Vec{10, 2}), lean(hip + Vec{-10, 2})}),
                       3);
    OutlinedPart(c, torso, CelShade(torso, Palette::Tunic, Palette::TunicDark, 5, Hex(0x6A55A0), 2),
                 BoxAround(hip + Vec{0, -16}, 30, 30), Outline);
    Shape belt = Intersect(torso, Turned(RoundBox(hip + Vec{0, -6}, 20, 3.5f, 1), hip, pose.lean));
    c.Fill(belt, Hex(0x6B4232), BoxAround(hip, 24, 16));
    Vec buckle = lean(hip + Vec{7, -6});
    c.Fill(RoundBox(buckle, 3.5f, 4, 1), Palette::Gold, BoxAround(buckle, 6, 6));

    Leg(c, hip + Vec{3, 0}, pose.frontThigh, pose.frontKnee, false);

    // Head: a hood with a point at the back and an opening for the face.
    Shape hood =
        SmoothUnion(Circle(head, 22),
                    Polygon({head + Vec{-8, -20}, head + Vec{-34, -8}, head + Vec{-14, 8}}), 6);
    OutlinedPart(c, hood,
                 CelShade(hood, Palette::Cloak, Palette::CloakDark, 6, Hex(0x7EE0D4), 2.5f),
                 BoxAround(head + Vec{-8, 0}, 40, 32), Outline);
    Shape face = Ellipse(head + Vec{8, 3}, 13, 14);
    c.Fill(Grow(face, 2), Palette::Ink, BoxAround(head + Vec{8, 3}, 18, 19));
    c.Fill(face, CelShade(face, Palette::Skin, Palette::SkinShade, 3.5f),
           BoxAround(head + Vec{8, 3}, 16, 17));
    // Fringe of hair under the hood.
    Shape fringe =
        Intersect(face, Polygon({head + Vec{-8, -12}, head + Vec{24, -12}, head + Vec{20, -5},
                                 head + Vec{12, -7}, head + Vec{6, -2}, head + Vec{0, -6}}));
    c.Fill(fringe, Hex(0x3A2A2E), BoxAround(head, 30, 20));
    Vec eye = head + Vec{13, 2};
    c.Fill(Ellipse(eye, 3.2f, 4.6f), Palette::Ink, BoxAround(eye, 6, 7));
    c.Fill(Circle(eye + Vec{-1, -1.8f}, 1.3f), Hex(0xFFFFFF), BoxAround(eye, 4, 4));
    c.Fill(Ellipse(eye + Vec{-3, 7}, 3.5f, 2), WithAlpha(Hex(0xE8807A), 0.55f),
           BoxAround(eye, 8, 10));
    // The scarf wrapped round the neck, over the hood's lower edge.
    Shape wrap = Turned(RoundBox(neck + Vec{2, -1}, 14, 6, 5), neck, pose.lean);
    OutlinedPart(c, wrap, CelShade(wrap, Palette::Scarf, Palette::ScarfDark, 3),
                 BoxAround(neck, 22, 14), Outline);

    Arm(c, shoulderFront, pose.frontArm, pose.frontElbow, false);
}

// Run frame f of 8. Frame 0 is a planted stride, so it also serves as the standing picture
// the game shows while the hero stops.
Pose RunPose(int f)
{
    float phase = 2 * PI * f / 8.0f + PI / 2;
    float s = std::sin(phase), co = std::cos(phase);
    Pose p{};
    p.frontThigh = 0.62f * s;
    p.backThigh = -0.62f * s;
    // A leg folds while it swings forwards and straightens under the body.
    p.frontKnee = 0.25f + 1.15f * std::max(0.0f, co);
    p.backKnee = 0.25f + 1.15f * std::max(0.0f, -co);
    p.frontArm = -0.75f * s;
    p.backArm = 0.75f * s;
    p.frontElbow = 1.2f;
    p.backElbow = 1.2f;
    p.lean = 0.16f;
    p.scarf = phase * 2;
    return p;
}
} // namespace

Canvas PlayerRunSheet()
{
    Canvas c(CellWidth * 8, CellHeight);
    for (int f = 0; f < 8; f++)
    {
        // Each frame is painted in its own cell canvas so nothing spills into a neighbour.
        Canvas cell(CellWidth, CellHeight);
        PaintHero(cell, CellWidth * 0.5f, RunPose(f));
        c.Draw(cell, float(f * CellWidth), 0);
    }
    return c;
}

Canvas PlayerStill()
{
    Canvas c(CellWidth, CellHeight);
    Pose p{};
    p.frontThigh = 0.12f;
    p.backThigh = -0.1f;
    p.frontKnee = 0.15f;
    p.backKnee = 0.1f;
    p.frontArm = 0.15f;
    p.backArm = -0.2f;
    p.frontElbow = 0.5f;
    p.backElbow = 0.4f;
    p.lean = 0.03f;
    p.scarf = 1.0f;
    PaintHero(c, CellWidth * 0.5f, p);
    return c;
}

namespace
{
// The flying enemy, a one-eyed dusk bat; wing is the wings' beat, -1 (up) to 1 (down).
void PaintDuskwing(Canvas& c, Vec o, float k, float wing)
{
    const float outline = 5 * k;
    Rgba body = Palette::Magenta, shade = Palette::MagentaDark, membrane = Hex(0x8E3580);
    // A bat wing spread to one side (dir +1 right, -1 left): an arm bone to the wrist, three
    // finger bones, and the membrane scalloped between the finger tips.
    auto paintWing = [&](Vec shoulder, float dir)
    {
        float lift = wing * 0.55f * dir;
        auto at = [&](Vec from, Vec offset) {
            return from + Rotated(Vec{offset.x * dir, offset.y} * k, lift);
        };
        Vec wrist = at(shoulder, {46, -44});
        Vec tips[3] = {at(wrist, {58, -14}), at(wrist, {48, 30}), at(wrist, {14, 54})};
        Vec root = at(shoulder, {-2, 34});
        std::vector<Vec> edge = {shoulder, wrist, tips[0]};
        Vec previous = tips[0];
        for (int i = 1; i <= 3; i++)
        {
            Vec next = i < 3 ? tips[i] : root;
            edge.push_back(Lerp(Lerp(previous, next, 0.5f), wrist, 0.28f));
            edge.push_back(next);
            previous = next;
        }
        Shape shape = Polygon(edge);
        Box box = BoxAround(shoulder + Vec{50 * k * dir, 0}, 120 * k, 120 * k);
        OutlinedPart(c, shape, CelShade(shape, membrane, Scale(membrane, 0.7f), 8 * k), box,
                     outline);
        c.Fill(Capsule(shoulder, wrist, 3.5f * k), shade, box);
        for (const Vec& tip : tips) c.Fill(TaperedCapsule(wrist, tip, 3 * k, 1.5f * k), shade, box);
        c.Fill(Polygon({wrist + Vec{-2 * k * dir, -2 * k}, wrist + Vec{4 * k * dir, -14 * k},
                        wrist + Vec{8 * k * dir, -2 * k}}),
               Palette::Ink, box);
    };
    paintWing(o + Vec{-34 * k, -14 * k}, -1);
    paintWing(o + Vec{30 * k, -14 * k}, 1);
    // Tail.
    Shape tail = Stroke(
        {o + Vec{-40 * k, 20 * k}, o + Vec{-64 * k, 30 * k}, o + Vec{-76 * k, 18 * k}}, 8 * k);
    OutlinedPart(c, tail, shade, BoxAround(o + Vec{-60 * k, 24 * k}, 30 * k, 20 * k), outline);
    c.Fill(Polygon({o + Vec{-76 * k, 8 * k}, o + Vec{-86 * k, 22 * k}, o + Vec{-70 * k, 24 * k}}),
           Palette::Ink, BoxAround(o + Vec{-78 * k, 16 * k}, 14 * k, 14 * k));
    // Ears.
    for (float side : {-1.0f, 1.0f})
    {
        Vec base = o + Vec{side * 22 * k + 6 * k, -44 * k};
        Shape ear = Polygon({base + Vec{-12 * k, 8 * k}, base + Vec{side * 8 * k, -30 * k},
                             base + Vec{12 * k, 6 * k}});
        OutlinedPart(c, ear, CelShade(ear, body, shade, 6 * k), BoxAround(base, 30 * k, 40 * k),
                     outline);
    }
    Shape torso = Ellipse(o, 56 * k, 52 * k);
    OutlinedPart(c, torso, CelShade(torso, body, shade, 16 * k, Hex(0xF58CC8), 6 * k),
                 BoxAround(o, 62 * k, 58 * k), outline);
    Shape belly = Intersect(torso, Ellipse(o + Vec{10 * k, 26 * k}, 34 * k, 24 * k));
    c.Fill(belly, WithAlpha(Hex(0xF5A3D0), 0.55f), BoxAround(o, 60 * k, 60 * k));
    // One big eye looking ahead.
    Vec eye = o + Vec{16 * k, -6 * k};
    Shape white = Ellipse(eye, 22 * k, 20 * k);
    OutlinedPart(c, white, CelShade(white, Hex(0xFFF6E8), Hex(0xD8C8D8), 5 * k),
                 BoxAround(eye, 28 * k, 26 * k), 3.5f * k);
    Vec iris = eye + Vec{6 * k, 1 * k};
    c.Fill(Circle(iris, 12 * k),
           VerticalGradient({{0, Palette::EnemyEye}, {1, Hex(0xF08A20)}}, iris.y - 12 * k,
                            iris.y + 12 * k),
           BoxAround(iris, 14 * k, 14 * k));
    c.Fill(Ellipse(iris, 3.5f * k, 10 * k), Palette::Ink, BoxAround(iris, 6 * k, 12 * k));
    c.Fill(Circle(iris + Vec{-4 * k, -5 * k}, 3 * k), Hex(0xFFFFFF),
           BoxAround(iris, 10 * k, 10 * k));
    // An angry brow and a fanged grin.
    c.Fill(Capsule(eye + Vec{-18 * k, -24 * k}, eye + Vec{18 * k, -16 * k}, 4 * k), Palette::Ink,
           BoxAround(eye, 26 * k, 30 * k));
    Vec mouth = o + Vec{22 * k, 26 * k};
    Shape grin = Intersect(Ellipse(mouth, 20 * k, 10 * k),
                           Moved(Ellipse(mouth, 24 * k, 14 * k), {0, 6 * k}));
    c.Fill(Grow(grin, 2 * k), Palette::Ink, BoxAround(mouth, 26 * k, 18 * k));
    for (float fx : {-9.0f, 7.0f})
    {
        Vec f = mouth + Vec{fx * k, -2 * k};
        c.Fill(Polygon({f + Vec{-4 * k, 0}, f + Vec{4 * k, 0}, f + Vec{0, 9 * k}}), Hex(0xFFFFFF),
               BoxAround(f, 6 * k, 10 * k));
    }
}

// The ground enemy, a stone-shelled crawler facing left; step moves its legs.
void PaintShellback(Canvas& c, Vec o, float k, float step)
{
    const float outline = 5 * k;
    Rgba shell = Hex(0x6A6282), shellDark = Hex(0x3A3450), skin = Hex(0x8A5E6A);
    float ground = o.y + 58 * k;
    // Legs behind the shell.
    for (int i = 0; i < 3; i++)
    {
        float lx = o.x + (-44 + 44 * i) * k;
        float swing = std::sin(step + i * 2.1f) * 8 * k;
        Vec hip{lx, o.y + 26 * k}, foot{lx - 10 * k + swing, ground - 5 * k};
        Shape leg = TaperedCapsule(hip, foot, 9 * k, 6 * k);
        OutlinedPart(c, leg, CelShade(leg, skin, Darker(skin), 4 * k),
                     BoxAround(hip, 30 * k, 50 * k), outline);
        c.Fill(Polygon({foot + Vec{-10 * k, 4 * k}, foot + Vec{6 * k, 4 * k},
                        foot + Vec{-2 * k, -4 * k}}),
               Palette::Ink, BoxAround(foot, 14 * k, 10 * k));
    }
    // The shell: a stone dome of plates with a ridge of iron spikes.
    Shape dome = Cut(Ellipse(o + Vec{6 * k, 14 * k}, 76 * k, 62 * k),
                     RoundBox(o + Vec{6 * k, 80 * k}, 100 * k, 44 * k, 0));
    for (int i = 0; i < 3; i++)
    {
        float sx = o.x + (-34 + 36 * i) * k;
        float sy = o.y - 46 * k + std::fabs(i - 1.0f) * 12 * k;
        Shape spike = Polygon(
            {{sx - 14 * k, sy + 16 * k}, {sx + 2 * k, sy - 30 * k}, {sx + 14 * k, sy + 16 * k}});
        OutlinedPart(
            c, spike,
            [&, sy](Vec p)
            {
                float t = SmoothStep(sy - 30 * k, sy + 10 * k, p.y);
                return Mix(Palette::LavaOrange, Palette::SteelMid, t);
            },
            BoxAround({sx, sy}, 24 * k, 40 * k), outline);
    }
    OutlinedPart(c, dome, CelShade(dome, shell, shellDark, 18 * k, Hex(0xA49CC0), 6 * k),
                 BoxAround(o, 90 * k, 80 * k), outline);
    // A darker lip where the shell meets the body.
    Shape lip = Intersect(dome, RoundBox(o + Vec{6 * k, 54 * k}, 90 * k, 8 * k, 0));
    c.Fill(lip, shellDark, BoxAround(o, 90 * k, 80 * k));
    // Cracks glowing with the heat inside: this one is not for stepping on lightly.
    Shape inside = Grow(dome, -6 * k);
    Rng rng(23);
    std::vector<Shape> cracks;
    for (float start : {-40.0f, 4.0f, 44.0f})
    {
        std::vector<Vec> path = {o + Vec{start * k, -36 * k + std::fabs(start) * 0.4f * k}};
        for (int i = 1; i <= 4; i++)
            path.push_back(path.back() + Vec{rng.Range(-9, 9) * k + start * 0.06f * k, 18 * k});
        cracks.push_back(Stroke(path, 3.2f * k));
    }
    Shape crackLines = Intersect(Union(cracks), inside);
    c.Glow(crackLines, WithAlpha(Palette::LavaOrange, 0.55f), 8 * k, BoxAround(o, 90 * k, 80 * k));
    c.Fill(crackLines, Palette::LavaHot, BoxAround(o, 90 * k, 80 * k));
    // Head at the front, low, with glowing eyes and mandibles.
    Vec head = o + Vec{-78 * k, 18 * k};
    for (float side : {-1.0f, 1.0f})
    {
        Vec base = head + Vec{-20 * k, side * 9 * k + 10 * k};
        Shape mandible = Stroke(
            {base, base + Vec{-22 * k, side * 3 * k}, base + Vec{-28 * k, -side * 9 * k + 3 * k}},
            8 * k);
        OutlinedPart(c, mandible, Hex(0xD9C6A8), BoxAround(base, 36 * k, 24 * k), outline * 0.8f);
    }
    Shape headShape = Ellipse(head, 36 * k, 30 * k);
    OutlinedPart(c, headShape, CelShade(headShape, skin, Darker(skin), 8 * k),
                 BoxAround(head, 38 * k, 32 * k), outline);
    for (float ex : {-18.0f, 2.0f})
    {
        Vec eye = head + Vec{ex * k, -8 * k};
        c.Glow(Circle(eye, 5 * k), WithAlpha(Palette::LavaOrange, 0.8f), 12 * k,
               BoxAround(eye, 18 * k, 18 * k));
        c.Fill(Ellipse(eye, 7.5f * k, 6 * k), Palette::LavaHot, BoxAround(eye, 10 * k, 10 * k));
        c.Fill(Ellipse(eye + Vec{-2 * k, 0.5f * k}, 2.2f * k, 4 * k), Palette::Ink,
               BoxAround(eye, 6 * k, 6 * k));
    }
    // A scowling brow ridge.
    c.Fill(Stroke({head + Vec{-30 * k, -20 * k}, head + Vec{-10 * k, -14 * k},
                   head + Vec{12 * k, -20 * k}},
                  5 * k),
           Palette::Ink, BoxAround(head, 40 * k, 30 * k));
}
} // namespace

Canvas FlyingEnemy()
{
    Canvas c(256, 256);
    PaintDuskwing(c, {128, 136}, 0.85f, 0.0f);
    return c;
}

Canvas EnemySheet()
{
    const float beat[4] = {-1.0f, 0.0f, 1.0f, 0.0f};
    Canvas c(256 * 4, 256);
    for (int f = 0; f < 4; f++)
    {
        Canvas cell(256, 256);
        PaintDuskwing(cell, {128, 140 + beat[f] * 6}, 0.74f, beat[f]);
        c.Draw(cell, float(f * 256), 0);
    }
    return c;
}

Canvas GroundEnemy()
{
    Canvas c(240, 192);
    PaintShellback(c, {136, 118}, 1.0f, 0.4f);
    return c;
}
