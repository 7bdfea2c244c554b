<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Admin</name>
    <message>
        <source>copied %1 of %2 rows (%3%)</source>
        <translation>%1 von %2 Zeilen kopiert (%3 %)</translation>
    </message>
    <message>
        <source>%1: %2 rows, checksum %3 in the source; %4 rows, checksum %5 in the copy: %6</source>
        <translation>%1: %2 Zeilen, Prüfsumme %3 in der Quelle; %4 Zeilen, Prüfsumme %5 in der Kopie: %6</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>DIFFERENT</source>
        <translation>VERSCHIEDEN</translation>
    </message>
    <message>
        <source>The copy of %1 in %2 does not agree with its source; do not use it. The source was not changed.</source>
        <translation>Die Kopie von %1 nach %2 stimmt nicht mit ihrer Quelle überein; verwenden Sie sie nicht. Die Quelle wurde nicht verändert.</translation>
    </message>
    <message>
        <source>%1 was copied into %2: %3 rows, every table the same on both sides.</source>
        <translation>%1 wurde nach %2 kopiert: %3 Zeilen, jede Tabelle auf beiden Seiten gleich.</translation>
    </message>
    <message>
        <source>The settings file names no database on the server ([register] database=...).</source>
        <translation>Die Einstellungsdatei nennt keine Datenbank auf dem Server ([register] database=...).</translation>
    </message>
    <message>
        <source>the database %1 on the server %2</source>
        <translation>Datenbank %1 (Server: %2)</translation>
    </message>
    <message>
        <source>%1 is one of the register&apos;s own files (the register, its journal or lock, the template or a backup); choose another file.</source>
        <translation>%1 ist eine der eigenen Dateien des Registers (das Register, sein Journal oder seine Sperre, die Vorlage oder eine Sicherung); wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 photos, %2 of them to convert: about %3 MB now, about %4 MB after.</source>
        <translation>%1 Fotos, davon %2 umzuwandeln: jetzt etwa %3 MB, danach etwa %4 MB.</translation>
    </message>
    <message>
        <source>looked at %1 of %2 photos (%3%)</source>
        <translation>%1 von %2 Fotos angesehen (%3 %)</translation>
    </message>
    <message>
        <source>A backup was taken first: %1</source>
        <translation>Zuerst wurde eine Sicherung angelegt: %1</translation>
    </message>
    <message>
        <source>%1 photos converted or given a card picture.</source>
        <translation>%1 Fotos umgewandelt oder mit einem Kartenbild versehen.</translation>
    </message>
    <message>
        <source>%1 photos could not be read and were left as they are; Check Register in the program shows which cards have no photo.</source>
        <translation>%1 Fotos konnten nicht gelesen werden und bleiben, wie sie sind; Register prüfen im Programm zeigt, welche Karten kein Foto haben.</translation>
    </message>
    <message>
        <source>The space the old photos took could not be given back now (%1); it is reused as the register grows, or run the command again when no one has the register open.</source>
        <translation>Der Platz der alten Fotos konnte jetzt nicht freigegeben werden (%1); er wird wiederverwendet, wenn das Register wächst, oder führen Sie den Befehl erneut aus, wenn niemand das Register geöffnet hat.</translation>
    </message>
    <message>
        <source>The register took %1 MB and now takes %2 MB.</source>
        <translation>Das Register belegte %1 MB und belegt jetzt %2 MB.</translation>
    </message>
    <message>
        <source>%1 entries read from %2: %3 added, %4 already in the calendar.</source>
        <translation>%1 Einträge aus %2 gelesen: %3 hinzugefügt, %4 standen schon im Kalender.</translation>
    </message>
    <message>
        <source>“%1” is not a date; write it as YYYY-MM-DD.</source>
        <translation>„%1“ ist kein Datum; schreiben Sie es als JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>The range ends before it begins.</source>
        <translation>Der Zeitraum endet, bevor er beginnt.</translation>
    </message>
    <message>
        <source>%1 school days from %2 to %3%4.</source>
        <translation>%1 Schultage vom %2 bis %3%4.</translation>
    </message>
    <message>
        <source> (no calendar: every weekday)</source>
        <translation> (kein Kalender: jeder Wochentag)</translation>
    </message>
    <message>
        <source>There is no student with the number %1.</source>
        <translation>Es gibt keinen Schüler mit der Nummer %1.</translation>
    </message>
    <message>
        <source>%1 leaves the register from %2.</source>
        <translation>%1 verlässt das Klassenbuch ab %2.</translation>
    </message>
    <message>
        <source>There is no class named %1.</source>
        <translation>Es gibt keine Klasse namens %1.</translation>
    </message>
    <message>
        <source>%1 is in %2 from %3.</source>
        <translation>%1 ist ab %3 in %2.</translation>
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
        <translation>Aufruf: rollvane-admin copy-register --to postgresql [--from DATEI]
       rollvane-admin copy-register --to sqlite DATEI
       rollvane-admin compact-photos
       rollvane-admin calendar import DATEI
       rollvane-admin calendar list [--from JJJJ-MM-TT] [--to JJJJ-MM-TT]
       rollvane-admin move-student NR KLASSE --on JJJJ-MM-TT
       rollvane-admin leave-student NR --on JJJJ-MM-TT
       rollvane-admin new-school-year --on JJJJ-MM-TT [--apply]</translation>
    </message>
    <message>
        <source>stays</source>
        <translation>bleibt</translation>
    </message>
    <message>
        <source>leaves</source>
        <translation>geht ab</translation>
    </message>
    <message>
        <source> (new)</source>
        <translation> (neu)</translation>
    </message>
    <message>
        <source>Nothing was changed; add --apply to do it.</source>
        <translation>Nichts wurde geändert; mit --apply wird es ausgeführt.</translation>
    </message>
    <message>
        <source>%1 students went up a year and %2 left the school; %3 classes were added.</source>
        <translation>%1 Schüler sind ein Jahr aufgerückt und %2 haben die Schule verlassen; %3 Klassen wurden angelegt.</translation>
    </message>
