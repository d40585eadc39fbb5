<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Aboutme</name>
    <message>
        <location filename="../../src/ui/settings/Aboutme.ui" line="+6"/>
        <source>About</source>
        <translation>Informazioni</translation>
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
        <translation>è già in esecuzione...</translation>
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
        <translation>Data:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Physician:</source>
        <translation>Medico:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Male</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
</context>
<context>
    <name>BodyCheckWidget</name>
    <message>
        <location filename="../../src/ui/rows/BodyCheckWidget.cpp" line="+20"/>
        <source>Lead:</source>
        <translation>Derivazione:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HR:</source>
        <translation>FC:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PR:</source>
        <translation>FP:</translation>
    </message>
</context>
<context>
    <name>CheckDispController</name>
    <message>
        <location filename="../../src/ui/records/CheckDispController.cpp" line="+307"/>
        <source>All Results</source>
        <translation>Tutti i risultati</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>All Users</source>
        <translation>Tutti gli utenti</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>A download of this monitor is running; try again when it has finished.</source>
        <translation>È in corso un download da questo dispositivo; riprova quando sarà terminato.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+39"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message numerus="yes">
        <location line="-40"/>
        <source>%n check(s) could not be deleted; they are kept with their files.</source>
        <translation>
            <numerusform>%n misurazione non è stata eliminata; resta con i suoi file.</numerusform>
            <numerusform>%n misurazioni non sono state eliminate; restano con i loro file.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be removed:</source>
        <translation>Non è stato possibile rimuovere questi file:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>ECG Holter</source>
        <translation>ECG Holter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>item delete</source>
        <translation>elemento da eliminare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tips</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> item: </source>
        <translation> elemento: </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+47"/>
        <location line="+19"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>This voice note cannot be played.</source>
        <translation>Questa nota vocale non può essere riprodotta.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Eliminare davvero tutti gli elementi selezionati?</translation>
    </message>
</context>
<context>
    <name>CheckItemBase</name>
    <message>
        <location filename="../../src/ui/rows/CheckItemBase.cpp" line="+177"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Ossigeno nel sangue (SpO2):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Rate(PR):</source>
        <translation>Frequenza del polso (FP):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perfusion Index(PI):</source>
        <translation>Indice di perfusione (IP):</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Male</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>Data di nascita:</translation>
    </message>
</context>
<context>
    <name>CheckType</name>
    <message>
        <location filename="../../src/files/CheckType.cpp" line="+30"/>
        <source>ECG Recorder</source>
        <translation>Registratore ECG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Oximeter</source>
        <translation>Pulsossimetro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thermometer</source>
        <translation>Termometro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pedometer</source>
        <translation>Contapassi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily Check</source>
        <translation>Controllo quotidiano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spot Check</source>
        <translation>Misurazione singola</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Monitor</source>
        <translation>Monitor del sonno</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Pressure</source>
        <translation>Pressione arteriosa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZoravIvide</source>
        <translation>ZoravIvide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ECG Holter</source>
        <translation>Holter ECG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Glucose</source>
        <translation>Glicemia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multi Test</source>
        <translation>Multi-test</translation>
    </message>
</context>
<context>
    <name>DailyWidget</name>
    <message>
        <location filename="../../src/ui/rows/DailyWidget.cpp" line="+25"/>
        <source>HR:</source>
        <translation>FC:</translation>
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
        <translation>IP:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Lead:</source>
        <translation>Derivazione:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cable:</source>
        <translation>Cavo:</translation>
    </message>
