<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>L10n</name>
    <message>
        <source>%@ %d</source>
        <translation>%@ %d</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Changes to the preferences are not saved yet: another program is using the preferences file in "%@". They apply now and are saved as soon as it lets go of the file, at the latest when Quillorbitex starts again.</source>
        <translation>Los cambios en las preferencias aún no se han guardado: otro programa está usando el archivo de preferencias en «%@». Ya se aplican y se guardarán en cuanto lo libere, a más tardar cuando Quillorbitex vuelva a iniciarse.</translation>
    </message>
    <message>
        <source>Changes to the preferences cannot be saved in "%@". They apply until Quillorbitex quits and are saved as soon as that folder can be written.</source>
        <translation>Los cambios en las preferencias no se pueden guardar en «%@». Se aplican hasta que cierre Quillorbitex y se guardarán en cuanto se pueda escribir en esa carpeta.</translation>
    </message>
    <message>
        <source>Could not change Open at Login. Check that the autostart folder is writable.</source>
        <translation>No se pudo cambiar Abrir al iniciar sesión. Compruebe que se puede escribir en la carpeta de inicio automático.</translation>
    </message>
    <message>
        <source>Gesture capture needs an X11 session whose server accepts synthetic input (XTEST).</source>
        <translation>La captura de gestos necesita una sesión X11 cuyo servidor acepte entrada sintética (XTEST).</translation>
    </message>
    <message>
        <source>No overlay diagnostics recorded yet.</source>
        <translation>Todavía no se ha registrado ningún diagnóstico de superposición.</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>Preferences that could not be read were kept in "%@"; Quillorbitex went on without them.</source>
        <translation>Las preferencias que no se pudieron leer se guardaron en «%@»; Quillorbitex continuó sin ellas.</translation>
    </message>
    <message>
        <source>Saved Gesture</source>
        <translation>Gesto guardado</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>The stored preference "%@" could not be read and no copy of it could be kept; Quillorbitex went on without it and leaves it as it is.</source>
        <translation>La preferencia guardada «%@» no se pudo leer y no se pudo conservar ninguna copia de ella; Quillorbitex continuó sin ella y la deja tal como está.</translation>
    </message>
    <message>
        <source>Usage counts that could not be read were kept in "%@"; Quillorbitex went on counting in a new file.</source>
        <translation>Los recuentos de uso que no se pudieron leer se guardaron en «%@»; Quillorbitex siguió contando en un archivo nuevo.</translation>
    </message>
    <message>
        <source>capture: right-button strokes with %@ held are left to another program, which holds them.</source>
        <translation>captura: los trazos con el botón derecho manteniendo %@ se dejan a otro programa, que los ocupa.</translation>
    </message>
</context>
</TS>
