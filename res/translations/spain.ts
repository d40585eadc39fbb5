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
    <name>BasePaintHelper</name>
    <message>
        <location filename="../../src/report/BasePaintHelper.cpp" line="+55"/>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Physician:</source>
        <translation>Médico:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Male</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Mujer</translation>
    </message>
</context>
<context>
    <name>BodyCheckWidget</name>
    <message>
        <location filename="../../src/ui/BodyCheckWidget.cpp" line="+46"/>
        <source>Lead:</source>
        <translation>Derivación:</translation>
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
        <translation>Todos los resultados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Users</source>
        <translation>Todos los usuarios</translation>
    </message>
    <message>
        <location line="+117"/>
        <location line="+9"/>
        <location line="+31"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Some checks of %1 could not be deleted; they are kept with their files.</source>
        <translation>Algunas mediciones de %1 no se pudieron eliminar; se conservan con sus archivos.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n check(s) could not be deleted; they are kept with their files.</source>
        <translation>
            <numerusform>%n medición no se pudo eliminar; se conserva con sus archivos.</numerusform>
            <numerusform>%n mediciones no se pudieron eliminar; se conservan con sus archivos.</numerusform>
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
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>This voice note cannot be played.</source>
        <translation>Esta nota de voz no se puede reproducir.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>¿Seguro que desea eliminar todos los elementos seleccionados?</translation>
    </message>
</context>
<context>
    <name>CheckItemBase</name>
    <message>
        <location filename="../../src/ui/CheckItemBase.cpp" line="+163"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Male</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Date of Birth:</source>
        <translation>Fecha de nacimiento:</translation>
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
        <translation>Derivación:</translation>
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
        <translation>Número de serie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Versión de software:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>State: Connected</source>
        <translation>Estado: conectado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State: Offline</source>
        <translation>Estado: sin conexión</translation>
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
        <location line="+34"/>
        <location line="+29"/>
        <location line="+35"/>
        <source>Downloading...</source>
        <translation>Descargando...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Download failed</source>
        <translation>Error en la descarga</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Download completed</source>
        <translation>Descarga completada</translation>
    </message>
</context>
<context>
    <name>EcgAnalyseDlg</name>
    <message>
        <location filename="../../src/ui/EcgAnalyseDlg.ui" line="+13"/>
        <location filename="../../src/ui/EcgAnalyseDlg.cpp" line="+48"/>
        <location line="+99"/>
        <source>Hide Ruler</source>
        <translation>Ocultar regla</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <location filename="../../src/ui/EcgAnalyseDlg.cpp" line="+0"/>
        <source>Show Ruler</source>
        <translation>Mostrar regla</translation>
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
        <translation>Ancho de banda:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lead:</source>
        <translation>Derivación:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cable:</source>
        <translation>Cable:</translation>
    </message>
</context>
<context>
    <name>EditDlg</name>
    <message>
        <location filename="../../src/ui/EditDlg.ui" line="+6"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Patient ID:</source>
        <translation>ID del paciente:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Height:</source>
        <translation>Altura:</translation>
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
        <translation>Observaciones:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <location filename="../../src/ui/EditDlg.cpp" line="+23"/>
        <source>Male</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>GluWidget</name>
    <message>
        <location filename="../../src/ui/GluWidget.cpp" line="+35"/>
        <source>Blood Glocose:</source>
        <translation>Glucosa en sangre:</translation>
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
    <name>LeadText</name>
    <message>
        <location filename="../../src/report/LeadText.cpp" line="+16"/>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>LEAD I</source>
        <translation>DERIVACIÓN I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LEAD II</source>
        <translation>DERIVACIÓN II</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LEAD Wristova</source>
        <translation>DERIVACIÓN Wristova</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Lead I</source>
        <translation>Derivación I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lead II</source>
        <translation>Derivación II</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chest Lead</source>
        <translation>Derivación torácica</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MODE I</source>
        <translation>MODO I</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MODE II</source>
        <translation>MODO II</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wide</source>
        <translation>Amplio</translation>
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
        <location filename="../../src/ui/MainWindow.cpp" line="+79"/>
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
        <location line="+236"/>
        <location line="+15"/>
        <source>Delete all items</source>
        <translation>Eliminar todos los elementos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete selected items</source>
        <translation>Eliminar los elementos seleccionados</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+20"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+20"/>
        <source>Are you sure you want to delete all items?</source>
        <translation>¿Seguro que desea eliminar todos los elementos?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>¿Seguro que desea eliminar todos los elementos seleccionados?</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation>Va a eliminar %1. ¿Desea continuar?</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fail to delete: %1</source>
        <translation>No se pudo eliminar: %1</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>No items are selected.</source>
        <translation>No hay elementos seleccionados.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Mensaje</translation>
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
        <location line="-186"/>
        <source>All Results</source>
        <translation>Todos los resultados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Users</source>
        <translation>Todos los usuarios</translation>
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
        <translation>temperatura anómala</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>normal temp</source>
        <translation>temperatura normal</translation>
    </message>
