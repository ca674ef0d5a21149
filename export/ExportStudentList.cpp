#include "export/ExportStudentList.h"

#include <sys/stat.h>

#include <QFileInfo>

#include "export/StudentLineFormat.h"
#include "store/list/Query.h"
#include "store/table/StudentListTable.h"
#include "textio/Exception.h"
#include "textio/PrivateFiles.h"
#include "textio/TextFile.h"

namespace {

// Nobody watches the file fill: it is written in blocks, as the bulk loaders write, and not a
// request to the file system for every 128 bytes.
constexpr std::size_t kExportWriteBuffer = 64 * 1024;

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

void RefuseDatabaseTarget(const std::string& path, TQuery& names)
{
    const std::string database = names.DatabaseFile().toStdString();
    if (path.empty() || database.empty()) {
        return;
    }
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        if (SameFile(path, database + suffix)) {
            const TPhrase which =
                *suffix ? TPhrase("Export", QT_TRANSLATE_NOOP("Export", " (its file %1)"),
                                  {database + suffix})
                        : TPhrase("Export", QT_TRANSLATE_NOOP("Export", " itself"));
            throw Exception(TPhrase("Export",
                                    QT_TRANSLATE_NOOP("Export",
                                                      "The export file %1 is the student "
                                                      "database%2: writing the list there would "
                                                      "destroy it. Name another file"),
                                    {path, which}));
        }
    }
}

long long ExportStudentList(const std::string& path, TQuery& names)
{
    RefuseDatabaseTarget(path, names);

    // The file is created, or emptied, before the list is read.
    TTextFile file;
    file.OpenToWrite(path);
    file.SetTextBuffer(kExportWriteBuffer);

    // The whole list in one reading, whatever record the database grid had selected.
    names.Open();
    const int idNum = names.FieldNumber(kStudentIdColumn);
    const int firstName = names.FieldNumber(kFirstNameColumn);
    const int lastName = names.FieldNumber(kLastNameColumn);
    long long written = names.ReadThrough([&](const TRecordWindow& record) {
        file.WriteTextLine(FormatStudentLine(record.texts[std::size_t(idNum)],
                                             record.texts[std::size_t(firstName)],
                                             record.texts[std::size_t(lastName)]));
    });
    if (written < 0) {
        // A result held whole, from its first record.
        names.First();
        written = 0;
        while (!names.Eof()) {
            file.WriteTextLine(FormatStudentLine(names.FieldByName(kStudentIdColumn).AsString(),
                                                 names.FieldByName(kFirstNameColumn).AsString(),
                                                 names.FieldByName(kLastNameColumn).AsString()));
            names.Next();
            ++written;
        }
    }

    // A failure met by the flush is raised by the close.
    file.FlushText();
    file.CloseText();
    return written;
}

long long ExportStudentListReplacing(const QString& path, TQuery& names)
{
    const std::string target = path.toStdString();
    RefuseDatabaseTarget(target, names);
    // What is no plain file (a device, a pipe) is written as it is, and a missing folder is told
    // by the text file as for any export.
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if ((exists && !S_ISREG(st.st_mode)) || !QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        return ExportStudentList(target, names);
    }
    TReplacedFile replaced(path, TReplacedFile::Mode::KeepMode);
    const long long students = ExportStudentList(replaced.WorkingPath().toStdString(), names);
    replaced.Commit();
    return students;
}
