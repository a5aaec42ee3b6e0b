<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>軟體無法重新啟動，請手動再次啟動。</translation>
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
        <translation>移動</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>畫筆</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>粗細</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形狀</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>取消復原</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>對焦與曝光</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>放大鏡</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>凍結</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>色彩調整</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>自動調整</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>自動裁邊</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>子母畫面</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>分割畫面</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>拍照模式</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>錄影</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>文字辨識</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>鏡像</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>翻轉</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>拍照提示音</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>擷取畫面</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>局部擷取畫面</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>定時拍照</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>縮時攝影</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>擷取畫面到剪貼簿</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>黑白拍照</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>灰階拍照</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黃色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉紅色</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>調色盤</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>文件攝影機的即時畫面、拍照、註記、螢幕錄影和文字辨識。

環境變數：ORVELLA_VIRTUAL_CAMERA=N 加入 N 個虛擬攝影機；ORVELLA_WIFI_HOST 是無線攝影機的位址。</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>鎖定</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
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
        <translation>凱斯特里瑪科技有限公司</translation>
    </message>
</context>
<context>
    <name>ICustomSlider</name>
    <message>
        <source>not supported by this camera</source>
        <translation>此攝影機不支援</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圓形</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>橢圓</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>箭頭</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>填滿</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>對焦</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Save failed.</source>
        <translation>儲存失敗。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>匯入檔案</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>%1 個檔案無法讀取，已略過。</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>沒有可開啟 %1 的程式</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>無法刪除 %1</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>從清單中移除</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>圖庫</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>取消選取</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>匯入檔案</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>放大鏡</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>放大鏡無法讀取此桌面的螢幕。</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>載入 Tesseract OCR 引擎時發生錯誤</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>卸載 Tesseract OCR 引擎時發生錯誤</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>辨識已停止</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>無法寫入資料夾 %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知錯誤</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>無法讀取圖片 %1</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>沒有要辨識的圖片</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>無法寫入檔案 %1</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>未知的辨識語言：%1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>未安裝語言套件：%1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>未選擇辨識語言</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>無法在 %1 加入頁面</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>無法為 %1 啟動辨識引擎</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>無法辨識圖片 %1</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>文字辨識</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>匯入檔案</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>辨識語言</translation>
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
        <translation>文字檔</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>開始辨識</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>此語言沒有辨識資料。</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>此語言的辨識資料未安裝。</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>開啟圖片</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>請匯入要辨識的圖片。</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>請選擇辨識語言。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>文字辨識成功！</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>正在辨識...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>對比度 </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>亮度 </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>飽和度 </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>IRecordSoundBar</name>
    <message>
        <source>Microphone</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>No sound available</source>
        <translation>沒有可用的聲音</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>倒數計時</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>無聲音</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1（未連線）</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>白板</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>放大鏡</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>自動調整</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>軟體：</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>切換語言：</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>軟體版本：</translation>
    </message>
</context>
<context>
    <name>ISettingFormatPage</name>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Not available on this system</source>
        <translation>此系統不可用</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存位置</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>重新啟動軟體以使語言設定生效。</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>軟體無法重新啟動。新語言將在下次啟動時生效。</translation>
    </message>
</context>
<context>
    <name>ISettingStoragePage</name>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>檢視圖片資料夾</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>檢視影片資料夾</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>設定圖片資料夾</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>設定影片資料夾</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>無法開啟資料夾：%1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>確認修改？</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>子母畫面</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>沒有可用的攝影機</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>無法開啟子母畫面攝影機。</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>1 粗細</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>3 粗細</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>5 粗細</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>7 粗細</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>10 粗細</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>20 粗細</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>30 粗細</translation>
    </message>
</context>
<context>
    <name>ITimelapseButton</name>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Shot</source>
        <translation>已拍</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>下一張</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>請輸入大於 0 的整數。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>間隔時間</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>拍攝張數</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>秒</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>張</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>無法開始螢幕錄影。</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>螢幕錄影意外結束。</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>錄製時沒有聲音：麥克風無法使用。</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>螢幕錄影</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>影片已儲存：%1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>請先選擇圖片</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>圖片太大，無法顯示。</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>無法讀取圖片。</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>攝影機無法使用，可能是斷電、接觸不良或被拔出所致。請檢查設備。</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>找不到 Orvella 裝置！可能的原因：1. Orvella 未正確連接。2. 驅動程式未成功安裝。3. 裝置已損壞。</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 無權開啟攝影機 %2（權限遭拒）。請用 &quot;sudo usermod -aG video %3&quot; 將您的使用者加入 &quot;video&quot; 群組，然後登出再重新登入。</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>子母畫面攝影機已中斷連線。</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>儲存成功。</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>儲存失敗。</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>正在儲存，請稍候！</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>請先選擇左側清單中的檔案</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>目前解析度：1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>影片已儲存。</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>頁面已清除。按 Ctrl+Z 可還原。</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>縮時影片</translation>
    </message>
</context>
</TS>
