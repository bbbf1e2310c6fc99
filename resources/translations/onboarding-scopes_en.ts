<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message>
        <source>%lld custom rule(s) saved.</source>
        <translation>%lld custom rule(s) saved.</translation>
    </message>
    <message>
        <source>Allow in App</source>
        <translation>Allow in App</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>App Allow and Block Rules</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Block in App</source>
        <translation>Block in App</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Check Access</source>
        <translation>Check Access</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Check Again</translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation>Choose App</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>Choose which apps should explicitly allow or block this gesture when they have focus.</translation>
    </message>
    <message>
        <source>Continue →</source>
        <translation>Continue →</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>Desktop Settings</translation>
    </message>
    <message>
        <source>Draw. Fire. Repeat.</source>
        <translation>Draw. Fire. Repeat.</translation>
    </message>
    <message>
        <source>Example: %@</source>
        <translation>Example: %@</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>Gesture Monitor</translation>
    </message>
    <message>
        <source>Gestures work once the X display lets Quillorbitex take the right button and send keys and clicks.</source>
        <translation>Gestures work once the X display lets Quillorbitex take the right button and send keys and clicks.</translation>
    </message>
    <message>
        <source>Make It Yours</source>
        <translation>Make It Yours</translation>
    </message>
    <message>
        <source>Map right-button mouse strokes to shortcuts, apps, links, and preset actions.</source>
        <translation>Map right-button mouse strokes to shortcuts, apps, links, and preset actions.</translation>
    </message>
    <message>
        <source>No apps are available right now. Installed and running apps appear here automatically.</source>
        <translation>No apps are available right now. Installed and running apps appear here automatically.</translation>
    </message>
    <message>
        <source>No per-app rules yet. The global gesture state applies until you allow or block specific apps.</source>
        <translation>No per-app rules yet. The global gesture state applies until you allow or block specific apps.</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>Open Dashboard</translation>
    </message>
    <message>
        <source>Override built-ins or add gesture rules for shortcuts, apps, links, and preset actions.</source>
        <translation>Override built-ins or add gesture rules for shortcuts, apps, links, and preset actions.</translation>
    </message>
    <message>
        <source>Pick an app</source>
        <translation>Pick an app</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Step %lld of %lld</source>
        <translation>Step %lld of %lld</translation>
    </message>
    <message>
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</translation>
    </message>
    <message>
        <source>X Display</source>
        <translation>X Display</translation>
    </message>
</context>
</TS>
