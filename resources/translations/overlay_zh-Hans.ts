<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
    <message>
        <source>Analyzing...</source>
        <translation>正在分析...</translation>
    </message>
    <message>
        <source>Tracing gesture</source>
        <translation>正在跟踪手势</translation>
    </message>
    <message>
        <source>bounds: %@</source>
        <translation>范围：%@</translation>
    </message>
    <message>
        <source>end: %@</source>
        <translation>终点：%@</translation>
    </message>
    <message>
        <source>hud display: %@</source>
        <translation>HUD 显示器：%@</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>overlay: active</source>
        <translation>叠加层：活动</translation>
    </message>
    <message>
        <source>overlay: hidden</source>
        <translation>叠加层：已隐藏</translation>
    </message>
    <message>
        <source>status: %@</source>
        <translation>状态：%@</translation>
    </message>
    <message>
        <source>stroke id: %@</source>
        <translation>笔画 ID：%@</translation>
    </message>
    <message>
        <source>suppresses system click: %@</source>
        <translation>屏蔽系统点击：%@</translation>
    </message>
    <message>
        <source>title: %@</source>
        <translation>标题：%@</translation>
    </message>
    <message>
        <source>trace displays: %@</source>
        <translation>轨迹显示器：%@</translation>
    </message>
</context>
</TS>
