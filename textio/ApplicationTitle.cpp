#include "textio/ApplicationTitle.h"

std::string ApplicationTitle(const std::string& exeFilePath)
{
    std::string name = exeFilePath.substr(exeFilePath.find_last_of('/') + 1);
    name = name.substr(0, name.find('.'));
    // Only ASCII letters change case; bytes of other characters are kept whole.
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (name[i] >= 'A' && name[i] <= 'Z') {
            name[i] = static_cast<char>(name[i] + ('a' - 'A'));
        }
    }
    return name;
}
