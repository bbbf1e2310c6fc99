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
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Could not change Open at Login. Check that the autostart folder is writable.</source>
        <translation>„Beim Anmelden öffnen“ konnte nicht geändert werden. Prüfe, ob der Autostart-Ordner beschreibbar ist.</translation>
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
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>Saved Gesture</source>
        <translation>Gespeicherte Geste</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>capture: right-button strokes with %@ held are left to another program, which holds them.</source>
        <translation>Erfassung: Striche mit der rechten Taste bei gehaltenem %@ bleiben einem anderen Programm überlassen, das sie belegt.</translation>
    </message>
</context>
</TS>
