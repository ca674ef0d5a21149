#include "export/ExportStudentList.h"

#include "export/StudentLineFormat.h"
#include "store/Query.h"
#include "textio/TextFile.h"

void ExportStudentList(const std::string& path, TQuery& names)
{
    // The file is created, or emptied, before the list is read.
    TTextFile file;
    file.OpenToWrite(path);

    // From the first record, whatever record the database grid had selected.
    names.Open();
    names.First();

    while (!names.Eof()) {
        file.WriteTextLine(FormatStudentLine(names.FieldByName("studentid").AsString(),
                                             names.FieldByName("fname").AsString(),
                                             names.FieldByName("lname").AsString()));
        names.Next();
    }

    // A failure met by the flush is raised by the close.
    file.FlushText();
    file.CloseText();
}
