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
</TS>
