<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>保存后，捕获的自由路径将成为可重复使用的手势。</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>Action Type</source>
        <translation>动作类型</translation>
    </message>
    <message>
        <source>Arm capture and draw the gesture you want to bind. Quillorbitex will classify directional strokes automatically and keep freeform paths for gesture matching.</source>
        <translation>开启捕获，然后画出要绑定的手势。Quillorbitex 会自动识别方向笔画，并保留自由路径用于手势匹配。</translation>
    </message>
    <message>
        <source>Armed. Draw a gesture now.</source>
        <translation>已就绪。现在画出手势。</translation>
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
        <translation>取消捕获</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>取消录制</translation>
    </message>
    <message>
        <source>Capture Gesture</source>
        <translation>捕获手势</translation>
    </message>
    <message>
        <source>Capture a gesture</source>
        <translation>捕获一个手势</translation>
    </message>
    <message>
        <source>Capture a gesture to preview the rule before you save it.</source>
        <translation>捕获手势后，即可在保存前预览规则。</translation>
    </message>
    <message>
        <source>Capture a gesture, choose an action, and save the rule in a guided flow.</source>
        <translation>按引导步骤捕获手势、选择动作并保存规则。</translation>
    </message>
    <message>
        <source>Capture once to lock in the next meaningful gesture.</source>
        <translation>开启一次捕获，即可锁定下一个有效手势。</translation>
    </message>
    <message>
        <source>Capture the replacement gesture. The existing action stays attached, and the old rule will be removed when you save a different gesture.</source>
        <translation>捕获新的手势。现有动作保持不变；如果保存的是不同的手势，旧规则将被移除。</translation>
    </message>
    <message>
        <source>Captured %@.</source>
        <translation>已录制 %@。</translation>
    </message>
    <message>
        <source>Captured freeform path</source>
        <translation>已捕获自由路径</translation>
    </message>
    <message>
        <source>Choose a reusable action Quillorbitex should send when the gesture matches.</source>
        <translation>选择一个可重复使用的动作，手势匹配时由 Quillorbitex 发送。</translation>
    </message>
    <message>
        <source>Choose a running app</source>
        <translation>选择正在运行的应用</translation>
    </message>
    <message>
        <source>Choose a running app or enter the ID of an installed app.</source>
        <translation>请选择正在运行的应用，或输入已安装应用的 ID。</translation>
    </message>
    <message>
        <source>Choose action</source>
        <translation>选择动作</translation>
    </message>
    <message>
        <source>Choose an action before continuing.</source>
        <translation>请先选择一个动作再继续。</translation>
    </message>
    <message>
        <source>Choose the action Quillorbitex should send whenever this rule matches.</source>
        <translation>选择每当此规则匹配时 Quillorbitex 应发送的动作。</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Current action: %@</source>
        <translation>当前动作：%@</translation>
    </message>
    <message>
        <source>Current action: %@.</source>
        <translation>当前动作：%@。</translation>
    </message>
    <message>
        <source>Current target: %@</source>
        <translation>当前目标：%@</translation>
    </message>
    <message>
        <source>Enter a URL to open when the gesture matches.</source>
        <translation>输入手势匹配时要打开的网址。</translation>
    </message>
    <message>
        <source>Enter a full URL with a scheme such as https:// or mailto:.</source>
        <translation>请输入带协议的完整网址，例如 https:// 或 mailto:。</translation>
    </message>
    <message>
        <source>Existing custom action: %@</source>
        <translation>现有自定义动作：%@</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>手势</translation>
    </message>
    <message>
        <source>Handled by %@</source>
        <translation>由 %@ 打开</translation>
    </message>
    <message>
        <source>Keep the current action, but replace the gesture that triggers it.</source>
        <translation>保留当前动作，但替换触发它的手势。</translation>
    </message>
    <message>
        <source>Keep the gesture, but change the action Quillorbitex sends.</source>
        <translation>保留手势，但更改 Quillorbitex 发送的动作。</translation>
    </message>
    <message>
        <source>Listening for keys...</source>
        <translation>正在等待按键...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>No captured gesture yet</source>
        <translation>尚未捕获手势</translation>
    </message>
    <message>
        <source>No existing rule uses this gesture yet.</source>
        <translation>目前还没有规则使用此手势。</translation>
    </message>
    <message>
        <source>No installed app has this ID.</source>
        <translation>没有已安装的应用使用此 ID。</translation>
    </message>
    <message>
        <source>No installed app is available to open this URL.</source>
        <translation>没有已安装的应用可以打开此网址。</translation>
    </message>
    <message>
        <source>No shortcut recorded yet</source>
        <translation>尚未录制快捷键</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>未设置</translation>
    </message>
    <message>
        <source>Optional name for this rule</source>
        <translation>此规则的名称（可选）</translation>
    </message>
    <message>
        <source>Override Action</source>
        <translation>覆盖动作</translation>
    </message>
    <message>
        <source>Override Gesture</source>
        <translation>覆盖手势</translation>
    </message>
    <message>
        <source>Override Preset</source>
        <translation>覆盖预设</translation>
    </message>
    <message>
        <source>Pick a new action for this rule. The gesture stays the same unless you go back and recapture it.</source>
        <translation>为此规则选择新动作。除非返回重新捕获，否则手势保持不变。</translation>
    </message>
    <message>
        <source>Pick a running app or enter an application ID manually.</source>
        <translation>选择正在运行的应用，或手动输入应用 ID。</translation>
    </message>
    <message>
        <source>Preset action: %@</source>
        <translation>预设动作：%@</translation>
    </message>
    <message>
        <source>Press the keys you want Quillorbitex to send.</source>
        <translation>请按下希望 Quillorbitex 发送的按键。</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation>录制快捷键</translation>
    </message>
    <message>
        <source>Resolved app: %@</source>
        <translation>已找到应用：%@</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Rule Name (Optional)</source>
        <translation>规则名称（可选）</translation>
    </message>
    <message>
        <source>Running Apps</source>
        <translation>正在运行的应用</translation>
    </message>
    <message>
        <source>Save Action Override</source>
        <translation>保存动作覆盖</translation>
    </message>
    <message>
        <source>Save Gesture Override</source>
        <translation>保存手势覆盖</translation>
    </message>
    <message>
        <source>Save Rule</source>
        <translation>保存规则</translation>
    </message>
    <message>
        <source>Saving now will override the preset action for this gesture.</source>
        <translation>现在保存将覆盖此手势的预设动作。</translation>
    </message>
    <message>
        <source>Saving now will update the existing custom rule for this gesture.</source>
        <translation>现在保存将更新此手势现有的自定义规则。</translation>
    </message>
    <message>
        <source>Saving will keep this rule on its current gesture with the updated action.</source>
        <translation>保存后，此规则将保留当前手势并使用更新后的动作。</translation>
    </message>
    <message>
        <source>Saving will move this rule to the new gesture and remove the original gesture binding.</source>
        <translation>保存后，此规则将移到新手势，并移除原来的手势绑定。</translation>
    </message>
    <message>
        <source>Saving will update the action sent by this gesture.</source>
        <translation>保存后将更新此手势发送的动作。</translation>
    </message>
    <message>
        <source>Selected Action</source>
        <translation>已选动作</translation>
    </message>
    <message>
        <source>Shortcut capture cancelled.</source>
        <translation>已取消录制快捷键。</translation>
    </message>
    <message>
        <source>Step 1: choose the gesture</source>
        <translation>第 1 步：选择手势</translation>
    </message>
    <message>
        <source>Step 2: choose the action</source>
        <translation>第 2 步：选择动作</translation>
    </message>
    <message>
        <source>Step 3: review and save</source>
        <translation>第 3 步：检查并保存</translation>
    </message>
    <message>
        <source>Store the target app by its application ID so the rule stays stable across launches.</source>
        <translation>按应用 ID 保存目标应用，这样规则在每次启动后都保持有效。</translation>
    </message>
    <message>
        <source>That key combination could not be captured.</source>
        <translation>无法录制该组合键。</translation>
    </message>
    <message>
        <source>The app that was in front has no desktop entry, so it cannot be used.</source>
        <translation>之前的前台应用没有桌面条目，因此无法使用。</translation>
    </message>
    <message>
        <source>The current action is preloaded. Change it here only if you want this gesture to do something different.</source>
        <translation>当前动作已预先载入。只有想让此手势执行其他操作时才需在此更改。</translation>
    </message>
    <message>
        <source>The current gesture is loaded. Keep it, or recapture if you want to switch both the gesture and the action while you are here.</source>
        <translation>已载入当前手势。可以保留，也可以重新捕获，同时更换手势和动作。</translation>
    </message>
    <message>
        <source>This URL is not valid yet.</source>
        <translation>此网址尚无效。</translation>
    </message>
    <message>
        <source>This captured path will be saved as a reusable gesture and matched using the current threshold.</source>
        <translation>此捕获的路径将保存为可重复使用的手势，并按当前阈值进行匹配。</translation>
    </message>
    <message>
        <source>This gesture already sends %@. Saving will replace that rule.</source>
        <translation>此手势已发送 %@。保存将替换该规则。</translation>
    </message>
    <message>
        <source>This gesture will be added immediately as a custom rule.</source>
        <translation>此手势将立即添加为自定义规则。</translation>
    </message>
    <message>
        <source>This path is too short to save as a gesture. Capture a longer stroke.</source>
        <translation>此路径太短，无法保存为手势。请捕获更长的笔画。</translation>
    </message>
    <message>
        <source>Update Rule</source>
        <translation>更新规则</translation>
    </message>
    <message>
        <source>Use Frontmost</source>
        <translation>使用前台应用</translation>
    </message>
    <message>
        <source>Use a full URL including the scheme, for example https:// or mailto:.</source>
        <translation>请使用包含协议的完整网址，例如 https:// 或 mailto:。</translation>
    </message>
    <message>
        <source>You can keep the current gesture or recapture it if this rule should move.</source>
        <translation>可以保留当前手势；如果此规则需要换手势，可重新捕获。</translation>
    </message>
</context>
</TS>
