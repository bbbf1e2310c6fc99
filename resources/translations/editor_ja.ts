<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>キャプチャした自由形状のパスは、保存すると再利用できるジェスチャになります。</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>アクション</translation>
    </message>
    <message>
        <source>Action Type</source>
        <translation>アクションの種類</translation>
    </message>
    <message>
        <source>Arm capture and draw the gesture you want to bind. Quillorbitex will classify directional strokes automatically and keep freeform paths for gesture matching.</source>
        <translation>キャプチャを開始して、割り当てたいジェスチャを描いてください。Quillorbitex は方向のストロークを自動で判別し、自由形状のパスはジェスチャの照合用に保存します。</translation>
    </message>
    <message>
        <source>Armed. Draw a gesture now.</source>
        <translation>準備完了。ジェスチャを描いてください。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel Capture</source>
        <translation>キャプチャをキャンセル</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>記録をキャンセル</translation>
    </message>
    <message>
        <source>Capture Gesture</source>
        <translation>ジェスチャをキャプチャ</translation>
    </message>
    <message>
        <source>Capture a gesture</source>
        <translation>ジェスチャをキャプチャ</translation>
    </message>
    <message>
        <source>Capture a gesture to preview the rule before you save it.</source>
        <translation>ジェスチャをキャプチャすると、保存する前にルールをプレビューできます。</translation>
    </message>
    <message>
        <source>Capture a gesture, choose an action, and save the rule in a guided flow.</source>
        <translation>ガイドに沿って、ジェスチャをキャプチャし、アクションを選んで、ルールを保存します。</translation>
    </message>
    <message>
        <source>Capture once to lock in the next meaningful gesture.</source>
        <translation>一度キャプチャすると、次の有効なジェスチャが確定します。</translation>
    </message>
    <message>
        <source>Capture the replacement gesture. The existing action stays attached, and the old rule will be removed when you save a different gesture.</source>
        <translation>置き換えるジェスチャをキャプチャしてください。現在のアクションはそのまま残り、別のジェスチャを保存すると古いルールは削除されます。</translation>
    </message>
    <message>
        <source>Captured %@.</source>
        <translation>%@ を記録しました。</translation>
    </message>
    <message>
        <source>Captured freeform path</source>
        <translation>自由形状のパスをキャプチャしました</translation>
    </message>
    <message>
        <source>Choose a reusable action Quillorbitex should send when the gesture matches.</source>
        <translation>ジェスチャが一致したときに Quillorbitex が送る定型アクションを選んでください。</translation>
    </message>
    <message>
        <source>Choose a running app</source>
        <translation>実行中のアプリを選択</translation>
    </message>
    <message>
        <source>Choose a running app or enter the ID of an installed app.</source>
        <translation>実行中のアプリを選ぶか、インストール済みアプリの ID を入力してください。</translation>
    </message>
    <message>
        <source>Choose action</source>
        <translation>アクションを選択</translation>
    </message>
    <message>
        <source>Choose an action before continuing.</source>
        <translation>続けるにはアクションを選んでください。</translation>
    </message>
    <message>
        <source>Choose the action Quillorbitex should send whenever this rule matches.</source>
        <translation>このルールが一致するたびに Quillorbitex が送るアクションを選んでください。</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Current action: %@</source>
        <translation>現在のアクション：%@</translation>
    </message>
    <message>
        <source>Current action: %@.</source>
        <translation>現在のアクション：%@。</translation>
    </message>
    <message>
        <source>Current target: %@</source>
        <translation>現在の送信内容：%@</translation>
    </message>
    <message>
        <source>Enter a URL to open when the gesture matches.</source>
        <translation>ジェスチャが一致したときに開く URL を入力してください。</translation>
    </message>
    <message>
        <source>Enter a full URL with a scheme such as https:// or mailto:.</source>
        <translation>https:// や mailto: などのスキームを含む完全な URL を入力してください。</translation>
    </message>
    <message>
        <source>Existing custom action: %@</source>
        <translation>既存のカスタムアクション：%@</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>ジェスチャ</translation>
    </message>
    <message>
        <source>Handled by %@</source>
        <translation>%@ で開きます</translation>
    </message>
    <message>
        <source>Keep the current action, but replace the gesture that triggers it.</source>
        <translation>現在のアクションはそのままで、それを起動するジェスチャを置き換えます。</translation>
    </message>
    <message>
        <source>Keep the gesture, but change the action Quillorbitex sends.</source>
        <translation>ジェスチャはそのままで、Quillorbitex が送るアクションを変更します。</translation>
    </message>
    <message>
        <source>Listening for keys...</source>
        <translation>キー入力を待っています...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>No captured gesture yet</source>
        <translation>まだジェスチャをキャプチャしていません</translation>
    </message>
    <message>
        <source>No existing rule uses this gesture yet.</source>
        <translation>このジェスチャを使うルールはまだありません。</translation>
    </message>
    <message>
        <source>No installed app has this ID.</source>
        <translation>この ID のアプリはインストールされていません。</translation>
    </message>
    <message>
        <source>No installed app is available to open this URL.</source>
        <translation>この URL を開けるアプリがインストールされていません。</translation>
    </message>
    <message>
        <source>No shortcut recorded yet</source>
        <translation>ショートカットはまだ記録されていません</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>未設定</translation>
    </message>
    <message>
        <source>Optional name for this rule</source>
        <translation>このルールの名前（省略可）</translation>
    </message>
    <message>
        <source>Override Action</source>
        <translation>アクションを上書き</translation>
    </message>
    <message>
        <source>Override Gesture</source>
        <translation>ジェスチャを上書き</translation>
    </message>
    <message>
        <source>Override Preset</source>
        <translation>プリセットを上書き</translation>
    </message>
    <message>
        <source>Pick a new action for this rule. The gesture stays the same unless you go back and recapture it.</source>
        <translation>このルールの新しいアクションを選んでください。戻ってキャプチャし直さない限り、ジェスチャは変わりません。</translation>
    </message>
    <message>
        <source>Pick a running app or enter an application ID manually.</source>
        <translation>実行中のアプリを選ぶか、アプリ ID を直接入力してください。</translation>
    </message>
    <message>
        <source>Preset action: %@</source>
        <translation>プリセットのアクション：%@</translation>
    </message>
    <message>
        <source>Press the keys you want Quillorbitex to send.</source>
        <translation>Quillorbitex に送らせたいキーを押してください。</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation>ショートカットを記録</translation>
    </message>
    <message>
        <source>Resolved app: %@</source>
        <translation>見つかったアプリ：%@</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Rule Name (Optional)</source>
        <translation>ルール名（省略可）</translation>
    </message>
    <message>
        <source>Running Apps</source>
        <translation>実行中のアプリ</translation>
    </message>
    <message>
        <source>Save Action Override</source>
        <translation>アクションの上書きを保存</translation>
    </message>
    <message>
        <source>Save Gesture Override</source>
        <translation>ジェスチャの上書きを保存</translation>
    </message>
    <message>
        <source>Save Rule</source>
        <translation>ルールを保存</translation>
    </message>
    <message>
        <source>Saving now will override the preset action for this gesture.</source>
        <translation>いま保存すると、このジェスチャのプリセットアクションが上書きされます。</translation>
    </message>
    <message>
        <source>Saving now will update the existing custom rule for this gesture.</source>
        <translation>いま保存すると、このジェスチャの既存のカスタムルールが更新されます。</translation>
    </message>
    <message>
        <source>Saving will keep this rule on its current gesture with the updated action.</source>
        <translation>保存すると、このルールは現在のジェスチャのまま、更新したアクションを使います。</translation>
    </message>
    <message>
        <source>Saving will move this rule to the new gesture and remove the original gesture binding.</source>
        <translation>保存すると、このルールは新しいジェスチャに移り、元のジェスチャの割り当ては削除されます。</translation>
    </message>
    <message>
        <source>Saving will update the action sent by this gesture.</source>
        <translation>保存すると、このジェスチャが送るアクションが更新されます。</translation>
    </message>
    <message>
        <source>Selected Action</source>
        <translation>選択したアクション</translation>
    </message>
    <message>
        <source>Shortcut capture cancelled.</source>
        <translation>ショートカットの記録をキャンセルしました。</translation>
    </message>
    <message>
        <source>Step 1: choose the gesture</source>
        <translation>ステップ 1：ジェスチャを選ぶ</translation>
    </message>
    <message>
        <source>Step 2: choose the action</source>
        <translation>ステップ 2：アクションを選ぶ</translation>
    </message>
    <message>
        <source>Step 3: review and save</source>
        <translation>ステップ 3：確認して保存</translation>
    </message>
    <message>
        <source>Store the target app by its application ID so the rule stays stable across launches.</source>
        <translation>対象アプリはアプリ ID で保存されるため、起動し直してもルールは変わりません。</translation>
    </message>
    <message>
        <source>That key combination could not be captured.</source>
        <translation>そのキーの組み合わせは記録できません。</translation>
    </message>
    <message>
        <source>The app that was in front has no desktop entry, so it cannot be used.</source>
        <translation>最前面にあったアプリにはデスクトップエントリがないため、使用できません。</translation>
    </message>
    <message>
        <source>The current action is preloaded. Change it here only if you want this gesture to do something different.</source>
        <translation>現在のアクションが読み込まれています。このジェスチャで別の操作をしたい場合にだけ変更してください。</translation>
    </message>
    <message>
        <source>The current gesture is loaded. Keep it, or recapture if you want to switch both the gesture and the action while you are here.</source>
        <translation>現在のジェスチャが読み込まれています。そのまま使うか、ジェスチャとアクションの両方を変えたい場合はキャプチャし直してください。</translation>
    </message>
    <message>
        <source>This URL is not valid yet.</source>
        <translation>この URL はまだ有効ではありません。</translation>
    </message>
    <message>
        <source>This captured path will be saved as a reusable gesture and matched using the current threshold.</source>
        <translation>キャプチャしたこのパスは再利用できるジェスチャとして保存され、現在のしきい値で照合されます。</translation>
    </message>
    <message>
        <source>This gesture already sends %@. Saving will replace that rule.</source>
        <translation>このジェスチャはすでに %@ を送ります。保存するとそのルールは置き換えられます。</translation>
    </message>
    <message>
        <source>This gesture will be added immediately as a custom rule.</source>
        <translation>このジェスチャはすぐにカスタムルールとして追加されます。</translation>
    </message>
    <message>
        <source>This path is too short to save as a gesture. Capture a longer stroke.</source>
        <translation>このパスは短すぎてジェスチャとして保存できません。もっと長いストロークをキャプチャしてください。</translation>
    </message>
    <message>
        <source>Update Rule</source>
        <translation>ルールを更新</translation>
    </message>
    <message>
        <source>Use Frontmost</source>
        <translation>最前面のアプリを使用</translation>
    </message>
    <message>
        <source>Use a full URL including the scheme, for example https:// or mailto:.</source>
        <translation>https:// や mailto: などのスキームを含む完全な URL を使ってください。</translation>
    </message>
    <message>
        <source>You can keep the current gesture or recapture it if this rule should move.</source>
        <translation>現在のジェスチャをそのまま使うか、このルールを移したい場合はキャプチャし直してください。</translation>
    </message>
</context>
</TS>