</context>
<context>
    <name>AttendanceCodesWindow</name>
    <message>
        <source>%1; double-click to change it</source>
        <translation>%1; zum Ändern doppelklicken</translation>
    </message>
    <message>
        <source>Attendance Codes</source>
        <translation>Anwesenheitscodes</translation>
    </message>
    <message>
        <source>What each mark means for the figures. Present, Late, Absent and Excused keep their meaning; a word without a category counts as Other, a possible session neither attended nor missed. Double-click a colour to change it.</source>
        <translation>Was jede Eintragung für die Zahlen bedeutet. Anwesend, Verspätet, Abwesend und Entschuldigt behalten ihre Bedeutung; ein Wort ohne Kategorie zählt als Sonstiges, eine mögliche Sitzung, weder besucht noch versäumt. Doppelklicken Sie auf eine Farbe, um sie zu ändern.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Word Stored</source>
        <translation>Gespeichertes Wort</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>&amp;Add Code</source>
        <translation>Code &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Code</source>
        <translation>Code &amp;entfernen</translation>
    </message>
    <message>
        <source>Add &amp;England&apos;s Codes</source>
        <translation>Codes für &amp;England hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Find Words in the Register</source>
        <translation>Wörter in der Liste &amp;finden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>One of the four words: its meaning is fixed</source>
        <translation>Eines der vier Wörter: seine Bedeutung steht fest</translation>
    </message>
    <message>
        <source>Every word in the register has a meaning already.</source>
        <translation>Jedes Wort in der Liste hat bereits eine Bedeutung.</translation>
    </message>
    <message numerus="yes">
        <source>%n words found that have no category yet; give each one and save.</source>
        <translation>
            <numerusform>%n Wort ohne Kategorie gefunden; geben Sie ihm eine und speichern Sie.</numerusform>
            <numerusform>%n Wörter ohne Kategorie gefunden; geben Sie jedem eine und speichern Sie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1 has no word to store.</source>
        <translation>Zeile %1 hat kein Wort zum Speichern.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code.</source>
        <translation>„%1“ hat keinen Code.</translation>
    </message>
    <message>
        <source>The code of &quot;%1&quot; is longer than three characters.</source>
        <translation>Der Code von „%1“ ist länger als drei Zeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than 60 characters.</source>
        <translation>„%1“ ist länger als 60 Zeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice (letter case does not make two words).</source>
        <translation>„%1“ steht zweimal in der Liste (Groß- und Kleinschreibung machen keine zwei Wörter).</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; is given to two words.</source>
        <translation>Der Code „%1“ ist zwei Wörtern gegeben.</translation>
    </message>
    <message>
        <source>The key of &quot;%1&quot; must be a single character that is not a space.</source>
        <translation>Die Taste von „%1“ muss ein einzelnes Zeichen sein, kein Leerzeichen.</translation>
    </message>
    <message>
        <source>The key &quot;%1&quot; is given to two codes.</source>
        <translation>Die Taste „%1“ ist zwei Codes gegeben.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>AttendanceReportWindow</name>
    <message>
        <source>Attendance Report</source>
        <translation>Anwesenheitsbericht</translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation>&amp;Klasse:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Printed at the top of every page, the same for every user</source>
        <translation>Steht oben auf jeder Seite, für alle Benutzer gleich</translation>
    </message>
    <message>
        <source>&amp;School name:</source>
        <translation>&amp;Name der Schule:</translation>
    </message>
    <message>
        <source>On da&amp;y:</source>
        <translation>Am &amp;Tag:</translation>
    </message>
    <message>
        <source>or absent for at &amp;least</source>
        <translation>oder an &amp;mindestens</translation>
    </message>
    <message>
        <source>marked days running, up to the last one</source>
        <translation>erfassten Tagen in Folge bis zuletzt abwesend</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>&amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>&amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>All Classes</source>
        <translation>Alle Klassen</translation>
    </message>
    <message>
        <source>From is after To: choose a first day on or before the last day.</source>
        <translation>„Von“ liegt nach „Bis“: Wählen Sie einen ersten Tag, der nicht nach dem letzten Tag liegt.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n Schüler</numerusform>
            <numerusform>%n Schüler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked day(s)</source>
        <translation>
            <numerusform>%n erfasster Tag</numerusform>
            <numerusform>%n erfasste Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Every class with students has taken its register.</source>
        <translation>Jede Klasse mit Schülern hat ihre Anwesenheit erfasst.</translation>
    </message>
    <message numerus="yes">
        <source>%n register(s) not taken</source>
        <translation>
            <numerusform>%n fehlende Erfassung</numerusform>
            <numerusform>%n fehlende Erfassungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) to look at</source>
        <translation>
            <numerusform>%n Schüler zu prüfen</numerusform>
            <numerusform>%n Schüler zu prüfen</numerusform>
        </translation>
    </message>
    <message>
        <source>This register keeps no history of changes.</source>
        <translation>Diese Anwesenheitsliste speichert keinen Änderungsverlauf.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s)</source>
        <translation>
            <numerusform>%n Änderung</numerusform>
            <numerusform>%n Änderungen</numerusform>
        </translation>
    </message>
    <message>
        <source>The school&apos;s name could not be kept in the register: %1</source>
        <translation>Der Name der Schule konnte nicht in der Anwesenheitsliste gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|</source>
        <translation>CSV-Dateien (*.csv)|*.csv|</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf|</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Writing the pages…</source>
        <translation>Die Seiten werden geschrieben…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Wird gedruckt…</translation>
    </message>
    <message>
        <source>The printer did not take the pages. Nothing was printed.</source>
        <translation>Der Drucker hat die Seiten nicht angenommen. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Sent to the printer.</source>
        <translation>An den Drucker gesendet.</translation>
    </message>
    <message>
        <source>Every &amp;school day from From to To (by the school calendar; without one, days on which no class took a register count as no school)</source>
        <translation>Jeden &amp;Schultag von „Von“ bis „Bis“ (laut Schulkalender; ohne ihn gelten Tage, an denen keine Klasse erfasst wurde, als schulfrei)</translation>
    </message>
    <message>
        <source>Attendance at or &amp;below:</source>
        <translation>Anwesenheit &amp;bei oder unter:</translation>
    </message>
    <message>
        <source>Previe&amp;w…</source>
        <translation>&amp;Vorschau…</translation>
    </message>
    <message>
        <source>no</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Own Rule</source>
        <translation>Eigene Regel</translation>
    </message>
    <message>
        <source>Persistent Absence (10 % or more missed)</source>
        <translation>Dauerhafte Abwesenheit (10 % oder mehr versäumt)</translation>
    </message>
    <message>
        <source>Severe Absence (half or more missed)</source>
        <translation>Schwere Abwesenheit (die Hälfte oder mehr versäumt)</translation>
    </message>
    <message numerus="yes">
        <source>%n marked session(s)</source>
        <translation>
            <numerusform>%n erfasste Sitzung</numerusform>
            <numerusform>%n erfasste Sitzungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The disk holding %1 is full, so the copy could not be written.</source>
        <translation>Der Datenträger mit %1 ist voll, daher konnte die Kopie nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The copy %1 could not be written: its folder is read-only or not there.</source>
        <translation>Die Kopie %1 konnte nicht geschrieben werden: Ihr Ordner ist schreibgeschützt oder nicht vorhanden.</translation>
    </message>
    <message>
        <source>The register stayed in use by another user for too long, so no copy was made. Please try again in a moment.</source>
        <translation>Die Anwesenheitsliste war zu lange von einem anderen Benutzer belegt, daher wurde keine Kopie angelegt. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The register&apos;s file is damaged, so no copy was made (%1). Use Check Register to find out more.</source>
        <translation>Die Datei der Anwesenheitsliste ist beschädigt, daher wurde keine Kopie angelegt (%1). Mit „Liste prüfen“ im Fenster „Sicherungen“ erfahren Sie mehr.</translation>
    </message>
    <message>
        <source>The copy %1 could not be written: %2</source>
        <translation>Die Kopie %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk: %2</source>
        <translation>%1 konnte nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is.</source>
        <translation>%1 ist bereits vorhanden und wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The copy was stopped; nothing was kept of it.</source>
        <translation>Das Kopieren wurde abgebrochen; nichts davon wurde behalten.</translation>
    </message>
    <message>
        <source>The check was stopped before it finished.</source>
        <translation>Die Prüfung wurde abgebrochen, bevor sie fertig war.</translation>
    </message>
    <message>
        <source>The register %1 was not found, so it was not replaced.</source>
        <translation>Die Anwesenheitsliste %1 wurde nicht gefunden und daher nicht ersetzt.</translation>
    </message>
    <message>
        <source>The backup %1 could not be read: %2</source>
        <translation>Die Sicherung %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The register&apos;s folder cannot be written, so the register was not replaced: %1</source>
        <translation>In den Ordner der Anwesenheitsliste kann nicht geschrieben werden, daher wurde die Anwesenheitsliste nicht ersetzt: %1</translation>
    </message>
    <message>
        <source>The register&apos;s copy could not be written, so the register was not replaced: %1</source>
        <translation>Die Kopie der Anwesenheitsliste konnte nicht geschrieben werden, daher wurde die Anwesenheitsliste nicht ersetzt: %1</translation>
    </message>
    <message>
        <source>The restore was stopped; the register was left as it is.</source>
        <translation>Die Wiederherstellung wurde abgebrochen; die Anwesenheitsliste blieb unverändert.</translation>
    </message>
    <message>
        <source>Another user is saving to the register just now, so it was not replaced. Please try again in a moment.</source>
        <translation>Ein anderer Benutzer speichert gerade in die Anwesenheitsliste, daher wurde sie nicht ersetzt. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The register could not be replaced: %1</source>
        <translation>Die Anwesenheitsliste konnte nicht ersetzt werden: %1</translation>
    </message>
    <message>
        <source>The export does not match the register; no file was written.</source>
        <translation>Der Export stimmt nicht mit der Anwesenheitsliste überein; es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>The export could not be saved as %1: %2</source>
        <translation>Der Export konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The export was stopped; no file was written.</source>
        <translation>Der Export wurde abgebrochen; es wurde keine Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>The backups cannot be written: %1 is a file, not a folder.</source>
        <translation>Die Sicherungen können nicht geschrieben werden: %1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 for the backups could not be created.</source>
        <translation>Der Ordner %1 für die Sicherungen konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The backup could not be given its name %1: %2</source>
        <translation>Die Sicherung konnte nicht den Namen %1 erhalten: %2</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>täglich</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>monatlich</translation>
    </message>
    <message>
        <source>taken by hand</source>
        <translation>von Hand angelegt</translation>
    </message>
    <message>
        <source>before a restore</source>
        <translation>vor einer Wiederherstellung</translation>
    </message>
    <message>
        <source>before a change to many rows</source>
        <translation>vor einer Änderung vieler Zeilen</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm:ss</source>
        <translation>d. MMMM yyyy, HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>CalendarImport</name>
    <message>
        <source>The event “%1” has no start day and was left out.</source>
        <translation>Der Termin „%1“ hat keinen ersten Tag und wurde ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>“%1” names a term but holds only %n day(s); it was left out.</source>
        <translation>
            <numerusform>„%1“ nennt ein Schulhalbjahr, umfasst aber nur %n Tag; ausgelassen.</numerusform>
            <numerusform>„%1“ nennt ein Schulhalbjahr, umfasst aber nur %n Tage; ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The repeat rule of “%1” could not be read; only its first day was taken.</source>
        <translation>Die Wiederholungsregel von „%1“ ließ sich nicht lesen; nur der erste Tag wurde übernommen.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file that can be read.</source>
        <translation>Die Datei ist keine lesbare iCalendar-Datei.</translation>
    </message>
    <message>
        <source>The file holds no events.</source>
        <translation>Die Datei enthält keine Termine.</translation>
    </message>
    <message>
        <source>Line %1 could not be read: %2.</source>
        <translation>Zeile %1 ließ sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a date.</source>
        <translation>Zeile %1: „%2“ ist kein Datum.</translation>
    </message>
    <message>
        <source>Line %1: the range ends before it begins.</source>
        <translation>Zeile %1: Der Zeitraum endet, bevor er beginnt.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: “%2” names a term but holds only %n day(s); it was left out.</source>
        <translation>
            <numerusform>Zeile %1: „%2“ nennt ein Schulhalbjahr, umfasst aber nur %n Tag; ausgelassen.</numerusform>
            <numerusform>Zeile %1: „%2“ nennt ein Schulhalbjahr, umfasst aber nur %n Tage; ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds no dates.</source>
        <translation>Die Datei enthält keine Daten.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 ließ sich nicht lesen: %2</translation>
    </message>
</context>
<context>
    <name>CardArea</name>
    <message>
        <source>The scroll bar of the card area was not created.</source>
        <translation>Die Bildlaufleiste des Kartenbereichs wurde nicht angelegt.</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>Present</source>
        <translation>Anwesend</translation>
    </message>
    <message>
        <source>Late (counts as present)</source>
        <translation>Verspätet (zählt als anwesend)</translation>
    </message>
    <message>
        <source>Approved educational activity</source>
        <translation>Genehmigte schulische Aktivität</translation>
    </message>
    <message>
        <source>Authorised absence</source>
        <translation>Entschuldigte Abwesenheit</translation>
    </message>
    <message>
        <source>Unauthorised absence</source>
        <translation>Unentschuldigte Abwesenheit</translation>
    </message>
    <message>
        <source>Not counted (no possible session)</source>
        <translation>Nicht gezählt (keine mögliche Sitzung)</translation>
    </message>
    <message>
        <source>Not given (counted as Other)</source>
        <translation>Nicht vergeben (zählt als Sonstiges)</translation>
    </message>
