<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <location filename="../../src/ui/BodyCheckWidget.cpp" line="+46"/>
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
        <location filename="../../src/ui/CheckDispController.cpp" line="+258"/>
        <source>All Results</source>
        <translation>Tutti i risultati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Users</source>
        <translation>Tutti gli utenti</translation>
    </message>
    <message>
        <location line="+117"/>
        <location line="+9"/>
        <location line="+31"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Some checks of %1 could not be deleted; they are kept with their files.</source>
        <translation>Alcune misurazioni di %1 non sono state eliminate; restano con i loro file.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n check(s) could not be deleted; they are kept with their files.</source>
        <translation>
            <numerusform>%n misurazione non è stata eliminata; resta con i suoi file.</numerusform>
            <numerusform>%n misurazioni non sono state eliminate; restano con i loro file.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <source> item: </source>
        <translation> elemento: </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+31"/>
        <location line="+18"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>This voice note cannot be played.</source>
        <translation>Questa nota vocale non può essere riprodotta.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Eliminare davvero tutti gli elementi selezionati?</translation>
    </message>
</context>
<context>
    <name>CheckItemBase</name>
    <message>
        <location filename="../../src/ui/CheckItemBase.cpp" line="+163"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+7"/>
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
        <location line="+5"/>
        <source>Date of Birth:</source>
        <translation>Data di nascita:</translation>
    </message>
</context>
<context>
    <name>CheckType</name>
    <message>
        <location filename="../../src/files/CheckType.cpp" line="+20"/>
        <source>ECG Recorder</source>
        <translation>Registratore ECG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pulse Oximeter</source>
        <translation>Pulsossimetro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermometer</source>
        <translation>Termometro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pedometer</source>
        <translation>Contapassi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daily Check</source>
        <translation>Controllo quotidiano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spot Check</source>
        <translation>Misurazione singola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep Monitor</source>
        <translation>Monitor del sonno</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Blood Pressure</source>
        <translation>Pressione arteriosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZoravIvide</source>
        <translation>ZoravIvide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ECG Holter</source>
        <translation>Holter ECG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Blood Glucose</source>
        <translation>Glicemia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Multi Test</source>
        <translation>Multi-test</translation>
    </message>
</context>
<context>
    <name>DailyWidget</name>
    <message>
        <location filename="../../src/ui/DailyWidget.cpp" line="+83"/>
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
        <location line="+3"/>
        <source>SpO2:</source>
        <translation>SpO2:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PI:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <location line="+18"/>
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
        <location filename="../../src/db/DbOperator.cpp" line="+147"/>
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
</context>
<context>
    <name>DevFilter</name>
    <message>
        <location filename="../../src/files/DeviceModel.cpp" line="+24"/>
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
        <location filename="../../src/ui/DeviceWidget.cpp" line="+16"/>
        <source>Serial Number:</source>
        <translation>Numero di serie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Versione software:</translation>
    </message>
    <message>
        <location line="+13"/>
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
    <name>DownloadDeviceWidget</name>
    <message>
        <location filename="../../src/ui/DownloadDeviceWidget.cpp" line="+30"/>
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
        <location line="+34"/>
        <location line="+29"/>
        <location line="+35"/>
        <source>Downloading...</source>
        <translation>Download in corso...</translation>
    </message>
    <message>
        <location line="+15"/>
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
        <location filename="../../src/ui/EcgAnalyseDlg.ui" line="+13"/>
        <location filename="../../src/ui/EcgAnalyseDlg.cpp" line="+48"/>
        <location line="+99"/>
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
        <location filename="../../src/ui/EcgAnalyseDlg.cpp" line="+0"/>
        <source>Show Ruler</source>
        <translation>Mostra righello</translation>
    </message>
</context>
<context>
    <name>EcgWidget</name>
    <message>
        <location filename="../../src/ui/EcgWidget.cpp" line="+51"/>
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
        <location line="+2"/>
        <source>ST:</source>
        <translation>ST:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bandwidth:</source>
        <translation>Larghezza di banda:</translation>
    </message>
    <message>
        <location line="+5"/>
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
    <name>EditDlg</name>
    <message>
        <location filename="../../src/ui/EditDlg.ui" line="+6"/>
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
        <location filename="../../src/ui/EditDlg.cpp" line="+23"/>
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
    <name>GluWidget</name>
    <message>
        <location filename="../../src/ui/GluWidget.cpp" line="+35"/>
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
        <location filename="../../src/ui/MainWindow.cpp" line="+79"/>
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
        <location line="+236"/>
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
        <location line="-30"/>
        <location line="+20"/>
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
        <location line="+6"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Eliminare davvero tutti gli elementi selezionati?</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation>Si sta per eliminare %1. Continuare?</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fail to delete: %1</source>
        <translation>Eliminazione non riuscita: %1</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>No items are selected.</source>
        <translation>Nessun elemento selezionato.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="vanished">Referto</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="vanished">Salva con nome</translation>
    </message>
    <message>
        <source>PDF File(*.pdf)</source>
        <translation type="vanished">File PDF(*.pdf)</translation>
    </message>
    <message>
        <source>create pdf failed</source>
        <translation type="vanished">Creazione del PDF non riuscita</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation type="vanished">Seleziona cartella</translation>
    </message>
    <message>
        <source>Create PDF file failed.</source>
        <translation type="vanished">Creazione del file PDF non riuscita.</translation>
    </message>
    <message>
        <location line="-186"/>
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
        <location filename="../../src/ui/MultiTestWidget.ui" line="+48"/>
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
        <location filename="../../src/ui/MultiTestWidget.cpp" line="+51"/>
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
        <location filename="../../src/ui/NibpWidget.cpp" line="+46"/>
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
        <location filename="../../src/ui/NoDataWidget.ui" line="+28"/>
        <source>No Data</source>
        <translation>Nessun dato</translation>
    </message>
