<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BatchCommands</name>
    <message numerus="yes">
        <source>Left out %n line(s) whose IDNum is stored.</source>
        <translation>
            <numerusform>%n ligne laissée de côté, dont l&apos;IDNum est enregistré.</numerusform>
            <numerusform>%n lignes laissées de côté, dont l&apos;IDNum est enregistré.</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing stored, as lines need a look (--check)</source>
        <translation>rien n&apos;est enregistré, car des lignes sont à vérifier (--check)</translation>
    </message>
    <message numerus="yes">
        <source>Stored %n row(s) in StudentList of %1.</source>
        <translation>
            <numerusform>%n ligne enregistrée dans StudentList de %1.</numerusform>
            <numerusform>%n lignes enregistrées dans StudentList de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>posting %1 stored its students in %2, not %3: name that alias to take it back</source>
        <translation>l&apos;ajout %1 a enregistré ses élèves dans %2, pas dans %3 : indiquez cet alias pour l&apos;annuler</translation>
    </message>
    <message>
        <source>posting %1 was taken back already, at %2</source>
        <translation>l&apos;ajout %1 a déjà été annulé, le %2</translation>
    </message>
    <message>
        <source>Would remove %1 from %2.</source>
        <translation>Retrait prévu de %2 : %1.</translation>
    </message>
    <message>
        <source>Removed %1 from %2.</source>
        <translation>Retrait de %2 : %1.</translation>
    </message>
    <message>
        <source>Would remove %1 from %2 and leave %3, changed or removed since.</source>
        <translation>Retrait prévu de %2 : %1 ; conservés : %3, modifiés ou retirés depuis.</translation>
    </message>
    <message>
        <source>Removed %1 from %2 and left %3, changed or removed since.</source>
        <translation>Retrait de %2 : %1 ; conservés : %3, modifiés ou retirés depuis.</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n élève</numerusform>
            <numerusform>%n élèves</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorDisplay</name>
    <message>
        <source>Application Error</source>
        <translation>Erreur du programme</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heading(s)</source>
        <translation>
            <numerusform>%n en-tête</numerusform>
            <numerusform>%n en-têtes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other separator(s)</source>
        <translation>
            <numerusform>%n autre séparateur</numerusform>
            <numerusform>%n autres séparateurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty line(s)</source>
        <translation>
            <numerusform>%n ligne vide</numerusform>
            <numerusform>%n lignes vides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fourth column(s)</source>
        <translation>
            <numerusform>%n quatrième colonne</numerusform>
            <numerusform>%n quatrièmes colonnes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n {field|fields} in quotes</source>
        <translation>
            <numerusform>%n champ entre guillemets</numerusform>
            <numerusform>%n champs entre guillemets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without IDNum</source>
        <translation>
            <numerusform>%n sans IDNum</numerusform>
            <numerusform>%n sans IDNum</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing name(s)</source>
        <translation>
            <numerusform>%n nom manquant</numerusform>
            <numerusform>%n noms manquants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stray blanks</source>
        <translation>
            <numerusform>%n avec des espaces en trop</numerusform>
            <numerusform>%n avec des espaces en trop</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n {digit in a name|digits in names}</source>
        <translation>
            <numerusform>%n chiffre dans un nom</numerusform>
            <numerusform>%n chiffres dans des noms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) without letters</source>
        <translation>
            <numerusform>%n nom sans lettres</numerusform>
            <numerusform>%n noms sans lettres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lost letter(s)</source>
        <translation>
            <numerusform>%n lettre perdue</numerusform>
            <numerusform>%n lettres perdues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeated IDNum(s)</source>
        <translation>
            <numerusform>%n IDNum en double</numerusform>
            <numerusform>%n IDNum en double</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already stored</source>
        <translation>
            <numerusform>%n déjà enregistré</numerusform>
            <numerusform>%n déjà enregistrés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stored for another name</source>
        <translation>
            <numerusform>%n enregistré sous un autre nom</numerusform>
            <numerusform>%n enregistrés sous un autre nom</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDNum %1 is also on line(s) %2</source>
        <translation>
            <numerusform>L&apos;IDNum %1 figure aussi à la ligne %2</numerusform>
            <numerusform>L&apos;IDNum %1 figure aussi aux lignes %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDNum %1 is also on row(s) %2</source>
        <translation>
            <numerusform>L&apos;IDNum %1 figure aussi à la ligne %2</numerusform>
            <numerusform>L&apos;IDNum %1 figure aussi aux lignes %2</numerusform>
        </translation>
    </message>
    <message>
        <source>IDNum %1 is already stored, for %2</source>
        <translation>L&apos;IDNum %1 est déjà enregistré, pour %2</translation>
    </message>
    <message>
        <source>IDNum %1 is already stored for another name: %2</source>
        <translation>L&apos;IDNum %1 est déjà enregistré sous un autre nom : %2</translation>
    </message>
    <message>
        <source>No line needs a look</source>
        <translation>Aucune ligne à vérifier</translation>
    </message>
    <message>
        <source>No row needs a look</source>
        <translation>Aucune ligne à vérifier</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) {needs|need} a look: %1</source>
        <translation>
            <numerusform>%n ligne à vérifier : %1</numerusform>
            <numerusform>%n lignes à vérifier : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) {needs|need} a look: %1</source>
        <translation>
            <numerusform>%n ligne à vérifier : %1</numerusform>
            <numerusform>%n lignes à vérifier : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Ligne %1, %2 : %3</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>an empty line: no student</source>
        <translation>une ligne vide : aucun élève</translation>
    </message>
    <message>
        <source>the spreadsheet&apos;s line naming its separator (sep=%1), not a student</source>
        <translation>la ligne du tableur qui indique son séparateur (sep=%1), pas un élève</translation>
    </message>
    <message>
        <source>looks like column headings, not a student</source>
        <translation>ressemble à des en-têtes de colonnes, pas à un élève</translation>
    </message>
    <message>
        <source>saved with another separator: semicolons but no comma, so the whole line went into the Lastname</source>
        <translation>enregistrée avec un autre séparateur : des points-virgules mais aucune virgule, donc toute la ligne est allée dans Lastname</translation>
    </message>
    <message>
        <source>saved with another separator: tabs but no comma, so the whole line went into the Lastname</source>
        <translation>enregistrée avec un autre séparateur : des tabulations mais aucune virgule, donc toute la ligne est allée dans Lastname</translation>
    </message>
    <message>
        <source>a fourth column or a quoted comma: the Lastname holds a comma</source>
        <translation>une quatrième colonne ou une virgule entre guillemets : Lastname contient une virgule</translation>
    </message>
    <message>
        <source>the %1 is in double quotes, which would be stored as part of it</source>
        <translation>le champ %1 est entre guillemets, qui seraient enregistrés avec lui</translation>
    </message>
    <message>
        <source>no IDNum</source>
        <translation>pas d&apos;IDNum</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>pas de %1</translation>
    </message>
    <message>
        <source>blanks at the start or end of the %1</source>
        <translation>des espaces au début ou à la fin du champ %1</translation>
    </message>
    <message>
        <source>the %1 holds a digit</source>
        <translation>le champ %1 contient un chiffre</translation>
    </message>
    <message>
        <source>the %1 has no letter A to Z: the name key would be %2</source>
        <translation>le champ %1 ne contient aucune lettre de A à Z : la clé du nom serait %2</translation>
    </message>
    <message>
        <source>the %1 has a ? where the spreadsheet could not save a letter: save the list as CSV UTF-8 and import it again</source>
        <translation>le champ %1 contient un ? là où le tableur n&apos;a pas pu enregistrer une lettre : enregistrez la liste en « CSV UTF-8 » et importez-la de nouveau</translation>
    </message>
