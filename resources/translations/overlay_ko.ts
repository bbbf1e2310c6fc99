<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>Analyzing...</source>
        <translation>분석 중...</translation>
    </message>
    <message>
        <source>Tracing gesture</source>
        <translation>제스처 추적 중</translation>
    </message>
    <message>
        <source>bounds: %@</source>
        <translation>범위: %@</translation>
    </message>
    <message>
        <source>end: %@</source>
        <translation>끝점: %@</translation>
    </message>
    <message>
        <source>hud display: %@</source>
        <translation>HUD 디스플레이: %@</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>overlay: active</source>
        <translation>오버레이: 활성</translation>
    </message>
    <message>
        <source>overlay: hidden</source>
        <translation>오버레이: 숨김</translation>
    </message>
    <message>
        <source>status: %@</source>
        <translation>상태: %@</translation>
    </message>
    <message>
        <source>stroke id: %@</source>
        <translation>스트로크 ID: %@</translation>
    </message>
    <message>
        <source>suppresses system click: %@</source>
        <translation>시스템 클릭 억제: %@</translation>
    </message>
    <message>
        <source>title: %@</source>
        <translation>제목: %@</translation>
    </message>
    <message>
        <source>trace displays: %@</source>
        <translation>궤적 디스플레이: %@</translation>
    </message>
</context>
</TS>
