<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>No se pudo reiniciar el programa. Vuelva a iniciarlo.</translation>
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
        <translation>Mover</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparencia</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Enfoque y exposición</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Ajuste de color</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Recorte automático</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Imagen en imagen</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Pantalla dividida</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Modo de foto</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Grabar vídeo</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Reconocimiento de texto</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Voltear</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>Sonido del obturador</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Captura parcial</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Foto con temporizador</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Captura al portapapeles</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Foto en blanco y negro</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Foto en escala de grises</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Paleta de colores</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>Imagen en directo, fotos, anotaciones, grabación de pantalla y reconocimiento de texto para una cámara de documentos.

Entorno: ORVELLA_VIRTUAL_CAMERA=N añade N cámaras virtuales; ORVELLA_WIFI_HOST es la dirección de la cámara inalámbrica.</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
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
        <translation>no compatible con esta cámara</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Línea recta</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Óvalo</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Relleno</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>Enfoque</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Save failed.</source>
        <translation>Error al guardar.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importar archivo</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>No se pudieron leer %1 archivo(s); se omitieron.</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>No hay ningún programa para abrir %1</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>No se pudo eliminar %1</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Quitar de la lista</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Galería</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Deseleccionar</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importar archivo</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>La lupa no puede leer la pantalla en este escritorio.</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>Error al cargar el motor de OCR Tesseract</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>Error al descargar el motor de OCR Tesseract</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>Reconocimiento detenido</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>No se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>No se puede leer la foto %1</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>No hay fotos para reconocer</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>No se puede escribir el archivo %1</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>Idioma de reconocimiento desconocido: %1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>Paquete de idioma no instalado: %1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>No se ha elegido ningún idioma de reconocimiento</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>No se puede añadir una página a %1</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>No se puede iniciar el motor para %1</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>No se puede reconocer la foto %1</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>Reconocimiento de texto</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importar archivo</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Idioma del texto</translation>
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
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Reconocer</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>No hay datos de reconocimiento para este idioma.</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>Los datos de reconocimiento de este idioma no están instalados.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Abrir foto</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Importe una foto para reconocer.</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>Seleccione un idioma para reconocer.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>¡Reconocimiento completado!</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>Reconociendo...</translation>
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
        <translation>Brillo </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Saturación </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>IRecordSoundBar</name>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>No sound available</source>
        <translation>Sin sonido disponible</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (no conectado)</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Ajustar</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>Programa:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Versión:</translation>
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
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Not available on this system</source>
        <translation>No disponible en este sistema</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Almacenamiento</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Reinicie el programa para aplicar el idioma.</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>No se pudo reiniciar el programa. El idioma se aplicará en el próximo inicio.</translation>
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
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Ver carpeta de fotos</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Ver carpeta de vídeos</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Elegir carpeta de fotos</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Elegir carpeta de vídeos</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>No se puede abrir la carpeta: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>¿Confirmar el cambio?</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>Imagen en imagen</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>No hay ninguna cámara disponible</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>No se pudo abrir la cámara de imagen en imagen.</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>Grosor 1</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>Grosor 3</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>Grosor 5</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>Grosor 7</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>Grosor 10</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>Grosor 20</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>Grosor 30</translation>
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
        <translation>Siguiente en</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Introduzca un número entero mayor que 0.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Número de fotos</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>fotos</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>No se pudo iniciar la grabación de pantalla.</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>La grabación de pantalla terminó de forma inesperada.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>Grabación sin sonido: el micrófono no está disponible.</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>Grabación de pantalla</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>Vídeo guardado: %1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>Seleccione primero una foto</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>La foto es demasiado grande para mostrarla.</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>No se puede leer la foto.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>La cámara no está disponible: puede faltar alimentación, haber un mal contacto o estar desconectada. Revise el equipo.</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>¡No se encontró ningún dispositivo Orvella! Posibles causas: 1. Orvella no está bien conectado. 2. El controlador no se instaló correctamente. 3. El dispositivo está dañado.</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 no puede abrir la cámara %2 (permiso denegado). Añada su usuario al grupo &quot;video&quot; con &quot;sudo usermod -aG video %3&quot; y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>La cámara de imagen en imagen se desconectó.</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Guardado correctamente.</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>Error al guardar.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>¡Listo!</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Guardando, espere…</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Seleccione primero archivos en la lista de la izquierda</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Resolución actual: 1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Vídeo guardado.</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>Página borrada. Ctrl+Z la recupera.</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>Vídeo time-lapse</translation>
    </message>
</context>
</TS>
