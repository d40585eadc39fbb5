<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Aboutme</name>
    <message>
        <location filename="../../src/ui/settings/Aboutme.ui" line="+6"/>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>est déjà en cours d&apos;exécution...</translation>
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
        <translation>Date :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Physician:</source>
        <translation>Médecin :</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
</context>
<context>
    <name>BodyCheckWidget</name>
    <message>
        <location filename="../../src/ui/rows/BodyCheckWidget.cpp" line="+20"/>
        <source>Lead:</source>
        <translation>Dérivation :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HR:</source>
        <translation>FC :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PR:</source>
        <translation>FP :</translation>
    </message>
</context>
<context>
    <name>CheckDispController</name>
    <message>
        <location filename="../../src/ui/records/CheckDispController.cpp" line="+307"/>
        <source>All Results</source>
        <translation>Tous les résultats</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>All Users</source>
        <translation>Tous les utilisateurs</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>A download of this monitor is running; try again when it has finished.</source>
        <translation>Un téléchargement de cet appareil est en cours ; réessayez lorsqu’il sera terminé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+39"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message numerus="yes">
        <location line="-40"/>
        <source>%n check(s) could not be deleted; they are kept with their files.</source>
        <translation>
            <numerusform>%n mesure n&apos;a pas pu être supprimée ; elle est conservée avec ses fichiers.</numerusform>
            <numerusform>%n mesures n&apos;ont pas pu être supprimées ; elles sont conservées avec leurs fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be removed:</source>
        <translation>Ces fichiers n’ont pas pu être supprimés :</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>ECG Holter</source>
        <translation>ECG Holter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>item delete</source>
        <translation>élément à supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tips</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> item: </source>
        <translation> élément : </translation>
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
        <translation>Cette note vocale ne peut pas être lue.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Voulez-vous vraiment supprimer tous les éléments sélectionnés ?</translation>
    </message>
</context>
<context>
    <name>CheckItemBase</name>
    <message>
        <location filename="../../src/ui/rows/CheckItemBase.cpp" line="+177"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Oxygène sanguin (SpO2) :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Rate(PR):</source>
        <translation>Fréquence du pouls (FP) :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perfusion Index(PI):</source>
        <translation>Indice de perfusion (IP) :</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>Date de naissance :</translation>
    </message>
</context>
<context>
    <name>CheckType</name>
    <message>
        <location filename="../../src/files/CheckType.cpp" line="+30"/>
        <source>ECG Recorder</source>
        <translation>Enregistreur ECG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Oximeter</source>
        <translation>Oxymètre de pouls</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thermometer</source>
        <translation>Thermomètre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pedometer</source>
        <translation>Podomètre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily Check</source>
        <translation>Contrôle quotidien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spot Check</source>
        <translation>Contrôle ponctuel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Monitor</source>
        <translation>Moniteur de sommeil</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Pressure</source>
        <translation>Tension artérielle</translation>
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
        <translation>Historique</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Glucose</source>
        <translation>Glycémie</translation>
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
        <translation>FC :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SpO2:</source>
        <translation>SpO2 :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PI:</source>
        <translation>IP :</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Lead:</source>
        <translation>Dérivation :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cable:</source>
        <translation>Câble :</translation>
    </message>
</context>
<context>
    <name>DbOperator</name>
    <message>
        <location filename="../../src/db/DbOperator.cpp" line="+265"/>
        <source>The record database %1 cannot be opened; check that its folder exists and can be written.</source>
        <translation>La base de données des mesures %1 ne peut pas être ouverte ; vérifiez que son dossier existe et est accessible en écriture.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file %1 is not a record database; move it away to start with an empty one.</source>
        <translation>Le fichier %1 n&apos;est pas une base de données des mesures ; déplacez-le pour repartir d&apos;une base vide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is damaged; keep a copy and move it away to start with an empty one.</source>
        <translation>La base de données des mesures %1 est endommagée ; gardez-en une copie et déplacez-la pour repartir d&apos;une base vide.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 is locked by another program; close that program and try again.</source>
        <translation>La base de données des mesures %1 est verrouillée par un autre programme ; fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is not writable; check the permissions of the file and its folder.</source>
        <translation>La base de données des mesures %1 n&apos;est pas accessible en écriture ; vérifiez les droits du fichier et de son dossier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 lacks parts of its tables (%2); restore it from a copy, or move it away to start with an empty one.</source>
        <translation>La base des mesures %1 a perdu une partie de ses tables (%2) ; restaurez-la depuis une copie, ou déplacez-la pour repartir d’une base vide.</translation>
    </message>
