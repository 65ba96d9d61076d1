// SPDX-License-Identifier: GPL-3.0-or-later
// The busy cursor over the whole program for as long as the object lives,
// for work that keeps the window from answering (reading a table).
#pragma once

class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};
