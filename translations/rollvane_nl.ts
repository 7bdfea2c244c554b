<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Admin</name>
    <message>
        <source>copied %1 of %2 rows (%3%)</source>
        <translation>%1 van %2 rijen gekopieerd (%3%)</translation>
    </message>
    <message>
        <source>%1: %2 rows, checksum %3 in the source; %4 rows, checksum %5 in the copy: %6</source>
        <translation>%1: %2 rijen, controlesom %3 in de bron; %4 rijen, controlesom %5 in de kopie: %6</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>gelijk</translation>
    </message>
    <message>
        <source>DIFFERENT</source>
        <translation>VERSCHILLEND</translation>
    </message>
    <message>
        <source>The copy of %1 in %2 does not agree with its source; do not use it. The source was not changed.</source>
        <translation>De kopie van %1 in %2 komt niet overeen met de bron; gebruik deze kopie niet. De bron is niet gewijzigd.</translation>
    </message>
    <message>
        <source>%1 was copied into %2: %3 rows, every table the same on both sides.</source>
        <translation>%1 is gekopieerd naar %2: %3 rijen, elke tabel aan beide kanten gelijk.</translation>
    </message>
    <message>
        <source>The settings file names no database on the server ([register] database=...).</source>
        <translation>Het instellingenbestand noemt geen database op de server ([register] database=...).</translation>
    </message>
    <message>
        <source>the database %1 on the server %2</source>
        <translation>de database %1 op de server %2</translation>
    </message>
    <message>
        <source>%1 is one of the register&apos;s own files (the register, its journal or lock, the template or a backup); choose another file.</source>
        <translation>%1 is een van de eigen bestanden van het register (het register, het journaal of de vergrendeling, de sjabloon of een back-up); kies een ander bestand.</translation>
    </message>
    <message>
        <source>%1 photos, %2 of them to convert: about %3 MB now, about %4 MB after.</source>
        <translation>%1 foto&apos;s, waarvan %2 om te zetten: nu ongeveer %3 MB, daarna ongeveer %4 MB.</translation>
    </message>
    <message>
        <source>looked at %1 of %2 photos (%3%)</source>
        <translation>%1 van %2 foto&apos;s bekeken (%3%)</translation>
    </message>
    <message>
        <source>A backup was taken first: %1</source>
        <translation>Eerst is een reservekopie gemaakt: %1</translation>
    </message>
    <message>
        <source>%1 photos converted or given a card picture.</source>
        <translation>%1 foto&apos;s omgezet of van een kaartafbeelding voorzien.</translation>
    </message>
    <message>
        <source>%1 photos could not be read and were left as they are; Check Register in the program shows which cards have no photo.</source>
        <translation>%1 foto&apos;s konden niet worden gelezen en blijven zoals ze zijn; Register controleren in het programma toont welke kaarten geen foto hebben.</translation>
    </message>
    <message>
        <source>The space the old photos took could not be given back now (%1); it is reused as the register grows, or run the command again when no one has the register open.</source>
        <translation>De ruimte van de oude foto&apos;s kon nu niet worden vrijgegeven (%1); die wordt hergebruikt als het register groeit, of voer de opdracht opnieuw uit wanneer niemand het register open heeft.</translation>
    </message>
    <message>
        <source>The register took %1 MB and now takes %2 MB.</source>
        <translation>Het register nam %1 MB in en neemt nu %2 MB in.</translation>
    </message>
    <message>
        <source>%1 entries read from %2: %3 added, %4 already in the calendar.</source>
        <translation>%1 items gelezen uit %2: %3 toegevoegd, %4 stonden al in de kalender.</translation>
    </message>
    <message>
        <source>“%1” is not a date; write it as YYYY-MM-DD.</source>
        <translation>‘%1’ is geen datum; schrijf hem als JJJJ-MM-DD.</translation>
    </message>
    <message>
        <source>The range ends before it begins.</source>
        <translation>De periode eindigt voordat hij begint.</translation>
    </message>
    <message>
        <source>%1 school days from %2 to %3%4.</source>
        <translation>%1 schooldagen van %2 tot en met %3%4.</translation>
    </message>
    <message>
        <source> (no calendar: every weekday)</source>
        <translation> (geen kalender: elke weekdag)</translation>
    </message>
    <message>
        <source>There is no student with the number %1.</source>
        <translation>Er is geen leerling met nummer %1.</translation>
    </message>
    <message>
        <source>%1 leaves the register from %2.</source>
        <translation>%1 verlaat het register vanaf %2.</translation>
    </message>
    <message>
        <source>There is no class named %1.</source>
        <translation>Er is geen klas met de naam %1.</translation>
    </message>
    <message>
        <source>%1 is in %2 from %3.</source>
        <translation>%1 zit vanaf %3 in %2.</translation>
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
        <translation>gebruik: rollvane-admin copy-register --to postgresql [--from BESTAND]
       rollvane-admin copy-register --to sqlite BESTAND
       rollvane-admin compact-photos
       rollvane-admin calendar import BESTAND
       rollvane-admin calendar list [--from JJJJ-MM-DD] [--to JJJJ-MM-DD]
       rollvane-admin move-student NUMMER KLAS --on JJJJ-MM-DD
       rollvane-admin leave-student NUMMER --on JJJJ-MM-DD
       rollvane-admin new-school-year --on JJJJ-MM-DD [--apply]</translation>
    </message>
    <message>
        <source>stays</source>
        <translation>blijft</translation>
    </message>
    <message>
        <source>leaves</source>
        <translation>vertrekt</translation>
    </message>
    <message>
        <source> (new)</source>
        <translation> (nieuw)</translation>
    </message>
    <message>
        <source>Nothing was changed; add --apply to do it.</source>
        <translation>Er is niets gewijzigd; voeg --apply toe om het uit te voeren.</translation>
    </message>
    <message>
        <source>%1 students went up a year and %2 left the school; %3 classes were added.</source>
        <translation>%1 leerlingen zijn een jaar opgeschoven en %2 hebben de school verlaten; %3 klassen zijn toegevoegd.</translation>
    </message>
</context>
<context>
    <name>AttendanceCodesWindow</name>
    <message>
        <source>%1; double-click to change it</source>
        <translation>%1; dubbelklik om te wijzigen</translation>
    </message>
    <message>
        <source>Attendance Codes</source>
        <translation>Aanwezigheidscodes</translation>
    </message>
    <message>
        <source>What each mark means for the figures. Present, Late, Absent and Excused keep their meaning; a word without a category counts as Other, a possible session neither attended nor missed. Double-click a colour to change it.</source>
        <translation>Wat elke registratie betekent voor de cijfers. Aanwezig, Te laat, Afwezig en Geoorloofd behouden hun betekenis; een woord zonder categorie telt als Overig, een mogelijke sessie die niet bijgewoond en niet gemist is. Dubbelklik op een kleur om die te wijzigen.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Word Stored</source>
        <translation>Opgeslagen woord</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Toets</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Registraties</translation>
    </message>
    <message>
        <source>&amp;Add Code</source>
        <translation>Code &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove Code</source>
        <translation>Code &amp;verwijderen</translation>
    </message>
    <message>
        <source>Add &amp;England&apos;s Codes</source>
        <translation>Codes van &amp;Engeland toevoegen</translation>
    </message>
    <message>
        <source>&amp;Find Words in the Register</source>
        <translation>Woorden in de lijst &amp;zoeken</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>One of the four words: its meaning is fixed</source>
        <translation>Een van de vier woorden: de betekenis ligt vast</translation>
    </message>
    <message>
        <source>Every word in the register has a meaning already.</source>
        <translation>Elk woord in de lijst heeft al een betekenis.</translation>
    </message>
    <message numerus="yes">
        <source>%n words found that have no category yet; give each one and save.</source>
        <translation>
            <numerusform>%n woord gevonden zonder categorie; geef het er een en sla op.</numerusform>
            <numerusform>%n woorden gevonden zonder categorie; geef elk er een en sla op.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1 has no word to store.</source>
        <translation>Rij %1 heeft geen woord om op te slaan.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code.</source>
        <translation>&quot;%1&quot; heeft geen code.</translation>
    </message>
    <message>
        <source>The code of &quot;%1&quot; is longer than three characters.</source>
        <translation>De code van &quot;%1&quot; is langer dan drie tekens.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than 60 characters.</source>
        <translation>&quot;%1&quot; is langer dan 60 tekens.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice (letter case does not make two words).</source>
        <translation>&quot;%1&quot; staat er twee keer in (hoofdletters maken geen twee woorden).</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; is given to two words.</source>
        <translation>De code &quot;%1&quot; is aan twee woorden gegeven.</translation>
    </message>
    <message>
        <source>The key of &quot;%1&quot; must be a single character that is not a space.</source>
        <translation>De toets van &quot;%1&quot; moet één teken zijn dat geen spatie is.</translation>
    </message>
    <message>
        <source>The key &quot;%1&quot; is given to two codes.</source>
        <translation>De toets &quot;%1&quot; is aan twee codes gegeven.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Er is niets opgeslagen.</translation>
    </message>
