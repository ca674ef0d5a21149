#include "store/engine/Session.h"

#include "store/engine/Database.h"

TSession::TSession(QString name) : name_(std::move(name))
{
}

TSession::~TSession()
{
    temporary_.clear();
}

void TSession::Start()
{
    if (engine_.Initialized()) {
        return;
    }
    const THourglass loading;
    engine_.Initialize();
}

TDatabase* TSession::FindDatabase(const QString& name) const
{
    for (TDatabase* database : databases_) {
        if (database->DatabaseName().compare(name, Qt::CaseInsensitive) == 0) {
            return database;
        }
    }
    return nullptr;
}

TDatabase& TSession::OpenDatabase(const QString& name)
{
    TDatabase* database = FindDatabase(name);
    if (!database) {
        // A name no connection bears is taken as an alias; the connection is kept to the end.
        temporary_.push_back(std::make_unique<TDatabase>(*this, name, name));
        database = temporary_.back().get();
    }
    database->Open();
    return *database;
}
