<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>All gestures</source>
        <translation>모든 제스처</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>업데이트 자동 확인</translation>
    </message>
    <message>
        <source>Built-ins</source>
        <translation>기본 제공</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop's language, or force a specific app language.</source>
        <translation>데스크톱 언어를 따르려면 시스템을 선택하고, 특정 앱 언어를 강제로 사용할 수도 있습니다.</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop, or force Light or Dark for the app and the update windows.</source>
        <translation>데스크톱을 따르려면 시스템을 선택하고, 앱과 업데이트 창에 라이트 또는 다크를 강제로 사용할 수도 있습니다.</translation>
    </message>
    <message>
        <source>Copy Log</source>
        <translation>로그 복사</translation>
    </message>
    <message>
        <source>Copy this after reproducing a monitor bug so the raw display routing and local point math can be inspected.</source>
        <translation>모니터 버그를 재현한 뒤 이 로그를 복사하면 원시 디스플레이 라우팅과 로컬 좌표 계산을 검토할 수 있습니다.</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>데스크톱 설정</translation>
    </message>
    <message>
        <source>Freeform gesture threshold</source>
        <translation>자유형 제스처 임계값</translation>
    </message>
    <message>
        <source>Freeform matching</source>
        <translation>자유형 일치</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>제스처 모니터</translation>
    </message>
    <message>
        <source>Hold the right button and start drawing</source>
        <translation>오른쪽 버튼을 누른 채 그리기 시작하세요</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>대기</translation>
    </message>
    <message>
        <source>Invocations</source>
        <translation>실행 횟수</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Last classification</source>
        <translation>마지막 분류</translation>
    </message>
    <message>
        <source>Last system click</source>
        <translation>마지막 시스템 클릭</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Live Trace</source>
        <translation>실시간 궤적</translation>
    </message>
    <message>
        <source>Live action</source>
        <translation>실시간 동작</translation>
    </message>
    <message>
        <source>Live detection</source>
        <translation>실시간 감지</translation>
    </message>
    <message>
        <source>Live directions</source>
        <translation>실시간 방향</translation>
    </message>
    <message>
        <source>Lower values are stricter. Raise this if drawn logos or symbols need more tolerance.</source>
        <translation>값이 낮을수록 엄격합니다. 그린 로고나 기호에 더 많은 허용 범위가 필요하면 값을 높이세요.</translation>
    </message>
    <message>
        <source>Matched rule</source>
        <translation>일치한 규칙</translation>
    </message>
    <message>
        <source>No captured session yet</source>
        <translation>아직 캡처된 세션이 없습니다</translation>
    </message>
    <message>
        <source>No completed session yet</source>
        <translation>아직 완료된 세션이 없습니다</translation>
    </message>
    <message>
        <source>No gesture path yet</source>
        <translation>아직 제스처 경로가 없습니다</translation>
    </message>
    <message>
        <source>No matched rule</source>
        <translation>일치한 규칙 없음</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>저장 안 됨</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>로그인 시 열기</translation>
    </message>
    <message>
        <source>Overlay Routing Log</source>
        <translation>오버레이 라우팅 로그</translation>
    </message>
    <message>
        <source>Overlay appears as soon as Quillorbitex sees a drag path. Once the gesture crosses the capture threshold, the system right-click replay is disabled for that session.</source>
        <translation>Quillorbitex가 드래그 경로를 감지하면 바로 오버레이가 나타납니다. 제스처가 캡처 임계값을 넘으면 해당 세션에서는 시스템 오른쪽 클릭이 재전송되지 않습니다.</translation>
    </message>
    <message>
        <source>Overrides and custom rules</source>
        <translation>재정의 및 사용자 지정 규칙</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>Ready now</source>
        <translation>바로 사용 가능</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>임계값</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>추적 중</translation>
    </message>
    <message>
        <source>Turn this off to stop background update checks. You can still use Check for Updates… whenever you want.</source>
        <translation>끄면 백그라운드 업데이트 확인이 중지됩니다. 언제든지 업데이트 확인…을 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>표시 중</translation>
    </message>
    <message>
        <source>Wayland Session</source>
        <translation>Wayland 세션</translation>
    </message>
    <message>
        <source>X11 Only</source>
        <translation>X11 전용</translation>
    </message>
</context>
</TS>
