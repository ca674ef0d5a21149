#include "app/Settings.h"

#include <sys/stat.h>

#include "textio/TextFile.h"
#include "toolkit/EditControls.h"

namespace {
const std::string kDefaultValue = "Write facility name here";
}  // namespace

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
