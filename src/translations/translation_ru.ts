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
    <message>
        <source>No text specified!</source>
        <translation>Текст не задан!</translation>
    </message>
    <message>
        <source>KAVRO Rozado</source>
        <translation>KAVRO Rozado</translation>
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
    <message>
        <source>KAVRO Rozado</source>
        <translation>KAVRO Rozado</translation>
    </message>
</context>
<context>
    <name>kavrotether::XmlDownloadManager</name>
    <message>
        <source>URL</source>
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_ru.xml</translation>
    </message>
</context>
<context>
    <name>KvOptionComponentsProvider</name>
    <message>
        <source>AFM_1Point</source>
        <translation>1 область</translation>
    </message>
    <message>
        <source>AFM_1PointAux</source>
        <translation>1 область+</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Detection</source>
        <translation>1 область+, распознавание</translation>
    </message>
    <message>
        <source>AFM_1PointAux_FaceEye</source>
        <translation>1 область+ (лицо/глаза)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Human</source>
        <translation>1 область+ (человек)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_HumanAnimal</source>
        <translation>1 область+ (человек/животное)</translation>
    </message>
    <message>
        <source>AFM_1Point_Detection</source>
        <translation>1 область, распознавание</translation>
    </message>
    <message>
        <source>AFM_1Point_FaceEye</source>
        <translation>1 область (лицо/глаза)</translation>
    </message>
    <message>
        <source>AFM_1Point_Human</source>
        <translation>1 область (человек)</translation>
    </message>
    <message>
        <source>AFM_1Point_HumanAnimal</source>
        <translation>1 область (человек/животное)</translation>
    </message>
    <message>
        <source>AFM_225Point</source>
        <translation>225 областей</translation>
    </message>
    <message>
        <source>AFM_AutoRe</source>
        <translation>Автораспознавание</translation>
    </message>
    <message>
        <source>AFM_AutoRe_Human</source>
        <translation>Распознавание людей</translation>
    </message>
    <message>
        <source>AFM_AutoRe_HumanAnimal</source>
        <translation>Распознавание людей/животных</translation>
    </message>
    <message>
        <source>AFM_Custom1</source>
        <translation>Пользоват. 1</translation>
    </message>
    <message>
        <source>AFM_Custom2</source>
        <translation>Пользоват. 2</translation>
    </message>
    <message>
        <source>AFM_Custom3</source>
        <translation>Пользоват. 3</translation>
    </message>
    <message>
        <source>AFM_CustomC1</source>
        <translation>Польз. мульти C1</translation>
    </message>
    <message>
        <source>AFM_CustomC2</source>
        <translation>Польз. мульти C2</translation>
    </message>
    <message>
        <source>AFM_CustomC3</source>
        <translation>Польз. мульти C3</translation>
    </message>
    <message>
        <source>AFM_CustomCenter</source>
        <translation>Польз. мульти (центр)</translation>
    </message>
    <message>
        <source>AFM_CustomHorizon</source>
        <translation>Польз. мульти (гориз.)</translation>
    </message>
    <message>
        <source>AFM_CustomVertical</source>
        <translation>Польз. мульти (верт.)</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalBody</source>
        <translation>Животное (тело)</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalEyeBody</source>
        <translation>Животное (глаза/тело)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Priority</source>
        <translation>Велосипед (приоритет)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Whole</source>
        <translation>Велосипед</translation>
    </message>
    <message>
        <source>AFM_Detection_Bike_Helmet</source>
        <translation>Мотоцикл (шлем)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bike_Whole</source>
        <translation>Мотоцикл</translation>
    </message>
    <message>
        <source>AFM_Detection_Car</source>
        <translation>Автомобиль</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Priority</source>
        <translation>Автомобиль (приоритет)</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Whole</source>
        <translation>Автомобиль</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFace</source>
        <translation>Человек (глаза/лицо)</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFaceBody</source>
        <translation>Человек (глаза/лицо/тело)</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanStreet</source>
        <translation>Человек (улица)</translation>
    </message>
    <message>
        <source>AFM_Detection_Motorcycle</source>
        <translation>Мотоцикл</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Aircraft</source>
        <translation>Самолёт</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Nose_Priority</source>
        <translation>Самолёт (нос)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Leading_Veh</source>
        <translation>Поезд (головной вагон)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Priority</source>
        <translation>Поезд (приоритет)</translation>
    </message>
    <message>
        <source>AFM_Ellipse</source>
        <translation>Зона (овал)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Detection</source>
        <translation>Зона (овал), распознавание</translation>
    </message>
    <message>
        <source>AFM_Ellipse_FaceEye</source>
        <translation>Зона (овал) (лицо/глаза)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Human</source>
        <translation>Зона (овал) (человек)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_HumanAnimal</source>
        <translation>Зона (овал) (человек/животное)</translation>
    </message>
    <message>
        <source>AFM_Face</source>
        <translation>Распознавание лиц/глаз</translation>
    </message>
    <message>
        <source>AFM_FullArea</source>
        <translation>Вся область</translation>
    </message>
    <message>
        <source>AFM_FullArea_Detection</source>
        <translation>Вся область, распознавание</translation>
    </message>
    <message>
        <source>AFM_FullArea_FaceEye</source>
        <translation>Вся область (лицо/глаза)</translation>
    </message>
    <message>
        <source>AFM_FullArea_Human</source>
        <translation>Вся область (человек)</translation>
    </message>
    <message>
        <source>AFM_FullArea_HumanAnimal</source>
        <translation>Вся область (человек/животное)</translation>
    </message>
    <message>
        <source>AFM_Pinpoint</source>
        <translation>Точечная</translation>
    </message>
    <message>
        <source>AFM_Square</source>
        <translation>Зона (квадрат)</translation>
    </message>
    <message>
        <source>AFM_Tracking</source>
        <translation>Слежение</translation>
    </message>
    <message>
        <source>AFM_Tracking_Detection</source>
        <translation>Слежение, распознавание</translation>
    </message>
    <message>
        <source>AFM_Tracking_FaceEye</source>
        <translation>Слежение (лицо/глаза)</translation>
    </message>
    <message>
        <source>AFM_Tracking_Human</source>
        <translation>Слежение (человек)</translation>
    </message>
    <message>
        <source>AFM_Tracking_HumanAnimal</source>
        <translation>Слежение (человек/животное)</translation>
    </message>
    <message>
        <source>AFM_VertHori</source>
        <translation>Зона (верт./гориз.)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Detection</source>
        <translation>Зона (верт./гориз.), распознавание</translation>
    </message>
    <message>
        <source>AFM_VertHori_FaceEye</source>
        <translation>Зона (верт./гориз.) (лицо/глаза)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Human</source>
        <translation>Зона (верт./гориз.) (человек)</translation>
    </message>
    <message>
        <source>AFM_VertHori_HumanAnimal</source>
        <translation>Зона (верт./гориз.) (человек/животное)</translation>
    </message>
    <message>
        <source>AR_65_24</source>
        <translation>65:24</translation>
    </message>
    <message>
        <source>AR_Blog_1_1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>AR_Blog_2_1</source>
        <translation>2:1</translation>
    </message>
    <message>
        <source>AR_Error</source>
        <translation>-</translation>
    </message>
    <message>
        <source>AR_Film_3_2</source>
        <translation>3:2</translation>
    </message>
    <message>
        <source>AR_Hdtv_16_9</source>
        <translation>16:9</translation>
    </message>
    <message>
        <source>AR_Nomal_4_3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>BIFD_Manual</source>
        <translation>РУЧНОЙ</translation>
    </message>
    <message>
        <source>BIFD_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>BIFD_Signal</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>BIFD_TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>BS_6K4K</source>
        <translation>6K/4K серия</translation>
    </message>
    <message>
        <source>BS_EleFast</source>
        <translation>SH1</translation>
    </message>
    <message>
        <source>BS_EleFast2</source>
        <translation>SH2</translation>
    </message>
    <message>
        <source>BS_EleFast20</source>
        <translation>SH 20 fps</translation>
    </message>
    <message>
        <source>BS_EleFast3</source>
        <translation>SH3</translation>
    </message>
    <message>
        <source>BS_EleFast30</source>
        <translation>SH 30 fps</translation>
    </message>
    <message>
        <source>BS_EleFast40</source>
        <translation>SH 40 fps</translation>
    </message>
    <message>
        <source>BS_EleFast60</source>
        <translation>SH 60 fps</translation>
    </message>
    <message>
        <source>BS_EleFast70</source>
        <translation>SH 70 fps</translation>
    </message>
    <message>
        <source>BS_EleFast75</source>
        <translation>SH 75 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre</source>
        <translation>Предсерия SH1</translation>
    </message>
    <message>
        <source>BS_EleFastPre2</source>
        <translation>Предсерия SH2</translation>
    </message>
    <message>
        <source>BS_EleFastPre20</source>
        <translation>Предсерия SH 20 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre3</source>
        <translation>Предсерия SH3</translation>
    </message>
    <message>
        <source>BS_EleFastPre30</source>
        <translation>Предсерия SH 30 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre40</source>
        <translation>Предсерия SH 40 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre60</source>
        <translation>Предсерия SH 60 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre70</source>
        <translation>Предсерия SH 70 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre75</source>
        <translation>Предсерия SH 75 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPreSH</source>
        <translation>Предсерия SH</translation>
    </message>
    <message>
        <source>BS_EleFastSH</source>
        <translation>SH</translation>
    </message>
    <message>
        <source>BS_HighSpeed</source>
        <translation>H</translation>
    </message>
    <message>
        <source>BS_HighSpeedLiveView</source>
        <translation>H с Live View</translation>
    </message>
    <message>
        <source>BS_HighSpeedPlus</source>
        <translation>H+</translation>
    </message>
    <message>
        <source>BS_HighSpeedPlusLiveView</source>
        <translation>H+ с Live View</translation>
    </message>
    <message>
        <source>BS_LowSpeedLiveView</source>
        <translation>L</translation>
    </message>
    <message>
        <source>BS_MiddleSpeedLiveView</source>
        <translation>M</translation>
    </message>
    <message>
        <source>ConfirmDlgType_OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>ConfirmDlgType_ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>CreativeVideo</source>
        <translation>Творческое видео</translation>
    </message>
    <message>
        <source>CreativeVideo-A</source>
        <translation>Творческое видео A</translation>
    </message>
    <message>
        <source>CreativeVideo-M</source>
        <translation>Творческое видео M</translation>
    </message>
    <message>
        <source>CreativeVideo-P</source>
        <translation>Творческое видео P</translation>
    </message>
    <message>
        <source>CreativeVideo-S</source>
        <translation>Творческое видео S</translation>
    </message>
    <message>
        <source>DM_4K6K</source>
        <translation>6K/4K фото</translation>
    </message>
    <message>
        <source>DM_Bracket</source>
        <translation>Брекетинг</translation>
    </message>
    <message>
        <source>DM_Burst</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>DM_Burst1</source>
        <translation>Серия 1</translation>
    </message>
    <message>
        <source>DM_Burst2</source>
        <translation>Серия 2</translation>
    </message>
    <message>
        <source>DM_Focus</source>
        <translation>Пост-фокус</translation>
    </message>
    <message>
        <source>DM_HANDHELD_HRS</source>
        <translation>Высокое разрешение с рук</translation>
    </message>
    <message>
        <source>DM_HRS</source>
        <translation>Высокое разрешение</translation>
    </message>
    <message>
        <source>DM_Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>DM_Komadori</source>
        <translation>Покадровая анимация</translation>
    </message>
    <message>
        <source>DM_SelfTimer</source>
        <translation>Автоспуск</translation>
    </message>
    <message>
        <source>DM_Single</source>
        <translation>Одиночный</translation>
    </message>
    <message>
        <source>Default Folder(Mac)</source>
        <translation>Папка «Изображения»</translation>
    </message>
    <message>
        <source>Default Folder(Win)</source>
        <translation>Папка «Изображения»</translation>
    </message>
    <message>
        <source>DisRevType_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>DisRevType_On</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>ExpL_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>ExpL_On</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>FM_AF</source>
        <translation>AF</translation>
    </message>
    <message>
        <source>FM_AF_C</source>
        <translation>AFC</translation>
    </message>
    <message>
        <source>FM_AF_F</source>
        <translation>AFF</translation>
    </message>
    <message>
        <source>FM_AF_S</source>
        <translation>AFS</translation>
    </message>
    <message>
        <source>FM_MF</source>
        <translation>MF</translation>
    </message>
    <message>
        <source>FS_4K_8M</source>
        <translation>4K (8M)</translation>
    </message>
    <message>
        <source>FS_6K_18M</source>
        <translation>6K (18M)</translation>
    </message>
    <message>
        <source>FlshDim_Manual</source>
        <translation>РУЧНОЙ</translation>
    </message>
    <message>
        <source>FlshDim_TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>FlshM_Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>FlshM_Forbid</source>
        <translation>Принуд. выкл. вспышки</translation>
    </message>
    <message>
        <source>FlshM_Forced</source>
        <translation>Принуд. вкл. вспышки</translation>
    </message>
    <message>
        <source>FlshM_ForcedRedEye</source>
        <translation>Принуд. вкл./подавл. красных глаз</translation>
    </message>
    <message>
        <source>FlshM_SlowRedEye</source>
        <translation>Медл. синхр./подавл. красных глаз</translation>
    </message>
    <message>
        <source>FlshM_SlowSync</source>
        <translation>Медл. синхр.</translation>
    </message>
    <message>
        <source>FlshS_Front</source>
        <translation>1-я шторка</translation>
    </message>
    <message>
        <source>FlshS_Rear</source>
        <translation>2-я шторка</translation>
    </message>
    <message>
        <source>FolNameType_Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>FolNameType_User</source>
        <translation>Свой префикс</translation>
    </message>
    <message>
        <source>GFD_Auto</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>GFD_Manual</source>
        <translation>РУЧНОЙ</translation>
    </message>
    <message>
        <source>GFD_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>GFD_TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>HlgShootingType_4K</source>
        <translation>4K-разр.</translation>
    </message>
    <message>
        <source>HlgShootingType_8K</source>
        <translation>8K-разр.</translation>
    </message>
    <message>
        <source>HlgShootingType_Full</source>
        <translation>Полн. разр.</translation>
    </message>
    <message>
        <source>HlgShootingType_OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>HlgTransType_OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>HlgTransType_ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>ISO_100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>ISO_1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>ISO_10000</source>
        <translation>10000</translation>
    </message>
    <message>
        <source>ISO_125</source>
        <translation>125</translation>
    </message>
    <message>
        <source>ISO_1250</source>
        <translation>1250</translation>
    </message>
    <message>
        <source>ISO_12500</source>
        <translation>12500</translation>
    </message>
    <message>
        <source>ISO_12800</source>
        <translation>12800</translation>
    </message>
    <message>
        <source>ISO_160</source>
        <translation>160</translation>
    </message>
    <message>
        <source>ISO_1600</source>
        <translation>1600</translation>
    </message>
    <message>
        <source>ISO_16000</source>
        <translation>16000</translation>
    </message>
    <message>
        <source>ISO_200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>ISO_2000</source>
        <translation>2000</translation>
    </message>
    <message>
        <source>ISO_20000</source>
        <translation>20000</translation>
    </message>
    <message>
        <source>ISO_250</source>
        <translation>250</translation>
    </message>
    <message>
        <source>ISO_2500</source>
        <translation>2500</translation>
    </message>
    <message>
        <source>ISO_25000</source>
        <translation>25000</translation>
    </message>
    <message>
        <source>ISO_25600</source>
        <translation>25600</translation>
    </message>
    <message>
        <source>ISO_320</source>
        <translation>320</translation>
    </message>
    <message>
        <source>ISO_3200</source>
        <translation>3200</translation>
    </message>
    <message>
        <source>ISO_400</source>
        <translation>400</translation>
    </message>
    <message>
        <source>ISO_4000</source>
        <translation>4000</translation>
    </message>
    <message>
        <source>ISO_500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>ISO_5000</source>
        <translation>5000</translation>
    </message>
    <message>
        <source>ISO_640</source>
        <translation>640</translation>
    </message>
    <message>
        <source>ISO_6400</source>
        <translation>6400</translation>
    </message>
    <message>
        <source>ISO_800</source>
        <translation>800</translation>
    </message>
    <message>
        <source>ISO_8000</source>
        <translation>8000</translation>
    </message>
    <message>
        <source>ISO_8500</source>
        <translation>8500</translation>
    </message>
    <message>
        <source>ISO_Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>ISO_I_Iso</source>
        <translation>ISO i-ISO</translation>
    </message>
    <message>
        <source>ImgInfoQ_Fine</source>
        <translation>JPEG высокое</translation>
    </message>
    <message>
        <source>ImgInfoQ_Heif_Fine</source>
        <translation>HEIF высокое</translation>
    </message>
    <message>
        <source>ImgInfoQ_Heif_Std</source>
        <translation>HEIF стандарт</translation>
    </message>
    <message>
        <source>ImgInfoQ_Interlock</source>
        <translation>Совместно</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw</source>
        <translation>RAW</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Fine</source>
        <translation>RAW + JPEG высокое</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Heif_Fine</source>
        <translation>RAW + HEIF высокое</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Heif_Std</source>
        <translation>RAW + HEIF стандарт</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Std</source>
        <translation>RAW + JPEG стандарт</translation>
    </message>
    <message>
        <source>ImgInfoQ_Std</source>
        <translation>JPEG стандарт</translation>
    </message>
    <message>
        <source>LogPer_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>LogPer_On</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>LvImgQ_Fine</source>
        <translation>Высокое</translation>
    </message>
    <message>
        <source>LvImgQ_Low</source>
        <translation>Низкое</translation>
    </message>
    <message>
        <source>LvImgQ_Std</source>
        <translation>Стандарт</translation>
    </message>
    <message>
        <source>MM_Center</source>
        <translation>Центровзвешенный</translation>
    </message>
    <message>
        <source>MM_Highlight</source>
        <translation>По светам</translation>
    </message>
    <message>
        <source>MM_Pattern</source>
        <translation>Многозонный</translation>
    </message>
    <message>
        <source>MM_Spot</source>
        <translation>Точечный</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst</source>
        <translation>4K 30p серия</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst_SS</source>
        <translation>4K 30p серия (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_PreBurst</source>
        <translation>4K 30p предсерия</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst</source>
        <translation>4K 60p серия</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst_SS</source>
        <translation>4K 60p серия (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_PreBurst</source>
        <translation>4K 60p предсерия</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst</source>
        <translation>6K 30p серия</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst_SS</source>
        <translation>6K 30p серия (S/S)</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_PreBurst</source>
        <translation>6K 30p предсерия</translation>
    </message>
    <message>
        <source>PS_Classic_Monochrome</source>
        <translation>Классический монохром</translation>
    </message>
    <message>
        <source>PS_Custom</source>
        <translation>Пользоват. 1</translation>
    </message>
    <message>
        <source>PS_Custom2</source>
        <translation>Пользоват. 2</translation>
    </message>
    <message>
        <source>PS_Custom3</source>
        <translation>Пользоват. 3</translation>
    </message>
    <message>
        <source>PS_Custom4</source>
        <translation>Пользоват. 4</translation>
    </message>
    <message>
        <source>PS_FilmTone_A2</source>
        <translation>Cinelike A2</translation>
    </message>
    <message>
        <source>PS_FilmTone_D2</source>
        <translation>Cinelike D2</translation>
    </message>
    <message>
        <source>PS_FilmTone_V2</source>
        <translation>Cinelike V2</translation>
    </message>
    <message>
        <source>PS_Film_Log3</source>
        <translation>Log 3</translation>
    </message>
    <message>
        <source>PS_FilmtoneD</source>
        <translation>Cinelike D</translation>
    </message>
    <message>
        <source>PS_FilmtoneV</source>
        <translation>Cinelike V</translation>
    </message>
    <message>
        <source>PS_Flat</source>
        <translation>Плоский</translation>
    </message>
    <message>
        <source>PS_HLG_For_Q_Series</source>
        <translation>HLG для серии</translation>
    </message>
    <message>
        <source>PS_HLG_FullRange</source>
        <translation>HLG полный диапазон</translation>
    </message>
    <message>
        <source>PS_HLG_Monochrome</source>
        <translation>HLG монохром</translation>
    </message>
    <message>
        <source>PS_HLG_Standard</source>
        <translation>HLG стандарт</translation>
    </message>
    <message>
        <source>PS_Hybrid_Grama</source>
        <translation>Гибридная лог-гамма</translation>
    </message>
    <message>
        <source>PS_KClassicNeo</source>
        <translation>Классика нео</translation>
    </message>
    <message>
        <source>PS_KMonochrome</source>
        <translation>L.Монохром</translation>
    </message>
    <message>
        <source>PS_KMonochromeD</source>
        <translation>L.Монохром D</translation>
    </message>
    <message>
        <source>PS_KMonochromeS</source>
        <translation>L.Монохром S</translation>
    </message>
    <message>
        <source>PS_LandScape</source>
        <translation>Пейзаж</translation>
    </message>
    <message>
        <source>PS_Linear_Gamma</source>
        <translation>Линейная гамма</translation>
    </message>
    <message>
        <source>PS_Monochrome</source>
        <translation>Монохром</translation>
    </message>
    <message>
        <source>PS_Natural</source>
        <translation>Естественный</translation>
    </message>
    <message>
        <source>PS_Near_709</source>
        <translation>Like709</translation>
    </message>
    <message>
        <source>PS_PhotoStyle1</source>
        <translation>Стиль 1</translation>
    </message>
    <message>
        <source>PS_PhotoStyle10</source>
        <translation>Стиль 10</translation>
    </message>
    <message>
        <source>PS_PhotoStyle2</source>
        <translation>Стиль 2</translation>
    </message>
    <message>
        <source>PS_PhotoStyle3</source>
        <translation>Стиль 3</translation>
    </message>
    <message>
        <source>PS_PhotoStyle4</source>
        <translation>Стиль 4</translation>
    </message>
    <message>
        <source>PS_PhotoStyle5</source>
        <translation>Стиль 5</translation>
    </message>
    <message>
        <source>PS_PhotoStyle6</source>
        <translation>Стиль 6</translation>
    </message>
    <message>
        <source>PS_PhotoStyle7</source>
        <translation>Стиль 7</translation>
    </message>
    <message>
        <source>PS_PhotoStyle8</source>
        <translation>Стиль 8</translation>
    </message>
    <message>
        <source>PS_PhotoStyle9</source>
        <translation>Стиль 9</translation>
    </message>
    <message>
        <source>PS_Portrait</source>
        <translation>Портрет</translation>
    </message>
    <message>
        <source>PS_Q_Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>PS_Q_Log_L</source>
        <translation>Log L</translation>
    </message>
    <message>
        <source>PS_RealTime_LUT</source>
        <translation>LUT в реальном времени</translation>
    </message>
    <message>
        <source>PS_Remote_Camera_RZ300</source>
        <translation>Дистанционная камера</translation>
    </message>
    <message>
        <source>PS_Standard</source>
        <translation>Стандарт</translation>
    </message>
    <message>
        <source>PS_Vivid</source>
        <translation>Яркий</translation>
    </message>
    <message>
        <source>Photo-A</source>
        <translation>Фото A</translation>
    </message>
    <message>
        <source>Photo-M</source>
        <translation>Фото M</translation>
    </message>
    <message>
        <source>Photo-P</source>
        <translation>Фото P</translation>
    </message>
    <message>
        <source>Photo-S</source>
        <translation>Фото S</translation>
    </message>
    <message>
        <source>RM_AperturePriorityAE</source>
        <translation>Приоритет диафрагмы</translation>
    </message>
    <message>
        <source>RM_C3_Set1</source>
        <translation>Набор 1</translation>
    </message>
    <message>
        <source>RM_C3_Set10</source>
        <translation>Набор 10</translation>
    </message>
    <message>
        <source>RM_C3_Set2</source>
        <translation>Набор 2</translation>
    </message>
    <message>
        <source>RM_C3_Set3</source>
        <translation>Набор 3</translation>
    </message>
    <message>
        <source>RM_C3_Set4</source>
        <translation>Набор 4</translation>
    </message>
    <message>
        <source>RM_C3_Set5</source>
        <translation>Набор 5</translation>
    </message>
    <message>
        <source>RM_C3_Set6</source>
        <translation>Набор 6</translation>
    </message>
    <message>
        <source>RM_C3_Set7</source>
        <translation>Набор 7</translation>
    </message>
    <message>
        <source>RM_C3_Set8</source>
        <translation>Набор 8</translation>
    </message>
    <message>
        <source>RM_C3_Set9</source>
        <translation>Набор 9</translation>
    </message>
    <message>
        <source>RM_CC_BleachBypass</source>
        <translation>Обход отбеливания</translation>
    </message>
    <message>
        <source>RM_CC_CrossFilter</source>
        <translation>Звёздный фильтр</translation>
    </message>
    <message>
        <source>RM_CC_CrossProcess</source>
        <translation>Кросс-процесс</translation>
    </message>
    <message>
        <source>RM_CC_Diorama</source>
        <translation>Эффект миниатюры</translation>
    </message>
    <message>
        <source>RM_CC_DynamicMonochrome</source>
        <translation>Динамичный монохром</translation>
    </message>
    <message>
        <source>RM_CC_Fantasy</source>
        <translation>Фантазия</translation>
    </message>
    <message>
        <source>RM_CC_HighDynamic</source>
        <translation>Высокая динамика</translation>
    </message>
    <message>
        <source>RM_CC_HighKey</source>
        <translation>Высокий ключ</translation>
    </message>
    <message>
        <source>RM_CC_ImpressiveArt</source>
        <translation>Выразительное искусство</translation>
    </message>
    <message>
        <source>RM_CC_LowKey</source>
        <translation>Низкий ключ</translation>
    </message>
    <message>
        <source>RM_CC_Monochrome</source>
        <translation>Монохром</translation>
    </message>
    <message>
        <source>RM_CC_OldDays</source>
        <translation>Старые времена</translation>
    </message>
    <message>
        <source>RM_CC_OnePointColor</source>
        <translation>Выделение цвета</translation>
    </message>
    <message>
        <source>RM_CC_Pop</source>
        <translation>Экспрессия</translation>
    </message>
    <message>
        <source>RM_CC_Retro</source>
        <translation>Ретро</translation>
    </message>
    <message>
        <source>RM_CC_RoughMonochrome</source>
        <translation>Зернистый монохром</translation>
    </message>
    <message>
        <source>RM_CC_Sepia</source>
        <translation>Сепия</translation>
    </message>
    <message>
        <source>RM_CC_SilkyMonochrome</source>
        <translation>Мягкий монохром</translation>
    </message>
    <message>
        <source>RM_CC_SoftFocus</source>
        <translation>Мягкий фокус</translation>
    </message>
    <message>
        <source>RM_CC_Sunshine</source>
        <translation>Солнечный свет</translation>
    </message>
    <message>
        <source>RM_CC_ToyPhoto</source>
        <translation>Эффект игрушки</translation>
    </message>
    <message>
        <source>RM_CC_ToyPop</source>
        <translation>Яркая игрушка</translation>
    </message>
    <message>
        <source>RM_CreativeControl</source>
        <translation>Творческий контроль</translation>
    </message>
    <message>
        <source>RM_Custom1</source>
        <translation>Пользоват. 1</translation>
    </message>
    <message>
        <source>RM_Custom10</source>
        <translation>Пользоват. 10</translation>
    </message>
    <message>
        <source>RM_Custom11</source>
        <translation>Пользоват. 11</translation>
    </message>
    <message>
        <source>RM_Custom12</source>
        <translation>Пользоват. 12</translation>
    </message>
    <message>
        <source>RM_Custom2</source>
        <translation>Пользоват. 2</translation>
    </message>
    <message>
        <source>RM_Custom3</source>
        <translation>Пользоват. 3</translation>
    </message>
    <message>
        <source>RM_Custom4</source>
        <translation>Пользоват. 4</translation>
    </message>
    <message>
        <source>RM_Custom5</source>
        <translation>Пользоват. 5</translation>
    </message>
    <message>
        <source>RM_Custom6</source>
        <translation>Пользоват. 6</translation>
    </message>
    <message>
        <source>RM_Custom7</source>
        <translation>Пользоват. 7</translation>
    </message>
    <message>
        <source>RM_Custom8</source>
        <translation>Пользоват. 8</translation>
    </message>
    <message>
        <source>RM_Custom9</source>
        <translation>Пользоват. 9</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAuto</source>
        <translation>Интеллект. авто</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAutoPlus</source>
        <translation>Интеллект. авто плюс</translation>
    </message>
    <message>
        <source>RM_IntelligentAuto</source>
        <translation>Интеллект. авто</translation>
    </message>
    <message>
        <source>RM_ManualExposure</source>
        <translation>Ручная экспозиция</translation>
    </message>
    <message>
        <source>RM_ProgramAE</source>
        <translation>Программная AE</translation>
    </message>
    <message>
        <source>RM_SG_AgainstHard</source>
        <translation>Чётко в контровом свете</translation>
    </message>
    <message>
        <source>RM_SG_AgainstSoft</source>
        <translation>Мягко в контровом свете</translation>
    </message>
    <message>
        <source>RM_SG_Beautiful</source>
        <translation>Чёткий портрет</translation>
    </message>
    <message>
        <source>RM_SG_BlueSkyCool</source>
        <translation>Яркое голубое небо</translation>
    </message>
    <message>
        <source>RM_SG_ChildrenCute</source>
        <translation>Милое детское лицо</translation>
    </message>
    <message>
        <source>RM_SG_Delicious</source>
        <translation>Аппетитная еда</translation>
    </message>
    <message>
        <source>RM_SG_FantasticSunset</source>
        <translation>Романтичный закат</translation>
    </message>
    <message>
        <source>RM_SG_Flower</source>
        <translation>Нежный цветок</translation>
    </message>
    <message>
        <source>RM_SG_Heartwarming</source>
        <translation>Спокойный тон</translation>
    </message>
    <message>
        <source>RM_SG_Illumination</source>
        <translation>Сверкающая иллюминация</translation>
    </message>
    <message>
        <source>RM_SG_ImpressiveSunset</source>
        <translation>Яркий закат</translation>
    </message>
    <message>
        <source>RM_SG_Landscape</source>
        <translation>Чёткий пейзаж</translation>
    </message>
    <message>
        <source>RM_SG_Monochrome</source>
        <translation>Монохром</translation>
    </message>
    <message>
        <source>RM_SG_NightArtistic</source>
        <translation>Художественный ночной пейзаж</translation>
    </message>
    <message>
        <source>RM_SG_NightBack</source>
        <translation>Чёткий ночной портрет</translation>
    </message>
    <message>
        <source>RM_SG_NightBeatiful</source>
        <translation>Чёткий ночной пейзаж</translation>
    </message>
    <message>
        <source>RM_SG_NightCool</source>
        <translation>Холодное ночное небо</translation>
    </message>
    <message>
        <source>RM_SG_NightHand</source>
        <translation>Ночная съёмка с рук</translation>
    </message>
    <message>
        <source>RM_SG_NightWarm</source>
        <translation>Тёплый ночной пейзаж</translation>
    </message>
    <message>
        <source>RM_SG_Pet</source>
        <translation>Стоп-кадр животного</translation>
    </message>
    <message>
        <source>RM_SG_SkinBeautiful</source>
        <translation>Гладкая кожа</translation>
    </message>
    <message>
        <source>RM_SG_SparklingWater</source>
        <translation>Блестящая вода</translation>
    </message>
    <message>
        <source>RM_SG_Sports</source>
        <translation>Чёткий спорт</translation>
    </message>
    <message>
        <source>RM_SG_Sweets</source>
        <translation>Аппетитный десерт</translation>
    </message>
    <message>
        <source>RM_ShutterPriorityAE</source>
        <translation>Приоритет выдержки</translation>
    </message>
    <message>
        <source>RawTransType_OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>RawTransType_ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>RecPreviw_Exp_SS</source>
        <translation>Экспозиция и выдержка</translation>
    </message>
    <message>
        <source>RecPreviw_Expousure</source>
        <translation>Экспозиция</translation>
    </message>
    <message>
        <source>RecPreviw_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>SFT_10s</source>
        <translation>10 с</translation>
    </message>
    <message>
        <source>SFT_10s_3</source>
        <translation>10 с, 3 снимка</translation>
    </message>
    <message>
        <source>SFT_2s</source>
        <translation>2 с</translation>
    </message>
    <message>
        <source>SFT_C_10s</source>
        <translation>10 с</translation>
    </message>
    <message>
        <source>SFT_C_2s</source>
        <translation>2 с</translation>
    </message>
    <message>
        <source>SFT_C_3s</source>
        <translation>3 с</translation>
    </message>
    <message>
        <source>SFT_C_4s</source>
        <translation>4 с</translation>
    </message>
    <message>
        <source>SFT_C_5s</source>
        <translation>5 с</translation>
    </message>
    <message>
        <source>SFT_C_6s</source>
        <translation>6 с</translation>
    </message>
    <message>
        <source>SFT_C_7s</source>
        <translation>7 с</translation>
    </message>
    <message>
        <source>SFT_C_8s</source>
        <translation>8 с</translation>
    </message>
    <message>
        <source>SFT_C_9s</source>
        <translation>9 с</translation>
    </message>
    <message>
        <source>SFT_Custom</source>
        <translation>Пользоват.</translation>
    </message>
    <message>
        <source>SQ-A</source>
        <translation>S&amp;Q A</translation>
    </message>
    <message>
        <source>SQ-M</source>
        <translation>S&amp;Q M</translation>
    </message>
    <message>
        <source>SQ-P</source>
        <translation>S&amp;Q P</translation>
    </message>
    <message>
        <source>SQ-S</source>
        <translation>S&amp;Q S</translation>
    </message>
    <message>
        <source>SS_10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>SS_100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>SS_1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>SS_10000</source>
        <translation>10000</translation>
    </message>
    <message>
        <source>SS_125</source>
        <translation>125</translation>
    </message>
    <message>
        <source>SS_13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>SS_1300</source>
        <translation>1300</translation>
    </message>
    <message>
        <source>SS_13000</source>
        <translation>13000</translation>
    </message>
    <message>
        <source>SS_15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>SS_160</source>
        <translation>160</translation>
    </message>
    <message>
        <source>SS_1600</source>
        <translation>1600</translation>
    </message>
    <message>
        <source>SS_16000</source>
        <translation>16000</translation>
    </message>
    <message>
        <source>SS_1_3</source>
        <translation>1.3</translation>
    </message>
    <message>
        <source>SS_1_6</source>
        <translation>1.6</translation>
    </message>
    <message>
        <source>SS_2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>SS_20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>SS_200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>SS_2000</source>
        <translation>2000</translation>
    </message>
    <message>
        <source>SS_20000</source>
        <translation>20000</translation>
    </message>
    <message>
        <source>SS_25</source>
        <translation>25</translation>
    </message>
    <message>
        <source>SS_250</source>
        <translation>250</translation>
    </message>
    <message>
        <source>SS_2500</source>
        <translation>2500</translation>
    </message>
    <message>
        <source>SS_25000</source>
        <translation>25000</translation>
    </message>
    <message>
        <source>SS_2_5</source>
        <translation>2.5</translation>
    </message>
    <message>
        <source>SS_30</source>
        <translation>30</translation>
    </message>
    <message>
        <source>SS_320</source>
        <translation>320</translation>
    </message>
    <message>
        <source>SS_3200</source>
        <translation>3200</translation>
    </message>
    <message>
        <source>SS_32000</source>
        <translation>32000</translation>
    </message>
    <message>
        <source>SS_3_2</source>
        <translation>3.2</translation>
    </message>
    <message>
        <source>SS_4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>SS_40</source>
        <translation>40</translation>
    </message>
    <message>
        <source>SS_400</source>
        <translation>400</translation>
    </message>
    <message>
        <source>SS_4000</source>
        <translation>4000</translation>
    </message>
    <message>
        <source>SS_40000</source>
        <translation>40000</translation>
    </message>
    <message>
        <source>SS_5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>SS_50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>SS_500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>SS_5000</source>
        <translation>5000</translation>
    </message>
    <message>
        <source>SS_50000</source>
        <translation>50000</translation>
    </message>
    <message>
        <source>SS_51200</source>
        <translation>51200</translation>
    </message>
    <message>
        <source>SS_6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>SS_60</source>
        <translation>60</translation>
    </message>
    <message>
        <source>SS_640</source>
        <translation>640</translation>
    </message>
    <message>
        <source>SS_6400</source>
        <translation>6400</translation>
    </message>
    <message>
        <source>SS_64000</source>
        <translation>64000</translation>
    </message>
    <message>
        <source>SS_8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>SS_80</source>
        <translation>80</translation>
    </message>
    <message>
        <source>SS_800</source>
        <translation>800</translation>
    </message>
    <message>
        <source>SS_8000</source>
        <translation>8000</translation>
    </message>
    <message>
        <source>SS_Bulb</source>
        <translation>B</translation>
    </message>
    <message>
        <source>SS_Sec_1</source>
        <translation>1"</translation>
    </message>
    <message>
        <source>SS_Sec_10</source>
        <translation>10"</translation>
    </message>
    <message>
        <source>SS_Sec_13</source>
        <translation>13"</translation>
    </message>
    <message>
        <source>SS_Sec_15</source>
        <translation>15"</translation>
    </message>
    <message>
        <source>SS_Sec_1_3</source>
        <translation>1.3"</translation>
    </message>
    <message>
        <source>SS_Sec_1_6</source>
        <translation>1.6"</translation>
    </message>
    <message>
        <source>SS_Sec_2</source>
        <translation>2"</translation>
    </message>
    <message>
        <source>SS_Sec_20</source>
        <translation>20"</translation>
    </message>
    <message>
        <source>SS_Sec_25</source>
        <translation>25"</translation>
    </message>
    <message>
        <source>SS_Sec_2_5</source>
        <translation>2.5"</translation>
    </message>
    <message>
        <source>SS_Sec_30</source>
        <translation>30"</translation>
    </message>
    <message>
        <source>SS_Sec_3_2</source>
        <translation>3.2"</translation>
    </message>
    <message>
        <source>SS_Sec_4</source>
        <translation>4"</translation>
    </message>
    <message>
        <source>SS_Sec_40</source>
        <translation>40"</translation>
    </message>
    <message>
        <source>SS_Sec_5</source>
        <translation>5"</translation>
    </message>
    <message>
        <source>SS_Sec_50</source>
        <translation>50"</translation>
    </message>
    <message>
        <source>SS_Sec_6</source>
        <translation>6"</translation>
    </message>
    <message>
        <source>SS_Sec_60</source>
        <translation>60"</translation>
    </message>
    <message>
        <source>SS_Sec_8</source>
        <translation>8"</translation>
    </message>
    <message>
        <source>SS_Time</source>
        <translation>T</translation>
    </message>
    <message>
        <source>StoFileNameCamera_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>StoFileNameCamera_On</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>StoFolderCamera_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>StoFolderCamera_On</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>StoFolderDate_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>StoFolderDate_On</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>StoFolderType_User</source>
        <translation>Своя папка</translation>
    </message>
    <message>
        <source>StoLocType_Pc</source>
        <translation>ПК</translation>
    </message>
    <message>
        <source>StoLocType_SdCard</source>
        <translation>Карта памяти</translation>
    </message>
    <message>
        <source>StoLocType_SdCardPc</source>
        <translation>Карта памяти + ПК</translation>
    </message>
    <message>
        <source>VerChkType_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>VerChkType_On</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>Video-A</source>
        <translation>Видео A</translation>
    </message>
    <message>
        <source>Video-M</source>
        <translation>Видео M</translation>
    </message>
    <message>
        <source>Video-P</source>
        <translation>Видео P</translation>
    </message>
    <message>
        <source>Video-S</source>
        <translation>Видео S</translation>
    </message>
    <message>
        <source>WB_Auto</source>
        <translation>AWB</translation>
    </message>
    <message>
        <source>WB_Auto_Cool</source>
        <translation>AWBc</translation>
    </message>
    <message>
        <source>WB_Auto_Warm</source>
        <translation>AWBw</translation>
    </message>
    <message>
        <source>WB_Cloud</source>
        <translation>Облачно</translation>
    </message>
    <message>
        <source>WB_Daylight</source>
        <translation>Дневной свет</translation>
    </message>
    <message>
        <source>WB_Flash</source>
        <translation>Вспышка</translation>
    </message>
    <message>
        <source>WB_K_Set</source>
        <translation>Цвет. темп. 1</translation>
    </message>
    <message>
        <source>WB_K_Set2</source>
        <translation>Цвет. темп. 2</translation>
    </message>
    <message>
        <source>WB_K_Set3</source>
        <translation>Цвет. темп. 3</translation>
    </message>
    <message>
        <source>WB_K_Set4</source>
        <translation>Цвет. темп. 4</translation>
    </message>
    <message>
        <source>WB_Keep</source>
        <translation>Ручной ББ 1</translation>
    </message>
    <message>
        <source>WB_Keep2</source>
        <translation>Ручной ББ 2</translation>
    </message>
    <message>
        <source>WB_Keep3</source>
        <translation>Ручной ББ 3</translation>
    </message>
    <message>
        <source>WB_Keep4</source>
        <translation>Ручной ББ 4</translation>
    </message>
    <message>
        <source>WB_Shade</source>
        <translation>Тень</translation>
    </message>
    <message>
        <source>WB_Tengsten</source>
        <translation>Лампа накаливания</translation>
    </message>
    <message>
        <source>WirCP_High</source>
        <translation>ВЫСОКИЙ</translation>
    </message>
    <message>
        <source>WirCP_Low</source>
        <translation>НИЗКИЙ</translation>
    </message>
    <message>
        <source>WirCP_Mid</source>
        <translation>СТАНДАРТ</translation>
    </message>
    <message>
        <source>WirC_Ch1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>WirC_Ch2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>WirC_Ch3</source>
        <translation>CH3</translation>
    </message>
    <message>
        <source>WirC_Ch4</source>
        <translation>CH4</translation>
    </message>
    <message>
        <source>WirFP_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>WirFP_On</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>WirM_Off</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>WirM_On</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>AR_Multi_MULTI</source>
        <translation>MULTI</translation>
    </message>
</context>
<context>
    <name>KvOptionText</name>
    <message>
        <source>ISO_Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>ISO_I_Iso</source>
        <translation>iISO</translation>
    </message>
    <message>
        <source>Iso-dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>IsoGain-Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>IsoGain-Off</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>ShutterSpeed-Angle</source>
        <translation>d</translation>
    </message>
</context>
<context>
    <name>KvOptionButton</name>
    <message>
        <source>CreativeControl</source>
        <translation>Творческий контроль</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Режим съёмки</translation>
    </message>
</context>
<context>
    <name>KvMainPSComponentsProvider</name>
    <message>
        <source>PSC_BasePhotoStyle</source>
        <translation>Базовый стиль фото</translation>
    </message>
    <message>
        <source>PSC_ChromaPhase</source>
        <translation>Оттенок</translation>
    </message>
    <message>
        <source>PSC_ColorTone</source>
        <translation>Цветовой тон</translation>
    </message>
    <message>
        <source>PSC_Contrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>PSC_Density</source>
        <translation>Плотность LUT</translation>
    </message>
    <message>
        <source>PSC_Density1</source>
        <translation>Плотность LUT1</translation>
    </message>
    <message>
        <source>PSC_Density2</source>
        <translation>Плотность LUT2</translation>
    </message>
    <message>
        <source>PSC_DualISO</source>
        <translation>Двойной нативный ISO</translation>
    </message>
    <message>
        <source>PSC_Filter</source>
        <translation>Эффект фильтра</translation>
    </message>
    <message>
        <source>PSC_GainSetting</source>
        <translation>Усиление</translation>
    </message>
    <message>
        <source>PSC_Grain</source>
        <translation>Эффект зерна</translation>
    </message>
    <message>
        <source>PSC_Grain_Color</source>
        <translation>Цветовой шум</translation>
    </message>
    <message>
        <source>PSC_HighLight</source>
        <translation>Света</translation>
    </message>
    <message>
        <source>PSC_ISO</source>
        <translation>Чувствительность ISO</translation>
    </message>
    <message>
        <source>PSC_KneeMode</source>
        <translation>Колено</translation>
    </message>
    <message>
        <source>PSC_LUT</source>
        <translation>LUT</translation>
    </message>
    <message>
        <source>PSC_LUT1</source>
        <translation>LUT1</translation>
    </message>
    <message>
        <source>PSC_LUT2</source>
        <translation>LUT2</translation>
    </message>
    <message>
        <source>PSC_LUTBasePhotoStyle</source>
        <translation>Базовый стиль фото LUT</translation>
    </message>
    <message>
        <source>PSC_NoiseReduct</source>
        <translation>Шумоподавление</translation>
    </message>
    <message>
        <source>PSC_Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>PSC_Shadow</source>
        <translation>Тени</translation>
    </message>
    <message>
        <source>PSC_Sharpness</source>
        <translation>Резкость</translation>
    </message>
    <message>
        <source>PSC_WB</source>
        <translation>Баланс белого</translation>
    </message>
    <message>
        <source>PD_Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>PD_High</source>
        <translation>Высокая</translation>
    </message>
    <message>
        <source>PD_Low</source>
        <translation>Низкая</translation>
    </message>
    <message>
        <source>PF_Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>PF_Off</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>PF_Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>PF_Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>PF_Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>PG_High</source>
        <translation>Сильный</translation>
    </message>
    <message>
        <source>PG_Low</source>
        <translation>Слабый</translation>
    </message>
    <message>
        <source>PG_Off</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>PG_Standard</source>
        <translation>Стандарт</translation>
    </message>
    <message>
        <source>PKM_Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>PKM_Manual</source>
        <translation>Ручной</translation>
    </message>
    <message>
        <source>PKM_Off</source>
        <translation>Выкл</translation>
    </message>
</context>
<context>
    <name>KvMainPhotoStylePopup</name>
    <message>
        <source>Photo Style</source>
        <translation>Стиль фото</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>KvMainWBPopup</name>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>WB Adjust</source>
        <translation>Коррекция ББ</translation>
    </message>
</context>
<context>
    <name>KvCCPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Установить</translation>
    </message>
</context>
<context>
    <name>KvOptionDriveModeButton</name>
    <message>
        <source>4K6K</source>
        <translation>6K/4K фото</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Перевод кадров</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Пост-фокус</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Автоспуск</translation>
    </message>
</context>
<context>
    <name>KvPreferenceWindow</name>
    <message>
        <source>Preference</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Место хранения</translation>
    </message>
    <message>
        <source>Storage Folder</source>
        <translation>Папка импорта</translation>
    </message>
    <message>
        <source>Storage Folder URL Placeholder</source>
        <translation>Выберите папку.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Choose Storage Location</source>
        <translation>Выберите место хранения</translation>
    </message>
    <message>
        <source>Storage Folder Date</source>
        <translation>Автоматически создавать вложенные папки по дате</translation>
    </message>
    <message>
        <source>Storage Folder Camera</source>
        <translation>Создавать вложенную папку для каждой камеры</translation>
    </message>
    <message>
        <source>Captured File Name</source>
        <translation>Имя импортируемого файла</translation>
    </message>
    <message>
        <source>Captured File Prefix Character</source>
        <translation>Префикс:</translation>
    </message>
    <message>
        <source>Captured File Start Number</source>
        <translation>Начальный номер:</translation>
    </message>
    <message>
        <source>Store File Name Camera</source>
        <translation>Добавлять имя камеры к имени файла</translation>
    </message>
    <message>
        <source>RAW TRANSFER</source>
        <translation>Передача файлов RAW</translation>
    </message>
    <message>
        <source>HLG SHOOTING</source>
        <translation>Фото HLG</translation>
    </message>
    <message>
        <source>HLG Transfer</source>
        <translation>Передача файлов HLG</translation>
    </message>
    <message>
        <source>Auto Display Review Images</source>
        <translation>Автоматически показывать снимок для просмотра</translation>
    </message>
    <message>
        <source>Update F/W</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Camera Setting</source>
        <translation>Настройки камеры</translation>
    </message>
    <message>
        <source>Camera_setting_save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Camera_setting_restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Camera P/W</source>
        <translation>Пароль камеры</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Version Check at Startup</source>
        <translation>Проверять обновления программы при запуске</translation>
    </message>
    <message>
        <source>Show Trans Confirm Dialog</source>
        <translation>Подтверждать перед передачей</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>storage_folder_invalid</source>
        <translation>Папку импорта нельзя использовать.&lt;br /&gt;&lt;br /&gt;Введите полный путь (начинающийся с «/») к папке, в которую вы можете записывать, или к новой папке, которую можно там создать.</translation>
    </message>
    <message>
        <source>file_prefix_invalid</source>
        <translation>Введите префикс длиной от 1 до 20 символов без \ / : * ? " &lt; &gt; |.</translation>
    </message>
    <message>
        <source>start_number_invalid</source>
        <translation>Введите начальный номер от 1 до 9999.</translation>
    </message>
    <message>
        <source>title_message</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>fwup_message_1</source>
        <translation>(Прошло времени: </translation>
    </message>
    <message>
        <source>fwup_message_2</source>
        <translation>)</translation>
    </message>
    <message>
        <source>VersionApplicationName</source>
        <translation>KAVRO Rozado Ver.</translation>
    </message>
    <message>
        <source>VersionNotice</source>
        <translation>Copyright (C) KAVRO. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>KvPreferenceOptionButton</name>
    <message>
        <source>      All Cameras</source>
        <translation>      Все камеры</translation>
    </message>
</context>
<context>
    <name>KvPreferenceAgreementPopup</name>
    <message>
        <source>agreement_title_startup</source>
        <translation>Помогите улучшить KAVRO Rozado</translation>
    </message>
    <message>
        <source>agreement_title</source>
        <translation>Данные об использовании</translation>
    </message>
    <message>
        <source>agreement_content</source>
        <translation>Разрешить KAVRO Rozado записывать сведения о работе с программой и отправлять их для её улучшения? Снимки и персональные данные никогда не передаются.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>KvMainObject</name>
    <message>
        <source>Internal error.</source>
        <translation>Произошла внутренняя ошибка.</translation>
    </message>
    <message>
        <source>Connect error_msg1</source>
        <translation>Не удалось подключиться к камере.</translation>
    </message>
    <message>
        <source>Connect error_msg2</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Connect error_msg3</source>
        <translation>Код ошибки</translation>
    </message>
    <message>
        <source>Connect error_msg4</source>
        <translation>Проверьте, правильно ли установлены часы на компьютере и камере.</translation>
    </message>
    <message>
        <source>Connect error_msg4_1</source>
        <translation>1. Проверьте часовой пояс.</translation>
    </message>
    <message>
        <source>Connect error_msg4_2</source>
        <translation>2. Проверьте настройку летнего времени.</translation>
    </message>
    <message>
        <source>Connect error_msg4_3</source>
        <translation>3. Проверьте часы.</translation>
    </message>
    <message>
        <source>storage_folder_replaced</source>
        <translation>Папку импорта из файла настроек нельзя использовать:
%1
Снимки импортируются в папку «Изображения», пока её снова не удастся использовать при одном из следующих запусков или пока вы не выберете папку импорта в настройках.</translation>
    </message>
    <message>
        <source>version_page_not_opened</source>
        <translation>Не удалось открыть страницу обновления. Её адрес не является адресом веб-страницы, или веб-браузер недоступен.</translation>
    </message>
</context>
<context>
    <name>KvConnectWindow</name>
    <message>
        <source>Please connect to device</source>
        <translation>Подключите KAVRO к ПК.</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>KAVRO подключена к ПК.</translation>
    </message>
</context>
<context>
    <name>KvVersionUpDialog</name>
    <message>
        <source>open_program_top</source>
        <translation> </translation>
    </message>
    <message>
        <source>open_program_bottom</source>
        <translation> — опубликована программа обновления.</translation>
    </message>
    <message>
        <source>now_version_top</source>
        <translation>Текущая версия: </translation>
    </message>
    <message>
        <source>now_version_bottom</source>
        <translation> </translation>
    </message>
    <message>
        <source>new_version_top</source>
        <translation>Последняя версия: </translation>
    </message>
    <message>
        <source>new_version_sep1</source>
        <translation>.</translation>
    </message>
    <message>
        <source>open_web_page1</source>
        <translation>Закрыть приложение</translation>
    </message>
    <message>
        <source>open_web_page2</source>
        <translation>и сразу открыть страницу загрузки?</translation>
    </message>
    <message>
        <source>Yes_Button</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No_Button</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>KvFlashWindow</name>
    <message>
        <source>Flash</source>
        <translation>Вспышка</translation>
    </message>
    <message>
        <source>Flash Dimmer</source>
        <translation>Режим срабатывания</translation>
    </message>
    <message>
        <source>Flash Mode</source>
        <translation>Режим вспышки</translation>
    </message>
    <message>
        <source>Flash Sync</source>
        <translation>Синхронизация</translation>
    </message>
    <message>
        <source>Exposure Link</source>
        <translation>Автокоррекция&lt;br /&gt;экспозиции</translation>
    </message>
    <message>
        <source>Flash Intensity Setting</source>
        <translation>Коррекция вспышки</translation>
    </message>
    <message>
        <source>Manual Flash Emission Setting</source>
        <translation>Ручная мощность</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Беспроводной</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>Wireless Channel</source>
        <translation>Беспров. канал</translation>
    </message>
    <message>
        <source>Wireless FP</source>
        <translation>Беспров. FP</translation>
    </message>
    <message>
        <source>Wireless Light Intensity</source>
        <translation>Свет&lt;br /&gt;связи</translation>
    </message>
    <message>
        <source>Built-in Flash</source>
        <translation>Внешняя вспышка</translation>
    </message>
    <message>
        <source>A Group</source>
        <translation>Группа A</translation>
    </message>
    <message>
        <source>B Group</source>
        <translation>Группа B</translation>
    </message>
    <message>
        <source>C Group</source>
        <translation>Группа C</translation>
    </message>
    <message>
        <source>Test Emission</source>
        <translation>Тестовая вспышка</translation>
    </message>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Коррекция вспышки</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Ручная мощность</translation>
    </message>
</context>
<context>
    <name>KvFlashComponentsProvider</name>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Коррекция вспышки</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Ручная мощность</translation>
    </message>
</context>
<context>
    <name>KvFlashSliderPopup</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>KvMainMQComponentsProvider</name>
    <message>
        <source>MQD_ALL</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>MQD_IMPOSSIBLE</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MQD_POSSIBLE</source>
        <translation>Доступно</translation>
    </message>
    <message>
        <source>MQD_HDMI_ONLY_POSSIBLE</source>
        <translation>Только HDMI</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>MCPM_422</source>
        <translation>422</translation>
    </message>
    <message>
        <source>MCPM_420</source>
        <translation>420</translation>
    </message>
    <message>
        <source>MCPM_10bit</source>
        <translation>10bit</translation>
    </message>
    <message>
        <source>MCPM_8bit</source>
        <translation>8bit</translation>
    </message>
    <message>
        <source>MCPM_LongGOP</source>
        <translation>LongGOP</translation>
    </message>
    <message>
        <source>MCPM_ALL_I</source>
        <translation>ALL-I</translation>
    </message>
    <message>
        <source>MCPM_16bit</source>
        <translation>16bit</translation>
    </message>
    <message>
        <source>MCPM_RAW</source>
        <translation>RAW</translation>
    </message>
    <message>
        <source>MCPM_RAWHQ</source>
        <translation>RAW HQ</translation>
    </message>
    <message>
        <source>MCPM_422HQ</source>
        <translation>422 HQ</translation>
    </message>
    <message>
        <source>MP_6K_3_2_5952_3968</source>
        <translation>5952x3968</translation>
    </message>
    <message>
        <source>MP_5_4K_3_2_5376_3584</source>
        <translation>5376x3584</translation>
    </message>
    <message>
        <source>MP_5_9K_16_9_5888_3312</source>
        <translation>5888x3312</translation>
    </message>
    <message>
        <source>MP_C4K_17_9_4096_2160</source>
        <translation>4096x2160</translation>
    </message>
    <message>
        <source>MP_4K_16_9_3840_2160</source>
        <translation>3840x2160</translation>
    </message>
    <message>
        <source>MP_ANAMO6K_52_39_4992_3744</source>
        <translation>4992x3744</translation>
    </message>
    <message>
        <source>MP_ANAMO4K_4_3_3328_2496</source>
        <translation>3328x2496</translation>
    </message>
    <message>
        <source>MP_QFHD_16_9_3840_2160</source>
        <translation>3840x2160</translation>
    </message>
    <message>
        <source>MP_FHD_16_9_1920_1080</source>
        <translation>1920x1080</translation>
    </message>
    <message>
        <source>MP_HD_16_9_1280_720</source>
        <translation>1280x720</translation>
    </message>
    <message>
        <source>MP_WVGA_4_3_800_480</source>
        <translation>800x480</translation>
    </message>
    <message>
        <source>MP_VGA_4_3_640_480</source>
        <translation>640x480</translation>
    </message>
    <message>
        <source>MP_QVGA_4_3_320_240</source>
        <translation>320x240</translation>
    </message>
    <message>
        <source>MP_5K_4_3_4992_3744</source>
        <translation>4992x3744</translation>
    </message>
    <message>
        <source>MP_5_8K_4_3_5760_4320</source>
        <translation>5760x4320</translation>
    </message>
    <message>
        <source>MP_5_7K_17_9_5728_3024</source>
        <translation>5728x3024</translation>
    </message>
    <message>
        <source>MP_4_4K_4_3_4352_3264</source>
        <translation>4352x3264</translation>
    </message>
    <message>
        <source>MP_RAW4K_17_9_4096_2160</source>
        <translation>4096x2160</translation>
    </message>
    <message>
        <source>MP_RAW3_7K_4_3_3680_2760</source>
        <translation>3680x2760</translation>
    </message>
    <message>
        <source>MP_RAW3_5K_4_3_3536_2656</source>
        <translation>3536x2656</translation>
    </message>
    <message>
        <source>MP_RAW5_9K_16_9_5888_3312</source>
        <translation>5888x3312</translation>
    </message>
    <message>
        <source>MP_RAW4K_17_9_4128_2176</source>
        <translation>4128x2176</translation>
    </message>
    <message>
        <source>MP_RAW5_8K_4_3_5760_4320</source>
        <translation>5760x4320</translation>
    </message>
    <message>
        <source>MP_RAW5_7K_17_9_5728_3024</source>
        <translation>5728x3024</translation>
    </message>
    <message>
        <source>MP_RAW4_4K_4_3_4352_3264</source>
        <translation>4352x3264</translation>
    </message>
    <message>
        <source>MP_6K_17_9_5952_3136</source>
        <translation>5952x3136</translation>
    </message>
    <message>
        <source>MP_3_3K_4_3_3328_2496</source>
        <translation>3328x2496</translation>
    </message>
    <message>
        <source>MP_RAW4_1K_17_9_4128_2176</source>
        <translation>4128x2176</translation>
    </message>
    <message>
        <source>MP_5_8K_17_9_5776_3056</source>
        <translation>5776x3056</translation>
    </message>
    <message>
        <source>MP_3_8K_3_2_3840_2560</source>
        <translation>3840x2560</translation>
    </message>
    <message>
        <source>MP_RAW6K_3_2_6000_4000</source>
        <translation>6000x4000</translation>
    </message>
    <message>
        <source>MP_6K_24_1_1_5952_2512</source>
        <translation>5952x2512</translation>
    </message>
    <message>
        <source>MP_CS4K_24_1_1_4096_1728</source>
        <translation>4096x1728</translation>
    </message>
    <message>
        <source>MP_8_1K_3_2_8064_5376</source>
        <translation>8064x5376</translation>
    </message>
    <message>
        <source>MP_8_1K_17_9_8128_4288</source>
        <translation>8128x4288</translation>
    </message>
    <message>
        <source>MP_8K_16_9_7680_4320</source>
        <translation>7680x4320</translation>
    </message>
    <message>
        <source>MP_7_2K_3_2_7200_4800</source>
        <translation>7200x4800</translation>
    </message>
    <message>
        <source>MP_4_7K_4_3_4736_3552</source>
        <translation>4736x3552</translation>
    </message>
    <message>
        <source>MP_5_8K_17_9_5760_3040</source>
        <translation>5760x3040</translation>
    </message>
    <message>
        <source>MP_3_8K_4_3_3840_2880</source>
        <translation>3840x2880</translation>
    </message>
    <message>
        <source>MP_RAW4_8K_4_3_4800_3600</source>
        <translation>4800x3600</translation>
    </message>
    <message>
        <source>MP_RAW8_1K_3_2_8128_5418</source>
        <translation>8128x5418</translation>
    </message>
    <message>
        <source>MP_RAW8_1K_17_9_8128_4302</source>
        <translation>8128x4302</translation>
    </message>
    <message>
        <source>MP_RAW7_2K_3_2_7232_4820</source>
        <translation>7232x4820</translation>
    </message>
    <message>
        <source>MP_RAW4_8K_4_3_4752_3568</source>
        <translation>4752x3568</translation>
    </message>
    <message>
        <source>MP_5_1K_3_2_5088_3392</source>
        <translation>5088x3392</translation>
    </message>
    <message>
        <source>MP_4_8K_4_3_4800_3600</source>
        <translation>4800x3600</translation>
    </message>
    <message>
        <source>MP_6_4K_3_2_6432_4288</source>
        <translation>6432x4288</translation>
    </message>
</context>
<context>
    <name>KvMainMovieQualityPopup</name>
    <message>
        <source>Video quality</source>
        <translation>Качество записи видео</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Compression method</source>
        <translation>Кодек</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>bps</translation>
    </message>
    <message>
        <source>VFR</source>
        <translation>VFR</translation>
    </message>
    <message>
        <source>HLG</source>
        <translation>HLG</translation>
    </message>
    <message>
        <source>SQ</source>
        <translation>S&amp;Q</translation>
    </message>
</context>
<context>
    <name>KvMainMovieQualityFilterPopup</name>
    <message>
        <source>Filter condition</source>
        <translation>Условия фильтра</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Найдено: **</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Compression method</source>
        <translation>Кодек</translation>
    </message>
    <message>
        <source>VFR</source>
        <translation>VFR</translation>
    </message>
    <message>
        <source>HLG</source>
        <translation>HLG</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>KvTransferController</name>
    <message>
        <source>confirm_message_1</source>
        <translation>Во время передачи управление с ПК невозможно.</translation>
    </message>
    <message>
        <source>confirm_message_2</source>
        <translation>Импортировать снятое видео на ПК?</translation>
    </message>
    <message>
        <source>confirm_message_3</source>
        <translation>Размер: </translation>
    </message>
    <message>
        <source>confirm_message_4</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>confirm_message_5</source>
        <translation>(Импорт может занять некоторое время)</translation>
    </message>
    <message>
        <source>confirm_message_6</source>
        <translation>Если выбрать «Нет», видео нужно будет скопировать с карты памяти.</translation>
    </message>
    <message>
        <source>confirm_message_7</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>confirm_message_8</source>
        <translation>(Прошло времени: </translation>
    </message>
    <message>
        <source>confirm_message_9</source>
        <translation>)</translation>
    </message>
    <message>
        <source>confirm_message_10</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>confirm_message_11</source>
        <translation>Вы действительно хотите отменить импорт?</translation>
    </message>
    <message>
        <source>confirm_message_12</source>
        <translation>Чтобы скопировать видео на ПК,</translation>
    </message>
    <message>
        <source>confirm_message_13</source>
        <translation>скопируйте его с карты памяти.</translation>
    </message>
    <message>
        <source>confirm_message_15</source>
        <translation>Импортировать снятое 6K/4K фото?</translation>
    </message>
    <message>
        <source>confirm_message_16</source>
        <translation>Передано снимков: </translation>
    </message>
    <message>
        <source>confirm_message_17</source>
        <translation> </translation>
    </message>
    <message>
        <source>confirm_message_18</source>
        <translation>(Импорт может занять некоторое время)</translation>
    </message>
    <message>
        <source>confirm_message_19</source>
        <translation>Если выбрать «Нет», нужно будет выполнить кадрирование в камере, а затем скопировать снимки с карты памяти.</translation>
    </message>
    <message>
        <source>confirm_message_20</source>
        <translation>Чтобы скопировать 6K/4K фото на ПК,</translation>
    </message>
    <message>
        <source>confirm_message_21</source>
        <translation>выполните кадрирование в камере, а затем скопируйте снимок с карты памяти.</translation>
    </message>
    <message>
        <source>confirm_message_22</source>
        <translation>Количество файлов: </translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>Не удалось скопировать файл.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>LV</source>
        <translation>LV</translation>
    </message>
    <message>
        <source>CAMERA</source>
        <translation>КАМЕРА</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Режим съёмки</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Диафрагма</translation>
    </message>
    <message>
        <source>SS</source>
        <translation>Выдержка</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Протяжка</translation>
    </message>
    <message>
        <source>WB</source>
        <translation>Баланс белого</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Экспокорр.</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Размер снимка</translation>
    </message>
    <message>
        <source>Picture Quality</source>
        <translation>Кач-во фото</translation>
    </message>
    <message>
        <source>Motion Picture Quality</source>
        <translation>Кач-во видео</translation>
    </message>
    <message>
        <source>Focus Mode</source>
        <translation>Фокусировка</translation>
    </message>
    <message>
        <source>AF Mode</source>
        <translation>Режим AF</translation>
    </message>
    <message>
        <source>Photo Style</source>
        <translation>Стиль фото</translation>
    </message>
    <message>
        <source>Metering Mode</source>
        <translation>Режим замера</translation>
    </message>
    <message>
        <source>WB Color Temp.</source>
        <translation>Цв. темп. ББ</translation>
    </message>
    <message>
        <source>WB Tuning</source>
        <translation>Коррекция ББ</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Вспышка</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>CreativeControl</source>
        <translation>Творческий контроль</translation>
    </message>
    <message>
        <source>CreativeVideo</source>
        <translation>Творческое видео</translation>
    </message>
    <message>
        <source>IntelligentAuto</source>
        <translation>Интеллект. авто</translation>
    </message>
    <message>
        <source>Custom3</source>
        <translation>Пользоват. 3</translation>
    </message>
    <message>
        <source>Custom4</source>
        <translation>Пользоват. 4</translation>
    </message>
    <message>
        <source>Custom5</source>
        <translation>Пользоват. 5</translation>
    </message>
    <message>
        <source>SQMotion</source>
        <translation>Видео S&amp;Q</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>Burst1</source>
        <translation>Серия 1</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Автоспуск</translation>
    </message>
    <message>
        <source>4K6K</source>
        <translation>6K/4K фото</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Пост-фокус</translation>
    </message>
    <message>
        <source>HDMI</source>
        <translation>HDMI</translation>
    </message>
    <message>
        <source>SDI</source>
        <translation>SDI</translation>
    </message>
    <message>
        <source>setting_error_message</source>
        <translation>Сейчас эта операция невозможна.</translation>
    </message>
    <message>
        <source>wb_error_message</source>
        <translation>Не удалось установить баланс белого!</translation>
    </message>
    <message>
        <source>sd_error_message_1</source>
        <translation>Нет карты памяти</translation>
    </message>
    <message>
        <source>sd_error_message_2</source>
        <translation>Карта памяти защищена от записи</translation>
    </message>
    <message>
        <source>sd_error_message_3</source>
        <translation>Ошибка карты памяти</translation>
    </message>
    <message>
        <source>sd_error_message_4</source>
        <translation>Карта памяти заполнена</translation>
    </message>
    <message>
        <source>confirm_message_14</source>
        <translation>Выберите для видео формат файла, отличный от AVCHD.</translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>Не удалось скопировать файл.</translation>
    </message>
    <message>
        <source>Error Info</source>
        <translation>В камере произошла ошибка.</translation>
    </message>
    <message>
        <source>Error Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Error Date-time</source>
        <translation>Дата и время ошибки</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Код ошибки</translation>
    </message>
    <message>
        <source>Error Content</source>
        <translation>Описание ошибки</translation>
    </message>
    <message>
        <source>ERR-9</source>
        <translation>Ошибка объектива&lt;br /&gt;Проверьте объектив</translation>
    </message>
    <message>
        <source>ERR-11</source>
        <translation>Ошибка карты&lt;br /&gt;Проверьте карту</translation>
    </message>
    <message>
        <source>ERR-12</source>
        <translation>Ошибка записи&lt;br /&gt;Проверьте карту</translation>
    </message>
    <message>
        <source>ERR-14</source>
        <translation>Карта памяти заполнена</translation>
    </message>
    <message>
        <source>ERR-16</source>
        <translation>Ошибка чтения&lt;br /&gt;Проверьте карту</translation>
    </message>
    <message>
        <source>ERR-56</source>
        <translation>Высокая температура&lt;br /&gt;Подождите, пока камера остынет</translation>
    </message>
    <message>
        <source>ERR-70</source>
        <translation>Этот аккумулятор нельзя использовать</translation>
    </message>
    <message>
        <source>ERR-104</source>
        <translation>Ошибка карты&lt;br /&gt;Отформатируйте карту в камере</translation>
    </message>
    <message>
        <source>ERR-107</source>
        <translation>Ошибка камеры 107&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-108</source>
        <translation>Ошибка камеры 108&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-129</source>
        <translation>Ошибка камеры 129&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-130</source>
        <translation>Ошибка камеры 130&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-186</source>
        <translation>Ошибка камеры 186&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-188</source>
        <translation>Ошибка камеры 188&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-369</source>
        <translation>Ошибка камеры 369&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-378</source>
        <translation>Ошибка камеры 378&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-387</source>
        <translation>Ошибка камеры 387&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-388</source>
        <translation>Ошибка камеры 388&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-389</source>
        <translation>Ошибка камеры 389&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-390</source>
        <translation>Ошибка камеры 390&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-396</source>
        <translation>Ошибка камеры 396&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-397</source>
        <translation>Достигнуто максимальное время&lt;br /&gt;записи 12 часов.&lt;br /&gt;Запись остановлена.</translation>
    </message>
    <message>
        <source>ERR-461</source>
        <translation>Ошибка камеры 461&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-463</source>
        <translation>Ошибка камеры 463&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-464</source>
        <translation>Ошибка камеры 464&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-466</source>
        <translation>Ошибка камеры 466&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-467</source>
        <translation>Ошибка камеры 467&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-468</source>
        <translation>Ошибка камеры 468&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-469</source>
        <translation>Ошибка камеры 469&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-470</source>
        <translation>Ошибка камеры 470&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-471</source>
        <translation>Ошибка камеры 471&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-472</source>
        <translation>Ошибка камеры 472&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-486</source>
        <translation>Ошибка камеры 486&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-487</source>
        <translation>Ошибка камеры 487&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-488</source>
        <translation>Ошибка камеры 488&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-499</source>
        <translation>Ошибка камеры 499&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-500</source>
        <translation>Ошибка камеры 500&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-527</source>
        <translation>Ошибка камеры 527&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-529</source>
        <translation>Ошибка камеры 529&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-588</source>
        <translation>Ошибка камеры 588&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-598</source>
        <translation>Ошибка камеры 598&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-610</source>
        <translation>Ошибка камеры 610&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-611</source>
        <translation>Ошибка камеры 611&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-612</source>
        <translation>Ошибка камеры 612&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-613</source>
        <translation>Ошибка камеры 613&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-614</source>
        <translation>Ошибка камеры 614&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-615</source>
        <translation>Ошибка камеры 615&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-617</source>
        <translation>Ошибка камеры 617&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-618</source>
        <translation>Ошибка камеры 618&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-621</source>
        <translation>Ошибка камеры 621&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-622</source>
        <translation>Ошибка камеры 622&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-624</source>
        <translation>Ошибка камеры 624&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-625</source>
        <translation>Ошибка камеры 625&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-626</source>
        <translation>Функция трансляции включена.&lt;br /&gt;Доступна только дистанционная запись.</translation>
    </message>
    <message>
        <source>ERR-629</source>
        <translation>Ошибка камеры 629&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-630</source>
        <translation>Ошибка камеры 630&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-631</source>
        <translation>Ошибка камеры 631&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-632</source>
        <translation>Ошибка камеры 632&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-633</source>
        <translation>Ошибка камеры 633&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-634</source>
        <translation>Ошибка камеры 634&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-635</source>
        <translation>Ошибка камеры 635&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-636</source>
        <translation>Ошибка камеры 636&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-639</source>
        <translation>Ошибка камеры 639&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-640</source>
        <translation>Ошибка камеры 640&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-641</source>
        <translation>Ошибка камеры 641&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-644</source>
        <translation>Ошибка камеры 644&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-646</source>
        <translation>Ошибка камеры 646&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-647</source>
        <translation>Ошибка камеры 647&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-649</source>
        <translation>Ошибка камеры 649&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-650</source>
        <translation>Ошибка камеры 650&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-652</source>
        <translation>Ошибка камеры 652&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-655</source>
        <translation>Ошибка камеры 655&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-656</source>
        <translation>Ошибка камеры 656&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-660</source>
        <translation>Ошибка камеры 660&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-661</source>
        <translation>Ошибка камеры 661&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-662</source>
        <translation>Ошибка камеры 662&lt;br /&gt;Проверьте камеру</translation>
    </message>
    <message>
        <source>ERR-663</source>
        <translation>Ошибка камеры 663&lt;br /&gt;Проверьте камеру</translation>
    </message>
</context>
<context>
    <name>KvPreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
</context>
<context>
    <name>KvCameraListButton2</name>
    <message>
        <source>All Cameras</source>
        <translation>Все камеры</translation>
    </message>
</context>
<context>
    <name>KvCameraListWindow2</name>
    <message>
        <source>CAMERA</source>
        <translation>КАМЕРА</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>KvSearchCameraListItem</name>
    <message>
        <source>Conn.</source>
        <translation>Подкл.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>All Cameras</source>
        <translation>Все камеры</translation>
    </message>
    <message>
        <source>Conn. Type</source>
        <translation>Тип подкл.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>authorized</source>
        <translation>Эта камера уже подключалась ранее.</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>Эта камера ещё не подключалась. Если подключиться не удаётся, проверьте, правильно ли установлены часы на камере и на этом компьютере.</translation>
    </message>
    <message>
        <source>encrypt</source>
        <translation>Обмен данными с этой камерой зашифрован.</translation>
    </message>
    <message>
        <source>unencrypted</source>
        <translation>Эта камера не поддерживает шифрование обмена данными.</translation>
    </message>
    <message>
        <source>usb</source>
        <translation>Подключение по USB</translation>
    </message>
</context>
<context>
    <name>KvSearchCameraListWindow</name>
    <message>
        <source>CAMERA</source>
        <translation>КАМЕРА</translation>
    </message>
    <message>
        <source>SearchCameraInformation</source>
        <translation>Выберите камеру для подключения и нажмите кнопку [Начать].</translation>
    </message>
    <message>
        <source>StartMessage</source>
        <translation>Выберите камеру для подключения и нажмите кнопку [Начать].</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
</context>
<context>
    <name>KvGridPopup</name>
    <message>
        <source>grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>3x3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>2x2</source>
        <translation>2 x 2 + диагонали</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>cross line</source>
        <translation>Показывать диагонали</translation>
    </message>
    <message>
        <source>horizon num</source>
        <translation>Число по горизонтали</translation>
    </message>
    <message>
        <source>vertical num</source>
        <translation>Число по вертикали</translation>
    </message>
    <message>
        <source>thickness</source>
        <translation>Толщина</translation>
    </message>
    <message>
        <source>color</source>
        <translation>Цвет</translation>
    </message>
</context>
<context>
    <name>KvGuideLinePopup</name>
    <message>
        <source>guideline</source>
        <translation>Направляющие</translation>
    </message>
    <message>
        <source>Vertical 1</source>
        <translation>По вертикали 1</translation>
    </message>
    <message>
        <source>Vertical 2</source>
        <translation>По вертикали 2</translation>
    </message>
    <message>
        <source>Holizon 1</source>
        <translation>По горизонтали 1</translation>
    </message>
    <message>
        <source>Holizon 2</source>
        <translation>По горизонтали 2</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Толщина</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
</context>
<context>
    <name>KvOverlayPhotoPopup</name>
    <message>
        <source>Overlay</source>
        <translation>Наложение</translation>
    </message>
    <message>
        <source>Image File</source>
        <translation>Файл изображения</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Выберите файл</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Please choose a file</source>
        <translation>Выберите файл</translation>
    </message>
    <message>
        <source>JPEG (*.jpg)</source>
        <translation>JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>RAW (*.RW2)</source>
        <translation>RAW (*.RW2)</translation>
    </message>
    <message>
        <source>All Files (*.jpg *.RW2)</source>
        <translation>Все файлы (*.jpg *.RW2)</translation>
    </message>
    <message>
        <source>error_message_1</source>
        <translation>Не удалось прочитать файл. Проверьте указанный файл.</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>Положение</translation>
    </message>
    <message>
        <source>Scaling(25 - 200%)</source>
        <translation>Масштаб (25 - 200%)</translation>
    </message>
    <message>
        <source>Rotation(-180 - 180°)</source>
        <translation>Поворот (-180 - 180°)</translation>
    </message>
    <message>
        <source>Ratio(0 - 100%)</source>
        <translation>Прозрачность (0 - 100%)</translation>
    </message>
    <message>
        <source>Reset setting</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>KvCustomColorDialog</name>
    <message>
        <source>Please choose a color</source>
        <translation>Выберите цвет</translation>
    </message>
</context>
<context>
    <name>KvLiveViewComposite</name>
    <message>
        <source>Message-1</source>
        <translation>Перед нажатием кнопки спуска&lt;br /&gt;установите выдержку и&lt;br /&gt;чувствительность ISO, чтобы&lt;br /&gt;создать чёрный кадр для&lt;br /&gt;шумоподавления.</translation>
    </message>
    <message>
        <source>Message-2-1</source>
        <translation>Создание чёрного кадра&lt;br /&gt;для шумоподавления.&lt;br /&gt;Подождите.</translation>
    </message>
    <message>
        <source>Message-2-2</source>
        <translation>Композитная съёмка Live View&lt;br /&gt;начнётся после нажатия кнопки спуска.</translation>
    </message>
    <message>
        <source>Message-4</source>
        <translation>Обработка</translation>
    </message>
</context>
<context>
    <name>KvLiveViewWindow</name>
    <message>
        <source>LIVE VIEW</source>
        <translation>LIVE VIEW</translation>
    </message>
    <message>
        <source>Carrying out Camera Operation</source>
        <translation>Выполняется операция камеры</translation>
    </message>
    <message>
        <source>getting update information from camera</source>
        <translation>Получение сведений об обновлении от камеры</translation>
    </message>
    <message>
        <source>The preview image of the camera cannot be displayed because streaming is being carried out.</source>
        <translation>Изображение предпросмотра камеры невозможно показать, так как идёт трансляция.</translation>
    </message>
</context>
<context>
    <name>KvLiveViewControlItem</name>
    <message>
        <source>MENU</source>
        <translation>МЕНЮ</translation>
    </message>
    <message>
        <source>WB Settings</source>
        <translation>Ручной ББ</translation>
    </message>
    <message>
        <source>AF Area</source>
        <translation>Показ зоны AF</translation>
    </message>
    <message>
        <source>One-Shot AF</source>
        <translation>Разовый AF</translation>
    </message>
    <message>
        <source>Level Indicator</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>Guideline</source>
        <translation>Направляющие</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Наложение</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Гистограмма</translation>
    </message>
    <message>
        <source>MF Zoom</source>
        <translation>Увеличение</translation>
    </message>
    <message>
        <source>MF Adjust</source>
        <translation>Настр. MF</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Зум</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>LiveView Rotation</source>
        <translation>Поворот LV</translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation>Качество LV</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Формат кадра</translation>
    </message>
    <message>
        <source>Monitor Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Please Change to Single View</source>
        <translation>При работе с меню переключитесь на одиночный экран (1 экран).</translation>
    </message>
</context>
<context>
    <name>KvTransferFailureNotice</name>
    <message>
        <source>transfer_failed_intro</source>
        <translation>Эти снимки не сохранены на компьютере; в папке для сохранения от них ничего не осталось. Съёмку можно продолжать; проверьте камеры и папку для сохранения.</translation>
    </message>
    <message>
        <source>transfer_failed_line</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_line_camera</source>
        <translation>%1: снимок %2 на камере (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_no_name</source>
        <translation>снимок</translation>
    </message>
    <message>
        <source>transfer_failed_folder</source>
        <translation>не удаётся создать папку для сохранения или записать в неё</translation>
    </message>
    <message>
        <source>transfer_failed_camera</source>
        <translation>камера его не передала</translation>
    </message>
    <message>
        <source>transfer_failed_write</source>
        <translation>не удалось записать: %1</translation>
    </message>
    <message>
        <source>transfer_failed_more</source>
        <translation>… и ещё %1</translation>
    </message>
    <message>
        <source>transfer_failed_ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
