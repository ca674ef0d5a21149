#pragma once

#include <QStringList>
#include <memory>

#include "store/list/WindowSource.h"

// The whole result of a statement, read at once into windows that all stay in memory, so that
// no read lock outlives the opening and keeps other connections from writing: the source only
// names its fields.
std::unique_ptr<TWindowSource> WholeResult(QStringList names);
