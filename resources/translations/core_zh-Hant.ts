<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>L10n</name>
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
        <source>Granted</source>
        <translation>已授權</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>隱藏 App</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>縮到最小視窗</translation>
    </message>
    <message>
        <source>Minimize every window of the frontmost app.</source>
        <translation>將最前方 App 的所有視窗縮到最小。</translation>
    </message>
    <message>
        <source>Minimize the frontmost window.</source>
        <translation>將最前方的視窗縮到最小。</translation>
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
        <source>Quillorbitex has not checked the X display yet.</source>
        <translation>Quillorbitex 尚未檢查 X 顯示。</translation>
    </message>
    <message>
        <source>Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) to watch the right button and run gesture actions.</source>
        <translation>Quillorbitex 需要 X 伺服器接受合成輸入（XTEST）的 X11 工作階段，才能監看滑鼠右鍵並執行手勢動作。</translation>
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
        <source>The X server lets Quillorbitex watch the right button and send input for gesture actions.</source>
        <translation>X 伺服器允許 Quillorbitex 監看滑鼠右鍵，並為手勢動作傳送輸入。</translation>
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
