<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>L10n</name>
    <message>
        <source>All gestures</source>
        <translation>すべてのジェスチャ</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>アップデートを自動的に確認</translation>
    </message>
    <message>
        <source>Built-ins</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop's language, or force a specific app language.</source>
        <translation>「システム」を選ぶとデスクトップの言語に従います。特定の言語に固定することもできます。</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop, or force Light or Dark for the app and the update windows.</source>
        <translation>「システム」を選ぶとデスクトップに従います。アプリとアップデートのウインドウをライトまたはダークに固定することもできます。</translation>
    </message>
    <message>
        <source>Copy Log</source>
        <translation>ログをコピー</translation>
    </message>
    <message>
        <source>Copy this after reproducing a monitor bug so the raw display routing and local point math can be inspected.</source>
        <translation>モニタの不具合を再現したらこれをコピーしてください。ディスプレイの振り分けとローカル座標の計算をそのまま確認できます。</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>デスクトップの設定</translation>
    </message>
    <message>
        <source>Freeform gesture threshold</source>
        <translation>自由形状ジェスチャのしきい値</translation>
    </message>
    <message>
        <source>Freeform matching</source>
        <translation>自由形状の照合</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>ジェスチャモニタ</translation>
    </message>
    <message>
        <source>Hold the right button and start drawing</source>
        <translation>右ボタンを押したまま描き始めてください</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Invocations</source>
        <translation>実行回数</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Last classification</source>
        <translation>前回の分類</translation>
    </message>
    <message>
        <source>Last system click</source>
        <translation>前回のシステムクリック</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Live Trace</source>
        <translation>ライブトレース</translation>
    </message>
    <message>
        <source>Live action</source>
        <translation>ライブアクション</translation>
    </message>
    <message>
        <source>Live detection</source>
        <translation>ライブ検出</translation>
    </message>
    <message>
        <source>Live directions</source>
        <translation>ライブの方向</translation>
    </message>
    <message>
        <source>Lower values are stricter. Raise this if drawn logos or symbols need more tolerance.</source>
        <translation>値が小さいほど厳密になります。描いたロゴや記号にもっと許容範囲が必要なら上げてください。</translation>
    </message>
    <message>
        <source>Matched rule</source>
        <translation>一致したルール</translation>
    </message>
    <message>
        <source>No captured session yet</source>
        <translation>キャプチャしたセッションはまだありません</translation>
    </message>
    <message>
        <source>No completed session yet</source>
        <translation>完了したセッションはまだありません</translation>
    </message>
    <message>
        <source>No gesture path yet</source>
        <translation>ジェスチャの軌跡はまだありません</translation>
    </message>
    <message>
        <source>No matched rule</source>
        <translation>一致したルールはありません</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>ログイン時に開く</translation>
    </message>
    <message>
        <source>Overlay Routing Log</source>
        <translation>オーバーレイ振り分けログ</translation>
    </message>
    <message>
        <source>Overlay appears as soon as Quillorbitex sees a drag path. Once the gesture crosses the capture threshold, the system right-click replay is disabled for that session.</source>
        <translation>Quillorbitex がドラッグの軌跡を検出するとすぐにオーバーレイが表示されます。ジェスチャがキャプチャのしきい値を超えると、そのセッションではシステムの右クリックは再送されません。</translation>
    </message>
    <message>
        <source>Overrides and custom rules</source>
        <translation>上書きとカスタムルール</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Ready now</source>
        <translation>すぐに使えます</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>しきい値</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>追跡中</translation>
    </message>
    <message>
        <source>Turn this off to stop background update checks. You can still use Check for Updates… whenever you want.</source>
        <translation>オフにするとバックグラウンドでのアップデート確認を停止します。「アップデートを確認…」はいつでも使えます。</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>表示中</translation>
    </message>
    <message>
        <source>Wayland Session</source>
        <translation>Wayland セッション</translation>
    </message>
    <message>
        <source>X11 Only</source>
        <translation>X11 のみ</translation>
    </message>
</context>
</TS>
