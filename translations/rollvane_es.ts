<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Admin</name>
    <message>
        <source>copied %1 of %2 rows (%3%)</source>
        <translation>copiadas %1 de %2 filas (%3 %)</translation>
    </message>
    <message>
        <source>%1: %2 rows, checksum %3 in the source; %4 rows, checksum %5 in the copy: %6</source>
        <translation>%1: %2 filas, suma de control %3 en el origen; %4 filas, suma de control %5 en la copia: %6</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>coinciden</translation>
    </message>
    <message>
        <source>DIFFERENT</source>
        <translation>NO COINCIDEN</translation>
    </message>
    <message>
        <source>The copy of %1 in %2 does not agree with its source; do not use it. The source was not changed.</source>
        <translation>La copia de %1 en %2 no coincide con su origen; no la use. El origen no se ha modificado.</translation>
    </message>
    <message>
        <source>%1 was copied into %2: %3 rows, every table the same on both sides.</source>
        <translation>Se ha copiado %1 en %2: %3 filas; todas las tablas coinciden en ambos lados.</translation>
    </message>
    <message>
        <source>The settings file names no database on the server ([register] database=...).</source>
        <translation>El archivo de configuración no indica ninguna base de datos en el servidor ([register] database=...).</translation>
    </message>
    <message>
        <source>the database %1 on the server %2</source>
        <translation>la base de datos %1 en el servidor %2</translation>
    </message>
    <message>
        <source>%1 is one of the register&apos;s own files (the register, its journal or lock, the template or a backup); choose another file.</source>
        <translation>%1 es uno de los archivos propios del registro (el registro, su diario o su bloqueo, la plantilla o una copia de seguridad); elija otro archivo.</translation>
    </message>
    <message>
        <source>%1 photos, %2 of them to convert: about %3 MB now, about %4 MB after.</source>
        <translation>%1 fotos, %2 por convertir: unos %3 MB ahora, unos %4 MB después.</translation>
    </message>
    <message>
        <source>looked at %1 of %2 photos (%3%)</source>
        <translation>revisadas %1 de %2 fotos (%3 %)</translation>
    </message>
    <message>
        <source>A backup was taken first: %1</source>
        <translation>Primero se hizo una copia de seguridad: %1</translation>
    </message>
    <message>
        <source>%1 photos converted or given a card picture.</source>
        <translation>%1 fotos convertidas o con imagen de tarjeta añadida.</translation>
    </message>
    <message>
        <source>%1 photos could not be read and were left as they are; Check Register in the program shows which cards have no photo.</source>
        <translation>%1 fotos no se pudieron leer y se dejaron como estaban; Comprobar registro, en el programa, muestra qué tarjetas no tienen foto.</translation>
    </message>
    <message>
        <source>The space the old photos took could not be given back now (%1); it is reused as the register grows, or run the command again when no one has the register open.</source>
        <translation>El espacio de las fotos antiguas no se pudo liberar ahora (%1); se reutiliza a medida que crece el registro, o vuelva a ejecutar la orden cuando nadie tenga el registro abierto.</translation>
    </message>
    <message>
        <source>The register took %1 MB and now takes %2 MB.</source>
        <translation>El registro ocupaba %1 MB y ahora ocupa %2 MB.</translation>
    </message>
    <message>
        <source>%1 entries read from %2: %3 added, %4 already in the calendar.</source>
        <translation>%1 entradas leídas de %2: %3 añadidas, %4 ya estaban en el calendario.</translation>
    </message>
    <message>
        <source>“%1” is not a date; write it as YYYY-MM-DD.</source>
        <translation>«%1» no es una fecha; escríbala como AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>The range ends before it begins.</source>
        <translation>El intervalo termina antes de empezar.</translation>
    </message>
    <message>
        <source>%1 school days from %2 to %3%4.</source>
        <translation>%1 días lectivos del %2 al %3%4.</translation>
    </message>
    <message>
        <source> (no calendar: every weekday)</source>
        <translation> (sin calendario: cada día laborable)</translation>
    </message>
    <message>
        <source>There is no student with the number %1.</source>
        <translation>No hay ningún alumno con el número %1.</translation>
    </message>
    <message>
        <source>%1 leaves the register from %2.</source>
        <translation>%1 sale del registro a partir del %2.</translation>
    </message>
    <message>
        <source>There is no class named %1.</source>
        <translation>No hay ninguna clase llamada %1.</translation>
    </message>
    <message>
        <source>%1 is in %2 from %3.</source>
        <translation>%1 está en %2 a partir del %3.</translation>
    </message>
    <message>
        <source>usage: rollvane-admin copy-register --to postgresql [--from FILE]
       rollvane-admin copy-register --to sqlite FILE
       rollvane-admin compact-photos
       rollvane-admin calendar import FILE
       rollvane-admin calendar list [--from YYYY-MM-DD] [--to YYYY-MM-DD]
       rollvane-admin move-student ID CLASS --on YYYY-MM-DD
       rollvane-admin leave-student ID --on YYYY-MM-DD
       rollvane-admin new-school-year --on YYYY-MM-DD [--apply]</source>
        <translation>uso: rollvane-admin copy-register --to postgresql [--from ARCHIVO]
       rollvane-admin copy-register --to sqlite ARCHIVO
       rollvane-admin compact-photos
       rollvane-admin calendar import ARCHIVO
       rollvane-admin calendar list [--from AAAA-MM-DD] [--to AAAA-MM-DD]
       rollvane-admin move-student NÚMERO CLASE --on AAAA-MM-DD
       rollvane-admin leave-student NÚMERO --on AAAA-MM-DD
       rollvane-admin new-school-year --on AAAA-MM-DD [--apply]</translation>
    </message>
    <message>
        <source>stays</source>
        <translation>se queda</translation>
    </message>
    <message>
        <source>leaves</source>
        <translation>se va</translation>
    </message>
    <message>
        <source> (new)</source>
        <translation> (nueva)</translation>
    </message>
    <message>
        <source>Nothing was changed; add --apply to do it.</source>
        <translation>No se ha cambiado nada; añada --apply para hacerlo.</translation>
    </message>
    <message>
        <source>%1 students went up a year and %2 left the school; %3 classes were added.</source>
        <translation>%1 alumnos han pasado de curso y %2 han dejado el centro; se han añadido %3 clases.</translation>
    </message>
</context>
<context>
    <name>AttendanceCodesWindow</name>
    <message>
        <source>%1; double-click to change it</source>
        <translation>%1; haga doble clic para cambiarlo</translation>
    </message>
    <message>
        <source>Attendance Codes</source>
        <translation>Códigos de asistencia</translation>
    </message>
    <message>
        <source>What each mark means for the figures. Present, Late, Absent and Excused keep their meaning; a word without a category counts as Other, a possible session neither attended nor missed. Double-click a colour to change it.</source>
        <translation>Lo que significa cada marca para las cifras. Presente, Tarde, Ausente y Justificado conservan su significado; una palabra sin categoría cuenta como Otro, una sesión posible ni asistida ni perdida. Haga doble clic en un color para cambiarlo.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Word Stored</source>
        <translation>Palabra guardada</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>&amp;Add Code</source>
        <translation>&amp;Añadir código</translation>
    </message>
    <message>
        <source>&amp;Remove Code</source>
        <translation>&amp;Quitar código</translation>
    </message>
    <message>
        <source>Add &amp;England&apos;s Codes</source>
        <translation>Añadir los códigos de &amp;Inglaterra</translation>
    </message>
    <message>
        <source>&amp;Find Words in the Register</source>
        <translation>&amp;Buscar palabras en el registro</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>One of the four words: its meaning is fixed</source>
        <translation>Una de las cuatro palabras: su significado es fijo</translation>
    </message>
    <message>
        <source>Every word in the register has a meaning already.</source>
        <translation>Todas las palabras del registro ya tienen un significado.</translation>
    </message>
    <message numerus="yes">
        <source>%n words found that have no category yet; give each one and save.</source>
        <translation>
            <numerusform>%n palabra encontrada sin categoría; asígnele una y guarde.</numerusform>
            <numerusform>%n palabras encontradas sin categoría; asigne una a cada una y guarde.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1 has no word to store.</source>
        <translation>La fila %1 no tiene palabra que guardar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code.</source>
        <translation>«%1» no tiene código.</translation>
    </message>
    <message>
        <source>The code of &quot;%1&quot; is longer than three characters.</source>
        <translation>El código de «%1» tiene más de tres caracteres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than 60 characters.</source>
        <translation>«%1» tiene más de 60 caracteres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice (letter case does not make two words).</source>
        <translation>«%1» aparece dos veces (las mayúsculas no hacen dos palabras).</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; is given to two words.</source>
        <translation>El código «%1» está asignado a dos palabras.</translation>
    </message>
    <message>
        <source>The key of &quot;%1&quot; must be a single character that is not a space.</source>
        <translation>La tecla de «%1» debe ser un solo carácter que no sea un espacio.</translation>
    </message>
    <message>
        <source>The key &quot;%1&quot; is given to two codes.</source>
        <translation>La tecla «%1» está asignada a dos códigos.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>No se ha guardado nada.</translation>
    </message>
