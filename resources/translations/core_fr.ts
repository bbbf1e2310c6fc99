<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source>Blocked</source>
        <translation>Bloqué</translation>
    </message>
    <message>
        <source>Close Tab or Window</source>
        <translation>Fermer l’onglet ou la fenêtre</translation>
    </message>
    <message>
        <source>Close the current tab or window in apps that support Control plus W.</source>
        <translation>Ferme l’onglet ou la fenêtre actuel dans les apps qui prennent en charge Ctrl plus W.</translation>
    </message>
    <message>
        <source>Create a new tab in apps that support Control plus T.</source>
        <translation>Crée un nouvel onglet dans les apps qui prennent en charge Ctrl plus T.</translation>
    </message>
    <message>
        <source>Create a new window in apps that support Control plus N.</source>
        <translation>Crée une nouvelle fenêtre dans les apps qui prennent en charge Ctrl plus N.</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Gesture capture is turned off.</source>
        <translation>La capture des gestes est désactivée.</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Accordé</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>Masquer l’app</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Réduire la fenêtre</translation>
    </message>
    <message>
        <source>Minimize every window of the frontmost app.</source>
        <translation>Réduit toutes les fenêtres de l’app au premier plan.</translation>
    </message>
    <message>
        <source>Minimize the frontmost window.</source>
        <translation>Réduit la fenêtre au premier plan.</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Nouvel onglet</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Onglet suivant</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Onglet précédent</translation>
    </message>
    <message>
        <source>Quillorbitex has not checked the X display yet.</source>
        <translation>Quillorbitex n’a pas encore vérifié l’écran X.</translation>
    </message>
    <message>
        <source>Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) to watch the right button and run gesture actions.</source>
        <translation>Quillorbitex a besoin d’une session X11 dont le serveur accepte les saisies synthétiques (XTEST) pour surveiller le bouton droit et exécuter les actions de geste.</translation>
    </message>
    <message>
        <source>Quit App</source>
        <translation>Quitter l’app</translation>
    </message>
    <message>
        <source>Quit the frontmost app with Control plus Q.</source>
        <translation>Quitte l’app au premier plan avec Ctrl plus Q.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Secondary-click drag gestures are being monitored.</source>
        <translation>Les gestes de glisser avec le clic secondaire sont surveillés.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Switch to the next tab in apps that use Control plus Tab.</source>
        <translation>Passe à l’onglet suivant dans les apps qui utilisent Ctrl plus Tab.</translation>
    </message>
    <message>
        <source>Switch to the previous tab in apps that use Control plus Shift plus Tab.</source>
        <translation>Passe à l’onglet précédent dans les apps qui utilisent Ctrl plus Maj plus Tab.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>The X server lets Quillorbitex watch the right button and send input for gesture actions.</source>
        <translation>Le serveur X permet à Quillorbitex de surveiller le bouton droit et d’envoyer les saisies des actions de geste.</translation>
    </message>
    <message>
        <source>Trigger a refresh action in the frontmost app.</source>
        <translation>Déclenche une actualisation dans l’app au premier plan.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
</TS>
