<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Aboutme</name>
    <message>
        <location filename="../../src/ui/settings/Aboutme.ui" line="+6"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/Aboutme.cpp" line="+30"/>
        <source>Vitacor Browser Pro V %1</source>
        <comment>simplified_chinese_ver</comment>
        <translation>Vitacor Browser Pro V %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Solvimara EX v%1</source>
        <comment>solvimara version</comment>
        <translation>Solvimara EX v%1</translation>
    </message>
</context>
<context>
    <name>AlreadyRunMessage</name>
    <message>
        <location filename="../../src/app/AlreadyRunMessage.cpp" line="+4"/>
        <source>Solvimara EX</source>
        <translation>Solvimara EX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>is already running...</source>
        <translation>wird bereits ausgeführt...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <comment>zh_cn_ver</comment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BasePaintHelper</name>
    <message>
        <location filename="../../src/report/BasePaintHelper.cpp" line="+55"/>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Physician:</source>
        <translation>Arzt:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
</context>
<context>
    <name>BodyCheckWidget</name>
    <message>
        <location filename="../../src/ui/rows/BodyCheckWidget.cpp" line="+20"/>
        <source>Lead:</source>
        <translation>Ableitung:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HR:</source>
        <translation>HF:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PR:</source>
        <translation>PF:</translation>
    </message>
</context>
<context>
    <name>CheckDispController</name>
    <message>
        <location filename="../../src/ui/records/CheckDispController.cpp" line="+307"/>
        <source>All Results</source>
        <translation>Alle Ergebnisse</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>All Users</source>
        <translation>Alle Benutzer</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>A download of this monitor is running; try again when it has finished.</source>
        <translation>Ein Download dieses Messgeräts läuft; versuchen Sie es erneut, wenn er beendet ist.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+39"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message numerus="yes">
        <location line="-40"/>
        <source>%n check(s) could not be deleted; they are kept with their files.</source>
        <translation>
            <numerusform>%n Messung konnte nicht gelöscht werden; sie bleibt mit ihren Dateien erhalten.</numerusform>
            <numerusform>%n Messungen konnten nicht gelöscht werden; sie bleiben mit ihren Dateien erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be removed:</source>
        <translation>Diese Dateien konnten nicht entfernt werden:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>ECG Holter</source>
        <translation>EKG-Holter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>item delete</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tips</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> item: </source>
        <translation> Eintrag: </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+47"/>
        <location line="+19"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>This voice note cannot be played.</source>
        <translation>Diese Sprachnotiz kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Möchten Sie wirklich alle ausgewählten Einträge löschen?</translation>
    </message>
</context>
<context>
    <name>CheckItemBase</name>
    <message>
        <location filename="../../src/ui/rows/CheckItemBase.cpp" line="+177"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Blutsauerstoff (SpO2):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Rate(PR):</source>
        <translation>Pulsfrequenz (PF):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perfusion Index(PI):</source>
        <translation>Perfusionsindex (PI):</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>Geburtsdatum:</translation>
    </message>
</context>
<context>
    <name>CheckType</name>
    <message>
        <location filename="../../src/files/CheckType.cpp" line="+30"/>
        <source>ECG Recorder</source>
        <translation>EKG-Rekorder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Oximeter</source>
        <translation>Pulsoximeter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thermometer</source>
        <translation>Thermometer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pedometer</source>
        <translation>Schrittzähler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily Check</source>
        <translation>Tägliche Messung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spot Check</source>
        <translation>Einzelmessung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Monitor</source>
        <translation>Schlafmonitor</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Pressure</source>
        <translation>Blutdruck</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZoravIvide</source>
        <translation>ZoravIvide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ECG Holter</source>
        <translation>Langzeit-EKG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Glucose</source>
        <translation>Blutzucker</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multi Test</source>
        <translation>Multitest</translation>
    </message>
</context>
<context>
    <name>DailyWidget</name>
    <message>
        <location filename="../../src/ui/rows/DailyWidget.cpp" line="+25"/>
        <source>HR:</source>
        <translation>HF:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SpO2:</source>
        <translation>SpO2:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PI:</source>
        <translation>PI:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Lead:</source>
        <translation>Ableitung:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cable:</source>
        <translation>Kabel:</translation>
    </message>
