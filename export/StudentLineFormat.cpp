#include "export/StudentLineFormat.h"

std::string FormatStudentLine(std::string_view idNum, std::string_view firstName,
                              std::string_view lastName)
{
    std::string line;
    line.reserve(idNum.size() + firstName.size() + lastName.size() + 2);
    line.append(idNum).append(1, ',').append(firstName).append(1, ',').append(lastName);
    return line;
}
