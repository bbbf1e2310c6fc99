<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message>
        <source>All gestures</source>
        <translation>All gestures</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatically check for updates</translation>
    </message>
    <message>
        <source>Built-ins</source>
        <translation>Built-ins</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop's language, or force a specific app language.</source>
        <translation>Choose System to follow the desktop's language, or force a specific app language.</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop, or force Light or Dark for the app and the update windows.</source>
        <translation>Choose System to follow the desktop, or force Light or Dark for the app and the update windows.</translation>
    </message>
    <message>
        <source>Copy Log</source>
        <translation>Copy Log</translation>
    </message>
    <message>
        <source>Copy this after reproducing a monitor bug so the raw display routing and local point math can be inspected.</source>
        <translation>Copy this after reproducing a monitor bug so the raw display routing and local point math can be inspected.</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>Desktop Settings</translation>
    </message>
    <message>
        <source>Freeform gesture threshold</source>
        <translation>Freeform gesture threshold</translation>
    </message>
    <message>
        <source>Freeform matching</source>
        <translation>Freeform matching</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>Gesture Monitor</translation>
    </message>
    <message>
        <source>Hold the right button and start drawing</source>
        <translation>Hold the right button and start drawing</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>Invocations</source>
        <translation>Invocations</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Last classification</source>
        <translation>Last classification</translation>
    </message>
    <message>
        <source>Last system click</source>
        <translation>Last system click</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Live Trace</source>
        <translation>Live Trace</translation>
    </message>
    <message>
        <source>Live action</source>
        <translation>Live action</translation>
    </message>
    <message>
        <source>Live detection</source>
        <translation>Live detection</translation>
    </message>
    <message>
        <source>Live directions</source>
        <translation>Live directions</translation>
    </message>
    <message>
        <source>Lower values are stricter. Raise this if drawn logos or symbols need more tolerance.</source>
        <translation>Lower values are stricter. Raise this if drawn logos or symbols need more tolerance.</translation>
    </message>
    <message>
        <source>Matched rule</source>
        <translation>Matched rule</translation>
    </message>
    <message>
        <source>No captured session yet</source>
        <translation>No captured session yet</translation>
    </message>
    <message>
        <source>No completed session yet</source>
        <translation>No completed session yet</translation>
    </message>
    <message>
        <source>No gesture path yet</source>
        <translation>No gesture path yet</translation>
    </message>
    <message>
        <source>No matched rule</source>
        <translation>No matched rule</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Not Saved</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Open at Login</translation>
    </message>
    <message>
        <source>Overlay Routing Log</source>
        <translation>Overlay Routing Log</translation>
    </message>
    <message>
        <source>Overlay appears as soon as Quillorbitex sees a drag path. Once the gesture crosses the capture threshold, the system right-click replay is disabled for that session.</source>
        <translation>Overlay appears as soon as Quillorbitex sees a drag path. Once the gesture crosses the capture threshold, the system right-click replay is disabled for that session.</translation>
    </message>
    <message>
        <source>Overrides and custom rules</source>
        <translation>Overrides and custom rules</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Ready now</source>
        <translation>Ready now</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Tracking</translation>
    </message>
    <message>
        <source>Turn this off to stop background update checks. You can still use Check for Updates… whenever you want.</source>
        <translation>Turn this off to stop background update checks. You can still use Check for Updates… whenever you want.</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Wayland Session</source>
        <translation>Wayland Session</translation>
    </message>
    <message>
        <source>X11 Only</source>
        <translation>X11 Only</translation>
    </message>
</context>
</TS>
