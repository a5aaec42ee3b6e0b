<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>IApplication</name>
    <message>
        <source>The software could not be restarted. Please start it again.</source>
        <translation>프로그램을 다시 시작할 수 없습니다. 다시 실행해 주세요.</translation>
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
        <translation>이동</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>굵기</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>투명도</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>도형</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>바탕 화면</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>초점 및 노출</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>정지 화면</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>색상 조정</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>화면 맞춤</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>자동 자르기</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>화면 속 화면</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>화면 분할</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>촬영</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>촬영 모드</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>문자 인식</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>좌우 반전</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>상하 반전</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>拍照提示音</source>
        <translation>셔터 소리</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>화면 캡처</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>부분 화면 캡처</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>타이머 촬영</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>타임랩스</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>화면을 클립보드로</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>흑백 촬영</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>회색조 촬영</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>빨간색</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>초록색</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파란색</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>노란색</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>분홍색</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>청록색</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>검은색</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>색상 팔레트</translation>
    </message>
</context>
<context>
    <name>ICommandLine</name>
    <message>
        <source>Live picture, photos, annotation, screen recording and text recognition for a document camera.

Environment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; ORVELLA_WIFI_HOST is the wireless camera&apos;s address.</source>
        <translation>실물 화상기를 위한 실시간 화면, 사진, 필기, 화면 녹화, 문자 인식.

환경 변수: ORVELLA_VIRTUAL_CAMERA=N은 가상 카메라 N대를 추가합니다. ORVELLA_WIFI_HOST는 무선 카메라의 주소입니다.</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
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
        <translation>이 카메라에서 지원되지 않음</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>직선</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>원</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>타원</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>삼각형</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>화살표</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>채우기</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Focus</source>
        <translation>초점</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>노출</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Save failed.</source>
        <translation>저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>파일 가져오기</translation>
    </message>
    <message>
        <source>%1 file(s) could not be read and were skipped.</source>
        <translation>%1개 파일을 읽을 수 없어 건너뛰었습니다.</translation>
    </message>
    <message>
        <source>No program to open %1</source>
        <translation>%1을(를) 열 프로그램이 없습니다</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>%1을(를) 삭제할 수 없습니다</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>목록에서 제거</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>갤러리</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>선택 해제</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>파일 가져오기</translation>
    </message>
</context>
<context>
    <name>IMagnifierFrame</name>
    <message>
        <source>Magnifier</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>The magnifier cannot read the screen on this desktop.</source>
        <translation>이 데스크톱에서는 돋보기가 화면을 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>이전 크기로</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading Tesseract OCR Engine</source>
        <translation>Tesseract OCR 엔진을 불러오는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>Error while unloading Tesseract OCR Engine</source>
        <translation>Tesseract OCR 엔진을 해제하는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>Recognition stopped</source>
        <translation>인식을 중지했습니다</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1</source>
        <translation>%1 폴더에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>Cannot read the picture %1</source>
        <translation>사진 %1을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>No pictures to recognise</source>
        <translation>인식할 사진이 없습니다</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>%1 파일에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Unknown recognition language: %1</source>
        <translation>알 수 없는 인식 언어: %1</translation>
    </message>
    <message>
        <source>Language pack not installed: %1</source>
        <translation>언어 팩이 설치되지 않았습니다: %1</translation>
    </message>
    <message>
        <source>No recognition language chosen</source>
        <translation>인식 언어를 선택하지 않았습니다</translation>
    </message>
    <message>
        <source>Cannot add a page to %1</source>
        <translation>%1에 페이지를 추가할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot start the engine for %1</source>
        <translation>%1의 인식 엔진을 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot recognise the picture %1</source>
        <translation>사진 %1을(를) 인식할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>문자 인식</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>파일 가져오기</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>인식 언어</translation>
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
        <translation>텍스트</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>인식 시작</translation>
    </message>
    <message>
        <source>No recognition data exists for this language.</source>
        <translation>이 언어에 대한 인식 데이터가 없습니다.</translation>
    </message>
    <message>
        <source>The recognition data of this language is not installed.</source>
        <translation>이 언어의 인식 데이터가 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>사진 열기</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>인식할 사진을 가져오세요.</translation>
    </message>
    <message>
        <source>Please select a language for parsing.</source>
        <translation>인식 언어를 선택하세요.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>문자 인식이 완료되었습니다!</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>Start Recognizing...</source>
        <translation>인식 중...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>대비 </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>밝기 </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>채도 </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>IRecordSoundBar</name>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>No sound available</source>
        <translation>사용 가능한 소리 없음</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>카운트다운</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>소리 없음</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (연결되지 않음)</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>칠판</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>화면 맞춤</translation>
    </message>
</context>
<context>
    <name>ISettingAboutPage</name>
    <message>
        <source>Software:</source>
        <translation>프로그램:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>버전:</translation>
    </message>
