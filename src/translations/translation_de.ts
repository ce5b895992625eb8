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
</TS>
