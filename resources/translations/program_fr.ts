<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Une nouvelle version de Quillorbitex est disponible</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>Vérifiez votre connexion réseau et réessayez.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>Téléchargez-la et installez-la avec votre gestionnaire de paquets.</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ est disponible ; vous avez la version %2$@.</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ est la version la plus récente disponible.</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex n’a pas pu joindre le serveur de mises à jour.</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>Le serveur de mises à jour n’a envoyé aucune information lisible.</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>La recherche de mises à jour a échoué</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Vous êtes à jour</translation>
    </message>
</context>
</TS>
