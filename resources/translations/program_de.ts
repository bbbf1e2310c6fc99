<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Eine neue Version von Quillorbitex ist verfügbar</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>Prüfen Sie Ihre Netzwerkverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>Laden Sie sie herunter und installieren Sie sie mit Ihrer Paketverwaltung.</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ ist verfügbar; installiert ist %2$@.</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ ist die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex konnte den Update-Server nicht erreichen.</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versionshinweise</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>Der Update-Server hat keine lesbaren Update-Informationen gesendet.</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Suche nach Updates fehlgeschlagen</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Alles auf dem neuesten Stand</translation>
    </message>
</context>
</TS>
