<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CardArea</name>
    <message>
        <source>The scroll bar of the card area was not created.</source>
        <translation>No se ha creado la barra de desplazamiento de la zona de fichas.</translation>
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
        <source>The file %1 cannot be used as the register: %2</source>
        <translation>El archivo %1 no se puede usar como registro: %2</translation>
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
        <source>The register %1 is an empty file, not a Rollvane register. It has been left as it is.</source>
        <translation>El registro %1 es un archivo vacío, no un registro de Rollvane. Se ha dejado tal como está.</translation>
    </message>
    <message>
        <source>The file %1 is not a Rollvane register (it is not a database file). It has been left as it is.</source>
        <translation>El archivo %1 no es un registro de Rollvane (no es un archivo de base de datos). Se ha dejado tal como está.</translation>
    </message>
    <message>
        <source>The register %1 is not a regular file (it is a pipe, a socket or a device), so it cannot be a register. It has been left as it is.</source>
        <translation>El registro %1 no es un archivo normal (es una tubería, un socket o un dispositivo), así que no puede ser un registro. Se ha dejado tal como está.</translation>
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
</context>
<context>
    <name>MainWindow</name>
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
    <message numerus="yes">
        <source>%n mark(s) in the register have a date that Rollvane cannot read, so they are not shown on any day. The register check (Setup, Backups, Check Register) lists them.</source>
        <translation>
            <numerusform>%n marca del registro tiene una fecha que Rollvane no puede leer, así que no aparece en ningún día. La comprobación del registro (Configuración, Copias de seguridad, Comprobar registro) la muestra.</numerusform>
            <numerusform>%n marcas del registro tienen una fecha que Rollvane no puede leer, así que no aparecen en ningún día. La comprobación del registro (Configuración, Copias de seguridad, Comprobar registro) las muestra.</numerusform>
        </translation>
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
</context>
</TS>
