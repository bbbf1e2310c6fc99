<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source>Blocked</source>
        <translation>Blockiert</translation>
    </message>
    <message>
        <source>Close Tab or Window</source>
        <translation>Tab oder Fenster schließen</translation>
    </message>
    <message>
        <source>Close the current tab or window in apps that support Control plus W.</source>
        <translation>Schließt in Apps, die Strg plus W unterstützen, den aktuellen Tab oder das Fenster.</translation>
    </message>
    <message>
        <source>Create a new tab in apps that support Control plus T.</source>
        <translation>Erstellt in Apps, die Strg plus T unterstützen, einen neuen Tab.</translation>
    </message>
    <message>
        <source>Create a new window in apps that support Control plus N.</source>
        <translation>Erstellt in Apps, die Strg plus N unterstützen, ein neues Fenster.</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>Verweigert</translation>
    </message>
    <message>
        <source>Gesture capture is turned off.</source>
        <translation>Die Gestenerfassung ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Erteilt</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>App ausblenden</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Fenster minimieren</translation>
    </message>
    <message>
        <source>Minimize every window of the frontmost app.</source>
        <translation>Minimiert alle Fenster der App im Vordergrund.</translation>
    </message>
    <message>
        <source>Minimize the frontmost window.</source>
        <translation>Minimiert das Fenster im Vordergrund.</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Neuer Tab</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Nächster Tab</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Vorheriger Tab</translation>
    </message>
    <message>
        <source>Quillorbitex has not checked the X display yet.</source>
        <translation>Quillorbitex hat die X-Anzeige noch nicht geprüft.</translation>
    </message>
    <message>
        <source>Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) to watch the right button and run gesture actions.</source>
        <translation>Quillorbitex braucht eine X11-Sitzung, deren Server synthetische Eingaben (XTEST) annimmt, um die rechte Taste zu beobachten und Gestenaktionen auszuführen.</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>App beenden</translation>
    </message>
    <message>
        <source>Quit the frontmost app with Control plus Q.</source>
        <translation>Beendet die App im Vordergrund mit Strg plus Q.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Secondary-click drag gestures are being monitored.</source>
        <translation>Gesten mit gedrückter sekundärer Maustaste werden überwacht.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Switch to the next tab in apps that use Control plus Tab.</source>
        <translation>Wechselt in Apps, die Strg plus Tab verwenden, zum nächsten Tab.</translation>
    </message>
    <message>
        <source>Switch to the previous tab in apps that use Control plus Shift plus Tab.</source>
        <translation>Wechselt in Apps, die Strg plus Umschalt plus Tab verwenden, zum vorherigen Tab.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The X server lets Quillorbitex watch the right button and send input for gesture actions.</source>
        <translation>Der X-Server erlaubt Quillorbitex, die rechte Taste zu beobachten und Eingaben für Gestenaktionen zu senden.</translation>
    </message>
    <message>
        <source>Trigger a refresh action in the frontmost app.</source>
        <translation>Löst in der App im Vordergrund eine Aktualisierung aus.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
</TS>
