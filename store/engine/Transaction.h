#pragma once

#include <QString>

#include "store/engine/Database.h"

// A transaction on a database that writes one table, rolled back unless it was committed: work
// that is stored whole or not at all.
class TTransaction {
public:
    TTransaction(TDatabase& database, const QString& writtenTable) : database_(database)
    {
        database_.StartTransaction(writtenTable);
    }
    ~TTransaction()
    {
        if (database_.InTransaction()) {
            database_.Rollback();
        }
    }
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;

    void Commit() { database_.Commit(); }

private:
    TDatabase& database_;
};
