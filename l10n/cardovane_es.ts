<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BatchCommands</name>
    <message numerus="yes">
        <source>Left out %n line(s) whose IDNum is stored.</source>
        <translation>
            <numerusform>Se omitió %n línea cuyo IDNum está guardado.</numerusform>
            <numerusform>Se omitieron %n líneas cuyo IDNum está guardado.</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing stored, as lines need a look (--check)</source>
        <translation>no se guardó nada, porque hay líneas que revisar (--check)</translation>
    </message>
    <message numerus="yes">
        <source>Stored %n row(s) in StudentList of %1.</source>
        <translation>
            <numerusform>Se guardó %n fila en StudentList de %1.</numerusform>
            <numerusform>Se guardaron %n filas en StudentList de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>posting %1 stored its students in %2, not %3: name that alias to take it back</source>
        <translation>la carga %1 guardó sus alumnos en %2, no en %3: indique ese alias para deshacerla</translation>
    </message>
    <message>
        <source>posting %1 was taken back already, at %2</source>
        <translation>la carga %1 ya se deshizo, el %2</translation>
    </message>
    <message>
        <source>Would remove %1 from %2.</source>
        <translation>Se quitarían de %2: %1.</translation>
    </message>
    <message>
        <source>Removed %1 from %2.</source>
        <translation>Quitados de %2: %1.</translation>
    </message>
    <message>
        <source>Would remove %1 from %2 and leave %3, changed or removed since.</source>
        <translation>Se quitarían de %2: %1; se dejarían: %3, cambiados o quitados desde entonces.</translation>
    </message>
    <message>
        <source>Removed %1 from %2 and left %3, changed or removed since.</source>
        <translation>Quitados de %2: %1; dejados: %3, cambiados o quitados desde entonces.</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n alumno</numerusform>
            <numerusform>%n alumnos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorDisplay</name>
    <message>
        <source>Application Error</source>
        <translation>Error del programa</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heading(s)</source>
        <translation>
            <numerusform>%n encabezado</numerusform>
            <numerusform>%n encabezados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other separator(s)</source>
        <translation>
            <numerusform>%n separador distinto</numerusform>
            <numerusform>%n separadores distintos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty line(s)</source>
        <translation>
            <numerusform>%n línea vacía</numerusform>
            <numerusform>%n líneas vacías</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fourth column(s)</source>
        <translation>
            <numerusform>%n cuarta columna</numerusform>
            <numerusform>%n cuartas columnas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n {field|fields} in quotes</source>
        <translation>
            <numerusform>%n campo entre comillas</numerusform>
            <numerusform>%n campos entre comillas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without IDNum</source>
        <translation>
            <numerusform>%n sin IDNum</numerusform>
            <numerusform>%n sin IDNum</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing name(s)</source>
        <translation>
            <numerusform>%n nombre que falta</numerusform>
            <numerusform>%n nombres que faltan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stray blanks</source>
        <translation>
            <numerusform>%n con espacios de más</numerusform>
            <numerusform>%n con espacios de más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n {digit in a name|digits in names}</source>
        <translation>
            <numerusform>%n dígito en un nombre</numerusform>
            <numerusform>%n dígitos en nombres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) without letters</source>
        <translation>
            <numerusform>%n nombre sin letras</numerusform>
            <numerusform>%n nombres sin letras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lost letter(s)</source>
        <translation>
            <numerusform>%n letra perdida</numerusform>
            <numerusform>%n letras perdidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeated IDNum(s)</source>
        <translation>
            <numerusform>%n IDNum repetido</numerusform>
            <numerusform>%n IDNum repetidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already stored</source>
        <translation>
            <numerusform>%n ya guardado</numerusform>
            <numerusform>%n ya guardados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stored for another name</source>
        <translation>
            <numerusform>%n guardado con otro nombre</numerusform>
            <numerusform>%n guardados con otro nombre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDNum %1 is also on line(s) %2</source>
        <translation>
            <numerusform>El IDNum %1 también está en la línea %2</numerusform>
            <numerusform>El IDNum %1 también está en las líneas %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>IDNum %1 is also on row(s) %2</source>
        <translation>
            <numerusform>El IDNum %1 también está en la fila %2</numerusform>
            <numerusform>El IDNum %1 también está en las filas %2</numerusform>
        </translation>
    </message>
    <message>
        <source>IDNum %1 is already stored, for %2</source>
        <translation>El IDNum %1 ya está guardado, para %2</translation>
    </message>
    <message>
        <source>IDNum %1 is already stored for another name: %2</source>
        <translation>El IDNum %1 ya está guardado con otro nombre: %2</translation>
    </message>
    <message>
        <source>No line needs a look</source>
        <translation>Ninguna línea necesita revisión</translation>
    </message>
    <message>
        <source>No row needs a look</source>
        <translation>Ninguna fila necesita revisión</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) {needs|need} a look: %1</source>
        <translation>
            <numerusform>%n línea necesita revisión: %1</numerusform>
            <numerusform>%n líneas necesitan revisión: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) {needs|need} a look: %1</source>
        <translation>
            <numerusform>%n fila necesita revisión: %1</numerusform>
            <numerusform>%n filas necesitan revisión: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Fila %1, %2: %3</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>an empty line: no student</source>
        <translation>una línea vacía: ningún alumno</translation>
    </message>
    <message>
        <source>the spreadsheet&apos;s line naming its separator (sep=%1), not a student</source>
        <translation>la línea de la hoja de cálculo que indica su separador (sep=%1), no un alumno</translation>
    </message>
    <message>
        <source>looks like column headings, not a student</source>
        <translation>parecen encabezados de columnas, no un alumno</translation>
    </message>
    <message>
        <source>saved with another separator: semicolons but no comma, so the whole line went into the Lastname</source>
        <translation>guardada con otro separador: puntos y coma pero ninguna coma, así que toda la línea fue a Lastname</translation>
    </message>
    <message>
        <source>saved with another separator: tabs but no comma, so the whole line went into the Lastname</source>
        <translation>guardada con otro separador: tabuladores pero ninguna coma, así que toda la línea fue a Lastname</translation>
    </message>
    <message>
        <source>a fourth column or a quoted comma: the Lastname holds a comma</source>
        <translation>una cuarta columna o una coma entre comillas: Lastname contiene una coma</translation>
    </message>
    <message>
        <source>the %1 is in double quotes, which would be stored as part of it</source>
        <translation>el campo %1 está entre comillas, que se guardarían con él</translation>
    </message>
    <message>
        <source>no IDNum</source>
        <translation>sin IDNum</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>sin %1</translation>
    </message>
    <message>
        <source>blanks at the start or end of the %1</source>
        <translation>espacios al principio o al final del campo %1</translation>
    </message>
    <message>
        <source>the %1 holds a digit</source>
        <translation>el campo %1 contiene un dígito</translation>
    </message>
    <message>
        <source>the %1 has no letter A to Z: the name key would be %2</source>
        <translation>el campo %1 no tiene ninguna letra de la A a la Z: la clave del nombre sería %2</translation>
    </message>
    <message>
        <source>the %1 has a ? where the spreadsheet could not save a letter: save the list as CSV UTF-8 and import it again</source>
        <translation>el campo %1 tiene un ? donde la hoja de cálculo no pudo guardar una letra: guarde la lista como «CSV UTF-8» e impórtela de nuevo</translation>
    </message>
