#pragma once

#include <string>

class TQuery;

// Writes every record of the student list to the file at path, one line per student in the
// list's order, as UTF-8 with CR LF line ends (the work of "Export the Database to the CSV
// File" up to its status message). Raises at the failing step; the file keeps what reached it.
void ExportStudentList(const std::string& path, TQuery& names);
