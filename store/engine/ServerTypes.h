#pragma once

// The PostgreSQL server's numbers of the types the engine reads otherwise than as characters,
// or names as characters, as the server's catalog numbers them.
namespace server_type {
enum : unsigned {
    kBool = 16,
    kBytea = 17,
    kInt8 = 20,
    kInt2 = 21,
    kInt4 = 23,
    kRegproc = 24,
    kText = 25,
    kOid = 26,
    kXid = 28,
    kCid = 29,
    kFloat4 = 700,
    kFloat8 = 701,
    kAbstime = 702,
    kReltime = 703,
    kBpchar = 1042,
    kVarchar = 1043,
    kDate = 1082,
    kTime = 1083,
    kTimestamp = 1114,
    kTimestampTz = 1184,
    kTimeTz = 1266,
    kNumeric = 1700,
};
}  // namespace server_type
