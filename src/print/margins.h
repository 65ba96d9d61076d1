// SPDX-License-Identifier: GPL-3.0-or-later
// The page margins of a report, measured from the edges of the paper in the
// report's units.
#pragma once

struct TMargins {
    float Left = 10.0f;
    float Top = 10.0f;
    float Right = 10.0f;
    float Bottom = 10.0f;

    bool operator==(const TMargins&) const = default;
};
