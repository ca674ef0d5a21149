<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Aliases</name>
    <message>
        <source>Alias %1: %2 &quot;%3&quot; %4</source>
        <translation>Alias %1 : %2 « %3 » %4</translation>
    </message>
    <message>
        <source>is missing: name the database server (or a Service)</source>
        <translation>est manquant : indiquez le serveur de base de données (ou un Service)</translation>
    </message>
    <message>
        <source>is missing: name the database on the server (or a Service)</source>
        <translation>est manquant : indiquez la base de données sur le serveur (ou un Service)</translation>
    </message>
    <message>
        <source>is empty: give a value or remove it</source>
        <translation>est vide : donnez une valeur ou supprimez-le</translation>
    </message>
    <message>
        <source>holds a semicolon, which cannot be passed to the server&apos;s driver: rename it without one</source>
        <translation>contient un point-virgule, qui ne peut pas être transmis au pilote du serveur : renommez-le sans point-virgule</translation>
    </message>
    <message>
        <source>is relative: name the file by its whole path</source>
        <translation>est relatif : indiquez le fichier par son chemin complet</translation>
    </message>
    <message>
        <source>is not a file: name the file the district gave you</source>
        <translation>n&apos;est pas un fichier : indiquez le fichier que le rectorat vous a remis</translation>
    </message>
    <message>
        <source>is not one of %1</source>
        <translation>n&apos;est pas l&apos;une des valeurs %1</translation>
    </message>
    <message>
        <source>is not known: use SQLITE or POSTGRES</source>
        <translation>est inconnu : utilisez SQLITE ou POSTGRES</translation>
    </message>
    <message>
        <source>is missing: name the database file</source>
        <translation>est manquant : indiquez le fichier de la base de données</translation>
    </message>
    <message>
        <source>is relative: name the database file by its whole path</source>
        <translation>est relatif : indiquez le fichier de la base de données par son chemin complet</translation>
    </message>
    <message>
        <source>is not a port number from 1 to 65535</source>
        <translation>n&apos;est pas un numéro de port de 1 à 65535</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>Cannot write %1: no temporary folder</source>
        <translation>Impossible d&apos;écrire %1 : pas de dossier temporaire</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>No database alias is defined: the aliases file %1 does not exist. Create it with &quot;cardovane-dbadmin setup-sqlite DVK&quot; (or setup-postgres, for a server).</source>
        <translation>Aucun alias de base de données n&apos;est défini : le fichier des alias %1 n&apos;existe pas. Créez-le avec « cardovane-dbadmin setup-sqlite DVK » (ou setup-postgres, pour un serveur).</translation>
    </message>
    <message>
        <source>The aliases file %1 cannot be read: %2.</source>
        <translation>Le fichier des alias %1 ne peut pas être lu : %2.</translation>
    </message>
</context>
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
    <message>
        <source>%1 of %2 rows stored (%3 rows/s)</source>
        <translation>%1 lignes sur %2 enregistrées (%3 lignes/s)</translation>
    </message>
    <message>
        <source>--receipt has nothing to record in a --dry-run</source>
        <translation>--receipt n&apos;a rien à consigner avec --dry-run</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>Export terminé : %1 vers %2.</translation>
    </message>
    <message>
        <source>undo takes either a RECEIPT or --posting N, and one of them</source>
        <translation>undo prend soit un REÇU (RECEIPT), soit --posting N, et un seul des deux</translation>
    </message>
    <message>
        <source>postings takes either an ALIAS or --all, and one of them</source>
        <translation>postings prend soit un ALIAS, soit --all, et un seul des deux</translation>
    </message>
    <message>
        <source>left, %1</source>
        <translation>laissé, %1</translation>
    </message>
