<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source> then </source>
        <translation> luego </translation>
    </message>
    <message>
        <source>%@ (no action mapped)</source>
        <translation>%@ (sin acción asignada)</translation>
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
        <translation>Permitido</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Custom Gesture</source>
        <translation>Gesto personalizado</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Freeform captured path</source>
        <translation>Trazo libre capturado</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flecha izquierda</translation>
    </message>
    <message>
        <source>Matched gesture</source>
        <translation>Gesto reconocido</translation>
    </message>
    <message>
        <source>No committed gesture detected</source>
        <translation>No se detectó ningún gesto confirmado</translation>
    </message>
    <message>
        <source>No gesture match</source>
        <translation>Ningún gesto coincide</translation>
    </message>
    <message>
        <source>Open %@</source>
        <translation>Abrir %@</translation>
    </message>
    <message>
        <source>Open %@ when this gesture matches.</source>
        <translation>Abre %@ cuando coincide este gesto.</translation>
    </message>
    <message>
        <source>Open App</source>
        <translation>Abrir app</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Abrir URL</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predefinido</translation>
    </message>
    <message>
        <source>Preset Action</source>
        <translation>Acción predefinida</translation>
    </message>
    <message>
        <source>Replayed as right click</source>
        <translation>Reproducido como clic derecho</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retorno</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>Send %@ to the frontmost app.</source>
        <translation>Envía %@ a la app en primer plano.</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Suppressed</source>
        <translation>Interceptado</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Unrecognized path: %@</source>
        <translation>Trazo no reconocido: %@</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flecha arriba</translation>
    </message>
    <message>
        <source>Waiting for a committed stroke</source>
        <translation>Esperando un trazo confirmado</translation>
    </message>
    <message>
        <source>Waiting for movement</source>
        <translation>Esperando movimiento</translation>
    </message>
</context>
</TS>
