#pragma once

#include <QStringList>
#include <cstddef>
#include <utility>
#include <vector>

#include "store/list/WindowSource.h"

// A list read in windows by its keys: each window starts after the key of the last record of the
// window before it. What such a source keeps: the fields' names, which fields hold the keys, and
// the key each full window ended on. Value is how the engine gives a key's value.
template <typename Value>
class TKeysetSource : public TWindowSource {
public:
    QStringList FieldNames() const override { return names_; }
    bool Rereads() const override { return true; }

protected:
    using TKey = std::vector<Value>;

    // Where the window starts: after this key, or at the list's start for the first window.
    const TKey& StartAfter(int window) const
    {
        static const TKey kListStart;
        return window == 0 ? kListStart : anchors_.at(std::size_t(window - 1));
    }
    // The key a full window ended on, kept the first time the window is read.
    void EndedOn(int window, TKey last)
    {
        if (std::size_t(window) == anchors_.size() && !last.empty()) {
            anchors_.push_back(std::move(last));
        }
    }

    QStringList names_;
    std::vector<int> keyFields_;

private:
    std::vector<TKey> anchors_;
};
