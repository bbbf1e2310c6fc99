<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>No action</source>
        <translation>동작 없음</translation>
    </message>
</context>
</TS>
