<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
    <message>
        <source>All gestures</source>
        <translation>所有手势</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>自动检查更新</translation>
    </message>
    <message>
        <source>Built-ins</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>捕获</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop's language, or force a specific app language.</source>
        <translation>选择“系统”以跟随桌面语言，或强制使用特定的应用语言。</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop, or force Light or Dark for the app and the update windows.</source>
        <translation>选择“系统”以跟随桌面，或为应用和更新窗口强制使用浅色或深色。</translation>
    </message>
    <message>
        <source>Copy Log</source>
        <translation>拷贝日志</translation>
    </message>
    <message>
        <source>Copy this after reproducing a monitor bug so the raw display routing and local point math can be inspected.</source>
        <translation>复现显示器相关问题后拷贝此日志，以便检查原始的显示器路由和本地坐标计算。</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>桌面设置</translation>
    </message>
    <message>
        <source>Freeform gesture threshold</source>
        <translation>自由手势阈值</translation>
    </message>
    <message>
        <source>Freeform matching</source>
        <translation>自由形状匹配</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>手势监控</translation>
    </message>
    <message>
        <source>Hold the right button and start drawing</source>
        <translation>按住右键并开始绘制</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <source>Invocations</source>
        <translation>调用次数</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Last classification</source>
        <translation>上次分类</translation>
    </message>
    <message>
        <source>Last system click</source>
        <translation>上次系统点按</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Live Trace</source>
        <translation>实时轨迹</translation>
    </message>
    <message>
        <source>Live action</source>
        <translation>实时操作</translation>
    </message>
    <message>
        <source>Live detection</source>
        <translation>实时检测</translation>
    </message>
    <message>
        <source>Live directions</source>
        <translation>实时方向</translation>
    </message>
    <message>
        <source>Lower values are stricter. Raise this if drawn logos or symbols need more tolerance.</source>
        <translation>数值越低越严格。如果绘制的标志或符号需要更高的容差，请调高此值。</translation>
    </message>
    <message>
        <source>Matched rule</source>
        <translation>匹配的规则</translation>
    </message>
    <message>
        <source>No captured session yet</source>
        <translation>尚无捕获的会话</translation>
    </message>
    <message>
        <source>No completed session yet</source>
        <translation>尚无完成的会话</translation>
    </message>
    <message>
        <source>No gesture path yet</source>
        <translation>尚无手势路径</translation>
    </message>
    <message>
        <source>No matched rule</source>
        <translation>无匹配的规则</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>登录时打开</translation>
    </message>
    <message>
        <source>Overlay Routing Log</source>
        <translation>叠加层路由日志</translation>
    </message>
    <message>
        <source>Overlay appears as soon as Quillorbitex sees a drag path. Once the gesture crosses the capture threshold, the system right-click replay is disabled for that session.</source>
        <translation>Quillorbitex 一检测到拖移路径就会显示叠加层。手势越过捕获阈值后，本次会话将不再重放系统右键点按。</translation>
    </message>
    <message>
        <source>Overrides and custom rules</source>
        <translation>覆盖与自定义规则</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Ready now</source>
        <translation>随时可用</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>跟踪中</translation>
    </message>
    <message>
        <source>Turn this off to stop background update checks. You can still use Check for Updates… whenever you want.</source>
        <translation>关闭后将停止在后台检查更新。你仍可随时使用“检查更新…”。</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>可见</translation>
    </message>
    <message>
        <source>Wayland Session</source>
        <translation>Wayland 会话</translation>
    </message>
    <message>
        <source>X11 Only</source>
        <translation>仅限 X11</translation>
    </message>
</context>
</TS>