</context>
<context>
    <name>DbOperator</name>
    <message>
        <location filename="../../src/db/DbOperator.cpp" line="+265"/>
        <source>The record database %1 cannot be opened; check that its folder exists and can be written.</source>
        <translation>Il database delle misurazioni %1 non può essere aperto; verificare che la sua cartella esista e sia scrivibile.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file %1 is not a record database; move it away to start with an empty one.</source>
        <translation>Il file %1 non è un database delle misurazioni; spostarlo altrove per iniziare con un database vuoto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is damaged; keep a copy and move it away to start with an empty one.</source>
        <translation>Il database delle misurazioni %1 è danneggiato; conservarne una copia e spostarlo altrove per iniziare con un database vuoto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 is locked by another program; close that program and try again.</source>
        <translation>Il database delle misurazioni %1 è bloccato da un altro programma; chiudere quel programma e riprovare.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is not writable; check the permissions of the file and its folder.</source>
        <translation>Il database delle misurazioni %1 non è scrivibile; verificare i permessi del file e della sua cartella.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 lacks parts of its tables (%2); restore it from a copy, or move it away to start with an empty one.</source>
        <translation>Al database delle misure %1 mancano parti delle tabelle (%2); ripristinalo da una copia o spostalo altrove per ripartire da uno vuoto.</translation>
    </message>
</context>
<context>
    <name>DetailReportReview</name>
    <message>
        <location filename="../../src/ui/holter/DetailReportReview.cpp" line="+53"/>
        <source>Tip</source>
        <translation>Suggerimento</translation>
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
        <translation>Numero di serie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Versione software:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>State: Connected</source>
        <translation>Stato: connesso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State: Offline</source>
        <translation>Stato: offline</translation>
    </message>
</context>
<context>
    <name>DialogFrame</name>
    <message>
        <location filename="../../src/ui/viewers/DialogFrame.cpp" line="+30"/>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save PDF</source>
        <translation>Salva PDF</translation>
    </message>
</context>
<context>
    <name>DownloadDeviceWidget</name>
    <message>
        <location filename="../../src/ui/download/DownloadDeviceWidget.cpp" line="+30"/>
        <source>Serial Number:</source>
        <translation>Numero di serie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Versione software:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+18"/>
        <location line="+34"/>
        <source>Downloading...</source>
        <translation>Download in corso...</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+30"/>
        <source>Download failed</source>
        <translation>Download non riuscito</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Download completed</source>
        <translation>Download completato</translation>
    </message>
</context>
<context>
    <name>EcgAnalyseDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.ui" line="+13"/>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.cpp" line="+48"/>
        <location line="+156"/>
        <source>Hide Ruler</source>
        <translation>Nascondi righello</translation>
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
        <translation>Mostra righello</translation>
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
        <translation>FC:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>PVCs:</source>
        <translation>BEV:</translation>
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
        <translation>R-R irregolare</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pause(&gt;3s) : Detected</source>
        <translation>Pausa (&gt;3 s): rilevata</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Ruler</source>
        <translation>Righello</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Previous Strip</source>
        <translation>Tracciato precedente</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Previous Minute</source>
        <translation>Minuto precedente</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Minute</source>
        <translation>Minuto successivo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Strip</source>
        <translation>Tracciato successivo</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="-70"/>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
</context>
<context>
    <name>EcgWidget</name>
    <message>
        <location filename="../../src/ui/rows/EcgWidget.cpp" line="+24"/>
        <source>HR:</source>
        <translation>FC:</translation>
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
        <translation>Larghezza di banda:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lead:</source>
        <translation>Derivazione:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cable:</source>
        <translation>Cavo:</translation>
    </message>
</context>
<context>
    <name>EdfExport</name>
    <message>
        <location filename="../../src/ui/viewers/EdfExport.cpp" line="+14"/>
        <source>Save EDF+</source>
        <translation>Salva come EDF+</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDF+ (*.edf)</source>
        <translation>EDF+ (*.edf)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>create EDF file failed</source>
        <translation>Creazione del file EDF non riuscita</translation>
    </message>
