<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BatchCommands</name>
    <message numerus="yes">
        <source>Left out %n line(s) whose IDNum is stored.</source>
        <translation>
            <numerusform>%n Zeile ausgelassen, deren IDNum gespeichert ist.</numerusform>
            <numerusform>%n Zeilen ausgelassen, deren IDNum gespeichert ist.</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing stored, as lines need a look (--check)</source>
        <translation>nichts gespeichert, da Zeilen geprüft werden müssen (--check)</translation>
    </message>
    <message numerus="yes">
        <source>Stored %n row(s) in StudentList of %1.</source>
        <translation>
            <numerusform>%n Zeile in StudentList von %1 gespeichert.</numerusform>
            <numerusform>%n Zeilen in StudentList von %1 gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>posting %1 stored its students in %2, not %3: name that alias to take it back</source>
        <translation>Übernahme %1 hat ihre Schüler in %2 gespeichert, nicht in %3: nennen Sie diesen Alias, um sie rückgängig zu machen</translation>
    </message>
    <message>
        <source>posting %1 was taken back already, at %2</source>
        <translation>Übernahme %1 wurde bereits am %2 rückgängig gemacht</translation>
    </message>
    <message>
        <source>Would remove %1 from %2.</source>
        <translation>Würde %1 aus %2 entfernen.</translation>
    </message>
    <message>
        <source>Removed %1 from %2.</source>
        <translation>%1 aus %2 entfernt.</translation>
    </message>
    <message>
        <source>Would remove %1 from %2 and leave %3, changed or removed since.</source>
        <translation>Würde %1 aus %2 entfernen und %3 belassen, die seither geändert oder entfernt wurden.</translation>
    </message>
    <message>
        <source>Removed %1 from %2 and left %3, changed or removed since.</source>
        <translation>%1 aus %2 entfernt und %3 belassen, die seither geändert oder entfernt wurden.</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n Schüler</numerusform>
            <numerusform>%n Schüler</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorDisplay</name>
    <message>
        <source>Application Error</source>
        <translation>Programmfehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heading(s)</source>
        <translation>
            <numerusform>%n Überschrift</numerusform>
            <numerusform>%n Überschriften</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other separator(s)</source>
        <translation>
            <numerusform>%n anderes Trennzeichen</numerusform>
            <numerusform>%n andere Trennzeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty line(s)</source>
        <translation>
            <numerusform>%n leere Zeile</numerusform>
            <numerusform>%n leere Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fourth column(s)</source>
        <translation>
            <numerusform>%n vierte Spalte</numerusform>
            <numerusform>%n vierte Spalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n {field|fields} in quotes</source>
        <translation>
            <numerusform>%n Feld in Anführungszeichen</numerusform>
            <numerusform>%n Felder in Anführungszeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without IDNum</source>
        <translation>
            <numerusform>%n ohne IDNum</numerusform>
            <numerusform>%n ohne IDNum</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing name(s)</source>
        <translation>
            <numerusform>%n fehlender Name</numerusform>
            <numerusform>%n fehlende Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stray blanks</source>
        <translation>
            <numerusform>%n mit überzähligen Leerzeichen</numerusform>
            <numerusform>%n mit überzähligen Leerzeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n {digit in a name|digits in names}</source>
        <translation>
            <numerusform>%n Ziffer in einem Namen</numerusform>
            <numerusform>%n Ziffern in Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) without letters</source>
        <translation>
            <numerusform>%n Name ohne Buchstaben</numerusform>
            <numerusform>%n Namen ohne Buchstaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lost letter(s)</source>
        <translation>
            <numerusform>%n verlorener Buchstabe</numerusform>
            <numerusform>%n verlorene Buchstaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeated IDNum(s)</source>
        <translation>
            <numerusform>%n doppelte IDNum</numerusform>
            <numerusform>%n doppelte IDNums</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already stored</source>
        <translation>
            <numerusform>%n bereits gespeichert</numerusform>
            <numerusform>%n bereits gespeichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stored for another name</source>
        <translation>
            <numerusform>%n unter anderem Namen gespeichert</numerusform>
            <numerusform>%n unter anderem Namen gespeichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDNum %1 is also on line(s) %2</source>
        <translation>
            <numerusform>IDNum %1 steht auch in Zeile %2</numerusform>
            <numerusform>IDNum %1 steht auch in den Zeilen %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDNum %1 is also on row(s) %2</source>
        <translation>
            <numerusform>IDNum %1 steht auch in Zeile %2</numerusform>
            <numerusform>IDNum %1 steht auch in den Zeilen %2</numerusform>
        </translation>
    </message>
    <message>
        <source>IDNum %1 is already stored, for %2</source>
        <translation>IDNum %1 ist bereits gespeichert, für %2</translation>
    </message>
    <message>
        <source>IDNum %1 is already stored for another name: %2</source>
        <translation>IDNum %1 ist bereits unter einem anderen Namen gespeichert: %2</translation>
    </message>
    <message>
        <source>No line needs a look</source>
        <translation>Keine Zeile muss geprüft werden</translation>
    </message>
    <message>
        <source>No row needs a look</source>
        <translation>Keine Zeile muss geprüft werden</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) {needs|need} a look: %1</source>
        <translation>
            <numerusform>%n Zeile muss geprüft werden: %1</numerusform>
            <numerusform>%n Zeilen müssen geprüft werden: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) {needs|need} a look: %1</source>
        <translation>
            <numerusform>%n Zeile muss geprüft werden: %1</numerusform>
            <numerusform>%n Zeilen müssen geprüft werden: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>an empty line: no student</source>
        <translation>eine leere Zeile: kein Schüler</translation>
    </message>
    <message>
        <source>the spreadsheet&apos;s line naming its separator (sep=%1), not a student</source>
        <translation>die Zeile der Tabelle, die ihr Trennzeichen nennt (sep=%1), kein Schüler</translation>
    </message>
    <message>
        <source>looks like column headings, not a student</source>
        <translation>sieht nach Spaltenüberschriften aus, nicht nach einem Schüler</translation>
    </message>
    <message>
        <source>saved with another separator: semicolons but no comma, so the whole line went into the Lastname</source>
        <translation>mit einem anderen Trennzeichen gespeichert: Semikolons, aber kein Komma, daher steht die ganze Zeile im Lastname</translation>
    </message>
    <message>
        <source>saved with another separator: tabs but no comma, so the whole line went into the Lastname</source>
        <translation>mit einem anderen Trennzeichen gespeichert: Tabulatoren, aber kein Komma, daher steht die ganze Zeile im Lastname</translation>
    </message>
    <message>
        <source>a fourth column or a quoted comma: the Lastname holds a comma</source>
        <translation>eine vierte Spalte oder ein Komma in Anführungszeichen: der Lastname enthält ein Komma</translation>
    </message>
    <message>
        <source>the %1 is in double quotes, which would be stored as part of it</source>
        <translation>das Feld %1 steht in Anführungszeichen, die mitgespeichert würden</translation>
    </message>
    <message>
        <source>no IDNum</source>
        <translation>keine IDNum</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>kein %1</translation>
    </message>
    <message>
        <source>blanks at the start or end of the %1</source>
        <translation>Leerzeichen am Anfang oder Ende des Felds %1</translation>
    </message>
    <message>
        <source>the %1 holds a digit</source>
        <translation>das Feld %1 enthält eine Ziffer</translation>
    </message>
    <message>
        <source>the %1 has no letter A to Z: the name key would be %2</source>
        <translation>das Feld %1 enthält keinen Buchstaben von A bis Z: der Namensschlüssel wäre %2</translation>
    </message>
    <message>
        <source>the %1 has a ? where the spreadsheet could not save a letter: save the list as CSV UTF-8 and import it again</source>
        <translation>das Feld %1 enthält ein ?, wo die Tabelle einen Buchstaben nicht speichern konnte: speichern Sie die Liste als „CSV UTF-8“ und importieren Sie sie erneut</translation>
    </message>
