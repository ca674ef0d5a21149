#include "store/engine/Engine.h"

#include "store/engine/StatementText.h"

void TEngine::CheckInitialized() const
{
    if (!initialized_) {
        throw EDBEngineError::InitFailure(kErrNotInitialized);
    }
}

void TEngine::Initialize()
{
    if (initialized_) {
        return;
    }
    std::vector<TAlias> aliases = TAliasFile().Read();
    if (!QSqlDatabase::isDriverAvailable(kSqliteDriver)) {
        throw EDBEngineError::InitFailure(kErrDriverMissing);
    }
    aliases_ = std::move(aliases);
    initialized_ = true;
}

const TAlias* TEngine::FindAlias(const QString& name) const
{
    for (const TAlias& alias : aliases_) {
        if (alias.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &alias;
        }
    }
    return nullptr;
}

void TEngine::AddPassword(const QString& password)
{
    if (!passwords_.contains(password)) {
        passwords_.append(password);
    }
}

void TEngine::RemovePassword(const QString& password)
{
    passwords_.removeAll(password);
}

QString TEngine::TableLackingPassword(const TAlias& alias, const QString& sql) const
{
    const std::string text = sql.toStdString();
    for (auto it = alias.tablePasswords.cbegin(); it != alias.tablePasswords.cend(); ++it) {
        if (!passwords_.contains(it.value()) && StatementNamesTable(text, it.key().toStdString())) {
            return it.key();
        }
    }
    return {};
}
