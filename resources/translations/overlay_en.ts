<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message>
        <source>Analyzing...</source>
        <translation>Analyzing...</translation>
    </message>
    <message>
        <source>Tracing gesture</source>
        <translation>Tracing gesture</translation>
    </message>
    <message>
        <source>bounds: %@</source>
        <translation>bounds: %@</translation>
    </message>
    <message>
        <source>end: %@</source>
        <translation>end: %@</translation>
    </message>
    <message>
        <source>hud display: %@</source>
        <translation>hud display: %@</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>overlay: active</source>
        <translation>overlay: active</translation>
    </message>
    <message>
        <source>overlay: hidden</source>
        <translation>overlay: hidden</translation>
    </message>
    <message>
        <source>status: %@</source>
        <translation>status: %@</translation>
    </message>
    <message>
        <source>stroke id: %@</source>
        <translation>stroke id: %@</translation>
    </message>
    <message>
        <source>suppresses system click: %@</source>
        <translation>suppresses system click: %@</translation>
    </message>
    <message>
        <source>title: %@</source>
        <translation>title: %@</translation>
    </message>
    <message>
        <source>trace displays: %@</source>
        <translation>trace displays: %@</translation>
    </message>
</context>
</TS>