</context>
<context>
    <name>AttendanceReportWindow</name>
    <message>
        <source>Attendance Report</source>
        <translation>Informe de asistencia</translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation>&amp;Clase:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Printed at the top of every page, the same for every user</source>
        <translation>Se imprime en la parte superior de cada página; es el mismo para todos los usuarios</translation>
    </message>
    <message>
        <source>&amp;School name:</source>
        <translation>&amp;Nombre del centro:</translation>
    </message>
    <message>
        <source>On da&amp;y:</source>
        <translation>&amp;Un solo día:</translation>
    </message>
    <message>
        <source>or absent for at &amp;least</source>
        <translation>o ausente al &amp;menos</translation>
    </message>
    <message>
        <source>marked days running, up to the last one</source>
        <translation>días marcados seguidos, hasta el último</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>Imp&amp;rimir…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exportar PD&amp;F…</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>E&amp;xportar CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>All Classes</source>
        <translation>Todas las clases</translation>
    </message>
    <message>
        <source>From is after To: choose a first day on or before the last day.</source>
        <translation>«Desde» es posterior a «Hasta»: elija un primer día anterior o igual al último.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n alumno</numerusform>
            <numerusform>%n alumnos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked day(s)</source>
        <translation>
            <numerusform>%n día marcado</numerusform>
            <numerusform>%n días marcados</numerusform>
        </translation>
    </message>
    <message>
        <source>Every class with students has taken its register.</source>
        <translation>Todas las clases con alumnos han pasado lista.</translation>
    </message>
    <message numerus="yes">
        <source>%n register(s) not taken</source>
        <translation>
            <numerusform>%n lista sin pasar</numerusform>
            <numerusform>%n listas sin pasar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) to look at</source>
        <translation>
            <numerusform>%n alumno para revisar</numerusform>
            <numerusform>%n alumnos para revisar</numerusform>
        </translation>
    </message>
    <message>
        <source>This register keeps no history of changes.</source>
        <translation>Este registro no guarda ningún historial de cambios.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s)</source>
        <translation>
            <numerusform>%n cambio</numerusform>
            <numerusform>%n cambios</numerusform>
        </translation>
    </message>
    <message>
        <source>The school&apos;s name could not be kept in the register: %1</source>
        <translation>No se ha podido guardar el nombre del centro en el registro: %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|</source>
        <translation>Archivos CSV (*.csv)|*.csv|</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf|</source>
        <translation>Archivos PDF (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Writing the pages…</source>
        <translation>Escribiendo las páginas…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Imprimiendo…</translation>
    </message>
    <message>
        <source>The printer did not take the pages. Nothing was printed.</source>
        <translation>La impresora no ha aceptado las páginas. No se ha impreso nada.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>No se ha impreso nada.</translation>
    </message>
    <message>
        <source>Sent to the printer.</source>
        <translation>Enviado a la impresora.</translation>
    </message>
    <message>
        <source>Every &amp;school day from From to To (by the school calendar; without one, days on which no class took a register count as no school)</source>
        <translation>Cada día &amp;lectivo de Desde a Hasta (según el calendario escolar; sin él, los días en que ninguna clase pasó lista cuentan como sin clase)</translation>
    </message>
    <message>
        <source>Attendance at or &amp;below:</source>
        <translation>Asistencia igual o &amp;inferior a:</translation>
    </message>
    <message>
        <source>Previe&amp;w…</source>
        <translation>&amp;Vista previa…</translation>
    </message>
    <message>
        <source>no</source>
        <translation>ningún</translation>
    </message>
    <message>
        <source>Own Rule</source>
        <translation>Regla propia</translation>
    </message>
    <message>
        <source>Persistent Absence (10 % or more missed)</source>
        <translation>Absentismo persistente (10 % o más perdido)</translation>
    </message>
    <message>
        <source>Severe Absence (half or more missed)</source>
        <translation>Absentismo grave (la mitad o más perdida)</translation>
    </message>
    <message numerus="yes">
        <source>%n marked session(s)</source>
        <translation>
            <numerusform>%n sesión registrada</numerusform>
            <numerusform>%n sesiones registradas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The disk holding %1 is full, so the copy could not be written.</source>
        <translation>El disco en el que se guarda %1 está lleno, así que no se ha podido escribir la copia.</translation>
    </message>
    <message>
        <source>The copy %1 could not be written: its folder is read-only or not there.</source>
        <translation>No se ha podido escribir la copia %1: su carpeta es de solo lectura o no existe.</translation>
    </message>
    <message>
        <source>The register stayed in use by another user for too long, so no copy was made. Please try again in a moment.</source>
        <translation>Otro usuario ha estado usando el registro demasiado tiempo, así que no se ha hecho ninguna copia. Vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>The register&apos;s file is damaged, so no copy was made (%1). Use Check Register to find out more.</source>
        <translation>El archivo del registro está dañado, así que no se ha hecho ninguna copia (%1). Use «Comprobar registro» para saber más.</translation>
    </message>
    <message>
        <source>The copy %1 could not be written: %2</source>
        <translation>No se ha podido escribir la copia %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk: %2</source>
        <translation>No se ha podido escribir %1 en el disco: %2</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is.</source>
        <translation>%1 ya existe; se ha dejado tal como está.</translation>
    </message>
    <message>
        <source>The copy was stopped; nothing was kept of it.</source>
        <translation>Se ha detenido la copia; no se ha conservado nada de ella.</translation>
    </message>
    <message>
        <source>The check was stopped before it finished.</source>
        <translation>Se ha detenido la comprobación antes de que terminara.</translation>
    </message>
    <message>
        <source>The register %1 was not found, so it was not replaced.</source>
        <translation>No se ha encontrado el registro %1, así que no se ha sustituido.</translation>
    </message>
    <message>
        <source>The backup %1 could not be read: %2</source>
        <translation>No se ha podido leer la copia de seguridad %1: %2</translation>
    </message>
    <message>
        <source>The register&apos;s folder cannot be written, so the register was not replaced: %1</source>
        <translation>No se puede escribir en la carpeta del registro, así que el registro no se ha sustituido: %1</translation>
    </message>
    <message>
        <source>The register&apos;s copy could not be written, so the register was not replaced: %1</source>
        <translation>No se ha podido escribir la copia del registro, así que el registro no se ha sustituido: %1</translation>
    </message>
    <message>
        <source>The restore was stopped; the register was left as it is.</source>
        <translation>Se ha detenido la restauración; el registro se ha dejado tal como está.</translation>
    </message>
    <message>
        <source>Another user is saving to the register just now, so it was not replaced. Please try again in a moment.</source>
        <translation>Otro usuario está guardando en el registro en este momento, así que no se ha sustituido. Vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>The register could not be replaced: %1</source>
        <translation>No se ha podido sustituir el registro: %1</translation>
    </message>
    <message>
        <source>The export does not match the register; no file was written.</source>
        <translation>La exportación no coincide con el registro; no se ha escrito ningún archivo.</translation>
    </message>
    <message>
        <source>The export could not be saved as %1: %2</source>
        <translation>No se ha podido guardar la exportación como %1: %2</translation>
    </message>
    <message>
        <source>The export was stopped; no file was written.</source>
        <translation>Se ha detenido la exportación; no se ha escrito ningún archivo.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>The backups cannot be written: %1 is a file, not a folder.</source>
        <translation>No se pueden escribir las copias de seguridad: %1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 for the backups could not be created.</source>
        <translation>No se ha podido crear la carpeta %1 para las copias de seguridad.</translation>
    </message>
    <message>
        <source>The backup could not be given its name %1: %2</source>
        <translation>No se ha podido dar a la copia de seguridad su nombre %1: %2</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>diaria</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>mensual</translation>
    </message>
    <message>
        <source>taken by hand</source>
        <translation>hecha a mano</translation>
    </message>
    <message>
        <source>before a restore</source>
        <translation>antes de una restauración</translation>
    </message>
    <message>
        <source>before a change to many rows</source>
        <translation>antes de un cambio en muchas filas</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm:ss</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy, HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>CalendarImport</name>
    <message>
        <source>The event “%1” has no start day and was left out.</source>
        <translation>El evento «%1» no tiene día de inicio y se ha omitido.</translation>
    </message>
    <message numerus="yes">
        <source>“%1” names a term but holds only %n day(s); it was left out.</source>
        <translation>
            <numerusform>«%1» nombra un trimestre pero solo abarca %n día; se ha omitido.</numerusform>
            <numerusform>«%1» nombra un trimestre pero solo abarca %n días; se ha omitido.</numerusform>
        </translation>
    </message>
    <message>
        <source>The repeat rule of “%1” could not be read; only its first day was taken.</source>
        <translation>No se pudo leer la regla de repetición de «%1»; solo se tomó su primer día.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file that can be read.</source>
        <translation>El archivo no es un archivo iCalendar legible.</translation>
    </message>
    <message>
        <source>The file holds no events.</source>
        <translation>El archivo no contiene eventos.</translation>
    </message>
    <message>
        <source>Line %1 could not be read: %2.</source>
        <translation>No se pudo leer la línea %1: %2.</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a date.</source>
        <translation>Línea %1: «%2» no es una fecha.</translation>
    </message>
    <message>
        <source>Line %1: the range ends before it begins.</source>
        <translation>Línea %1: el intervalo termina antes de empezar.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: “%2” names a term but holds only %n day(s); it was left out.</source>
        <translation>
            <numerusform>Línea %1: «%2» nombra un trimestre pero solo abarca %n día; se ha omitido.</numerusform>
            <numerusform>Línea %1: «%2» nombra un trimestre pero solo abarca %n días; se ha omitido.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds no dates.</source>
        <translation>El archivo no contiene fechas.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
</context>
<context>
    <name>CardArea</name>
    <message>
        <source>The scroll bar of the card area was not created.</source>
        <translation>No se ha creado la barra de desplazamiento de la zona de fichas.</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>Present</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>Late (counts as present)</source>
        <translation>Tarde (cuenta como presente)</translation>
    </message>
    <message>
        <source>Approved educational activity</source>
        <translation>Actividad educativa autorizada</translation>
    </message>
    <message>
        <source>Authorised absence</source>
        <translation>Ausencia justificada</translation>
    </message>
    <message>
        <source>Unauthorised absence</source>
        <translation>Ausencia injustificada</translation>
    </message>
    <message>
        <source>Not counted (no possible session)</source>
        <translation>No contado (ninguna sesión posible)</translation>
    </message>
    <message>
        <source>Not given (counted as Other)</source>
        <translation>Sin asignar (cuenta como Otro)</translation>
    </message>
</context>
<context>
    <name>CopyRegister</name>
    <message>
        <source>The rows of %1 could not be written to the copy: %2</source>
        <translation>No se han podido escribir en la copia las filas de %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used as the register: %2</source>
        <translation>%1 no se puede usar como registro: %2</translation>
    </message>
    <message>
        <source>%1 already holds a register (%2 rows in %3); the copy goes only into an empty one, so nothing was copied.</source>
        <translation>%1 ya contiene un registro (%2 filas en %3); la copia solo se hace en uno vacío, así que no se ha copiado nada.</translation>
    </message>
    <message>
        <source>The copy was stopped before the end; nothing was copied.</source>
        <translation>Se ha detenido la copia antes del final; no se ha copiado nada.</translation>
    </message>
    <message>
        <source>%1 already exists; the copy goes only into a new file, so nothing was copied.</source>
        <translation>%1 ya existe; la copia solo se hace en un archivo nuevo, así que no se ha copiado nada.</translation>
    </message>
    <message>
        <source>%1 holds a register of schema %2, not of this version&apos;s %3; nothing was copied.</source>
        <translation>%1 contiene un registro del esquema %2, no del esquema %3 de esta versión; no se ha copiado nada.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>El archivo no es texto UTF-8.</translation>
    </message>
    <message>
        <source>A quoted field that begins on line %1 is never closed.</source>
        <translation>Un campo entre comillas que empieza en la línea %1 no se cierra nunca.</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>unas comillas abiertas aquí no se cierran nunca</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The register could not be brought up to this version of Rollvane when it was opened, so nothing can be written to it. Nothing was changed. (%1)</source>
        <translation>No se ha podido adaptar el registro a esta versión de Rollvane al abrirlo, así que no se puede escribir nada en él. No se ha cambiado nada. (%1)</translation>
    </message>
    <message>
        <source>The register is open for reading only. Nothing was changed.</source>
        <translation>El registro está abierto solo para lectura. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The register is not open, so nothing can be read or written.</source>
        <translation>El registro no está abierto, así que no se puede leer ni escribir nada.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ya existe.</translation>
    </message>
    <message>
        <source>A template cannot be written while a register is open.</source>
        <translation>No se puede escribir una plantilla mientras hay un registro abierto.</translation>
    </message>
    <message>
        <source>You cannot use the register because your account is not in the group &quot;%1&quot;. Ask the administrator to run: adduser %2 %1</source>
        <translation>No puede usar el registro porque su cuenta no pertenece al grupo «%1». Pida al administrador que ejecute: adduser %2 %1</translation>
    </message>
    <message>
        <source>The change takes effect at your next login.</source>
        <translation>El cambio se aplica a partir de su próximo inicio de sesión.</translation>
    </message>
    <message>
        <source>This register was made by a newer version of Rollvane (schema %1); this version knows schema %2. Install the newer version to use it.</source>
        <translation>Este registro se creó con una versión más reciente de Rollvane (esquema %1); esta versión conoce el esquema %2. Instale la versión más reciente para usarlo.</translation>
    </message>
    <message>
        <source>The register %1 could not be opened: %2</source>
        <translation>No se ha podido abrir el registro %1: %2</translation>
    </message>
    <message>
        <source>The register is in use by another user of this computer. Nothing was changed; please try again in a moment.</source>
        <translation>Otro usuario de este equipo está usando el registro. No se ha cambiado nada; vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>The register cannot be changed: its file or folder is read-only for you. Nothing was changed; ask the administrator to make it writable.</source>
        <translation>No se puede cambiar el registro: su archivo o su carpeta es de solo lectura para usted. No se ha cambiado nada; pida al administrador que permita la escritura.</translation>
    </message>
    <message>
        <source>The disk holding the register is full. Nothing was changed; free some space and try again.</source>
        <translation>El disco que contiene el registro está lleno. No se ha cambiado nada; libere espacio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The register&apos;s file could not be written or read. Nothing was changed.</source>
        <translation>No se ha podido escribir ni leer el archivo del registro. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The register&apos;s file %1 is damaged. It has been left as it is.</source>
        <translation>El archivo del registro %1 está dañado. Se ha dejado tal como está.</translation>
    </message>
    <message>
        <source>The database reported an error.</source>
        <translation>La base de datos ha informado de un error.</translation>
    </message>
    <message>
        <source>The register %1 was not found.</source>
        <translation>No se ha encontrado el registro %1.</translation>
    </message>
    <message>
        <source>The register %1 is a folder, not a file.</source>
        <translation>El registro %1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The register %1 cannot be read: %2</source>
        <translation>No se puede leer el registro %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a Rollvane register (it is not a database file). It has been left as it is.</source>
        <translation>El archivo %1 no es un registro de Rollvane (no es un archivo de base de datos). Se ha dejado tal como está.</translation>
    </message>
    <message>
        <source>The register %1 is not a regular file (it is a pipe, a socket or a device), so it cannot be a register. It has been left as it is.</source>
        <translation>El registro %1 no es un archivo normal (es una tubería, un socket o un dispositivo), así que no puede ser un registro. Se ha dejado tal como está.</translation>
    </message>
    <message>
        <source>The register cannot be opened while another one is being copied.</source>
        <translation>No se puede abrir el registro mientras se está copiando otro.</translation>
    </message>
    <message>
        <source>%1 cannot be used as the register: %2</source>
        <translation>%1 no se puede usar como registro: %2</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>local (este equipo)</translation>
    </message>
    <message>
        <source>database %1 on the server %2</source>
        <translation>base de datos %1 en el servidor %2</translation>
    </message>
    <message>
        <source>The database %1 on the server %2</source>
        <translation>La base de datos %1 en el servidor %2</translation>
    </message>
    <message>
        <source>The server settings cannot hold the character &apos;;&apos; (in &quot;%1&quot;).</source>
        <translation>Los ajustes del servidor no pueden contener el carácter «;» (en «%1»).</translation>
    </message>
    <message>
        <source>The register is in use by another computer. Nothing was changed; please try again in a moment.</source>
        <translation>Otro equipo está usando el registro. No se ha cambiado nada; vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>Your account on the register&apos;s server may not do this. Nothing was changed; ask the administrator for the rights Rollvane needs.</source>
        <translation>Su cuenta en el servidor del registro no tiene permiso para hacer esto. No se ha cambiado nada; pida al administrador los permisos que Rollvane necesita.</translation>
    </message>
    <message>
        <source>The register on the server is open for reading only. Nothing was changed.</source>
        <translation>El registro del servidor está abierto solo para lectura. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The disk of the register&apos;s server is full. Nothing was changed; ask the administrator to free some space, then try again.</source>
        <translation>El disco del servidor del registro está lleno. No se ha cambiado nada; pida al administrador que libere espacio y, después, vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The register&apos;s server is short of resources. Nothing was changed; try again in a moment.</source>
        <translation>Al servidor del registro le faltan recursos. No se ha cambiado nada; vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>The register already holds that row (two marks for one student and day, or a repeated id). Nothing was changed.</source>
        <translation>El registro ya contiene esa fila (dos marcas para el mismo alumno y día, o un identificador repetido). No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 stores text as %2, so names and notes could be damaged. Create the database with ENCODING &apos;UTF8&apos;.</source>
        <translation>%1 guarda el texto como %2, así que los nombres y las notas podrían dañarse. Cree la base de datos con ENCODING &apos;UTF8&apos;.</translation>
    </message>
    <message>
        <source>%1 holds no register yet.</source>
        <translation>%1 todavía no contiene ningún registro.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 could not be reached. Try again in a moment; Rollvane connects again by itself.</source>
        <translation>No se ha podido conectar con el servidor del registro %1. Vuelva a intentarlo dentro de un momento; Rollvane vuelve a conectarse por sí solo.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 refused the connection: %2. Check the [register] settings in the settings file and the server&apos;s user and password file.</source>
        <translation>El servidor del registro %1 ha rechazado la conexión: %2. Compruebe los ajustes de [register] en el archivo de configuración, así como el usuario del servidor y el archivo de contraseñas.</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>El archivo %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se ha podido crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The template register %1 was not found.</source>
        <translation>No se ha encontrado la plantilla del registro %1.</translation>
    </message>
    <message>
        <source>The template register could not be copied to %1: %2</source>
        <translation>No se ha podido copiar la plantilla del registro en %1: %2</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 asks for a password for the account %2, and none was found: the administrator puts it in the password file the settings name (passfile=%3), or in ~/.pgpass for each user.</source>
        <translation>El servidor %1 del registro pide una contraseña para la cuenta %2 y no se encontró ninguna: el administrador la pone en el archivo de contraseñas que indica la configuración (passfile=%3), o en ~/.pgpass de cada usuario.</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>sin definir</translation>
    </message>
    <message>
        <source>The settings ask Rollvane to check the certificate of the register&apos;s server %1 (sslmode=%2), but the certificate of the authority that signed it was not found: the administrator names it with sslrootcert= in the [register] section of the settings file.</source>
        <translation>La configuración pide a Rollvane que compruebe el certificado del servidor %1 del registro (sslmode=%2), pero no se encontró el certificado de la autoridad que lo firmó: el administrador lo indica con sslrootcert= en la sección [register] del archivo de configuración.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 offers no encrypted connection, which the settings require (sslmode=%2): the administrator turns on SSL on the server, or changes sslmode in the settings file.</source>
        <translation>El servidor %1 del registro no ofrece una conexión cifrada, que la configuración exige (sslmode=%2): el administrador activa SSL en el servidor o cambia sslmode en el archivo de configuración.</translation>
    </message>
    <message>
        <source>The certificate of the register&apos;s server %1 could not be trusted (%2): the administrator checks host= and sslrootcert= in the settings file against the server&apos;s certificate.</source>
        <translation>No se pudo confiar en el certificado del servidor %1 del registro (%2): el administrador comprueba host= y sslrootcert= en el archivo de configuración frente al certificado del servidor.</translation>
    </message>
    <message>
        <source>The register has columns that Rollvane does not know and that every new row must fill (%1), so Rollvane cannot save to it. It was opened for reading only and left as it is; ask the administrator about the program that added them.</source>
        <translation>El registro tiene columnas que Rollvane no conoce y que cada fila nueva debe rellenar (%1), así que Rollvane no puede guardar en él. Se abrió solo para lectura y se dejó como estaba; pregunte al administrador por el programa que las añadió.</translation>
    </message>
    <message>
        <source>it is a database, but not a Rollvane register (it lacks the register&apos;s tables)</source>
        <translation>es una base de datos, pero no un registro de Rollvane (le faltan las tablas del registro)</translation>
    </message>
    <message>
        <source>The file %1 is empty, not a Rollvane register. It has been left as it is.</source>
        <translation>El archivo %1 está vacío; no es un registro de Rollvane. Se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The register must be opened by this version of Rollvane before its photos are converted. Nothing was changed.</source>
        <translation>El registro debe abrirse con esta versión de Rollvane antes de convertir sus fotos. No se cambió nada.</translation>
    </message>
    <message>
        <source>This register keeps no enrolments; it was opened for reading only.</source>
        <translation>Este registro no guarda matrículas; se abrió solo para lectura.</translation>
    </message>
    <message>
        <source>There is no student with the number %1.</source>
        <translation>No hay ningún alumno con el número %1.</translation>
    </message>
    <message>
        <source>There is no class with the number %1.</source>
        <translation>No hay ninguna clase con el número %1.</translation>
    </message>
    <message>
        <source>This register keeps no attendance codes. Nothing was changed.</source>
        <translation>Este registro no guarda códigos de asistencia. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The first day of a planned absence must be on or before its last day.</source>
        <translation>El primer día de una ausencia prevista debe ser igual o anterior al último.</translation>
    </message>
    <message>
        <source>This register keeps no planned absences. Nothing was changed.</source>
        <translation>Este registro no guarda ausencias previstas. No se ha cambiado nada.</translation>
    </message>
    <message numerus="yes">
        <source>The register of %1 is closed: registers close %n school day(s) after their day. Nothing was saved.</source>
        <translation>
            <numerusform>El registro del %1 está cerrado: los registros se cierran %n día lectivo después de su día. No se guardó nada.</numerusform>
            <numerusform>El registro del %1 está cerrado: los registros se cierran %n días lectivos después de su día. No se guardó nada.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The register of %1 is closed: registers close %n school day(s) after their day, and only %2 can change them then. Nothing was saved.</source>
        <translation>
            <numerusform>El registro del %1 está cerrado: los registros se cierran %n día lectivo después de su día, y entonces solo %2 puede cambiarlos. No se guardó nada.</numerusform>
            <numerusform>El registro del %1 está cerrado: los registros se cierran %n días lectivos después de su día, y entonces solo %2 puede cambiarlos. No se guardó nada.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>en la línea </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a </translation>
    </message>
    <message>
        <source>the school&apos;s administrator (no support address has been set on this computer)</source>
        <translation>la persona que administra los equipos de su centro (no se ha configurado ninguna dirección de soporte en este equipo)</translation>
    </message>
    <message>
        <source>Questions? Please contact your school&apos;s support at %1</source>
        <translation>¿Tiene preguntas? Póngase en contacto con el soporte de su centro: %1</translation>
    </message>
    <message>
        <source>Questions? Please ask your school&apos;s administrator; no support address has been set on this computer.</source>
        <translation>¿Tiene preguntas? Consulte a la persona que administra los equipos de su centro; no se ha configurado ninguna dirección de soporte en este equipo.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Rollvane Help</source>
        <translation>Ayuda de Rollvane</translation>
    </message>
    <message>
        <source>This computer&apos;s register is %1 (%2). Every user of the computer, and every computer set up for the same server, shares it.</source>
        <translation>El registro de este ordenador es %1 (%2). Lo comparten todos los usuarios del ordenador y todos los ordenadores configurados para el mismo servidor.</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>El registro no está abierto.</translation>
    </message>
    <message>
        <source>Taking a register</source>
        <translation>Pasar lista</translation>
    </message>
    <message>
        <source>Pick the class and the day. Each card is a student: a click moves the mark from Present to Late to Absent. The card&apos;s menu (right button) sets any mark and a remark for the day. Write the day&apos;s notes under the cards, then Save. A day without saved marks says &quot;Not taken yet&quot;.</source>
        <translation>Elija la clase y el día. Cada tarjeta es un alumno: un clic pasa la marca de Presente a Tarde y a Ausente. El menú de la tarjeta (botón derecho) pone cualquier marca y una observación del día. Escriba las notas del día bajo las tarjetas y guarde. Un día sin marcas guardadas dice «Aún sin pasar lista».</translation>
    </message>
    <message>
        <source>By keyboard</source>
        <translation>Con el teclado</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Reports → Attendance Report shows a class or the whole school over a period: the summary, the register sheet, the registers not taken, the alerts (persistent absence is missing 10 % of the days or more), a chart and the history of every change. Print, PDF and CSV take what is shown.</source>
        <translation>Informes → Informe de asistencia muestra una clase o todo el centro en un periodo: el resumen, la hoja de registro, las listas no pasadas, las alertas (la ausencia persistente es faltar el 10 % de los días o más), un gráfico y el historial de cada cambio. Imprimir, PDF y CSV toman lo que se muestra.</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Setup → Students and Classes adds classes and students, moves a student to another class from a day and marks a leaver; Import Students reads a spreadsheet. School Calendar holds the terms and holidays, which the register and the reports follow. New School Year moves every class up a year.</source>
        <translation>Configuración → Alumnos y clases añade clases y alumnos, cambia a un alumno de clase desde un día y registra una baja; Importar alumnos lee una hoja de cálculo. El calendario escolar guarda los trimestres y las vacaciones, que siguen el registro y los informes. Nuevo curso escolar sube cada clase un año.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>A copy of the register is kept after the first save of each day. Setup → Backups lists the copies, makes one now, restores one and checks the register.</source>
        <translation>Tras el primer guardado de cada día se guarda una copia del registro. Configuración → Copias de seguridad lista las copias, hace una ahora, restaura una y comprueba el registro.</translation>
    </message>
    <message>
        <source>Where the register lives</source>
        <translation>Dónde está el registro</translation>
    </message>
    <message>
        <source>Help from your school</source>
        <translation>Ayuda de su centro</translation>
    </message>
    <message>
        <source>Tab reaches the cards; the arrow keys move between them, Home and End go to the first and the last. Space or Enter moves the mark on; P, L, A and E set Present, Late, Absent and Excused. Ctrl+S saves, Alt+Left and Alt+Right go to the previous and next school day, Alt+Home to today, F5 reads the register again, Ctrl+R opens the reports, F1 this help and Ctrl+Q quits.</source>
        <translation>Tab llega a las tarjetas; las flechas pasan de una a otra, Inicio y Fin van a la primera y a la última. Espacio o Intro avanza la marca; P, L, A y E ponen Presente, Tarde, Ausente y Justificado. Ctrl+S guarda, Alt+Izquierda y Alt+Derecha van al día lectivo anterior y siguiente, Alt+Inicio a hoy, F5 vuelve a leer el registro, Ctrl+R abre los informes, F1 esta ayuda y Ctrl+Q sale.</translation>
    </message>
    <message>
        <source>What a mark means</source>
        <translation>Qué significa una marca</translation>
    </message>
    <message>
        <source>Each mark counts as present, late, an approved activity, an authorised or unauthorised absence, or not at all; Setup → Attendance Codes gives every word its meaning and can add England&apos;s codes. Changing a saved mark of an earlier day asks why, and the history keeps the reason. Register → Planned Absence puts a known absence on every school day it covers. The card&apos;s menu also takes the minutes a late student came late.</source>
        <translation>Cada marca cuenta como presente, tarde, actividad autorizada, ausencia justificada o injustificada, o no cuenta; Configuración → Códigos de asistencia da a cada palabra su significado y puede añadir los códigos de Inglaterra. Cambiar una marca guardada de un día anterior pide el motivo, y el historial lo guarda. Registro → Ausencia prevista pone una ausencia conocida en cada día lectivo que abarca. El menú de la tarjeta también recoge los minutos de retraso de un alumno.</translation>
    </message>
    <message>
        <source>A school that takes a register each morning and afternoon says so in Setup → Register Rules; Morning or Afternoon then stands beside the date.</source>
        <translation>Una escuela que toma registro cada mañana y cada tarde lo indica en Configuración → Reglas del registro; entonces aparece Mañana o Tarde junto a la fecha.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The import was cancelled; nothing was written.</source>
        <translation>Se ha cancelado la importación; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>Line %1: %2 Nothing was imported.</source>
        <translation>Línea %1: %2 No se ha importado nada.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 No se ha importado nada.</translation>
    </message>
</context>
<context>
    <name>ImportPhotosDialog</name>
    <message>
        <source>Import Photos for %1</source>
        <translation>Importar fotos para %1</translation>
    </message>
    <message>
        <source>Import Photos</source>
        <translation>Importar fotos</translation>
    </message>
    <message>
        <source>Pictures in %1 for %2. Nothing has been written yet.
Students who get a photo: %3. Students without a picture: %4. Pictures that match no student: %5. Pictures that cannot be used: %6.</source>
        <translation>Imágenes de %1 para %2. Todavía no se ha escrito nada.
Alumnos que reciben foto: %3. Alumnos sin imagen: %4. Imágenes que no corresponden a ningún alumno: %5. Imágenes que no se pueden usar: %6.</translation>
    </message>
    <message>
        <source>Student or picture</source>
        <translation>Alumno o imagen</translation>
    </message>
    <message>
        <source>Picture or reason</source>
        <translation>Imagen o motivo</translation>
    </message>
    <message>
        <source> (replaces the photo)</source>
        <translation> (sustituye la foto)</translation>
    </message>
    <message>
        <source>Students who get a photo (%1)</source>
        <translation>Alumnos que reciben foto (%1)</translation>
    </message>
    <message>
        <source>Students without a picture (%1)</source>
        <translation>Alumnos sin imagen (%1)</translation>
    </message>
    <message>
        <source>Pictures that match no student (%1)</source>
        <translation>Imágenes que no corresponden a ningún alumno (%1)</translation>
    </message>
    <message>
        <source>Pictures that cannot be used (%1)</source>
        <translation>Imágenes que no se pueden usar (%1)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Storing photos…</source>
        <translation>Guardando las fotos…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The photos could not be stored: %1</source>
        <translation>No se han podido guardar las fotos: %1</translation>
    </message>
    <message>
        <source>Photos stored: %1.</source>
        <translation>Fotos guardadas: %1.</translation>
    </message>
</context>
<context>
    <name>ImportStudentsDialog</name>
    <message>
        <source>tab-separated</source>
        <translation>separado por tabuladores</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>separado por punto y coma</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>separado por comas</translation>
    </message>
    <message>
        <source>Import Students</source>
        <translation>Importar alumnos</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|All Files (*)|*|</source>
        <translation>Hojas de cálculo (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|Todos los archivos (*)|*|</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>No se ha importado nada.</translation>
    </message>
    <message>
        <source>%1 (%2, %3). Nothing has been written yet.
Classes to create: %4. Students to add: %5. Rows skipped as already present: %6. Rows with errors: %7.</source>
        <translation>%1 (%2, %3). Todavía no se ha escrito nada.
Clases que se crearán: %4. Alumnos que se añadirán: %5. Filas omitidas porque ya existen: %6. Filas con errores: %7.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Photo or reason</source>
        <translation>Foto o motivo</translation>
    </message>
    <message>
        <source>Classes to create (%1)</source>
        <translation>Clases que se crearán (%1)</translation>
    </message>
    <message>
        <source>Students to add (%1)</source>
        <translation>Alumnos que se añadirán (%1)</translation>
    </message>
    <message>
        <source>Skipped, already present (%1)</source>
        <translation>Omitidos porque ya existen (%1)</translation>
    </message>
    <message>
        <source>Rows with errors, not imported (%1)</source>
        <translation>Filas con errores, no importadas (%1)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Importing students…</source>
        <translation>Importando alumnos…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The students could not be imported: %1</source>
        <translation>No se han podido importar los alumnos: %1</translation>
    </message>
    <message>
        <source>Students added: %1. Classes created: %2.</source>
        <translation>Alumnos añadidos: %1. Clases creadas: %2.</translation>
    </message>
    <message>
        <source>Students already in their class by then, left alone: %1.</source>
        <translation>Alumnos que para entonces ya estaban en su clase y se han dejado como estaban: %1.</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codificación:</translation>
    </message>
</context>
<context>
    <name>LookAndFeel</name>
    <message>
        <source>The pointer file %1 is not a cursor picture.</source>
        <translation>El archivo de puntero %1 no es una imagen de cursor.</translation>
    </message>
</context>
<context>
    <name>MachineSettings</name>
    <message>
        <source>The settings file %1, line %2: %3</source>
        <translation>Archivo de configuración %1, línea %2: %3</translation>
    </message>
    <message>
        <source>a section name must end with &quot;]&quot;.</source>
        <translation>el nombre de una sección debe terminar en «]».</translation>
    </message>
    <message>
        <source>there is no section &quot;%1&quot;; the sections are [register] and [support].</source>
        <translation>no existe la sección «%1»; las secciones son [register] y [support].</translation>
    </message>
    <message>
        <source>expected a line of the form key=value.</source>
        <translation>se esperaba una línea con la forma clave=valor (key=value).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands before any section.</source>
        <translation>«%1» aparece antes de cualquier sección.</translation>
    </message>
    <message>
        <source>passwords are never read from this file; put the password in the PostgreSQL password file (passfile, PGPASSFILE or ~/.pgpass).</source>
        <translation>las contraseñas nunca se leen de este archivo; ponga la contraseña en el archivo de contraseñas de PostgreSQL (passfile, PGPASSFILE o ~/.pgpass).</translation>
    </message>
    <message>
        <source>there is no setting &quot;%1&quot; in [%2].</source>
        <translation>no existe el ajuste «%1» en [%2].</translation>
    </message>
    <message>
        <source>the engine &quot;%1&quot; is not known; use engine=sqlite or engine=postgresql.</source>
        <translation>el motor «%1» no es conocido; use engine=sqlite o engine=postgresql.</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a port number.</source>
        <translation>el puerto «%1» no es un número de puerto.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de configuración %1: %2</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read as settings.</source>
        <translation>El archivo de configuración %1 no se puede leer como configuración.</translation>
    </message>
    <message>
        <source>the sslmode &quot;%1&quot; is not known; use one of %2.</source>
        <translation>el valor de sslmode «%1» no es conocido; use uno de estos: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 that ROLLVANE_CONF names does not exist.</source>
        <translation>El archivo de configuración %1 que indica ROLLVANE_CONF no existe.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Register</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>Re&amp;ports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Mark &amp;All Present</source>
        <translation>Marcar &amp;todos como presentes</translation>
    </message>
    <message>
        <source>&amp;Copy Marks From Previous Day</source>
        <translation>&amp;Copiar marcas del día anterior</translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation>Día &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>Día s&amp;iguiente</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Students and Classes…</source>
        <translation>&amp;Alumnos y clases…</translation>
    </message>
    <message>
        <source>&amp;Import Students…</source>
        <translation>&amp;Importar alumnos…</translation>
    </message>
    <message>
        <source>&amp;Backups…</source>
        <translation>&amp;Copias de seguridad…</translation>
    </message>
    <message>
        <source>&amp;Attendance Report…</source>
        <translation>Informe de &amp;asistencia…</translation>
    </message>
    <message>
        <source>&amp;About Rollvane</source>
        <translation>&amp;Acerca de Rollvane</translation>
    </message>
    <message>
        <source>Rollvane</source>
        <translation>Rollvane</translation>
    </message>
    <message>
        <source>Rollvane %1</source>
        <translation>Rollvane %1</translation>
    </message>
    <message>
        <source>The daily attendance register of a school.</source>
        <translation>El registro diario de asistencia de un centro escolar.</translation>
    </message>
    <message>
        <source>Register: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>Engine: %1</source>
        <translation>Motor: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Tamaño: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>El registro no está abierto.</translation>
    </message>
    <message>
        <source>Rollvane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Rollvane es software libre: puede redistribuirlo y/o modificarlo según los términos de la Licencia Pública General de GNU publicada por la Free Software Foundation, ya sea la versión 3 de la Licencia o (a su elección) cualquier versión posterior.</translation>
    </message>
    <message>
        <source>About Rollvane</source>
        <translation>Acerca de Rollvane</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>School &amp;Calendar…</source>
        <translation>&amp;Calendario escolar…</translation>
    </message>
    <message>
        <source>&amp;New School Year…</source>
        <translation>&amp;Nuevo curso…</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Planned A&amp;bsence…</source>
        <translation>Ausencia &amp;prevista…</translation>
    </message>
    <message>
        <source>&amp;Attendance Codes…</source>
        <translation>Códigos de &amp;asistencia…</translation>
    </message>
    <message>
        <source>Copy Marks From This &amp;Morning</source>
        <translation>Copiar las marcas de esta &amp;mañana</translation>
    </message>
    <message>
        <source>&amp;Register Rules…</source>
        <translation>&amp;Reglas del registro…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>This class could not be listed, so none of its marks are shown and nothing can be saved for it. Pick the class again to try once more.</source>
        <translation>No se ha podido mostrar esta clase, así que no se ve ninguna de sus marcas y no se puede guardar nada para ella. Vuelva a elegir la clase para intentarlo otra vez.</translation>
    </message>
    <message>
        <source>Additional Notes For This Day</source>
        <translation>Notas adicionales para este día</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Setup Students / Classes</source>
        <translation>Configurar alumnos / clases</translation>
    </message>
    <message>
        <source>The attendance could not be saved.<byte value="xd"/>