</context>
<context>
    <name>AttendanceReportWindow</name>
    <message>
        <source>Attendance Report</source>
        <translation>Aanwezigheidsoverzicht</translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation>&amp;Klas:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periode:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>Printed at the top of every page, the same for every user</source>
        <translation>Bovenaan elke pagina afgedrukt, voor alle gebruikers hetzelfde</translation>
    </message>
    <message>
        <source>&amp;School name:</source>
        <translation>&amp;Schoolnaam:</translation>
    </message>
    <message>
        <source>On da&amp;y:</source>
        <translation>Op da&amp;g:</translation>
    </message>
    <message>
        <source>or absent for at &amp;least</source>
        <translation>of afwezig op ten &amp;minste</translation>
    </message>
    <message>
        <source>marked days running, up to the last one</source>
        <translation>geregistreerde dagen achter elkaar, tot en met de laatste</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>P&amp;DF exporteren…</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>&amp;CSV exporteren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>All Classes</source>
        <translation>Alle klassen</translation>
    </message>
    <message>
        <source>From is after To: choose a first day on or before the last day.</source>
        <translation>‘Van’ ligt na ‘Tot’: kies een eerste dag op of vóór de laatste dag.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n leerling</numerusform>
            <numerusform>%n leerlingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked day(s)</source>
        <translation>
            <numerusform>%n geregistreerde dag</numerusform>
            <numerusform>%n geregistreerde dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Every class with students has taken its register.</source>
        <translation>Voor elke klas met leerlingen is de presentie opgenomen.</translation>
    </message>
    <message numerus="yes">
        <source>%n register(s) not taken</source>
        <translation>
            <numerusform>%n keer geen presentie opgenomen</numerusform>
            <numerusform>%n keer geen presentie opgenomen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) to look at</source>
        <translation>
            <numerusform>%n leerling vraagt aandacht</numerusform>
            <numerusform>%n leerlingen vragen aandacht</numerusform>
        </translation>
    </message>
    <message>
        <source>This register keeps no history of changes.</source>
        <translation>Deze presentielijst houdt geen geschiedenis van wijzigingen bij.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s)</source>
        <translation>
            <numerusform>%n wijziging</numerusform>
            <numerusform>%n wijzigingen</numerusform>
        </translation>
    </message>
    <message>
        <source>The school&apos;s name could not be kept in the register: %1</source>
        <translation>De naam van de school kon niet in de presentielijst worden bewaard: %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|</source>
        <translation>CSV-bestanden (*.csv)|*.csv|</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Opgeslagen: %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf|</source>
        <translation>PDF-bestanden (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Writing the pages…</source>
        <translation>De pagina&apos;s worden geschreven…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Bezig met afdrukken…</translation>
    </message>
    <message>
        <source>The printer did not take the pages. Nothing was printed.</source>
        <translation>De printer heeft de pagina&apos;s niet aangenomen. Er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>Sent to the printer.</source>
        <translation>Naar de printer gestuurd.</translation>
    </message>
    <message>
        <source>Every &amp;school day from From to To (by the school calendar; without one, days on which no class took a register count as no school)</source>
        <translation>Elke &amp;schooldag van Van tot Tot (volgens de schoolkalender; zonder kalender gelden dagen waarop geen klas registreerde als schoolvrij)</translation>
    </message>
    <message>
        <source>Attendance at or &amp;below:</source>
        <translation>Aanwezigheid op of &amp;onder:</translation>
    </message>
    <message>
        <source>Previe&amp;w…</source>
        <translation>&amp;Voorbeeld…</translation>
    </message>
    <message>
        <source>no</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Own Rule</source>
        <translation>Eigen regel</translation>
    </message>
    <message>
        <source>Persistent Absence (10 % or more missed)</source>
        <translation>Aanhoudend verzuim (10 % of meer gemist)</translation>
    </message>
    <message>
        <source>Severe Absence (half or more missed)</source>
        <translation>Ernstig verzuim (de helft of meer gemist)</translation>
    </message>
    <message numerus="yes">
        <source>%n marked session(s)</source>
        <translation>
            <numerusform>%n geregistreerd dagdeel</numerusform>
            <numerusform>%n geregistreerde dagdelen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The disk holding %1 is full, so the copy could not be written.</source>
        <translation>De schijf met %1 is vol, dus de kopie kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>The copy %1 could not be written: its folder is read-only or not there.</source>
        <translation>De kopie %1 kon niet worden geschreven: de map is alleen-lezen of bestaat niet.</translation>
    </message>
    <message>
        <source>The register stayed in use by another user for too long, so no copy was made. Please try again in a moment.</source>
        <translation>De presentielijst bleef te lang in gebruik door een andere gebruiker, dus er is geen kopie gemaakt. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>The register&apos;s file is damaged, so no copy was made (%1). Use Check Register to find out more.</source>
        <translation>Het bestand van de presentielijst is beschadigd, dus er is geen kopie gemaakt (%1). Gebruik ‘Presentielijst controleren’ voor meer informatie.</translation>
    </message>
    <message>
        <source>The copy %1 could not be written: %2</source>
        <translation>De kopie %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk: %2</source>
        <translation>%1 kon niet naar de schijf worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is.</source>
        <translation>%1 bestaat al; het is gelaten zoals het is.</translation>
    </message>
    <message>
        <source>The copy was stopped; nothing was kept of it.</source>
        <translation>Het kopiëren is gestopt; er is niets van bewaard.</translation>
    </message>
    <message>
        <source>The check was stopped before it finished.</source>
        <translation>De controle is gestopt voordat ze klaar was.</translation>
    </message>
    <message>
        <source>The register %1 was not found, so it was not replaced.</source>
        <translation>De presentielijst %1 is niet gevonden en is dus niet vervangen.</translation>
    </message>
    <message>
        <source>The backup %1 could not be read: %2</source>
        <translation>De reservekopie %1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The register&apos;s folder cannot be written, so the register was not replaced: %1</source>
        <translation>In de map van de presentielijst kan niet worden geschreven, dus de presentielijst is niet vervangen: %1</translation>
    </message>
    <message>
        <source>The register&apos;s copy could not be written, so the register was not replaced: %1</source>
        <translation>De kopie van de presentielijst kon niet worden geschreven, dus de presentielijst is niet vervangen: %1</translation>
    </message>
    <message>
        <source>The restore was stopped; the register was left as it is.</source>
        <translation>Het terugzetten is gestopt; de presentielijst is gelaten zoals hij is.</translation>
    </message>
    <message>
        <source>Another user is saving to the register just now, so it was not replaced. Please try again in a moment.</source>
        <translation>Een andere gebruiker slaat op dit moment iets op in de presentielijst, dus die is niet vervangen. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>The register could not be replaced: %1</source>
        <translation>De presentielijst kon niet worden vervangen: %1</translation>
    </message>
    <message>
        <source>The export does not match the register; no file was written.</source>
        <translation>De export komt niet overeen met de presentielijst; er is geen bestand geschreven.</translation>
    </message>
    <message>
        <source>The export could not be saved as %1: %2</source>
        <translation>De export kon niet worden opgeslagen als %1: %2</translation>
    </message>
    <message>
        <source>The export was stopped; no file was written.</source>
        <translation>Het exporteren is gestopt; er is geen bestand geschreven.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>The backups cannot be written: %1 is a file, not a folder.</source>
        <translation>De reservekopieën kunnen niet worden geschreven: %1 is een bestand, geen map.</translation>
    </message>
    <message>
        <source>The folder %1 for the backups could not be created.</source>
        <translation>De map %1 voor de reservekopieën kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>The backup could not be given its name %1: %2</source>
        <translation>De reservekopie kon niet de naam %1 krijgen: %2</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>dagelijks</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>maandelijks</translation>
    </message>
    <message>
        <source>taken by hand</source>
        <translation>met de hand gemaakt</translation>
    </message>
    <message>
        <source>before a restore</source>
        <translation>vóór een herstel</translation>
    </message>
    <message>
        <source>before a change to many rows</source>
        <translation>vóór een wijziging van veel rijen</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm:ss</source>
        <translation>d MMMM yyyy, HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>CalendarImport</name>
    <message>
        <source>The event “%1” has no start day and was left out.</source>
        <translation>De gebeurtenis ‘%1’ heeft geen begindag en is weggelaten.</translation>
    </message>
    <message numerus="yes">
        <source>“%1” names a term but holds only %n day(s); it was left out.</source>
        <translation>
            <numerusform>‘%1’ noemt een periode maar beslaat maar %n dag; weggelaten.</numerusform>
            <numerusform>‘%1’ noemt een periode maar beslaat maar %n dagen; weggelaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The repeat rule of “%1” could not be read; only its first day was taken.</source>
        <translation>De herhaalregel van ‘%1’ kon niet worden gelezen; alleen de eerste dag is overgenomen.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file that can be read.</source>
        <translation>Het bestand is geen leesbaar iCalendar-bestand.</translation>
    </message>
    <message>
        <source>The file holds no events.</source>
        <translation>Het bestand bevat geen gebeurtenissen.</translation>
    </message>
    <message>
        <source>Line %1 could not be read: %2.</source>
        <translation>Regel %1 kon niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a date.</source>
        <translation>Regel %1: ‘%2’ is geen datum.</translation>
    </message>
    <message>
        <source>Line %1: the range ends before it begins.</source>
        <translation>Regel %1: de periode eindigt voordat hij begint.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: “%2” names a term but holds only %n day(s); it was left out.</source>
        <translation>
            <numerusform>Regel %1: ‘%2’ noemt een periode maar beslaat maar %n dag; weggelaten.</numerusform>
            <numerusform>Regel %1: ‘%2’ noemt een periode maar beslaat maar %n dagen; weggelaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds no dates.</source>
        <translation>Het bestand bevat geen datums.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 kon niet worden gelezen: %2</translation>
    </message>
</context>
<context>
    <name>CardArea</name>
    <message>
        <source>The scroll bar of the card area was not created.</source>
        <translation>De schuifbalk van het kaartengebied is niet aangemaakt.</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>Present</source>
        <translation>Aanwezig</translation>
    </message>
    <message>
        <source>Late (counts as present)</source>
        <translation>Te laat (telt als aanwezig)</translation>
    </message>
    <message>
        <source>Approved educational activity</source>
        <translation>Goedgekeurde onderwijsactiviteit</translation>
    </message>
    <message>
        <source>Authorised absence</source>
        <translation>Geoorloofd verzuim</translation>
    </message>
    <message>
        <source>Unauthorised absence</source>
        <translation>Ongeoorloofd verzuim</translation>
    </message>
    <message>
        <source>Not counted (no possible session)</source>
        <translation>Niet geteld (geen mogelijke sessie)</translation>
    </message>
    <message>
        <source>Not given (counted as Other)</source>
        <translation>Niet gegeven (telt als Overig)</translation>
    </message>
</context>
<context>
    <name>CopyRegister</name>
    <message>
        <source>The rows of %1 could not be written to the copy: %2</source>
        <translation>De rijen van %1 konden niet naar de kopie worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used as the register: %2</source>
        <translation>%1 kan niet als presentielijst worden gebruikt: %2</translation>
    </message>
    <message>
        <source>%1 already holds a register (%2 rows in %3); the copy goes only into an empty one, so nothing was copied.</source>
        <translation>%1 bevat al een presentielijst (%2 rijen in %3); er wordt alleen naar een lege gekopieerd, dus er is niets gekopieerd.</translation>
    </message>
    <message>
        <source>The copy was stopped before the end; nothing was copied.</source>
        <translation>Het kopiëren is vóór het einde gestopt; er is niets gekopieerd.</translation>
    </message>
    <message>
        <source>%1 already exists; the copy goes only into a new file, so nothing was copied.</source>
        <translation>%1 bestaat al; er wordt alleen naar een nieuw bestand gekopieerd, dus er is niets gekopieerd.</translation>
    </message>
    <message>
        <source>%1 holds a register of schema %2, not of this version&apos;s %3; nothing was copied.</source>
        <translation>%1 bevat een presentielijst met schema %2, niet met schema %3 van deze versie; er is niets gekopieerd.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Het bestand is geen UTF-8-tekst.</translation>
    </message>
    <message>
        <source>A quoted field that begins on line %1 is never closed.</source>
        <translation>Een veld tussen aanhalingstekens dat op regel %1 begint, wordt nergens afgesloten.</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>een hier geopend aanhalingsteken wordt nergens gesloten</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The register could not be brought up to this version of Rollvane when it was opened, so nothing can be written to it. Nothing was changed. (%1)</source>
        <translation>De presentielijst kon bij het openen niet worden bijgewerkt voor deze versie van Rollvane, dus er kan niets in worden opgeslagen. Er is niets gewijzigd. (%1)</translation>
    </message>
    <message>
        <source>The register is open for reading only. Nothing was changed.</source>
        <translation>De presentielijst is alleen geopend om te lezen. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The register is not open, so nothing can be read or written.</source>
        <translation>De presentielijst is niet geopend, dus er kan niets worden gelezen of opgeslagen.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 bestaat al.</translation>
    </message>
    <message>
        <source>A template cannot be written while a register is open.</source>
        <translation>Er kan geen sjabloon worden geschreven terwijl een presentielijst geopend is.</translation>
    </message>
    <message>
        <source>You cannot use the register because your account is not in the group &quot;%1&quot;. Ask the administrator to run: adduser %2 %1</source>
        <translation>U kunt de presentielijst niet gebruiken, omdat uw account niet in de groep ‘%1’ zit. Vraag de beheerder deze opdracht uit te voeren: adduser %2 %1</translation>
    </message>
    <message>
        <source>The change takes effect at your next login.</source>
        <translation>De wijziging geldt vanaf uw volgende aanmelding.</translation>
    </message>
    <message>
        <source>This register was made by a newer version of Rollvane (schema %1); this version knows schema %2. Install the newer version to use it.</source>
        <translation>Deze presentielijst is gemaakt met een nieuwere versie van Rollvane (schema %1); deze versie kent schema %2. Installeer de nieuwere versie om hem te gebruiken.</translation>
    </message>
    <message>
        <source>The register %1 could not be opened: %2</source>
        <translation>De presentielijst %1 kon niet worden geopend: %2</translation>
    </message>
    <message>
        <source>The register is in use by another user of this computer. Nothing was changed; please try again in a moment.</source>
        <translation>De presentielijst is in gebruik door een andere gebruiker van deze computer. Er is niets gewijzigd; probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>The register cannot be changed: its file or folder is read-only for you. Nothing was changed; ask the administrator to make it writable.</source>
        <translation>De presentielijst kan niet worden gewijzigd: het bestand of de map is voor u alleen-lezen. Er is niets gewijzigd; vraag de beheerder om schrijfrechten.</translation>
    </message>
    <message>
        <source>The disk holding the register is full. Nothing was changed; free some space and try again.</source>
        <translation>De schijf met de presentielijst is vol. Er is niets gewijzigd; maak ruimte vrij en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The register&apos;s file could not be written or read. Nothing was changed.</source>
        <translation>Het bestand van de presentielijst kon niet worden geschreven of gelezen. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The register&apos;s file %1 is damaged. It has been left as it is.</source>
        <translation>Het bestand %1 van de presentielijst is beschadigd. Het is gelaten zoals het is.</translation>
    </message>
    <message>
        <source>The database reported an error.</source>
        <translation>De database heeft een fout gemeld.</translation>
    </message>
    <message>
        <source>The register %1 was not found.</source>
        <translation>De presentielijst %1 is niet gevonden.</translation>
    </message>
    <message>
        <source>The register %1 is a folder, not a file.</source>
        <translation>De presentielijst %1 is een map, geen bestand.</translation>
    </message>
    <message>
        <source>The register %1 cannot be read: %2</source>
        <translation>De presentielijst %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a Rollvane register (it is not a database file). It has been left as it is.</source>
        <translation>Het bestand %1 is geen presentielijst van Rollvane (het is geen databasebestand). Het is gelaten zoals het is.</translation>
    </message>
    <message>
        <source>The register %1 is not a regular file (it is a pipe, a socket or a device), so it cannot be a register. It has been left as it is.</source>
        <translation>De presentielijst %1 is geen gewoon bestand (maar een pipe, een socket of een apparaat) en kan dus geen presentielijst zijn. Het is gelaten zoals het is.</translation>
    </message>
    <message>
        <source>The register cannot be opened while another one is being copied.</source>
        <translation>De presentielijst kan niet worden geopend terwijl er een andere wordt gekopieerd.</translation>
    </message>
    <message>
        <source>%1 cannot be used as the register: %2</source>
        <translation>%1 kan niet als presentielijst worden gebruikt: %2</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>deze computer</translation>
    </message>
    <message>
        <source>database %1 on the server %2</source>
        <translation>database %1 op de server %2</translation>
    </message>
    <message>
        <source>The database %1 on the server %2</source>
        <translation>De database %1 op de server %2</translation>
    </message>
    <message>
        <source>The server settings cannot hold the character &apos;;&apos; (in &quot;%1&quot;).</source>
        <translation>De serverinstellingen mogen het teken ‘;’ niet bevatten (in ‘%1’).</translation>
    </message>
    <message>
        <source>The register is in use by another computer. Nothing was changed; please try again in a moment.</source>
        <translation>De presentielijst is in gebruik door een andere computer. Er is niets gewijzigd; probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>Your account on the register&apos;s server may not do this. Nothing was changed; ask the administrator for the rights Rollvane needs.</source>
        <translation>Uw account op de server van de presentielijst mag dit niet. Er is niets gewijzigd; vraag de beheerder om de rechten die Rollvane nodig heeft.</translation>
    </message>
    <message>
        <source>The register on the server is open for reading only. Nothing was changed.</source>
        <translation>De presentielijst op de server is alleen geopend om te lezen. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The disk of the register&apos;s server is full. Nothing was changed; ask the administrator to free some space, then try again.</source>
        <translation>De schijf van de server van de presentielijst is vol. Er is niets gewijzigd; vraag de beheerder ruimte vrij te maken en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>The register&apos;s server is short of resources. Nothing was changed; try again in a moment.</source>
        <translation>De server van de presentielijst komt middelen tekort. Er is niets gewijzigd; probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>The register already holds that row (two marks for one student and day, or a repeated id). Nothing was changed.</source>
        <translation>De presentielijst bevat die rij al (twee registraties voor één leerling en dag, of een dubbel id). Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1 stores text as %2, so names and notes could be damaged. Create the database with ENCODING &apos;UTF8&apos;.</source>
        <translation>%1 slaat tekst op als %2, waardoor namen en notities beschadigd kunnen raken. Maak de database aan met ENCODING &apos;UTF8&apos;.</translation>
    </message>
    <message>
        <source>%1 holds no register yet.</source>
        <translation>%1 bevat nog geen presentielijst.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 could not be reached. Try again in a moment; Rollvane connects again by itself.</source>
        <translation>De server %1 van de presentielijst is niet bereikbaar. Probeer het zo meteen opnieuw; Rollvane maakt vanzelf opnieuw verbinding.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 refused the connection: %2. Check the [register] settings in the settings file and the server&apos;s user and password file.</source>
        <translation>De server %1 van de presentielijst heeft de verbinding geweigerd: %2. Controleer de instellingen onder [register] in het instellingenbestand, en de gebruiker en het wachtwoordbestand voor de server.</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>Het bestand %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>De map %1 kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>The template register %1 was not found.</source>
        <translation>Het sjabloon van de presentielijst %1 is niet gevonden.</translation>
    </message>
    <message>
        <source>The template register could not be copied to %1: %2</source>
        <translation>Het sjabloon van de presentielijst kon niet naar %1 worden gekopieerd: %2</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 asks for a password for the account %2, and none was found: the administrator puts it in the password file the settings name (passfile=%3), or in ~/.pgpass for each user.</source>
        <translation>De server %1 van het register vraagt een wachtwoord voor het account %2, en er is er geen gevonden: de beheerder zet het in het wachtwoordbestand dat de instellingen noemen (passfile=%3), of in ~/.pgpass van elke gebruiker.</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>niet ingesteld</translation>
    </message>
    <message>
        <source>The settings ask Rollvane to check the certificate of the register&apos;s server %1 (sslmode=%2), but the certificate of the authority that signed it was not found: the administrator names it with sslrootcert= in the [register] section of the settings file.</source>
        <translation>De instellingen vragen Rollvane het certificaat van de registerserver %1 te controleren (sslmode=%2), maar het certificaat van de instantie die het ondertekende is niet gevonden: de beheerder noemt het met sslrootcert= in de sectie [register] van het instellingenbestand.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 offers no encrypted connection, which the settings require (sslmode=%2): the administrator turns on SSL on the server, or changes sslmode in the settings file.</source>
        <translation>De server %1 van het register biedt geen versleutelde verbinding, die de instellingen eisen (sslmode=%2): de beheerder zet SSL aan op de server, of wijzigt sslmode in het instellingenbestand.</translation>
    </message>
    <message>
        <source>The certificate of the register&apos;s server %1 could not be trusted (%2): the administrator checks host= and sslrootcert= in the settings file against the server&apos;s certificate.</source>
        <translation>Het certificaat van de registerserver %1 kon niet worden vertrouwd (%2): de beheerder controleert host= en sslrootcert= in het instellingenbestand tegen het certificaat van de server.</translation>
    </message>
    <message>
        <source>The register has columns that Rollvane does not know and that every new row must fill (%1), so Rollvane cannot save to it. It was opened for reading only and left as it is; ask the administrator about the program that added them.</source>
        <translation>Het register heeft kolommen die Rollvane niet kent en die elke nieuwe rij moet vullen (%1), dus Rollvane kan er niet in opslaan. Het is alleen-lezen geopend en gelaten zoals het is; vraag de beheerder naar het programma dat ze heeft toegevoegd.</translation>
    </message>
    <message>
        <source>it is a database, but not a Rollvane register (it lacks the register&apos;s tables)</source>
        <translation>het is een database, maar geen Rollvane-register (de tabellen van het register ontbreken)</translation>
    </message>
    <message>
        <source>The file %1 is empty, not a Rollvane register. It has been left as it is.</source>
        <translation>Het bestand %1 is leeg en geen Rollvane-register. Het is gelaten zoals het is.</translation>
    </message>
    <message>
        <source>The register must be opened by this version of Rollvane before its photos are converted. Nothing was changed.</source>
        <translation>Het register moet door deze versie van Rollvane geopend zijn voordat de foto&apos;s worden omgezet. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>This register keeps no enrolments; it was opened for reading only.</source>
        <translation>Dit register houdt geen inschrijvingen bij; het is alleen-lezen geopend.</translation>
    </message>
    <message>
        <source>There is no student with the number %1.</source>
        <translation>Er is geen leerling met nummer %1.</translation>
    </message>
    <message>
        <source>There is no class with the number %1.</source>
        <translation>Er is geen klas met nummer %1.</translation>
    </message>
    <message>
        <source>This register keeps no attendance codes. Nothing was changed.</source>
        <translation>Deze lijst houdt geen aanwezigheidscodes bij. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The first day of a planned absence must be on or before its last day.</source>
        <translation>De eerste dag van gepland verzuim moet op of vóór de laatste dag liggen.</translation>
    </message>
    <message>
        <source>This register keeps no planned absences. Nothing was changed.</source>
        <translation>Deze lijst houdt geen gepland verzuim bij. Er is niets gewijzigd.</translation>
    </message>
    <message numerus="yes">
        <source>The register of %1 is closed: registers close %n school day(s) after their day. Nothing was saved.</source>
        <translation>
            <numerusform>Het register van %1 is gesloten: registers sluiten %n schooldag na hun dag. Er is niets opgeslagen.</numerusform>
            <numerusform>Het register van %1 is gesloten: registers sluiten %n schooldagen na hun dag. Er is niets opgeslagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The register of %1 is closed: registers close %n school day(s) after their day, and only %2 can change them then. Nothing was saved.</source>
        <translation>
            <numerusform>Het register van %1 is gesloten: registers sluiten %n schooldag na hun dag, en daarna kan alleen %2 ze wijzigen. Er is niets opgeslagen.</numerusform>
            <numerusform>Het register van %1 is gesloten: registers sluiten %n schooldagen na hun dag, en daarna kan alleen %2 ze wijzigen. Er is niets opgeslagen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>op regel </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Stuur een schermafbeelding van deze melding per e-mail naar </translation>
    </message>
    <message>
        <source>the school&apos;s administrator (no support address has been set on this computer)</source>
        <translation>de beheerder van uw school (op deze computer is geen supportadres ingesteld)</translation>
    </message>
    <message>
        <source>Questions? Please contact your school&apos;s support at %1</source>
        <translation>Vragen? Neem contact op met de ondersteuning van uw school: %1</translation>
    </message>
    <message>
        <source>Questions? Please ask your school&apos;s administrator; no support address has been set on this computer.</source>
        <translation>Vragen? Wend u tot de beheerder van uw school; op deze computer is geen supportadres ingesteld.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programmafout</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Rollvane Help</source>
        <translation>Rollvane-help</translation>
    </message>
    <message>
        <source>This computer&apos;s register is %1 (%2). Every user of the computer, and every computer set up for the same server, shares it.</source>
        <translation>Het register van deze computer is %1 (%2). Alle gebruikers van de computer, en alle computers die voor dezelfde server zijn ingesteld, delen het.</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>De presentielijst is niet geopend.</translation>
    </message>
    <message>
        <source>Taking a register</source>
        <translation>Het register opnemen</translation>
    </message>
    <message>
        <source>Pick the class and the day. Each card is a student: a click moves the mark from Present to Late to Absent. The card&apos;s menu (right button) sets any mark and a remark for the day. Write the day&apos;s notes under the cards, then Save. A day without saved marks says &quot;Not taken yet&quot;.</source>
        <translation>Kies de klas en de dag. Elke kaart is een leerling: een klik zet de markering van Aanwezig naar Te laat naar Afwezig. Het menu van de kaart (rechterknop) zet elke markering en een opmerking voor de dag. Schrijf de notities van de dag onder de kaarten en sla op. Een dag zonder opgeslagen markeringen zegt ‘Nog niet opgenomen’.</translation>
    </message>
    <message>
        <source>By keyboard</source>
        <translation>Met het toetsenbord</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapporten</translation>
    </message>
    <message>
        <source>Reports → Attendance Report shows a class or the whole school over a period: the summary, the register sheet, the registers not taken, the alerts (persistent absence is missing 10 % of the days or more), a chart and the history of every change. Print, PDF and CSV take what is shown.</source>
        <translation>Rapporten → Aanwezigheidsrapport toont een klas of de hele school over een periode: het overzicht, het registerblad, de niet opgenomen registers, de waarschuwingen (aanhoudend verzuim is 10 % van de dagen of meer missen), een grafiek en de geschiedenis van elke wijziging. Afdrukken, PDF en CSV nemen wat getoond wordt.</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>Setup → Students and Classes adds classes and students, moves a student to another class from a day and marks a leaver; Import Students reads a spreadsheet. School Calendar holds the terms and holidays, which the register and the reports follow. New School Year moves every class up a year.</source>
        <translation>Instellen → Leerlingen en klassen voegt klassen en leerlingen toe, zet een leerling vanaf een dag in een andere klas en registreert een vertrek; Leerlingen importeren leest een spreadsheet. De schoolkalender bevat de periodes en vakanties, die het register en de rapporten volgen. Nieuw schooljaar zet elke klas een jaar hoger.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Reservekopieën</translation>
    </message>
    <message>
        <source>A copy of the register is kept after the first save of each day. Setup → Backups lists the copies, makes one now, restores one and checks the register.</source>
        <translation>Na de eerste keer opslaan van elke dag wordt een kopie van het register bewaard. Instellen → Back-ups toont de kopieën, maakt er nu een, zet er een terug en controleert het register.</translation>
    </message>
    <message>
        <source>Where the register lives</source>
        <translation>Waar het register staat</translation>
    </message>
    <message>
        <source>Help from your school</source>
        <translation>Hulp van uw school</translation>
    </message>
    <message>
        <source>Tab reaches the cards; the arrow keys move between them, Home and End go to the first and the last. Space or Enter moves the mark on; P, L, A and E set Present, Late, Absent and Excused. Ctrl+S saves, Alt+Left and Alt+Right go to the previous and next school day, Alt+Home to today, F5 reads the register again, Ctrl+R opens the reports, F1 this help and Ctrl+Q quits.</source>
        <translation>Tab bereikt de kaarten; de pijltoetsen gaan ertussen heen en weer, Home en End gaan naar de eerste en de laatste. Spatie of Enter zet de markering verder; P, L, A en E zetten Aanwezig, Te laat, Afwezig en Geoorloofd. Ctrl+S slaat op, Alt+Links en Alt+Rechts gaan naar de vorige en volgende schooldag, Alt+Home naar vandaag, F5 leest het register opnieuw, Ctrl+R opent de rapporten, F1 deze help en Ctrl+Q sluit af.</translation>
    </message>
    <message>
        <source>What a mark means</source>
        <translation>Wat een registratie betekent</translation>
    </message>
    <message>
        <source>Each mark counts as present, late, an approved activity, an authorised or unauthorised absence, or not at all; Setup → Attendance Codes gives every word its meaning and can add England&apos;s codes. Changing a saved mark of an earlier day asks why, and the history keeps the reason. Register → Planned Absence puts a known absence on every school day it covers. The card&apos;s menu also takes the minutes a late student came late.</source>
        <translation>Elke registratie telt als aanwezig, te laat, goedgekeurde activiteit, geoorloofd of ongeoorloofd verzuim, of helemaal niet; Beheer → Aanwezigheidscodes geeft elk woord zijn betekenis en kan de codes van Engeland toevoegen. Wie een opgeslagen registratie van een eerdere dag wijzigt, wordt naar de reden gevraagd, en de geschiedenis bewaart die. Presentie → Gepland verzuim zet bekend verzuim op elke schooldag die het omvat. Het menu van de kaart neemt ook de minuten op die een leerling te laat kwam.</translation>
    </message>
    <message>
        <source>A school that takes a register each morning and afternoon says so in Setup → Register Rules; Morning or Afternoon then stands beside the date.</source>
        <translation>Een school die elke ochtend en middag een register opneemt, geeft dat aan in Beheer → Registerregels; naast de datum staat dan Ochtend of Middag.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The import was cancelled; nothing was written.</source>
        <translation>Het importeren is geannuleerd; er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Line %1: %2 Nothing was imported.</source>
        <translation>Regel %1: %2 Er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Er is niets geïmporteerd.</translation>
    </message>
</context>
<context>
    <name>ImportPhotosDialog</name>
    <message>
        <source>Import Photos for %1</source>
        <translation>Foto&apos;s importeren voor %1</translation>
    </message>
    <message>
        <source>Import Photos</source>
        <translation>Foto&apos;s importeren</translation>
    </message>
    <message>
        <source>Pictures in %1 for %2. Nothing has been written yet.
Students who get a photo: %3. Students without a picture: %4. Pictures that match no student: %5. Pictures that cannot be used: %6.</source>
        <translation>Afbeeldingen in %1 voor %2. Er is nog niets opgeslagen.
Leerlingen die een foto krijgen: %3. Leerlingen zonder afbeelding: %4. Afbeeldingen zonder bijpassende leerling: %5. Onbruikbare afbeeldingen: %6.</translation>
    </message>
    <message>
        <source>Student or picture</source>
        <translation>Leerling of afbeelding</translation>
    </message>
    <message>
        <source>Picture or reason</source>
        <translation>Afbeelding of reden</translation>
    </message>
    <message>
        <source> (replaces the photo)</source>
        <translation> (vervangt de foto)</translation>
    </message>
    <message>
        <source>Students who get a photo (%1)</source>
        <translation>Leerlingen die een foto krijgen (%1)</translation>
    </message>
    <message>
        <source>Students without a picture (%1)</source>
        <translation>Leerlingen zonder afbeelding (%1)</translation>
    </message>
    <message>
        <source>Pictures that match no student (%1)</source>
        <translation>Afbeeldingen zonder bijpassende leerling (%1)</translation>
    </message>
    <message>
        <source>Pictures that cannot be used (%1)</source>
        <translation>Onbruikbare afbeeldingen (%1)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Storing photos…</source>
        <translation>Foto&apos;s worden opgeslagen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The photos could not be stored: %1</source>
        <translation>De foto&apos;s konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Photos stored: %1.</source>
        <translation>Opgeslagen foto&apos;s: %1.</translation>
    </message>
</context>
<context>
    <name>ImportStudentsDialog</name>
    <message>
        <source>tab-separated</source>
        <translation>gescheiden door tabs</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>gescheiden door puntkomma&apos;s</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>gescheiden door komma&apos;s</translation>
    </message>
    <message>
        <source>Import Students</source>
        <translation>Leerlingen importeren</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|All Files (*)|*|</source>
        <translation>Spreadsheetbestanden (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|Alle bestanden (*)|*|</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>%1 (%2, %3). Nothing has been written yet.
Classes to create: %4. Students to add: %5. Rows skipped as already present: %6. Rows with errors: %7.</source>
        <translation>%1 (%2, %3). Er is nog niets opgeslagen.
Aan te maken klassen: %4. Toe te voegen leerlingen: %5. Overgeslagen rijen (staan er al in): %6. Rijen met fouten: %7.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Photo or reason</source>
        <translation>Foto of reden</translation>
    </message>
    <message>
        <source>Classes to create (%1)</source>
        <translation>Aan te maken klassen (%1)</translation>
    </message>
    <message>
        <source>Students to add (%1)</source>
        <translation>Toe te voegen leerlingen (%1)</translation>
    </message>
    <message>
        <source>Skipped, already present (%1)</source>
        <translation>Overgeslagen, staan er al in (%1)</translation>
    </message>
    <message>
        <source>Rows with errors, not imported (%1)</source>
        <translation>Rijen met fouten, niet geïmporteerd (%1)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Importing students…</source>
        <translation>Leerlingen worden geïmporteerd…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The students could not be imported: %1</source>
        <translation>De leerlingen konden niet worden geïmporteerd: %1</translation>
    </message>
    <message>
        <source>Students added: %1. Classes created: %2.</source>
        <translation>Toegevoegde leerlingen: %1. Aangemaakte klassen: %2.</translation>
    </message>
    <message>
        <source>Students already in their class by then, left alone: %1.</source>
        <translation>Leerlingen die inmiddels al in hun klas stonden en ongewijzigd zijn gelaten: %1.</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codering:</translation>
    </message>
</context>
<context>
    <name>LookAndFeel</name>
    <message>
        <source>The pointer file %1 is not a cursor picture.</source>
        <translation>Het aanwijzerbestand %1 is geen cursorafbeelding.</translation>
    </message>
</context>
<context>
    <name>MachineSettings</name>
    <message>
        <source>The settings file %1, line %2: %3</source>
        <translation>Het instellingenbestand %1, regel %2: %3</translation>
    </message>
    <message>
        <source>a section name must end with &quot;]&quot;.</source>
        <translation>een sectienaam moet eindigen op ‘]’.</translation>
    </message>
    <message>
        <source>there is no section &quot;%1&quot;; the sections are [register] and [support].</source>
        <translation>er is geen sectie ‘%1’; de secties zijn [register] en [support].</translation>
    </message>
    <message>
        <source>expected a line of the form key=value.</source>
        <translation>verwacht werd een regel van de vorm sleutel=waarde (key=value).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands before any section.</source>
        <translation>‘%1’ staat vóór elke sectie.</translation>
    </message>
    <message>
        <source>passwords are never read from this file; put the password in the PostgreSQL password file (passfile, PGPASSFILE or ~/.pgpass).</source>
        <translation>wachtwoorden worden nooit uit dit bestand gelezen; zet het wachtwoord in het wachtwoordbestand van PostgreSQL (passfile, PGPASSFILE of ~/.pgpass).</translation>
    </message>
    <message>
        <source>there is no setting &quot;%1&quot; in [%2].</source>
        <translation>er is geen instelling ‘%1’ in [%2].</translation>
    </message>
    <message>
        <source>the engine &quot;%1&quot; is not known; use engine=sqlite or engine=postgresql.</source>
        <translation>de database ‘%1’ is onbekend; gebruik engine=sqlite of engine=postgresql.</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a port number.</source>
        <translation>de poort ‘%1’ is geen poortnummer.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>Het instellingenbestand %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>het is geen bestand</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read as settings.</source>
        <translation>Het instellingenbestand %1 kan niet als instellingen worden gelezen.</translation>
    </message>
    <message>
        <source>the sslmode &quot;%1&quot; is not known; use one of %2.</source>
        <translation>de sslmode ‘%1’ is onbekend; gebruik een van %2.</translation>
    </message>
    <message>
        <source>The settings file %1 that ROLLVANE_CONF names does not exist.</source>
        <translation>Het instellingenbestand %1 dat ROLLVANE_CONF noemt, bestaat niet.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Register</source>
        <translation>&amp;Presentie</translation>
    </message>
    <message>
        <source>Re&amp;ports</source>
        <translation>&amp;Overzichten</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Beheer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Mark &amp;All Present</source>
        <translation>&amp;Iedereen aanwezig</translation>
    </message>
    <message>
        <source>&amp;Copy Marks From Previous Day</source>
        <translation>Registraties van vorige dag &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation>&amp;Vorige dag</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>Volge&amp;nde dag</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Students and Classes…</source>
        <translation>&amp;Leerlingen en klassen…</translation>
    </message>
    <message>
        <source>&amp;Import Students…</source>
        <translation>Leerlingen &amp;importeren…</translation>
    </message>
    <message>
        <source>&amp;Backups…</source>
        <translation>&amp;Reservekopieën…</translation>
    </message>
    <message>
        <source>&amp;Attendance Report…</source>
        <translation>&amp;Aanwezigheidsoverzicht…</translation>
    </message>
    <message>
        <source>&amp;About Rollvane</source>
        <translation>&amp;Over Rollvane</translation>
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
        <translation>De dagelijkse presentielijst van een school.</translation>
    </message>
    <message>
        <source>Register: %1</source>
        <translation>Presentielijst: %1</translation>
    </message>
    <message>
        <source>Engine: %1</source>
        <translation>Databasesysteem: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Grootte: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>De presentielijst is niet geopend.</translation>
    </message>
    <message>
        <source>Rollvane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Rollvane is vrije software: u mag het verder verspreiden en/of wijzigen onder de voorwaarden van de GNU General Public License zoals gepubliceerd door de Free Software Foundation, hetzij versie 3 van de licentie, hetzij (naar uw keuze) een latere versie.</translation>
    </message>
    <message>
        <source>About Rollvane</source>
        <translation>Over Rollvane</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Opnieuw &amp;laden</translation>
    </message>
    <message>
        <source>School &amp;Calendar…</source>
        <translation>School&amp;kalender…</translation>
    </message>
    <message>
        <source>&amp;New School Year…</source>
        <translation>&amp;Nieuw schooljaar…</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Van&amp;daag</translation>
    </message>
    <message>
        <source>Planned A&amp;bsence…</source>
        <translation>Gepland &amp;verzuim…</translation>
    </message>
    <message>
        <source>&amp;Attendance Codes…</source>
        <translation>&amp;Aanwezigheidscodes…</translation>
    </message>
    <message>
        <source>Copy Marks From This &amp;Morning</source>
        <translation>Registraties van vanoch&amp;tend overnemen</translation>
    </message>
    <message>
        <source>&amp;Register Rules…</source>
        <translation>&amp;Registerregels…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Class</source>
        <translation>Klas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>This class could not be listed, so none of its marks are shown and nothing can be saved for it. Pick the class again to try once more.</source>
        <translation>Deze klas kon niet worden getoond, dus geen van haar registraties wordt weergegeven en er kan niets voor worden opgeslagen. Kies de klas opnieuw om het nog eens te proberen.</translation>
    </message>
    <message>
        <source>Additional Notes For This Day</source>
        <translation>Aanvullende notities voor deze dag</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Setup Students / Classes</source>
        <translation>Leerlingen / klassen instellen</translation>
    </message>
    <message>
        <source>The attendance could not be saved.<byte value="xd"/>
