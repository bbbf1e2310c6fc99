<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
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
        <translation>儲存後，擷取的自由路徑會成為可重複使用的手勢。</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Action Type</source>
        <translation>動作類型</translation>
    </message>
    <message>
        <source>Arm capture and draw the gesture you want to bind. Quillorbitex will classify directional strokes automatically and keep freeform paths for gesture matching.</source>
        <translation>開啟擷取，然後畫出要綁定的手勢。Quillorbitex 會自動辨識方向筆畫，並保留自由路徑供手勢比對。</translation>
    </message>
    <message>
        <source>Armed. Draw a gesture now.</source>
        <translation>已就緒。現在畫出手勢。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel Capture</source>
        <translation>取消擷取</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>取消錄製</translation>
    </message>
    <message>
        <source>Capture Gesture</source>
        <translation>擷取手勢</translation>
    </message>
    <message>
        <source>Capture a gesture</source>
        <translation>擷取一個手勢</translation>
    </message>
    <message>
        <source>Capture a gesture to preview the rule before you save it.</source>
        <translation>擷取手勢後，即可在儲存前預覽規則。</translation>
    </message>
    <message>
        <source>Capture a gesture, choose an action, and save the rule in a guided flow.</source>
        <translation>依引導步驟擷取手勢、選擇動作並儲存規則。</translation>
    </message>
    <message>
        <source>Capture once to lock in the next meaningful gesture.</source>
        <translation>開啟一次擷取，即可鎖定下一個有效手勢。</translation>
    </message>
    <message>
        <source>Capture the replacement gesture. The existing action stays attached, and the old rule will be removed when you save a different gesture.</source>
        <translation>擷取新的手勢。現有動作維持不變；如果儲存的是不同的手勢，舊規則將被移除。</translation>
    </message>
    <message>
        <source>Captured %@.</source>
        <translation>已錄製 %@。</translation>
    </message>
    <message>
        <source>Captured freeform path</source>
        <translation>已擷取自由路徑</translation>
    </message>
    <message>
        <source>Choose a reusable action Quillorbitex should send when the gesture matches.</source>
        <translation>選擇一個可重複使用的動作，手勢相符時由 Quillorbitex 傳送。</translation>
    </message>
    <message>
        <source>Choose a running app</source>
        <translation>選擇正在執行的 App</translation>
    </message>
    <message>
        <source>Choose a running app or enter the ID of an installed app.</source>
        <translation>請選擇正在執行的 App，或輸入已安裝 App 的 ID。</translation>
    </message>
    <message>
        <source>Choose action</source>
        <translation>選擇動作</translation>
    </message>
    <message>
        <source>Choose an action before continuing.</source>
        <translation>請先選擇一個動作再繼續。</translation>
    </message>
    <message>
        <source>Choose the action Quillorbitex should send whenever this rule matches.</source>
        <translation>選擇每當此規則相符時 Quillorbitex 應傳送的動作。</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Current action: %@</source>
        <translation>目前動作：%@</translation>
    </message>
    <message>
        <source>Current action: %@.</source>
        <translation>目前動作：%@。</translation>
    </message>
    <message>
        <source>Current target: %@</source>
        <translation>目前目標：%@</translation>
    </message>
    <message>
        <source>Enter a URL to open when the gesture matches.</source>
        <translation>輸入手勢相符時要打開的網址。</translation>
    </message>
    <message>
        <source>Enter a full URL with a scheme such as https:// or mailto:.</source>
        <translation>請輸入含協定的完整網址，例如 https:// 或 mailto:。</translation>
    </message>
    <message>
        <source>Existing custom action: %@</source>
        <translation>現有自訂動作：%@</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>手勢</translation>
    </message>
    <message>
        <source>Handled by %@</source>
        <translation>由 %@ 開啟</translation>
    </message>
    <message>
        <source>Keep the current action, but replace the gesture that triggers it.</source>
        <translation>保留目前動作，但替換觸發它的手勢。</translation>
    </message>
    <message>
        <source>Keep the gesture, but change the action Quillorbitex sends.</source>
        <translation>保留手勢，但更改 Quillorbitex 傳送的動作。</translation>
    </message>
    <message>
        <source>Listening for keys...</source>
        <translation>正在等待按鍵...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>No captured gesture yet</source>
        <translation>尚未擷取手勢</translation>
    </message>
    <message>
        <source>No existing rule uses this gesture yet.</source>
        <translation>目前還沒有規則使用此手勢。</translation>
    </message>
    <message>
        <source>No installed app has this ID.</source>
        <translation>沒有已安裝的 App 使用此 ID。</translation>
    </message>
    <message>
        <source>No installed app is available to open this URL.</source>
        <translation>沒有已安裝的 App 可以打開此網址。</translation>
    </message>
    <message>
        <source>No shortcut recorded yet</source>
        <translation>尚未錄製快速鍵</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>未設定</translation>
    </message>
    <message>
        <source>Optional name for this rule</source>
        <translation>此規則的名稱（選填）</translation>
    </message>
    <message>
        <source>Override Action</source>
        <translation>覆寫動作</translation>
    </message>
    <message>
        <source>Override Gesture</source>
        <translation>覆寫手勢</translation>
    </message>
    <message>
        <source>Override Preset</source>
        <translation>覆寫預設</translation>
    </message>
    <message>
        <source>Pick a new action for this rule. The gesture stays the same unless you go back and recapture it.</source>
        <translation>為此規則選擇新動作。除非返回重新擷取，否則手勢維持不變。</translation>
    </message>
    <message>
        <source>Pick a running app or enter an application ID manually.</source>
        <translation>選擇正在執行的 App，或手動輸入 App ID。</translation>
    </message>
    <message>
        <source>Preset action: %@</source>
        <translation>預設動作：%@</translation>
    </message>
    <message>
        <source>Press the keys you want Quillorbitex to send.</source>
        <translation>請按下希望 Quillorbitex 傳送的按鍵。</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation>錄製快速鍵</translation>
    </message>
    <message>
        <source>Resolved app: %@</source>
        <translation>已找到 App：%@</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>檢查</translation>
    </message>
    <message>
        <source>Rule Name (Optional)</source>
        <translation>規則名稱（選填）</translation>
    </message>
    <message>
        <source>Running Apps</source>
        <translation>正在執行的 App</translation>
    </message>
    <message>
        <source>Save Action Override</source>
        <translation>儲存動作覆寫</translation>
    </message>
    <message>
        <source>Save Gesture Override</source>
        <translation>儲存手勢覆寫</translation>
    </message>
    <message>
        <source>Save Rule</source>
        <translation>儲存規則</translation>
    </message>
    <message>
        <source>Saving now will override the preset action for this gesture.</source>
        <translation>現在儲存將覆寫此手勢的預設動作。</translation>
    </message>
    <message>
        <source>Saving now will update the existing custom rule for this gesture.</source>
        <translation>現在儲存將更新此手勢現有的自訂規則。</translation>
    </message>
    <message>
        <source>Saving will keep this rule on its current gesture with the updated action.</source>
        <translation>儲存後，此規則將保留目前手勢並使用更新後的動作。</translation>
    </message>
    <message>
        <source>Saving will move this rule to the new gesture and remove the original gesture binding.</source>
        <translation>儲存後，此規則將移到新手勢，並移除原本的手勢綁定。</translation>
    </message>
    <message>
        <source>Saving will update the action sent by this gesture.</source>
        <translation>儲存後將更新此手勢傳送的動作。</translation>
    </message>
    <message>
        <source>Selected Action</source>
        <translation>已選動作</translation>
    </message>
    <message>
        <source>Shortcut capture cancelled.</source>
        <translation>已取消錄製快速鍵。</translation>
    </message>
    <message>
        <source>Step 1: choose the gesture</source>
        <translation>第 1 步：選擇手勢</translation>
    </message>
    <message>
        <source>Step 2: choose the action</source>
        <translation>第 2 步：選擇動作</translation>
    </message>
    <message>
        <source>Step 3: review and save</source>
        <translation>第 3 步：檢查並儲存</translation>
    </message>
    <message>
        <source>Store the target app by its application ID so the rule stays stable across launches.</source>
        <translation>依 App ID 儲存目標 App，讓規則在每次啟動後都維持有效。</translation>
    </message>
    <message>
        <source>That key combination could not be captured.</source>
        <translation>無法錄製該組合鍵。</translation>
    </message>
    <message>
        <source>The app that was in front has no desktop entry, so it cannot be used.</source>
        <translation>先前的前景 App 沒有桌面項目，因此無法使用。</translation>
    </message>
    <message>
        <source>The current action is preloaded. Change it here only if you want this gesture to do something different.</source>
        <translation>目前動作已預先載入。只有想讓此手勢執行其他操作時才需在此更改。</translation>
    </message>
    <message>
        <source>The current gesture is loaded. Keep it, or recapture if you want to switch both the gesture and the action while you are here.</source>
        <translation>已載入目前手勢。可以保留，也可以重新擷取，同時更換手勢和動作。</translation>
    </message>
    <message>
        <source>This URL is not valid yet.</source>
        <translation>此網址尚無效。</translation>
    </message>
    <message>
        <source>This captured path will be saved as a reusable gesture and matched using the current threshold.</source>
        <translation>此擷取的路徑將儲存為可重複使用的手勢，並依目前門檻進行比對。</translation>
    </message>
    <message>
        <source>This gesture already sends %@. Saving will replace that rule.</source>
        <translation>此手勢已傳送 %@。儲存將取代該規則。</translation>
    </message>
    <message>
        <source>This gesture will be added immediately as a custom rule.</source>
        <translation>此手勢將立即新增為自訂規則。</translation>
    </message>
    <message>
        <source>This path is too short to save as a gesture. Capture a longer stroke.</source>
        <translation>此路徑太短，無法儲存為手勢。請擷取更長的筆畫。</translation>
    </message>
    <message>
        <source>Update Rule</source>
        <translation>更新規則</translation>
    </message>
    <message>
        <source>Use Frontmost</source>
        <translation>使用前景 App</translation>
    </message>
    <message>
        <source>Use a full URL including the scheme, for example https:// or mailto:.</source>
        <translation>請使用包含協定的完整網址，例如 https:// 或 mailto:。</translation>
    </message>
    <message>
        <source>You can keep the current gesture or recapture it if this rule should move.</source>
        <translation>可以保留目前手勢；如果此規則需要換手勢，可重新擷取。</translation>
    </message>
</context>
</TS>