Close without saving the changes?</source>
        <translation>No se ha podido guardar la asistencia.<byte value="xd"/>
¿Cerrar sin guardar los cambios?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>Your marks were not saved.<byte value="xd"/>
Close without saving them?</source>
        <translation>Sus marcas no se han guardado.<byte value="xd"/>
¿Cerrar sin guardarlas?</translation>
    </message>
    <message>
        <source>The photo of %1 could not be shown; the card has no photo. %2</source>
        <translation>No se ha podido mostrar la foto de %1; la ficha queda sin foto. %2</translation>
    </message>
    <message>
        <source>The photos of %1 and %2 other students could not be shown; their cards have no photo. %3</source>
        <translation>No se han podido mostrar las fotos de %1 y de otros %2 alumnos; sus fichas quedan sin foto. %3</translation>
    </message>
    <message>
        <source>The register of %1 for %2 was changed by %3 on %4 at %5, after you opened it.</source>
        <translation>%3 cambió la asistencia de %1 del %2 en %4 (hora: %5) después de que usted la abriera.</translation>
    </message>
    <message>
        <source>someone</source>
        <translation>alguien</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>otro equipo</translation>
    </message>
    <message>
        <source>an unknown time</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>The register of %1 for %2 was changed by another program after you opened it.</source>
        <translation>Otro programa cambió la asistencia de %1 del %2 después de que usted la abriera.</translation>
    </message>
    <message>
        <source>Overwrite it with the marks on your screen?</source>
        <translation>¿Sobrescribirla con las marcas de su pantalla?</translation>
    </message>
    <message>
        <source>Register Changed</source>
        <translation>Asistencia cambiada</translation>
    </message>
    <message>
        <source>(not marked)</source>
        <translation>(sin marcar)</translation>
    </message>
    <message>
        <source>%1: %2 (on your screen: %3)</source>
        <translation>%1: %2 (en su pantalla: %3)</translation>
    </message>
    <message>
        <source>Your marks were not saved; they are still on your screen. The marks stored now are:</source>
        <translation>Sus marcas no se han guardado; siguen en su pantalla. Las marcas guardadas ahora son:</translation>
    </message>
    <message>
        <source>Notes stored now: %1</source>
        <translation>Notas guardadas ahora: %1</translation>
    </message>
    <message>
        <source>Attendance has been changed.<byte value="xd"/>