</context>
<context>
    <name>DbOperator</name>
    <message>
        <location filename="../../src/db/DbOperator.cpp" line="+265"/>
        <source>The record database %1 cannot be opened; check that its folder exists and can be written.</source>
        <translation>Die Messdatenbank %1 kann nicht geöffnet werden; prüfen Sie, ob ihr Ordner existiert und beschreibbar ist.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file %1 is not a record database; move it away to start with an empty one.</source>
        <translation>Die Datei %1 ist keine Messdatenbank; verschieben Sie sie, um mit einer leeren Datenbank zu beginnen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is damaged; keep a copy and move it away to start with an empty one.</source>
        <translation>Die Messdatenbank %1 ist beschädigt; bewahren Sie eine Kopie auf und verschieben Sie sie, um mit einer leeren Datenbank zu beginnen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 is locked by another program; close that program and try again.</source>
        <translation>Die Messdatenbank %1 ist von einem anderen Programm gesperrt; schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is not writable; check the permissions of the file and its folder.</source>
        <translation>Die Messdatenbank %1 ist nicht beschreibbar; prüfen Sie die Berechtigungen der Datei und ihres Ordners.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 lacks parts of its tables (%2); restore it from a copy, or move it away to start with an empty one.</source>
        <translation>Der Messwertdatenbank %1 fehlen Teile ihrer Tabellen (%2); stellen Sie sie aus einer Sicherung wieder her oder verschieben Sie sie, um mit einer leeren zu beginnen.</translation>
    </message>
</context>
<context>
    <name>DetailReportReview</name>
    <message>
        <location filename="../../src/ui/holter/DetailReportReview.cpp" line="+53"/>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>DevFilter</name>
    <message>
        <location filename="../../src/files/DeviceModel.cpp" line="+27"/>
        <location line="+7"/>
        <source>Vitacor Pro</source>
        <translation>Vitacor Pro</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Vitacor Lite HDMI</source>
        <translation>Vitacor Lite HDMI</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>Vitacor Pod</source>
        <translation>Vitacor Pod</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Vitacor Plus</source>
        <translation>Vitacor Plus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brinmoravel</source>
        <translation>Brinmoravel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cardivane</source>
        <translation>Cardivane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor Lite USB</source>
        <translation>Vitacor Lite USB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vitacor Pro A</source>
        <translation>Vitacor Pro A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faunoscan</source>
        <translation>Faunoscan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZIZ(0X11)</source>
        <translation>ZIZ(0X11)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor Pro X</source>
        <translation>Vitacor Pro X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor Pro</source>
        <comment>zh_cn_ver</comment>
        <translation>Vitacor Pro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor ECG</source>
        <translation>Vitacor EKG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QMR4</source>
        <translation>QMR4</translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <location filename="../../src/ui/records/DeviceWidget.cpp" line="+16"/>
        <source>Serial Number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Softwareversion:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>State: Connected</source>
        <translation>Status: Verbunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State: Offline</source>
        <translation>Status: Offline</translation>
    </message>
</context>
<context>
    <name>DialogFrame</name>
    <message>
        <location filename="../../src/ui/viewers/DialogFrame.cpp" line="+30"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
</context>
<context>
    <name>DownloadDeviceWidget</name>
    <message>
        <location filename="../../src/ui/download/DownloadDeviceWidget.cpp" line="+30"/>
        <source>Serial Number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Softwareversion:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+18"/>
        <location line="+34"/>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen...</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+30"/>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Download completed</source>
        <translation>Download abgeschlossen</translation>
    </message>
</context>
<context>
    <name>EcgAnalyseDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.ui" line="+13"/>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.cpp" line="+48"/>
        <location line="+156"/>
        <source>Hide Ruler</source>
        <translation>Lineal ausblenden</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.cpp" line="+0"/>
        <source>Show Ruler</source>
        <translation>Lineal einblenden</translation>
    </message>
</context>
<context>
    <name>EcgDetailDlg</name>
    <message>
        <location filename="../../src/ui/holter/EcgDetailDlg.ui" line="+14"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+50"/>
        <source>ECG</source>
        <translation>EKG</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+72"/>
        <source>HR:</source>
        <translation>HF:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>PVCs:</source>
        <translation>VES:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>QT:</source>
        <translation>QT:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>QTc:</source>
        <translation>QTc:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>QRS:</source>
        <translation>QRS:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Irregular R-R</source>
        <translation>Unregelmäßiges R-R</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pause(&gt;3s) : Detected</source>
        <translation>Pause (&gt;3 s): erkannt</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Previous Strip</source>
        <translation>Vorheriger Streifen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Previous Minute</source>
        <translation>Vorherige Minute</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Minute</source>
        <translation>Nächste Minute</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Strip</source>
        <translation>Nächster Streifen</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="-70"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>EcgWidget</name>
    <message>
        <location filename="../../src/ui/rows/EcgWidget.cpp" line="+24"/>
        <source>HR:</source>
        <translation>HF:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ST:</source>
        <translation>ST:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth:</source>
        <translation>Bandbreite:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lead:</source>
        <translation>Ableitung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cable:</source>
        <translation>Kabel:</translation>
    </message>