</context>
<context>
    <name>Fixes</name>
    <message>
        <source>Take the Columns from the Heading</source>
        <translation>Tomar las columnas del encabezado</translation>
    </message>
    <message>
        <source>Split Rows at Semicolons</source>
        <translation>Dividir las filas en los puntos y coma</translation>
    </message>
    <message>
        <source>Split Rows at Tabs</source>
        <translation>Dividir las filas en los tabuladores</translation>
    </message>
    <message>
        <source>Read Quoted Fields</source>
        <translation>Leer los campos entre comillas</translation>
    </message>
    <message>
        <source>Trim Blanks</source>
        <translation>Quitar los espacios de más</translation>
    </message>
    <message>
        <source>Remove Empty Rows</source>
        <translation>Eliminar las filas vacías</translation>
    </message>
    <message>
        <source>Remove the Heading Row</source>
        <translation>Eliminar la fila de encabezado</translation>
    </message>
    <message>
        <source>Remove Repeated Rows</source>
        <translation>Eliminar las filas repetidas</translation>
    </message>
    <message>
        <source>Remove Rows Already Stored</source>
        <translation>Eliminar las filas ya guardadas</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Columns taken from the heading: %n row(s)</source>
        <translation>
            <numerusform>Columnas tomadas del encabezado: %n fila</numerusform>
            <numerusform>Columnas tomadas del encabezado: %n filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split %n row(s) at semicolons</source>
        <translation>
            <numerusform>%n fila dividida en los puntos y coma</numerusform>
            <numerusform>%n filas divididas en los puntos y coma</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split %n row(s) at tabs</source>
        <translation>
            <numerusform>%n fila dividida en los tabuladores</numerusform>
            <numerusform>%n filas divididas en los tabuladores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read the quoted fields of %n row(s)</source>
        <translation>
            <numerusform>Leídos los campos entre comillas de %n fila</numerusform>
            <numerusform>Leídos los campos entre comillas de %n filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Trimmed the blanks of %n row(s)</source>
        <translation>
            <numerusform>Quitados los espacios de más de %n fila</numerusform>
            <numerusform>Quitados los espacios de más de %n filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n empty row(s)</source>
        <translation>
            <numerusform>Eliminada %n fila vacía</numerusform>
            <numerusform>Eliminadas %n filas vacías</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n heading row(s)</source>
        <translation>
            <numerusform>Eliminada %n fila de encabezado</numerusform>
            <numerusform>Eliminadas %n filas de encabezado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n repeated row(s)</source>
        <translation>
            <numerusform>Eliminada %n fila repetida</numerusform>
            <numerusform>Eliminadas %n filas repetidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s) already stored</source>
        <translation>
            <numerusform>Eliminada %n fila ya guardada</numerusform>
            <numerusform>Eliminadas %n filas ya guardadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n row(s) left, {its IDNum is on a row|their IDNums are on rows} with other names</source>
        <translation>
            <numerusform>%1; %n fila sin cambiar, su IDNum está en una fila con otros nombres</numerusform>
            <numerusform>%1; %n filas sin cambiar, sus IDNum están en filas con otros nombres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n row(s) left, {its|their} fields could not be placed</source>
        <translation>
            <numerusform>%1; %n fila sin cambiar, sus campos no se pudieron colocar</numerusform>
            <numerusform>%1; %n filas sin cambiar, sus campos no se pudieron colocar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Cannot write the history of postings in %1: %2; the posting itself is stored</source>
        <translation>No se puede escribir el historial de cargas en %1: %2; la carga en sí está guardada</translation>
    </message>
    <message>
        <source>There is no posting %1 in the history of postings (%2): cardovane-dbadmin postings lists the postings there are</source>
        <translation>No hay ninguna carga %1 en el historial de cargas (%2): cardovane-dbadmin postings enumera las que hay</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>KeepDays=%1 in %2 is not a whole number of days from 1 to %3; correct it, or remove it to keep %4 days. No posting was removed from the history</source>
        <translation>KeepDays=%1 en %2 no es un número entero de días entre 1 y %3; corríjalo o quítelo para conservar %4 días. No se quitó ninguna carga del historial</translation>
    </message>