Save Changes?</source>
        <translation>Se ha cambiado la asistencia.<byte value="xd"/>
¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Nothing was saved: this class could not be listed.</source>
        <translation>No se ha guardado nada: no se ha podido mostrar esta clase.</translation>
    </message>
    <message>
        <source>Done Saved</source>
        <translation>Guardado</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) in the register have a date that Rollvane cannot read, so they are not shown on any day. The register check (%1) lists them.</source>
        <translation>
            <numerusform>%n marca del registro tiene una fecha que Rollvane no puede leer, así que no se muestra en ningún día. La comprobación del registro (%1) la muestra.</numerusform>
            <numerusform>%n marcas del registro tienen una fecha que Rollvane no puede leer, así que no se muestran en ningún día. La comprobación del registro (%1) las muestra.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Present</source>
        <translation>&amp;Presente</translation>
    </message>
    <message>
        <source>&amp;Late</source>
        <translation>&amp;Tarde</translation>
    </message>
    <message>
        <source>&amp;Absent</source>
        <translation>&amp;Ausente</translation>
    </message>
    <message>
        <source>&amp;Excused</source>
        <translation>&amp;Justificado</translation>
    </message>
    <message>
        <source>&amp;Remark…</source>
        <translation>&amp;Observación…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Historial…</translation>
    </message>
    <message>
        <source>A remark for %1 on %2, such as &quot;left at 11:00&quot; or &quot;doctor&apos;s note&quot;:</source>
        <translation>Una observación para %1 el %2, por ejemplo «se fue a las 11:00» o «justificante médico»:</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>History of %1 on %2</source>
        <translation>Historial de %1 del %2</translation>
    </message>
    <message>
        <source>No change of this mark has been saved.</source>
        <translation>No se ha guardado ningún cambio de esta marca.</translation>
    </message>
    <message>
        <source>%1, by %2 on %3</source>
        <translation>Fecha: %1, por %2 en %3</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>un equipo desconocido</translation>
    </message>
    <message>
        <source>Marked %1</source>
        <translation>Marcado como %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Remark: %1 → %2</source>
        <translation>Observación: %1 → %2</translation>
    </message>
    <message>
        <source>Marks on screen that are not Present and would change: %1.</source>
        <translation>Marcas en pantalla que no son «Presente» y cambiarían: %1.</translation>
    </message>
    <message>
        <source>Mark every student of %1 Present?</source>
        <translation>¿Marcar como «Presente» a todos los alumnos de %1?</translation>
    </message>
    <message>
        <source>No day before %1 has saved marks for %2, so there are none to copy.</source>
        <translation>Ningún día anterior al %1 tiene marcas guardadas para %2, así que no hay ninguna que copiar.</translation>
    </message>
    <message>
        <source>Copy the marks of %1 onto the cards of %2?</source>
        <translation>¿Copiar las marcas del %1 en las fichas de %2?</translation>
    </message>
    <message>
        <source>1 student</source>
        <translation>1 alumno</translation>
    </message>
    <message>
        <source>%1 students</source>
        <translation>%1 alumnos</translation>
    </message>
    <message>
        <source>%1 present</source>
        <translation>presentes: %1</translation>
    </message>
    <message>
        <source>%1 late</source>
        <translation>tarde: %1</translation>
    </message>
    <message>
        <source>%1 absent</source>
        <translation>ausentes: %1</translation>
    </message>
    <message>
        <source>%1 excused</source>
        <translation>justificados: %1</translation>
    </message>
    <message>
        <source>%1 other</source>
        <translation>otros: %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Your marks are saved, but today&apos;s backup of the register could not be written:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Rollvane tries again at the next save, without saying so again until it is started anew.</source>
        <translation>Sus marcas se han guardado, pero no se ha podido escribir la copia de seguridad de hoy del registro:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Rollvane lo volverá a intentar la próxima vez que se guarde, sin volver a avisar hasta que se inicie de nuevo.</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Nothing was saved: the register could not be opened when Rollvane started.<byte value="xd"/>
