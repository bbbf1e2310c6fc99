<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source>Analyzing...</source>
        <translation>Wird analysiert...</translation>
    </message>
    <message>
        <source>Tracing gesture</source>
        <translation>Geste wird verfolgt</translation>
    </message>
    <message>
        <source>bounds: %@</source>
        <translation>Grenzen: %@</translation>
    </message>
    <message>
        <source>end: %@</source>
        <translation>Ende: %@</translation>
    </message>
    <message>
        <source>hud display: %@</source>
        <translation>HUD-Bildschirm: %@</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>overlay: active</source>
        <translation>Overlay: aktiv</translation>
    </message>
    <message>
        <source>overlay: hidden</source>
        <translation>Overlay: ausgeblendet</translation>
    </message>
    <message>
        <source>status: %@</source>
        <translation>Status: %@</translation>
    </message>
    <message>
        <source>stroke id: %@</source>
        <translation>Strich-ID: %@</translation>
    </message>
    <message>
        <source>suppresses system click: %@</source>
        <translation>unterdrückt Systemklick: %@</translation>
    </message>
    <message>
        <source>title: %@</source>
        <translation>Titel: %@</translation>
    </message>
    <message>
        <source>trace displays: %@</source>
        <translation>Bildschirme der Spur: %@</translation>
    </message>
</context>
</TS>
