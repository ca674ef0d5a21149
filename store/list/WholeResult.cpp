#include "store/list/WholeResult.h"

#include "store/list/SqlRows.h"

namespace {

class TWholeResult : public TWindowSource {
public:
    explicit TWholeResult(QStringList names) : names_(std::move(names)) {}
    QStringList FieldNames() const override { return names_; }
    TRecordWindow Read(const QSqlDatabase&, int) override { return {}; }
    bool Rereads() const override { return false; }

private:
    QStringList names_;
};

}  // namespace

std::unique_ptr<TWindowSource> ReadWholeResult(QSqlQuery& statement,
                                               std::vector<TRecordWindow>& windows)
{
    const QStringList names = FieldNamesOf(statement.record());
    for (;;) {
        TRecordWindow window = ReadRows(statement, int(names.size()), kWindowRecords);
        const bool last = window.records < kWindowRecords;
        windows.push_back(std::move(window));
        if (last) {
            break;
        }
    }
    return std::make_unique<TWholeResult>(names);
}
