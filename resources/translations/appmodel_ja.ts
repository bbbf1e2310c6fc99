<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>L10n</name>
    <message>
        <source>%@ %d</source>
        <translation>%@ %d</translation>
    </message>
    <message>
        <source>Could not change Open at Login. Check that the autostart folder is writable.</source>
        <translation>「ログイン時に開く」を変更できませんでした。自動起動フォルダに書き込めるか確認してください。</translation>
    </message>
    <message>
        <source>Grant Accessibility to let Quillorbitex start monitoring gestures.</source>
        <translation>Quillorbitex がジェスチャの監視を開始できるよう、アクセシビリティを許可してください。</translation>
    </message>
    <message>
        <source>No overlay diagnostics recorded yet.</source>
        <translation>オーバーレイの診断情報はまだ記録されていません。</translation>
    </message>
    <message>
        <source>Saved Gesture</source>
        <translation>保存したジェスチャ</translation>
    </message>
</context>
</TS>