</context>
<context>
    <name>MultiTestWidget</name>
    <message>
        <location filename="../../src/ui/MultiTestWidget.ui" line="+48"/>
        <source>DATATIME</source>
        <translation>FECHA/HORA</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>HR:</source>
        <translation>FC:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Oxígeno en sangre (SpO2):</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pulse Rate(PR):</source>
        <translation>Frecuencia del pulso (FP):</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Body Temperature:</source>
        <translation>Temperatura corporal:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Pressure: SYS/DIA</source>
        <translation>Presión arterial: SIS/DIA</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Glocose:</source>
        <translation>Glucosa en sangre:</translation>
    </message>
    <message>
        <location filename="../../src/ui/MultiTestWidget.cpp" line="+51"/>
        <source>Object temperature:</source>
        <translation>Temperatura del objeto:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Temperatura corporal:</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <location filename="../../src/ui/MyMessageBox.cpp" line="+11"/>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Sin datos</translation>
    </message>
</context>
<context>
    <name>OxiWidget</name>
    <message>
        <location filename="../../src/ui/OxiWidget.cpp" line="+35"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Oxígeno en sangre (SpO2):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Rate(PR):</source>
        <translation>Frecuencia del pulso (FP):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perfusion Index(PI):</source>
        <translation>Índice de perfusión (IP):</translation>
    </message>
