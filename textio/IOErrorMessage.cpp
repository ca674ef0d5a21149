#include "textio/IOErrorMessage.h"

#include "textio/IOErrorCodes.h"

namespace {

TPhrase Said(const char* source, std::vector<TPhrase> args = {})
{
    return TPhrase("IOError", source, std::move(args));
}

}  // namespace

TPhrase IOErrorMessage(int code)
{
    switch (code) {
        case kIOFileNotFound:
            return Said(QT_TRANSLATE_NOOP("IOError", "File not found"));
        case kIOPathNotFound:
            return Said(QT_TRANSLATE_NOOP("IOError", "Invalid filename"));
        case kIOTooManyOpenFiles:
            return Said(QT_TRANSLATE_NOOP("IOError", "Too many open files"));
        case kIOAccessDenied:
            return Said(QT_TRANSLATE_NOOP("IOError", "File access denied"));
        case kIOReadBeyondEnd:
            return Said(QT_TRANSLATE_NOOP("IOError", "Read beyond end of file"));
        case kIODiskFull:
            return Said(QT_TRANSLATE_NOOP("IOError", "Disk full"));
        case kIOInvalidNumericInput:
            return Said(QT_TRANSLATE_NOOP("IOError", "Invalid numeric input"));
        default:
            return Said(QT_TRANSLATE_NOOP("IOError", "I/O error %1"), {std::to_string(code)});
    }
}
