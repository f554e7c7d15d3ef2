#include "Penner/Easers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using Penner::Back;
using Penner::Bounce;

struct CurveValues {
    const Tween::Easer* easer;
    const char* name;
    // At t = 1, 2 and 3 with b = 1, c = 2, d = 4, then at t = 1.3 with b = 0.1, c = 2.9,
    // d = 3.7, where float arithmetic inside the curve would round differently.
    float values[4];
};

#define CURVE(name) &Penner::name, #name

const std::vector<CurveValues> CURVES = {
    {CURVE(inBack), {0.871726871f, 0.824604988f, 1.36518061f, -0.169349596f}},
    {CURVE(outBack), {2.63481951f, 3.17539501f, 3.12827301f, 2.93802047f}},
    {CURVE(inOutBack), {0.800636292f, 2.0f, 3.19936371f, 0.0507702045f}},
    {CURVE(inBounce), {1.0546875f, 1.46875f, 2.0546875f, 0.591453671f}},
    {CURVE(outBounce), {1.9453125f, 2.53125f, 2.9453125f, 2.80736375f}},
    {CURVE(inOutBounce), {1.234375f, 2.0f, 2.765625f, 0.580795586f}},
    {CURVE(inCirc), {1.06350827f, 1.26794922f, 1.67712438f, 0.284893304f}},
    {CURVE(outCirc), {2.32287574f, 2.7320509f, 2.93649173f, 2.30715513f}},
    {CURVE(inOutCirc), {1.13397455f, 2.0f, 2.86602545f, 0.518348753f}},
    {CURVE(inCubic), {1.03125f, 1.25f, 1.84375f, 0.225783259f}},
    {CURVE(outCubic), {2.15625f, 2.75f, 2.96875f, 2.20854449f}},
    {CURVE(inOutCubic), {1.125f, 2.0f, 2.875f, 0.603133023f}},
    {CURVE(inElastic), {0.988951445f, 0.96875f, 1.17677653f, 0.116957299f}},
    {CURVE(outElastic), {2.82322335f, 3.03125f, 3.01104856f, 2.87930608f}},
    {CURVE(inOutElastic), {1.02393889f, 2.0f, 2.97606111f, 0.00169302453f}},
    {CURVE(inExpo), {1.01104856f, 1.0625f, 1.35355341f, 0.132342309f}},
    {CURVE(outExpo), {2.6464467f, 2.9375f, 2.98895144f, 2.74606371f}},
    {CURVE(inOutExpo), {1.03125f, 2.0f, 2.96875f, 0.284677446f}},
    {CURVE(inLinear), {1.5f, 2.0f, 2.5f, 1.1189189f}},
    {CURVE(outLinear), {1.5f, 2.0f, 2.5f, 1.1189189f}},
    {CURVE(inOutLinear), {1.5f, 2.0f, 2.5f, 1.1189189f}},
    {CURVE(inQuad), {1.125f, 1.5f, 2.125f, 0.457998514f}},
    {CURVE(outQuad), {1.875f, 2.5f, 2.875f, 1.77983928f}},
    {CURVE(inOutQuad), {1.25f, 2.0f, 2.75f, 0.815997005f}},
    {CURVE(inQuart), {1.0078125f, 1.125f, 1.6328125f, 0.144194111f}},
    {CURVE(outQuart), {2.3671875f, 2.875f, 2.9921875f, 2.48662353f}},
    {CURVE(inOutQuart), {1.0625f, 2.0f, 2.9375f, 0.453552932f}},
    {CURVE(inQuint), {1.00195312f, 1.0625f, 1.47460938f, 0.11552766f}},
    {CURVE(outQuint), {2.52539062f, 2.9375f, 2.99804688f, 2.6669991f}},
    {CURVE(inOutQuint), {1.03125f, 2.0f, 2.96875f, 0.348442584f}},
    {CURVE(inSine), {1.15224099f, 1.58578646f, 2.23463321f, 0.53056556f}},
    {CURVE(outSine), {1.76536691f, 2.41421366f, 2.84775901f, 1.62049103f}},
    {CURVE(inOutSine), {1.29289317f, 2.0f, 2.70710683f, 0.897204578f}},
};

