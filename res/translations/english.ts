<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Aboutme</name>
    <message>
        <location filename="../../src/ui/settings/Aboutme.ui" line="+6"/>
        <source>About</source>
        <translation>About</translation>
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
        <translation>is already running...</translation>
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
        <translation>Date:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Physician:</source>
        <translation>Physician:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Female</translation>
    </message>
</context>
<context>
    <name>BodyCheckWidget</name>
    <message>
        <location filename="../../src/ui/rows/BodyCheckWidget.cpp" line="+20"/>
        <source>Lead:</source>
        <translation>Lead:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HR:</source>
        <translation>HR:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PR:</source>
        <translation>PR:</translation>
    </message>
</context>
<context>
    <name>CheckDispController</name>
    <message>
        <location filename="../../src/ui/records/CheckDispController.cpp" line="+307"/>
        <source>All Results</source>
        <translation>All Results</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>All Users</source>
        <translation>All Users</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>A download of this monitor is running; try again when it has finished.</source>
        <translation>A download of this monitor is running; try again when it has finished.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+39"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message numerus="yes">
        <location line="-40"/>
        <source>%n check(s) could not be deleted; they are kept with their files.</source>
        <translation>
            <numerusform>%n check could not be deleted; it is kept with its files.</numerusform>
            <numerusform>%n checks could not be deleted; they are kept with their files.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be removed:</source>
        <translation>These files could not be removed:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>ECG Holter</source>
        <translation>ECG Holter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>item delete</source>
        <translation>item delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> item: </source>
        <translation> item: </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+47"/>
        <location line="+19"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>This voice note cannot be played.</source>
        <translation>This voice note cannot be played.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Are you sure you want to delete all selected items?</translation>
    </message>
</context>
<context>
    <name>CheckItemBase</name>
    <message>
        <location filename="../../src/ui/rows/CheckItemBase.cpp" line="+177"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Blood Oxygen(SpO2):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Rate(PR):</source>
        <translation>Pulse Rate(PR):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perfusion Index(PI):</source>
        <translation>Perfusion Index(PI):</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Gender:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>Date of Birth:</translation>
    </message>
</context>
<context>
    <name>CheckType</name>
    <message>
        <location filename="../../src/files/CheckType.cpp" line="+30"/>
        <source>ECG Recorder</source>
        <translation>ECG Recorder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Oximeter</source>
        <translation>Pulse Oximeter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thermometer</source>
        <translation>Thermometer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pedometer</source>
        <translation>Pedometer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily Check</source>
        <translation>Daily Check</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spot Check</source>
        <translation>Spot Check</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Monitor</source>
        <translation>Sleep Monitor</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Pressure</source>
        <translation>Blood Pressure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZoravIvide</source>
        <translation>ZoravIvide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ECG Holter</source>
        <translation>ECG Holter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Glucose</source>
        <translation>Blood Glucose</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multi Test</source>
        <translation>Multi Test</translation>
    </message>
</context>
<context>
    <name>DailyWidget</name>
    <message>
        <location filename="../../src/ui/rows/DailyWidget.cpp" line="+25"/>
        <source>HR:</source>
        <translation>HR:</translation>
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
        <translation>Lead:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cable:</source>
        <translation>Cable:</translation>
    </message>
</context>
<context>
    <name>DbOperator</name>
    <message>
        <location filename="../../src/db/DbOperator.cpp" line="+265"/>
        <source>The record database %1 cannot be opened; check that its folder exists and can be written.</source>
        <translation>The record database %1 cannot be opened; check that its folder exists and can be written.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file %1 is not a record database; move it away to start with an empty one.</source>
        <translation>The file %1 is not a record database; move it away to start with an empty one.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is damaged; keep a copy and move it away to start with an empty one.</source>
        <translation>The record database %1 is damaged; keep a copy and move it away to start with an empty one.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 is locked by another program; close that program and try again.</source>
        <translation>The record database %1 is locked by another program; close that program and try again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is not writable; check the permissions of the file and its folder.</source>
        <translation>The record database %1 is not writable; check the permissions of the file and its folder.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 lacks parts of its tables (%2); restore it from a copy, or move it away to start with an empty one.</source>
        <translation>The record database %1 lacks parts of its tables (%2); restore it from a copy, or move it away to start with an empty one.</translation>
    </message>
