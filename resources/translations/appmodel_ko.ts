<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>%@ %d</source>
        <translation>%@ %d</translation>
    </message>
    <message>
        <source>Could not change Open at Login. Check that the autostart folder is writable.</source>
        <translation>로그인 시 열기를 변경할 수 없습니다. 자동 시작 폴더에 쓸 수 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>Grant Accessibility to let Quillorbitex start monitoring gestures.</source>
        <translation>Quillorbitex가 제스처 감지를 시작하도록 손쉬운 사용을 허용하세요.</translation>
    </message>
    <message>
        <source>No overlay diagnostics recorded yet.</source>
        <translation>아직 기록된 오버레이 진단 정보가 없습니다.</translation>
    </message>
    <message>
        <source>Saved Gesture</source>
        <translation>저장된 제스처</translation>
    </message>
</context>
</TS>