%1</source>
        <translation>No se guardó nada: el registro no se pudo abrir al iniciar Rollvane.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The day&apos;s notes were changed too; Yes replaces them with yours.</source>
        <translation>También se cambiaron las notas del día; Sí las sustituye por las suyas.</translation>
    </message>
    <message>
        <source>Day&apos;s notes: %1 → %2</source>
        <translation>Notas del día: %1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) have more than one mark stored for one day, and only one of them is shown. The register check (%1) keeps the most recently changed of each.</source>
        <translation>
            <numerusform>%n alumno tiene más de una marca guardada para un mismo día, y solo se muestra una. La comprobación del registro (%1) conserva la modificada más recientemente de cada uno.</numerusform>
            <numerusform>%n alumnos tienen más de una marca guardada para un mismo día, y solo se muestra una. La comprobación del registro (%1) conserva la modificada más recientemente de cada uno.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not taken yet</source>
        <translation>Aún sin pasar lista</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Saved %1 by %2</source>
        <translation>Guardado a las %1 por %2</translation>
    </message>
    <message>
        <source>Saved %1 on %2</source>
        <translation>Guardado a las %1 en %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Register taken on this day</source>
        <translation>Lista pasada este día</translation>
    </message>
    <message>
        <source>register taken</source>
        <translation>lista pasada</translation>
    </message>
    <message>
        <source>Marks of %1 copied, not saved yet</source>
        <translation>Marcas del %1 copiadas, aún sin guardar</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <translation>dddd d &apos;de&apos; MMMM</translation>
    </message>
    <message numerus="yes">
        <source>You are changing %n saved marks of %1 (%2). Why? The reason is kept in the history beside the marks as they were.</source>
        <translation>
            <numerusform>Está cambiando %n marca guardada del %1 (%2). ¿Por qué? El motivo se guarda en el historial junto a la marca tal como estaba.</numerusform>
            <numerusform>Está cambiando %n marcas guardadas del %1 (%2). ¿Por qué? El motivo se guarda en el historial junto a las marcas tal como estaban.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reason for the Change</source>
        <translation>Motivo del cambio</translation>
    </message>
    <message>
        <source>Nothing was saved: a change to an earlier day&apos;s saved marks needs a reason. The marks stay on your screen.</source>
        <translation>No se ha guardado nada: cambiar las marcas guardadas de un día anterior requiere un motivo. Las marcas siguen en su pantalla.</translation>
    </message>
    <message>
        <source>&amp;Minutes Late…</source>
        <translation>&amp;Minutos de retraso…</translation>
    </message>
    <message>
        <source>How many minutes late did %1 arrive? (0 for not known)</source>
        <translation>¿Cuántos minutos tarde llegó %1? (0 si no se sabe)</translation>
    </message>
    <message>
        <source>Minutes Late</source>
        <translation>Minutos de retraso</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 0 to 600. Nothing was changed.</source>
        <translation>«%1» no es un número de minutos de 0 a 600. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>%1 on an approved activity</source>
        <translation>%1 en actividad autorizada</translation>
    </message>
    <message>
        <source>%1 not counted</source>
        <translation>%1 no contados</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Tarde</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>This is the morning&apos;s register. Pick Afternoon beside the date to copy onto it.</source>
        <translation>Este es el registro de la mañana. Elija Tarde junto a la fecha para copiar en él.</translation>
    </message>
    <message>
        <source>The morning&apos;s register of %1 on %2 has no saved marks, so there are none to copy.</source>
        <translation>El registro de la mañana de %1 el %2 no tiene marcas guardadas, así que no hay nada que copiar.</translation>
    </message>
    <message>
        <source>Copy this morning&apos;s marks onto the afternoon&apos;s cards of %1?</source>
        <translation>¿Copiar las marcas de esta mañana en las tarjetas de la tarde de %1?</translation>
    </message>
    <message>
        <source>%1, afternoon</source>
        <translation>%1, tarde</translation>
    </message>
    <message>
        <source>%1, morning</source>
        <translation>%1, mañana</translation>
    </message>
    <message>
        <source>This morning&apos;s marks copied, not saved yet</source>
        <translation>Marcas de esta mañana copiadas, aún sin guardar</translation>
    </message>
    <message>
        <source>Closed · %1</source>
        <translation>Cerrado · %1</translation>
    </message>
    <message>
        <source>Register Closed</source>
        <translation>Registro cerrado</translation>
    </message>
</context>
<context>
    <name>ManageClassesWindow</name>
    <message>
        <source>Manage Classes</source>
        <translation>Gestionar clases</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Add New Class</source>
        <translation>Añadir clase</translation>
    </message>
    <message>
        <source>Delete Class</source>
        <translation>Eliminar clase</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Añadir alumno</translation>
    </message>
    <message>
        <source>Edit Student</source>
        <translation>Editar alumno</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Eliminar alumno</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Nombre del alumno</translation>
    </message>
    <message>
        <source>Enter New Class Name: </source>
        <translation>Nombre de la nueva clase: </translation>
    </message>
    <message>
        <source>Class already exists.</source>
        <translation>Esta clase ya existe.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que quiere eliminar %1?</translation>
    </message>
    <message>
        <source>You must select first a class.</source>
        <translation>Primero debe elegir una clase.</translation>
    </message>
    <message>
        <source>Import Photos…</source>
        <translation>Importar fotos…</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) of this student stay in the register, but no report will show them again. For a student who leaves the school, use Leaves School… (right-click the name) instead.</source>
        <translation>
            <numerusform>%n marca de este alumno sigue en el registro, pero ningún informe la mostrará ya. Para un alumno que deja el centro, use en su lugar «Deja el centro…» (clic derecho en el nombre).</numerusform>
            <numerusform>%n marcas de este alumno siguen en el registro, pero ningún informe las mostrará ya. Para un alumno que deja el centro, use en su lugar «Deja el centro…» (clic derecho en el nombre).</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Move to Class</source>
        <translation>&amp;Mover a otra clase</translation>
    </message>
    <message>
        <source>&amp;Leaves School…</source>
        <translation>&amp;Deja el centro…</translation>
    </message>
    <message>
        <source>&amp;Delete Student (a mistake)…</source>
        <translation>&amp;Eliminar alumno (error)…</translation>
    </message>
    <message>
        <source>“%1” is not a date. Write it as %2, or as YYYY-MM-DD.</source>
        <translation>«%1» no es una fecha. Escríbala como %2 o como AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>%1 moves to %2 from this day (the registers before it stay with the class they were taken in):</source>
        <translation>%1 pasa a %2 a partir de este día (los registros anteriores siguen con la clase en que se pasaron):</translation>
    </message>
    <message>
        <source>Move to Class</source>
        <translation>Mover a otra clase</translation>
    </message>
    <message>
        <source>%1 leaves the school on this day (the first day they are no longer here):</source>
        <translation>%1 deja el centro este día (el primer día en que ya no está):</translation>
    </message>
    <message>
        <source>Leaves School</source>
        <translation>Deja el centro</translation>
    </message>
    <message>
        <source>%1 will not be on the cards from %2, and stays in every report of the days before. Go ahead?</source>
        <translation>%1 no aparecerá en las tarjetas a partir del %2 y seguirá en todos los informes de los días anteriores. ¿Continuar?</translation>
    </message>
    <message>
        <source>This name cannot be saved: %1.</source>
        <translation>Este nombre no se puede guardar: %1.</translation>
    </message>
    <message>
        <source>&amp;Rename Class…</source>
        <translation>&amp;Renombrar clase…</translation>
    </message>
    <message>
        <source>&amp;Delete Class…</source>
        <translation>&amp;Eliminar clase…</translation>
    </message>
    <message>
        <source>The new name of %1:</source>
        <translation>El nuevo nombre de %1:</translation>
    </message>
    <message>
        <source>Rename Class</source>
        <translation>Renombrar clase</translation>
    </message>
    <message>
        <source>Remove the photo of %1?</source>
        <translation>¿Quitar la foto de %1?</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>Quitar foto</translation>
    </message>
    <message numerus="yes">
        <source>Its %n student(s) go with it.</source>
        <translation>
            <numerusform>Su %n alumno se elimina con ella.</numerusform>
            <numerusform>Sus %n alumnos se eliminan con ella.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Their %n mark(s) stay in the register, but no report will show them again.</source>
        <translation>
            <numerusform>Su %n marca queda en el registro, pero ningún informe la volverá a mostrar.</numerusform>
            <numerusform>Sus %n marcas quedan en el registro, pero ningún informe las volverá a mostrar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove &amp;Photo…</source>
        <translation>Quitar &amp;foto…</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>el nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the name holds a control character (code %1)</source>
        <translation>el nombre contiene un carácter de control (código %1)</translation>
    </message>
    <message>
        <source>the name holds a character that reverses the direction of the text (U+%1)</source>
        <translation>el nombre contiene un carácter que invierte la dirección del texto (U+%1)</translation>
    </message>
</context>
<context>
    <name>NewSchoolYear</name>
    <message>
        <source>The first day of the new school year (YYYY-MM-DD). Every class goes up one year from that day, and the top year leaves:</source>
        <translation>El primer día del nuevo curso (AAAA-MM-DD). Cada clase pasa de curso a partir de ese día, y el último curso se va:</translation>
    </message>
    <message>
        <source>New School Year</source>
        <translation>Nuevo curso</translation>
    </message>
    <message>
        <source>“%1” is not a date; write it as YYYY-MM-DD.</source>
        <translation>«%1» no es una fecha; escríbala como AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>No class has students to move.</source>
        <translation>Ninguna clase tiene alumnos que mover.</translation>
    </message>
    <message>
        <source>%1 (%2): stays as it is, its name has no year.</source>
        <translation>%1 (%2): se queda como está, su nombre no indica curso.</translation>
    </message>
    <message>
        <source>%1 (%2): leave the school.</source>
        <translation>%1 (%2): dejan el centro.</translation>
    </message>
    <message>
        <source>%1 (%2): go up to %3%4.</source>
        <translation>%1 (%2): pasan a %3%4.</translation>
    </message>
    <message>
        <source> (a new class)</source>
        <translation> (una clase nueva)</translation>
    </message>
    <message>
        <source>From %1:</source>
        <translation>A partir del %1:</translation>
    </message>
    <message>
        <source>The registers before that day keep the classes they were taken in. Go ahead?</source>
        <translation>Los registros anteriores a ese día siguen con las clases en que se pasaron. ¿Continuar?</translation>
    </message>
    <message>
        <source>%1 students went up a year and %2 left the school; %3 classes were added.</source>
        <translation>%1 alumnos han pasado de curso y %2 han dejado el centro; se han añadido %3 clases.</translation>
    </message>
