// The simulation step: particles spread mass and momentum onto the grid with quadratic
// B-spline weights on a 3 by 3 node stencil, the grid yields each particle's velocity gradient
// and density, stresses become node forces, and particles take the grid's velocity back.
#include "Fluid/MPM/Liquid.h"

#include "Util/Abort.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace Fluid::MPM {

namespace {

// Every formula is worked in double and only its result is stored in single precision.
using Wide = double;

// calcUV and calcAXY work on the particles a block at a time, in sweeps that each run over the
// whole block. A sweep's work for one particle is a short chain of arithmetic, where a particle's
// whole pass is one long chain, so the processor overlaps the work of several particles; a
// block's particles stay in the cache from one sweep to the next.
constexpr int PARTICLE_BLOCK = 16;
// The size (the tensor's squared norm) past which a particle's stored deformation is dropped.
constexpr float DEFORMATION_LIMIT = 5.0f;
// The most pressure a particle's density can build; suction is not capped.
constexpr float PRESSURE_CAP = 2.0f;
// The most, in nodes, that a particle kept off the grid's edge lands further in, at random.
constexpr float EDGE_JITTER = 0.01f;
// The speed, in nodes per step, at which a particle landing beside a solid tile is sent back.
constexpr float BOUNCE_SPEED = 1.5f;

// Two doubles worked on lane by lane, each lane exactly as a lone double would be: the same
// operations in the same order, rounded alike. Lane 0 holds an x part and lane 1 its y part,
// or both hold the same value, so one instruction does the work of both axes.
using Pair = Wide __attribute__((vector_size(2 * sizeof(Wide))));

// g++ 12.2 widens and narrows pairs of floats one value at a time; where the processor has the
// instructions that convert both at once, they are used.
Pair widen(const float (&pair)[2]) {
#ifdef __SSE2__
    Wide bits;
    std::memcpy(&bits, pair, sizeof bits);
    return _mm_cvtps_pd(_mm_castpd_ps(_mm_set_sd(bits)));
#else
    return Pair{pair[0], pair[1]};
#endif
}

void store(float (&pair)[2], const Pair value) {
#ifdef __SSE2__
    const Wide bits = _mm_cvtsd_f64(_mm_castps_pd(_mm_cvtpd_ps(value)));
    std::memcpy(pair, &bits, sizeof bits);
#else
    pair[0] = static_cast<float>(value[0]);
    pair[1] = static_cast<float>(value[1]);
#endif
}

// Two floats that lie side by side in a Record and are read and written as one, named by the
// byte offset of the first. Each record has a type of its own, so that a node's pair used on a
// particle does not compile.
template <typename Record>
struct FieldPair {
    // The pair that starts the given number of floats further on.
    constexpr FieldPair after(const std::size_t floats) const {
        return FieldPair{offset + floats * sizeof(float)};
    }

