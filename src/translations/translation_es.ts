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
<context>
    <name>kavrotether::PasswordInput</name>
    <message>
        <source>Set Password Message</source>
        <translation>Configure la contraseña.</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>Introduzca una contraseña.</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>Introduzca una contraseña que cumpla los siguientes requisitos.</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>Número de caracteres</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>Entre 8 y 31.</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>Tipos de caracteres</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>Letras mayúsculas y minúsculas, números</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nueva contraseña:</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Nueva contraseña (confirmación):</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostrar contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <source>error_newpw_wrong_condition</source>
        <translation>Introduzca una nueva contraseña que cumpla los siguientes requisitos.</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>La contraseña actual no es correcta.&lt;br /&gt;&lt;br /&gt;Introduzca la contraseña correcta.</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>La nueva contraseña y la contraseña de confirmación no coinciden.&lt;br /&gt;&lt;br /&gt;Introduzca la contraseña correcta.</translation>
    </message>
</context>
<context>
    <name>kavrotether::XmlDownloadManager</name>
    <message>
        <source>URL</source>
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_es.xml</translation>
    </message>
</context>
</TS>