</context>
<context>
    <name>DetailReportReview</name>
    <message>
        <location filename="../../src/ui/holter/DetailReportReview.cpp" line="+53"/>
        <source>Tip</source>
        <translation>Tip</translation>
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
        <translation>Vitacor ECG</translation>
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
        <translation>Serial Number:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Software Version:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>State: Connected</source>
        <translation>State: Connected</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State: Offline</source>
        <translation>State: Offline</translation>
    </message>
</context>
<context>
    <name>DialogFrame</name>
    <message>
        <location filename="../../src/ui/viewers/DialogFrame.cpp" line="+30"/>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save PDF</source>
        <translation>Save PDF</translation>
    </message>
</context>
<context>
    <name>DownloadDeviceWidget</name>
    <message>
        <location filename="../../src/ui/download/DownloadDeviceWidget.cpp" line="+30"/>
        <source>Serial Number:</source>
        <translation>Serial Number:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Software Version:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+18"/>
        <location line="+34"/>
        <source>Downloading...</source>
        <translation>Downloading...</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+30"/>
        <source>Download failed</source>
        <translation>Download failed</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Download completed</source>
        <translation>Download completed</translation>
    </message>
</context>
<context>
    <name>EcgAnalyseDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.ui" line="+13"/>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.cpp" line="+48"/>
        <location line="+156"/>
        <source>Hide Ruler</source>
        <translation>Hide Ruler</translation>
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
        <translation>Show Ruler</translation>
    </message>
</context>
<context>
    <name>EcgDetailDlg</name>
    <message>
        <location filename="../../src/ui/holter/EcgDetailDlg.ui" line="+14"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+50"/>
        <source>ECG</source>
        <translation>ECG</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+72"/>
        <source>HR:</source>
        <translation>HR:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>PVCs:</source>
        <translation>PVCs:</translation>
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
        <translation>Irregular R-R</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pause(&gt;3s) : Detected</source>
        <translation>Pause(&gt;3s) : Detected</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Ruler</source>
        <translation>Ruler</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Previous Strip</source>
        <translation>Previous Strip</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Previous Minute</source>
        <translation>Previous Minute</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Minute</source>
        <translation>Next Minute</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Strip</source>
        <translation>Next Strip</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="-70"/>
        <source>Print</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>EcgWidget</name>
    <message>
        <location filename="../../src/ui/rows/EcgWidget.cpp" line="+24"/>
        <source>HR:</source>
        <translation>HR:</translation>
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
        <translation>Bandwidth:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lead:</source>
        <translation>Lead:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cable:</source>
        <translation>Cable:</translation>
    </message>
</context>
<context>
    <name>EdfExport</name>
    <message>
        <location filename="../../src/ui/viewers/EdfExport.cpp" line="+14"/>
        <source>Save EDF+</source>
        <translation>Save EDF+</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDF+ (*.edf)</source>
        <translation>EDF+ (*.edf)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>create EDF file failed</source>
        <translation>create EDF file failed</translation>
    </message>
</context>
<context>
    <name>EditDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.ui" line="+6"/>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Patient ID:</source>
        <translation>Patient ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gender:</source>
        <translation>Gender:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>Date of Birth:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> kg</source>
        <translation> kg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remarks:</source>
        <translation>Remarks:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.cpp" line="+23"/>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ExportGuard</name>
    <message>
        <location filename="../../src/sync/ExportGuard.cpp" line="+52"/>
        <source>%1 is a link to nothing; choose another file name.</source>
        <translation>%1 is a link to nothing; choose another file name.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a folder; choose a file name.</source>
        <translation>%1 is a folder; choose a file name.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a regular file; choose another file name.</source>
        <translation>%1 is not a regular file; choose another file name.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the program&apos;s configuration file; choose another file name.</source>
        <translation>%1 is the program&apos;s configuration file; choose another file name.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 belongs to the record database; choose another file name.</source>
        <translation>%1 belongs to the record database; choose another file name.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is the program&apos;s log file; choose another file name.</source>
        <translation>%1 is the program&apos;s log file; choose another file name.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 belongs to a download; choose another file name.</source>
        <translation>%1 belongs to a download; choose another file name.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 lies in a download&apos;s scratch folder; choose another folder.</source>
        <translation>%1 lies in a download&apos;s scratch folder; choose another folder.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lies in the folder of the monitor %2, which holds its checks; choose another folder.</source>
        <translation>%1 lies in the folder of the monitor %2, which holds its checks; choose another folder.</translation>
    </message>
