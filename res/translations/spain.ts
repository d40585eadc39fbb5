<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>ya se está ejecutando...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <comment>zh_cn_ver</comment>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CheckType</name>
    <message>
        <location filename="../../src/files/CheckType.cpp" line="+20"/>
        <source>ECG Recorder</source>
        <translation>Grabadora de ECG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pulse Oximeter</source>
        <translation>Pulsioxímetro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermometer</source>
        <translation>Termómetro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pedometer</source>
        <translation>Podómetro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daily Check</source>
        <translation>Control diario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spot Check</source>
        <translation>Control puntual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep Monitor</source>
        <translation>Monitor de sueño</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Blood Pressure</source>
        <translation>Presión arterial</translation>
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
        <translation>Historial</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Blood Glucose</source>
        <translation>Glucosa en sangre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Multi Test</source>
        <translation>Prueba múltiple</translation>
    </message>
</context>
<context>
    <name>DbOperator</name>
    <message>
        <location filename="../../src/db/DbOperator.cpp" line="+147"/>
        <source>The record database %1 cannot be opened; check that its folder exists and can be written.</source>
        <translation>No se puede abrir la base de datos de mediciones %1; compruebe que su carpeta existe y admite escritura.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file %1 is not a record database; move it away to start with an empty one.</source>
        <translation>El archivo %1 no es una base de datos de mediciones; muévalo a otro lugar para empezar con una vacía.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is damaged; keep a copy and move it away to start with an empty one.</source>
        <translation>La base de datos de mediciones %1 está dañada; guarde una copia y muévala a otro lugar para empezar con una vacía.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 is locked by another program; close that program and try again.</source>
        <translation>La base de datos de mediciones %1 está bloqueada por otro programa; cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is not writable; check the permissions of the file and its folder.</source>
        <translation>La base de datos de mediciones %1 no admite escritura; compruebe los permisos del archivo y de su carpeta.</translation>
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
        <translation>Número de serie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Versión de software:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+28"/>
        <source>Downloading...</source>
        <translation>Descargando...</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+27"/>
        <source>Download failed</source>
        <translation>Error en la descarga</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Download completed</source>
        <translation>Descarga completada</translation>
    </message>
</context>
<context>
    <name>HolterReport</name>
    <message>
        <location filename="../../src/holter/HolterReport.cpp" line="+235"/>
        <source>LEAD II</source>
        <translation>DERIVACIÓN II</translation>
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
        <translation>Personalizada</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../src/ui/MainWindow.ui" line="+26"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+63"/>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+1"/>
        <source>Setting</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Seleccione varios registros con las teclas CTRL y MAYÚS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About me</source>
        <translation>Acerca del software</translation>
    </message>
    <message>
        <source>Delete all items</source>
        <translation type="vanished">Eliminar todos los elementos</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation type="vanished">Eliminar los elementos seleccionados</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">Eliminar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all items?</source>
        <translation type="vanished">¿Seguro que desea eliminar todos los elementos?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all selected items?</source>
        <translation type="vanished">¿Seguro que desea eliminar todos los elementos seleccionados?</translation>
    </message>
    <message>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation type="vanished">Va a eliminar %1. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="vanished">Error</translation>
    </message>
    <message>
        <source>Fail to delete: %1</source>
        <translation type="vanished">No se pudo eliminar: %1</translation>
    </message>
    <message>
        <source>No items are selected.</source>
        <translation type="vanished">No hay elementos seleccionados.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="vanished">Mensaje</translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="vanished">Informe</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="vanished">Guardar como</translation>
    </message>
    <message>
        <source>PDF File(*.pdf)</source>
        <translation type="vanished">Archivo PDF(*.pdf)</translation>
    </message>
    <message>
        <source>create pdf failed</source>
        <translation type="vanished">No se pudo crear el PDF</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation type="vanished">Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Create PDF file failed.</source>
        <translation type="vanished">No se pudo crear el archivo PDF.</translation>
    </message>
    <message>
        <source>All Results</source>
        <translation type="vanished">Todos los resultados</translation>
    </message>
    <message>
        <source>All Users</source>
        <translation type="vanished">Todos los usuarios</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/browser/main.cpp" line="+73"/>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Vuelva a iniciar el software con privilegios de administrador</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Record database</source>
        <translation>Base de datos de mediciones</translation>
    </message>
</context>
<context>
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/SyncDlg.ui" line="+8"/>
        <location line="+22"/>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Refresh Device List</source>
        <translation>Actualizar la lista de dispositivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download all device files</source>
        <translation>Descargar todos los archivos del dispositivo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
