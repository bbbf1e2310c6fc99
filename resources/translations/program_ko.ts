<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>새로운 버전의 Quillorbitex를 사용할 수 있습니다</translation>
    </message>
    <message>
        <source>Check your network connection and try again.</source>
        <translation>네트워크 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Download it and install it with your package manager.</source>
        <translation>다운로드한 후 패키지 관리자로 설치하세요.</translation>
    </message>
    <message>
        <source>Quillorbitex %1$@ is available; you have %2$@.</source>
        <translation>Quillorbitex %1$@을(를) 사용할 수 있습니다. 현재 버전은 %2$@입니다.</translation>
    </message>
    <message>
        <source>Quillorbitex %@ is the newest version available.</source>
        <translation>Quillorbitex %@이(가) 사용 가능한 최신 버전입니다.</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex가 업데이트 서버에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>릴리스 노트</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>업데이트 서버가 읽을 수 있는 업데이트 정보를 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>업데이트 확인 실패</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>최신 버전입니다</translation>
    </message>
</context>
</TS>
