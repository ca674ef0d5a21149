<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Aliases</name>
    <message>
        <source>Alias %1: %2 &quot;%3&quot; %4</source>
        <translation>Alias %1: %2 «%3» %4</translation>
    </message>
    <message>
        <source>is missing: name the database server (or a Service)</source>
        <translation>falta: indique el servidor de base de datos (o un Service)</translation>
    </message>
    <message>
        <source>is missing: name the database on the server (or a Service)</source>
        <translation>falta: indique la base de datos del servidor (o un Service)</translation>
    </message>
    <message>
        <source>is empty: give a value or remove it</source>
        <translation>está vacío: indique un valor o quítelo</translation>
    </message>
    <message>
        <source>holds a semicolon, which cannot be passed to the server&apos;s driver: rename it without one</source>
        <translation>contiene un punto y coma, que no se puede pasar al controlador del servidor: cámbiele el nombre sin él</translation>
    </message>
    <message>
        <source>is relative: name the file by its whole path</source>
        <translation>es relativo: indique el archivo con su ruta completa</translation>
    </message>
    <message>
        <source>is not a file: name the file the district gave you</source>
        <translation>no es un archivo: indique el archivo que le dio el distrito</translation>
    </message>
    <message>
        <source>is not one of %1</source>
        <translation>no es uno de estos valores: %1</translation>
    </message>
    <message>
        <source>is not known: use SQLITE or POSTGRES</source>
        <translation>no se conoce: use SQLITE o POSTGRES</translation>
    </message>
    <message>
        <source>is missing: name the database file</source>
        <translation>falta: indique el archivo de la base de datos</translation>
    </message>
    <message>
        <source>is relative: name the database file by its whole path</source>
        <translation>es relativo: indique el archivo de la base de datos con su ruta completa</translation>
    </message>
    <message>
        <source>is not a port number from 1 to 65535</source>
        <translation>no es un número de puerto de 1 a 65535</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <source>Cannot write %1: no temporary folder</source>
        <translation>No se puede escribir %1: no hay carpeta temporal</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>No database alias is defined: the aliases file %1 does not exist. Create it with &quot;cardovane-dbadmin setup-sqlite DVK&quot; (or setup-postgres, for a server).</source>
        <translation>No hay ningún alias de base de datos: el archivo de alias %1 no existe. Créelo con «cardovane-dbadmin setup-sqlite DVK» (o setup-postgres, para un servidor).</translation>
    </message>
    <message>
        <source>The aliases file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de alias %1: %2.</translation>
    </message>
</context>
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
    <message>
        <source>%1 of %2 rows stored (%3 rows/s)</source>
        <translation>%1 de %2 filas guardadas (%3 filas/s)</translation>
    </message>
    <message>
        <source>--receipt has nothing to record in a --dry-run</source>
        <translation>--receipt no tiene nada que anotar con --dry-run</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>Exportación terminada: %1 a %2.</translation>
    </message>
    <message>
        <source>undo takes either a RECEIPT or --posting N, and one of them</source>
        <translation>undo admite un RECIBO (RECEIPT) o --posting N, y solo uno de ellos</translation>
    </message>
    <message>
        <source>postings takes either an ALIAS or --all, and one of them</source>
        <translation>postings admite un ALIAS o --all, y solo uno de ellos</translation>
    </message>
    <message>
        <source>left, %1</source>
        <translation>se deja, %1</translation>
    </message>
