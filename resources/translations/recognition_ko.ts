<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source> then </source>
        <translation> 다음 </translation>
    </message>
    <message>
        <source>%@ (no action mapped)</source>
        <translation>%@ (지정된 동작 없음)</translation>
    </message>
    <message>
        <source>%@ -&gt; %@</source>
        <translation>%@ -&gt; %@</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>허용됨</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>백스페이스</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Custom Gesture</source>
        <translation>사용자 지정 제스처</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>아래쪽 화살표</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Freeform captured path</source>
        <translation>캡처한 자유형 경로</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>왼쪽 화살표</translation>
    </message>
    <message>
        <source>Matched gesture</source>
        <translation>일치한 제스처</translation>
    </message>
    <message>
        <source>No committed gesture detected</source>
        <translation>확정된 제스처가 감지되지 않음</translation>
    </message>
    <message>
        <source>No gesture match</source>
        <translation>일치하는 제스처 없음</translation>
    </message>
    <message>
        <source>Open %@</source>
        <translation>%@ 열기</translation>
    </message>
    <message>
        <source>Open %@ when this gesture matches.</source>
        <translation>이 제스처와 일치하면 %@을(를) 엽니다.</translation>
    </message>
    <message>
        <source>Open App</source>
        <translation>앱 열기</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>URL 열기</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>프리셋</translation>
    </message>
    <message>
        <source>Preset Action</source>
        <translation>프리셋 동작</translation>
    </message>
    <message>
        <source>Replayed as right click</source>
        <translation>오른쪽 클릭으로 재생됨</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>오른쪽 화살표</translation>
    </message>
    <message>
        <source>Send %@ to the frontmost app.</source>
        <translation>맨 앞의 앱에 %@을(를) 보냅니다.</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>Suppressed</source>
        <translation>억제됨</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Unrecognized path: %@</source>
        <translation>인식할 수 없는 경로: %@</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>위쪽 화살표</translation>
    </message>
    <message>
        <source>Waiting for a committed stroke</source>
        <translation>확정된 획을 기다리는 중</translation>
    </message>
    <message>
        <source>Waiting for movement</source>
        <translation>움직임을 기다리는 중</translation>
    </message>
</context>
</TS>
