<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Aboutme</name>
    <message>
        <location filename="../../src/ui/settings/Aboutme.ui" line="+6"/>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <location filename="../../src/ui/rows/BodyCheckWidget.cpp" line="+20"/>
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
        <location filename="../../src/ui/records/CheckDispController.cpp" line="+307"/>
        <source>All Results</source>
        <translation>Todos los resultados</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>All Users</source>
        <translation>Todos los usuarios</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>A download of this monitor is running; try again when it has finished.</source>
        <translation>Hay una descarga de este monitor en curso; inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+39"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message numerus="yes">
        <location line="-40"/>
        <source>%n check(s) could not be deleted; they are kept with their files.</source>
        <translation>
            <numerusform>%n medición no se pudo eliminar; se conserva con sus archivos.</numerusform>
            <numerusform>%n mediciones no se pudieron eliminar; se conservan con sus archivos.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be removed:</source>
        <translation>No se pudieron eliminar estos archivos:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>ECG Holter</source>
        <translation>ECG Holter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>item delete</source>
        <translation>elemento a eliminar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tips</source>
        <translation>Consejos</translation>
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
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>This voice note cannot be played.</source>
        <translation>Esta nota de voz no se puede reproducir.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>¿Seguro que desea eliminar todos los elementos seleccionados?</translation>
    </message>
</context>
<context>
    <name>CheckItemBase</name>
    <message>
        <location filename="../../src/ui/rows/CheckItemBase.cpp" line="+177"/>
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
        <location line="+44"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+3"/>
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
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
</context>
<context>
    <name>CheckType</name>
    <message>
        <location filename="../../src/files/CheckType.cpp" line="+30"/>
        <source>ECG Recorder</source>
        <translation>Grabadora de ECG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Oximeter</source>
        <translation>Pulsioxímetro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thermometer</source>
        <translation>Termómetro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pedometer</source>
        <translation>Podómetro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily Check</source>
        <translation>Control diario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spot Check</source>
        <translation>Control puntual</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Monitor</source>
        <translation>Monitor de sueño</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Pressure</source>
        <translation>Presión arterial</translation>
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
        <translation>Historial</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Glucose</source>
        <translation>Glucosa en sangre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multi Test</source>
        <translation>Prueba múltiple</translation>
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
        <location filename="../../src/db/DbOperator.cpp" line="+265"/>
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
    <message>
        <location line="+3"/>
        <source>The record database %1 lacks parts of its tables (%2); restore it from a copy, or move it away to start with an empty one.</source>
        <translation>A la base de datos de mediciones %1 le faltan partes de sus tablas (%2); restáurela desde una copia o muévala para empezar con una vacía.</translation>
    </message>
</context>
<context>
    <name>DetailReportReview</name>
    <message>
        <location filename="../../src/ui/holter/DetailReportReview.cpp" line="+53"/>
        <source>Tip</source>
        <translation>Aviso</translation>
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
        <translation>Número de serie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Versión de software:</translation>
    </message>
    <message>
        <location line="+12"/>
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
    <name>DialogFrame</name>
    <message>
        <location filename="../../src/ui/viewers/DialogFrame.cpp" line="+30"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save PDF</source>
        <translation>Guardar PDF</translation>
    </message>
