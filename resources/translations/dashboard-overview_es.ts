<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source>All gestures</source>
        <translation>Todos los gestos</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Built-ins</source>
        <translation>Predefinidas</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop's language, or force a specific app language.</source>
        <translation>Elija Sistema para seguir el idioma del escritorio o fuerce un idioma concreto para la app.</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop, or force Light or Dark for the app and the update windows.</source>
        <translation>Elija Sistema para seguir el escritorio o fuerce Claro u Oscuro en la app y las ventanas de actualización.</translation>
    </message>
    <message>
        <source>Copy Log</source>
        <translation>Copiar registro</translation>
    </message>
    <message>
        <source>Copy this after reproducing a monitor bug so the raw display routing and local point math can be inspected.</source>
        <translation>Copie esto tras reproducir un fallo de pantalla para poder revisar el enrutamiento entre pantallas y el cálculo de puntos locales.</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>Ajustes del escritorio</translation>
    </message>
    <message>
        <source>Freeform gesture threshold</source>
        <translation>Umbral de gestos libres</translation>
    </message>
    <message>
        <source>Freeform matching</source>
        <translation>Forma libre</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>Monitor de gestos</translation>
    </message>
    <message>
        <source>Hold the right button and start drawing</source>
        <translation>Mantenga pulsado el botón derecho y empiece a dibujar</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Invocations</source>
        <translation>Ejecuciones</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Last classification</source>
        <translation>Última clasificación</translation>
    </message>
    <message>
        <source>Last system click</source>
        <translation>Último clic del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Live Trace</source>
        <translation>Trazo en directo</translation>
    </message>
    <message>
        <source>Live action</source>
        <translation>Acción en directo</translation>
    </message>
    <message>
        <source>Live detection</source>
        <translation>Detección en directo</translation>
    </message>
    <message>
        <source>Live directions</source>
        <translation>Direcciones en directo</translation>
    </message>
    <message>
        <source>Lower values are stricter. Raise this if drawn logos or symbols need more tolerance.</source>
        <translation>Los valores bajos son más estrictos. Súbalo si los logotipos o símbolos dibujados necesitan más tolerancia.</translation>
    </message>
    <message>
        <source>Matched rule</source>
        <translation>Regla coincidente</translation>
    </message>
    <message>
        <source>No captured session yet</source>
        <translation>Aún no hay ninguna sesión capturada</translation>
    </message>
    <message>
        <source>No completed session yet</source>
        <translation>Aún no hay ninguna sesión completada</translation>
    </message>
    <message>
        <source>No gesture path yet</source>
        <translation>Aún no hay ningún trazo de gesto</translation>
    </message>
    <message>
        <source>No matched rule</source>
        <translation>Ninguna regla coincidente</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Overlay Routing Log</source>
        <translation>Registro de enrutamiento de superposiciones</translation>
    </message>
    <message>
        <source>Overlay appears as soon as Quillorbitex sees a drag path. Once the gesture crosses the capture threshold, the system right-click replay is disabled for that session.</source>
        <translation>La superposición aparece en cuanto Quillorbitex detecta un trazo. Cuando el gesto supera el umbral de captura, el clic derecho del sistema ya no se reproduce en esa sesión.</translation>
    </message>
    <message>
        <source>Overrides and custom rules</source>
        <translation>Reglas propias y modificadas</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Ready now</source>
        <translation>Listas ya</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Siguiendo</translation>
    </message>
    <message>
        <source>Turn this off to stop background update checks. You can still use Check for Updates… whenever you want.</source>
        <translation>Desactívelo para dejar de buscar actualizaciones en segundo plano. Puede usar Buscar actualizaciones… siempre que quiera.</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Wayland Session</source>
        <translation>Sesión de Wayland</translation>
    </message>
    <message>
        <source>X11 Only</source>
        <translation>Solo X11</translation>
    </message>
</context>
</TS>
