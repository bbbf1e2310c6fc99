<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Quillorbitex 有新版本可用</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>请下载后用软件包管理器安装。</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ 现已推出，您的版本为 %2$@。</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ 是目前可用的最新版本。</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex 无法连接到更新服务器。</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>版本说明</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>更新服务器没有发送可读取的更新信息。</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>请稍后再试。</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>检查更新失败</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>已是最新版本</translation>
    </message>
</context>
</TS>
