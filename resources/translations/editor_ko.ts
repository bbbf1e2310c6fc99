<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>L10n</name>
    <message>
        <source>%@  →  %@</source>
        <translation>%@  →  %@</translation>
    </message>
    <message>
        <source>0%lld</source>
        <translation>0%lld</translation>
    </message>
    <message>
        <source>A captured freeform path becomes a reusable gesture once you save it.</source>
        <translation>캡처한 자유형 경로는 저장하면 다시 쓸 수 있는 제스처가 됩니다.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Action Type</source>
        <translation>동작 유형</translation>
    </message>
    <message>
        <source>Arm capture and draw the gesture you want to bind. Quillorbitex will classify directional strokes automatically and keep freeform paths for gesture matching.</source>
        <translation>캡처를 켜고 연결할 제스처를 그리세요. Quillorbitex가 방향 스트로크는 자동으로 분류하고 자유형 경로는 제스처 비교용으로 보관합니다.</translation>
    </message>
    <message>
        <source>Armed. Draw a gesture now.</source>
        <translation>준비되었습니다. 지금 제스처를 그리세요.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Cancel Capture</source>
        <translation>캡처 취소</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>녹화 취소</translation>
    </message>
    <message>
        <source>Capture Gesture</source>
        <translation>제스처 캡처</translation>
    </message>
    <message>
        <source>Capture a gesture</source>
        <translation>제스처를 캡처하세요</translation>
    </message>
    <message>
        <source>Capture a gesture to preview the rule before you save it.</source>
        <translation>제스처를 캡처하면 저장하기 전에 규칙을 미리 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Capture a gesture, choose an action, and save the rule in a guided flow.</source>
        <translation>안내에 따라 제스처를 캡처하고 동작을 고른 다음 규칙을 저장합니다.</translation>
    </message>
    <message>
        <source>Capture once to lock in the next meaningful gesture.</source>
        <translation>한 번 캡처하면 다음에 그리는 유효한 제스처가 확정됩니다.</translation>
    </message>
    <message>
        <source>Capture the replacement gesture. The existing action stays attached, and the old rule will be removed when you save a different gesture.</source>
        <translation>바꿀 제스처를 캡처하세요. 기존 동작은 그대로 유지되며, 다른 제스처를 저장하면 이전 규칙은 제거됩니다.</translation>
    </message>
    <message>
        <source>Captured %@.</source>
        <translation>%@ 을(를) 기록했습니다.</translation>
    </message>
    <message>
        <source>Captured freeform path</source>
        <translation>자유형 경로를 캡처함</translation>
    </message>
    <message>
        <source>Choose a reusable action Quillorbitex should send when the gesture matches.</source>
        <translation>제스처가 일치할 때 Quillorbitex가 보낼 재사용 동작을 고르세요.</translation>
    </message>
    <message>
        <source>Choose a running app</source>
        <translation>실행 중인 앱 선택</translation>
    </message>
    <message>
        <source>Choose a running app or enter the ID of an installed app.</source>
        <translation>실행 중인 앱을 고르거나 설치된 앱의 ID를 입력하세요.</translation>
    </message>
    <message>
        <source>Choose action</source>
        <translation>동작 선택</translation>
    </message>
    <message>
        <source>Choose an action before continuing.</source>
        <translation>계속하려면 동작을 고르세요.</translation>
    </message>
    <message>
        <source>Choose the action Quillorbitex should send whenever this rule matches.</source>
        <translation>이 규칙이 일치할 때마다 Quillorbitex가 보낼 동작을 고르세요.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Current action: %@</source>
        <translation>현재 동작: %@</translation>
    </message>
    <message>
        <source>Current action: %@.</source>
        <translation>현재 동작: %@.</translation>
    </message>
    <message>
        <source>Current target: %@</source>
        <translation>현재 대상: %@</translation>
    </message>
    <message>
        <source>Enter a URL to open when the gesture matches.</source>
        <translation>제스처가 일치할 때 열 URL을 입력하세요.</translation>
    </message>
    <message>
        <source>Enter a full URL with a scheme such as https:// or mailto:.</source>
        <translation>https:// 또는 mailto: 같은 스킴을 포함한 전체 URL을 입력하세요.</translation>
    </message>
    <message>
        <source>Existing custom action: %@</source>
        <translation>기존 사용자 지정 동작: %@</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>제스처</translation>
    </message>
    <message>
        <source>Handled by %@</source>
        <translation>%@에서 엽니다</translation>
    </message>
    <message>
        <source>Keep the current action, but replace the gesture that triggers it.</source>
        <translation>현재 동작은 유지하고 이를 실행하는 제스처만 바꿉니다.</translation>
    </message>
    <message>
        <source>Keep the gesture, but change the action Quillorbitex sends.</source>
        <translation>제스처는 유지하고 Quillorbitex가 보내는 동작만 바꿉니다.</translation>
    </message>
    <message>
        <source>Listening for keys...</source>
        <translation>키 입력을 기다리는 중...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>No captured gesture yet</source>
        <translation>아직 캡처한 제스처가 없음</translation>
    </message>
    <message>
        <source>No existing rule uses this gesture yet.</source>
        <translation>아직 이 제스처를 쓰는 규칙이 없습니다.</translation>
    </message>
    <message>
        <source>No installed app has this ID.</source>
        <translation>이 ID를 가진 설치된 앱이 없습니다.</translation>
    </message>
    <message>
        <source>No installed app is available to open this URL.</source>
        <translation>이 URL을 열 수 있는 설치된 앱이 없습니다.</translation>
    </message>
    <message>
        <source>No shortcut recorded yet</source>
        <translation>아직 기록한 단축키가 없음</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>설정 안 됨</translation>
    </message>
    <message>
        <source>Optional name for this rule</source>
        <translation>이 규칙의 이름(선택 사항)</translation>
    </message>
    <message>
        <source>Override Action</source>
        <translation>동작 재정의</translation>
    </message>
    <message>
        <source>Override Gesture</source>
        <translation>제스처 재정의</translation>
    </message>
    <message>
        <source>Override Preset</source>
        <translation>프리셋 재정의</translation>
    </message>
    <message>
        <source>Pick a new action for this rule. The gesture stays the same unless you go back and recapture it.</source>
        <translation>이 규칙의 새 동작을 고르세요. 돌아가서 다시 캡처하지 않으면 제스처는 그대로입니다.</translation>
    </message>
    <message>
        <source>Pick a running app or enter an application ID manually.</source>
        <translation>실행 중인 앱을 고르거나 앱 ID를 직접 입력하세요.</translation>
    </message>
    <message>
        <source>Preset action: %@</source>
        <translation>프리셋 동작: %@</translation>
    </message>
    <message>
        <source>Press the keys you want Quillorbitex to send.</source>
        <translation>Quillorbitex가 보낼 키를 누르세요.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation>단축키 기록</translation>
    </message>
    <message>
        <source>Resolved app: %@</source>
        <translation>찾은 앱: %@</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>검토</translation>
    </message>
    <message>
        <source>Rule Name (Optional)</source>
        <translation>규칙 이름(선택 사항)</translation>
    </message>
    <message>
        <source>Running Apps</source>
        <translation>실행 중인 앱</translation>
    </message>
    <message>
        <source>Save Action Override</source>
        <translation>동작 재정의 저장</translation>
    </message>
    <message>
        <source>Save Gesture Override</source>
        <translation>제스처 재정의 저장</translation>
    </message>
    <message>
        <source>Save Rule</source>
        <translation>규칙 저장</translation>
    </message>
    <message>
        <source>Saving now will override the preset action for this gesture.</source>
        <translation>지금 저장하면 이 제스처의 프리셋 동작을 재정의합니다.</translation>
    </message>
    <message>
        <source>Saving now will update the existing custom rule for this gesture.</source>
        <translation>지금 저장하면 이 제스처의 기존 사용자 지정 규칙이 업데이트됩니다.</translation>
    </message>
    <message>
        <source>Saving will keep this rule on its current gesture with the updated action.</source>
        <translation>저장하면 이 규칙은 현재 제스처를 유지하고 바뀐 동작을 사용합니다.</translation>
    </message>
    <message>
        <source>Saving will move this rule to the new gesture and remove the original gesture binding.</source>
        <translation>저장하면 이 규칙은 새 제스처로 옮겨지고 원래 제스처 연결은 제거됩니다.</translation>
    </message>
    <message>
        <source>Saving will update the action sent by this gesture.</source>
        <translation>저장하면 이 제스처가 보내는 동작이 업데이트됩니다.</translation>
    </message>
    <message>
        <source>Selected Action</source>
        <translation>선택한 동작</translation>
    </message>
    <message>
        <source>Shortcut capture cancelled.</source>
        <translation>단축키 기록을 취소했습니다.</translation>
    </message>
    <message>
        <source>Step 1: choose the gesture</source>
        <translation>1단계: 제스처 선택</translation>
    </message>
    <message>
        <source>Step 2: choose the action</source>
        <translation>2단계: 동작 선택</translation>
    </message>
    <message>
        <source>Step 3: review and save</source>
        <translation>3단계: 검토 후 저장</translation>
    </message>
    <message>
        <source>Store the target app by its application ID so the rule stays stable across launches.</source>
        <translation>대상 앱을 앱 ID로 저장하므로 다시 실행해도 규칙이 유지됩니다.</translation>
    </message>
    <message>
        <source>That key combination could not be captured.</source>
        <translation>해당 키 조합은 기록할 수 없습니다.</translation>
    </message>
    <message>
        <source>The app that was in front has no desktop entry, so it cannot be used.</source>
        <translation>맨 앞에 있던 앱에 데스크톱 항목이 없어 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The current action is preloaded. Change it here only if you want this gesture to do something different.</source>
        <translation>현재 동작이 미리 불러와져 있습니다. 이 제스처로 다른 일을 하고 싶을 때만 바꾸세요.</translation>
    </message>
    <message>
        <source>The current gesture is loaded. Keep it, or recapture if you want to switch both the gesture and the action while you are here.</source>
        <translation>현재 제스처가 불러와져 있습니다. 그대로 두거나, 제스처와 동작을 함께 바꾸려면 다시 캡처하세요.</translation>
    </message>
    <message>
        <source>This URL is not valid yet.</source>
        <translation>이 URL은 아직 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>This captured path will be saved as a reusable gesture and matched using the current threshold.</source>
        <translation>캡처한 이 경로는 다시 쓸 수 있는 제스처로 저장되며 현재 임계값으로 비교됩니다.</translation>
    </message>
    <message>
        <source>This gesture already sends %@. Saving will replace that rule.</source>
        <translation>이 제스처는 이미 %@ 을(를) 보냅니다. 저장하면 해당 규칙이 바뀝니다.</translation>
    </message>
    <message>
        <source>This gesture will be added immediately as a custom rule.</source>
        <translation>이 제스처는 바로 사용자 지정 규칙으로 추가됩니다.</translation>
    </message>
    <message>
        <source>This path is too short to save as a gesture. Capture a longer stroke.</source>
        <translation>이 경로는 너무 짧아 제스처로 저장할 수 없습니다. 더 긴 스트로크를 캡처하세요.</translation>
    </message>
    <message>
        <source>Update Rule</source>
        <translation>규칙 업데이트</translation>
    </message>
    <message>
        <source>Use Frontmost</source>
        <translation>맨 앞 앱 사용</translation>
    </message>
    <message>
        <source>Use a full URL including the scheme, for example https:// or mailto:.</source>
        <translation>https:// 또는 mailto: 처럼 스킴을 포함한 전체 URL을 사용하세요.</translation>
    </message>
    <message>
        <source>You can keep the current gesture or recapture it if this rule should move.</source>
        <translation>현재 제스처를 유지하거나, 이 규칙을 옮기려면 다시 캡처하세요.</translation>
    </message>
</context>
</TS>
