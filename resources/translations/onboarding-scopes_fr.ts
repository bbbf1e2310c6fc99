<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source>%lld custom rule(s) saved.</source>
        <translation>%lld règle(s) personnalisée(s) enregistrée(s).</translation>
    </message>
    <message>
        <source>Allow in App</source>
        <translation>Autoriser dans l’app</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>Règles d’autorisation et de blocage par app</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Block in App</source>
        <translation>Bloquer dans l’app</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Check Access</source>
        <translation>Vérifier l’accès</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation>Choisir une app</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>Choisissez les apps qui doivent explicitement autoriser ou bloquer ce geste lorsqu’elles ont le focus.</translation>
    </message>
    <message>
        <source>Continue →</source>
        <translation>Continuer →</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>Réglages du bureau</translation>
    </message>
    <message>
        <source>Draw. Fire. Repeat.</source>
        <translation>Tracez. Déclenchez. Recommencez.</translation>
    </message>
    <message>
        <source>Example: %@</source>
        <translation>Exemple : %@</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>Surveillance des gestes</translation>
    </message>
    <message>
        <source>Gestures work once the X display lets Quillorbitex take the right button and send keys and clicks.</source>
        <translation>Les gestes fonctionnent dès que l’écran X laisse Quillorbitex prendre le bouton droit et envoyer des touches et des clics.</translation>
    </message>
    <message>
        <source>Make It Yours</source>
        <translation>À votre façon</translation>
    </message>
    <message>
        <source>Map right-button mouse strokes to shortcuts, apps, links, and preset actions.</source>
        <translation>Associez des tracés au bouton droit de la souris à des raccourcis, des apps, des liens et des actions prédéfinies.</translation>
    </message>
    <message>
        <source>No apps are available right now. Installed and running apps appear here automatically.</source>
        <translation>Aucune app n’est disponible pour l’instant. Les apps installées et en cours d’exécution apparaissent ici automatiquement.</translation>
    </message>
    <message>
        <source>No per-app rules yet. The global gesture state applies until you allow or block specific apps.</source>
        <translation>Aucune règle par app pour l’instant. L’état global du geste s’applique tant que vous n’autorisez ou ne bloquez pas d’apps précises.</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>Ouvrir le tableau de bord</translation>
    </message>
    <message>
        <source>Override built-ins or add gesture rules for shortcuts, apps, links, and preset actions.</source>
        <translation>Remplacez les règles intégrées ou ajoutez des règles de gestes pour des raccourcis, des apps, des liens et des actions prédéfinies.</translation>
    </message>
    <message>
        <source>Pick an app</source>
        <translation>Choisir une app</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Step %lld of %lld</source>
        <translation>Étape %lld sur %lld</translation>
    </message>
    <message>
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>Utilisez les règles Autorisé pour qu’un geste désactivé ne fonctionne que dans certaines apps. Utilisez les règles Bloqué pour qu’un geste activé ne se déclenche pas dans certaines apps.</translation>
    </message>
    <message>
        <source>X Display</source>
        <translation>Écran X</translation>
    </message>
</context>
</TS>
