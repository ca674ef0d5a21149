#pragma once

#include <QSqlQuery>
#include <memory>
#include <vector>

#include "store/list/WindowSource.h"

// The whole result of a statement, read at once into windows that all stay in memory, so that
// no read lock outlives the opening and keeps other connections from writing.
std::unique_ptr<TWindowSource> ReadWholeResult(QSqlQuery& statement,
                                               std::vector<TRecordWindow>& windows);
