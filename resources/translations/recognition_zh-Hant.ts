<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>L10n</name>
    <message>
        <source> then </source>
        <translation>，然後</translation>
    </message>
    <message>
        <source>%@ (no action mapped)</source>
        <translation>%@（未對應動作）</translation>
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
        <translation>已允許</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Custom Gesture</source>
        <translation>自訂手勢</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下箭頭</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Freeform captured path</source>
        <translation>已擷取的自由路徑</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左箭頭</translation>
    </message>
    <message>
        <source>Matched gesture</source>
        <translation>已符合手勢</translation>
    </message>
    <message>
        <source>No committed gesture detected</source>
        <translation>未偵測到確定的手勢</translation>
    </message>
    <message>
        <source>No gesture match</source>
        <translation>沒有符合的手勢</translation>
    </message>
    <message>
        <source>Open %@</source>
        <translation>打開 %@</translation>
    </message>
    <message>
        <source>Open %@ when this gesture matches.</source>
        <translation>符合此手勢時打開 %@。</translation>
    </message>
    <message>
        <source>Open App</source>
        <translation>打開 App</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>打開網址</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Preset Action</source>
        <translation>預設動作</translation>
    </message>
    <message>
        <source>Replayed as right click</source>
        <translation>已作為右鍵點按重播</translation>
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
        <translation>右箭頭</translation>
    </message>
    <message>
        <source>Send %@ to the frontmost app.</source>
        <translation>向最前面的 App 傳送 %@。</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空白鍵</translation>
    </message>
    <message>
        <source>Suppressed</source>
        <translation>已攔截</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Unrecognized path: %@</source>
        <translation>無法辨識的路徑：%@</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>上箭頭</translation>
    </message>
    <message>
        <source>Waiting for a committed stroke</source>
        <translation>等待確定的筆畫</translation>
    </message>
    <message>
        <source>Waiting for movement</source>
        <translation>等待移動</translation>
    </message>
</context>
</TS>
