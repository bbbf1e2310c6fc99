<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>%lld App Rule</source>
        <translation>앱 규칙 %lld개</translation>
    </message>
    <message>
        <source>%lld App Rules</source>
        <translation>앱 규칙 %lld개</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>App Rules…</source>
        <translation>앱 규칙…</translation>
    </message>
    <message>
        <source>Change Action</source>
        <translation>동작 변경</translation>
    </message>
    <message>
        <source>Change Gesture</source>
        <translation>제스처 변경</translation>
    </message>
    <message>
        <source>Create Rule</source>
        <translation>규칙 만들기</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>비활성화됨</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>활성화</translation>
    </message>
    <message>
        <source>Invocations: %lld</source>
        <translation>실행 횟수: %lld</translation>
    </message>
    <message>
        <source>No custom rules saved yet.</source>
        <translation>아직 저장된 사용자 지정 규칙이 없습니다.</translation>
    </message>
    <message>
        <source>Open a step-by-step popup to capture a gesture, choose an action, and save a new rule or override.</source>
        <translation>단계별 팝업을 열어 제스처를 기록하고 동작을 선택한 다음 새 규칙이나 재정의를 저장합니다.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>제거됨</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Rule Editor</source>
        <translation>규칙 편집기</translation>
    </message>
    <message>
        <source>Saved Custom Rules</source>
        <translation>저장된 사용자 지정 규칙</translation>
    </message>
    <message>
        <source>Scope to App…</source>
        <translation>앱으로 제한…</translation>
    </message>
    <message>
        <source>This preset rule is currently removed from the active set.</source>
        <translation>이 프리셋 규칙은 현재 활성 규칙에서 제거되어 있습니다.</translation>
    </message>
</context>
</TS>
