<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Aliases</name>
    <message>
        <source>Alias %1: %2 &quot;%3&quot; %4</source>
        <translation>Alias %1: %2 „%3“ %4</translation>
    </message>
    <message>
        <source>is missing: name the database server (or a Service)</source>
        <translation>fehlt: nennen Sie den Datenbankserver (oder einen Service)</translation>
    </message>
    <message>
        <source>is missing: name the database on the server (or a Service)</source>
        <translation>fehlt: nennen Sie die Datenbank auf dem Server (oder einen Service)</translation>
    </message>
    <message>
        <source>is empty: give a value or remove it</source>
        <translation>ist leer: geben Sie einen Wert an oder entfernen Sie den Eintrag</translation>
    </message>
    <message>
        <source>holds a semicolon, which cannot be passed to the server&apos;s driver: rename it without one</source>
        <translation>enthält ein Semikolon, das sich dem Treiber des Servers nicht übergeben lässt: benennen Sie es ohne Semikolon um</translation>
    </message>
    <message>
        <source>is relative: name the file by its whole path</source>
        <translation>ist relativ: nennen Sie die Datei mit ihrem vollständigen Pfad</translation>
    </message>
    <message>
        <source>is not a file: name the file the district gave you</source>
        <translation>ist keine Datei: nennen Sie die Datei, die Sie vom Schulträger erhalten haben</translation>
    </message>
    <message>
        <source>is not one of %1</source>
        <translation>ist keiner der Werte %1</translation>
    </message>
    <message>
        <source>is not known: use SQLITE or POSTGRES</source>
        <translation>ist unbekannt: verwenden Sie SQLITE oder POSTGRES</translation>
    </message>
    <message>
        <source>is missing: name the database file</source>
        <translation>fehlt: nennen Sie die Datenbankdatei</translation>
    </message>
    <message>
        <source>is relative: name the database file by its whole path</source>
        <translation>ist relativ: nennen Sie die Datenbankdatei mit ihrem vollständigen Pfad</translation>
    </message>
    <message>
        <source>is not a port number from 1 to 65535</source>
        <translation>ist keine Portnummer von 1 bis 65535</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot write %1: no temporary folder</source>
        <translation>%1 kann nicht geschrieben werden: kein temporärer Ordner</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>No database alias is defined: the aliases file %1 does not exist. Create it with &quot;cardovane-dbadmin setup-sqlite DVK&quot; (or setup-postgres, for a server).</source>
        <translation>Es ist kein Datenbank-Alias festgelegt: Die Alias-Datei %1 gibt es nicht. Legen Sie sie mit „cardovane-dbadmin setup-sqlite DVK“ an (oder mit setup-postgres, für einen Server).</translation>
    </message>
    <message>
        <source>The aliases file %1 cannot be read: %2.</source>
        <translation>Die Alias-Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
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
    <message>
        <source>%1 of %2 rows stored (%3 rows/s)</source>
        <translation>%1 von %2 Zeilen gespeichert (%3 Zeilen/s)</translation>
    </message>
    <message>
        <source>--receipt has nothing to record in a --dry-run</source>
        <translation>--receipt hat bei --dry-run nichts festzuhalten</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 nach %2 exportiert.</translation>
    </message>
    <message>
        <source>undo takes either a RECEIPT or --posting N, and one of them</source>
        <translation>undo nimmt entweder eine QUITTUNG (RECEIPT) oder --posting N, und eines davon</translation>
    </message>
    <message>
        <source>postings takes either an ALIAS or --all, and one of them</source>
        <translation>postings nimmt entweder einen ALIAS oder --all, und eines davon</translation>
    </message>
    <message>
        <source>left, %1</source>
        <translation>belassen, %1</translation>
    </message>
