#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One field of a row of a COPY: its bytes, or null.
struct TCopyField {
    std::string_view bytes;
    bool null = false;
};

// PostgreSQL COPY's text format, as the bulk insert sends it and the list's reading takes it.
// A field's text as the bulk insert sends it: a field's text with the field
// separator (tab), the line ends and the escape itself (backslash) escaped, all else as it is.
void AppendCopyTextField(std::string& out, std::string_view text);

// The line of COPY's input that a failure's context names ("COPY studentlist, line 3: ..."),
// from 1; 0 where it names none.
std::size_t CopyLineOfContext(std::string_view context);

// A row of COPY's text output, as the server sends it (its line end included), split into its
// fields with the escapes the server writes undone (\b \f \n \r \t \v and the backslash
// itself) and \N read as null. The fields' bytes are kept in `storage`, valid until it next
// changes, each followed by a NUL, as libpq gives a field. A row that is not the format (another
// escape, no line end, a null amid text) raises the engine's error, naming the server's copy as
// unreadable.
void SplitCopyTextRow(std::string_view row, std::vector<TCopyField>& fields, std::string& storage);

// Raises the engine's error for a copy that is not in the text format.
[[noreturn]] void RaiseUnreadableCopy();
