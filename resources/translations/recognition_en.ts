<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message>
        <source> then </source>
        <translation> then </translation>
    </message>
    <message>
        <source>%@ (no action mapped)</source>
        <translation>%@ (no action mapped)</translation>
    </message>
    <message>
        <source>%@ -&gt; %@</source>
        <translation>%@ -&gt; %@</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Allowed</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Custom Gesture</source>
        <translation>Custom Gesture</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Down Arrow</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Freeform captured path</source>
        <translation>Freeform captured path</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Left Arrow</translation>
    </message>
    <message>
        <source>Matched gesture</source>
        <translation>Matched gesture</translation>
    </message>
    <message>
        <source>No committed gesture detected</source>
        <translation>No committed gesture detected</translation>
    </message>
    <message>
        <source>No gesture match</source>
        <translation>No gesture match</translation>
    </message>
    <message>
        <source>Open %@</source>
        <translation>Open %@</translation>
    </message>
    <message>
        <source>Open %@ when this gesture matches.</source>
        <translation>Open %@ when this gesture matches.</translation>
    </message>
    <message>
        <source>Open App</source>
        <translation>Open App</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Open URL</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Preset Action</source>
        <translation>Preset Action</translation>
    </message>
    <message>
        <source>Replayed as right click</source>
        <translation>Replayed as right click</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Right Arrow</translation>
    </message>
    <message>
        <source>Send %@ to the frontmost app.</source>
        <translation>Send %@ to the frontmost app.</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Shortcut</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Suppressed</source>
        <translation>Suppressed</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Unrecognized path: %@</source>
        <translation>Unrecognized path: %@</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Up Arrow</translation>
    </message>
    <message>
        <source>Waiting for a committed stroke</source>
        <translation>Waiting for a committed stroke</translation>
    </message>
    <message>
        <source>Waiting for movement</source>
        <translation>Waiting for movement</translation>
    </message>
</context>
</TS>