</context>
<context>
    <name>DetailReportReview</name>
    <message>
        <location filename="../../src/ui/holter/DetailReportReview.cpp" line="+53"/>
        <source>Tip</source>
        <translation>Conseil</translation>
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
        <translation>Numéro de série&amp;#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Version du logiciel&amp;#xa0;:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>State: Connected</source>
        <translation>État : connecté</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State: Offline</source>
        <translation>État : hors ligne</translation>
    </message>
</context>
<context>
    <name>DialogFrame</name>
    <message>
        <location filename="../../src/ui/viewers/DialogFrame.cpp" line="+30"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
</context>
<context>
    <name>DownloadDeviceWidget</name>
    <message>
        <location filename="../../src/ui/download/DownloadDeviceWidget.cpp" line="+30"/>
        <source>Serial Number:</source>
        <translation>Numéro de série&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Version du logiciel&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+18"/>
        <location line="+34"/>
        <source>Downloading...</source>
        <translation>Téléchargement en cours...</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+30"/>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Download completed</source>
        <translation>Téléchargement terminé</translation>
    </message>
</context>
<context>
    <name>EcgAnalyseDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.ui" line="+13"/>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.cpp" line="+48"/>
        <location line="+156"/>
        <source>Hide Ruler</source>
        <translation>Masquer la règle</translation>
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
        <translation>Afficher la règle</translation>
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
        <translation>FC :</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>PVCs:</source>
        <translation>ESV :</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>QT:</source>
        <translation>QT :</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>QTc:</source>
        <translation>QTc :</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>QRS:</source>
        <translation>QRS :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Irregular R-R</source>
        <translation>R-R irrégulier</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pause(&gt;3s) : Detected</source>
        <translation>Pause (&gt;3 s) : détectée</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Ruler</source>
        <translation>Règle</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Previous Strip</source>
        <translation>Tracé précédent</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Previous Minute</source>
        <translation>Minute précédente</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Minute</source>
        <translation>Minute suivante</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Strip</source>
        <translation>Tracé suivant</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="-70"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>EcgWidget</name>
    <message>
        <location filename="../../src/ui/rows/EcgWidget.cpp" line="+24"/>
        <source>HR:</source>
        <translation>FC :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ST:</source>
        <translation>ST :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth:</source>
        <translation>Bande passante :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lead:</source>
        <translation>Dérivation :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cable:</source>
        <translation>Câble :</translation>
    </message>
</context>
<context>
    <name>EdfExport</name>
    <message>
        <location filename="../../src/ui/viewers/EdfExport.cpp" line="+14"/>
        <source>Save EDF+</source>
        <translation>Enregistrer en EDF+</translation>
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
        <translation>Échec de la création du fichier EDF</translation>
    </message>
