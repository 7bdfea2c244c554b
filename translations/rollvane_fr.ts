<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Admin</name>
    <message>
        <source>copied %1 of %2 rows (%3%)</source>
        <translation>%1 lignes copiées sur %2 (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>%1: %2 rows, checksum %3 in the source; %4 rows, checksum %5 in the copy: %6</source>
        <translation>%1&#xa0;: %2 lignes, somme de contrôle %3 dans la source&#xa0;; %4 lignes, somme de contrôle %5 dans la copie&#xa0;: %6</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>identiques</translation>
    </message>
    <message>
        <source>DIFFERENT</source>
        <translation>DIFFÉRENTES</translation>
    </message>
    <message>
        <source>The copy of %1 in %2 does not agree with its source; do not use it. The source was not changed.</source>
        <translation>La copie de %1 dans %2 ne correspond pas à sa source&#xa0;; ne l&apos;utilisez pas. La source n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>%1 was copied into %2: %3 rows, every table the same on both sides.</source>
        <translation>Copie de %1 dans %2 terminée&#xa0;: %3 lignes, chaque table identique des deux côtés.</translation>
    </message>
    <message>
        <source>The settings file names no database on the server ([register] database=...).</source>
        <translation>Le fichier de réglages n&apos;indique aucune base de données sur le serveur ([register] database=...).</translation>
    </message>
    <message>
        <source>the database %1 on the server %2</source>
        <translation>la base de données %1 sur le serveur %2</translation>
    </message>
    <message>
        <source>%1 is one of the register&apos;s own files (the register, its journal or lock, the template or a backup); choose another file.</source>
        <translation>%1 est l’un des fichiers propres au registre (le registre, son journal ou son verrou, le modèle ou une sauvegarde) ; choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 photos, %2 of them to convert: about %3 MB now, about %4 MB after.</source>
        <translation>%1 photos, dont %2 à convertir : environ %3 Mo maintenant, environ %4 Mo ensuite.</translation>
    </message>
    <message>
        <source>looked at %1 of %2 photos (%3%)</source>
        <translation>%1 photos sur %2 examinées (%3 %)</translation>
    </message>
    <message>
        <source>A backup was taken first: %1</source>
        <translation>Une sauvegarde a d&apos;abord été faite : %1</translation>
    </message>
    <message>
        <source>%1 photos converted or given a card picture.</source>
        <translation>%1 photos converties ou dotées d&apos;une image de carte.</translation>
    </message>
    <message>
        <source>%1 photos could not be read and were left as they are; Check Register in the program shows which cards have no photo.</source>
        <translation>%1 photos n&apos;ont pas pu être lues et restent telles quelles ; Vérifier le registre, dans le programme, montre quelles cartes n&apos;ont pas de photo.</translation>
    </message>
    <message>
        <source>The space the old photos took could not be given back now (%1); it is reused as the register grows, or run the command again when no one has the register open.</source>
        <translation>L&apos;espace des anciennes photos n&apos;a pas pu être rendu maintenant (%1) ; il est réutilisé à mesure que le registre grandit, ou relancez la commande quand personne n&apos;a le registre ouvert.</translation>
    </message>
    <message>
        <source>The register took %1 MB and now takes %2 MB.</source>
        <translation>Le registre occupait %1 Mo et en occupe maintenant %2.</translation>
    </message>
    <message>
        <source>%1 entries read from %2: %3 added, %4 already in the calendar.</source>
        <translation>%1 entrées lues dans %2 : %3 ajoutées, %4 déjà dans le calendrier.</translation>
    </message>
    <message>
        <source>“%1” is not a date; write it as YYYY-MM-DD.</source>
        <translation>« %1 » n’est pas une date ; écrivez-la sous la forme AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>The range ends before it begins.</source>
        <translation>La période se termine avant de commencer.</translation>
    </message>
    <message>
        <source>%1 school days from %2 to %3%4.</source>
        <translation>%1 jours d’école du %2 au %3%4.</translation>
    </message>
    <message>
        <source> (no calendar: every weekday)</source>
        <translation> (pas de calendrier : chaque jour de semaine)</translation>
    </message>
    <message>
        <source>There is no student with the number %1.</source>
        <translation>Il n’y a pas d’élève portant le numéro %1.</translation>
    </message>
    <message>
        <source>%1 leaves the register from %2.</source>
        <translation>%1 quitte le registre à partir du %2.</translation>
    </message>
    <message>
        <source>There is no class named %1.</source>
        <translation>Il n’y a pas de classe nommée %1.</translation>
    </message>
    <message>
        <source>%1 is in %2 from %3.</source>
        <translation>%1 est en %2 à partir du %3.</translation>
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
        <translation>usage : rollvane-admin copy-register --to postgresql [--from FICHIER]
       rollvane-admin copy-register --to sqlite FICHIER
       rollvane-admin compact-photos
       rollvane-admin calendar import FICHIER
       rollvane-admin calendar list [--from AAAA-MM-JJ] [--to AAAA-MM-JJ]
       rollvane-admin move-student NUMÉRO CLASSE --on AAAA-MM-JJ
       rollvane-admin leave-student NUMÉRO --on AAAA-MM-JJ
       rollvane-admin new-school-year --on AAAA-MM-JJ [--apply]</translation>
    </message>
    <message>
        <source>stays</source>
        <translation>reste</translation>
    </message>
    <message>
        <source>leaves</source>
        <translation>part</translation>
    </message>
    <message>
        <source> (new)</source>
        <translation> (nouvelle)</translation>
    </message>
    <message>
        <source>Nothing was changed; add --apply to do it.</source>
        <translation>Rien n’a été modifié ; ajoutez --apply pour le faire.</translation>
    </message>
    <message>
        <source>%1 students went up a year and %2 left the school; %3 classes were added.</source>
        <translation>%1 élèves sont passés dans l’année supérieure et %2 ont quitté l’école ; %3 classes ont été ajoutées.</translation>
    </message>
</context>
<context>
    <name>AttendanceCodesWindow</name>
    <message>
        <source>%1; double-click to change it</source>
        <translation>%1&#xa0;; double-cliquez pour la modifier</translation>
    </message>
    <message>
        <source>Attendance Codes</source>
        <translation>Codes de présence</translation>
    </message>
    <message>
        <source>What each mark means for the figures. Present, Late, Absent and Excused keep their meaning; a word without a category counts as Other, a possible session neither attended nor missed. Double-click a colour to change it.</source>
        <translation>Ce que chaque marque signifie pour les chiffres. Présent, En retard, Absent et Excusé gardent leur sens&#xa0;; un mot sans catégorie compte comme Autre, une demi-journée possible ni suivie ni manquée. Double-cliquez sur une couleur pour la modifier.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Word Stored</source>
        <translation>Mot enregistré</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <source>&amp;Add Code</source>
        <translation>&amp;Ajouter un code</translation>
    </message>
    <message>
        <source>&amp;Remove Code</source>
        <translation>&amp;Retirer le code</translation>
    </message>
    <message>
        <source>Add &amp;England&apos;s Codes</source>
        <translation>Ajouter les codes d&apos;&amp;Angleterre</translation>
    </message>
    <message>
        <source>&amp;Find Words in the Register</source>
        <translation>&amp;Chercher les mots du registre</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>One of the four words: its meaning is fixed</source>
        <translation>Un des quatre mots&#xa0;: son sens est fixé</translation>
    </message>
    <message>
        <source>Every word in the register has a meaning already.</source>
        <translation>Chaque mot du registre a déjà un sens.</translation>
    </message>
    <message numerus="yes">
        <source>%n words found that have no category yet; give each one and save.</source>
        <translation>
            <numerusform>%n mot trouvé sans catégorie&#xa0;; donnez-lui-en une et enregistrez.</numerusform>
            <numerusform>%n mots trouvés sans catégorie&#xa0;; donnez-en une à chacun et enregistrez.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1 has no word to store.</source>
        <translation>La ligne %1 n’a pas de mot à enregistrer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas de code.</translation>
    </message>
    <message>
        <source>The code of &quot;%1&quot; is longer than three characters.</source>
        <translation>Le code de «&#xa0;%1&#xa0;» dépasse trois caractères.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than 60 characters.</source>
        <translation>«&#xa0;%1&#xa0;» dépasse 60 caractères.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice (letter case does not make two words).</source>
        <translation>«&#xa0;%1&#xa0;» figure deux fois (la casse ne fait pas deux mots).</translation>
    </message>
    <message>
        <source>The code &quot;%1&quot; is given to two words.</source>
        <translation>Le code «&#xa0;%1&#xa0;» est donné à deux mots.</translation>
    </message>
    <message>
        <source>The key of &quot;%1&quot; must be a single character that is not a space.</source>
        <translation>La touche de «&#xa0;%1&#xa0;» doit être un seul caractère autre qu’une espace.</translation>
    </message>
    <message>
        <source>The key &quot;%1&quot; is given to two codes.</source>
        <translation>La touche «&#xa0;%1&#xa0;» est donnée à deux codes.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>AttendanceReportWindow</name>
    <message>
        <source>Attendance Report</source>
        <translation>Rapport de présence</translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation>&amp;Classe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>D&amp;u&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>Printed at the top of every page, the same for every user</source>
        <translation>Imprimé en haut de chaque page, identique pour tous les utilisateurs</translation>
    </message>
    <message>
        <source>&amp;School name:</source>
        <translation>&amp;Nom de l&apos;école&#xa0;:</translation>
    </message>
    <message>
        <source>On da&amp;y:</source>
        <translation>Le &amp;jour&#xa0;:</translation>
    </message>
    <message>
        <source>or absent for at &amp;least</source>
        <translation>ou absent au &amp;moins</translation>
    </message>
    <message>
        <source>marked days running, up to the last one</source>
        <translation>jours marqués d&apos;affilée, jusqu&apos;au dernier</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>Imp&amp;rimer…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exporter en P&amp;DF…</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>E&amp;xporter en CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>All Classes</source>
        <translation>Toutes les classes</translation>
    </message>
    <message>
        <source>From is after To: choose a first day on or before the last day.</source>
        <translation>«&#xa0;Du&#xa0;» est après «&#xa0;Au&#xa0;»&#xa0;: choisissez un premier jour antérieur ou égal au dernier jour.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n élève</numerusform>
            <numerusform>%n élèves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked day(s)</source>
        <translation>
            <numerusform>%n jour marqué</numerusform>
            <numerusform>%n jours marqués</numerusform>
        </translation>
    </message>
    <message>
        <source>Every class with students has taken its register.</source>
        <translation>Toutes les classes qui ont des élèves ont fait l&apos;appel.</translation>
    </message>
    <message numerus="yes">
        <source>%n register(s) not taken</source>
        <translation>
            <numerusform>%n appel non fait</numerusform>
            <numerusform>%n appels non faits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) to look at</source>
        <translation>
            <numerusform>%n élève à suivre</numerusform>
            <numerusform>%n élèves à suivre</numerusform>
        </translation>
    </message>
    <message>
        <source>This register keeps no history of changes.</source>
        <translation>Ce registre ne conserve aucun historique des modifications.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s)</source>
        <translation>
            <numerusform>%n modification</numerusform>
            <numerusform>%n modifications</numerusform>
        </translation>
    </message>
    <message>
        <source>The school&apos;s name could not be kept in the register: %1</source>
        <translation>Le nom de l&apos;école n&apos;a pas pu être enregistré dans le registre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|</source>
        <translation>Fichiers CSV (*.csv)|*.csv|</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf|</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Writing the pages…</source>
        <translation>Écriture des pages…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Impression…</translation>
    </message>
    <message>
        <source>The printer did not take the pages. Nothing was printed.</source>
        <translation>L&apos;imprimante n&apos;a pas accepté les pages. Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Sent to the printer.</source>
        <translation>Envoyé à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Every &amp;school day from From to To (by the school calendar; without one, days on which no class took a register count as no school)</source>
        <translation>Chaque jour d’é&amp;cole de Du à Au (selon le calendrier scolaire ; sans lui, les jours où aucune classe n’a fait l’appel comptent comme sans école)</translation>
    </message>
    <message>
        <source>Attendance at or &amp;below:</source>
        <translation>Présence &amp;inférieure ou égale à&#xa0;:</translation>
    </message>
    <message>
        <source>Previe&amp;w…</source>
        <translation>&amp;Aperçu…</translation>
    </message>
    <message>
        <source>no</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Own Rule</source>
        <translation>Règle à vous</translation>
    </message>
    <message>
        <source>Persistent Absence (10 % or more missed)</source>
        <translation>Absentéisme persistant (10&#xa0;% ou plus manqués)</translation>
    </message>
    <message>
        <source>Severe Absence (half or more missed)</source>
        <translation>Absentéisme grave (la moitié ou plus manquée)</translation>
    </message>
    <message numerus="yes">
        <source>%n marked session(s)</source>
        <translation>
            <numerusform>%n demi-journée relevée</numerusform>
            <numerusform>%n demi-journées relevées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The disk holding %1 is full, so the copy could not be written.</source>
        <translation>Le disque qui contient %1 est plein&#xa0;; la copie n&apos;a donc pas pu être écrite.</translation>
    </message>
    <message>
        <source>The copy %1 could not be written: its folder is read-only or not there.</source>
        <translation>La copie %1 n&apos;a pas pu être écrite&#xa0;: son dossier est en lecture seule ou n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The register stayed in use by another user for too long, so no copy was made. Please try again in a moment.</source>
        <translation>Le registre est resté trop longtemps utilisé par un autre utilisateur&#xa0;; aucune copie n&apos;a donc été faite. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The register&apos;s file is damaged, so no copy was made (%1). Use Check Register to find out more.</source>
        <translation>Le fichier du registre est endommagé&#xa0;; aucune copie n&apos;a donc été faite (%1). Utilisez «&#xa0;Vérifier le registre&#xa0;» pour en savoir plus.</translation>
    </message>
    <message>
        <source>The copy %1 could not be written: %2</source>
        <translation>La copie %1 n&apos;a pas pu être écrite&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk: %2</source>
        <translation>%1 n&apos;a pas pu être écrit sur le disque&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is.</source>
        <translation>%1 existe déjà&#xa0;; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The copy was stopped; nothing was kept of it.</source>
        <translation>La copie a été arrêtée&#xa0;; rien n&apos;en a été conservé.</translation>
    </message>
    <message>
        <source>The check was stopped before it finished.</source>
        <translation>La vérification a été arrêtée avant la fin.</translation>
    </message>
    <message>
        <source>The register %1 was not found, so it was not replaced.</source>
        <translation>Le registre %1 est introuvable&#xa0;; il n&apos;a donc pas été remplacé.</translation>
    </message>
    <message>
        <source>The backup %1 could not be read: %2</source>
        <translation>La sauvegarde %1 n&apos;a pas pu être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>The register&apos;s folder cannot be written, so the register was not replaced: %1</source>
        <translation>Le dossier du registre n&apos;est pas accessible en écriture&#xa0;; le registre n&apos;a donc pas été remplacé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The register&apos;s copy could not be written, so the register was not replaced: %1</source>
        <translation>La copie du registre n&apos;a pas pu être écrite&#xa0;; le registre n&apos;a donc pas été remplacé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The restore was stopped; the register was left as it is.</source>
        <translation>La restauration a été arrêtée&#xa0;; le registre a été laissé tel quel.</translation>
    </message>
    <message>
        <source>Another user is saving to the register just now, so it was not replaced. Please try again in a moment.</source>
        <translation>Un autre utilisateur est en train d&apos;enregistrer dans le registre&#xa0;; celui-ci n&apos;a donc pas été remplacé. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The register could not be replaced: %1</source>
        <translation>Le registre n&apos;a pas pu être remplacé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The export does not match the register; no file was written.</source>
        <translation>L&apos;export ne correspond pas au registre&#xa0;; aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The export could not be saved as %1: %2</source>
        <translation>L&apos;export n&apos;a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The export was stopped; no file was written.</source>
        <translation>L&apos;export a été arrêté&#xa0;; aucun fichier n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>The backups cannot be written: %1 is a file, not a folder.</source>
        <translation>Les sauvegardes ne peuvent pas être écrites&#xa0;: %1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 for the backups could not be created.</source>
        <translation>Le dossier des sauvegardes %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The backup could not be given its name %1: %2</source>
        <translation>La sauvegarde n&apos;a pas pu recevoir son nom %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>quotidienne</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>mensuelle</translation>
    </message>
    <message>
        <source>taken by hand</source>
        <translation>faite à la main</translation>
    </message>
    <message>
        <source>before a restore</source>
        <translation>avant une restauration</translation>
    </message>
    <message>
        <source>before a change to many rows</source>
        <translation>avant une modification de nombreuses lignes</translation>
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
        <translation>L’événement « %1 » n’a pas de jour de début et a été laissé de côté.</translation>
    </message>
    <message numerus="yes">
        <source>“%1” names a term but holds only %n day(s); it was left out.</source>
        <translation>
            <numerusform>« %1 » désigne un trimestre mais ne couvre que %n jour ; laissé de côté.</numerusform>
            <numerusform>« %1 » désigne un trimestre mais ne couvre que %n jours ; laissé de côté.</numerusform>
        </translation>
    </message>
    <message>
        <source>The repeat rule of “%1” could not be read; only its first day was taken.</source>
        <translation>La règle de répétition de « %1 » n’a pas pu être lue ; seul son premier jour a été pris.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file that can be read.</source>
        <translation>Le fichier n’est pas un fichier iCalendar lisible.</translation>
    </message>
    <message>
        <source>The file holds no events.</source>
        <translation>Le fichier ne contient aucun événement.</translation>
    </message>
    <message>
        <source>Line %1 could not be read: %2.</source>
        <translation>La ligne %1 n’a pas pu être lue : %2.</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a date.</source>
        <translation>Ligne %1 : « %2 » n’est pas une date.</translation>
    </message>
    <message>
        <source>Line %1: the range ends before it begins.</source>
        <translation>Ligne %1 : la période se termine avant de commencer.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: “%2” names a term but holds only %n day(s); it was left out.</source>
        <translation>
            <numerusform>Ligne %1 : « %2 » désigne un trimestre mais ne couvre que %n jour ; laissé de côté.</numerusform>
            <numerusform>Ligne %1 : « %2 » désigne un trimestre mais ne couvre que %n jours ; laissé de côté.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds no dates.</source>
        <translation>Le fichier ne contient aucune date.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n’a pas pu être lu : %2</translation>
    </message>
</context>
<context>
    <name>CardArea</name>
    <message>
        <source>The scroll bar of the card area was not created.</source>
        <translation>La barre de défilement de la zone des fiches n&apos;a pas été créée.</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>Present</source>
        <translation>Présent</translation>
    </message>
    <message>
        <source>Late (counts as present)</source>
        <translation>En retard (compte comme présent)</translation>
    </message>
    <message>
        <source>Approved educational activity</source>
        <translation>Activité éducative approuvée</translation>
    </message>
    <message>
        <source>Authorised absence</source>
        <translation>Absence autorisée</translation>
    </message>
    <message>
        <source>Unauthorised absence</source>
        <translation>Absence non autorisée</translation>
    </message>
    <message>
        <source>Not counted (no possible session)</source>
        <translation>Non compté (aucune demi-journée possible)</translation>
    </message>
    <message>
        <source>Not given (counted as Other)</source>
        <translation>Non donnée (comptée comme Autre)</translation>
    </message>
</context>
<context>
    <name>CopyRegister</name>
    <message>
        <source>The rows of %1 could not be written to the copy: %2</source>
        <translation>Les lignes de %1 n&apos;ont pas pu être écrites dans la copie&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used as the register: %2</source>
        <translation>%1 ne peut pas servir de registre&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 already holds a register (%2 rows in %3); the copy goes only into an empty one, so nothing was copied.</source>
        <translation>%1 contient déjà un registre (%2 lignes dans %3)&#xa0;; la copie ne se fait que dans un registre vide, donc rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>The copy was stopped before the end; nothing was copied.</source>
        <translation>La copie a été arrêtée avant la fin&#xa0;; rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>%1 already exists; the copy goes only into a new file, so nothing was copied.</source>
        <translation>%1 existe déjà&#xa0;; la copie ne se fait que dans un nouveau fichier, donc rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>%1 holds a register of schema %2, not of this version&apos;s %3; nothing was copied.</source>
        <translation>%1 contient un registre du schéma %2, et non du schéma %3 de cette version&#xa0;; rien n&apos;a été copié.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Le fichier n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>A quoted field that begins on line %1 is never closed.</source>
        <translation>Un champ entre guillemets qui commence à la ligne %1 n&apos;est jamais refermé.</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>un guillemet ouvert ici n&apos;est jamais refermé</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The register could not be brought up to this version of Rollvane when it was opened, so nothing can be written to it. Nothing was changed. (%1)</source>
        <translation>Le registre n&apos;a pas pu être mis à niveau pour cette version de Rollvane à son ouverture&#xa0;; rien ne peut donc y être écrit. Rien n&apos;a été modifié. (%1)</translation>
    </message>
    <message>
        <source>The register is open for reading only. Nothing was changed.</source>
        <translation>Le registre est ouvert en lecture seule. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The register is not open, so nothing can be read or written.</source>
        <translation>Le registre n&apos;est pas ouvert&#xa0;; rien ne peut être lu ni écrit.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <source>A template cannot be written while a register is open.</source>
        <translation>Un modèle ne peut pas être écrit tant qu&apos;un registre est ouvert.</translation>
    </message>
    <message>
        <source>You cannot use the register because your account is not in the group &quot;%1&quot;. Ask the administrator to run: adduser %2 %1</source>
        <translation>Vous ne pouvez pas utiliser le registre, car votre compte ne fait pas partie du groupe «&#xa0;%1&#xa0;». Demandez à l&apos;administrateur d&apos;exécuter&#xa0;: adduser %2 %1</translation>
    </message>
    <message>
        <source>The change takes effect at your next login.</source>
        <translation>La modification prend effet à votre prochaine connexion.</translation>
    </message>
    <message>
        <source>This register was made by a newer version of Rollvane (schema %1); this version knows schema %2. Install the newer version to use it.</source>
        <translation>Ce registre a été créé par une version plus récente de Rollvane (schéma %1)&#xa0;; cette version connaît le schéma %2. Installez la version plus récente pour l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The register %1 could not be opened: %2</source>
        <translation>Le registre %1 n&apos;a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>The register is in use by another user of this computer. Nothing was changed; please try again in a moment.</source>
        <translation>Le registre est utilisé par un autre utilisateur de cet ordinateur. Rien n&apos;a été modifié&#xa0;; veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The register cannot be changed: its file or folder is read-only for you. Nothing was changed; ask the administrator to make it writable.</source>
        <translation>Le registre ne peut pas être modifié&#xa0;: son fichier ou son dossier est en lecture seule pour vous. Rien n&apos;a été modifié&#xa0;; demandez à l&apos;administrateur de le rendre accessible en écriture.</translation>
    </message>
    <message>
        <source>The disk holding the register is full. Nothing was changed; free some space and try again.</source>
        <translation>Le disque qui contient le registre est plein. Rien n&apos;a été modifié&#xa0;; libérez de la place et réessayez.</translation>
    </message>
    <message>
        <source>The register&apos;s file could not be written or read. Nothing was changed.</source>
        <translation>Le fichier du registre n&apos;a pas pu être écrit ni lu. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The register&apos;s file %1 is damaged. It has been left as it is.</source>
        <translation>Le fichier du registre %1 est endommagé. Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The database reported an error.</source>
        <translation>La base de données a signalé une erreur.</translation>
    </message>
    <message>
        <source>The register %1 was not found.</source>
        <translation>Le registre %1 est introuvable.</translation>
    </message>
    <message>
        <source>The register %1 is a folder, not a file.</source>
        <translation>Le registre %1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The register %1 cannot be read: %2</source>
        <translation>Le registre %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a Rollvane register (it is not a database file). It has been left as it is.</source>
        <translation>Le fichier %1 n&apos;est pas un registre Rollvane (ce n&apos;est pas un fichier de base de données). Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The register %1 is not a regular file (it is a pipe, a socket or a device), so it cannot be a register. It has been left as it is.</source>
        <translation>Le registre %1 n&apos;est pas un fichier ordinaire (c&apos;est un tube, un socket ou un périphérique)&#xa0;; ce ne peut donc pas être un registre. Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The register cannot be opened while another one is being copied.</source>
        <translation>Le registre ne peut pas être ouvert pendant la copie d&apos;un autre registre.</translation>
    </message>
    <message>
        <source>%1 cannot be used as the register: %2</source>
        <translation>%1 ne peut pas servir de registre&#xa0;: %2</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>cet ordinateur</translation>
    </message>
    <message>
        <source>database %1 on the server %2</source>
        <translation>base de données %1 sur le serveur %2</translation>
    </message>
    <message>
        <source>The database %1 on the server %2</source>
        <translation>La base de données %1 sur le serveur %2</translation>
    </message>
    <message>
        <source>The server settings cannot hold the character &apos;;&apos; (in &quot;%1&quot;).</source>
        <translation>Les réglages du serveur ne peuvent pas contenir le caractère «&#xa0;;&#xa0;» (dans «&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>The register is in use by another computer. Nothing was changed; please try again in a moment.</source>
        <translation>Le registre est utilisé par un autre ordinateur. Rien n&apos;a été modifié&#xa0;; veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>Your account on the register&apos;s server may not do this. Nothing was changed; ask the administrator for the rights Rollvane needs.</source>
        <translation>Votre compte sur le serveur du registre n&apos;a pas le droit de faire cela. Rien n&apos;a été modifié&#xa0;; demandez à l&apos;administrateur les droits dont Rollvane a besoin.</translation>
    </message>
    <message>
        <source>The register on the server is open for reading only. Nothing was changed.</source>
        <translation>Le registre sur le serveur est ouvert en lecture seule. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The disk of the register&apos;s server is full. Nothing was changed; ask the administrator to free some space, then try again.</source>
        <translation>Le disque du serveur du registre est plein. Rien n&apos;a été modifié&#xa0;; demandez à l&apos;administrateur de libérer de la place, puis réessayez.</translation>
    </message>
    <message>
        <source>The register&apos;s server is short of resources. Nothing was changed; try again in a moment.</source>
        <translation>Le serveur du registre manque de ressources. Rien n&apos;a été modifié&#xa0;; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The register already holds that row (two marks for one student and day, or a repeated id). Nothing was changed.</source>
        <translation>Le registre contient déjà cette ligne (deux marques pour un même élève et un même jour, ou un identifiant en double). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 stores text as %2, so names and notes could be damaged. Create the database with ENCODING &apos;UTF8&apos;.</source>
        <translation>%1 enregistre le texte en %2&#xa0;; les noms et les remarques pourraient donc être endommagés. Créez la base de données avec ENCODING &apos;UTF8&apos;.</translation>
    </message>
    <message>
        <source>%1 holds no register yet.</source>
        <translation>%1 ne contient encore aucun registre.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 could not be reached. Try again in a moment; Rollvane connects again by itself.</source>
        <translation>Le serveur du registre %1 n&apos;a pas pu être joint. Réessayez dans un instant&#xa0;; Rollvane se reconnecte de lui-même.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 refused the connection: %2. Check the [register] settings in the settings file and the server&apos;s user and password file.</source>
        <translation>Le serveur du registre %1 a refusé la connexion&#xa0;: %2. Vérifiez les réglages [register] du fichier de réglages, ainsi que l&apos;utilisateur du serveur et le fichier de mots de passe.</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>Le fichier %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The template register %1 was not found.</source>
        <translation>Le registre modèle %1 est introuvable.</translation>
    </message>
    <message>
        <source>The template register could not be copied to %1: %2</source>
        <translation>Le registre modèle n&apos;a pas pu être copié vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 asks for a password for the account %2, and none was found: the administrator puts it in the password file the settings name (passfile=%3), or in ~/.pgpass for each user.</source>
        <translation>Le serveur %1 du registre demande un mot de passe pour le compte %2, et aucun n’a été trouvé : l’administrateur le place dans le fichier de mots de passe que nomment les réglages (passfile=%3), ou dans ~/.pgpass de chaque utilisateur.</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>non défini</translation>
    </message>
    <message>
        <source>The settings ask Rollvane to check the certificate of the register&apos;s server %1 (sslmode=%2), but the certificate of the authority that signed it was not found: the administrator names it with sslrootcert= in the [register] section of the settings file.</source>
        <translation>Les réglages demandent à Rollvane de vérifier le certificat du serveur %1 du registre (sslmode=%2), mais le certificat de l’autorité qui l’a signé est introuvable : l’administrateur l’indique avec sslrootcert= dans la section [register] du fichier de réglages.</translation>
    </message>
    <message>
        <source>The register&apos;s server %1 offers no encrypted connection, which the settings require (sslmode=%2): the administrator turns on SSL on the server, or changes sslmode in the settings file.</source>
        <translation>Le serveur %1 du registre n’offre pas de connexion chiffrée, que les réglages exigent (sslmode=%2) : l’administrateur active SSL sur le serveur, ou change sslmode dans le fichier de réglages.</translation>
    </message>
    <message>
        <source>The certificate of the register&apos;s server %1 could not be trusted (%2): the administrator checks host= and sslrootcert= in the settings file against the server&apos;s certificate.</source>
        <translation>Le certificat du serveur %1 du registre n’a pas pu être validé (%2) : l’administrateur vérifie host= et sslrootcert= dans le fichier de réglages par rapport au certificat du serveur.</translation>
    </message>
    <message>
        <source>The register has columns that Rollvane does not know and that every new row must fill (%1), so Rollvane cannot save to it. It was opened for reading only and left as it is; ask the administrator about the program that added them.</source>
        <translation>Le registre a des colonnes que Rollvane ne connaît pas et que chaque nouvelle ligne doit remplir (%1) ; Rollvane ne peut donc pas y enregistrer. Il a été ouvert en lecture seule et laissé tel quel ; demandez à l’administrateur quel programme les a ajoutées.</translation>
    </message>
    <message>
        <source>it is a database, but not a Rollvane register (it lacks the register&apos;s tables)</source>
        <translation>c’est une base de données, mais pas un registre Rollvane (les tables du registre y manquent)</translation>
    </message>
    <message>
        <source>The file %1 is empty, not a Rollvane register. It has been left as it is.</source>
        <translation>Le fichier %1 est vide ; ce n’est pas un registre Rollvane. Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The register must be opened by this version of Rollvane before its photos are converted. Nothing was changed.</source>
        <translation>Le registre doit être ouvert par cette version de Rollvane avant que ses photos soient converties. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>This register keeps no enrolments; it was opened for reading only.</source>
        <translation>Ce registre ne tient pas d’inscriptions ; il a été ouvert en lecture seule.</translation>
    </message>
    <message>
        <source>There is no student with the number %1.</source>
        <translation>Il n’y a pas d’élève portant le numéro %1.</translation>
    </message>
    <message>
        <source>There is no class with the number %1.</source>
        <translation>Il n’y a pas de classe portant le numéro %1.</translation>
    </message>
    <message>
        <source>This register keeps no attendance codes. Nothing was changed.</source>
        <translation>Ce registre ne tient pas de codes de présence. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The first day of a planned absence must be on or before its last day.</source>
        <translation>Le premier jour d’une absence prévue doit précéder son dernier jour ou lui être égal.</translation>
    </message>
    <message>
        <source>This register keeps no planned absences. Nothing was changed.</source>
        <translation>Ce registre ne tient pas d’absences prévues. Rien n’a été modifié.</translation>
    </message>
    <message numerus="yes">
        <source>The register of %1 is closed: registers close %n school day(s) after their day. Nothing was saved.</source>
        <translation>
            <numerusform>L&apos;appel du %1 est clos&#xa0;: les appels se closent %n jour de classe après leur jour. Rien n&apos;a été enregistré.</numerusform>
            <numerusform>L&apos;appel du %1 est clos&#xa0;: les appels se closent %n jours de classe après leur jour. Rien n&apos;a été enregistré.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The register of %1 is closed: registers close %n school day(s) after their day, and only %2 can change them then. Nothing was saved.</source>
        <translation>
            <numerusform>L&apos;appel du %1 est clos&#xa0;: les appels se closent %n jour de classe après leur jour, et seul %2 peut ensuite les modifier. Rien n&apos;a été enregistré.</numerusform>
            <numerusform>L&apos;appel du %1 est clos&#xa0;: les appels se closent %n jours de classe après leur jour, et seul %2 peut ensuite les modifier. Rien n&apos;a été enregistré.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>à la ligne </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message par e-mail à </translation>
    </message>
    <message>
        <source>the school&apos;s administrator (no support address has been set on this computer)</source>
        <translation>l&apos;administrateur de votre école (aucune adresse d&apos;assistance n&apos;a été définie sur cet ordinateur)</translation>
    </message>
    <message>
        <source>Questions? Please contact your school&apos;s support at %1</source>
        <translation>Des questions&#xa0;? Contactez l&apos;assistance de votre école&#xa0;: %1</translation>
    </message>
    <message>
        <source>Questions? Please ask your school&apos;s administrator; no support address has been set on this computer.</source>
        <translation>Des questions&#xa0;? Adressez-vous à l&apos;administrateur de votre école&#xa0;; aucune adresse d&apos;assistance n&apos;a été définie sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Rollvane Help</source>
        <translation>Aide de Rollvane</translation>
    </message>
    <message>
        <source>This computer&apos;s register is %1 (%2). Every user of the computer, and every computer set up for the same server, shares it.</source>
        <translation>Le registre de cet ordinateur est %1 (%2). Tous les utilisateurs de l&apos;ordinateur, et tous les ordinateurs réglés sur le même serveur, le partagent.</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>Le registre n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Taking a register</source>
        <translation>Faire l&apos;appel</translation>
    </message>
    <message>
        <source>Pick the class and the day. Each card is a student: a click moves the mark from Present to Late to Absent. The card&apos;s menu (right button) sets any mark and a remark for the day. Write the day&apos;s notes under the cards, then Save. A day without saved marks says &quot;Not taken yet&quot;.</source>
        <translation>Choisissez la classe et le jour. Chaque carte est un élève&#xa0;: un clic fait passer la marque de Présent à Retard puis à Absent. Le menu de la carte (bouton droit) donne toute marque et une remarque pour le jour. Écrivez les notes du jour sous les cartes, puis Enregistrer. Un jour sans marques enregistrées indique «&#xa0;Pas encore fait&#xa0;».</translation>
    </message>
    <message>
        <source>By keyboard</source>
        <translation>Au clavier</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Reports → Attendance Report shows a class or the whole school over a period: the summary, the register sheet, the registers not taken, the alerts (persistent absence is missing 10 % of the days or more), a chart and the history of every change. Print, PDF and CSV take what is shown.</source>
        <translation>Rapports → Rapport de présence montre une classe ou toute l&apos;école sur une période&#xa0;: le résumé, la feuille d&apos;appel, les appels non faits, les alertes (l&apos;absentéisme persistant, c&apos;est manquer 10 % des jours ou plus), un graphique et l&apos;historique de chaque changement. Impression, PDF et CSV reprennent ce qui est affiché.</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Setup → Students and Classes adds classes and students, moves a student to another class from a day and marks a leaver; Import Students reads a spreadsheet. School Calendar holds the terms and holidays, which the register and the reports follow. New School Year moves every class up a year.</source>
        <translation>Configuration → Élèves et classes ajoute classes et élèves, fait passer un élève dans une autre classe à partir d&apos;un jour et note un départ&#xa0;; Importer des élèves lit un tableur. Le calendrier scolaire contient les trimestres et les vacances, que le registre et les rapports suivent. Nouvelle année scolaire fait monter chaque classe d&apos;une année.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>A copy of the register is kept after the first save of each day. Setup → Backups lists the copies, makes one now, restores one and checks the register.</source>
        <translation>Une copie du registre est gardée après le premier enregistrement de chaque jour. Configuration → Sauvegardes liste les copies, en fait une tout de suite, en restaure une et vérifie le registre.</translation>
    </message>
    <message>
        <source>Where the register lives</source>
        <translation>Où se trouve le registre</translation>
    </message>
    <message>
        <source>Help from your school</source>
        <translation>L&apos;aide de votre école</translation>
    </message>
    <message>
        <source>Tab reaches the cards; the arrow keys move between them, Home and End go to the first and the last. Space or Enter moves the mark on; P, L, A and E set Present, Late, Absent and Excused. Ctrl+S saves, Alt+Left and Alt+Right go to the previous and next school day, Alt+Home to today, F5 reads the register again, Ctrl+R opens the reports, F1 this help and Ctrl+Q quits.</source>
        <translation>Tab atteint les cartes&#xa0;; les flèches passent de l&apos;une à l&apos;autre, Début et Fin vont à la première et à la dernière. Espace ou Entrée fait avancer la marque&#xa0;; P, L, A et E donnent Présent, Retard, Absent et Excusé. Ctrl+S enregistre, Alt+Gauche et Alt+Droite vont au jour d&apos;école précédent et suivant, Alt+Début à aujourd&apos;hui, F5 relit le registre, Ctrl+R ouvre les rapports, F1 cette aide et Ctrl+Q quitte.</translation>
    </message>
    <message>
        <source>What a mark means</source>
        <translation>Ce que signifie une marque</translation>
    </message>
    <message>
        <source>Each mark counts as present, late, an approved activity, an authorised or unauthorised absence, or not at all; Setup → Attendance Codes gives every word its meaning and can add England&apos;s codes. Changing a saved mark of an earlier day asks why, and the history keeps the reason. Register → Planned Absence puts a known absence on every school day it covers. The card&apos;s menu also takes the minutes a late student came late.</source>
        <translation>Chaque marque compte comme présence, retard, activité approuvée, absence autorisée ou non autorisée, ou pas du tout&#xa0;; Configuration → Codes de présence donne son sens à chaque mot et peut ajouter les codes d’Angleterre. Modifier une marque enregistrée d’un jour passé demande pourquoi, et l’historique garde la raison. Appel → Absence prévue place une absence connue sur chaque jour d’école qu’elle couvre. Le menu de la carte prend aussi les minutes de retard d’un élève.</translation>
    </message>
    <message>
        <source>A school that takes a register each morning and afternoon says so in Setup → Register Rules; Morning or Afternoon then stands beside the date.</source>
        <translation>Une école qui fait l&apos;appel chaque matin et chaque après-midi l&apos;indique dans Configuration → Règles de l&apos;appel&#xa0;; Matin ou Après-midi figure alors à côté de la date.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The import was cancelled; nothing was written.</source>
        <translation>L&apos;importation a été annulée&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Line %1: %2 Nothing was imported.</source>
        <translation>Ligne %1&#xa0;: %2 Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Rien n&apos;a été importé.</translation>
    </message>
</context>
<context>
    <name>ImportPhotosDialog</name>
    <message>
        <source>Import Photos for %1</source>
        <translation>Importer des photos pour %1</translation>
    </message>
    <message>
        <source>Import Photos</source>
        <translation>Importer des photos</translation>
    </message>
    <message>
        <source>Pictures in %1 for %2. Nothing has been written yet.
Students who get a photo: %3. Students without a picture: %4. Pictures that match no student: %5. Pictures that cannot be used: %6.</source>
        <translation>Images de %1 pour %2. Rien n&apos;a encore été écrit.
Élèves qui recevront une photo&#xa0;: %3. Élèves sans image&#xa0;: %4. Images qui ne correspondent à aucun élève&#xa0;: %5. Images inutilisables&#xa0;: %6.</translation>
    </message>
    <message>
        <source>Student or picture</source>
        <translation>Élève ou image</translation>
    </message>
    <message>
        <source>Picture or reason</source>
        <translation>Image ou motif</translation>
    </message>
    <message>
        <source> (replaces the photo)</source>
        <translation> (remplace la photo)</translation>
    </message>
    <message>
        <source>Students who get a photo (%1)</source>
        <translation>Élèves qui recevront une photo (%1)</translation>
    </message>
    <message>
        <source>Students without a picture (%1)</source>
        <translation>Élèves sans image (%1)</translation>
    </message>
    <message>
        <source>Pictures that match no student (%1)</source>
        <translation>Images qui ne correspondent à aucun élève (%1)</translation>
    </message>
    <message>
        <source>Pictures that cannot be used (%1)</source>
        <translation>Images inutilisables (%1)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Storing photos…</source>
        <translation>Enregistrement des photos…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The photos could not be stored: %1</source>
        <translation>Les photos n&apos;ont pas pu être enregistrées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Photos stored: %1.</source>
        <translation>Photos enregistrées&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>ImportStudentsDialog</name>
    <message>
        <source>tab-separated</source>
        <translation>séparé par des tabulations</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>séparé par des points-virgules</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>séparé par des virgules</translation>
    </message>
    <message>
        <source>Import Students</source>
        <translation>Importer des élèves</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|All Files (*)|*|</source>
        <translation>Fichiers de tableur (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|Tous les fichiers (*)|*|</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 (%2, %3). Nothing has been written yet.
Classes to create: %4. Students to add: %5. Rows skipped as already present: %6. Rows with errors: %7.</source>
        <translation>%1 (%2, %3). Rien n&apos;a encore été écrit.
Classes à créer&#xa0;: %4. Élèves à ajouter&#xa0;: %5. Lignes ignorées (élèves déjà inscrits)&#xa0;: %6. Lignes comportant des erreurs&#xa0;: %7.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Photo or reason</source>
        <translation>Photo ou motif</translation>
    </message>
    <message>
        <source>Classes to create (%1)</source>
        <translation>Classes à créer (%1)</translation>
    </message>
    <message>
        <source>Students to add (%1)</source>
        <translation>Élèves à ajouter (%1)</translation>
    </message>
    <message>
        <source>Skipped, already present (%1)</source>
        <translation>Ignorés, déjà inscrits (%1)</translation>
    </message>
    <message>
        <source>Rows with errors, not imported (%1)</source>
        <translation>Lignes avec erreurs, non importées (%1)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Importing students…</source>
        <translation>Importation des élèves…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The students could not be imported: %1</source>
        <translation>Les élèves n&apos;ont pas pu être importés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Students added: %1. Classes created: %2.</source>
        <translation>Élèves ajoutés&#xa0;: %1. Classes créées&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Students already in their class by then, left alone: %1.</source>
        <translation>Élèves inscrits entre-temps dans leur classe, laissés tels quels&#xa0;: %1.</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Encodage :</translation>
    </message>
</context>
<context>
    <name>LookAndFeel</name>
    <message>
        <source>The pointer file %1 is not a cursor picture.</source>
        <translation>Le fichier de pointeur %1 n&apos;est pas une image de curseur.</translation>
    </message>
</context>
<context>
    <name>MachineSettings</name>
    <message>
        <source>The settings file %1, line %2: %3</source>
        <translation>Fichier de réglages %1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>a section name must end with &quot;]&quot;.</source>
        <translation>un nom de section doit se terminer par «&#xa0;]&#xa0;».</translation>
    </message>
    <message>
        <source>there is no section &quot;%1&quot;; the sections are [register] and [support].</source>
        <translation>il n&apos;existe pas de section «&#xa0;%1&#xa0;»&#xa0;; les sections sont [register] et [support].</translation>
    </message>
    <message>
        <source>expected a line of the form key=value.</source>
        <translation>une ligne de la forme clé=valeur (key=value) était attendue.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands before any section.</source>
        <translation>«&#xa0;%1&#xa0;» se trouve avant toute section.</translation>
    </message>
    <message>
        <source>passwords are never read from this file; put the password in the PostgreSQL password file (passfile, PGPASSFILE or ~/.pgpass).</source>
        <translation>les mots de passe ne sont jamais lus dans ce fichier&#xa0;; mettez le mot de passe dans le fichier de mots de passe de PostgreSQL (passfile, PGPASSFILE ou ~/.pgpass).</translation>
    </message>
    <message>
        <source>there is no setting &quot;%1&quot; in [%2].</source>
        <translation>il n&apos;existe pas de réglage «&#xa0;%1&#xa0;» dans [%2].</translation>
    </message>
    <message>
        <source>the engine &quot;%1&quot; is not known; use engine=sqlite or engine=postgresql.</source>
        <translation>le moteur «&#xa0;%1&#xa0;» est inconnu&#xa0;; utilisez engine=sqlite ou engine=postgresql.</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a port number.</source>
        <translation>le port «&#xa0;%1&#xa0;» n&apos;est pas un numéro de port.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>Le fichier de réglages %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read as settings.</source>
        <translation>Le fichier de réglages %1 ne peut pas être lu comme un fichier de réglages.</translation>
    </message>
    <message>
        <source>the sslmode &quot;%1&quot; is not known; use one of %2.</source>
        <translation>le sslmode «&#xa0;%1&#xa0;» est inconnu&#xa0;; utilisez l&apos;une des valeurs suivantes&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 that ROLLVANE_CONF names does not exist.</source>
        <translation>Le fichier de réglages %1 que nomme ROLLVANE_CONF n’existe pas.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Register</source>
        <translation>&amp;Appel</translation>
    </message>
    <message>
        <source>Re&amp;ports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Mark &amp;All Present</source>
        <translation>Marquer &amp;tous présents</translation>
    </message>
    <message>
        <source>&amp;Copy Marks From Previous Day</source>
        <translation>&amp;Copier les marques du jour précédent</translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation>Jour &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>Jour &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Students and Classes…</source>
        <translation>Élèves et &amp;classes…</translation>
    </message>
    <message>
        <source>&amp;Import Students…</source>
        <translation>&amp;Importer des élèves…</translation>
    </message>
    <message>
        <source>&amp;Backups…</source>
        <translation>&amp;Sauvegardes…</translation>
    </message>
    <message>
        <source>&amp;Attendance Report…</source>
        <translation>&amp;Rapport de présence…</translation>
    </message>
    <message>
        <source>&amp;About Rollvane</source>
        <translation>À &amp;propos de Rollvane</translation>
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
        <translation>Le registre d&apos;appel quotidien d&apos;une école.</translation>
    </message>
    <message>
        <source>Register: %1</source>
        <translation>Registre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Engine: %1</source>
        <translation>Moteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Taille&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>Le registre n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Rollvane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Rollvane est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU telle que publiée par la Free Software Foundation, soit la version 3 de la Licence, soit (à votre choix) toute version ultérieure.</translation>
    </message>
    <message>
        <source>About Rollvane</source>
        <translation>À propos de Rollvane</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>School &amp;Calendar…</source>
        <translation>&amp;Calendrier scolaire…</translation>
    </message>
    <message>
        <source>&amp;New School Year…</source>
        <translation>&amp;Nouvelle année scolaire…</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Au&amp;jourd&apos;hui</translation>
    </message>
    <message>
        <source>Planned A&amp;bsence…</source>
        <translation>A&amp;bsence prévue…</translation>
    </message>
    <message>
        <source>&amp;Attendance Codes…</source>
        <translation>Codes de &amp;présence…</translation>
    </message>
    <message>
        <source>Copy Marks From This &amp;Morning</source>
        <translation>Copier les marques de ce &amp;matin</translation>
    </message>
    <message>
        <source>&amp;Register Rules…</source>
        <translation>&amp;Règles de l&apos;appel…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>This class could not be listed, so none of its marks are shown and nothing can be saved for it. Pick the class again to try once more.</source>
        <translation>Cette classe n&apos;a pas pu être affichée&#xa0;: aucune de ses marques n&apos;est montrée et rien ne peut être enregistré pour elle. Choisissez de nouveau la classe pour réessayer.</translation>
    </message>
    <message>
        <source>Additional Notes For This Day</source>
        <translation>Remarques supplémentaires pour ce jour</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Setup Students / Classes</source>
        <translation>Configurer élèves / classes</translation>
    </message>
    <message>
        <source>The attendance could not be saved.<byte value="xd"/>
Close without saving the changes?</source>
        <translation>Les présences n&apos;ont pas pu être enregistrées.<byte value="xd"/>
Fermer sans enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Your marks were not saved.<byte value="xd"/>
Close without saving them?</source>
        <translation>Vos marques n&apos;ont pas été enregistrées.<byte value="xd"/>
Fermer sans les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>The photo of %1 could not be shown; the card has no photo. %2</source>
        <translation>La photo de %1 n&apos;a pas pu être affichée&#xa0;; la fiche reste sans photo. %2</translation>
    </message>
    <message>
        <source>The photos of %1 and %2 other students could not be shown; their cards have no photo. %3</source>
        <translation>Les photos de %1 et de %2 autres élèves n&apos;ont pas pu être affichées&#xa0;; leurs fiches restent sans photo. %3</translation>
    </message>
    <message>
        <source>The register of %1 for %2 was changed by %3 on %4 at %5, after you opened it.</source>
        <translation>L&apos;appel de %1 du %2 a été modifié par %3 sur %4 à %5, après que vous l&apos;avez ouvert.</translation>
    </message>
    <message>
        <source>someone</source>
        <translation>quelqu&apos;un</translation>
    </message>
    <message>
        <source>another computer</source>
        <translation>un autre ordinateur</translation>
    </message>
    <message>
        <source>an unknown time</source>
        <translation>une heure inconnue</translation>
    </message>
    <message>
        <source>The register of %1 for %2 was changed by another program after you opened it.</source>
        <translation>L&apos;appel de %1 du %2 a été modifié par un autre programme après que vous l&apos;avez ouvert.</translation>
    </message>
    <message>
        <source>Overwrite it with the marks on your screen?</source>
        <translation>L&apos;écraser avec les marques affichées à votre écran&#xa0;?</translation>
    </message>
    <message>
        <source>Register Changed</source>
        <translation>Appel modifié</translation>
    </message>
    <message>
        <source>(not marked)</source>
        <translation>(non marqué)</translation>
    </message>
    <message>
        <source>%1: %2 (on your screen: %3)</source>
        <translation>%1&#xa0;: %2 (à votre écran&#xa0;: %3)</translation>
    </message>
    <message>
        <source>Your marks were not saved; they are still on your screen. The marks stored now are:</source>
        <translation>Vos marques n&apos;ont pas été enregistrées&#xa0;; elles sont toujours à votre écran. Les marques enregistrées sont maintenant&#xa0;:</translation>
    </message>
    <message>
        <source>Notes stored now: %1</source>
        <translation>Remarques enregistrées maintenant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Attendance has been changed.<byte value="xd"/>
Save Changes?</source>
        <translation>Les présences ont été modifiées.<byte value="xd"/>
Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Nothing was saved: this class could not be listed.</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: cette classe n&apos;a pas pu être affichée.</translation>
    </message>
    <message>
        <source>Done Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) in the register have a date that Rollvane cannot read, so they are not shown on any day. The register check (%1) lists them.</source>
        <translation>
            <numerusform>%n marque du registre a une date que Rollvane ne sait pas lire&#xa0;; elle n&apos;est donc affichée sur aucun jour. La vérification du registre (%1) la signale.</numerusform>
            <numerusform>%n marques du registre ont une date que Rollvane ne sait pas lire&#xa0;; elles ne sont donc affichées sur aucun jour. La vérification du registre (%1) les signale.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Present</source>
        <translation>&amp;Présent</translation>
    </message>
    <message>
        <source>&amp;Late</source>
        <translation>En &amp;retard</translation>
    </message>
    <message>
        <source>&amp;Absent</source>
        <translation>&amp;Absent</translation>
    </message>
    <message>
        <source>&amp;Excused</source>
        <translation>&amp;Excusé</translation>
    </message>
    <message>
        <source>&amp;Remark…</source>
        <translation>&amp;Commentaire…</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Historique…</translation>
    </message>
    <message>
        <source>A remark for %1 on %2, such as &quot;left at 11:00&quot; or &quot;doctor&apos;s note&quot;:</source>
        <translation>Commentaire pour %1 le %2, par exemple «&#xa0;parti à 11 h&#xa0;» ou «&#xa0;certificat médical&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>History of %1 on %2</source>
        <translation>Historique de %1 le %2</translation>
    </message>
    <message>
        <source>No change of this mark has been saved.</source>
        <translation>Aucune modification de cette marque n&apos;a été enregistrée.</translation>
    </message>
    <message>
        <source>%1, by %2 on %3</source>
        <translation>%1, par %2 sur %3</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>un ordinateur inconnu</translation>
    </message>
    <message>
        <source>Marked %1</source>
        <translation>Marqué&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Remark: %1 → %2</source>
        <translation>Commentaire&#xa0;: %1 → %2</translation>
    </message>
    <message>
        <source>Marks on screen that are not Present and would change: %1.</source>
        <translation>Marques à l&apos;écran, autres que Présent, qui seraient modifiées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Mark every student of %1 Present?</source>
        <translation>Marquer Présent tous les élèves de %1&#xa0;?</translation>
    </message>
    <message>
        <source>No day before %1 has saved marks for %2, so there are none to copy.</source>
        <translation>Aucun jour avant le %1 n&apos;a de marques enregistrées pour %2&#xa0;; il n&apos;y en a donc aucune à copier.</translation>
    </message>
    <message>
        <source>Copy the marks of %1 onto the cards of %2?</source>
        <translation>Copier les marques du %1 sur les fiches de %2&#xa0;?</translation>
    </message>
    <message>
        <source>1 student</source>
        <translation>1 élève</translation>
    </message>
    <message>
        <source>%1 students</source>
        <translation>%1 élèves</translation>
    </message>
    <message>
        <source>%1 present</source>
        <translation>présents&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 late</source>
        <translation>en retard&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 absent</source>
        <translation>absents&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 excused</source>
        <translation>excusés&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 other</source>
        <translation>autres&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Appel non enregistré</translation>
    </message>
    <message>
        <source>Your marks are saved, but today&apos;s backup of the register could not be written:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Rollvane tries again at the next save, without saying so again until it is started anew.</source>
        <translation>Vos marques sont enregistrées, mais la sauvegarde du registre de ce jour n&apos;a pas pu être écrite&#xa0;:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Rollvane réessaiera au prochain enregistrement, sans vous le signaler de nouveau avant son prochain démarrage.</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Nothing was saved: the register could not be opened when Rollvane started.<byte value="xd"/>