</context>
<context>
    <name>Fixes</name>
    <message>
        <source>Take the Columns from the Heading</source>
        <translation>Spalten aus der Überschrift übernehmen</translation>
    </message>
    <message>
        <source>Split Rows at Semicolons</source>
        <translation>Zeilen an Semikolons trennen</translation>
    </message>
    <message>
        <source>Split Rows at Tabs</source>
        <translation>Zeilen an Tabulatoren trennen</translation>
    </message>
    <message>
        <source>Read Quoted Fields</source>
        <translation>Felder in Anführungszeichen lesen</translation>
    </message>
    <message>
        <source>Trim Blanks</source>
        <translation>Leerzeichen entfernen</translation>
    </message>
    <message>
        <source>Remove Empty Rows</source>
        <translation>Leere Zeilen entfernen</translation>
    </message>
    <message>
        <source>Remove the Heading Row</source>
        <translation>Überschriftenzeile entfernen</translation>
    </message>
    <message>
        <source>Remove Repeated Rows</source>
        <translation>Doppelte Zeilen entfernen</translation>
    </message>
    <message>
        <source>Remove Rows Already Stored</source>
        <translation>Bereits gespeicherte Zeilen entfernen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Columns taken from the heading: %n row(s)</source>
        <translation>
            <numerusform>Spalten aus der Überschrift übernommen: %n Zeile</numerusform>
            <numerusform>Spalten aus der Überschrift übernommen: %n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split %n row(s) at semicolons</source>
        <translation>
            <numerusform>%n Zeile an Semikolons getrennt</numerusform>
            <numerusform>%n Zeilen an Semikolons getrennt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split %n row(s) at tabs</source>
        <translation>
            <numerusform>%n Zeile an Tabulatoren getrennt</numerusform>
            <numerusform>%n Zeilen an Tabulatoren getrennt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read the quoted fields of %n row(s)</source>
        <translation>
            <numerusform>Felder in Anführungszeichen von %n Zeile gelesen</numerusform>
            <numerusform>Felder in Anführungszeichen von %n Zeilen gelesen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Trimmed the blanks of %n row(s)</source>
        <translation>
            <numerusform>Leerzeichen von %n Zeile entfernt</numerusform>
            <numerusform>Leerzeichen von %n Zeilen entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n empty row(s)</source>
        <translation>
            <numerusform>%n leere Zeile entfernt</numerusform>
            <numerusform>%n leere Zeilen entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n heading row(s)</source>
        <translation>
            <numerusform>%n Überschriftenzeile entfernt</numerusform>
            <numerusform>%n Überschriftenzeilen entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n repeated row(s)</source>
        <translation>
            <numerusform>%n doppelte Zeile entfernt</numerusform>
            <numerusform>%n doppelte Zeilen entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s) already stored</source>
        <translation>
            <numerusform>%n bereits gespeicherte Zeile entfernt</numerusform>
            <numerusform>%n bereits gespeicherte Zeilen entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n row(s) left, {its IDNum is on a row|their IDNums are on rows} with other names</source>
        <translation>
            <numerusform>%1; %n Zeile belassen, ihre IDNum steht in einer Zeile mit anderen Namen</numerusform>
            <numerusform>%1; %n Zeilen belassen, ihre IDNums stehen in Zeilen mit anderen Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n row(s) left, {its|their} fields could not be placed</source>
        <translation>
            <numerusform>%1; %n Zeile belassen, ihre Felder ließen sich nicht zuordnen</numerusform>
            <numerusform>%1; %n Zeilen belassen, ihre Felder ließen sich nicht zuordnen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Cannot write the history of postings in %1: %2; the posting itself is stored</source>
        <translation>Der Verlauf der Übernahmen in %1 kann nicht geschrieben werden: %2; die Übernahme selbst ist gespeichert</translation>
    </message>
    <message>
        <source>There is no posting %1 in the history of postings (%2): cardovane-dbadmin postings lists the postings there are</source>
        <translation>Im Verlauf der Übernahmen (%2) gibt es keine Übernahme %1: cardovane-dbadmin postings listet die vorhandenen auf</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>KeepDays=%1 in %2 is not a whole number of days from 1 to %3; correct it, or remove it to keep %4 days. No posting was removed from the history</source>
        <translation>KeepDays=%1 in %2 ist keine ganze Zahl von Tagen zwischen 1 und %3; berichtigen Sie den Wert oder entfernen Sie ihn, um %4 Tage aufzubewahren. Keine Übernahme wurde aus dem Verlauf entfernt</translation>
    </message>