</context>
<context>
    <name>EdfExport</name>
    <message>
        <location filename="../../src/ui/viewers/EdfExport.cpp" line="+14"/>
        <source>Save EDF+</source>
        <translation>Als EDF+ speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDF+ (*.edf)</source>
        <translation>EDF+ (*.edf)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>create EDF file failed</source>
        <translation>EDF-Datei konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>EditDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.ui" line="+6"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Patient ID:</source>
        <translation>Patienten-ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Height:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> kg</source>
        <translation> kg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remarks:</source>
        <translation>Bemerkungen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.cpp" line="+23"/>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ExportGuard</name>
    <message>
        <location filename="../../src/sync/ExportGuard.cpp" line="+52"/>
        <source>%1 is a link to nothing; choose another file name.</source>
        <translation>%1 ist eine Verknüpfung ins Leere; wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a folder; choose a file name.</source>
        <translation>%1 ist ein Ordner; wählen Sie einen Dateinamen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a regular file; choose another file name.</source>
        <translation>%1 ist keine gewöhnliche Datei; wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the program&apos;s configuration file; choose another file name.</source>
        <translation>%1 ist die Konfigurationsdatei des Programms; wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 belongs to the record database; choose another file name.</source>
        <translation>%1 gehört zur Messwertdatenbank; wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is the program&apos;s log file; choose another file name.</source>
        <translation>%1 ist die Protokolldatei des Programms; wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 belongs to a download; choose another file name.</source>
        <translation>%1 gehört zu einem Download; wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 lies in a download&apos;s scratch folder; choose another folder.</source>
        <translation>%1 liegt im Zwischenordner eines Downloads; wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lies in the folder of the monitor %2, which holds its checks; choose another folder.</source>
        <translation>%1 liegt im Ordner des Messgeräts %2, der seine Messungen enthält; wählen Sie einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>ExportPath</name>
    <message>
        <location filename="../../src/ui/viewers/ExportPath.cpp" line="+22"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>GluWidget</name>
    <message>
        <location filename="../../src/ui/rows/GluWidget.cpp" line="+19"/>
        <source>Blood Glocose:</source>
        <translation>Blutzucker:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
</context>
<context>
    <name>HolterMinuteReportHelper</name>
    <message>
        <location filename="../../src/report/HolterMinuteReportHelper.cpp" line="+29"/>
        <source>ECG</source>
        <translation>EKG</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>ECG Report</source>
        <translation>EKG-Bericht</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Information</source>
        <translation>Patientendaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>Patientenname:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Physician:</source>
        <translation>Arzt:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indications:</source>
        <translation>Indikationen:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Time:</source>
        <translation>Messzeit:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>HR:</source>
        <translation>HF:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>VES:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT:</source>
        <translation>QT:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QTc:</source>
        <translation>QTc:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Irregular R-R</source>
        <translation>Unregelmäßiges R-R</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pause(&gt;3s): Detected</source>
        <translation>Pause (&gt;3 s): erkannt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
