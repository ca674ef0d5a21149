#pragma once

#include <QString>

#include "store/aliases/AliasFile.h"

// What makes an alias unusable, as the user reads it: the alias, the key and its value, and what
// to do.
QString AliasFault(const TAlias& alias, const QString& key, const QString& value,
                   const QString& what);

// What makes a PostgreSQL alias's server, database or libpq settings unusable, naming the key
// and its value; empty when they are usable.
QString ServerAliasFault(const TAlias& alias);
