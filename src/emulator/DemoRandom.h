#pragma once

#include <cstdint>
#include <random>
#include <vector>

// The seeded random source of the demo data. The engine's output is fixed by
// the C++ standard, but the distributions of <random> differ between standard
// libraries, so they are computed here: the same seed gives the same bytes on
// every machine.
class DemoRandom
{
public:
    explicit DemoRandom(std::uint64_t seed, std::uint64_t stream = 0);

    // An independent generator for one part of the data (a monitor, a record),
    // so changing one part leaves the bytes of every other part as they were.
    DemoRandom fork(std::uint64_t stream) const;

    std::uint32_t next();
    // Uniform in [0, 1) with 53 random bits.
    double uniform();
    double uniform(double low, double high);
    // Uniform integer in [low, high], both included, without modulo bias.
    int integer(int low, int high);
    double normal(double mean, double deviation);
    bool chance(double probability);
    template <typename T>
    const T& pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(integer(0, static_cast<int>(items.size()) - 1))];
    }

private:
    std::uint64_t m_seed;
    std::uint64_t m_stream;
    std::mt19937 m_engine;
    double m_spareNormal = 0.0;
    bool m_hasSpareNormal = false;
};