</context>
<context>
    <name>EditDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.ui" line="+6"/>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Patient ID:</source>
        <translation>ID paziente:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> kg</source>
        <translation> kg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remarks:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.cpp" line="+23"/>
        <source>Male</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ExportGuard</name>
    <message>
        <location filename="../../src/sync/ExportGuard.cpp" line="+52"/>
        <source>%1 is a link to nothing; choose another file name.</source>
        <translation>%1 è un collegamento che non porta a nulla; scegli un altro nome di file.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a folder; choose a file name.</source>
        <translation>%1 è una cartella; scegli un nome di file.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a regular file; choose another file name.</source>
        <translation>%1 non è un file normale; scegli un altro nome di file.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the program&apos;s configuration file; choose another file name.</source>
        <translation>%1 è il file di configurazione del programma; scegli un altro nome di file.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 belongs to the record database; choose another file name.</source>
        <translation>%1 fa parte del database delle misure; scegli un altro nome di file.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is the program&apos;s log file; choose another file name.</source>
        <translation>%1 è il file di registro del programma; scegli un altro nome di file.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 belongs to a download; choose another file name.</source>
        <translation>%1 appartiene a un download; scegli un altro nome di file.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 lies in a download&apos;s scratch folder; choose another folder.</source>
        <translation>%1 si trova nella cartella temporanea di un download; scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lies in the folder of the monitor %2, which holds its checks; choose another folder.</source>
        <translation>%1 si trova nella cartella del dispositivo %2, che ne contiene le misure; scegli un&apos;altra cartella.</translation>
    </message>
</context>
<context>
    <name>ExportPath</name>
    <message>
        <location filename="../../src/ui/viewers/ExportPath.cpp" line="+22"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>GluWidget</name>
    <message>
        <location filename="../../src/ui/rows/GluWidget.cpp" line="+19"/>
        <source>Blood Glocose:</source>
        <translation>Glicemia:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note:</source>
        <translation>Nota:</translation>
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
        <translation>Referto</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>ECG Report</source>
        <translation>Referto ECG</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Male</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Information</source>
        <translation>Dati del paziente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>Nome del paziente:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Physician:</source>
        <translation>Medico:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indications:</source>
        <translation>Indicazioni:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Time:</source>
        <translation>Ora della misura:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>HR:</source>
        <translation>FC:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>BEV:</translation>
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
        <translation>R-R irregolare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pause(&gt;3s): Detected</source>
        <translation>Pausa (&gt;3 s): rilevata</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
</context>
<context>
    <name>HolterPdfBatch</name>
    <message>
        <location filename="../../src/ui/holter/HolterPdfBatch.cpp" line="+22"/>
        <source>Report</source>
        <translation>Referto</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Select directory</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+6"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create PDF file failed.</source>
        <translation>Creazione del file PDF non riuscita.</translation>
    </message>
</context>
<context>
    <name>HolterPrinting</name>
    <message>
        <location filename="../../src/ui/holter/HolterPrinting.cpp" line="+40"/>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Create PDF file failed.</source>
        <translation>Creazione del file PDF non riuscita.</translation>
    </message>
</context>
<context>
    <name>HolterReport</name>
    <message>
        <location filename="../../src/holter/HolterReport.cpp" line="+203"/>
        <source>LEAD II</source>
        <translation>DERIVAZIONE II</translation>
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
        <translation>Personalizzata</translation>
    </message>
</context>
<context>
    <name>HolterReportHelper</name>
    <message>
        <location filename="../../src/report/HolterReportHelper.cpp" line="+141"/>
        <source>Holter ECG Report</source>
        <translation>Referto ECG Holter</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Male</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Information</source>
        <translation>Dati del paziente</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+77"/>
        <source>Patient Name:</source>
        <translation>Nome del paziente:</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+50"/>
        <source>Physician:</source>
        <translation>Medico:</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indications:</source>
        <translation>Indicazioni:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Recording Information</source>
        <translation>Dati della registrazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>Record Date:</source>
        <translation>Data di registrazione:</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Lead:</source>
        <translation>Derivazione:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time:</source>
        <translation>Ora di inizio:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Strips:</source>
        <translation>Tracciati totali:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(1 minute)</source>
        <translation>(1 minuto)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Durata totale:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The recording file is missing or incomplete.</source>
        <translation>Il file della registrazione manca o è incompleto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>General Summary</source>
        <translation>Riepilogo generale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS Complex:</source>
        <translation>Complessi QRS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>BEV:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg HR:</source>
        <translation>FC media:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause(&gt;3s):</source>
        <translation>Pausa (&gt;3 s):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strips</source>
        <translation>tracciati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max HR:</source>
        <translation>FC max:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Min HR:</source>
        <translation>FC min:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heart Rate Variability</source>
        <translation>Variabilità della frequenza cardiaca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MEAN:</source>
        <translation>MEDIA:</translation>
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
        <translation>Commenti</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
