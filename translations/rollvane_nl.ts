<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CardArea</name>
    <message>
        <source>The scroll bar of the card area was not created.</source>
        <translation>De schuifbalk van het kaartengebied is niet aangemaakt.</translation>
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
        <source>The file %1 cannot be used as the register: %2</source>
        <translation>Het bestand %1 kan niet als presentielijst worden gebruikt: %2</translation>
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
        <source>The register %1 is an empty file, not a Rollvane register. It has been left as it is.</source>
        <translation>De presentielijst %1 is een leeg bestand, geen presentielijst van Rollvane. Het is gelaten zoals het is.</translation>
    </message>
    <message>
        <source>The file %1 is not a Rollvane register (it is not a database file). It has been left as it is.</source>
        <translation>Het bestand %1 is geen presentielijst van Rollvane (het is geen databasebestand). Het is gelaten zoals het is.</translation>
    </message>
    <message>
        <source>The register %1 is not a regular file (it is a pipe, a socket or a device), so it cannot be a register. It has been left as it is.</source>
        <translation>De presentielijst %1 is geen gewoon bestand (maar een pipe, een socket of een apparaat) en kan dus geen presentielijst zijn. Het is gelaten zoals het is.</translation>
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
</context>
<context>
    <name>MainWindow</name>
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
    <message numerus="yes">
        <source>%n mark(s) in the register have a date that Rollvane cannot read, so they are not shown on any day. The register check (Setup, Backups, Check Register) lists them.</source>
        <translation>
            <numerusform>%n registratie in de presentielijst heeft een datum die Rollvane niet kan lezen en wordt daarom op geen enkele dag getoond. De controle van de presentielijst (Instellen, Back-ups, Presentielijst controleren) toont hem.</numerusform>
            <numerusform>%n registraties in de presentielijst hebben een datum die Rollvane niet kan lezen en worden daarom op geen enkele dag getoond. De controle van de presentielijst (Instellen, Back-ups, Presentielijst controleren) toont ze.</numerusform>
        </translation>
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
</context>
</TS>
