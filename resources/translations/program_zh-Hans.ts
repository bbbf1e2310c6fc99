<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
    <message>
        <source>"%1$@" is not a folder that only you can change; Quillorbitex keeps its preferences and counts in "%2$@" until it quits.</source>
        <translation>“%1$@”不是只有您能更改的文件夹；在退出之前，Quillorbitex 会将其偏好设置和计数保存在“%2$@”中。</translation>
    </message>
    <message>
        <source>"%@" is not a folder that only you can change, and no other could be made; Quillorbitex does not save its preferences and counts in this run.</source>
        <translation>“%@”不是只有您能更改的文件夹，也无法创建其他文件夹；Quillorbitex 在本次运行中不会保存其偏好设置和计数。</translation>
    </message>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Quillorbitex 有新版本可用</translation>
    </message>
    <message>
        <source>A program of another user listens at "%@"; Quillorbitex does not speak to it and runs in its place.</source>
        <translation>另一个用户的程序正在“%@”上监听；Quillorbitex 不会与其通信，并将取而代之运行。</translation>
    </message>
    <message>
        <source>Accessibility: %@</source>
        <translation>辅助功能：%@</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>捕获</translation>
    </message>
    <message>
        <source>Capture Debug</source>
        <translation>捕获调试</translation>
    </message>
    <message>
        <source>Capture gestures</source>
        <translation>捕获手势</translation>
    </message>
    <message>
        <source>Capture health, preset coverage, matching tolerance, and theme controls at a glance.</source>
        <translation>一览捕获状态、预设规则覆盖、匹配容差和主题设置。</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Custom Rules</source>
        <translation>自定义规则</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>仪表板</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>调试</translation>
    </message>
    <message>
        <source>Disable gesture capture</source>
        <translation>停用手势捕获</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>请下载后用软件包管理器安装。</translation>
    </message>
    <message>
        <source>Enable gesture capture</source>
        <translation>启用手势捕获</translation>
    </message>
    <message>
        <source>Monitor: %@</source>
        <translation>监视器：%@</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>打开仪表板</translation>
    </message>
    <message>
        <source>Open the rule editor for a guided setup, then enable, disable, scope, or override custom rules and actions directly from the dashboard.</source>
        <translation>打开规则编辑器按引导完成设置，然后直接在仪表板中启用、停用、限定应用范围或覆盖自定义规则和操作。</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概览</translation>
    </message>
    <message>
        <source>Preset Rules</source>
        <translation>预设规则</translation>
    </message>
    <message>
        <source>Preset rules are ready immediately. Disable them, scope them to specific apps, swap the gesture, or remove and restore them without leaving the dashboard.</source>
        <translation>预设规则开箱即用。无需离开仪表板即可停用、限定到特定应用、更换手势，或移除后再恢复。</translation>
    </message>
    <message>
        <source>Quillorbitex</source>
        <translation>Quillorbitex</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ 现已推出，您的版本为 %2$@。</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ 是目前可用的最新版本。</translation>
    </message>
    <message>
        <source>Quillorbitex can neither listen at "%1$@" nor reach an instance there (%2$@), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex 既无法在“%1$@”上监听，也无法联系到那里的实例（%2$@），因此它将在不检查是否已在运行的情况下启动。</translation>
    </message>
    <message>
        <source>Quillorbitex cannot open the X display "%@". It runs in an X11 session only; start it from one, or set DISPLAY to the X server to use.</source>
        <translation>Quillorbitex 无法打开 X 显示“%@”。它只能在 X11 会话中运行；请在 X11 会话中启动它，或将 DISPLAY 设为要使用的 X 服务器。</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex 无法连接到更新服务器。</translation>
    </message>
    <message>
        <source>Quillorbitex does not use "%@" as its test folder: it must be a folder of your own that nobody else can change, reached without symbolic links, and neither your home folder nor a folder holding it. Set QUILLORBITEX_UITEST_BASE_DIR to another folder.</source>
        <translation>Quillorbitex 不使用“%@”作为测试文件夹：它必须是您自己的、他人无法更改的文件夹，路径中不能经过符号链接，且不能是您的主文件夹或包含主文件夹的文件夹。请将 QUILLORBITEX_UITEST_BASE_DIR 设为其他文件夹。</translation>
    </message>
    <message>
        <source>Quillorbitex found no folder that only you can change for its instance socket, so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex 找不到只有您能更改的文件夹来存放其实例套接字，因此它将在不检查是否已在运行的情况下启动。</translation>
    </message>
    <message>
        <source>Quit Quillorbitex</source>
        <translation>退出 Quillorbitex</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>版本说明</translation>
    </message>
    <message>
        <source>Reopen Onboarding</source>
        <translation>重新打开新手引导</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>分区</translation>
    </message>
    <message>
        <source>See live path detection, click suppression, and the last classified gesture.</source>
        <translation>查看实时路径识别、点击抑制以及最近一次分类的手势。</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>The folders in which Quillorbitex could keep its instance socket have paths too long for a socket (at most %d bytes), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex 可用来存放其实例套接字的文件夹路径过长，无法用于套接字（最多 %d 字节），因此它将在不检查是否已在运行的情况下启动。</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>更新服务器没有发送可读取的更新信息。</translation>
    </message>
    <message>
        <source>This is a Wayland session: Quillorbitex runs through XWayland and sees only the windows of X11 applications. Strokes drawn over other windows are not captured.</source>
        <translation>这是一个 Wayland 会话：Quillorbitex 通过 XWayland 运行，只能看到 X11 应用程序的窗口。在其他窗口上绘制的笔画不会被捕获。</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>请稍后再试。</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>检查更新失败</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>已是最新版本</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>已选中</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>未选中</translation>
    </message>
</context>
</TS>
