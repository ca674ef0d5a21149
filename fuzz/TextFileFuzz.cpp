// The text-file reader against a model of the line rules: the text ends at the first Ctrl-Z, a
// line ends at LF, a CR is never part of a line's text, a last line without LF counts, and a
// file ending in LF has no further empty line. The counting pass of an import (end test and
// skip only) counts the same lines.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "textio/TextFile.h"

namespace {

std::vector<std::string> ModelLines(const std::string& bytes)
{
    const std::string text = bytes.substr(0, bytes.find('\x1A'));
    std::vector<std::string> lines;
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    if (!text.empty() && text.back() != '\n') {
        lines.push_back(line);
    }
    return lines;
}

const std::string& ScratchFile()
{
    static const std::string path = "/tmp/cardovane-fuzz-text-" + std::to_string(::getpid());
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        std::FILE* out = std::fopen(ScratchFile().c_str(), "wb");
        FUZZ_CHECK(out != nullptr);
        FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size());
        std::fclose(out);
    }
    const std::vector<std::string> expected = ModelLines(bytes);

    TTextFile file;
    file.OpenToRead(ScratchFile());
    std::vector<std::string> lines;
    while (!file.AtEndOfFile()) {
        lines.push_back(file.ReadTextLine());
        file.SkipToNextLine();
        FUZZ_CHECK(lines.size() <= bytes.size());
    }
    FUZZ_CHECK(lines == expected);

    file.OpenToRead(ScratchFile());
    std::size_t counted = 0;
    while (!file.AtEndOfFile()) {
        file.SkipToNextLine();
        ++counted;
        FUZZ_CHECK(counted <= bytes.size());
    }
    FUZZ_CHECK(counted == expected.size());
    file.CloseText();
    return 0;
}
