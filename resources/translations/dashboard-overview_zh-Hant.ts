<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>L10n</name>
    <message>
        <source>All gestures</source>
        <translation>所有手勢</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>自動檢查更新</translation>
    </message>
    <message>
        <source>Built-ins</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop's language, or force a specific app language.</source>
        <translation>選擇「系統」以跟隨桌面語言，或強制使用特定的 App 語言。</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop, or force Light or Dark for the app and the update windows.</source>
        <translation>選擇「系統」以跟隨桌面，或為 App 與更新視窗強制使用淺色或深色。</translation>
    </message>
    <message>
        <source>Copy Log</source>
        <translation>拷貝日誌</translation>
    </message>
    <message>
        <source>Copy this after reproducing a monitor bug so the raw display routing and local point math can be inspected.</source>
        <translation>重現顯示器相關問題後拷貝此日誌，以便檢查原始的顯示器路由與本機座標計算。</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>桌面設定</translation>
    </message>
    <message>
        <source>Freeform gesture threshold</source>
        <translation>自由手勢臨界值</translation>
    </message>
    <message>
        <source>Freeform matching</source>
        <translation>自由形狀比對</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>手勢監控</translation>
    </message>
    <message>
        <source>Hold the right button and start drawing</source>
        <translation>按住右鍵並開始繪製</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>閒置</translation>
    </message>
    <message>
        <source>Invocations</source>
        <translation>呼叫次數</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Last classification</source>
        <translation>上次分類</translation>
    </message>
    <message>
        <source>Last system click</source>
        <translation>上次系統點按</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Live Trace</source>
        <translation>即時軌跡</translation>
    </message>
    <message>
        <source>Live action</source>
        <translation>即時動作</translation>
    </message>
    <message>
        <source>Live detection</source>
        <translation>即時偵測</translation>
    </message>
    <message>
        <source>Live directions</source>
        <translation>即時方向</translation>
    </message>
    <message>
        <source>Lower values are stricter. Raise this if drawn logos or symbols need more tolerance.</source>
        <translation>數值越低越嚴格。若繪製的標誌或符號需要更高的容錯，請調高此值。</translation>
    </message>
    <message>
        <source>Matched rule</source>
        <translation>符合的規則</translation>
    </message>
    <message>
        <source>No captured session yet</source>
        <translation>尚無擷取的工作階段</translation>
    </message>
    <message>
        <source>No completed session yet</source>
        <translation>尚無完成的工作階段</translation>
    </message>
    <message>
        <source>No gesture path yet</source>
        <translation>尚無手勢路徑</translation>
    </message>
    <message>
        <source>No matched rule</source>
        <translation>無符合的規則</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>未儲存</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>登入時開啟</translation>
    </message>
    <message>
        <source>Overlay Routing Log</source>
        <translation>疊加層路由日誌</translation>
    </message>
    <message>
        <source>Overlay appears as soon as Quillorbitex sees a drag path. Once the gesture crosses the capture threshold, the system right-click replay is disabled for that session.</source>
        <translation>Quillorbitex 一偵測到拖移路徑就會顯示疊加層。手勢越過擷取臨界值後，此工作階段將不再重播系統右鍵點按。</translation>
    </message>
    <message>
        <source>Overrides and custom rules</source>
        <translation>覆寫與自訂規則</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Ready now</source>
        <translation>隨時可用</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>臨界值</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>追蹤中</translation>
    </message>
    <message>
        <source>Turn this off to stop background update checks. You can still use Check for Updates… whenever you want.</source>
        <translation>關閉後將停止在背景檢查更新。你仍可隨時使用「檢查更新⋯」。</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>可見</translation>
    </message>
    <message>
        <source>Wayland Session</source>
        <translation>Wayland 工作階段</translation>
    </message>
    <message>
        <source>X11 Only</source>
        <translation>僅限 X11</translation>
    </message>
</context>
</TS>