</context>
<context>
    <name>BatchImport</name>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>Zeile %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>libpq&apos;s %1 setting.</source>
        <translation>Die Einstellung %1 von libpq.</translation>
    </message>
    <message>
        <source>too few arguments</source>
        <translation>zu wenige Argumente</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>an argument is empty (an unset variable?)</source>
        <translation>ein Argument ist leer (eine nicht gesetzte Variable?)</translation>
    </message>
    <message>
        <source>--%1 is empty</source>
        <translation>--%1 ist leer</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 nimmt eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
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
    <name>EngineErrors</name>
    <message>
        <source>Cannot connect to database &apos;%1&apos;</source>
        <translation>Keine Verbindung zur Datenbank „%1“</translation>
    </message>
    <message>
        <source>Alias: %1</source>
        <translation>Alias: %1</translation>
    </message>
    <message>
        <source>Correct it in %1, or define the alias again with cardovane-dbadmin.</source>
        <translation>Berichtigen Sie ihn in %1, oder legen Sie den Alias mit cardovane-dbadmin neu fest.</translation>
    </message>
    <message>
        <source>Database file not found: %1</source>
        <translation>Datenbankdatei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Driver: QPSQL</source>
        <translation>Treiber: QPSQL</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted: it is not signed by the authority that SSLRootCert names.</source>
        <translation>Dem Zertifikat des Servers wird nicht vertraut: Es ist nicht von der Stelle signiert, die SSLRootCert nennt.</translation>
    </message>
    <message>
        <source>Not a SQLite connection</source>
        <translation>Keine SQLite-Verbindung</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Feld „%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>Table: %1</source>
        <translation>Tabelle: %1</translation>
    </message>
    <message>
        <source>Index: %1</source>
        <translation>Index: %1</translation>
    </message>
    <message>
        <source>Unknown database.</source>
        <translation>Unbekannte Datenbank.</translation>
    </message>
    <message>
        <source>Cannot read the alias configuration.</source>
        <translation>Die Alias-Konfiguration kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Database driver not available.</source>
        <translation>Datenbanktreiber nicht verfügbar.</translation>
    </message>
    <message>
        <source>Database engine not initialized.</source>
        <translation>Datenbank-Engine nicht initialisiert.</translation>
    </message>
    <message>
        <source>The alias cannot be used as it is defined.</source>
        <translation>Der Alias kann so, wie er festgelegt ist, nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Key violation.</source>
        <translation>Schlüsselverletzung.</translation>
    </message>
    <message>
        <source>Table password required.</source>
        <translation>Tabellenpasswort erforderlich.</translation>
    </message>
    <message>
        <source>Cannot open database.</source>
        <translation>Die Datenbank kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Parameter index out of range.</source>
        <translation>Parameterindex außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>Statement returns no result.</source>
        <translation>Die Anweisung liefert kein Ergebnis.</translation>
    </message>
    <message>
        <source>General SQL error.</source>
        <translation>Allgemeiner SQL-Fehler.</translation>
    </message>
    <message>
        <source>BDE error $%1</source>
        <translation>BDE-Fehler $%1</translation>
    </message>
    <message>
        <source>An error occurred while attempting to initialize the database engine (error $%1)</source>
        <translation>Beim Initialisieren der Datenbank-Engine ist ein Fehler aufgetreten (Fehler $%1)</translation>
    </message>
    <message>
        <source>The server&apos;s copy of the list is not in PostgreSQL&apos;s COPY format.</source>
        <translation>Die Kopie der Liste vom Server ist nicht im COPY-Format von PostgreSQL.</translation>
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
    <name>ErrorText</name>
    <message>
        <source>Exception %1 in module %2 at 00000000.
%3</source>
        <translation>Ausnahme %1 im Modul %2 bei 00000000.
