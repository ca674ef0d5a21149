#include "app/SettingsLine.h"

namespace {
const std::string kKey = "[FacilityName]";
}  // namespace

SettingsLine ParseSettingsLine(const std::string& line)
{
    const auto bracket = line.find(']');
    if (bracket == std::string::npos || line.compare(0, bracket + 1, kKey) != 0) {
        return {};
    }
    // e counts from 1 and is 0 without "="; the value starts at e + 2.
    const auto equals = line.find('=');
    const std::size_t e = equals == std::string::npos ? 0 : equals + 1;
    const std::size_t start = e + 1;  // position e + 2, counted from 0
    return {true, start < line.size() ? line.substr(start) : std::string()};
}

std::string FormatSettingsLine(const std::string& value)
{
    return kKey + " = " + value;
}
