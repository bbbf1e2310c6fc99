<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
    <message>
        <source> then </source>
        <translation>，然后</translation>
    </message>
    <message>
        <source>%@ (no action mapped)</source>
        <translation>%@（未映射动作）</translation>
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
        <translation>已允许</translation>
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
        <translation>自定义</translation>
    </message>
    <message>
        <source>Custom Gesture</source>
        <translation>自定义手势</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下箭头</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Freeform captured path</source>
        <translation>已捕获的自由路径</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左箭头</translation>
    </message>
    <message>
        <source>Matched gesture</source>
        <translation>已匹配手势</translation>
    </message>
    <message>
        <source>No committed gesture detected</source>
        <translation>未检测到确定的手势</translation>
    </message>
    <message>
        <source>No gesture match</source>
        <translation>没有匹配的手势</translation>
    </message>
    <message>
        <source>Open %@</source>
        <translation>打开 %@</translation>
    </message>
    <message>
        <source>Open %@ when this gesture matches.</source>
        <translation>匹配此手势时打开 %@。</translation>
    </message>
    <message>
        <source>Open App</source>
        <translation>打开应用</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>打开网址</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Preset Action</source>
        <translation>预设动作</translation>
    </message>
    <message>
        <source>Replayed as right click</source>
        <translation>已作为右键点按重放</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>回车</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>右箭头</translation>
    </message>
    <message>
        <source>Send %@ to the frontmost app.</source>
        <translation>向最前面的应用发送 %@。</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Suppressed</source>
        <translation>已拦截</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Unrecognized path: %@</source>
        <translation>无法识别的路径：%@</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>上箭头</translation>
    </message>
    <message>
        <source>Waiting for a committed stroke</source>
        <translation>等待确定的笔画</translation>
    </message>
    <message>
        <source>Waiting for movement</source>
        <translation>等待移动</translation>
    </message>
</context>
</TS>