</context>
<context>
    <name>BatchImport</name>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>ligne %1 (%2) : %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>libpq&apos;s %1 setting.</source>
        <translation>Le paramètre %1 de libpq.</translation>
    </message>
    <message>
        <source>too few arguments</source>
        <translation>trop peu d&apos;arguments</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>an argument is empty (an unset variable?)</source>
        <translation>un argument est vide (une variable non définie ?)</translation>
    </message>
    <message>
        <source>--%1 is empty</source>
        <translation>--%1 est vide</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 prend un nombre entier de %2 à %3, pas « %4 »</translation>
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
    <name>EngineErrors</name>
    <message>
        <source>Cannot connect to database &apos;%1&apos;</source>
        <translation>Impossible de se connecter à la base de données « %1 »</translation>
    </message>
    <message>
        <source>Alias: %1</source>
        <translation>Alias : %1</translation>
    </message>
    <message>
        <source>Correct it in %1, or define the alias again with cardovane-dbadmin.</source>
        <translation>Corrigez-le dans %1, ou définissez de nouveau l&apos;alias avec cardovane-dbadmin.</translation>
    </message>
    <message>
        <source>Database file not found: %1</source>
        <translation>Fichier de base de données introuvable : %1</translation>
    </message>
    <message>
        <source>Driver: QPSQL</source>
        <translation>Pilote : QPSQL</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted: it is not signed by the authority that SSLRootCert names.</source>
        <translation>Le certificat du serveur n&apos;est pas reconnu : il n&apos;est pas signé par l&apos;autorité que nomme SSLRootCert.</translation>
    </message>
    <message>
        <source>Not a SQLite connection</source>
        <translation>Ce n&apos;est pas une connexion SQLite</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Champ « %1 » introuvable</translation>
    </message>
    <message>
        <source>Table: %1</source>
        <translation>Table : %1</translation>
    </message>
    <message>
        <source>Index: %1</source>
        <translation>Index : %1</translation>
    </message>
    <message>
        <source>Unknown database.</source>
        <translation>Base de données inconnue.</translation>
    </message>
    <message>
        <source>Cannot read the alias configuration.</source>
        <translation>Impossible de lire la configuration des alias.</translation>
    </message>
    <message>
        <source>Database driver not available.</source>
        <translation>Pilote de base de données indisponible.</translation>
    </message>
    <message>
        <source>Database engine not initialized.</source>
        <translation>Moteur de base de données non initialisé.</translation>
    </message>
    <message>
        <source>The alias cannot be used as it is defined.</source>
        <translation>L&apos;alias ne peut pas être utilisé tel qu&apos;il est défini.</translation>
    </message>
    <message>
        <source>Key violation.</source>
        <translation>Violation de clé.</translation>
    </message>
    <message>
        <source>Table password required.</source>
        <translation>Mot de passe de table requis.</translation>
    </message>
    <message>
        <source>Cannot open database.</source>
        <translation>Impossible d&apos;ouvrir la base de données.</translation>
    </message>
    <message>
        <source>Parameter index out of range.</source>
        <translation>Indice de paramètre hors limites.</translation>
    </message>
    <message>
        <source>Statement returns no result.</source>
        <translation>L&apos;instruction ne renvoie aucun résultat.</translation>
    </message>
    <message>
        <source>General SQL error.</source>
        <translation>Erreur SQL générale.</translation>
    </message>
    <message>
        <source>BDE error $%1</source>
        <translation>Erreur BDE $%1</translation>
    </message>
    <message>
        <source>An error occurred while attempting to initialize the database engine (error $%1)</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;initialisation du moteur de base de données (erreur $%1)</translation>
    </message>
    <message>
        <source>The server&apos;s copy of the list is not in PostgreSQL&apos;s COPY format.</source>
        <translation>La copie de la liste envoyée par le serveur n&apos;est pas au format COPY de PostgreSQL.</translation>
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
    <name>ErrorText</name>
    <message>
        <source>Exception %1 in module %2 at 00000000.
%3</source>
        <translation>Exception %1 dans le module %2 à 00000000.
