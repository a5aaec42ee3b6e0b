<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>Het programma kon niet opnieuw starten. Start het opnieuw.</translation>
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
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dikte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparantie</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gum</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureaublad</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Focus en belichting</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Vergrootglas</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Bevriezen</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Kleur aanpassen</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Passend maken</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Automatisch bijsnijden</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Beeld-in-beeld</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Gesplitst scherm</translation>
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
        <translation>Video-opname</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Tekstherkenning</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegelen</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Omkeren</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>Sluitergeluid</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Schermafbeelding</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Gedeeltelijke schermafbeelding</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Foto met timer</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Timelapse</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Schermafbeelding naar klembord</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Zwart-witfoto</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Grijswaardenfoto</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Kleurenpalet</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>Livebeeld, foto&apos;s, aantekeningen, schermopname en tekstherkenning voor een documentcamera.

Omgeving: ORVELLA_VIRTUAL_CAMERA=N voegt N virtuele camera&apos;s toe; ORVELLA_WIFI_HOST is het adres van de draadloze camera.</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Vergrendelen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
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
        <translation>niet ondersteund door deze camera</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Rechte lijn</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovaal</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Driehoek</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pijl</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Gevuld</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichting</translation>
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
        <translation>Opslaan mislukt.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Bekijken</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Bestand importeren</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>%1 bestand(en) kon(den) niet worden gelezen en zijn overgeslagen.</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>Geen programma om %1 te openen</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Kan %1 niet verwijderen</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Uit de lijst verwijderen</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Galerij</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Deselecteren</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Bestand importeren</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>Vergrootglas</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>Het vergrootglas kan het scherm van dit bureaublad niet lezen.</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Camera&apos;s</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximaliseren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>Fout bij het laden van de Tesseract OCR-engine</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>Fout bij het ontladen van de Tesseract OCR-engine</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>Herkenning gestopt</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>Kan niet schrijven naar de map %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>Kan de foto %1 niet lezen</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>Geen foto&apos;s om te herkennen</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Kan het bestand %1 niet schrijven</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>Onbekende herkenningstaal: %1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>Taalpakket niet geïnstalleerd: %1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>Geen herkenningstaal gekozen</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>Kan geen pagina toevoegen aan %1</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>Kan de engine voor %1 niet starten</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>Kan de foto %1 niet herkennen</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>Tekstherkenning</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Vorige pagina</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Bestand importeren</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Taal van de tekst</translation>
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
        <translation>TEKST</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Herkennen</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>Voor deze taal zijn geen herkenningsgegevens.</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>De herkenningsgegevens van deze taal zijn niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Foto openen</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Importeer een foto om te herkennen.</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>Kies een taal voor de herkenning.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>Tekstherkenning voltooid!</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>Bezig met herkennen...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>Contrast </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Helderheid </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Verzadiging </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
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
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>No sound available</source>
        <translation>Geen geluid beschikbaar</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Aftellen</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Geen geluid</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (niet verbonden)</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Vergrootglas</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Passend maken</translation>
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
        <translation>Taal:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Versie:</translation>
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
        <translation>Niet beschikbaar op dit systeem</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslag</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Indeling</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Start het programma opnieuw om de taal toe te passen.</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>Het programma kon niet opnieuw starten. De taal wordt bij de volgende start gebruikt.</translation>
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
        <translation>Fotomap openen</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Videomap openen</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Fotomap instellen</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Videomap instellen</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>De map kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>Wijziging bevestigen?</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>Beeld-in-beeld</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Camera&apos;s</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>Geen camera beschikbaar</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>De beeld-in-beeldcamera kon niet worden geopend.</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>Dikte 1</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>Dikte 3</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>Dikte 5</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>Dikte 7</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>Dikte 10</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>Dikte 20</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>Dikte 30</translation>
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
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>Volgende over</translation>
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
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Voer een geheel getal groter dan 0 in.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Aantal foto&apos;s</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>foto&apos;s</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>De schermopname kon niet worden gestart.</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>De schermopname is onverwacht gestopt.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>Opname zonder geluid: de microfoon is niet beschikbaar.</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>Schermopname</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>Video opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>Kies eerst een foto</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>De foto is te groot om te tonen.</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>De foto kan niet worden gelezen.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>De camera is niet beschikbaar: geen stroom, slecht contact of losgekoppeld. Controleer het apparaat.</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Geen Orvella-apparaat gevonden! Mogelijke oorzaken: 1. Orvella is niet goed aangesloten. 2. Het stuurprogramma is niet goed geïnstalleerd. 3. Het apparaat is beschadigd.</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 mag de camera %2 niet openen (geen toegang). Voeg uw gebruiker toe aan de groep &quot;video&quot; met &quot;sudo usermod -aG video %3&quot; en meld u opnieuw aan.</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>De beeld-in-beeldcamera is losgekoppeld.</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Opgeslagen.</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>Opslaan mislukt.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Klaar!</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Bezig met opslaan, even geduld!</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Kies eerst bestanden in de lijst links</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-bestand (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Huidige resolutie: 1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Video opgeslagen.</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>Pagina gewist. Ctrl+Z haalt hem terug.</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>Timelapsevideo</translation>
    </message>
</context>
</TS>
