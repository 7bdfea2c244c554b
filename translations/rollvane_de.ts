<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CardArea</name>
    <message>
        <source>The scroll bar of the card area was not created.</source>
        <translation>Die Bildlaufleiste des Kartenbereichs wurde nicht angelegt.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The register could not be brought up to this version of Rollvane when it was opened, so nothing can be written to it. Nothing was changed. (%1)</source>
        <translation>Die Anwesenheitsliste konnte beim Öffnen nicht an diese Version von Rollvane angepasst werden, daher kann nichts in sie geschrieben werden. Es wurde nichts geändert. (%1)</translation>
    </message>
    <message>
        <source>The register is open for reading only. Nothing was changed.</source>
        <translation>Die Anwesenheitsliste ist nur zum Lesen geöffnet. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The file %1 cannot be used as the register: %2</source>
        <translation>Die Datei %1 kann nicht als Anwesenheitsliste verwendet werden: %2</translation>
    </message>
    <message>
        <source>The register is not open, so nothing can be read or written.</source>
        <translation>Die Anwesenheitsliste ist nicht geöffnet, daher kann nichts gelesen oder geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>A template cannot be written while a register is open.</source>
        <translation>Eine Vorlage kann nicht geschrieben werden, während eine Anwesenheitsliste geöffnet ist.</translation>
    </message>
    <message>
        <source>You cannot use the register because your account is not in the group &quot;%1&quot;. Ask the administrator to run: adduser %2 %1</source>
        <translation>Sie können die Anwesenheitsliste nicht verwenden, weil Ihr Benutzerkonto nicht zur Gruppe „%1“ gehört. Bitten Sie den Administrator, diesen Befehl auszuführen: adduser %2 %1</translation>
    </message>
    <message>
        <source>The change takes effect at your next login.</source>
        <translation>Die Änderung gilt ab Ihrer nächsten Anmeldung.</translation>
    </message>
    <message>
        <source>This register was made by a newer version of Rollvane (schema %1); this version knows schema %2. Install the newer version to use it.</source>
        <translation>Diese Anwesenheitsliste wurde mit einer neueren Version von Rollvane angelegt (Schema %1); diese Version kennt Schema %2. Installieren Sie die neuere Version, um sie zu verwenden.</translation>
    </message>
    <message>
        <source>The register %1 could not be opened: %2</source>
        <translation>Die Anwesenheitsliste %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The register is in use by another user of this computer. Nothing was changed; please try again in a moment.</source>
        <translation>Die Anwesenheitsliste wird gerade von einem anderen Benutzer dieses Computers verwendet. Es wurde nichts geändert; bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The register cannot be changed: its file or folder is read-only for you. Nothing was changed; ask the administrator to make it writable.</source>
        <translation>Die Anwesenheitsliste kann nicht geändert werden: Ihre Datei oder ihr Ordner ist für Sie schreibgeschützt. Es wurde nichts geändert; bitten Sie den Administrator, Schreibzugriff einzurichten.</translation>
    </message>
    <message>
        <source>The disk holding the register is full. Nothing was changed; free some space and try again.</source>
        <translation>Der Datenträger mit der Anwesenheitsliste ist voll. Es wurde nichts geändert; schaffen Sie Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The register&apos;s file could not be written or read. Nothing was changed.</source>
        <translation>Die Datei der Anwesenheitsliste konnte nicht geschrieben oder gelesen werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The register&apos;s file %1 is damaged. It has been left as it is.</source>
        <translation>Die Datei %1 der Anwesenheitsliste ist beschädigt. Sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The database reported an error.</source>
        <translation>Die Datenbank hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The register %1 was not found.</source>
        <translation>Die Anwesenheitsliste %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The register %1 is a folder, not a file.</source>
        <translation>Die Anwesenheitsliste %1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The register %1 cannot be read: %2</source>
        <translation>Die Anwesenheitsliste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The register %1 is an empty file, not a Rollvane register. It has been left as it is.</source>
        <translation>Die Anwesenheitsliste %1 ist eine leere Datei, keine Anwesenheitsliste von Rollvane. Sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The file %1 is not a Rollvane register (it is not a database file). It has been left as it is.</source>
        <translation>Die Datei %1 ist keine Anwesenheitsliste von Rollvane (sie ist keine Datenbankdatei). Sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The register %1 is not a regular file (it is a pipe, a socket or a device), so it cannot be a register. It has been left as it is.</source>
        <translation>Die Anwesenheitsliste %1 ist keine gewöhnliche Datei (sondern eine Pipe, ein Socket oder ein Gerät) und kann daher keine Anwesenheitsliste sein. Sie wurde unverändert gelassen.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an </translation>
    </message>
    <message>
        <source>the school&apos;s administrator (no support address has been set on this computer)</source>
        <translation>den Administrator Ihrer Schule (auf diesem Computer ist keine Support-Adresse eingetragen)</translation>
    </message>
    <message>
        <source>Questions? Please contact your school&apos;s support at %1</source>
        <translation>Fragen? Bitte wenden Sie sich an die IT-Betreuung Ihrer Schule: %1</translation>
    </message>
    <message>
        <source>Questions? Please ask your school&apos;s administrator; no support address has been set on this computer.</source>
        <translation>Fragen? Bitte wenden Sie sich an den Administrator Ihrer Schule; auf diesem Computer ist keine Support-Adresse eingetragen.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programmfehler</translation>
    </message>