</context>
<context>
    <name>HolterPdfBatch</name>
    <message>
        <location filename="../../src/ui/holter/HolterPdfBatch.cpp" line="+22"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Select directory</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+6"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create PDF file failed.</source>
        <translation>Die PDF-Datei konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>HolterPrinting</name>
    <message>
        <location filename="../../src/ui/holter/HolterPrinting.cpp" line="+40"/>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Create PDF file failed.</source>
        <translation>Die PDF-Datei konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>HolterReport</name>
    <message>
        <location filename="../../src/holter/HolterReport.cpp" line="+203"/>
        <source>LEAD II</source>
        <translation>ABLEITUNG II</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CC5</source>
        <translation>CC5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CM5</source>
        <translation>CM5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User-defined</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>HolterReportHelper</name>
    <message>
        <location filename="../../src/report/HolterReportHelper.cpp" line="+141"/>
        <source>Holter ECG Report</source>
        <translation>Holter-EKG-Bericht</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Information</source>
        <translation>Patientendaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+77"/>
        <source>Patient Name:</source>
        <translation>Patientenname:</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+50"/>
        <source>Physician:</source>
        <translation>Arzt:</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indications:</source>
        <translation>Indikationen:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Recording Information</source>
        <translation>Aufzeichnungsdaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>Record Date:</source>
        <translation>Aufnahmedatum:</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Lead:</source>
        <translation>Ableitung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time:</source>
        <translation>Startzeit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Strips:</source>
        <translation>Streifen gesamt:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(1 minute)</source>
        <translation>(je 1 Minute)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Gesamtdauer:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The recording file is missing or incomplete.</source>
        <translation>Die Aufzeichnungsdatei fehlt oder ist unvollständig.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>General Summary</source>
        <translation>Allgemeine Übersicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS Complex:</source>
        <translation>QRS-Komplexe:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>VES:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg HR:</source>
        <translation>HF Mittel:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause(&gt;3s):</source>
        <translation>Pause (&gt;3 s):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strips</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max HR:</source>
        <translation>HF max.:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Min HR:</source>
        <translation>HF min.:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heart Rate Variability</source>
        <translation>Herzfrequenzvariabilität</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MEAN:</source>
        <translation>MITTEL:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SDNN:</source>
        <translation>SDNN:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RMSSD:</source>
        <translation>RMSSD:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNN50:</source>
        <translation>PNN50:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
</context>
<context>
    <name>HolterReportViewer</name>
    <message>
        <location filename="../../src/ui/holter/HolterReportViewer.cpp" line="+17"/>
        <source>Holter ECG Report</source>
        <translation>Holter-EKG-Bericht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>15 minutes per page</source>
        <translation>15 Minuten pro Seite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 minutes per page</source>
        <translation>30 Minuten pro Seite</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>HolterSummaryText</name>
    <message>
        <location filename="../../src/report/HolterSummaryText.cpp" line="+28"/>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Strips</source>
        <translation>Streifen</translation>
    </message>
</context>
<context>
    <name>HolterWidget</name>
    <message>
        <location filename="../../src/ui/holter/HolterWidget.cpp" line="+31"/>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>Patientenname:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Gesamtdauer:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
</context>
<context>
    <name>LeadText</name>
    <message>
        <location filename="../../src/report/LeadText.cpp" line="+16"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>LEAD I</source>
        <translation>ABLEITUNG I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LEAD II</source>
        <translation>ABLEITUNG II</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LEAD Wristova</source>
        <translation>ABLEITUNG Wristova</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Lead I</source>
        <translation>Ableitung I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lead II</source>
        <translation>Ableitung II</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chest Lead</source>
        <translation>Brustwandableitung</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MODE I</source>
        <translation>MODUS I</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MODE II</source>
        <translation>MODUS II</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../src/ui/MainWindow.ui" line="+26"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+84"/>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+1"/>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../../src/ui/MainWindow.cpp" line="-13"/>
        <source>Vitacor Browser Pro</source>
        <comment>zh_cn verion</comment>
        <translation>Vitacor Browser Pro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solvimara EX</source>
        <translation>Solvimara EX</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Select multiple records using CTRL and SHIFT key</source>
        <translation>Mehrere Datensätze mit den Tasten STRG und UMSCHALT auswählen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About me</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <location line="+285"/>
        <location line="+15"/>
        <source>Delete all items</source>
        <translation>Alle Einträge löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete selected items</source>
        <translation>Ausgewählte Einträge löschen</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+19"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+20"/>
        <source>Are you sure you want to delete all items?</source>
        <translation>Möchten Sie wirklich alle Einträge löschen?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Möchten Sie wirklich alle ausgewählten Einträge löschen?</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation>Sie löschen %1. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fail to delete: %1</source>
        <translation>Löschen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No items are selected.</source>
        <translation>Keine Einträge ausgewählt.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-236"/>
        <source>All Results</source>
        <translation>Alle Ergebnisse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Users</source>
        <translation>Alle Benutzer</translation>
    </message>
</context>
<context>
    <name>MultiTestDataDecorator</name>
    <message>
        <location filename="../../src/report/MultiTestDataDecorator.cpp" line="+29"/>
        <location line="+36"/>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>exception temp</source>
        <translation>Temperatur auffällig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>normal temp</source>
        <translation>Temperatur normal</translation>
    </message>
