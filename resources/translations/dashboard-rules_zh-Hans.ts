<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
    <message>
        <source>%lld App Rule</source>
        <translation>%lld 条应用规则</translation>
    </message>
    <message>
        <source>%lld App Rules</source>
        <translation>%lld 条应用规则</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>App Rules…</source>
        <translation>应用规则…</translation>
    </message>
    <message>
        <source>Change Action</source>
        <translation>更改操作</translation>
    </message>
    <message>
        <source>Change Gesture</source>
        <translation>更改手势</translation>
    </message>
    <message>
        <source>Create Rule</source>
        <translation>创建规则</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Invocations: %lld</source>
        <translation>调用次数：%lld</translation>
    </message>
    <message>
        <source>No custom rules saved yet.</source>
        <translation>尚未保存任何自定义规则。</translation>
    </message>
    <message>
        <source>Open a step-by-step popup to capture a gesture, choose an action, and save a new rule or override.</source>
        <translation>打开分步弹窗，录制手势、选择操作，并保存新规则或覆盖规则。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>已移除</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Rule Editor</source>
        <translation>规则编辑器</translation>
    </message>
    <message>
        <source>Saved Custom Rules</source>
        <translation>已保存的自定义规则</translation>
    </message>
    <message>
        <source>Scope to App…</source>
        <translation>限定到应用…</translation>
    </message>
    <message>
        <source>This preset rule is currently removed from the active set.</source>
        <translation>此预设规则目前已从生效的规则中移除。</translation>
    </message>
</context>
</TS>