</context>
<context>
    <name>ExportPath</name>
    <message>
        <location filename="../../src/ui/viewers/ExportPath.cpp" line="+22"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>GluWidget</name>
    <message>
        <location filename="../../src/ui/rows/GluWidget.cpp" line="+19"/>
        <source>Blood Glocose:</source>
        <translation>Blood Glocose:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
</context>
<context>
    <name>HolterMinuteReportHelper</name>
    <message>
        <location filename="../../src/report/HolterMinuteReportHelper.cpp" line="+29"/>
        <source>ECG</source>
        <translation>ECG</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>ECG Report</source>
        <translation>ECG Report</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Information</source>
        <translation>Patient Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>Patient Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Physician:</source>
        <translation>Physician:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Gender:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Date of Birth:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indications:</source>
        <translation>Indications:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Time:</source>
        <translation>Check Time:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>HR:</source>
        <translation>HR:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>PVCs:</translation>
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
        <translation>Irregular R-R</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pause(&gt;3s): Detected</source>
        <translation>Pause(&gt;3s): Detected</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comments</source>
        <translation>Comments</translation>
    </message>
</context>
<context>
    <name>HolterPdfBatch</name>
    <message>
        <location filename="../../src/ui/holter/HolterPdfBatch.cpp" line="+22"/>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Select directory</source>
        <translation>Select directory</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+6"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create PDF file failed.</source>
        <translation>Create PDF file failed.</translation>
    </message>
</context>
<context>
    <name>HolterPrinting</name>
    <message>
        <location filename="../../src/ui/holter/HolterPrinting.cpp" line="+40"/>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Create PDF file failed.</source>
        <translation>Create PDF file failed.</translation>
    </message>
</context>
<context>
    <name>HolterReport</name>
    <message>
        <location filename="../../src/holter/HolterReport.cpp" line="+203"/>
        <source>LEAD II</source>
        <translation>LEAD II</translation>
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
        <translation>User-defined</translation>
    </message>
</context>
<context>
    <name>HolterReportHelper</name>
    <message>
        <location filename="../../src/report/HolterReportHelper.cpp" line="+141"/>
        <source>Holter ECG Report</source>
        <translation>Holter ECG Report</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Information</source>
        <translation>Patient Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+77"/>
        <source>Patient Name:</source>
        <translation>Patient Name:</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+50"/>
        <source>Physician:</source>
        <translation>Physician:</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Gender:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Date of Birth:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indications:</source>
        <translation>Indications:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Recording Information</source>
        <translation>Recording Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>Record Date:</source>
        <translation>Record Date:</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Lead:</source>
        <translation>Lead:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time:</source>
        <translation>Start Time:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Strips:</source>
        <translation>Total Strips:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(1 minute)</source>
        <translation>(1 minute)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Total Time:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The recording file is missing or incomplete.</source>
        <translation>The recording file is missing or incomplete.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>General Summary</source>
        <translation>General Summary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS Complex:</source>
        <translation>QRS Complex:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>PVCs:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg HR:</source>
        <translation>Avg HR:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause(&gt;3s):</source>
        <translation>Pause(&gt;3s):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strips</source>
        <translation>Strips</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max HR:</source>
        <translation>Max HR:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Min HR:</source>
        <translation>Min HR:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heart Rate Variability</source>
        <translation>Heart Rate Variability</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MEAN:</source>
        <translation>MEAN:</translation>
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
        <translation>Comments</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
</context>
<context>
    <name>HolterReportViewer</name>
    <message>
        <location filename="../../src/ui/holter/HolterReportViewer.cpp" line="+17"/>
        <source>Holter ECG Report</source>
        <translation>Holter ECG Report</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>15 minutes per page</source>
        <translation>15 minutes per page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 minutes per page</source>
        <translation>30 minutes per page</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>HolterSummaryText</name>
    <message>
        <location filename="../../src/report/HolterSummaryText.cpp" line="+28"/>
        <source>minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Strips</source>
        <translation>Strips</translation>
    </message>