    std::size_t offset;
};

using NodePair = FieldPair<FluidNode>;
using ParticlePair = FieldPair<FluidParticle>;

// The record's pair, both floats widened at once. Reading the record's bytes lets a pair span two
// of its fields.
template <typename Record>
Pair widenAt(const Record& record, const FieldPair<Record> field) {
    float pair[2];
    std::memcpy(pair, reinterpret_cast<const unsigned char*>(&record) + field.offset, sizeof pair);
    return widen(pair);
}

// Stores both lanes, each rounded to single precision, as the pair.
template <typename Record>
void storeAt(Record& record, const FieldPair<Record> field, const Pair value) {
    float pair[2];
    store(pair, value);
    std::memcpy(reinterpret_cast<unsigned char*>(&record) + field.offset, pair, sizeof pair);
}

// Adds a pair to the pair of floats, each sum rounded to single precision.
template <typename Record>
void accumulateAt(Record& record, const FieldPair<Record> field, const Pair value) {
    storeAt(record, field, widenAt(record, field) + value);
}

// Subtracts a pair from the pair of floats, each difference rounded to single precision.
template <typename Record>
void subtractAt(Record& record, const FieldPair<Record> field, const Pair value) {
    storeAt(record, field, widenAt(record, field) - value);
}

// Each lane held to its range from low to high; NaN stays NaN.
Pair heldWithin(const Pair value, const Pair low, const Pair high) {
#ifdef __SSE2__
    // maxpd and minpd give their second operand where either is NaN.
    return _mm_min_pd(high, _mm_max_pd(low, value));
#else
    return Pair{std::clamp(value[0], low[0], high[0]), std::clamp(value[1], low[1], high[1])};
#endif
}

Pair lane0(const Pair pair) {
    return Pair{pair[0], pair[0]};
}

Pair lane1(const Pair pair) {
    return Pair{pair[1], pair[1]};
}

// calcUV adds to the five sums of a node in three pairs; the third carries a zero force.
constexpr NodePair MASS_GRADX{offsetof(FluidNode, mass)};
constexpr NodePair GRADY_U{offsetof(FluidNode, gradY)};
constexpr NodePair V_AX{offsetof(FluidNode, v)};
constexpr NodePair GRADIENT{offsetof(FluidNode, gradX)};
constexpr NodePair VELOCITY{offsetof(FluidNode, u)};
constexpr NodePair ACCELERATION{offsetof(FluidNode, ax)};
constexpr ParticlePair POSITION{offsetof(FluidParticle, x)};
constexpr ParticlePair PARTICLE_VELOCITY{offsetof(FluidParticle, u)};
constexpr ParticlePair MOVE{offsetof(FluidParticle, dx)};
// wx[0..2] and wy[0..2] lie side by side, and so do gx[0..2] and gy[0..2].
constexpr ParticlePair WEIGHTS{offsetof(FluidParticle, wx)};
constexpr ParticlePair GRADIENTS{offsetof(FluidParticle, gx)};
static_assert(offsetof(FluidNode, gradX) == MASS_GRADX.after(1).offset &&
                  offsetof(FluidNode, gradY) == offsetof(FluidNode, gradX) + sizeof(float) &&
                  offsetof(FluidNode, u) == GRADY_U.after(1).offset &&
                  offsetof(FluidNode, v) == VELOCITY.after(1).offset &&
                  offsetof(FluidNode, ax) == V_AX.after(1).offset &&
                  offsetof(FluidNode, ay) == ACCELERATION.after(1).offset,
              "a node's mass, gradient, momentum and force lie side by side in that order");
static_assert(offsetof(FluidParticle, y) == POSITION.after(1).offset &&
                  offsetof(FluidParticle, v) == PARTICLE_VELOCITY.after(1).offset &&
                  offsetof(FluidParticle, dy) == MOVE.after(1).offset &&
                  offsetof(FluidParticle, wy) == WEIGHTS.after(3).offset &&
                  offsetof(FluidParticle, gy) == GRADIENTS.after(3).offset,
              "a particle's x and y fields lie side by side, x first, and so do its weights");

// Whether widenAt reads a Field from a Record, which it does from the record the pair names alone.
template <typename Record, typename Field, typename = void>
struct Widens : std::false_type {};

template <typename Record, typename Field>
struct Widens<Record, Field,
              std::void_t<decltype(widenAt(std::declval<const Record&>(), std::declval<Field>()))>>
    : std::true_type {};

static_assert(Widens<FluidNode, NodePair>::value && !Widens<FluidParticle, NodePair>::value &&
                  !Widens<FluidNode, ParticlePair>::value,
              "a pair is read from the record it names alone");

// The nearest integer, halfway cases to the even one, as the processor rounds by default.
// Values past the int range saturate and NaN reads as INT_MIN, so every range check that
// follows sees them outside.
int nearestInt(const Wide value) {
#ifdef __SSE2__
    // The conversion gives INT_MIN for NaN and for every value outside the int range.
    const int rounded = _mm_cvtsd_si32(_mm_set_sd(value));
    return rounded == INT_MIN && value > 0.0 ? INT_MAX : rounded;
#else
    // Adding 1.5 * 2^52 leaves no bits below the unit, so the sum is rounded to an integer.
    constexpr Wide ROUNDER = 6755399441055744.0;
    if (!(value >= INT_MIN)) {
        return INT_MIN;
    }
    if (!(value <= INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>((value + ROUNDER) - ROUNDER);
#endif
}

// The nearest integers to both lanes, as nearestInt gives them for values in the int range;
// past it, and for NaN, they may read as INT_MIN.
struct NodePosition {
    explicit NodePosition(const Pair value) {
#ifdef __SSE2__
        const __m128i rounded = _mm_cvtpd_epi32(value);
        x = _mm_cvtsi128_si32(rounded);
        y = _mm_cvtsi128_si32(_mm_shuffle_epi32(rounded, 1));
#else
        x = nearestInt(value[0]);
        y = nearestInt(value[1]);
#endif
    }

    Pair widened() const {
        return Pair{static_cast<Wide>(x), static_cast<Wide>(y)};
    }

    int x;
    int y;
};

// The first stencil node along one axis: the nearest integer to (c - 0.5) - 0.5.
int stencilStart(const float coordinate) {
    return nearestInt((Wide{coordinate} - 0.5f) - 0.5f);
}

// The lowest coordinate whose stencil starts on the grid: 0.5 - 1 lies halfway between -1 and 0
// and rounds to the even 0.
constexpr float FIRST_ON_GRID = 0.5f;

// The highest coordinate whose stencil ends on the last of the given nodes: the float nearest to
// nodes - 1.5, or the float below it where that one's stencil would start a node further on. For
// an even number of nodes, nodes - 1.5 itself is such a case: halfway rounds to the even start.
float lastOnGrid(const int nodes) {
    float last = static_cast<float>(static_cast<Wide>(nodes) - 1.5);
    while (stencilStart(last) > nodes - 3) {
        last = std::nextafter(last, -INFINITY);
    }
    return last;
}

// A node coordinate in tiles of 2^shift nodes; a negative shift makes tiles finer than nodes.
std::int64_t tileOf(const std::int64_t node, const int shift) {
    return shift >= 0 ? node >> shift : node * (std::int64_t{1} << -shift);
}

// Stores lane 0 in x and lane 1 in y, each rounded to single precision, and gives back what
// it stored, widened again.
Pair storeApart(float& x, float& y, const Pair value) {
#ifdef __SSE2__
    const __m128 narrow = _mm_cvtpd_ps(value);
    _mm_store_ss(&x, narrow);
    _mm_store_ss(&y, _mm_shuffle_ps(narrow, narrow, 1));
    return _mm_cvtps_pd(narrow);
#else
    x = static_cast<float>(value[0]);
    y = static_cast<float>(value[1]);
    return Pair{x, y};
#endif
}

// The weights of a particle's stencil along x (lane 0) and y (lane 1) and their gradients,
// worked out for the offset of the stencil's first node from the particle and stored in it.
// They are kept as the particle holds them, in single precision.
struct AxisWeights {
    AxisWeights(FluidParticle& particle, const Pair offset) {
        const Pair x1 = offset + 1.0f;
        const Pair x2 = x1 + 1.0f;
        weights[0] = storeApart(particle.wx[0], particle.wy[0],
                                0.5f * offset * offset + 1.5f * offset + 1.125f);
        gradients[0] = storeApart(particle.gx[0], particle.gy[0], offset + 1.5f);
        weights[1] = storeApart(particle.wx[1], particle.wy[1], 0.75f - x1 * x1);
        gradients[1] = storeApart(particle.gx[1], particle.gy[1], -2.0f * x1);
        weights[2] =
            storeApart(particle.wx[2], particle.wy[2], 0.5f * x2 * x2 - 1.5f * x2 + 1.125f);
        gradients[2] = storeApart(particle.gx[2], particle.gy[2], x2 - 1.5f);
    }

    Pair weights[3];
    Pair gradients[3];
};

// Three values along x and three along y that a particle keeps side by side (x0 x1 x2 y0 y1
// y2, from the given pair on), widened in three pairs and each held in both lanes.
struct BothLanes {
    BothLanes(const FluidParticle& particle, const ParticlePair field) {
        const Pair first = widenAt(particle, field);
        const Pair middle = widenAt(particle, field.after(2));
        const Pair last = widenAt(particle, field.after(4));
        x[0] = lane0(first);
        x[1] = lane1(first);
        x[2] = lane0(middle);
        y[0] = lane1(middle);
        y[1] = lane0(last);
        y[2] = lane1(last);
    }

    Pair x[3], y[3];
};

// A particle's 3 by 3 node stencil: its first node and the distance from one column of nodes to
// the next.
struct Stencil {
    FluidNode& at(const std::ptrdiff_t i, const std::ptrdiff_t j) const {
        return origin[i * column + j];
    }

    // Calls visit(node, i, j) for the nodes (i, j), i outer and j inner.
    template <typename Visit>
    void forEach(const Visit& visit) const {
        FluidNode* nodes = origin;
#pragma GCC unroll 3
        for (int i = 0; i < 3; ++i) {
#pragma GCC unroll 3
            for (int j = 0; j < 3; ++j) {
                visit(nodes[j], i, j);
            }
            nodes += column;
        }
    }

    FluidNode* origin;
    std::ptrdiff_t column;
};

// A stencil with its weights, widened once and held in both lanes. Kept apart from the particle,
// they need no reloading after each store to a node, which the compiler must assume could change
// the particle.
struct WeightedStencil : Stencil {
    WeightedStencil(FluidNode* const first, const std::ptrdiff_t columnStride,
                    const FluidParticle& particle)
        : Stencil{first, columnStride}, weights(particle, WEIGHTS) {}

    // W(i, j) = wx[i] wy[j] in both lanes: exact, as a product of two floats is in double.
    Pair weight(const int i, const int j) const { return weights.x[i] * weights.y[j]; }

    BothLanes weights;
};

// A stencil with the gradients of its weights, each in both lanes.
struct GradientStencil : WeightedStencil {
    GradientStencil(FluidNode* const first, const std::ptrdiff_t columnStride,
                    const FluidParticle& particle)
        : WeightedStencil(first, columnStride, particle), gradients(particle, GRADIENTS) {}

    // The weight's gradient at node (i, j) along x, gx[i] wy[j], in both lanes.
    Pair gradientX(const int i, const int j) const { return gradients.x[i] * weights.y[j]; }

    // The weight's gradient at node (i, j) along y, wx[i] gy[j], in both lanes.
    Pair gradientY(const int i, const int j) const { return weights.x[i] * gradients.y[j]; }

    BothLanes gradients;
};

// Calls visit(node) for each of the count nodes listed. The nodes of particles far apart lie far
// apart in the grid, out of the cache, so each node is fetched a few nodes ahead of its turn.
template <typename Visit>
void forEachListed(FluidNode* const* const nodes, const std::size_t count, const Visit& visit) {
    constexpr std::size_t AHEAD = 16;
    for (std::size_t k = 0; k < count; ++k) {
        if (k + AHEAD < count) {
            __builtin_prefetch(nodes[k + AHEAD], 1);
        }
        visit(*nodes[k]);
    }
}

// The particle's velocity gradient: rotation, shear, mean and deviatoric rates.
struct Strain {
    Wide spin;
    Wide shear;
    Wide mean;
    Wide devxx;
    Wide devyy;
};

// The weight gradients of a particle's nine stencil nodes, i outer and j inner, along x and
// along y, each in both lanes.
struct NodeGradients {
    Pair x[9];
    Pair y[9];
};

// The velocity gradient at a particle, (du/dx, dv/dx) and (du/dy, dv/dy). Working it out leaves
// the weight gradients of the stencil's nodes behind for the particle's force.
struct VelocityGradient {
    VelocityGradient() = default;

    VelocityGradient(const GradientStencil& stencil, NodeGradients& gradients) {
        stencil.forEach([&](const FluidNode& node, const int i, const int j) {
            const Pair uv = widenAt(node, VELOCITY);
            gradients.x[3 * i + j] = stencil.gradientX(i, j);
            gradients.y[3 * i + j] = stencil.gradientY(i, j);
            alongX += uv * gradients.x[3 * i + j];
            alongY += uv * gradients.y[3 * i + j];
        });
    }

    Pair alongX{};
    Pair alongY{};
};

Strain strainOf(const VelocityGradient& gradient) {
    const Pair alongX = gradient.alongX;
    const Pair alongY = gradient.alongY;
    const Wide mean = (alongX[0] + alongY[1]) * 0.5f;
    return Strain{alongY[0] - alongX[1], (alongY[0] + alongX[1]) * 0.5f, mean, alongX[0] - mean,
                  alongY[1] - mean};
}

// A particle's stored deformation.
struct Deformation {
    float xx, xy, yy;
};

// Rotates the stored deformation with the flow, adds the deviatoric strain rate and relaxes it
// by the yield rate; a deformation grown past the limit is dropped. Gives back what it stored.
Deformation updateDeformation(FluidParticle& particle, const Strain& strain, const Wide yieldRate) {
    const Wide sxx = particle.sxx;
    const Wide sxy = particle.sxy;
    const Wide syy = particle.syy;
    const Wide spin = strain.spin;
    float xx = static_cast<float>(sxx + ((strain.devxx - sxy * spin) - yieldRate * sxx));
    float xy =
        static_cast<float>(sxy + (((sxx - syy) * spin * 0.5f + strain.shear) - yieldRate * sxy));
    float yy = static_cast<float>(syy + ((sxy * spin + strain.devyy) - yieldRate * syy));
    if (Wide{xx} * xx + 2.0f * Wide{xy} * xy + Wide{yy} * yy > DEFORMATION_LIMIT) {
        xx = 0.0f;
        xy = 0.0f;
        yy = 0.0f;
    }
    particle.sxx = xx;
    particle.sxy = xy;
    particle.syy = yy;
    return Deformation{xx, xy, yy};
}

// A liquid's properties as calcAXY uses them, widened once. The compiler must assume that the
// stores to a particle could change the property array and would read them again for every
// particle.
struct Material {
    explicit Material(const float* const props)
        : density(props[DENSITY]), stiffness(props[STIFFNESS]),
          divisor(std::max(Wide{1.0f}, Wide{props[DENSITY]})), bulkViscosity(props[BULK_VISCOSITY]),
          elasticity(props[ELASTICITY]), viscosity(props[VISCOSITY]), yieldRate(props[YIELD_RATE]),
          bounce(props[BOUNCE_FORCE]) {}

    Wide density;
    Wide stiffness;
    Wide divisor;
    Wide bulkViscosity;
    Wide elasticity;
    Wide viscosity;
    Wide yieldRate;
    float bounce;
};

// A cubic Hermite patch through the masses and mass gradients of the four nodes of a cell,
// mA + pA tx + qA ty + a2 tx² + b2 ty² + a3 tx³ + b3 ty³ + c11 tx ty + c21 tx² ty + c31 tx³ ty
// + c12 tx ty² + c13 tx ty³ at the offset (tx, ty) from its first node, the x terms in lane 0
// and the y terms in lane 1. Sums and products of two node values stay in single precision.
// Particles in one cell share the patch, so it is kept while the next particles lie in it.
struct DensityPatch {
    DensityPatch() = default;

    DensityPatch(const FluidNode* const first, const std::ptrdiff_t column) : corner(first) {
        const FluidNode& a = first[0];
        const FluidNode& b = first[1];
        const FluidNode& c = first[column];
        const FluidNode& d = first[column + 1];
        const Pair delta = Pair{c.mass, b.mass} - a.mass;
        const Pair side{c.gradX, b.gradY};
        mass = a.mass;
        gradient = widenAt(a, GRADIENT);
        square = 3.0f * delta - side - Pair{2.0f * a.gradX, 2.0f * a.gradY};
        cube = -2.0f * delta + side + gradient;
        const Pair edges = Pair{a.mass + a.gradX, a.mass + a.gradY} + square + cube;
        const Pair swapped{edges[1], edges[0]};
        cross2 = Pair{3.0f * d.mass - 2.0f * b.gradX - d.gradX,
                      3.0f * d.mass - 2.0f * c.gradY - d.gradY} -
                 3.0f * swapped - square;
        cross3 = Pair{-2.0f * d.mass + b.gradX + d.gradX, -2.0f * d.mass + c.gradY + d.gradY} +
                 2.0f * swapped - cube;
        c11 = b.gradX - cross3[1] - cross2[1] - a.gradX;
    }

    Wide densityAt(const Pair t) const {
        const Pair along = t * (gradient + t * (square + t * cube));
        const Pair mixed = t * (cross2 + t * cross3);
        return mass + along[0] + along[1] + t[0] * t[1] * (c11 + mixed[0] + mixed[1]);
    }

    const FluidNode* corner = nullptr;
    float mass = 0.0f;
    Pair gradient{}; // pA, qA
    Pair square{};   // a2, b2
    Pair cube{};     // a3, b3
    Pair cross2{};   // c21, c12
    Pair cross3{};   // c31, c13
    Wide c11 = 0.0;
};

// The density at the particle turned into a pressure capped from above only. The particle's
// cell starts at the stencil's first or second node along each axis; clamping keeps float
// rounding far from the origin from reaching past the stencil.
Wide pressureAt(const Stencil& stencil, const FluidParticle& particle, const NodePosition& cell,
                const Material& material, DensityPatch& patch) {
    const FluidNode* const corner =
        &stencil.at(std::clamp<std::int64_t>(std::int64_t{cell.x} - particle.cx, 0, 1),
                    std::clamp<std::int64_t>(std::int64_t{cell.y} - particle.cy, 0, 1));
    if (corner != patch.corner) {
        patch = DensityPatch(corner, stencil.column);
    }
    const Wide density = patch.densityAt(widenAt(particle, POSITION) - cell.widened());
    const Wide pressure = (density - material.density) * material.stiffness / material.divisor;
    return std::min(pressure, Wide{PRESSURE_CAP});
}

// The particle's velocity plus the grid's acceleration at its position. This and setVelocity run
// for every particle of both velocity updates. g++ 12.2 at -O2 keeps them out of line once two
// functions call them, and the calls then cost a few per cent of the step.
[[gnu::always_inline]] inline Pair acceleratedVelocity(const WeightedStencil& stencil,
                                                       const FluidParticle& particle) {
    Pair sum{};
    stencil.forEach([&](const FluidNode& node, const int i, const int j) {
        sum += stencil.weight(i, j) * widenAt(node, ACCELERATION);
    });
    return widenAt(particle, PARTICLE_VELOCITY) + sum;
}

// Stores the particle's new velocity and spreads it onto the grid as momentum. The momentum is
// the weight times the velocity in double, not times the single-precision velocity the particle
// keeps: the liquid's pinned results are worked out that way.
[[gnu::always_inline]] inline void setVelocity(const WeightedStencil& stencil,
                                               FluidParticle& particle, const Pair velocity) {
    storeAt(particle, PARTICLE_VELOCITY, velocity);
    stencil.forEach([&](FluidNode& node, const int i, const int j) {
        accumulateAt(node, VELOCITY, stencil.weight(i, j) * velocity);
    });
}

// Spreads a particle onto its stencil's nodes. Node (i, j) gets (W, gx[i] wy[j]) on its mass and
// gradient x, (wx[i] gy[j], W u) on its gradient y and momentum u, and (W v, 0) on its momentum v
// and its force, which stays zero until calcAXY. A product of two floats is exact in double, so
// wx[i] (wy[j] u) is W u rounded once, as the weight times the velocity is.
void spread(const GradientStencil& stencil, const FluidParticle& particle) {
    const Pair velocity = widenAt(particle, PARTICLE_VELOCITY);
    Pair massGradX[3], gradYU[3], vZero[3];
#pragma GCC unroll 3
    for (int n = 0; n < 3; ++n) {
        massGradX[n] = Pair{stencil.weights.x[n][0], stencil.gradients.x[n][0]};
        gradYU[n] =
            Pair{stencil.gradients.y[n][0], stencil.weights.y[n][0]} * Pair{1.0, velocity[0]};
        vZero[n] = stencil.weights.y[n] * Pair{velocity[1], 0.0};
    }
    stencil.forEach([&](FluidNode& node, const int i, const int j) {
        accumulateAt(node, MASS_GRADX, massGradX[i] * stencil.weights.y[j]);
        accumulateAt(node, GRADY_U, stencil.weights.x[i] * gradYU[j]);
        accumulateAt(node, V_AX, stencil.weights.x[i] * vZero[j]);
    });
}

// The stress a particle puts on its stencil's nodes: (Sxx, Sxy) and (Sxy, Syy), and the push of
// the solid tiles around it.
struct Stress {
    Pair x;
    Pair y;
    Pair bounce;
};

} // namespace

// The push tileBounce gives particles in one tile, kept while the next particles share it.
struct Liquid::TileBounce {
    std::int64_t column;
    std::int64_t row;
    bool solid;
    Vec2 push;
};

// Which of the four nodes beside a node lie in solid tiles. Every node whose neighbours lie in
// the same tiles gets the same answer, so the tiles are kept with it.
struct Liquid::SolidNeighbours {
    // The tile columns of the node's left neighbour, the node and its right neighbour, and the
    // tile rows of its lower neighbour, the node and its upper neighbour.
    std::int64_t columns[3];
    std::int64_t rows[3];
    bool right;
    bool left;
    bool up;
    bool down;
};

bool Liquid::holdsStencil(const FluidParticle& particle) const {
    return holdsStencilAt(stencilStart(particle.x), stencilStart(particle.y));
}

bool Liquid::holdsStencilAt(const int cx, const int cy) const {
    return cx >= 0 && cx <= m_width - 3 && cy >= 0 && cy <= m_height - 3;
}

Liquid::NodeOffset Liquid::firstNodeOutside(const int cx, const int cy) const {
    const auto outside = [](const std::int64_t node, const int size) {
        return node < 0 || node >= size;
    };
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (outside(std::int64_t{cx} + i, m_width) || outside(std::int64_t{cy} + j, m_height)) {
                return NodeOffset{i, j};
            }
        }
    }
    return NodeOffset{0, 0};
}

