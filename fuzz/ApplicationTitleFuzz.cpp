// The application title: the file name without folders, cut at its first ".", its first
// character unchanged and the rest lower-cased; valid text stays valid.
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "import/StudentLine.h"
#include "textio/ApplicationTitle.h"
#include "textio/Utf8Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path(reinterpret_cast<const char*>(data), size);
    const std::string title = ApplicationTitle(path);
    FUZZ_CHECK(title.find('/') == std::string::npos && title.find('.') == std::string::npos);

    std::string name = path.substr(path.find_last_of('/') + 1);
    name = name.substr(0, name.find('.'));
    const std::size_t first = FirstCharacterLength(name);
    FUZZ_CHECK(title.compare(0, first, name, 0, first) == 0);
    FUZZ_CHECK(name.empty() == title.empty());
    FUZZ_CHECK(!IsValidUtf8(name) || IsValidUtf8(title));
    bool ascii = true;
    std::string lowered = name;
    for (std::size_t i = 0; i < name.size(); ++i) {
        ascii = ascii && static_cast<unsigned char>(name[i]) < 0x80;
        if (i > 0 && name[i] >= 'A' && name[i] <= 'Z') {
            lowered[i] = static_cast<char>(name[i] | 0x20);
        }
    }
    FUZZ_CHECK(!ascii || title == lowered);
    return 0;
}