</context>
<context>
    <name>MultiTestWidget</name>
    <message>
        <location filename="../../src/ui/rows/MultiTestWidget.ui" line="+48"/>
        <source>DATATIME</source>
        <translation>DATUM/ZEIT</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>HR:</source>
        <translation>HF:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Blutsauerstoff (SpO2):</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pulse Rate(PR):</source>
        <translation>Pulsfrequenz (PF):</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Body Temperature:</source>
        <translation>Körpertemperatur:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Pressure: SYS/DIA</source>
        <translation>Blutdruck: SYS/DIA</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Glocose:</source>
        <translation>Blutzucker:</translation>
    </message>
    <message>
        <location filename="../../src/ui/rows/MultiTestWidget.cpp" line="+30"/>
        <source>Object temperature:</source>
        <translation>Objekttemperatur:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Körpertemperatur:</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <location filename="../../src/ui/MyMessageBox.cpp" line="+11"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>NibpWidget</name>
    <message>
        <location filename="../../src/ui/rows/NibpWidget.cpp" line="+29"/>
        <source>SYS:</source>
        <translation>SYS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIA:</source>
        <translation>DIA:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR:</source>
        <translation>PF:</translation>
    </message>
</context>
<context>
    <name>NoDataWidget</name>
    <message>
        <location filename="../../src/ui/records/NoDataWidget.ui" line="+28"/>
        <source>No Data</source>
        <translation>Keine Daten</translation>
    </message>
</context>
<context>
    <name>PedoWidget</name>
    <message>
        <location filename="../../src/ui/rows/PedoWidget.cpp" line="+21"/>
        <source>Steps:</source>
        <translation>Schritte:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Distance:</source>
        <translation>Strecke:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total calorie:</source>
        <translation>Kalorien gesamt:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fat:</source>
        <translation>Fett:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total time:</source>
        <translation>Gesamtzeit:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/browser/main.cpp" line="+76"/>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Bitte starten Sie die Software mit Administratorrechten neu</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Record database</source>
        <translation>Messdatenbank</translation>
    </message>