FluidNode* Liquid::stencilOrigin(const FluidParticle& particle) {
    return &m_nodes[static_cast<std::size_t>(particle.cx) * m_columnStride +
                    static_cast<std::size_t>(particle.cy)];
}

void Liquid::activate(FluidNode& node) {
    if (node.active == 0) {
        node.active = 1;
        m_activeNodes[m_activeCount++] = &node;
    }
}

// Outside the map counts as solid: the map's edge is a wall.
bool Liquid::isSolid(const std::int64_t column, const std::int64_t row) const {
    const Map::TileMap& map = *m_tileMap;
    if (column < 0 || row < 0 || column >= map.width || row >= map.height) {
        return true;
    }
    return (map.cells[row * map.width + column] & map.solidMask) != 0;
}

BoundaryForceGrid::Force Liquid::boundaryForce(const int column, const int row) const {
    const BoundaryForceGrid& grid = *m_boundary;
    if (column < 0 || row < 0 || column >= grid.width || row >= grid.height) {
        return BoundaryForceGrid::Force{0.0f, 0.0f};
    }
    return grid.cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(grid.width) +
                      static_cast<std::size_t>(column)];
}

float Liquid::random() const {
    return m_random != nullptr ? m_random->getFloat() : 0.0f;
}

void Liquid::simulate(float dt) {
    if (dt < 0.0f) {
        dt = m_defaultDt;
    }
    for (LiquidInfo& liquid : m_separateLiquids) {
        step(&liquid, 1, dt);
    }
    step(m_sharedLiquids.data(), m_sharedLiquids.size(), dt);
}