</context>
<context>
    <name>PedoWidget</name>
    <message>
        <location filename="../../src/ui/PedoWidget.cpp" line="+38"/>
        <source>Steps:</source>
        <translation>Pasos:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Distance:</source>
        <translation>Distancia:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total calorie:</source>
        <translation>Calorías totales:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fat:</source>
        <translation>Grasa:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total time:</source>
        <translation>Tiempo total:</translation>
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
    <name>ReportHelper</name>
    <message>
        <location filename="../../src/report/ReportHelper.cpp" line="+89"/>
        <source>Regular electrocardiogram(ECG)</source>
        <translation>Electrocardiograma (ECG) regular</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unable to Analyze</source>
        <translation>No se puede analizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate, tachycardia</source>
        <translation>Frecuencia cardíaca rápida, taquicardia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate, bradycardia</source>
        <translation>Frecuencia cardíaca lenta, bradicardia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular heartbeat</source>
        <translation>Latido irregular</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Premature Beat(PVC)</source>
        <translation>Sospecha de latido prematuro (CVP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Heartbeat Pause</source>
        <translation>Sospecha de pausa cardíaca</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Atrial Fibrillation (AF)</source>
        <translation>Sospecha de fibrilación auricular (FA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS interval is too wide</source>
        <translation>Intervalo QRS demasiado ancho</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QTc interval prolongation</source>
        <translation>Prolongación del intervalo QTc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QTc interval is too short</source>
        <translation>Intervalo QTc demasiado corto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ST segment elevation</source>
        <translation>Elevación del segmento ST</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ST segment depression</source>
        <translation>Depresión del segmento ST</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Report</source>
        <comment>zh_zn_ver</comment>
        <translation>Informe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Paitent ID:</source>
        <translation>ID del paciente:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location line="+261"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="-263"/>
        <location line="+3"/>
        <location line="+260"/>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <location line="-259"/>
        <source>Date of Birth:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remarks: </source>
        <translation>Observaciones: </translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+22"/>
        <source>Measuring Time:</source>
        <translation>Hora de medición:</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+24"/>
        <source>Bandwidth:</source>
        <translation>Ancho de banda:</translation>
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
        <translation>Derivación:</translation>
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
        <source>PI:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>ECG Bandwidth:</source>
        <translation>Ancho de banda ECG:</translation>
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
        <translation>Informe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TestTime:</source>
        <translation>Hora de la prueba:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Birthday:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>FingerPulse:</source>
        <translation>Pulso digital:</translation>
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
        <translation>GS</translation>
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
        <translation>Médico:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../../src/report/ReportOutput.cpp" line="+24"/>
        <location line="+14"/>
        <source>create pdf failed</source>
        <translation>No se pudo crear el PDF</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>create jpg failed</source>
        <translation>No se pudo crear el JPG</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <location filename="../../src/ui/ReportPrinting.cpp" line="+54"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF File(*.pdf)</source>
        <translation>Archivo PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>create pdf failed</source>
        <translation>No se pudo crear el PDF</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <location filename="../../src/ui/ReportViewer.cpp" line="+28"/>
        <source>Print report</source>
        <translation>Imprimir informe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as JPG file</source>
        <translation>Guardar como archivo JPG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analysis wave</source>
        <translation>Analizar onda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit report</source>
        <translation>Editar informe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as CSV file</source>
        <translation>Guardar como archivo CSV</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF File(*.pdf)</source>
        <translation>Archivo PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+13"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>create pdf failed</source>
        <translation>No se pudo crear el PDF</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>create jpg failed</source>
        <translation>No se pudo crear el JPG</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>error al guardar</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <location filename="../../src/report/ResultText.cpp" line="+17"/>
        <source>Regular ECG Rhythm</source>
        <translation>Ritmo de ECG regular</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Heart Rate</source>
        <translation>Frecuencia cardíaca alta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Heart Rate</source>
        <translation>Frecuencia cardíaca baja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High QRS Value</source>
        <translation>Valor QRS alto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High ST Value</source>
        <translation>Valor ST alto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low ST Value</source>
        <translation>Valor ST bajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular ECG Rhythm</source>
        <translation>Ritmo de ECG irregular</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Premature Beat</source>
        <translation>Sospecha de latido prematuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to Analyze</source>
        <translation>No se puede analizar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Poor signal</source>
        <translation>Señal débil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Poor pulse signal</source>
        <translation>Señal de pulso débil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regular heart beat</source>
        <translation>Latido cardíaco regular</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Irregular heart beat</source>
        <translation>Latido cardíaco irregular</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate</source>
        <translation>Frecuencia cardíaca rápida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate</source>
        <translation>Frecuencia cardíaca lenta</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>High range blood pressure</source>
        <translation>Presión arterial alta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Normal range blood pressure</source>
        <translation>Presión arterial normal</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Normal Blood Oxygen</source>
        <translation>Oxígeno en sangre normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Blood Oxygen</source>
        <translation>Oxígeno en sangre bajo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No abnormalities detected</source>
        <translation>No se detectaron anomalías</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blood Oxygen drops detected</source>
        <translation>Se detectaron caídas de oxígeno en sangre</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Low range blood glucose</source>
        <translation>Glucosa en sangre baja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>normal range blood glucose</source>
        <translation>Glucosa en sangre normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High range blood glucose</source>
        <translation>Glucosa en sangre alta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to analyze</source>
        <translation>No se puede analizar</translation>
    </message>
</context>
<context>
    <name>SleepCsv</name>
    <message>
        <location filename="../../src/report/SleepCsv.cpp" line="+30"/>
        <source>Create file failed.</source>
        <translation>No se pudo crear el archivo.</translation>
    </message>
</context>
<context>
    <name>SlmReportHelper</name>
    <message>
        <location filename="../../src/report/SlmReportHelper.cpp" line="+92"/>
        <source>Report</source>
        <translation>Informe</translation>
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
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remarks:</source>
        <translation>Observaciones:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Measuring Time:</source>
        <translation>Hora de medición:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Duration:</source>
        <translation>Duración total:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>Estadísticas &lt;90%:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>caídas, tiempo total:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average:</source>
        <translation>Promedio:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest:</source>
        <translation>Mínimo:</translation>
    </message>
</context>
<context>
    <name>SlmReportViewer</name>
    <message>
        <location filename="../../src/ui/SlmReportViewer.cpp" line="+21"/>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create file failed.</source>
        <translation>No se pudo crear el archivo.</translation>
    </message>
</context>
<context>
    <name>SlmWidget</name>
    <message>
        <location filename="../../src/ui/SlmWidget.cpp" line="+41"/>
        <source>Total Duration:</source>
        <translation>Duración total:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>Estadísticas &lt;90%:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>caídas, tiempo total:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average:</source>
        <translation>Promedio:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lowest:</source>
        <translation>Mínimo:</translation>
    </message>
</context>
<context>
    <name>Spo2TempWidget</name>
    <message>
        <location filename="../../src/ui/Spo2TempWidget.cpp" line="+37"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Oxígeno en sangre (SpO2):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Rate(PR):</source>
        <translation>Frecuencia del pulso (FP):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perfusion Index(PI):</source>
        <translation>Índice de perfusión (IP):</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Body Temperature:</source>
        <translation>Temperatura corporal:</translation>
    </message>
</context>
<context>
    <name>SpotWidget</name>
    <message>
        <location filename="../../src/ui/SpotWidget.cpp" line="+49"/>
        <source>patient id:</source>
        <translation>ID de paciente:</translation>
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
        <translation>Descargar</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>No monitor found. Plug a monitor in with its USB cable and switch it on; it appears here by itself. On Linux the program needs the udev rule for the monitor (see the README).</source>
        <translation>No se ha encontrado ningún monitor. Conecte un monitor con su cable USB y enciéndalo; aparecerá aquí automáticamente. En Linux el programa necesita la regla udev del monitor (consulte el README).</translation>
    </message>
    <message>
        <location line="+17"/>
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
    <message>
        <location filename="../../src/ui/SyncDlg.cpp" line="+107"/>
        <source>Another download of this monitor is running</source>
        <translation>Hay otra descarga de este monitor en curso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed: the data directory cannot be written (%1)</source>
        <translation>Error en la descarga: no se puede escribir en la carpeta de datos (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed. Check the cable</source>
        <translation>Error en la descarga. Compruebe el cable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed</source>
        <translation>Error en la descarga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download completed</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Holter recording not downloaded</source>
        <translation>Grabación Holter no descargada</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n record(s) without a valid time passed over</source>
        <translation>
            <numerusform>%n registro sin hora válida omitido</numerusform>
            <numerusform>%n registros sin hora válida omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n check(s) not stored: a stored check of another type has the same time</source>
        <translation>
            <numerusform>%n medición no guardada: una medición guardada de otro tipo tiene la misma hora</numerusform>
            <numerusform>%n mediciones no guardadas: una medición guardada de otro tipo tiene la misma hora</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Holter recording not stored: its size or duration disagrees with its header</source>
        <translation>Grabación Holter no guardada: su tamaño o duración no coincide con su cabecera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The download folder could not be removed (%1)</source>
        <translation>No se pudo eliminar la carpeta de descarga (%1)</translation>
        <location filename="../../src/ui/SyncDlg.cpp" line="+1"/>
        <source>The files of %1 arrived but could not be stored; nothing of this download was kept. Try the download again.</source>
        <translation>Los archivos de %1 llegaron pero no se pudieron guardar; no se conservó nada de esta descarga. Vuelva a intentar la descarga.</translation>
    </message>
</context>
<context>
    <name>TempWidget</name>
    <message>
        <location filename="../../src/ui/TempWidget.cpp" line="+36"/>
        <source>Object temperature:</source>
        <translation>Temperatura del objeto:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Temperatura corporal:</translation>
    </message>
</context>
</TS>
