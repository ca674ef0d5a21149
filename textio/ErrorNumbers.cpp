#include "textio/ErrorNumbers.h"

#include <sys/stat.h>

#include <cerrno>

namespace {

constexpr int kSharingViolation = 32;

// A failure with no message of its own keeps the platform's number, unless that number is one
// of the codes that mean something else here (2 to 5, and the text layer's 100 to 106: EIO is 5,
// EINTR 4, ECONNRESET 104); those are set apart by 1000, so that EIO shows "I/O error 1005".
int OtherFailure(int err)
{
    return (err >= 2 && err <= 5) || (err >= 100 && err <= 106) ? 1000 + err : err;
}

bool ParentFolderExists(const std::string& name)
{
    const auto slash = name.find_last_of('/');
    if (slash == std::string::npos) {
        return true;
    }
    const std::string parent = slash == 0 ? "/" : name.substr(0, slash);
    struct stat st {};
    return ::stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

int OpenErrorCode(int err, const std::string& name)
{
    switch (err) {
        case ENOENT:
            return ParentFolderExists(name) ? 2 : 3;
        case ENOTDIR:
        case ENAMETOOLONG:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EISDIR:
            return 5;
        case EWOULDBLOCK:
            return kSharingViolation;
        default:
            return OtherFailure(err);
    }
}

int TransferErrorCode(int err)
{
    switch (err) {
        case EACCES:
        case EPERM:
        case EISDIR:
            return 5;
        default:
            return OtherFailure(err);
    }
}
