#include "dbadmin/ListFile.h"

#include <QCoreApplication>
#include <QFile>
#include <fstream>
#include <string_view>

#include "textio/Exception.h"

namespace {

Exception Refusal(const char* source, std::vector<TPhrase> args = {})
{
    return Exception(TPhrase("ListFile", source, std::move(args)));
}

// A workbook is a ZIP package, or the older compound file.
void RefuseWhatIsNoText(const std::string& path, const QString& shownName)
{
    std::ifstream in(path, std::ios::binary);
    char block[65536];
    std::string start;
    std::size_t offset = 0;
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        const std::string_view bytes(block, std::size_t(in.gcount()));
        if (offset == 0) {
            start = std::string(bytes.substr(0, 4));
        }
        const auto nul = bytes.find('\0');
        if (nul != std::string_view::npos) {
            const bool utf16 = start.rfind("\xFF\xFE", 0) == 0 || start.rfind("\xFE\xFF", 0) == 0;
            const bool workbook =
                start.rfind("PK\x03\x04", 0) == 0 || start.rfind("\xD0\xCF\x11\xE0", 0) == 0;
            const std::string name = shownName.toStdString();
            if (workbook) {
                throw Refusal(QT_TRANSLATE_NOOP("ListFile",
                                                "%1 is not a comma-separated text file but a "
                                                "spreadsheet workbook: save it as CSV first, then "
                                                "import that file"),
                              {name});
            }
            if (utf16) {
                throw Refusal(QT_TRANSLATE_NOOP("ListFile",
                                                "%1 is not a comma-separated text file of this "
                                                "kind: it holds UTF-16 text; save it as CSV in "
                                                "UTF-8 first"),
                              {name});
            }
            throw Refusal(QT_TRANSLATE_NOOP("ListFile",
                                            "%1 is not a comma-separated text file: it holds a "
                                            "NUL byte at byte %2"),
                          {name, std::to_string(offset + nul + 1)});
        }
        offset += bytes.size();
    }
}

}  // namespace

TListFile::TListFile(const QString& argument) : path_(argument.toStdString())
{
    const bool standardInput = argument == QLatin1String("-");
    if (standardInput) {
        QFile in;
        if (!copy_.open() || !in.open(stdin, QIODevice::ReadOnly)) {
            throw Refusal(QT_TRANSLATE_NOOP("ListFile", "standard input cannot be read"));
        }
        while (!in.atEnd()) {
            const QByteArray block = in.read(65536);
            if (block.isEmpty() || copy_.write(block) != block.size()) {
                throw Refusal(QT_TRANSLATE_NOOP("ListFile", "standard input cannot be read: %1"),
                              {copy_.errorString().toStdString()});
            }
        }
        copy_.close();
        path_ = copy_.fileName().toStdString();
    }
    RefuseWhatIsNoText(path_, standardInput
                                  ? QCoreApplication::translate("ListFile", "standard input")
                                  : argument);
}