</context>
<context>
    <name>IOError</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige Zahleneingabe</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ein-/Ausgabefehler %1</translation>
    </message>
</context>
<context>
    <name>PostStudentList</name>
    <message>
        <source>Importing Records:</source>
        <translation>Datensätze werden übernommen:</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Übernahme abgeschlossen</translation>
    </message>
</context>
<context>
    <name>TLoginDialog</name>
    <message>
        <source>Database Login</source>
        <translation>Anmeldung an der Datenbank</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>Datenbank:</translation>
    </message>
    <message>
        <source>&amp;User Name:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Re&amp;move all</source>
        <translation>&amp;Alle entfernen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPostingsDialog</name>
    <message>
        <source>Postings</source>
        <translation>Übernahmen</translation>
    </message>
    <message>
        <source>Postings into %1</source>
        <translation>Übernahmen in %1</translation>
    </message>
    <message>
        <source>Posted</source>
        <translation>Übernommen am</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Still as stored</source>
        <translation>Noch unverändert</translation>
    </message>
    <message>
        <source>&amp;Undo Posting</source>
        <translation>Übernahme &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>undone %1</source>
        <translation>rückgängig gemacht am %1</translation>
    </message>
    <message>
        <source>Remove the %1 stored by the posting of %2 from %3?</source>
        <translation>Die %1 der Übernahme vom %2 aus %3 entfernen?</translation>
    </message>
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>Cell Edit</source>
        <translation>Zellenänderung</translation>
    </message>
    <message>
        <source>Remove Rows</source>
        <translation>Zeilen entfernen</translation>
    </message>