Close without saving the changes?</source>
        <translation>De aanwezigheid kon niet worden opgeslagen.<byte value="xd"/>
Sluiten zonder de wijzigingen op te slaan?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Wijzigingen opslaan</translation>
    </message>
    <message>
        <source>Your marks were not saved.<byte value="xd"/>
Close without saving them?</source>
        <translation>Uw registraties zijn niet opgeslagen.<byte value="xd"/>
Sluiten zonder ze op te slaan?</translation>
    </message>
    <message>
        <source>The photo of %1 could not be shown; the card has no photo. %2</source>
        <translation>De foto van %1 kon niet worden getoond; de kaart blijft zonder foto. %2</translation>
    </message>
    <message>
        <source>The photos of %1 and %2 other students could not be shown; their cards have no photo. %3</source>
        <translation>De foto&apos;s van %1 en %2 andere leerlingen konden niet worden getoond; hun kaarten blijven zonder foto. %3</translation>
    </message>
    <message>
        <source>The register of %1 for %2 was changed by %3 on %4 at %5, after you opened it.</source>
        <translation>De presentie van %1 op %2 is door %3 op %4 gewijzigd (tijd: %5), nadat u hem had geopend.</translation>
    </message>
    <message>
        <source>someone</source>
        <translation>iemand</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>een andere computer</translation>
    </message>
    <message>
        <source>an unknown time</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>The register of %1 for %2 was changed by another program after you opened it.</source>
        <translation>De presentie van %1 op %2 is door een ander programma gewijzigd nadat u hem had geopend.</translation>
    </message>
    <message>
        <source>Overwrite it with the marks on your screen?</source>
        <translation>Overschrijven met de registraties op uw scherm?</translation>
    </message>
    <message>
        <source>Register Changed</source>
        <translation>Presentie gewijzigd</translation>
    </message>
    <message>
        <source>(not marked)</source>
        <translation>(niet geregistreerd)</translation>
    </message>
    <message>
        <source>%1: %2 (on your screen: %3)</source>
        <translation>%1: %2 (op uw scherm: %3)</translation>
    </message>
    <message>
        <source>Your marks were not saved; they are still on your screen. The marks stored now are:</source>
        <translation>Uw registraties zijn niet opgeslagen; ze staan nog op uw scherm. Nu opgeslagen is:</translation>
    </message>
    <message>
        <source>Notes stored now: %1</source>
        <translation>Nu opgeslagen notities: %1</translation>
    </message>
    <message>
        <source>Attendance has been changed.<byte value="xd"/>
