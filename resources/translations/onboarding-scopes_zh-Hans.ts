<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
    <message>
        <source>%lld custom rule(s) saved.</source>
        <translation>已保存 %lld 条自定规则。</translation>
    </message>
    <message>
        <source>Allow in App</source>
        <translation>在应用中允许</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>应用允许与阻止规则</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Block in App</source>
        <translation>在应用中阻止</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Check Access</source>
        <translation>检查访问</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation>选择应用</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>选择哪些应用在获得焦点时明确允许或阻止此手势。</translation>
    </message>
    <message>
        <source>Continue →</source>
        <translation>继续 →</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>桌面设置</translation>
    </message>
    <message>
        <source>Draw. Fire. Repeat.</source>
        <translation>画一笔，即触发，再来一次。</translation>
    </message>
    <message>
        <source>Example: %@</source>
        <translation>示例：%@</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>手势监控</translation>
    </message>
    <message>
        <source>Gestures work once the X display lets Quillorbitex take the right button and send keys and clicks.</source>
        <translation>只要 X 显示服务器允许 Quillorbitex 接管鼠标右键并发送按键和点击，手势即可使用。</translation>
    </message>
    <message>
        <source>Make It Yours</source>
        <translation>按你的方式来</translation>
    </message>
    <message>
        <source>Map right-button mouse strokes to shortcuts, apps, links, and preset actions.</source>
        <translation>将鼠标右键笔划映射到快捷键、应用、链接和预设操作。</translation>
    </message>
    <message>
        <source>No apps are available right now. Installed and running apps appear here automatically.</source>
        <translation>当前没有可用的应用。已安装和正在运行的应用会自动显示在这里。</translation>
    </message>
    <message>
        <source>No per-app rules yet. The global gesture state applies until you allow or block specific apps.</source>
        <translation>尚无按应用规则。在你允许或阻止特定应用之前，适用手势的全局状态。</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>打开仪表板</translation>
    </message>
    <message>
        <source>Override built-ins or add gesture rules for shortcuts, apps, links, and preset actions.</source>
        <translation>覆盖内置规则，或为快捷键、应用、链接和预设操作添加手势规则。</translation>
    </message>
    <message>
        <source>Pick an app</source>
        <translation>选择一个应用</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Step %lld of %lld</source>
        <translation>第 %lld 步，共 %lld 步</translation>
    </message>
    <message>
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>使用“允许”规则让已停用的手势仅在特定应用中生效。使用“阻止”规则让已启用的手势不在特定应用中触发。</translation>
    </message>
    <message>
        <source>X Display</source>
        <translation>X 显示服务器</translation>
    </message>
</context>
</TS>
