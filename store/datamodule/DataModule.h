#pragma once

#include "store/engine/Database.h"
#include "store/engine/Session.h"
#include "store/list/Query.h"
#include "toolkit/DataSet.h"

class TApplication;

// The names the data module's connections bear: the posting's connection and the alias of the
// student database, which QNames reads over.
inline const QString kDatabase1 = QStringLiteral("Database1");
inline const QString kStudentAlias = QStringLiteral("DVK");

// The data module: the student database's connection "Database1" on the alias DVK, the student
// list query QNames (which reads over a connection of its own, named after the alias) and the
// data source DSNames that the database grid shows. Building it connects Database1.
//
// Database1 is shared, read-write and keeps its connection; the posting starts no transaction on
// it, so each insert takes effect when it completes and the next opening of QNames sees it.
// Taking a posting back removes its records in one transaction of its own.
class TfDM1 {
public:
    explicit TfDM1(TApplication& app);

    TSession Session;
    TDatabase Database1;
    TQuery QNames;
    TDataSource DSNames;
};
