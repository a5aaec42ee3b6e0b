<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>Das Programm konnte nicht neu gestartet werden. Bitte starten Sie es erneut.</translation>
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
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Strichstärke</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Fokus und Belichtung</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Standbild</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Farbanpassung</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Automatischer Zuschnitt</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Bild-in-Bild</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Geteilter Bildschirm</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Fotomodus</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Videoaufnahme</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Texterkennung</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Kippen</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>Auslöseton</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Bildschirmausschnitt</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Foto mit Timer</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Bildschirmfoto in Zwischenablage</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Schwarzweißfoto</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Graustufenfoto</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Farbpalette</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>Livebild, Fotos, Anmerkungen, Bildschirmaufnahme und Texterkennung für eine Dokumentenkamera.

Umgebung: ORVELLA_VIRTUAL_CAMERA=N fügt N virtuelle Kameras hinzu; ORVELLA_WIFI_HOST ist die Adresse der WLAN-Kamera.</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
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
        <translation>von dieser Kamera nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Gefüllt</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Save failed.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>%1 Datei(en) konnten nicht gelesen werden und wurden übersprungen.</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>Kein Programm zum Öffnen von %1</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>%1 konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Aus der Liste entfernen</translation>
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
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Datei importieren</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>Die Lupe kann den Bildschirm dieses Desktops nicht lesen.</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>Fehler beim Laden der Texterkennung Tesseract</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>Fehler beim Entladen der Texterkennung Tesseract</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>Erkennung abgebrochen</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>Das Foto %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>Keine Fotos zur Erkennung</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>Unbekannte Erkennungssprache: %1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>Sprachpaket nicht installiert: %1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>Keine Erkennungssprache gewählt</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>Zu %1 kann keine Seite hinzugefügt werden</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>Die Texterkennung für %1 kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>Das Foto %1 kann nicht erkannt werden</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>Texterkennung</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Erkennungssprache</translation>
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
        <translation>TEXT</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>Für diese Sprache gibt es keine Erkennungsdaten.</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>Die Erkennungsdaten dieser Sprache sind nicht installiert.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Foto öffnen</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Bitte importieren Sie ein Foto zur Erkennung.</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>Bitte wählen Sie eine Erkennungssprache.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>Texterkennung abgeschlossen!</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>Erkennung läuft...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>Kontrast </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Helligkeit </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Sättigung </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
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
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>No sound available</source>
        <translation>Kein Ton verfügbar</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht verbunden)</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Einpassen</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Version:</translation>
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
        <translation>Auf diesem System nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Starten Sie das Programm neu, um die Sprache zu übernehmen.</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>Das Programm konnte nicht neu gestartet werden. Die Sprache gilt ab dem nächsten Start.</translation>
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
        <translation>Fotoordner öffnen</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Videoordner öffnen</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Fotoordner festlegen</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Videoordner festlegen</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>Der Ordner kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>Änderung bestätigen?</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>Bild-in-Bild</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>Keine Kamera verfügbar</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>Die Bild-in-Bild-Kamera konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>Stärke 1</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>Stärke 3</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>Stärke 5</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>Stärke 7</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>Stärke 10</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>Stärke 20</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>Stärke 30</translation>
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
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>Nächstes in</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Bitte eine ganze Zahl größer als 0 eingeben.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Anzahl Fotos</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>Fotos</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>Die Bildschirmaufnahme konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>Die Bildschirmaufnahme wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>Aufnahme ohne Ton: Das Mikrofon ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>Bildschirmaufnahme</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>Video gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>Bitte zuerst ein Foto auswählen</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>Das Foto ist zu groß für die Anzeige.</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>Das Foto kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>Die Kamera ist nicht verfügbar – vielleicht ohne Strom, mit Wackelkontakt oder abgezogen. Bitte prüfen Sie das Gerät.</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Kein Orvella-Gerät gefunden! Mögliche Gründe: 1. Orvella ist nicht richtig angeschlossen. 2. Der Treiber wurde nicht korrekt installiert. 3. Das Gerät ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 darf die Kamera %2 nicht öffnen (Zugriff verweigert). Fügen Sie Ihren Benutzer mit &quot;sudo usermod -aG video %3&quot; der Gruppe &quot;video&quot; hinzu und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>Die Bild-in-Bild-Kamera wurde getrennt.</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Gespeichert.</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Wird gespeichert, bitte warten!</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Bitte zuerst Dateien in der Liste links auswählen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Aktuelle Auflösung: 1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Video gespeichert.</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>Seite geleert. Strg+Z holt sie zurück.</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>Zeitraffervideo</translation>
    </message>
</context>
</TS>
