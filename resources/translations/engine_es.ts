<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source>No action</source>
        <translation>Sin acción</translation>
    </message>
</context>
</TS>
