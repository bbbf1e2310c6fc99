<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>L10n</name>
    <message>
        <source>"%1$@" is not a folder that only you can change; Quillorbitex keeps its preferences and counts in "%2$@" until it quits.</source>
        <translation>「%1$@」はあなただけが変更できるフォルダではありません。Quillorbitex は終了するまで、設定とカウントを「%2$@」に保存します。</translation>
    </message>
    <message>
        <source>"%@" is not a folder that only you can change, and no other could be made; Quillorbitex does not save its preferences and counts in this run.</source>
        <translation>「%@」はあなただけが変更できるフォルダではなく、ほかのフォルダも作成できませんでした。Quillorbitex は今回の実行中、設定とカウントを保存しません。</translation>
    </message>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Quillorbitex の新しいバージョンがあります</translation>
    </message>
    <message>
        <source>A program of another user listens at "%@"; Quillorbitex does not speak to it and runs in its place.</source>
        <translation>別のユーザーのプログラムが「%@」で待ち受けています。Quillorbitex はそれとは通信せず、代わりに自身が動作します。</translation>
    </message>
    <message>
        <source>Accessibility: %@</source>
        <translation>アクセシビリティ: %@</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Capture Debug</source>
        <translation>キャプチャのデバッグ</translation>
    </message>
    <message>
        <source>Capture gestures</source>
        <translation>ジェスチャをキャプチャ</translation>
    </message>
    <message>
        <source>Capture health, preset coverage, matching tolerance, and theme controls at a glance.</source>
        <translation>キャプチャの状態、プリセットの適用範囲、照合の許容度、テーマ設定をひと目で確認できます。</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>ネットワーク接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Custom Rules</source>
        <translation>カスタムルール</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>ダッシュボード</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>デバッグ</translation>
    </message>
    <message>
        <source>Disable gesture capture</source>
        <translation>ジェスチャのキャプチャを無効にする</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>ダウンロードして、パッケージマネージャでインストールしてください。</translation>
    </message>
    <message>
        <source>Enable gesture capture</source>
        <translation>ジェスチャのキャプチャを有効にする</translation>
    </message>
    <message>
        <source>Monitor: %@</source>
        <translation>モニタ: %@</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>ダッシュボードを開く</translation>
    </message>
    <message>
        <source>Open the rule editor for a guided setup, then enable, disable, scope, or override custom rules and actions directly from the dashboard.</source>
        <translation>ルールエディタでガイドに沿って設定し、ダッシュボードから直接カスタムルールと操作を有効化、無効化、適用範囲の指定、上書きできます。</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Preset Rules</source>
        <translation>プリセットルール</translation>
    </message>
    <message>
        <source>Preset rules are ready immediately. Disable them, scope them to specific apps, swap the gesture, or remove and restore them without leaving the dashboard.</source>
        <translation>プリセットルールはすぐに使えます。ダッシュボードを離れずに、無効化、特定のアプリへの限定、ジェスチャの変更、削除と復元ができます。</translation>
    </message>
    <message>
        <source>Quillorbitex</source>
        <translation>Quillorbitex</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ が入手可能です（現在のバージョンは %2$@）。</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ は入手可能な最新バージョンです。</translation>
    </message>
    <message>
        <source>Quillorbitex can neither listen at "%1$@" nor reach an instance there (%2$@), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex は「%1$@」で待ち受けることも、そこにあるインスタンスに接続することもできません（%2$@）。そのため、すでに実行中かどうかを確認せずに起動します。</translation>
    </message>
    <message>
        <source>Quillorbitex cannot open the X display "%@". It runs in an X11 session only; start it from one, or set DISPLAY to the X server to use.</source>
        <translation>Quillorbitex は X ディスプレイ「%@」を開けません。X11 セッションでのみ動作します。X11 セッションから起動するか、使用する X サーバーを DISPLAY に設定してください。</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex はアップデートサーバに接続できませんでした。</translation>
    </message>
    <message>
        <source>Quillorbitex does not use "%@" as its test folder: it must be a folder of your own that nobody else can change, reached without symbolic links, and neither your home folder nor a folder holding it. Set QUILLORBITEX_UITEST_BASE_DIR to another folder.</source>
        <translation>Quillorbitex は「%@」をテストフォルダとして使用しません。テストフォルダは、ほかの人が変更できないあなた自身のフォルダで、シンボリックリンクを経由せずにたどれる必要があり、ホームフォルダやそれを含むフォルダであってはなりません。QUILLORBITEX_UITEST_BASE_DIR に別のフォルダを設定してください。</translation>
    </message>
    <message>
        <source>Quillorbitex found no folder that only you can change for its instance socket, so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex はインスタンス用ソケットを置く、あなただけが変更できるフォルダを見つけられませんでした。そのため、すでに実行中かどうかを確認せずに起動します。</translation>
    </message>
    <message>
        <source>Quit Quillorbitex</source>
        <translation>Quillorbitex を終了</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>リリースノート</translation>
    </message>
    <message>
        <source>Reopen Onboarding</source>
        <translation>オンボーディングを再表示</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>セクション</translation>
    </message>
    <message>
        <source>See live path detection, click suppression, and the last classified gesture.</source>
        <translation>経路の検出、クリックの抑制、最後に分類されたジェスチャをリアルタイムで確認できます。</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェア・アップデート</translation>
    </message>
    <message>
        <source>The folders in which Quillorbitex could keep its instance socket have paths too long for a socket (at most %d bytes), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex がインスタンス用ソケットを置けるフォルダのパスは、ソケットには長すぎます（最大 %d バイト）。そのため、すでに実行中かどうかを確認せずに起動します。</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>アップデートサーバから読み取れるアップデート情報が届きませんでした。</translation>
    </message>
    <message>
        <source>This is a Wayland session: Quillorbitex runs through XWayland and sees only the windows of X11 applications. Strokes drawn over other windows are not captured.</source>
        <translation>これは Wayland セッションです。Quillorbitex は XWayland を介して動作し、X11 アプリケーションのウインドウしか認識できません。ほかのウインドウの上で描いたストロークはキャプチャされません。</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>アップデートを確認できませんでした</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>最新の状態です</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>選択中</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>未選択</translation>
    </message>
</context>
</TS>
