<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>The software could not be restarted. Please start it again.</translation>
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
        <translation>Move</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Pencil</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
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
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Focus and Exposure</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Zoom-in</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Zoom-out</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Color-adjusting</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Self-adapting</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Automatic edging</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Picture-in-picture</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Split-screen</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Snap</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Photo-mode</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Video-Recording</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Flip</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>Shutter sound</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Screen Capture</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Partial screen capture</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Timing capture</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Screen capture to clipboard</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Black white capture</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Gray capture</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
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
        <translation>Black</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Color Panel</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
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
        <translation>not supported by this camera</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Straight line</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
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
        <translation>Arrow</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Filled</translation>
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
        <translation>Exposure</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Save failed.</source>
        <translation>Save failed.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Import File</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>%1 file(s) could not be read and were skipped.</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>No program to open %1</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Could not delete %1</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Remove from list</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Gallery</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Deselect</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Import File</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>The magnifier cannot read the screen on this desktop.</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Cameras</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>Error while loading Tesseract OCR Engine</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>Error while unloading Tesseract OCR Engine</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>Recognition stopped</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>Cannot write to the folder %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>Cannot read the picture %1</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>No pictures to recognise</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Cannot write the file %1</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>Unknown recognition language: %1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>Language pack not installed: %1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>No recognition language chosen</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>Cannot add a page to %1</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>Cannot start the engine for %1</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>Cannot recognise the picture %1</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Next Page</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Import File</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Language Identification</translation>
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
        <translation>OCR Recognizing</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>No recognition data exists for this language.</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>The recognition data of this language is not installed.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Open Picture</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Please import a picture for parsing.</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>Please select a language for parsing.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>OCR Analysing Succeed!</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>Start Recognizing...</translation>
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
        <translation>Brightness </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Saturation </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
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
        <translation>No sound available</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>No sound</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (not connected)</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Zoom-in</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Zoom-out</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Self-adapting</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Language switch:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Software Version:</translation>
    </message>
</context>
<context>
    <name>ISettingFormatPage</name>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Not available on this system</source>
        <translation>Not available on this system</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Restart the software, to activate the language setting.</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>The software could not be restarted. The language is used from the next start.</translation>
    </message>
</context>
<context>
    <name>ISettingStoragePage</name>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>View picture file path</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>View video file path</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Setup picture file path</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Setup video file path</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>The folder cannot be opened: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>Confirm modification?</translation>
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
        <translation>Cameras</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>No camera device available</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>The picture-in-picture camera could not be opened.</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>1 thickness</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>3 thickness</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>5 thickness</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>7 thickness</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>10 thickness</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>20 thickness</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>30 thickness</translation>
    </message>
</context>
<context>
    <name>ITimelapseButton</name>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Shot</source>
        <translation>Shot</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>Next in</translation>
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
        <translation>Halt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Please input integer greater than 0.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Interval Time</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Capture Pages</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>P</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>The screen recording could not be started.</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>The screen recording ended unexpectedly.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>Recording without sound: the microphone is not available.</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>Screen recording</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Open directory</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>Video is saved: %1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>Please select a picture first</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>The picture is too large to be shown.</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>The picture cannot be read.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>The picture-in-picture camera was disconnected.</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Save Successful.</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>Save failed.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Succeed!</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Saving, please wait!</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Please select files in the list on the left first</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF File (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Current resolution: 1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Video is saved.</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>Page cleared. Ctrl+Z brings it back.</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>Time-lapse video</translation>
    </message>
</context>
</TS>