</context>
<context>
    <name>ISettingFormatPage</name>
    <message>
        <source>Picture</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Not available on this system</source>
        <translation>이 시스템에서 사용할 수 없음</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장 위치</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>언어 설정을 적용하려면 프로그램을 다시 시작하세요.</translation>
    </message>
    <message>
        <source>The software could not be restarted. The language is used from the next start.</source>
        <translation>프로그램을 다시 시작할 수 없습니다. 언어는 다음 실행부터 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>ISettingStoragePage</name>
    <message>
        <source>Picture</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>사진 폴더 열기</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>동영상 폴더 열기</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>사진 폴더 설정</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>동영상 폴더 설정</translation>
    </message>
    <message>
        <source>The folder cannot be opened: %1</source>
        <translation>폴더를 열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Confirm modification?</source>
        <translation>변경하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>Picture-in-picture</source>
        <translation>화면 속 화면</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>No camera device available</source>
        <translation>사용할 수 있는 카메라가 없습니다</translation>
    </message>
    <message>
        <source>The picture-in-picture camera could not be opened.</source>
        <translation>화면 속 화면 카메라를 열 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>1 thickness</source>
        <translation>굵기 1</translation>
    </message>
    <message>
        <source>3 thickness</source>
        <translation>굵기 3</translation>
    </message>
    <message>
        <source>5 thickness</source>
        <translation>굵기 5</translation>
    </message>
    <message>
        <source>7 thickness</source>
        <translation>굵기 7</translation>
    </message>
    <message>
        <source>10 thickness</source>
        <translation>굵기 10</translation>
    </message>
    <message>
        <source>20 thickness</source>
        <translation>굵기 20</translation>
    </message>
    <message>
        <source>30 thickness</source>
        <translation>굵기 30</translation>
    </message>
</context>
<context>
    <name>ITimelapseButton</name>
    <message>
        <source>sec</source>
        <translation>초</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Shot</source>
        <translation>촬영</translation>
    </message>
    <message>
        <source>Next in</source>
        <translation>다음까지</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>0보다 큰 정수를 입력하세요.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>촬영 매수</translation>
    </message>
    <message>
        <source>S</source>
        <comment>seconds</comment>
        <translation>초</translation>
    </message>
    <message>
        <source>P</source>
        <comment>pictures</comment>
        <translation>장</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>The screen recording could not be started.</source>
        <translation>화면 녹화를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>The screen recording ended unexpectedly.</source>
        <translation>화면 녹화가 예기치 않게 종료되었습니다.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Recording without sound: the microphone is not available.</source>
        <translation>소리 없이 녹화 중: 마이크를 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Screen recording</source>
        <translation>화면 녹화</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Video is saved: %1</source>
        <translation>동영상이 저장되었습니다: %1</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Please select a picture first</source>
        <translation>먼저 사진을 선택하세요</translation>
    </message>
    <message>
        <source>The picture is too large to be shown.</source>
        <translation>사진이 너무 커서 표시할 수 없습니다.</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>사진을 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>카메라를 사용할 수 없습니다. 전원 문제, 접촉 불량 또는 분리가 원인일 수 있습니다. 장치를 확인하세요.</translation>
    </message>
    <message>
        <source>No orvella device is found! The possible reasons could be: 1. Orvella is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Orvella 장치를 찾을 수 없습니다! 가능한 원인: 1. Orvella가 제대로 연결되지 않았습니다. 2. 드라이버가 제대로 설치되지 않았습니다. 3. 장치가 손상되었습니다.</translation>
    </message>
    <message>
        <source>%1 may not open the camera %2 (permission denied). Add your user to the &quot;video&quot; group with &quot;sudo usermod -aG video %3&quot;, then log out and in again.</source>
        <translation>%1이(가) 카메라 %2을(를) 열 수 없습니다(권한 거부). &quot;sudo usermod -aG video %3&quot;(으)로 사용자를 &quot;video&quot; 그룹에 추가한 뒤 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>The picture-in-picture camera was disconnected.</source>
        <translation>화면 속 화면 카메라 연결이 끊어졌습니다.</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>저장했습니다.</translation>
    </message>
    <message>
        <source>Save failed.</source>
        <translation>저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>완료되었습니다!</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>저장 중입니다. 잠시 기다려 주세요!</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>먼저 왼쪽 목록에서 파일을 선택하세요</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>현재 해상도: 1920*1080</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>동영상을 저장했습니다.</translation>
    </message>
    <message>
        <source>Page cleared. Ctrl+Z brings it back.</source>
        <translation>페이지를 지웠습니다. Ctrl+Z로 되돌릴 수 있습니다.</translation>
    </message>
    <message>
        <source>Time-lapse video</source>
        <translation>타임랩스 동영상</translation>
    </message>
</context>
</TS>
