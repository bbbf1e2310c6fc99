<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>"%1$@" is not a folder that only you can change; Quillorbitex keeps its preferences and counts in "%2$@" until it quits.</source>
        <translation>"%1$@"은(는) 본인만 변경할 수 있는 폴더가 아닙니다. Quillorbitex는 종료할 때까지 환경설정과 횟수를 "%2$@"에 보관합니다.</translation>
    </message>
    <message>
        <source>"%@" is not a folder that only you can change, and no other could be made; Quillorbitex does not save its preferences and counts in this run.</source>
        <translation>"%@"은(는) 본인만 변경할 수 있는 폴더가 아니며, 다른 폴더도 만들 수 없었습니다. Quillorbitex는 이번 실행 동안 환경설정과 횟수를 저장하지 않습니다.</translation>
    </message>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>새로운 버전의 Quillorbitex를 사용할 수 있습니다</translation>
    </message>
    <message>
        <source>A program of another user listens at "%@"; Quillorbitex does not speak to it and runs in its place.</source>
        <translation>다른 사용자의 프로그램이 "%@"에서 수신 대기 중입니다. Quillorbitex는 그 프로그램과 통신하지 않고 대신 실행됩니다.</translation>
    </message>
    <message>
        <source>Accessibility: %@</source>
        <translation>손쉬운 사용: %@</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>Capture Debug</source>
        <translation>캡처 디버그</translation>
    </message>
    <message>
        <source>Capture gestures</source>
        <translation>제스처 캡처</translation>
    </message>
    <message>
        <source>Capture health, preset coverage, matching tolerance, and theme controls at a glance.</source>
        <translation>캡처 상태, 기본 제공 규칙 범위, 일치 허용 오차, 테마 설정을 한눈에 확인합니다.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>업데이트 확인…</translation>
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
        <source>Custom Rules</source>
        <translation>사용자 지정 규칙</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>대시보드</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>디버깅</translation>
    </message>
    <message>
        <source>Disable gesture capture</source>
        <translation>제스처 캡처 끄기</translation>
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
        <source>Enable gesture capture</source>
        <translation>제스처 캡처 켜기</translation>
    </message>
    <message>
        <source>Monitor: %@</source>
        <translation>모니터: %@</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>대시보드 열기</translation>
    </message>
    <message>
        <source>Open the rule editor for a guided setup, then enable, disable, scope, or override custom rules and actions directly from the dashboard.</source>
        <translation>규칙 편집기에서 안내에 따라 설정한 뒤, 대시보드에서 바로 사용자 지정 규칙과 동작을 켜고 끄거나 적용 범위를 정하거나 재정의하세요.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>개요</translation>
    </message>
    <message>
        <source>Preset Rules</source>
        <translation>기본 제공 규칙</translation>
    </message>
    <message>
        <source>Preset rules are ready immediately. Disable them, scope them to specific apps, swap the gesture, or remove and restore them without leaving the dashboard.</source>
        <translation>기본 제공 규칙은 바로 사용할 수 있습니다. 대시보드를 벗어나지 않고 끄거나, 특정 앱으로 제한하거나, 제스처를 바꾸거나, 제거했다가 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Quillorbitex</source>
        <translation>Quillorbitex</translation>
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
        <source>Quillorbitex can neither listen at "%1$@" nor reach an instance there (%2$@), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex가 "%1$@"에서 대기할 수도, 그곳의 인스턴스에 연결할 수도 없습니다(%2$@). 따라서 이미 실행 중인지 확인하지 않고 시작합니다.</translation>
    </message>
    <message>
        <source>Quillorbitex cannot open the X display "%@". It runs in an X11 session only; start it from one, or set DISPLAY to the X server to use.</source>
        <translation>Quillorbitex가 X 디스플레이 "%@"을(를) 열 수 없습니다. X11 세션에서만 실행됩니다. X11 세션에서 실행하거나 사용할 X 서버를 DISPLAY에 지정하세요.</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex가 업데이트 서버에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>Quillorbitex does not use "%@" as its test folder: it must be a folder of your own that nobody else can change, reached without symbolic links, and neither your home folder nor a folder holding it. Set QUILLORBITEX_UITEST_BASE_DIR to another folder.</source>
        <translation>Quillorbitex는 "%@"을(를) 테스트 폴더로 사용하지 않습니다. 테스트 폴더는 다른 사람이 변경할 수 없는 본인 소유의 폴더여야 하고, 심볼릭 링크를 거치지 않고 접근할 수 있어야 하며, 홈 폴더나 홈 폴더를 포함하는 폴더가 아니어야 합니다. QUILLORBITEX_UITEST_BASE_DIR을 다른 폴더로 설정하세요.</translation>
    </message>
    <message>
        <source>Quillorbitex found no folder that only you can change for its instance socket, so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex가 인스턴스 소켓을 둘, 본인만 변경할 수 있는 폴더를 찾지 못했습니다. 따라서 이미 실행 중인지 확인하지 않고 시작합니다.</translation>
    </message>
    <message>
        <source>Quit Quillorbitex</source>
        <translation>Quillorbitex 종료</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>릴리스 노트</translation>
    </message>
    <message>
        <source>Reopen Onboarding</source>
        <translation>온보딩 다시 열기</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>섹션</translation>
    </message>
    <message>
        <source>See live path detection, click suppression, and the last classified gesture.</source>
        <translation>실시간 경로 감지, 클릭 억제, 마지막으로 분류된 제스처를 확인합니다.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>The folders in which Quillorbitex could keep its instance socket have paths too long for a socket (at most %d bytes), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex가 인스턴스 소켓을 둘 수 있는 폴더의 경로가 소켓에 쓰기에는 너무 깁니다(최대 %d바이트). 따라서 이미 실행 중인지 확인하지 않고 시작합니다.</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>업데이트 서버가 읽을 수 있는 업데이트 정보를 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>This is a Wayland session: Quillorbitex runs through XWayland and sees only the windows of X11 applications. Strokes drawn over other windows are not captured.</source>
        <translation>Wayland 세션입니다. Quillorbitex는 XWayland를 통해 실행되며 X11 애플리케이션의 창만 인식합니다. 다른 창 위에 그린 스트로크는 캡처되지 않습니다.</translation>
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
    <message>
        <source>selected</source>
        <translation>선택됨</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>선택 안 됨</translation>
    </message>
</context>
</TS>
