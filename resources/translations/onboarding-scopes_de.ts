<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source>Allow in App</source>
        <translation>In App erlauben</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>Erlauben und Blockieren je App</translation>
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
        <source>Choose App</source>
        <translation>App wählen</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>Wählen Sie, welche Apps diese Geste ausdrücklich erlauben oder blockieren, wenn sie den Fokus haben.</translation>
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
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>Mit Erlaubt-Regeln wirkt eine ausgeschaltete Geste nur in bestimmten Apps. Mit Blockiert-Regeln löst eine eingeschaltete Geste in bestimmten Apps nicht aus.</translation>
    </message>
</context>
</TS>
