<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source> then </source>
        <translation> dann </translation>
    </message>
    <message>
        <source>%@ (no action mapped)</source>
        <translation>%@ (keine Aktion zugeordnet)</translation>
    </message>
    <message>
        <source>%@ -&gt; %@</source>
        <translation>%@ -&gt; %@</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Custom Gesture</source>
        <translation>Eigene Geste</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Freeform captured path</source>
        <translation>Erfasster Freiform-Pfad</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>Matched gesture</source>
        <translation>Geste erkannt</translation>
    </message>
    <message>
        <source>No committed gesture detected</source>
        <translation>Keine erkannte Geste</translation>
    </message>
    <message>
        <source>No gesture match</source>
        <translation>Keine passende Geste</translation>
    </message>
    <message>
        <source>Open %@</source>
        <translation>%@ öffnen</translation>
    </message>
    <message>
        <source>Open %@ when this gesture matches.</source>
        <translation>Öffnet %@, wenn diese Geste erkannt wird.</translation>
    </message>
    <message>
        <source>Open App</source>
        <translation>App öffnen</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>URL öffnen</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>Preset Action</source>
        <translation>Vordefinierte Aktion</translation>
    </message>
    <message>
        <source>Replayed as right click</source>
        <translation>Als Rechtsklick wiedergegeben</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zeilenschalter</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Send %@ to the frontmost app.</source>
        <translation>Sendet %@ an die App im Vordergrund.</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Suppressed</source>
        <translation>Unterdrückt</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Unrecognized path: %@</source>
        <translation>Nicht erkannter Pfad: %@</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>Waiting for a committed stroke</source>
        <translation>Warten auf einen erkannten Strich</translation>
    </message>
    <message>
        <source>Waiting for movement</source>
        <translation>Warten auf Bewegung</translation>
    </message>
</context>
</TS>