%3</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source> (its file %1)</source>
        <translation> (ihre Datei %1)</translation>
    </message>
    <message>
        <source> itself</source>
        <translation> selbst</translation>
    </message>
    <message>
        <source>The export file %1 is the student database%2: writing the list there would destroy it. Name another file</source>
        <translation>Die Exportdatei %1 ist die Schülerdatenbank%2: Die Liste dorthin zu schreiben, würde sie zerstören. Nennen Sie eine andere Datei</translation>
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
    <message>
        <source>the history of postings </source>
        <translation>den Verlauf der Übernahmen </translation>
    </message>
    <message>
        <source>; the undo itself is done</source>
        <translation>; das Rückgängigmachen selbst ist erledigt</translation>
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
    <name>ListFile</name>
    <message>
        <source>%1 is not a comma-separated text file but a spreadsheet workbook: save it as CSV first, then import that file</source>
        <translation>%1 ist keine durch Kommas getrennte Textdatei, sondern eine Tabellenkalkulations-Mappe: Speichern Sie sie zuerst als CSV, und importieren Sie dann diese Datei</translation>
    </message>
    <message>
        <source>%1 is not a comma-separated text file of this kind: it holds UTF-16 text; save it as CSV in UTF-8 first</source>
        <translation>%1 ist keine durch Kommas getrennte Textdatei dieser Art: Sie enthält UTF-16-Text; speichern Sie sie zuerst als CSV in UTF-8</translation>
    </message>
    <message>
        <source>%1 is not a comma-separated text file: it holds a NUL byte at byte %2</source>
        <translation>%1 ist keine durch Kommas getrennte Textdatei: Sie enthält ein NUL-Byte an Byte %2</translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation>die Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>standard input cannot be read: %1</source>
        <translation>die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Die Standardeingabe</translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <source>The password file %1 cannot be read</source>
        <translation>Die Passwortdatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The password file %1 may be read by others: make it yours alone (chmod 600) first</source>
        <translation>Die Passwortdatei %1 kann von anderen gelesen werden: Machen Sie sie zuerst nur für sich lesbar (chmod 600)</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
    <message>
        <source>Password for %1 on %2: </source>
        <translation>Passwort für %1 auf %2: </translation>
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
    <message>
        <source>The connection to the database was lost and did not come back within %1 seconds. %2 of the %3 rows were stored, the other %4 were not; Undo Last Posting takes the stored rows back.</source>
        <translation>Die Verbindung zur Datenbank ist abgebrochen und kam nicht innerhalb von %1 Sekunden zurück. %2 der %3 Zeilen wurden gespeichert, die übrigen %4 nicht; „Letzte Übernahme rückgängig“ nimmt die gespeicherten Zeilen zurück.</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write %1%2: %3%4</source>
        <translation>Kann %1%2 nicht schreiben: %3%4</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>the receipt </source>
        <translation>die Quittung </translation>
    </message>
    <message>
        <source> (nothing stored)</source>
        <translation> (nichts gespeichert)</translation>
    </message>
    <message>
        <source> (the students are stored; undo needs the receipt)</source>
        <translation> (die Schüler sind gespeichert; undo braucht die Quittung)</translation>
    </message>
</context>
<context>
    <name>Receipts</name>
    <message>
        <source>; this is not a receipt that cardovane-dbadmin import --receipt wrote</source>
        <translation>; dies ist keine Quittung, die cardovane-dbadmin import --receipt geschrieben hat</translation>
    </message>
    <message>
        <source>; this is not a posting that the history of postings holds</source>
        <translation>; dies ist keine Übernahme aus dem Verlauf der Übernahmen</translation>
    </message>
    <message>
        <source>line %1: %2%3</source>
        <translation>Zeile %1: %2%3</translation>
    </message>
    <message>
        <source>the line is cut short</source>
        <translation>die Zeile bricht vorzeitig ab</translation>
    </message>
    <message>
        <source>a field holds what no receipt holds</source>
        <translation>ein Feld enthält, was keine Quittung enthält</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>die erste Zeile ist nicht „%1“</translation>
    </message>
    <message>
        <source>the line has %1 fields instead of 5</source>
        <translation>die Zeile hat %1 Felder statt 5</translation>
    </message>
    <message>
        <source>psidsequence &quot;%1&quot; is not a whole number</source>
        <translation>psidsequence „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the line is not &quot;%1,...&quot;</source>
        <translation>die Zeile ist nicht „%1,...“</translation>
    </message>