</context>
<context>
    <name>EditDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.ui" line="+6"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Patient ID:</source>
        <translation>ID patient :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gender:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Height:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight:</source>
        <translation>Poids :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> kg</source>
        <translation> kg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remarks:</source>
        <translation>Remarques :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.cpp" line="+23"/>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ExportGuard</name>
    <message>
        <location filename="../../src/sync/ExportGuard.cpp" line="+52"/>
        <source>%1 is a link to nothing; choose another file name.</source>
        <translation>%1 est un lien qui ne mène nulle part ; choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a folder; choose a file name.</source>
        <translation>%1 est un dossier ; choisissez un nom de fichier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a regular file; choose another file name.</source>
        <translation>%1 n’est pas un fichier ordinaire ; choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the program&apos;s configuration file; choose another file name.</source>
        <translation>%1 est le fichier de configuration du programme ; choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 belongs to the record database; choose another file name.</source>
        <translation>%1 fait partie de la base des mesures ; choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is the program&apos;s log file; choose another file name.</source>
        <translation>%1 est le fichier journal du programme ; choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 belongs to a download; choose another file name.</source>
        <translation>%1 appartient à un téléchargement ; choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 lies in a download&apos;s scratch folder; choose another folder.</source>
        <translation>%1 se trouve dans le dossier temporaire d’un téléchargement ; choisissez un autre dossier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lies in the folder of the monitor %2, which holds its checks; choose another folder.</source>
        <translation>%1 se trouve dans le dossier de l’appareil %2, qui contient ses mesures ; choisissez un autre dossier.</translation>
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
        <translation>Glycémie :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note:</source>
        <translation>Remarque :</translation>
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
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>ECG Report</source>
        <translation>Rapport ECG</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Information</source>
        <translation>Informations patient</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>Nom du patient :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Physician:</source>
        <translation>Médecin :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indications:</source>
        <translation>Indications :</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Time:</source>
        <translation>Heure de mesure :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>HR:</source>
        <translation>FC :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>ESV :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT:</source>
        <translation>QT :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QTc:</source>
        <translation>QTc :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Irregular R-R</source>
        <translation>R-R irrégulier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pause(&gt;3s): Detected</source>
        <translation>Pause (&gt;3 s) : détectée</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
</context>
<context>
    <name>HolterPdfBatch</name>
    <message>
        <location filename="../../src/ui/holter/HolterPdfBatch.cpp" line="+22"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Select directory</source>
        <translation>Choisir un dossier</translation>
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
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create PDF file failed.</source>
        <translation>La création du fichier PDF a échoué.</translation>
    </message>
</context>
<context>
    <name>HolterPrinting</name>
    <message>
        <location filename="../../src/ui/holter/HolterPrinting.cpp" line="+40"/>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Create PDF file failed.</source>
        <translation>La création du fichier PDF a échoué.</translation>
    </message>
</context>
<context>
    <name>HolterReport</name>
    <message>
        <location filename="../../src/holter/HolterReport.cpp" line="+203"/>
        <source>LEAD II</source>
        <translation>DÉRIVATION II</translation>
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
        <translation>Personnalisée</translation>
    </message>
</context>
<context>
    <name>HolterReportHelper</name>
    <message>
        <location filename="../../src/report/HolterReportHelper.cpp" line="+141"/>
        <source>Holter ECG Report</source>
        <translation>Rapport ECG Holter</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Information</source>
        <translation>Informations patient</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+77"/>
        <source>Patient Name:</source>
        <translation>Nom du patient :</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+50"/>
        <source>Physician:</source>
        <translation>Médecin :</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>ID:</source>
        <translation>ID :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indications:</source>
        <translation>Indications :</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Recording Information</source>
        <translation>Informations d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>Record Date:</source>
        <translation>Date d&apos;enregistrement :</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Lead:</source>
        <translation>Dérivation :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time:</source>
        <translation>Heure de début :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Strips:</source>
        <translation>Total des tracés :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(1 minute)</source>
        <translation>(1 minute)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Durée totale :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The recording file is missing or incomplete.</source>
        <translation>Le fichier d&apos;enregistrement est absent ou incomplet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>General Summary</source>
        <translation>Résumé général</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS Complex:</source>
        <translation>Complexes QRS :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>ESV :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg HR:</source>
        <translation>FC moy. :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause(&gt;3s):</source>
        <translation>Pause (&gt;3 s) :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strips</source>
        <translation>tracés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max HR:</source>
        <translation>FC max. :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Min HR:</source>
        <translation>FC min. :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heart Rate Variability</source>
        <translation>Variabilité de la fréquence cardiaque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MEAN:</source>
        <translation>MOYENNE :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SDNN:</source>
        <translation>SDNN :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RMSSD:</source>
        <translation>RMSSD :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNN50:</source>
        <translation>PNN50 :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
