<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>L10n</name>
    <message>
        <source>Analyzing...</source>
        <translation>分析中...</translation>
    </message>
    <message>
        <source>Tracing gesture</source>
        <translation>ジェスチャーを追跡中</translation>
    </message>
    <message>
        <source>bounds: %@</source>
        <translation>範囲: %@</translation>
    </message>
    <message>
        <source>end: %@</source>
        <translation>終点: %@</translation>
    </message>
    <message>
        <source>hud display: %@</source>
        <translation>HUD のディスプレイ: %@</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>overlay: active</source>
        <translation>オーバーレイ: 表示中</translation>
    </message>
    <message>
        <source>overlay: hidden</source>
        <translation>オーバーレイ: 非表示</translation>
    </message>
    <message>
        <source>status: %@</source>
        <translation>状態: %@</translation>
    </message>
    <message>
        <source>stroke id: %@</source>
        <translation>ストローク ID: %@</translation>
    </message>
    <message>
        <source>suppresses system click: %@</source>
        <translation>システムのクリックを抑止: %@</translation>
    </message>
    <message>
        <source>title: %@</source>
        <translation>タイトル: %@</translation>
    </message>
    <message>
        <source>trace displays: %@</source>
        <translation>軌跡のディスプレイ: %@</translation>
    </message>
</context>
</TS>