</context>
<context>
    <name>SetupCommands</name>
    <message>
        <source>StudentList is kept as it is, but its sequence numbers cannot be made unique while these are taken more than once (name key, number, records):</source>
        <translation>StudentList bleibt, wie sie ist, aber ihre laufenden Nummern können nicht eindeutig gemacht werden, solange diese mehrfach vergeben sind (Namensschlüssel, Nummer, Datensätze):</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Give each of those students a number of their own (or remove a repeated record), then run create-table again.</source>
        <translation>Geben Sie jedem dieser Schüler eine eigene Nummer (oder entfernen Sie einen doppelten Datensatz), und führen Sie dann create-table erneut aus.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>StudentList is ready in the database of %1.</source>
        <translation>StudentList ist in der Datenbank von %1 bereit.</translation>
    </message>
    <message>
        <source>setup-postgres needs --server and --database, or --service</source>
        <translation>setup-postgres braucht --server und --database, oder --service</translation>
    </message>
    <message>
        <source>alias %1 is not defined</source>
        <translation>Alias %1 ist nicht festgelegt</translation>
    </message>
</context>
<context>
    <name>StudentKey</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist kein gültiger ganzzahliger Wert</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Ganzzahlüberlauf</translation>
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
        <translation>&amp;Leeren</translation>
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
    <message>
        <source>no longer stored</source>
        <translation>nicht mehr gespeichert</translation>
    </message>
    <message>
        <source>changed since</source>
        <translation>seither geändert</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>The user name to log in as.</source>
        <translation>Der Benutzername für die Anmeldung.</translation>
    </message>
    <message>
        <source>The password (other users of the computer can see a command line: let the command ask for it on the terminal instead).</source>
        <translation>Das Passwort (andere Benutzer des Computers können eine Befehlszeile sehen: Lassen Sie den Befehl stattdessen im Terminal danach fragen).</translation>
    </message>
    <message>
        <source>Reads the password from the first line of FILE, readable by you alone.</source>
        <translation>Liest das Passwort aus der ersten Zeile von FILE, die nur Sie lesen können.</translation>
    </message>
    <message>
        <source>The database server.</source>
        <translation>Der Datenbankserver.</translation>
    </message>
    <message>
        <source>The server&apos;s port.</source>
        <translation>Der Port des Servers.</translation>
    </message>
    <message>
        <source>The database on the server.</source>
        <translation>Die Datenbank auf dem Server.</translation>
    </message>
    <message>
        <source>Store nothing.</source>
        <translation>Nichts speichern.</translation>
    </message>
    <message>
        <source>Write what was stored to FILE, for undo.</source>
        <translation>Das Gespeicherte für undo in FILE schreiben.</translation>
    </message>
    <message>
        <source>Refuse a list with a line that needs a look.</source>
        <translation>Eine Liste mit einer Zeile ablehnen, die geprüft werden muss.</translation>
    </message>
    <message>
        <source>Mend the lines the review grid&apos;s fixes mend.</source>
        <translation>Die Zeilen berichtigen, die die Korrekturen der Prüftabelle berichtigen.</translation>
    </message>
    <message>
        <source>Leave out the lines whose IDNum is stored.</source>
        <translation>Die Zeilen auslassen, deren IDNum gespeichert ist.</translation>
    </message>
    <message>
        <source>The posting of that number in the history.</source>
        <translation>Die Übernahme mit dieser Nummer im Verlauf.</translation>
    </message>
    <message>
        <source>Every alias&apos;s postings.</source>
        <translation>Die Übernahmen aller Aliasse.</translation>
    </message>
    <message>
        <source>How long to wait for another job&apos;s write lock.</source>
        <translation>Wie lange auf die Schreibsperre eines anderen Auftrags gewartet wird.</translation>
    </message>
    <message>
        <source>usage: %1 (see cardovane-dbadmin --help)</source>
        <translation>Aufruf: %1 (siehe cardovane-dbadmin --help)</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>  --wait SECONDS (default 120) is how long a job waits for another&apos;s write lock on a SQLite
  database before it fails. For an alias that asks for a login, the password is asked on the
  terminal and stored nowhere; --password-file FILE reads it from FILE&apos;s first line instead
  (refused where others may read FILE), and without a terminal, or with nothing typed, libpq
  finds it in ~/.pgpass (or the file PGPASSFILE names). --password PW works too, but other
  users of the computer can see a command line: prefer the others. When the server cannot be
  reached, libpq&apos;s reason is told. -- ends the options, for a FILE whose name begins with -.
  Exit codes: 0 done, 1 failed (nothing stored, no file changed), 2 usage (nothing done).
