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
        <translation>„Beim Anmelden öffnen“ konnte nicht geändert werden. Prüfen Sie, ob der Autostart-Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>Gesture capture needs an X11 session whose server accepts synthetic input (XTEST).</source>
        <translation>Die Gestenerfassung braucht eine X11-Sitzung, deren Server synthetische Eingaben (XTEST) annimmt.</translation>
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
