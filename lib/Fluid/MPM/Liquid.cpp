// The simulation step: particles spread mass and momentum onto the grid with quadratic
// B-spline weights on a 3 by 3 node stencil, the grid yields each particle's velocity gradient
// and density, stresses become node forces, and particles take the grid's velocity back.
#include "Fluid/MPM/Liquid.h"

#include "Util/Abort.h"

#include <algorithm>
#include <climits>

namespace Fluid::MPM {

namespace {

// Every formula is worked in double and only its result is stored in single precision.
using Wide = double;

void accumulate(float& sum, const Wide value) {
    sum = static_cast<float>(sum + value);
}

// The nearest integer, halfway cases to the even one, as the processor rounds by default.
// Values past the int range saturate and NaN reads as INT_MIN, so every range check that
// follows sees them outside.
int nearestInt(const Wide value) {
    // Adding 1.5 * 2^52 leaves no bits below the unit, so the sum is rounded to an integer.
    constexpr Wide kRounder = 6755399441055744.0;
    if (!(value >= INT_MIN)) {
        return INT_MIN;
    }
    if (!(value <= INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>((value + kRounder) - kRounder);
}

// The first stencil node along one axis: the nearest integer to (c - 0.5) - 0.5.
int stencilStart(const float coordinate) {
    return nearestInt((Wide{coordinate} - 0.5f) - 0.5f);
}

// The weights of the three stencil nodes at offsets from the particle, and their gradients.
void setWeights(const Wide offset, float* const weights, float* const gradients) {
    const Wide x1 = offset + 1.0f;
    const Wide x2 = x1 + 1.0f;
    weights[0] = static_cast<float>(0.5f * offset * offset + 1.5f * offset + 1.125f);
    gradients[0] = static_cast<float>(offset + 1.5f);
    weights[1] = static_cast<float>(0.75f - x1 * x1);
    gradients[1] = static_cast<float>(-2.0f * x1);
    weights[2] = static_cast<float>(0.5f * x2 * x2 - 1.5f * x2 + 1.125f);
    gradients[2] = static_cast<float>(x2 - 1.5f);
}

// A node coordinate in tiles of 2^shift nodes; a negative shift makes tiles finer than nodes.
std::int64_t tileOf(const std::int64_t node, const int shift) {
    return shift >= 0 ? node >> shift : node * (std::int64_t{1} << -shift);
}

// A particle's stencil weights and gradients, widened once. Kept apart from the particle, they
// need no reloading after each store to a node, which the compiler must assume could change
// the particle.
struct Weights {
    explicit Weights(const FluidParticle& particle) {
        for (int k = 0; k < 3; ++k) {
            wx[k] = particle.wx[k];
            wy[k] = particle.wy[k];
            gx[k] = particle.gx[k];
            gy[k] = particle.gy[k];
        }
    }

    Wide wx[3], wy[3], gx[3], gy[3];
};

} // namespace

// Calls visit(node, w, alongX, alongY) for the stencil's nodes (i, j), i outer and j inner, with
// the node's weight W(i, j) and the weight gradients gx[i] wy[j] and wx[i] gy[j].
template <typename Visit>
void Liquid::forStencil(const FluidParticle& particle, const Visit& visit) {
    const Weights weights(particle);
    FluidNode* const origin = stencilOrigin(particle);
    const auto column = static_cast<std::ptrdiff_t>(m_columnStride);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            visit(origin[i * column + j], weights.wx[i] * weights.wy[j],
                  weights.gx[i] * weights.wy[j], weights.wx[i] * weights.gy[j]);
        }
    }
}

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
    runPhase(m_mapType != BOUNDARY_GRID ? &Liquid::recalcUV : &Liquid::recalcBoundedUV, liquids,
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

void Liquid::calcUV(FluidParticle* const particles, const int count, const float*, int, float) {
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[k];
        particle.cx = stencilStart(particle.x);
        particle.cy = stencilStart(particle.y);
        if (!holdsStencilAt(particle.cx, particle.cy)) {
            const NodeOffset node = firstNodeOutside(particle.cx, particle.cy);
            UTIL_ABORT("CXY " << particle.cx << "," << particle.cy << " i,j " << node.i << ","
                              << node.j << " w,h " << m_width << "," << m_height);
        }
        setWeights(static_cast<Wide>(particle.cx) - particle.x, particle.wx, particle.gx);
        setWeights(static_cast<Wide>(particle.cy) - particle.y, particle.wy, particle.gy);
        FluidNode& centre = stencilOrigin(particle)[m_columnStride + 1];
        centre.count = static_cast<std::uint16_t>(centre.count + 1);
        const Wide u = particle.u;
        const Wide v = particle.v;
        forStencil(particle,
                   [&](FluidNode& node, const Wide w, const Wide alongX, const Wide alongY) {
                       activate(node);
                       accumulate(node.mass, w);
                       accumulate(node.gradX, alongX);
                       accumulate(node.gradY, alongY);
                       accumulate(node.u, w * u);
                       accumulate(node.v, w * v);
                   });
    }
}

void Liquid::scaleActiveNodesUV() {
    for (std::size_t k = 0; k < m_activeCount; ++k) {
        FluidNode& node = *m_activeNodes[k];
        if (node.mass > 0.0f) {
            node.u /= node.mass;
            node.v /= node.mass;
        }
    }
}

void Liquid::scaleActiveNodesAXY() {
    for (std::size_t k = 0; k < m_activeCount; ++k) {
        FluidNode& node = *m_activeNodes[k];
        if (node.mass > 0.0f) {
            node.u = 0.0f;
            node.v = 0.0f;
            node.ax /= node.mass;
            node.ay /= node.mass;
        }
    }
}

void Liquid::clearActiveNodes() {
    for (std::size_t k = 0; k < m_activeCount; ++k) {
        *m_activeNodes[k] = FluidNode{};
    }
    m_activeCount = 0;
}

void Liquid::calcAXY(FluidParticle* const particles, const int count, const float* const props,
                     const int shiftDifference, float) {
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[k];
        const Strain strain = strainAt(particle);
        updateDeformation(particle, strain, props[YIELD_RATE]);
        const int cellX = nearestInt(Wide{particle.x} - 0.5f);
        const int cellY = nearestInt(Wide{particle.y} - 0.5f);
        const Wide pressure = pressureAt(particle, cellX, cellY, props);
        const Vec2 bounce = bounceAt(particle, cellX, cellY, props[BOUNCE_FORCE], shiftDifference);
        const Wide bulk = props[STIFFNESS] * strain.mean * props[BULK_VISCOSITY];
        const Wide sxx = strain.devxx * props[VISCOSITY] + Wide{particle.sxx} * props[ELASTICITY] +
                         pressure + bulk;
        const Wide sxy = strain.shear * props[VISCOSITY] + Wide{particle.sxy} * props[ELASTICITY];
        const Wide syy = bulk + pressure + props[VISCOSITY] * strain.devyy +
                         Wide{props[ELASTICITY]} * particle.syy;
        forStencil(particle,
                   [&](FluidNode& node, const Wide w, const Wide alongX, const Wide alongY) {
                       accumulate(node.ax, bounce.x * w - (sxx * alongX + sxy * alongY));
                       accumulate(node.ay, bounce.y * w - (sxy * alongX + syy * alongY));
                   });
    }
}

