<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n students</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heading(s)</source>
        <translation>
            <numerusform>%n heading</numerusform>
            <numerusform>%n headings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other separator(s)</source>
        <translation>
            <numerusform>%n other separator</numerusform>
            <numerusform>%n other separators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty line(s)</source>
        <translation>
            <numerusform>%n empty line</numerusform>
            <numerusform>%n empty lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fourth column(s)</source>
        <translation>
            <numerusform>%n fourth column</numerusform>
            <numerusform>%n fourth columns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n {field|fields} in quotes</source>
        <translation>
            <numerusform>%n field in quotes</numerusform>
            <numerusform>%n fields in quotes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without IDNum</source>
        <translation>
            <numerusform>%n without IDNum</numerusform>
            <numerusform>%n without IDNum</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing name(s)</source>
        <translation>
            <numerusform>%n missing name</numerusform>
            <numerusform>%n missing names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stray blanks</source>
        <translation>
            <numerusform>%n stray blanks</numerusform>
            <numerusform>%n stray blanks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n {digit in a name|digits in names}</source>
        <translation>
            <numerusform>%n digit in a name</numerusform>
            <numerusform>%n digits in names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) without letters</source>
        <translation>
            <numerusform>%n name without letters</numerusform>
            <numerusform>%n names without letters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lost letter(s)</source>
        <translation>
            <numerusform>%n lost letter</numerusform>
            <numerusform>%n lost letters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeated IDNum(s)</source>
        <translation>
            <numerusform>%n repeated IDNum</numerusform>
            <numerusform>%n repeated IDNums</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already stored</source>
        <translation>
            <numerusform>%n already stored</numerusform>
            <numerusform>%n already stored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stored for another name</source>
        <translation>
            <numerusform>%n stored for another name</numerusform>
            <numerusform>%n stored for another name</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDNum %1 is also on line(s) %2</source>
        <translation>
            <numerusform>IDNum %1 is also on line %2</numerusform>
            <numerusform>IDNum %1 is also on lines %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDNum %1 is also on row(s) %2</source>
        <translation>
            <numerusform>IDNum %1 is also on row %2</numerusform>
            <numerusform>IDNum %1 is also on rows %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) {needs|need} a look: %1</source>
        <translation>
            <numerusform>%n line needs a look: %1</numerusform>
            <numerusform>%n lines need a look: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) {needs|need} a look: %1</source>
        <translation>
            <numerusform>%n row needs a look: %1</numerusform>
            <numerusform>%n rows need a look: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Fixes</name>
    <message numerus="yes">
        <source>Columns taken from the heading: %n row(s)</source>
        <translation>
            <numerusform>Columns taken from the heading: %n row</numerusform>
            <numerusform>Columns taken from the heading: %n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split %n row(s) at semicolons</source>
        <translation>
            <numerusform>Split %n row at semicolons</numerusform>
            <numerusform>Split %n rows at semicolons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split %n row(s) at tabs</source>
        <translation>
            <numerusform>Split %n row at tabs</numerusform>
            <numerusform>Split %n rows at tabs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read the quoted fields of %n row(s)</source>
        <translation>
            <numerusform>Read the quoted fields of %n row</numerusform>
            <numerusform>Read the quoted fields of %n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Trimmed the blanks of %n row(s)</source>
        <translation>
            <numerusform>Trimmed the blanks of %n row</numerusform>
            <numerusform>Trimmed the blanks of %n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n empty row(s)</source>
        <translation>
            <numerusform>Removed %n empty row</numerusform>
            <numerusform>Removed %n empty rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n heading row(s)</source>
        <translation>
            <numerusform>Removed %n heading row</numerusform>
            <numerusform>Removed %n heading rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n repeated row(s)</source>
        <translation>
            <numerusform>Removed %n repeated row</numerusform>
            <numerusform>Removed %n repeated rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s) already stored</source>
        <translation>
            <numerusform>Removed %n row already stored</numerusform>
            <numerusform>Removed %n rows already stored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n row(s) left, {its IDNum is on a row|their IDNums are on rows} with other names</source>
        <translation>
            <numerusform>%1; %n row left, its IDNum is on a row with other names</numerusform>
            <numerusform>%1; %n rows left, their IDNums are on rows with other names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n row(s) left, {its|their} fields could not be placed</source>
        <translation>
            <numerusform>%1; %n row left, its fields could not be placed</numerusform>
            <numerusform>%1; %n rows left, their fields could not be placed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message numerus="yes">
        <source>Removed %n student(s)</source>
        <translation>
            <numerusform>Removed %n student</numerusform>
            <numerusform>Removed %n students</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n left as they had changed or were removed since.</source>
        <translation>
            <numerusform>%1; %n left as they had changed or were removed since.</numerusform>
            <numerusform>%1; %n left as they had changed or were removed since.</numerusform>
        </translation>
    </message>
</context>
</TS>
