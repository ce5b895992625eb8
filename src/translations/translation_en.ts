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
<context>
    <name>kavrotether::PasswordInput</name>
    <message>
        <source>Set Password Message</source>
        <translation>Configure the password.</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>Enter a password.</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>Enter a password that meets the following requirements.</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>Number of characters</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>Between 8 and 31.</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>Types of characters</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>Upper-case and lower-case alphabetic characters, numerals</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Current password:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>New password (for confirmation):</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Display password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <source>error_newpw_wrong_condition</source>
        <translation>Enter a new password that meets the following requirements.</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>The current password is not correct.&lt;br /&gt;&lt;br /&gt;Enter the correct password.</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>The new password and the new password entered for confirmation do not match.&lt;br /&gt;&lt;br /&gt;Enter the correct password.</translation>
    </message>
</context>
<context>
    <name>kavrotether::XmlDownloadManager</name>
    <message>
        <source>URL</source>
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_en.xml</translation>
    </message>
</context>
</TS>