</context>
<context>
    <name>Photo</name>
    <message>
        <source>The picture is too large (%1 by %2 pixels); pictures of up to %3 million pixels can be stored.</source>
        <translation>La imagen es demasiado grande (%1 × %2 píxeles); se pueden guardar imágenes de hasta %3 millones de píxeles.</translation>
    </message>
    <message>
        <source>There is no picture to store.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>The picture could not be stored: %1</source>
        <translation>No se ha podido guardar la imagen: %1</translation>
    </message>
    <message>
        <source>A stored photo could not be read: %1</source>
        <translation>No se ha podido leer una foto guardada: %1</translation>
    </message>
    <message>
        <source>The picture %1 was not found.</source>
        <translation>No se ha encontrado la imagen %1.</translation>
    </message>
    <message>
        <source>The picture %1 is too large (%2 MB); pictures of up to %3 MB can be stored.</source>
        <translation>La imagen %1 es demasiado grande (%2 MB); se pueden guardar imágenes de hasta %3 MB.</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: %2</source>
        <translation>No se ha podido leer la imagen %1: %2</translation>
    </message>
</context>
<context>
    <name>PhotoCompaction</name>
    <message>
        <source>The conversion of the photos was stopped; the photos converted so far are kept, and running it again goes on from there.</source>
        <translation>La conversión de las fotos se detuvo; las fotos ya convertidas se conservan y, al ejecutarla de nuevo, sigue desde ahí.</translation>
    </message>
    <message>
        <source>The register is not at this version of Rollvane, so its photos cannot be converted. Nothing was changed.</source>
        <translation>El registro no está en esta versión de Rollvane, así que sus fotos no se pueden convertir. No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>PhotoImport</name>
    <message>
        <source>more than one picture is named %1</source>
        <translation>hay más de una imagen con el nombre %1</translation>
    </message>
    <message>
        <source>%1 students of the class are named %2</source>
        <translation>%1 alumnos de la clase se llaman %2</translation>
    </message>
    <message>
        <source>the picture %1</source>
        <translation>la imagen %1</translation>
    </message>
</context>
<context>
    <name>PlannedAbsenceWindow</name>
    <message>
        <source>Planned Absence</source>
        <translation>Ausencia prevista</translation>
    </message>
    <message>
        <source>Hospital stay, family funeral, ...</source>
        <translation>Ingreso hospitalario, funeral familiar, ...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Student:</source>
        <translation>&amp;Alumno:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Código:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Motivo:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>School Days</source>
        <translation>Días lectivos</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>&amp;Cancel Selected Plans</source>
        <translation>&amp;Cancelar las previstas elegidas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (por %2)</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>No se ha añadido nada.</translation>
    </message>
    <message>
        <source>Choose the student first.</source>
        <translation>Elija primero el alumno.</translation>
    </message>
    <message>
        <source>The first day is after the last.</source>
        <translation>El primer día es posterior al último.</translation>
    </message>
    <message>
        <source>There is no school day from %1 to %2.</source>
        <translation>No hay ningún día lectivo del %1 al %2.</translation>
    </message>
    <message numerus="yes">
        <source>Cancel %n planned absences? Marks already saved from them stay as they were saved.</source>
        <translation>
            <numerusform>¿Cancelar %n ausencia prevista? Las marcas ya guardadas siguen como se guardaron.</numerusform>
            <numerusform>¿Cancelar %n ausencias previstas? Las marcas ya guardadas siguen como se guardaron.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>%1: &quot;%2&quot; is not a day written yyyy-MM-dd</source>
        <translation>%1: «%2» no es una fecha con la forma yyyy-MM-dd</translation>
    </message>
    <message>
        <source>%1: a value is missing</source>
        <translation>%1: falta un valor</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1: no admite ningún valor</translation>
    </message>
    <message>
        <source>--class-id: &quot;%1&quot; is not a class id (a whole number above 0)</source>
        <translation>--class-id: «%1» no es un identificador de clase (un número entero mayor que 0)</translation>
    </message>
    <message>
        <source>--threshold: &quot;%1&quot; is not a percentage from 0 to 100</source>
        <translation>--threshold: «%1» no es un porcentaje de 0 a 100</translation>
    </message>
    <message>
        <source>--run: &quot;%1&quot; is not a number of days (1 or more)</source>
        <translation>--run: «%1» no es un número de días (1 o más)</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not one of text, csv and pdf</source>
        <translation>--format: «%1» no es text, csv ni pdf</translation>
    </message>
    <message>
        <source>--output: the file name is empty</source>
        <translation>--output: el nombre del archivo está vacío</translation>
    </message>
    <message>
        <source>%1: not an option of rollvane-report (see --help)</source>
        <translation>%1: no es una opción de rollvane-report (consulte --help)</translation>
    </message>
    <message>
        <source>%1: only one report at a time</source>
        <translation>%1: solo se puede pedir un informe cada vez</translation>
    </message>
    <message>
        <source>--class, --class-id, --all: choose one of them</source>
        <translation>--class, --class-id, --all: elija solo una de ellas</translation>
    </message>
    <message>
        <source>--date: only the missing report looks at one day</source>
        <translation>--date: solo el informe missing examina un único día</translation>
    </message>
    <message>
        <source>--date: give either one day or --from and --to, not both</source>
        <translation>--date: indique un solo día o bien --from y --to, pero no ambas cosas</translation>
    </message>
    <message>
        <source>%1: only the alerts report takes it</source>
        <translation>%1: solo lo admite el informe alerts</translation>
    </message>
    <message>
        <source>--from: %1 is after the last day, %2</source>
        <translation>--from: %1 es posterior al último día, %2</translation>
    </message>
    <message>
        <source>--class-id: the register has no class with id %1</source>
        <translation>--class-id: el registro no tiene ninguna clase con el identificador %1</translation>
    </message>
    <message>
        <source>--class: several classes are named &quot;%1&quot;; use --class-id</source>
        <translation>--class: hay varias clases con el nombre «%1»; use --class-id</translation>
    </message>
    <message>
        <source>--class: the register has no class named &quot;%1&quot;</source>
        <translation>--class: el registro no tiene ninguna clase llamada «%1»</translation>
    </message>
    <message>
        <source>--output: %1 could not be written: %2</source>
        <translation>--output: no se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>--output: %1 is one of the register&apos;s own files (the register, its journal or lock, the template or a backup); choose another file</source>
        <translation>--output: %1 es uno de los archivos propios del registro (el registro, su diario o su bloqueo, la plantilla o una copia de seguridad); elija otro archivo</translation>
    </message>
    <message>
        <source>Usage: rollvane-report summary|sheet|missing|alerts|census [options]
Reads the attendance register, without changing it, and writes a report.

  --class NAME          one class, by its name
  --class-id N          one class, by its id
  --all                 every class (the default)
  --from yyyy-MM-dd     the first day (default: 1 September of this school year)
  --to yyyy-MM-dd       the last day (default: today)
  --date yyyy-MM-dd     missing: the one day to look at (default: today, unless
                        --from or --to asks for every school day of a range)
  --threshold PERCENT   alerts: attendance at or below this (default 90)
  --run DAYS            alerts: absent this many marked days running (default 3)
  --persistent          alerts: only persistent absence (10 % of possible sessions
                        missed or more) and severe absence (half or more)
  --format text|csv|pdf the form of the report (default text)
  --output FILE         write the report to FILE instead of standard output
  --help                show this text
  --version             show the version

Exit status: 0 done, 2 a bad argument, 3 the register is missing, unreadable or damaged.
</source>
        <translation>Uso: rollvane-report summary|sheet|missing|alerts|census [opciones]
Lee el registro de asistencia, sin modificarlo, y escribe un informe.

  --class NOMBRE          una clase, por su nombre
  --class-id N            una clase, por su identificador
  --all                   todas las clases (predeterminado)
  --from yyyy-MM-dd       el primer día (predeterminado: 1 de septiembre
                          de este curso escolar)
  --to yyyy-MM-dd         el último día (predeterminado: hoy)
  --date yyyy-MM-dd       missing: el único día que se examina
                          (predeterminado: hoy, salvo que --from o --to
                          pidan todos los días lectivos de un intervalo)
  --threshold PORCENTAJE  alerts: asistencia igual o inferior a este valor
                          (predeterminado: 90)
  --run DÍAS              alerts: ausente este número de días marcados
                          seguidos (predeterminado: 3)
  --persistent            alerts: solo absentismo persistente (10 % de las
                          sesiones posibles o más) y grave (la mitad o más)
  --format text|csv|pdf   el formato del informe (predeterminado: text)
  --output ARCHIVO        escribe el informe en ARCHIVO en lugar de
                          en la salida estándar
  --help                  muestra este texto
  --version               muestra la versión

Código de salida: 0 correcto, 2 argumento incorrecto, 3 el registro no existe,
no se puede leer o está dañado.
</translation>
    </message>
    <message>
        <source>%1: not a report; choose summary, sheet, missing, alerts or census</source>
        <translation>%1: no es un informe; elija summary, sheet, missing, alerts o census</translation>
    </message>
    <message>
        <source>no report named; choose summary, sheet, missing, alerts or census (see --help)</source>
        <translation>no se ha indicado ningún informe; elija summary, sheet, missing, alerts o census (consulte --help)</translation>
    </message>
    <message>
        <source>--persistent: the rule is fixed; leave out --threshold and --run</source>
        <translation>--persistent: la regla es fija; omita --threshold y --run</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Attendance % per marked day</source>
        <translation>% de asistencia por día marcado</translation>
    </message>
    <message>
        <source>Attendance %</source>
        <translation>% de asistencia</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Marks per week</source>
        <translation>Marcas por semana</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otras</translation>
    </message>
    <message>
        <source>Week beginning</source>
        <translation>Inicio de la semana</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2. Nothing was saved.</source>
        <translation>No se ha podido escribir el archivo %1: %2. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Impreso el %1</translation>
    </message>
    <message>
        <source>Attendance Register</source>
        <translation>Registro de asistencia</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Nothing to show for these choices.</source>
        <translation>No hay nada que mostrar con estas opciones.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Register Sheet</source>
        <translation>Hoja de asistencia</translation>
    </message>
    <message>
        <source>Registers Not Taken</source>
        <translation>Listas sin pasar</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>All Classes</source>
        <translation>Todas las clases</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>This School Year</source>
        <translation>Este curso escolar</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Days
Marked</source>
        <translation>Días
marcados</translation>
    </message>
    <message>
        <source>Days in the range on which the student has a saved mark</source>
        <translation>Días del periodo en los que el alumno tiene una marca guardada</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Tarde</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Excused</source>
        <translation>Justificado</translation>
    </message>
    <message>
        <source>Marks with a word other than Present, Late, Absent and Excused</source>
        <translation>Marcas con una palabra distinta de Presente, Tarde, Ausente y Justificado</translation>
    </message>
    <message>
        <source>Attendance
%</source>
        <translation>Asistencia
%</translation>
    </message>
    <message>
        <source>Longest
Absence Run</source>
        <translation>Racha de ausencia
más larga</translation>
    </message>
    <message>
        <source>Current
Absence Run</source>
        <translation>Racha de ausencia
