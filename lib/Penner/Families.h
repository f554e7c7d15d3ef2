#pragma once

// The eleven families of easing curves. Each is a class without data holding three static
// curves of (t, b, c, d): the value at elapsed time t of a change c from b over duration d,
// easing in, easing out and easing in then out. Times are not clamped to [0, d].

// Calls X(Family) once for every family, in name order; the easer objects and their names
// are made from this one list.
#define PENNER_FAMILIES(X)                                                                         \
    X(Back)                                                                                        \
    X(Bounce)                                                                                      \
    X(Circ)                                                                                        \
    X(Cubic)                                                                                       \
    X(Elastic)                                                                                     \
    X(Expo)                                                                                        \
    X(Linear)                                                                                      \
    X(Quad)                                                                                        \
    X(Quart)                                                                                       \
    X(Quint)                                                                                       \
    X(Sine)

// NOLINTBEGIN(bugprone-macro-parentheses): the argument is the name of a class.
#define PENNER_DECLARE_FAMILY(Family)                                                              \
    class Family {                                                                                 \
    public:                                                                                        \
        Family() = delete;                                                                         \
        static float easeIn(float t, float b, float c, float d);                                   \
        static float easeOut(float t, float b, float c, float d);                                  \
        static float easeInOut(float t, float b, float c, float d);                                \
    };
// NOLINTEND(bugprone-macro-parentheses)

namespace Penner {

PENNER_FAMILIES(PENNER_DECLARE_FAMILY)

} // namespace Penner

#undef PENNER_DECLARE_FAMILY
