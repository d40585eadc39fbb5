<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <location filename="../../src/ui/BodyCheckWidget.cpp" line="+46"/>
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
        <location filename="../../src/ui/CheckDispController.cpp" line="+258"/>
        <source>All Results</source>
        <translation>Tous les résultats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Users</source>
        <translation>Tous les utilisateurs</translation>
    </message>
    <message>
        <location line="+117"/>
        <location line="+9"/>
        <location line="+31"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Some checks of %1 could not be deleted; they are kept with their files.</source>
        <translation>Certaines mesures de %1 n&apos;ont pas pu être supprimées ; elles sont conservées avec leurs fichiers.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n check(s) could not be deleted; they are kept with their files.</source>
        <translation>
            <numerusform>%n mesure n&apos;a pas pu être supprimée ; elle est conservée avec ses fichiers.</numerusform>
            <numerusform>%n mesures n&apos;ont pas pu être supprimées ; elles sont conservées avec leurs fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <source> item: </source>
        <translation> élément : </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+31"/>
        <location line="+18"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>This voice note cannot be played.</source>
        <translation>Cette note vocale ne peut pas être lue.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Voulez-vous vraiment supprimer tous les éléments sélectionnés ?</translation>
    </message>
</context>
<context>
    <name>CheckItemBase</name>
    <message>
        <location filename="../../src/ui/CheckItemBase.cpp" line="+163"/>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <location line="+7"/>
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
        <location line="+5"/>
        <source>Date of Birth:</source>
        <translation>Date de naissance :</translation>
    </message>
</context>
<context>
    <name>CheckType</name>
    <message>
        <location filename="../../src/files/CheckType.cpp" line="+20"/>
        <source>ECG Recorder</source>
        <translation>Enregistreur ECG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pulse Oximeter</source>
        <translation>Oxymètre de pouls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermometer</source>
        <translation>Thermomètre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pedometer</source>
        <translation>Podomètre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Daily Check</source>
        <translation>Contrôle quotidien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spot Check</source>
        <translation>Contrôle ponctuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep Monitor</source>
        <translation>Moniteur de sommeil</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Blood Pressure</source>
        <translation>Tension artérielle</translation>
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
        <translation>Historique</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Blood Glucose</source>
        <translation>Glycémie</translation>
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
        <location line="+3"/>
        <source>SpO2:</source>
        <translation>SpO2 :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PI:</source>
        <translation>IP :</translation>
    </message>
    <message>
        <location line="+18"/>
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
        <location filename="../../src/db/DbOperator.cpp" line="+147"/>
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
        <translation>Numéro de série&amp;#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>Version du logiciel&amp;#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
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
    <name>DownloadDeviceWidget</name>
    <message>
        <location filename="../../src/ui/DownloadDeviceWidget.cpp" line="+30"/>
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
        <location line="+34"/>
        <location line="+29"/>
        <location line="+35"/>
        <source>Downloading...</source>
        <translation>Téléchargement en cours...</translation>
    </message>
    <message>
        <location line="+15"/>
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
        <location filename="../../src/ui/EcgAnalyseDlg.ui" line="+13"/>
        <location filename="../../src/ui/EcgAnalyseDlg.cpp" line="+48"/>
        <location line="+99"/>
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
        <location filename="../../src/ui/EcgAnalyseDlg.cpp" line="+0"/>
        <source>Show Ruler</source>
        <translation>Afficher la règle</translation>
    </message>
</context>
<context>
    <name>EcgWidget</name>
    <message>
        <location filename="../../src/ui/EcgWidget.cpp" line="+51"/>
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
        <location line="+2"/>
        <source>ST:</source>
        <translation>ST :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bandwidth:</source>
        <translation>Bande passante :</translation>
    </message>
    <message>
        <location line="+5"/>
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
    <name>EditDlg</name>
    <message>
        <location filename="../../src/ui/EditDlg.ui" line="+6"/>
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
        <location filename="../../src/ui/EditDlg.cpp" line="+23"/>
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
    <name>GluWidget</name>
    <message>
        <location filename="../../src/ui/GluWidget.cpp" line="+35"/>
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
        <location filename="../../src/ui/MainWindow.cpp" line="+79"/>
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
        <location line="+236"/>
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
        <location line="-30"/>
        <location line="+20"/>
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
        <location line="+6"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>Voulez-vous vraiment supprimer tous les éléments sélectionnés ?</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation>Vous allez supprimer %1. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fail to delete: %1</source>
        <translation>Échec de la suppression : %1</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>No items are selected.</source>
        <translation>Aucun élément sélectionné.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="vanished">Rapport</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="vanished">Enregistrer sous</translation>
    </message>
    <message>
        <source>PDF File(*.pdf)</source>
        <translation type="vanished">Fichier PDF(*.pdf)</translation>
    </message>
    <message>
        <source>create pdf failed</source>
        <translation type="vanished">Échec de la création du PDF</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation type="vanished">Choisir un dossier</translation>
    </message>
    <message>
        <source>Create PDF file failed.</source>
        <translation type="vanished">La création du fichier PDF a échoué.</translation>
    </message>
    <message>
        <location line="-186"/>
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
        <location filename="../../src/ui/MultiTestWidget.ui" line="+48"/>
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
        <location filename="../../src/ui/MultiTestWidget.cpp" line="+51"/>
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
        <location filename="../../src/ui/NibpWidget.cpp" line="+46"/>
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
        <location filename="../../src/ui/NoDataWidget.ui" line="+28"/>
        <source>No Data</source>
        <translation>Aucune donnée</translation>
    </message>
