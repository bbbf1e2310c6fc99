<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>L10n</name>
    <message>
        <source> then </source>
        <translation>、次に</translation>
    </message>
    <message>
        <source>%@ (no action mapped)</source>
        <translation>%@（アクション未割り当て）</translation>
    </message>
    <message>
        <source>%@ -&gt; %@</source>
        <translation>%@ -&gt; %@</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@：%@</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>許可</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>バックスペース</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Custom Gesture</source>
        <translation>カスタムジェスチャ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下矢印</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Freeform captured path</source>
        <translation>キャプチャした自由形状のパス</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左矢印</translation>
    </message>
    <message>
        <source>Matched gesture</source>
        <translation>一致したジェスチャ</translation>
    </message>
    <message>
        <source>No committed gesture detected</source>
        <translation>確定したジェスチャは検出されませんでした</translation>
    </message>
    <message>
        <source>No gesture match</source>
        <translation>一致するジェスチャなし</translation>
    </message>
    <message>
        <source>Open %@</source>
        <translation>%@ を開く</translation>
    </message>
    <message>
        <source>Open %@ when this gesture matches.</source>
        <translation>このジェスチャに一致したら %@ を開きます。</translation>
    </message>
    <message>
        <source>Open App</source>
        <translation>アプリを開く</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>URL を開く</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Preset Action</source>
        <translation>プリセットアクション</translation>
    </message>
    <message>
        <source>Replayed as right click</source>
        <translation>右クリックとして再送信</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>右矢印</translation>
    </message>
    <message>
        <source>Send %@ to the frontmost app.</source>
        <translation>最前面のアプリに %@ を送信します。</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Suppressed</source>
        <translation>抑制済み</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Unrecognized path: %@</source>
        <translation>認識できないパス：%@</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>上矢印</translation>
    </message>
    <message>
        <source>Waiting for a committed stroke</source>
        <translation>確定したストロークを待っています</translation>
    </message>
    <message>
        <source>Waiting for movement</source>
        <translation>動きを待っています</translation>
    </message>
</context>
</TS>
