#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// PostgreSQL COPY's text format, as the bulk insert sends it: a field's text with the field
// separator (tab), the line ends and the escape itself (backslash) escaped, all else as it is.
void AppendCopyTextField(std::string& out, std::string_view text);

// The line of COPY's input that a failure's context names ("COPY studentlist, line 3: ..."),
// from 1; 0 where it names none.
std::size_t CopyLineOfContext(std::string_view context);
