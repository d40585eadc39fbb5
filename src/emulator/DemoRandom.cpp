#include "emulator/DemoRandom.h"

#include <cmath>

static std::seed_seq seedSequence(std::uint64_t seed, std::uint64_t stream)
{
    return std::seed_seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                         static_cast<std::uint32_t>(stream), static_cast<std::uint32_t>(stream >> 32)};
}

DemoRandom::DemoRandom(std::uint64_t seed, std::uint64_t stream)
    : m_seed(seed)
    , m_stream(stream)
{
    std::seed_seq sequence = seedSequence(seed, stream);
    m_engine.seed(sequence);
}

DemoRandom DemoRandom::fork(std::uint64_t stream) const
{
    // Mixing keeps fork(a).fork(b) apart from fork(b).fork(a).
    return DemoRandom(m_seed, m_stream * 0x9E3779B97F4A7C15ULL + stream + 1);
}

std::uint32_t DemoRandom::next()
{
    return static_cast<std::uint32_t>(m_engine());
}

double DemoRandom::uniform()
{
    const std::uint64_t high = next() >> 5;
    const std::uint64_t low = next() >> 6;
    return static_cast<double>((high << 26) | low) / 9007199254740992.0;
}

double DemoRandom::uniform(double low, double high)
{
    return low + (high - low) * uniform();
}

int DemoRandom::integer(int low, int high)
{
    if (high <= low)
        return low;
    const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1;
    const std::uint64_t limit = (0x100000000ULL / span) * span;
    std::uint64_t value = next();
    while (value >= limit)
        value = next();
    return static_cast<int>(static_cast<std::int64_t>(low) + static_cast<std::int64_t>(value % span));
}

double DemoRandom::normal(double mean, double deviation)
{
    if (m_hasSpareNormal) {
        m_hasSpareNormal = false;
        return mean + deviation * m_spareNormal;
    }
    // Box-Muller: two uniforms give two independent standard normals.
    double u = 0.0;
    while (u <= 0.0)
        u = uniform();
    const double radius = std::sqrt(-2.0 * std::log(u));
    const double angle = 2.0 * M_PI * uniform();
    m_spareNormal = radius * std::sin(angle);
    m_hasSpareNormal = true;
    return mean + deviation * radius * std::cos(angle);
}

bool DemoRandom::chance(double probability)
{
    return uniform() < probability;
}