</context>
<context>
    <name>CopyRegister</name>
    <message>
        <source>The rows of %1 could not be written to the copy: %2</source>
        <translation>Die Zeilen von %1 konnten nicht in die Kopie geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used as the register: %2</source>
        <translation>%1 kann nicht als Anwesenheitsliste verwendet werden: %2</translation>
    </message>
    <message>
        <source>%1 already holds a register (%2 rows in %3); the copy goes only into an empty one, so nothing was copied.</source>
        <translation>%1 enthält bereits eine Anwesenheitsliste (%2 Zeilen in %3); kopiert wird nur in eine leere, daher wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>The copy was stopped before the end; nothing was copied.</source>
        <translation>Das Kopieren wurde vor dem Ende abgebrochen; es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>%1 already exists; the copy goes only into a new file, so nothing was copied.</source>
        <translation>%1 ist bereits vorhanden; kopiert wird nur in eine neue Datei, daher wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>%1 holds a register of schema %2, not of this version&apos;s %3; nothing was copied.</source>
        <translation>%1 enthält eine Anwesenheitsliste mit Schema %2, nicht mit Schema %3 dieser Version; es wurde nichts kopiert.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>A quoted field that begins on line %1 is never closed.</source>
        <translation>Ein Feld in Anführungszeichen, das in Zeile %1 beginnt, wird nie geschlossen.</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>ein hier geöffnetes Anführungszeichen wird nie geschlossen</translation>
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
        <source>The file %1 is not a Rollvane register (it is not a database file). It has been left as it is.</source>
        <translation>Die Datei %1 ist keine Anwesenheitsliste von Rollvane (sie ist keine Datenbankdatei). Sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The register %1 is not a regular file (it is a pipe, a socket or a device), so it cannot be a register. It has been left as it is.</source>
        <translation>Die Anwesenheitsliste %1 ist keine gewöhnliche Datei (sondern eine Pipe, ein Socket oder ein Gerät) und kann daher keine Anwesenheitsliste sein. Sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The register cannot be opened while another one is being copied.</source>
        <translation>Die Anwesenheitsliste kann nicht geöffnet werden, während eine andere kopiert wird.</translation>
    </message>
    <message>
        <source>%1 cannot be used as the register: %2</source>
        <translation>%1 kann nicht als Anwesenheitsliste verwendet werden: %2</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>dieser Computer</translation>
    </message>
    <message>
        <source>database %1 on the server %2</source>
        <translation>Datenbank %1 (Server: %2)</translation>
    </message>
    <message>
        <source>The database %1 on the server %2</source>
        <translation>Die Datenbank %1 (Server: %2)</translation>
    </message>
    <message>
        <source>The server settings cannot hold the character &apos;;&apos; (in &quot;%1&quot;).</source>
        <translation>Die Servereinstellungen dürfen das Zeichen „;“ nicht enthalten (in „%1“).</translation>
    </message>
    <message>
        <source>The register is in use by another computer. Nothing was changed; please try again in a moment.</source>
        <translation>Die Anwesenheitsliste wird gerade von einem anderen Computer verwendet. Es wurde nichts geändert; bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Your account on the register&apos;s server may not do this. Nothing was changed; ask the administrator for the rights Rollvane needs.</source>
        <translation>Ihr Benutzerkonto auf dem Server der Anwesenheitsliste hat dafür keine Berechtigung. Es wurde nichts geändert; bitten Sie den Administrator um die Rechte, die Rollvane braucht.</translation>
    </message>
    <message>
        <source>The register on the server is open for reading only. Nothing was changed.</source>
        <translation>Die Anwesenheitsliste auf dem Server ist nur zum Lesen geöffnet. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The disk of the register&apos;s server is full. Nothing was changed; ask the administrator to free some space, then try again.</source>
        <translation>Der Datenträger des Servers der Anwesenheitsliste ist voll. Es wurde nichts geändert; bitten Sie den Administrator, Platz zu schaffen, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The register&apos;s server is short of resources. Nothing was changed; try again in a moment.</source>
        <translation>Dem Server der Anwesenheitsliste fehlen gerade Ressourcen. Es wurde nichts geändert; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The register already holds that row (two marks for one student and day, or a repeated id). Nothing was changed.</source>
        <translation>Die Anwesenheitsliste enthält diese Zeile bereits (zwei Einträge für einen Schüler am selben Tag oder eine doppelte ID). Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 stores text as %2, so names and notes could be damaged. Create the database with ENCODING &apos;UTF8&apos;.</source>
        <translation>%1 speichert Text als %2; dadurch könnten Namen und Notizen beschädigt werden. Legen Sie die Datenbank mit ENCODING &apos;UTF8&apos; an.</translation>
    </message>
    <message>
        <source>%1 holds no register yet.</source>
        <translation>%1 enthält noch keine Anwesenheitsliste.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 could not be reached. Try again in a moment; Rollvane connects again by itself.</source>
        <translation>Der Server der Anwesenheitsliste (%1) ist nicht erreichbar. Versuchen Sie es gleich noch einmal; Rollvane verbindet sich von selbst erneut.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 refused the connection: %2. Check the [register] settings in the settings file and the server&apos;s user and password file.</source>
        <translation>Der Server der Anwesenheitsliste (%1) hat die Verbindung abgelehnt: %2. Prüfen Sie die Einstellungen unter [register] in der Einstellungsdatei sowie den Benutzer und die Passwortdatei für den Server.</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>Die Datei %1</translation>
    </message>
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
        <source>The register&apos;s server %1 asks for a password for the account %2, and none was found: the administrator puts it in the password file the settings name (passfile=%3), or in ~/.pgpass for each user.</source>
        <translation>Der Server %1 des Registers verlangt ein Passwort für das Konto %2, und es wurde keines gefunden: Die Administration hinterlegt es in der Passwortdatei, die die Einstellungen nennen (passfile=%3), oder für jeden Benutzer in ~/.pgpass.</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>The settings ask Rollvane to check the certificate of the register&apos;s server %1 (sslmode=%2), but the certificate of the authority that signed it was not found: the administrator names it with sslrootcert= in the [register] section of the settings file.</source>
        <translation>Die Einstellungen verlangen, dass Rollvane das Zertifikat des Registerservers %1 prüft (sslmode=%2), aber das Zertifikat der Stelle, die es unterschrieben hat, wurde nicht gefunden: Die Administration nennt es mit sslrootcert= im Abschnitt [register] der Einstellungsdatei.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 offers no encrypted connection, which the settings require (sslmode=%2): the administrator turns on SSL on the server, or changes sslmode in the settings file.</source>
        <translation>Der Server %1 des Registers bietet keine verschlüsselte Verbindung, die die Einstellungen verlangen (sslmode=%2): Die Administration schaltet SSL auf dem Server ein oder ändert sslmode in der Einstellungsdatei.</translation>
    </message>
    <message>
        <source>The certificate of the register&apos;s server %1 could not be trusted (%2): the administrator checks host= and sslrootcert= in the settings file against the server&apos;s certificate.</source>
        <translation>Dem Zertifikat des Registerservers %1 kann nicht vertraut werden (%2): Die Administration prüft host= und sslrootcert= in der Einstellungsdatei gegen das Zertifikat des Servers.</translation>
    </message>
    <message>
        <source>The register has columns that Rollvane does not know and that every new row must fill (%1), so Rollvane cannot save to it. It was opened for reading only and left as it is; ask the administrator about the program that added them.</source>
        <translation>Das Register hat Spalten, die Rollvane nicht kennt und die jede neue Zeile füllen muss (%1), daher kann Rollvane nicht darin speichern. Es wurde nur zum Lesen geöffnet und so gelassen, wie es ist; fragen Sie die Administration nach dem Programm, das sie hinzugefügt hat.</translation>
    </message>
    <message>
        <source>it is a database, but not a Rollvane register (it lacks the register&apos;s tables)</source>
        <translation>es ist eine Datenbank, aber kein Rollvane-Register (ihr fehlen die Tabellen des Registers)</translation>
    </message>
    <message>
        <source>The file %1 is empty, not a Rollvane register. It has been left as it is.</source>
        <translation>Die Datei %1 ist leer und kein Rollvane-Register. Sie wurde so gelassen, wie sie ist.</translation>
    </message>
    <message>
        <source>The register must be opened by this version of Rollvane before its photos are converted. Nothing was changed.</source>
        <translation>Das Register muss von dieser Version von Rollvane geöffnet werden, bevor seine Fotos umgewandelt werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>This register keeps no enrolments; it was opened for reading only.</source>
        <translation>Dieses Klassenbuch führt keine Klassenzugehörigkeiten; es wurde nur zum Lesen geöffnet.</translation>
    </message>
    <message>
        <source>There is no student with the number %1.</source>
        <translation>Es gibt keinen Schüler mit der Nummer %1.</translation>
    </message>
    <message>
        <source>There is no class with the number %1.</source>
        <translation>Es gibt keine Klasse mit der Nummer %1.</translation>
    </message>
    <message>
        <source>This register keeps no attendance codes. Nothing was changed.</source>
        <translation>Diese Liste führt keine Anwesenheitscodes. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The first day of a planned absence must be on or before its last day.</source>
        <translation>Der erste Tag einer geplanten Abwesenheit muss am oder vor ihrem letzten Tag liegen.</translation>
    </message>
    <message>
        <source>This register keeps no planned absences. Nothing was changed.</source>
        <translation>Diese Liste führt keine geplanten Abwesenheiten. Nichts wurde geändert.</translation>
    </message>
    <message numerus="yes">
        <source>The register of %1 is closed: registers close %n school day(s) after their day. Nothing was saved.</source>
        <translation>
            <numerusform>Die Liste vom %1 ist geschlossen: Listen schließen %n Schultag nach ihrem Tag. Es wurde nichts gespeichert.</numerusform>
            <numerusform>Die Liste vom %1 ist geschlossen: Listen schließen %n Schultage nach ihrem Tag. Es wurde nichts gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The register of %1 is closed: registers close %n school day(s) after their day, and only %2 can change them then. Nothing was saved.</source>
        <translation>
            <numerusform>Die Liste vom %1 ist geschlossen: Listen schließen %n Schultag nach ihrem Tag, danach kann nur %2 sie ändern. Es wurde nichts gespeichert.</numerusform>
            <numerusform>Die Liste vom %1 ist geschlossen: Listen schließen %n Schultage nach ihrem Tag, danach kann nur %2 sie ändern. Es wurde nichts gespeichert.</numerusform>
        </translation>
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
    <name>HelpWindow</name>
    <message>
        <source>Rollvane Help</source>
        <translation>Rollvane-Hilfe</translation>
    </message>
    <message>
        <source>This computer&apos;s register is %1 (%2). Every user of the computer, and every computer set up for the same server, shares it.</source>
        <translation>Das Register dieses Computers ist %1 (%2). Alle Benutzer des Computers und alle Computer, die für denselben Server eingerichtet sind, teilen es.</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>Die Anwesenheitsliste ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Taking a register</source>
        <translation>Anwesenheit erfassen</translation>
    </message>
    <message>
        <source>Pick the class and the day. Each card is a student: a click moves the mark from Present to Late to Absent. The card&apos;s menu (right button) sets any mark and a remark for the day. Write the day&apos;s notes under the cards, then Save. A day without saved marks says &quot;Not taken yet&quot;.</source>
        <translation>Wählen Sie Klasse und Tag. Jede Karte ist ein Schüler: Ein Klick schaltet von Anwesend über Verspätet zu Abwesend. Das Menü der Karte (rechte Maustaste) setzt jeden Eintrag und eine Bemerkung für den Tag. Schreiben Sie die Notizen des Tages unter die Karten und speichern Sie. Ein Tag ohne gespeicherte Einträge zeigt „Noch nicht erfasst“.</translation>
    </message>
    <message>
        <source>By keyboard</source>
        <translation>Mit der Tastatur</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Reports → Attendance Report shows a class or the whole school over a period: the summary, the register sheet, the registers not taken, the alerts (persistent absence is missing 10 % of the days or more), a chart and the history of every change. Print, PDF and CSV take what is shown.</source>
        <translation>Berichte → Anwesenheitsbericht zeigt eine Klasse oder die ganze Schule über einen Zeitraum: die Übersicht, das Registerblatt, die nicht erfassten Register, die Warnungen (anhaltende Abwesenheit heißt, 10 % der Tage oder mehr zu versäumen), ein Diagramm und den Verlauf jeder Änderung. Drucken, PDF und CSV nehmen, was gezeigt wird.</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Setup → Students and Classes adds classes and students, moves a student to another class from a day and marks a leaver; Import Students reads a spreadsheet. School Calendar holds the terms and holidays, which the register and the reports follow. New School Year moves every class up a year.</source>
        <translation>Einrichten → Schüler und Klassen legt Klassen und Schüler an, versetzt einen Schüler ab einem Tag in eine andere Klasse und meldet Abgänge; Schüler importieren liest eine Tabelle. Der Schulkalender enthält Schulabschnitte und Ferien, nach denen sich Register und Berichte richten. Neues Schuljahr versetzt jede Klasse um ein Jahr.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>A copy of the register is kept after the first save of each day. Setup → Backups lists the copies, makes one now, restores one and checks the register.</source>
        <translation>Nach dem ersten Speichern jedes Tages wird eine Kopie des Registers aufbewahrt. Einrichten → Sicherungen listet die Kopien, erstellt sofort eine, stellt eine wieder her und prüft das Register.</translation>
    </message>
    <message>
        <source>Where the register lives</source>
        <translation>Wo das Register liegt</translation>
    </message>
    <message>
        <source>Help from your school</source>
        <translation>Hilfe in Ihrer Schule</translation>
    </message>
    <message>
        <source>Tab reaches the cards; the arrow keys move between them, Home and End go to the first and the last. Space or Enter moves the mark on; P, L, A and E set Present, Late, Absent and Excused. Ctrl+S saves, Alt+Left and Alt+Right go to the previous and next school day, Alt+Home to today, F5 reads the register again, Ctrl+R opens the reports, F1 this help and Ctrl+Q quits.</source>
        <translation>Tab erreicht die Karten; die Pfeiltasten wechseln zwischen ihnen, Pos1 und Ende springen zur ersten und letzten. Leertaste oder Eingabe schaltet den Eintrag weiter; P, L, A und E setzen Anwesend, Verspätet, Abwesend und Entschuldigt. Strg+S speichert, Alt+Links und Alt+Rechts gehen zum vorigen und nächsten Schultag, Alt+Pos1 zu heute, F5 liest das Register neu, Strg+R öffnet die Berichte, F1 diese Hilfe und Strg+Q beendet.</translation>
    </message>
    <message>
        <source>What a mark means</source>
        <translation>Was eine Eintragung bedeutet</translation>
    </message>
    <message>
        <source>Each mark counts as present, late, an approved activity, an authorised or unauthorised absence, or not at all; Setup → Attendance Codes gives every word its meaning and can add England&apos;s codes. Changing a saved mark of an earlier day asks why, and the history keeps the reason. Register → Planned Absence puts a known absence on every school day it covers. The card&apos;s menu also takes the minutes a late student came late.</source>
        <translation>Jede Eintragung zählt als anwesend, verspätet, genehmigte Aktivität, entschuldigte oder unentschuldigte Abwesenheit oder gar nicht; Einrichtung → Anwesenheitscodes gibt jedem Wort seine Bedeutung und kann die Codes für England hinzufügen. Wer eine gespeicherte Eintragung eines früheren Tages ändert, wird nach dem Grund gefragt, und der Verlauf bewahrt ihn. Anwesenheit → Geplante Abwesenheit setzt eine bekannte Abwesenheit auf jeden Schultag, den sie umfasst. Das Menü der Karte nimmt auch die Minuten auf, die ein Schüler zu spät kam.</translation>
    </message>
    <message>
        <source>A school that takes a register each morning and afternoon says so in Setup → Register Rules; Morning or Afternoon then stands beside the date.</source>
        <translation>Eine Schule, die jeden Vormittag und Nachmittag eine Liste führt, stellt das unter Einrichtung → Regeln der Listen ein; neben dem Datum steht dann Vormittag oder Nachmittag.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The import was cancelled; nothing was written.</source>
        <translation>Der Import wurde abgebrochen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Line %1: %2 Nothing was imported.</source>
        <translation>Zeile %1: %2 Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Es wurde nichts importiert.</translation>
    </message>
