<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>Impossible de redémarrer le logiciel. Veuillez le relancer.</translation>
    </message>
</context>
<context>
    <name>IBoard</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Mise au point et exposition</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Figer</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Réglage des couleurs</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Recadrage auto</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Image dans l&apos;image</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Écran partagé</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Mode photo</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Enregistrement vidéo</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Reconnaissance de texte</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>Son de l&apos;obturateur</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Capture partielle</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Photo avec minuteur</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Accéléré</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Capture vers le presse-papiers</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Photo noir et blanc</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Photo en niveaux de gris</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Palette de couleurs</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>Image en direct, photos, annotations, enregistrement de l&apos;écran et reconnaissance de texte pour une caméra de documents.

Environnement : ORVELLA_VIRTUAL_CAMERA=N ajoute N caméras virtuelles ; ORVELLA_WIFI_HOST est l&apos;adresse de la caméra sans fil.</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>IConfigureService</name>
    <message>
        <source>Orvella</source>
        <translation>Orvella</translation>
    </message>
    <message>
        <source>Kestrima Technology Co., Ltd.</source>
        <translation>Kestrima Technology Co., Ltd.</translation>
    </message>
</context>
<context>
    <name>ICustomSlider</name>
    <message>
        <source>not supported by this camera</source>
        <translation>non pris en charge par cette caméra</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Ligne droite</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Rempli</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>Mise au point</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Save failed.</source>
        <translation>Échec de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importer un fichier</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>%1 fichier(s) illisible(s) ignoré(s).</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>Aucun programme pour ouvrir %1</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Retirer de la liste</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Désélectionner</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importer un fichier</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>La loupe ne peut pas lire l&apos;écran de ce bureau.</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>Erreur lors du chargement du moteur OCR Tesseract</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>Erreur lors du déchargement du moteur OCR Tesseract</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>Reconnaissance arrêtée</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>Impossible d&apos;écrire dans le dossier %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>Impossible de lire la photo %1</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>Aucune photo à reconnaître</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Impossible d&apos;écrire le fichier %1</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>Langue de reconnaissance inconnue : %1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>Pack de langue non installé : %1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>Aucune langue de reconnaissance choisie</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>Impossible d&apos;ajouter une page à %1</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>Impossible de démarrer le moteur pour %1</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>Impossible de reconnaître la photo %1</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>Reconnaissance de texte</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importer un fichier</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Langue du texte</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>WORD</translation>
    </message>
    <message>
        <source>EXCEL</source>
        <translation>EXCEL</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Reconnaître</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>Aucune donnée de reconnaissance pour cette langue.</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>Les données de reconnaissance de cette langue ne sont pas installées.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Ouvrir une photo</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Veuillez importer une photo à reconnaître.</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>Veuillez choisir une langue de reconnaissance.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>Reconnaissance terminée !</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>Reconnaissance en cours...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>Contraste </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Luminosité </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Saturation </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>IRecordSoundBar</name>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>No sound available</source>
        <translation>Aucun son disponible</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Pas de son</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non connecté)</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Ajuster</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>Logiciel :</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Version :</translation>
    </message>
</context>
<context>
    <name>ISettingFormatPage</name>
    <message>
        <source>Picture</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Not available on this system</source>
        <translation>Non disponible sur ce système</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Redémarrez le logiciel pour appliquer la langue.</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>Impossible de redémarrer le logiciel. La langue sera appliquée au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>ISettingStoragePage</name>
    <message>
        <source>Picture</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Voir le dossier photos</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Voir le dossier vidéos</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Choisir le dossier photos</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Choisir le dossier vidéos</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>Impossible d&apos;ouvrir le dossier : %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>Confirmer la modification ?</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>Image dans l&apos;image</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>Aucune caméra disponible</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>Impossible d&apos;ouvrir la caméra de l&apos;image dans l&apos;image.</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>Épaisseur 1</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>Épaisseur 3</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>Épaisseur 5</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>Épaisseur 7</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>Épaisseur 10</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>Épaisseur 20</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>Épaisseur 30</translation>
    </message>
</context>
<context>
    <name>ITimelapseButton</name>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Shot</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>Suivante dans</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Saisissez un nombre entier supérieur à 0.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Nombre de photos</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>photos</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>Impossible de démarrer l&apos;enregistrement de l&apos;écran.</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>L&apos;enregistrement de l&apos;écran s&apos;est arrêté de façon inattendue.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>Enregistrement sans son : le microphone n&apos;est pas disponible.</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>Enregistrement de l&apos;écran</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>Vidéo enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>Sélectionnez d&apos;abord une photo</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>La photo est trop grande pour être affichée.</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>Impossible de lire la photo.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>La caméra n&apos;est pas disponible : coupure d&apos;alimentation, mauvais contact ou câble débranché. Vérifiez l&apos;appareil.</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Aucun appareil Orvella trouvé ! Causes possibles : 1. Orvella n&apos;est pas bien branché. 2. Le pilote n&apos;est pas correctement installé. 3. L&apos;appareil est endommagé.</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 ne peut pas ouvrir la caméra %2 (accès refusé). Ajoutez votre utilisateur au groupe &quot;video&quot; avec &quot;sudo usermod -aG video %3&quot;, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>La caméra de l&apos;image dans l&apos;image a été déconnectée.</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Enregistré.</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>Échec de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Terminé !</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Enregistrement, veuillez patienter !</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Sélectionnez d&apos;abord des fichiers dans la liste de gauche</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Résolution actuelle : 1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Vidéo enregistrée.</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>Page effacée. Ctrl+Z la rétablit.</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>Vidéo en accéléré</translation>
    </message>
</context>
</TS>
