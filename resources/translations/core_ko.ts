<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>Blocked</source>
        <translation>차단됨</translation>
    </message>
    <message>
        <source>Close Tab or Window</source>
        <translation>탭 또는 윈도우 닫기</translation>
    </message>
    <message>
        <source>Close the current tab or window in apps that support Control plus W.</source>
        <translation>Ctrl + W를 지원하는 앱에서 현재 탭 또는 윈도우를 닫습니다.</translation>
    </message>
    <message>
        <source>Create a new tab in apps that support Control plus T.</source>
        <translation>Ctrl + T를 지원하는 앱에서 새 탭을 만듭니다.</translation>
    </message>
    <message>
        <source>Create a new window in apps that support Control plus N.</source>
        <translation>Ctrl + N을 지원하는 앱에서 새 윈도우를 만듭니다.</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>거부됨</translation>
    </message>
    <message>
        <source>Gesture capture is turned off.</source>
        <translation>제스처 캡처가 꺼져 있습니다.</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>허용됨</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>앱 가리기</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>윈도우 최소화</translation>
    </message>
    <message>
        <source>Minimize every window of the frontmost app.</source>
        <translation>맨 앞의 앱의 모든 윈도우를 최소화합니다.</translation>
    </message>
    <message>
        <source>Minimize the frontmost window.</source>
        <translation>맨 앞의 윈도우를 최소화합니다.</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>새 탭</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>새 윈도우</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>다음 탭</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>이전 탭</translation>
    </message>
    <message>
        <source>Quillorbitex has not checked the X display yet.</source>
        <translation>Quillorbitex가 아직 X 디스플레이를 확인하지 않았습니다.</translation>
    </message>
    <message>
        <source>Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) to watch the right button and run gesture actions.</source>
        <translation>오른쪽 버튼을 감시하고 제스처 동작을 실행하려면 합성 입력(XTEST)을 받아들이는 X 서버의 X11 세션이 필요합니다.</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>앱 종료</translation>
    </message>
    <message>
        <source>Quit the frontmost app with Control plus Q.</source>
        <translation>Ctrl + Q로 맨 앞의 앱을 종료합니다.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>실행 중</translation>
    </message>
    <message>
        <source>Secondary-click drag gestures are being monitored.</source>
        <translation>보조 클릭 드래그 제스처를 감지하는 중입니다.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>중지됨</translation>
    </message>
    <message>
        <source>Switch to the next tab in apps that use Control plus Tab.</source>
        <translation>Ctrl + Tab을 사용하는 앱에서 다음 탭으로 전환합니다.</translation>
    </message>
    <message>
        <source>Switch to the previous tab in apps that use Control plus Shift plus Tab.</source>
        <translation>Ctrl + Shift + Tab을 사용하는 앱에서 이전 탭으로 전환합니다.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>The X server lets Quillorbitex watch the right button and send input for gesture actions.</source>
        <translation>X 서버에서 Quillorbitex가 오른쪽 버튼을 감시하고 제스처 동작을 위한 입력을 보낼 수 있습니다.</translation>
    </message>
    <message>
        <source>Trigger a refresh action in the frontmost app.</source>
        <translation>맨 앞의 앱에서 새로 고침을 실행합니다.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
</context>
</TS>