</context>
<context>
    <name>DownloadDeviceWidget</name>
    <message>
        <location filename="../../src/ui/download/DownloadDeviceWidget.cpp" line="+30"/>
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
        <location line="+18"/>
        <location line="+34"/>
        <source>Downloading...</source>
        <translation>Descargando...</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+30"/>
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
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.ui" line="+13"/>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.cpp" line="+48"/>
        <location line="+156"/>
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
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.cpp" line="+0"/>
        <source>Show Ruler</source>
        <translation>Mostrar regla</translation>
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
        <translation>EV:</translation>
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
        <translation>R-R irregular</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pause(&gt;3s) : Detected</source>
        <translation>Pausa (&gt;3 s): detectada</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Ruler</source>
        <translation>Regla</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Previous Strip</source>
        <translation>Tira anterior</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Previous Minute</source>
        <translation>Minuto anterior</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Minute</source>
        <translation>Minuto siguiente</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Strip</source>
        <translation>Tira siguiente</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="-70"/>
        <source>Print</source>
        <translation>Imprimir</translation>
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
        <translation>Ancho de banda:</translation>
    </message>
    <message>
        <location line="+7"/>
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
    <name>EdfExport</name>
    <message>
        <location filename="../../src/ui/viewers/EdfExport.cpp" line="+14"/>
        <source>Save EDF+</source>
        <translation>Guardar como EDF+</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDF+ (*.edf)</source>
        <translation>EDF+ (*.edf)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>create EDF file failed</source>
        <translation>No se pudo crear el archivo EDF</translation>
    </message>
</context>
<context>
    <name>EditDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.ui" line="+6"/>
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
        <location filename="../../src/ui/viewers/EditDlg.cpp" line="+23"/>
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
    <name>ExportGuard</name>
    <message>
        <location filename="../../src/sync/ExportGuard.cpp" line="+52"/>
        <source>%1 is a link to nothing; choose another file name.</source>
        <translation>%1 es un enlace que no lleva a ninguna parte; elija otro nombre de archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a folder; choose a file name.</source>
        <translation>%1 es una carpeta; elija un nombre de archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a regular file; choose another file name.</source>
        <translation>%1 no es un archivo normal; elija otro nombre de archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the program&apos;s configuration file; choose another file name.</source>
        <translation>%1 es el archivo de configuración del programa; elija otro nombre de archivo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 belongs to the record database; choose another file name.</source>
        <translation>%1 forma parte de la base de datos de mediciones; elija otro nombre de archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is the program&apos;s log file; choose another file name.</source>
        <translation>%1 es el archivo de registro del programa; elija otro nombre de archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 belongs to a download; choose another file name.</source>
        <translation>%1 pertenece a una descarga; elija otro nombre de archivo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 lies in a download&apos;s scratch folder; choose another folder.</source>
        <translation>%1 está en la carpeta temporal de una descarga; elija otra carpeta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lies in the folder of the monitor %2, which holds its checks; choose another folder.</source>
        <translation>%1 está en la carpeta del monitor %2, que guarda sus mediciones; elija otra carpeta.</translation>
    </message>
</context>
<context>
    <name>ExportPath</name>
    <message>
        <location filename="../../src/ui/viewers/ExportPath.cpp" line="+22"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>GluWidget</name>
    <message>
        <location filename="../../src/ui/rows/GluWidget.cpp" line="+19"/>
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
    <name>HolterMinuteReportHelper</name>
    <message>
        <location filename="../../src/report/HolterMinuteReportHelper.cpp" line="+29"/>
        <source>ECG</source>
        <translation>ECG</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>ECG Report</source>
        <translation>Informe de ECG</translation>
    </message>
    <message>
        <location line="+9"/>
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
        <source>Patient Information</source>
        <translation>Datos del paciente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>Nombre del paciente:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Physician:</source>
        <translation>Médico:</translation>
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
        <location line="+1"/>
        <source>Indications:</source>
        <translation>Indicaciones:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Time:</source>
        <translation>Hora de la medición:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>HR:</source>
        <translation>FC:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>EV:</translation>
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
        <translation>R-R irregular</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pause(&gt;3s): Detected</source>
        <translation>Pausa (&gt;3 s): detectada</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
</context>
<context>
    <name>HolterPdfBatch</name>
    <message>
        <location filename="../../src/ui/holter/HolterPdfBatch.cpp" line="+22"/>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Select directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+6"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create PDF file failed.</source>
        <translation>No se pudo crear el archivo PDF.</translation>
    </message>
