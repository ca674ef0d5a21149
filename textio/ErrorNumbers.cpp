#include "textio/ErrorNumbers.h"

#include <sys/stat.h>

#include <cerrno>

#include "textio/IOErrorCodes.h"

namespace {

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
            return ParentFolderExists(name) ? kIOFileNotFound : kIOPathNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
            return kIOPathNotFound;
        case EMFILE:
        case ENFILE:
            return kIOTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EISDIR:
            return kIOAccessDenied;
        case EWOULDBLOCK:
            return kIOSharingViolation;
        default:
            return OtherIOFailure(err);
    }
}

int TransferErrorCode(int err)
{
    switch (err) {
        case EACCES:
        case EPERM:
        case EISDIR:
            return kIOAccessDenied;
        default:
            return OtherIOFailure(err);
    }
}
