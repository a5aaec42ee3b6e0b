<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>Не удалось перезапустить программу. Запустите её снова.</translation>
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
        <translation>Переместить</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Карандаш</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Толщина</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Прозрачность</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Фигура</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Фокус и экспозиция</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Стоп-кадр</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Настройка цвета</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Автообрезка краёв</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Картинка в картинке</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Разделённый экран</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Режим съёмки</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Запись видео</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Распознавание текста</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Отразить</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Перевернуть</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>Звук затвора</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Обычная</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Снимок окна</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Снимок области</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Съёмка по таймеру</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Замедленная съёмка</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Снимок окна в буфер</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Чёрно-белая съёмка</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Съёмка в оттенках серого</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовый</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Палитра</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>Изображение в реальном времени, фото, пометки, запись экрана и распознавание текста для документ-камеры.

Переменные окружения: ORVELLA_VIRTUAL_CAMERA=N добавляет N виртуальных камер; ORVELLA_WIFI_HOST — адрес беспроводной камеры.</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Закрепить</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
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
        <translation>не поддерживается этой камерой</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Прямая</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Овал</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Треугольник</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Стрелка</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Заливка</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Экспозиция</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Авто</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Save failed.</source>
        <translation>Не удалось сохранить.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Импорт файла</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>Не удалось прочитать файлов: %1; они пропущены.</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>Нет программы для открытия %1</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Не удалось удалить %1</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Убрать из списка</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Галерея</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Снять выбор</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Импорт файла</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>Лупа не может прочитать экран на этом рабочем столе.</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Камеры</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>Ошибка загрузки модуля распознавания Tesseract</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>Ошибка выгрузки модуля распознавания Tesseract</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>Распознавание остановлено</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>Не удалось записать в папку %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>Не удалось прочитать фото %1</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>Нет фото для распознавания</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Не удалось записать файл %1</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>Неизвестный язык распознавания: %1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>Языковой пакет не установлен: %1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>Язык распознавания не выбран</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>Не удалось добавить страницу в %1</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>Не удалось запустить распознавание для %1</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>Не удалось распознать фото %1</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>Распознавание текста</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Импорт файла</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Язык распознавания</translation>
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
        <translation>ТЕКСТ</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Распознать</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>Для этого языка нет данных распознавания.</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>Данные распознавания для этого языка не установлены.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Открыть фото</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Импортируйте фото для распознавания.</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>Выберите язык распознавания.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>Распознавание завершено!</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>Распознавание...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>Контраст </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Яркость </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Насыщенность </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>IRecordSoundBar</name>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>No sound available</source>
        <translation>Звук недоступен</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Обратный отсчёт</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (не подключено)</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Доска</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Вписать</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>Программа:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Версия:</translation>
    </message>
</context>
<context>
    <name>ISettingFormatPage</name>
    <message>
        <source>Picture</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Not available on this system</source>
        <translation>Недоступно в этой системе</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Хранение</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Перезапустить программу, чтобы сменить язык?</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>Не удалось перезапустить программу. Язык сменится при следующем запуске.</translation>
    </message>
</context>
<context>
    <name>ISettingStoragePage</name>
    <message>
        <source>Picture</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Открыть папку фото</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Открыть папку видео</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Выбрать папку для фото</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Выбрать папку для видео</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>Не удалось открыть папку: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>Подтвердить изменение?</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>Картинка в картинке</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Камеры</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>Нет доступной камеры</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>Не удалось открыть камеру для режима «картинка в картинке».</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>Толщина 1</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>Толщина 3</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>Толщина 5</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>Толщина 7</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>Толщина 10</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>Толщина 20</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>Толщина 30</translation>
    </message>
</context>
<context>
    <name>ITimelapseButton</name>
    <message>
        <source>sec</source>
        <translation>с</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Shot</source>
        <translation>Снято</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>Следующий через</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Введите целое число больше 0.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Число снимков</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>с</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>шт.</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>Не удалось начать запись экрана.</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>Запись экрана неожиданно прервалась.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Весь экран</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>Запись без звука: микрофон недоступен.</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>Запись экрана</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>Видео сохранено: %1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>Сначала выберите фото</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>Фото слишком большое для показа.</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>Не удалось прочитать фото.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>Камера недоступна: возможно, нет питания, плохой контакт или она отключена. Проверьте оборудование.</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Устройство Orvella не найдено! Возможные причины: 1. Orvella подключено неправильно. 2. Драйвер не установлен. 3. Устройство повреждено.</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 не может открыть камеру %2 (доступ запрещён). Добавьте пользователя в группу &quot;video&quot; командой &quot;sudo usermod -aG video %3&quot;, затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>Камера «картинка в картинке» отключена.</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Сохранено.</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>Не удалось сохранить.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Сохранение, подождите!</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Сначала выберите файлы в списке слева</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Текущее разрешение: 1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Видео сохранено.</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>Страница очищена. Ctrl+Z вернёт её.</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>Видео замедленной съёмки</translation>
    </message>
</context>
</TS>