</context>
<context>
    <name>TfMain</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Select CSV Output Directory and FileName</source>
        <translation>Ordner und Namen der CSV-Datei wählen</translation>
    </message>
    <message>
        <source>Export the Database to the CSV File</source>
        <translation>Datenbank in die CSV-Datei exportieren</translation>
    </message>
    <message>
        <source>Name the output file in the Cardovane directory as &quot;something.csv&quot;. 
You can then export all the data to that file.
Then you can import that file into a spreadsheet program to modify it if necessary. </source>
        <translation>Benennen Sie die Ausgabedatei im Cardovane-Ordner als „etwas.csv“. 
Dann können Sie alle Daten in diese Datei exportieren.
Diese Datei können Sie in ein Tabellenprogramm laden und dort bei Bedarf ändern. </translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Exportdatei</translation>
    </message>
    <message>
        <source>How to name the export file</source>
        <translation>So benennen Sie die Exportdatei</translation>
    </message>
    <message>
        <source>ImportList</source>
        <translation>Liste importieren</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>After importing your list, double check all the records in 
the table below.
Minor errors such as typos can be corrected here. 
If there were major errors, return to your original 
spreadsheet and correct  them, then  save  them to the 
CSV file again, then import it to this program again.  </source>
        <translation>Prüfen Sie nach dem Import alle Datensätze in 
