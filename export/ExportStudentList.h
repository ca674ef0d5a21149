#pragma once

#include <string>

class QString;

class TQuery;

// How the export reads the list: walking its records, as the window does (the grid's record
// moves with it); or, for a job, the whole list at once where the server can give it in bulk,
// with the same bytes.
enum class TListReading { Records, Bulk };

// Writes every record of the student list to the file at path, one line per student in the
// list's order, as UTF-8 with CR LF line ends (the work of "Export the Database to the CSV
// File" up to its status message). Raises at the failing step; the file keeps what reached it.
// A path that is the list's own SQLite database file or one of its journal files (the same file
// by any name or link) is refused before anything is opened, with an Exception. Answers the
// number of students written.
long long ExportStudentList(const std::string& path, TQuery& names,
                            TListReading reading = TListReading::Records);
void RefuseDatabaseTarget(const std::string& path, TQuery& names);

// The same for a job, replacing the file only once the whole list is written: the list goes to
// a new file beside it, readable by the user alone (or with the old file's mode), which then
// takes the old one's place. On any failure the file is as it was, and the new one goes.
long long ExportStudentListReplacing(const QString& path, TQuery& names, TListReading reading);