</context>
<context>
    <name>IOError</name>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Entrada numérica no válida</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de entrada/salida %1</translation>
    </message>
</context>
<context>
    <name>PostStudentList</name>
    <message>
        <source>Importing Records:</source>
        <translation>Cargando los registros:</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Carga terminada</translation>
    </message>
</context>
<context>
    <name>TLoginDialog</name>
    <message>
        <source>Database Login</source>
        <translation>Inicio de sesión en la base de datos</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>Base de datos:</translation>
    </message>
    <message>
        <source>&amp;User Name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>Enter password</source>
        <translation>Introducir la contraseña</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Re&amp;move all</source>
        <translation>Quitar &amp;todas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TPostingsDialog</name>
    <message>
        <source>Postings</source>
        <translation>Cargas</translation>
    </message>
    <message>
        <source>Postings into %1</source>
        <translation>Cargas en %1</translation>
    </message>
    <message>
        <source>Posted</source>
        <translation>Cargada el</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Still as stored</source>
        <translation>Aún sin cambios</translation>
    </message>
    <message>
        <source>&amp;Undo Posting</source>
        <translation>&amp;Deshacer la carga</translation>
    </message>
    <message>
        <source>undone %1</source>
        <translation>deshecha el %1</translation>
    </message>
    <message>
        <source>Remove the %1 stored by the posting of %2 from %3?</source>
        <translation>¿Quitar de %3 los %1 cargados el %2?</translation>
    </message>
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>Cell Edit</source>
        <translation>Edición de la celda</translation>
    </message>
    <message>
        <source>Remove Rows</source>
        <translation>Eliminar las filas</translation>
    </message>
</context>
<context>
    <name>TfMain</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Select CSV Output Directory and FileName</source>
        <translation>Elegir la carpeta y el nombre del archivo CSV</translation>
    </message>
    <message>
        <source>Export the Database to the CSV File</source>
        <translation>Exportar la base de datos al archivo CSV</translation>
    </message>
    <message>
        <source>Name the output file in the Cardovane directory as &quot;something.csv&quot;. 
You can then export all the data to that file.
Then you can import that file into a spreadsheet program to modify it if necessary. </source>
        <translation>Nombre el archivo de salida en la carpeta de Cardovane como «algo.csv». 