Liquid::Strain Liquid::strainAt(const FluidParticle& particle) {
    Wide dudx = 0.0, dudy = 0.0, dvdx = 0.0, dvdy = 0.0;
    forStencil(particle, [&](const FluidNode& node, Wide, const Wide alongX, const Wide alongY) {
        dudx += node.u * alongX;
        dudy += node.u * alongY;
        dvdx += node.v * alongX;
        dvdy += node.v * alongY;
    });
    const Wide mean = (dudx + dvdy) * 0.5f;
    return Strain{dudy - dvdx, (dudy + dvdx) * 0.5f, mean, dudx - mean, dvdy - mean};
}

// Rotates the stored deformation with the flow, adds the deviatoric strain rate and relaxes it
// by the yield rate; a deformation grown past the limit is dropped.
void Liquid::updateDeformation(FluidParticle& particle, const Strain& strain,
                               const float yieldRate) {
    const Wide sxx = particle.sxx;
    const Wide sxy = particle.sxy;
    const Wide syy = particle.syy;
    const Wide spin = strain.spin;
    particle.sxx = static_cast<float>(sxx + ((strain.devxx - sxy * spin) - yieldRate * sxx));
    particle.sxy =
        static_cast<float>(sxy + (((sxx - syy) * spin * 0.5f + strain.shear) - yieldRate * sxy));
    particle.syy = static_cast<float>(syy + ((sxy * spin + strain.devyy) - yieldRate * syy));
    const Wide size = Wide{particle.sxx} * particle.sxx + 2.0f * Wide{particle.sxy} * particle.sxy +
                      Wide{particle.syy} * particle.syy;
    if (size > 5.0f) {
        particle.sxx = 0.0f;
        particle.sxy = 0.0f;
        particle.syy = 0.0f;
    }
}

