// SPDX-License-Identifier: GPL-3.0-or-later
// The error number of a failed file operation as the messages show it: the
// number, and for the common ones the reason in Dutch words.
#pragma once

#include <string>

// "13 (geen toegang)"; a number without a known reason stands alone ("6").
[[nodiscard]] std::string IoErrorText(int Error);
