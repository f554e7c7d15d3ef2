#pragma once

namespace Util {

// Raises a counter for its own lifetime and lowers it again on every way out of the scope,
// an exception included: for the depth counters of re-entrant walks and dispatches.
class CountGuard {
public:
    explicit CountGuard(int& counter) : m_counter(counter) { ++m_counter; }
    ~CountGuard() { --m_counter; }
    CountGuard(const CountGuard&) = delete;
    CountGuard& operator=(const CountGuard&) = delete;

private:
    int& m_counter;
};

} // namespace Util
