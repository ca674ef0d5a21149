#pragma once

#include <string>
#include <vector>

// A statement's text with its parameters made positional: every ":name" outside quotes becomes
// "?" (or "$1", "$2" ... as a PostgreSQL server numbers them), numbered from 0 in order of
// appearance (a name used twice is two parameters). A colon inside a quoted string or a comment
// (-- to the line end, or /* */), or a "::" cast, is no parameter.
struct ParsedStatement {
    std::string text;
    std::vector<std::string> parameters;
};

enum class ParameterMarks { Question, Numbered };
ParsedStatement ParseStatementParameters(const std::string& sql,
                                         ParameterMarks marks = ParameterMarks::Question);

// Whether the text names the table as a word of its own, without regard to letter case.
bool StatementNamesTable(const std::string& sql, const std::string& table);
