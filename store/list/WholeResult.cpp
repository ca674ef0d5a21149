#include "store/list/WholeResult.h"

namespace {

class TWholeResult : public TWindowSource {
public:
    explicit TWholeResult(QStringList names) : names_(std::move(names)) {}
    QStringList FieldNames() const override { return names_; }
    TRecordWindow Read(const QSqlDatabase&, int) override { return {}; }
    bool Rereads() const override { return false; }
    long long ReadThrough(const QSqlDatabase&, const TRecordSink&) override { return -1; }

private:
    QStringList names_;
};

}  // namespace

std::unique_ptr<TWindowSource> WholeResult(QStringList names)
{
    return std::make_unique<TWholeResult>(std::move(names));
}
