<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source>Accessibility is available for listening and running gesture actions.</source>
        <translation>L’accessibilité est disponible pour écouter et exécuter les actions de geste.</translation>
    </message>
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
        <source>Grant Accessibility to let Quillorbitex monitor input and run gesture actions.</source>
        <translation>Accordez l’accessibilité pour que Quillorbitex surveille les entrées et exécute les actions de geste.</translation>
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
        <source>Hide the frontmost app with Control plus H.</source>
        <translation>Masque l’app au premier plan avec Ctrl plus H.</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Réduire la fenêtre</translation>
    </message>
    <message>
        <source>Minimize the frontmost window with Control plus M.</source>
        <translation>Réduit la fenêtre au premier plan avec Ctrl plus M.</translation>
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
        <source>The app has not checked Accessibility permission yet.</source>
        <translation>L’app n’a pas encore vérifié l’autorisation d’accessibilité.</translation>
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
