<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>L10n</name>
    <message>
        <source>"%1$@" is not a folder that only you can change; Quillorbitex keeps its preferences and counts in "%2$@" until it quits.</source>
        <translation>« %1$@ » n’est pas un dossier que vous seul pouvez modifier ; Quillorbitex conserve ses préférences et ses compteurs dans « %2$@ » jusqu’à ce qu’il quitte.</translation>
    </message>
    <message>
        <source>"%@" is not a folder that only you can change, and no other could be made; Quillorbitex does not save its preferences and counts in this run.</source>
        <translation>« %@ » n’est pas un dossier que vous seul pouvez modifier, et aucun autre n’a pu être créé ; Quillorbitex n’enregistre pas ses préférences ni ses compteurs pendant cette exécution.</translation>
    </message>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Une nouvelle version de Quillorbitex est disponible</translation>
    </message>
    <message>
        <source>A program of another user listens at "%@"; Quillorbitex does not speak to it and runs in its place.</source>
        <translation>Un programme d’un autre utilisateur écoute sur « %@ » ; Quillorbitex ne communique pas avec lui et s’exécute à sa place.</translation>
    </message>
    <message>
        <source>Accessibility: %@</source>
        <translation>Accessibilité : %@</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Capture Debug</source>
        <translation>Débogage de la capture</translation>
    </message>
    <message>
        <source>Capture gestures</source>
        <translation>Capturer les gestes</translation>
    </message>
    <message>
        <source>Capture health, preset coverage, matching tolerance, and theme controls at a glance.</source>
        <translation>L’état de la capture, les règles prédéfinies, la tolérance de reconnaissance et le thème, d’un coup d’œil.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
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
        <source>Custom Rules</source>
        <translation>Vos règles</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>Tableau de bord</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Disable gesture capture</source>
        <translation>Désactiver la capture des gestes</translation>
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
        <source>Enable gesture capture</source>
        <translation>Activer la capture des gestes</translation>
    </message>
    <message>
        <source>Monitor: %@</source>
        <translation>Surveillance : %@</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>Ouvrir le tableau de bord</translation>
    </message>
    <message>
        <source>Open the rule editor for a guided setup, then enable, disable, scope, or override custom rules and actions directly from the dashboard.</source>
        <translation>Ouvrez l’éditeur de règles pour une configuration guidée, puis activez, désactivez, limitez à certaines apps ou remplacez règles et actions personnalisées directement depuis le tableau de bord.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d’ensemble</translation>
    </message>
    <message>
        <source>Preset Rules</source>
        <translation>Règles prédéfinies</translation>
    </message>
    <message>
        <source>Preset rules are ready immediately. Disable them, scope them to specific apps, swap the gesture, or remove and restore them without leaving the dashboard.</source>
        <translation>Les règles prédéfinies sont prêtes tout de suite. Désactivez-les, limitez-les à certaines apps, changez leur geste, ou supprimez-les et restaurez-les sans quitter le tableau de bord.</translation>
    </message>
    <message>
        <source>Quillorbitex</source>
        <translation>Quillorbitex</translation>
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
        <source>Quillorbitex can neither listen at "%1$@" nor reach an instance there (%2$@), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex ne peut ni écouter sur « %1$@ » ni y joindre une instance (%2$@) ; il démarre donc sans vérifier s’il est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>Quillorbitex cannot open the X display "%@". It runs in an X11 session only; start it from one, or set DISPLAY to the X server to use.</source>
        <translation>Quillorbitex ne peut pas ouvrir l’écran X « %@ ». Il ne fonctionne que dans une session X11 ; lancez-le depuis une telle session ou indiquez dans DISPLAY le serveur X à utiliser.</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex n’a pas pu joindre le serveur de mises à jour.</translation>
    </message>
    <message>
        <source>Quillorbitex does not use "%@" as its test folder: it must be a folder of your own that nobody else can change, reached without symbolic links, and neither your home folder nor a folder holding it. Set QUILLORBITEX_UITEST_BASE_DIR to another folder.</source>
        <translation>Quillorbitex n’utilise pas « %@ » comme dossier de test : ce doit être un dossier qui vous appartient, que personne d’autre ne peut modifier, atteint sans lien symbolique, et ni votre dossier personnel ni un dossier qui le contient. Indiquez un autre dossier dans QUILLORBITEX_UITEST_BASE_DIR.</translation>
    </message>
    <message>
        <source>Quillorbitex found no folder that only you can change for its instance socket, so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex n’a trouvé aucun dossier que vous seul pouvez modifier pour son socket d’instance ; il démarre donc sans vérifier s’il est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>Quit Quillorbitex</source>
        <translation>Quitter Quillorbitex</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <source>Reopen Onboarding</source>
        <translation>Rouvrir l’accueil</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>See live path detection, click suppression, and the last classified gesture.</source>
        <translation>Suivez en direct la détection du tracé, la suppression du clic et le dernier geste classé.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>The folders in which Quillorbitex could keep its instance socket have paths too long for a socket (at most %d bytes), so it starts without checking whether it already runs.</source>
        <translation>Les dossiers dans lesquels Quillorbitex pourrait placer son socket d’instance ont des chemins trop longs pour un socket (%d octets au plus) ; il démarre donc sans vérifier s’il est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>Le serveur de mises à jour n’a envoyé aucune information lisible.</translation>
    </message>
    <message>
        <source>This is a Wayland session: Quillorbitex runs through XWayland and sees only the windows of X11 applications. Strokes drawn over other windows are not captured.</source>
        <translation>Ceci est une session Wayland : Quillorbitex fonctionne via XWayland et ne voit que les fenêtres des applications X11. Les tracés dessinés sur d’autres fenêtres ne sont pas capturés.</translation>
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
    <message>
        <source>selected</source>
        <translation>sélectionné</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>non sélectionné</translation>
    </message>
</context>
</TS>
