// The settings line: any value written is read back unchanged, and a line is the setting's only
// when its text up to its first "]" is exactly the key; its value is what follows the second
// character after the first "=".
#include <cstdint>
#include <string>

#include "app/SettingsLine.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const SettingsLine written = ParseSettingsLine(FormatSettingsLine(text));
    FUZZ_CHECK(written.isSetting && written.value == text);

    const SettingsLine read = ParseSettingsLine(text);
    const std::string key = "[FacilityName]";
    const bool isKey = text.find(']') == key.size() - 1 && text.compare(0, key.size(), key) == 0;
    FUZZ_CHECK(read.isSetting == isKey);
    if (read.isSetting) {
        const auto equals = text.find('=');
        const std::size_t start = equals == std::string::npos ? 1 : equals + 2;
        FUZZ_CHECK(read.value == (start < text.size() ? text.substr(start) : std::string()));
    } else {
        FUZZ_CHECK(read.value.empty());
    }
    return 0;
}