</source>
        <translation>  --wait SECONDS (Standard 120) ist, wie lange ein Auftrag auf die Schreibsperre eines anderen
  auf einer SQLite-Datenbank wartet, bevor er fehlschlägt. Für einen Alias, der eine Anmeldung
  verlangt, wird das Passwort im Terminal abgefragt und nirgends gespeichert; --password-file
  FILE liest es stattdessen aus der ersten Zeile von FILE (abgelehnt, wo andere FILE lesen
  können), und ohne Terminal, oder wenn nichts eingegeben wird, findet libpq es in ~/.pgpass
  (oder der Datei, die PGPASSFILE nennt). --password PW geht auch, aber andere Benutzer des
  Computers können eine Befehlszeile sehen: Ziehen Sie die anderen Wege vor. Ist der Server
  nicht erreichbar, wird der Grund von libpq gemeldet. -- beendet die Optionen, für eine FILE,
  deren Name mit - beginnt.
  Exit-Codes: 0 erledigt, 1 fehlgeschlagen (nichts gespeichert, keine Datei geändert), 2 Aufruf
  (nichts getan).
</translation>
    </message>
    <message>
        <source>Creates the SQLite database file (by default %1) and the StudentList table where they are missing, then defines ALIAS on the file unless ALIAS is already defined. The file and its folder are readable by you alone, and so is the aliases file.</source>
        <translation>Legt die SQLite-Datenbankdatei (standardmäßig %1) und die Tabelle StudentList an, wo sie fehlen, und legt dann ALIAS auf die Datei fest, wenn ALIAS noch nicht festgelegt ist. Die Datei und ihr Ordner sind nur für Sie lesbar, ebenso die Alias-Datei.</translation>
    </message>
    <message>
        <source>Creates the StudentList table in a PostgreSQL database when it is missing, then defines ALIAS on it (replacing an earlier definition of any letter case); a setup that fails defines nothing. It needs --server and --database, or --service. With --user the program asks for a login; the password is used for creating the table now and is never stored. The ssl options are libpq&apos;s own settings of the same names, kept in the alias: --sslmode verify-full with --sslrootcert naming the district&apos;s certificate authority checks that the server is the district&apos;s, and refuses to talk in plain text. --service NAME takes the server&apos;s settings from the entry NAME of libpq&apos;s service file (~/.pg_service.conf, or the file PGSERVICEFILE names).
To point the student list tool at a school server:
  cardovane-dbadmin setup-postgres DVK --server db.school.lan --database cardovane \
      --user office --sslmode verify-full --sslrootcert /etc/ssl/district-ca.crt</source>
        <translation>Legt die Tabelle StudentList in einer PostgreSQL-Datenbank an, wenn sie fehlt, und legt dann ALIAS darauf fest (eine frühere Festlegung in beliebiger Groß- und Kleinschreibung wird ersetzt); eine fehlgeschlagene Einrichtung legt nichts fest. Nötig sind --server und --database, oder --service. Mit --user fragt das Programm nach einer Anmeldung; das Passwort dient nur jetzt zum Anlegen der Tabelle und wird nie gespeichert. Die ssl-Optionen sind die gleichnamigen Einstellungen von libpq und werden im Alias aufbewahrt: --sslmode verify-full mit --sslrootcert, das die Zertifizierungsstelle des Schulträgers nennt, prüft, dass der Server der des Schulträgers ist, und verweigert unverschlüsselte Verbindungen. --service NAME übernimmt die Einstellungen des Servers aus dem Eintrag NAME der Service-Datei von libpq (~/.pg_service.conf, oder die Datei, die PGSERVICEFILE nennt).
