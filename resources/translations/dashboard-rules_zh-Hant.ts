<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>L10n</name>
    <message>
        <source>%lld App Rule</source>
        <translation>%lld 條 App 規則</translation>
    </message>
    <message>
        <source>%lld App Rules</source>
        <translation>%lld 條 App 規則</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>App Rules…</source>
        <translation>App 規則…</translation>
    </message>
    <message>
        <source>Change Action</source>
        <translation>更改動作</translation>
    </message>
    <message>
        <source>Change Gesture</source>
        <translation>更改手勢</translation>
    </message>
    <message>
        <source>Create Rule</source>
        <translation>建立規則</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
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
        <translation>啟用</translation>
    </message>
    <message>
        <source>Invocations: %lld</source>
        <translation>呼叫次數：%lld</translation>
    </message>
    <message>
        <source>No custom rules saved yet.</source>
        <translation>尚未儲存任何自訂規則。</translation>
    </message>
    <message>
        <source>Open a step-by-step popup to capture a gesture, choose an action, and save a new rule or override.</source>
        <translation>打開逐步彈出視窗，錄製手勢、選擇動作，並儲存新規則或覆寫規則。</translation>
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
        <translation>回復</translation>
    </message>
    <message>
        <source>Rule Editor</source>
        <translation>規則編輯器</translation>
    </message>
    <message>
        <source>Saved Custom Rules</source>
        <translation>已儲存的自訂規則</translation>
    </message>
    <message>
        <source>Scope to App…</source>
        <translation>限定至 App…</translation>
    </message>
    <message>
        <source>This preset rule is currently removed from the active set.</source>
        <translation>此預設規則目前已從生效的規則中移除。</translation>
    </message>
</context>
</TS>
