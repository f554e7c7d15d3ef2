// Construction, liquids and their particles, and properties.
#include "Fluid/MPM/Liquid.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <utility>

namespace Fluid::MPM {

namespace {

constexpr float PROPERTY_MAX[NUM_PROPERTIES] = {10.0f, 1.0f,  10.0f, 1.0f, 1.0f,  1.0f,
                                                1.0f,  0.05f, 0.05f, 1.0f, 50.0f, 1.0f};
constexpr float NEW_LIQUID[NUM_PROPERTIES] = {2.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.1f,
                                              0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f};

bool isProperty(const int id) {
    return id >= 0 && id < NUM_PROPERTIES;
}

// Gravity pulls either way; every other property is never negative.
float propertyMin(const int id) {
    return id == GRAVITY_X || id == GRAVITY_Y ? -PROPERTY_MAX[id] : 0.0f;
}

int nodesAlong(const int tiles, const int shift) {
    const std::int64_t nodes = std::int64_t{std::max(tiles, 0)} << std::clamp(shift, 0, 31);
    if (nodes > INT_MAX) {
        throw std::bad_alloc();
    }
    return static_cast<int>(nodes);
}

} // namespace

Liquid::Liquid(const Map::TileMap* const tileMap, const BoundaryForceGrid* const boundary,
               const int shift, const float defaultDt, const MapType mapType,
               RNG::I_Random* const random)
    : m_tileMap(tileMap), m_boundary(boundary), m_shift(shift), m_defaultDt(defaultDt),
      m_mapType(mapType), m_width(nodesAlong(tileMap->width, shift)),
      m_height(nodesAlong(tileMap->height, shift)), m_random(random),
      m_columnStride(static_cast<std::size_t>(m_height) + 64 / sizeof(FluidNode)),
      m_nodes(static_cast<std::size_t>(m_width) * m_columnStride) {}

Liquid::~Liquid() = default;

Liquid::Handle Liquid::createLiquid(const bool separate, const int shift, const int capacity) {
    std::vector<LiquidInfo>& list = separate ? m_separateLiquids : m_sharedLiquids;
    const int maxParticles = std::max(capacity, 0);
    LiquidInfo liquid{std::make_unique<FluidParticle[]>(static_cast<std::size_t>(maxParticles)),
                      maxParticles,
                      0,
                      shift,
                      {}};
    std::memcpy(liquid.props, NEW_LIQUID, sizeof liquid.props);
    list.push_back(std::move(liquid));
    reserveActiveNodes();
    return Handle{separate, static_cast<int>(list.size() - 1)};
}

// A particle touches at most nine nodes, so the list never outgrows nine times the particles
// stepped together, nor the grid: sizing it for that now keeps every step free of allocation
// and of the list's growth checks.
void Liquid::reserveActiveNodes() {
    std::size_t together = 0;
    for (const LiquidInfo& liquid : m_sharedLiquids) {
        together += static_cast<std::size_t>(liquid.maxParticles);
    }
    for (const LiquidInfo& liquid : m_separateLiquids) {
        together = std::max(together, static_cast<std::size_t>(liquid.maxParticles));
    }
    const std::size_t gridNodes =
        static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height);
    m_activeNodes.resize(std::max(m_activeNodes.size(), std::min(gridNodes, 9 * together)));
}

int Liquid::addParticles(const Handle& handle, const FluidParticle* const particles,
                         const int count) {
    LiquidInfo* const liquid = find(handle);
    if (liquid == nullptr || count <= 0) {
        return 0;
    }
    const int copied = std::min(count, liquid->maxParticles - liquid->numParticles);
    std::copy_n(particles, copied, liquid->particles.get() + liquid->numParticles);
    liquid->numParticles += copied;
    return copied;
}

FluidParticle* Liquid::getParticles(const Handle& handle) {
    LiquidInfo* const liquid = find(handle);
    return liquid != nullptr ? liquid->particles.get() : nullptr;
}

const FluidParticle* Liquid::getParticles(const Handle& handle) const {
    const LiquidInfo* const liquid = find(handle);
    return liquid != nullptr ? liquid->particles.get() : nullptr;
}

int Liquid::getNumParticles(const Handle& handle) const {
    const LiquidInfo* const liquid = find(handle);
    return liquid != nullptr ? liquid->numParticles : 0;
}

int Liquid::getMaxParticles(const Handle& handle) const {
    const LiquidInfo* const liquid = find(handle);
    return liquid != nullptr ? liquid->maxParticles : 0;
}

int Liquid::getXYScale(const Handle& handle) const {
    const LiquidInfo* const liquid = find(handle);
    std::int64_t shift = m_tileMap->tileShift;
    if (liquid != nullptr) {
        shift += std::int64_t{liquid->shift} - m_shift;
    }
    return static_cast<int>(1u << std::clamp<std::int64_t>(shift, 0, 31));
}

float Liquid::getPropertyMax(const int id) const {
    return isProperty(id) ? PROPERTY_MAX[id] : 0.0f;
}

float Liquid::getProperty(const Handle& handle, const int id) const {
    const LiquidInfo* const liquid = find(handle);
    return liquid != nullptr && isProperty(id) ? liquid->props[id] : 0.0f;
}

void Liquid::setProperty(const Handle& handle, const int id, const float value) {
    LiquidInfo* const liquid = find(handle);
    if (liquid != nullptr && isProperty(id)) {
        // NaN passes unchanged: it is neither below the minimum nor above the maximum.
        liquid->props[id] = std::clamp(value, propertyMin(id), PROPERTY_MAX[id]);
    }
}

Liquid::LiquidInfo* Liquid::find(const Handle& handle) {
    return const_cast<LiquidInfo*>(std::as_const(*this).find(handle));
}

const Liquid::LiquidInfo* Liquid::find(const Handle& handle) const {
    const std::vector<LiquidInfo>& list = handle.separate ? m_separateLiquids : m_sharedLiquids;
    if (handle.index < 0 || static_cast<std::size_t>(handle.index) >= list.size()) {
        return nullptr;
    }
    return &list[static_cast<std::size_t>(handle.index)];
}

int Liquid::shiftDifference(const LiquidInfo& liquid) const {
    return static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{m_shift} - liquid.shift, -31, 31));
}

} // namespace Fluid::MPM
