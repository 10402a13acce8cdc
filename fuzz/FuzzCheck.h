// What every fuzz target uses to state its properties: a property that fails
// aborts, which libFuzzer reports as a crash and keeps the input for.
#pragma once

#include <cstdlib>

inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}
