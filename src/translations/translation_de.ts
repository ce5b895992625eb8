<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Abgeschlossen.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Fehlgeschlagen.</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>Auch im Rozado Connect-Modus wird Strom verbraucht.&lt;br /&gt;&lt;br /&gt;Möchten Sie in den Rozado Connect-Modus wechseln?</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>Nach erfolgreicher Aktualisierung der Firmware wird die Kamera automatisch neu gestartet.&lt;br /&gt;&lt;br /&gt;Möchten Sie die Aktualisierung der Firmware starten?</translation>
    </message>
</context>
<context>
    <name>kavrotether::PasswordInput</name>
    <message>
        <source>Set Password Message</source>
        <translation>Legen Sie das Passwort fest.</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>Geben Sie ein Passwort ein.</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>Geben Sie ein Passwort ein, das die folgenden Anforderungen erfüllt.</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>Anzahl der Zeichen</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>Zwischen 8 und 31.</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>Zeichenarten</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>Groß- und Kleinbuchstaben, Ziffern</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Neues Passwort (zur Bestätigung):</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Abgeschlossen.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Fehlgeschlagen.</translation>
    </message>
    <message>
        <source>error_newpw_wrong_condition</source>
        <translation>Geben Sie ein neues Passwort ein, das die folgenden Anforderungen erfüllt.</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>Das aktuelle Passwort ist nicht korrekt.&lt;br /&gt;&lt;br /&gt;Geben Sie das richtige Passwort ein.</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>Das neue Passwort und die Bestätigung stimmen nicht überein.&lt;br /&gt;&lt;br /&gt;Geben Sie das richtige Passwort ein.</translation>
    </message>
</context>
<context>
    <name>kavrotether::XmlDownloadManager</name>
    <message>
        <source>URL</source>
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_de.xml</translation>
    </message>
</context>
</TS>