</context>
<context>
    <name>ImportPhotosDialog</name>
    <message>
        <source>Import Photos for %1</source>
        <translation>Fotos für %1 importieren</translation>
    </message>
    <message>
        <source>Import Photos</source>
        <translation>Fotos importieren</translation>
    </message>
    <message>
        <source>Pictures in %1 for %2. Nothing has been written yet.
Students who get a photo: %3. Students without a picture: %4. Pictures that match no student: %5. Pictures that cannot be used: %6.</source>
        <translation>Bilder in %1 für %2. Es wurde noch nichts geschrieben.
Schüler, die ein Foto erhalten: %3. Schüler ohne Bild: %4. Bilder ohne passenden Schüler: %5. Nicht verwendbare Bilder: %6.</translation>
    </message>
    <message>
        <source>Student or picture</source>
        <translation>Schüler oder Bild</translation>
    </message>
    <message>
        <source>Picture or reason</source>
        <translation>Bild oder Grund</translation>
    </message>
    <message>
        <source> (replaces the photo)</source>
        <translation> (ersetzt das Foto)</translation>
    </message>
    <message>
        <source>Students who get a photo (%1)</source>
        <translation>Schüler, die ein Foto erhalten (%1)</translation>
    </message>
    <message>
        <source>Students without a picture (%1)</source>
        <translation>Schüler ohne Bild (%1)</translation>
    </message>
    <message>
        <source>Pictures that match no student (%1)</source>
        <translation>Bilder ohne passenden Schüler (%1)</translation>
    </message>
    <message>
        <source>Pictures that cannot be used (%1)</source>
        <translation>Nicht verwendbare Bilder (%1)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Storing photos…</source>
        <translation>Die Fotos werden gespeichert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The photos could not be stored: %1</source>
        <translation>Die Fotos konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Photos stored: %1.</source>
        <translation>Gespeicherte Fotos: %1.</translation>
    </message>
</context>
<context>
    <name>ImportStudentsDialog</name>
    <message>
        <source>tab-separated</source>
        <translation>durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>durch Semikolons getrennt</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>durch Kommas getrennt</translation>
    </message>
    <message>
        <source>Import Students</source>
        <translation>Schüler importieren</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|All Files (*)|*|</source>
        <translation>Tabellendateien (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|Alle Dateien (*)|*|</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1 (%2, %3). Nothing has been written yet.
Classes to create: %4. Students to add: %5. Rows skipped as already present: %6. Rows with errors: %7.</source>
        <translation>%1 (%2, %3). Es wurde noch nichts geschrieben.
Neu anzulegende Klassen: %4. Hinzuzufügende Schüler: %5. Übersprungene Zeilen, weil schon vorhanden: %6. Zeilen mit Fehlern: %7.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Photo or reason</source>
        <translation>Foto oder Grund</translation>
    </message>
    <message>
        <source>Classes to create (%1)</source>
        <translation>Neu anzulegende Klassen (%1)</translation>
    </message>
    <message>
        <source>Students to add (%1)</source>
        <translation>Hinzuzufügende Schüler (%1)</translation>
    </message>
    <message>
        <source>Skipped, already present (%1)</source>
        <translation>Übersprungen, schon vorhanden (%1)</translation>
    </message>
    <message>
        <source>Rows with errors, not imported (%1)</source>
        <translation>Zeilen mit Fehlern, nicht importiert (%1)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Importing students…</source>
        <translation>Die Schüler werden importiert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The students could not be imported: %1</source>
        <translation>Die Schüler konnten nicht importiert werden: %1</translation>
    </message>
    <message>
        <source>Students added: %1. Classes created: %2.</source>
        <translation>Hinzugefügte Schüler: %1. Angelegte Klassen: %2.</translation>
    </message>
    <message>
        <source>Students already in their class by then, left alone: %1.</source>
        <translation>Schüler, die inzwischen schon in ihrer Klasse waren und unverändert blieben: %1.</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
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
    <message>
        <source>the sslmode &quot;%1&quot; is not known; use one of %2.</source>
        <translation>Der Wert „%1“ für sslmode ist unbekannt; verwenden Sie einen dieser Werte: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 that ROLLVANE_CONF names does not exist.</source>
        <translation>Die Einstellungsdatei %1, die ROLLVANE_CONF nennt, gibt es nicht.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Register</source>
        <translation>&amp;Anwesenheit</translation>
    </message>
    <message>
        <source>Re&amp;ports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einrichtung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Mark &amp;All Present</source>
        <translation>Alle als &amp;anwesend eintragen</translation>
    </message>
    <message>
        <source>&amp;Copy Marks From Previous Day</source>
        <translation>Einträge vom Vortag &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation>&amp;Vorheriger Tag</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>&amp;Nächster Tag</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Students and Classes…</source>
        <translation>Schüler und &amp;Klassen…</translation>
    </message>
    <message>
        <source>&amp;Import Students…</source>
        <translation>Schüler &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Backups…</source>
        <translation>&amp;Sicherungen…</translation>
    </message>
    <message>
        <source>&amp;Attendance Report…</source>
        <translation>&amp;Anwesenheitsbericht…</translation>
    </message>
    <message>
        <source>&amp;About Rollvane</source>
        <translation>Ü&amp;ber Rollvane</translation>
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
        <translation>Die tägliche Anwesenheitsliste einer Schule.</translation>
    </message>
    <message>
        <source>Register: %1</source>
        <translation>Anwesenheitsliste: %1</translation>
    </message>
    <message>
        <source>Engine: %1</source>
        <translation>Datenbanksystem: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Größe: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>Die Anwesenheitsliste ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Rollvane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Rollvane ist freie Software: Sie können sie unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version.</translation>
    </message>
    <message>
        <source>About Rollvane</source>
        <translation>Über Rollvane</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Neu &amp;laden</translation>
    </message>
    <message>
        <source>School &amp;Calendar…</source>
        <translation>Schul&amp;kalender…</translation>
    </message>
    <message>
        <source>&amp;New School Year…</source>
        <translation>&amp;Neues Schuljahr…</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>Planned A&amp;bsence…</source>
        <translation>Geplante A&amp;bwesenheit…</translation>
    </message>
    <message>
        <source>&amp;Attendance Codes…</source>
        <translation>&amp;Anwesenheitscodes…</translation>
    </message>
    <message>
        <source>Copy Marks From This &amp;Morning</source>
        <translation>Einträge von &amp;heute Morgen übernehmen</translation>
    </message>
    <message>
        <source>&amp;Register Rules…</source>
        <translation>&amp;Regeln der Listen…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
    <message numerus="yes">
        <source>%n mark(s) in the register have a date that Rollvane cannot read, so they are not shown on any day. The register check (%1) lists them.</source>
        <translation>
            <numerusform>%n Eintrag in der Anwesenheitsliste hat ein Datum, das Rollvane nicht lesen kann, und wird daher an keinem Tag angezeigt. Die Prüfung der Anwesenheitsliste (%1) führt ihn auf.</numerusform>
            <numerusform>%n Einträge in der Anwesenheitsliste haben ein Datum, das Rollvane nicht lesen kann, und werden daher an keinem Tag angezeigt. Die Prüfung der Anwesenheitsliste (%1) führt sie auf.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Present</source>
        <translation>&amp;Anwesend</translation>
    </message>
    <message>
        <source>&amp;Late</source>
        <translation>&amp;Verspätet</translation>
    </message>
    <message>
        <source>&amp;Absent</source>
        <translation>Ab&amp;wesend</translation>
    </message>
    <message>
        <source>&amp;Excused</source>
        <translation>&amp;Entschuldigt</translation>
    </message>
    <message>
        <source>&amp;Remark…</source>
        <translation>&amp;Bemerkung…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>Ver&amp;lauf…</translation>
    </message>
    <message>
        <source>A remark for %1 on %2, such as &quot;left at 11:00&quot; or &quot;doctor&apos;s note&quot;:</source>
        <translation>Eine Bemerkung zu %1 am %2, etwa „um 11:00 gegangen“ oder „ärztliches Attest“:</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>History of %1 on %2</source>
        <translation>Verlauf für %1 am %2</translation>
    </message>
    <message>
        <source>No change of this mark has been saved.</source>
        <translation>Zu diesem Eintrag wurde keine Änderung gespeichert.</translation>
    </message>
    <message>
        <source>%1, by %2 on %3</source>
        <translation>%1, von %2 auf %3</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>einem unbekannten Computer</translation>
    </message>
    <message>
        <source>Marked %1</source>
        <translation>Erfasst als %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Remark: %1 → %2</source>
        <translation>Bemerkung: %1 → %2</translation>
    </message>
    <message>
        <source>Marks on screen that are not Present and would change: %1.</source>
        <translation>Einträge auf dem Bildschirm, die nicht „Anwesend“ sind und sich ändern würden: %1.</translation>
    </message>
    <message>
        <source>Mark every student of %1 Present?</source>
        <translation>Alle Schüler der Klasse %1 als anwesend eintragen?</translation>
    </message>
    <message>
        <source>No day before %1 has saved marks for %2, so there are none to copy.</source>
        <translation>Für die Klasse %2 gibt es vor dem %1 keinen Tag mit gespeicherten Einträgen; es gibt also nichts zu kopieren.</translation>
    </message>
    <message>
        <source>Copy the marks of %1 onto the cards of %2?</source>
        <translation>Die Einträge vom %1 auf die Karten der Klasse %2 übernehmen?</translation>
    </message>
    <message>
        <source>1 student</source>
        <translation>1 Schüler</translation>
    </message>
    <message>
        <source>%1 students</source>
        <translation>%1 Schüler</translation>
    </message>
    <message>
        <source>%1 present</source>
        <translation>%1 anwesend</translation>
    </message>
    <message>
        <source>%1 late</source>
        <translation>%1 verspätet</translation>
    </message>
    <message>
        <source>%1 absent</source>
        <translation>%1 abwesend</translation>
    </message>
    <message>
        <source>%1 excused</source>
        <translation>%1 entschuldigt</translation>
    </message>
    <message>
        <source>%1 other</source>
        <translation>%1 sonstige</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Your marks are saved, but today&apos;s backup of the register could not be written:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Rollvane tries again at the next save, without saying so again until it is started anew.</source>
        <translation>Ihre Einträge sind gespeichert, aber die heutige Sicherung der Anwesenheitsliste konnte nicht geschrieben werden:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Rollvane versucht es beim nächsten Speichern erneut und meldet dies erst nach einem Neustart wieder.</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Nothing was saved: the register could not be opened when Rollvane started.<byte value="xd"/>
%1</source>
        <translation>Nichts wurde gespeichert: Das Register konnte beim Start von Rollvane nicht geöffnet werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The day&apos;s notes were changed too; Yes replaces them with yours.</source>
        <translation>Auch die Notizen des Tages wurden geändert; Ja ersetzt sie durch Ihre.</translation>
    </message>
    <message>
        <source>Day&apos;s notes: %1 → %2</source>
        <translation>Notizen des Tages: %1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) have more than one mark stored for one day, and only one of them is shown. The register check (%1) keeps the most recently changed of each.</source>
        <translation>
            <numerusform>%n Schüler hat für einen Tag mehr als einen gespeicherten Eintrag, und nur einer davon wird gezeigt. Die Registerprüfung (%1) behält jeweils den zuletzt geänderten.</numerusform>
            <numerusform>%n Schüler haben für einen Tag mehr als einen gespeicherten Eintrag, und nur einer davon wird gezeigt. Die Registerprüfung (%1) behält jeweils den zuletzt geänderten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not taken yet</source>
        <translation>Noch nicht erfasst</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>Saved %1 by %2</source>
        <translation>Gespeichert %1 von %2</translation>
    </message>
    <message>
        <source>Saved %1 on %2</source>
        <translation>Gespeichert %1 auf %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Register taken on this day</source>
        <translation>Anwesenheit an diesem Tag erfasst</translation>
    </message>
    <message>
        <source>register taken</source>
        <translation>Anwesenheit erfasst</translation>
    </message>
    <message>
        <source>Marks of %1 copied, not saved yet</source>
        <translation>Einträge vom %1 übernommen, noch nicht gespeichert</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <translation>dddd, d. MMMM</translation>
    </message>
    <message numerus="yes">
        <source>You are changing %n saved marks of %1 (%2). Why? The reason is kept in the history beside the marks as they were.</source>
        <translation>
            <numerusform>Sie ändern %n gespeicherte Eintragung vom %1 (%2). Warum? Der Grund wird im Verlauf neben der Eintragung, wie sie war, aufbewahrt.</numerusform>
            <numerusform>Sie ändern %n gespeicherte Eintragungen vom %1 (%2). Warum? Der Grund wird im Verlauf neben den Eintragungen, wie sie waren, aufbewahrt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reason for the Change</source>
        <translation>Grund der Änderung</translation>
    </message>
    <message>
        <source>Nothing was saved: a change to an earlier day&apos;s saved marks needs a reason. The marks stay on your screen.</source>
        <translation>Nichts wurde gespeichert: Eine Änderung gespeicherter Eintragungen eines früheren Tages braucht einen Grund. Die Eintragungen bleiben auf Ihrem Bildschirm.</translation>
    </message>
    <message>
        <source>&amp;Minutes Late…</source>
        <translation>&amp;Minuten verspätet…</translation>
    </message>
    <message>
        <source>How many minutes late did %1 arrive? (0 for not known)</source>
        <translation>Wie viele Minuten zu spät kam %1? (0 für unbekannt)</translation>
    </message>
    <message>
        <source>Minutes Late</source>
        <translation>Minuten verspätet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 0 to 600. Nothing was changed.</source>
        <translation>„%1“ ist keine Minutenzahl von 0 bis 600. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>%1 on an approved activity</source>
        <translation>%1 bei genehmigter Aktivität</translation>
    </message>
    <message>
        <source>%1 not counted</source>
        <translation>%1 nicht gezählt</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Vormittag</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Nachmittag</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>This is the morning&apos;s register. Pick Afternoon beside the date to copy onto it.</source>
        <translation>Dies ist die Liste des Vormittags. Wählen Sie neben dem Datum Nachmittag, um in diese zu übernehmen.</translation>
    </message>
    <message>
        <source>The morning&apos;s register of %1 on %2 has no saved marks, so there are none to copy.</source>
        <translation>Die Liste des Vormittags von %1 am %2 hat keine gespeicherten Einträge; es gibt nichts zu übernehmen.</translation>
    </message>
    <message>
        <source>Copy this morning&apos;s marks onto the afternoon&apos;s cards of %1?</source>
        <translation>Die Einträge von heute Morgen auf die Nachmittagskarten von %1 übernehmen?</translation>
    </message>
    <message>
        <source>%1, afternoon</source>
        <translation>%1, Nachmittag</translation>
    </message>
    <message>
        <source>%1, morning</source>
        <translation>%1, Vormittag</translation>
    </message>
    <message>
        <source>This morning&apos;s marks copied, not saved yet</source>
        <translation>Einträge von heute Morgen übernommen, noch nicht gespeichert</translation>
    </message>
    <message>
        <source>Closed · %1</source>
        <translation>Geschlossen · %1</translation>
    </message>
    <message>
        <source>Register Closed</source>
        <translation>Liste geschlossen</translation>
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
    <message>
        <source>Import Photos…</source>
        <translation>Fotos importieren…</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) of this student stay in the register, but no report will show them again. For a student who leaves the school, use Leaves School… (right-click the name) instead.</source>
        <translation>
            <numerusform>%n Eintrag dieses Schülers bleibt im Klassenbuch, aber kein Bericht zeigt ihn mehr. Für einen Schüler, der die Schule verlässt, nehmen Sie stattdessen „Verlässt die Schule…“ (Rechtsklick auf den Namen).</numerusform>
            <numerusform>%n Einträge dieses Schülers bleiben im Klassenbuch, aber kein Bericht zeigt sie mehr. Für einen Schüler, der die Schule verlässt, nehmen Sie stattdessen „Verlässt die Schule…“ (Rechtsklick auf den Namen).</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Move to Class</source>
        <translation>In andere Klasse &amp;verschieben</translation>
    </message>
    <message>
        <source>&amp;Leaves School…</source>
        <translation>Verlässt die &amp;Schule…</translation>
    </message>
    <message>
        <source>&amp;Delete Student (a mistake)…</source>
        <translation>Schüler &amp;löschen (Versehen)…</translation>
    </message>
    <message>
        <source>“%1” is not a date. Write it as %2, or as YYYY-MM-DD.</source>
        <translation>„%1“ ist kein Datum. Schreiben Sie es als %2 oder als JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>%1 moves to %2 from this day (the registers before it stay with the class they were taken in):</source>
        <translation>%1 wechselt ab diesem Tag nach %2 (die Einträge davor bleiben bei der Klasse, in der sie erfasst wurden):</translation>
    </message>
    <message>
        <source>Move to Class</source>
        <translation>In andere Klasse verschieben</translation>
    </message>
    <message>
        <source>%1 leaves the school on this day (the first day they are no longer here):</source>
        <translation>%1 verlässt die Schule an diesem Tag (dem ersten Tag, an dem er oder sie nicht mehr da ist):</translation>
    </message>
    <message>
        <source>Leaves School</source>
        <translation>Verlässt die Schule</translation>
    </message>
    <message>
        <source>%1 will not be on the cards from %2, and stays in every report of the days before. Go ahead?</source>
        <translation>%1 steht ab %2 nicht mehr auf den Karten und bleibt in jedem Bericht der Tage davor. Fortfahren?</translation>
    </message>
    <message>
        <source>This name cannot be saved: %1.</source>
        <translation>Dieser Name kann nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>&amp;Rename Class…</source>
        <translation>Klasse &amp;umbenennen…</translation>
    </message>
    <message>
        <source>&amp;Delete Class…</source>
        <translation>Klasse &amp;löschen…</translation>
    </message>
    <message>
        <source>The new name of %1:</source>
        <translation>Der neue Name von %1:</translation>
    </message>
    <message>
        <source>Rename Class</source>
        <translation>Klasse umbenennen</translation>
    </message>
    <message>
        <source>Remove the photo of %1?</source>
        <translation>Das Foto von %1 entfernen?</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>Foto entfernen</translation>
    </message>
    <message numerus="yes">
        <source>Its %n student(s) go with it.</source>
        <translation>
            <numerusform>Ihr %n Schüler wird mit ihr gelöscht.</numerusform>
            <numerusform>Ihre %n Schüler werden mit ihr gelöscht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Their %n mark(s) stay in the register, but no report will show them again.</source>
        <translation>
            <numerusform>Ihr %n Eintrag bleibt im Register, aber kein Bericht zeigt ihn wieder.</numerusform>
            <numerusform>Ihre %n Einträge bleiben im Register, aber kein Bericht zeigt sie wieder.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove &amp;Photo…</source>
        <translation>&amp;Foto entfernen…</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>der Name ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the name holds a control character (code %1)</source>
        <translation>der Name enthält ein Steuerzeichen (Code %1)</translation>
    </message>
    <message>
        <source>the name holds a character that reverses the direction of the text (U+%1)</source>
        <translation>der Name enthält ein Zeichen, das die Schreibrichtung umkehrt (U+%1)</translation>
    </message>
