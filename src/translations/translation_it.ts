<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Completato.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Non riuscito.</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>Anche in modalità Rozado Connect viene consumata energia.&lt;br /&gt;&lt;br /&gt;Passare alla modalità Rozado Connect?</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>Al termine dell&apos;aggiornamento del firmware, la fotocamera verrà riavviata automaticamente.&lt;br /&gt;&lt;br /&gt;Avviare l&apos;aggiornamento del firmware?</translation>
    </message>
</context>
<context>
    <name>kavrotether::PasswordInput</name>
    <message>
        <source>Set Password Message</source>
        <translation>Configurare la password.</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>Immettere una password.</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>Immettere una password che soddisfi i seguenti requisiti.</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>Numero di caratteri</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>Tra 8 e 31.</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>Tipi di caratteri</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>Lettere maiuscole e minuscole, numeri</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Password attuale:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nuova password:</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Nuova password (conferma):</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostra password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Completato.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Non riuscito.</translation>
    </message>
    <message>
        <source>error_newpw_wrong_condition</source>
        <translation>Immettere una nuova password che soddisfi i seguenti requisiti.</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>La password attuale non è corretta.&lt;br /&gt;&lt;br /&gt;Immettere la password corretta.</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>La nuova password e la password di conferma non corrispondono.&lt;br /&gt;&lt;br /&gt;Immettere la password corretta.</translation>
    </message>
</context>
<context>
    <name>kavrotether::XmlDownloadManager</name>
    <message>
        <source>URL</source>
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_it.xml</translation>
    </message>
</context>
</TS>
