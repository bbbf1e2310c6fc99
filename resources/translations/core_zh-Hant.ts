<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>L10n</name>
    <message>
        <source>Accessibility is available for listening and running gesture actions.</source>
        <translation>輔助使用可用於監聽和執行手勢動作。</translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation>已阻擋</translation>
    </message>
    <message>
        <source>Close Tab or Window</source>
        <translation>關閉分頁或視窗</translation>
    </message>
    <message>
        <source>Close the current tab or window in apps that support Control plus W.</source>
        <translation>在支援 Ctrl + W 的 App 中關閉目前的分頁或視窗。</translation>
    </message>
    <message>
        <source>Create a new tab in apps that support Control plus T.</source>
        <translation>在支援 Ctrl + T 的 App 中新增分頁。</translation>
    </message>
    <message>
        <source>Create a new window in apps that support Control plus N.</source>
        <translation>在支援 Ctrl + N 的 App 中新增視窗。</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>已拒絕</translation>
    </message>
    <message>
        <source>Gesture capture is turned off.</source>
        <translation>手勢擷取已關閉。</translation>
    </message>
    <message>
        <source>Grant Accessibility to let Quillorbitex monitor input and run gesture actions.</source>
        <translation>授予輔助使用權限，讓 Quillorbitex 監控輸入並執行手勢動作。</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>已授權</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>隱藏 App</translation>
    </message>
    <message>
        <source>Hide the frontmost app with Control plus H.</source>
        <translation>使用 Ctrl + H 隱藏最前方的 App。</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>縮到最小視窗</translation>
    </message>
    <message>
        <source>Minimize the frontmost window with Control plus M.</source>
        <translation>使用 Ctrl + M 將最前方的視窗縮到最小。</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>新增分頁</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新增視窗</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>下一個分頁</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>上一個分頁</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>結束 App</translation>
    </message>
    <message>
        <source>Quit the frontmost app with Control plus Q.</source>
        <translation>使用 Ctrl + Q 結束最前方的 App。</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>執行中</translation>
    </message>
    <message>
        <source>Secondary-click drag gestures are being monitored.</source>
        <translation>正在監控輔助點按拖移手勢。</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Switch to the next tab in apps that use Control plus Tab.</source>
        <translation>在使用 Ctrl + Tab 的 App 中切換到下一個分頁。</translation>
    </message>
    <message>
        <source>Switch to the previous tab in apps that use Control plus Shift plus Tab.</source>
        <translation>在使用 Ctrl + Shift + Tab 的 App 中切換到上一個分頁。</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>The app has not checked Accessibility permission yet.</source>
        <translation>App 尚未檢查輔助使用權限。</translation>
    </message>
    <message>
        <source>Trigger a refresh action in the frontmost app.</source>
        <translation>在最前方的 App 中執行重新整理動作。</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
</TS>