</context>
<context>
    <name>Fixes</name>
    <message>
        <source>Take the Columns from the Heading</source>
        <translation>Prendre les colonnes de l&apos;en-tête</translation>
    </message>
    <message>
        <source>Split Rows at Semicolons</source>
        <translation>Séparer les lignes aux points-virgules</translation>
    </message>
    <message>
        <source>Split Rows at Tabs</source>
        <translation>Séparer les lignes aux tabulations</translation>
    </message>
    <message>
        <source>Read Quoted Fields</source>
        <translation>Lire les champs entre guillemets</translation>
    </message>
    <message>
        <source>Trim Blanks</source>
        <translation>Supprimer les espaces en trop</translation>
    </message>
    <message>
        <source>Remove Empty Rows</source>
        <translation>Supprimer les lignes vides</translation>
    </message>
    <message>
        <source>Remove the Heading Row</source>
        <translation>Supprimer la ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>Remove Repeated Rows</source>
        <translation>Supprimer les lignes en double</translation>
    </message>
    <message>
        <source>Remove Rows Already Stored</source>
        <translation>Supprimer les lignes déjà enregistrées</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Columns taken from the heading: %n row(s)</source>
        <translation>
            <numerusform>Colonnes prises de l&apos;en-tête : %n ligne</numerusform>
            <numerusform>Colonnes prises de l&apos;en-tête : %n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split %n row(s) at semicolons</source>
        <translation>
            <numerusform>%n ligne séparée aux points-virgules</numerusform>
            <numerusform>%n lignes séparées aux points-virgules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split %n row(s) at tabs</source>
        <translation>
            <numerusform>%n ligne séparée aux tabulations</numerusform>
            <numerusform>%n lignes séparées aux tabulations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read the quoted fields of %n row(s)</source>
        <translation>
            <numerusform>Champs entre guillemets lus sur %n ligne</numerusform>
            <numerusform>Champs entre guillemets lus sur %n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Trimmed the blanks of %n row(s)</source>
        <translation>
            <numerusform>Espaces en trop supprimés sur %n ligne</numerusform>
            <numerusform>Espaces en trop supprimés sur %n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n empty row(s)</source>
        <translation>
            <numerusform>%n ligne vide supprimée</numerusform>
            <numerusform>%n lignes vides supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n heading row(s)</source>
        <translation>
            <numerusform>%n ligne d&apos;en-tête supprimée</numerusform>
            <numerusform>%n lignes d&apos;en-tête supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n repeated row(s)</source>
        <translation>
            <numerusform>%n ligne en double supprimée</numerusform>
            <numerusform>%n lignes en double supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s) already stored</source>
        <translation>
            <numerusform>%n ligne déjà enregistrée supprimée</numerusform>
            <numerusform>%n lignes déjà enregistrées supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n row(s) left, {its IDNum is on a row|their IDNums are on rows} with other names</source>
        <translation>
            <numerusform>%1 ; %n ligne laissée, son IDNum figure sur une ligne avec d&apos;autres noms</numerusform>
            <numerusform>%1 ; %n lignes laissées, leurs IDNum figurent sur des lignes avec d&apos;autres noms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n row(s) left, {its|their} fields could not be placed</source>
        <translation>
            <numerusform>%1 ; %n ligne laissée, ses champs n&apos;ont pas pu être placés</numerusform>
            <numerusform>%1 ; %n lignes laissées, leurs champs n&apos;ont pas pu être placés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Cannot write the history of postings in %1: %2; the posting itself is stored</source>
        <translation>Impossible d&apos;écrire l&apos;historique des ajouts dans %1 : %2 ; l&apos;ajout lui-même est enregistré</translation>
    </message>
    <message>
        <source>There is no posting %1 in the history of postings (%2): cardovane-dbadmin postings lists the postings there are</source>
        <translation>Il n&apos;y a pas d&apos;ajout %1 dans l&apos;historique des ajouts (%2) : cardovane-dbadmin postings liste ceux qui existent</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>KeepDays=%1 in %2 is not a whole number of days from 1 to %3; correct it, or remove it to keep %4 days. No posting was removed from the history</source>
        <translation>KeepDays=%1 dans %2 n&apos;est pas un nombre entier de jours entre 1 et %3 ; corrigez-le, ou supprimez-le pour conserver %4 jours. Aucun ajout n&apos;a été retiré de l&apos;historique</translation>
    </message>