</context>
<context>
    <name>HolterWidget</name>
    <message>
        <location filename="../../src/ui/holter/HolterWidget.cpp" line="+31"/>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>Patient Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Gender:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Date of Birth:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Total Time:</translation>
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
        <translation>Yes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>LEAD I</source>
        <translation>LEAD I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LEAD II</source>
        <translation>LEAD II</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LEAD Wristova</source>
        <translation>LEAD Wristova</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Lead I</source>
        <translation>Lead I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lead II</source>
        <translation>Lead II</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chest Lead</source>
        <translation>Chest Lead</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MODE I</source>
        <translation>MODE I</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MODE II</source>
        <translation>MODE II</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wide</source>
        <translation>Wide</translation>
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
        <translation>Connect</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+1"/>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>About</translation>
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
        <translation>Select multiple records using CTRL and SHIFT key</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About me</source>
        <translation>About me</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>All Results</source>
        <translation>All Results</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Users</source>
        <translation>All Users</translation>
    </message>
    <message>
        <location line="+195"/>
        <location line="+19"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+15"/>
        <source>Delete all items</source>
        <translation>Delete all items</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+20"/>
        <source>Are you sure you want to delete all items?</source>
        <translation>Are you sure you want to delete all items?</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation>You are deleting %1. Do you want to continue?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete selected items</source>
        <translation>Delete selected items</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No items are selected.</source>
        <translation>No items are selected.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Are you sure you want to delete all selected items?</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fail to delete: %1</source>
        <translation>Fail to delete: %1</translation>
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
        <translation>exception temp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>normal temp</source>
        <translation>normal temp</translation>
    </message>
</context>
<context>
    <name>MultiTestWidget</name>
    <message>
        <location filename="../../src/ui/rows/MultiTestWidget.ui" line="+48"/>
        <source>DATATIME</source>
        <translation>DATATIME</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>HR:</source>
        <translation>HR:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Blood Oxygen(SpO2):</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pulse Rate(PR):</source>
        <translation>Pulse Rate(PR):</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Body Temperature:</source>
        <translation>Body Temperature:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Pressure: SYS/DIA</source>
        <translation>Blood Pressure: SYS/DIA</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Glocose:</source>
        <translation>Blood Glocose:</translation>
    </message>
    <message>
        <location filename="../../src/ui/rows/MultiTestWidget.cpp" line="+30"/>
        <source>Object temperature:</source>
        <translation>Object temperature:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Body temperature:</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <location filename="../../src/ui/MyMessageBox.cpp" line="+11"/>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>No</translation>
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
        <translation>PR:</translation>
    </message>
</context>
<context>
    <name>NoDataWidget</name>
    <message>
        <location filename="../../src/ui/records/NoDataWidget.ui" line="+28"/>
        <source>No Data</source>
        <translation>No Data</translation>
    </message>
</context>
<context>
    <name>PedoWidget</name>
    <message>
        <location filename="../../src/ui/rows/PedoWidget.cpp" line="+21"/>
        <source>Steps:</source>
        <translation>Steps:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Distance:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total calorie:</source>
        <translation>Total calorie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fat:</source>
        <translation>Fat:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total time:</source>
        <translation>Total time:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/browser/main.cpp" line="+76"/>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Please relaunch the software with administrator privileges</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Record database</source>
        <translation>Record database</translation>
    </message>
