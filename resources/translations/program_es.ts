<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Hay una nueva versión de Quillorbitex disponible</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>Comprueba tu conexión de red e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>Descárgala e instálala con tu gestor de paquetes.</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ está disponible; tienes la versión %2$@.</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ es la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex no pudo conectar con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notas de la versión</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>El servidor de actualizaciones no envió información legible.</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Inténtalo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>No se pudo buscar actualizaciones</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Todo está al día</translation>
    </message>
</context>
</TS>
