<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>L10n</name>
    <message>
        <source>"%1$@" is not a folder that only you can change; Quillorbitex keeps its preferences and counts in "%2$@" until it quits.</source>
        <translation>„%1$@“ ist kein Ordner, den nur Sie ändern können; Quillorbitex speichert seine Einstellungen und Zählungen bis zum Beenden in „%2$@“.</translation>
    </message>
    <message>
        <source>"%@" is not a folder that only you can change, and no other could be made; Quillorbitex does not save its preferences and counts in this run.</source>
        <translation>„%@“ ist kein Ordner, den nur Sie ändern können, und es konnte kein anderer angelegt werden; Quillorbitex speichert während dieser Ausführung weder seine Einstellungen noch seine Zählungen.</translation>
    </message>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Eine neue Version von Quillorbitex ist verfügbar</translation>
    </message>
    <message>
        <source>A program of another user listens at "%@"; Quillorbitex does not speak to it and runs in its place.</source>
        <translation>Ein Programm eines anderen Benutzers lauscht unter „%@“; Quillorbitex spricht nicht mit ihm und läuft an seiner Stelle.</translation>
    </message>
    <message>
        <source>Accessibility: %@</source>
        <translation>Bedienungshilfen: %@</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Erfassung</translation>
    </message>
    <message>
        <source>Capture Debug</source>
        <translation>Erfassung untersuchen</translation>
    </message>
    <message>
        <source>Capture gestures</source>
        <translation>Gesten erfassen</translation>
    </message>
    <message>
        <source>Capture health, preset coverage, matching tolerance, and theme controls at a glance.</source>
        <translation>Erfassungsstatus, Vorgaben, Erkennungstoleranz und Design auf einen Blick.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen…</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>Prüfen Sie Ihre Netzwerkverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Custom Rules</source>
        <translation>Eigene Regeln</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>Dashboard</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>Fehlersuche</translation>
    </message>
    <message>
        <source>Disable gesture capture</source>
        <translation>Gestenerfassung deaktivieren</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>Laden Sie sie herunter und installieren Sie sie mit Ihrer Paketverwaltung.</translation>
    </message>
    <message>
        <source>Enable gesture capture</source>
        <translation>Gestenerfassung aktivieren</translation>
    </message>
    <message>
        <source>Monitor: %@</source>
        <translation>Überwachung: %@</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>Dashboard öffnen</translation>
    </message>
    <message>
        <source>Open the rule editor for a guided setup, then enable, disable, scope, or override custom rules and actions directly from the dashboard.</source>
        <translation>Öffnen Sie den Regeleditor für eine geführte Einrichtung und aktivieren, deaktivieren, beschränken oder überschreiben Sie eigene Regeln und Aktionen dann direkt im Dashboard.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Preset Rules</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>Preset rules are ready immediately. Disable them, scope them to specific apps, swap the gesture, or remove and restore them without leaving the dashboard.</source>
        <translation>Vorgegebene Regeln sind sofort einsatzbereit. Deaktivieren Sie sie, beschränken Sie sie auf bestimmte Apps, tauschen Sie die Geste oder entfernen Sie sie und stellen Sie sie wieder her, ohne das Dashboard zu verlassen.</translation>
    </message>
    <message>
        <source>Quillorbitex</source>
        <translation>Quillorbitex</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ ist verfügbar; installiert ist %2$@.</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ ist die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Quillorbitex can neither listen at "%1$@" nor reach an instance there (%2$@), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex kann weder unter „%1$@“ lauschen noch eine dortige Instanz erreichen (%2$@); es startet daher, ohne zu prüfen, ob es bereits läuft.</translation>
    </message>
    <message>
        <source>Quillorbitex cannot open the X display "%@". It runs in an X11 session only; start it from one, or set DISPLAY to the X server to use.</source>
        <translation>Quillorbitex kann die X-Anzeige „%@“ nicht öffnen. Es läuft nur in einer X11-Sitzung; starten Sie es dort oder setzen Sie DISPLAY auf den zu verwendenden X-Server.</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex konnte den Update-Server nicht erreichen.</translation>
    </message>
    <message>
        <source>Quillorbitex does not use "%@" as its test folder: it must be a folder of your own that nobody else can change, reached without symbolic links, and neither your home folder nor a folder holding it. Set QUILLORBITEX_UITEST_BASE_DIR to another folder.</source>
        <translation>Quillorbitex verwendet „%@“ nicht als Testordner: Er muss Ihnen gehören, darf von niemand anderem geändert werden können, muss ohne symbolische Links erreichbar sein und darf weder Ihr persönlicher Ordner noch ein Ordner sein, der diesen enthält. Setzen Sie QUILLORBITEX_UITEST_BASE_DIR auf einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Quillorbitex found no folder that only you can change for its instance socket, so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex hat keinen Ordner gefunden, den nur Sie ändern können, um seinen Instanz-Socket abzulegen; es startet daher, ohne zu prüfen, ob es bereits läuft.</translation>
    </message>
    <message>
        <source>Quit Quillorbitex</source>
        <translation>Quillorbitex beenden</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versionshinweise</translation>
    </message>
    <message>
        <source>Reopen Onboarding</source>
        <translation>Einführung erneut öffnen</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>See live path detection, click suppression, and the last classified gesture.</source>
        <translation>Verfolgen Sie live die Pfaderkennung, die Klickunterdrückung und die zuletzt erkannte Geste.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>The folders in which Quillorbitex could keep its instance socket have paths too long for a socket (at most %d bytes), so it starts without checking whether it already runs.</source>
        <translation>Die Ordner, in denen Quillorbitex seinen Instanz-Socket ablegen könnte, haben zu lange Pfade für einen Socket (höchstens %d Bytes); es startet daher, ohne zu prüfen, ob es bereits läuft.</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>Der Update-Server hat keine lesbaren Update-Informationen gesendet.</translation>
    </message>
    <message>
        <source>This is a Wayland session: Quillorbitex runs through XWayland and sees only the windows of X11 applications. Strokes drawn over other windows are not captured.</source>
        <translation>Dies ist eine Wayland-Sitzung: Quillorbitex läuft über XWayland und sieht nur die Fenster von X11-Anwendungen. Striche über anderen Fenstern werden nicht erfasst.</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Suche nach Updates fehlgeschlagen</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Alles auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>nicht ausgewählt</translation>
    </message>
</context>
</TS>