</context>
<context>
    <name>HolterReportViewer</name>
    <message>
        <location filename="../../src/ui/holter/HolterReportViewer.cpp" line="+17"/>
        <source>Holter ECG Report</source>
        <translation>Rapport ECG Holter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>15 minutes per page</source>
        <translation>15 minutes par page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 minutes per page</source>
        <translation>30 minutes par page</translation>
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
        <translation>tracés</translation>
    </message>
</context>
<context>
    <name>HolterWidget</name>
    <message>
        <location filename="../../src/ui/holter/HolterWidget.cpp" line="+31"/>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>Nom du patient :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Durée totale :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ID:</source>
        <translation>ID :</translation>
    </message>
</context>
<context>
    <name>LeadText</name>
    <message>
        <location filename="../../src/report/LeadText.cpp" line="+16"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>LEAD I</source>
        <translation>DÉRIVATION I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LEAD II</source>
        <translation>DÉRIVATION II</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LEAD Wristova</source>
        <translation>DÉRIVATION Wristova</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Lead I</source>
        <translation>Dérivation I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lead II</source>
        <translation>Dérivation II</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chest Lead</source>
        <translation>Dérivation thoracique</translation>
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
        <translation>Large</translation>
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
        <translation>Connexion</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+1"/>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Sélectionnez plusieurs enregistrements avec les touches CTRL et MAJ</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About me</source>
        <translation>À propos du logiciel</translation>
    </message>
    <message>
        <location line="+285"/>
        <location line="+15"/>
        <source>Delete all items</source>
        <translation>Supprimer tous les éléments</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete selected items</source>
        <translation>Supprimer les éléments sélectionnés</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+19"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+20"/>
        <source>Are you sure you want to delete all items?</source>
        <translation>Voulez-vous vraiment supprimer tous les éléments ?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Voulez-vous vraiment supprimer tous les éléments sélectionnés ?</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation>Vous allez supprimer %1. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fail to delete: %1</source>
        <translation>Échec de la suppression : %1</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No items are selected.</source>
        <translation>Aucun élément sélectionné.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-236"/>
        <source>All Results</source>
        <translation>Tous les résultats</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Users</source>
        <translation>Tous les utilisateurs</translation>
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
        <translation>température anormale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>normal temp</source>
        <translation>température normale</translation>
    </message>
</context>
<context>
    <name>MultiTestWidget</name>
    <message>
        <location filename="../../src/ui/rows/MultiTestWidget.ui" line="+48"/>
        <source>DATATIME</source>
        <translation>DATE/HEURE</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>HR:</source>
        <translation>FC :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>Oxygène sanguin (SpO2) :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pulse Rate(PR):</source>
        <translation>Fréquence du pouls (FP) :</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Body Temperature:</source>
        <translation>Température corporelle :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Pressure: SYS/DIA</source>
        <translation>Tension artérielle : SYS/DIA</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Glocose:</source>
        <translation>Glycémie :</translation>
    </message>
    <message>
        <location filename="../../src/ui/rows/MultiTestWidget.cpp" line="+30"/>
        <source>Object temperature:</source>
        <translation>Température de l&apos;objet :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Température corporelle :</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <location filename="../../src/ui/MyMessageBox.cpp" line="+11"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>NibpWidget</name>
    <message>
        <location filename="../../src/ui/rows/NibpWidget.cpp" line="+29"/>
        <source>SYS:</source>
        <translation>SYS :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIA:</source>
        <translation>DIA :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR:</source>
        <translation>FP :</translation>
    </message>
</context>
<context>
    <name>NoDataWidget</name>
    <message>
        <location filename="../../src/ui/records/NoDataWidget.ui" line="+28"/>
        <source>No Data</source>
        <translation>Aucune donnée</translation>
    </message>
