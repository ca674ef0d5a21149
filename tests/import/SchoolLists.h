#pragma once

// Student lists as schools' spreadsheets and systems really save them, with the rows they hold
// once every fix that applies has run, the fixes offered on the way (in the order a person
// takes the first one offered), and what the export then writes of a table they alone were
// posted into.
#include <string>
#include <vector>

struct SchoolList {
    const char* name;
    std::string bytes;
    std::vector<std::string> fixes;  // the menu's captions, counts included
    std::vector<std::string> rows;   // "IDNum|Firstname|Lastname" in grid order
    std::string exported;
};

inline const std::vector<SchoolList>& SchoolLists()
{
    static const std::vector<SchoolList> lists = {
        {"ExcelOnWindows",  // Windows-1252, where a letter it lacks became "?"
         "IDNum,Firstname,Lastname\r\n1001,Ren\xE9,Dupont\r\n1002,V?n An,Nguy?n\r\n"
         "1003,Ann,Lee\r\n",
         {"Remove the Heading Row (1)"},
         {"1001|Ren\xC3\xA9|Dupont", "1002|V?n An|Nguy?n", "1003|Ann|Lee"},
         "1003,Ann,Lee\r\n1001,Ren\xC3\xA9,Dupont\r\n1002,V?n An,Nguy?n\r\n"},
        {"ExcelOnMac",  // line feeds alone, a heading in words, blanks typed around a name
         "Student ID,First Name,Last Name\n1011, Amy,Lin \n1012,Bob,Ray\n",
         {"Trim Blanks (1)", "Remove the Heading Row (1)"},
         {"1011|Amy|Lin", "1012|Bob|Ray"},
         "1011,Amy,Lin\r\n1012,Bob,Ray\r\n"},
        {"ExcelUtf8WithByteOrderMark",  // and a student pasted twice
         "\xEF\xBB\xBFIDNum,Firstname,Lastname\r\n1021,Zo\xC3\xAB,M\xC3\xBCller\r\n"
         "1022,Jos\xC3\xA9,N\xC3\xBA\xC3\xB1"
         "ez\r\n1021,Zo\xC3\xAB,M\xC3\xBCller\r\n",
         {"Remove the Heading Row (1)", "Remove Repeated Rows (1)"},
         {"1021|Zo\xC3\xAB|M\xC3\xBCller",
          "1022|Jos\xC3\xA9|N\xC3\xBA\xC3\xB1"
          "ez"},
         "1022,Jos\xC3\xA9,N\xC3\xBA\xC3\xB1"
         "ez\r\n1021,Zo\xC3\xAB,M\xC3\xBCller\r\n"},
        {"GermanExcel",  // "sep=;", semicolons, a heading in German, a quoted semicolon
         "sep=;\r\nSch\xC3\xBClernummer;Vorname;Nachname\r\n1031;Tom\xC3\xA1s;Garc\xC3\xAD"
         "a\r\n1032;J\xC3\xBCrgen;Gro\xC3\x9F\r\n1033;\"Anna; Maria\";Schmidt\r\n",
         {"Take the Columns from the Heading (5)"},
         {"1031|Tom\xC3\xA1s|Garc\xC3\xAD"
          "a",
          "1032|J\xC3\xBCrgen|Gro\xC3\x9F", "1033|Anna; Maria|Schmidt"},
         "1033,Anna; Maria,Schmidt\r\n1032,J\xC3\xBCrgen,Gro\xC3\x9F\r\n1031,Tom\xC3\xA1s,"
         "Garc\xC3\xAD"
         "a\r\n"},
        {"InformationSystemExport",  // every field quoted, other columns in another order
         "\"Last Name\",\"First Name\",\"Student Number\",\"Grade\"\r\n\"Garc\xC3\xAD"
         "a\",\"Tom\xC3\xA1s\",\"1041\",\"9\"\r\n\"Wong, Chan\",\"Li\",\"1042\",\"10\"\r\n",
         {"Take the Columns from the Heading (3)"},
         {"1041|Tom\xC3\xA1s|Garc\xC3\xAD"
          "a",
          "1042|Li|Wong, Chan"},
         "1042,Li,Wong, Chan\r\n1041,Tom\xC3\xA1s,Garc\xC3\xAD"
         "a\r\n"},
        {"GoogleSheetsDownload",  // quoted only where needed, and an empty line at the end
         "1051,\"Mary \"\"Molly\"\"\",Smith\r\n1052,Li,\"Wong, Chan\"\r\n1053,Ann,Lee\r\n\r\n",
         {"Read Quoted Fields (2)", "Remove Empty Rows (1)"},
         {"1051|Mary \"Molly\"|Smith", "1052|Li|Wong, Chan", "1053|Ann|Lee"},
         "1053,Ann,Lee\r\n1052,Li,Wong, Chan\r\n1051,Mary \"Molly\",Smith\r\n"},
    };
    return lists;
}
