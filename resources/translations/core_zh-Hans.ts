<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
    <message>
        <source>Accessibility is available for listening and running gesture actions.</source>
        <translation>辅助功能可用于监听和执行手势操作。</translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation>已阻止</translation>
    </message>
    <message>
        <source>Close Tab or Window</source>
        <translation>关闭标签页或窗口</translation>
    </message>
    <message>
        <source>Close the current tab or window in apps that support Control plus W.</source>
        <translation>在支持 Ctrl + W 的应用中关闭当前标签页或窗口。</translation>
    </message>
    <message>
        <source>Create a new tab in apps that support Control plus T.</source>
        <translation>在支持 Ctrl + T 的应用中新建标签页。</translation>
    </message>
    <message>
        <source>Create a new window in apps that support Control plus N.</source>
        <translation>在支持 Ctrl + N 的应用中新建窗口。</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>已拒绝</translation>
    </message>
    <message>
        <source>Gesture capture is turned off.</source>
        <translation>手势捕获已关闭。</translation>
    </message>
    <message>
        <source>Grant Accessibility to let Quillorbitex monitor input and run gesture actions.</source>
        <translation>授予辅助功能权限，以便 Quillorbitex 监控输入并执行手势操作。</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>已授权</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>隐藏应用</translation>
    </message>
    <message>
        <source>Hide the frontmost app with Control plus H.</source>
        <translation>使用 Ctrl + H 隐藏最前面的应用。</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>最小化窗口</translation>
    </message>
    <message>
        <source>Minimize the frontmost window with Control plus M.</source>
        <translation>使用 Ctrl + M 最小化最前面的窗口。</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>新建标签页</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新建窗口</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>下一个标签页</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>上一个标签页</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>退出应用</translation>
    </message>
    <message>
        <source>Quit the frontmost app with Control plus Q.</source>
        <translation>使用 Ctrl + Q 退出最前面的应用。</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <source>Secondary-click drag gestures are being monitored.</source>
        <translation>正在监控辅助点按拖移手势。</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Switch to the next tab in apps that use Control plus Tab.</source>
        <translation>在使用 Ctrl + Tab 的应用中切换到下一个标签页。</translation>
    </message>
    <message>
        <source>Switch to the previous tab in apps that use Control plus Shift plus Tab.</source>
        <translation>在使用 Ctrl + Shift + Tab 的应用中切换到上一个标签页。</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>The app has not checked Accessibility permission yet.</source>
        <translation>应用尚未检查辅助功能权限。</translation>
    </message>
    <message>
        <source>Trigger a refresh action in the frontmost app.</source>
        <translation>在最前面的应用中执行刷新操作。</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
</TS>
