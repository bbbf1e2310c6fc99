<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source>Analyzing...</source>
        <translation>Analyse...</translation>
    </message>
    <message>
        <source>Tracing gesture</source>
        <translation>Suivi du geste</translation>
    </message>
    <message>
        <source>bounds: %@</source>
        <translation>limites : %@</translation>
    </message>
    <message>
        <source>end: %@</source>
        <translation>fin : %@</translation>
    </message>
    <message>
        <source>hud display: %@</source>
        <translation>écran du HUD : %@</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>overlay: active</source>
        <translation>superposition : active</translation>
    </message>
    <message>
        <source>overlay: hidden</source>
        <translation>superposition : masquée</translation>
    </message>
    <message>
        <source>status: %@</source>
        <translation>état : %@</translation>
    </message>
    <message>
        <source>stroke id: %@</source>
        <translation>identifiant du tracé : %@</translation>
    </message>
    <message>
        <source>suppresses system click: %@</source>
        <translation>supprime le clic système : %@</translation>
    </message>
    <message>
        <source>title: %@</source>
        <translation>titre : %@</translation>
    </message>
    <message>
        <source>trace displays: %@</source>
        <translation>écrans du tracé : %@</translation>
    </message>
</context>
</TS>
