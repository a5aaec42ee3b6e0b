<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>软件无法重新启动，请手动再次启动。</translation>
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
        <translation>移动</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>粗细</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
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
        <translation>形状</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>对焦与曝光</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>放大镜</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>冻结</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>色彩调节</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>自适应</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>自动裁边</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>画中画</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>分屏</translation>
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
        <translation>录像</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>文字识别</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>镜像</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>翻转</translation>
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
        <translation>选择</translation>
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
        <translation>默认</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>截屏</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>局部截屏</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>定时拍照</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>延时摄影</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>截屏到剪贴板</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>黑白拍照</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>灰度拍照</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
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
        <translation>调色板</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>文档摄像头的实时画面、拍照、批注、录屏和文字识别。

环境变量：ORVELLA_VIRTUAL_CAMERA=N 添加 N 个虚拟摄像头；ORVELLA_WIFI_HOST 是无线摄像头的地址。</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
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
        <translation>凯斯特里玛科技有限公司</translation>
    </message>
</context>
<context>
    <name>ICustomSlider</name>
    <message>
        <source>not supported by this camera</source>
        <translation>此摄像头不支持</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>椭圆</translation>
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
        <translation>箭头</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>填充</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>对焦</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Save failed.</source>
        <translation>保存失败。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>导入文件</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>%1 个文件无法读取，已跳过。</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>没有可打开 %1 的程序</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>无法删除 %1</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>从列表中移除</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>图库</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>取消选择</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>导入文件</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>放大镜</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>放大镜无法读取此桌面的屏幕。</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
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
        <translation>还原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>确定</translation>
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
        <translation>加载 Tesseract OCR 引擎时出错</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>卸载 Tesseract OCR 引擎时出错</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>识别已停止</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>无法写入文件夹 %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>无法读取图片 %1</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>没有要识别的图片</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>无法写入文件 %1</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>未知的识别语言：%1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>未安装语言包：%1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>未选择识别语言</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>无法向 %1 添加页面</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>无法为 %1 启动识别引擎</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>无法识别图片 %1</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>文字识别</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>导入文件</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>识别语言</translation>
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
        <translation>文本</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>开始识别</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>此语言没有识别数据。</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>此语言的识别数据未安装。</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>请导入要识别的图片。</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>请选择识别语言。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>文字识别成功！</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>正在识别...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>对比度 </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>亮度 </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>饱和度 </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>IRecordSoundBar</name>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>No sound available</source>
        <translation>没有可用的声音</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>无声音</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1（未连接）</translation>
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
        <translation>放大镜</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>自适应</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>软件：</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>切换语言：</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>软件版本：</translation>
    </message>
</context>
<context>
    <name>ISettingFormatPage</name>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Not available on this system</source>
        <translation>此系统不可用</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>重新启动软件以使语言设置生效。</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>软件无法重新启动。新语言将在下次启动时生效。</translation>
    </message>
</context>
<context>
    <name>ISettingStoragePage</name>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>查看图片文件夹</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>查看视频文件夹</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>设置图片文件夹</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>设置视频文件夹</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>无法打开文件夹：%1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>确认修改？</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>画中画</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>没有可用的摄像头</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>无法打开画中画摄像头。</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>1 粗细</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>3 粗细</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>5 粗细</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>7 粗细</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>10 粗细</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>20 粗细</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>30 粗细</translation>
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
        <translation>下一张</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>暂停</translation>
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
        <translation>请输入大于 0 的整数。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>间隔时间</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>拍摄张数</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>秒</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>张</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>无法开始录屏。</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>录屏意外结束。</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>录制时没有声音：麦克风不可用。</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>录屏</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>视频已保存：%1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>请先选择图片</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>图片太大，无法显示。</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>无法读取图片。</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>摄像头不可用，可能是断电、接触不良或被拔出所致。请检查设备。</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>未找到 Orvella 设备！可能的原因：1. Orvella 未正确连接。2. 驱动程序未成功安装。3. 设备已损坏。</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1 无权打开摄像头 %2（权限被拒绝）。请用 &quot;sudo usermod -aG video %3&quot; 将您的用户加入 &quot;video&quot; 组，然后注销并重新登录。</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>画中画摄像头已断开。</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>保存成功。</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>保存失败。</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>正在保存，请稍候！</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>请先选择左边列表文件</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>当前分辨率：1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>视频已保存。</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>页面已清除。按 Ctrl+Z 可恢复。</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>延时视频</translation>
    </message>
</context>
</TS>