actual</translation>
    </message>
    <message>
        <source>Other words: %1</source>
        <translation>Otras palabras: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total (%n students)</source>
        <translation>
            <numerusform>Total (%n alumno)</numerusform>
            <numerusform>Total (%n alumnos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message numerus="yes">
        <source>Absent %n marked days running</source>
        <translation>
            <numerusform>Ausente %n día marcado</numerusform>
            <numerusform>Ausente %n días marcados seguidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Old Status</source>
        <translation>Estado anterior</translation>
    </message>
    <message>
        <source>New Status</source>
        <translation>Estado nuevo</translation>
    </message>
    <message>
        <source>Old Remark</source>
        <translation>Observación anterior</translation>
    </message>
    <message>
        <source>New Remark</source>
        <translation>Observación nueva</translation>
    </message>
    <message>
        <source>Changed By</source>
        <translation>Cambiado por</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Changed At</source>
        <translation>Fecha del cambio</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marcados</translation>
    </message>
    <message>
        <source>Present or Late</source>
        <translation>Presente o Tarde</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>N.º de alumno</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Day&apos;s Notes</source>
        <translation>Notas del día</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>School days per the school calendar: %1</source>
        <translation>Días lectivos según el calendario escolar: %1</translation>
    </message>
    <message>
        <source>School days per the calendar %1: %2</source>
        <translation>Días lectivos según el calendario %1: %2</translation>
    </message>
    <message>
        <source>School
Days</source>
        <translation>Días
lectivos</translation>
    </message>
    <message>
        <source>School days of the range up to today, per the calendar</source>
        <translation>Días lectivos del intervalo hasta hoy, según el calendario</translation>
    </message>
    <message>
        <source>Not
Recorded</source>
        <translation>Sin
registrar</translation>
    </message>
    <message>
        <source>School days without a mark for the student</source>
        <translation>Días lectivos sin marca para el alumno</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>La semana pasada</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>El mes pasado</translation>
    </message>
    <message>
        <source>This Term</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Last Term</source>
        <translation>El trimestre pasado</translation>
    </message>
    <message>
        <source>Left out, as no row has any: %1</source>
        <translation>Omitidas, pues ninguna fila tiene: %1</translation>
    </message>
    <message>
        <source>Census</source>
        <translation>Censo</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n possible sessions attended</source>
        <translation>
            <numerusform>%1 de %n sesión posible asistida</numerusform>
            <numerusform>%1 de %n sesiones posibles asistidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Posibles</translation>
    </message>
    <message>
        <source>Marks that count as possible sessions: all but codes not counted</source>
        <translation>Marcas que cuentan como sesiones posibles: todas salvo los códigos no contados</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>Autorizadas</translation>
    </message>
    <message>
        <source>Approved educational activity, which counts as present</source>
        <translation>Actividad educativa autorizada, que cuenta como presente</translation>
    </message>
    <message>
        <source>Authorised</source>
        <translation>Justificadas</translation>
    </message>
    <message>
        <source>Authorised absence: Excused and every code of that category</source>
        <translation>Ausencia justificada: Justificado y cada código de esa categoría</translation>
    </message>
    <message>
        <source>Unauthorised</source>
        <translation>Injustificadas</translation>
    </message>
    <message>
        <source>Unauthorised absence: Absent and every code of that category</source>
        <translation>Ausencia injustificada: Ausente y cada código de esa categoría</translation>
    </message>
    <message>
        <source>Not
Counted</source>
        <translation>No
contadas</translation>
    </message>
    <message>
        <source>Codes that make no possible session (X, Y, Z, #)</source>
        <translation>Códigos sin sesión posible (X, Y, Z, #)</translation>
    </message>
    <message>
        <source>Present, late and approved activity / possible sessions; exact figures on hover</source>
        <translation>Presente, tarde y actividad autorizada / sesiones posibles; cifras exactas al pasar el ratón</translation>
    </message>
    <message>
        <source>Late
minutes</source>
        <translation>Minutos
de retraso</translation>
    </message>
    <message>
        <source>The minutes late of every Late mark, summed</source>
        <translation>Los minutos de retraso de cada marca Tarde, sumados</translation>
    </message>
    <message>
        <source>The most consecutive marked days missed (absent, excused or any absence code)</source>
        <translation>El mayor número de días marcados seguidos perdidos (ausente, justificado o cualquier código de ausencia)</translation>
    </message>
    <message>
        <source>Consecutive marked days missed up to the last one</source>
        <translation>Días marcados seguidos perdidos hasta el último</translation>
    </message>
    <message>
        <source>Severe absence: missed half the possible sessions or more</source>
        <translation>Absentismo grave: perdió la mitad de las sesiones posibles o más</translation>
    </message>
    <message>
        <source>Persistent absence: missed %1 % or more of the possible sessions</source>
        <translation>Absentismo persistente: perdió el %1 % o más de las sesiones posibles</translation>
    </message>
    <message>
        <source>Missed %1 % or more of the possible sessions</source>
        <translation>Perdió el %1 % o más de las sesiones posibles</translation>
    </message>
    <message>
        <source>Attended</source>
        <translation>Asistidas</translation>
    </message>
    <message>
        <source>Words without a category</source>
        <translation>Palabras sin categoría</translation>
    </message>
    <message>
        <source>Attended of possible</source>
        <translation>Asistidas de posibles</translation>
    </message>
    <message>
        <source>Late minutes</source>
        <translation>Minutos de retraso</translation>
    </message>
    <message>
        <source>Sessions in the range (morning and afternoon) in which the student has a saved mark</source>
        <translation>Sesiones del periodo (mañana y tarde) en las que el alumno tiene una marca guardada</translation>
    </message>
    <message>
        <source>School
Sessions</source>
        <translation>Sesiones
lectivas</translation>
    </message>
    <message>
        <source>Morning and afternoon sessions of the school days of the range up to today, per the calendar</source>
        <translation>Sesiones de mañana y tarde de los días lectivos del periodo hasta hoy, según el calendario</translation>
    </message>
    <message>
        <source>School sessions without a mark for the student</source>
        <translation>Sesiones lectivas sin marca para el alumno</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>T</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Changed after it was first saved; the History view shows how and why</source>
        <translation>Cambiada después de guardarse por primera vez; la vista Historial muestra cómo y por qué</translation>
    </message>
    <message>
        <source>%1 a mark changed after it was first saved (see the History view)</source>
        <translation>%1 una marca cambiada después de guardarse por primera vez (vea el Historial)</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>The register was left as it is.</source>
        <translation>El registro se ha dejado tal como está.</translation>
    </message>
    <message>
        <source>Checking the backup of %1…</source>
        <translation>Comprobando la copia de seguridad del %1…</translation>
    </message>
    <message>
        <source>The backup of %1 cannot be restored: %2<byte value="xd"/>
%3</source>
        <translation>La copia de seguridad del %1 no se puede restaurar: %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged, so it cannot be restored. SQLite&apos;s check found:<byte value="xd"/>
%2<byte value="xd"/>
%3</source>
        <translation>La copia de seguridad del %1 está dañada, así que no se puede restaurar. La comprobación de SQLite ha encontrado:<byte value="xd"/>
%2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Rollvane is running elsewhere on this computer (another user, or another window), with the register open. Ask for it to be closed, then restore again.<byte value="xd"/>
%1</source>
        <translation>Rollvane se está ejecutando en otro lugar de este equipo (otro usuario u otra ventana) con el registro abierto. Pida que lo cierren y vuelva a restaurar.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The register&apos;s folder %1 cannot be written by you, so the register cannot be replaced. Ask the administrator to make it writable for the users who share the register.<byte value="xd"/>
%2</source>
        <translation>Usted no puede escribir en la carpeta del registro %1, así que el registro no se puede sustituir. Pida al administrador que permita escribir en ella a los usuarios que comparten el registro.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Replace the register with the backup of %1?<byte value="xd"/>
<byte value="xd"/>
The backup holds %2, %3 and %4. The register as it is now is backed up first, so that this restore can be undone.</source>
        <translation>¿Sustituir el registro por la copia de seguridad del %1?<byte value="xd"/>
<byte value="xd"/>
La copia contiene %2, %3 y %4. Antes se hace una copia de seguridad del registro tal como está ahora, para que esta restauración se pueda deshacer.</translation>
    </message>
    <message numerus="yes">
        <source>%n class(es)</source>
        <translation>
            <numerusform>%n clase</numerusform>
            <numerusform>%n clases</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n alumno</numerusform>
            <numerusform>%n alumnos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s)</source>
        <translation>
            <numerusform>%n marca</numerusform>
            <numerusform>%n marcas</numerusform>
        </translation>
    </message>
    <message>
        <source>Backing up the register as it is now…</source>
        <translation>Haciendo una copia de seguridad del registro tal como está ahora…</translation>
    </message>
    <message>
        <source>The register as it is now could not be backed up, so it was not replaced: %1<byte value="xd"/>
%2</source>
        <translation>No se ha podido hacer una copia de seguridad del registro tal como está ahora, así que no se ha sustituido: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Restoring the backup of %1…</source>
        <translation>Restaurando la copia de seguridad del %1…</translation>
    </message>
    <message>
        <source>The register was not replaced: %1</source>
        <translation>El registro no se ha sustituido: %1</translation>
    </message>
    <message>
        <source>The register now holds the backup of %1.<byte value="xd"/>
What it held before is kept as the backup %2; restore that one to undo this.</source>
        <translation>El registro contiene ahora la copia de seguridad del %1.<byte value="xd"/>
Lo que contenía antes se conserva como la copia %2; restaure esa copia para deshacer este cambio.</translation>
    </message>
</context>
<context>
    <name>SchoolCalendar</name>
    <message>
        <source>School year</source>
        <translation>Curso escolar</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Trimestre</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Vacaciones</translation>
    </message>
    <message>
        <source>Closure</source>
        <translation>Cierre</translation>
    </message>
    <message>
        <source>Training day</source>
        <translation>Día de formación</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Fin de semana</translation>
    </message>
    <message>
        <source>Outside the terms</source>
        <translation>Fuera de los trimestres</translation>
    </message>
    <message>
        <source>Between school years</source>
        <translation>Entre dos cursos</translation>
    </message>
</context>
<context>
    <name>SessionsWindow</name>
    <message>
        <source>&amp;One register a day</source>
        <translation>&amp;Un registro al día</translation>
    </message>
    <message>
        <source>&amp;Two registers a day: the morning&apos;s and the afternoon&apos;s</source>
        <translation>&amp;Dos registros al día: el de la mañana y el de la tarde</translation>
    </message>
    <message>
        <source>The afternoon&apos;s register opens &amp;from:</source>
        <translation>El registro de la tarde se abre &amp;desde:</translation>
    </message>
    <message>
        <source>With two, the main window shows Morning or Afternoon beside the date, picked by the clock, and every figure counts sessions: a day holds two.</source>
        <translation>Con dos, la ventana principal muestra Mañana o Tarde junto a la fecha, elegida según la hora, y cada cifra cuenta sesiones: un día tiene dos.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The registers already taken were taken once a day.<byte value="xd"/>
<byte value="xd"/>
Yes: count each of them as both the morning&apos;s and the afternoon&apos;s (the school took one register for the whole day).<byte value="xd"/>
No: count them as the mornings&apos; only; the afternoons before today stay unrecorded.</source>
        <translation>Los registros ya tomados se tomaron una vez al día.<byte value="xd"/>
<byte value="xd"/>
Sí: cada uno cuenta como el de la mañana y el de la tarde (la escuela tomaba un registro para todo el día).<byte value="xd"/>
No: cuentan solo como los de la mañana; las tardes anteriores a hoy quedan sin registrar.</translation>
    </message>
    <message>
        <source>Two Registers a Day</source>
        <translation>Dos registros al día</translation>
    </message>
    <message>
        <source>Register Rules</source>
        <translation>Reglas del registro</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source> school days after its day</source>
        <translation> días lectivos después de su día</translation>
    </message>
    <message>
        <source>&amp;Close each register:</source>
        <translation>&amp;Cerrar cada registro:</translation>
    </message>
    <message>
        <source>log-in names, separated by commas</source>
        <translation>nombres de inicio de sesión, separados por comas</translation>
    </message>
    <message>
        <source>&amp;Who may still change it:</source>
        <translation>&amp;Quién puede cambiarlo todavía:</translation>
    </message>
    <message>
        <source>A closed register keeps the marks that were reported; changing one then needs one of these accounts, and a reason, as every change of an earlier day does.</source>
        <translation>Un registro cerrado conserva las marcas declaradas; cambiarlo requiere entonces una de estas cuentas, y un motivo, como todo cambio de un día anterior.</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <source>The skin file %1 has no part named %2.</source>
        <translation>El archivo de apariencia %1 no tiene ninguna parte llamada %2.</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de apariencia %1: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is too large to be a skin.</source>
        <translation>El archivo de apariencia %1 es demasiado grande para ser una apariencia.</translation>
    </message>
    <message>
        <source>The skin file %1 is not UTF-8 text.</source>
        <translation>El archivo de apariencia %1 no es texto UTF-8.</translation>
    </message>
    <message>
        <source>The skin file %1 is not a style sheet that can be read.</source>
        <translation>El archivo de apariencia %1 no es una hoja de estilo legible.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Rollvane keeps a school&apos;s daily attendance register.</source>
        <translation>Rollvane lleva el registro diario de asistencia de un centro escolar.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe «%1 --help» para obtener más información.</translation>
    </message>
    <message>
        <source>Rollvane needs a graphical desktop, and none was found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Rollvane necesita un escritorio gráfico y no se ha encontrado ninguno (no está definido DISPLAY ni WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Present</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Tarde</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Excused</source>
        <translation>Justificado</translation>
    </message>
</context>
<context>
    <name>StudentCard</name>
    <message>
        <source>Double Click To Change The Status</source>
        <translation>Haga doble clic para cambiar el estado</translation>
    </message>
    <message>
        <source>%1
Remark: %2</source>
        <translation>%1
Observación: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Remark: %1</source>
        <translation>Observación: %1</translation>
    </message>
    <message>
        <source>%1 %2′</source>
        <translation>%1 %2′</translation>
    </message>
</context>
<context>
    <name>StudentEditor</name>
    <message>
        <source>Add Student</source>
        <translation>Añadir alumno</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Nombre del alumno</translation>
    </message>
    <message>
        <source>Student Image</source>
        <translation>Foto del alumno</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No class was chosen for the new student.</source>
        <translation>No se ha elegido ninguna clase para el nuevo alumno.</translation>
    </message>
    <message>
        <source>The student no longer exists; nothing was written.</source>
        <translation>El alumno ya no existe; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>This name cannot be saved: %1.</source>
        <translation>Este nombre no se puede guardar: %1.</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>from</source>
        <translation>desde</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>el principio</translation>
    </message>
</context>
<context>
    <name>StudentImport</name>
    <message>
        <source>the photo %1 is not given relative to the spreadsheet&apos;s folder</source>
        <translation>la foto %1 no se indica con una ruta relativa a la carpeta de la hoja de cálculo</translation>
    </message>
    <message>
        <source>the photo %1 lies outside the spreadsheet&apos;s folder</source>
        <translation>la foto %1 está fuera de la carpeta de la hoja de cálculo</translation>
    </message>
    <message>
        <source>the photo %1 was not found</source>
        <translation>no se ha encontrado la foto %1</translation>
    </message>
    <message>
        <source>the photo %1 is not a file</source>
        <translation>la foto %1 no es un archivo</translation>
    </message>
    <message>
        <source>the photo %1 %2</source>
        <translation>la foto %1 %2</translation>
    </message>
    <message>
        <source>is too large (%1 MB; up to %2 MB can be stored)</source>
        <translation>es demasiado grande (%1 MB; se pueden guardar hasta %2 MB)</translation>
    </message>
    <message>
        <source>is not a picture Rollvane can read</source>
        <translation>no es una imagen que Rollvane pueda leer</translation>
    </message>
    <message>
        <source>is too large (%1 by %2 pixels)</source>
        <translation>es demasiado grande (%1 × %2 píxeles)</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>No se ha podido leer el archivo %1.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of students (%2 MB).</source>
        <translation>El archivo %1 es demasiado grande para ser una lista de alumnos (%2 MB).</translation>
    </message>
    <message>
        <source>The file %1 holds no rows.</source>
        <translation>El archivo %1 no contiene ninguna fila.</translation>
    </message>
    <message>
        <source>The first line names the column %1 twice.</source>
        <translation>La primera línea nombra dos veces la columna %1.</translation>
    </message>
    <message>
        <source>no class and no name</source>
        <translation>sin clase ni nombre</translation>
    </message>
    <message>
        <source>no class</source>
        <translation>sin clase</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>listed already on line %1</source>
        <translation>ya aparece en la línea %1</translation>
    </message>
    <message>
        <source>already in the class</source>
        <translation>ya está en la clase</translation>
    </message>
    <message>
        <source>read as Windows-1252: byte %1 of line %2 (0x%3) is not UTF-8</source>
        <translation>leído como Windows-1252: el byte %1 de la línea %2 (0x%3) no es UTF-8</translation>
    </message>
    <message>
        <source>class: %1</source>
        <translation>clase: %1</translation>
    </message>
    <message>
        <source>The first line of the file must name a class column (Class, Form or Tutor group) and the students&apos; names (Name, or First name and Last name), and Photo if there are photos. It names: %1.</source>
        <translation>La primera línea del archivo debe nombrar una columna de clase (Clase o Curso) y los nombres de los alumnos (Nombre completo, o Nombre y Apellidos), y Foto si hay fotos. Nombra estas: %1.</translation>
    </message>
</context>
<context>
    <name>backup::BackupsWindow</name>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>A backup of the register is taken each day, at the first save. The last %1 daily backups and the first of each of the last %2 months are kept, in %3.</source>
        <translation>Cada día se hace una copia de seguridad del registro, la primera vez que se guarda. Se conservan las últimas %1 copias diarias y la primera de cada uno de los últimos %2 meses, en %3.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Clases</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Copiar ahora</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restaurar…</translation>
    </message>
    <message>
        <source>Check Register</source>
        <translation>Comprobar registro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Stored date</source>
        <translation>Fecha guardada</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The register is kept on a database server (%1). Its backups are kept by the server&apos;s administrator (with pg_dump), so this program takes none and restores none.

You can export a copy of the register as a register file, to keep or to open elsewhere.</source>
        <translation>El registro se guarda en un servidor de bases de datos (%1). De sus copias de seguridad se encarga el administrador del servidor (con pg_dump), así que este programa no hace ni restaura ninguna.

Puede exportar una copia del registro como archivo de registro, para guardarla o para abrirla en otro lugar.</translation>
    </message>
    <message>
        <source>Export Register…</source>
        <translation>Exportar registro…</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>Backing up the register…</source>
        <translation>Haciendo la copia de seguridad del registro…</translation>
    </message>
    <message>
        <source>The register was backed up as %1.</source>
        <translation>Se ha guardado una copia de seguridad del registro como %1.</translation>
    </message>
    <message>
        <source>Pick the backup to restore first.</source>
        <translation>Elija primero la copia de seguridad que quiere restaurar.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Checking the register…</source>
        <translation>Comprobando el registro…</translation>
    </message>
    <message>
        <source>The register is sound.</source>
        <translation>El registro está en buen estado.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… y %n más.</numerusform>
            <numerusform>… y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>The register is damaged. SQLite&apos;s check found:<byte value="xd"/>
%1</source>
        <translation>El registro está dañado. La comprobación de SQLite ha encontrado:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Restore the newest backup, of %1 (a restore checks the backup first); marks saved since then have to be taken again.</source>
        <translation>Restaure la copia de seguridad más reciente, del %1 (al restaurar, primero se comprueba la copia); las marcas guardadas desde entonces tendrán que volver a anotarse.</translation>
    </message>
    <message>
        <source>There is no backup to restore. Keep a copy of the register&apos;s file and ask for help: %1</source>
        <translation>No hay ninguna copia de seguridad que restaurar. Guarde una copia del archivo del registro y pida ayuda: %1</translation>
    </message>
    <message>
        <source>(student %1, deleted)</source>
        <translation>(alumno %1, eliminado)</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(sin fecha)</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read, so they are shown on no day; the first %1 are listed.</source>
        <translation>
            <numerusform>%n marca tiene una fecha que Rollvane no puede leer, así que no se muestra en ningún día; aparecen aquí las primeras %1.</numerusform>
            <numerusform>%n marcas tienen una fecha que Rollvane no puede leer, así que no se muestran en ningún día; aparecen aquí las primeras %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read, so they are shown on no day:</source>
        <translation>
            <numerusform>%n marca tiene una fecha que Rollvane no puede leer, así que no se muestra en ningún día:</numerusform>
            <numerusform>%n marcas tienen una fecha que Rollvane no puede leer, así que no se muestran en ningún día:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read; they are listed in the Backups window.</source>
        <translation>
            <numerusform>%n marca tiene una fecha que Rollvane no puede leer; aparece en la ventana Copias de seguridad.</numerusform>
            <numerusform>%n marcas tienen una fecha que Rollvane no puede leer; aparecen en la ventana Copias de seguridad.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Register</source>
        <translation>Exportar registro</translation>
    </message>
    <message>
        <source>Rollvane Register (*.mdb)|*.mdb|</source>
        <translation>Registro de Rollvane (*.mdb)|*.mdb|</translation>
    </message>
    <message>
        <source>Exporting the register…</source>
        <translation>Exportando el registro…</translation>
    </message>
    <message>
        <source>The register could not be exported: %1</source>
        <translation>No se ha podido exportar el registro: %1</translation>
    </message>
    <message>
        <source>The register was exported to %1.</source>
        <translation>El registro se ha exportado a %1.</translation>
    </message>
    <message>
        <source>The register was not backed up: %1</source>
        <translation>No se hizo copia de seguridad del registro: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) have more than one mark stored for one day. Keep the most recently changed mark of each, and record the others in the history?</source>
        <translation>
            <numerusform>%n alumno tiene más de una marca guardada para un mismo día. ¿Conservar la modificada más recientemente de cada uno y anotar las demás en el historial?</numerusform>
            <numerusform>%n alumnos tienen más de una marca guardada para un mismo día. ¿Conservar la modificada más recientemente de cada uno y anotar las demás en el historial?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) stored twice were removed; the history keeps what they said.</source>
        <translation>
            <numerusform>Se quitó %n marca guardada dos veces; el historial conserva lo que decía.</numerusform>
            <numerusform>Se quitaron %n marcas guardadas dos veces; el historial conserva lo que decían.</numerusform>
        </translation>
    </message>
    <message>
        <source>The marks stored twice were left as they are: %1</source>
        <translation>Las marcas guardadas dos veces se dejaron como estaban: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) are stored at full size, as earlier versions stored them. Converting them (rollvane-admin compact-photos, after a backup it takes itself) would make the register and each backup about %1 MB smaller.</source>
        <translation>
            <numerusform>%n foto está guardada a tamaño completo, como la guardaban las versiones anteriores. Convertirla (rollvane-admin compact-photos, tras una copia de seguridad que hace él mismo) reduciría el registro y cada copia en unos %1 MB.</numerusform>
            <numerusform>%n fotos están guardadas a tamaño completo, como las guardaban las versiones anteriores. Convertirlas (rollvane-admin compact-photos, tras una copia de seguridad que hace él mismo) reduciría el registro y cada copia en unos %1 MB.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>calendar::SchoolCalendarWindow</name>
    <message>
        <source>School Calendar</source>
        <translation>Calendario escolar</translation>
    </message>
    <message>
        <source>◀ &amp;Previous Year</source>
        <translation>◀ Año &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Year ▶</source>
        <translation>Año &amp;siguiente ▶</translation>
    </message>
    <message>
        <source>School day</source>
        <translation>Día lectivo</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Fin de semana</translation>
    </message>
    <message>
        <source>&amp;Entries of this year:</source>
        <translation>&amp;Entradas de este año:</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Half-term holiday</source>
        <translation>Vacaciones de otoño</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>No&amp;mbre:</translation>
    </message>
    <message>
        <source>Click a day in the months to choose it; Shift+click another to make a range.</source>
        <translation>Haga clic en un día para elegirlo; Mayús+clic en otro para formar un intervalo.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Cambiar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>An iCalendar file (.ics) or a CSV of From,To,Name, as a local authority publishes them</source>
        <translation>Un archivo iCalendar (.ics) o un CSV Desde,Hasta,Nombre, como los publican las administraciones educativas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>School year %1</source>
        <translation>Curso %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>The last day (%1) is before the first (%2). Choose a last day on or after the first.</source>
        <translation>El último día (%1) es anterior al primero (%2). Elija un último día igual o posterior al primero.</translation>
    </message>
    <message>
        <source>The calendar already holds “%1” on these days.</source>
        <translation>El calendario ya contiene «%1» en estos días.</translation>
    </message>
    <message>
        <source>This entry was removed on another computer meanwhile; nothing was changed.</source>
        <translation>Esta entrada se quitó entretanto en otro ordenador; no se cambió nada.</translation>
    </message>
    <message>
        <source>Remove “%1” (%2 to %3) from the school calendar?</source>
        <translation>¿Quitar «%1» (del %2 al %3) del calendario escolar?</translation>
    </message>
    <message>
        <source>Import School Calendar</source>
        <translation>Importar calendario escolar</translation>
    </message>
    <message>
        <source>Calendar files (*.ics;*.csv)|*.ics;*.csv|iCalendar files (*.ics)|*.ics|CSV files (*.csv)|*.csv|</source>
        <translation>Archivos de calendario (*.ics;*.csv)|*.ics;*.csv|Archivos iCalendar (*.ics)|*.ics|Archivos CSV (*.csv)|*.csv|</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n entry(s) (%1), from %2 to %3.</source>
        <translation>
            <numerusform>El archivo contiene %n entrada (%1), del %2 al %3.</numerusform>
            <numerusform>El archivo contiene %n entradas (%1), del %2 al %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Omitido:</translation>
    </message>
    <message>
        <source>Add them to the school calendar? Entries it already holds are not added again.</source>
        <translation>¿Añadirlas al calendario escolar? Las entradas que ya contiene no se añaden de nuevo.</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) added to the school calendar.</source>
        <translation>
            <numerusform>%n entrada añadida al calendario escolar.</numerusform>
            <numerusform>%n entradas añadidas al calendario escolar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n it already held.</source>
        <translation>
            <numerusform>%n ya estaba.</numerusform>
            <numerusform>%n ya estaban.</numerusform>
        </translation>
    </message>
</context>
</TS>
