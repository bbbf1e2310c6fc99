<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>%@ %d</source>
        <translation>%@ %d</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Changes to the preferences are not saved yet: another program is using the preferences file in "%@". They apply now and are saved as soon as it lets go of the file, at the latest when Quillorbitex starts again.</source>
        <translation>환경설정 변경 사항이 아직 저장되지 않았습니다. 다른 프로그램이 "%@"에 있는 환경설정 파일을 사용하고 있습니다. 변경 사항은 지금 적용되며, 그 프로그램이 파일을 놓아주는 즉시, 늦어도 Quillorbitex를 다시 시작할 때 저장됩니다.</translation>
    </message>
    <message>
        <source>Changes to the preferences cannot be saved in "%@". They apply until Quillorbitex quits and are saved as soon as that folder can be written.</source>
        <translation>환경설정 변경 사항을 "%@"에 저장할 수 없습니다. 변경 사항은 Quillorbitex를 종료할 때까지 적용되며, 이 폴더에 쓸 수 있게 되면 바로 저장됩니다.</translation>
    </message>
    <message>
        <source>Could not change Open at Login. Check that the autostart folder is writable.</source>
        <translation>로그인 시 열기를 변경할 수 없습니다. 자동 시작 폴더에 쓸 수 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>Gesture capture needs an X11 session whose server accepts synthetic input (XTEST).</source>
        <translation>제스처 캡처에는 합성 입력(XTEST)을 받아들이는 X 서버의 X11 세션이 필요합니다.</translation>
    </message>
    <message>
        <source>No overlay diagnostics recorded yet.</source>
        <translation>아직 기록된 오버레이 진단 정보가 없습니다.</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Preferences that could not be read were kept in "%@"; Quillorbitex went on without them.</source>
        <translation>읽을 수 없는 환경설정을 "%@"에 보관했습니다. Quillorbitex는 해당 설정 없이 계속 실행되었습니다.</translation>
    </message>
    <message>
        <source>Saved Gesture</source>
        <translation>저장된 제스처</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>The stored preference "%@" could not be read and no copy of it could be kept; Quillorbitex went on without it and leaves it as it is.</source>
        <translation>저장된 환경설정 "%@"을(를) 읽을 수 없었고 사본도 보관할 수 없었습니다. Quillorbitex는 해당 설정 없이 계속 실행되었으며 설정은 그대로 둡니다.</translation>
    </message>
    <message>
        <source>Usage counts that could not be read were kept in "%@"; Quillorbitex went on counting in a new file.</source>
        <translation>읽을 수 없는 사용 횟수를 "%@"에 보관했습니다. Quillorbitex는 새 파일에서 계속 집계했습니다.</translation>
    </message>
    <message>
        <source>capture: right-button strokes with %@ held are left to another program, which holds them.</source>
        <translation>캡처: %@ 키를 누른 채 그리는 오른쪽 버튼 스트로크는 이를 점유한 다른 프로그램에 맡깁니다.</translation>
    </message>
</context>
</TS>