%1</source>
        <translation>Rien n’a été enregistré : le registre n’a pas pu être ouvert au démarrage de Rollvane.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The day&apos;s notes were changed too; Yes replaces them with yours.</source>
        <translation>Les notes du jour ont aussi été modifiées ; Oui les remplace par les vôtres.</translation>
    </message>
    <message>
        <source>Day&apos;s notes: %1 → %2</source>
        <translation>Notes du jour : %1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) have more than one mark stored for one day, and only one of them is shown. The register check (%1) keeps the most recently changed of each.</source>
        <translation>
            <numerusform>%n élève a plus d’une marque enregistrée pour un même jour, et une seule est affichée. La vérification du registre (%1) garde la plus récemment modifiée de chacune.</numerusform>
            <numerusform>%n élèves ont plus d’une marque enregistrée pour un même jour, et une seule est affichée. La vérification du registre (%1) garde la plus récemment modifiée de chacune.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not taken yet</source>
        <translation>Pas encore fait</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Effectuée le</translation>
    </message>
    <message>
        <source>Saved %1 by %2</source>
        <translation>Enregistré à %1 par %2</translation>
    </message>
    <message>
        <source>Saved %1 on %2</source>
        <translation>Enregistré à %1 sur %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Register taken on this day</source>
        <translation>Appel fait ce jour-là</translation>
    </message>
    <message>
        <source>register taken</source>
        <translation>appel fait</translation>
    </message>
    <message>
        <source>Marks of %1 copied, not saved yet</source>
        <translation>Marques du %1 copiées, pas encore enregistrées</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <translation>dddd d MMMM</translation>
    </message>
    <message numerus="yes">
        <source>You are changing %n saved marks of %1 (%2). Why? The reason is kept in the history beside the marks as they were.</source>
        <translation>
            <numerusform>Vous modifiez %n marque enregistrée du %1 (%2). Pourquoi&#xa0;? La raison est gardée dans l’historique à côté de la marque d’origine.</numerusform>
            <numerusform>Vous modifiez %n marques enregistrées du %1 (%2). Pourquoi&#xa0;? La raison est gardée dans l’historique à côté des marques d’origine.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reason for the Change</source>
        <translation>Raison de la modification</translation>
    </message>
    <message>
        <source>Nothing was saved: a change to an earlier day&apos;s saved marks needs a reason. The marks stay on your screen.</source>
        <translation>Rien n’a été enregistré&#xa0;: modifier les marques enregistrées d’un jour passé demande une raison. Les marques restent à l’écran.</translation>
    </message>
    <message>
        <source>&amp;Minutes Late…</source>
        <translation>&amp;Minutes de retard…</translation>
    </message>
    <message>
        <source>How many minutes late did %1 arrive? (0 for not known)</source>
        <translation>Combien de minutes de retard pour %1&#xa0;? (0 si inconnu)</translation>
    </message>
    <message>
        <source>Minutes Late</source>
        <translation>Minutes de retard</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 0 to 600. Nothing was changed.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre de minutes de 0 à 600. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 on an approved activity</source>
        <translation>%1 en activité approuvée</translation>
    </message>
    <message>
        <source>%1 not counted</source>
        <translation>%1 non comptés</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Matin</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Après-midi</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Demi-journée</translation>
    </message>
    <message>
        <source>This is the morning&apos;s register. Pick Afternoon beside the date to copy onto it.</source>
        <translation>Ceci est l&apos;appel du matin. Choisissez Après-midi à côté de la date pour y copier.</translation>
    </message>
    <message>
        <source>The morning&apos;s register of %1 on %2 has no saved marks, so there are none to copy.</source>
        <translation>L&apos;appel du matin de %1 le %2 n&apos;a aucune marque enregistrée&#xa0;; il n&apos;y a rien à copier.</translation>
    </message>
    <message>
        <source>Copy this morning&apos;s marks onto the afternoon&apos;s cards of %1?</source>
        <translation>Copier les marques de ce matin sur les cartes de l&apos;après-midi de %1&#xa0;?</translation>
    </message>
    <message>
        <source>%1, afternoon</source>
        <translation>%1, après-midi</translation>
    </message>
    <message>
        <source>%1, morning</source>
        <translation>%1, matin</translation>
    </message>
    <message>
        <source>This morning&apos;s marks copied, not saved yet</source>
        <translation>Marques de ce matin copiées, pas encore enregistrées</translation>
    </message>
    <message>
        <source>Closed · %1</source>
        <translation>Clos · %1</translation>
    </message>
    <message>
        <source>Register Closed</source>
        <translation>Appel clos</translation>
    </message>