</context>
<context>
    <name>NewSchoolYear</name>
    <message>
        <source>The first day of the new school year (YYYY-MM-DD). Every class goes up one year from that day, and the top year leaves:</source>
        <translation>Der erste Tag des neuen Schuljahres (JJJJ-MM-TT). Ab diesem Tag rückt jede Klasse ein Jahr auf, und der oberste Jahrgang geht ab:</translation>
    </message>
    <message>
        <source>New School Year</source>
        <translation>Neues Schuljahr</translation>
    </message>
    <message>
        <source>“%1” is not a date; write it as YYYY-MM-DD.</source>
        <translation>„%1“ ist kein Datum; schreiben Sie es als JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>No class has students to move.</source>
        <translation>Keine Klasse hat Schüler, die aufrücken könnten.</translation>
    </message>
    <message>
        <source>%1 (%2): stays as it is, its name has no year.</source>
        <translation>%1 (%2): bleibt, wie sie ist; ihr Name nennt keinen Jahrgang.</translation>
    </message>
    <message>
        <source>%1 (%2): leave the school.</source>
        <translation>%1 (%2): verlassen die Schule.</translation>
    </message>
    <message>
        <source>%1 (%2): go up to %3%4.</source>
        <translation>%1 (%2): rücken auf nach %3%4.</translation>
    </message>
    <message>
        <source> (a new class)</source>
        <translation> (eine neue Klasse)</translation>
    </message>
    <message>
        <source>From %1:</source>
        <translation>Ab %1:</translation>
    </message>
    <message>
        <source>The registers before that day keep the classes they were taken in. Go ahead?</source>
        <translation>Die Einträge vor diesem Tag bleiben bei den Klassen, in denen sie erfasst wurden. Fortfahren?</translation>
    </message>
    <message>
        <source>%1 students went up a year and %2 left the school; %3 classes were added.</source>
        <translation>%1 Schüler sind ein Jahr aufgerückt und %2 haben die Schule verlassen; %3 Klassen wurden angelegt.</translation>
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
    <name>PhotoCompaction</name>
    <message>
        <source>The conversion of the photos was stopped; the photos converted so far are kept, and running it again goes on from there.</source>
        <translation>Die Umwandlung der Fotos wurde angehalten; die bisher umgewandelten Fotos bleiben, und ein erneuter Aufruf macht dort weiter.</translation>
    </message>
    <message>
        <source>The register is not at this version of Rollvane, so its photos cannot be converted. Nothing was changed.</source>
        <translation>Das Register hat nicht den Stand dieser Version von Rollvane, daher können seine Fotos nicht umgewandelt werden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>PhotoImport</name>
    <message>
        <source>more than one picture is named %1</source>
        <translation>mehr als ein Bild heißt %1</translation>
    </message>
    <message>
        <source>%1 students of the class are named %2</source>
        <translation>%1 Schüler der Klasse heißen %2</translation>
    </message>
    <message>
        <source>the picture %1</source>
        <translation>das Bild %1</translation>
    </message>