</context>
<context>
    <name>HolterPrinting</name>
    <message>
        <location filename="../../src/ui/holter/HolterPrinting.cpp" line="+40"/>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Create PDF file failed.</source>
        <translation>No se pudo crear el archivo PDF.</translation>
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
    <name>HolterReportHelper</name>
    <message>
        <location filename="../../src/report/HolterReportHelper.cpp" line="+141"/>
        <source>Holter ECG Report</source>
        <translation>Informe de ECG Holter</translation>
    </message>
    <message>
        <location line="+18"/>
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
        <source>Patient Information</source>
        <translation>Datos del paciente</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+77"/>
        <source>Patient Name:</source>
        <translation>Nombre del paciente:</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+50"/>
        <source>Physician:</source>
        <translation>Médico:</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>ID:</source>
        <translation>ID:</translation>
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
        <location line="+1"/>
        <source>Indications:</source>
        <translation>Indicaciones:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Recording Information</source>
        <translation>Datos de la grabación</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>Record Date:</source>
        <translation>Fecha de grabación:</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Lead:</source>
        <translation>Derivación:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time:</source>
        <translation>Hora de inicio:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Strips:</source>
        <translation>Total de tiras:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(1 minute)</source>
        <translation>(1 minuto)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Duración total:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The recording file is missing or incomplete.</source>
        <translation>El archivo de la grabación falta o está incompleto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>General Summary</source>
        <translation>Resumen general</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS Complex:</source>
        <translation>Complejos QRS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>EV:</translation>
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
        <translation>tiras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max HR:</source>
        <translation>FC máx.:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Min HR:</source>
        <translation>FC mín.:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heart Rate Variability</source>
        <translation>Variabilidad de la frecuencia cardíaca</translation>
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
        <translation>Comentarios</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
</context>
<context>
    <name>HolterReportViewer</name>
    <message>
        <location filename="../../src/ui/holter/HolterReportViewer.cpp" line="+17"/>
        <source>Holter ECG Report</source>
        <translation>Informe de ECG Holter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>15 minutes per page</source>
        <translation>15 minutos por página</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 minutes per page</source>
        <translation>30 minutos por página</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Message</source>
        <translation>Mensaje</translation>
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
        <translation>tiras</translation>
    </message>
</context>
<context>
    <name>HolterWidget</name>
    <message>
        <location filename="../../src/ui/holter/HolterWidget.cpp" line="+31"/>
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
        <source>Patient Name:</source>
        <translation>Nombre del paciente:</translation>
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
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Duración total:</translation>
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
        <location filename="../../src/ui/MainWindow.cpp" line="+84"/>
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
        <location line="+285"/>
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
        <location line="-29"/>
        <location line="+19"/>
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
        <location line="+5"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>¿Seguro que desea eliminar todos los elementos seleccionados?</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation>Va a eliminar %1. ¿Desea continuar?</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fail to delete: %1</source>
        <translation>No se pudo eliminar: %1</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No items are selected.</source>
        <translation>No hay elementos seleccionados.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-236"/>
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
        <location filename="../../src/ui/rows/MultiTestWidget.ui" line="+48"/>
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
        <location filename="../../src/ui/rows/MultiTestWidget.cpp" line="+30"/>
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
        <translation>Sin datos</translation>
    </message>