</context>
<context>
    <name>HolterReportViewer</name>
    <message>
        <location filename="../../src/ui/holter/HolterReportViewer.cpp" line="+17"/>
        <source>Holter ECG Report</source>
        <translation>Referto ECG Holter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>15 minutes per page</source>
        <translation>15 minuti per pagina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 minutes per page</source>
        <translation>30 minuti per pagina</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>HolterSummaryText</name>
    <message>
        <location filename="../../src/report/HolterSummaryText.cpp" line="+28"/>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Strips</source>
        <translation>tracciati</translation>
    </message>
</context>
<context>
    <name>HolterWidget</name>
    <message>
        <location filename="../../src/ui/holter/HolterWidget.cpp" line="+31"/>
        <source>Male</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>Nome paziente:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Durata totale:</translation>
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
        <translation>Sì</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>LEAD I</source>
        <translation>DERIVAZIONE I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LEAD II</source>
        <translation>DERIVAZIONE II</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LEAD Wristova</source>
        <translation>DERIVAZIONE Wristova</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Lead I</source>
        <translation>Derivazione I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lead II</source>
        <translation>Derivazione II</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chest Lead</source>
        <translation>Derivazione toracica</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MODE I</source>
        <translation>MODALITÀ I</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MODE II</source>
        <translation>MODALITÀ II</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wide</source>
        <translation>Ampia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../src/ui/MainWindow.ui" line="+26"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+84"/>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+1"/>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>Informazioni</translation>
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
        <translation>Selezionare più registrazioni con i tasti CTRL e MAIUSC</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About me</source>
        <translation>Informazioni sul software</translation>
    </message>
    <message>
        <location line="+285"/>
        <location line="+15"/>
        <source>Delete all items</source>
        <translation>Elimina tutti gli elementi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete selected items</source>
        <translation>Elimina gli elementi selezionati</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+19"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+20"/>
        <source>Are you sure you want to delete all items?</source>
        <translation>Eliminare davvero tutti gli elementi?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Eliminare davvero tutti gli elementi selezionati?</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation>Si sta per eliminare %1. Continuare?</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fail to delete: %1</source>
        <translation>Eliminazione non riuscita: %1</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No items are selected.</source>
        <translation>Nessun elemento selezionato.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-236"/>
        <source>All Results</source>
        <translation>Tutti i risultati</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Users</source>
        <translation>Tutti gli utenti</translation>
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
        <translation>temperatura anomala</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>normal temp</source>
        <translation>temperatura normale</translation>
    </message>
</context>
<context>
    <name>MultiTestWidget</name>
    <message>
        <location filename="../../src/ui/rows/MultiTestWidget.ui" line="+48"/>
        <source>DATATIME</source>
        <translation>DATA/ORA</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>HR:</source>
        <translation>FC:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Ossigeno nel sangue (SpO2):</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pulse Rate(PR):</source>
        <translation>Frequenza del polso (FP):</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Body Temperature:</source>
        <translation>Temperatura corporea:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Pressure: SYS/DIA</source>
        <translation>Pressione arteriosa: SIS/DIA</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Glocose:</source>
        <translation>Glicemia:</translation>
    </message>
    <message>
        <location filename="../../src/ui/rows/MultiTestWidget.cpp" line="+30"/>
        <source>Object temperature:</source>
        <translation>Temperatura oggetto:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Temperatura corporea:</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <location filename="../../src/ui/MyMessageBox.cpp" line="+11"/>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>SIS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIA:</source>
        <translation>DIA:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR:</source>
        <translation>FP:</translation>
    </message>
