<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>L10n</name>
    <message>
        <source>%lld custom rule(s) saved.</source>
        <translation>カスタムルールを %lld 件保存済みです。</translation>
    </message>
    <message>
        <source>Allow in App</source>
        <translation>このアプリで許可</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>アプリごとの許可とブロック</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
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
        <source>Check Access</source>
        <translation>アクセスの確認</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>もう一度確認</translation>
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
        <source>Continue →</source>
        <translation>続ける →</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>デスクトップの設定</translation>
    </message>
    <message>
        <source>Draw. Fire. Repeat.</source>
        <translation>描いて、動かして、繰り返す。</translation>
    </message>
    <message>
        <source>Example: %@</source>
        <translation>例：%@</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>ジェスチャモニタ</translation>
    </message>
    <message>
        <source>Gestures work once the X display lets Quillorbitex take the right button and send keys and clicks.</source>
        <translation>X ディスプレイが Quillorbitex に右ボタンの取得とキーやクリックの送信を許すと、ジェスチャが使えるようになります。</translation>
    </message>
    <message>
        <source>Make It Yours</source>
        <translation>自分好みに</translation>
    </message>
    <message>
        <source>Map right-button mouse strokes to shortcuts, apps, links, and preset actions.</source>
        <translation>マウスの右ボタンで描くストロークを、ショートカット、アプリ、リンク、プリセットの操作に割り当てます。</translation>
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
        <source>Open Dashboard</source>
        <translation>ダッシュボードを開く</translation>
    </message>
    <message>
        <source>Override built-ins or add gesture rules for shortcuts, apps, links, and preset actions.</source>
        <translation>内蔵のルールを上書きしたり、ショートカット、アプリ、リンク、プリセットの操作のジェスチャルールを追加したりできます。</translation>
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
        <source>Step %lld of %lld</source>
        <translation>ステップ %lld / %lld</translation>
    </message>
    <message>
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>「許可」ルールを使うと、無効なジェスチャを特定のアプリでだけ働かせられます。「ブロック」ルールを使うと、有効なジェスチャを特定のアプリで働かせないようにできます。</translation>
    </message>
    <message>
        <source>X Display</source>
        <translation>X ディスプレイ</translation>
    </message>
</context>
</TS>
