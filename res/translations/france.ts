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
        <source>Downloading...</source>
        <translation>Téléchargement en cours...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Download completed</source>
        <translation>Téléchargement terminé</translation>
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
    <name>MainWindow</name>
    <message>
        <location filename="../../src/ui/MainWindow.ui" line="+26"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+63"/>
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
        <source>Delete all items</source>
        <translation type="vanished">Supprimer tous les éléments</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation type="vanished">Supprimer les éléments sélectionnés</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">Supprimer</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all items?</source>
        <translation type="vanished">Voulez-vous vraiment supprimer tous les éléments ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all selected items?</source>
        <translation type="vanished">Voulez-vous vraiment supprimer tous les éléments sélectionnés ?</translation>
    </message>
    <message>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation type="vanished">Vous allez supprimer %1. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="vanished">Erreur</translation>
    </message>
    <message>
        <source>Fail to delete: %1</source>
        <translation type="vanished">Échec de la suppression : %1</translation>
    </message>
    <message>
        <source>No items are selected.</source>
        <translation type="vanished">Aucun élément sélectionné.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="vanished">Message</translation>
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
        <source>All Results</source>
        <translation type="vanished">Tous les résultats</translation>
    </message>
    <message>
        <source>All Users</source>
        <translation type="vanished">Tous les utilisateurs</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/browser/main.cpp" line="+72"/>
        <source>Permission denied</source>
        <translation>Autorisation refusée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>Veuillez relancer le logiciel avec les droits d&apos;administrateur</translation>
    </message>
</context>
<context>
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/SyncDlg.ui" line="+8"/>
        <location line="+22"/>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <location line="-7"/>
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
    </message>
</context>
</TS>