</context>
<context>
    <name>ReportHelper</name>
    <message>
        <location filename="../../src/report/ReportHelper.cpp" line="+84"/>
        <source>Regular electrocardiogram(ECG)</source>
        <translation>Regular electrocardiogram(ECG)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unable to Analyze</source>
        <translation>Unable to Analyze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate, tachycardia</source>
        <translation>Fast heart rate, tachycardia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate, bradycardia</source>
        <translation>Slow heart rate, bradycardia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular heartbeat</source>
        <translation>Irregular heartbeat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Premature Beat(PVC)</source>
        <translation>Suspected Premature Beat(PVC)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Heartbeat Pause</source>
        <translation>Suspected Heartbeat Pause</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Atrial Fibrillation (AF)</source>
        <translation>Suspected Atrial Fibrillation (AF)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS interval is too wide</source>
        <translation>QRS interval is too wide</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QTc interval prolongation</source>
        <translation>QTc interval prolongation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QTc interval is too short</source>
        <translation>QTc interval is too short</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ST segment elevation</source>
        <translation>ST segment elevation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ST segment depression</source>
        <translation>ST segment depression</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Report</source>
        <comment>zh_zn_ver</comment>
        <translation>Report</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Paitent ID:</source>
        <translation>Paitent ID:</translation>
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
        <translation>Gender:</translation>
    </message>
    <message>
        <location line="-295"/>
        <source>Date of Birth:</source>
        <translation>Date of Birth:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remarks: </source>
        <translation>Remarks: </translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+22"/>
        <source>Measuring Time:</source>
        <translation>Measuring Time:</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+24"/>
        <source>Bandwidth:</source>
        <translation>Bandwidth:</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+25"/>
        <location line="+217"/>
        <source>HR:</source>
        <translation>HR:</translation>
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
        <translation>Lead:</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Cable:</source>
        <translation>Cable:</translation>
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
        <translation>ECG Bandwidth:</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+241"/>
        <source>Temperature:</source>
        <translation>Temperature:</translation>
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
        <translation>PR:</translation>
    </message>
    <message>
        <location line="-214"/>
        <location line="+205"/>
        <source>ECG:</source>
        <translation>ECG:</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>The strip is cut: %1 of %2 samples</source>
        <translation>The strip is cut: %1 of %2 samples</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Report</source>
        <comment>zh_cn_ver</comment>
        <translation>Report</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TestTime:</source>
        <translation>TestTime:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Birthday:</source>
        <translation>Birthday:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Weight:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>FingerPulse:</source>
        <translation>FingerPulse:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Oxi:</source>
        <translation>Oxi:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>BP</source>
        <translation>BP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BG</source>
        <translation>BG</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SYS/DIA:</source>
        <translation>SYS/DIA:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Doctor:</source>
        <translation>Doctor:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../../src/report/ReportOutput.cpp" line="+150"/>
        <source>Report</source>
        <translation>Report</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <location filename="../../src/ui/viewers/ReportPrinting.cpp" line="+87"/>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF File(*.pdf)</source>
        <translation>PDF File(*.pdf)</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+30"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>The printer could not be started; nothing was printed.</source>
        <translation>The printer could not be started; nothing was printed.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>create pdf failed</source>
        <translation>create pdf failed</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/ReportViewer.cpp" line="+31"/>
        <source>Print report</source>
        <translation>Print report</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as JPG file</source>
        <translation>Save as JPG file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analysis wave</source>
        <translation>Analysis wave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit report</source>
        <translation>Edit report</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as CSV file</source>
        <translation>Save as CSV file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save EDF+</source>
        <translation>Save EDF+</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF File(*.pdf)</source>
        <translation>PDF File(*.pdf)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>create pdf failed</source>
        <translation>create pdf failed</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>create jpg failed</source>
        <translation>create jpg failed</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>fail to save</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <location filename="../../src/report/ResultText.cpp" line="+17"/>
        <source>Regular ECG Rhythm</source>
        <translation>Regular ECG Rhythm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Heart Rate</source>
        <translation>High Heart Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Heart Rate</source>
        <translation>Low Heart Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High QRS Value</source>
        <translation>High QRS Value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High ST Value</source>
        <translation>High ST Value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low ST Value</source>
        <translation>Low ST Value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular ECG Rhythm</source>
        <translation>Irregular ECG Rhythm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Premature Beat</source>
        <translation>Suspected Premature Beat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to Analyze</source>
        <translation>Unable to Analyze</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Poor signal</source>
        <translation>Poor signal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Poor pulse signal</source>
        <translation>Poor pulse signal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regular heart beat</source>
        <translation>Regular heart beat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Irregular heart beat</source>
        <translation>Irregular heart beat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate</source>
        <translation>Fast heart rate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate</source>
        <translation>Slow heart rate</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>High range blood pressure</source>
        <translation>High range blood pressure</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Normal range blood pressure</source>
        <translation>Normal range blood pressure</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Normal Blood Oxygen</source>
        <translation>Normal Blood Oxygen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Blood Oxygen</source>
        <translation>Low Blood Oxygen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No abnormalities detected</source>
        <translation>No abnormalities detected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blood Oxygen drops detected</source>
        <translation>Blood Oxygen drops detected</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Low range blood glucose</source>
        <translation>Low range blood glucose</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>normal range blood glucose</source>
        <translation>normal range blood glucose</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High range blood glucose</source>
        <translation>High range blood glucose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to analyze</source>
        <translation>Unable to analyze</translation>
    </message>