</context>
<context>
    <name>PedoWidget</name>
    <message>
        <location filename="../../src/ui/rows/PedoWidget.cpp" line="+21"/>
        <source>Steps:</source>
        <translation>Pas :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Distance:</source>
        <translation>Distance :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total calorie:</source>
        <translation>Calories totales :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fat:</source>
        <translation>Graisse :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total time:</source>
        <translation>Durée totale :</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/browser/main.cpp" line="+76"/>
        <source>Permission denied</source>
        <translation>Autorisation refusée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Veuillez relancer le logiciel avec les droits d&apos;administrateur</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Record database</source>
        <translation>Base de données des mesures</translation>
    </message>
</context>
<context>
    <name>ReportHelper</name>
    <message>
        <location filename="../../src/report/ReportHelper.cpp" line="+84"/>
        <source>Regular electrocardiogram(ECG)</source>
        <translation>Électrocardiogramme (ECG) régulier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unable to Analyze</source>
        <translation>Analyse impossible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate, tachycardia</source>
        <translation>Fréquence cardiaque rapide, tachycardie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate, bradycardia</source>
        <translation>Fréquence cardiaque lente, bradycardie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular heartbeat</source>
        <translation>Rythme cardiaque irrégulier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Premature Beat(PVC)</source>
        <translation>Extrasystole suspectée (ESV)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Heartbeat Pause</source>
        <translation>Pause cardiaque suspectée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Atrial Fibrillation (AF)</source>
        <translation>Fibrillation auriculaire (FA) suspectée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS interval is too wide</source>
        <translation>Intervalle QRS trop large</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QTc interval prolongation</source>
        <translation>Allongement de l&apos;intervalle QTc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QTc interval is too short</source>
        <translation>Intervalle QTc trop court</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ST segment elevation</source>
        <translation>Sus-décalage du segment ST</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ST segment depression</source>
        <translation>Sous-décalage du segment ST</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Report</source>
        <comment>zh_zn_ver</comment>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Paitent ID:</source>
        <translation>ID patient :</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location line="+297"/>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <location line="-299"/>
        <location line="+3"/>
        <location line="+296"/>
        <source>Gender:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <location line="-295"/>
        <source>Date of Birth:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remarks: </source>
        <translation>Remarques : </translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+22"/>
        <source>Measuring Time:</source>
        <translation>Heure de mesure :</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+24"/>
        <source>Bandwidth:</source>
        <translation>Bande passante :</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+25"/>
        <location line="+217"/>
        <source>HR:</source>
        <translation>FC :</translation>
    </message>
    <message>
        <location line="-295"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+242"/>
        <source>QRS:</source>
        <translation>QRS :</translation>
    </message>
    <message>
        <location line="-293"/>
        <source>ST:</source>
        <translation>ST :</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <location line="+31"/>
        <location line="+241"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc :</translation>
    </message>
    <message>
        <location line="-268"/>
        <location line="+44"/>
        <source>Lead:</source>
        <translation>Dérivation :</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Cable:</source>
        <translation>Câble :</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>SpO2:</source>
        <translation>SpO2 :</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+25"/>
        <location line="+21"/>
        <source>PI:</source>
        <translation>IP :</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>ECG Bandwidth:</source>
        <translation>Bande passante ECG :</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+241"/>
        <source>Temperature:</source>
        <translation>Température :</translation>
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
        <translation>FP :</translation>
    </message>
    <message>
        <location line="-214"/>
        <location line="+205"/>
        <source>ECG:</source>
        <translation>ECG :</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>The strip is cut: %1 of %2 samples</source>
        <translation>Le tracé est tronqué : %1 échantillons sur %2</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Report</source>
        <comment>zh_cn_ver</comment>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TestTime:</source>
        <translation>Heure du test :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Birthday:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Height:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Weight:</source>
        <translation>Poids :</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>FingerPulse:</source>
        <translation>Pouls digital :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Oxi:</source>
        <translation>SpO2 :</translation>
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
        <translation>SYS/DIA :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Note:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Doctor:</source>
        <translation>Médecin :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../../src/report/ReportOutput.cpp" line="+150"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <location filename="../../src/ui/viewers/ReportPrinting.cpp" line="+87"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF File(*.pdf)</source>
        <translation>Fichier PDF(*.pdf)</translation>
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
        <translation>L’imprimante n’a pas pu démarrer ; rien n’a été imprimé.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>create pdf failed</source>
        <translation>Échec de la création du PDF</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/ReportViewer.cpp" line="+31"/>
        <source>Print report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as JPG file</source>
        <translation>Enregistrer en JPG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analysis wave</source>
        <translation>Analyser l&apos;onde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit report</source>
        <translation>Modifier le rapport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as CSV file</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save EDF+</source>
        <translation>Enregistrer en EDF+</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF File(*.pdf)</source>
        <translation>Fichier PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>create pdf failed</source>
        <translation>Échec de la création du PDF</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>create jpg failed</source>
        <translation>Impossible de créer le JPG</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>échec de l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <location filename="../../src/report/ResultText.cpp" line="+17"/>
        <source>Regular ECG Rhythm</source>
        <translation>Rythme ECG régulier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Heart Rate</source>
        <translation>Fréquence cardiaque élevée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Heart Rate</source>
        <translation>Fréquence cardiaque basse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High QRS Value</source>
        <translation>Valeur QRS élevée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High ST Value</source>
        <translation>Valeur ST élevée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low ST Value</source>
        <translation>Valeur ST basse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular ECG Rhythm</source>
        <translation>Rythme ECG irrégulier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Premature Beat</source>
        <translation>Battement prématuré suspecté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to Analyze</source>
        <translation>Analyse impossible</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Poor signal</source>
        <translation>Signal faible</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Poor pulse signal</source>
        <translation>Signal de pouls faible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regular heart beat</source>
        <translation>Battements cardiaques réguliers</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Irregular heart beat</source>
        <translation>Battements cardiaques irréguliers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate</source>
        <translation>Fréquence cardiaque rapide</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate</source>
        <translation>Fréquence cardiaque lente</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>High range blood pressure</source>
        <translation>Tension artérielle élevée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Normal range blood pressure</source>
        <translation>Tension artérielle normale</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Normal Blood Oxygen</source>
        <translation>Oxygène sanguin normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Blood Oxygen</source>
        <translation>Oxygène sanguin bas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No abnormalities detected</source>
        <translation>Aucune anomalie détectée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blood Oxygen drops detected</source>
        <translation>Baisses d&apos;oxygène sanguin détectées</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Low range blood glucose</source>
        <translation>Glycémie basse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>normal range blood glucose</source>
        <translation>Glycémie normale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High range blood glucose</source>
        <translation>Glycémie élevée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to analyze</source>
        <translation>Analyse impossible</translation>
    </message>
