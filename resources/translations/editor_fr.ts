<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source>%@  →  %@</source>
        <translation>%@  →  %@</translation>
    </message>
    <message>
        <source>0%lld</source>
        <translation>0%lld</translation>
    </message>
    <message>
        <source>A captured freeform path becomes a reusable gesture once you save it.</source>
        <translation>Un tracé libre capturé devient un geste réutilisable une fois enregistré.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Action Type</source>
        <translation>Type d’action</translation>
    </message>
    <message>
        <source>Arm capture and draw the gesture you want to bind. Quillorbitex will classify directional strokes automatically and keep freeform paths for gesture matching.</source>
        <translation>Armez la capture et tracez le geste à associer. Quillorbitex reconnaît automatiquement les tracés directionnels et conserve les tracés libres pour la reconnaissance des gestes.</translation>
    </message>
    <message>
        <source>Armed. Draw a gesture now.</source>
        <translation>Prêt. Tracez un geste maintenant.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel Capture</source>
        <translation>Annuler la capture</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Annuler l’enregistrement</translation>
    </message>
    <message>
        <source>Capture Gesture</source>
        <translation>Capturer un geste</translation>
    </message>
    <message>
        <source>Capture a gesture</source>
        <translation>Capturez un geste</translation>
    </message>
    <message>
        <source>Capture a gesture to preview the rule before you save it.</source>
        <translation>Capturez un geste pour prévisualiser la règle avant de l’enregistrer.</translation>
    </message>
    <message>
        <source>Capture a gesture, choose an action, and save the rule in a guided flow.</source>
        <translation>Capturez un geste, choisissez une action et enregistrez la règle, étape par étape.</translation>
    </message>
    <message>
        <source>Capture once to lock in the next meaningful gesture.</source>
        <translation>Une capture suffit pour retenir le prochain geste significatif.</translation>
    </message>
    <message>
        <source>Capture the replacement gesture. The existing action stays attached, and the old rule will be removed when you save a different gesture.</source>
        <translation>Capturez le geste de remplacement. L’action actuelle est conservée, et l’ancienne règle sera supprimée si vous enregistrez un autre geste.</translation>
    </message>
    <message>
        <source>Captured %@.</source>
        <translation>%@ enregistré.</translation>
    </message>
    <message>
        <source>Captured freeform path</source>
        <translation>Tracé libre capturé</translation>
    </message>
    <message>
        <source>Choose a reusable action Quillorbitex should send when the gesture matches.</source>
        <translation>Choisissez une action réutilisable que Quillorbitex enverra quand le geste est reconnu.</translation>
    </message>
    <message>
        <source>Choose a running app</source>
        <translation>Choisir une app ouverte</translation>
    </message>
    <message>
        <source>Choose a running app or enter the ID of an installed app.</source>
        <translation>Choisissez une app ouverte ou saisissez l’ID d’une app installée.</translation>
    </message>
    <message>
        <source>Choose action</source>
        <translation>Choisir une action</translation>
    </message>
    <message>
        <source>Choose an action before continuing.</source>
        <translation>Choisissez une action pour continuer.</translation>
    </message>
    <message>
        <source>Choose the action Quillorbitex should send whenever this rule matches.</source>
        <translation>Choisissez l’action que Quillorbitex enverra chaque fois que cette règle s’applique.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Current action: %@</source>
        <translation>Action actuelle : %@</translation>
    </message>
    <message>
        <source>Current action: %@.</source>
        <translation>Action actuelle : %@.</translation>
    </message>
    <message>
        <source>Current target: %@</source>
        <translation>Cible actuelle : %@</translation>
    </message>
    <message>
        <source>Enter a URL to open when the gesture matches.</source>
        <translation>Saisissez une URL à ouvrir quand le geste est reconnu.</translation>
    </message>
    <message>
        <source>Enter a full URL with a scheme such as https:// or mailto:.</source>
        <translation>Saisissez une URL complète avec un schéma, comme https:// ou mailto:.</translation>
    </message>
    <message>
        <source>Existing custom action: %@</source>
        <translation>Action personnalisée existante : %@</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>Geste</translation>
    </message>
    <message>
        <source>Handled by %@</source>
        <translation>Ouvert par %@</translation>
    </message>
    <message>
        <source>Keep the current action, but replace the gesture that triggers it.</source>
        <translation>Conservez l’action actuelle, mais remplacez le geste qui la déclenche.</translation>
    </message>
    <message>
        <source>Keep the gesture, but change the action Quillorbitex sends.</source>
        <translation>Conservez le geste, mais changez l’action envoyée par Quillorbitex.</translation>
    </message>
    <message>
        <source>Listening for keys...</source>
        <translation>En attente des touches...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>No captured gesture yet</source>
        <translation>Aucun geste capturé</translation>
    </message>
    <message>
        <source>No existing rule uses this gesture yet.</source>
        <translation>Aucune règle n’utilise encore ce geste.</translation>
    </message>
    <message>
        <source>No installed app has this ID.</source>
        <translation>Aucune app installée n’a cet ID.</translation>
    </message>
    <message>
        <source>No installed app is available to open this URL.</source>
        <translation>Aucune app installée ne peut ouvrir cette URL.</translation>
    </message>
    <message>
        <source>No shortcut recorded yet</source>
        <translation>Aucun raccourci enregistré</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>Optional name for this rule</source>
        <translation>Nom facultatif de cette règle</translation>
    </message>
    <message>
        <source>Override Action</source>
        <translation>Remplacer l’action</translation>
    </message>
    <message>
        <source>Override Gesture</source>
        <translation>Remplacer le geste</translation>
    </message>
    <message>
        <source>Override Preset</source>
        <translation>Remplacer le préréglage</translation>
    </message>
    <message>
        <source>Pick a new action for this rule. The gesture stays the same unless you go back and recapture it.</source>
        <translation>Choisissez une nouvelle action pour cette règle. Le geste reste le même, sauf si vous revenez le capturer à nouveau.</translation>
    </message>
    <message>
        <source>Pick a running app or enter an application ID manually.</source>
        <translation>Choisissez une app ouverte ou saisissez un ID d’application.</translation>
    </message>
    <message>
        <source>Preset action: %@</source>
        <translation>Action prédéfinie : %@</translation>
    </message>
    <message>
        <source>Press the keys you want Quillorbitex to send.</source>
        <translation>Appuyez sur les touches que Quillorbitex doit envoyer.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation>Enregistrer un raccourci</translation>
    </message>
    <message>
        <source>Resolved app: %@</source>
        <translation>App trouvée : %@</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Rule Name (Optional)</source>
        <translation>Nom de la règle (facultatif)</translation>
    </message>
    <message>
        <source>Running Apps</source>
        <translation>Apps ouvertes</translation>
    </message>
    <message>
        <source>Save Action Override</source>
        <translation>Enregistrer l’action</translation>
    </message>
    <message>
        <source>Save Gesture Override</source>
        <translation>Enregistrer le geste</translation>
    </message>
    <message>
        <source>Save Rule</source>
        <translation>Enregistrer la règle</translation>
    </message>
    <message>
        <source>Saving now will override the preset action for this gesture.</source>
        <translation>Enregistrer maintenant remplacera l’action prédéfinie de ce geste.</translation>
    </message>
    <message>
        <source>Saving now will update the existing custom rule for this gesture.</source>
        <translation>Enregistrer maintenant mettra à jour la règle personnalisée existante de ce geste.</translation>
    </message>
    <message>
        <source>Saving will keep this rule on its current gesture with the updated action.</source>
        <translation>L’enregistrement conserve le geste actuel de cette règle avec l’action mise à jour.</translation>
    </message>
    <message>
        <source>Saving will move this rule to the new gesture and remove the original gesture binding.</source>
        <translation>L’enregistrement déplace cette règle vers le nouveau geste et supprime l’association d’origine.</translation>
    </message>
    <message>
        <source>Saving will update the action sent by this gesture.</source>
        <translation>L’enregistrement met à jour l’action envoyée par ce geste.</translation>
    </message>
    <message>
        <source>Selected Action</source>
        <translation>Action choisie</translation>
    </message>
    <message>
        <source>Shortcut capture cancelled.</source>
        <translation>Enregistrement du raccourci annulé.</translation>
    </message>
    <message>
        <source>Step 1: choose the gesture</source>
        <translation>Étape 1 : choisir le geste</translation>
    </message>
    <message>
        <source>Step 2: choose the action</source>
        <translation>Étape 2 : choisir l’action</translation>
    </message>
    <message>
        <source>Step 3: review and save</source>
        <translation>Étape 3 : vérifier et enregistrer</translation>
    </message>
    <message>
        <source>Store the target app by its application ID so the rule stays stable across launches.</source>
        <translation>L’app cible est enregistrée par son ID d’application : la règle reste valable d’un lancement à l’autre.</translation>
    </message>
    <message>
        <source>That key combination could not be captured.</source>
        <translation>Cette combinaison de touches ne peut pas être enregistrée.</translation>
    </message>
    <message>
        <source>The app that was in front has no desktop entry, so it cannot be used.</source>
        <translation>L’app qui était au premier plan n’a pas d’entrée de bureau ; elle ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>The current action is preloaded. Change it here only if you want this gesture to do something different.</source>
        <translation>L’action actuelle est déjà chargée. Ne la changez que si ce geste doit faire autre chose.</translation>
    </message>
    <message>
        <source>The current gesture is loaded. Keep it, or recapture if you want to switch both the gesture and the action while you are here.</source>
        <translation>Le geste actuel est chargé. Gardez-le, ou capturez-en un autre pour changer à la fois le geste et l’action.</translation>
    </message>
    <message>
        <source>This URL is not valid yet.</source>
        <translation>Cette URL n’est pas encore valide.</translation>
    </message>
    <message>
        <source>This captured path will be saved as a reusable gesture and matched using the current threshold.</source>
        <translation>Ce tracé capturé sera enregistré comme geste réutilisable et reconnu selon le seuil actuel.</translation>
    </message>
    <message>
        <source>This gesture already sends %@. Saving will replace that rule.</source>
        <translation>Ce geste envoie déjà %@. L’enregistrement remplacera cette règle.</translation>
    </message>
    <message>
        <source>This gesture will be added immediately as a custom rule.</source>
        <translation>Ce geste sera ajouté immédiatement comme règle personnalisée.</translation>
    </message>
    <message>
        <source>This path is too short to save as a gesture. Capture a longer stroke.</source>
        <translation>Ce tracé est trop court pour être enregistré comme geste. Capturez un tracé plus long.</translation>
    </message>
    <message>
        <source>Update Rule</source>
        <translation>Mettre à jour la règle</translation>
    </message>
    <message>
        <source>Use Frontmost</source>
        <translation>App au premier plan</translation>
    </message>
    <message>
        <source>Use a full URL including the scheme, for example https:// or mailto:.</source>
        <translation>Utilisez une URL complète avec son schéma, par exemple https:// ou mailto:.</translation>
    </message>
    <message>
        <source>You can keep the current gesture or recapture it if this rule should move.</source>
        <translation>Vous pouvez garder le geste actuel ou le capturer à nouveau pour déplacer cette règle.</translation>
    </message>
</context>
</TS>
