<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source>Accessibility is available for listening and running gesture actions.</source>
        <translation>Bedienungshilfen sind verfügbar, um Gesten zu erkennen und Aktionen auszuführen.</translation>
    </message>
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
        <source>Grant Accessibility to let Quillorbitex monitor input and run gesture actions.</source>
        <translation>Erteile die Bedienungshilfen-Berechtigung, damit Quillorbitex Eingaben überwachen und Gesten ausführen kann.</translation>
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
        <source>Hide the frontmost app with Control plus H.</source>
        <translation>Blendet die App im Vordergrund mit Strg plus H aus.</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Fenster minimieren</translation>
    </message>
    <message>
        <source>Minimize the frontmost window with Control plus M.</source>
        <translation>Minimiert das Fenster im Vordergrund mit Strg plus M.</translation>
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
        <source>The app has not checked Accessibility permission yet.</source>
        <translation>Die App hat die Bedienungshilfen-Berechtigung noch nicht geprüft.</translation>
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
