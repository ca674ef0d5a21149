#pragma once

// The codes an I/O error carries, each named once. The file system's conditions that have a
// message of their own:
inline constexpr int kIOFileNotFound = 2;
inline constexpr int kIOPathNotFound = 3;
inline constexpr int kIOTooManyOpenFiles = 4;
inline constexpr int kIOAccessDenied = 5;
// A file that another program holds open for writing; no message of its own.
inline constexpr int kIOSharingViolation = 32;
// The text layer's own codes, and those that complete the message vocabulary.
inline constexpr int kIOReadBeyondEnd = 100;
inline constexpr int kIODiskFull = 101;
inline constexpr int kIOFileNotOpen = 103;
inline constexpr int kIOFileNotOpenForInput = 104;
inline constexpr int kIOFileNotOpenForOutput = 105;
inline constexpr int kIOInvalidNumericInput = 106;

// Any other failure keeps the platform's error number, unless that number is one of the codes
// above (EIO is 5, EINTR 4, EPIPE 32, ECONNRESET 104): those are set apart by this much, so that
// EIO shows "I/O error 1005" and a pipe whose reader has gone "I/O error 1032".
inline constexpr int kIOSetApart = 1000;
constexpr int OtherIOFailure(int err)
{
    return (err >= kIOFileNotFound && err <= kIOAccessDenied) || err == kIOSharingViolation ||
                   (err >= kIOReadBeyondEnd && err <= kIOInvalidNumericInput)
               ? kIOSetApart + err
               : err;
}