</context>
<context>
    <name>BatchImport</name>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>línea %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>libpq&apos;s %1 setting.</source>
        <translation>El ajuste %1 de libpq.</translation>
    </message>
    <message>
        <source>too few arguments</source>
        <translation>faltan argumentos</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>an argument is empty (an unset variable?)</source>
        <translation>un argumento está vacío (¿una variable sin definir?)</translation>
    </message>
    <message>
        <source>--%1 is empty</source>
        <translation>--%1 está vacío</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 admite un número entero de %2 a %3, no «%4»</translation>
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
    <name>EngineErrors</name>
    <message>
        <source>Cannot connect to database &apos;%1&apos;</source>
        <translation>No se puede conectar con la base de datos «%1»</translation>
    </message>
    <message>
        <source>Alias: %1</source>
        <translation>Alias: %1</translation>
    </message>
    <message>
        <source>Correct it in %1, or define the alias again with cardovane-dbadmin.</source>
        <translation>Corríjalo en %1 o vuelva a definir el alias con cardovane-dbadmin.</translation>
    </message>
    <message>
        <source>Database file not found: %1</source>
        <translation>No se encuentra el archivo de la base de datos: %1</translation>
    </message>
    <message>
        <source>Driver: QPSQL</source>
        <translation>Controlador: QPSQL</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted: it is not signed by the authority that SSLRootCert names.</source>
        <translation>El certificado del servidor no es de confianza: no lo firma la autoridad que indica SSLRootCert.</translation>
    </message>
    <message>
        <source>Not a SQLite connection</source>
        <translation>No es una conexión SQLite</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>No se encuentra el campo «%1»</translation>
    </message>
    <message>
        <source>Table: %1</source>
        <translation>Tabla: %1</translation>
    </message>
    <message>
        <source>Index: %1</source>
        <translation>Índice: %1</translation>
    </message>
    <message>
        <source>Unknown database.</source>
        <translation>Base de datos desconocida.</translation>
    </message>
    <message>
        <source>Cannot read the alias configuration.</source>
        <translation>No se puede leer la configuración de alias.</translation>
    </message>
    <message>
        <source>Database driver not available.</source>
        <translation>Controlador de base de datos no disponible.</translation>
    </message>
    <message>
        <source>Database engine not initialized.</source>
        <translation>Motor de base de datos no inicializado.</translation>
    </message>
    <message>
        <source>The alias cannot be used as it is defined.</source>
        <translation>El alias no se puede usar tal como está definido.</translation>
    </message>
    <message>
        <source>Key violation.</source>
        <translation>Infracción de clave.</translation>
    </message>
    <message>
        <source>Table password required.</source>
        <translation>Se necesita la contraseña de la tabla.</translation>
    </message>
    <message>
        <source>Cannot open database.</source>
        <translation>No se puede abrir la base de datos.</translation>
    </message>
    <message>
        <source>Parameter index out of range.</source>
        <translation>Índice de parámetro fuera de rango.</translation>
    </message>
    <message>
        <source>Statement returns no result.</source>
        <translation>La instrucción no devuelve ningún resultado.</translation>
    </message>
    <message>
        <source>General SQL error.</source>
        <translation>Error general de SQL.</translation>
    </message>
    <message>
        <source>BDE error $%1</source>
        <translation>Error de BDE $%1</translation>
    </message>
    <message>
        <source>An error occurred while attempting to initialize the database engine (error $%1)</source>
        <translation>Se produjo un error al intentar inicializar el motor de base de datos (error $%1)</translation>
    </message>
    <message>
        <source>The server&apos;s copy of the list is not in PostgreSQL&apos;s COPY format.</source>
        <translation>La copia de la lista del servidor no está en el formato COPY de PostgreSQL.</translation>
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
    <name>ErrorText</name>
    <message>
        <source>Exception %1 in module %2 at 00000000.
%3</source>
        <translation>Excepción %1 en el módulo %2 en 00000000.
