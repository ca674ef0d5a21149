#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/table/StudentRecord.h"

// A receipt of what a job's import stored: a header line, then a record a line, comma-separated,
// a field in double quotes where it holds a comma, a quote or a line end; every line ends in
// CR LF.
inline constexpr const char* kReceiptHeader = "psid,psidsequence,studentid,fname,lname";
std::string ReceiptLine(const TStudentRecord& record);

// The records of a receipt; raises Exception naming the line of anything that is not one (a
// student list, a workbook, a file cut short).
std::vector<TStudentRecord> ParseReceipt(std::string_view text);