</context>
<context>
    <name>SetDataDirDlg</name>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.ui" line="+6"/>
        <source>Data directory</source>
        <translation>Data directory</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Where the program keeps its data</source>
        <translation>Where the program keeps its data</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+17"/>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="+75"/>
        <location line="+8"/>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Data of the older program (optional)</source>
        <translation>Data of the older program (optional)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder holding the &quot;Vitacor_&quot; folders of each monitor. Leave it empty to start without them.</source>
        <translation>The folder holding the &quot;Vitacor_&quot; folders of each monitor. Leave it empty to start without them.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-detected</source>
        <translation>Auto-detected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Manual input</source>
        <translation>Manual input</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="-59"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import data of the older program</source>
        <translation>Import data of the older program</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+16"/>
        <location line="+5"/>
        <location line="+54"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Create directory failed.</source>
        <translation>Create directory failed.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No &quot;Vitacor_&quot; folder of the older program was found in %1.</source>
        <translation>No &quot;Vitacor_&quot; folder of the older program was found in %1.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The data of some monitors could not be stored; the others were imported.</source>
        <translation>The data of some monitors could not be stored; the others were imported.</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.ui" line="+6"/>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tips:After modifying the language, restart the software.</source>
        <translation>Tips:After modifying the language, restart the software.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distance unit:</source>
        <translation>Distance unit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Metric</source>
        <translation>Metric</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Temperature:</source>
        <translation>Temperature:</translation>
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
        <translation>Data saved in:</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="+221"/>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import data of the older program...</source>
        <translation>Import data of the older program...</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="-162"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+4"/>
        <location line="+54"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Can not select subdirectory.</source>
        <translation>Can not select subdirectory.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The chosen path is a file, not a folder.</source>
        <translation>The chosen path is a file, not a folder.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Some files could be neither moved nor copied; they stay in %1.</source>
        <translation>Some files could be neither moved nor copied; they stay in %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create directory failed.</source>
        <translation>Create directory failed.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The record database could not be copied to %1. Your data stays in %2; nothing was moved.</source>
        <translation>The record database could not be copied to %1. Your data stays in %2; nothing was moved.</translation>
    </message>
</context>
<context>
    <name>SlmReportHelper</name>
    <message>
        <location filename="../../src/report/SlmReportHelper.cpp" line="+78"/>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>PR(/min)</source>
        <translation>PR(/min)</translation>
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
        <translation>Gender:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Date of Birth:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remarks:</source>
        <translation>Remarks:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Measuring Time:</source>
        <translation>Measuring Time:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Duration:</source>
        <translation>Total Duration:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>&lt;90% Statistics:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>drops, Total time:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average:</source>
        <translation>Average:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest:</source>
        <translation>Lowest:</translation>
    </message>
</context>
<context>
    <name>SlmReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/SlmReportViewer.cpp" line="+21"/>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create file failed.</source>
        <translation>Create file failed.</translation>
    </message>
</context>
<context>
    <name>SlmWidget</name>
    <message>
        <location filename="../../src/ui/rows/SlmWidget.cpp" line="+27"/>
        <source>Total Duration:</source>
        <translation>Total Duration:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>&lt;90% Statistics:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>drops, Total time:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average:</source>
        <translation>Average:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lowest:</source>
        <translation>Lowest:</translation>
    </message>
</context>
<context>
    <name>Spo2TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/Spo2TempWidget.cpp" line="+22"/>
        <source>Body Temperature:</source>
        <translation>Body Temperature:</translation>
    </message>
</context>
<context>
    <name>SpotWidget</name>
    <message>
        <location filename="../../src/ui/rows/SpotWidget.cpp" line="+26"/>
        <source>patient id:</source>
        <translation>patient id:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>HR:</source>
        <translation>HR:</translation>
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
        <translation>Temperature:</translation>
    </message>
