<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>L10n</name>
    <message>
        <source>%lld App Rule</source>
        <translation>%lld 件のアプリルール</translation>
    </message>
    <message>
        <source>%lld App Rules</source>
        <translation>%lld 件のアプリルール</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>App Rules…</source>
        <translation>アプリルール…</translation>
    </message>
    <message>
        <source>Change Action</source>
        <translation>アクションを変更</translation>
    </message>
    <message>
        <source>Change Gesture</source>
        <translation>ジェスチャを変更</translation>
    </message>
    <message>
        <source>Create Rule</source>
        <translation>ルールを作成</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効にする</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効にする</translation>
    </message>
    <message>
        <source>Invocations: %lld</source>
        <translation>実行回数：%lld</translation>
    </message>
    <message>
        <source>No custom rules saved yet.</source>
        <translation>保存済みのカスタムルールはまだありません。</translation>
    </message>
    <message>
        <source>Open a step-by-step popup to capture a gesture, choose an action, and save a new rule or override.</source>
        <translation>ステップごとのポップアップを開いて、ジェスチャを記録し、アクションを選び、新しいルールまたは上書きを保存します。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>取り除く</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>取り除き済み</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Rule Editor</source>
        <translation>ルールエディタ</translation>
    </message>
    <message>
        <source>Saved Custom Rules</source>
        <translation>保存済みのカスタムルール</translation>
    </message>
    <message>
        <source>Scope to App…</source>
        <translation>アプリに限定…</translation>
    </message>
    <message>
        <source>This preset rule is currently removed from the active set.</source>
        <translation>このプリセットルールは現在、有効なルールから取り除かれています。</translation>
    </message>
</context>
</TS>