// The out-then-in easers at t = 1 and 3 with b = 1, c = 2, d = 4.
const std::vector<CurveValues> OUT_IN_CURVES = {
    {CURVE(outInBack), {2.08769751f, 1.91230249f}},
    {CURVE(outInBounce), {1.765625f, 2.234375f}},
    {CURVE(outInCirc), {1.86602545f, 2.13397455f}},
    {CURVE(outInCubic), {1.875f, 2.125f}},
    {CURVE(outInElastic), {2.015625f, 1.984375f}},
    {CURVE(outInExpo), {1.96875f, 2.03125f}},
    {CURVE(outInLinear), {1.5f, 2.5f}},
    {CURVE(outInQuad), {1.75f, 2.25f}},
    {CURVE(outInQuart), {1.9375f, 2.0625f}},
    {CURVE(outInQuint), {1.96875f, 2.03125f}},
    {CURVE(outInSine), {1.70710683f, 2.29289317f}},
};

#undef CURVE

TEST(EasingTest, EveryCurveGivesItsValuesInsideTheDuration) {
    for (const CurveValues& curve : CURVES) {
        const Tween::Easer& ease = *curve.easer;
        EXPECT_FLOAT_EQ(ease(1.0f, 1.0f, 2.0f, 4.0f), curve.values[0]) << curve.name;
        EXPECT_FLOAT_EQ(ease(2.0f, 1.0f, 2.0f, 4.0f), curve.values[1]) << curve.name;
        EXPECT_FLOAT_EQ(ease(3.0f, 1.0f, 2.0f, 4.0f), curve.values[2]) << curve.name;
        EXPECT_FLOAT_EQ(ease(1.3f, 0.1f, 2.9f, 3.7f), curve.values[3]) << curve.name;
    }
    for (const CurveValues& curve : OUT_IN_CURVES) {
        const Tween::Easer& ease = *curve.easer;
        EXPECT_FLOAT_EQ(ease(1.0f, 1.0f, 2.0f, 4.0f), curve.values[0]) << curve.name;
        EXPECT_FLOAT_EQ(ease(3.0f, 1.0f, 2.0f, 4.0f), curve.values[1]) << curve.name;
        EXPECT_NEAR(ease(2.0f, 1.0f, 2.0f, 4.0f), 2.0f, 1e-6f) << curve.name;
    }
}

// Polynomial curves have no library function in them, so their floats are pinned exactly:
// the arithmetic is double on the float arguments, rounded once.
TEST(EasingTest, PolynomialCurvesRoundOnceFromDouble) {
    for (const CurveValues& curve : CURVES) {
        const std::string name = curve.name;
        if (name.find("Sine") == std::string::npos && name.find("Elastic") == std::string::npos) {
            EXPECT_EQ((*curve.easer)(1.3f, 0.1f, 2.9f, 3.7f), curve.values[3]) << name;
        }
    }
}

TEST(EasingTest, EveryCurveRunsFromStartToStartPlusChange) {
    std::vector<const CurveValues*> all;
    for (const auto* table : {&CURVES, &OUT_IN_CURVES}) {
        for (const CurveValues& curve : *table) {
            all.push_back(&curve);
        }
    }
    for (const CurveValues* curve : all) {
        EXPECT_NEAR((*curve->easer)(0.0f, -3.0f, 8.0f, 250.0f), -3.0f, 1e-5f) << curve->name;
        EXPECT_NEAR((*curve->easer)(250.0f, -3.0f, 8.0f, 250.0f), 5.0f, 1e-5f) << curve->name;
    }
}