</context>
<context>
    <name>SetDataDirDlg</name>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.ui" line="+6"/>
        <source>Data directory</source>
        <translation>Dossier des données</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Where the program keeps its data</source>
        <translation>Emplacement des données du programme</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+17"/>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="+75"/>
        <location line="+8"/>
        <source>Browser</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Data of the older program (optional)</source>
        <translation>Données de l’ancien programme (facultatif)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder holding the &quot;Vitacor_&quot; folders of each monitor. Leave it empty to start without them.</source>
        <translation>Le dossier contenant les dossiers « Vitacor_ » de chaque appareil. Laissez vide pour commencer sans eux.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-detected</source>
        <translation>Détecté automatiquement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Manual input</source>
        <translation>Saisie manuelle</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="-59"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import data of the older program</source>
        <translation>Importer les données de l’ancien programme</translation>
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
        <translation>La création du dossier a échoué.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No &quot;Vitacor_&quot; folder of the older program was found in %1.</source>
        <translation>Aucun dossier « Vitacor_ » de l’ancien programme n’a été trouvé dans %1.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The data of some monitors could not be stored; the others were imported.</source>
        <translation>Les données de certains appareils n’ont pas pu être enregistrées ; les autres ont été importées.</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.ui" line="+6"/>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tips:After modifying the language, restart the software.</source>
        <translation>Conseil : après avoir changé la langue, redémarrez le logiciel.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distance unit:</source>
        <translation>Unité de distance :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Temperature:</source>
        <translation>Température :</translation>
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
        <translation>Données enregistrées dans :</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="+221"/>
        <source>Browser</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import data of the older program...</source>
        <translation>Importer les données de l’ancien programme...</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="-162"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Impossible de choisir un sous-dossier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The chosen path is a file, not a folder.</source>
        <translation>Le chemin choisi est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Some files could be neither moved nor copied; they stay in %1.</source>
        <translation>Certains fichiers n’ont pu être ni déplacés ni copiés ; ils restent dans %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create directory failed.</source>
        <translation>La création du dossier a échoué.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The record database could not be copied to %1. Your data stays in %2; nothing was moved.</source>
        <translation>La base des mesures n’a pas pu être copiée vers %1. Vos données restent dans %2 ; rien n’a été déplacé.</translation>
    </message>