der Tabelle unten.
Kleine Fehler wie Tippfehler berichtigen Sie hier. 
Bei größeren Fehlern berichtigen Sie die Liste 
in Ihrer Tabelle, speichern sie erneut als CSV 
und importieren sie dann noch einmal.  </translation>
    </message>
    <message>
        <source>IMPORTANT! If the list is completely correct, you can post it to the database. </source>
        <translation>WICHTIG! Wenn die Liste völlig richtig ist, können Sie sie in die Datenbank übernehmen. </translation>
    </message>
    <message>
        <source>Add List To Database</source>
        <translation>Liste in die Datenbank übernehmen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Übernahme</translation>
    </message>
    <message>
        <source>&amp;Undo Last Posting</source>
        <translation>&amp;Letzte Übernahme rückgängig</translation>
    </message>
    <message>
        <source>&amp;Postings...</source>
        <translation>Ü&amp;bernahmen...</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>How to review the list</source>
        <translation>So prüfen Sie die Liste</translation>
    </message>
    <message>
        <source>Students to post</source>
        <translation>Zu übernehmende Schüler</translation>
    </message>
    <message>
        <source>Before posting</source>
        <translation>Vor der Übernahme</translation>
    </message>
    <message>
        <source>Posting progress</source>
        <translation>Fortschritt der Übernahme</translation>
    </message>
    <message>
        <source>Student list in the database</source>
        <translation>Schülerliste in der Datenbank</translation>
    </message>
    <message>
        <source>Next Row To Look At</source>
        <translation>Nächste zu prüfende Zeile</translation>
    </message>
    <message>
        <source>Previous Row To Look At</source>
        <translation>Vorige zu prüfende Zeile</translation>
    </message>
    <message>
        <source>Fix This Mark</source>
        <translation>Diese Markierung beheben</translation>
    </message>
    <message>
        <source>Import Students List</source>
        <translation>Schülerliste importieren</translation>
    </message>
    <message>
        <source>Export Student List</source>
        <translation>Schülerliste exportieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Remove the %1 stored by the last posting from %2?</source>
        <translation>Die %1 der letzten Übernahme aus %2 entfernen?</translation>
    </message>
    <message>
        <source>Data output to %1</source>
        <translation>Daten ausgegeben nach %1</translation>
    </message>
    <message>
        <source>The settings file kq.cfg could not be saved.
Close the program without saving the settings?</source>
        <translation>Die Einstellungsdatei kq.cfg konnte nicht gespeichert werden.
Das Programm schließen, ohne die Einstellungen zu speichern?</translation>
    </message>
    <message>
        <source>Splash</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Cardovane School Administration</source>
        <translation>Cardovane Schulverwaltung</translation>
    </message>
    <message>
        <source>Cardovane Timetable: lesson plans for every class and room</source>
        <translation>Cardovane Stundenplan: Pläne für jede Klasse und jeden Raum</translation>
    </message>
    <message>
        <source>Cardovane Grades: report cards in minutes, not evenings</source>
        <translation>Cardovane Noten: Zeugnisse in Minuten statt Abenden</translation>
    </message>
    <message>
        <source>Cardovane Library: the lending desk for school libraries</source>
        <translation>Cardovane Bibliothek: die Ausleihe für Schulbibliotheken</translation>
    </message>
    <message>
        <source>Ctrl+. fixes a marked cell: this one has no mark</source>
        <translation>Strg+. behebt eine markierte Zelle: diese hat keine Markierung</translation>
    </message>
    <message>
        <source>No fix mends this mark: correct the cell by hand</source>
        <translation>Keine Korrektur behebt diese Markierung: berichtigen Sie die Zelle von Hand</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Removed no student</source>
        <translation>Kein Schüler entfernt</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n student(s)</source>
        <translation>
            <numerusform>%n Schüler entfernt</numerusform>
            <numerusform>%n Schüler entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n left as they had changed or were removed since.</source>
        <translation>
            <numerusform>%1; %n belassen, da seither geändert oder entfernt.</numerusform>
            <numerusform>%1; %n belassen, da seither geändert oder entfernt.</numerusform>
        </translation>
    </message>
</context>
</TS>
