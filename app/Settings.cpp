#include "app/Settings.h"

#include <sys/stat.h>

#include "textio/TextFile.h"
#include "toolkit/EditControls.h"

namespace {
const std::string kKey = "[FacilityName]";
const std::string kDefaultValue = "Write facility name here";
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

void ReadSettingsFile(TEdit& field)
{
    struct stat st {};
    const bool exists = ::stat(kSettingsFileName, &st) == 0 && !S_ISDIR(st.st_mode);
    TTextFile file;
    if (exists) {
        file.OpenToRead(kSettingsFileName);
        while (!file.AtEndOfFile()) {
            const std::string line = file.ReadTextLine();
            file.SkipToNextLine();
            if (const SettingsLine setting = ParseSettingsLine(line); setting.isSetting) {
                field.setText(QString::fromStdString(setting.value));
            }
        }
        file.CloseText();
    } else {
        file.OpenToWrite(kSettingsFileName);
        file.WriteTextLine(FormatSettingsLine(kDefaultValue));
        field.setText(QString::fromStdString(kDefaultValue));
        file.FlushText();
        file.CloseText();
    }
}

void WriteSettingsFile(const TEdit& field)
{
    TTextFile file;
    file.OpenToWrite(kSettingsFileName);
    file.WriteTextLine(FormatSettingsLine(field.text().toStdString()));
    file.FlushText();
    file.CloseText();
}
