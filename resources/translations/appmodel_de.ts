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
        <source>Changes to the preferences are not saved yet: another program is using the preferences file in "%@". They apply now and are saved as soon as it lets go of the file, at the latest when Quillorbitex starts again.</source>
        <translation>Die Änderungen an den Einstellungen sind noch nicht gespeichert: Ein anderes Programm verwendet die Einstellungsdatei in „%@“. Sie gelten bereits und werden gespeichert, sobald es die Datei freigibt, spätestens beim nächsten Start von Quillorbitex.</translation>
    </message>
    <message>
        <source>Changes to the preferences cannot be saved in "%@". They apply until Quillorbitex quits and are saved as soon as that folder can be written.</source>
        <translation>Änderungen an den Einstellungen können nicht in „%@“ gespeichert werden. Sie gelten, bis Quillorbitex beendet wird, und werden gespeichert, sobald in diesen Ordner geschrieben werden kann.</translation>
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
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>Preferences that could not be read were kept in "%@"; Quillorbitex went on without them.</source>
        <translation>Nicht lesbare Einstellungen wurden in „%@“ aufbewahrt; Quillorbitex wurde ohne sie fortgesetzt.</translation>
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
        <source>The stored preference "%@" could not be read and no copy of it could be kept; Quillorbitex went on without it and leaves it as it is.</source>
        <translation>Die gespeicherte Einstellung „%@“ konnte nicht gelesen werden, und es konnte keine Kopie von ihr aufbewahrt werden; Quillorbitex wurde ohne sie fortgesetzt und lässt sie unverändert.</translation>
    </message>
    <message>
        <source>Usage counts that could not be read were kept in "%@"; Quillorbitex went on counting in a new file.</source>
        <translation>Nicht lesbare Nutzungszählungen wurden in „%@“ aufbewahrt; Quillorbitex hat in einer neuen Datei weitergezählt.</translation>
    </message>
    <message>
        <source>capture: right-button strokes with %@ held are left to another program, which holds them.</source>
        <translation>Erfassung: Striche mit der rechten Taste bei gehaltenem %@ bleiben einem anderen Programm überlassen, das sie belegt.</translation>
    </message>
</context>
</TS>