%3</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source> (its file %1)</source>
        <translation> (son fichier %1)</translation>
    </message>
    <message>
        <source> itself</source>
        <translation> elle-même</translation>
    </message>
    <message>
        <source>The export file %1 is the student database%2: writing the list there would destroy it. Name another file</source>
        <translation>Le fichier d&apos;export %1 est la base de données des élèves%2 : y écrire la liste la détruirait. Indiquez un autre fichier</translation>
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
    <message>
        <source>the history of postings </source>
        <translation>l&apos;historique des ajouts </translation>
    </message>
    <message>
        <source>; the undo itself is done</source>
        <translation>; l&apos;annulation elle-même est faite</translation>
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
    <name>ListFile</name>
    <message>
        <source>%1 is not a comma-separated text file but a spreadsheet workbook: save it as CSV first, then import that file</source>
        <translation>%1 n&apos;est pas un fichier texte séparé par des virgules mais un classeur de tableur : enregistrez-le d&apos;abord en CSV, puis importez ce fichier</translation>
    </message>
    <message>
        <source>%1 is not a comma-separated text file of this kind: it holds UTF-16 text; save it as CSV in UTF-8 first</source>
        <translation>%1 n&apos;est pas un fichier texte séparé par des virgules de ce type : il contient du texte UTF-16 ; enregistrez-le d&apos;abord en CSV UTF-8</translation>
    </message>
    <message>
        <source>%1 is not a comma-separated text file: it holds a NUL byte at byte %2</source>
        <translation>%1 n&apos;est pas un fichier texte séparé par des virgules : il contient un octet NUL à l&apos;octet %2</translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation>l&apos;entrée standard ne peut pas être lue</translation>
    </message>
    <message>
        <source>standard input cannot be read: %1</source>
        <translation>l&apos;entrée standard ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>L&apos;entrée standard</translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <source>The password file %1 cannot be read</source>
        <translation>Le fichier de mot de passe %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>The password file %1 may be read by others: make it yours alone (chmod 600) first</source>
        <translation>Le fichier de mot de passe %1 peut être lu par d&apos;autres : rendez-le d&apos;abord lisible par vous seul (chmod 600)</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Mot de passe pour %1 : </translation>
    </message>
    <message>
        <source>Password for %1 on %2: </source>
        <translation>Mot de passe pour %1 sur %2 : </translation>
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
    <message>
        <source>The connection to the database was lost and did not come back within %1 seconds. %2 of the %3 rows were stored, the other %4 were not; Undo Last Posting takes the stored rows back.</source>
        <translation>La connexion à la base de données a été perdue et n&apos;est pas revenue dans les %1 secondes. %2 des %3 lignes ont été enregistrées, les %4 autres non ; « Annuler le dernier ajout » retire les lignes enregistrées.</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Cannot write %1%2: %3%4</source>
        <translation>Impossible d&apos;écrire %1%2 : %3%4</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>the receipt </source>
        <translation>le reçu </translation>
    </message>
    <message>
        <source> (nothing stored)</source>
        <translation> (rien enregistré)</translation>
    </message>
    <message>
        <source> (the students are stored; undo needs the receipt)</source>
        <translation> (les élèves sont enregistrés ; undo a besoin du reçu)</translation>
    </message>
</context>
<context>
    <name>Receipts</name>
    <message>
        <source>; this is not a receipt that cardovane-dbadmin import --receipt wrote</source>
        <translation>; ce n&apos;est pas un reçu écrit par cardovane-dbadmin import --receipt</translation>
    </message>
    <message>
        <source>; this is not a posting that the history of postings holds</source>
        <translation>; ce n&apos;est pas un ajout de l&apos;historique des ajouts</translation>
    </message>
    <message>
        <source>line %1: %2%3</source>
        <translation>ligne %1 : %2%3</translation>
    </message>
    <message>
        <source>the line is cut short</source>
        <translation>la ligne est tronquée</translation>
    </message>
    <message>
        <source>a field holds what no receipt holds</source>
        <translation>un champ contient ce que ne contient aucun reçu</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>la première ligne n&apos;est pas « %1 »</translation>
    </message>
    <message>
        <source>the line has %1 fields instead of 5</source>
        <translation>la ligne a %1 champs au lieu de 5</translation>
    </message>
    <message>
        <source>psidsequence &quot;%1&quot; is not a whole number</source>
        <translation>psidsequence « %1 » n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>the line is not &quot;%1,...&quot;</source>
        <translation>la ligne n&apos;est pas « %1,... »</translation>
    </message>
</context>
<context>
    <name>SetupCommands</name>
    <message>
        <source>StudentList is kept as it is, but its sequence numbers cannot be made unique while these are taken more than once (name key, number, records):</source>
        <translation>StudentList est gardée telle quelle, mais ses numéros d&apos;ordre ne peuvent pas être rendus uniques tant que ceux-ci sont pris plusieurs fois (clé du nom, numéro, enregistrements) :</translation>
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
        <translation>Donnez à chacun de ces élèves son propre numéro (ou supprimez un enregistrement répété), puis relancez create-table.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>StudentList is ready in the database of %1.</source>
        <translation>StudentList est prête dans la base de données de %1.</translation>
    </message>
    <message>
        <source>setup-postgres needs --server and --database, or --service</source>
        <translation>setup-postgres a besoin de --server et --database, ou de --service</translation>
    </message>
    <message>
        <source>alias %1 is not defined</source>
        <translation>l&apos;alias %1 n&apos;est pas défini</translation>
    </message>
