<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source>%lld App Rule</source>
        <translation>%lld regla de app</translation>
    </message>
    <message>
        <source>%lld App Rules</source>
        <translation>%lld reglas de app</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>App Rules…</source>
        <translation>Reglas de app…</translation>
    </message>
    <message>
        <source>Change Action</source>
        <translation>Cambiar acción</translation>
    </message>
    <message>
        <source>Change Gesture</source>
        <translation>Cambiar gesto</translation>
    </message>
    <message>
        <source>Create Rule</source>
        <translation>Crear regla</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Invocations: %lld</source>
        <translation>Ejecuciones: %lld</translation>
    </message>
    <message>
        <source>No custom rules saved yet.</source>
        <translation>Todavía no hay reglas personalizadas guardadas.</translation>
    </message>
    <message>
        <source>Open a step-by-step popup to capture a gesture, choose an action, and save a new rule or override.</source>
        <translation>Abre una ventana paso a paso para capturar un gesto, elegir una acción y guardar una regla nueva o una sustitución.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Quitada</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Rule Editor</source>
        <translation>Editor de reglas</translation>
    </message>
    <message>
        <source>Saved Custom Rules</source>
        <translation>Reglas personalizadas guardadas</translation>
    </message>
    <message>
        <source>Scope to App…</source>
        <translation>Limitar a una app…</translation>
    </message>
    <message>
        <source>This preset rule is currently removed from the active set.</source>
        <translation>Esta regla predefinida está quitada de las reglas activas.</translation>
    </message>
</context>
</TS>
