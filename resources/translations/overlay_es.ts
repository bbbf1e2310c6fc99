<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source>Analyzing...</source>
        <translation>Analizando...</translation>
    </message>
    <message>
        <source>Tracing gesture</source>
        <translation>Siguiendo el gesto</translation>
    </message>
    <message>
        <source>bounds: %@</source>
        <translation>límites: %@</translation>
    </message>
    <message>
        <source>end: %@</source>
        <translation>final: %@</translation>
    </message>
    <message>
        <source>hud display: %@</source>
        <translation>pantalla del HUD: %@</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>overlay: active</source>
        <translation>superposición: activa</translation>
    </message>
    <message>
        <source>overlay: hidden</source>
        <translation>superposición: oculta</translation>
    </message>
    <message>
        <source>status: %@</source>
        <translation>estado: %@</translation>
    </message>
    <message>
        <source>stroke id: %@</source>
        <translation>id. del trazo: %@</translation>
    </message>
    <message>
        <source>suppresses system click: %@</source>
        <translation>suprime el clic del sistema: %@</translation>
    </message>
    <message>
        <source>title: %@</source>
        <translation>título: %@</translation>
    </message>
    <message>
        <source>trace displays: %@</source>
        <translation>pantallas del trazo: %@</translation>
    </message>
</context>
</TS>