// The density at the particle from a cubic Hermite patch through the masses and mass
// gradients of the four nodes around it, turned into a pressure capped from above only.
Wide Liquid::pressureAt(const FluidParticle& particle, const int cellX, const int cellY,
                        const float* const props) {
    // The cell's corners are stencil nodes: the cell starts at the stencil's first or second
    // node. Clamping keeps float rounding far from the origin from reaching past the stencil.
    const auto stride = static_cast<std::ptrdiff_t>(m_columnStride);
    const FluidNode& a = stencilOrigin(
        particle)[std::clamp<std::int64_t>(std::int64_t{cellX} - particle.cx, 0, 1) * stride +
                  std::clamp<std::int64_t>(std::int64_t{cellY} - particle.cy, 0, 1)];
    const FluidNode& c = (&a)[stride];
    const FluidNode& b = (&a)[1];
    const FluidNode& d = (&a)[stride + 1];
    const Wide tx = Wide{particle.x} - cellX;
    const Wide ty = Wide{particle.y} - cellY;
    const Wide dX = Wide{c.mass} - a.mass;
    const Wide a2 = 3.0f * dX - c.gradX - 2.0f * a.gradX;
    const Wide a3 = -2.0f * dX + c.gradX + a.gradX;
    const Wide dY = Wide{b.mass} - a.mass;
    const Wide b2 = 3.0f * dY - b.gradY - 2.0f * a.gradY;
    const Wide b3 = -2.0f * dY + b.gradY + a.gradY;
    const Wide massC = a.mass + a.gradX + a2 + a3;
    const Wide massB = a.mass + a.gradY + b2 + b3;
    const Wide c12 = 3.0f * d.mass - 2.0f * c.gradY - d.gradY - 3.0f * massC - b2;
    const Wide c13 = -2.0f * d.mass + c.gradY + d.gradY + 2.0f * massC - b3;
    const Wide c21 = 3.0f * d.mass - 2.0f * b.gradX - d.gradX - 3.0f * massB - a2;
    const Wide c31 = -2.0f * d.mass + b.gradX + d.gradX + 2.0f * massB - a3;
    const Wide c11 = b.gradX - c13 - c12 - a.gradX;
    // mA + pA tx + qA ty + a2 tx² + b2 ty² + a3 tx³ + b3 ty³ + c11 tx ty + c21 tx² ty
    // + c31 tx³ ty + c12 tx ty² + c13 tx ty³, in nested form.
    const Wide density = a.mass + tx * (a.gradX + tx * (a2 + tx * a3)) +
                         ty * (a.gradY + ty * (b2 + ty * b3)) +
                         tx * ty * (c11 + tx * (c21 + tx * c31) + ty * (c12 + ty * c13));
    const Wide pressure =
        (density - props[DENSITY]) * props[STIFFNESS] / std::max(Wide{1.0f}, Wide{props[DENSITY]});
    return std::min(pressure, Wide{2.0f});
}

// A push away from the solid tiles around the particle's tile: from the four sides, or when
// they cancel or are open, from the four diagonals. A particle inside a solid tile is marked
// for removal by the next step.
Liquid::Vec2 Liquid::bounceAt(FluidParticle& particle, const int cellX, const int cellY,
                              const float force, const int shiftDifference) const {
    if (m_mapType == NO_MAP) {
        return Vec2{0.0, 0.0};
    }
    const std::int64_t column = tileOf(cellX, shiftDifference);
    const std::int64_t row = tileOf(cellY, shiftDifference);
    if (isSolid(column, row)) {
        particle.life = -1;
        return Vec2{0.0, 0.0};
    }
    if (force == 0.0f) {
        return Vec2{0.0, 0.0};
    }
    // A solid neighbour at offset (i, j) pushes the other way.
    const auto push = [&](Vec2& bounce, const int i, const int j) {
        if (isSolid(column + i, row + j)) {
            bounce.x -= i * Wide{force};
            bounce.y -= j * Wide{force};
        }
    };
    Vec2 bounce{0.0, 0.0};
    push(bounce, -1, 0);
    push(bounce, 1, 0);
    push(bounce, 0, -1);
    push(bounce, 0, 1);
    if (bounce.x == 0.0 && bounce.y == 0.0) {
        push(bounce, -1, -1);
        push(bounce, 1, -1);
        push(bounce, -1, 1);
        push(bounce, 1, 1);
    }
    return bounce;
}

void Liquid::recalcBoundedUV(FluidParticle* const particles, const int count,
                             const float* const props, int, float) {
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[k];
        Vec2 velocity = acceleratedVelocity(particle);
        velocity.x += Wide{props[GRAVITY_X]} + particle.fx;
        velocity.y += Wide{props[GRAVITY_Y]} + particle.fy;
        // The position lies on the grid, which calcUV has checked, so truncation is safe.
        const BoundaryForceGrid::Force boundary =
            boundaryForce(static_cast<int>(particle.x), static_cast<int>(particle.y));
        if (boundary.nx * velocity.x < 0.0) {
            velocity.x = -velocity.x;
        }
        if (boundary.ny * velocity.y < 0.0) {
            velocity.y = -velocity.y;
        }
        setVelocity(particle, velocity);
    }
}

