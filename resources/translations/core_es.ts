<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source>Accessibility is available for listening and running gesture actions.</source>
        <translation>La accesibilidad está disponible para detectar gestos y ejecutar sus acciones.</translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Close Tab or Window</source>
        <translation>Cerrar pestaña o ventana</translation>
    </message>
    <message>
        <source>Close the current tab or window in apps that support Control plus W.</source>
        <translation>Cierra la pestaña o ventana actual en las apps compatibles con Ctrl más W.</translation>
    </message>
    <message>
        <source>Create a new tab in apps that support Control plus T.</source>
        <translation>Crea una pestaña nueva en las apps compatibles con Ctrl más T.</translation>
    </message>
    <message>
        <source>Create a new window in apps that support Control plus N.</source>
        <translation>Crea una ventana nueva en las apps compatibles con Ctrl más N.</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>Denegado</translation>
    </message>
    <message>
        <source>Gesture capture is turned off.</source>
        <translation>La captura de gestos está desactivada.</translation>
    </message>
    <message>
        <source>Grant Accessibility to let Quillorbitex monitor input and run gesture actions.</source>
        <translation>Concede la accesibilidad para que Quillorbitex supervise la entrada y ejecute las acciones de gestos.</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Concedido</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>Ocultar app</translation>
    </message>
    <message>
        <source>Hide the frontmost app with Control plus H.</source>
        <translation>Oculta la app en primer plano con Ctrl más H.</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimizar ventana</translation>
    </message>
    <message>
        <source>Minimize the frontmost window with Control plus M.</source>
        <translation>Minimiza la ventana en primer plano con Ctrl más M.</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Nueva pestaña</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nueva ventana</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Pestaña siguiente</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Pestaña anterior</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Salir de la app</translation>
    </message>
    <message>
        <source>Quit the frontmost app with Control plus Q.</source>
        <translation>Cierra la app en primer plano con Ctrl más Q.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En ejecución</translation>
    </message>
    <message>
        <source>Secondary-click drag gestures are being monitored.</source>
        <translation>Se están supervisando los gestos de arrastre con clic secundario.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Switch to the next tab in apps that use Control plus Tab.</source>
        <translation>Cambia a la pestaña siguiente en las apps que usan Ctrl más Tab.</translation>
    </message>
    <message>
        <source>Switch to the previous tab in apps that use Control plus Shift plus Tab.</source>
        <translation>Cambia a la pestaña anterior en las apps que usan Ctrl más Mayús más Tab.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The app has not checked Accessibility permission yet.</source>
        <translation>La app aún no ha comprobado el permiso de accesibilidad.</translation>
    </message>
    <message>
        <source>Trigger a refresh action in the frontmost app.</source>
        <translation>Ejecuta una acción de actualizar en la app en primer plano.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
</TS>
