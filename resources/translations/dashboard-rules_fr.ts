<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source>%lld App Rule</source>
        <translation>%lld règle d’app</translation>
    </message>
    <message>
        <source>%lld App Rules</source>
        <translation>%lld règles d’app</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>App Rules…</source>
        <translation>Règles d’app…</translation>
    </message>
    <message>
        <source>Change Action</source>
        <translation>Changer l’action</translation>
    </message>
    <message>
        <source>Change Gesture</source>
        <translation>Changer le geste</translation>
    </message>
    <message>
        <source>Create Rule</source>
        <translation>Créer une règle</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Invocations: %lld</source>
        <translation>Déclenchements : %lld</translation>
    </message>
    <message>
        <source>No custom rules saved yet.</source>
        <translation>Aucune règle personnalisée enregistrée pour l’instant.</translation>
    </message>
    <message>
        <source>Open a step-by-step popup to capture a gesture, choose an action, and save a new rule or override.</source>
        <translation>Ouvrez une fenêtre pas à pas pour enregistrer un geste, choisir une action et enregistrer une nouvelle règle ou un remplacement.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Retirée</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Rule Editor</source>
        <translation>Éditeur de règles</translation>
    </message>
    <message>
        <source>Saved Custom Rules</source>
        <translation>Règles personnalisées enregistrées</translation>
    </message>
    <message>
        <source>Scope to App…</source>
        <translation>Limiter à une app…</translation>
    </message>
    <message>
        <source>This preset rule is currently removed from the active set.</source>
        <translation>Cette règle prédéfinie est actuellement retirée des règles actives.</translation>
    </message>
</context>
</TS>