</context>
<context>
    <name>SummaryDlg</name>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.ui" line="+14"/>
        <source>Holter Summary</source>
        <translation>Holter Summary</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Patient Information</source>
        <translation>Patient Information</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Patient Name:</source>
        <translation>Patient Name:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gender:</source>
        <translation>Gender:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Date of Birth:</source>
        <translation>Date of Birth:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Physician:</source>
        <translation>Physician:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Indications:</source>
        <translation>Indications:</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Recording Information</source>
        <translation>Recording Information</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Record Date:</source>
        <translation>Record Date:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Start Time:</source>
        <translation>Start Time:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Time:</source>
        <translation>Total Time:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Strips:</source>
        <translation>Total Strips:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lead:</source>
        <translation>Lead:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>General Summary</source>
        <translation>General Summary</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Max HR:</source>
        <translation>Max HR:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Min HR:</source>
        <translation>Min HR:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Avg HR:</source>
        <translation>Avg HR:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>QRS Complexes:</source>
        <translation>QRS Complexes:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PVCs:</source>
        <translation>PVCs:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pause(&gt;3s)</source>
        <translation>Pause(&gt;3s)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Heart Rate Variability</source>
        <translation>Heart Rate Variability</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MEAN:</source>
        <translation>MEAN:</translation>
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
        <translation>Comments:</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Strips Screening</source>
        <translation>Strips Screening</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>HR≥120</source>
        <translation>HR≥120</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>HR≤50</source>
        <translation>HR≤50</translation>
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
        <translation>PVCs≥2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Irregular R-R</source>
        <translation>Irregular R-R</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>0 strips found</source>
        <translation>0 strips found</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>View all ECG</source>
        <translation>View all ECG</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="+227"/>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Holter ECG Report</source>
        <translation>Holter ECG Report</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save EDF+</source>
        <translation>Save EDF+</translation>
    </message>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="-145"/>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>strips found</source>
        <translation>strips found</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>fail to save</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/download/SyncDlg.ui" line="+8"/>
        <location line="+39"/>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="+213"/>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>No monitor found. Plug a monitor in with its USB cable and switch it on; it appears here by itself. On Linux the program needs the udev rule for the monitor (see the README).</source>
        <translation>No monitor found. Plug a monitor in with its USB cable and switch it on; it appears here by itself. On Linux the program needs the udev rule for the monitor (see the README).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Refresh Device List</source>
        <translation>Refresh Device List</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download all device files</source>
        <translation>Download all device files</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="-80"/>
        <source>A monitor is plugged in at %1, but this user may not open it. Install the udev rule that comes with the program as %2, then unplug the monitor and plug it in again.</source>
        <translation>A monitor is plugged in at %1, but this user may not open it. Install the udev rule that comes with the program as %2, then unplug the monitor and plug it in again.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Another download of this monitor is running</source>
        <translation>Another download of this monitor is running</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed: the data directory cannot be written (%1)</source>
        <translation>Download failed: the data directory cannot be written (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed. Check the cable</source>
        <translation>Download failed. Check the cable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed</source>
        <translation>Download failed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download completed</source>
        <translation>Download completed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Holter recording not downloaded</source>
        <translation>Holter recording not downloaded</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n record(s) without a valid time passed over</source>
        <translation>
            <numerusform>%n record without a valid time passed over</numerusform>
            <numerusform>%n records without a valid time passed over</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n check(s) not stored: a stored check of another type has the same time</source>
        <translation>
            <numerusform>%n check not stored: a stored check of another type has the same time</numerusform>
            <numerusform>%n checks not stored: a stored check of another type has the same time</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Holter recording not stored: its size or duration disagrees with its header</source>
        <translation>Holter recording not stored: its size or duration disagrees with its header</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The download folder could not be removed (%1)</source>
        <translation>The download folder could not be removed (%1)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The files of %1 arrived but could not be stored; nothing of this download was kept. Try the download again.</source>
        <translation>The files of %1 arrived but could not be stored; nothing of this download was kept. Try the download again.</translation>
    </message>
</context>
<context>
    <name>TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/TempWidget.cpp" line="+21"/>
        <source>Object temperature:</source>
        <translation>Object temperature:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Body temperature:</translation>
    </message>
</context>
<context>
    <name>ViewAllEcgDlg</name>
    <message>
        <location filename="../../src/ui/holter/ViewAllEcgDlg.ui" line="+14"/>
        <source>ECG</source>
        <translation>ECG</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Previous Page</source>
        <translation>Previous Page</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Next Page</source>
        <translation>Next Page</translation>
    </message>
</context>
</TS>
