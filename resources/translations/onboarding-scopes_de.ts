<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source>%lld custom rule(s) saved.</source>
        <translation>%lld eigene Regel(n) gesichert.</translation>
    </message>
    <message>
        <source>Allow in App</source>
        <translation>In App erlauben</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>Erlauben und Blockieren je App</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Block in App</source>
        <translation>In App blockieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Check Access</source>
        <translation>Zugriff prüfen</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation>App wählen</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>Wählen Sie, welche Apps diese Geste ausdrücklich erlauben oder blockieren, wenn sie den Fokus haben.</translation>
    </message>
    <message>
        <source>Continue →</source>
        <translation>Weiter →</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>Desktop-Einstellungen</translation>
    </message>
    <message>
        <source>Draw. Fire. Repeat.</source>
        <translation>Zeichnen. Auslösen. Wiederholen.</translation>
    </message>
    <message>
        <source>Example: %@</source>
        <translation>Beispiel: %@</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>Gestenüberwachung</translation>
    </message>
    <message>
        <source>Gestures work once the X display lets Quillorbitex take the right button and send keys and clicks.</source>
        <translation>Gesten funktionieren, sobald das X-Display Quillorbitex die rechte Maustaste überlässt und Tasten und Klicks senden lässt.</translation>
    </message>
    <message>
        <source>Make It Yours</source>
        <translation>Ganz nach Ihrem Geschmack</translation>
    </message>
    <message>
        <source>Map right-button mouse strokes to shortcuts, apps, links, and preset actions.</source>
        <translation>Ordnen Sie Mausbewegungen mit der rechten Taste Tastenkürzeln, Apps, Links und vordefinierten Aktionen zu.</translation>
    </message>
    <message>
        <source>No apps are available right now. Installed and running apps appear here automatically.</source>
        <translation>Zurzeit sind keine Apps verfügbar. Installierte und laufende Apps erscheinen hier automatisch.</translation>
    </message>
    <message>
        <source>No per-app rules yet. The global gesture state applies until you allow or block specific apps.</source>
        <translation>Noch keine Regeln je App. Bis Sie bestimmte Apps erlauben oder blockieren, gilt der allgemeine Zustand der Geste.</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>Dashboard öffnen</translation>
    </message>
    <message>
        <source>Override built-ins or add gesture rules for shortcuts, apps, links, and preset actions.</source>
        <translation>Überschreiben Sie eingebaute Regeln oder fügen Sie Gestenregeln für Tastenkürzel, Apps, Links und vordefinierte Aktionen hinzu.</translation>
    </message>
    <message>
        <source>Pick an app</source>
        <translation>App auswählen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Step %lld of %lld</source>
        <translation>Schritt %lld von %lld</translation>
    </message>
    <message>
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>Mit Erlaubt-Regeln wirkt eine ausgeschaltete Geste nur in bestimmten Apps. Mit Blockiert-Regeln löst eine eingeschaltete Geste in bestimmten Apps nicht aus.</translation>
    </message>
    <message>
        <source>X Display</source>
        <translation>X-Display</translation>
    </message>
</context>
</TS>
