<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>L10n</name>
    <message>
        <source>Blocked</source>
        <translation>ブロック中</translation>
    </message>
    <message>
        <source>Close Tab or Window</source>
        <translation>タブまたはウインドウを閉じる</translation>
    </message>
    <message>
        <source>Close the current tab or window in apps that support Control plus W.</source>
        <translation>Ctrl + W に対応したアプリで現在のタブまたはウインドウを閉じます。</translation>
    </message>
    <message>
        <source>Create a new tab in apps that support Control plus T.</source>
        <translation>Ctrl + T に対応したアプリで新規タブを作成します。</translation>
    </message>
    <message>
        <source>Create a new window in apps that support Control plus N.</source>
        <translation>Ctrl + N に対応したアプリで新規ウインドウを作成します。</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>拒否</translation>
    </message>
    <message>
        <source>Gesture capture is turned off.</source>
        <translation>ジェスチャの取り込みはオフです。</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>許可済み</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>アプリを隠す</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>ウインドウをしまう</translation>
    </message>
    <message>
        <source>Minimize every window of the frontmost app.</source>
        <translation>最前面のアプリのウインドウをすべてしまいます。</translation>
    </message>
    <message>
        <source>Minimize the frontmost window.</source>
        <translation>最前面のウインドウをしまいます。</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>新規タブ</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新規ウインドウ</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>次のタブ</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>前のタブ</translation>
    </message>
    <message>
        <source>Quillorbitex has not checked the X display yet.</source>
        <translation>Quillorbitex はまだ X ディスプレイを確認していません。</translation>
    </message>
    <message>
        <source>Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) to watch the right button and run gesture actions.</source>
        <translation>右ボタンを監視してジェスチャの操作を実行するには、合成入力（XTEST）を受け付ける X サーバーの X11 セッションが必要です。</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>アプリを終了</translation>
    </message>
    <message>
        <source>Quit the frontmost app with Control plus Q.</source>
        <translation>Ctrl + Q で最前面のアプリを終了します。</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>Secondary-click drag gestures are being monitored.</source>
        <translation>副ボタンのドラッグジェスチャを監視しています。</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Switch to the next tab in apps that use Control plus Tab.</source>
        <translation>Ctrl + Tab を使うアプリで次のタブに切り替えます。</translation>
    </message>
    <message>
        <source>Switch to the previous tab in apps that use Control plus Shift plus Tab.</source>
        <translation>Ctrl + Shift + Tab を使うアプリで前のタブに切り替えます。</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>The X server lets Quillorbitex watch the right button and send input for gesture actions.</source>
        <translation>X サーバーにより、Quillorbitex は右ボタンを監視し、ジェスチャの操作のために入力を送信できます。</translation>
    </message>
    <message>
        <source>Trigger a refresh action in the frontmost app.</source>
        <translation>最前面のアプリで更新操作を実行します。</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
</context>
</TS>
