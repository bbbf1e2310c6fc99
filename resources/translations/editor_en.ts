<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>A captured freeform path becomes a reusable gesture once you save it.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Action Type</source>
        <translation>Action Type</translation>
    </message>
    <message>
        <source>Arm capture and draw the gesture you want to bind. Quillorbitex will classify directional strokes automatically and keep freeform paths for gesture matching.</source>
        <translation>Arm capture and draw the gesture you want to bind. Quillorbitex will classify directional strokes automatically and keep freeform paths for gesture matching.</translation>
    </message>
    <message>
        <source>Armed. Draw a gesture now.</source>
        <translation>Armed. Draw a gesture now.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cancel Capture</source>
        <translation>Cancel Capture</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Cancel Recording</translation>
    </message>
    <message>
        <source>Capture Gesture</source>
        <translation>Capture Gesture</translation>
    </message>
    <message>
        <source>Capture a gesture</source>
        <translation>Capture a gesture</translation>
    </message>
    <message>
        <source>Capture a gesture to preview the rule before you save it.</source>
        <translation>Capture a gesture to preview the rule before you save it.</translation>
    </message>
    <message>
        <source>Capture a gesture, choose an action, and save the rule in a guided flow.</source>
        <translation>Capture a gesture, choose an action, and save the rule in a guided flow.</translation>
    </message>
    <message>
        <source>Capture once to lock in the next meaningful gesture.</source>
        <translation>Capture once to lock in the next meaningful gesture.</translation>
    </message>
    <message>
        <source>Capture the replacement gesture. The existing action stays attached, and the old rule will be removed when you save a different gesture.</source>
        <translation>Capture the replacement gesture. The existing action stays attached, and the old rule will be removed when you save a different gesture.</translation>
    </message>
    <message>
        <source>Captured %@.</source>
        <translation>Captured %@.</translation>
    </message>
    <message>
        <source>Captured freeform path</source>
        <translation>Captured freeform path</translation>
    </message>
    <message>
        <source>Choose a reusable action Quillorbitex should send when the gesture matches.</source>
        <translation>Choose a reusable action Quillorbitex should send when the gesture matches.</translation>
    </message>
    <message>
        <source>Choose a running app</source>
        <translation>Choose a running app</translation>
    </message>
    <message>
        <source>Choose a running app or enter the ID of an installed app.</source>
        <translation>Choose a running app or enter the ID of an installed app.</translation>
    </message>
    <message>
        <source>Choose action</source>
        <translation>Choose action</translation>
    </message>
    <message>
        <source>Choose an action before continuing.</source>
        <translation>Choose an action before continuing.</translation>
    </message>
    <message>
        <source>Choose the action Quillorbitex should send whenever this rule matches.</source>
        <translation>Choose the action Quillorbitex should send whenever this rule matches.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Current action: %@</source>
        <translation>Current action: %@</translation>
    </message>
    <message>
        <source>Current action: %@.</source>
        <translation>Current action: %@.</translation>
    </message>
    <message>
        <source>Current target: %@</source>
        <translation>Current target: %@</translation>
    </message>
    <message>
        <source>Enter a URL to open when the gesture matches.</source>
        <translation>Enter a URL to open when the gesture matches.</translation>
    </message>
    <message>
        <source>Enter a full URL with a scheme such as https:// or mailto:.</source>
        <translation>Enter a full URL with a scheme such as https:// or mailto:.</translation>
    </message>
    <message>
        <source>Existing custom action: %@</source>
        <translation>Existing custom action: %@</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>Gesture</translation>
    </message>
    <message>
        <source>Handled by %@</source>
        <translation>Handled by %@</translation>
    </message>
    <message>
        <source>Keep the current action, but replace the gesture that triggers it.</source>
        <translation>Keep the current action, but replace the gesture that triggers it.</translation>
    </message>
    <message>
        <source>Keep the gesture, but change the action Quillorbitex sends.</source>
        <translation>Keep the gesture, but change the action Quillorbitex sends.</translation>
    </message>
    <message>
        <source>Listening for keys...</source>
        <translation>Listening for keys...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>No captured gesture yet</source>
        <translation>No captured gesture yet</translation>
    </message>
    <message>
        <source>No existing rule uses this gesture yet.</source>
        <translation>No existing rule uses this gesture yet.</translation>
    </message>
    <message>
        <source>No installed app has this ID.</source>
        <translation>No installed app has this ID.</translation>
    </message>
    <message>
        <source>No installed app is available to open this URL.</source>
        <translation>No installed app is available to open this URL.</translation>
    </message>
    <message>
        <source>No shortcut recorded yet</source>
        <translation>No shortcut recorded yet</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Not set</translation>
    </message>
    <message>
        <source>Optional name for this rule</source>
        <translation>Optional name for this rule</translation>
    </message>
    <message>
        <source>Override Action</source>
        <translation>Override Action</translation>
    </message>
    <message>
        <source>Override Gesture</source>
        <translation>Override Gesture</translation>
    </message>
    <message>
        <source>Override Preset</source>
        <translation>Override Preset</translation>
    </message>
    <message>
        <source>Pick a new action for this rule. The gesture stays the same unless you go back and recapture it.</source>
        <translation>Pick a new action for this rule. The gesture stays the same unless you go back and recapture it.</translation>
    </message>
    <message>
        <source>Pick a running app or enter an application ID manually.</source>
        <translation>Pick a running app or enter an application ID manually.</translation>
    </message>
    <message>
        <source>Preset action: %@</source>
        <translation>Preset action: %@</translation>
    </message>
    <message>
        <source>Press the keys you want Quillorbitex to send.</source>
        <translation>Press the keys you want Quillorbitex to send.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation>Record Shortcut</translation>
    </message>
    <message>
        <source>Resolved app: %@</source>
        <translation>Resolved app: %@</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>Rule Name (Optional)</source>
        <translation>Rule Name (Optional)</translation>
    </message>
    <message>
        <source>Running Apps</source>
        <translation>Running Apps</translation>
    </message>
    <message>
        <source>Save Action Override</source>
        <translation>Save Action Override</translation>
    </message>
    <message>
        <source>Save Gesture Override</source>
        <translation>Save Gesture Override</translation>
    </message>
    <message>
        <source>Save Rule</source>
        <translation>Save Rule</translation>
    </message>
    <message>
        <source>Saving now will override the preset action for this gesture.</source>
        <translation>Saving now will override the preset action for this gesture.</translation>
    </message>
    <message>
        <source>Saving now will update the existing custom rule for this gesture.</source>
        <translation>Saving now will update the existing custom rule for this gesture.</translation>
    </message>
    <message>
        <source>Saving will keep this rule on its current gesture with the updated action.</source>
        <translation>Saving will keep this rule on its current gesture with the updated action.</translation>
    </message>
    <message>
        <source>Saving will move this rule to the new gesture and remove the original gesture binding.</source>
        <translation>Saving will move this rule to the new gesture and remove the original gesture binding.</translation>
    </message>
    <message>
        <source>Saving will update the action sent by this gesture.</source>
        <translation>Saving will update the action sent by this gesture.</translation>
    </message>
    <message>
        <source>Selected Action</source>
        <translation>Selected Action</translation>
    </message>
    <message>
        <source>Shortcut capture cancelled.</source>
        <translation>Shortcut capture cancelled.</translation>
    </message>
    <message>
        <source>Step 1: choose the gesture</source>
        <translation>Step 1: choose the gesture</translation>
    </message>
    <message>
        <source>Step 2: choose the action</source>
        <translation>Step 2: choose the action</translation>
    </message>
    <message>
        <source>Step 3: review and save</source>
        <translation>Step 3: review and save</translation>
    </message>
    <message>
        <source>Store the target app by its application ID so the rule stays stable across launches.</source>
        <translation>Store the target app by its application ID so the rule stays stable across launches.</translation>
    </message>
    <message>
        <source>That key combination could not be captured.</source>
        <translation>That key combination could not be captured.</translation>
    </message>
    <message>
        <source>The app that was in front has no desktop entry, so it cannot be used.</source>
        <translation>The app that was in front has no desktop entry, so it cannot be used.</translation>
    </message>
    <message>
        <source>The current action is preloaded. Change it here only if you want this gesture to do something different.</source>
        <translation>The current action is preloaded. Change it here only if you want this gesture to do something different.</translation>
    </message>
    <message>
        <source>The current gesture is loaded. Keep it, or recapture if you want to switch both the gesture and the action while you are here.</source>
        <translation>The current gesture is loaded. Keep it, or recapture if you want to switch both the gesture and the action while you are here.</translation>
    </message>
    <message>
        <source>This URL is not valid yet.</source>
        <translation>This URL is not valid yet.</translation>
    </message>
    <message>
        <source>This captured path will be saved as a reusable gesture and matched using the current threshold.</source>
        <translation>This captured path will be saved as a reusable gesture and matched using the current threshold.</translation>
    </message>
    <message>
        <source>This gesture already sends %@. Saving will replace that rule.</source>
        <translation>This gesture already sends %@. Saving will replace that rule.</translation>
    </message>
    <message>
        <source>This gesture will be added immediately as a custom rule.</source>
        <translation>This gesture will be added immediately as a custom rule.</translation>
    </message>
    <message>
        <source>This path is too short to save as a gesture. Capture a longer stroke.</source>
        <translation>This path is too short to save as a gesture. Capture a longer stroke.</translation>
    </message>
    <message>
        <source>Update Rule</source>
        <translation>Update Rule</translation>
    </message>
    <message>
        <source>Use Frontmost</source>
        <translation>Use Frontmost</translation>
    </message>
    <message>
        <source>Use a full URL including the scheme, for example https:// or mailto:.</source>
        <translation>Use a full URL including the scheme, for example https:// or mailto:.</translation>
    </message>
    <message>
        <source>You can keep the current gesture or recapture it if this rule should move.</source>
        <translation>You can keep the current gesture or recapture it if this rule should move.</translation>
    </message>
</context>
</TS>
