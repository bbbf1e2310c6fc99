<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
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
        <source>Granted</source>
        <translation>已授权</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>隐藏应用</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>最小化窗口</translation>
    </message>
    <message>
        <source>Minimize every window of the frontmost app.</source>
        <translation>将最前面的应用的所有窗口最小化。</translation>
    </message>
    <message>
        <source>Minimize the frontmost window.</source>
        <translation>将最前面的窗口最小化。</translation>
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
        <source>Quillorbitex has not checked the X display yet.</source>
        <translation>Quillorbitex 尚未检查 X 显示。</translation>
    </message>
    <message>
        <source>Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) to watch the right button and run gesture actions.</source>
        <translation>Quillorbitex 需要一个 X 服务器接受合成输入（XTEST）的 X11 会话，才能监听鼠标右键并执行手势操作。</translation>
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
        <source>The X server lets Quillorbitex watch the right button and send input for gesture actions.</source>
        <translation>X 服务器允许 Quillorbitex 监听鼠标右键，并为手势操作发送输入。</translation>
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