// Steps the liquids together on the grid, each phase over all of them before the next.
void Liquid::step(LiquidInfo* const liquids, const std::size_t count, const float dt) {
    for (std::size_t k = 0; k < count; ++k) {
        updateLiquidInfo(&liquids[k]);
    }
    runPhase(&Liquid::calcUV, liquids, count, dt);
    scaleActiveNodesUV();
    runPhase(&Liquid::calcAXY, liquids, count, dt);
    scaleActiveNodesAXY();
    runPhase(m_mapType == BOUNDARY_GRID ? &Liquid::recalcBoundedUV : &Liquid::recalcUV, liquids,
             count, dt);
    scaleActiveNodesUV();
    runPhase(&Liquid::doMove, liquids, count, dt);
    for (std::size_t k = 0; k < count; ++k) {
        updatePCount(liquids[k].particles.get(), liquids[k].numParticles, liquids[k].props);
    }
    clearActiveNodes();
}

void Liquid::runPhase(const Phase phase, LiquidInfo* const liquids, const std::size_t count,
                      const float dt) {
    for (std::size_t k = 0; k < count; ++k) {
        LiquidInfo& liquid = liquids[k];
        (this->*phase)(liquid.particles.get(), liquid.numParticles, liquid.props,
                       shiftDifference(liquid), dt);
    }
}

