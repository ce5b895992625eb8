<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Завершено.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Ошибка.</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>Даже в режиме Rozado Connect расходуется энергия.&lt;br /&gt;&lt;br /&gt;Переключиться в режим Rozado Connect?</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>После успешного обновления микропрограммы камера автоматически перезапустится.&lt;br /&gt;&lt;br /&gt;Начать обновление микропрограммы?</translation>
    </message>
</context>
</TS>
