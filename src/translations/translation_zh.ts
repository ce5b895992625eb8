<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>已完成。</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>失败。</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>即使在 Rozado Connect 模式下也会消耗电量。&lt;br /&gt;&lt;br /&gt;是否切换到 Rozado Connect 模式？</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>固件更新成功后，相机将自动重新启动。&lt;br /&gt;&lt;br /&gt;是否开始更新固件？</translation>
    </message>
</context>
<context>
    <name>kavrotether::PasswordInput</name>
    <message>
        <source>Set Password Message</source>
        <translation>请设置密码。</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>请输入密码。</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>请输入符合以下要求的密码。</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>字符数</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>8 至 31 个。</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>字符类型</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>大写和小写英文字母、数字</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>当前密码:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新密码:</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>新密码（确认）:</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>显示密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>已完成。</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>失败。</translation>
    </message>
    <message>
        <source>error_newpw_wrong_condition</source>
        <translation>请输入符合以下要求的新密码。</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>当前密码不正确。&lt;br /&gt;&lt;br /&gt;请输入正确的密码。</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>新密码与确认密码不一致。&lt;br /&gt;&lt;br /&gt;请输入正确的密码。</translation>
    </message>
</context>
<context>
    <name>kavrotether::XmlDownloadManager</name>
    <message>
        <source>URL</source>
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_zh.xml</translation>
    </message>
</context>
</TS>