void Liquid::updateLiquidInfo(LiquidInfo* const liquid) {
    float* const props = liquid->props;
    props[DENSITY] = static_cast<float>(
        std::min(Wide{props[DENSITY]} + props[DENSITY_INC], Wide{getPropertyMax(DENSITY)}));
    FluidParticle* const particles = liquid->particles.get();
    for (int k = 0; k < liquid->numParticles;) {
        FluidParticle& particle = particles[k];
        if (particle.life < 0) {
            // The last live particle takes the slot and is examined in its turn.
            particle = particles[--liquid->numParticles];
            continue;
        }
        --particle.life;
        if (particle.frameCountdown < 0) {
            particle.frameCountdown = particle.framePeriod;
            particle.frame =
                particle.frame >= particle.lastFrame ? particle.firstFrame : particle.frame + 1;
        } else {
            --particle.frameCountdown;
        }
        ++k;
    }
}

// Places each particle of a block on the grid, then spreads the block onto it.
void Liquid::calcUV(FluidParticle* const particles, const int count, const float*, int, float) {
    const auto column = static_cast<std::ptrdiff_t>(m_columnStride);
    for (int first = 0; first < count; first += PARTICLE_BLOCK) {
        FluidParticle* const block = particles + first;
        const int size = std::min(PARTICLE_BLOCK, count - first);
        for (int k = 0; k < size; ++k) {
            FluidParticle& particle = block[k];
            const Pair position = widenAt(particle, POSITION);
            const NodePosition start((position - 0.5f) - 0.5f);
            if (!holdsStencilAt(start.x, start.y)) {
                // The pair conversion reads INT_MIN past the int range at either end; the report
                // shows a position past the top as the largest int.
                particle.cx = stencilStart(particle.x);
                particle.cy = stencilStart(particle.y);
                const NodeOffset node = firstNodeOutside(particle.cx, particle.cy);
                UTIL_ABORT("CXY " << particle.cx << "," << particle.cy << " i,j " << node.i << ","
                                  << node.j << " w,h " << m_width << "," << m_height);
            }
            particle.cx = start.x;
            particle.cy = start.y;
            const AxisWeights axes(particle, start.widened() - position);
            FluidNode* const origin = stencilOrigin(particle);
            FluidNode& centre = origin[column + 1];
            centre.count = static_cast<std::uint16_t>(centre.count + 1);
            for (std::ptrdiff_t i = 0; i < 3; ++i) {
                for (std::ptrdiff_t j = 0; j < 3; ++j) {
                    activate(origin[i * column + j]);
                }
            }
        }
        for (int k = 0; k < size; ++k) {
            spread(GradientStencil(stencilOrigin(block[k]), column, block[k]), block[k]);
        }
    }
}

