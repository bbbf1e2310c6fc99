<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message>
        <source>%lld App Rule</source>
        <translation>%lld App Rule</translation>
    </message>
    <message>
        <source>%lld App Rules</source>
        <translation>%lld App Rules</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>App Rules…</source>
        <translation>App Rules…</translation>
    </message>
    <message>
        <source>Change Action</source>
        <translation>Change Action</translation>
    </message>
    <message>
        <source>Change Gesture</source>
        <translation>Change Gesture</translation>
    </message>
    <message>
        <source>Create Rule</source>
        <translation>Create Rule</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Invocations: %lld</source>
        <translation>Invocations: %lld</translation>
    </message>
    <message>
        <source>No custom rules saved yet.</source>
        <translation>No custom rules saved yet.</translation>
    </message>
    <message>
        <source>Open a step-by-step popup to capture a gesture, choose an action, and save a new rule or override.</source>
        <translation>Open a step-by-step popup to capture a gesture, choose an action, and save a new rule or override.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Removed</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Rule Editor</source>
        <translation>Rule Editor</translation>
    </message>
    <message>
        <source>Saved Custom Rules</source>
        <translation>Saved Custom Rules</translation>
    </message>
    <message>
        <source>Scope to App…</source>
        <translation>Scope to App…</translation>
    </message>
    <message>
        <source>This preset rule is currently removed from the active set.</source>
        <translation>This preset rule is currently removed from the active set.</translation>
    </message>
</context>
</TS>
