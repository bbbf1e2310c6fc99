<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>%lld custom rule(s) saved.</source>
        <translation>사용자 규칙 %lld개가 저장되어 있습니다.</translation>
    </message>
    <message>
        <source>Allow in App</source>
        <translation>앱에서 허용</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>앱별 허용 및 차단 규칙</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Block in App</source>
        <translation>앱에서 차단</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Check Access</source>
        <translation>접근 확인</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>다시 확인</translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>포커스가 있을 때 이 제스처를 명시적으로 허용하거나 차단할 앱을 선택하세요.</translation>
    </message>
    <message>
        <source>Continue →</source>
        <translation>계속 →</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>데스크톱 설정</translation>
    </message>
    <message>
        <source>Draw. Fire. Repeat.</source>
        <translation>그리고, 실행하고, 반복하세요.</translation>
    </message>
    <message>
        <source>Example: %@</source>
        <translation>예: %@</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>제스처 모니터</translation>
    </message>
    <message>
        <source>Gestures work once the X display lets Quillorbitex take the right button and send keys and clicks.</source>
        <translation>X 디스플레이가 Quillorbitex에 오른쪽 버튼을 넘겨주고 키와 클릭을 보낼 수 있게 하면 제스처가 작동합니다.</translation>
    </message>
    <message>
        <source>Make It Yours</source>
        <translation>나만의 방식으로</translation>
    </message>
    <message>
        <source>Map right-button mouse strokes to shortcuts, apps, links, and preset actions.</source>
        <translation>마우스 오른쪽 버튼 스트로크를 단축키, 앱, 링크, 미리 설정된 동작에 연결하세요.</translation>
    </message>
    <message>
        <source>No apps are available right now. Installed and running apps appear here automatically.</source>
        <translation>지금은 선택할 수 있는 앱이 없습니다. 설치된 앱과 실행 중인 앱은 자동으로 여기에 나타납니다.</translation>
    </message>
    <message>
        <source>No per-app rules yet. The global gesture state applies until you allow or block specific apps.</source>
        <translation>아직 앱별 규칙이 없습니다. 특정 앱을 허용하거나 차단하기 전까지는 제스처의 전체 상태가 적용됩니다.</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>대시보드 열기</translation>
    </message>
    <message>
        <source>Override built-ins or add gesture rules for shortcuts, apps, links, and preset actions.</source>
        <translation>기본 규칙을 재정의하거나 단축키, 앱, 링크, 미리 설정된 동작에 대한 제스처 규칙을 추가하세요.</translation>
    </message>
    <message>
        <source>Pick an app</source>
        <translation>앱 고르기</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Step %lld of %lld</source>
        <translation>%lld / %lld단계</translation>
    </message>
    <message>
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>허용 규칙을 사용하면 꺼진 제스처가 특정 앱에서만 작동합니다. 차단 규칙을 사용하면 켜진 제스처가 특정 앱에서 실행되지 않습니다.</translation>
    </message>
    <message>
        <source>X Display</source>
        <translation>X 디스플레이</translation>
    </message>
</context>
</TS>