Save Changes?</source>
        <translation>De aanwezigheid is gewijzigd.<byte value="xd"/>
Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Nothing was saved: this class could not be listed.</source>
        <translation>Er is niets opgeslagen: deze klas kon niet worden getoond.</translation>
    </message>
    <message>
        <source>Done Saved</source>
        <translation>Opgeslagen</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) in the register have a date that Rollvane cannot read, so they are not shown on any day. The register check (%1) lists them.</source>
        <translation>
            <numerusform>%n registratie in de presentielijst heeft een datum die Rollvane niet kan lezen en wordt daarom op geen enkele dag getoond. De controle van de presentielijst (%1) toont deze registratie.</numerusform>
            <numerusform>%n registraties in de presentielijst hebben een datum die Rollvane niet kan lezen en worden daarom op geen enkele dag getoond. De controle van de presentielijst (%1) toont ze.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Present</source>
        <translation>&amp;Aanwezig</translation>
    </message>
    <message>
        <source>&amp;Late</source>
        <translation>&amp;Te laat</translation>
    </message>
    <message>
        <source>&amp;Absent</source>
        <translation>Af&amp;wezig</translation>
    </message>
    <message>
        <source>&amp;Excused</source>
        <translation>&amp;Geoorloofd</translation>
    </message>
    <message>
        <source>&amp;Remark…</source>
        <translation>&amp;Opmerking…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>Ge&amp;schiedenis…</translation>
    </message>
    <message>
        <source>A remark for %1 on %2, such as &quot;left at 11:00&quot; or &quot;doctor&apos;s note&quot;:</source>
        <translation>Een opmerking voor %1 op %2, zoals ‘om 11.00 uur vertrokken’ of ‘doktersverklaring’:</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>History of %1 on %2</source>
        <translation>Geschiedenis van %1 op %2</translation>
    </message>
    <message>
        <source>No change of this mark has been saved.</source>
        <translation>Er is geen wijziging van deze registratie opgeslagen.</translation>
    </message>
    <message>
        <source>%1, by %2 on %3</source>
        <translation>%1, door %2 op %3</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>een onbekende computer</translation>
    </message>
    <message>
        <source>Marked %1</source>
        <translation>Geregistreerd als %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>Remark: %1 → %2</source>
        <translation>Opmerking: %1 → %2</translation>
    </message>
    <message>
        <source>Marks on screen that are not Present and would change: %1.</source>
        <translation>Registraties op het scherm die niet Aanwezig zijn en zouden veranderen: %1.</translation>
    </message>
    <message>
        <source>Mark every student of %1 Present?</source>
        <translation>Alle leerlingen van %1 als Aanwezig registreren?</translation>
    </message>
    <message>
        <source>No day before %1 has saved marks for %2, so there are none to copy.</source>
        <translation>Er is geen dag vóór %1 met opgeslagen registraties voor %2, dus er valt niets te kopiëren.</translation>
    </message>
    <message>
        <source>Copy the marks of %1 onto the cards of %2?</source>
        <translation>De registraties van %1 overnemen op de kaarten van %2?</translation>
    </message>
    <message>
        <source>1 student</source>
        <translation>1 leerling</translation>
    </message>
    <message>
        <source>%1 students</source>
        <translation>%1 leerlingen</translation>
    </message>
    <message>
        <source>%1 present</source>
        <translation>%1 aanwezig</translation>
    </message>
    <message>
        <source>%1 late</source>
        <translation>%1 te laat</translation>
    </message>
    <message>
        <source>%1 absent</source>
        <translation>%1 afwezig</translation>
    </message>
    <message>
        <source>%1 excused</source>
        <translation>%1 geoorloofd</translation>
    </message>
    <message>
        <source>%1 other</source>
        <translation>%1 overig</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Niet opgeslagen</translation>
    </message>
    <message>
        <source>Your marks are saved, but today&apos;s backup of the register could not be written:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Rollvane tries again at the next save, without saying so again until it is started anew.</source>
        <translation>Uw registraties zijn opgeslagen, maar de reservekopie van vandaag van de presentielijst kon niet worden geschreven:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Rollvane probeert het bij de volgende keer opslaan opnieuw, en meldt dit pas weer nadat het programma opnieuw is gestart.</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Reservekopie</translation>
    </message>
    <message>
        <source>Nothing was saved: the register could not be opened when Rollvane started.<byte value="xd"/>