</context>
<context>
    <name>PedoWidget</name>
    <message>
        <location filename="../../src/ui/rows/PedoWidget.cpp" line="+21"/>
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
        <location filename="../../src/browser/main.cpp" line="+76"/>
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
        <location filename="../../src/report/ReportHelper.cpp" line="+84"/>
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
        <location line="+88"/>
        <source>Paitent ID:</source>
        <translation>ID del paciente:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location line="+297"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="-299"/>
        <location line="+3"/>
        <location line="+296"/>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <location line="-295"/>
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
        <location line="+21"/>
        <source>PI:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>ECG Bandwidth:</source>
        <translation>Ancho de banda ECG:</translation>
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
        <translation>El trazado está cortado: %1 de %2 muestras</translation>
    </message>
    <message>
        <location line="+63"/>
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
        <location line="+47"/>
        <source>FingerPulse:</source>
        <translation>Pulso digital:</translation>
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
        <translation>GS</translation>
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
        <location filename="../../src/report/ReportOutput.cpp" line="+150"/>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <location filename="../../src/ui/viewers/ReportPrinting.cpp" line="+87"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF File(*.pdf)</source>
        <translation>Archivo PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+30"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>The printer could not be started; nothing was printed.</source>
        <translation>No se pudo iniciar la impresora; no se imprimió nada.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>create pdf failed</source>
        <translation>No se pudo crear el PDF</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/ReportViewer.cpp" line="+31"/>
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
        <location line="+2"/>
        <source>Save EDF+</source>
        <translation>Guardar como EDF+</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF File(*.pdf)</source>
        <translation>Archivo PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>create pdf failed</source>
        <translation>No se pudo crear el PDF</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>create jpg failed</source>
        <translation>No se pudo crear el JPG</translation>
    </message>
    <message>
        <location line="+60"/>
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
    <name>SetDataDirDlg</name>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.ui" line="+6"/>
        <source>Data directory</source>
        <translation>Carpeta de datos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Where the program keeps its data</source>
        <translation>Dónde guarda el programa sus datos</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+17"/>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="+75"/>
        <location line="+8"/>
        <source>Browser</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Data of the older program (optional)</source>
        <translation>Datos del programa anterior (opcional)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder holding the &quot;Vitacor_&quot; folders of each monitor. Leave it empty to start without them.</source>
        <translation>La carpeta que contiene las carpetas &quot;Vitacor_&quot; de cada monitor. Déjela vacía para empezar sin ellas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-detected</source>
        <translation>Detectado automáticamente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Manual input</source>
        <translation>Entrada manual</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="-59"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import data of the older program</source>
        <translation>Importar los datos del programa anterior</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+16"/>
        <location line="+5"/>
        <location line="+54"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Create directory failed.</source>
        <translation>No se pudo crear la carpeta.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No &quot;Vitacor_&quot; folder of the older program was found in %1.</source>
        <translation>No se encontró ninguna carpeta &quot;Vitacor_&quot; del programa anterior en %1.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The data of some monitors could not be stored; the others were imported.</source>
        <translation>No se pudieron guardar los datos de algunos monitores; los demás se importaron.</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.ui" line="+6"/>
        <source>Setting</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tips:After modifying the language, restart the software.</source>
        <translation>Consejo: después de cambiar el idioma, reinicie el programa.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distance unit:</source>
        <translation>Unidad de distancia:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperial</source>
        <translation>Imperial</translation>
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
        <translation>Datos guardados en:</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="+221"/>
        <source>Browser</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import data of the older program...</source>
        <translation>Importar los datos del programa anterior...</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="-162"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+4"/>
        <location line="+54"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Can not select subdirectory.</source>
        <translation>No se puede elegir una subcarpeta.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The chosen path is a file, not a folder.</source>
        <translation>La ruta elegida es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Some files could be neither moved nor copied; they stay in %1.</source>
        <translation>Algunos archivos no se pudieron mover ni copiar; permanecen en %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create directory failed.</source>
        <translation>No se pudo crear la carpeta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The record database could not be copied to %1. Your data stays in %2; nothing was moved.</source>
        <translation>No se pudo copiar la base de datos de mediciones a %1. Sus datos permanecen en %2; no se ha movido nada.</translation>
    </message>
</context>
<context>
    <name>SlmReportHelper</name>
    <message>
        <location filename="../../src/report/SlmReportHelper.cpp" line="+78"/>
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
        <location line="+2"/>
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
        <location filename="../../src/ui/viewers/SlmReportViewer.cpp" line="+21"/>
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
        <location filename="../../src/ui/rows/SlmWidget.cpp" line="+27"/>
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
        <location filename="../../src/ui/rows/Spo2TempWidget.cpp" line="+22"/>
        <source>Body Temperature:</source>
        <translation>Temperatura corporal:</translation>
    </message>