void Liquid::scaleActiveNodesUV() {
    forEachListed(m_activeNodes.data(), m_activeCount, [](FluidNode& node) {
        if (node.mass > 0.0f) {
            node.u /= node.mass;
            node.v /= node.mass;
        }
    });
}

void Liquid::scaleActiveNodesAXY() {
    forEachListed(m_activeNodes.data(), m_activeCount, [](FluidNode& node) {
        if (node.mass > 0.0f) {
            node.u = 0.0f;
            node.v = 0.0f;
            node.ax /= node.mass;
            node.ay /= node.mass;
        }
    });
}

void Liquid::clearActiveNodes() {
    forEachListed(m_activeNodes.data(), m_activeCount, [](FluidNode& node) { node = FluidNode{}; });
    m_activeCount = 0;
}

// Works on a block of particles in four sweeps: velocity gradients, pressures, stresses, and the
// forces on the nodes.
void Liquid::calcAXY(FluidParticle* const particles, const int count, const float* const props,
                     const int shiftDifference, float) {
    const auto column = static_cast<std::ptrdiff_t>(m_columnStride);
    const Material material(props);
    TileBounce tile{INT64_MIN, INT64_MIN, false, Vec2{0.0, 0.0}};
    DensityPatch patch;
    VelocityGradient velocityGradients[PARTICLE_BLOCK];
    NodeGradients nodeGradients[PARTICLE_BLOCK];
    Wide pressures[PARTICLE_BLOCK];
    Stress stresses[PARTICLE_BLOCK];
    for (int first = 0; first < count; first += PARTICLE_BLOCK) {
        FluidParticle* const block = particles + first;
        const int size = std::min(PARTICLE_BLOCK, count - first);
        for (int k = 0; k < size; ++k) {
            velocityGradients[k] = VelocityGradient(
                GradientStencil(stencilOrigin(block[k]), column, block[k]), nodeGradients[k]);
        }
        // calcUV has checked that every particle lies on the grid, far inside the int range.
        for (int k = 0; k < size; ++k) {
            const NodePosition cell(widenAt(block[k], POSITION) - 0.5f);
            pressures[k] = pressureAt(Stencil{stencilOrigin(block[k]), column}, block[k], cell,
                                      material, patch);
        }
        for (int k = 0; k < size; ++k) {
            FluidParticle& particle = block[k];
            const Strain strain = strainOf(velocityGradients[k]);
            const Deformation deformation = updateDeformation(particle, strain, material.yieldRate);
            Pair bounce{};
            if (m_mapType != NO_MAP) {
                const NodePosition cell(widenAt(particle, POSITION) - 0.5f);
                const std::int64_t tileColumn = tileOf(cell.x, shiftDifference);
                const std::int64_t tileRow = tileOf(cell.y, shiftDifference);
                if (tileColumn != tile.column || tileRow != tile.row) {
                    tile = tileBounce(tileColumn, tileRow, material.bounce);
                }
                if (tile.solid) {
                    particle.life = -1;
                }
                bounce = Pair{tile.push.x, tile.push.y};
            }
            const Wide pressure = pressures[k];
            const Wide bulk = material.stiffness * strain.mean * material.bulkViscosity;
            const Wide sxx = strain.devxx * material.viscosity +
                             deformation.xx * material.elasticity + pressure + bulk;
            const Wide sxy =
                strain.shear * material.viscosity + deformation.xy * material.elasticity;
            const Wide syy = bulk + pressure + material.viscosity * strain.devyy +
                             material.elasticity * deformation.yy;
            stresses[k] = Stress{Pair{sxx, sxy}, Pair{sxy, syy}, bounce};
        }
        for (int k = 0; k < size; ++k) {
            const Stress& stress = stresses[k];
            const NodeGradients& gradients = nodeGradients[k];
            const auto force = [&](const int i, const int j) {
                return stress.x * gradients.x[3 * i + j] + stress.y * gradients.y[3 * i + j];
            };
            // Without a bounce the force is subtracted as it is: a zero bounce times the weight
            // minus the force would give the same sums.
            if (stress.bounce[0] == 0.0 && stress.bounce[1] == 0.0) {
                const Stencil stencil{stencilOrigin(block[k]), column};
                stencil.forEach([&](FluidNode& node, const int i, const int j) {
                    subtractAt(node, ACCELERATION, force(i, j));
                });
            } else {
                const WeightedStencil stencil(stencilOrigin(block[k]), column, block[k]);
                stencil.forEach([&](FluidNode& node, const int i, const int j) {
                    accumulateAt(node, ACCELERATION,
                                 stress.bounce * stencil.weight(i, j) - force(i, j));
                });
            }
        }
    }
}

