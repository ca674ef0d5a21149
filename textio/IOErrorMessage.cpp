#include "textio/IOErrorMessage.h"

#include "textio/IOErrorCodes.h"

std::string IOErrorMessage(int code)
{
    switch (code) {
        case kIOFileNotFound:
            return "File not found";
        case kIOPathNotFound:
            return "Invalid filename";
        case kIOTooManyOpenFiles:
            return "Too many open files";
        case kIOAccessDenied:
            return "File access denied";
        case kIOReadBeyondEnd:
            return "Read beyond end of file";
        case kIODiskFull:
            return "Disk full";
        case kIOInvalidNumericInput:
            return "Invalid numeric input";
        default:
            return "I/O error " + std::to_string(code);
    }
}