</context>
<context>
    <name>SpotWidget</name>
    <message>
        <location filename="../../src/ui/rows/SpotWidget.cpp" line="+26"/>
        <source>patient id:</source>
        <translation>ID de paciente:</translation>
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
        <translation>Resumen Holter</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Patient Information</source>
        <translation>Información del paciente</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Patient Name:</source>
        <translation>Nombre del paciente:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Date of Birth:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Physician:</source>
        <translation>Médico:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Indications:</source>
        <translation>Indicaciones:</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Recording Information</source>
        <translation>Información del registro</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Record Date:</source>
        <translation>Fecha del registro:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Start Time:</source>
        <translation>Hora de inicio:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Time:</source>
        <translation>Duración total:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Strips:</source>
        <translation>Tiras totales:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lead:</source>
        <translation>Derivación:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>General Summary</source>
        <translation>Resumen general</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Max HR:</source>
        <translation>FC máx.:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Min HR:</source>
        <translation>FC mín.:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Avg HR:</source>
        <translation>FC media:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>QRS Complexes:</source>
        <translation>Complejos QRS:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PVCs:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pause(&gt;3s)</source>
        <translation>Pausa (&gt;3 s)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Heart Rate Variability</source>
        <translation>Variabilidad de la frecuencia cardíaca</translation>
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
        <translation>Comentarios:</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Strips Screening</source>
        <translation>Búsqueda de tiras</translation>
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
        <translation>EV≥2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Irregular R-R</source>
        <translation>R-R irregular</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>0 strips found</source>
        <translation>0 tiras encontradas</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>View all ECG</source>
        <translation>Ver todo el ECG</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="+227"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Holter ECG Report</source>
        <translation>Informe de ECG Holter</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save EDF+</source>
        <translation>Guardar como EDF+</translation>
    </message>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="-145"/>
        <source>Male</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>strips found</source>
        <translation>tiras encontradas</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>no se pudo guardar</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/download/SyncDlg.ui" line="+8"/>
        <location line="+39"/>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="+213"/>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>No monitor found. Plug a monitor in with its USB cable and switch it on; it appears here by itself. On Linux the program needs the udev rule for the monitor (see the README).</source>
        <translation>No se ha encontrado ningún monitor. Conecte un monitor con su cable USB y enciéndalo; aparecerá aquí automáticamente. En Linux el programa necesita la regla udev del monitor (consulte el README).</translation>
    </message>
    <message>
        <location line="+24"/>
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
        <location filename="../../src/ui/download/SyncDlg.cpp" line="-80"/>
        <source>A monitor is plugged in at %1, but this user may not open it. Install the udev rule that comes with the program as %2, then unplug the monitor and plug it in again.</source>
        <translation>Hay un monitor conectado en %1, pero este usuario no tiene permiso para abrirlo. Instale la regla udev que se incluye con el programa como %2 y, a continuación, desconecte el monitor y vuelva a conectarlo.</translation>
    </message>
    <message>
        <location line="+32"/>
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
    </message>
    <message>
        <location line="+31"/>
        <source>The files of %1 arrived but could not be stored; nothing of this download was kept. Try the download again.</source>
        <translation>Los archivos de %1 llegaron pero no se pudieron guardar; no se conservó nada de esta descarga. Vuelva a intentar la descarga.</translation>
    </message>
</context>
<context>
    <name>TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/TempWidget.cpp" line="+21"/>
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
    <name>ViewAllEcgDlg</name>
    <message>
        <location filename="../../src/ui/holter/ViewAllEcgDlg.ui" line="+14"/>
        <source>ECG</source>
        <translation>ECG</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
</context>
</TS>
