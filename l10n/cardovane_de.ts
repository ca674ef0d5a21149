<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>&amp;Benutzername:</translation>
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
        <translation>Liste importieren</translation>
    </message>
    <message>
        <source>After importing your list, double check all the records in 
the table below.
Minor errors such as typos can be corrected here. 
If there were major errors, return to your original 
spreadsheet and correct  them, then  save  them to the 
CSV file again, then import it to this program again.  </source>
        <translation>Prüfen Sie nach dem Import alle Datensätze in der 
Tabelle unten genau.
Kleine Fehler wie Tippfehler können Sie hier berichtigen. 
Bei größeren Fehlern kehren Sie zu Ihrer ursprünglichen 
Tabelle zurück, berichtigen sie dort, speichern sie erneut 
als CSV-Datei und importieren sie dann noch einmal.  </translation>
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
</context>
</TS>
