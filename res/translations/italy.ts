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
        <location line="+6"/>
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
    <name>HolterReport</name>
    <message>
        <location filename="../../src/holter/HolterReport.cpp" line="+192"/>
        <source>LEAD II</source>
        <translation>DERIVAZIONE II</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CC5</source>
        <translation>CC5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CM5</source>
        <translation>CM5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User-defined</source>
        <translation>Personalizzata</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../src/ui/MainWindow.ui" line="+26"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+51"/>
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
        <location filename="../../src/app/main.cpp" line="+69"/>
        <source>Permission denied</source>
        <translation>Autorizzazione negata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Riavviare il software con privilegi di amministratore</translation>
    </message>
</context>
</TS>