</context>
<context>
    <name>LookAndFeel</name>
    <message>
        <source>The pointer file %1 is not a cursor picture.</source>
        <translation>Die Zeigerdatei %1 ist kein Mauszeigerbild.</translation>
    </message>
</context>
<context>
    <name>MachineSettings</name>
    <message>
        <source>The settings file %1, line %2: %3</source>
        <translation>Die Einstellungsdatei %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>a section name must end with &quot;]&quot;.</source>
        <translation>Ein Abschnittsname muss mit „]“ enden.</translation>
    </message>
    <message>
        <source>there is no section &quot;%1&quot;; the sections are [register] and [support].</source>
        <translation>Einen Abschnitt „%1“ gibt es nicht; die Abschnitte heißen [register] und [support].</translation>
    </message>
    <message>
        <source>expected a line of the form key=value.</source>
        <translation>Erwartet wurde eine Zeile der Form Schlüssel=Wert (key=value).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands before any section.</source>
        <translation>„%1“ steht vor jedem Abschnitt.</translation>
    </message>
    <message>
        <source>passwords are never read from this file; put the password in the PostgreSQL password file (passfile, PGPASSFILE or ~/.pgpass).</source>
        <translation>Passwörter werden nie aus dieser Datei gelesen; tragen Sie das Passwort in die Passwortdatei von PostgreSQL ein (passfile, PGPASSFILE oder ~/.pgpass).</translation>
    </message>
    <message>
        <source>there is no setting &quot;%1&quot; in [%2].</source>
        <translation>In [%2] gibt es keine Einstellung „%1“.</translation>
    </message>
    <message>
        <source>the engine &quot;%1&quot; is not known; use engine=sqlite or engine=postgresql.</source>
        <translation>Die Datenbank „%1“ ist unbekannt; verwenden Sie engine=sqlite oder engine=postgresql.</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a port number.</source>
        <translation>Der Port „%1“ ist keine Portnummer.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read as settings.</source>
        <translation>Die Einstellungsdatei %1 kann nicht als Einstellungen gelesen werden.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The template register %1 was not found.</source>
        <translation>Die Vorlage der Anwesenheitsliste %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The template register could not be copied to %1: %2</source>
        <translation>Die Vorlage der Anwesenheitsliste konnte nicht nach %1 kopiert werden: %2</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>This class could not be listed, so none of its marks are shown and nothing can be saved for it. Pick the class again to try once more.</source>
        <translation>Diese Klasse konnte nicht aufgelistet werden; daher werden keine ihrer Einträge angezeigt und für sie kann nichts gespeichert werden. Wählen Sie die Klasse erneut, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>Additional Notes For This Day</source>
        <translation>Zusätzliche Notizen zu diesem Tag</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Setup Students / Classes</source>
        <translation>Schüler / Klassen einrichten</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) in the register have a date that Rollvane cannot read, so they are not shown on any day. The register check (Setup, Backups, Check Register) lists them.</source>
        <translation>
            <numerusform>%n Eintrag in der Anwesenheitsliste hat ein Datum, das Rollvane nicht lesen kann, und wird deshalb an keinem Tag angezeigt. Die Prüfung der Anwesenheitsliste (Einrichten, Sicherungen, Anwesenheitsliste prüfen) führt ihn auf.</numerusform>
            <numerusform>%n Einträge in der Anwesenheitsliste haben ein Datum, das Rollvane nicht lesen kann, und werden deshalb an keinem Tag angezeigt. Die Prüfung der Anwesenheitsliste (Einrichten, Sicherungen, Anwesenheitsliste prüfen) führt sie auf.</numerusform>
        </translation>
    </message>
    <message>
        <source>The attendance could not be saved.<byte value="xd"/>