TEST(EasingTest, GuardedEndsAreExactAndExpoJumpsNextToThem) {
    const float b = 0.1f;
    const float c = 0.7f;
    for (const Tween::Easer* easer : {static_cast<const Tween::Easer*>(&Penner::inElastic),
                                      static_cast<const Tween::Easer*>(&Penner::outElastic),
                                      static_cast<const Tween::Easer*>(&Penner::inOutElastic),
                                      static_cast<const Tween::Easer*>(&Penner::inOutExpo)}) {
        EXPECT_EQ((*easer)(0.0f, b, c, 3.0f), b);
        EXPECT_EQ((*easer)(3.0f, b, c, 3.0f), b + c);
    }
    EXPECT_EQ(Penner::Expo::easeIn(0.0f, b, c, 3.0f), b);
    EXPECT_EQ(Penner::Expo::easeOut(3.0f, b, c, 3.0f), b + c);
    // Just inside the ends the formula's 1/1024 of the change shows.
    EXPECT_NEAR(Penner::Expo::easeIn(1e-6f, 0.0f, 1024.0f, 1.0f), 1.0f, 1e-3f);
    EXPECT_NEAR(Penner::Expo::easeOut(1.0f - 1e-6f, 0.0f, 1024.0f, 1.0f), 1023.0f, 1e-3f);
}

TEST(EasingTest, BackOvershootsAndBounceTouchesItsBottoms) {
    EXPECT_NEAR(Back::easeIn(0.42f, 5.0f, 10.0f, 1.0f), 4.0f, 0.01f);
    EXPECT_GT(Back::easeOut(0.6f, 5.0f, 10.0f, 1.0f), 15.0f);
    EXPECT_GT(Back::easeInOut(0.9f, 5.0f, 10.0f, 1.0f), 15.0f);
    const float pieceEnds[][2] = {
        {0.36363637f, 1.0f}, {0.54545456f, 0.75f}, {0.8181818f, 0.9375f}, {0.95454544f, 0.984375f}};
    for (const auto& end : pieceEnds) {
        EXPECT_NEAR(Bounce::easeOut(end[0], 0.0f, 1.0f, 1.0f), end[1], 1e-6f) << end[0];
    }
    for (const float t : {0.0f, 0.1f, 0.37f, 0.6f, 0.9090909f, 0.99f, 1.0f, 1.5f}) {
        EXPECT_FLOAT_EQ(Bounce::easeIn(t, 2.0f, 3.0f, 1.0f),
                        3.0f - Bounce::easeOut(1.0f - t, 0.0f, 3.0f, 1.0f) + 2.0f)
            << t;
    }
}

TEST(EasingTest, CurvesExtrapolateOutsideTheDuration) {
    EXPECT_TRUE(std::isnan(Penner::Circ::easeIn(2.0f, 0.0f, 1.0f, 1.0f)));
    EXPECT_FLOAT_EQ(Penner::Quad::easeIn(2.0f, 0.0f, 1.0f, 1.0f), 4.0f);
    EXPECT_FLOAT_EQ(Penner::Linear::easeIn(-1.0f, 0.0f, 1.0f, 1.0f), -1.0f);
    EXPECT_NEAR(Bounce::easeOut(1.1f, 0.0f, 1.0f, 1.0f), 1.144375f, 1e-5f);
}

TEST(EasingTest, EasersAnswerAsTheirFamilyCurvesDo) {
    for (const float t : {-0.5f, 0.0f, 0.33f, 0.5f, 0.77f, 1.0f}) {
        EXPECT_EQ(Penner::inBack(t, 1.0f, 2.0f, 1.0f), Back::easeIn(t, 1.0f, 2.0f, 1.0f));
        EXPECT_EQ(Penner::outBounce(t, 1.0f, 2.0f, 1.0f), Bounce::easeOut(t, 1.0f, 2.0f, 1.0f));
        EXPECT_EQ(Penner::inOutBack(t, 1.0f, 2.0f, 1.0f), Back::easeInOut(t, 1.0f, 2.0f, 1.0f));
        const float line = Penner::inLinear(t, 1.0f, 2.0f, 1.0f);
        EXPECT_EQ(Penner::outLinear(t, 1.0f, 2.0f, 1.0f), line);
        EXPECT_EQ(Penner::inOutLinear(t, 1.0f, 2.0f, 1.0f), line);
        EXPECT_EQ(Penner::outInLinear(t, 1.0f, 2.0f, 1.0f), line);
    }
    // The first quarter is the first half of the out curve, scaled to half the change.
    EXPECT_EQ(Penner::outInQuad(1.0f, 3.0f, 8.0f, 4.0f), 3.0f + 0.375f * 8.0f);
}

} // namespace
