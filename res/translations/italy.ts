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
        <location filename="../../src/device/DeviceModel.cpp" line="+29"/>
        <source>Vitacor Pro</source>
        <translation>Vitacor Pro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor Lite HDMI</source>
        <translation>Vitacor Lite HDMI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vitacor Pod</source>
        <translation>Vitacor Pod</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor Plus</source>
        <translation>Vitacor Plus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brinmoravel</source>
        <translation>Brinmoravel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cardivane</source>
        <translation>Cardivane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor Lite USB</source>
        <translation>Vitacor Lite USB</translation>
    </message>
    <message>
        <location line="+1"/>
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
        <location line="+28"/>
        <source>Downloading...</source>
        <translation>Download in corso...</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+27"/>
        <source>Download failed</source>
        <translation>Download non riuscito</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Download completed</source>
        <translation>Download completato</translation>
    </message>
</context>
<context>
    <name>HolterReport</name>
    <message>
        <location filename="../../src/holter/HolterReport.cpp" line="+235"/>
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
    <name>MainWindow</name>
    <message>
        <location filename="../../src/ui/MainWindow.ui" line="+26"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+63"/>
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
        <source>Delete all items</source>
        <translation type="vanished">Elimina tutti gli elementi</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation type="vanished">Elimina gli elementi selezionati</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">Elimina</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all items?</source>
        <translation type="vanished">Eliminare davvero tutti gli elementi?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all selected items?</source>
        <translation type="vanished">Eliminare davvero tutti gli elementi selezionati?</translation>
    </message>
    <message>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation type="vanished">Si sta per eliminare %1. Continuare?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="vanished">Errore</translation>
    </message>
    <message>
        <source>Fail to delete: %1</source>
        <translation type="vanished">Eliminazione non riuscita: %1</translation>
    </message>
    <message>
        <source>No items are selected.</source>
        <translation type="vanished">Nessun elemento selezionato.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="vanished">Messaggio</translation>
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
        <source>All Results</source>
        <translation type="vanished">Tutti i risultati</translation>
    </message>
    <message>
        <source>All Users</source>
        <translation type="vanished">Tutti gli utenti</translation>
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
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/SyncDlg.ui" line="+8"/>
        <location line="+22"/>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <location line="-7"/>
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
</context>
</TS>