Close without saving the changes?</source>
        <translation>Die Anwesenheit konnte nicht gespeichert werden.<byte value="xd"/>
Ohne Speichern der Änderungen schließen?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Your marks were not saved.<byte value="xd"/>
Close without saving them?</source>
        <translation>Ihre Einträge wurden nicht gespeichert.<byte value="xd"/>
Ohne Speichern schließen?</translation>
    </message>
    <message>
        <source>The photo of %1 could not be shown; the card has no photo. %2</source>
        <translation>Das Foto von %1 konnte nicht angezeigt werden; die Karte bleibt ohne Foto. %2</translation>
    </message>
    <message>
        <source>The photos of %1 and %2 other students could not be shown; their cards have no photo. %3</source>
        <translation>Die Fotos von %1 und %2 weiteren Schülern konnten nicht angezeigt werden; ihre Karten bleiben ohne Foto. %3</translation>
    </message>
    <message>
        <source>The register of %1 for %2 was changed by %3 on %4 at %5, after you opened it.</source>
        <translation>Die Anwesenheit von %1 am %2 wurde von %3 auf %4 geändert (Uhrzeit: %5), nachdem Sie sie geöffnet hatten.</translation>
    </message>
    <message>
        <source>someone</source>
        <translation>jemandem</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>einem anderen Computer</translation>
    </message>
    <message>
        <source>an unknown time</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>The register of %1 for %2 was changed by another program after you opened it.</source>
        <translation>Die Anwesenheit von %1 am %2 wurde von einem anderen Programm geändert, nachdem Sie sie geöffnet hatten.</translation>
    </message>
    <message>
        <source>Overwrite it with the marks on your screen?</source>
        <translation>Mit den Einträgen auf Ihrem Bildschirm überschreiben?</translation>
    </message>
    <message>
        <source>Register Changed</source>
        <translation>Anwesenheit geändert</translation>
    </message>
    <message>
        <source>(not marked)</source>
        <translation>(nicht erfasst)</translation>
    </message>
    <message>
        <source>%1: %2 (on your screen: %3)</source>
        <translation>%1: %2 (auf Ihrem Bildschirm: %3)</translation>
    </message>
    <message>
        <source>Your marks were not saved; they are still on your screen. The marks stored now are:</source>
        <translation>Ihre Einträge wurden nicht gespeichert; sie stehen noch auf Ihrem Bildschirm. Gespeichert ist jetzt:</translation>
    </message>
    <message>
        <source>Notes stored now: %1</source>
        <translation>Jetzt gespeicherte Notizen: %1</translation>
    </message>
    <message>
        <source>Attendance has been changed.<byte value="xd"/>
Save Changes?</source>
        <translation>Die Anwesenheit wurde geändert.<byte value="xd"/>
