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
</TS>
