<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>L10n</name>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Quillorbitex 有新版本可用</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>請檢查網路連線，然後再試一次。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>請下載後用套件管理程式安裝。</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ 現已推出，您的版本為 %2$@。</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ 是目前可用的最新版本。</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex 無法連線到更新伺服器。</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>版本說明</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>軟體更新</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>更新伺服器沒有傳送可讀取的更新資訊。</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>請稍後再試。</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>檢查更新失敗</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>已是最新版本</translation>
    </message>
</context>
</TS>