%3</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source> (its file %1)</source>
        <translation> (su archivo %1)</translation>
    </message>
    <message>
        <source> itself</source>
        <translation> misma</translation>
    </message>
    <message>
        <source>The export file %1 is the student database%2: writing the list there would destroy it. Name another file</source>
        <translation>El archivo de exportación %1 es la base de datos de alumnos%2: escribir la lista en él la destruiría. Indique otro archivo</translation>
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
    <message>
        <source>the history of postings </source>
        <translation>el historial de cargas </translation>
    </message>
    <message>
        <source>; the undo itself is done</source>
        <translation>; la anulación en sí está hecha</translation>
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
    <name>ListFile</name>
    <message>
        <source>%1 is not a comma-separated text file but a spreadsheet workbook: save it as CSV first, then import that file</source>
        <translation>%1 no es un archivo de texto separado por comas sino un libro de hoja de cálculo: guárdelo primero como CSV y luego importe ese archivo</translation>
    </message>
    <message>
        <source>%1 is not a comma-separated text file of this kind: it holds UTF-16 text; save it as CSV in UTF-8 first</source>
        <translation>%1 no es un archivo de texto separado por comas de este tipo: contiene texto UTF-16; guárdelo primero como CSV en UTF-8</translation>
    </message>
    <message>
        <source>%1 is not a comma-separated text file: it holds a NUL byte at byte %2</source>
        <translation>%1 no es un archivo de texto separado por comas: contiene un byte NUL en el byte %2</translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation>no se puede leer la entrada estándar</translation>
    </message>
    <message>
        <source>standard input cannot be read: %1</source>
        <translation>no se puede leer la entrada estándar: %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>La entrada estándar</translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <source>The password file %1 cannot be read</source>
        <translation>No se puede leer el archivo de contraseña %1</translation>
    </message>
    <message>
        <source>The password file %1 may be read by others: make it yours alone (chmod 600) first</source>
        <translation>Otros pueden leer el archivo de contraseña %1: haga primero que solo usted pueda leerlo (chmod 600)</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Contraseña de %1: </translation>
    </message>
    <message>
        <source>Password for %1 on %2: </source>
        <translation>Contraseña de %1 en %2: </translation>
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
    <message>
        <source>The connection to the database was lost and did not come back within %1 seconds. %2 of the %3 rows were stored, the other %4 were not; Undo Last Posting takes the stored rows back.</source>
        <translation>Se perdió la conexión con la base de datos y no volvió en %1 segundos. Se guardaron %2 de las %3 filas; las otras %4, no. «Deshacer la última carga» retira las filas guardadas.</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot write %1%2: %3%4</source>
        <translation>No se puede escribir %1%2: %3%4</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>the receipt </source>
        <translation>el recibo </translation>
    </message>
    <message>
        <source> (nothing stored)</source>
        <translation> (no se guardó nada)</translation>
    </message>
    <message>
        <source> (the students are stored; undo needs the receipt)</source>
        <translation> (los alumnos están guardados; undo necesita el recibo)</translation>
    </message>
</context>
<context>
    <name>Receipts</name>
    <message>
        <source>; this is not a receipt that cardovane-dbadmin import --receipt wrote</source>
        <translation>; no es un recibo escrito por cardovane-dbadmin import --receipt</translation>
    </message>
    <message>
        <source>; this is not a posting that the history of postings holds</source>
        <translation>; no es una carga del historial de cargas</translation>
    </message>
    <message>
        <source>line %1: %2%3</source>
        <translation>línea %1: %2%3</translation>
    </message>
    <message>
        <source>the line is cut short</source>
        <translation>la línea está cortada</translation>
    </message>
    <message>
        <source>a field holds what no receipt holds</source>
        <translation>un campo contiene lo que ningún recibo contiene</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>la primera línea no es «%1»</translation>
    </message>
    <message>
        <source>the line has %1 fields instead of 5</source>
        <translation>la línea tiene %1 campos en lugar de 5</translation>
    </message>
    <message>
        <source>psidsequence &quot;%1&quot; is not a whole number</source>
        <translation>psidsequence «%1» no es un número entero</translation>
    </message>
    <message>
        <source>the line is not &quot;%1,...&quot;</source>
        <translation>la línea no es «%1,...»</translation>
    </message>
</context>
<context>
    <name>SetupCommands</name>
    <message>
        <source>StudentList is kept as it is, but its sequence numbers cannot be made unique while these are taken more than once (name key, number, records):</source>
        <translation>StudentList se queda como está, pero sus números de secuencia no pueden ser únicos mientras estos se usen más de una vez (clave del nombre, número, registros):</translation>
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
        <translation>Dé a cada uno de esos alumnos un número propio (o quite un registro repetido) y vuelva a ejecutar create-table.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>StudentList is ready in the database of %1.</source>
        <translation>StudentList está lista en la base de datos de %1.</translation>
    </message>
    <message>
        <source>setup-postgres needs --server and --database, or --service</source>
        <translation>setup-postgres necesita --server y --database, o --service</translation>
    </message>
    <message>
        <source>alias %1 is not defined</source>
        <translation>el alias %1 no está definido</translation>
    </message>