Después podrá exportar todos los datos a ese archivo.
Luego podrá abrir ese archivo en una hoja de cálculo para modificarlo si hace falta. </translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Archivo de exportación</translation>
    </message>
    <message>
        <source>How to name the export file</source>
        <translation>Cómo nombrar el archivo de exportación</translation>
    </message>
    <message>
        <source>ImportList</source>
        <translation>Importar lista</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>After importing your list, double check all the records in 
the table below.
Minor errors such as typos can be corrected here. 
If there were major errors, return to your original 
spreadsheet and correct  them, then  save  them to the 
CSV file again, then import it to this program again.  </source>
        <translation>Después de importar, revise todos los registros 
de la tabla de abajo.
Los errores menores se corrigen aquí. 
Si hay errores importantes, corrija la lista en 
su hoja de cálculo, guárdela de nuevo en CSV 
y vuelva a importarla.  </translation>
    </message>
    <message>
        <source>IMPORTANT! If the list is completely correct, you can post it to the database. </source>
        <translation>¡IMPORTANTE! Si la lista es totalmente correcta, puede cargarla en la base de datos. </translation>
    </message>
    <message>
        <source>Add List To Database</source>
        <translation>Cargar la lista en la base de datos</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>&amp;Undo Last Posting</source>
        <translation>&amp;Deshacer la última carga</translation>
    </message>
    <message>
        <source>&amp;Postings...</source>
        <translation>&amp;Cargas...</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>How to review the list</source>
        <translation>Cómo revisar la lista</translation>
    </message>
    <message>
        <source>Students to post</source>
        <translation>Alumnos por cargar</translation>
    </message>
    <message>
        <source>Before posting</source>
        <translation>Antes de cargar</translation>
    </message>
    <message>
        <source>Posting progress</source>
        <translation>Progreso de la carga</translation>
    </message>
    <message>
        <source>Student list in the database</source>
        <translation>Lista de alumnos en la base de datos</translation>
    </message>
    <message>
        <source>Next Row To Look At</source>
        <translation>Siguiente fila por revisar</translation>
    </message>
    <message>
        <source>Previous Row To Look At</source>
        <translation>Fila anterior por revisar</translation>
    </message>
    <message>
        <source>Fix This Mark</source>
        <translation>Corregir esta marca</translation>
    </message>
    <message>
        <source>Import Students List</source>
        <translation>Importar la lista de alumnos</translation>
    </message>
    <message>
        <source>Export Student List</source>
        <translation>Exportar la lista de alumnos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Remove the %1 stored by the last posting from %2?</source>
        <translation>¿Quitar de %2 los %1 de la última carga?</translation>
    </message>
    <message>
        <source>Data output to %1</source>
        <translation>Datos exportados a %1</translation>
    </message>
    <message>
        <source>The settings file kq.cfg could not be saved.
Close the program without saving the settings?</source>
        <translation>No se pudo guardar el archivo de configuración kq.cfg.
¿Cerrar el programa sin guardar la configuración?</translation>
    </message>
    <message>
        <source>Splash</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Cardovane School Administration</source>
        <translation>Cardovane Administración escolar</translation>
    </message>
    <message>
        <source>Cardovane Timetable: lesson plans for every class and room</source>
        <translation>Cardovane Horarios: el horario de cada clase y cada aula</translation>
    </message>
    <message>
        <source>Cardovane Grades: report cards in minutes, not evenings</source>
        <translation>Cardovane Notas: los boletines en minutos, no en tardes enteras</translation>
    </message>
    <message>
        <source>Cardovane Library: the lending desk for school libraries</source>
        <translation>Cardovane Biblioteca: el préstamo para bibliotecas escolares</translation>
    </message>
    <message>
        <source>Ctrl+. fixes a marked cell: this one has no mark</source>
        <translation>Ctrl+. corrige una celda marcada: esta no tiene marca</translation>
    </message>
    <message>
        <source>No fix mends this mark: correct the cell by hand</source>
        <translation>Ninguna corrección resuelve esta marca: corrija la celda a mano</translation>
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
        <translation>No se quitó ningún alumno</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n student(s)</source>
        <translation>
            <numerusform>Se quitó %n alumno</numerusform>
            <numerusform>Se quitaron %n alumnos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n left as they had changed or were removed since.</source>
        <translation>
            <numerusform>%1; %n sin tocar, porque cambió o se quitó desde entonces.</numerusform>
            <numerusform>%1; %n sin tocar, porque cambiaron o se quitaron desde entonces.</numerusform>
        </translation>
    </message>
</context>
</TS>