void Liquid::recalcUV(FluidParticle* const particles, const int count, const float* const props,
                      const int shiftDifference, float) {
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[k];
        Vec2 velocity = acceleratedVelocity(particle);
        velocity.x += props[GRAVITY_X];
        velocity.y += props[GRAVITY_Y];
        if (m_mapType != NO_MAP) {
            const bool wallX = keepOffEdges(velocity.x, particle.x, m_width);
            const bool wallY = keepOffEdges(velocity.y, particle.y, m_height);
            if (!(wallX && wallY)) {
                bounceOffSolidNeighbours(velocity, particle, shiftDifference);
            }
        }
        setVelocity(particle, velocity);
    }
}

// Changes a velocity whose predicted position rounds below node 1 or to the last node or
// beyond so that the position lands just inside; true when it did.
bool Liquid::keepOffEdges(Wide& velocity, const float position, const int nodes) const {
    const Wide predicted = position + velocity;
    const int node = nearestInt(predicted - 0.5f);
    if (node < 1) {
        velocity += (1.0f - predicted) + 0.01f * Wide{random()};
        return true;
    }
    if (node >= nodes - 1) {
        velocity += (static_cast<Wide>(nodes - 1) - 1.0f - predicted) - 0.01f * Wide{random()};
        return true;
    }
    return false;
}

// A predicted position next to a solid tile sends the particle back at a fixed speed.
void Liquid::bounceOffSolidNeighbours(Vec2& velocity, const FluidParticle& particle,
                                      const int shiftDifference) const {
    const std::int64_t nodeX = nearestInt(particle.x + velocity.x - 0.5f);
    const std::int64_t nodeY = nearestInt(particle.y + velocity.y - 0.5f);
    const auto solid = [&](const std::int64_t x, const std::int64_t y) {
        return isSolid(tileOf(x, shiftDifference), tileOf(y, shiftDifference));
    };
    if (solid(nodeX + 1, nodeY)) {
        velocity.x = -1.5f;
    } else if (solid(nodeX - 1, nodeY)) {
        velocity.x = 1.5f;
    }
    if (solid(nodeX, nodeY + 1)) {
        velocity.y = -1.5f;
    } else if (solid(nodeX, nodeY - 1)) {
        velocity.y = 1.5f;
    }
}

// The particle's velocity plus the grid's acceleration at its position.
Liquid::Vec2 Liquid::acceleratedVelocity(const FluidParticle& particle) {
    Vec2 sum{0.0, 0.0};
    forStencil(particle, [&](const FluidNode& node, const Wide w, Wide, Wide) {
        sum.x += w * node.ax;
        sum.y += w * node.ay;
    });
    return Vec2{particle.u + sum.x, particle.v + sum.y};
}

// Stores the particle's new velocity and spreads it onto the grid as momentum. The momentum
// comes from the velocity in double, not from the single-precision value stored: g++ 12 at -O2
// has always folded the round trip through the particle away here, and unoptimised builds must
// give the results the optimised one does.
void Liquid::setVelocity(FluidParticle& particle, const Vec2& velocity) {
    particle.u = static_cast<float>(velocity.x);
    particle.v = static_cast<float>(velocity.y);
    const Wide u = velocity.x;
    const Wide v = velocity.y;
    forStencil(particle, [&](FluidNode& node, const Wide w, Wide, Wide) {
        accumulate(node.u, w * u);
        accumulate(node.v, w * v);
    });
}

void Liquid::doMove(FluidParticle* const particles, const int count, const float* const props, int,
                    const float dt) {
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[k];
        Wide gridU = 0.0, gridV = 0.0;
        forStencil(particle, [&](const FluidNode& node, const Wide w, Wide, Wide) {
            gridU += w * node.u;
            gridV += w * node.v;
        });
        const Wide moveX = gridU * dt;
        const Wide moveY = gridV * dt;
        particle.dx = static_cast<float>(moveX);
        particle.dy = static_cast<float>(moveY);
        accumulate(particle.x, moveX);
        accumulate(particle.y, moveY);
        accumulate(particle.u, (moveX - particle.u) * props[SMOOTHING]);
        accumulate(particle.v, (moveY - particle.v) * props[SMOOTHING]);
    }
}

void Liquid::updatePCount(FluidParticle* const particles, const int count,
                          const float* const props) {
    if (props[COUNT_ADJACENT] == 0.0f) {
        return;
    }
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[k];
        int adjacent = 0;
        forStencil(particle,
                   [&](const FluidNode& node, Wide, Wide, Wide) { adjacent += node.count; });
        particle.adjacent = static_cast<std::uint16_t>(adjacent);
    }
}

} // namespace Fluid::MPM