</context>
<context>
    <name>NoDataWidget</name>
    <message>
        <location filename="../../src/ui/records/NoDataWidget.ui" line="+28"/>
        <source>No Data</source>
        <translation>Nessun dato</translation>
    </message>
</context>
<context>
    <name>PedoWidget</name>
    <message>
        <location filename="../../src/ui/rows/PedoWidget.cpp" line="+21"/>
        <source>Steps:</source>
        <translation>Passi:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Distance:</source>
        <translation>Distanza:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total calorie:</source>
        <translation>Calorie totali:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fat:</source>
        <translation>Grasso:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total time:</source>
        <translation>Tempo totale:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/browser/main.cpp" line="+76"/>
        <source>Permission denied</source>
        <translation>Autorizzazione negata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Riavviare il software con privilegi di amministratore</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Record database</source>
        <translation>Database delle misurazioni</translation>
    </message>
</context>
<context>
    <name>ReportHelper</name>
    <message>
        <location filename="../../src/report/ReportHelper.cpp" line="+84"/>
        <source>Regular electrocardiogram(ECG)</source>
        <translation>Elettrocardiogramma (ECG) regolare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unable to Analyze</source>
        <translation>Impossibile analizzare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate, tachycardia</source>
        <translation>Frequenza cardiaca elevata, tachicardia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate, bradycardia</source>
        <translation>Frequenza cardiaca bassa, bradicardia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular heartbeat</source>
        <translation>Battito cardiaco irregolare</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Premature Beat(PVC)</source>
        <translation>Sospetto battito prematuro (BEV)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Heartbeat Pause</source>
        <translation>Sospetta pausa cardiaca</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Atrial Fibrillation (AF)</source>
        <translation>Sospetta fibrillazione atriale (FA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS interval is too wide</source>
        <translation>Intervallo QRS troppo ampio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QTc interval prolongation</source>
        <translation>Prolungamento dell&apos;intervallo QTc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QTc interval is too short</source>
        <translation>Intervallo QTc troppo breve</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ST segment elevation</source>
        <translation>Sopraslivellamento del tratto ST</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ST segment depression</source>
        <translation>Sottoslivellamento del tratto ST</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Report</source>
        <comment>zh_zn_ver</comment>
        <translation>Referto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Report</source>
        <translation>Referto</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Paitent ID:</source>
        <translation>ID paziente:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location line="+297"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="-299"/>
        <location line="+3"/>
        <location line="+296"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="-295"/>
        <source>Date of Birth:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remarks: </source>
        <translation>Note: </translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+22"/>
        <source>Measuring Time:</source>
        <translation>Ora della misura:</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+24"/>
        <source>Bandwidth:</source>
        <translation>Larghezza di banda:</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+25"/>
        <location line="+217"/>
        <source>HR:</source>
        <translation>FC:</translation>
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
        <translation>Derivazione:</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Cable:</source>
        <translation>Cavo:</translation>
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
        <translation>IP:</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>ECG Bandwidth:</source>
        <translation>Larghezza di banda ECG:</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+241"/>
        <source>Temperature:</source>
        <translation>Temperatura:</translation>
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
        <translation>FP:</translation>
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
        <translation>Il tracciato è troncato: %1 campioni su %2</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Report</source>
        <comment>zh_cn_ver</comment>
        <translation>Referto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TestTime:</source>
        <translation>Ora del test:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Birthday:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>FingerPulse:</source>
        <translation>Polso digitale:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Oxi:</source>
        <translation>SpO2:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>BP</source>
        <translation>PA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BG</source>
        <translation>GL</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SYS/DIA:</source>
        <translation>SIS/DIA:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Doctor:</source>
        <translation>Medico:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../../src/report/ReportOutput.cpp" line="+150"/>
        <source>Report</source>
        <translation>Referto</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <location filename="../../src/ui/viewers/ReportPrinting.cpp" line="+87"/>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF File(*.pdf)</source>
        <translation>File PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+30"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>The printer could not be started; nothing was printed.</source>
        <translation>Impossibile avviare la stampante; non è stato stampato nulla.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>create pdf failed</source>
        <translation>Creazione del PDF non riuscita</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/ReportViewer.cpp" line="+31"/>
        <source>Print report</source>
        <translation>Stampa referto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as JPG file</source>
        <translation>Salva come file JPG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analysis wave</source>
        <translation>Analizza traccia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit report</source>
        <translation>Modifica referto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as CSV file</source>
        <translation>Salva come file CSV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save EDF+</source>
        <translation>Salva come EDF+</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF File(*.pdf)</source>
        <translation>File PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>create pdf failed</source>
        <translation>Creazione del PDF non riuscita</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>create jpg failed</source>
        <translation>Impossibile creare il JPG</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>error</source>
        <translation>errore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>salvataggio non riuscito</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <location filename="../../src/report/ResultText.cpp" line="+17"/>
        <source>Regular ECG Rhythm</source>
        <translation>Ritmo ECG regolare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Heart Rate</source>
        <translation>Frequenza cardiaca alta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Heart Rate</source>
        <translation>Frequenza cardiaca bassa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High QRS Value</source>
        <translation>Valore QRS alto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High ST Value</source>
        <translation>Valore ST alto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low ST Value</source>
        <translation>Valore ST basso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular ECG Rhythm</source>
        <translation>Ritmo ECG irregolare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Premature Beat</source>
        <translation>Sospetto battito prematuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to Analyze</source>
        <translation>Impossibile analizzare</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Poor signal</source>
        <translation>Segnale debole</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Poor pulse signal</source>
        <translation>Segnale del polso debole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regular heart beat</source>
        <translation>Battito cardiaco regolare</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Irregular heart beat</source>
        <translation>Battito cardiaco irregolare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate</source>
        <translation>Frequenza cardiaca rapida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate</source>
        <translation>Frequenza cardiaca lenta</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>High range blood pressure</source>
        <translation>Pressione arteriosa alta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Normal range blood pressure</source>
        <translation>Pressione arteriosa nella norma</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Normal Blood Oxygen</source>
        <translation>Ossigeno nel sangue normale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Blood Oxygen</source>
        <translation>Ossigeno nel sangue basso</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No abnormalities detected</source>
        <translation>Nessuna anomalia rilevata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blood Oxygen drops detected</source>
        <translation>Rilevati cali di ossigeno nel sangue</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Low range blood glucose</source>
        <translation>Glicemia bassa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>normal range blood glucose</source>
        <translation>Glicemia nella norma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High range blood glucose</source>
        <translation>Glicemia alta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to analyze</source>
        <translation>Impossibile analizzare</translation>
    </message>
</context>
<context>
    <name>SetDataDirDlg</name>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.ui" line="+6"/>
        <source>Data directory</source>
        <translation>Cartella dei dati</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Where the program keeps its data</source>
        <translation>Dove il programma conserva i dati</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+17"/>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="+75"/>
        <location line="+8"/>
        <source>Browser</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Data of the older program (optional)</source>
        <translation>Dati del programma precedente (facoltativo)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder holding the &quot;Vitacor_&quot; folders of each monitor. Leave it empty to start without them.</source>
        <translation>La cartella che contiene le cartelle &quot;Vitacor_&quot; di ogni dispositivo. Lasciare vuoto per iniziare senza di esse.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-detected</source>
        <translation>Rilevato automaticamente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Manual input</source>
        <translation>Inserimento manuale</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="-59"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import data of the older program</source>
        <translation>Importa i dati del programma precedente</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+16"/>
        <location line="+5"/>
        <location line="+54"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Create directory failed.</source>
        <translation>Creazione della cartella non riuscita.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No &quot;Vitacor_&quot; folder of the older program was found in %1.</source>
        <translation>Nessuna cartella &quot;Vitacor_&quot; del programma precedente trovata in %1.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The data of some monitors could not be stored; the others were imported.</source>
        <translation>Non è stato possibile salvare i dati di alcuni dispositivi; gli altri sono stati importati.</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.ui" line="+6"/>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tips:After modifying the language, restart the software.</source>
        <translation>Suggerimento: dopo aver cambiato la lingua, riavviare il programma.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distance unit:</source>
        <translation>Unità di distanza:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperial</source>
        <translation>Imperiale</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Temperature:</source>
        <translation>Temperatura:</translation>
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
        <translation>Dati salvati in:</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="+221"/>
        <source>Browser</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import data of the older program...</source>
        <translation>Importa i dati del programma precedente...</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="-162"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+4"/>
        <location line="+54"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Can not select subdirectory.</source>
        <translation>Non è possibile scegliere una sottocartella.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The chosen path is a file, not a folder.</source>
        <translation>Il percorso scelto è un file, non una cartella.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Some files could be neither moved nor copied; they stay in %1.</source>
        <translation>Alcuni file non è stato possibile né spostarli né copiarli; restano in %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create directory failed.</source>
        <translation>Creazione della cartella non riuscita.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The record database could not be copied to %1. Your data stays in %2; nothing was moved.</source>
        <translation>Non è stato possibile copiare il database delle misure in %1. I dati restano in %2; non è stato spostato nulla.</translation>
    </message>
</context>
<context>
    <name>SlmReportHelper</name>
    <message>
        <location filename="../../src/report/SlmReportHelper.cpp" line="+78"/>
        <source>Report</source>
        <translation>Referto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>PR(/min)</source>
        <translation>FP(/min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2(%)</source>
        <translation>SpO2(%)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remarks:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Measuring Time:</source>
        <translation>Ora della misura:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Duration:</source>
        <translation>Durata totale:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>Statistiche &lt;90%:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>cali, tempo totale:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest:</source>
        <translation>Minimo:</translation>
    </message>
</context>
<context>
    <name>SlmReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/SlmReportViewer.cpp" line="+21"/>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create file failed.</source>
        <translation>Impossibile creare il file.</translation>
    </message>
</context>
<context>
    <name>SlmWidget</name>
    <message>
        <location filename="../../src/ui/rows/SlmWidget.cpp" line="+27"/>
        <source>Total Duration:</source>
        <translation>Durata totale:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>Statistiche &lt;90%:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>cali, tempo totale:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lowest:</source>
        <translation>Minimo:</translation>
    </message>
</context>
<context>
    <name>Spo2TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/Spo2TempWidget.cpp" line="+22"/>
        <source>Body Temperature:</source>
        <translation>Temperatura corporea:</translation>
    </message>
</context>
<context>
    <name>SpotWidget</name>
    <message>
        <location filename="../../src/ui/rows/SpotWidget.cpp" line="+26"/>
        <source>patient id:</source>
        <translation>ID paziente:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>HR:</source>
        <translation>FC:</translation>
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
        <translation>IP:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Temperature:</source>
        <translation>Temperatura:</translation>
    </message>
</context>
<context>
    <name>SummaryDlg</name>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.ui" line="+14"/>
        <source>Holter Summary</source>
        <translation>Riepilogo Holter</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Patient Information</source>
        <translation>Informazioni paziente</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Patient Name:</source>
        <translation>Nome paziente:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Date of Birth:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Physician:</source>
        <translation>Medico:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Indications:</source>
        <translation>Indicazioni:</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Recording Information</source>
        <translation>Informazioni registrazione</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Record Date:</source>
        <translation>Data registrazione:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Start Time:</source>
        <translation>Ora di inizio:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Time:</source>
        <translation>Durata totale:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Strips:</source>
        <translation>Tracciati totali:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lead:</source>
        <translation>Derivazione:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>General Summary</source>
        <translation>Riepilogo generale</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Max HR:</source>
        <translation>FC max:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Min HR:</source>
        <translation>FC min:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Avg HR:</source>
        <translation>FC media:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>QRS Complexes:</source>
        <translation>Complessi QRS:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PVCs:</source>
        <translation>BEV:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pause(&gt;3s)</source>
        <translation>Pausa (&gt;3 s)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Heart Rate Variability</source>
        <translation>Variabilità della frequenza cardiaca</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MEAN:</source>
        <translation>MEDIA:</translation>
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
        <translation>Commenti:</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Strips Screening</source>
        <translation>Ricerca tracciati</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>HR≥120</source>
        <translation>FC≥120</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>HR≤50</source>
        <translation>FC≤50</translation>
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
        <translation>BEV≥2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Irregular R-R</source>
        <translation>R-R irregolare</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>0 strips found</source>
        <translation>0 tracciati trovati</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>View all ECG</source>
        <translation>Visualizza tutto l&apos;ECG</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="+227"/>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Holter ECG Report</source>
        <translation>Referto ECG Holter</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save EDF+</source>
        <translation>Salva come EDF+</translation>
    </message>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="-145"/>
        <source>Male</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>strips found</source>
        <translation>tracciati trovati</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>error</source>
        <translation>errore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>salvataggio non riuscito</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/download/SyncDlg.ui" line="+8"/>
        <location line="+39"/>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="+213"/>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>No monitor found. Plug a monitor in with its USB cable and switch it on; it appears here by itself. On Linux the program needs the udev rule for the monitor (see the README).</source>
        <translation>Nessun monitor trovato. Collegare un monitor con il suo cavo USB e accenderlo; comparirà qui da solo. Su Linux il programma richiede la regola udev per il monitor (vedere il README).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Refresh Device List</source>
        <translation>Aggiorna l&apos;elenco dei dispositivi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download all device files</source>
        <translation>Scarica tutti i file del dispositivo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="-80"/>
        <source>A monitor is plugged in at %1, but this user may not open it. Install the udev rule that comes with the program as %2, then unplug the monitor and plug it in again.</source>
        <translation>Un monitor è collegato a %1, ma questo utente non può aprirlo. Installare la regola udev fornita con il programma come %2, quindi scollegare il monitor e ricollegarlo.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Another download of this monitor is running</source>
        <translation>È in corso un altro download di questo monitor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed: the data directory cannot be written (%1)</source>
        <translation>Download non riuscito: impossibile scrivere nella cartella dei dati (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed. Check the cable</source>
        <translation>Download non riuscito. Controllare il cavo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed</source>
        <translation>Download non riuscito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download completed</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Holter recording not downloaded</source>
        <translation>Registrazione Holter non scaricata</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n record(s) without a valid time passed over</source>
        <translation>
            <numerusform>%n record senza ora valida ignorato</numerusform>
            <numerusform>%n record senza ora valida ignorati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n check(s) not stored: a stored check of another type has the same time</source>
        <translation>
            <numerusform>%n misurazione non salvata: una misurazione salvata di altro tipo ha la stessa ora</numerusform>
            <numerusform>%n misurazioni non salvate: una misurazione salvata di altro tipo ha la stessa ora</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Holter recording not stored: its size or duration disagrees with its header</source>
        <translation>Registrazione Holter non salvata: dimensione o durata non corrispondono all&apos;intestazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The download folder could not be removed (%1)</source>
        <translation>Non è stato possibile rimuovere la cartella del download (%1)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The files of %1 arrived but could not be stored; nothing of this download was kept. Try the download again.</source>
        <translation>I file di %1 sono arrivati ma non è stato possibile salvarli; nulla di questo download è stato conservato. Riprovare il download.</translation>
    </message>
</context>
<context>
    <name>TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/TempWidget.cpp" line="+21"/>
        <source>Object temperature:</source>
        <translation>Temperatura oggetto:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Temperatura corporea:</translation>
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
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Next Page</source>
        <translation>Pagina successiva</translation>
    </message>
</context>
</TS>
