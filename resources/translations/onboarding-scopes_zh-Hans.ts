<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
    <message>
        <source>Allow in App</source>
        <translation>在应用中允许</translation>
    </message>
    <message>
        <source>App</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>应用允许与阻止规则</translation>
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
        <source>Choose App</source>
        <translation>选择应用</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>选择哪些应用在获得焦点时明确允许或阻止此手势。</translation>
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
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>使用“允许”规则让已停用的手势仅在特定应用中生效。使用“阻止”规则让已启用的手势不在特定应用中触发。</translation>
    </message>
</context>
</TS>
