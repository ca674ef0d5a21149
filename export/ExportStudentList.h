#pragma once

#include <string>

class QString;

class TQuery;

// Writes every record of the student list to the file at path, one line per student in the
// list's order, as UTF-8 with CR LF line ends (the work of "Export the Database to the CSV
// File" up to its status message). The list is read in one streamed reading, and left on its
// last record, or on the record whose line could not be written. Raises at the failing step; the
// file keeps what reached it. A path that is the list's own SQLite database file or one of its
// journal files (the same file by any name or link) is refused before anything is opened, with an
// Exception. Answers the number of students written.
long long ExportStudentList(const std::string& path, TQuery& names);
void RefuseDatabaseTarget(const std::string& path, TQuery& names);

// The same for a job, replacing the file only once the whole list is written: the list goes to
// a new file beside it, readable by the user alone (or with the old file's mode), which then
// takes the old one's place. On any failure the file is as it was, and the new one goes.
long long ExportStudentListReplacing(const QString& path, TQuery& names);