</context>
<context>
    <name>ReportHelper</name>
    <message>
        <location filename="../../src/report/ReportHelper.cpp" line="+84"/>
        <source>Regular electrocardiogram(ECG)</source>
        <translation>Regelmäßiges Elektrokardiogramm (EKG)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unable to Analyze</source>
        <translation>Keine Auswertung möglich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate, tachycardia</source>
        <translation>Schneller Herzschlag, Tachykardie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate, bradycardia</source>
        <translation>Langsamer Herzschlag, Bradykardie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular heartbeat</source>
        <translation>Unregelmäßiger Herzschlag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Premature Beat(PVC)</source>
        <translation>Verdacht auf Extrasystole (VES)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Heartbeat Pause</source>
        <translation>Verdacht auf Herzpause</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Atrial Fibrillation (AF)</source>
        <translation>Verdacht auf Vorhofflimmern (VHF)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS interval is too wide</source>
        <translation>QRS-Intervall zu breit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QTc interval prolongation</source>
        <translation>Verlängertes QTc-Intervall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QTc interval is too short</source>
        <translation>QTc-Intervall zu kurz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ST segment elevation</source>
        <translation>ST-Streckenhebung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ST segment depression</source>
        <translation>ST-Streckensenkung</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Report</source>
        <comment>zh_zn_ver</comment>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Paitent ID:</source>
        <translation>Patienten-ID:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location line="+297"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="-299"/>
        <location line="+3"/>
        <location line="+296"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="-295"/>
        <source>Date of Birth:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remarks: </source>
        <translation>Bemerkungen: </translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+22"/>
        <source>Measuring Time:</source>
        <translation>Messzeit:</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+24"/>
        <source>Bandwidth:</source>
        <translation>Bandbreite:</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+25"/>
        <location line="+217"/>
        <source>HR:</source>
        <translation>HF:</translation>
    </message>
    <message>
        <location line="-295"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+242"/>
        <source>QRS:</source>
        <translation>QRS:</translation>
    </message>
    <message>
        <location line="-293"/>
        <source>ST:</source>
        <translation>ST:</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <location line="+31"/>
        <location line="+241"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc:</translation>
    </message>
    <message>
        <location line="-268"/>
        <location line="+44"/>
        <source>Lead:</source>
        <translation>Ableitung:</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Cable:</source>
        <translation>Kabel:</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>SpO2:</source>
        <translation>SpO2:</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+25"/>
        <location line="+21"/>
        <source>PI:</source>
        <translation>PI:</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>ECG Bandwidth:</source>
        <translation>EKG-Bandbreite:</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+241"/>
        <source>Temperature:</source>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <location line="-228"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+220"/>
        <source>PR:</source>
        <translation>PF:</translation>
    </message>
    <message>
        <location line="-214"/>
        <location line="+205"/>
        <source>ECG:</source>
        <translation>EKG:</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>The strip is cut: %1 of %2 samples</source>
        <translation>Der Streifen ist abgeschnitten: %1 von %2 Messwerten</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Report</source>
        <comment>zh_cn_ver</comment>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TestTime:</source>
        <translation>Testzeit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Birthday:</source>
        <translation>Geburtstag:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Height:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>FingerPulse:</source>
        <translation>Fingerpuls:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Oxi:</source>
        <translation>SpO2:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>BP</source>
        <translation>BD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BG</source>
        <translation>BZ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SYS/DIA:</source>
        <translation>SYS/DIA:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Doctor:</source>
        <translation>Arzt:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../../src/report/ReportOutput.cpp" line="+150"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <location filename="../../src/ui/viewers/ReportPrinting.cpp" line="+87"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF File(*.pdf)</source>
        <translation>PDF-Datei(*.pdf)</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+30"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>The printer could not be started; nothing was printed.</source>
        <translation>Der Drucker konnte nicht gestartet werden; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>create pdf failed</source>
        <translation>PDF konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/ReportViewer.cpp" line="+31"/>
        <source>Print report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as JPG file</source>
        <translation>Als JPG-Datei speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analysis wave</source>
        <translation>Kurve analysieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit report</source>
        <translation>Bericht bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as CSV file</source>
        <translation>Als CSV-Datei speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save EDF+</source>
        <translation>Als EDF+ speichern</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF File(*.pdf)</source>
        <translation>PDF-Datei(*.pdf)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>create pdf failed</source>
        <translation>PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>create jpg failed</source>
        <translation>JPG konnte nicht erstellt werden</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <location filename="../../src/report/ResultText.cpp" line="+17"/>
        <source>Regular ECG Rhythm</source>
        <translation>Regelmäßiger EKG-Rhythmus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Heart Rate</source>
        <translation>Hohe Herzfrequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Heart Rate</source>
        <translation>Niedrige Herzfrequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High QRS Value</source>
        <translation>Hoher QRS-Wert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High ST Value</source>
        <translation>Hoher ST-Wert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low ST Value</source>
        <translation>Niedriger ST-Wert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular ECG Rhythm</source>
        <translation>Unregelmäßiger EKG-Rhythmus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Premature Beat</source>
        <translation>Verdacht auf Extrasystole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to Analyze</source>
        <translation>Keine Auswertung möglich</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Poor signal</source>
        <translation>Schwaches Signal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Poor pulse signal</source>
        <translation>Schwaches Pulssignal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regular heart beat</source>
        <translation>Regelmäßiger Herzschlag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Irregular heart beat</source>
        <translation>Unregelmäßiger Herzschlag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate</source>
        <translation>Schnelle Herzfrequenz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate</source>
        <translation>Langsame Herzfrequenz</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>High range blood pressure</source>
        <translation>Blutdruck im hohen Bereich</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Normal range blood pressure</source>
        <translation>Blutdruck im Normalbereich</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Normal Blood Oxygen</source>
        <translation>Normaler Blutsauerstoff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Blood Oxygen</source>
        <translation>Niedriger Blutsauerstoff</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No abnormalities detected</source>
        <translation>Keine Auffälligkeiten erkannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blood Oxygen drops detected</source>
        <translation>Blutsauerstoffabfälle erkannt</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Low range blood glucose</source>
        <translation>Blutzucker im niedrigen Bereich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>normal range blood glucose</source>
        <translation>Blutzucker im Normalbereich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High range blood glucose</source>
        <translation>Blutzucker im hohen Bereich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to analyze</source>
        <translation>Keine Auswertung möglich</translation>
    </message>
