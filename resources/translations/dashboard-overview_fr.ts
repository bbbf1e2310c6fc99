<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source>All gestures</source>
        <translation>Tous les gestes</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Built-ins</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop's language, or force a specific app language.</source>
        <translation>Choisissez Système pour suivre la langue du bureau, ou imposez une langue précise pour l’app.</translation>
    </message>
    <message>
        <source>Choose System to follow the desktop, or force Light or Dark for the app and the update windows.</source>
        <translation>Choisissez Système pour suivre le bureau, ou imposez Clair ou Sombre à l’app et aux fenêtres de mise à jour.</translation>
    </message>
    <message>
        <source>Copy Log</source>
        <translation>Copier le journal</translation>
    </message>
    <message>
        <source>Copy this after reproducing a monitor bug so the raw display routing and local point math can be inspected.</source>
        <translation>Copiez ceci après avoir reproduit un problème d’écran, pour examiner l’aiguillage brut entre écrans et le calcul des points locaux.</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>Réglages du bureau</translation>
    </message>
    <message>
        <source>Freeform gesture threshold</source>
        <translation>Seuil des gestes libres</translation>
    </message>
    <message>
        <source>Freeform matching</source>
        <translation>Tracés libres</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>Surveillance des gestes</translation>
    </message>
    <message>
        <source>Hold the right button and start drawing</source>
        <translation>Maintenez le bouton droit et commencez à dessiner</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Invocations</source>
        <translation>Exécutions</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Last classification</source>
        <translation>Dernière classification</translation>
    </message>
    <message>
        <source>Last system click</source>
        <translation>Dernier clic système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Live Trace</source>
        <translation>Tracé en direct</translation>
    </message>
    <message>
        <source>Live action</source>
        <translation>Action en direct</translation>
    </message>
    <message>
        <source>Live detection</source>
        <translation>Détection en direct</translation>
    </message>
    <message>
        <source>Live directions</source>
        <translation>Directions en direct</translation>
    </message>
    <message>
        <source>Lower values are stricter. Raise this if drawn logos or symbols need more tolerance.</source>
        <translation>Plus la valeur est basse, plus la reconnaissance est stricte. Augmentez-la si les logos ou symboles dessinés ont besoin de plus de tolérance.</translation>
    </message>
    <message>
        <source>Matched rule</source>
        <translation>Règle reconnue</translation>
    </message>
    <message>
        <source>No captured session yet</source>
        <translation>Aucune session capturée pour l’instant</translation>
    </message>
    <message>
        <source>No completed session yet</source>
        <translation>Aucune session terminée pour l’instant</translation>
    </message>
    <message>
        <source>No gesture path yet</source>
        <translation>Aucun tracé de geste pour l’instant</translation>
    </message>
    <message>
        <source>No matched rule</source>
        <translation>Aucune règle reconnue</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Overlay Routing Log</source>
        <translation>Journal d’aiguillage des calques</translation>
    </message>
    <message>
        <source>Overlay appears as soon as Quillorbitex sees a drag path. Once the gesture crosses the capture threshold, the system right-click replay is disabled for that session.</source>
        <translation>Le calque apparaît dès que Quillorbitex détecte un tracé. Une fois le seuil de capture franchi, le clic droit du système n’est plus rejoué pour cette session.</translation>
    </message>
    <message>
        <source>Overrides and custom rules</source>
        <translation>Règles modifiées et perso</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Ready now</source>
        <translation>Prêtes à l’emploi</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Suivi</translation>
    </message>
    <message>
        <source>Turn this off to stop background update checks. You can still use Check for Updates… whenever you want.</source>
        <translation>Désactivez cette option pour arrêter les recherches de mises à jour en arrière-plan. Vous pouvez toujours utiliser Rechercher des mises à jour… quand vous le souhaitez.</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Wayland Session</source>
        <translation>Session Wayland</translation>
    </message>
    <message>
        <source>X11 Only</source>
        <translation>X11 uniquement</translation>
    </message>
</context>
</TS>
