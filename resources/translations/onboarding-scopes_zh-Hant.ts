<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>L10n</name>
    <message>
        <source>%lld custom rule(s) saved.</source>
        <translation>已儲存 %lld 條自訂規則。</translation>
    </message>
    <message>
        <source>Allow in App</source>
        <translation>在 App 中允許</translation>
    </message>
    <message>
        <source>App Allow and Block Rules</source>
        <translation>App 允許與阻擋規則</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Block in App</source>
        <translation>在 App 中阻擋</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Check Access</source>
        <translation>檢查存取</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>重新檢查</translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation>選擇 App</translation>
    </message>
    <message>
        <source>Choose which apps should explicitly allow or block this gesture when they have focus.</source>
        <translation>選擇哪些 App 在取得焦點時明確允許或阻擋此手勢。</translation>
    </message>
    <message>
        <source>Continue →</source>
        <translation>繼續 →</translation>
    </message>
    <message>
        <source>Desktop Settings</source>
        <translation>桌面設定</translation>
    </message>
    <message>
        <source>Draw. Fire. Repeat.</source>
        <translation>畫一筆，即觸發，再來一次。</translation>
    </message>
    <message>
        <source>Example: %@</source>
        <translation>範例：%@</translation>
    </message>
    <message>
        <source>Gesture Monitor</source>
        <translation>手勢監控</translation>
    </message>
    <message>
        <source>Gestures work once the X display lets Quillorbitex take the right button and send keys and clicks.</source>
        <translation>只要 X 顯示伺服器允許 Quillorbitex 接管滑鼠右鍵並傳送按鍵和點按，手勢即可使用。</translation>
    </message>
    <message>
        <source>Make It Yours</source>
        <translation>依你的方式來</translation>
    </message>
    <message>
        <source>Map right-button mouse strokes to shortcuts, apps, links, and preset actions.</source>
        <translation>將滑鼠右鍵筆劃對應到快速鍵、App、連結和預設動作。</translation>
    </message>
    <message>
        <source>No apps are available right now. Installed and running apps appear here automatically.</source>
        <translation>目前沒有可用的 App。已安裝和正在執行的 App 會自動顯示在這裡。</translation>
    </message>
    <message>
        <source>No per-app rules yet. The global gesture state applies until you allow or block specific apps.</source>
        <translation>尚無個別 App 規則。在你允許或阻擋特定 App 之前，適用手勢的整體狀態。</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>開啟儀表板</translation>
    </message>
    <message>
        <source>Override built-ins or add gesture rules for shortcuts, apps, links, and preset actions.</source>
        <translation>覆寫內建規則，或為快速鍵、App、連結和預設動作加入手勢規則。</translation>
    </message>
    <message>
        <source>Pick an app</source>
        <translation>選擇一個 App</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Step %lld of %lld</source>
        <translation>第 %lld 步，共 %lld 步</translation>
    </message>
    <message>
        <source>Use Allowed rules to make a disabled gesture work only in certain apps. Use Blocked rules to keep an enabled gesture from firing in certain apps.</source>
        <translation>使用「允許」規則讓已停用的手勢只在特定 App 中生效。使用「阻擋」規則讓已啟用的手勢不在特定 App 中觸發。</translation>
    </message>
    <message>
        <source>X Display</source>
        <translation>X 顯示伺服器</translation>
    </message>
</context>
</TS>
