<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Completado.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Error.</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>Incluso en el modo Rozado Connect se consume energía.&lt;br /&gt;&lt;br /&gt;¿Desea cambiar al modo Rozado Connect?</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>Una vez actualizado correctamente el firmware, la cámara se reiniciará automáticamente.&lt;br /&gt;&lt;br /&gt;¿Desea iniciar la actualización del firmware?</translation>
    </message>
</context>
</TS>
