<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Importar lista</translation>
    </message>
    <message>
        <source>After importing your list, double check all the records in 
the table below.
Minor errors such as typos can be corrected here. 
If there were major errors, return to your original 
spreadsheet and correct  them, then  save  them to the 
CSV file again, then import it to this program again.  </source>
        <translation>Después de importar su lista, revise bien todos los registros 
de la tabla de abajo.
Los errores menores, como las erratas, pueden corregirse aquí. 
Si hubiera errores importantes, vuelva a su hoja de cálculo 
original, corríjalos, guarde de nuevo el archivo CSV 
y vuelva a importarlo en este programa.  </translation>
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
</context>
</TS>
