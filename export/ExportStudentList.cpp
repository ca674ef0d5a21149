#include "export/ExportStudentList.h"

#include "export/StudentLineFormat.h"
#include "store/Query.h"
#include "textio/TextFile.h"

void ExportStudentList(const std::string& path, TQuery& names)
{
    // 2. The file is created, or emptied, before the list is read.
    TTextFile file;
    file.OpenToWrite(path);

    // 3. From the first record, whatever record the database grid had selected.
    names.Open();
    names.First();

    // 4.
    while (!names.Eof()) {
        file.WriteTextLine(FormatStudentLine(names.FieldByName("studentid").AsString(),
                                             names.FieldByName("fname").AsString(),
                                             names.FieldByName("lname").AsString()));
        names.Next();
    }

    // 5. A failure met by the flush is raised by the close.
    file.FlushText();
    file.CloseText();
}