</context>
<context>
    <name>PlannedAbsenceWindow</name>
    <message>
        <source>Planned Absence</source>
        <translation>Geplante Abwesenheit</translation>
    </message>
    <message>
        <source>Hospital stay, family funeral, ...</source>
        <translation>Krankenhausaufenthalt, Beerdigung in der Familie, ...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Student:</source>
        <translation>&amp;Schüler:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Grund:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>School Days</source>
        <translation>Schultage</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>&amp;Cancel Selected Plans</source>
        <translation>Gewählte Planungen &amp;aufheben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (von %2)</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Nichts wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>Choose the student first.</source>
        <translation>Wählen Sie zuerst den Schüler.</translation>
    </message>
    <message>
        <source>The first day is after the last.</source>
        <translation>Der erste Tag liegt nach dem letzten.</translation>
    </message>
    <message>
        <source>There is no school day from %1 to %2.</source>
        <translation>Vom %1 bis %2 gibt es keinen Schultag.</translation>
    </message>
    <message numerus="yes">
        <source>Cancel %n planned absences? Marks already saved from them stay as they were saved.</source>
        <translation>
            <numerusform>%n geplante Abwesenheit aufheben? Bereits daraus gespeicherte Eintragungen bleiben, wie sie gespeichert wurden.</numerusform>
            <numerusform>%n geplante Abwesenheiten aufheben? Bereits daraus gespeicherte Eintragungen bleiben, wie sie gespeichert wurden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>%1: &quot;%2&quot; is not a day written yyyy-MM-dd</source>
        <translation>%1: „%2“ ist kein Tag in der Form JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>%1: a value is missing</source>
        <translation>%1: ein Wert fehlt</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1: erwartet keinen Wert</translation>
    </message>
    <message>
        <source>--class-id: &quot;%1&quot; is not a class id (a whole number above 0)</source>
        <translation>--class-id: „%1“ ist keine Klassennummer (eine ganze Zahl größer als 0)</translation>
    </message>
    <message>
        <source>--threshold: &quot;%1&quot; is not a percentage from 0 to 100</source>
        <translation>--threshold: „%1“ ist kein Prozentwert von 0 bis 100</translation>
    </message>
    <message>
        <source>--run: &quot;%1&quot; is not a number of days (1 or more)</source>
        <translation>--run: „%1“ ist keine Anzahl von Tagen (1 oder mehr)</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not one of text, csv and pdf</source>
        <translation>--format: „%1“ ist keiner der Werte text, csv und pdf</translation>
    </message>
    <message>
        <source>--output: the file name is empty</source>
        <translation>--output: der Dateiname ist leer</translation>
    </message>
    <message>
        <source>%1: not an option of rollvane-report (see --help)</source>
        <translation>%1: keine Option von rollvane-report (siehe --help)</translation>
    </message>
    <message>
        <source>%1: only one report at a time</source>
        <translation>%1: nur ein Bericht auf einmal</translation>
    </message>
    <message>
        <source>--class, --class-id, --all: choose one of them</source>
        <translation>--class, --class-id, --all: wählen Sie nur eine davon</translation>
    </message>
    <message>
        <source>--date: only the missing report looks at one day</source>
        <translation>--date: nur der Bericht missing betrachtet einen einzelnen Tag</translation>
    </message>
    <message>
        <source>--date: give either one day or --from and --to, not both</source>
        <translation>--date: geben Sie entweder einen Tag oder --from und --to an, nicht beides</translation>
    </message>
    <message>
        <source>%1: only the alerts report takes it</source>
        <translation>%1: nur der Bericht alerts nimmt diese Option an</translation>
    </message>
    <message>
        <source>--from: %1 is after the last day, %2</source>
        <translation>--from: %1 liegt nach dem letzten Tag, %2</translation>
    </message>
    <message>
        <source>--class-id: the register has no class with id %1</source>
        <translation>--class-id: die Anwesenheitsliste hat keine Klasse mit der Nummer %1</translation>
    </message>
    <message>
        <source>--class: several classes are named &quot;%1&quot;; use --class-id</source>
        <translation>--class: mehrere Klassen heißen „%1“; verwenden Sie --class-id</translation>
    </message>
    <message>
        <source>--class: the register has no class named &quot;%1&quot;</source>
        <translation>--class: die Anwesenheitsliste hat keine Klasse namens „%1“</translation>
    </message>
    <message>
        <source>--output: %1 could not be written: %2</source>
        <translation>--output: %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>--output: %1 is one of the register&apos;s own files (the register, its journal or lock, the template or a backup); choose another file</source>
        <translation>--output: %1 ist eine der eigenen Dateien des Registers (das Register, sein Journal oder seine Sperre, die Vorlage oder eine Sicherung); wählen Sie eine andere Datei</translation>
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
        <translation>Aufruf: rollvane-report summary|sheet|missing|alerts|census [Optionen]
Liest die Anwesenheitsliste, ohne sie zu ändern, und schreibt einen Bericht.

  --class NAME          eine Klasse, nach ihrem Namen
  --class-id N          eine Klasse, nach ihrer Nummer (ID)
  --all                 alle Klassen (Standard)
  --from JJJJ-MM-TT     der erste Tag (Standard: 1. September dieses Schuljahres)
  --to JJJJ-MM-TT       der letzte Tag (Standard: heute)
  --date JJJJ-MM-TT     missing: der eine zu prüfende Tag (Standard: heute, sofern
                        nicht --from oder --to jeden Schultag eines Zeitraums
                        verlangen)
  --threshold PROZENT   alerts: Anwesenheit bei oder unter diesem Wert (Standard 90)
  --run TAGE            alerts: so viele erfasste Tage in Folge abwesend (Standard 3)
  --persistent          alerts: nur dauerhafte Abwesenheit (10 % der möglichen
                        Sitzungen oder mehr versäumt) und schwere (die Hälfte)
  --format text|csv|pdf die Form des Berichts (Standard text)
  --output DATEI        den Bericht in DATEI schreiben statt in die Standardausgabe
  --help                diesen Text anzeigen
  --version             die Version anzeigen

Exit-Status: 0 erledigt, 2 ungültiges Argument, 3 die Anwesenheitsliste fehlt, ist nicht lesbar oder beschädigt.
</translation>
    </message>
    <message>
        <source>%1: not a report; choose summary, sheet, missing, alerts or census</source>
        <translation>%1: kein Bericht; wählen Sie summary, sheet, missing, alerts oder census</translation>
    </message>
    <message>
        <source>no report named; choose summary, sheet, missing, alerts or census (see --help)</source>
        <translation>kein Bericht angegeben; wählen Sie summary, sheet, missing, alerts oder census (siehe --help)</translation>
    </message>
    <message>
        <source>--persistent: the rule is fixed; leave out --threshold and --run</source>
        <translation>--persistent: die Regel steht fest; lassen Sie --threshold und --run weg</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Attendance % per marked day</source>
        <translation>Anwesenheit in % je erfasstem Tag</translation>
    </message>
    <message>
        <source>Attendance %</source>
        <translation>Anwesenheit in %</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Marks per week</source>
        <translation>Einträge pro Woche</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Week beginning</source>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2. Nothing was saved.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Gedruckt am %1</translation>
    </message>
    <message>
        <source>Attendance Register</source>
        <translation>Anwesenheitsliste</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Nothing to show for these choices.</source>
        <translation>Für diese Auswahl gibt es nichts anzuzeigen.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Register Sheet</source>
        <translation>Anwesenheitstabelle</translation>
    </message>
    <message>
        <source>Registers Not Taken</source>
        <translation>Fehlende Erfassungen</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>All Classes</source>
        <translation>Alle Klassen</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>This School Year</source>
        <translation>Dieses Schuljahr</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Frei gewählt</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Days
Marked</source>
        <translation>Erfasste
Tage</translation>
    </message>
    <message>
        <source>Days in the range on which the student has a saved mark</source>
        <translation>Tage im Zeitraum, an denen für den Schüler ein gespeicherter Eintrag vorliegt</translation>
    </message>
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
    <message>
        <source>Marks with a word other than Present, Late, Absent and Excused</source>
        <translation>Einträge mit einem anderen Wort als Anwesend, Verspätet, Abwesend und Entschuldigt</translation>
    </message>
    <message>
        <source>Attendance
%</source>
        <translation>Anwesenheit
%</translation>
    </message>
    <message>
        <source>Longest
Absence Run</source>
        <translation>Längste
Abwesenheit</translation>
    </message>
    <message>
        <source>Current
Absence Run</source>
        <translation>Aktuelle
Abwesenheit</translation>
    </message>
    <message>
        <source>Other words: %1</source>
        <translation>Andere Wörter: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total (%n students)</source>
        <translation>
            <numerusform>Gesamt (%n Schüler)</numerusform>
            <numerusform>Gesamt (%n Schüler)</numerusform>
        </translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message numerus="yes">
        <source>Absent %n marked days running</source>
        <translation>
            <numerusform>%n erfassten Tag abwesend</numerusform>
            <numerusform>%n erfasste Tage in Folge abwesend</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Old Status</source>
        <translation>Alter Status</translation>
    </message>
    <message>
        <source>New Status</source>
        <translation>Neuer Status</translation>
    </message>
    <message>
        <source>Old Remark</source>
        <translation>Alte Bemerkung</translation>
    </message>
    <message>
        <source>New Remark</source>
        <translation>Neue Bemerkung</translation>
    </message>
    <message>
        <source>Changed By</source>
        <translation>Geändert von</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Changed At</source>
        <translation>Geändert am</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Erfasst</translation>
    </message>
    <message>
        <source>Present or Late</source>
        <translation>Anwesend oder verspätet</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Schüler-Nr.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Day&apos;s Notes</source>
        <translation>Notizen des Tages</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>School days per the school calendar: %1</source>
        <translation>Schultage laut Schulkalender: %1</translation>
    </message>
    <message>
        <source>School days per the calendar %1: %2</source>
        <translation>Schultage laut Kalender %1: %2</translation>
    </message>
    <message>
        <source>School
Days</source>
        <translation>Schul-
tage</translation>
    </message>
    <message>
        <source>School days of the range up to today, per the calendar</source>
        <translation>Schultage des Zeitraums bis heute, laut Kalender</translation>
    </message>
    <message>
        <source>Not
Recorded</source>
        <translation>Nicht
erfasst</translation>
    </message>
    <message>
        <source>School days without a mark for the student</source>
        <translation>Schultage ohne Eintrag für den Schüler</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This Term</source>
        <translation>Dieses Halbjahr</translation>
    </message>
    <message>
        <source>Last Term</source>
        <translation>Letztes Halbjahr</translation>
    </message>
    <message>
        <source>Left out, as no row has any: %1</source>
        <translation>Weggelassen, da keine Zeile welche hat: %1</translation>
    </message>
    <message>
        <source>Census</source>
        <translation>Erhebung</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n possible sessions attended</source>
        <translation>
            <numerusform>%1 von %n möglichen Sitzung besucht</numerusform>
            <numerusform>%1 von %n möglichen Sitzungen besucht</numerusform>
        </translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Möglich</translation>
    </message>
    <message>
        <source>Marks that count as possible sessions: all but codes not counted</source>
        <translation>Eintragungen, die als mögliche Sitzungen zählen: alle außer nicht gezählten Codes</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>Genehmigt</translation>
    </message>
    <message>
        <source>Approved educational activity, which counts as present</source>
        <translation>Genehmigte schulische Aktivität, zählt als anwesend</translation>
    </message>
    <message>
        <source>Authorised</source>
        <translation>Entschuldigt</translation>
    </message>
    <message>
        <source>Authorised absence: Excused and every code of that category</source>
        <translation>Entschuldigte Abwesenheit: Entschuldigt und jeder Code dieser Kategorie</translation>
    </message>
    <message>
        <source>Unauthorised</source>
        <translation>Unentschuldigt</translation>
    </message>
    <message>
        <source>Unauthorised absence: Absent and every code of that category</source>
        <translation>Unentschuldigte Abwesenheit: Abwesend und jeder Code dieser Kategorie</translation>
    </message>
    <message>
        <source>Not
