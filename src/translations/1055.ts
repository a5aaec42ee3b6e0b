<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>Program yeniden başlatılamadı. Lütfen yeniden başlatın.</translation>
    </message>
</context>
<context>
    <name>IBoard</name>
    <message>
        <source>%1 %</source>
        <translation>%%1</translation>
    </message>
</context>
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Kalem</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Kalınlık</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Saydamlık</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Şekil</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Silgi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Ana sayfa</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Masaüstü</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Odak ve pozlama</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Büyüteç</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Çözünürlük</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Döndür</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Dondur</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Renk ayarı</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Sığdır</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Otomatik kırpma</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Resim içinde resim</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Bölünmüş ekran</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Çek</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Çekim modu</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Video kaydı</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Metin tanıma</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Ayna</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Çevir</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>Deklanşör sesi</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Ekran görüntüsü</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Kısmi ekran görüntüsü</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Zamanlayıcılı çekim</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Hızlandırılmış çekim</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Ekran görüntüsünü panoya</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Siyah beyaz çekim</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Gri tonlamalı çekim</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pembe</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Camgöbeği</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Renk paleti</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>Belge kamerası için canlı görüntü, fotoğraf, not alma, ekran kaydı ve metin tanıma.

Ortam: ORVELLA_VIRTUAL_CAMERA=N, N sanal kamera ekler; ORVELLA_WIFI_HOST kablosuz kameranın adresidir.</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Kilitle</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
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
        <translation>bu kamera desteklemiyor</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Düz çizgi</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Daire</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Üçgen</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Dolgulu</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>Odak</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Pozlama</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatik</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Save failed.</source>
        <translation>Kaydedilemedi.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Görüntüle</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı kaydet</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Dosya içe aktar</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>%1 dosya okunamadı ve atlandı.</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>%1 dosyasını açacak program yok</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>%1 silinemedi</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Listeden kaldır</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Galeri</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Seçimi kaldır</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Dosya içe aktar</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>Büyüteç</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>Büyüteç bu masaüstünde ekranı okuyamıyor.</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Kameralar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Simge durumuna küçült</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ekranı kapla</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>Tesseract OCR motoru yüklenirken hata oluştu</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>Tesseract OCR motoru kaldırılırken hata oluştu</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>Tanıma durduruldu</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>%1 klasörüne yazılamıyor</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>%1 fotoğrafı okunamıyor</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>Tanınacak fotoğraf yok</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>%1 dosyası yazılamıyor</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>Bilinmeyen tanıma dili: %1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>Dil paketi yüklü değil: %1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>Tanıma dili seçilmedi</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>%1 dosyasına sayfa eklenemiyor</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>%1 için tanıma motoru başlatılamıyor</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>%1 fotoğrafı tanınamıyor</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>Metin tanıma</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Önceki sayfa</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Sonraki sayfa</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Dosya içe aktar</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Tanıma dili</translation>
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
        <translation>METİN</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Tanı</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>Bu dil için tanıma verisi yok.</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>Bu dilin tanıma verisi yüklü değil.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Fotoğraf aç</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Lütfen tanınacak bir fotoğraf içe aktarın.</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>Lütfen bir tanıma dili seçin.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>Metin tanıma tamamlandı!</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>Tanınıyor...</translation>
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
        <translation>Parlaklık </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Doygunluk </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
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
        <translation>Ses kullanılamıyor</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Geri sayım</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Ses yok</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (bağlı değil)</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Tahta</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Büyüteç</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Döndür</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Sığdır</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>Yazılım:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Dil:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Sürüm:</translation>
    </message>
</context>
<context>
    <name>ISettingFormatPage</name>
    <message>
        <source>Picture</source>
        <translation>Fotoğraf</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Not available on this system</source>
        <translation>Bu sistemde kullanılamaz</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Depolama</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Dil ayarının etkinleşmesi için programı yeniden başlatın.</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>Program yeniden başlatılamadı. Dil bir sonraki açılışta kullanılacak.</translation>
    </message>
</context>
<context>
    <name>ISettingStoragePage</name>
    <message>
        <source>Picture</source>
        <translation>Fotoğraf</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Fotoğraf klasörünü aç</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Video klasörünü aç</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Fotoğraf klasörünü ayarla</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Video klasörünü ayarla</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>Klasör açılamıyor: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>Değişiklik onaylansın mı?</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>Resim içinde resim</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameralar</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>Kullanılabilir kamera yok</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>Resim içinde resim kamerası açılamadı.</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>Kalınlık 1</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>Kalınlık 3</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>Kalınlık 5</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>Kalınlık 7</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>Kalınlık 10</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>Kalınlık 20</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>Kalınlık 30</translation>
    </message>
</context>
<context>
    <name>ITimelapseButton</name>
    <message>
        <source>sec</source>
        <translation>sn</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Shot</source>
        <translation>Çekim</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>Sonraki</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Lütfen 0&apos;dan büyük bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Çekim sayısı</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>sn</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>adet</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>Ekran kaydı başlatılamadı.</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>Ekran kaydı beklenmedik şekilde sona erdi.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>Sessiz kayıt: mikrofon kullanılamıyor.</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>Ekran kaydı</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Dosyayı aç</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Klasörü aç</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>Video kaydedildi: %1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>Önce bir fotoğraf seçin</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>Fotoğraf gösterilemeyecek kadar büyük.</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>Fotoğraf okunamıyor.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>Kamera kullanılamıyor; güç kesintisi, kötü temas veya çıkarılmış olması neden olabilir. Lütfen cihazı kontrol edin.</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Orvella cihazı bulunamadı! Olası nedenler: 1. Orvella doğru bağlanmamış. 2. Sürücü düzgün yüklenmemiş. 3. Cihaz hasarlı.</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 %2 kamerasını açamıyor (izin reddedildi). &quot;sudo usermod -aG video %3&quot; ile kullanıcınızı &quot;video&quot; grubuna ekleyin, sonra oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>Resim içinde resim kamerasının bağlantısı kesildi.</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Kaydedildi.</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>Kaydedilemedi.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Tamamlandı!</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Kaydediliyor, lütfen bekleyin!</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Önce soldaki listeden dosya seçin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF dosyası (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Geçerli çözünürlük: 1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Video kaydedildi.</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>Sayfa temizlendi. Ctrl+Z ile geri getirebilirsiniz.</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>Hızlandırılmış video</translation>
    </message>
</context>
</TS>
