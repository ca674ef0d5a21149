#pragma once

#include <list>
#include <map>

#include "store/list/WindowSource.h"

// The windows of a list held in memory, by number: at most a fixed number once windows can be
// read again, the least recently used going first, never the one of the current record.
class TWindowCache {
public:
    // How many windows stay in memory: many screens of the grid, a few megabytes.
    static constexpr std::size_t kKept = 48;

    const TRecordWindow* Find(int window) const;
    // Marks a held window as the most recently used; false when it is not held.
    bool Touch(int window);
    // Holds the window; where `bounded`, lets others go down to kKept, keeping `current`.
    void Keep(int window, TRecordWindow records, bool bounded, int current);
    void Clear();

private:
    std::map<int, TRecordWindow> windows_;
    std::list<int> recent_;  // most recently used first
};
