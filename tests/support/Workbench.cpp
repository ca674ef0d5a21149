#include "tests/support/Workbench.h"

#include "toolkit/StringGrid.h"

Workbench::Workbench(Backend backend, const TestDatabase::Options& options)
    : app(QStringLiteral("/opt/cardovane/Cardovane"), seam), db(backend, options)
{
    window = std::make_unique<TfMain>(app);
    dm = std::make_unique<TfDM1>(app);
    window->AttachDataModule(dm.get());
    window->postingPause = std::chrono::milliseconds(0);
    window->FormActivate(window.get());
}

void Workbench::FillGrid(const std::vector<std::vector<std::string>>& rows)
{
    TStringGrid& grid = *window->SGRecordStudents;
    grid.SetRowCount(int(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 3; ++c) {
            grid.SetCell(c, int(r) + 1, rows[r][std::size_t(c)]);
        }
    }
}

QStringList Workbench::TakeMessages()
{
    QStringList texts;
    for (; seen_ < seam.shown.size(); ++seen_) {
        if (seam.shown[seen_].kind == QLatin1String("QMessageBox")) {
            texts << seam.shown[seen_].text;
        }
    }
    return texts;
}
