<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AttendanceCodesWindow</name>
    <message numerus="yes">
        <source>%n words found that have no category yet; give each one and save.</source>
        <translation>
            <numerusform>%n word found that has no category yet; give it one and save.</numerusform>
            <numerusform>%n words found that have no category yet; give each one and save.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AttendanceReportWindow</name>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n students</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked day(s)</source>
        <translation>
            <numerusform>%n marked day</numerusform>
            <numerusform>%n marked days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n register(s) not taken</source>
        <translation>
            <numerusform>%n register not taken</numerusform>
            <numerusform>%n registers not taken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) to look at</source>
        <translation>
            <numerusform>%n student to look at</numerusform>
            <numerusform>%n students to look at</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change(s)</source>
        <translation>
            <numerusform>%n change</numerusform>
            <numerusform>%n changes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked session(s)</source>
        <translation>
            <numerusform>%n marked session</numerusform>
            <numerusform>%n marked sessions</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalendarImport</name>
    <message numerus="yes">
        <source>“%1” names a term but holds only %n day(s); it was left out.</source>
        <translation>
            <numerusform>“%1” names a term but holds only %n day; it was left out.</numerusform>
            <numerusform>“%1” names a term but holds only %n days; it was left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1: “%2” names a term but holds only %n day(s); it was left out.</source>
        <translation>
            <numerusform>Line %1: “%2” names a term but holds only %n day; it was left out.</numerusform>
            <numerusform>Line %1: “%2” names a term but holds only %n days; it was left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message numerus="yes">
        <source>The register of %1 is closed: registers close %n school day(s) after their day. Nothing was saved.</source>
        <translation>
            <numerusform>The register of %1 is closed: registers close %n school day after their day. Nothing was saved.</numerusform>
            <numerusform>The register of %1 is closed: registers close %n school days after their day. Nothing was saved.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The register of %1 is closed: registers close %n school day(s) after their day, and only %2 can change them then. Nothing was saved.</source>
        <translation>
            <numerusform>The register of %1 is closed: registers close %n school day after their day, and only %2 can change them then. Nothing was saved.</numerusform>
            <numerusform>The register of %1 is closed: registers close %n school days after their day, and only %2 can change them then. Nothing was saved.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>%n mark(s) in the register have a date that Rollvane cannot read, so they are not shown on any day. The register check (%1) lists them.</source>
        <translation>
            <numerusform>%n mark in the register has a date that Rollvane cannot read, so it is not shown on any day. The register check (%1) lists it.</numerusform>
            <numerusform>%n marks in the register have a date that Rollvane cannot read, so they are not shown on any day. The register check (%1) lists them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) have more than one mark stored for one day, and only one of them is shown. The register check (%1) keeps the most recently changed of each.</source>
        <translation>
            <numerusform>%n student has more than one mark stored for one day, and only one of them is shown. The register check (%1) keeps the most recently changed of each.</numerusform>
            <numerusform>%n students have more than one mark stored for one day, and only one of them is shown. The register check (%1) keeps the most recently changed of each.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You are changing %n saved marks of %1 (%2). Why? The reason is kept in the history beside the marks as they were.</source>
        <translation>
            <numerusform>You are changing %n saved mark of %1 (%2). Why? The reason is kept in the history beside the mark as it was.</numerusform>
            <numerusform>You are changing %n saved marks of %1 (%2). Why? The reason is kept in the history beside the marks as they were.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ManageClassesWindow</name>
    <message numerus="yes">
        <source>%n mark(s) of this student stay in the register, but no report will show them again. For a student who leaves the school, use Leaves School… (right-click the name) instead.</source>
        <translation>
            <numerusform>%n mark of this student stays in the register, but no report will show it again. For a student who leaves the school, use Leaves School… (right-click the name) instead.</numerusform>
            <numerusform>%n marks of this student stay in the register, but no report will show them again. For a student who leaves the school, use Leaves School… (right-click the name) instead.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Its %n student(s) go with it.</source>
        <translation>
            <numerusform>Its %n student goes with it.</numerusform>
            <numerusform>Its %n students go with it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Their %n mark(s) stay in the register, but no report will show them again.</source>
        <translation>
            <numerusform>Their %n mark stays in the register, but no report will show it again.</numerusform>
            <numerusform>Their %n marks stay in the register, but no report will show them again.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlannedAbsenceWindow</name>
    <message numerus="yes">
        <source>Cancel %n planned absences? Marks already saved from them stay as they were saved.</source>
        <translation>
            <numerusform>Cancel %n planned absence? Marks already saved from it stay as they were saved.</numerusform>
            <numerusform>Cancel %n planned absences? Marks already saved from them stay as they were saved.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message numerus="yes">
        <source>Total (%n students)</source>
        <translation>
            <numerusform>Total (%n student)</numerusform>
            <numerusform>Total (%n students)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Absent %n marked days running</source>
        <translation>
            <numerusform>Absent %n marked day running</numerusform>
            <numerusform>Absent %n marked days running</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n possible sessions attended</source>
        <translation>
            <numerusform>%1 of %n possible session attended</numerusform>
            <numerusform>%1 of %n possible sessions attended</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message numerus="yes">
        <source>%n class(es)</source>
        <translation>
            <numerusform>%n class</numerusform>
            <numerusform>%n classes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n students</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s)</source>
        <translation>
            <numerusform>%n mark</numerusform>
            <numerusform>%n marks</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>backup::BackupsWindow</name>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… and %n more.</numerusform>
            <numerusform>… and %n more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read, so they are shown on no day; the first %1 are listed.</source>
        <translation>
            <numerusform>%n mark has a date that Rollvane cannot read, so it is shown on no day; the first %1 are listed.</numerusform>
            <numerusform>%n marks have a date that Rollvane cannot read, so they are shown on no day; the first %1 are listed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read, so they are shown on no day:</source>
        <translation>
            <numerusform>%n mark has a date that Rollvane cannot read, so it is shown on no day:</numerusform>
            <numerusform>%n marks have a date that Rollvane cannot read, so they are shown on no day:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) have a date that Rollvane cannot read; they are listed in the Backups window.</source>
        <translation>
            <numerusform>%n mark has a date that Rollvane cannot read; it is listed in the Backups window.</numerusform>
            <numerusform>%n marks have a date that Rollvane cannot read; they are listed in the Backups window.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) have more than one mark stored for one day. Keep the most recently changed mark of each, and record the others in the history?</source>
        <translation>
            <numerusform>%n student has more than one mark stored for one day. Keep the most recently changed mark of each, and record the others in the history?</numerusform>
            <numerusform>%n students have more than one mark stored for one day. Keep the most recently changed mark of each, and record the others in the history?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) stored twice were removed; the history keeps what they said.</source>
        <translation>
            <numerusform>%n mark stored twice was removed; the history keeps what it said.</numerusform>
            <numerusform>%n marks stored twice were removed; the history keeps what they said.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) are stored at full size, as earlier versions stored them. Converting them (rollvane-admin compact-photos, after a backup it takes itself) would make the register and each backup about %1 MB smaller.</source>
        <translation>
            <numerusform>%n photo is stored at full size, as earlier versions stored it. Converting it (rollvane-admin compact-photos, after a backup it takes itself) would make the register and each backup about %1 MB smaller.</numerusform>
            <numerusform>%n photos are stored at full size, as earlier versions stored them. Converting them (rollvane-admin compact-photos, after a backup it takes itself) would make the register and each backup about %1 MB smaller.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>calendar::SchoolCalendarWindow</name>
    <message numerus="yes">
        <source>The file holds %n entry(s) (%1), from %2 to %3.</source>
        <translation>
            <numerusform>The file holds %n entry (%1), from %2 to %3.</numerusform>
            <numerusform>The file holds %n entries (%1), from %2 to %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) added to the school calendar.</source>
        <translation>
            <numerusform>%n entry added to the school calendar.</numerusform>
            <numerusform>%n entries added to the school calendar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n it already held.</source>
        <translation>
            <numerusform>%n it already held.</numerusform>
            <numerusform>%n it already held.</numerusform>
        </translation>
    </message>
</context>
</TS>