// A push away from the solid tiles around a tile that is not solid: from the four sides, or
// when they cancel or are open, from the four diagonals. A particle inside a solid tile is
// marked for removal by the next step.
Liquid::TileBounce Liquid::tileBounce(const std::int64_t column, const std::int64_t row,
                                      const float force) const {
    TileBounce tile{column, row, isSolid(column, row), Vec2{0.0, 0.0}};
    if (tile.solid || force == 0.0f) {
        return tile;
    }
    // A solid neighbour at offset (i, j) pushes the other way.
    const auto push = [&](const int i, const int j) {
        if (isSolid(column + i, row + j)) {
            tile.push.x -= i * Wide{force};
            tile.push.y -= j * Wide{force};
        }
    };
    push(-1, 0);
    push(1, 0);
    push(0, -1);
    push(0, 1);
    if (tile.push.x == 0.0 && tile.push.y == 0.0) {
        push(-1, -1);
        push(1, -1);
        push(-1, 1);
        push(1, 1);
    }
    return tile;
}

void Liquid::recalcBoundedUV(FluidParticle* const particles, const int count,
                             const float* const props, int, float) {
    const auto column = static_cast<std::ptrdiff_t>(m_columnStride);
    const Pair gravity{props[GRAVITY_X], props[GRAVITY_Y]};
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[k];
        const WeightedStencil stencil(stencilOrigin(particle), column, particle);
        Pair velocity = acceleratedVelocity(stencil, particle);
        velocity += gravity + Pair{particle.fx, particle.fy};
        // The position lies on the grid, which calcUV has checked, so truncation is safe.
        const BoundaryForceGrid::Force boundary =
            boundaryForce(static_cast<int>(particle.x), static_cast<int>(particle.y));
        if (boundary.nx * velocity[0] < 0.0) {
            velocity[0] = -velocity[0];
        }
        if (boundary.ny * velocity[1] < 0.0) {
            velocity[1] = -velocity[1];
        }
        setVelocity(stencil, particle, velocity);
    }
}

void Liquid::recalcUV(FluidParticle* const particles, const int count, const float* const props,
                      const int shiftDifference, float) {
    const auto column = static_cast<std::ptrdiff_t>(m_columnStride);
    const Pair gravity{props[GRAVITY_X], props[GRAVITY_Y]};
    SolidNeighbours neighbours{{INT64_MIN, INT64_MIN, INT64_MIN},
                               {INT64_MIN, INT64_MIN, INT64_MIN},
                               false,
                               false,
                               false,
                               false};
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[k];
        const WeightedStencil stencil(stencilOrigin(particle), column, particle);
        Pair velocity = acceleratedVelocity(stencil, particle);
        velocity += gravity;
        if (m_mapType != NO_MAP) {
            Vec2 kept{velocity[0], velocity[1]};
            keepOffWalls(kept, particle, shiftDifference, neighbours);
            velocity = Pair{kept.x, kept.y};
        }
        setVelocity(stencil, particle, velocity);
    }
}