So richten Sie das Programm für die Schülerliste auf einen Schulserver ein:
  cardovane-dbadmin setup-postgres DVK --server db.school.lan --database cardovane \
      --user office --sslmode verify-full --sslrootcert /etc/ssl/district-ca.crt</translation>
    </message>
    <message>
        <source>Creates the StudentList table in ALIAS&apos;s database when missing, and makes its sequence numbers unique within each name key where they are not yet (naming any number that is taken twice, which must be resolved first).</source>
        <translation>Legt die Tabelle StudentList in der Datenbank von ALIAS an, wenn sie fehlt, und macht ihre laufenden Nummern innerhalb jedes Namensschlüssels eindeutig, wo sie es noch nicht sind (eine doppelt vergebene Nummer wird genannt und muss zuerst geklärt werden).</translation>
    </message>
    <message>
        <source>Makes statements on TABLE ask for PASSWORD (once a run).</source>
        <translation>Lässt Anweisungen auf TABLE nach PASSWORD fragen (einmal je Lauf).</translation>
    </message>
    <message>
        <source>Reads FILE (- is standard input) as &quot;Import List&quot; reads it and stores every row in StudentList with the name key and sequence number that &quot;Add List To Database&quot; would give it, in one transaction: all of it or, on any failure, none (the failing row is named). A file that is no comma-separated text (a spreadsheet workbook, UTF-16 text, anything with a NUL byte) is refused. --dry-run stores nothing and prints each row&apos;s line, key, sequence number and fields, tab-separated; on standard error, each line that needs a look (a heading, another separator, a missing or repeated IDNum, an IDNum already stored, ...) as FILE:LINE: what, in the window&apos;s words, then how many. --check tells those lines the same way and, if there is any, stores nothing (exit status 1). --fix first mends what the review grid&apos;s fixes mend, in the order the window offers them (the columns taken from a heading row, lines split at semicolons or tabs, quoted fields read, blanks trimmed, empty, heading and repeated lines left out), and tells what each did; a line no fix can be sure of stays as it is. With --dry-run it prints the rows as they would be stored, with --check it refuses only what no fix mends. --skip-stored leaves out the lines whose IDNum was stored before the job began, and says how many. --receipt FILE writes, once the import has committed, what it stored (a header line, then a record a line with all five columns), replacing FILE whole; the file is readable by you alone. undo takes it back.</source>
        <translation>Liest FILE (- ist die Standardeingabe), wie „Importieren“ sie liest, und speichert jede Zeile in StudentList mit dem Namensschlüssel und der laufenden Nummer, die „Liste in die Datenbank übernehmen“ ihr geben würde, in einer Transaktion: alles oder, bei einem Fehler, nichts (die fehlgeschlagene Zeile wird genannt). Eine Datei, die kein durch Kommas getrennter Text ist (eine Tabellenkalkulations-Mappe, UTF-16-Text, alles mit einem NUL-Byte), wird abgelehnt. --dry-run speichert nichts und gibt für jede Zeile Zeilennummer, Schlüssel, laufende Nummer und Felder aus, durch Tabulatoren getrennt; auf der Standardfehlerausgabe jede Zeile, die geprüft werden muss (eine Überschrift, ein anderes Trennzeichen, eine fehlende oder doppelte IDNum, eine schon gespeicherte IDNum, ...), als FILE:LINE: was, in den Worten des Fensters, dann wie viele. --check meldet diese Zeilen ebenso und speichert, wenn es eine gibt, nichts (Exit-Status 1). --fix berichtigt zuerst, was die Korrekturen der Prüftabelle berichtigen, in der Reihenfolge, in der das Fenster sie anbietet (die Spalten aus einer Überschriftszeile übernommen, Zeilen an Semikolons oder Tabulatoren geteilt, Felder in Anführungszeichen gelesen, Leerzeichen entfernt, leere, Überschrifts- und doppelte Zeilen ausgelassen), und meldet, was jede getan hat; eine Zeile, bei der sich keine Korrektur sicher sein kann, bleibt, wie sie ist. Mit --dry-run gibt es die Zeilen aus, wie sie gespeichert würden, mit --check lehnt es nur ab, was keine Korrektur berichtigt. --skip-stored lässt die Zeilen aus, deren IDNum vor Beginn des Auftrags gespeichert war, und sagt, wie viele. --receipt FILE schreibt, sobald der Import abgeschlossen ist, was er gespeichert hat (eine Kopfzeile, dann je Zeile ein Datensatz mit allen fünf Spalten), und ersetzt FILE ganz; die Datei ist nur für Sie lesbar. undo nimmt es zurück.</translation>
    </message>
    <message>
        <source>Removes exactly the records that the import which wrote RECEIPT stored, each matched on all five columns, in one transaction: all of them or, on any failure, none. A record changed or removed since is left, and told as RECEIPT:LINE with why. Records others stored are never touched. --posting N takes back the posting of that number in your history of postings instead (see postings), once. --dry-run removes nothing and tells what would be removed and left. A file that is no receipt is refused with its line.</source>
        <translation>Entfernt genau die Datensätze, die der Import gespeichert hat, der RECEIPT geschrieben hat, jeden an allen fünf Spalten erkannt, in einer Transaktion: alle oder, bei einem Fehler, keinen. Ein seither geänderter oder entfernter Datensatz bleibt und wird als RECEIPT:LINE mit dem Grund gemeldet. Datensätze, die andere gespeichert haben, werden nie angerührt. --posting N nimmt stattdessen die Übernahme mit dieser Nummer aus Ihrem Verlauf der Übernahmen zurück (siehe postings), einmal. --dry-run entfernt nichts und meldet, was entfernt würde und was bliebe. Eine Datei, die keine Quittung ist, wird mit ihrer Zeile abgelehnt.</translation>
    </message>
    <message>
        <source>Lists your history of postings into ALIAS (--all: into every alias), oldest first, one line each, tab-separated: its number, when (UTC), the alias, how many students it stored, the list file, and when it was undone. Every posting of the window and every import of a job is kept there for 180 days, in %2, readable by you alone. An entry that cannot be read is told on standard error by its line, and the others are listed.</source>
        <translation>Listet Ihren Verlauf der Übernahmen in ALIAS (--all: in jeden Alias), die älteste zuerst, je eine Zeile, durch Tabulatoren getrennt: ihre Nummer, wann (UTC), der Alias, wie viele Schüler sie gespeichert hat, die Listendatei und wann sie rückgängig gemacht wurde. Jede Übernahme des Fensters und jeder Import eines Auftrags wird dort 180 Tage aufbewahrt, in %2, nur für Sie lesbar. Ein Eintrag, der nicht gelesen werden kann, wird auf der Standardfehlerausgabe mit seiner Zeile gemeldet, und die anderen werden gelistet.</translation>
    </message>
    <message>
        <source>Writes the student list to FILE exactly as &quot;Export the Database to the CSV File&quot; does; FILE - is standard output. FILE is replaced only once the whole list is written: on any failure it is left as it was. The database file itself is refused as FILE.</source>
        <translation>Schreibt die Schülerliste genau so nach FILE, wie „Datenbank in die CSV-Datei exportieren“ es tut; FILE - ist die Standardausgabe. FILE wird erst ersetzt, wenn die ganze Liste geschrieben ist: Bei einem Fehler bleibt sie, wie sie war. Die Datenbankdatei selbst wird als FILE abgelehnt.</translation>
    </message>
    <message>
        <source>Usage: cardovane-dbadmin COMMAND ...

Aliases live in %1.
</source>
        <translation>Aufruf: cardovane-dbadmin BEFEHL ...

Die Aliasse stehen in %1.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Shows this text.</source>
        <translation>Zeigt diesen Text.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
</context>
</TS>
