#include "textio/ApplicationTitle.h"

#include "textio/Utf8Text.h"

std::string ApplicationTitle(const std::string& exeFilePath)
{
    std::string name = exeFilePath.substr(exeFilePath.find_last_of('/') + 1);
    name = name.substr(0, name.find('.'));
    const std::size_t first = FirstCharacterLength(name);
    return name.substr(0, first) + LowerCaseUtf8(std::string_view(name).substr(first));
}
