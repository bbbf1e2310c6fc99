<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source> then </source>
        <translation> puis </translation>
    </message>
    <message>
        <source>%@ (no action mapped)</source>
        <translation>%@ (aucune action associée)</translation>
    </message>
    <message>
        <source>%@ -&gt; %@</source>
        <translation>%@ -&gt; %@</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@ : %@</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Autorisé</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Custom Gesture</source>
        <translation>Geste personnalisé</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flèche vers le bas</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Freeform captured path</source>
        <translation>Tracé libre capturé</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>Matched gesture</source>
        <translation>Geste reconnu</translation>
    </message>
    <message>
        <source>No committed gesture detected</source>
        <translation>Aucun geste validé détecté</translation>
    </message>
    <message>
        <source>No gesture match</source>
        <translation>Aucun geste reconnu</translation>
    </message>
    <message>
        <source>Open %@</source>
        <translation>Ouvrir %@</translation>
    </message>
    <message>
        <source>Open %@ when this gesture matches.</source>
        <translation>Ouvre %@ lorsque ce geste est reconnu.</translation>
    </message>
    <message>
        <source>Open App</source>
        <translation>Ouvrir une app</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Ouvrir une URL</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>Preset Action</source>
        <translation>Action prédéfinie</translation>
    </message>
    <message>
        <source>Replayed as right click</source>
        <translation>Rejoué comme clic droit</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>Send %@ to the frontmost app.</source>
        <translation>Envoie %@ à l’app au premier plan.</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Suppressed</source>
        <translation>Intercepté</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Unrecognized path: %@</source>
        <translation>Tracé non reconnu : %@</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flèche vers le haut</translation>
    </message>
    <message>
        <source>Waiting for a committed stroke</source>
        <translation>En attente d’un tracé validé</translation>
    </message>
    <message>
        <source>Waiting for movement</source>
        <translation>En attente de mouvement</translation>
    </message>
</context>
</TS>
