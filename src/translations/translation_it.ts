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
</TS>
