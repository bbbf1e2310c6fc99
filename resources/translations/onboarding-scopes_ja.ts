<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>L10n</name>
    <message>
        <source>Allow in App</source>
        <translation>このアプリで許可</translation>
    </message>
    <message>
        <source>App</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>アプリごとの許可とブロック</translation>
    </message>
    <message>
        <source>Block in App</source>
        <translation>このアプリでブロック</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>フォーカスがあるときにこのジェスチャを明示的に許可またはブロックするアプリを選びます。</translation>
    </message>
    <message>
        <source>No apps are available right now. Installed and running apps appear here automatically.</source>
        <translation>現在選べるアプリはありません。インストール済みのアプリと実行中のアプリは自動的にここに表示されます。</translation>
    </message>
    <message>
        <source>No per-app rules yet. The global gesture state applies until you allow or block specific apps.</source>
        <translation>アプリごとのルールはまだありません。特定のアプリを許可またはブロックするまでは、ジェスチャ全体の状態が適用されます。</translation>
    </message>
    <message>
        <source>Pick an app</source>
        <translation>アプリを選ぶ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>取り除く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>「許可」ルールを使うと、無効なジェスチャを特定のアプリでだけ働かせられます。「ブロック」ルールを使うと、有効なジェスチャを特定のアプリで働かせないようにできます。</translation>
    </message>
</context>
</TS>
