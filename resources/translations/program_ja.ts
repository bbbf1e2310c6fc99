<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>L10n</name>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Quillorbitex の新しいバージョンがあります</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>ネットワーク接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>ダウンロードして、パッケージマネージャでインストールしてください。</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@ が入手可能です（現在のバージョンは %2$@）。</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@ は入手可能な最新バージョンです。</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex はアップデートサーバに接続できませんでした。</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>リリースノート</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェア・アップデート</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>アップデートサーバから読み取れるアップデート情報が届きませんでした。</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>アップデートを確認できませんでした</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>最新の状態です</translation>
    </message>
</context>
</TS>
