// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/fsrs.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double MinStability = 0.001;
constexpr double MaxStability = 36500;

double ClampStability(double Stability)
{
    if (!(Stability >= MinStability)) // NaN too
        return MinStability;
    return std::min(Stability, MaxStability);
}

double ClampDifficulty(double Difficulty)
{
    if (!(Difficulty >= 1))
        return 1;
    return std::min(Difficulty, 10.0);
}

int GradeOf(TRating Rating)
{
    return std::clamp(static_cast<int>(Rating), 1, 4);
}

} // namespace

TFsrs::TFsrs(const std::array<double, 21>& Weights)
    : W(Weights), Decay(-Weights[20]), Factor(std::pow(0.9, 1 / -Weights[20]) - 1)
{
}

double TFsrs::InitialDifficulty(int Grade) const
{
    return W[4] - std::exp((Grade - 1) * W[5]) + 1;
}

double TFsrs::NextDifficulty(double Difficulty, int Grade) const
{
    const double Delta = -W[6] * (Grade - 3);
    const double Damped = Difficulty + Delta * (10 - Difficulty) / 9;
    return ClampDifficulty(W[7] * InitialDifficulty(4) + (1 - W[7]) * Damped);
}

TMemoryState TFsrs::First(TRating Rating) const
{
    const int Grade = GradeOf(Rating);
    return {ClampDifficulty(InitialDifficulty(Grade)), ClampStability(std::max(W[Grade - 1], 0.1))};
}

TMemoryState TFsrs::Next(const TMemoryState& State, int ElapsedDays, TRating Rating) const
{
    const int Grade = GradeOf(Rating);
    const double D = ClampDifficulty(State.Difficulty);
    const double S = ClampStability(State.Stability);
    double NewS;
    if (ElapsedDays <= 0) {
        double Gain = std::pow(S, -W[19]) * std::exp(W[17] * (Grade - 3 + W[18]));
        if (Grade >= 2)
            Gain = std::max(Gain, 1.0);
        NewS = S * Gain;
    } else {
        const double R = Recall(ElapsedDays, S);
        if (Grade == 1) {
            const double Forgotten = ClampStability(W[11] * std::pow(D, -W[12]) *
                                                    (std::pow(S + 1, W[13]) - 1) * std::exp(W[14] * (1 - R)));
            const double Shrunk = std::max(S / std::exp(W[17] * W[18]), MinStability);
            NewS = std::min(Forgotten, Shrunk);
        } else {
            const double Hard = Grade == 2 ? W[15] : 1;
            const double Easy = Grade == 4 ? W[16] : 1;
            NewS = S * (1 + std::exp(W[8]) * (11 - D) * std::pow(S, -W[9]) * (std::exp(W[10] * (1 - R)) - 1) *
                                Hard * Easy);
        }
    }
    return {NextDifficulty(D, Grade), ClampStability(NewS)};
}

double TFsrs::Recall(double Days, double Stability) const
{
    return std::pow(1 + Factor * std::max(Days, 0.0) / ClampStability(Stability), Decay);
}

int TFsrs::Interval(double Stability, double Retention) const
{
    Retention = std::clamp(Retention, 0.01, 0.99);
    const double Days = ClampStability(Stability) / Factor * (std::pow(Retention, 1 / Decay) - 1);
    return static_cast<int>(std::clamp(std::round(Days), 1.0, MaxStability));
}

bool IsValidState(const TMemoryState& State)
{
    return State.Difficulty >= 1 && State.Difficulty <= 10 && State.Stability >= MinStability &&
           State.Stability <= MaxStability;
}
