// The binary COPY reader over any bytes a server might send: the same rows, the same end and
// the same refusal whether the bytes come at once or in two pieces split anywhere; and every
// field it hands on lies within what was sent.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "store/bulk/CopyBinary.h"
#include "store/errors/EngineErrors.h"

namespace {

struct Outcome {
    std::vector<std::string> rows;
    bool ended = false;
    bool refused = false;
};

Outcome Read(const std::string& stream, std::size_t split)
{
    Outcome out;
    TCopyBinaryReader reader(3, [&](std::span<const TCopyField> fields) {
        FUZZ_CHECK(fields.size() == 3);
        std::string row;
        for (const TCopyField& f : fields) {
            FUZZ_CHECK(!f.null || f.bytes.empty());
            FUZZ_CHECK(f.bytes.size() <= stream.size());
            row += f.null ? std::string("\xFF<null>") : std::string(f.bytes);
            row += '\0';
        }
        out.rows.push_back(row);
    });
    try {
        reader.Take(std::string_view(stream).substr(0, split));
        reader.Take(std::string_view(stream).substr(split));
        out.ended = reader.Ended();
    } catch (const EDBEngineError&) {
        out.refused = true;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The stream opens with the signature, so that the fuzzer reaches the rows.
    std::string stream(std::string("PGCOPY\n\xFF\r\n", 10) + '\0' + std::string(8, '\0'));
    stream.append(reinterpret_cast<const char*>(data), size);
    const Outcome whole = Read(stream, stream.size());
    const Outcome split = Read(stream, size == 0 ? 0 : stream.size() - 1 - data[0] % size);
    FUZZ_CHECK(whole.refused == split.refused);
    if (!whole.refused) {
        FUZZ_CHECK(whole.rows == split.rows);
        FUZZ_CHECK(whole.ended == split.ended);
    }
    return 0;
}