</context>
<context>
    <name>ManageClassesWindow</name>
    <message>
        <source>Manage Classes</source>
        <translation>Gérer les classes</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Add New Class</source>
        <translation>Ajouter une classe</translation>
    </message>
    <message>
        <source>Delete Class</source>
        <translation>Supprimer la classe</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Ajouter un élève</translation>
    </message>
    <message>
        <source>Edit Student</source>
        <translation>Modifier l&apos;élève</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Supprimer l&apos;élève</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Nom de l&apos;élève</translation>
    </message>
    <message>
        <source>Enter New Class Name: </source>
        <translation>Nom de la nouvelle classe&#xa0;: </translation>
    </message>
    <message>
        <source>Class already exists.</source>
        <translation>Cette classe existe déjà.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Voulez-vous vraiment supprimer %1&#xa0;?</translation>
    </message>
    <message>
        <source>You must select first a class.</source>
        <translation>Choisissez d&apos;abord une classe.</translation>
    </message>
    <message>
        <source>Import Photos…</source>
        <translation>Importer des photos…</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) of this student stay in the register, but no report will show them again. For a student who leaves the school, use Leaves School… (right-click the name) instead.</source>
        <translation>
            <numerusform>%n marque de cet élève reste dans le registre, mais aucun rapport ne la montrera plus. Pour un élève qui quitte l’école, utilisez plutôt « Quitte l’école… » (clic droit sur le nom).</numerusform>
            <numerusform>%n marques de cet élève restent dans le registre, mais aucun rapport ne les montrera plus. Pour un élève qui quitte l’école, utilisez plutôt « Quitte l’école… » (clic droit sur le nom).</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Move to Class</source>
        <translation>&amp;Changer de classe</translation>
    </message>
    <message>
        <source>&amp;Leaves School…</source>
        <translation>&amp;Quitte l’école…</translation>
    </message>
    <message>
        <source>&amp;Delete Student (a mistake)…</source>
        <translation>&amp;Supprimer l’élève (erreur)…</translation>
    </message>
    <message>
        <source>“%1” is not a date. Write it as %2, or as YYYY-MM-DD.</source>
        <translation>« %1 » n’est pas une date. Écrivez-la sous la forme %2 ou AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>%1 moves to %2 from this day (the registers before it stay with the class they were taken in):</source>
        <translation>%1 passe en %2 à partir de ce jour (les appels antérieurs restent avec la classe où ils ont été faits) :</translation>
    </message>
    <message>
        <source>Move to Class</source>
        <translation>Changer de classe</translation>
    </message>
    <message>
        <source>%1 leaves the school on this day (the first day they are no longer here):</source>
        <translation>%1 quitte l’école ce jour-là (le premier jour où l’élève n’est plus là) :</translation>
    </message>
    <message>
        <source>Leaves School</source>
        <translation>Quitte l’école</translation>
    </message>
    <message>
        <source>%1 will not be on the cards from %2, and stays in every report of the days before. Go ahead?</source>
        <translation>%1 n’apparaîtra plus sur les cartes à partir du %2 et reste dans tous les rapports des jours précédents. Continuer ?</translation>
    </message>
    <message>
        <source>This name cannot be saved: %1.</source>
        <translation>Ce nom ne peut pas être enregistré : %1.</translation>
    </message>
    <message>
        <source>&amp;Rename Class…</source>
        <translation>&amp;Renommer la classe…</translation>
    </message>
    <message>
        <source>&amp;Delete Class…</source>
        <translation>&amp;Supprimer la classe…</translation>
    </message>
    <message>
        <source>The new name of %1:</source>
        <translation>Le nouveau nom de %1&#xa0;:</translation>
    </message>
    <message>
        <source>Rename Class</source>
        <translation>Renommer la classe</translation>
    </message>
    <message>
        <source>Remove the photo of %1?</source>
        <translation>Retirer la photo de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>Retirer la photo</translation>
    </message>
    <message numerus="yes">
        <source>Its %n student(s) go with it.</source>
        <translation>
            <numerusform>Son %n élève part avec elle.</numerusform>
            <numerusform>Ses %n élèves partent avec elle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Their %n mark(s) stay in the register, but no report will show them again.</source>
        <translation>
            <numerusform>Sa %n marque reste dans le registre, mais aucun rapport ne la montrera plus.</numerusform>
            <numerusform>Leurs %n marques restent dans le registre, mais aucun rapport ne les montrera plus.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove &amp;Photo…</source>
        <translation>Retirer la &amp;photo…</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>le nom dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the name holds a control character (code %1)</source>
        <translation>le nom contient un caractère de contrôle (code %1)</translation>
    </message>
    <message>
        <source>the name holds a character that reverses the direction of the text (U+%1)</source>
        <translation>le nom contient un caractère qui inverse le sens du texte (U+%1)</translation>
    </message>
