#pragma once

#include <QString>
#include <QTemporaryFile>
#include <string>

// The list file a job reads, named on its command line: standard input where "-" is written,
// read once into a file of the user's own that the reader's two passes then read. A file that
// is certainly no comma-separated text (a spreadsheet workbook, UTF-16 text, anything else with
// a NUL byte) is refused: the window shows what it read for the user to see, a job has nobody
// to look. A missing file or a folder passes here; the reader tells it with its messages.
class TListFile {
public:
    explicit TListFile(const QString& argument);
    const std::string& Path() const { return path_; }

private:
    QTemporaryFile copy_;
    std::string path_;
};