</context>
<context>
    <name>IOError</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier incorrect</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Saisie numérique incorrecte</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d&apos;entrée-sortie %1</translation>
    </message>
</context>
<context>
    <name>PostStudentList</name>
    <message>
        <source>Importing Records:</source>
        <translation>Ajout des fiches :</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Ajout terminé</translation>
    </message>
</context>
<context>
    <name>TLoginDialog</name>
    <message>
        <source>Database Login</source>
        <translation>Connexion à la base de données</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>Base de données :</translation>
    </message>
    <message>
        <source>&amp;User Name:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>Enter password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Re&amp;move all</source>
        <translation>Retirer &amp;tout</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TPostingsDialog</name>
    <message>
        <source>Postings</source>
        <translation>Ajouts</translation>
    </message>
    <message>
        <source>Postings into %1</source>
        <translation>Ajouts dans %1</translation>
    </message>
    <message>
        <source>Posted</source>
        <translation>Ajouté le</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Still as stored</source>
        <translation>Encore inchangés</translation>
    </message>
    <message>
        <source>&amp;Undo Posting</source>
        <translation>&amp;Annuler l&apos;ajout</translation>
    </message>
    <message>
        <source>undone %1</source>
        <translation>annulé le %1</translation>
    </message>
    <message>
        <source>Remove the %1 stored by the posting of %2 from %3?</source>
        <translation>Retirer de %3 les %1 ajoutés le %2 ?</translation>
    </message>
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>Cell Edit</source>
        <translation>Modification de la cellule</translation>
    </message>
    <message>
        <source>Remove Rows</source>
        <translation>Supprimer les lignes</translation>
    </message>
</context>
<context>
    <name>TfMain</name>
    <message>
        <source>Options</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Select CSV Output Directory and FileName</source>
        <translation>Choisir le dossier et le nom du fichier CSV</translation>
    </message>
    <message>
        <source>Export the Database to the CSV File</source>
        <translation>Exporter la base de données vers le fichier CSV</translation>
    </message>
    <message>
        <source>Name the output file in the Cardovane directory as &quot;something.csv&quot;. 
You can then export all the data to that file.
Then you can import that file into a spreadsheet program to modify it if necessary. </source>
        <translation>Nommez le fichier de sortie dans le dossier Cardovane « quelquechose.csv ». 