%1</source>
        <translation>Er is niets opgeslagen: het register kon niet worden geopend toen Rollvane startte.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The day&apos;s notes were changed too; Yes replaces them with yours.</source>
        <translation>Ook de notities van de dag zijn gewijzigd; Ja vervangt ze door de uwe.</translation>
    </message>
    <message>
        <source>Day&apos;s notes: %1 → %2</source>
        <translation>Notities van de dag: %1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) have more than one mark stored for one day, and only one of them is shown. The register check (%1) keeps the most recently changed of each.</source>
        <translation>
            <numerusform>%n leerling heeft meer dan één registratie voor één dag, en er wordt er maar één getoond. De registercontrole (%1) houdt telkens de laatst gewijzigde.</numerusform>
            <numerusform>%n leerlingen hebben meer dan één registratie voor één dag, en er wordt er maar één getoond. De registercontrole (%1) houdt telkens de laatst gewijzigde.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not taken yet</source>
        <translation>Nog niet opgenomen</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Gemaakt</translation>
    </message>
    <message>
        <source>Saved %1 by %2</source>
        <translation>Opgeslagen %1 door %2</translation>
    </message>
    <message>
        <source>Saved %1 on %2</source>
        <translation>Opgeslagen %1 op %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Opgeslagen: %1</translation>
    </message>
    <message>
        <source>Register taken on this day</source>
        <translation>Register op deze dag opgenomen</translation>
    </message>
    <message>
        <source>register taken</source>
        <translation>register opgenomen</translation>
    </message>
    <message>
        <source>Marks of %1 copied, not saved yet</source>
        <translation>Markeringen van %1 gekopieerd, nog niet opgeslagen</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <translation>dddd d MMMM</translation>
    </message>
    <message numerus="yes">
        <source>You are changing %n saved marks of %1 (%2). Why? The reason is kept in the history beside the marks as they were.</source>
        <translation>
            <numerusform>U wijzigt %n opgeslagen registratie van %1 (%2). Waarom? De reden wordt in de geschiedenis bewaard naast de registratie zoals die was.</numerusform>
            <numerusform>U wijzigt %n opgeslagen registraties van %1 (%2). Waarom? De reden wordt in de geschiedenis bewaard naast de registraties zoals die waren.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reason for the Change</source>
        <translation>Reden van de wijziging</translation>
    </message>
    <message>
        <source>Nothing was saved: a change to an earlier day&apos;s saved marks needs a reason. The marks stay on your screen.</source>
        <translation>Er is niets opgeslagen: een wijziging van opgeslagen registraties van een eerdere dag vraagt om een reden. De registraties blijven op uw scherm.</translation>
    </message>
    <message>
        <source>&amp;Minutes Late…</source>
        <translation>&amp;Minuten te laat…</translation>
    </message>
    <message>
        <source>How many minutes late did %1 arrive? (0 for not known)</source>
        <translation>Hoeveel minuten te laat kwam %1? (0 als onbekend)</translation>
    </message>
    <message>
        <source>Minutes Late</source>
        <translation>Minuten te laat</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 0 to 600. Nothing was changed.</source>
        <translation>&quot;%1&quot; is geen aantal minuten van 0 tot 600. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Reden: %1</translation>
    </message>
    <message>
        <source>%1 on an approved activity</source>
        <translation>%1 bij goedgekeurde activiteit</translation>
    </message>
    <message>
        <source>%1 not counted</source>
        <translation>%1 niet geteld</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Ochtend</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Middag</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Dagdeel</translation>
    </message>
    <message>
        <source>This is the morning&apos;s register. Pick Afternoon beside the date to copy onto it.</source>
        <translation>Dit is het register van de ochtend. Kies Middag naast de datum om daarin over te nemen.</translation>
    </message>
    <message>
        <source>The morning&apos;s register of %1 on %2 has no saved marks, so there are none to copy.</source>
        <translation>Het register van de ochtend van %1 op %2 heeft geen opgeslagen registraties; er is niets over te nemen.</translation>
    </message>
    <message>
        <source>Copy this morning&apos;s marks onto the afternoon&apos;s cards of %1?</source>
        <translation>De registraties van vanochtend overnemen op de middagkaarten van %1?</translation>
    </message>
    <message>
        <source>%1, afternoon</source>
        <translation>%1, middag</translation>
    </message>
    <message>
        <source>%1, morning</source>
        <translation>%1, ochtend</translation>
    </message>
    <message>
        <source>This morning&apos;s marks copied, not saved yet</source>
        <translation>Registraties van vanochtend overgenomen, nog niet opgeslagen</translation>
    </message>
    <message>
        <source>Closed · %1</source>
        <translation>Gesloten · %1</translation>
    </message>
    <message>
        <source>Register Closed</source>
        <translation>Register gesloten</translation>
    </message>
</context>
<context>
    <name>ManageClassesWindow</name>
    <message>
        <source>Manage Classes</source>
        <translation>Klassen beheren</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klas</translation>
    </message>
    <message>
        <source>Add New Class</source>
        <translation>Nieuwe klas toevoegen</translation>
    </message>
    <message>
        <source>Delete Class</source>
        <translation>Klas verwijderen</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Leerling toevoegen</translation>
    </message>
    <message>
        <source>Edit Student</source>
        <translation>Leerling bewerken</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Leerling verwijderen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Naam van de leerling</translation>
    </message>
    <message>
        <source>Enter New Class Name: </source>
        <translation>Naam van de nieuwe klas: </translation>
    </message>
    <message>
        <source>Class already exists.</source>
        <translation>Deze klas bestaat al.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Weet u zeker dat u %1 wilt verwijderen?</translation>
    </message>
    <message>
        <source>You must select first a class.</source>
        <translation>Kies eerst een klas.</translation>
    </message>
    <message>
        <source>Import Photos…</source>
        <translation>Foto&apos;s importeren…</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) of this student stay in the register, but no report will show them again. For a student who leaves the school, use Leaves School… (right-click the name) instead.</source>
        <translation>
            <numerusform>%n markering van deze leerling blijft in het register, maar geen rapport toont haar nog. Gebruik voor een leerling die de school verlaat liever ‘Verlaat de school…’ (rechtsklik op de naam).</numerusform>
            <numerusform>%n markeringen van deze leerling blijven in het register, maar geen rapport toont ze nog. Gebruik voor een leerling die de school verlaat liever ‘Verlaat de school…’ (rechtsklik op de naam).</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Move to Class</source>
        <translation>Naar andere klas &amp;verplaatsen</translation>
    </message>
    <message>
        <source>&amp;Leaves School…</source>
        <translation>Verlaat de &amp;school…</translation>
    </message>
    <message>
        <source>&amp;Delete Student (a mistake)…</source>
        <translation>Leerling ver&amp;wijderen (vergissing)…</translation>
    </message>
    <message>
        <source>“%1” is not a date. Write it as %2, or as YYYY-MM-DD.</source>
        <translation>‘%1’ is geen datum. Schrijf hem als %2 of als JJJJ-MM-DD.</translation>
    </message>
    <message>
        <source>%1 moves to %2 from this day (the registers before it stay with the class they were taken in):</source>
        <translation>%1 gaat vanaf deze dag naar %2 (de registraties daarvoor blijven bij de klas waarin ze zijn gedaan):</translation>
    </message>
    <message>
        <source>Move to Class</source>
        <translation>Naar andere klas verplaatsen</translation>
    </message>
    <message>
        <source>%1 leaves the school on this day (the first day they are no longer here):</source>
        <translation>%1 verlaat de school op deze dag (de eerste dag dat de leerling er niet meer is):</translation>
    </message>
    <message>
        <source>Leaves School</source>
        <translation>Verlaat de school</translation>
    </message>
    <message>
        <source>%1 will not be on the cards from %2, and stays in every report of the days before. Go ahead?</source>
        <translation>%1 staat vanaf %2 niet meer op de kaarten en blijft in elk rapport van de dagen daarvoor. Doorgaan?</translation>
    </message>
    <message>
        <source>This name cannot be saved: %1.</source>
        <translation>Deze naam kan niet worden opgeslagen: %1.</translation>
    </message>
    <message>
        <source>&amp;Rename Class…</source>
        <translation>Klas &amp;hernoemen…</translation>
    </message>
    <message>
        <source>&amp;Delete Class…</source>
        <translation>Klas &amp;verwijderen…</translation>
    </message>
    <message>
        <source>The new name of %1:</source>
        <translation>De nieuwe naam van %1:</translation>
    </message>
    <message>
        <source>Rename Class</source>
        <translation>Klas hernoemen</translation>
    </message>
    <message>
        <source>Remove the photo of %1?</source>
        <translation>De foto van %1 verwijderen?</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>Foto verwijderen</translation>
    </message>
    <message numerus="yes">
        <source>Its %n student(s) go with it.</source>
        <translation>
            <numerusform>Haar %n leerling gaat mee.</numerusform>
            <numerusform>Haar %n leerlingen gaan mee.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Their %n mark(s) stay in the register, but no report will show them again.</source>
        <translation>
            <numerusform>Hun %n markering blijft in het register, maar geen rapport toont die nog.</numerusform>
            <numerusform>Hun %n markeringen blijven in het register, maar geen rapport toont ze nog.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove &amp;Photo…</source>
        <translation>&amp;Foto verwijderen…</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>de naam is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>the name holds a control character (code %1)</source>
        <translation>de naam bevat een stuurteken (code %1)</translation>
    </message>
    <message>
        <source>the name holds a character that reverses the direction of the text (U+%1)</source>
        <translation>de naam bevat een teken dat de schrijfrichting omkeert (U+%1)</translation>
    </message>
</context>
<context>
    <name>NewSchoolYear</name>
    <message>
        <source>The first day of the new school year (YYYY-MM-DD). Every class goes up one year from that day, and the top year leaves:</source>
        <translation>De eerste dag van het nieuwe schooljaar (JJJJ-MM-DD). Elke klas schuift vanaf die dag een jaar op, en het hoogste jaar vertrekt:</translation>
    </message>
    <message>
        <source>New School Year</source>
        <translation>Nieuw schooljaar</translation>
    </message>
    <message>
        <source>“%1” is not a date; write it as YYYY-MM-DD.</source>
        <translation>‘%1’ is geen datum; schrijf hem als JJJJ-MM-DD.</translation>
    </message>
    <message>
        <source>No class has students to move.</source>
        <translation>Geen enkele klas heeft leerlingen om op te schuiven.</translation>
    </message>
    <message>
        <source>%1 (%2): stays as it is, its name has no year.</source>
        <translation>%1 (%2): blijft zoals hij is, de naam noemt geen jaar.</translation>
    </message>
    <message>
        <source>%1 (%2): leave the school.</source>
        <translation>%1 (%2): verlaten de school.</translation>
    </message>
    <message>
        <source>%1 (%2): go up to %3%4.</source>
        <translation>%1 (%2): gaan naar %3%4.</translation>
    </message>
    <message>
        <source> (a new class)</source>
        <translation> (een nieuwe klas)</translation>
    </message>
    <message>
        <source>From %1:</source>
        <translation>Vanaf %1:</translation>
    </message>
    <message>
        <source>The registers before that day keep the classes they were taken in. Go ahead?</source>
        <translation>De registraties vóór die dag blijven bij de klassen waarin ze zijn gedaan. Doorgaan?</translation>
    </message>
    <message>
        <source>%1 students went up a year and %2 left the school; %3 classes were added.</source>
        <translation>%1 leerlingen zijn een jaar opgeschoven en %2 hebben de school verlaten; %3 klassen zijn toegevoegd.</translation>
    </message>
