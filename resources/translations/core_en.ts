<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message>
        <source>Blocked</source>
        <translation>Blocked</translation>
    </message>
    <message>
        <source>Close Tab or Window</source>
        <translation>Close Tab or Window</translation>
    </message>
    <message>
        <source>Close the current tab or window in apps that support Control plus W.</source>
        <translation>Close the current tab or window in apps that support Control plus W.</translation>
    </message>
    <message>
        <source>Create a new tab in apps that support Control plus T.</source>
        <translation>Create a new tab in apps that support Control plus T.</translation>
    </message>
    <message>
        <source>Create a new window in apps that support Control plus N.</source>
        <translation>Create a new window in apps that support Control plus N.</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>Denied</translation>
    </message>
    <message>
        <source>Gesture capture is turned off.</source>
        <translation>Gesture capture is turned off.</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Granted</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>Hide App</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimize Window</translation>
    </message>
    <message>
        <source>Minimize every window of the frontmost app.</source>
        <translation>Minimize every window of the frontmost app.</translation>
    </message>
    <message>
        <source>Minimize the frontmost window.</source>
        <translation>Minimize the frontmost window.</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>New Tab</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>New Window</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Next Tab</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Previous Tab</translation>
    </message>
    <message>
        <source>Quillorbitex has not checked the X display yet.</source>
        <translation>Quillorbitex has not checked the X display yet.</translation>
    </message>
    <message>
        <source>Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) to watch the right button and run gesture actions.</source>
        <translation>Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) to watch the right button and run gesture actions.</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Quit App</translation>
    </message>
    <message>
        <source>Quit the frontmost app with Control plus Q.</source>
        <translation>Quit the frontmost app with Control plus Q.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Secondary-click drag gestures are being monitored.</source>
        <translation>Secondary-click drag gestures are being monitored.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Switch to the next tab in apps that use Control plus Tab.</source>
        <translation>Switch to the next tab in apps that use Control plus Tab.</translation>
    </message>
    <message>
        <source>Switch to the previous tab in apps that use Control plus Shift plus Tab.</source>
        <translation>Switch to the previous tab in apps that use Control plus Shift plus Tab.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The X server lets Quillorbitex watch the right button and send input for gesture actions.</source>
        <translation>The X server lets Quillorbitex watch the right button and send input for gesture actions.</translation>
    </message>
    <message>
        <source>Trigger a refresh action in the frontmost app.</source>
        <translation>Trigger a refresh action in the frontmost app.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
</context>
</TS>
