<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>失敗しました。</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>Rozado Connect モードでも電力は消費されます。&lt;br /&gt;&lt;br /&gt;Rozado Connect モードに切り替えますか？</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>ファームウェアの更新が正常に終了すると、カメラは自動的に再起動します。&lt;br /&gt;&lt;br /&gt;ファームウェアの更新を開始しますか？</translation>
    </message>
</context>
<context>
    <name>kavrotether::PasswordInput</name>
    <message>
        <source>Set Password Message</source>
        <translation>パスワードを設定してください。</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>パスワードを入力してください。</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>以下の条件を満たすパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>文字数</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>8～31文字</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>文字の種類</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>英大文字、英小文字、数字</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>現在のパスワード:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新しいパスワード:</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>新しいパスワード（確認用）:</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>パスワードを表示</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>失敗しました。</translation>
    </message>
    <message>
        <source>error_newpw_wrong_condition</source>
        <translation>以下の条件を満たす新しいパスワードを入力してください。</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>現在のパスワードが正しくありません。&lt;br /&gt;&lt;br /&gt;正しいパスワードを入力してください。</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>新しいパスワードと確認用のパスワードが一致しません。&lt;br /&gt;&lt;br /&gt;正しいパスワードを入力してください。</translation>
    </message>
</context>
<context>
    <name>kavrotether::XmlDownloadManager</name>
    <message>
        <source>URL</source>
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_jp.xml</translation>
    </message>
</context>
</TS>
