#include "import/StudentListReader.h"

#include "import/StudentLine.h"
#include "textio/TextFile.h"
#include "textio/Utf8Text.h"
#include "toolkit/GridCells.h"

void ReadStudentList(const std::string& fileName, TGridCells& grid, ImportView& view)
{
    // The titles go in before the file is opened, so they stand even when it cannot be read.
    for (int column = 0; column < int(kListColumnTitles.size()); ++column) {
        grid.SetCell(column, 0, kListColumnTitles[std::size_t(column)]);
    }

    // Counting pass: the panel shows the lines counted so far plus one.
    TTextFile file;
    file.OpenToRead(fileName);
    int lineCount = 0;
    int shown = 1;
    while (!file.AtEndOfFile()) {
        file.SkipToNextLine();
        ++shown;
        ++lineCount;
        view.ShowLineCount(shown);
    }

    // Reading starts again at the first byte.
    file.OpenToRead(fileName);

    // The row count is set once, before any row is filled.
    grid.SetRowCount(lineCount + 1);

    // Filling pass, to the end of the file.
    grid.BeginUpdate();
    struct EndUpdate {
        TGridCells& grid;
        ~EndUpdate() { grid.EndUpdate(); }
    } endUpdate{grid};
    // One line buffer for the whole file; a line that is not UTF-8 is decoded into another.
    std::string line;
    std::string decoded;
    int row = 0;
    while (!file.AtEndOfFile()) {
        ++row;
        file.ReadTextLine(line);
        file.SkipToNextLine();
        std::string_view text = line;
        if (row == 1) {
            text = WithoutByteOrderMark(text);
        }
        if (!IsValidUtf8(text)) {
            decoded = DecodeCellText(text);
            text = decoded;
        }
        const StudentFieldViews fields = SplitStudentLineViews(text);
        grid.SetCell(0, row, fields.idNum);
        grid.SetCell(1, row, fields.firstName);
        grid.SetCell(2, row, fields.lastName);
    }

    file.CloseText();
}