// Changes a velocity whose predicted position rounds below node 1 or to the last node or
// beyond so that the position lands just inside; true when it did.
bool Liquid::keepOffEdges(Wide& velocity, const float position, const int nodes) const {
    const Wide predicted = position + velocity;
    const int node = nearestInt(predicted - 0.5f);
    if (node < 1) {
        velocity += (1.0f - predicted) + EDGE_JITTER * Wide{random()};
        return true;
    }
    if (node >= nodes - 1) {
        velocity +=
            (static_cast<Wide>(nodes - 1) - 1.0f - predicted) - EDGE_JITTER * Wide{random()};
        return true;
    }
    return false;
}

// Keeps the particle's predicted position off the grid's edges, and sends it back at a fixed
// speed from a solid tile beside the node it would land by. Particles whose landing node has its
// neighbours in the same tiles as the last one's meet the same tiles, kept in neighbours. The
// walled update calls it for every particle. g++ 12.2 at -O2 does not inline it by itself, and
// the call then costs about 2 per cent of the step.
[[gnu::always_inline]] inline void Liquid::keepOffWalls(Vec2& velocity,
                                                        const FluidParticle& particle,
                                                        const int shiftDifference,
                                                        SolidNeighbours& neighbours) const {
    std::int64_t nodeX = nearestInt(particle.x + velocity.x - 0.5f);
    std::int64_t nodeY = nearestInt(particle.y + velocity.y - 0.5f);
    if (nodeX < 1 || nodeX >= m_width - 1 || nodeY < 1 || nodeY >= m_height - 1) {
        const bool wallX = keepOffEdges(velocity.x, particle.x, m_width);
        const bool wallY = keepOffEdges(velocity.y, particle.y, m_height);
        if (wallX && wallY) {
            return;
        }
        nodeX = nearestInt(particle.x + velocity.x - 0.5f);
        nodeY = nearestInt(particle.y + velocity.y - 0.5f);
    }
    const std::int64_t columns[3] = {tileOf(nodeX - 1, shiftDifference),
                                     tileOf(nodeX, shiftDifference),
                                     tileOf(nodeX + 1, shiftDifference)};
    const std::int64_t rows[3] = {tileOf(nodeY - 1, shiftDifference),
                                  tileOf(nodeY, shiftDifference),
                                  tileOf(nodeY + 1, shiftDifference)};
    if (!std::equal(columns, columns + 3, neighbours.columns) ||
        !std::equal(rows, rows + 3, neighbours.rows)) {
        neighbours = solidNeighbours(columns, rows);
    }
    if (neighbours.right) {
        velocity.x = -BOUNCE_SPEED;
    } else if (neighbours.left) {
        velocity.x = BOUNCE_SPEED;
    }
    if (neighbours.up) {
        velocity.y = -BOUNCE_SPEED;
    } else if (neighbours.down) {
        velocity.y = BOUNCE_SPEED;
    }
}

Liquid::SolidNeighbours Liquid::solidNeighbours(const std::int64_t (&columns)[3],
                                                const std::int64_t (&rows)[3]) const {
    return SolidNeighbours{{columns[0], columns[1], columns[2]}, {rows[0], rows[1], rows[2]},
                           isSolid(columns[2], rows[1]),         isSolid(columns[0], rows[1]),
                           isSolid(columns[1], rows[2]),         isSolid(columns[1], rows[0])};
}

// In the walled update the walls keep a particle's predicted position x + u' on the grid, but the
// particle moves by the grid's velocity times the time step, which can carry it further. One that
// stays in the liquid and would go so far that its stencil left the grid is held, along each axis
// it leaves by, at the nearest position whose stencil lies on the grid; its move stays the grid's.
// A NaN position has no nearest one and is left for the next step to report.
void Liquid::doMove(FluidParticle* const particles, const int count, const float* const props, int,
                    const float dt) {
    const auto column = static_cast<std::ptrdiff_t>(m_columnStride);
    // Read once: the stores to the particles could change the properties, as far as the compiler
    // can tell.
    const Pair smoothing{props[SMOOTHING], props[SMOOTHING]};
    const bool walled = m_mapType != BOUNDARY_GRID && m_mapType != NO_MAP;
    const Pair first{FIRST_ON_GRID, FIRST_ON_GRID};
    const Pair last{lastOnGrid(m_width), lastOnGrid(m_height)};
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[k];
        const WeightedStencil stencil(stencilOrigin(particle), column, particle);
        Pair grid{};
        stencil.forEach([&](const FluidNode& node, const int i, const int j) {
            grid += stencil.weight(i, j) * widenAt(node, VELOCITY);
        });
        const Pair move = grid * Wide{dt};
        const Pair velocity = widenAt(particle, PARTICLE_VELOCITY);
        Pair position = widenAt(particle, POSITION) + move;
        // Held before it is rounded to single precision, the position lands where it would if it
        // were held after: the bounds are floats.
        if (walled && particle.life >= 0) {
            position = heldWithin(position, first, last);
        }
        storeAt(particle, MOVE, move);
        storeAt(particle, POSITION, position);
        storeAt(particle, PARTICLE_VELOCITY, velocity + (move - velocity) * smoothing);
    }
}

void Liquid::updatePCount(FluidParticle* const particles, const int count,
                          const float* const props) {
    if (props[COUNT_ADJACENT] == 0.0f) {
        return;
    }
    const auto column = static_cast<std::ptrdiff_t>(m_columnStride);
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[k];
        const FluidNode* const origin = stencilOrigin(particle);
        int adjacent = 0;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                adjacent += origin[i * column + j].count;
            }
        }
        particle.adjacent = static_cast<std::uint16_t>(adjacent);
    }
}

} // namespace Fluid::MPM
