#pragma once

#include <QString>

class SubcommandLine;
class TSession;
struct DbAdminOptions;

// The password from --password-file or --password, or typed on the terminal when there is one
// and a user is named; empty otherwise, so that libpq's own password file may answer.
QString GivenPassword(const SubcommandLine& line, const DbAdminOptions& options,
                      const QString& user);

// A session whose logins come from the options, a password file or the terminal; with none of
// them (a job without a terminal, or nothing typed) the server is asked with no password, so
// that libpq's own password file (~/.pgpass, PGPASSFILE) answers. The password is kept nowhere.
void AnswerLogins(TSession& session, const SubcommandLine& line, const DbAdminOptions& options);
