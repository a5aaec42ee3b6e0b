<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>Impossibile riavviare il programma. Avvialo di nuovo.</translation>
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
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Trasparenza</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Messa a fuoco ed esposizione</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Regolazione colore</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Ritaglio automatico</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Picture-in-picture</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Schermo diviso</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Scatta</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Modalità foto</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Registrazione video</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Riconoscimento testo</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchio</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Capovolgi</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>Suono otturatore</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Cattura schermo</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Cattura parziale</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Foto con timer</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Cattura negli appunti</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Foto in bianco e nero</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Foto in scala di grigi</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Tavolozza colori</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>Immagine dal vivo, foto, annotazioni, registrazione dello schermo e riconoscimento testo per una fotocamera per documenti.

Ambiente: ORVELLA_VIRTUAL_CAMERA=N aggiunge N fotocamere virtuali; ORVELLA_WIFI_HOST è l&apos;indirizzo della fotocamera wireless.</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
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
        <translation>non supportato da questa fotocamera</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Linea retta</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangolo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Pieno</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>Messa a fuoco</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Esposizione</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Save failed.</source>
        <translation>Salvataggio non riuscito.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importa file</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>%1 file non leggibili sono stati saltati.</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>Nessun programma per aprire %1</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Impossibile eliminare %1</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Rimuovi dall&apos;elenco</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Galleria</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Deseleziona</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importa file</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>La lente non può leggere lo schermo di questo desktop.</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Fotocamere</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>Errore durante il caricamento del motore OCR Tesseract</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>Errore durante lo scaricamento del motore OCR Tesseract</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>Riconoscimento interrotto</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>Impossibile scrivere nella cartella %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>Impossibile leggere la foto %1</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>Nessuna foto da riconoscere</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Impossibile scrivere il file %1</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>Lingua di riconoscimento sconosciuta: %1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>Pacchetto lingua non installato: %1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>Nessuna lingua di riconoscimento scelta</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>Impossibile aggiungere una pagina a %1</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>Impossibile avviare il motore per %1</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>Impossibile riconoscere la foto %1</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>Riconoscimento testo</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importa file</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Lingua del testo</translation>
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
        <translation>TESTO</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Riconosci</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>Non esistono dati di riconoscimento per questa lingua.</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>I dati di riconoscimento di questa lingua non sono installati.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Apri foto</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Importa una foto da riconoscere.</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>Seleziona una lingua per il riconoscimento.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>Riconoscimento completato!</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>Riconoscimento in corso...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>Contrasto </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Luminosità </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Saturazione </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
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
        <translation>Microfono</translation>
    </message>
    <message>
        <source>No sound available</source>
        <translation>Nessun audio disponibile</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Conto alla rovescia</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Nessun audio</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non collegato)</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Lavagna</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Adatta</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>Programma:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Versione:</translation>
    </message>
</context>
<context>
    <name>ISettingFormatPage</name>
    <message>
        <source>Picture</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Not available on this system</source>
        <translation>Non disponibile su questo sistema</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Archiviazione</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Riavvia il programma per applicare la lingua.</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>Impossibile riavviare il programma. La lingua verrà usata dal prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>ISettingStoragePage</name>
    <message>
        <source>Picture</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Apri cartella foto</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Apri cartella video</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Imposta cartella foto</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Imposta cartella video</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>Impossibile aprire la cartella: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>Confermare la modifica?</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>Picture-in-picture</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Fotocamere</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>Nessuna fotocamera disponibile</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>Impossibile aprire la fotocamera picture-in-picture.</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>Spessore 1</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>Spessore 3</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>Spessore 5</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>Spessore 7</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>Spessore 10</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>Spessore 20</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>Spessore 30</translation>
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
        <translation>Foto</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>Prossima tra</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Inserire un numero intero maggiore di 0.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Numero di foto</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>foto</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>Impossibile avviare la registrazione dello schermo.</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>La registrazione dello schermo si è interrotta inaspettatamente.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>Registrazione senza audio: il microfono non è disponibile.</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>Registrazione schermo</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>Video salvato: %1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>Seleziona prima una foto</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>La foto è troppo grande per essere mostrata.</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>Impossibile leggere la foto.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>La fotocamera non è disponibile: mancanza di alimentazione, contatto difettoso o cavo scollegato. Controlla il dispositivo.</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Nessun dispositivo Orvella trovato! Possibili cause: 1. Orvella non è collegato correttamente. 2. Il driver non è installato correttamente. 3. Il dispositivo è danneggiato.</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 non può aprire la fotocamera %2 (permesso negato). Aggiungi il tuo utente al gruppo &quot;video&quot; con &quot;sudo usermod -aG video %3&quot;, poi esci e rientra.</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>La fotocamera picture-in-picture è stata scollegata.</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Salvato.</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>Salvataggio non riuscito.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Fatto!</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Salvataggio in corso, attendere!</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Seleziona prima i file nell&apos;elenco a sinistra</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Risoluzione attuale: 1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Video salvato.</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>Pagina cancellata. Ctrl+Z la ripristina.</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>Video time-lapse</translation>
    </message>
</context>
</TS>
