<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>&amp;Nom d&apos;utilisateur :</translation>
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
        <translation>Importer la liste</translation>
    </message>
    <message>
        <source>After importing your list, double check all the records in 
the table below.
Minor errors such as typos can be corrected here. 
If there were major errors, return to your original 
spreadsheet and correct  them, then  save  them to the 
CSV file again, then import it to this program again.  </source>
        <translation>Après l&apos;import de votre liste, vérifiez bien toutes les fiches 
du tableau ci-dessous.
Les petites erreurs, comme les fautes de frappe, se corrigent ici. 
En cas d&apos;erreurs importantes, revenez à votre tableur 
d&apos;origine, corrigez-les, enregistrez de nouveau le 
fichier CSV, puis importez-le de nouveau ici.  </translation>
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
        <translation>Cardovane Emploi du temps : les plannings de chaque classe et de chaque salle</translation>
    </message>
    <message>
        <source>Cardovane Grades: report cards in minutes, not evenings</source>
        <translation>Cardovane Notes : les bulletins en quelques minutes, pas en soirées</translation>
    </message>
    <message>
        <source>Cardovane Library: the lending desk for school libraries</source>
        <translation>Cardovane Bibliothèque : le prêt pour les bibliothèques scolaires</translation>
    </message>
</context>
</TS>
