#include "textio/ErrorNumbers.h"

#include <sys/stat.h>

#include <cerrno>

namespace {

constexpr int kSharingViolation = 32;

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
            return err;
    }
}

int TransferErrorCode(int err)
{
    return err == EISDIR ? 5 : err;
}
