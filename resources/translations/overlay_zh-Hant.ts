<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>L10n</name>
    <message>
        <source>Analyzing...</source>
        <translation>正在分析...</translation>
    </message>
    <message>
        <source>Tracing gesture</source>
        <translation>正在追蹤手勢</translation>
    </message>
    <message>
        <source>bounds: %@</source>
        <translation>範圍：%@</translation>
    </message>
    <message>
        <source>end: %@</source>
        <translation>終點：%@</translation>
    </message>
    <message>
        <source>hud display: %@</source>
        <translation>HUD 顯示器：%@</translation>
    </message>
    <message>
        <source>none</source>
        <translation>無</translation>
    </message>
    <message>
        <source>overlay: active</source>
        <translation>疊加層：作用中</translation>
    </message>
    <message>
        <source>overlay: hidden</source>
        <translation>疊加層：已隱藏</translation>
    </message>
    <message>
        <source>status: %@</source>
        <translation>狀態：%@</translation>
    </message>
    <message>
        <source>stroke id: %@</source>
        <translation>筆劃 ID：%@</translation>
    </message>
    <message>
        <source>suppresses system click: %@</source>
        <translation>屏蔽系統點按：%@</translation>
    </message>
    <message>
        <source>title: %@</source>
        <translation>標題：%@</translation>
    </message>
    <message>
        <source>trace displays: %@</source>
        <translation>軌跡顯示器：%@</translation>
    </message>
</context>
</TS>
