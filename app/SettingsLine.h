#pragma once

#include <string>

struct SettingsLine {
    bool isSetting = false;
    std::string value;

    bool operator==(const SettingsLine&) const = default;
};

// Whether a line of kq.cfg is the setting's line (its text up to and including its first "]" is
// exactly "[FacilityName]") and its value: the text from the second character after the first
// "=" on, nothing trimmed.
SettingsLine ParseSettingsLine(const std::string& line);
// "[FacilityName] = " followed by the value.
std::string FormatSettingsLine(const std::string& value);