</context>
<context>
    <name>OxiWidget</name>
    <message>
        <location filename="../../src/ui/OxiWidget.cpp" line="+35"/>
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
</context>
<context>
    <name>PedoWidget</name>
    <message>
        <location filename="../../src/ui/PedoWidget.cpp" line="+38"/>
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
        <location filename="../../src/browser/main.cpp" line="+73"/>
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
        <location filename="../../src/report/ReportHelper.cpp" line="+89"/>
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
        <location line="+63"/>
        <source>Paitent ID:</source>
        <translation>ID patient :</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location line="+261"/>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <location line="-263"/>
        <location line="+3"/>
        <location line="+260"/>
        <source>Gender:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <location line="-259"/>
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
        <location line="+155"/>
        <source>HR:</source>
        <translation>FC :</translation>
    </message>
    <message>
        <location line="-233"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+180"/>
        <source>QRS:</source>
        <translation>QRS :</translation>
    </message>
    <message>
        <location line="-231"/>
        <source>ST:</source>
        <translation>ST :</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <location line="+31"/>
        <location line="+179"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc :</translation>
    </message>
    <message>
        <location line="-206"/>
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
        <source>PI:</source>
        <translation>IP :</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>ECG Bandwidth:</source>
        <translation>Bande passante ECG :</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+178"/>
        <source>Temperature:</source>
        <translation>Température :</translation>
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
        <translation>FP :</translation>
    </message>
    <message>
        <location line="-154"/>
        <location line="+148"/>
        <source>ECG:</source>
        <translation>ECG :</translation>
    </message>
    <message>
        <location line="-28"/>
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
        <location line="+23"/>
        <source>FingerPulse:</source>
        <translation>Pouls digital :</translation>
    </message>
    <message>
        <location line="+2"/>
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
        <location line="+2"/>
        <source>SYS/DIA:</source>
        <translation>SYS/DIA :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Note:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <location line="+20"/>
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
        <location filename="../../src/report/ReportOutput.cpp" line="+24"/>
        <location line="+14"/>
        <source>create pdf failed</source>
        <translation>Échec de la création du PDF</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>create jpg failed</source>
        <translation>Impossible de créer le JPG</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <location filename="../../src/ui/ReportPrinting.cpp" line="+54"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF File(*.pdf)</source>
        <translation>Fichier PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>create pdf failed</source>
        <translation>Échec de la création du PDF</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <location filename="../../src/ui/ReportViewer.cpp" line="+28"/>
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
        <location line="+52"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF File(*.pdf)</source>
        <translation>Fichier PDF(*.pdf)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+13"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>create pdf failed</source>
        <translation>Échec de la création du PDF</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>create jpg failed</source>
        <translation>Impossible de créer le JPG</translation>
    </message>
    <message>
        <location line="+34"/>
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
    <name>SleepCsv</name>
    <message>
        <location filename="../../src/report/SleepCsv.cpp" line="+30"/>
        <source>Create file failed.</source>
        <translation>Impossible de créer le fichier.</translation>
    </message>
</context>
<context>
    <name>SlmReportHelper</name>
    <message>
        <location filename="../../src/report/SlmReportHelper.cpp" line="+92"/>
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
        <location line="+1"/>
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
        <location filename="../../src/ui/SlmReportViewer.cpp" line="+21"/>
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
        <location filename="../../src/ui/SlmWidget.cpp" line="+41"/>
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
        <location filename="../../src/ui/Spo2TempWidget.cpp" line="+37"/>
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
        <location line="+3"/>
        <source>Body Temperature:</source>
        <translation>Température corporelle :</translation>
    </message>
</context>
<context>
    <name>SpotWidget</name>
    <message>
        <location filename="../../src/ui/SpotWidget.cpp" line="+49"/>
        <source>patient id:</source>
        <translation>ID patient :</translation>
    </message>
    <message>
        <location line="+12"/>
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
        <location line="+9"/>
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
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/SyncDlg.ui" line="+8"/>
        <location line="+32"/>
        <location filename="../../src/ui/SyncDlg.cpp" line="+166"/>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>No monitor found. Plug a monitor in with its USB cable and switch it on; it appears here by itself. On Linux the program needs the udev rule for the monitor (see the README).</source>
        <translation>Aucun moniteur trouvé. Branchez un moniteur avec son câble USB et allumez-le ; il apparaît ici de lui-même. Sous Linux, le programme a besoin de la règle udev du moniteur (voir le README).</translation>
    </message>
    <message>
        <location line="+17"/>
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
        <location filename="../../src/ui/SyncDlg.cpp" line="+107"/>
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
        <translation>Le dossier de téléchargement n&apos;a pas pu être supprimé (%1)</translation>
        <location filename="../../src/ui/SyncDlg.cpp" line="+1"/>
        <source>The files of %1 arrived but could not be stored; nothing of this download was kept. Try the download again.</source>
        <translation>Les fichiers de %1 sont arrivés mais n&apos;ont pas pu être enregistrés ; rien de ce téléchargement n&apos;a été conservé. Réessayez le téléchargement.</translation>
    </message>
</context>
<context>
    <name>TempWidget</name>
    <message>
        <location filename="../../src/ui/TempWidget.cpp" line="+36"/>
        <source>Object temperature:</source>
        <translation>Température de l&apos;objet :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>Température corporelle :</translation>
    </message>
</context>
</TS>
