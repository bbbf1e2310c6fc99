<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>L10n</name>
    <message>
        <source>"%1$@" is not a folder that only you can change; Quillorbitex keeps its preferences and counts in "%2$@" until it quits.</source>
        <translation>「%1$@」不是只有您能變更的資料夾；在結束之前，Quillorbitex 會將其偏好設定和計數保存在「%2$@」中。</translation>
    </message>
    <message>
        <source>"%@" is not a folder that only you can change, and no other could be made; Quillorbitex does not save its preferences and counts in this run.</source>
        <translation>「%@」不是只有您能變更的資料夾，也無法建立其他資料夾；Quillorbitex 在本次執行中不會保存其偏好設定和計數。</translation>
    </message>
    <message>
        <source>A new version of Quillorbitex is available</source>
        <translation>Quillorbitex 有新版本可用</translation>
    </message>
    <message>
        <source>A program of another user listens at "%@"; Quillorbitex does not speak to it and runs in its place.</source>
        <translation>另一位使用者的程式正在「%@」上監聽；Quillorbitex 不會與其通訊，並將取而代之執行。</translation>
    </message>
    <message>
        <source>Accessibility: %@</source>
        <translation>輔助使用：%@</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>Capture Debug</source>
        <translation>擷取除錯</translation>
    </message>
    <message>
        <source>Capture gestures</source>
        <translation>擷取手勢</translation>
    </message>
    <message>
        <source>Capture health, preset coverage, matching tolerance, and theme controls at a glance.</source>
        <translation>一覽擷取狀態、預設規則涵蓋範圍、比對容許度與主題設定。</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>檢查更新項目…</translation>
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
        <source>Custom Rules</source>
        <translation>自訂規則</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>儀表板</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>除錯</translation>
    </message>
    <message>
        <source>Disable gesture capture</source>
        <translation>停用手勢擷取</translation>
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
        <source>Enable gesture capture</source>
        <translation>啟用手勢擷取</translation>
    </message>
    <message>
        <source>Monitor: %@</source>
        <translation>監視器：%@</translation>
    </message>
    <message>
        <source>Open Dashboard</source>
        <translation>開啟儀表板</translation>
    </message>
    <message>
        <source>Open the rule editor for a guided setup, then enable, disable, scope, or override custom rules and actions directly from the dashboard.</source>
        <translation>開啟規則編輯器依引導完成設定，然後直接在儀表板中啟用、停用、限定 App 範圍或覆寫自訂規則與動作。</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概覽</translation>
    </message>
    <message>
        <source>Preset Rules</source>
        <translation>預設規則</translation>
    </message>
    <message>
        <source>Preset rules are ready immediately. Disable them, scope them to specific apps, swap the gesture, or remove and restore them without leaving the dashboard.</source>
        <translation>預設規則立即可用。不必離開儀表板即可停用、限定於特定 App、更換手勢，或移除後再還原。</translation>
    </message>
    <message>
        <source>Quillorbitex</source>
        <translation>Quillorbitex</translation>
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
        <source>Quillorbitex can neither listen at "%1$@" nor reach an instance there (%2$@), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex 既無法在「%1$@」上接聽，也無法聯繫到那裡的執行個體（%2$@），因此它將在不檢查是否已在執行的情況下啟動。</translation>
    </message>
    <message>
        <source>Quillorbitex cannot open the X display "%@". It runs in an X11 session only; start it from one, or set DISPLAY to the X server to use.</source>
        <translation>Quillorbitex 無法開啟 X 顯示「%@」。它只能在 X11 工作階段中執行；請在 X11 工作階段中啟動，或將 DISPLAY 設為要使用的 X 伺服器。</translation>
    </message>
    <message>
        <source>Quillorbitex could not reach the update server.</source>
        <translation>Quillorbitex 無法連線到更新伺服器。</translation>
    </message>
    <message>
        <source>Quillorbitex does not use "%@" as its test folder: it must be a folder of your own that nobody else can change, reached without symbolic links, and neither your home folder nor a folder holding it. Set QUILLORBITEX_UITEST_BASE_DIR to another folder.</source>
        <translation>Quillorbitex 不使用「%@」作為測試資料夾：它必須是您自己的、他人無法變更的資料夾，路徑中不得經過符號連結，且不得是您的主資料夾或包含主資料夾的資料夾。請將 QUILLORBITEX_UITEST_BASE_DIR 設為其他資料夾。</translation>
    </message>
    <message>
        <source>Quillorbitex found no folder that only you can change for its instance socket, so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex 找不到只有您能變更的資料夾來存放其執行個體通訊端，因此它將在不檢查是否已在執行的情況下啟動。</translation>
    </message>
    <message>
        <source>Quit Quillorbitex</source>
        <translation>結束 Quillorbitex</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>版本說明</translation>
    </message>
    <message>
        <source>Reopen Onboarding</source>
        <translation>重新開啟新手導覽</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>區段</translation>
    </message>
    <message>
        <source>See live path detection, click suppression, and the last classified gesture.</source>
        <translation>檢視即時路徑辨識、點按抑制以及最近一次分類的手勢。</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>軟體更新</translation>
    </message>
    <message>
        <source>The folders in which Quillorbitex could keep its instance socket have paths too long for a socket (at most %d bytes), so it starts without checking whether it already runs.</source>
        <translation>Quillorbitex 可用來存放其執行個體通訊端的資料夾路徑過長，無法用於通訊端（最多 %d 位元組），因此它將在不檢查是否已在執行的情況下啟動。</translation>
    </message>
    <message>
        <source>The update server sent no readable update information.</source>
        <translation>更新伺服器沒有傳送可讀取的更新資訊。</translation>
    </message>
    <message>
        <source>This is a Wayland session: Quillorbitex runs through XWayland and sees only the windows of X11 applications. Strokes drawn over other windows are not captured.</source>
        <translation>這是一個 Wayland 工作階段：Quillorbitex 透過 XWayland 執行，只能看到 X11 應用程式的視窗。在其他視窗上繪製的筆畫不會被擷取。</translation>
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
    <message>
        <source>selected</source>
        <translation>已選取</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>未選取</translation>
    </message>
</context>
</TS>
