<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>L10n</name>
    <message>
        <source>%@ %d</source>
        <translation>%@ %d</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>大寫鎖定</translation>
    </message>
    <message>
        <source>Changes to the preferences are not saved yet: another program is using the preferences file in "%@". They apply now and are saved as soon as it lets go of the file, at the latest when Quillorbitex starts again.</source>
        <translation>偏好設定的變更尚未儲存：另一個程式正在使用「%@」中的偏好設定檔案。這些變更現在已生效，並會在該程式釋放檔案後立即儲存，最遲在 Quillorbitex 再次啟動時儲存。</translation>
    </message>
    <message>
        <source>Changes to the preferences cannot be saved in "%@". They apply until Quillorbitex quits and are saved as soon as that folder can be written.</source>
        <translation>無法將偏好設定的變更儲存到「%@」。這些變更在 Quillorbitex 結束前有效，並會在該檔案夾可以寫入時立即儲存。</translation>
    </message>
    <message>
        <source>Could not change Open at Login. Check that the autostart folder is writable.</source>
        <translation>無法變更「登入時開啟」。請檢查自動啟動檔案夾是否可寫入。</translation>
    </message>
    <message>
        <source>Gesture capture needs an X11 session whose server accepts synthetic input (XTEST).</source>
        <translation>手勢擷取需要 X 伺服器接受合成輸入（XTEST）的 X11 工作階段。</translation>
    </message>
    <message>
        <source>No overlay diagnostics recorded yet.</source>
        <translation>尚未記錄疊加層診斷資訊。</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>數字鎖定</translation>
    </message>
    <message>
        <source>Preferences that could not be read were kept in "%@"; Quillorbitex went on without them.</source>
        <translation>無法讀取的偏好設定已保存在「%@」中；Quillorbitex 已在沒有這些設定的情況下繼續執行。</translation>
    </message>
    <message>
        <source>Saved Gesture</source>
        <translation>已儲存的手勢</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>The stored preference "%@" could not be read and no copy of it could be kept; Quillorbitex went on without it and leaves it as it is.</source>
        <translation>無法讀取已儲存的偏好設定「%@」，也無法保留它的副本；Quillorbitex 已在沒有該設定的情況下繼續執行，並保持其原樣。</translation>
    </message>
    <message>
        <source>Usage counts that could not be read were kept in "%@"; Quillorbitex went on counting in a new file.</source>
        <translation>無法讀取的使用次數已保存在「%@」中；Quillorbitex 已在新檔案中繼續計數。</translation>
    </message>
    <message>
        <source>capture: right-button strokes with %@ held are left to another program, which holds them.</source>
        <translation>擷取：按住 %@ 時的右鍵筆畫留給佔用這些組合的另一個程式。</translation>
    </message>
</context>
</TS>