</context>
<context>
    <name>Photo</name>
    <message>
        <source>The picture is too large (%1 by %2 pixels); pictures of up to %3 million pixels can be stored.</source>
        <translation>De afbeelding is te groot (%1 × %2 pixels); afbeeldingen tot %3 miljoen pixels kunnen worden opgeslagen.</translation>
    </message>
    <message>
        <source>There is no picture to store.</source>
        <translation>Er is geen afbeelding om op te slaan.</translation>
    </message>
    <message>
        <source>The picture could not be stored: %1</source>
        <translation>De afbeelding kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>A stored photo could not be read: %1</source>
        <translation>Een opgeslagen foto kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>The picture %1 was not found.</source>
        <translation>De afbeelding %1 is niet gevonden.</translation>
    </message>
    <message>
        <source>The picture %1 is too large (%2 MB); pictures of up to %3 MB can be stored.</source>
        <translation>De afbeelding %1 is te groot (%2 MB); afbeeldingen tot %3 MB kunnen worden opgeslagen.</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: %2</source>
        <translation>De afbeelding %1 kon niet worden gelezen: %2</translation>
    </message>
</context>
<context>
    <name>PhotoCompaction</name>
    <message>
        <source>The conversion of the photos was stopped; the photos converted so far are kept, and running it again goes on from there.</source>
        <translation>Het omzetten van de foto&apos;s is gestopt; de al omgezette foto&apos;s blijven bewaard, en opnieuw starten gaat vanaf daar verder.</translation>
    </message>
    <message>
        <source>The register is not at this version of Rollvane, so its photos cannot be converted. Nothing was changed.</source>
        <translation>Het register is niet op de versie van deze Rollvane, dus de foto&apos;s kunnen niet worden omgezet. Er is niets gewijzigd.</translation>
    </message>
</context>
<context>
    <name>PhotoImport</name>
    <message>
        <source>more than one picture is named %1</source>
        <translation>er is meer dan één afbeelding met de naam %1</translation>
    </message>
    <message>
        <source>%1 students of the class are named %2</source>
        <translation>%1 leerlingen van de klas heten %2</translation>
    </message>
    <message>
        <source>the picture %1</source>
        <translation>de afbeelding %1</translation>
    </message>
</context>
<context>
    <name>PlannedAbsenceWindow</name>
    <message>
        <source>Planned Absence</source>
        <translation>Gepland verzuim</translation>
    </message>
    <message>
        <source>Hospital stay, family funeral, ...</source>
        <translation>Ziekenhuisopname, begrafenis in de familie, ...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Student:</source>
        <translation>&amp;Leerling:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Reden:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Leerling</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot en met</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>School Days</source>
        <translation>Schooldagen</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reden</translation>
    </message>
    <message>
        <source>&amp;Cancel Selected Plans</source>
        <translation>Gekozen plannen &amp;annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (door %2)</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Er is niets toegevoegd.</translation>
    </message>
    <message>
        <source>Choose the student first.</source>
        <translation>Kies eerst de leerling.</translation>
    </message>
    <message>
        <source>The first day is after the last.</source>
        <translation>De eerste dag ligt na de laatste.</translation>
    </message>
    <message>
        <source>There is no school day from %1 to %2.</source>
        <translation>Er is geen schooldag van %1 tot %2.</translation>
    </message>
    <message numerus="yes">
        <source>Cancel %n planned absences? Marks already saved from them stay as they were saved.</source>
        <translation>
            <numerusform>%n gepland verzuim annuleren? Al opgeslagen registraties blijven zoals ze zijn opgeslagen.</numerusform>
            <numerusform>%n geplande verzuimen annuleren? Al opgeslagen registraties blijven zoals ze zijn opgeslagen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>%1: &quot;%2&quot; is not a day written yyyy-MM-dd</source>
        <translation>%1: ‘%2’ is geen dag in de vorm yyyy-MM-dd</translation>
    </message>
    <message>
        <source>%1: a value is missing</source>
        <translation>%1: er ontbreekt een waarde</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1: hier hoort geen waarde bij</translation>
    </message>
    <message>
        <source>--class-id: &quot;%1&quot; is not a class id (a whole number above 0)</source>
        <translation>--class-id: ‘%1’ is geen klas-id (een geheel getal groter dan 0)</translation>
    </message>
    <message>
        <source>--threshold: &quot;%1&quot; is not a percentage from 0 to 100</source>
        <translation>--threshold: ‘%1’ is geen percentage van 0 tot en met 100</translation>
    </message>
    <message>
        <source>--run: &quot;%1&quot; is not a number of days (1 or more)</source>
        <translation>--run: ‘%1’ is geen aantal dagen (1 of meer)</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not one of text, csv and pdf</source>
        <translation>--format: ‘%1’ is niet text, csv of pdf</translation>
    </message>
    <message>
        <source>--output: the file name is empty</source>
        <translation>--output: de bestandsnaam is leeg</translation>
    </message>
    <message>
        <source>%1: not an option of rollvane-report (see --help)</source>
        <translation>%1: geen optie van rollvane-report (zie --help)</translation>
    </message>
    <message>
        <source>%1: only one report at a time</source>
        <translation>%1: slechts één overzicht tegelijk</translation>
    </message>
    <message>
        <source>--class, --class-id, --all: choose one of them</source>
        <translation>--class, --class-id, --all: kies er één van</translation>
    </message>
    <message>
        <source>--date: only the missing report looks at one day</source>
        <translation>--date: alleen het overzicht missing bekijkt één dag</translation>
    </message>
    <message>
        <source>--date: give either one day or --from and --to, not both</source>
        <translation>--date: geef één dag of --from en --to, niet allebei</translation>
    </message>
    <message>
        <source>%1: only the alerts report takes it</source>
        <translation>%1: alleen het overzicht alerts kent deze optie</translation>
    </message>
    <message>
        <source>--from: %1 is after the last day, %2</source>
        <translation>--from: %1 ligt na de laatste dag, %2</translation>
    </message>
    <message>
        <source>--class-id: the register has no class with id %1</source>
        <translation>--class-id: de presentielijst heeft geen klas met id %1</translation>
    </message>
    <message>
        <source>--class: several classes are named &quot;%1&quot;; use --class-id</source>
        <translation>--class: er zijn meerdere klassen met de naam ‘%1’; gebruik --class-id</translation>
    </message>
    <message>
        <source>--class: the register has no class named &quot;%1&quot;</source>
        <translation>--class: de presentielijst heeft geen klas met de naam ‘%1’</translation>
    </message>
    <message>
        <source>--output: %1 could not be written: %2</source>
        <translation>--output: %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>--output: %1 is one of the register&apos;s own files (the register, its journal or lock, the template or a backup); choose another file</source>
        <translation>--output: %1 is een van de eigen bestanden van het register (het register, het journaal of de vergrendeling, de sjabloon of een back-up); kies een ander bestand</translation>
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
        <translation>Gebruik: rollvane-report summary|sheet|missing|alerts|census [opties]
Leest de presentielijst, zonder die te wijzigen, en schrijft een overzicht.

  --class NAAM          één klas, op naam
  --class-id N          één klas, op id
  --all                 alle klassen (standaard)
  --from yyyy-MM-dd     eerste dag (standaard: 1 september van dit schooljaar)
  --to yyyy-MM-dd       laatste dag (standaard: vandaag)
  --date yyyy-MM-dd     missing: de ene dag om te bekijken (standaard: vandaag,
                        tenzij --from of --to om elke schooldag van een
                        periode vraagt)
  --threshold PROCENT   alerts: aanwezigheid op of onder deze waarde (standaard 90)
  --run DAGEN           alerts: zoveel geregistreerde dagen achter elkaar
                        afwezig (standaard 3)
  --persistent          alerts: alleen aanhoudend verzuim (10 % van de mogelijke
                        sessies of meer gemist) en ernstig verzuim (de helft)
  --format text|csv|pdf de vorm van het overzicht (standaard text)
  --output BESTAND      het overzicht naar BESTAND schrijven in plaats van naar
                        de standaarduitvoer
  --help                deze tekst tonen
  --version             de versie tonen

Afsluitcode: 0 klaar, 2 een ongeldig argument, 3 de presentielijst ontbreekt,
is onleesbaar of is beschadigd.
</translation>
    </message>
    <message>
        <source>%1: not a report; choose summary, sheet, missing, alerts or census</source>
        <translation>%1: geen overzicht; kies summary, sheet, missing, alerts of census</translation>
    </message>
    <message>
        <source>no report named; choose summary, sheet, missing, alerts or census (see --help)</source>
        <translation>geen overzicht opgegeven; kies summary, sheet, missing, alerts of census (zie --help)</translation>
    </message>
    <message>
        <source>--persistent: the rule is fixed; leave out --threshold and --run</source>
        <translation>--persistent: de regel ligt vast; laat --threshold en --run weg</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Attendance % per marked day</source>
        <translation>Aanwezigheid in % per geregistreerde dag</translation>
    </message>
    <message>
        <source>Attendance %</source>
        <translation>Aanwezigheid %</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Marks per week</source>
        <translation>Registraties per week</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>Week beginning</source>
        <translation>Week vanaf</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Registraties</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2. Nothing was saved.</source>
        <translation>Het bestand %1 kon niet worden geschreven: %2. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Afgedrukt op %1</translation>
    </message>
    <message>
        <source>Attendance Register</source>
        <translation>Presentielijst</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>Nothing to show for these choices.</source>
        <translation>Niets te tonen voor deze keuzes.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Register Sheet</source>
        <translation>Presentieblad</translation>
    </message>
    <message>
        <source>Registers Not Taken</source>
        <translation>Ontbrekende presentie</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Signaleringen</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot en met %2</translation>
    </message>
    <message>
        <source>All Classes</source>
        <translation>Alle klassen</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Deze week</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Deze maand</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Laatste 30 dagen</translation>
    </message>
    <message>
        <source>This School Year</source>
        <translation>Dit schooljaar</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Leerling</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klas</translation>
    </message>
    <message>
        <source>Days
Marked</source>
        <translation>Dagen
geregistreerd</translation>
    </message>
    <message>
        <source>Days in the range on which the student has a saved mark</source>
        <translation>Dagen in de periode waarop de leerling een opgeslagen registratie heeft</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Aanwezig</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Te laat</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Afwezig</translation>
    </message>
    <message>
        <source>Excused</source>
        <translation>Geoorloofd</translation>
    </message>
    <message>
        <source>Marks with a word other than Present, Late, Absent and Excused</source>
        <translation>Registraties met een ander woord dan Aanwezig, Te laat, Afwezig en Geoorloofd</translation>
    </message>
    <message>
        <source>Attendance
%</source>
        <translation>Aanwezigheid
%</translation>
    </message>
    <message>
        <source>Longest
Absence Run</source>
        <translation>Langste reeks
afwezig</translation>
    </message>
    <message>
        <source>Current
Absence Run</source>
        <translation>Huidige reeks