Counted</source>
        <translation>Nicht
gezählt</translation>
    </message>
    <message>
        <source>Codes that make no possible session (X, Y, Z, #)</source>
        <translation>Codes ohne mögliche Sitzung (X, Y, Z, #)</translation>
    </message>
    <message>
        <source>Present, late and approved activity / possible sessions; exact figures on hover</source>
        <translation>Anwesend, verspätet und genehmigte Aktivität / mögliche Sitzungen; genaue Zahlen beim Darüberfahren</translation>
    </message>
    <message>
        <source>Late
minutes</source>
        <translation>Minuten
verspätet</translation>
    </message>
    <message>
        <source>The minutes late of every Late mark, summed</source>
        <translation>Die Verspätungsminuten aller Verspätet-Eintragungen, zusammengezählt</translation>
    </message>
    <message>
        <source>The most consecutive marked days missed (absent, excused or any absence code)</source>
        <translation>Die meisten aufeinanderfolgenden erfassten Tage versäumt (abwesend, entschuldigt oder ein Abwesenheitscode)</translation>
    </message>
    <message>
        <source>Consecutive marked days missed up to the last one</source>
        <translation>Aufeinanderfolgende versäumte erfasste Tage bis zum letzten</translation>
    </message>
    <message>
        <source>Severe absence: missed half the possible sessions or more</source>
        <translation>Schwere Abwesenheit: die Hälfte der möglichen Sitzungen oder mehr versäumt</translation>
    </message>
    <message>
        <source>Persistent absence: missed %1 % or more of the possible sessions</source>
        <translation>Dauerhafte Abwesenheit: %1 % oder mehr der möglichen Sitzungen versäumt</translation>
    </message>
    <message>
        <source>Missed %1 % or more of the possible sessions</source>
        <translation>%1 % oder mehr der möglichen Sitzungen versäumt</translation>
    </message>
    <message>
        <source>Attended</source>
        <translation>Besucht</translation>
    </message>
    <message>
        <source>Words without a category</source>
        <translation>Wörter ohne Kategorie</translation>
    </message>
    <message>
        <source>Attended of possible</source>
        <translation>Besucht von möglich</translation>
    </message>
    <message>
        <source>Late minutes</source>
        <translation>Minuten verspätet</translation>
    </message>
    <message>
        <source>Sessions in the range (morning and afternoon) in which the student has a saved mark</source>
        <translation>Sitzungen des Zeitraums (Vormittag und Nachmittag), in denen der Schüler einen gespeicherten Eintrag hat</translation>
    </message>
    <message>
        <source>School
Sessions</source>
        <translation>Schul-
sitzungen</translation>
    </message>
    <message>
        <source>Morning and afternoon sessions of the school days of the range up to today, per the calendar</source>
        <translation>Vor- und Nachmittagssitzungen der Schultage des Zeitraums bis heute, laut Kalender</translation>
    </message>
    <message>
        <source>School sessions without a mark for the student</source>
        <translation>Schulsitzungen ohne Eintrag für den Schüler</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>NM</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>VM</translation>
    </message>
    <message>
        <source>Changed after it was first saved; the History view shows how and why</source>
        <translation>Nach dem ersten Speichern geändert; die Ansicht Verlauf zeigt wie und warum</translation>
    </message>
    <message>
        <source>%1 a mark changed after it was first saved (see the History view)</source>
        <translation>%1 ein nach dem ersten Speichern geänderter Eintrag (siehe Verlauf)</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>The register was left as it is.</source>
        <translation>Die Anwesenheitsliste blieb unverändert.</translation>
    </message>
    <message>
        <source>Checking the backup of %1…</source>
        <translation>Die Sicherung vom %1 wird geprüft…</translation>
    </message>
    <message>
        <source>The backup of %1 cannot be restored: %2<byte value="xd"/>
%3</source>
        <translation>Die Sicherung vom %1 kann nicht wiederhergestellt werden: %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged, so it cannot be restored. SQLite&apos;s check found:<byte value="xd"/>
%2<byte value="xd"/>
%3</source>
        <translation>Die Sicherung vom %1 ist beschädigt und kann daher nicht wiederhergestellt werden. Die Prüfung durch SQLite ergab:<byte value="xd"/>
%2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Rollvane is running elsewhere on this computer (another user, or another window), with the register open. Ask for it to be closed, then restore again.<byte value="xd"/>
%1</source>
        <translation>Rollvane läuft noch an anderer Stelle auf diesem Computer (bei einem anderen Benutzer oder in einem anderen Fenster) und hat die Anwesenheitsliste geöffnet. Bitten Sie darum, es zu schließen, und starten Sie die Wiederherstellung dann erneut.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The register&apos;s folder %1 cannot be written by you, so the register cannot be replaced. Ask the administrator to make it writable for the users who share the register.<byte value="xd"/>
%2</source>
        <translation>Sie können nicht in den Ordner %1 der Anwesenheitsliste schreiben, daher kann die Anwesenheitsliste nicht ersetzt werden. Bitten Sie den Administrator, den Ordner für alle Benutzer, die die Anwesenheitsliste gemeinsam verwenden, beschreibbar zu machen.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Replace the register with the backup of %1?<byte value="xd"/>
<byte value="xd"/>
The backup holds %2, %3 and %4. The register as it is now is backed up first, so that this restore can be undone.</source>
        <translation>Die Anwesenheitsliste durch die Sicherung vom %1 ersetzen?<byte value="xd"/>
<byte value="xd"/>
Die Sicherung enthält %2, %3 und %4. Der jetzige Stand der Anwesenheitsliste wird vorher gesichert, damit sich diese Wiederherstellung rückgängig machen lässt.</translation>
    </message>
    <message numerus="yes">
        <source>%n class(es)</source>
        <translation>
            <numerusform>%n Klasse</numerusform>
            <numerusform>%n Klassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n Schüler</numerusform>
            <numerusform>%n Schüler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s)</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Backing up the register as it is now…</source>
        <translation>Der jetzige Stand der Anwesenheitsliste wird gesichert…</translation>
    </message>
    <message>
        <source>The register as it is now could not be backed up, so it was not replaced: %1<byte value="xd"/>
%2</source>
        <translation>Der jetzige Stand der Anwesenheitsliste konnte nicht gesichert werden, daher wurde sie nicht ersetzt: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Restoring the backup of %1…</source>
        <translation>Die Sicherung vom %1 wird wiederhergestellt…</translation>
    </message>
    <message>
        <source>The register was not replaced: %1</source>
        <translation>Die Anwesenheitsliste wurde nicht ersetzt: %1</translation>
    </message>
    <message>
        <source>The register now holds the backup of %1.<byte value="xd"/>
What it held before is kept as the backup %2; restore that one to undo this.</source>
        <translation>Die Anwesenheitsliste enthält jetzt die Sicherung vom %1.<byte value="xd"/>
Ihr vorheriger Stand ist als Sicherung %2 aufbewahrt; stellen Sie diese wieder her, um den Schritt rückgängig zu machen.</translation>
    </message>
</context>
<context>
    <name>SchoolCalendar</name>
    <message>
        <source>School year</source>
        <translation>Schuljahr</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Halbjahr/Trimester</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Ferien</translation>
    </message>
    <message>
        <source>Closure</source>
        <translation>Schließung</translation>
    </message>
    <message>
        <source>Training day</source>
        <translation>Fortbildungstag</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Wochenende</translation>
    </message>
    <message>
        <source>Outside the terms</source>
        <translation>Außerhalb der Unterrichtszeit</translation>
    </message>
    <message>
        <source>Between school years</source>
        <translation>Zwischen zwei Schuljahren</translation>
    </message>
</context>
<context>
    <name>SessionsWindow</name>
    <message>
        <source>&amp;One register a day</source>
        <translation>&amp;Eine Liste am Tag</translation>
    </message>
    <message>
        <source>&amp;Two registers a day: the morning&apos;s and the afternoon&apos;s</source>
        <translation>&amp;Zwei Listen am Tag: Vormittag und Nachmittag</translation>
    </message>
    <message>
        <source>The afternoon&apos;s register opens &amp;from:</source>
        <translation>Die Nachmittagsliste öffnet &amp;ab:</translation>
    </message>
    <message>
        <source>With two, the main window shows Morning or Afternoon beside the date, picked by the clock, and every figure counts sessions: a day holds two.</source>
        <translation>Bei zwei zeigt das Hauptfenster neben dem Datum Vormittag oder Nachmittag, nach der Uhrzeit gewählt, und jede Zahl zählt Sitzungen: ein Tag hat zwei.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The registers already taken were taken once a day.<byte value="xd"/>
<byte value="xd"/>
Yes: count each of them as both the morning&apos;s and the afternoon&apos;s (the school took one register for the whole day).<byte value="xd"/>
No: count them as the mornings&apos; only; the afternoons before today stay unrecorded.</source>
        <translation>Die bisherigen Listen wurden einmal am Tag geführt.<byte value="xd"/>
<byte value="xd"/>
Ja: jede zählt für Vormittag und Nachmittag (die Schule führte eine Liste für den ganzen Tag).<byte value="xd"/>
Nein: sie zählen nur als Vormittage; die Nachmittage vor heute bleiben unerfasst.</translation>
    </message>
    <message>
        <source>Two Registers a Day</source>
        <translation>Zwei Listen am Tag</translation>
    </message>
    <message>
        <source>Register Rules</source>
        <translation>Regeln der Listen</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source> school days after its day</source>
        <translation> Schultage nach ihrem Tag</translation>
    </message>
    <message>
        <source>&amp;Close each register:</source>
        <translation>Jede Liste &amp;schließen:</translation>
    </message>
    <message>
        <source>log-in names, separated by commas</source>
        <translation>Anmeldenamen, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>&amp;Who may still change it:</source>
        <translation>&amp;Wer sie dann noch ändern darf:</translation>
    </message>
    <message>
        <source>A closed register keeps the marks that were reported; changing one then needs one of these accounts, and a reason, as every change of an earlier day does.</source>
        <translation>Eine geschlossene Liste behält die gemeldeten Einträge; sie zu ändern erfordert dann eines dieser Konten und einen Grund, wie jede Änderung eines früheren Tages.</translation>
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
    <message>
        <source>%1
Remark: %2</source>
        <translation>%1
Bemerkung: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Remark: %1</source>
        <translation>Bemerkung: %1</translation>
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
    <message>
        <source>This name cannot be saved: %1.</source>
        <translation>Dieser Name kann nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>from</source>
        <translation>ab</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>Beginn</translation>
    </message>
</context>
<context>
    <name>StudentImport</name>
    <message>
        <source>the photo %1 is not given relative to the spreadsheet&apos;s folder</source>
        <translation>das Foto %1 ist nicht relativ zum Ordner der Tabelle angegeben</translation>
    </message>
    <message>
        <source>the photo %1 lies outside the spreadsheet&apos;s folder</source>
        <translation>das Foto %1 liegt außerhalb des Ordners der Tabelle</translation>
    </message>
    <message>
        <source>the photo %1 was not found</source>
        <translation>das Foto %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the photo %1 is not a file</source>
        <translation>das Foto %1 ist keine Datei</translation>
    </message>
    <message>
        <source>the photo %1 %2</source>
        <translation>das Foto %1 %2</translation>
    </message>
    <message>
        <source>is too large (%1 MB; up to %2 MB can be stored)</source>
        <translation>ist zu groß (%1 MB; gespeichert werden können bis zu %2 MB)</translation>
    </message>
    <message>
        <source>is not a picture Rollvane can read</source>
        <translation>ist kein Bild, das Rollvane lesen kann</translation>
    </message>
    <message>
        <source>is too large (%1 by %2 pixels)</source>
        <translation>ist zu groß (%1 × %2 Pixel)</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of students (%2 MB).</source>
        <translation>Die Datei %1 ist zu groß für eine Schülerliste (%2 MB).</translation>
    </message>
    <message>
        <source>The file %1 holds no rows.</source>
        <translation>Die Datei %1 enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>The first line names the column %1 twice.</source>
        <translation>Die erste Zeile nennt die Spalte %1 zweimal.</translation>
    </message>
    <message>
        <source>no class and no name</source>
        <translation>keine Klasse und kein Name</translation>
    </message>
    <message>
        <source>no class</source>
        <translation>keine Klasse</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>kein Name</translation>
    </message>
    <message>
        <source>listed already on line %1</source>
        <translation>bereits in Zeile %1 aufgeführt</translation>
    </message>
    <message>
        <source>already in the class</source>
        <translation>bereits in der Klasse</translation>
    </message>
    <message>
        <source>read as Windows-1252: byte %1 of line %2 (0x%3) is not UTF-8</source>
        <translation>als Windows-1252 gelesen: Byte %1 von Zeile %2 (0x%3) ist kein UTF-8</translation>
    </message>
    <message>
        <source>class: %1</source>
        <translation>Klasse: %1</translation>
    </message>
    <message>
        <source>The first line of the file must name a class column (Class, Form or Tutor group) and the students&apos; names (Name, or First name and Last name), and Photo if there are photos. It names: %1.</source>
        <translation>Die erste Zeile der Datei muss eine Klassenspalte nennen („Klasse“ oder „Class“) und die Namen der Schüler („Name“, oder „Vorname“ und „Nachname“), dazu „Foto“, falls es Fotos gibt. Sie nennt: %1.</translation>
    </message>
</context>
<context>
    <name>backup::BackupsWindow</name>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>A backup of the register is taken each day, at the first save. The last %1 daily backups and the first of each of the last %2 months are kept, in %3.</source>
        <translation>Jeden Tag wird beim ersten Speichern eine Sicherung der Anwesenheitsliste angelegt. Aufbewahrt werden die letzten %1 täglichen Sicherungen und die jeweils erste der letzten %2 Monate, im Ordner %3.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Wiederherstellen…</translation>
    </message>
    <message>
        <source>Check Register</source>
        <translation>Liste prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Stored date</source>
        <translation>Gespeichertes Datum</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The register is kept on a database server (%1). Its backups are kept by the server&apos;s administrator (with pg_dump), so this program takes none and restores none.

You can export a copy of the register as a register file, to keep or to open elsewhere.</source>
        <translation>Die Anwesenheitsliste liegt auf einem Datenbankserver: %1. Ihre Sicherungen erstellt der Administrator des Servers (mit pg_dump); dieses Programm legt daher keine an und stellt keine wieder her.

Sie können eine Kopie der Anwesenheitsliste als Datei exportieren, um sie aufzubewahren oder an anderer Stelle zu öffnen.</translation>
    </message>
    <message>
        <source>Export Register…</source>
        <translation>Anwesenheitsliste exportieren…</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Backing up the register…</source>
        <translation>Die Anwesenheitsliste wird gesichert…</translation>
    </message>
    <message>
        <source>The register was backed up as %1.</source>
        <translation>Die Anwesenheitsliste wurde als %1 gesichert.</translation>
    </message>
    <message>
        <source>Pick the backup to restore first.</source>
        <translation>Wählen Sie zuerst die Sicherung aus, die wiederhergestellt werden soll.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Checking the register…</source>
        <translation>Die Anwesenheitsliste wird geprüft…</translation>
    </message>
    <message>
        <source>The register is sound.</source>
        <translation>Die Anwesenheitsliste ist in Ordnung.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… und %n weiteres.</numerusform>
            <numerusform>… und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>The register is damaged. SQLite&apos;s check found:<byte value="xd"/>
%1</source>
        <translation>Die Anwesenheitsliste ist beschädigt. Die Prüfung durch SQLite ergab:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Restore the newest backup, of %1 (a restore checks the backup first); marks saved since then have to be taken again.</source>
        <translation>Stellen Sie die neueste Sicherung vom %1 wieder her (dabei wird die Sicherung zuerst geprüft); seitdem gespeicherte Einträge müssen neu erfasst werden.</translation>
    </message>
    <message>
        <source>There is no backup to restore. Keep a copy of the register&apos;s file and ask for help: %1</source>
        <translation>Es gibt keine Sicherung, die wiederhergestellt werden könnte. Bewahren Sie eine Kopie der Datei der Anwesenheitsliste auf und bitten Sie um Hilfe: %1</translation>
    </message>
    <message>
        <source>(student %1, deleted)</source>
        <translation>(Schüler %1, gelöscht)</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(kein Datum)</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read, so they are shown on no day; the first %1 are listed.</source>
        <translation>
            <numerusform>%n Eintrag hat ein Datum, das Rollvane nicht lesen kann, und wird daher an keinem Tag angezeigt; die ersten %1 sind aufgeführt.</numerusform>
            <numerusform>%n Einträge haben ein Datum, das Rollvane nicht lesen kann, und werden daher an keinem Tag angezeigt; die ersten %1 sind aufgeführt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read, so they are shown on no day:</source>
        <translation>
            <numerusform>%n Eintrag hat ein Datum, das Rollvane nicht lesen kann, und wird daher an keinem Tag angezeigt:</numerusform>
            <numerusform>%n Einträge haben ein Datum, das Rollvane nicht lesen kann, und werden daher an keinem Tag angezeigt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read; they are listed in the Backups window.</source>
        <translation>
            <numerusform>%n Eintrag hat ein Datum, das Rollvane nicht lesen kann; er ist im Fenster „Sicherungen“ aufgeführt.</numerusform>
            <numerusform>%n Einträge haben ein Datum, das Rollvane nicht lesen kann; sie sind im Fenster „Sicherungen“ aufgeführt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Register</source>
        <translation>Anwesenheitsliste exportieren</translation>
    </message>
    <message>
        <source>Rollvane Register (*.mdb)|*.mdb|</source>
        <translation>Rollvane-Anwesenheitsliste (*.mdb)|*.mdb|</translation>
    </message>
    <message>
        <source>Exporting the register…</source>
        <translation>Die Anwesenheitsliste wird exportiert…</translation>
    </message>
    <message>
        <source>The register could not be exported: %1</source>
        <translation>Die Anwesenheitsliste konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>The register was exported to %1.</source>
        <translation>Die Anwesenheitsliste wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>The register was not backed up: %1</source>
        <translation>Das Register wurde nicht gesichert: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) have more than one mark stored for one day. Keep the most recently changed mark of each, and record the others in the history?</source>
        <translation>
            <numerusform>%n Schüler hat für einen Tag mehr als einen gespeicherten Eintrag. Jeweils den zuletzt geänderten behalten und die anderen in der Historie festhalten?</numerusform>
            <numerusform>%n Schüler haben für einen Tag mehr als einen gespeicherten Eintrag. Jeweils den zuletzt geänderten behalten und die anderen in der Historie festhalten?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) stored twice were removed; the history keeps what they said.</source>
        <translation>
            <numerusform>%n doppelt gespeicherter Eintrag wurde entfernt; die Historie bewahrt, was er besagte.</numerusform>
            <numerusform>%n doppelt gespeicherte Einträge wurden entfernt; die Historie bewahrt, was sie besagten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The marks stored twice were left as they are: %1</source>
        <translation>Die doppelt gespeicherten Einträge wurden gelassen, wie sie sind: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) are stored at full size, as earlier versions stored them. Converting them (rollvane-admin compact-photos, after a backup it takes itself) would make the register and each backup about %1 MB smaller.</source>
        <translation>
            <numerusform>%n Foto ist in voller Größe gespeichert, wie frühere Versionen es speicherten. Es umzuwandeln (rollvane-admin compact-photos, nach einer Sicherung, die es selbst anlegt) würde das Register und jede Sicherung um etwa %1 MB verkleinern.</numerusform>
            <numerusform>%n Fotos sind in voller Größe gespeichert, wie frühere Versionen sie speicherten. Sie umzuwandeln (rollvane-admin compact-photos, nach einer Sicherung, die es selbst anlegt) würde das Register und jede Sicherung um etwa %1 MB verkleinern.</numerusform>
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
        <translation>Schulkalender</translation>
    </message>
    <message>
        <source>◀ &amp;Previous Year</source>
        <translation>◀ &amp;Voriges Jahr</translation>
    </message>
    <message>
        <source>&amp;Next Year ▶</source>
        <translation>&amp;Nächstes Jahr ▶</translation>
    </message>
    <message>
        <source>School day</source>
        <translation>Schultag</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Wochenende</translation>
    </message>
    <message>
        <source>&amp;Entries of this year:</source>
        <translation>&amp;Einträge dieses Jahres:</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Half-term holiday</source>
        <translation>Herbstferien</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>Click a day in the months to choose it; Shift+click another to make a range.</source>
        <translation>Klicken Sie auf einen Tag, um ihn zu wählen; Umschalt+Klick auf einen weiteren ergibt einen Zeitraum.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>An iCalendar file (.ics) or a CSV of From,To,Name, as a local authority publishes them</source>
        <translation>Eine iCalendar-Datei (.ics) oder eine CSV mit Von,Bis,Name, wie Schulbehörden sie veröffentlichen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>School year %1</source>
        <translation>Schuljahr %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>The last day (%1) is before the first (%2). Choose a last day on or after the first.</source>
        <translation>Der letzte Tag (%1) liegt vor dem ersten (%2). Wählen Sie einen letzten Tag am oder nach dem ersten.</translation>
    </message>
    <message>
        <source>The calendar already holds “%1” on these days.</source>
        <translation>Der Kalender enthält „%1“ an diesen Tagen schon.</translation>
    </message>
    <message>
        <source>This entry was removed on another computer meanwhile; nothing was changed.</source>
        <translation>Dieser Eintrag wurde inzwischen an einem anderen Computer entfernt; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Remove “%1” (%2 to %3) from the school calendar?</source>
        <translation>„%1“ (%2 bis %3) aus dem Schulkalender entfernen?</translation>
    </message>
    <message>
        <source>Import School Calendar</source>
        <translation>Schulkalender importieren</translation>
    </message>
    <message>
        <source>Calendar files (*.ics;*.csv)|*.ics;*.csv|iCalendar files (*.ics)|*.ics|CSV files (*.csv)|*.csv|</source>
        <translation>Kalenderdateien (*.ics;*.csv)|*.ics;*.csv|iCalendar-Dateien (*.ics)|*.ics|CSV-Dateien (*.csv)|*.csv|</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n entry(s) (%1), from %2 to %3.</source>
        <translation>
            <numerusform>Die Datei enthält %n Eintrag (%1), vom %2 bis %3.</numerusform>
            <numerusform>Die Datei enthält %n Einträge (%1), vom %2 bis %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Ausgelassen:</translation>
    </message>
    <message>
        <source>Add them to the school calendar? Entries it already holds are not added again.</source>
        <translation>In den Schulkalender übernehmen? Einträge, die er schon enthält, werden nicht noch einmal hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) added to the school calendar.</source>
        <translation>
            <numerusform>%n Eintrag in den Schulkalender übernommen.</numerusform>
            <numerusform>%n Einträge in den Schulkalender übernommen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n it already held.</source>
        <translation>
            <numerusform>%n stand schon darin.</numerusform>
            <numerusform>%n standen schon darin.</numerusform>
        </translation>
    </message>
</context>
</TS>
