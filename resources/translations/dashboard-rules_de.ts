<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source>%lld App Rule</source>
        <translation>%lld App-Regel</translation>
    </message>
    <message>
        <source>%lld App Rules</source>
        <translation>%lld App-Regeln</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>App Rules…</source>
        <translation>App-Regeln…</translation>
    </message>
    <message>
        <source>Change Action</source>
        <translation>Aktion ändern</translation>
    </message>
    <message>
        <source>Change Gesture</source>
        <translation>Geste ändern</translation>
    </message>
    <message>
        <source>Create Rule</source>
        <translation>Regel erstellen</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Invocations: %lld</source>
        <translation>Ausführungen: %lld</translation>
    </message>
    <message>
        <source>No custom rules saved yet.</source>
        <translation>Noch keine eigenen Regeln gesichert.</translation>
    </message>
    <message>
        <source>Open a step-by-step popup to capture a gesture, choose an action, and save a new rule or override.</source>
        <translation>Öffnet ein schrittweises Fenster, um eine Geste aufzunehmen, eine Aktion zu wählen und eine neue Regel oder Überschreibung zu sichern.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Entfernt</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Rule Editor</source>
        <translation>Regeleditor</translation>
    </message>
    <message>
        <source>Saved Custom Rules</source>
        <translation>Gesicherte eigene Regeln</translation>
    </message>
    <message>
        <source>Scope to App…</source>
        <translation>Auf App beschränken…</translation>
    </message>
    <message>
        <source>This preset rule is currently removed from the active set.</source>
        <translation>Diese Vorgaberegel ist derzeit aus den aktiven Regeln entfernt.</translation>
    </message>
</context>
</TS>