</context>
<context>
    <name>SlmReportHelper</name>
    <message>
        <location filename="../../src/report/SlmReportHelper.cpp" line="+78"/>
        <source>Report</source>
        <translation>Rapport</translation>
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
        <translation>Nom :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remarks:</source>
        <translation>Remarques :</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Measuring Time:</source>
        <translation>Heure de mesure :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Duration:</source>
        <translation>Durée totale :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>Statistiques &lt;90% :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>baisses, durée totale :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average:</source>
        <translation>Moyenne :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest:</source>
        <translation>Minimum :</translation>
    </message>
</context>
<context>
    <name>SlmReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/SlmReportViewer.cpp" line="+21"/>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create file failed.</source>
        <translation>Impossible de créer le fichier.</translation>
    </message>
</context>
<context>
    <name>SlmWidget</name>
    <message>
        <location filename="../../src/ui/rows/SlmWidget.cpp" line="+27"/>
        <source>Total Duration:</source>
        <translation>Durée totale :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>Statistiques &lt;90% :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>baisses, durée totale :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average:</source>
        <translation>Moyenne :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lowest:</source>
        <translation>Minimum :</translation>
    </message>
</context>
<context>
    <name>Spo2TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/Spo2TempWidget.cpp" line="+22"/>
        <source>Body Temperature:</source>
        <translation>Température corporelle :</translation>
    </message>
</context>
<context>
    <name>SpotWidget</name>
    <message>
        <location filename="../../src/ui/rows/SpotWidget.cpp" line="+26"/>
        <source>patient id:</source>
        <translation>ID patient :</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>HR:</source>
        <translation>FC :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc :</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SpO2:</source>
        <translation>SpO2 :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PI:</source>
        <translation>IP :</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Temperature:</source>
        <translation>Température :</translation>
    </message>
