<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source>"%1$@" is not a folder that only you can change; Quillorbitex keeps its preferences and counts in "%2$@" until it quits.</source>
        <translation>«%1$@» no es una carpeta que solo usted pueda modificar; Quillorbitex guarda sus preferencias y recuentos en «%2$@» hasta que se cierre.</translation>
    </message>
    <message>
        <source>"%@" is not a folder that only you can change, and no other could be made; Quillorbitex does not save its preferences and counts in this run.</source>
        <translation>«%@» no es una carpeta que solo usted pueda modificar, y no se pudo crear ninguna otra; Quillorbitex no guarda sus preferencias ni sus recuentos durante esta ejecución.</translation>
    </message>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Hay una nueva versión de Quillorbitex disponible</translation>
    </message>
    <message>
        <source>A program of another user listens at "%@"; Quillorbitex does not speak to it and runs in its place.</source>
        <translation>Un programa de otro usuario escucha en «%@»; Quillorbitex no se comunica con él y se ejecuta en su lugar.</translation>
    </message>
    <message>
        <source>Accessibility: %@</source>
        <translation>Accesibilidad: %@</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Capture Debug</source>
        <translation>Depuración de la captura</translation>
    </message>
    <message>
        <source>Capture gestures</source>
        <translation>Capturar gestos</translation>
    </message>
    <message>
        <source>Capture health, preset coverage, matching tolerance, and theme controls at a glance.</source>
        <translation>Estado de la captura, reglas predefinidas, tolerancia de reconocimiento y tema, de un vistazo.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>Compruebe su conexión de red e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Custom Rules</source>
        <translation>Sus reglas</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>Depuración</translation>
    </message>
    <message>
        <source>Disable gesture capture</source>
        <translation>Desactivar la captura de gestos</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>Descárguela e instálela con su gestor de paquetes.</translation>
    </message>
    <message>
        <source>Enable gesture capture</source>
        <translation>Activar la captura de gestos</translation>
    </message>
    <message>
        <source>Monitor: %@</source>
        <translation>Monitor: %@</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>Abrir el panel</translation>
    </message>
    <message>
        <source>Open the rule editor for a guided setup, then enable, disable, scope, or override custom rules and actions directly from the dashboard.</source>
        <translation>Abra el editor de reglas para una configuración guiada y luego active, desactive, limite a ciertas apps o sustituya reglas y acciones personalizadas directamente desde el panel.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Preset Rules</source>
        <translation>Predefinidas</translation>
    </message>
    <message>
        <source>Preset rules are ready immediately. Disable them, scope them to specific apps, swap the gesture, or remove and restore them without leaving the dashboard.</source>
        <translation>Las reglas predefinidas funcionan desde el primer momento. Desactívelas, limítelas a apps concretas, cambie el gesto o elimínelas y restáurelas sin salir del panel.</translation>
    </message>
    <message>
        <source>Quillorbitex</source>
        <translation>Quillorbitex</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ está disponible; tiene la versión %2$@.</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ es la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>Quillorbitex can neither listen at "%1$@" nor reach an instance there (%2$@), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex no puede escuchar en «%1$@» ni comunicarse con una instancia allí (%2$@), así que se inicia sin comprobar si ya está en ejecución.</translation>
    </message>
    <message>
        <source>Quillorbitex cannot open the X display "%@". It runs in an X11 session only; start it from one, or set DISPLAY to the X server to use.</source>
        <translation>Quillorbitex no puede abrir la pantalla X «%@». Solo funciona en una sesión X11; inícielo desde una o indique en DISPLAY el servidor X que se debe usar.</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex no pudo conectar con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>Quillorbitex does not use "%@" as its test folder: it must be a folder of your own that nobody else can change, reached without symbolic links, and neither your home folder nor a folder holding it. Set QUILLORBITEX_UITEST_BASE_DIR to another folder.</source>
        <translation>Quillorbitex no usa «%@» como carpeta de prueba: debe ser una carpeta suya que nadie más pueda modificar, a la que se llegue sin enlaces simbólicos, y que no sea su carpeta personal ni una carpeta que la contenga. Indique otra carpeta en QUILLORBITEX_UITEST_BASE_DIR.</translation>
    </message>
    <message>
        <source>Quillorbitex found no folder that only you can change for its instance socket, so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex no encontró ninguna carpeta que solo usted pueda modificar para su socket de instancia, así que se inicia sin comprobar si ya está en ejecución.</translation>
    </message>
    <message>
        <source>Quit Quillorbitex</source>
        <translation>Salir de Quillorbitex</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notas de la versión</translation>
    </message>
    <message>
        <source>Reopen Onboarding</source>
        <translation>Volver a abrir la introducción</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Secciones</translation>
    </message>
    <message>
        <source>See live path detection, click suppression, and the last classified gesture.</source>
        <translation>Observe en directo la detección del trazo, la supresión del clic y el último gesto clasificado.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>The folders in which Quillorbitex could keep its instance socket have paths too long for a socket (at most %d bytes), so it starts without checking whether it already runs.</source>
        <translation>Las carpetas en las que Quillorbitex podría guardar su socket de instancia tienen rutas demasiado largas para un socket (%d bytes como máximo), así que se inicia sin comprobar si ya está en ejecución.</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>El servidor de actualizaciones no envió información legible.</translation>
    </message>
    <message>
        <source>This is a Wayland session: Quillorbitex runs through XWayland and sees only the windows of X11 applications. Strokes drawn over other windows are not captured.</source>
        <translation>Esta es una sesión de Wayland: Quillorbitex se ejecuta a través de XWayland y solo ve las ventanas de las aplicaciones X11. Los trazos dibujados sobre otras ventanas no se capturan.</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>No se pudo buscar actualizaciones</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Todo está al día</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>seleccionado</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>no seleccionado</translation>
    </message>
</context>
</TS>
