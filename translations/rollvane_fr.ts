<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CardArea</name>
    <message>
        <source>The scroll bar of the card area was not created.</source>
        <translation>La barre de défilement de la zone des fiches n&apos;a pas été créée.</translation>
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
        <source>The file %1 cannot be used as the register: %2</source>
        <translation>Le fichier %1 ne peut pas servir de registre : %2</translation>
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
        <source>The register %1 is an empty file, not a Rollvane register. It has been left as it is.</source>
        <translation>Le registre %1 est un fichier vide, pas un registre Rollvane. Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The file %1 is not a Rollvane register (it is not a database file). It has been left as it is.</source>
        <translation>Le fichier %1 n&apos;est pas un registre Rollvane (ce n&apos;est pas un fichier de base de données). Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The register %1 is not a regular file (it is a pipe, a socket or a device), so it cannot be a register. It has been left as it is.</source>
        <translation>Le registre %1 n&apos;est pas un fichier ordinaire (c&apos;est un tube, un socket ou un périphérique)&#xa0;; ce ne peut donc pas être un registre. Il a été laissé tel quel.</translation>
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
</context>
<context>
    <name>MainWindow</name>
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
    <message numerus="yes">
        <source>%n mark(s) in the register have a date that Rollvane cannot read, so they are not shown on any day. The register check (Setup, Backups, Check Register) lists them.</source>
        <translation>
            <numerusform>%n marque du registre a une date que Rollvane ne sait pas lire&#xa0;; elle n&apos;apparaît donc à aucun jour. La vérification du registre (Configuration, Sauvegardes, Vérifier le registre) la répertorie.</numerusform>
            <numerusform>%n marques du registre ont une date que Rollvane ne sait pas lire&#xa0;; elles n&apos;apparaissent donc à aucun jour. La vérification du registre (Configuration, Sauvegardes, Vérifier le registre) les répertorie.</numerusform>
        </translation>
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
</context>
</TS>
