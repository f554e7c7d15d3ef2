#pragma once

#include "Fluid/MPM/BoundaryForceGrid.h"
#include "Fluid/MPM/FluidNode.h"
#include "Fluid/MPM/FluidParticle.h"
#include "Fluid/MPM/FluidProperty.h"
#include "Map/TileMap.h"
#include "RNG/I_Random.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace Fluid::MPM {

// A two-dimensional particle-and-grid liquid simulator laid over a tile map. It owns a node
// grid 2^shift times finer than the map and any number of liquids, each a fixed-capacity
// particle array with twelve properties. Liquids of the separate list are stepped on the grid
// one after another; liquids of the shared list are stepped together, so they push each other.
class Liquid {
public:
    // How particles meet the map. BOUNDARY_GRID bounds velocities by the boundary grid. TILE_MAP
    // (and any value outside the three) keeps them off the grid's edges and the map's solid
    // tiles, and holds a particle that would move so far that its stencil left the grid where
    // the stencil stays on it. NO_MAP ignores the grid's edges and the tile map altogether.
    enum MapType : int { BOUNDARY_GRID = 0, TILE_MAP = 1, NO_MAP = 2 };

    // Names a liquid: its list and its position there. Liquids are never removed.
    struct Handle {
        bool separate;
        int index;
    };

    // The map, boundary grid and random source are not owned and must outlive the simulator.
    // The random source is drawn from only when a particle meets the grid's edge; without one
    // every draw reads as 0. A negative shift counts as 0 for the grid's size; a grid whose
    // side passes the int range raises std::bad_alloc.
    Liquid(const Map::TileMap* tileMap, const BoundaryForceGrid* boundary, int shift,
           float defaultDt, MapType mapType, RNG::I_Random* random);
    virtual ~Liquid();

    Liquid(const Liquid&) = delete;
    Liquid& operator=(const Liquid&) = delete;

    // A liquid of capacity particles (none when negative) with the default properties.
    Handle createLiquid(bool separate, int shift, int capacity);
    // Copies as many of the count records as still fit behind the live particles; returns
    // that number.
    int addParticles(const Handle& handle, const FluidParticle* particles, int count);
    // The live particles come first; null for an invalid handle.
    FluidParticle* getParticles(const Handle& handle);
    const FluidParticle* getParticles(const Handle& handle) const;
    int getNumParticles(const Handle& handle) const;
    int getMaxParticles(const Handle& handle) const;
    // The factor from the liquid's coordinates to map units: 2 to the power of the map's tile
    // shift plus the liquid's shift minus the grid's, that sum held to 0..31.
    int getXYScale(const Handle& handle) const;

    // Ids outside 0..11 read as 0 and are not stored.
    float getPropertyMax(int id) const;
    float getProperty(const Handle& handle, int id) const;
    // Stores the value held to the property's range.
    void setProperty(const Handle& handle, int id, float value);

    // Whether the particle's 3 by 3 node stencil lies on the grid. A step ends the program
    // with the abort report at the first live particle for which it does not.
    bool holdsStencil(const FluidParticle& particle) const;

    // One step of every liquid; a negative time step is replaced by the default one.
    void simulate(float dt);

private:
    struct LiquidInfo {
        std::unique_ptr<FluidParticle[]> particles;
        int maxParticles;
        int numParticles;
        int shift;
        float props[NUM_PROPERTIES];
    };
    struct NodeOffset {
        int i;
        int j;
    };
    struct Vec2 {
        double x;
        double y;
    };
    struct TileBounce;
    struct SolidNeighbours;
    // One pass over one liquid's particles: particles, live count, properties, the shift from
    // the liquid's coordinates to the grid's, time step.
    using Phase = void (Liquid::*)(FluidParticle*, int, const float*, int, float);

    LiquidInfo* find(const Handle& handle);
    const LiquidInfo* find(const Handle& handle) const;
    void reserveActiveNodes();
    int shiftDifference(const LiquidInfo& liquid) const;

    void step(LiquidInfo* liquids, std::size_t count, float dt);
    void runPhase(Phase phase, LiquidInfo* liquids, std::size_t count, float dt);
    void updateLiquidInfo(LiquidInfo* liquid);
    void calcUV(FluidParticle* particles, int count, const float* props, int shiftDifference,
                float dt);
    void calcAXY(FluidParticle* particles, int count, const float* props, int shiftDifference,
                 float dt);
    void recalcBoundedUV(FluidParticle* particles, int count, const float* props,
                         int shiftDifference, float dt);
    void recalcUV(FluidParticle* particles, int count, const float* props, int shiftDifference,
                  float dt);
    void doMove(FluidParticle* particles, int count, const float* props, int shiftDifference,
                float dt);
    void updatePCount(FluidParticle* particles, int count, const float* props);
    void scaleActiveNodesUV();
    void scaleActiveNodesAXY();
    void clearActiveNodes();

    TileBounce tileBounce(std::int64_t column, std::int64_t row, float force) const;
    bool keepOffEdges(double& velocity, float position, int nodes) const;
    void keepOffWalls(Vec2& velocity, const FluidParticle& particle, int shiftDifference,
                      SolidNeighbours& neighbours) const;
    SolidNeighbours solidNeighbours(const std::int64_t (&columns)[3],
                                    const std::int64_t (&rows)[3]) const;

    bool holdsStencilAt(int cx, int cy) const;
    NodeOffset firstNodeOutside(int cx, int cy) const;
    FluidNode* stencilOrigin(const FluidParticle& particle);
    void activate(FluidNode& node);
    bool isSolid(std::int64_t column, std::int64_t row) const;
    BoundaryForceGrid::Force boundaryForce(int column, int row) const;
    float random() const;

    const Map::TileMap* m_tileMap;
    const BoundaryForceGrid* m_boundary;
    int m_shift;
    float m_defaultDt;
    MapType m_mapType;
    int m_width;
    int m_height;
    RNG::I_Random* m_random;
    // Node (i, j) is element i * m_columnStride + j. Columns are padded by a cache line so
    // that neighbouring columns of a grid whose height is a power of two do not fall into the
    // same cache sets.
    std::size_t m_columnStride;
    std::vector<FluidNode> m_nodes;
    // The first m_activeCount entries are the nodes touched in the current step, each once,
    // in first-touch order.
    std::vector<FluidNode*> m_activeNodes;
    std::size_t m_activeCount = 0;
    std::vector<LiquidInfo> m_separateLiquids;
    std::vector<LiquidInfo> m_sharedLiquids;
};

} // namespace Fluid::MPM