</context>
<context>
    <name>StudentKey</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un valor entero válido</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Desbordamiento de entero</translation>
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
        <translation>&amp;Vaciar</translation>
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
    <message>
        <source>no longer stored</source>
        <translation>ya no está guardado</translation>
    </message>
    <message>
        <source>changed since</source>
        <translation>cambiado desde entonces</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>The user name to log in as.</source>
        <translation>El nombre de usuario para iniciar sesión.</translation>
    </message>
    <message>
        <source>The password (other users of the computer can see a command line: let the command ask for it on the terminal instead).</source>
        <translation>La contraseña (otros usuarios del equipo pueden ver una línea de órdenes: mejor deje que la orden la pida en el terminal).</translation>
    </message>
    <message>
        <source>Reads the password from the first line of FILE, readable by you alone.</source>
        <translation>Lee la contraseña de la primera línea de FILE, que solo usted puede leer.</translation>
    </message>
    <message>
        <source>The database server.</source>
        <translation>El servidor de base de datos.</translation>
    </message>
    <message>
        <source>The server&apos;s port.</source>
        <translation>El puerto del servidor.</translation>
    </message>
    <message>
        <source>The database on the server.</source>
        <translation>La base de datos del servidor.</translation>
    </message>
    <message>
        <source>Store nothing.</source>
        <translation>No guardar nada.</translation>
    </message>
    <message>
        <source>Write what was stored to FILE, for undo.</source>
        <translation>Escribir lo guardado en FILE, para undo.</translation>
    </message>
    <message>
        <source>Refuse a list with a line that needs a look.</source>
        <translation>Rechazar una lista con una línea que necesita revisión.</translation>
    </message>
    <message>
        <source>Mend the lines the review grid&apos;s fixes mend.</source>
        <translation>Arreglar las líneas que arreglan las correcciones de la tabla de revisión.</translation>
    </message>
    <message>
        <source>Leave out the lines whose IDNum is stored.</source>
        <translation>Omitir las líneas cuyo IDNum está guardado.</translation>
    </message>
    <message>
        <source>The posting of that number in the history.</source>
        <translation>La carga con ese número en el historial.</translation>
    </message>
    <message>
        <source>Every alias&apos;s postings.</source>
        <translation>Las cargas de todos los alias.</translation>
    </message>
    <message>
        <source>How long to wait for another job&apos;s write lock.</source>
        <translation>Cuánto esperar al bloqueo de escritura de otra tarea.</translation>
    </message>
    <message>
        <source>usage: %1 (see cardovane-dbadmin --help)</source>
        <translation>uso: %1 (vea cardovane-dbadmin --help)</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>orden desconocida %1</translation>
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
        <translation>  --wait SECONDS (120 por omisión) es cuánto espera una tarea al bloqueo de escritura de otra en
  una base de datos SQLite antes de fallar. Para un alias que pide inicio de sesión, la
  contraseña se pide en el terminal y no se guarda en ninguna parte; --password-file FILE la lee
  en su lugar de la primera línea de FILE (se rechaza si otros pueden leer FILE), y sin
  terminal, o si no se escribe nada, libpq la busca en ~/.pgpass (o en el archivo que indica
  PGPASSFILE). --password PW también funciona, pero otros usuarios del equipo pueden ver una
  línea de órdenes: prefiera las otras. Cuando no se puede llegar al servidor, se indica el
  motivo que da libpq. -- termina las opciones, para un FILE cuyo nombre empieza por -.
  Códigos de salida: 0 hecho, 1 fallo (nada guardado, ningún archivo cambiado), 2 uso (nada
  hecho).
</translation>
    </message>
    <message>
        <source>Creates the SQLite database file (by default %1) and the StudentList table where they are missing, then defines ALIAS on the file unless ALIAS is already defined. The file and its folder are readable by you alone, and so is the aliases file.</source>
        <translation>Crea el archivo de base de datos SQLite (por omisión %1) y la tabla StudentList donde falten, y luego define ALIAS sobre el archivo si ALIAS no está ya definido. El archivo y su carpeta solo los puede leer usted, igual que el archivo de alias.</translation>
    </message>
    <message>
        <source>Creates the StudentList table in a PostgreSQL database when it is missing, then defines ALIAS on it (replacing an earlier definition of any letter case); a setup that fails defines nothing. It needs --server and --database, or --service. With --user the program asks for a login; the password is used for creating the table now and is never stored. The ssl options are libpq&apos;s own settings of the same names, kept in the alias: --sslmode verify-full with --sslrootcert naming the district&apos;s certificate authority checks that the server is the district&apos;s, and refuses to talk in plain text. --service NAME takes the server&apos;s settings from the entry NAME of libpq&apos;s service file (~/.pg_service.conf, or the file PGSERVICEFILE names).
