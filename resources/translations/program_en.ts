<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message>
        <source>"%1$@" is not a folder that only you can change; Quillorbitex keeps its preferences and counts in "%2$@" until it quits.</source>
        <translation>"%1$@" is not a folder that only you can change; Quillorbitex keeps its preferences and counts in "%2$@" until it quits.</translation>
    </message>
    <message>
        <source>"%@" is not a folder that only you can change, and no other could be made; Quillorbitex does not save its preferences and counts in this run.</source>
        <translation>"%@" is not a folder that only you can change, and no other could be made; Quillorbitex does not save its preferences and counts in this run.</translation>
    </message>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>A new version of Quillorbitex is available</translation>
    </message>
    <message>
        <source>A program of another user listens at "%@"; Quillorbitex does not speak to it and runs in its place.</source>
        <translation>A program of another user listens at "%@"; Quillorbitex does not speak to it and runs in its place.</translation>
    </message>
    <message>
        <source>Accessibility: %@</source>
        <translation>Accessibility: %@</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Capture Debug</source>
        <translation>Capture Debug</translation>
    </message>
    <message>
        <source>Capture gestures</source>
        <translation>Capture gestures</translation>
    </message>
    <message>
        <source>Capture health, preset coverage, matching tolerance, and theme controls at a glance.</source>
        <translation>Capture health, preset coverage, matching tolerance, and theme controls at a glance.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Check for Updates…</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>Check your network connection and try again.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Custom Rules</source>
        <translation>Custom Rules</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>Dashboard</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>Debugging</translation>
    </message>
    <message>
        <source>Disable gesture capture</source>
        <translation>Disable gesture capture</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>Download it and install it with your package manager.</translation>
    </message>
    <message>
        <source>Enable gesture capture</source>
        <translation>Enable gesture capture</translation>
    </message>
    <message>
        <source>Monitor: %@</source>
        <translation>Monitor: %@</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>Open Dashboard</translation>
    </message>
    <message>
        <source>Open the rule editor for a guided setup, then enable, disable, scope, or override custom rules and actions directly from the dashboard.</source>
        <translation>Open the rule editor for a guided setup, then enable, disable, scope, or override custom rules and actions directly from the dashboard.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Preset Rules</source>
        <translation>Preset Rules</translation>
    </message>
    <message>
        <source>Preset rules are ready immediately. Disable them, scope them to specific apps, swap the gesture, or remove and restore them without leaving the dashboard.</source>
        <translation>Preset rules are ready immediately. Disable them, scope them to specific apps, swap the gesture, or remove and restore them without leaving the dashboard.</translation>
    </message>
    <message>
        <source>Quillorbitex</source>
        <translation>Quillorbitex</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ is available; you have %2$@.</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ is the newest version available.</translation>
    </message>
    <message>
        <source>Quillorbitex can neither listen at "%1$@" nor reach an instance there (%2$@), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex can neither listen at "%1$@" nor reach an instance there (%2$@), so it starts without checking whether it already runs.</translation>
    </message>
    <message>
        <source>Quillorbitex cannot open the X display "%@". It runs in an X11 session only; start it from one, or set DISPLAY to the X server to use.</source>
        <translation>Quillorbitex cannot open the X display "%@". It runs in an X11 session only; start it from one, or set DISPLAY to the X server to use.</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex could not reach the update server.</translation>
    </message>
    <message>
        <source>Quillorbitex does not use "%@" as its test folder: it must be a folder of your own that nobody else can change, reached without symbolic links, and neither your home folder nor a folder holding it. Set QUILLORBITEX_UITEST_BASE_DIR to another folder.</source>
        <translation>Quillorbitex does not use "%@" as its test folder: it must be a folder of your own that nobody else can change, reached without symbolic links, and neither your home folder nor a folder holding it. Set QUILLORBITEX_UITEST_BASE_DIR to another folder.</translation>
    </message>
    <message>
        <source>Quillorbitex found no folder that only you can change for its instance socket, so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex found no folder that only you can change for its instance socket, so it starts without checking whether it already runs.</translation>
    </message>
    <message>
        <source>Quit Quillorbitex</source>
        <translation>Quit Quillorbitex</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Release notes</translation>
    </message>
    <message>
        <source>Reopen Onboarding</source>
        <translation>Reopen Onboarding</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>See live path detection, click suppression, and the last classified gesture.</source>
        <translation>See live path detection, click suppression, and the last classified gesture.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Software Update</translation>
    </message>
    <message>
        <source>The folders in which Quillorbitex could keep its instance socket have paths too long for a socket (at most %d bytes), so it starts without checking whether it already runs.</source>
        <translation>The folders in which Quillorbitex could keep its instance socket have paths too long for a socket (at most %d bytes), so it starts without checking whether it already runs.</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>The update server sent no readable update information.</translation>
    </message>
    <message>
        <source>This is a Wayland session: Quillorbitex runs through XWayland and sees only the windows of X11 applications. Strokes drawn over other windows are not captured.</source>
        <translation>This is a Wayland session: Quillorbitex runs through XWayland and sees only the windows of X11 applications. Strokes drawn over other windows are not captured.</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Try again later.</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Update check failed</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>You're up to date</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>selected</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>unselected</translation>
    </message>
</context>
</TS>