</context>
<context>
    <name>StudentKey</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas une valeur entière valide</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Dépassement de capacité d&apos;entier</translation>
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
    <message>
        <source>no longer stored</source>
        <translation>n&apos;est plus enregistré</translation>
    </message>
    <message>
        <source>changed since</source>
        <translation>modifié depuis</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>The user name to log in as.</source>
        <translation>Le nom d&apos;utilisateur pour la connexion.</translation>
    </message>
    <message>
        <source>The password (other users of the computer can see a command line: let the command ask for it on the terminal instead).</source>
        <translation>Le mot de passe (les autres utilisateurs de l&apos;ordinateur peuvent voir une ligne de commande : laissez plutôt la commande le demander dans le terminal).</translation>
    </message>
    <message>
        <source>Reads the password from the first line of FILE, readable by you alone.</source>
        <translation>Lit le mot de passe sur la première ligne de FILE, lisible par vous seul.</translation>
    </message>
    <message>
        <source>The database server.</source>
        <translation>Le serveur de base de données.</translation>
    </message>
    <message>
        <source>The server&apos;s port.</source>
        <translation>Le port du serveur.</translation>
    </message>
    <message>
        <source>The database on the server.</source>
        <translation>La base de données sur le serveur.</translation>
    </message>
    <message>
        <source>Store nothing.</source>
        <translation>Ne rien enregistrer.</translation>
    </message>
    <message>
        <source>Write what was stored to FILE, for undo.</source>
        <translation>Écrire ce qui a été enregistré dans FILE, pour undo.</translation>
    </message>
    <message>
        <source>Refuse a list with a line that needs a look.</source>
        <translation>Refuser une liste qui a une ligne à vérifier.</translation>
    </message>
    <message>
        <source>Mend the lines the review grid&apos;s fixes mend.</source>
        <translation>Réparer les lignes que réparent les corrections de la grille de vérification.</translation>
    </message>
    <message>
        <source>Leave out the lines whose IDNum is stored.</source>
        <translation>Omettre les lignes dont l&apos;IDNum est enregistré.</translation>
    </message>
    <message>
        <source>The posting of that number in the history.</source>
        <translation>L&apos;ajout de ce numéro dans l&apos;historique.</translation>
    </message>
    <message>
        <source>Every alias&apos;s postings.</source>
        <translation>Les ajouts de tous les alias.</translation>
    </message>
    <message>
        <source>How long to wait for another job&apos;s write lock.</source>
        <translation>Combien de temps attendre le verrou d&apos;écriture d&apos;une autre tâche.</translation>
    </message>
    <message>
        <source>usage: %1 (see cardovane-dbadmin --help)</source>
        <translation>utilisation : %1 (voir cardovane-dbadmin --help)</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
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
        <translation>  --wait SECONDS (120 par défaut) est le temps pendant lequel une tâche attend le verrou
  d&apos;écriture d&apos;une autre sur une base SQLite avant d&apos;échouer. Pour un alias qui demande une
  connexion, le mot de passe est demandé dans le terminal et enregistré nulle part ;
  --password-file FILE le lit plutôt sur la première ligne de FILE (refusé si d&apos;autres peuvent
  lire FILE), et sans terminal, ou si rien n&apos;est saisi, libpq le trouve dans ~/.pgpass (ou le
  fichier que nomme PGPASSFILE). --password PW fonctionne aussi, mais les autres utilisateurs de
  l&apos;ordinateur peuvent voir une ligne de commande : préférez les autres. Quand le serveur est
  injoignable, la raison donnée par libpq est indiquée. -- termine les options, pour un FILE
  dont le nom commence par -.
  Codes de sortie : 0 fait, 1 échec (rien enregistré, aucun fichier modifié), 2 utilisation
  (rien fait).
</translation>
    </message>
    <message>
        <source>Creates the SQLite database file (by default %1) and the StudentList table where they are missing, then defines ALIAS on the file unless ALIAS is already defined. The file and its folder are readable by you alone, and so is the aliases file.</source>
        <translation>Crée le fichier de base de données SQLite (par défaut %1) et la table StudentList s&apos;ils manquent, puis définit ALIAS sur ce fichier si ALIAS n&apos;est pas déjà défini. Le fichier et son dossier sont lisibles par vous seul, de même que le fichier des alias.</translation>
    </message>
    <message>
        <source>Creates the StudentList table in a PostgreSQL database when it is missing, then defines ALIAS on it (replacing an earlier definition of any letter case); a setup that fails defines nothing. It needs --server and --database, or --service. With --user the program asks for a login; the password is used for creating the table now and is never stored. The ssl options are libpq&apos;s own settings of the same names, kept in the alias: --sslmode verify-full with --sslrootcert naming the district&apos;s certificate authority checks that the server is the district&apos;s, and refuses to talk in plain text. --service NAME takes the server&apos;s settings from the entry NAME of libpq&apos;s service file (~/.pg_service.conf, or the file PGSERVICEFILE names).