To point the student list tool at a school server:
  cardovane-dbadmin setup-postgres DVK --server db.school.lan --database cardovane \
      --user office --sslmode verify-full --sslrootcert /etc/ssl/district-ca.crt</source>
        <translation>Crea la tabla StudentList en una base de datos PostgreSQL si falta y luego define ALIAS sobre ella (sustituye una definición anterior, sin importar mayúsculas y minúsculas); una instalación que falla no define nada. Necesita --server y --database, o --service. Con --user el programa pide un inicio de sesión; la contraseña solo se usa ahora para crear la tabla y nunca se guarda. Las opciones ssl son los ajustes de libpq del mismo nombre y se guardan en el alias: --sslmode verify-full con --sslrootcert, que indica la autoridad de certificación del distrito, comprueba que el servidor es el del distrito y se niega a hablar sin cifrar. --service NOMBRE toma los ajustes del servidor de la entrada NOMBRE del archivo de servicios de libpq (~/.pg_service.conf, o el archivo que indica PGSERVICEFILE).
Para dirigir la herramienta de listas de alumnos a un servidor escolar:
  cardovane-dbadmin setup-postgres DVK --server db.school.lan --database cardovane \
      --user office --sslmode verify-full --sslrootcert /etc/ssl/district-ca.crt</translation>
    </message>
    <message>
        <source>Creates the StudentList table in ALIAS&apos;s database when missing, and makes its sequence numbers unique within each name key where they are not yet (naming any number that is taken twice, which must be resolved first).</source>
        <translation>Crea la tabla StudentList en la base de datos de ALIAS si falta y hace únicos sus números de secuencia dentro de cada clave de nombre donde aún no lo son (nombra cualquier número usado dos veces, que hay que resolver primero).</translation>
    </message>
    <message>
        <source>Makes statements on TABLE ask for PASSWORD (once a run).</source>
        <translation>Hace que las instrucciones sobre TABLE pidan PASSWORD (una vez por ejecución).</translation>
    </message>
    <message>
        <source>Reads FILE (- is standard input) as &quot;Import List&quot; reads it and stores every row in StudentList with the name key and sequence number that &quot;Add List To Database&quot; would give it, in one transaction: all of it or, on any failure, none (the failing row is named). A file that is no comma-separated text (a spreadsheet workbook, UTF-16 text, anything with a NUL byte) is refused. --dry-run stores nothing and prints each row&apos;s line, key, sequence number and fields, tab-separated; on standard error, each line that needs a look (a heading, another separator, a missing or repeated IDNum, an IDNum already stored, ...) as FILE:LINE: what, in the window&apos;s words, then how many. --check tells those lines the same way and, if there is any, stores nothing (exit status 1). --fix first mends what the review grid&apos;s fixes mend, in the order the window offers them (the columns taken from a heading row, lines split at semicolons or tabs, quoted fields read, blanks trimmed, empty, heading and repeated lines left out), and tells what each did; a line no fix can be sure of stays as it is. With --dry-run it prints the rows as they would be stored, with --check it refuses only what no fix mends. --skip-stored leaves out the lines whose IDNum was stored before the job began, and says how many. --receipt FILE writes, once the import has committed, what it stored (a header line, then a record a line with all five columns), replacing FILE whole; the file is readable by you alone. undo takes it back.</source>
        <translation>Lee FILE (- es la entrada estándar) como lo lee «Importar» y guarda cada fila en StudentList con la clave de nombre y el número de secuencia que le daría «Cargar la lista en la base de datos», en una transacción: todo o, ante cualquier fallo, nada (se nombra la fila que falla). Se rechaza un archivo que no sea texto separado por comas (un libro de hoja de cálculo, texto UTF-16, cualquier cosa con un byte NUL). --dry-run no guarda nada y muestra de cada fila su línea, clave, número de secuencia y campos, separados por tabuladores; en la salida de errores, cada línea que necesita revisión (un encabezado, otro separador, un IDNum que falta o se repite, un IDNum ya guardado, ...) como FILE:LINE: qué, con las palabras de la ventana, y luego cuántas. --check indica esas líneas igual y, si hay alguna, no guarda nada (estado de salida 1). --fix primero arregla lo que arreglan las correcciones de la tabla de revisión, en el orden en que las ofrece la ventana (las columnas tomadas de una fila de encabezado, las líneas divididas en puntos y coma o tabuladores, los campos entre comillas leídos, los espacios quitados, las líneas vacías, de encabezado y repetidas omitidas), y dice qué hizo cada una; una línea de la que ninguna corrección puede estar segura se queda como está. Con --dry-run muestra las filas tal como se guardarían; con --check solo rechaza lo que ninguna corrección arregla. --skip-stored omite las líneas cuyo IDNum ya estaba guardado antes de empezar la tarea, y dice cuántas. --receipt FILE escribe, una vez confirmada la importación, lo que guardó (una línea de cabecera y luego un registro por línea con las cinco columnas), sustituyendo FILE entero; solo usted puede leer el archivo. undo lo deshace.</translation>
    </message>
    <message>
        <source>Removes exactly the records that the import which wrote RECEIPT stored, each matched on all five columns, in one transaction: all of them or, on any failure, none. A record changed or removed since is left, and told as RECEIPT:LINE with why. Records others stored are never touched. --posting N takes back the posting of that number in your history of postings instead (see postings), once. --dry-run removes nothing and tells what would be removed and left. A file that is no receipt is refused with its line.</source>
        <translation>Quita exactamente los registros que guardó la importación que escribió RECEIPT, cada uno reconocido por sus cinco columnas, en una transacción: todos o, ante cualquier fallo, ninguno. Un registro cambiado o quitado desde entonces se deja y se indica como RECEIPT:LINE con el motivo. Nunca se tocan los registros que guardaron otros. --posting N deshace en su lugar la carga con ese número de su historial de cargas (vea postings), una sola vez. --dry-run no quita nada y dice qué se quitaría y qué se dejaría. Un archivo que no es un recibo se rechaza con su línea.</translation>
    </message>
    <message>
        <source>Lists your history of postings into ALIAS (--all: into every alias), oldest first, one line each, tab-separated: its number, when (UTC), the alias, how many students it stored, the list file, and when it was undone. Every posting of the window and every import of a job is kept there for 180 days, in %2, readable by you alone. An entry that cannot be read is told on standard error by its line, and the others are listed.</source>
        <translation>Lista su historial de cargas en ALIAS (--all: en todos los alias), de la más antigua a la más reciente, una línea cada una, separada por tabuladores: su número, cuándo (UTC), el alias, cuántos alumnos guardó, el archivo de la lista y cuándo se deshizo. Cada carga de la ventana y cada importación de una tarea se guarda allí 180 días, en %2, y solo usted puede leerla. Una entrada que no se puede leer se indica en la salida de errores con su línea, y se listan las demás.</translation>
    </message>
    <message>
        <source>Writes the student list to FILE exactly as &quot;Export the Database to the CSV File&quot; does; FILE - is standard output. FILE is replaced only once the whole list is written: on any failure it is left as it was. The database file itself is refused as FILE.</source>
        <translation>Escribe la lista de alumnos en FILE exactamente como lo hace «Exportar la base de datos al archivo CSV»; FILE - es la salida estándar. FILE solo se sustituye cuando la lista entera está escrita: ante cualquier fallo se queda como estaba. Se rechaza como FILE el propio archivo de la base de datos.</translation>
    </message>
    <message>
        <source>Usage: cardovane-dbadmin COMMAND ...

Aliases live in %1.
</source>
        <translation>Uso: cardovane-dbadmin ORDEN ...

Los alias están en %1.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Shows this text.</source>
        <translation>Muestra este texto.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
</context>
</TS>
