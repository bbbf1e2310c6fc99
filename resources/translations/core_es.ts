<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
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
        <source>Granted</source>
        <translation>Concedido</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>Ocultar app</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimizar ventana</translation>
    </message>
    <message>
        <source>Minimize every window of the frontmost app.</source>
        <translation>Minimiza todas las ventanas de la app en primer plano.</translation>
    </message>
    <message>
        <source>Minimize the frontmost window.</source>
        <translation>Minimiza la ventana en primer plano.</translation>
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
        <source>Quillorbitex has not checked the X display yet.</source>
        <translation>Quillorbitex aún no ha comprobado la pantalla X.</translation>
    </message>
    <message>
        <source>Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) to watch the right button and run gesture actions.</source>
        <translation>Quillorbitex necesita una sesión X11 cuyo servidor acepte entrada sintética (XTEST) para vigilar el botón derecho y ejecutar las acciones de los gestos.</translation>
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
        <source>The X server lets Quillorbitex watch the right button and send input for gesture actions.</source>
        <translation>El servidor X permite a Quillorbitex vigilar el botón derecho y enviar la entrada de las acciones de los gestos.</translation>
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
