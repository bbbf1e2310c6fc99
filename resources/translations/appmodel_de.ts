<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source>%@ %d</source>
        <translation>%@ %d</translation>
    </message>
    <message>
        <source>Could not change Open at Login. Check that the autostart folder is writable.</source>
        <translation>„Beim Anmelden öffnen“ konnte nicht geändert werden. Prüfe, ob der Autostart-Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>Grant Accessibility to let Quillorbitex start monitoring gestures.</source>
        <translation>Erteile die Bedienungshilfen-Berechtigung, damit Quillorbitex mit der Gestenerkennung beginnen kann.</translation>
    </message>
    <message>
        <source>No overlay diagnostics recorded yet.</source>
        <translation>Noch keine Overlay-Diagnosen aufgezeichnet.</translation>
    </message>
    <message>
        <source>Saved Gesture</source>
        <translation>Gespeicherte Geste</translation>
    </message>
</context>
</TS>
