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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
