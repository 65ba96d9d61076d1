// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz's one pseudo-random generator: uniform integers below a bound.
#pragma once

#include <cstdint>
#include <random>

class TQuizRandom {
public:
    // Seeds from the clock (a new quiz).
    void Randomize();
    // Seeds with a fixed value, so that a quiz can be repeated.
    void Seed(std::uint64_t Value);
    // A uniformly random integer in 0..N-1; 0 when N <= 0.
    [[nodiscard]] int Below(int N);

private:
    std::mt19937_64 Engine{5489u};
};