</context>
<context>
    <name>NewSchoolYear</name>
    <message>
        <source>The first day of the new school year (YYYY-MM-DD). Every class goes up one year from that day, and the top year leaves:</source>
        <translation>Le premier jour de la nouvelle année scolaire (AAAA-MM-JJ). Chaque classe passe dans l’année supérieure à partir de ce jour, et la dernière année part :</translation>
    </message>
    <message>
        <source>New School Year</source>
        <translation>Nouvelle année scolaire</translation>
    </message>
    <message>
        <source>“%1” is not a date; write it as YYYY-MM-DD.</source>
        <translation>« %1 » n’est pas une date ; écrivez-la sous la forme AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>No class has students to move.</source>
        <translation>Aucune classe n’a d’élèves à faire passer.</translation>
    </message>
    <message>
        <source>%1 (%2): stays as it is, its name has no year.</source>
        <translation>%1 (%2) : reste telle quelle, son nom n’indique pas d’année.</translation>
    </message>
    <message>
        <source>%1 (%2): leave the school.</source>
        <translation>%1 (%2) : quittent l’école.</translation>
    </message>
    <message>
        <source>%1 (%2): go up to %3%4.</source>
        <translation>%1 (%2) : passent en %3%4.</translation>
    </message>
    <message>
        <source> (a new class)</source>
        <translation> (une nouvelle classe)</translation>
    </message>
    <message>
        <source>From %1:</source>
        <translation>À partir du %1 :</translation>
    </message>
    <message>
        <source>The registers before that day keep the classes they were taken in. Go ahead?</source>
        <translation>Les appels antérieurs à ce jour restent avec les classes où ils ont été faits. Continuer ?</translation>
    </message>
    <message>
        <source>%1 students went up a year and %2 left the school; %3 classes were added.</source>
        <translation>%1 élèves sont passés dans l’année supérieure et %2 ont quitté l’école ; %3 classes ont été ajoutées.</translation>
    </message>