</context>
<context>
    <name>SummaryDlg</name>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.ui" line="+14"/>
        <source>Holter Summary</source>
        <translation>Synthèse Holter</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Patient Information</source>
        <translation>Informations patient</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Patient Name:</source>
        <translation>Nom du patient :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ID:</source>
        <translation>ID :</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gender:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Date of Birth:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Physician:</source>
        <translation>Médecin :</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Indications:</source>
        <translation>Indications :</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Recording Information</source>
        <translation>Informations d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Record Date:</source>
        <translation>Date d&apos;enregistrement :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Start Time:</source>
        <translation>Heure de début :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Time:</source>
        <translation>Durée totale :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Strips:</source>
        <translation>Nombre de tracés :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lead:</source>
        <translation>Dérivation :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>General Summary</source>
        <translation>Synthèse générale</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Max HR:</source>
        <translation>FC max :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Min HR:</source>
        <translation>FC min :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Avg HR:</source>
        <translation>FC moy. :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>QRS Complexes:</source>
        <translation>Complexes QRS :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PVCs:</source>
        <translation>ESV :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pause(&gt;3s)</source>
        <translation>Pause (&gt;3 s)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Heart Rate Variability</source>
        <translation>Variabilité de la fréquence cardiaque</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MEAN:</source>
        <translation>MOYENNE :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>SDNN:</source>
        <translation>SDNN :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>RMSSD:</source>
        <translation>RMSSD :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PNN50:</source>
        <translation>PNN50 :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Comments:</source>
        <translation>Commentaires :</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Strips Screening</source>
        <translation>Recherche de tracés</translation>
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
        <translation>ESV≥2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Irregular R-R</source>
        <translation>R-R irrégulier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>0 strips found</source>
        <translation>0 tracé trouvé</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>View all ECG</source>
        <translation>Voir tout l&apos;ECG</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="+227"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Holter ECG Report</source>
        <translation>Rapport ECG Holter</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save EDF+</source>
        <translation>Enregistrer en EDF+</translation>
    </message>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="-145"/>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>strips found</source>
        <translation>tracés trouvés</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/download/SyncDlg.ui" line="+8"/>
        <location line="+39"/>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="+213"/>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>No monitor found. Plug a monitor in with its USB cable and switch it on; it appears here by itself. On Linux the program needs the udev rule for the monitor (see the README).</source>
        <translation>Aucun moniteur trouvé. Branchez un moniteur avec son câble USB et allumez-le ; il apparaît ici de lui-même. Sous Linux, le programme a besoin de la règle udev du moniteur (voir le README).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Refresh Device List</source>
        <translation>Actualiser la liste des appareils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download all device files</source>
        <translation>Télécharger tous les fichiers de l&apos;appareil</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="-80"/>
        <source>A monitor is plugged in at %1, but this user may not open it. Install the udev rule that comes with the program as %2, then unplug the monitor and plug it in again.</source>
        <translation>Un moniteur est branché sur %1, mais cet utilisateur n’a pas le droit de l’ouvrir. Installez la règle udev fournie avec le programme sous %2, puis débranchez le moniteur et rebranchez-le.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Another download of this monitor is running</source>
        <translation>Un autre téléchargement de ce moniteur est en cours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed: the data directory cannot be written (%1)</source>
        <translation>Échec du téléchargement : impossible d&apos;écrire dans le dossier de données (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed. Check the cable</source>
        <translation>Échec du téléchargement. Vérifiez le câble</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download completed</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Holter recording not downloaded</source>
        <translation>Enregistrement Holter non téléchargé</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n record(s) without a valid time passed over</source>
        <translation>
            <numerusform>%n enregistrement sans heure valide ignoré</numerusform>
            <numerusform>%n enregistrements sans heure valide ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n check(s) not stored: a stored check of another type has the same time</source>
        <translation>
            <numerusform>%n mesure non enregistrée : une mesure d&apos;un autre type enregistrée a la même heure</numerusform>
            <numerusform>%n mesures non enregistrées : une mesure d&apos;un autre type enregistrée a la même heure</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Holter recording not stored: its size or duration disagrees with its header</source>
        <translation>Enregistrement Holter non enregistré : sa taille ou sa durée ne correspond pas à son en-tête</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The download folder could not be removed (%1)</source>
        <translation>Le dossier de téléchargement n’a pas pu être supprimé (%1)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The files of %1 arrived but could not be stored; nothing of this download was kept. Try the download again.</source>
        <translation>Les fichiers de %1 sont arrivés mais n&apos;ont pas pu être enregistrés ; rien de ce téléchargement n&apos;a été conservé. Réessayez le téléchargement.</translation>
    </message>
</context>
<context>
    <name>TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/TempWidget.cpp" line="+21"/>
        <source>Object temperature:</source>
        <translation>Température de l&apos;objet :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Température corporelle :</translation>
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
        <translation>Page précédente</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
</context>
</TS>
