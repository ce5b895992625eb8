<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Completed.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Failed.</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>Even in Rozado Connect Mode, power is being consumed.&lt;br /&gt;&lt;br /&gt;Would you like to switch to Rozado Connect Mode?</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>After the firmware is updated successfully, the camera will be automatically restarted.&lt;br /&gt;&lt;br /&gt;Would you like to start updating the firmware?</translation>
    </message>
</context>
</TS>
