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
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Changes to the preferences are not saved yet: another program is using the preferences file in "%@". They apply now and are saved as soon as it lets go of the file, at the latest when Quillorbitex starts again.</source>
        <translation>環境設定の変更はまだ保存されていません：別のプログラムが「%@」にある環境設定ファイルを使用しています。変更はすでに有効で、そのプログラムがファイルを解放しだい保存されます。遅くとも Quillorbitex を次に起動したときに保存されます。</translation>
    </message>
    <message>
        <source>Changes to the preferences cannot be saved in "%@". They apply until Quillorbitex quits and are saved as soon as that folder can be written.</source>
        <translation>環境設定の変更を「%@」に保存できません。変更は Quillorbitex を終了するまで有効で、このフォルダに書き込めるようになりしだい保存されます。</translation>
    </message>
    <message>
        <source>Could not change Open at Login. Check that the autostart folder is writable.</source>
        <translation>「ログイン時に開く」を変更できませんでした。自動起動フォルダに書き込めるか確認してください。</translation>
    </message>
    <message>
        <source>Gesture capture needs an X11 session whose server accepts synthetic input (XTEST).</source>
        <translation>ジェスチャのキャプチャには、合成入力（XTEST）を受け付ける X サーバーの X11 セッションが必要です。</translation>
    </message>
    <message>
        <source>No overlay diagnostics recorded yet.</source>
        <translation>オーバーレイの診断情報はまだ記録されていません。</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Preferences that could not be read were kept in "%@"; Quillorbitex went on without them.</source>
        <translation>読み込めなかった環境設定を「%@」に保存しました。Quillorbitex はそれらを使わずに続行しました。</translation>
    </message>
    <message>
        <source>Saved Gesture</source>
        <translation>保存したジェスチャ</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>The stored preference "%@" could not be read and no copy of it could be kept; Quillorbitex went on without it and leaves it as it is.</source>
        <translation>保存されている環境設定「%@」を読み込めず、そのコピーも保存できませんでした。Quillorbitex はこの設定を使わずに続行し、設定はそのまま残します。</translation>
    </message>
    <message>
        <source>Usage counts that could not be read were kept in "%@"; Quillorbitex went on counting in a new file.</source>
        <translation>読み込めなかった使用回数を「%@」に保存しました。Quillorbitex は新しいファイルで集計を続けました。</translation>
    </message>
    <message>
        <source>capture: right-button strokes with %@ held are left to another program, which holds them.</source>
        <translation>キャプチャ: %@ を押しながらの右ボタンのストロークは、それを押さえている別のプログラムに任せます。</translation>
    </message>
</context>
</TS>
