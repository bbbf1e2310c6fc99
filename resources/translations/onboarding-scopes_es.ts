<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source>Allow in App</source>
        <translation>Permitir en la app</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>Reglas de permitir y bloquear por app</translation>
    </message>
    <message>
        <source>Block in App</source>
        <translation>Bloquear en la app</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation>Elegir app</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>Elige qué apps deben permitir o bloquear explícitamente este gesto cuando tienen el foco.</translation>
    </message>
    <message>
        <source>No apps are available right now. Installed and running apps appear here automatically.</source>
        <translation>No hay apps disponibles ahora mismo. Las apps instaladas y en ejecución aparecen aquí automáticamente.</translation>
    </message>
    <message>
        <source>No per-app rules yet. The global gesture state applies until you allow or block specific apps.</source>
        <translation>Aún no hay reglas por app. Se aplica el estado general del gesto hasta que permitas o bloquees apps concretas.</translation>
    </message>
    <message>
        <source>Pick an app</source>
        <translation>Elige una app</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>Usa reglas Permitido para que un gesto desactivado funcione solo en ciertas apps. Usa reglas Bloqueado para que un gesto activado no se ejecute en ciertas apps.</translation>
    </message>
</context>
</TS>
