#pragma once

#include <functional>
#include <string_view>

class TDatabase;

// The identification number, first name and last name of one student, as the list's records
// give them.
using TStudentFieldsSink = std::function<void(std::string_view idNum, std::string_view firstName,
                                              std::string_view lastName)>;

// Reads those fields of every student of the list, in the list's order, at the bulk loaders'
// speed, in one reading as of its start: on a PostgreSQL server one COPY of the list's query in
// binary format, so that no text escaping stands between the stored bytes and the caller; on
// SQLite one statement on its own handle. Answers the number of students read; or -1, having
// read nothing, where the table lacks a field or a server's column is of a type whose text the
// records would give otherwise: the caller then walks the records.
long long ReadStudentFieldsInBulk(TDatabase& database, const TStudentFieldsSink& row);
