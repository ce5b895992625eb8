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
<context>
    <name>kavrotether::PasswordInput</name>
    <message>
        <source>Set Password Message</source>
        <translation>Задайте пароль.</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>Введите пароль.</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>Введите пароль, отвечающий следующим требованиям.</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>Количество символов</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>От 8 до 31.</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>Типы символов</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>Прописные и строчные латинские буквы, цифры</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Текущий пароль:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Новый пароль:</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Новый пароль (подтверждение):</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Показать пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Выполнено.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Ошибка.</translation>
    </message>
    <message>
        <source>error_newpw_wrong_condition</source>
        <translation>Введите новый пароль, отвечающий следующим требованиям.</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>Текущий пароль неверен.&lt;br /&gt;&lt;br /&gt;Введите правильный пароль.</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>Новый пароль и подтверждение не совпадают.&lt;br /&gt;&lt;br /&gt;Введите правильный пароль.</translation>
    </message>
</context>
<context>
    <name>kavrotether::XmlDownloadManager</name>
    <message>
        <source>URL</source>
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_ru.xml</translation>
    </message>
</context>
</TS>
