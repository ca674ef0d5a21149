#pragma once

#include <string>

// One student as StudentList stores it: the name key and sequence number the posting gives, and
// the three fields of the list's line. A line read from a list has no key yet (empty, 0).
struct TStudentRecord {
    std::string psid;
    int sequence = 0;
    std::string studentId;
    std::string firstName;
    std::string lastName;

    bool operator==(const TStudentRecord&) const = default;
};
