#pragma once

#include "store/engine/SqlStatement.h"
#include "store/table/StudentRecord.h"

// A record a posting stored, as the statements that find it again take it: its key (the name key
// twice, as it stands and for a key stored as null, then its sequence number), and with its
// three fields after the key, all five columns as they were inserted.
inline TParams PostedRowKey(const TStudentRecord& record)
{
    return {record.psid, record.psid, record.sequence};
}

inline TParams PostedRowValues(const TStudentRecord& record)
{
    TParams values = PostedRowKey(record);
    values.insert(values.end(), {record.studentId, record.firstName, record.lastName});
    return values;
}
