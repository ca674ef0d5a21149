// The COPY text row reader over any bytes a server might send: it refuses them with the engine's
// error or gives fields that lie in its storage, each ended by a NUL; and the fields written out
// again as the server writes them read back the same.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "store/bulk/CopyText.h"
#include "store/errors/EngineErrors.h"

namespace {

// A row as the server's COPY writes it.
std::string Written(const std::vector<TCopyField>& fields)
{
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        row += i == 0 ? "" : "\t";
        if (fields[i].null) {
            row += "\\N";
            continue;
        }
        for (const char c : fields[i].bytes) {
            switch (c) {
                case '\\':
                    row += "\\\\";
                    break;
                case '\t':
                    row += "\\t";
                    break;
                case '\n':
                    row += "\\n";
                    break;
                case '\r':
                    row += "\\r";
                    break;
                case '\b':
                    row += "\\b";
                    break;
                case '\f':
                    row += "\\f";
                    break;
                case '\v':
                    row += "\\v";
                    break;
                default:
                    row += c;
            }
        }
    }
    return row + "\n";
}

std::vector<std::string> Texts(const std::vector<TCopyField>& fields)
{
    std::vector<std::string> texts;
    for (const TCopyField& field : fields) {
        texts.push_back(field.null ? std::string("\xFF<null>") : std::string(field.bytes));
    }
    return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string row(reinterpret_cast<const char*>(data), size);
    std::vector<TCopyField> fields;
    std::string storage;
    try {
        SplitCopyTextRow(row, fields, storage);
    } catch (const EDBEngineError&) {
        return 0;
    }
    FUZZ_CHECK(!fields.empty());
    for (const TCopyField& field : fields) {
        FUZZ_CHECK(!field.null || field.bytes.empty());
        if (!field.null) {
            FUZZ_CHECK(field.bytes.data() >= storage.data() &&
                       field.bytes.data() + field.bytes.size() < storage.data() + storage.size());
            FUZZ_CHECK(field.bytes.data()[field.bytes.size()] == '\0');
        }
    }
    const std::vector<std::string> first = Texts(fields);
    std::vector<TCopyField> again;
    std::string againStorage;
    SplitCopyTextRow(Written(fields), again, againStorage);
    FUZZ_CHECK(Texts(again) == first);
    return 0;
}