</context>
<context>
    <name>SetDataDirDlg</name>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.ui" line="+6"/>
        <source>Data directory</source>
        <translation>Datenordner</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Where the program keeps its data</source>
        <translation>Wo das Programm seine Daten ablegt</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+17"/>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="+75"/>
        <location line="+8"/>
        <source>Browser</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Data of the older program (optional)</source>
        <translation>Daten des älteren Programms (optional)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder holding the &quot;Vitacor_&quot; folders of each monitor. Leave it empty to start without them.</source>
        <translation>Der Ordner mit den „Vitacor_“-Ordnern der einzelnen Geräte. Leer lassen, um ohne sie zu beginnen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-detected</source>
        <translation>Automatisch gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Manual input</source>
        <translation>Manuelle Eingabe</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="-59"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import data of the older program</source>
        <translation>Daten des älteren Programms importieren</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+16"/>
        <location line="+5"/>
        <location line="+54"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Create directory failed.</source>
        <translation>Der Ordner konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No &quot;Vitacor_&quot; folder of the older program was found in %1.</source>
        <translation>In %1 wurde kein „Vitacor_“-Ordner des älteren Programms gefunden.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The data of some monitors could not be stored; the others were imported.</source>
        <translation>Die Daten einiger Geräte konnten nicht gespeichert werden; die übrigen wurden importiert.</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.ui" line="+6"/>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tips:After modifying the language, restart the software.</source>
        <translation>Hinweis: Nach einem Wechsel der Sprache starten Sie das Programm neu.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distance unit:</source>
        <translation>Entfernungseinheit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperial</source>
        <translation>Angloamerikanisch</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Temperature:</source>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Celsius</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data saved in:</source>
        <translation>Daten gespeichert in:</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="+221"/>
        <source>Browser</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import data of the older program...</source>
        <translation>Daten des älteren Programms importieren...</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="-162"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+4"/>
        <location line="+54"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Can not select subdirectory.</source>
        <translation>Ein Unterordner kann nicht gewählt werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The chosen path is a file, not a folder.</source>
        <translation>Der gewählte Pfad ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Some files could be neither moved nor copied; they stay in %1.</source>
        <translation>Einige Dateien ließen sich weder verschieben noch kopieren; sie bleiben in %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create directory failed.</source>
        <translation>Der Ordner konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The record database could not be copied to %1. Your data stays in %2; nothing was moved.</source>
        <translation>Die Messwertdatenbank konnte nicht nach %1 kopiert werden. Ihre Daten bleiben in %2; nichts wurde verschoben.</translation>
    </message>
