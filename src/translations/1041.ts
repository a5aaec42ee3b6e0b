<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>ソフトウェアを再起動できませんでした。もう一度起動してください。</translation>
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
        <translation>ペン</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>太さ</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>図形</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>消しゴム</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>すべて消去</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>フォーカスと露出</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>拡大鏡</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>静止</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>色調整</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>画面に合わせる</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>自動トリミング</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>ピクチャーインピクチャー</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>画面分割</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>撮影</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>撮影モード</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>文字認識</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>上下反転</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>シャッター音</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>画面キャプチャ</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>範囲キャプチャ</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>タイマー撮影</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>タイムラプス</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>画面をクリップボードへ</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>白黒撮影</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>グレー撮影</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>カラーパレット</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>書画カメラのライブ映像、撮影、書き込み、画面録画、文字認識。

環境変数: ORVELLA_VIRTUAL_CAMERA=N で N 台の仮想カメラを追加します。ORVELLA_WIFI_HOST はワイヤレスカメラのアドレスです。</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
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
        <translation>このカメラでは使用できません</translation>
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
        <translation>円</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>楕円</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>塗りつぶし</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>フォーカス</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>露出</translation>
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
        <translation>保存できませんでした。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>ファイルを読み込む</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>%1 個のファイルを読み込めなかったため、スキップしました。</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>%1 を開くプログラムがありません</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>%1 を削除できませんでした</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>一覧から外す</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>ギャラリー</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>選択解除</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>ファイルを読み込む</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>拡大鏡</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>このデスクトップでは拡大鏡が画面を読み取れません。</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>カメラ</translation>
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
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>Tesseract OCR エンジンの読み込み中にエラーが発生しました</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>Tesseract OCR エンジンの解放中にエラーが発生しました</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>認識を中止しました</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>フォルダー %1 に書き込めません</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>写真 %1 を読み込めません</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>認識する写真がありません</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>ファイル %1 に書き込めません</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>不明な認識言語: %1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>言語パックがインストールされていません: %1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>認識言語が選択されていません</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>%1 にページを追加できません</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>%1 の認識エンジンを起動できません</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>写真 %1 を認識できません</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>文字認識</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>ファイルを読み込む</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>認識する言語</translation>
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
        <translation>テキスト</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>認識開始</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>この言語の認識データはありません。</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>この言語の認識データがインストールされていません。</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>写真を開く</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>認識する写真を読み込んでください。</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>認識する言語を選択してください。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>文字認識が完了しました！</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>認識中...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>コントラスト </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>明るさ </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>彩度 </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定値</translation>
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
        <translation>マイク</translation>
    </message>
    <message>
        <source>No sound available</source>
        <translation>音声を利用できません</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>音声なし</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1（未接続）</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>ボード</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>拡大鏡</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>画面に合わせる</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>ソフトウェア：</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>言語：</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>バージョン：</translation>
    </message>
</context>
<context>
    <name>ISettingFormatPage</name>
    <message>
        <source>Picture</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>Not available on this system</source>
        <translation>このシステムでは使用できません</translation>
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
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>言語設定を有効にするにはソフトウェアを再起動してください。</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>ソフトウェアを再起動できませんでした。言語は次回の起動から使用されます。</translation>
    </message>
</context>
<context>
    <name>ISettingStoragePage</name>
    <message>
        <source>Picture</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>写真フォルダーを開く</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>動画フォルダーを開く</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>写真フォルダーを設定</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>動画フォルダーを設定</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>フォルダーを開けません: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>変更しますか？</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>ピクチャーインピクチャー</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>使用できるカメラがありません</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>ピクチャーインピクチャーのカメラを開けませんでした。</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>太さ 1</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>太さ 3</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>太さ 5</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>太さ 7</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>太さ 10</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>太さ 20</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>太さ 30</translation>
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
        <translation>撮影数</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>次まで</translation>
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
        <translation>一時停止</translation>
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
        <translation>0 より大きい整数を入力してください。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>撮影枚数</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>秒</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>枚</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>画面録画を開始できませんでした。</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>画面録画が予期せず終了しました。</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>音声なしで録画中：マイクを利用できません。</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>画面録画</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>動画を保存しました：%1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>先に写真を選択してください</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>写真が大きすぎて表示できません。</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>写真を読み込めません。</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>カメラを使用できません。電源断、接触不良、または取り外されたことが原因の可能性があります。機器を確認してください。</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Orvella デバイスが見つかりません。考えられる原因: 1. Orvella が正しく接続されていない。2. ドライバーが正しくインストールされていない。3. デバイスが破損している。</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 はカメラ %2 を開けません（アクセス拒否）。&quot;sudo usermod -aG video %3&quot; でユーザーを &quot;video&quot; グループに追加し、ログインし直してください。</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>ピクチャーインピクチャーのカメラが切断されました。</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>保存しました。</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>保存できませんでした。</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>完了しました！</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>保存中です。お待ちください。</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>先に左の一覧でファイルを選択してください</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>現在の解像度: 1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>動画を保存しました。</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>ページを消去しました。Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>タイムラプス動画</translation>
    </message>
</context>
</TS>
