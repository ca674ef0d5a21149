#include "import/StudentListReader.h"

#include "import/StudentLine.h"
#include "textio/TextFile.h"
#include "toolkit/GridCells.h"

void ReadStudentList(const std::string& fileName, TGridCells& grid, ImportView& view)
{
    // The titles go in before the file is opened, so they stand even when it cannot be read.
    grid.SetCell(0, 0, "IDNum");
    grid.SetCell(1, 0, "Firstname");
    grid.SetCell(2, 0, "Lastname");

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
    int row = 0;
    while (!file.AtEndOfFile()) {
        ++row;
        std::string line = file.ReadTextLine();
        file.SkipToNextLine();
        if (row == 1) {
            line = WithoutByteOrderMark(std::move(line));
        }
        StudentFields fields = SplitStudentLine(DecodeCellText(line));
        grid.SetCell(0, row, std::move(fields.idNum));
        grid.SetCell(1, row, std::move(fields.firstName));
        grid.SetCell(2, row, std::move(fields.lastName));
    }

    file.CloseText();
}
