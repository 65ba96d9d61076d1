// SPDX-License-Identifier: GPL-3.0-or-later
// The memory model: one remembered fact as a difficulty (1..10) and a
// stability (the days until the chance of recall falls to 90 %), moved by
// each review's rating, with a power-law forgetting curve. The weights are
// the model's published defaults.
#pragma once

#include <array>

// How well an answer came: 1 forgotten, 2 hard, 3 good, 4 easy.
enum class TRating { Again = 1, Hard = 2, Good = 3, Easy = 4 };

struct TMemoryState {
    double Difficulty = 0;
    double Stability = 0;
};

inline constexpr double DefaultRetention = 0.9;

class TFsrs {
public:
    static constexpr std::array<double, 21> DefaultWeights = {
        0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
        1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

    explicit TFsrs(const std::array<double, 21>& Weights = DefaultWeights);

    // The state after the first review of a fact.
    [[nodiscard]] TMemoryState First(TRating Rating) const;
    // The state after a later review, ElapsedDays whole calendar days after
    // the one before (0: the same day).
    [[nodiscard]] TMemoryState Next(const TMemoryState& State, int ElapsedDays, TRating Rating) const;
    // The chance of recall Days after the last review.
    [[nodiscard]] double Recall(double Days, double Stability) const;
    // Whole days until the chance of recall falls to Retention; at least 1.
    [[nodiscard]] int Interval(double Stability, double Retention = DefaultRetention) const;

private:
    std::array<double, 21> W;
    double Decay;
    double Factor;

    [[nodiscard]] double InitialDifficulty(int Grade) const;
    [[nodiscard]] double NextDifficulty(double Difficulty, int Grade) const;
};

// Whether a value read from anywhere is a state the model can go on from.
[[nodiscard]] bool IsValidState(const TMemoryState& State);