</context>
<context>
    <name>Photo</name>
    <message>
        <source>The picture is too large (%1 by %2 pixels); pictures of up to %3 million pixels can be stored.</source>
        <translation>L&apos;image est trop grande (%1 × %2 pixels)&#xa0;; les images de %3 millions de pixels au plus peuvent être enregistrées.</translation>
    </message>
    <message>
        <source>There is no picture to store.</source>
        <translation>Il n&apos;y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>The picture could not be stored: %1</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>A stored photo could not be read: %1</source>
        <translation>Une photo enregistrée n&apos;a pas pu être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>The picture %1 was not found.</source>
        <translation>L&apos;image %1 est introuvable.</translation>
    </message>
    <message>
        <source>The picture %1 is too large (%2 MB); pictures of up to %3 MB can be stored.</source>
        <translation>L&apos;image %1 est trop volumineuse (%2 Mo)&#xa0;; les images de %3 Mo au plus peuvent être enregistrées.</translation>
    </message>
    <message>
        <source>The picture %1 could not be read: %2</source>
        <translation>L&apos;image %1 n&apos;a pas pu être lue&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PhotoCompaction</name>
    <message>
        <source>The conversion of the photos was stopped; the photos converted so far are kept, and running it again goes on from there.</source>
        <translation>La conversion des photos a été arrêtée ; les photos déjà converties sont conservées, et la relancer reprend à partir de là.</translation>
    </message>
    <message>
        <source>The register is not at this version of Rollvane, so its photos cannot be converted. Nothing was changed.</source>
        <translation>Le registre n&apos;est pas à la version de ce Rollvane ; ses photos ne peuvent donc pas être converties. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>PhotoImport</name>
    <message>
        <source>more than one picture is named %1</source>
        <translation>plusieurs images portent le nom %1</translation>
    </message>
    <message>
        <source>%1 students of the class are named %2</source>
        <translation>%1 élèves de la classe s&apos;appellent %2</translation>
    </message>
    <message>
        <source>the picture %1</source>
        <translation>l&apos;image %1</translation>
    </message>