To point the student list tool at a school server:
  cardovane-dbadmin setup-postgres DVK --server db.school.lan --database cardovane \
      --user office --sslmode verify-full --sslrootcert /etc/ssl/district-ca.crt</source>
        <translation>Crée la table StudentList dans une base de données PostgreSQL si elle manque, puis définit ALIAS sur celle-ci (en remplaçant une définition antérieure, quelle que soit la casse) ; une installation qui échoue ne définit rien. Il faut --server et --database, ou --service. Avec --user, le programme demande une connexion ; le mot de passe sert seulement à créer la table maintenant et n&apos;est jamais enregistré. Les options ssl sont les paramètres de libpq du même nom, gardés dans l&apos;alias : --sslmode verify-full avec --sslrootcert, qui nomme l&apos;autorité de certification du rectorat, vérifie que le serveur est bien celui du rectorat et refuse les échanges en clair. --service NOM prend les paramètres du serveur dans l&apos;entrée NOM du fichier de services de libpq (~/.pg_service.conf, ou le fichier que nomme PGSERVICEFILE).
Pour diriger l&apos;outil de liste des élèves vers un serveur scolaire :
  cardovane-dbadmin setup-postgres DVK --server db.school.lan --database cardovane \
      --user office --sslmode verify-full --sslrootcert /etc/ssl/district-ca.crt</translation>
    </message>
    <message>
        <source>Creates the StudentList table in ALIAS&apos;s database when missing, and makes its sequence numbers unique within each name key where they are not yet (naming any number that is taken twice, which must be resolved first).</source>
        <translation>Crée la table StudentList dans la base de données d&apos;ALIAS si elle manque, et rend ses numéros d&apos;ordre uniques pour chaque clé de nom là où ils ne le sont pas encore (un numéro pris deux fois est nommé et doit d&apos;abord être résolu).</translation>
    </message>
    <message>
        <source>Makes statements on TABLE ask for PASSWORD (once a run).</source>
        <translation>Fait demander PASSWORD aux instructions sur TABLE (une fois par exécution).</translation>
    </message>
    <message>
        <source>Reads FILE (- is standard input) as &quot;Import List&quot; reads it and stores every row in StudentList with the name key and sequence number that &quot;Add List To Database&quot; would give it, in one transaction: all of it or, on any failure, none (the failing row is named). A file that is no comma-separated text (a spreadsheet workbook, UTF-16 text, anything with a NUL byte) is refused. --dry-run stores nothing and prints each row&apos;s line, key, sequence number and fields, tab-separated; on standard error, each line that needs a look (a heading, another separator, a missing or repeated IDNum, an IDNum already stored, ...) as FILE:LINE: what, in the window&apos;s words, then how many. --check tells those lines the same way and, if there is any, stores nothing (exit status 1). --fix first mends what the review grid&apos;s fixes mend, in the order the window offers them (the columns taken from a heading row, lines split at semicolons or tabs, quoted fields read, blanks trimmed, empty, heading and repeated lines left out), and tells what each did; a line no fix can be sure of stays as it is. With --dry-run it prints the rows as they would be stored, with --check it refuses only what no fix mends. --skip-stored leaves out the lines whose IDNum was stored before the job began, and says how many. --receipt FILE writes, once the import has committed, what it stored (a header line, then a record a line with all five columns), replacing FILE whole; the file is readable by you alone. undo takes it back.</source>
        <translation>Lit FILE (- est l&apos;entrée standard) comme « Importer » le lit et enregistre chaque ligne dans StudentList avec la clé de nom et le numéro d&apos;ordre que lui donnerait « Ajouter la liste à la base de données », en une transaction : tout ou, en cas d&apos;échec, rien (la ligne en échec est nommée). Un fichier qui n&apos;est pas du texte séparé par des virgules (un classeur de tableur, du texte UTF-16, tout ce qui contient un octet NUL) est refusé. --dry-run n&apos;enregistre rien et affiche pour chaque ligne son numéro, sa clé, son numéro d&apos;ordre et ses champs, séparés par des tabulations ; sur la sortie d&apos;erreur, chaque ligne à vérifier (un en-tête, un autre séparateur, un IDNum manquant ou répété, un IDNum déjà enregistré, ...) sous la forme FILE:LINE: quoi, dans les mots de la fenêtre, puis combien. --check signale ces lignes de la même façon et, s&apos;il y en a, n&apos;enregistre rien (code de sortie 1). --fix répare d&apos;abord ce que réparent les corrections de la grille de vérification, dans l&apos;ordre où la fenêtre les propose (les colonnes prises d&apos;une ligne d&apos;en-tête, les lignes coupées aux points-virgules ou aux tabulations, les champs entre guillemets lus, les blancs retirés, les lignes vides, d&apos;en-tête et répétées omises), et dit ce que chacune a fait ; une ligne dont aucune correction ne peut être sûre reste telle quelle. Avec --dry-run il affiche les lignes telles qu&apos;elles seraient enregistrées, avec --check il ne refuse que ce qu&apos;aucune correction ne répare. --skip-stored omet les lignes dont l&apos;IDNum était enregistré avant le début de la tâche, et dit combien. --receipt FILE écrit, une fois l&apos;import validé, ce qu&apos;il a enregistré (une ligne d&apos;en-tête, puis un enregistrement par ligne avec les cinq colonnes), en remplaçant FILE en entier ; le fichier est lisible par vous seul. undo l&apos;annule.</translation>
    </message>
    <message>
        <source>Removes exactly the records that the import which wrote RECEIPT stored, each matched on all five columns, in one transaction: all of them or, on any failure, none. A record changed or removed since is left, and told as RECEIPT:LINE with why. Records others stored are never touched. --posting N takes back the posting of that number in your history of postings instead (see postings), once. --dry-run removes nothing and tells what would be removed and left. A file that is no receipt is refused with its line.</source>
        <translation>Retire exactement les enregistrements qu&apos;a enregistrés l&apos;import qui a écrit RECEIPT, chacun reconnu sur ses cinq colonnes, en une transaction : tous ou, en cas d&apos;échec, aucun. Un enregistrement modifié ou retiré depuis est laissé, et signalé comme RECEIPT:LINE avec la raison. Les enregistrements des autres ne sont jamais touchés. --posting N annule plutôt l&apos;ajout de ce numéro dans votre historique des ajouts (voir postings), une fois. --dry-run ne retire rien et dit ce qui serait retiré et laissé. Un fichier qui n&apos;est pas un reçu est refusé avec sa ligne.</translation>
    </message>
    <message>
        <source>Lists your history of postings into ALIAS (--all: into every alias), oldest first, one line each, tab-separated: its number, when (UTC), the alias, how many students it stored, the list file, and when it was undone. Every posting of the window and every import of a job is kept there for 180 days, in %2, readable by you alone. An entry that cannot be read is told on standard error by its line, and the others are listed.</source>
        <translation>Liste votre historique des ajouts dans ALIAS (--all : dans tous les alias), du plus ancien au plus récent, une ligne chacun, séparée par des tabulations : son numéro, quand (UTC), l&apos;alias, combien d&apos;élèves il a enregistrés, le fichier de la liste, et quand il a été annulé. Chaque ajout de la fenêtre et chaque import d&apos;une tâche y est gardé 180 jours, dans %2, lisible par vous seul. Une entrée illisible est signalée sur la sortie d&apos;erreur par sa ligne, et les autres sont listées.</translation>
    </message>
    <message>
        <source>Writes the student list to FILE exactly as &quot;Export the Database to the CSV File&quot; does; FILE - is standard output. FILE is replaced only once the whole list is written: on any failure it is left as it was. The database file itself is refused as FILE.</source>
        <translation>Écrit la liste des élèves dans FILE exactement comme le fait « Exporter la base de données vers le fichier CSV » ; FILE - est la sortie standard. FILE n&apos;est remplacé qu&apos;une fois la liste entière écrite : en cas d&apos;échec, il reste tel qu&apos;il était. Le fichier de la base de données lui-même est refusé comme FILE.</translation>
    </message>
    <message>
        <source>Usage: cardovane-dbadmin COMMAND ...

Aliases live in %1.
</source>
        <translation>Utilisation : cardovane-dbadmin COMMANDE ...

Les alias sont dans %1.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Shows this text.</source>
        <translation>Affiche ce texte.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
</context>
</TS>
