#include "import/PostStudentList.h"

#include <QString>
#include <thread>

#include "import/StudentKey.h"
#include "store/DataModule.h"
#include "toolkit/StringGrid.h"

void PostStudentList(TStringGrid& grid, TfDM1& dm, PostingView& view,
                     std::chrono::milliseconds pause)
{
    // 1. The maximum query.
    TQuery maxQuery(dm.Session);
    maxQuery.databaseName = QStringLiteral("Database1");
    maxQuery.sql << QStringLiteral("select MAX(PSIDSequence) as PSIDSequence from StudentList")
                 << QStringLiteral("where PSID = :PrepPSID");
    maxQuery.Prepare();

    // 2. The insert statement.
    TQuery insert(dm.Session);
    insert.databaseName = QStringLiteral("Database1");
    insert.sql << QStringLiteral("insert into studentlist")
               << QStringLiteral("(psid,psidsequence,studentid, fname, lname)")
               << QStringLiteral("values(") << QStringLiteral("  :psid")
               << QStringLiteral(", :psidsequence") << QStringLiteral(", :studentid")
               << QStringLiteral(", :fname") << QStringLiteral(", :lname") << QStringLiteral(")");
    insert.Prepare();

    // 3.
    view.SetProgressLabel(QStringLiteral("Importing Records:"));

    // 4. Each row's maximum is read after the row before it went in, so rows sharing a key
    //    receive consecutive numbers.
    const int rowCount = grid.RowCount();
    for (int r = 1; r <= rowCount - 1; ++r) {
        const std::string psid = MakePSID(grid.Cell(1, r), grid.Cell(2, r));  // 4.1
        maxQuery.SetParamText(0, psid);                                       // 4.2
        maxQuery.Open();
        const int sequence = NextPSIDSequence(maxQuery.FieldByName("PSIDSequence").AsString());
        maxQuery.Close();  // 4.4
        grid.SetRow(r);    // 4.5
        grid.RepaintNow();
        insert.SetParamText(0, psid);  // 4.6
        insert.SetParamInteger(1, sequence);
        insert.SetParamText(2, grid.Cell(0, r));
        insert.SetParamText(3, grid.Cell(1, r));
        insert.SetParamText(4, grid.Cell(2, r));
        insert.ExecSQL();     // 4.7
        view.StepProgress();  // 4.8
        if (pause.count() > 0) {
            std::this_thread::sleep_for(pause);  // 4.9
        }
    }

    // 5. Both statements are released as they go out of scope, here or at a failure.
    insert.UnPrepare();
    maxQuery.UnPrepare();

    // 6.
    dm.QNames.Close();
    dm.QNames.Open();

    // 7.
    view.SetProgressLabel(QStringLiteral("Import Complete"));
}
