<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Ein erfasster Freiform-Pfad wird beim Sichern zu einer wiederverwendbaren Geste.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Action Type</source>
        <translation>Aktionstyp</translation>
    </message>
    <message>
        <source>Arm capture and draw the gesture you want to bind. Quillorbitex will classify directional strokes automatically and keep freeform paths for gesture matching.</source>
        <translation>Erfassung starten und die gewünschte Geste zeichnen. Quillorbitex erkennt Richtungsstriche automatisch und behält Freiform-Pfade für den Gestenvergleich.</translation>
    </message>
    <message>
        <source>Armed. Draw a gesture now.</source>
        <translation>Bereit. Jetzt eine Geste zeichnen.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel Capture</source>
        <translation>Erfassung abbrechen</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Aufnahme abbrechen</translation>
    </message>
    <message>
        <source>Capture Gesture</source>
        <translation>Geste erfassen</translation>
    </message>
    <message>
        <source>Capture a gesture</source>
        <translation>Geste erfassen</translation>
    </message>
    <message>
        <source>Capture a gesture to preview the rule before you save it.</source>
        <translation>Eine Geste erfassen, um die Regel vor dem Sichern anzusehen.</translation>
    </message>
    <message>
        <source>Capture a gesture, choose an action, and save the rule in a guided flow.</source>
        <translation>Geste erfassen, Aktion wählen und die Regel Schritt für Schritt sichern.</translation>
    </message>
    <message>
        <source>Capture once to lock in the next meaningful gesture.</source>
        <translation>Einmal erfassen, um die nächste aussagekräftige Geste festzuhalten.</translation>
    </message>
    <message>
        <source>Capture the replacement gesture. The existing action stays attached, and the old rule will be removed when you save a different gesture.</source>
        <translation>Die neue Geste erfassen. Die bisherige Aktion bleibt erhalten; wird eine andere Geste gesichert, wird die alte Regel entfernt.</translation>
    </message>
    <message>
        <source>Captured %@.</source>
        <translation>%@ aufgenommen.</translation>
    </message>
    <message>
        <source>Captured freeform path</source>
        <translation>Freiform-Pfad erfasst</translation>
    </message>
    <message>
        <source>Choose a reusable action Quillorbitex should send when the gesture matches.</source>
        <translation>Eine wiederverwendbare Aktion wählen, die Quillorbitex sendet, wenn die Geste erkannt wird.</translation>
    </message>
    <message>
        <source>Choose a running app</source>
        <translation>Laufende App wählen</translation>
    </message>
    <message>
        <source>Choose a running app or enter the ID of an installed app.</source>
        <translation>Eine laufende App wählen oder die ID einer installierten App eingeben.</translation>
    </message>
    <message>
        <source>Choose action</source>
        <translation>Aktion wählen</translation>
    </message>
    <message>
        <source>Choose an action before continuing.</source>
        <translation>Vor dem Fortfahren eine Aktion wählen.</translation>
    </message>
    <message>
        <source>Choose the action Quillorbitex should send whenever this rule matches.</source>
        <translation>Die Aktion wählen, die Quillorbitex sendet, wann immer diese Regel greift.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Current action: %@</source>
        <translation>Aktuelle Aktion: %@</translation>
    </message>
    <message>
        <source>Current action: %@.</source>
        <translation>Aktuelle Aktion: %@.</translation>
    </message>
    <message>
        <source>Current target: %@</source>
        <translation>Aktuelles Ziel: %@</translation>
    </message>
    <message>
        <source>Enter a URL to open when the gesture matches.</source>
        <translation>Eine URL eingeben, die geöffnet wird, wenn die Geste erkannt wird.</translation>
    </message>
    <message>
        <source>Enter a full URL with a scheme such as https:// or mailto:.</source>
        <translation>Eine vollständige URL mit Schema eingeben, etwa https:// oder mailto:.</translation>
    </message>
    <message>
        <source>Existing custom action: %@</source>
        <translation>Vorhandene eigene Aktion: %@</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>Geste</translation>
    </message>
    <message>
        <source>Handled by %@</source>
        <translation>Geöffnet mit %@</translation>
    </message>
    <message>
        <source>Keep the current action, but replace the gesture that triggers it.</source>
        <translation>Die aktuelle Aktion behalten, aber die auslösende Geste ersetzen.</translation>
    </message>
    <message>
        <source>Keep the gesture, but change the action Quillorbitex sends.</source>
        <translation>Die Geste behalten, aber die von Quillorbitex gesendete Aktion ändern.</translation>
    </message>
    <message>
        <source>Listening for keys...</source>
        <translation>Warten auf Tasten...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>No captured gesture yet</source>
        <translation>Noch keine Geste erfasst</translation>
    </message>
    <message>
        <source>No existing rule uses this gesture yet.</source>
        <translation>Noch keine Regel verwendet diese Geste.</translation>
    </message>
    <message>
        <source>No installed app has this ID.</source>
        <translation>Keine installierte App hat diese ID.</translation>
    </message>
    <message>
        <source>No installed app is available to open this URL.</source>
        <translation>Keine installierte App kann diese URL öffnen.</translation>
    </message>
    <message>
        <source>No shortcut recorded yet</source>
        <translation>Noch kein Tastenkürzel aufgenommen</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <source>Optional name for this rule</source>
        <translation>Optionaler Name für diese Regel</translation>
    </message>
    <message>
        <source>Override Action</source>
        <translation>Aktion überschreiben</translation>
    </message>
    <message>
        <source>Override Gesture</source>
        <translation>Geste überschreiben</translation>
    </message>
    <message>
        <source>Override Preset</source>
        <translation>Vorgabe überschreiben</translation>
    </message>
    <message>
        <source>Pick a new action for this rule. The gesture stays the same unless you go back and recapture it.</source>
        <translation>Eine neue Aktion für diese Regel wählen. Die Geste bleibt, sofern sie nicht zurück neu erfasst wird.</translation>
    </message>
    <message>
        <source>Pick a running app or enter an application ID manually.</source>
        <translation>Eine laufende App wählen oder eine Anwendungs-ID eingeben.</translation>
    </message>
    <message>
        <source>Preset action: %@</source>
        <translation>Vordefinierte Aktion: %@</translation>
    </message>
    <message>
        <source>Press the keys you want Quillorbitex to send.</source>
        <translation>Die Tasten drücken, die Quillorbitex senden soll.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation>Tastenkürzel aufnehmen</translation>
    </message>
    <message>
        <source>Resolved app: %@</source>
        <translation>Gefundene App: %@</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Rule Name (Optional)</source>
        <translation>Regelname (optional)</translation>
    </message>
    <message>
        <source>Running Apps</source>
        <translation>Laufende Apps</translation>
    </message>
    <message>
        <source>Save Action Override</source>
        <translation>Aktion sichern</translation>
    </message>
    <message>
        <source>Save Gesture Override</source>
        <translation>Geste sichern</translation>
    </message>
    <message>
        <source>Save Rule</source>
        <translation>Regel sichern</translation>
    </message>
    <message>
        <source>Saving now will override the preset action for this gesture.</source>
        <translation>Beim Sichern wird die vordefinierte Aktion dieser Geste überschrieben.</translation>
    </message>
    <message>
        <source>Saving now will update the existing custom rule for this gesture.</source>
        <translation>Beim Sichern wird die vorhandene eigene Regel dieser Geste aktualisiert.</translation>
    </message>
    <message>
        <source>Saving will keep this rule on its current gesture with the updated action.</source>
        <translation>Beim Sichern behält diese Regel ihre Geste und erhält die geänderte Aktion.</translation>
    </message>
    <message>
        <source>Saving will move this rule to the new gesture and remove the original gesture binding.</source>
        <translation>Beim Sichern wandert diese Regel zur neuen Geste, die alte Zuordnung wird entfernt.</translation>
    </message>
    <message>
        <source>Saving will update the action sent by this gesture.</source>
        <translation>Beim Sichern wird die von dieser Geste gesendete Aktion aktualisiert.</translation>
    </message>
    <message>
        <source>Selected Action</source>
        <translation>Gewählte Aktion</translation>
    </message>
    <message>
        <source>Shortcut capture cancelled.</source>
        <translation>Aufnahme des Tastenkürzels abgebrochen.</translation>
    </message>
    <message>
        <source>Step 1: choose the gesture</source>
        <translation>Schritt 1: Geste wählen</translation>
    </message>
    <message>
        <source>Step 2: choose the action</source>
        <translation>Schritt 2: Aktion wählen</translation>
    </message>
    <message>
        <source>Step 3: review and save</source>
        <translation>Schritt 3: prüfen und sichern</translation>
    </message>
    <message>
        <source>Store the target app by its application ID so the rule stays stable across launches.</source>
        <translation>Die Ziel-App wird über ihre Anwendungs-ID gespeichert, damit die Regel über Neustarts hinweg gilt.</translation>
    </message>
    <message>
        <source>That key combination could not be captured.</source>
        <translation>Diese Tastenkombination kann nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>The app that was in front has no desktop entry, so it cannot be used.</source>
        <translation>Die App, die im Vordergrund war, hat keinen Desktop-Eintrag und kann daher nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The current action is preloaded. Change it here only if you want this gesture to do something different.</source>
        <translation>Die aktuelle Aktion ist bereits geladen. Nur ändern, wenn diese Geste etwas anderes tun soll.</translation>
    </message>
    <message>
        <source>The current gesture is loaded. Keep it, or recapture if you want to switch both the gesture and the action while you are here.</source>
        <translation>Die aktuelle Geste ist geladen. Sie behalten oder neu erfassen, um Geste und Aktion zugleich zu ändern.</translation>
    </message>
    <message>
        <source>This URL is not valid yet.</source>
        <translation>Diese URL ist noch nicht gültig.</translation>
    </message>
    <message>
        <source>This captured path will be saved as a reusable gesture and matched using the current threshold.</source>
        <translation>Dieser erfasste Pfad wird als wiederverwendbare Geste gesichert und mit der aktuellen Schwelle verglichen.</translation>
    </message>
    <message>
        <source>This gesture already sends %@. Saving will replace that rule.</source>
        <translation>Diese Geste sendet bereits %@. Beim Sichern wird diese Regel ersetzt.</translation>
    </message>
    <message>
        <source>This gesture will be added immediately as a custom rule.</source>
        <translation>Diese Geste wird sofort als eigene Regel hinzugefügt.</translation>
    </message>
    <message>
        <source>This path is too short to save as a gesture. Capture a longer stroke.</source>
        <translation>Dieser Pfad ist zu kurz für eine Geste. Einen längeren Strich erfassen.</translation>
    </message>
    <message>
        <source>Update Rule</source>
        <translation>Regel aktualisieren</translation>
    </message>
    <message>
        <source>Use Frontmost</source>
        <translation>Vordere App verwenden</translation>
    </message>
    <message>
        <source>Use a full URL including the scheme, for example https:// or mailto:.</source>
        <translation>Eine vollständige URL mit Schema verwenden, zum Beispiel https:// oder mailto:.</translation>
    </message>
    <message>
        <source>You can keep the current gesture or recapture it if this rule should move.</source>
        <translation>Die aktuelle Geste behalten oder neu erfassen, wenn diese Regel umziehen soll.</translation>
    </message>
</context>
</TS>
