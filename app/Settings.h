#pragma once

#include <string>

class TEdit;

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

inline constexpr const char* kSettingsFileName = "kq.cfg";

// Reads kq.cfg in the working directory into the field, the last matching line winning; creates
// the file with its default line when it is missing. Raises EInOutError.
void ReadSettingsFile(TEdit& field);
// Replaces kq.cfg with the one line of the field's text. Raises EInOutError.
void WriteSettingsFile(const TEdit& field);