</context>
<context>
    <name>SlmReportHelper</name>
    <message>
        <location filename="../../src/report/SlmReportHelper.cpp" line="+78"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>PR(/min)</source>
        <translation>PF(/min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2(%)</source>
        <translation>SpO2(%)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remarks:</source>
        <translation>Bemerkungen:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Measuring Time:</source>
        <translation>Messzeit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Duration:</source>
        <translation>Gesamtdauer:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>Statistik &lt;90%:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>Abfälle, Gesamtzeit:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average:</source>
        <translation>Mittelwert:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest:</source>
        <translation>Tiefstwert:</translation>
    </message>
</context>
<context>
    <name>SlmReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/SlmReportViewer.cpp" line="+21"/>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create file failed.</source>
        <translation>Datei konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>SlmWidget</name>
    <message>
        <location filename="../../src/ui/rows/SlmWidget.cpp" line="+27"/>
        <source>Total Duration:</source>
        <translation>Gesamtdauer:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>Statistik &lt;90%:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>Abfälle, Gesamtzeit:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average:</source>
        <translation>Mittelwert:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lowest:</source>
        <translation>Tiefstwert:</translation>
    </message>
</context>
<context>
    <name>Spo2TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/Spo2TempWidget.cpp" line="+22"/>
        <source>Body Temperature:</source>
        <translation>Körpertemperatur:</translation>
    </message>
</context>
<context>
    <name>SpotWidget</name>
    <message>
        <location filename="../../src/ui/rows/SpotWidget.cpp" line="+26"/>
        <source>patient id:</source>
        <translation>Patienten-ID:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>HR:</source>
        <translation>HF:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SpO2:</source>
        <translation>SpO2:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PI:</source>
        <translation>PI:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Temperature:</source>
        <translation>Temperatur:</translation>
    </message>
</context>
<context>
    <name>SummaryDlg</name>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.ui" line="+14"/>
        <source>Holter Summary</source>
        <translation>Holter-Übersicht</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Patient Information</source>
        <translation>Patienteninformationen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Patient Name:</source>
        <translation>Patientenname:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gender:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Date of Birth:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Physician:</source>
        <translation>Arzt:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Indications:</source>
        <translation>Indikationen:</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Recording Information</source>
        <translation>Aufzeichnungsinformationen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Record Date:</source>
        <translation>Aufnahmedatum:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Start Time:</source>
        <translation>Startzeit:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Time:</source>
        <translation>Gesamtdauer:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Strips:</source>
        <translation>Streifen gesamt:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lead:</source>
        <translation>Ableitung:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>General Summary</source>
        <translation>Allgemeine Übersicht</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Max HR:</source>
        <translation>Max. HF:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Min HR:</source>
        <translation>Min. HF:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Avg HR:</source>
        <translation>Mittl. HF:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>QRS Complexes:</source>
        <translation>QRS-Komplexe:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PVCs:</source>
        <translation>VES:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pause(&gt;3s)</source>
        <translation>Pause (&gt;3 s)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Heart Rate Variability</source>
        <translation>Herzfrequenzvariabilität</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MEAN:</source>
        <translation>MITTEL:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>SDNN:</source>
        <translation>SDNN:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>RMSSD:</source>
        <translation>RMSSD:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PNN50:</source>
        <translation>PNN50:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Comments:</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Strips Screening</source>
        <translation>Streifensuche</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>HR≥120</source>
        <translation>HF≥120</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>HR≤50</source>
        <translation>HF≤50</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QRS≥120ms</source>
        <translation>QRS≥120ms</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QTc≥480ms</source>
        <translation>QTc≥480ms</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PVCs≥2</source>
        <translation>VES≥2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Irregular R-R</source>
        <translation>Unregelmäßiges R-R</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>0 strips found</source>
        <translation>0 Streifen gefunden</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>View all ECG</source>
        <translation>Gesamtes EKG ansehen</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="+227"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Holter ECG Report</source>
        <translation>Holter-EKG-Bericht</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save EDF+</source>
        <translation>Als EDF+ speichern</translation>
    </message>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="-145"/>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>strips found</source>
        <translation>Streifen gefunden</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/download/SyncDlg.ui" line="+8"/>
        <location line="+39"/>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="+213"/>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>No monitor found. Plug a monitor in with its USB cable and switch it on; it appears here by itself. On Linux the program needs the udev rule for the monitor (see the README).</source>
        <translation>Kein Messgerät gefunden. Schließen Sie ein Messgerät mit seinem USB-Kabel an und schalten Sie es ein; es erscheint dann von selbst hier. Unter Linux benötigt das Programm die udev-Regel für das Messgerät (siehe README).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Refresh Device List</source>
        <translation>Geräteliste aktualisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download all device files</source>
        <translation>Alle Gerätedateien herunterladen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="-80"/>
        <source>A monitor is plugged in at %1, but this user may not open it. Install the udev rule that comes with the program as %2, then unplug the monitor and plug it in again.</source>
        <translation>An %1 ist ein Messgerät angeschlossen, aber dieser Benutzer darf es nicht öffnen. Installieren Sie die mit dem Programm gelieferte udev-Regel als %2, ziehen Sie dann das Messgerät ab und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Another download of this monitor is running</source>
        <translation>Ein anderer Download dieses Monitors läuft</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed: the data directory cannot be written (%1)</source>
        <translation>Download fehlgeschlagen: Das Datenverzeichnis ist nicht beschreibbar (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed. Check the cable</source>
        <translation>Download fehlgeschlagen. Prüfen Sie das Kabel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download completed</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Holter recording not downloaded</source>
        <translation>Holter-Aufzeichnung nicht heruntergeladen</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n record(s) without a valid time passed over</source>
        <translation>
            <numerusform>%n Eintrag ohne gültige Zeit übergangen</numerusform>
            <numerusform>%n Einträge ohne gültige Zeit übergangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n check(s) not stored: a stored check of another type has the same time</source>
        <translation>
            <numerusform>%n Messung nicht gespeichert: Eine gespeicherte Messung anderer Art hat dieselbe Zeit</numerusform>
            <numerusform>%n Messungen nicht gespeichert: Eine gespeicherte Messung anderer Art hat dieselbe Zeit</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Holter recording not stored: its size or duration disagrees with its header</source>
        <translation>Holter-Aufzeichnung nicht gespeichert: Größe oder Dauer passen nicht zu ihrem Kopf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The download folder could not be removed (%1)</source>
        <translation>Der Download-Ordner konnte nicht entfernt werden (%1)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The files of %1 arrived but could not be stored; nothing of this download was kept. Try the download again.</source>
        <translation>Die Dateien von %1 sind angekommen, konnten aber nicht gespeichert werden; von diesem Download wurde nichts übernommen. Versuchen Sie den Download erneut.</translation>
    </message>
</context>
<context>
    <name>TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/TempWidget.cpp" line="+21"/>
        <source>Object temperature:</source>
        <translation>Objekttemperatur:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Körpertemperatur:</translation>
    </message>
</context>
<context>
    <name>ViewAllEcgDlg</name>
    <message>
        <location filename="../../src/ui/holter/ViewAllEcgDlg.ui" line="+14"/>
        <source>ECG</source>
        <translation>EKG</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
</context>
</TS>