</context>
<context>
    <name>OxiWidget</name>
    <message>
        <location filename="../../src/ui/OxiWidget.cpp" line="+35"/>
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
</context>
<context>
    <name>PedoWidget</name>
    <message>
        <location filename="../../src/ui/PedoWidget.cpp" line="+38"/>
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
        <location filename="../../src/browser/main.cpp" line="+73"/>
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
        <location filename="../../src/report/ReportHelper.cpp" line="+89"/>
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
        <location line="+63"/>
        <source>Paitent ID:</source>
        <translation>ID paziente:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location line="+261"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="-263"/>
        <location line="+3"/>
        <location line="+260"/>
        <source>Gender:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location line="-259"/>
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
        <location line="+155"/>
        <source>HR:</source>
        <translation>FC:</translation>
    </message>
    <message>
        <location line="-233"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+180"/>
        <source>QRS:</source>
        <translation>QRS:</translation>
    </message>
    <message>
        <location line="-231"/>
        <source>ST:</source>
        <translation>ST:</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <location line="+31"/>
        <location line="+179"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc:</translation>
    </message>
    <message>
        <location line="-206"/>
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
        <source>PI:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>ECG Bandwidth:</source>
        <translation>Larghezza di banda ECG:</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+178"/>
        <source>Temperature:</source>
        <translation>Temperatura:</translation>
    </message>
    <message>
        <location line="-165"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+158"/>
        <source>PR:</source>
        <translation>FP:</translation>
    </message>
    <message>
        <location line="-154"/>
        <location line="+148"/>
        <source>ECG:</source>
        <translation>ECG:</translation>
    </message>
    <message>
        <location line="-28"/>
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
        <location line="+23"/>
        <source>FingerPulse:</source>
        <translation>Polso digitale:</translation>
    </message>
    <message>
        <location line="+2"/>
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
        <location line="+2"/>
        <source>SYS/DIA:</source>
        <translation>SIS/DIA:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <location line="+20"/>
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
        <location filename="../../src/report/ReportOutput.cpp" line="+24"/>
        <location line="+14"/>
        <source>create pdf failed</source>
        <translation>Creazione del PDF non riuscita</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>create jpg failed</source>
        <translation>Impossibile creare il JPG</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Report</source>
        <translation>Referto</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <location filename="../../src/ui/ReportPrinting.cpp" line="+54"/>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF File(*.pdf)</source>
        <translation>File PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>create pdf failed</source>
        <translation>Creazione del PDF non riuscita</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <location filename="../../src/ui/ReportViewer.cpp" line="+28"/>
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
        <location line="+52"/>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF File(*.pdf)</source>
        <translation>File PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+13"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>create pdf failed</source>
        <translation>Creazione del PDF non riuscita</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>create jpg failed</source>
        <translation>Impossibile creare il JPG</translation>
    </message>
    <message>
        <location line="+34"/>
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
    <name>SleepCsv</name>
    <message>
        <location filename="../../src/report/SleepCsv.cpp" line="+30"/>
        <source>Create file failed.</source>
        <translation>Impossibile creare il file.</translation>
    </message>
</context>
<context>
    <name>SlmReportHelper</name>
    <message>
        <location filename="../../src/report/SlmReportHelper.cpp" line="+92"/>
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
        <location line="+1"/>
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
        <location filename="../../src/ui/SlmReportViewer.cpp" line="+21"/>
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
        <location filename="../../src/ui/SlmWidget.cpp" line="+41"/>
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
        <location filename="../../src/ui/Spo2TempWidget.cpp" line="+37"/>
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
        <location line="+3"/>
        <source>Body Temperature:</source>
        <translation>Temperatura corporea:</translation>
    </message>
</context>
<context>
    <name>SpotWidget</name>
    <message>
        <location filename="../../src/ui/SpotWidget.cpp" line="+49"/>
        <source>patient id:</source>
        <translation>ID paziente:</translation>
    </message>
    <message>
        <location line="+12"/>
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
        <location line="+9"/>
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
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/SyncDlg.ui" line="+8"/>
        <location line="+32"/>
        <location filename="../../src/ui/SyncDlg.cpp" line="+166"/>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>No monitor found. Plug a monitor in with its USB cable and switch it on; it appears here by itself. On Linux the program needs the udev rule for the monitor (see the README).</source>
        <translation>Nessun monitor trovato. Collegare un monitor con il suo cavo USB e accenderlo; comparirà qui da solo. Su Linux il programma richiede la regola udev per il monitor (vedere il README).</translation>
    </message>
    <message>
        <location line="+17"/>
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
        <location filename="../../src/ui/SyncDlg.cpp" line="+107"/>
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
        <translation>Impossibile rimuovere la cartella di download (%1)</translation>
        <location filename="../../src/ui/SyncDlg.cpp" line="+1"/>
        <source>The files of %1 arrived but could not be stored; nothing of this download was kept. Try the download again.</source>
        <translation>I file di %1 sono arrivati ma non è stato possibile salvarli; nulla di questo download è stato conservato. Riprovare il download.</translation>
    </message>
</context>
<context>
    <name>TempWidget</name>
    <message>
        <location filename="../../src/ui/TempWidget.cpp" line="+36"/>
        <source>Object temperature:</source>
        <translation>Temperatura oggetto:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Temperatura corporea:</translation>
    </message>
</context>
</TS>