Vous pourrez ensuite y exporter toutes les données.
Ce fichier peut ensuite être ouvert dans un tableur pour le modifier au besoin. </translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Fichier d&apos;export</translation>
    </message>
    <message>
        <source>How to name the export file</source>
        <translation>Comment nommer le fichier d&apos;export</translation>
    </message>
    <message>
        <source>ImportList</source>
        <translation>Importer la liste</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>After importing your list, double check all the records in 
the table below.
Minor errors such as typos can be corrected here. 
If there were major errors, return to your original 
spreadsheet and correct  them, then  save  them to the 
CSV file again, then import it to this program again.  </source>
        <translation>Après l&apos;import, vérifiez toutes les fiches du 
tableau ci-dessous.
Les petites erreurs se corrigent ici. 
En cas d&apos;erreurs importantes, corrigez la liste 
dans votre tableur, enregistrez-la en CSV, 
puis importez-la de nouveau.  </translation>
    </message>
    <message>
        <source>IMPORTANT! If the list is completely correct, you can post it to the database. </source>
        <translation>IMPORTANT ! Si la liste est entièrement correcte, vous pouvez l&apos;ajouter à la base de données. </translation>
    </message>
    <message>
        <source>Add List To Database</source>
        <translation>Ajouter la liste à la base de données</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Ajout</translation>
    </message>
    <message>
        <source>&amp;Undo Last Posting</source>
        <translation>&amp;Annuler le dernier ajout</translation>
    </message>
    <message>
        <source>&amp;Postings...</source>
        <translation>A&amp;jouts...</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>How to review the list</source>
        <translation>Comment vérifier la liste</translation>
    </message>
    <message>
        <source>Students to post</source>
        <translation>Élèves à ajouter</translation>
    </message>
    <message>
        <source>Before posting</source>
        <translation>Avant l&apos;ajout</translation>
    </message>
    <message>
        <source>Posting progress</source>
        <translation>Progression de l&apos;ajout</translation>
    </message>
    <message>
        <source>Student list in the database</source>
        <translation>Liste des élèves dans la base de données</translation>
    </message>
    <message>
        <source>Next Row To Look At</source>
        <translation>Ligne suivante à vérifier</translation>
    </message>
    <message>
        <source>Previous Row To Look At</source>
        <translation>Ligne précédente à vérifier</translation>
    </message>
    <message>
        <source>Fix This Mark</source>
        <translation>Corriger ce signalement</translation>
    </message>
    <message>
        <source>Import Students List</source>
        <translation>Importer la liste des élèves</translation>
    </message>
    <message>
        <source>Export Student List</source>
        <translation>Exporter la liste des élèves</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Remove the %1 stored by the last posting from %2?</source>
        <translation>Retirer de %2 les %1 du dernier ajout ?</translation>
    </message>
    <message>
        <source>Data output to %1</source>
        <translation>Données exportées vers %1</translation>
    </message>
    <message>
        <source>The settings file kq.cfg could not be saved.
Close the program without saving the settings?</source>
        <translation>Le fichier de paramètres kq.cfg n&apos;a pas pu être enregistré.
Fermer le programme sans enregistrer les paramètres ?</translation>
    </message>
    <message>
        <source>Splash</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Cardovane School Administration</source>
        <translation>Cardovane Administration scolaire</translation>
    </message>
    <message>
        <source>Cardovane Timetable: lesson plans for every class and room</source>
        <translation>Cardovane Emploi du temps : plannings des classes et salles</translation>
    </message>
    <message>
        <source>Cardovane Grades: report cards in minutes, not evenings</source>
        <translation>Cardovane Notes : les bulletins en quelques minutes, pas en soirées</translation>
    </message>
    <message>
        <source>Cardovane Library: the lending desk for school libraries</source>
        <translation>Cardovane Bibliothèque : le prêt pour les bibliothèques scolaires</translation>
    </message>
    <message>
        <source>Ctrl+. fixes a marked cell: this one has no mark</source>
        <translation>Ctrl+. corrige une cellule signalée : celle-ci ne l&apos;est pas</translation>
    </message>
    <message>
        <source>No fix mends this mark: correct the cell by hand</source>
        <translation>Aucune correction ne règle ce signalement : corrigez la cellule à la main</translation>
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
        <translation>Aucun élève retiré</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n student(s)</source>
        <translation>
            <numerusform>%n élève retiré</numerusform>
            <numerusform>%n élèves retirés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n left as they had changed or were removed since.</source>
        <translation>
            <numerusform>%1 ; %n laissé, car modifié ou retiré depuis.</numerusform>
            <numerusform>%1 ; %n laissés, car modifiés ou retirés depuis.</numerusform>
        </translation>
    </message>
</context>
</TS>
