<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source>All gestures</source>
        <translation>Alle Gesten</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Built-ins</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Erfassung</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop's language, or force a specific app language.</source>
        <translation>Wählen Sie „System“, um der Sprache des Desktops zu folgen, oder legen Sie eine bestimmte App-Sprache fest.</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop, or force Light or Dark for the app and the update windows.</source>
        <translation>Wählen Sie „System“, um dem Desktop zu folgen, oder erzwingen Sie „Hell“ oder „Dunkel“ für die App und die Update-Fenster.</translation>
    </message>
    <message>
        <source>Copy Log</source>
        <translation>Protokoll kopieren</translation>
    </message>
    <message>
        <source>Copy this after reproducing a monitor bug so the raw display routing and local point math can be inspected.</source>
        <translation>Kopieren Sie dies, nachdem Sie einen Bildschirmfehler nachgestellt haben, damit die rohe Bildschirmzuordnung und die lokale Punktberechnung geprüft werden können.</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>Desktop-Einstellungen</translation>
    </message>
    <message>
        <source>Freeform gesture threshold</source>
        <translation>Schwellenwert für freie Gesten</translation>
    </message>
    <message>
        <source>Freeform matching</source>
        <translation>Freie Erkennung</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>Gestenüberwachung</translation>
    </message>
    <message>
        <source>Hold the right button and start drawing</source>
        <translation>Halten Sie die rechte Taste gedrückt und beginnen Sie zu zeichnen</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Invocations</source>
        <translation>Aufrufe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Last classification</source>
        <translation>Letzte Einordnung</translation>
    </message>
    <message>
        <source>Last system click</source>
        <translation>Letzter Systemklick</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Live Trace</source>
        <translation>Live-Spur</translation>
    </message>
    <message>
        <source>Live action</source>
        <translation>Live-Aktion</translation>
    </message>
    <message>
        <source>Live detection</source>
        <translation>Live-Erkennung</translation>
    </message>
    <message>
        <source>Live directions</source>
        <translation>Live-Richtungen</translation>
    </message>
    <message>
        <source>Lower values are stricter. Raise this if drawn logos or symbols need more tolerance.</source>
        <translation>Niedrigere Werte sind strenger. Erhöhen Sie ihn, wenn gezeichnete Logos oder Symbole mehr Toleranz brauchen.</translation>
    </message>
    <message>
        <source>Matched rule</source>
        <translation>Erkannte Regel</translation>
    </message>
    <message>
        <source>No captured session yet</source>
        <translation>Noch keine erfasste Sitzung</translation>
    </message>
    <message>
        <source>No completed session yet</source>
        <translation>Noch keine abgeschlossene Sitzung</translation>
    </message>
    <message>
        <source>No gesture path yet</source>
        <translation>Noch kein Gestenpfad</translation>
    </message>
    <message>
        <source>No matched rule</source>
        <translation>Keine erkannte Regel</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Beim Anmelden öffnen</translation>
    </message>
    <message>
        <source>Overlay Routing Log</source>
        <translation>Protokoll der Overlay-Zuordnung</translation>
    </message>
    <message>
        <source>Overlay appears as soon as Quillorbitex sees a drag path. Once the gesture crosses the capture threshold, the system right-click replay is disabled for that session.</source>
        <translation>Das Overlay erscheint, sobald Quillorbitex einen Zugpfad erkennt. Überschreitet die Geste die Erfassungsschwelle, wird der Rechtsklick des Systems in dieser Sitzung nicht wiederholt.</translation>
    </message>
    <message>
        <source>Overrides and custom rules</source>
        <translation>Eigene und ersetzte Regeln</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Ready now</source>
        <translation>Sofort bereit</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Verfolgung</translation>
    </message>
    <message>
        <source>Turn this off to stop background update checks. You can still use Check for Updates… whenever you want.</source>
        <translation>Schalten Sie dies aus, um die Update-Suche im Hintergrund zu beenden. „Nach Updates suchen …“ können Sie jederzeit verwenden.</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Wayland Session</source>
        <translation>Wayland-Sitzung</translation>
    </message>
    <message>
        <source>X11 Only</source>
        <translation>Nur X11</translation>
    </message>
</context>
</TS>
