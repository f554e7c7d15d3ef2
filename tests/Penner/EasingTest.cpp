#include "Penner/Easers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ios>
#include <string>
#include <vector>

namespace {

using Penner::Back;
using Penner::Bounce;
using Penner::Expo;

struct CurveValues {
    const Tween::Easer* easer;
    std::string name;
    // At t = 3 with b = 1, c = 2, d = 4, then at t = 1.3 with b = 0.1, c = 2.9, d = 3.7, where
    // float arithmetic inside a curve would round differently from double. An out-then-in curve
    // gives 2 + its in curve at 1/2, then 0.1 + 1.45 × its out curve at 2 × 1.3 / 3.7.
    float values[2];
};

#define CURVE(name) &Penner::name, #name

const CurveValues CURVES[] = {
    {CURVE(inBack), {1.36518061f, -0.169349596f}},
    {CURVE(outBack), {3.12827301f, 2.93802047f}},
    {CURVE(inOutBack), {3.19936371f, 0.0507702045f}},
    {CURVE(outInBack), {1.91230249f, 1.66513932f}},
    {CURVE(inBounce), {2.0546875f, 0.591453671f}},
    {CURVE(outBounce), {2.9453125f, 2.80736375f}},
    {CURVE(inOutBounce), {2.765625f, 0.580795586f}},
    {CURVE(outInBounce), {2.234375f, 1.45864666f}},
    {CURVE(inCirc), {1.67712438f, 0.284893304f}},
    {CURVE(outCirc), {2.93649173f, 2.30715513f}},
    {CURVE(inOutCirc), {2.86602545f, 0.518348753f}},
    {CURVE(outInCirc), {2.13397455f, 1.48443818f}},
    {CURVE(inCubic), {1.84375f, 0.225783259f}},
    {CURVE(outCubic), {2.96875f, 2.20854449f}},
    {CURVE(inOutCubic), {2.875f, 0.603133023f}},
    {CURVE(outInCubic), {2.125f, 1.51189864f}},
    {CURVE(inElastic), {1.17677653f, 0.116957299f}},
    {CURVE(outElastic), {3.01104856f, 2.87930608f}},
    {CURVE(inOutElastic), {2.97606111f, 0.00169302453f}},
    {CURVE(outInElastic), {1.984375f, 1.55609488f}},
    {CURVE(inExpo), {1.35355341f, 0.132342309f}},
    {CURVE(outExpo), {2.98895144f, 2.74606371f}},
    {CURVE(inOutExpo), {2.96875f, 0.284677446f}},
    {CURVE(outInExpo), {2.03125f, 1.53888226f}},
    {CURVE(inLinear), {2.5f, 1.1189189f}},
    {CURVE(outLinear), {2.5f, 1.1189189f}},
    {CURVE(inOutLinear), {2.5f, 1.1189189f}},
    {CURVE(outInLinear), {2.5f, 1.1189189f}},
    {CURVE(inQuad), {2.125f, 0.457998514f}},
    {CURVE(outQuad), {2.875f, 1.77983928f}},
    {CURVE(inOutQuad), {2.75f, 0.815997005f}},
    {CURVE(outInQuad), {2.25f, 1.42184079f}},
    {CURVE(inQuart), {1.6328125f, 0.144194111f}},
    {CURVE(outQuart), {2.9921875f, 2.48662353f}},
    {CURVE(inOutQuart), {2.9375f, 0.453552932f}},
    {CURVE(outInQuart), {2.0625f, 1.53867257f}},
    {CURVE(inQuint), {1.47460938f, 0.11552766f}},
    {CURVE(outQuint), {2.99804688f, 2.6669991f}},
    {CURVE(inOutQuint), {2.96875f, 0.348442584f}},
    {CURVE(outInQuint), {2.03125f, 1.54663241f}},
    {CURVE(inSine), {2.23463321f, 0.53056556f}},
    {CURVE(outSine), {2.84775901f, 1.62049103f}},
    {CURVE(inOutSine), {2.70710683f, 0.897204578f}},
    {CURVE(outInSine), {2.29289317f, 1.39474249f}},
};

#undef CURVE

TEST(EasingTest, EveryEaserGivesItsValuesAndRunsFromStartToStartPlusChange) {
    for (const CurveValues& curve : CURVES) {
        const Tween::Easer& ease = *curve.easer;
        EXPECT_FLOAT_EQ(ease(3.0f, 1.0f, 2.0f, 4.0f), curve.values[0]) << curve.name;
        EXPECT_FLOAT_EQ(ease(1.3f, 0.1f, 2.9f, 3.7f), curve.values[1]) << curve.name;
        EXPECT_NEAR(ease(0.0f, -3.0f, 8.0f, 250.0f), -3.0f, 1e-5f) << curve.name;
        EXPECT_NEAR(ease(250.0f, -3.0f, 8.0f, 250.0f), 5.0f, 1e-5f) << curve.name;
        // Sine and Elastic go through the float sine, which is not pinned to the last bit.
        if (curve.name.find("Sine") == std::string::npos &&
            curve.name.find("Elastic") == std::string::npos) {
            EXPECT_EQ(ease(1.3f, 0.1f, 2.9f, 3.7f), curve.values[1]) << curve.name;
        }
        // The two halves of an out-then-in curve meet half way.
        if (curve.name.rfind("outIn", 0) == 0) {
            EXPECT_NEAR(ease(125.0f, -3.0f, 8.0f, 250.0f), 1.0f, 1e-6f) << curve.name;
        }
    }
}

TEST(EasingTest, GuardedEndsAreExactAndExpoJumpsNextToThem) {
    for (const Tween::Easer* const easer : std::vector<const Tween::Easer*>{
             &Penner::inElastic, &Penner::outElastic, &Penner::inOutElastic, &Penner::inExpo,
             &Penner::outExpo, &Penner::inOutExpo}) {
        EXPECT_EQ((*easer)(0.0f, 0.1f, 0.7f, 3.0f), 0.1f);
        EXPECT_EQ((*easer)(3.0f, 0.1f, 0.7f, 3.0f), 0.1f + 0.7f);
    }
    EXPECT_NEAR(Expo::easeIn(1e-6f, 0.0f, 1024.0f, 1.0f), 1.0f, 1e-3f);
    EXPECT_NEAR(Expo::easeOut(1.0f - 1e-6f, 0.0f, 1024.0f, 1.0f), 1023.0f, 1e-3f);
}

TEST(EasingTest, ExpoTakesItsPowersOfTwoFromTheDoublePow) {
    struct Row {
        float t, d, value;
    };
    // Times at which exp2 would give the float one step up: 0x1.279db4p-2 and 0x1.5dca5p-5.
    const Row rows[] = {{0x1.cb0f1ap-1f, 0x1.17a7cep+0f, 0x1.279db2p-2f},
                        {0x1.1aab0ap-1f, 0x1.034fe4p+0f, 0x1.5dca4ep-5f}};
    for (const Row& row : rows) {
        // Read at run time: g++ 12 at -O2 folds a pow of constants, for the first row to the
        // float that exp2 gives.
        const volatile float t = row.t;
        const volatile float d = row.d;
        EXPECT_EQ(Expo::easeIn(t, 0.0f, 1.0f, d), row.value) << std::hexfloat << row.t;
    }
}

TEST(EasingTest, BackOvershootsBounceTouchesItsBottomsAndCurvesExtrapolate) {
    EXPECT_NEAR(Back::easeIn(0.42f, 5.0f, 10.0f, 1.0f), 4.0f, 0.01f);
    EXPECT_GT(Back::easeOut(0.6f, 5.0f, 10.0f, 1.0f), 15.0f);
    const float bottoms[][2] = {{0.36363637f, 1.0f},
                                {0.54545456f, 0.75f},
                                {0.8181818f, 0.9375f},
                                {0.95454544f, 0.984375f},
                                {1.1f, 1.144375f}};
    for (const auto& [t, value] : bottoms) {
        EXPECT_NEAR(Bounce::easeOut(t, 0.0f, 1.0f, 1.0f), value, 1e-6f) << t;
        EXPECT_NEAR(Bounce::easeIn(1.0f - t, 0.0f, 1.0f, 1.0f), 1.0f - value, 1e-6f) << t;
    }
    EXPECT_TRUE(std::isnan(Penner::Circ::easeIn(2.0f, 0.0f, 1.0f, 1.0f)));
    EXPECT_FLOAT_EQ(Penner::Quad::easeIn(2.0f, 0.0f, 1.0f, 1.0f), 4.0f);
}

} // namespace
