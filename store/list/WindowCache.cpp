#include "store/list/WindowCache.h"

const TRecordWindow* TWindowCache::Find(int window) const
{
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

bool TWindowCache::Touch(int window)
{
    if (!Find(window)) {
        return false;
    }
    if (recent_.front() != window) {
        recent_.remove(window);
        recent_.push_front(window);
    }
    return true;
}

void TWindowCache::Keep(int window, TRecordWindow records, bool bounded, int current)
{
    windows_.insert_or_assign(window, std::move(records));
    recent_.remove(window);
    recent_.push_front(window);
    if (!bounded) {
        return;
    }
    for (auto it = recent_.end(); windows_.size() > kKept && it != recent_.begin();) {
        --it;
        if (*it != current && *it != window) {
            windows_.erase(*it);
            it = recent_.erase(it);
        }
    }
}

void TWindowCache::Clear()
{
    windows_.clear();
    recent_.clear();
}
