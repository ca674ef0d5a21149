#include "export/StudentLineFormat.h"

std::string FormatStudentLine(const std::string& idNum, const std::string& firstName,
                              const std::string& lastName)
{
    std::string line;
    line.reserve(idNum.size() + firstName.size() + lastName.size() + 2);
    line.append(idNum).append(1, ',').append(firstName).append(1, ',').append(lastName);
    return line;
}