</context>
<context>
    <name>PlannedAbsenceWindow</name>
    <message>
        <source>Planned Absence</source>
        <translation>Absence prévue</translation>
    </message>
    <message>
        <source>Hospital stay, family funeral, ...</source>
        <translation>Hospitalisation, obsèques dans la famille, ...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Student:</source>
        <translation>É&amp;lève&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code&#xa0;:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>D&amp;u&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Raison&#xa0;:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>School Days</source>
        <translation>Jours d’école</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>&amp;Cancel Selected Plans</source>
        <translation>&amp;Annuler les absences choisies</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (par %2)</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Rien n’a été ajouté.</translation>
    </message>
    <message>
        <source>Choose the student first.</source>
        <translation>Choisissez d’abord l’élève.</translation>
    </message>
    <message>
        <source>The first day is after the last.</source>
        <translation>Le premier jour est après le dernier.</translation>
    </message>
    <message>
        <source>There is no school day from %1 to %2.</source>
        <translation>Il n’y a aucun jour d’école du %1 au %2.</translation>
    </message>
    <message numerus="yes">
        <source>Cancel %n planned absences? Marks already saved from them stay as they were saved.</source>
        <translation>
            <numerusform>Annuler %n absence prévue&#xa0;? Les marques déjà enregistrées restent telles quelles.</numerusform>
            <numerusform>Annuler %n absences prévues&#xa0;? Les marques déjà enregistrées restent telles quelles.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>%1: &quot;%2&quot; is not a day written yyyy-MM-dd</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une date au format AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>%1: a value is missing</source>
        <translation>%1&#xa0;: il manque une valeur</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1&#xa0;: n&apos;accepte aucune valeur</translation>
    </message>
    <message>
        <source>--class-id: &quot;%1&quot; is not a class id (a whole number above 0)</source>
        <translation>--class-id&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un identifiant de classe (un nombre entier supérieur à 0)</translation>
    </message>
    <message>
        <source>--threshold: &quot;%1&quot; is not a percentage from 0 to 100</source>
        <translation>--threshold&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un pourcentage de 0 à 100</translation>
    </message>
    <message>
        <source>--run: &quot;%1&quot; is not a number of days (1 or more)</source>
        <translation>--run&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un nombre de jours (1 ou plus)</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not one of text, csv and pdf</source>
        <translation>--format&#xa0;: «&#xa0;%1&#xa0;» n&apos;est ni text, ni csv, ni pdf</translation>
    </message>
    <message>
        <source>--output: the file name is empty</source>
        <translation>--output&#xa0;: le nom de fichier est vide</translation>
    </message>
    <message>
        <source>%1: not an option of rollvane-report (see --help)</source>
        <translation>%1&#xa0;: ce n&apos;est pas une option de rollvane-report (voir --help)</translation>
    </message>
    <message>
        <source>%1: only one report at a time</source>
        <translation>%1&#xa0;: un seul rapport à la fois</translation>
    </message>
    <message>
        <source>--class, --class-id, --all: choose one of them</source>
        <translation>--class, --class-id, --all&#xa0;: choisissez une seule de ces options</translation>
    </message>
    <message>
        <source>--date: only the missing report looks at one day</source>
        <translation>--date&#xa0;: seul le rapport missing porte sur un seul jour</translation>
    </message>
    <message>
        <source>--date: give either one day or --from and --to, not both</source>
        <translation>--date&#xa0;: indiquez soit un jour, soit --from et --to, mais pas les deux</translation>
    </message>
    <message>
        <source>%1: only the alerts report takes it</source>
        <translation>%1&#xa0;: seul le rapport alerts accepte cette option</translation>
    </message>
    <message>
        <source>--from: %1 is after the last day, %2</source>
        <translation>--from&#xa0;: %1 est après le dernier jour, %2</translation>
    </message>
    <message>
        <source>--class-id: the register has no class with id %1</source>
        <translation>--class-id&#xa0;: le registre n&apos;a aucune classe d&apos;identifiant %1</translation>
    </message>
    <message>
        <source>--class: several classes are named &quot;%1&quot;; use --class-id</source>
        <translation>--class&#xa0;: plusieurs classes s&apos;appellent «&#xa0;%1&#xa0;»&#xa0;; utilisez --class-id</translation>
    </message>
    <message>
        <source>--class: the register has no class named &quot;%1&quot;</source>
        <translation>--class&#xa0;: le registre n&apos;a aucune classe nommée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--output: %1 could not be written: %2</source>
        <translation>--output&#xa0;: %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>--output: %1 is one of the register&apos;s own files (the register, its journal or lock, the template or a backup); choose another file</source>
        <translation>--output : %1 est l’un des fichiers propres au registre (le registre, son journal ou son verrou, le modèle ou une sauvegarde) ; choisissez un autre fichier</translation>
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
        <translation>Utilisation&#xa0;: rollvane-report summary|sheet|missing|alerts|census [options]
Lit le registre d&apos;appel, sans le modifier, et produit un rapport.

  --class NOM           une classe, désignée par son nom
  --class-id N          une classe, désignée par son identifiant
  --all                 toutes les classes (par défaut)
  --from AAAA-MM-JJ     le premier jour (par défaut&#xa0;: le 1er septembre de
                        l&apos;année scolaire en cours)
  --to AAAA-MM-JJ       le dernier jour (par défaut&#xa0;: aujourd&apos;hui)
  --date AAAA-MM-JJ     missing&#xa0;: le seul jour à examiner (par défaut&#xa0;: aujourd&apos;hui,
                        sauf si --from ou --to demande chaque jour d’école d&apos;une période)
  --threshold POURCENT  alerts&#xa0;: présence inférieure ou égale à ce taux (90 par défaut)
  --run JOURS           alerts&#xa0;: absent ce nombre de jours marqués d&apos;affilée
                        (3 par défaut)
  --persistent          alerts&#xa0;: seulement l’absentéisme persistant (10&#xa0;% des
                        demi-journées possibles ou plus) et grave (la moitié)
  --format text|csv|pdf la forme du rapport (text par défaut)
  --output FICHIER      écrire le rapport dans FICHIER au lieu de la sortie standard
  --help                afficher ce texte
  --version             afficher la version

Code de sortie&#xa0;: 0 terminé, 2 argument incorrect, 3 registre absent, illisible
ou endommagé.
</translation>
    </message>
    <message>
        <source>%1: not a report; choose summary, sheet, missing, alerts or census</source>
        <translation>%1&#xa0;: ce n&apos;est pas un rapport&#xa0;; choisissez summary, sheet, missing, alerts ou census</translation>
    </message>
    <message>
        <source>no report named; choose summary, sheet, missing, alerts or census (see --help)</source>
        <translation>aucun rapport indiqué&#xa0;; choisissez summary, sheet, missing, alerts ou census (voir --help)</translation>
    </message>
    <message>
        <source>--persistent: the rule is fixed; leave out --threshold and --run</source>
        <translation>--persistent&#xa0;: la règle est fixe&#xa0;; omettez --threshold et --run</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Attendance % per marked day</source>
        <translation>Taux de présence par jour marqué</translation>
    </message>
    <message>
        <source>Attendance %</source>
        <translation>Taux de présence (%)</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Marks per week</source>
        <translation>Marques par semaine</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Week beginning</source>
        <translation>Semaine du</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2. Nothing was saved.</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit&#xa0;: %2. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Attendance Register</source>
        <translation>Registre d&apos;appel</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Nothing to show for these choices.</source>
        <translation>Rien à afficher pour ces choix.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>Register Sheet</source>
        <translation>Feuille d&apos;appel</translation>
    </message>
    <message>
        <source>Registers Not Taken</source>
        <translation>Appels non faits</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>All Classes</source>
        <translation>Toutes les classes</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>This School Year</source>
        <translation>Cette année scolaire</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Days
Marked</source>
        <translation>Jours
marqués</translation>
    </message>
    <message>
        <source>Days in the range on which the student has a saved mark</source>
        <translation>Jours de la période où l&apos;élève a une marque enregistrée</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Présent</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>En retard</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>Excused</source>
        <translation>Excusé</translation>
    </message>
    <message>
        <source>Marks with a word other than Present, Late, Absent and Excused</source>
        <translation>Marques portant un autre mot que Présent, En retard, Absent et Excusé</translation>
    </message>
    <message>
        <source>Attendance
%</source>
        <translation>Présence
%</translation>
    </message>
    <message>
        <source>Longest
Absence Run</source>
        <translation>Plus longue
série d&apos;absences</translation>
    </message>
    <message>
        <source>Current
Absence Run</source>
        <translation>Série d&apos;absences
en cours</translation>
    </message>
    <message>
        <source>Other words: %1</source>
        <translation>Autres mots&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total (%n students)</source>
        <translation>
            <numerusform>Total (%n élève)</numerusform>
            <numerusform>Total (%n élèves)</numerusform>
        </translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message numerus="yes">
        <source>Absent %n marked days running</source>
        <translation>
            <numerusform>Absent %n jour marqué d&apos;affilée</numerusform>
            <numerusform>Absent %n jours marqués d&apos;affilée</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Old Status</source>
        <translation>Ancien statut</translation>
    </message>
    <message>
        <source>New Status</source>
        <translation>Nouveau statut</translation>
    </message>
    <message>
        <source>Old Remark</source>
        <translation>Ancien commentaire</translation>
    </message>
    <message>
        <source>New Remark</source>
        <translation>Nouveau commentaire</translation>
    </message>
    <message>
        <source>Changed By</source>
        <translation>Modifié par</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Changed At</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marqués</translation>
    </message>
    <message>
        <source>Present or Late</source>
        <translation>Présent ou En retard</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>N° élève</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Day&apos;s Notes</source>
        <translation>Notes du jour</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>School days per the school calendar: %1</source>
        <translation>Jours d’école selon le calendrier scolaire : %1</translation>
    </message>
    <message>
        <source>School days per the calendar %1: %2</source>
        <translation>Jours d’école selon le calendrier %1 : %2</translation>
    </message>
    <message>
        <source>School
Days</source>
        <translation>Jours
