<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>A new version of Quillorbitex is available</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>Check your network connection and try again.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>Download it and install it with your package manager.</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ is available; you have %2$@.</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ is the newest version available.</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex could not reach the update server.</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Release notes</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Software Update</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>The update server sent no readable update information.</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Try again later.</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Update check failed</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>You're up to date</translation>
    </message>
</context>
</TS>