afwezig</translation>
    </message>
    <message>
        <source>Other words: %1</source>
        <translation>Andere woorden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total (%n students)</source>
        <translation>
            <numerusform>Totaal (%n leerling)</numerusform>
            <numerusform>Totaal (%n leerlingen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reden</translation>
    </message>
    <message numerus="yes">
        <source>Absent %n marked days running</source>
        <translation>
            <numerusform>%n geregistreerde dag afwezig</numerusform>
            <numerusform>%n geregistreerde dagen achter elkaar afwezig</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Leerlingen</translation>
    </message>
    <message>
        <source>Old Status</source>
        <translation>Oude status</translation>
    </message>
    <message>
        <source>New Status</source>
        <translation>Nieuwe status</translation>
    </message>
    <message>
        <source>Old Remark</source>
        <translation>Oude opmerking</translation>
    </message>
    <message>
        <source>New Remark</source>
        <translation>Nieuwe opmerking</translation>
    </message>
    <message>
        <source>Changed By</source>
        <translation>Gewijzigd door</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Changed At</source>
        <translation>Gewijzigd op</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Geregistreerd</translation>
    </message>
    <message>
        <source>Present or Late</source>
        <translation>Aanwezig of te laat</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Leerlingnummer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>Day&apos;s Notes</source>
        <translation>Notities van de dag</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>School days per the school calendar: %1</source>
        <translation>Schooldagen volgens de schoolkalender: %1</translation>
    </message>
    <message>
        <source>School days per the calendar %1: %2</source>
        <translation>Schooldagen volgens de kalender %1: %2</translation>
    </message>
    <message>
        <source>School
Days</source>
        <translation>School-
dagen</translation>
    </message>
    <message>
        <source>School days of the range up to today, per the calendar</source>
        <translation>Schooldagen van de periode tot vandaag, volgens de kalender</translation>
    </message>
    <message>
        <source>Not
Recorded</source>
        <translation>Niet
geregistreerd</translation>
    </message>
    <message>
        <source>School days without a mark for the student</source>
        <translation>Schooldagen zonder markering voor de leerling</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Vorige week</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>This Term</source>
        <translation>Deze periode</translation>
    </message>
    <message>
        <source>Last Term</source>
        <translation>Vorige periode</translation>
    </message>
    <message>
        <source>Left out, as no row has any: %1</source>
        <translation>Weggelaten, omdat geen rij er een heeft: %1</translation>
    </message>
    <message>
        <source>Census</source>
        <translation>Telling</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n possible sessions attended</source>
        <translation>
            <numerusform>%1 van %n mogelijke sessie bijgewoond</numerusform>
            <numerusform>%1 van %n mogelijke sessies bijgewoond</numerusform>
        </translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Mogelijk</translation>
    </message>
    <message>
        <source>Marks that count as possible sessions: all but codes not counted</source>
        <translation>Registraties die als mogelijke sessies tellen: alle behalve niet-getelde codes</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>Goedgekeurd</translation>
    </message>
    <message>
        <source>Approved educational activity, which counts as present</source>
        <translation>Goedgekeurde onderwijsactiviteit, telt als aanwezig</translation>
    </message>
    <message>
        <source>Authorised</source>
        <translation>Geoorloofd</translation>
    </message>
    <message>
        <source>Authorised absence: Excused and every code of that category</source>
        <translation>Geoorloofd verzuim: Geoorloofd en elke code van die categorie</translation>
    </message>
    <message>
        <source>Unauthorised</source>
        <translation>Ongeoorloofd</translation>
    </message>
    <message>
        <source>Unauthorised absence: Absent and every code of that category</source>
        <translation>Ongeoorloofd verzuim: Afwezig en elke code van die categorie</translation>
    </message>
    <message>
        <source>Not
Counted</source>
        <translation>Niet
geteld</translation>
    </message>
    <message>
        <source>Codes that make no possible session (X, Y, Z, #)</source>
        <translation>Codes zonder mogelijke sessie (X, Y, Z, #)</translation>
    </message>
    <message>
        <source>Present, late and approved activity / possible sessions; exact figures on hover</source>
        <translation>Aanwezig, te laat en goedgekeurde activiteit / mogelijke sessies; exacte cijfers bij aanwijzen</translation>
    </message>
    <message>
        <source>Late
minutes</source>
        <translation>Minuten
te laat</translation>
    </message>
    <message>
        <source>The minutes late of every Late mark, summed</source>
        <translation>De minuten te laat van elke Te laat-registratie, opgeteld</translation>
    </message>
    <message>
        <source>The most consecutive marked days missed (absent, excused or any absence code)</source>
        <translation>De meeste opeenvolgende geregistreerde dagen gemist (afwezig, geoorloofd of een verzuimcode)</translation>
    </message>
    <message>
        <source>Consecutive marked days missed up to the last one</source>
        <translation>Opeenvolgende gemiste geregistreerde dagen tot de laatste</translation>
    </message>
    <message>
        <source>Severe absence: missed half the possible sessions or more</source>
        <translation>Ernstig verzuim: de helft van de mogelijke sessies of meer gemist</translation>
    </message>
    <message>
        <source>Persistent absence: missed %1 % or more of the possible sessions</source>
        <translation>Aanhoudend verzuim: %1 % of meer van de mogelijke sessies gemist</translation>
    </message>
    <message>
        <source>Missed %1 % or more of the possible sessions</source>
        <translation>%1 % of meer van de mogelijke sessies gemist</translation>
    </message>
    <message>
        <source>Attended</source>
        <translation>Bijgewoond</translation>
    </message>
    <message>
        <source>Words without a category</source>
        <translation>Woorden zonder categorie</translation>
    </message>
    <message>
        <source>Attended of possible</source>
        <translation>Bijgewoond van mogelijk</translation>
    </message>
    <message>
        <source>Late minutes</source>
        <translation>Minuten te laat</translation>
    </message>
    <message>
        <source>Sessions in the range (morning and afternoon) in which the student has a saved mark</source>
        <translation>Dagdelen in de periode (ochtend en middag) waarin de leerling een opgeslagen registratie heeft</translation>
    </message>
    <message>
        <source>School
Sessions</source>
        <translation>School-
dagdelen</translation>
    </message>
    <message>
        <source>Morning and afternoon sessions of the school days of the range up to today, per the calendar</source>
        <translation>Ochtend- en middagdagdelen van de schooldagen in de periode tot vandaag, volgens de kalender</translation>
    </message>
    <message>
        <source>School sessions without a mark for the student</source>
        <translation>Schooldagdelen zonder registratie voor de leerling</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Dagdeel</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>mid.</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>och.</translation>
    </message>
    <message>
        <source>Changed after it was first saved; the History view shows how and why</source>
        <translation>Gewijzigd na de eerste keer opslaan; de weergave Geschiedenis toont hoe en waarom</translation>
    </message>
    <message>
        <source>%1 a mark changed after it was first saved (see the History view)</source>
        <translation>%1 een registratie die na de eerste keer opslaan is gewijzigd (zie Geschiedenis)</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>The register was left as it is.</source>
        <translation>De presentielijst is gelaten zoals hij is.</translation>
    </message>
    <message>
        <source>Checking the backup of %1…</source>
        <translation>De reservekopie van %1 wordt gecontroleerd…</translation>
    </message>
    <message>
        <source>The backup of %1 cannot be restored: %2<byte value="xd"/>
%3</source>
        <translation>De reservekopie van %1 kan niet worden teruggezet: %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged, so it cannot be restored. SQLite&apos;s check found:<byte value="xd"/>
%2<byte value="xd"/>
%3</source>
        <translation>De reservekopie van %1 is beschadigd en kan dus niet worden teruggezet. De controle van SQLite vond:<byte value="xd"/>
%2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Rollvane is running elsewhere on this computer (another user, or another window), with the register open. Ask for it to be closed, then restore again.<byte value="xd"/>
%1</source>
        <translation>Rollvane draait elders op deze computer (bij een andere gebruiker of in een ander venster) met de presentielijst geopend. Vraag om het daar te sluiten en zet de reservekopie daarna opnieuw terug.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The register&apos;s folder %1 cannot be written by you, so the register cannot be replaced. Ask the administrator to make it writable for the users who share the register.<byte value="xd"/>
%2</source>
        <translation>U kunt niet schrijven in de map %1 van de presentielijst, dus de presentielijst kan niet worden vervangen. Vraag de beheerder om schrijfrechten op deze map voor de gebruikers die de presentielijst delen.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Replace the register with the backup of %1?<byte value="xd"/>
<byte value="xd"/>
The backup holds %2, %3 and %4. The register as it is now is backed up first, so that this restore can be undone.</source>
        <translation>De presentielijst vervangen door de reservekopie van %1?<byte value="xd"/>
<byte value="xd"/>
De reservekopie bevat %2, %3 en %4. Van de presentielijst zoals die nu is, wordt eerst een reservekopie gemaakt, zodat dit terugzetten ongedaan kan worden gemaakt.</translation>
    </message>
    <message numerus="yes">
        <source>%n class(es)</source>
        <translation>
            <numerusform>%n klas</numerusform>
            <numerusform>%n klassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n leerling</numerusform>
            <numerusform>%n leerlingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s)</source>
        <translation>
            <numerusform>%n registratie</numerusform>
            <numerusform>%n registraties</numerusform>
        </translation>
    </message>
    <message>
        <source>Backing up the register as it is now…</source>
        <translation>Reservekopie maken van de presentielijst zoals die nu is…</translation>
    </message>
    <message>
        <source>The register as it is now could not be backed up, so it was not replaced: %1<byte value="xd"/>
%2</source>
        <translation>Van de presentielijst zoals die nu is kon geen reservekopie worden gemaakt, dus hij is niet vervangen: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Restoring the backup of %1…</source>
        <translation>De reservekopie van %1 wordt teruggezet…</translation>
    </message>
    <message>
        <source>The register was not replaced: %1</source>
        <translation>De presentielijst is niet vervangen: %1</translation>
    </message>
    <message>
        <source>The register now holds the backup of %1.<byte value="xd"/>
What it held before is kept as the backup %2; restore that one to undo this.</source>
        <translation>De presentielijst bevat nu de reservekopie van %1.<byte value="xd"/>
Wat er eerder in stond, is bewaard als reservekopie %2; zet die terug om dit ongedaan te maken.</translation>
    </message>
</context>
<context>
    <name>SchoolCalendar</name>
    <message>
        <source>School year</source>
        <translation>Schooljaar</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Vakantie</translation>
    </message>
    <message>
        <source>Closure</source>
        <translation>Sluiting</translation>
    </message>
    <message>
        <source>Training day</source>
        <translation>Studiedag</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>Outside the terms</source>
        <translation>Buiten de lesperiodes</translation>
    </message>
    <message>
        <source>Between school years</source>
        <translation>Tussen twee schooljaren</translation>
    </message>
</context>
<context>
    <name>SessionsWindow</name>
    <message>
        <source>&amp;One register a day</source>
        <translation>&amp;Eén register per dag</translation>
    </message>
    <message>
        <source>&amp;Two registers a day: the morning&apos;s and the afternoon&apos;s</source>
        <translation>&amp;Twee registers per dag: de ochtend en de middag</translation>
    </message>
    <message>
        <source>The afternoon&apos;s register opens &amp;from:</source>
        <translation>Het middagregister opent &amp;vanaf:</translation>
    </message>
    <message>
        <source>With two, the main window shows Morning or Afternoon beside the date, picked by the clock, and every figure counts sessions: a day holds two.</source>
        <translation>Met twee toont het hoofdvenster Ochtend of Middag naast de datum, gekozen op de klok, en elk getal telt dagdelen: een dag heeft er twee.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The registers already taken were taken once a day.<byte value="xd"/>
<byte value="xd"/>
Yes: count each of them as both the morning&apos;s and the afternoon&apos;s (the school took one register for the whole day).<byte value="xd"/>
No: count them as the mornings&apos; only; the afternoons before today stay unrecorded.</source>
        <translation>De registers die al zijn opgenomen, werden één keer per dag opgenomen.<byte value="xd"/>
<byte value="xd"/>
Ja: elk telt als dat van de ochtend en van de middag (de school nam één register voor de hele dag).<byte value="xd"/>
Nee: ze tellen alleen als ochtenden; de middagen vóór vandaag blijven niet geregistreerd.</translation>
    </message>
    <message>
        <source>Two Registers a Day</source>
        <translation>Twee registers per dag</translation>
    </message>
    <message>
        <source>Register Rules</source>
        <translation>Registerregels</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nooit</translation>
    </message>
    <message>
        <source> school days after its day</source>
        <translation> schooldagen na de dag zelf</translation>
    </message>
    <message>
        <source>&amp;Close each register:</source>
        <translation>Elk register &amp;sluiten:</translation>
    </message>
    <message>
        <source>log-in names, separated by commas</source>
        <translation>aanmeldnamen, gescheiden door komma&apos;s</translation>
    </message>
    <message>
        <source>&amp;Who may still change it:</source>
        <translation>&amp;Wie het dan nog mag wijzigen:</translation>
    </message>
    <message>
        <source>A closed register keeps the marks that were reported; changing one then needs one of these accounts, and a reason, as every change of an earlier day does.</source>
        <translation>Een gesloten register houdt de gemelde registraties; wijzigen vraagt dan een van deze accounts, en een reden, zoals elke wijziging van een eerdere dag.</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <source>The skin file %1 has no part named %2.</source>
        <translation>Het vormgevingsbestand %1 heeft geen onderdeel met de naam %2.</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Het vormgevingsbestand %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is too large to be a skin.</source>
        <translation>Het vormgevingsbestand %1 is te groot voor een vormgeving.</translation>
    </message>
    <message>
        <source>The skin file %1 is not UTF-8 text.</source>
        <translation>Het vormgevingsbestand %1 is geen UTF-8-tekst.</translation>
    </message>
    <message>
        <source>The skin file %1 is not a style sheet that can be read.</source>
        <translation>Het vormgevingsbestand %1 is geen leesbaar stijlblad.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Rollvane keeps a school&apos;s daily attendance register.</source>
        <translation>Rollvane houdt de dagelijkse presentielijst van een school bij.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Probeer ‘%1 --help’ voor meer informatie.</translation>
    </message>
    <message>
        <source>Rollvane needs a graphical desktop, and none was found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Rollvane heeft een grafisch bureaublad nodig, maar er is er geen gevonden (DISPLAY noch WAYLAND_DISPLAY is ingesteld).</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Present</source>
        <translation>Aanwezig</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Te laat</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Afwezig</translation>
    </message>
    <message>
        <source>Excused</source>
        <translation>Geoorloofd</translation>
    </message>
</context>
<context>
    <name>StudentCard</name>
    <message>
        <source>Double Click To Change The Status</source>
        <translation>Dubbelklik om de status te wijzigen</translation>
    </message>
    <message>
        <source>%1
Remark: %2</source>
        <translation>%1
Opmerking: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Remark: %1</source>
        <translation>Opmerking: %1</translation>
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
        <translation>Leerling toevoegen</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Naam van de leerling</translation>
    </message>
    <message>
        <source>Student Image</source>
        <translation>Foto van de leerling</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Afbeelding kiezen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>No class was chosen for the new student.</source>
        <translation>Er is geen klas gekozen voor de nieuwe leerling.</translation>
    </message>
    <message>
        <source>The student no longer exists; nothing was written.</source>
        <translation>De leerling bestaat niet meer; er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>This name cannot be saved: %1.</source>
        <translation>Deze naam kan niet worden opgeslagen: %1.</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klas</translation>
    </message>
    <message>
        <source>from</source>
        <translation>vanaf</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>het begin</translation>
    </message>
</context>
<context>
    <name>StudentImport</name>
    <message>
        <source>the photo %1 is not given relative to the spreadsheet&apos;s folder</source>
        <translation>de foto %1 is niet opgegeven ten opzichte van de map van de spreadsheet</translation>
    </message>
    <message>
        <source>the photo %1 lies outside the spreadsheet&apos;s folder</source>
        <translation>de foto %1 staat buiten de map van de spreadsheet</translation>
    </message>
    <message>
        <source>the photo %1 was not found</source>
        <translation>de foto %1 is niet gevonden</translation>
    </message>
    <message>
        <source>the photo %1 is not a file</source>
        <translation>de foto %1 is geen bestand</translation>
    </message>
    <message>
        <source>the photo %1 %2</source>
        <translation>de foto %1 %2</translation>
    </message>
    <message>
        <source>is too large (%1 MB; up to %2 MB can be stored)</source>
        <translation>is te groot (%1 MB; tot %2 MB kan worden opgeslagen)</translation>
    </message>
    <message>
        <source>is not a picture Rollvane can read</source>
        <translation>is geen afbeelding die Rollvane kan lezen</translation>
    </message>
    <message>
        <source>is too large (%1 by %2 pixels)</source>
        <translation>is te groot (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Het bestand %1 kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of students (%2 MB).</source>
        <translation>Het bestand %1 is te groot voor een leerlingenlijst (%2 MB).</translation>
    </message>
    <message>
        <source>The file %1 holds no rows.</source>
        <translation>Het bestand %1 bevat geen rijen.</translation>
    </message>
    <message>
        <source>The first line names the column %1 twice.</source>
        <translation>De eerste regel noemt de kolom %1 twee keer.</translation>
    </message>
    <message>
        <source>no class and no name</source>
        <translation>geen klas en geen naam</translation>
    </message>
    <message>
        <source>no class</source>
        <translation>geen klas</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>geen naam</translation>
    </message>
    <message>
        <source>listed already on line %1</source>
        <translation>staat al op regel %1</translation>
    </message>
    <message>
        <source>already in the class</source>
        <translation>staat al in de klas</translation>
    </message>
    <message>
        <source>read as Windows-1252: byte %1 of line %2 (0x%3) is not UTF-8</source>
        <translation>gelezen als Windows-1252: byte %1 van regel %2 (0x%3) is geen UTF-8</translation>
    </message>
    <message>
        <source>class: %1</source>
        <translation>klas: %1</translation>
    </message>
    <message>
        <source>The first line of the file must name a class column (Class, Form or Tutor group) and the students&apos; names (Name, or First name and Last name), and Photo if there are photos. It names: %1.</source>
        <translation>De eerste regel van het bestand moet een klaskolom noemen (Klas of Class) en de namen van de leerlingen (Naam, of Voornaam en Achternaam), en Foto als er foto&apos;s zijn. Deze regel noemt: %1.</translation>
    </message>
</context>
<context>
    <name>backup::BackupsWindow</name>
    <message>
        <source>Backups</source>
        <translation>Reservekopieën</translation>
    </message>
    <message>
        <source>A backup of the register is taken each day, at the first save. The last %1 daily backups and the first of each of the last %2 months are kept, in %3.</source>
        <translation>Elke dag wordt bij de eerste keer opslaan een reservekopie van de presentielijst gemaakt. De laatste %1 dagelijkse reservekopieën en de eerste van elk van de laatste %2 maanden worden bewaard, in %3.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Gemaakt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Leerlingen</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Registraties</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Nu reservekopie maken</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Terugzetten…</translation>
    </message>
    <message>
        <source>Check Register</source>
        <translation>Presentielijst controleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Leerling</translation>
    </message>
    <message>
        <source>Stored date</source>
        <translation>Opgeslagen datum</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The register is kept on a database server (%1). Its backups are kept by the server&apos;s administrator (with pg_dump), so this program takes none and restores none.

You can export a copy of the register as a register file, to keep or to open elsewhere.</source>
        <translation>De presentielijst staat op een databaseserver (%1). De reservekopieën daarvan maakt de beheerder van de server (met pg_dump), dus dit programma maakt geen reservekopieën en zet er ook geen terug.

U kunt een kopie van de presentielijst exporteren als presentielijstbestand, om te bewaren of elders te openen.</translation>
    </message>
    <message>
        <source>Export Register…</source>
        <translation>Presentielijst exporteren…</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>onleesbaar</translation>
    </message>
    <message>
        <source>Backing up the register…</source>
        <translation>Reservekopie van de presentielijst maken…</translation>
    </message>
    <message>
        <source>The register was backed up as %1.</source>
        <translation>Er is een reservekopie van de presentielijst gemaakt: %1.</translation>
    </message>
    <message>
        <source>Pick the backup to restore first.</source>
        <translation>Kies eerst de reservekopie die u wilt terugzetten.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Terugzetten</translation>
    </message>
    <message>
        <source>Checking the register…</source>
        <translation>De presentielijst wordt gecontroleerd…</translation>
    </message>
    <message>
        <source>The register is sound.</source>
        <translation>De presentielijst is in orde.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… en nog %n.</numerusform>
            <numerusform>… en nog %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The register is damaged. SQLite&apos;s check found:<byte value="xd"/>
%1</source>
        <translation>De presentielijst is beschadigd. De controle van SQLite vond:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Restore the newest backup, of %1 (a restore checks the backup first); marks saved since then have to be taken again.</source>
        <translation>Zet de nieuwste reservekopie terug, van %1 (bij het terugzetten wordt de reservekopie eerst gecontroleerd); registraties die sindsdien zijn opgeslagen, moeten opnieuw worden ingevoerd.</translation>
    </message>
    <message>
        <source>There is no backup to restore. Keep a copy of the register&apos;s file and ask for help: %1</source>
        <translation>Er is geen reservekopie om terug te zetten. Bewaar een kopie van het bestand van de presentielijst en vraag om hulp: %1</translation>
    </message>
    <message>
        <source>(student %1, deleted)</source>
        <translation>(leerling %1, verwijderd)</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(geen datum)</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read, so they are shown on no day; the first %1 are listed.</source>
        <translation>
            <numerusform>%n registratie heeft een datum die Rollvane niet kan lezen en wordt daarom op geen enkele dag getoond; de eerste %1 staan hieronder.</numerusform>
            <numerusform>%n registraties hebben een datum die Rollvane niet kan lezen en worden daarom op geen enkele dag getoond; de eerste %1 staan hieronder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read, so they are shown on no day:</source>
        <translation>
            <numerusform>%n registratie heeft een datum die Rollvane niet kan lezen en wordt daarom op geen enkele dag getoond:</numerusform>
            <numerusform>%n registraties hebben een datum die Rollvane niet kan lezen en worden daarom op geen enkele dag getoond:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read; they are listed in the Backups window.</source>
        <translation>
            <numerusform>%n registratie heeft een datum die Rollvane niet kan lezen; deze staat in het venster Reservekopieën.</numerusform>
            <numerusform>%n registraties hebben een datum die Rollvane niet kan lezen; ze staan in het venster Reservekopieën.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Register</source>
        <translation>Presentielijst exporteren</translation>
    </message>
    <message>
        <source>Rollvane Register (*.mdb)|*.mdb|</source>
        <translation>Rollvane-presentielijst (*.mdb)|*.mdb|</translation>
    </message>
    <message>
        <source>Exporting the register…</source>
        <translation>De presentielijst wordt geëxporteerd…</translation>
    </message>
    <message>
        <source>The register could not be exported: %1</source>
        <translation>De presentielijst kon niet worden geëxporteerd: %1</translation>
    </message>
    <message>
        <source>The register was exported to %1.</source>
        <translation>De presentielijst is geëxporteerd naar %1.</translation>
    </message>
    <message>
        <source>The register was not backed up: %1</source>
        <translation>Er is geen back-up van het register gemaakt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) have more than one mark stored for one day. Keep the most recently changed mark of each, and record the others in the history?</source>
        <translation>
            <numerusform>%n leerling heeft meer dan één registratie voor één dag. De laatst gewijzigde telkens houden en de andere in de geschiedenis vastleggen?</numerusform>
            <numerusform>%n leerlingen hebben meer dan één registratie voor één dag. De laatst gewijzigde telkens houden en de andere in de geschiedenis vastleggen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) stored twice were removed; the history keeps what they said.</source>
        <translation>
            <numerusform>%n dubbel opgeslagen registratie is verwijderd; de geschiedenis bewaart wat erin stond.</numerusform>
            <numerusform>%n dubbel opgeslagen registraties zijn verwijderd; de geschiedenis bewaart wat erin stond.</numerusform>
        </translation>
    </message>
    <message>
        <source>The marks stored twice were left as they are: %1</source>
        <translation>De dubbel opgeslagen registraties zijn gelaten zoals ze zijn: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) are stored at full size, as earlier versions stored them. Converting them (rollvane-admin compact-photos, after a backup it takes itself) would make the register and each backup about %1 MB smaller.</source>
        <translation>
            <numerusform>%n foto is op volle grootte opgeslagen, zoals eerdere versies dat deden. Omzetten (rollvane-admin compact-photos, na een reservekopie die het zelf maakt) maakt het register en elke reservekopie ongeveer %1 MB kleiner.</numerusform>
            <numerusform>%n foto&apos;s zijn op volle grootte opgeslagen, zoals eerdere versies dat deden. Omzetten (rollvane-admin compact-photos, na een reservekopie die het zelf maakt) maakt het register en elke reservekopie ongeveer %1 MB kleiner.</numerusform>
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
        <translation>Schoolkalender</translation>
    </message>
    <message>
        <source>◀ &amp;Previous Year</source>
        <translation>◀ &amp;Vorig jaar</translation>
    </message>
    <message>
        <source>&amp;Next Year ▶</source>
        <translation>V&amp;olgend jaar ▶</translation>
    </message>
    <message>
        <source>School day</source>
        <translation>Schooldag</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>&amp;Entries of this year:</source>
        <translation>&amp;Items van dit jaar:</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot en met</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Half-term holiday</source>
        <translation>Herfstvakantie</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Soort:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>Na&amp;am:</translation>
    </message>
    <message>
        <source>Click a day in the months to choose it; Shift+click another to make a range.</source>
        <translation>Klik op een dag om hem te kiezen; Shift+klik op een andere voor een periode.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importeren…</translation>
    </message>
    <message>
        <source>An iCalendar file (.ics) or a CSV of From,To,Name, as a local authority publishes them</source>
        <translation>Een iCalendar-bestand (.ics) of een CSV met Van,Tot,Naam, zoals de overheid ze publiceert</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>School year %1</source>
        <translation>Schooljaar %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot en met %2</translation>
    </message>
    <message>
        <source>The last day (%1) is before the first (%2). Choose a last day on or after the first.</source>
        <translation>De laatste dag (%1) ligt vóór de eerste (%2). Kies een laatste dag op of na de eerste.</translation>
    </message>
    <message>
        <source>The calendar already holds “%1” on these days.</source>
        <translation>De kalender bevat ‘%1’ op deze dagen al.</translation>
    </message>
    <message>
        <source>This entry was removed on another computer meanwhile; nothing was changed.</source>
        <translation>Dit item is intussen op een andere computer verwijderd; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Remove “%1” (%2 to %3) from the school calendar?</source>
        <translation>‘%1’ (%2 tot en met %3) uit de schoolkalender verwijderen?</translation>
    </message>
    <message>
        <source>Import School Calendar</source>
        <translation>Schoolkalender importeren</translation>
    </message>
    <message>
        <source>Calendar files (*.ics;*.csv)|*.ics;*.csv|iCalendar files (*.ics)|*.ics|CSV files (*.csv)|*.csv|</source>
        <translation>Kalenderbestanden (*.ics;*.csv)|*.ics;*.csv|iCalendar-bestanden (*.ics)|*.ics|CSV-bestanden (*.csv)|*.csv|</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n entry(s) (%1), from %2 to %3.</source>
        <translation>
            <numerusform>Het bestand bevat %n item (%1), van %2 tot en met %3.</numerusform>
            <numerusform>Het bestand bevat %n items (%1), van %2 tot en met %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Weggelaten:</translation>
    </message>
    <message>
        <source>Add them to the school calendar? Entries it already holds are not added again.</source>
        <translation>Toevoegen aan de schoolkalender? Items die er al in staan worden niet opnieuw toegevoegd.</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) added to the school calendar.</source>
        <translation>
            <numerusform>%n item toegevoegd aan de schoolkalender.</numerusform>
            <numerusform>%n items toegevoegd aan de schoolkalender.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n it already held.</source>
        <translation>
            <numerusform>%n stond er al in.</numerusform>
            <numerusform>%n stonden er al in.</numerusform>
        </translation>
    </message>
</context>
</TS>