d’école</translation>
    </message>
    <message>
        <source>School days of the range up to today, per the calendar</source>
        <translation>Jours d’école de la période jusqu’à aujourd’hui, selon le calendrier</translation>
    </message>
    <message>
        <source>Not
Recorded</source>
        <translation>Non
relevés</translation>
    </message>
    <message>
        <source>School days without a mark for the student</source>
        <translation>Jours d’école sans marque pour l’élève</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Semaine dernière</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Term</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <source>Last Term</source>
        <translation>Trimestre précédent</translation>
    </message>
    <message>
        <source>Left out, as no row has any: %1</source>
        <translation>Omis, aucune ligne n’en ayant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Census</source>
        <translation>Recensement</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n possible sessions attended</source>
        <translation>
            <numerusform>%1 sur %n demi-journée possible suivie</numerusform>
            <numerusform>%1 sur %n demi-journées possibles suivies</numerusform>
        </translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Possibles</translation>
    </message>
    <message>
        <source>Marks that count as possible sessions: all but codes not counted</source>
        <translation>Marques comptées comme demi-journées possibles&#xa0;: toutes sauf les codes non comptés</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>Approuvées</translation>
    </message>
    <message>
        <source>Approved educational activity, which counts as present</source>
        <translation>Activité éducative approuvée, comptée comme présence</translation>
    </message>
    <message>
        <source>Authorised</source>
        <translation>Autorisées</translation>
    </message>
    <message>
        <source>Authorised absence: Excused and every code of that category</source>
        <translation>Absence autorisée&#xa0;: Excusé et chaque code de cette catégorie</translation>
    </message>
    <message>
        <source>Unauthorised</source>
        <translation>Non autorisées</translation>
    </message>
    <message>
        <source>Unauthorised absence: Absent and every code of that category</source>
        <translation>Absence non autorisée&#xa0;: Absent et chaque code de cette catégorie</translation>
    </message>
    <message>
        <source>Not
Counted</source>
        <translation>Non
