<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source>%lld custom rule(s) saved.</source>
        <translation>%lld regla(s) personalizada(s) guardada(s).</translation>
    </message>
    <message>
        <source>Allow in App</source>
        <translation>Permitir en la app</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>Reglas de permitir y bloquear por app</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
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
        <source>Check Access</source>
        <translation>Comprobar el acceso</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Volver a comprobar</translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation>Elegir app</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>Elija qué apps deben permitir o bloquear explícitamente este gesto cuando tienen el foco.</translation>
    </message>
    <message>
        <source>Continue →</source>
        <translation>Continuar →</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>Ajustes del escritorio</translation>
    </message>
    <message>
        <source>Draw. Fire. Repeat.</source>
        <translation>Dibuje. Ejecute. Repita.</translation>
    </message>
    <message>
        <source>Example: %@</source>
        <translation>Ejemplo: %@</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>Monitor de gestos</translation>
    </message>
    <message>
        <source>Gestures work once the X display lets Quillorbitex take the right button and send keys and clicks.</source>
        <translation>Los gestos funcionan en cuanto la pantalla X deja que Quillorbitex tome el botón derecho y envíe teclas y clics.</translation>
    </message>
    <message>
        <source>Make It Yours</source>
        <translation>Hágalo a su manera</translation>
    </message>
    <message>
        <source>Map right-button mouse strokes to shortcuts, apps, links, and preset actions.</source>
        <translation>Asigne trazos con el botón derecho del ratón a atajos, apps, enlaces y acciones predefinidas.</translation>
    </message>
    <message>
        <source>No apps are available right now. Installed and running apps appear here automatically.</source>
        <translation>No hay apps disponibles ahora mismo. Las apps instaladas y en ejecución aparecen aquí automáticamente.</translation>
    </message>
    <message>
        <source>No per-app rules yet. The global gesture state applies until you allow or block specific apps.</source>
        <translation>Aún no hay reglas por app. Se aplica el estado general del gesto hasta que permita o bloquee apps concretas.</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>Abrir el panel</translation>
    </message>
    <message>
        <source>Override built-ins or add gesture rules for shortcuts, apps, links, and preset actions.</source>
        <translation>Sustituya las reglas integradas o añada reglas de gestos para atajos, apps, enlaces y acciones predefinidas.</translation>
    </message>
    <message>
        <source>Pick an app</source>
        <translation>Elija una app</translation>
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
        <source>Step %lld of %lld</source>
        <translation>Paso %lld de %lld</translation>
    </message>
    <message>
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>Use reglas Permitido para que un gesto desactivado funcione solo en ciertas apps. Use reglas Bloqueado para que un gesto activado no se ejecute en ciertas apps.</translation>
    </message>
    <message>
        <source>X Display</source>
        <translation>Pantalla X</translation>
    </message>
</context>
</TS>
