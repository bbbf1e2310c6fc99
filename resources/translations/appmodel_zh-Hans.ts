<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>L10n</name>
    <message>
        <source>%@ %d</source>
        <translation>%@ %d</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>大写锁定</translation>
    </message>
    <message>
        <source>Changes to the preferences are not saved yet: another program is using the preferences file in "%@". They apply now and are saved as soon as it lets go of the file, at the latest when Quillorbitex starts again.</source>
        <translation>偏好设置的更改尚未保存：另一个程序正在使用“%@”中的偏好设置文件。这些更改现在已生效，并会在该程序释放文件后立即保存，最迟在 Quillorbitex 再次启动时保存。</translation>
    </message>
    <message>
        <source>Changes to the preferences cannot be saved in "%@". They apply until Quillorbitex quits and are saved as soon as that folder can be written.</source>
        <translation>无法将偏好设置的更改保存到“%@”。这些更改在 Quillorbitex 退出前有效，并会在该文件夹可以写入时立即保存。</translation>
    </message>
    <message>
        <source>Could not change Open at Login. Check that the autostart folder is writable.</source>
        <translation>无法更改“登录时打开”。请检查自动启动文件夹是否可写。</translation>
    </message>
    <message>
        <source>Gesture capture needs an X11 session whose server accepts synthetic input (XTEST).</source>
        <translation>手势捕获需要一个 X 服务器接受合成输入（XTEST）的 X11 会话。</translation>
    </message>
    <message>
        <source>No overlay diagnostics recorded yet.</source>
        <translation>尚未记录叠加层诊断信息。</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>数字锁定</translation>
    </message>
    <message>
        <source>Preferences that could not be read were kept in "%@"; Quillorbitex went on without them.</source>
        <translation>无法读取的偏好设置已保存在“%@”中；Quillorbitex 已在没有这些设置的情况下继续运行。</translation>
    </message>
    <message>
        <source>Saved Gesture</source>
        <translation>已保存的手势</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>The stored preference "%@" could not be read and no copy of it could be kept; Quillorbitex went on without it and leaves it as it is.</source>
        <translation>无法读取已存储的偏好设置“%@”，也无法保留它的副本；Quillorbitex 已在没有该设置的情况下继续运行，并保持其原样。</translation>
    </message>
    <message>
        <source>Usage counts that could not be read were kept in "%@"; Quillorbitex went on counting in a new file.</source>
        <translation>无法读取的使用次数已保存在“%@”中；Quillorbitex 已在新文件中继续计数。</translation>
    </message>
    <message>
        <source>capture: right-button strokes with %@ held are left to another program, which holds them.</source>
        <translation>捕获：按住 %@ 时的右键笔画留给占用这些组合的另一个程序。</translation>
    </message>
</context>
</TS>
