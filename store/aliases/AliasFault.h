#pragma once

#include <QString>

#include "store/aliases/AliasFile.h"

// What makes an alias unusable, as the user reads it: the alias, the key and its value, and what
// to do.
// What to do is a template of the "Aliases" context, its %1 the text given.
TPhrase AliasFault(const TAlias& alias, const QString& key, const QString& value, const char* what,
                   const QString& detail = {});

// What makes a PostgreSQL alias's server, database or libpq settings unusable, naming the key
// and its value; empty when they are usable.
TPhrase ServerAliasFault(const TAlias& alias);