comptées</translation>
    </message>
    <message>
        <source>Codes that make no possible session (X, Y, Z, #)</source>
        <translation>Codes sans demi-journée possible (X, Y, Z, #)</translation>
    </message>
    <message>
        <source>Present, late and approved activity / possible sessions; exact figures on hover</source>
        <translation>Présences, retards et activités approuvées / demi-journées possibles&#xa0;; chiffres exacts au survol</translation>
    </message>
    <message>
        <source>Late
minutes</source>
        <translation>Minutes
de retard</translation>
    </message>
    <message>
        <source>The minutes late of every Late mark, summed</source>
        <translation>Les minutes de retard de chaque marque En retard, additionnées</translation>
    </message>
    <message>
        <source>The most consecutive marked days missed (absent, excused or any absence code)</source>
        <translation>Le plus de jours marqués manqués d’affilée (absent, excusé ou tout code d’absence)</translation>
    </message>
    <message>
        <source>Consecutive marked days missed up to the last one</source>
        <translation>Jours marqués manqués d’affilée jusqu’au dernier</translation>
    </message>
    <message>
        <source>Severe absence: missed half the possible sessions or more</source>
        <translation>Absentéisme grave&#xa0;: la moitié des demi-journées possibles ou plus manquée</translation>
    </message>
    <message>
        <source>Persistent absence: missed %1 % or more of the possible sessions</source>
        <translation>Absentéisme persistant&#xa0;: %1&#xa0;% ou plus des demi-journées possibles manqués</translation>
    </message>
    <message>
        <source>Missed %1 % or more of the possible sessions</source>
        <translation>%1&#xa0;% ou plus des demi-journées possibles manqués</translation>
    </message>
    <message>
        <source>Attended</source>
        <translation>Suivies</translation>
    </message>
    <message>
        <source>Words without a category</source>
        <translation>Mots sans catégorie</translation>
    </message>
    <message>
        <source>Attended of possible</source>
        <translation>Suivies sur possibles</translation>
    </message>
    <message>
        <source>Late minutes</source>
        <translation>Minutes de retard</translation>
    </message>
    <message>
        <source>Sessions in the range (morning and afternoon) in which the student has a saved mark</source>
        <translation>Demi-journées de la période (matin et après-midi) où l&apos;élève a une marque enregistrée</translation>
    </message>
    <message>
        <source>School
Sessions</source>
        <translation>Demi-
journées</translation>
    </message>
    <message>
        <source>Morning and afternoon sessions of the school days of the range up to today, per the calendar</source>
        <translation>Demi-journées du matin et de l&apos;après-midi des jours de classe de la période jusqu&apos;à aujourd&apos;hui, selon le calendrier</translation>
    </message>
    <message>
        <source>School sessions without a mark for the student</source>
        <translation>Demi-journées de classe sans marque pour l&apos;élève</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Demi-journée</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>ap.-m.</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>mat.</translation>
    </message>
    <message>
        <source>Changed after it was first saved; the History view shows how and why</source>
        <translation>Modifiée après son premier enregistrement&#xa0;; la vue Historique montre comment et pourquoi</translation>
    </message>
    <message>
        <source>%1 a mark changed after it was first saved (see the History view)</source>
        <translation>%1 une marque modifiée après son premier enregistrement (voir l&apos;Historique)</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>The register was left as it is.</source>
        <translation>Le registre a été laissé tel quel.</translation>
    </message>
    <message>
        <source>Checking the backup of %1…</source>
        <translation>Vérification de la sauvegarde du %1…</translation>
    </message>
    <message>
        <source>The backup of %1 cannot be restored: %2<byte value="xd"/>
%3</source>
        <translation>La sauvegarde du %1 ne peut pas être restaurée&#xa0;: %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged, so it cannot be restored. SQLite&apos;s check found:<byte value="xd"/>
%2<byte value="xd"/>
%3</source>
        <translation>La sauvegarde du %1 est endommagée&#xa0;; elle ne peut donc pas être restaurée. La vérification de SQLite a trouvé&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Rollvane is running elsewhere on this computer (another user, or another window), with the register open. Ask for it to be closed, then restore again.<byte value="xd"/>
%1</source>
        <translation>Rollvane est lancé ailleurs sur cet ordinateur (par un autre utilisateur ou dans une autre fenêtre), avec le registre ouvert. Demandez qu&apos;il soit fermé, puis relancez la restauration.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The register&apos;s folder %1 cannot be written by you, so the register cannot be replaced. Ask the administrator to make it writable for the users who share the register.<byte value="xd"/>
%2</source>
        <translation>Vous ne pouvez pas écrire dans le dossier du registre %1&#xa0;; le registre ne peut donc pas être remplacé. Demandez à l&apos;administrateur de le rendre accessible en écriture aux utilisateurs qui partagent le registre.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Replace the register with the backup of %1?<byte value="xd"/>
<byte value="xd"/>
The backup holds %2, %3 and %4. The register as it is now is backed up first, so that this restore can be undone.</source>
        <translation>Remplacer le registre par la sauvegarde du %1&#xa0;?<byte value="xd"/>
<byte value="xd"/>
La sauvegarde contient %2, %3 et %4. Le registre dans son état actuel est d&apos;abord sauvegardé, afin que cette restauration puisse être annulée.</translation>
    </message>
    <message numerus="yes">
        <source>%n class(es)</source>
        <translation>
            <numerusform>%n classe</numerusform>
            <numerusform>%n classes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n élève</numerusform>
            <numerusform>%n élèves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s)</source>
        <translation>
            <numerusform>%n marque</numerusform>
            <numerusform>%n marques</numerusform>
        </translation>
    </message>
    <message>
        <source>Backing up the register as it is now…</source>
        <translation>Sauvegarde du registre dans son état actuel…</translation>
    </message>
    <message>
        <source>The register as it is now could not be backed up, so it was not replaced: %1<byte value="xd"/>
%2</source>
        <translation>Le registre dans son état actuel n&apos;a pas pu être sauvegardé&#xa0;; il n&apos;a donc pas été remplacé&#xa0;: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Restoring the backup of %1…</source>
        <translation>Restauration de la sauvegarde du %1…</translation>
    </message>
    <message>
        <source>The register was not replaced: %1</source>
        <translation>Le registre n&apos;a pas été remplacé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The register now holds the backup of %1.<byte value="xd"/>
What it held before is kept as the backup %2; restore that one to undo this.</source>
        <translation>Le registre contient maintenant la sauvegarde du %1.<byte value="xd"/>
Son contenu précédent est conservé dans la sauvegarde %2&#xa0;; restaurez celle-ci pour annuler l&apos;opération.</translation>
    </message>
</context>
<context>
    <name>SchoolCalendar</name>
    <message>
        <source>School year</source>
        <translation>Année scolaire</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Trimestre</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Vacances</translation>
    </message>
    <message>
        <source>Closure</source>
        <translation>Fermeture</translation>
    </message>
    <message>
        <source>Training day</source>
        <translation>Journée pédagogique</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Week-end</translation>
    </message>
    <message>
        <source>Outside the terms</source>
        <translation>En dehors des trimestres</translation>
    </message>
    <message>
        <source>Between school years</source>
        <translation>Entre deux années scolaires</translation>
    </message>
</context>
<context>
    <name>SessionsWindow</name>
    <message>
        <source>&amp;One register a day</source>
        <translation>&amp;Un appel par jour</translation>
    </message>
    <message>
        <source>&amp;Two registers a day: the morning&apos;s and the afternoon&apos;s</source>
        <translation>&amp;Deux appels par jour&#xa0;: le matin et l&apos;après-midi</translation>
    </message>
    <message>
        <source>The afternoon&apos;s register opens &amp;from:</source>
        <translation>L&apos;appel de l&apos;après-midi s&apos;ouvre à &amp;partir de&#xa0;:</translation>
    </message>
    <message>
        <source>With two, the main window shows Morning or Afternoon beside the date, picked by the clock, and every figure counts sessions: a day holds two.</source>
        <translation>Avec deux, la fenêtre principale affiche Matin ou Après-midi à côté de la date, choisi selon l&apos;heure, et chaque chiffre compte des demi-journées&#xa0;: un jour en compte deux.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The registers already taken were taken once a day.<byte value="xd"/>
<byte value="xd"/>
Yes: count each of them as both the morning&apos;s and the afternoon&apos;s (the school took one register for the whole day).<byte value="xd"/>
No: count them as the mornings&apos; only; the afternoons before today stay unrecorded.</source>
        <translation>Les appels déjà faits l&apos;ont été une fois par jour.<byte value="xd"/>
<byte value="xd"/>
Oui&#xa0;: chacun compte pour le matin et pour l&apos;après-midi (l&apos;école faisait un appel pour toute la journée).<byte value="xd"/>
Non&#xa0;: ils ne comptent que pour les matins&#xa0;; les après-midi avant aujourd&apos;hui restent non relevés.</translation>
    </message>
    <message>
        <source>Two Registers a Day</source>
        <translation>Deux appels par jour</translation>
    </message>
    <message>
        <source>Register Rules</source>
        <translation>Règles de l&apos;appel</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source> school days after its day</source>
        <translation> jours de classe après son jour</translation>
    </message>
    <message>
        <source>&amp;Close each register:</source>
        <translation>&amp;Clore chaque appel&#xa0;:</translation>
    </message>
    <message>
        <source>log-in names, separated by commas</source>
        <translation>noms de connexion, séparés par des virgules</translation>
    </message>
    <message>
        <source>&amp;Who may still change it:</source>
        <translation>&amp;Qui peut encore le modifier&#xa0;:</translation>
    </message>
    <message>
        <source>A closed register keeps the marks that were reported; changing one then needs one of these accounts, and a reason, as every change of an earlier day does.</source>
        <translation>Un appel clos garde les marques déclarées&#xa0;; le modifier demande alors l&apos;un de ces comptes, et une raison, comme toute modification d&apos;un jour passé.</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <source>The skin file %1 has no part named %2.</source>
        <translation>Le fichier d&apos;apparence %1 n&apos;a aucune partie nommée %2.</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Le fichier d&apos;apparence %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is too large to be a skin.</source>
        <translation>Le fichier d&apos;apparence %1 est trop volumineux pour être une apparence.</translation>
    </message>
    <message>
        <source>The skin file %1 is not UTF-8 text.</source>
        <translation>Le fichier d&apos;apparence %1 n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The skin file %1 is not a style sheet that can be read.</source>
        <translation>Le fichier d&apos;apparence %1 n&apos;est pas une feuille de style lisible.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Rollvane keeps a school&apos;s daily attendance register.</source>
        <translation>Rollvane tient le registre d&apos;appel quotidien d&apos;une école.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Rollvane needs a graphical desktop, and none was found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Rollvane a besoin d&apos;un bureau graphique, et aucun n&apos;a été trouvé (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini).</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Present</source>
        <translation>Présent</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>En retard</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>Excused</source>
        <translation>Excusé</translation>
    </message>
</context>
<context>
    <name>StudentCard</name>
    <message>
        <source>Double Click To Change The Status</source>
        <translation>Double-cliquez pour changer le statut</translation>
    </message>
    <message>
        <source>%1
Remark: %2</source>
        <translation>%1
Commentaire&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Remark: %1</source>
        <translation>Commentaire&#xa0;: %1</translation>
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
        <translation>Ajouter un élève</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Nom de l&apos;élève</translation>
    </message>
    <message>
        <source>Student Image</source>
        <translation>Photo de l&apos;élève</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No class was chosen for the new student.</source>
        <translation>Aucune classe n&apos;a été choisie pour le nouvel élève.</translation>
    </message>
    <message>
        <source>The student no longer exists; nothing was written.</source>
        <translation>L&apos;élève n&apos;existe plus&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>This name cannot be saved: %1.</source>
        <translation>Ce nom ne peut pas être enregistré : %1.</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>from</source>
        <translation>depuis</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>le début</translation>
    </message>
</context>
<context>
    <name>StudentImport</name>
    <message>
        <source>the photo %1 is not given relative to the spreadsheet&apos;s folder</source>
        <translation>la photo %1 n&apos;est pas indiquée par rapport au dossier du tableur</translation>
    </message>
    <message>
        <source>the photo %1 lies outside the spreadsheet&apos;s folder</source>
        <translation>la photo %1 se trouve hors du dossier du tableur</translation>
    </message>
    <message>
        <source>the photo %1 was not found</source>
        <translation>la photo %1 est introuvable</translation>
    </message>
    <message>
        <source>the photo %1 is not a file</source>
        <translation>la photo %1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the photo %1 %2</source>
        <translation>la photo %1 %2</translation>
    </message>
    <message>
        <source>is too large (%1 MB; up to %2 MB can be stored)</source>
        <translation>est trop volumineuse (%1 Mo&#xa0;; %2 Mo au plus peuvent être enregistrés)</translation>
    </message>
    <message>
        <source>is not a picture Rollvane can read</source>
        <translation>n&apos;est pas une image que Rollvane sait lire</translation>
    </message>
    <message>
        <source>is too large (%1 by %2 pixels)</source>
        <translation>est trop grande (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of students (%2 MB).</source>
        <translation>Le fichier %1 est trop volumineux pour une liste d&apos;élèves (%2 Mo).</translation>
    </message>
    <message>
        <source>The file %1 holds no rows.</source>
        <translation>Le fichier %1 ne contient aucune ligne.</translation>
    </message>
    <message>
        <source>The first line names the column %1 twice.</source>
        <translation>La première ligne nomme deux fois la colonne %1.</translation>
    </message>
    <message>
        <source>no class and no name</source>
        <translation>ni classe ni nom</translation>
    </message>
    <message>
        <source>no class</source>
        <translation>pas de classe</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>pas de nom</translation>
    </message>
    <message>
        <source>listed already on line %1</source>
        <translation>figure déjà à la ligne %1</translation>
    </message>
    <message>
        <source>already in the class</source>
        <translation>déjà dans la classe</translation>
    </message>
    <message>
        <source>read as Windows-1252: byte %1 of line %2 (0x%3) is not UTF-8</source>
        <translation>lu en Windows-1252 : l’octet %1 de la ligne %2 (0x%3) n’est pas de l’UTF-8</translation>
    </message>
    <message>
        <source>class: %1</source>
        <translation>classe : %1</translation>
    </message>
    <message>
        <source>The first line of the file must name a class column (Class, Form or Tutor group) and the students&apos; names (Name, or First name and Last name), and Photo if there are photos. It names: %1.</source>
        <translation>La première ligne du fichier doit nommer une colonne de classe (Classe ou Class) et les noms des élèves (Nom, ou Prénom et Nom de famille), et Photo s&apos;il y a des photos. Elle nomme&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>backup::BackupsWindow</name>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>A backup of the register is taken each day, at the first save. The last %1 daily backups and the first of each of the last %2 months are kept, in %3.</source>
        <translation>Une sauvegarde du registre est faite chaque jour, au premier enregistrement. Les %1 dernières sauvegardes quotidiennes et la première de chacun des %2 derniers mois sont conservées dans %3.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Effectuée le</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Classes</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restaurer…</translation>
    </message>
    <message>
        <source>Check Register</source>
        <translation>Vérifier le registre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Stored date</source>
        <translation>Date enregistrée</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>The register is kept on a database server (%1). Its backups are kept by the server&apos;s administrator (with pg_dump), so this program takes none and restores none.

You can export a copy of the register as a register file, to keep or to open elsewhere.</source>
        <translation>Le registre est conservé sur un serveur de base de données (%1). Ses sauvegardes sont faites par l&apos;administrateur du serveur (avec pg_dump)&#xa0;; ce programme n&apos;en fait donc aucune et n&apos;en restaure aucune.

Vous pouvez exporter une copie du registre sous forme de fichier de registre, pour la conserver ou l&apos;ouvrir ailleurs.</translation>
    </message>
    <message>
        <source>Export Register…</source>
        <translation>Exporter le registre…</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Backing up the register…</source>
        <translation>Sauvegarde du registre…</translation>
    </message>
    <message>
        <source>The register was backed up as %1.</source>
        <translation>Le registre a été sauvegardé sous %1.</translation>
    </message>
    <message>
        <source>Pick the backup to restore first.</source>
        <translation>Choisissez d&apos;abord la sauvegarde à restaurer.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Checking the register…</source>
        <translation>Vérification du registre…</translation>
    </message>
    <message>
        <source>The register is sound.</source>
        <translation>Le registre est intact.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… et %n autre.</numerusform>
            <numerusform>… et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The register is damaged. SQLite&apos;s check found:<byte value="xd"/>
%1</source>
        <translation>Le registre est endommagé. La vérification de SQLite a trouvé&#xa0;:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Restore the newest backup, of %1 (a restore checks the backup first); marks saved since then have to be taken again.</source>
        <translation>Restaurez la sauvegarde la plus récente, du %1 (une restauration vérifie d&apos;abord la sauvegarde)&#xa0;; les marques enregistrées depuis devront être saisies de nouveau.</translation>
    </message>
    <message>
        <source>There is no backup to restore. Keep a copy of the register&apos;s file and ask for help: %1</source>
        <translation>Il n&apos;y a aucune sauvegarde à restaurer. Gardez une copie du fichier du registre et demandez de l&apos;aide à %1</translation>
    </message>
    <message>
        <source>(student %1, deleted)</source>
        <translation>(élève %1, supprimé)</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(sans date)</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read, so they are shown on no day; the first %1 are listed.</source>
        <translation>
            <numerusform>%n marque a une date que Rollvane ne sait pas lire&#xa0;; elle n&apos;est donc affichée sur aucun jour. Les %1 premières sont listées.</numerusform>
            <numerusform>%n marques ont une date que Rollvane ne sait pas lire&#xa0;; elles ne sont donc affichées sur aucun jour. Les %1 premières sont listées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read, so they are shown on no day:</source>
        <translation>
            <numerusform>%n marque a une date que Rollvane ne sait pas lire&#xa0;; elle n&apos;est donc affichée sur aucun jour&#xa0;:</numerusform>
            <numerusform>%n marques ont une date que Rollvane ne sait pas lire&#xa0;; elles ne sont donc affichées sur aucun jour&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read; they are listed in the Backups window.</source>
        <translation>
            <numerusform>%n marque a une date que Rollvane ne sait pas lire&#xa0;; elle est listée dans la fenêtre Sauvegardes.</numerusform>
            <numerusform>%n marques ont une date que Rollvane ne sait pas lire&#xa0;; elles sont listées dans la fenêtre Sauvegardes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Register</source>
        <translation>Exporter le registre</translation>
    </message>
    <message>
        <source>Rollvane Register (*.mdb)|*.mdb|</source>
        <translation>Registre Rollvane (*.mdb)|*.mdb|</translation>
    </message>
    <message>
        <source>Exporting the register…</source>
        <translation>Export du registre…</translation>
    </message>
    <message>
        <source>The register could not be exported: %1</source>
        <translation>Le registre n&apos;a pas pu être exporté&#xa0;: %1</translation>
    </message>
    <message>
        <source>The register was exported to %1.</source>
        <translation>Le registre a été exporté vers %1.</translation>
    </message>
    <message>
        <source>The register was not backed up: %1</source>
        <translation>Le registre n’a pas été sauvegardé : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) have more than one mark stored for one day. Keep the most recently changed mark of each, and record the others in the history?</source>
        <translation>
            <numerusform>%n élève a plus d’une marque enregistrée pour un même jour. Garder la plus récemment modifiée de chacune et consigner les autres dans l’historique ?</numerusform>
            <numerusform>%n élèves ont plus d’une marque enregistrée pour un même jour. Garder la plus récemment modifiée de chacune et consigner les autres dans l’historique ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) stored twice were removed; the history keeps what they said.</source>
        <translation>
            <numerusform>%n marque enregistrée en double a été retirée ; l’historique garde ce qu’elle disait.</numerusform>
            <numerusform>%n marques enregistrées en double ont été retirées ; l’historique garde ce qu’elles disaient.</numerusform>
        </translation>
    </message>
    <message>
        <source>The marks stored twice were left as they are: %1</source>
        <translation>Les marques enregistrées en double ont été laissées telles quelles : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) are stored at full size, as earlier versions stored them. Converting them (rollvane-admin compact-photos, after a backup it takes itself) would make the register and each backup about %1 MB smaller.</source>
        <translation>
            <numerusform>%n photo est stockée en taille réelle, comme les versions précédentes la stockaient. La convertir (rollvane-admin compact-photos, après une sauvegarde qu&apos;il fait lui-même) allégerait le registre et chaque sauvegarde d&apos;environ %1 Mo.</numerusform>
            <numerusform>%n photos sont stockées en taille réelle, comme les versions précédentes les stockaient. Les convertir (rollvane-admin compact-photos, après une sauvegarde qu&apos;il fait lui-même) allégerait le registre et chaque sauvegarde d&apos;environ %1 Mo.</numerusform>
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
        <translation>Calendrier scolaire</translation>
    </message>
    <message>
        <source>◀ &amp;Previous Year</source>
        <translation>◀ Année &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Year ▶</source>
        <translation>Année &amp;suivante ▶</translation>
    </message>
    <message>
        <source>School day</source>
        <translation>Jour d’école</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Week-end</translation>
    </message>
    <message>
        <source>&amp;Entries of this year:</source>
        <translation>&amp;Entrées de cette année :</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Half-term holiday</source>
        <translation>Vacances de la Toussaint</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>D&amp;u&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>No&amp;m :</translation>
    </message>
    <message>
        <source>Click a day in the months to choose it; Shift+click another to make a range.</source>
        <translation>Cliquez sur un jour pour le choisir ; Maj+clic sur un autre pour former une période.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>An iCalendar file (.ics) or a CSV of From,To,Name, as a local authority publishes them</source>
        <translation>Un fichier iCalendar (.ics) ou un CSV Du,Au,Nom, tels que les académies les publient</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>School year %1</source>
        <translation>Année scolaire %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>The last day (%1) is before the first (%2). Choose a last day on or after the first.</source>
        <translation>Le dernier jour (%1) précède le premier (%2). Choisissez un dernier jour égal ou postérieur au premier.</translation>
    </message>
    <message>
        <source>The calendar already holds “%1” on these days.</source>
        <translation>Le calendrier contient déjà « %1 » à ces dates.</translation>
    </message>
    <message>
        <source>This entry was removed on another computer meanwhile; nothing was changed.</source>
        <translation>Cette entrée a été retirée entre-temps sur un autre ordinateur ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Remove “%1” (%2 to %3) from the school calendar?</source>
        <translation>Retirer « %1 » (du %2 au %3) du calendrier scolaire ?</translation>
    </message>
    <message>
        <source>Import School Calendar</source>
        <translation>Importer un calendrier scolaire</translation>
    </message>
    <message>
        <source>Calendar files (*.ics;*.csv)|*.ics;*.csv|iCalendar files (*.ics)|*.ics|CSV files (*.csv)|*.csv|</source>
        <translation>Fichiers de calendrier (*.ics;*.csv)|*.ics;*.csv|Fichiers iCalendar (*.ics)|*.ics|Fichiers CSV (*.csv)|*.csv|</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n entry(s) (%1), from %2 to %3.</source>
        <translation>
            <numerusform>Le fichier contient %n entrée (%1), du %2 au %3.</numerusform>
            <numerusform>Le fichier contient %n entrées (%1), du %2 au %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Laissé de côté :</translation>
    </message>
    <message>
        <source>Add them to the school calendar? Entries it already holds are not added again.</source>
        <translation>Les ajouter au calendrier scolaire ? Les entrées qu’il contient déjà ne sont pas ajoutées une seconde fois.</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) added to the school calendar.</source>
        <translation>
            <numerusform>%n entrée ajoutée au calendrier scolaire.</numerusform>
            <numerusform>%n entrées ajoutées au calendrier scolaire.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n it already held.</source>
        <translation>
            <numerusform>%n y figurait déjà.</numerusform>
            <numerusform>%n y figuraient déjà.</numerusform>
        </translation>
    </message>
</context>
</TS>
