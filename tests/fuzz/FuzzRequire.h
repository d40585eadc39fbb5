#pragma once

#include <cstdlib>

// A broken property ends the fuzz run with a crash libFuzzer records, in every build type.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}