Änderungen speichern?</translation>
    </message>
    <message>
        <source>Nothing was saved: this class could not be listed.</source>
        <translation>Es wurde nichts gespeichert: Diese Klasse konnte nicht aufgelistet werden.</translation>
    </message>
    <message>
        <source>Done Saved</source>
        <translation>Gespeichert</translation>
    </message>
</context>
<context>
    <name>ManageClassesWindow</name>
    <message>
        <source>Manage Classes</source>
        <translation>Klassen verwalten</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Add New Class</source>
        <translation>Neue Klasse anlegen</translation>
    </message>
    <message>
        <source>Delete Class</source>
        <translation>Klasse löschen</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Schüler hinzufügen</translation>
    </message>
    <message>
        <source>Edit Student</source>
        <translation>Schüler bearbeiten</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Schüler löschen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Name des Schülers</translation>
    </message>
    <message>
        <source>Enter New Class Name: </source>
        <translation>Name der neuen Klasse: </translation>
    </message>
    <message>
        <source>Class already exists.</source>
        <translation>Diese Klasse gibt es bereits.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>You must select first a class.</source>
        <translation>Bitte wählen Sie zuerst eine Klasse.</translation>
    </message>
</context>
<context>
    <name>Photo</name>
    <message>
        <source>The picture is too large (%1 by %2 pixels); pictures of up to %3 million pixels can be stored.</source>
        <translation>Das Bild ist zu groß (%1 × %2 Pixel); gespeichert werden können Bilder mit bis zu %3 Millionen Pixeln.</translation>
    </message>
    <message>
        <source>There is no picture to store.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The picture could not be stored: %1</source>
        <translation>Das Bild konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>A stored photo could not be read: %1</source>
        <translation>Ein gespeichertes Foto konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The picture %1 was not found.</source>
        <translation>Das Bild %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The picture %1 is too large (%2 MB); pictures of up to %3 MB can be stored.</source>
        <translation>Das Bild %1 ist zu groß (%2 MB); gespeichert werden können Bilder bis %3 MB.</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: %2</source>
        <translation>Das Bild %1 konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <source>The skin file %1 has no part named %2.</source>
        <translation>Die Gestaltungsdatei %1 hat keinen Teil namens %2.</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Die Gestaltungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is too large to be a skin.</source>
        <translation>Die Gestaltungsdatei %1 ist zu groß für eine Gestaltung.</translation>
    </message>
    <message>
        <source>The skin file %1 is not UTF-8 text.</source>
        <translation>Die Gestaltungsdatei %1 ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The skin file %1 is not a style sheet that can be read.</source>
        <translation>Die Gestaltungsdatei %1 ist kein lesbares Stylesheet.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Rollvane keeps a school&apos;s daily attendance register.</source>
        <translation>Rollvane führt die tägliche Anwesenheitsliste einer Schule.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>Rollvane needs a graphical desktop, and none was found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Rollvane braucht eine grafische Arbeitsumgebung, aber es wurde keine gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Present</source>
        <translation>Anwesend</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Verspätet</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Abwesend</translation>
    </message>
    <message>
        <source>Excused</source>
        <translation>Entschuldigt</translation>
    </message>
</context>
<context>
    <name>StudentCard</name>
    <message>
        <source>Double Click To Change The Status</source>
        <translation>Doppelklick ändert den Status</translation>
    </message>
</context>
<context>
    <name>StudentEditor</name>
    <message>
        <source>Add Student</source>
        <translation>Schüler hinzufügen</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Name des Schülers</translation>
    </message>
    <message>
        <source>Student Image</source>
        <translation>Foto des Schülers</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No class was chosen for the new student.</source>
        <translation>Für den neuen Schüler wurde keine Klasse gewählt.</translation>
    </message>
    <message>
        <source>The student no longer exists; nothing was written.</source>
        <translation>Den Schüler gibt es nicht mehr; es wurde nichts geschrieben.</translation>
    </message>
</context>
</TS>
