<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source>%@ %d</source>
        <translation>%@ %d</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verr. Maj.</translation>
    </message>
    <message>
        <source>Changes to the preferences are not saved yet: another program is using the preferences file in "%@". They apply now and are saved as soon as it lets go of the file, at the latest when Quillorbitex starts again.</source>
        <translation>Les modifications des préférences ne sont pas encore enregistrées : un autre programme utilise le fichier de préférences dans « %@ ». Elles s’appliquent dès maintenant et seront enregistrées dès qu’il libérera le fichier, au plus tard au prochain démarrage de Quillorbitex.</translation>
    </message>
    <message>
        <source>Changes to the preferences cannot be saved in "%@". They apply until Quillorbitex quits and are saved as soon as that folder can be written.</source>
        <translation>Les modifications des préférences ne peuvent pas être enregistrées dans « %@ ». Elles s’appliquent jusqu’à la fermeture de Quillorbitex et seront enregistrées dès que ce dossier sera accessible en écriture.</translation>
    </message>
    <message>
        <source>Could not change Open at Login. Check that the autostart folder is writable.</source>
        <translation>Impossible de modifier l’ouverture à la connexion. Vérifiez que le dossier de démarrage automatique est accessible en écriture.</translation>
    </message>
    <message>
        <source>Gesture capture needs an X11 session whose server accepts synthetic input (XTEST).</source>
        <translation>La capture des gestes a besoin d’une session X11 dont le serveur accepte les saisies synthétiques (XTEST).</translation>
    </message>
    <message>
        <source>No overlay diagnostics recorded yet.</source>
        <translation>Aucun diagnostic de superposition enregistré pour l’instant.</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr. Num.</translation>
    </message>
    <message>
        <source>Preferences that could not be read were kept in "%@"; Quillorbitex went on without them.</source>
        <translation>Les préférences illisibles ont été conservées dans « %@ » ; Quillorbitex a continué sans elles.</translation>
    </message>
    <message>
        <source>Saved Gesture</source>
        <translation>Geste enregistré</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>The stored preference "%@" could not be read and no copy of it could be kept; Quillorbitex went on without it and leaves it as it is.</source>
        <translation>La préférence enregistrée « %@ » n’a pas pu être lue et aucune copie n’a pu en être conservée ; Quillorbitex a continué sans elle et la laisse telle quelle.</translation>
    </message>
    <message>
        <source>Usage counts that could not be read were kept in "%@"; Quillorbitex went on counting in a new file.</source>
        <translation>Les compteurs d’utilisation illisibles ont été conservés dans « %@ » ; Quillorbitex a continué à compter dans un nouveau fichier.</translation>
    </message>
    <message>
        <source>capture: right-button strokes with %@ held are left to another program, which holds them.</source>
        <translation>capture : les tracés au bouton droit avec %@ enfoncé sont laissés à un autre programme, qui les détient.</translation>
    </message>
</context>
</TS>
