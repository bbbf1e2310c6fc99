<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Un trazo libre capturado se convierte en un gesto reutilizable al guardarlo.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Action Type</source>
        <translation>Tipo de acción</translation>
    </message>
    <message>
        <source>Arm capture and draw the gesture you want to bind. Quillorbitex will classify directional strokes automatically and keep freeform paths for gesture matching.</source>
        <translation>Active la captura y dibuje el gesto que quiere asignar. Quillorbitex clasifica automáticamente los trazos direccionales y guarda los trazos libres para reconocer gestos.</translation>
    </message>
    <message>
        <source>Armed. Draw a gesture now.</source>
        <translation>Listo. Dibuje un gesto ahora.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel Capture</source>
        <translation>Cancelar captura</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Cancelar grabación</translation>
    </message>
    <message>
        <source>Capture Gesture</source>
        <translation>Capturar gesto</translation>
    </message>
    <message>
        <source>Capture a gesture</source>
        <translation>Capture un gesto</translation>
    </message>
    <message>
        <source>Capture a gesture to preview the rule before you save it.</source>
        <translation>Capture un gesto para previsualizar la regla antes de guardarla.</translation>
    </message>
    <message>
        <source>Capture a gesture, choose an action, and save the rule in a guided flow.</source>
        <translation>Capture un gesto, elija una acción y guarde la regla paso a paso.</translation>
    </message>
    <message>
        <source>Capture once to lock in the next meaningful gesture.</source>
        <translation>Capture una vez para fijar el siguiente gesto significativo.</translation>
    </message>
    <message>
        <source>Capture the replacement gesture. The existing action stays attached, and the old rule will be removed when you save a different gesture.</source>
        <translation>Capture el gesto de reemplazo. La acción actual se mantiene y la regla anterior se eliminará al guardar un gesto distinto.</translation>
    </message>
    <message>
        <source>Captured %@.</source>
        <translation>%@ grabado.</translation>
    </message>
    <message>
        <source>Captured freeform path</source>
        <translation>Trazo libre capturado</translation>
    </message>
    <message>
        <source>Choose a reusable action Quillorbitex should send when the gesture matches.</source>
        <translation>Elija una acción reutilizable que Quillorbitex enviará cuando se reconozca el gesto.</translation>
    </message>
    <message>
        <source>Choose a running app</source>
        <translation>Elegir una app abierta</translation>
    </message>
    <message>
        <source>Choose a running app or enter the ID of an installed app.</source>
        <translation>Elija una app abierta o escriba el ID de una app instalada.</translation>
    </message>
    <message>
        <source>Choose action</source>
        <translation>Elegir acción</translation>
    </message>
    <message>
        <source>Choose an action before continuing.</source>
        <translation>Elija una acción para continuar.</translation>
    </message>
    <message>
        <source>Choose the action Quillorbitex should send whenever this rule matches.</source>
        <translation>Elija la acción que Quillorbitex enviará cada vez que se cumpla esta regla.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Current action: %@</source>
        <translation>Acción actual: %@</translation>
    </message>
    <message>
        <source>Current action: %@.</source>
        <translation>Acción actual: %@.</translation>
    </message>
    <message>
        <source>Current target: %@</source>
        <translation>Destino actual: %@</translation>
    </message>
    <message>
        <source>Enter a URL to open when the gesture matches.</source>
        <translation>Escriba una URL que se abrirá cuando se reconozca el gesto.</translation>
    </message>
    <message>
        <source>Enter a full URL with a scheme such as https:// or mailto:.</source>
        <translation>Escriba una URL completa con esquema, como https:// o mailto:.</translation>
    </message>
    <message>
        <source>Existing custom action: %@</source>
        <translation>Acción personalizada existente: %@</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>Gesto</translation>
    </message>
    <message>
        <source>Handled by %@</source>
        <translation>Se abre con %@</translation>
    </message>
    <message>
        <source>Keep the current action, but replace the gesture that triggers it.</source>
        <translation>Mantenga la acción actual, pero cambie el gesto que la activa.</translation>
    </message>
    <message>
        <source>Keep the gesture, but change the action Quillorbitex sends.</source>
        <translation>Mantenga el gesto, pero cambie la acción que envía Quillorbitex.</translation>
    </message>
    <message>
        <source>Listening for keys...</source>
        <translation>Esperando teclas...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>No captured gesture yet</source>
        <translation>Aún no hay gesto capturado</translation>
    </message>
    <message>
        <source>No existing rule uses this gesture yet.</source>
        <translation>Ninguna regla usa todavía este gesto.</translation>
    </message>
    <message>
        <source>No installed app has this ID.</source>
        <translation>Ninguna app instalada tiene este ID.</translation>
    </message>
    <message>
        <source>No installed app is available to open this URL.</source>
        <translation>Ninguna app instalada puede abrir esta URL.</translation>
    </message>
    <message>
        <source>No shortcut recorded yet</source>
        <translation>Aún no hay atajo grabado</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Sin definir</translation>
    </message>
    <message>
        <source>Optional name for this rule</source>
        <translation>Nombre opcional para esta regla</translation>
    </message>
    <message>
        <source>Override Action</source>
        <translation>Sustituir acción</translation>
    </message>
    <message>
        <source>Override Gesture</source>
        <translation>Sustituir gesto</translation>
    </message>
    <message>
        <source>Override Preset</source>
        <translation>Sustituir predefinido</translation>
    </message>
    <message>
        <source>Pick a new action for this rule. The gesture stays the same unless you go back and recapture it.</source>
        <translation>Elija una nueva acción para esta regla. El gesto no cambia a menos que vuelva atrás y lo capture de nuevo.</translation>
    </message>
    <message>
        <source>Pick a running app or enter an application ID manually.</source>
        <translation>Elija una app abierta o escriba un ID de aplicación.</translation>
    </message>
    <message>
        <source>Preset action: %@</source>
        <translation>Acción predefinida: %@</translation>
    </message>
    <message>
        <source>Press the keys you want Quillorbitex to send.</source>
        <translation>Pulse las teclas que quiere que Quillorbitex envíe.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation>Grabar atajo</translation>
    </message>
    <message>
        <source>Resolved app: %@</source>
        <translation>App encontrada: %@</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Rule Name (Optional)</source>
        <translation>Nombre de la regla (opcional)</translation>
    </message>
    <message>
        <source>Running Apps</source>
        <translation>Apps abiertas</translation>
    </message>
    <message>
        <source>Save Action Override</source>
        <translation>Guardar acción</translation>
    </message>
    <message>
        <source>Save Gesture Override</source>
        <translation>Guardar gesto</translation>
    </message>
    <message>
        <source>Save Rule</source>
        <translation>Guardar regla</translation>
    </message>
    <message>
        <source>Saving now will override the preset action for this gesture.</source>
        <translation>Al guardar ahora se sustituirá la acción predefinida de este gesto.</translation>
    </message>
    <message>
        <source>Saving now will update the existing custom rule for this gesture.</source>
        <translation>Al guardar ahora se actualizará la regla personalizada existente de este gesto.</translation>
    </message>
    <message>
        <source>Saving will keep this rule on its current gesture with the updated action.</source>
        <translation>Al guardar, esta regla conserva su gesto actual con la acción actualizada.</translation>
    </message>
    <message>
        <source>Saving will move this rule to the new gesture and remove the original gesture binding.</source>
        <translation>Al guardar, esta regla pasa al nuevo gesto y se elimina la asignación original.</translation>
    </message>
    <message>
        <source>Saving will update the action sent by this gesture.</source>
        <translation>Al guardar se actualizará la acción que envía este gesto.</translation>
    </message>
    <message>
        <source>Selected Action</source>
        <translation>Acción elegida</translation>
    </message>
    <message>
        <source>Shortcut capture cancelled.</source>
        <translation>Grabación del atajo cancelada.</translation>
    </message>
    <message>
        <source>Step 1: choose the gesture</source>
        <translation>Paso 1: elija el gesto</translation>
    </message>
    <message>
        <source>Step 2: choose the action</source>
        <translation>Paso 2: elija la acción</translation>
    </message>
    <message>
        <source>Step 3: review and save</source>
        <translation>Paso 3: revise y guarde</translation>
    </message>
    <message>
        <source>Store the target app by its application ID so the rule stays stable across launches.</source>
        <translation>La app de destino se guarda por su ID de aplicación para que la regla siga valiendo entre inicios.</translation>
    </message>
    <message>
        <source>That key combination could not be captured.</source>
        <translation>No se puede grabar esa combinación de teclas.</translation>
    </message>
    <message>
        <source>The app that was in front has no desktop entry, so it cannot be used.</source>
        <translation>La app que estaba en primer plano no tiene una entrada de escritorio, así que no se puede usar.</translation>
    </message>
    <message>
        <source>The current action is preloaded. Change it here only if you want this gesture to do something different.</source>
        <translation>La acción actual ya está cargada. Cámbiela solo si quiere que este gesto haga otra cosa.</translation>
    </message>
    <message>
        <source>The current gesture is loaded. Keep it, or recapture if you want to switch both the gesture and the action while you are here.</source>
        <translation>El gesto actual está cargado. Consérvelo o captúrelo de nuevo si quiere cambiar a la vez el gesto y la acción.</translation>
    </message>
    <message>
        <source>This URL is not valid yet.</source>
        <translation>Esta URL aún no es válida.</translation>
    </message>
    <message>
        <source>This captured path will be saved as a reusable gesture and matched using the current threshold.</source>
        <translation>Este trazo capturado se guardará como gesto reutilizable y se reconocerá con el umbral actual.</translation>
    </message>
    <message>
        <source>This gesture already sends %@. Saving will replace that rule.</source>
        <translation>Este gesto ya envía %@. Al guardar se sustituirá esa regla.</translation>
    </message>
    <message>
        <source>This gesture will be added immediately as a custom rule.</source>
        <translation>Este gesto se añadirá de inmediato como regla personalizada.</translation>
    </message>
    <message>
        <source>This path is too short to save as a gesture. Capture a longer stroke.</source>
        <translation>Este trazo es demasiado corto para guardarlo como gesto. Capture un trazo más largo.</translation>
    </message>
    <message>
        <source>Update Rule</source>
        <translation>Actualizar regla</translation>
    </message>
    <message>
        <source>Use Frontmost</source>
        <translation>Usar app en primer plano</translation>
    </message>
    <message>
        <source>Use a full URL including the scheme, for example https:// or mailto:.</source>
        <translation>Use una URL completa con su esquema, por ejemplo https:// o mailto:.</translation>
    </message>
    <message>
        <source>You can keep the current gesture or recapture it if this rule should move.</source>
        <translation>Puede conservar el gesto actual o capturarlo de nuevo si esta regla debe cambiar de gesto.</translation>
    </message>
</context>
</TS>
