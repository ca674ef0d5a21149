#pragma once

// What the text file tests share: a folder of their own, files written and read as bytes, the
// code an action raises, and an action run in a child process.
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "textio/Exception.h"
#include "textio/TextFile.h"

namespace textfile_test {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/textfile-test.XXXXXX";
        path_ = ::mkdtemp(pattern);
        // Open to every user, so that a check run as another user meets the file's own rights.
        fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
    }
    ~TempFolder() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Reads a file the way every reader of the program does: AtEndOfFile, ReadTextLine,
// SkipToNextLine.
inline std::vector<std::string> ReadLines(const std::string& path)
{
    TTextFile file;
    file.OpenToRead(path);
    std::vector<std::string> lines;
    while (!file.AtEndOfFile()) {
        lines.push_back(file.ReadTextLine());
        file.SkipToNextLine();
    }
    file.CloseText();
    return lines;
}

inline int CodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EInOutError& e) {
        return e.Code();
    }
    return 0;
}

// Runs action in a child process (for limits and identities that must not touch the test) and
// answers its exit status.
inline int InChild(const std::function<int()>& action)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(action());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

}  // namespace textfile_test
