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
    <message>
        <source>No text specified!</source>
        <translation>¡No se ha especificado ningún texto!</translation>
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
    <message>
        <source>KAVRO Rozado</source>
        <translation>KAVRO Rozado</translation>
    </message>
</context>
<context>
    <name>kavrotether::XmlDownloadManager</name>
    <message>
        <source>URL</source>
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_es.xml</translation>
    </message>
</context>
<context>
    <name>KvOptionComponentsProvider</name>
    <message>
        <source>AFM_1Point</source>
        <translation>1 área</translation>
    </message>
    <message>
        <source>AFM_1PointAux</source>
        <translation>1 área+</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Detection</source>
        <translation>1 área+ detección</translation>
    </message>
    <message>
        <source>AFM_1PointAux_FaceEye</source>
        <translation>1 área+ (cara/ojo)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Human</source>
        <translation>1 área+ (persona)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_HumanAnimal</source>
        <translation>1 área+ (persona/animal)</translation>
    </message>
    <message>
        <source>AFM_1Point_Detection</source>
        <translation>1 área detección</translation>
    </message>
    <message>
        <source>AFM_1Point_FaceEye</source>
        <translation>1 área (cara/ojo)</translation>
    </message>
    <message>
        <source>AFM_1Point_Human</source>
        <translation>1 área (persona)</translation>
    </message>
    <message>
        <source>AFM_1Point_HumanAnimal</source>
        <translation>1 área (persona/animal)</translation>
    </message>
    <message>
        <source>AFM_225Point</source>
        <translation>225 áreas</translation>
    </message>
    <message>
        <source>AFM_AutoRe</source>
        <translation>Detección auto</translation>
    </message>
    <message>
        <source>AFM_AutoRe_Human</source>
        <translation>Detección de personas</translation>
    </message>
    <message>
        <source>AFM_AutoRe_HumanAnimal</source>
        <translation>Detección persona/animal</translation>
    </message>
    <message>
        <source>AFM_Custom1</source>
        <translation>Personal. 1</translation>
    </message>
    <message>
        <source>AFM_Custom2</source>
        <translation>Personal. 2</translation>
    </message>
    <message>
        <source>AFM_Custom3</source>
        <translation>Personal. 3</translation>
    </message>
    <message>
        <source>AFM_CustomC1</source>
        <translation>Multi personal. C1</translation>
    </message>
    <message>
        <source>AFM_CustomC2</source>
        <translation>Multi personal. C2</translation>
    </message>
    <message>
        <source>AFM_CustomC3</source>
        <translation>Multi personal. C3</translation>
    </message>
    <message>
        <source>AFM_CustomCenter</source>
        <translation>Multi personal. (centro)</translation>
    </message>
    <message>
        <source>AFM_CustomHorizon</source>
        <translation>Multi personal. (horizontal)</translation>
    </message>
    <message>
        <source>AFM_CustomVertical</source>
        <translation>Multi personal. (vertical)</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalBody</source>
        <translation>Cuerpo animal</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalEyeBody</source>
        <translation>Ojo/cuerpo animal</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Priority</source>
        <translation>Bicicleta (prioridad)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Whole</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>AFM_Detection_Bike_Helmet</source>
        <translation>Moto (casco)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bike_Whole</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>AFM_Detection_Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Priority</source>
        <translation>Coche (prioridad)</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Whole</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFace</source>
        <translation>Ojo/cara persona</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFaceBody</source>
        <translation>Ojo/cara/cuerpo persona</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanStreet</source>
        <translation>Persona (calle)</translation>
    </message>
    <message>
        <source>AFM_Detection_Motorcycle</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Aircraft</source>
        <translation>Avión</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Nose_Priority</source>
        <translation>Avión (morro)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Leading_Veh</source>
        <translation>Tren (cabeza)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Priority</source>
        <translation>Tren (prioridad)</translation>
    </message>
    <message>
        <source>AFM_Ellipse</source>
        <translation>Zona (ovalada)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Detection</source>
        <translation>Zona (ovalada) detección</translation>
    </message>
    <message>
        <source>AFM_Ellipse_FaceEye</source>
        <translation>Zona (ovalada) (cara/ojo)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Human</source>
        <translation>Zona (ovalada) (persona)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_HumanAnimal</source>
        <translation>Zona (ovalada) (persona/animal)</translation>
    </message>
    <message>
        <source>AFM_Face</source>
        <translation>Detección cara/ojo</translation>
    </message>
    <message>
        <source>AFM_FullArea</source>
        <translation>Área completa</translation>
    </message>
    <message>
        <source>AFM_FullArea_Detection</source>
        <translation>Área completa detección</translation>
    </message>
    <message>
        <source>AFM_FullArea_FaceEye</source>
        <translation>Área completa (cara/ojo)</translation>
    </message>
    <message>
        <source>AFM_FullArea_Human</source>
        <translation>Área completa (persona)</translation>
    </message>
    <message>
        <source>AFM_FullArea_HumanAnimal</source>
        <translation>Área completa (persona/animal)</translation>
    </message>
    <message>
        <source>AFM_Pinpoint</source>
        <translation>Punto preciso</translation>
    </message>
    <message>
        <source>AFM_Square</source>
        <translation>Zona (cuadrada)</translation>
    </message>
    <message>
        <source>AFM_Tracking</source>
        <translation>Seguimiento</translation>
    </message>
    <message>
        <source>AFM_Tracking_Detection</source>
        <translation>Seguimiento detección</translation>
    </message>
    <message>
        <source>AFM_Tracking_FaceEye</source>
        <translation>Seguimiento (cara/ojo)</translation>
    </message>
    <message>
        <source>AFM_Tracking_Human</source>
        <translation>Seguimiento (persona)</translation>
    </message>
    <message>
        <source>AFM_Tracking_HumanAnimal</source>
        <translation>Seguimiento (persona/animal)</translation>
    </message>
    <message>
        <source>AFM_VertHori</source>
        <translation>Zona (vertical/horizontal)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Detection</source>
        <translation>Zona (vert./horiz.) detección</translation>
    </message>
    <message>
        <source>AFM_VertHori_FaceEye</source>
        <translation>Zona (vert./horiz.) (cara/ojo)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Human</source>
        <translation>Zona (vert./horiz.) (persona)</translation>
    </message>
    <message>
        <source>AFM_VertHori_HumanAnimal</source>
        <translation>Zona (vert./horiz.) (persona/animal)</translation>
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
        <translation>MANUAL</translation>
    </message>
    <message>
        <source>BIFD_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>BIFD_Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>BIFD_TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>BS_6K4K</source>
        <translation>Ráfaga 6K/4K</translation>
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
        <translation>Pre-ráfaga SH1</translation>
    </message>
    <message>
        <source>BS_EleFastPre2</source>
        <translation>Pre-ráfaga SH2</translation>
    </message>
    <message>
        <source>BS_EleFastPre20</source>
        <translation>Pre-ráfaga SH 20 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre3</source>
        <translation>Pre-ráfaga SH3</translation>
    </message>
    <message>
        <source>BS_EleFastPre30</source>
        <translation>Pre-ráfaga SH 30 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre40</source>
        <translation>Pre-ráfaga SH 40 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre60</source>
        <translation>Pre-ráfaga SH 60 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre70</source>
        <translation>Pre-ráfaga SH 70 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre75</source>
        <translation>Pre-ráfaga SH 75 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPreSH</source>
        <translation>Pre-ráfaga SH</translation>
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
        <translation>H con Live View</translation>
    </message>
    <message>
        <source>BS_HighSpeedPlus</source>
        <translation>H+</translation>
    </message>
    <message>
        <source>BS_HighSpeedPlusLiveView</source>
        <translation>H+ con Live View</translation>
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
        <translation>OFF</translation>
    </message>
    <message>
        <source>ConfirmDlgType_ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>CreativeVideo</source>
        <translation>Vídeo creativo</translation>
    </message>
    <message>
        <source>CreativeVideo-A</source>
        <translation>Vídeo creativo A</translation>
    </message>
    <message>
        <source>CreativeVideo-M</source>
        <translation>Vídeo creativo M</translation>
    </message>
    <message>
        <source>CreativeVideo-P</source>
        <translation>Vídeo creativo P</translation>
    </message>
    <message>
        <source>CreativeVideo-S</source>
        <translation>Vídeo creativo S</translation>
    </message>
    <message>
        <source>DM_4K6K</source>
        <translation>Foto 6K/4K</translation>
    </message>
    <message>
        <source>DM_Bracket</source>
        <translation>Horquillado</translation>
    </message>
    <message>
        <source>DM_Burst</source>
        <translation>Ráfaga</translation>
    </message>
    <message>
        <source>DM_Burst1</source>
        <translation>Ráfaga 1</translation>
    </message>
    <message>
        <source>DM_Burst2</source>
        <translation>Ráfaga 2</translation>
    </message>
    <message>
        <source>DM_Focus</source>
        <translation>Post-enfoque</translation>
    </message>
    <message>
        <source>DM_HANDHELD_HRS</source>
        <translation>Alta resolución a pulso</translation>
    </message>
    <message>
        <source>DM_HRS</source>
        <translation>Alta resolución</translation>
    </message>
    <message>
        <source>DM_Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>DM_Komadori</source>
        <translation>Stop motion</translation>
    </message>
    <message>
        <source>DM_SelfTimer</source>
        <translation>Autodisparador</translation>
    </message>
    <message>
        <source>DM_Single</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Default Folder(Mac)</source>
        <translation>Carpeta Imágenes</translation>
    </message>
    <message>
        <source>Default Folder(Win)</source>
        <translation>Carpeta Imágenes</translation>
    </message>
    <message>
        <source>DisRevType_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>DisRevType_On</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>ExpL_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ExpL_On</source>
        <translation>ON</translation>
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
        <translation>MANUAL</translation>
    </message>
    <message>
        <source>FlshDim_TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>FlshM_Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>FlshM_Forbid</source>
        <translation>Flash forzado OFF</translation>
    </message>
    <message>
        <source>FlshM_Forced</source>
        <translation>Flash forzado ON</translation>
    </message>
    <message>
        <source>FlshM_ForcedRedEye</source>
        <translation>Forzado ON/Reduc. ojos rojos</translation>
    </message>
    <message>
        <source>FlshM_SlowRedEye</source>
        <translation>Sinc. lenta/Reduc. ojos rojos</translation>
    </message>
    <message>
        <source>FlshM_SlowSync</source>
        <translation>Sinc. lenta</translation>
    </message>
    <message>
        <source>FlshS_Front</source>
        <translation>1.ª</translation>
    </message>
    <message>
        <source>FlshS_Rear</source>
        <translation>2.ª</translation>
    </message>
    <message>
        <source>FolNameType_Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>FolNameType_User</source>
        <translation>Prefijo a elegir</translation>
    </message>
    <message>
        <source>GFD_Auto</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>GFD_Manual</source>
        <translation>MANUAL</translation>
    </message>
    <message>
        <source>GFD_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>GFD_TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>HlgShootingType_4K</source>
        <translation>Res. 4K</translation>
    </message>
    <message>
        <source>HlgShootingType_8K</source>
        <translation>Res. 8K</translation>
    </message>
    <message>
        <source>HlgShootingType_Full</source>
        <translation>Res. completa</translation>
    </message>
    <message>
        <source>HlgShootingType_OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>HlgTransType_OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>HlgTransType_ON</source>
        <translation>ON</translation>
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
        <translation>Auto</translation>
    </message>
    <message>
        <source>ISO_I_Iso</source>
        <translation>ISO i-ISO</translation>
    </message>
    <message>
        <source>ImgInfoQ_Fine</source>
        <translation>JPEG Fina</translation>
    </message>
    <message>
        <source>ImgInfoQ_Heif_Fine</source>
        <translation>HEIF Fina</translation>
    </message>
    <message>
        <source>ImgInfoQ_Heif_Std</source>
        <translation>HEIF Estándar</translation>
    </message>
    <message>
        <source>ImgInfoQ_Interlock</source>
        <translation>Combinado</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw</source>
        <translation>RAW</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Fine</source>
        <translation>RAW + JPEG Fina</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Heif_Fine</source>
        <translation>RAW + HEIF Fina</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Heif_Std</source>
        <translation>RAW + HEIF Estándar</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Std</source>
        <translation>RAW + JPEG Estándar</translation>
    </message>
    <message>
        <source>ImgInfoQ_Std</source>
        <translation>JPEG Estándar</translation>
    </message>
    <message>
        <source>LogPer_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>LogPer_On</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>LvImgQ_Fine</source>
        <translation>Fina</translation>
    </message>
    <message>
        <source>LvImgQ_Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>LvImgQ_Std</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>MM_Center</source>
        <translation>Ponderada al centro</translation>
    </message>
    <message>
        <source>MM_Highlight</source>
        <translation>Ponderada a altas luces</translation>
    </message>
    <message>
        <source>MM_Pattern</source>
        <translation>Múltiple</translation>
    </message>
    <message>
        <source>MM_Spot</source>
        <translation>Puntual</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst</source>
        <translation>Ráfaga 4K 30p</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst_SS</source>
        <translation>Ráfaga 4K 30p (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_PreBurst</source>
        <translation>Pre-ráfaga 4K 30p</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst</source>
        <translation>Ráfaga 4K 60p</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst_SS</source>
        <translation>Ráfaga 4K 60p (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_PreBurst</source>
        <translation>Pre-ráfaga 4K 60p</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst</source>
        <translation>Ráfaga 6K 30p</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst_SS</source>
        <translation>Ráfaga 6K 30p (S/S)</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_PreBurst</source>
        <translation>Pre-ráfaga 6K 30p</translation>
    </message>
    <message>
        <source>PS_Classic_Monochrome</source>
        <translation>Monocromo clásico</translation>
    </message>
    <message>
        <source>PS_Custom</source>
        <translation>Personal. 1</translation>
    </message>
    <message>
        <source>PS_Custom2</source>
        <translation>Personal. 2</translation>
    </message>
    <message>
        <source>PS_Custom3</source>
        <translation>Personal. 3</translation>
    </message>
    <message>
        <source>PS_Custom4</source>
        <translation>Personal. 4</translation>
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
        <translation>Plano</translation>
    </message>
    <message>
        <source>PS_HLG_For_Q_Series</source>
        <translation>HLG para serie</translation>
    </message>
    <message>
        <source>PS_HLG_FullRange</source>
        <translation>HLG rango completo</translation>
    </message>
    <message>
        <source>PS_HLG_Monochrome</source>
        <translation>HLG monocromo</translation>
    </message>
    <message>
        <source>PS_HLG_Standard</source>
        <translation>HLG estándar</translation>
    </message>
    <message>
        <source>PS_Hybrid_Grama</source>
        <translation>Hybrid Log Gamma</translation>
    </message>
    <message>
        <source>PS_KClassicNeo</source>
        <translation>Classic Neo</translation>
    </message>
    <message>
        <source>PS_KMonochrome</source>
        <translation>L.Monocromo</translation>
    </message>
    <message>
        <source>PS_KMonochromeD</source>
        <translation>L.Monocromo D</translation>
    </message>
    <message>
        <source>PS_KMonochromeS</source>
        <translation>L.Monocromo S</translation>
    </message>
    <message>
        <source>PS_LandScape</source>
        <translation>Paisaje</translation>
    </message>
    <message>
        <source>PS_Linear_Gamma</source>
        <translation>Gamma lineal</translation>
    </message>
    <message>
        <source>PS_Monochrome</source>
        <translation>Monocromo</translation>
    </message>
    <message>
        <source>PS_Natural</source>
        <translation>Natural</translation>
    </message>
    <message>
        <source>PS_Near_709</source>
        <translation>Like709</translation>
    </message>
    <message>
        <source>PS_PhotoStyle1</source>
        <translation>Look 1</translation>
    </message>
    <message>
        <source>PS_PhotoStyle10</source>
        <translation>Look 10</translation>
    </message>
    <message>
        <source>PS_PhotoStyle2</source>
        <translation>Look 2</translation>
    </message>
    <message>
        <source>PS_PhotoStyle3</source>
        <translation>Look 3</translation>
    </message>
    <message>
        <source>PS_PhotoStyle4</source>
        <translation>Look 4</translation>
    </message>
    <message>
        <source>PS_PhotoStyle5</source>
        <translation>Look 5</translation>
    </message>
    <message>
        <source>PS_PhotoStyle6</source>
        <translation>Look 6</translation>
    </message>
    <message>
        <source>PS_PhotoStyle7</source>
        <translation>Look 7</translation>
    </message>
    <message>
        <source>PS_PhotoStyle8</source>
        <translation>Look 8</translation>
    </message>
    <message>
        <source>PS_PhotoStyle9</source>
        <translation>Look 9</translation>
    </message>
    <message>
        <source>PS_Portrait</source>
        <translation>Retrato</translation>
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
        <translation>LUT en tiempo real</translation>
    </message>
    <message>
        <source>PS_Remote_Camera_RZ300</source>
        <translation>Cámara remota</translation>
    </message>
    <message>
        <source>PS_Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>PS_Vivid</source>
        <translation>Vívido</translation>
    </message>
    <message>
        <source>Photo-A</source>
        <translation>Foto A</translation>
    </message>
    <message>
        <source>Photo-M</source>
        <translation>Foto M</translation>
    </message>
    <message>
        <source>Photo-P</source>
        <translation>Foto P</translation>
    </message>
    <message>
        <source>Photo-S</source>
        <translation>Foto S</translation>
    </message>
    <message>
        <source>RM_AperturePriorityAE</source>
        <translation>Prioridad a la abertura</translation>
    </message>
    <message>
        <source>RM_C3_Set1</source>
        <translation>Ajuste 1</translation>
    </message>
    <message>
        <source>RM_C3_Set10</source>
        <translation>Ajuste 10</translation>
    </message>
    <message>
        <source>RM_C3_Set2</source>
        <translation>Ajuste 2</translation>
    </message>
    <message>
        <source>RM_C3_Set3</source>
        <translation>Ajuste 3</translation>
    </message>
    <message>
        <source>RM_C3_Set4</source>
        <translation>Ajuste 4</translation>
    </message>
    <message>
        <source>RM_C3_Set5</source>
        <translation>Ajuste 5</translation>
    </message>
    <message>
        <source>RM_C3_Set6</source>
        <translation>Ajuste 6</translation>
    </message>
    <message>
        <source>RM_C3_Set7</source>
        <translation>Ajuste 7</translation>
    </message>
    <message>
        <source>RM_C3_Set8</source>
        <translation>Ajuste 8</translation>
    </message>
    <message>
        <source>RM_C3_Set9</source>
        <translation>Ajuste 9</translation>
    </message>
    <message>
        <source>RM_CC_BleachBypass</source>
        <translation>Sin blanqueo</translation>
    </message>
    <message>
        <source>RM_CC_CrossFilter</source>
        <translation>Filtro de estrellas</translation>
    </message>
    <message>
        <source>RM_CC_CrossProcess</source>
        <translation>Proceso cruzado</translation>
    </message>
    <message>
        <source>RM_CC_Diorama</source>
        <translation>Efecto miniatura</translation>
    </message>
    <message>
        <source>RM_CC_DynamicMonochrome</source>
        <translation>Monocromo dinámico</translation>
    </message>
    <message>
        <source>RM_CC_Fantasy</source>
        <translation>Fantasía</translation>
    </message>
    <message>
        <source>RM_CC_HighDynamic</source>
        <translation>Alto dinamismo</translation>
    </message>
    <message>
        <source>RM_CC_HighKey</source>
        <translation>Clave alta</translation>
    </message>
    <message>
        <source>RM_CC_ImpressiveArt</source>
        <translation>Arte impresionante</translation>
    </message>
    <message>
        <source>RM_CC_LowKey</source>
        <translation>Clave baja</translation>
    </message>
    <message>
        <source>RM_CC_Monochrome</source>
        <translation>Monocromo</translation>
    </message>
    <message>
        <source>RM_CC_OldDays</source>
        <translation>Días antiguos</translation>
    </message>
    <message>
        <source>RM_CC_OnePointColor</source>
        <translation>Color puntual</translation>
    </message>
    <message>
        <source>RM_CC_Pop</source>
        <translation>Expresivo</translation>
    </message>
    <message>
        <source>RM_CC_Retro</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>RM_CC_RoughMonochrome</source>
        <translation>Monocromo granulado</translation>
    </message>
    <message>
        <source>RM_CC_Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>RM_CC_SilkyMonochrome</source>
        <translation>Monocromo sedoso</translation>
    </message>
    <message>
        <source>RM_CC_SoftFocus</source>
        <translation>Enfoque suave</translation>
    </message>
    <message>
        <source>RM_CC_Sunshine</source>
        <translation>Rayo de sol</translation>
    </message>
    <message>
        <source>RM_CC_ToyPhoto</source>
        <translation>Efecto juguete</translation>
    </message>
    <message>
        <source>RM_CC_ToyPop</source>
        <translation>Juguete pop</translation>
    </message>
    <message>
        <source>RM_CreativeControl</source>
        <translation>Control creativo</translation>
    </message>
    <message>
        <source>RM_Custom1</source>
        <translation>Personal. 1</translation>
    </message>
    <message>
        <source>RM_Custom10</source>
        <translation>Personal. 10</translation>
    </message>
    <message>
        <source>RM_Custom11</source>
        <translation>Personal. 11</translation>
    </message>
    <message>
        <source>RM_Custom12</source>
        <translation>Personal. 12</translation>
    </message>
    <message>
        <source>RM_Custom2</source>
        <translation>Personal. 2</translation>
    </message>
    <message>
        <source>RM_Custom3</source>
        <translation>Personal. 3</translation>
    </message>
    <message>
        <source>RM_Custom4</source>
        <translation>Personal. 4</translation>
    </message>
    <message>
        <source>RM_Custom5</source>
        <translation>Personal. 5</translation>
    </message>
    <message>
        <source>RM_Custom6</source>
        <translation>Personal. 6</translation>
    </message>
    <message>
        <source>RM_Custom7</source>
        <translation>Personal. 7</translation>
    </message>
    <message>
        <source>RM_Custom8</source>
        <translation>Personal. 8</translation>
    </message>
    <message>
        <source>RM_Custom9</source>
        <translation>Personal. 9</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAuto</source>
        <translation>Auto inteligente</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAutoPlus</source>
        <translation>Auto inteligente plus</translation>
    </message>
    <message>
        <source>RM_IntelligentAuto</source>
        <translation>Auto inteligente</translation>
    </message>
    <message>
        <source>RM_ManualExposure</source>
        <translation>Exposición manual</translation>
    </message>
    <message>
        <source>RM_ProgramAE</source>
        <translation>AE programada</translation>
    </message>
    <message>
        <source>RM_SG_AgainstHard</source>
        <translation>Nitidez a contraluz</translation>
    </message>
    <message>
        <source>RM_SG_AgainstSoft</source>
        <translation>Suavidad a contraluz</translation>
    </message>
    <message>
        <source>RM_SG_Beautiful</source>
        <translation>Retrato nítido</translation>
    </message>
    <message>
        <source>RM_SG_BlueSkyCool</source>
        <translation>Cielo azul brillante</translation>
    </message>
    <message>
        <source>RM_SG_ChildrenCute</source>
        <translation>Dulce cara de niño</translation>
    </message>
    <message>
        <source>RM_SG_Delicious</source>
        <translation>Comida apetitosa</translation>
    </message>
    <message>
        <source>RM_SG_FantasticSunset</source>
        <translation>Atardecer romántico</translation>
    </message>
    <message>
        <source>RM_SG_Flower</source>
        <translation>Flor suave</translation>
    </message>
    <message>
        <source>RM_SG_Heartwarming</source>
        <translation>Tono relajante</translation>
    </message>
    <message>
        <source>RM_SG_Illumination</source>
        <translation>Iluminaciones brillantes</translation>
    </message>
    <message>
        <source>RM_SG_ImpressiveSunset</source>
        <translation>Atardecer vívido</translation>
    </message>
    <message>
        <source>RM_SG_Landscape</source>
        <translation>Paisaje nítido</translation>
    </message>
    <message>
        <source>RM_SG_Monochrome</source>
        <translation>Monocromo</translation>
    </message>
    <message>
        <source>RM_SG_NightArtistic</source>
        <translation>Paisaje nocturno artístico</translation>
    </message>
    <message>
        <source>RM_SG_NightBack</source>
        <translation>Retrato nocturno nítido</translation>
    </message>
    <message>
        <source>RM_SG_NightBeatiful</source>
        <translation>Paisaje nocturno nítido</translation>
    </message>
    <message>
        <source>RM_SG_NightCool</source>
        <translation>Cielo nocturno frío</translation>
    </message>
    <message>
        <source>RM_SG_NightHand</source>
        <translation>Noche a pulso</translation>
    </message>
    <message>
        <source>RM_SG_NightWarm</source>
        <translation>Paisaje nocturno cálido</translation>
    </message>
    <message>
        <source>RM_SG_Pet</source>
        <translation>Congelar movimiento animal</translation>
    </message>
    <message>
        <source>RM_SG_SkinBeautiful</source>
        <translation>Piel sedosa</translation>
    </message>
    <message>
        <source>RM_SG_SparklingWater</source>
        <translation>Agua reluciente</translation>
    </message>
    <message>
        <source>RM_SG_Sports</source>
        <translation>Deporte nítido</translation>
    </message>
    <message>
        <source>RM_SG_Sweets</source>
        <translation>Postre delicioso</translation>
    </message>
    <message>
        <source>RM_ShutterPriorityAE</source>
        <translation>Prioridad a la obturación</translation>
    </message>
    <message>
        <source>RawTransType_OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>RawTransType_ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>RecPreviw_Exp_SS</source>
        <translation>Exposición y obturación</translation>
    </message>
    <message>
        <source>RecPreviw_Expousure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>RecPreviw_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>SFT_10s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>SFT_10s_3</source>
        <translation>10 s, 3 fotos</translation>
    </message>
    <message>
        <source>SFT_2s</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>SFT_C_10s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>SFT_C_2s</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>SFT_C_3s</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>SFT_C_4s</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>SFT_C_5s</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>SFT_C_6s</source>
        <translation>6 s</translation>
    </message>
    <message>
        <source>SFT_C_7s</source>
        <translation>7 s</translation>
    </message>
    <message>
        <source>SFT_C_8s</source>
        <translation>8 s</translation>
    </message>
    <message>
        <source>SFT_C_9s</source>
        <translation>9 s</translation>
    </message>
    <message>
        <source>SFT_Custom</source>
        <translation>Personal.</translation>
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
        <translation>OFF</translation>
    </message>
    <message>
        <source>StoFileNameCamera_On</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>StoFolderCamera_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>StoFolderCamera_On</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>StoFolderDate_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>StoFolderDate_On</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>StoFolderType_User</source>
        <translation>Carpeta a elegir</translation>
    </message>
    <message>
        <source>StoLocType_Pc</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>StoLocType_SdCard</source>
        <translation>Tarjeta de memoria</translation>
    </message>
    <message>
        <source>StoLocType_SdCardPc</source>
        <translation>Tarjeta de memoria + PC</translation>
    </message>
    <message>
        <source>VerChkType_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>VerChkType_On</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>Video-A</source>
        <translation>Vídeo A</translation>
    </message>
    <message>
        <source>Video-M</source>
        <translation>Vídeo M</translation>
    </message>
    <message>
        <source>Video-P</source>
        <translation>Vídeo P</translation>
    </message>
    <message>
        <source>Video-S</source>
        <translation>Vídeo S</translation>
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
        <translation>Nublado</translation>
    </message>
    <message>
        <source>WB_Daylight</source>
        <translation>Luz de día</translation>
    </message>
    <message>
        <source>WB_Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>WB_K_Set</source>
        <translation>Temp. color 1</translation>
    </message>
    <message>
        <source>WB_K_Set2</source>
        <translation>Temp. color 2</translation>
    </message>
    <message>
        <source>WB_K_Set3</source>
        <translation>Temp. color 3</translation>
    </message>
    <message>
        <source>WB_K_Set4</source>
        <translation>Temp. color 4</translation>
    </message>
    <message>
        <source>WB_Keep</source>
        <translation>Ajuste blanco 1</translation>
    </message>
    <message>
        <source>WB_Keep2</source>
        <translation>Ajuste blanco 2</translation>
    </message>
    <message>
        <source>WB_Keep3</source>
        <translation>Ajuste blanco 3</translation>
    </message>
    <message>
        <source>WB_Keep4</source>
        <translation>Ajuste blanco 4</translation>
    </message>
    <message>
        <source>WB_Shade</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>WB_Tengsten</source>
        <translation>Incandescente</translation>
    </message>
    <message>
        <source>WirCP_High</source>
        <translation>ALTO</translation>
    </message>
    <message>
        <source>WirCP_Low</source>
        <translation>BAJO</translation>
    </message>
    <message>
        <source>WirCP_Mid</source>
        <translation>ESTÁNDAR</translation>
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
        <translation>OFF</translation>
    </message>
    <message>
        <source>WirFP_On</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>WirM_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>WirM_On</source>
        <translation>ON</translation>
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
        <translation>Auto</translation>
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
        <translation>Auto</translation>
    </message>
    <message>
        <source>IsoGain-Off</source>
        <translation>Off</translation>
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
        <translation>Control creativo</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Modo de disparo</translation>
    </message>
</context>
<context>
    <name>KvMainPSComponentsProvider</name>
    <message>
        <source>PSC_BasePhotoStyle</source>
        <translation>Estilo de foto base</translation>
    </message>
    <message>
        <source>PSC_ChromaPhase</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>PSC_ColorTone</source>
        <translation>Tono de color</translation>
    </message>
    <message>
        <source>PSC_Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>PSC_Density</source>
        <translation>Densidad LUT</translation>
    </message>
    <message>
        <source>PSC_Density1</source>
        <translation>Densidad LUT1</translation>
    </message>
    <message>
        <source>PSC_Density2</source>
        <translation>Densidad LUT2</translation>
    </message>
    <message>
        <source>PSC_DualISO</source>
        <translation>ISO nativo dual</translation>
    </message>
    <message>
        <source>PSC_Filter</source>
        <translation>Efecto de filtro</translation>
    </message>
    <message>
        <source>PSC_GainSetting</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>PSC_Grain</source>
        <translation>Efecto de grano</translation>
    </message>
    <message>
        <source>PSC_Grain_Color</source>
        <translation>Ruido de color</translation>
    </message>
    <message>
        <source>PSC_HighLight</source>
        <translation>Altas luces</translation>
    </message>
    <message>
        <source>PSC_ISO</source>
        <translation>Sensibilidad ISO</translation>
    </message>
    <message>
        <source>PSC_KneeMode</source>
        <translation>Knee</translation>
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
        <translation>Estilo de foto base LUT</translation>
    </message>
    <message>
        <source>PSC_NoiseReduct</source>
        <translation>Reducción de ruido</translation>
    </message>
    <message>
        <source>PSC_Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>PSC_Shadow</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>PSC_Sharpness</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>PSC_WB</source>
        <translation>Balance de blancos</translation>
    </message>
    <message>
        <source>PD_Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>PD_High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>PD_Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>PF_Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>PF_Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>PF_Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>PF_Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>PF_Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>PG_High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>PG_Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>PG_Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>PG_Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>PKM_Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>PKM_Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>PKM_Off</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>KvMainPhotoStylePopup</name>
    <message>
        <source>Photo Style</source>
        <translation>Estilo de foto</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Cancelar</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>WB Adjust</source>
        <translation>Ajuste BB</translation>
    </message>
</context>
<context>
    <name>KvCCPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>KvOptionDriveModeButton</name>
    <message>
        <source>4K6K</source>
        <translation>Foto 6K/4K</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Ráfaga</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Modo de avance</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Post-enfoque</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Autodisparador</translation>
    </message>
</context>
<context>
    <name>KvPreferenceWindow</name>
    <message>
        <source>Preference</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Ubicación de almacenamiento</translation>
    </message>
    <message>
        <source>Storage Folder</source>
        <translation>Carpeta de importación</translation>
    </message>
    <message>
        <source>Storage Folder URL Placeholder</source>
        <translation>Seleccione la carpeta.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Choose Storage Location</source>
        <translation>Elija la ubicación de almacenamiento</translation>
    </message>
    <message>
        <source>Storage Folder Date</source>
        <translation>Crear automáticamente subcarpetas por fecha</translation>
    </message>
    <message>
        <source>Storage Folder Camera</source>
        <translation>Crear una subcarpeta para cada cámara</translation>
    </message>
    <message>
        <source>Captured File Name</source>
        <translation>Nombre de archivo al importar</translation>
    </message>
    <message>
        <source>Captured File Prefix Character</source>
        <translation>Prefijo:</translation>
    </message>
    <message>
        <source>Captured File Start Number</source>
        <translation>Número inicial:</translation>
    </message>
    <message>
        <source>Store File Name Camera</source>
        <translation>Añadir el nombre de la cámara al nombre de archivo</translation>
    </message>
    <message>
        <source>RAW TRANSFER</source>
        <translation>Transferencia de archivos RAW</translation>
    </message>
    <message>
        <source>HLG SHOOTING</source>
        <translation>Foto HLG</translation>
    </message>
    <message>
        <source>HLG Transfer</source>
        <translation>Transferencia de archivos HLG</translation>
    </message>
    <message>
        <source>Auto Display Review Images</source>
        <translation>Mostrar automáticamente la imagen de revisión</translation>
    </message>
    <message>
        <source>Update F/W</source>
        <translation>Actualización del firmware</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Camera Setting</source>
        <translation>Ajustes de la cámara</translation>
    </message>
    <message>
        <source>Camera_setting_save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Camera_setting_restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Camera P/W</source>
        <translation>Contraseña de la cámara</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Version Check at Startup</source>
        <translation>Buscar actualizaciones de la aplicación al iniciar</translation>
    </message>
    <message>
        <source>Show Trans Confirm Dialog</source>
        <translation>Confirmar antes de transferir</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>storage_folder_invalid</source>
        <translation>No se puede usar la carpeta de importación.&lt;br /&gt;&lt;br /&gt;Introduzca una ruta completa (que empiece por "/") a una carpeta en la que pueda escribir, o a una carpeta nueva que se pueda crear allí.</translation>
    </message>
    <message>
        <source>file_prefix_invalid</source>
        <translation>Introduzca un prefijo de 1 a 20 caracteres sin \ / : * ? " &lt; &gt; |.</translation>
    </message>
    <message>
        <source>start_number_invalid</source>
        <translation>Introduzca un número inicial de 1 a 9999.</translation>
    </message>
    <message>
        <source>title_message</source>
        <translation>Actualizando el firmware</translation>
    </message>
    <message>
        <source>fwup_message_1</source>
        <translation>(Tiempo transcurrido </translation>
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
        <translation>Copyright (C) KAVRO. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>KvPreferenceOptionButton</name>
    <message>
        <source>      All Cameras</source>
        <translation>      Todas las cámaras</translation>
    </message>
</context>
<context>
    <name>KvPreferenceAgreementPopup</name>
    <message>
        <source>agreement_title_startup</source>
        <translation>Ayúdenos a mejorar KAVRO Rozado</translation>
    </message>
    <message>
        <source>agreement_title</source>
        <translation>Datos de uso</translation>
    </message>
    <message>
        <source>agreement_content</source>
        <translation>¿Permite que KAVRO Rozado registre cómo se utiliza y envíe este registro para ayudar a mejorar el programa? Nunca se incluyen imágenes ni datos personales.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KvMainObject</name>
    <message>
        <source>Internal error.</source>
        <translation>Se ha producido un error interno.</translation>
    </message>
    <message>
        <source>Connect error_msg1</source>
        <translation>No se ha podido conectar con la cámara.</translation>
    </message>
    <message>
        <source>Connect error_msg2</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Connect error_msg3</source>
        <translation>Código de error</translation>
    </message>
    <message>
        <source>Connect error_msg4</source>
        <translation>Compruebe que los relojes del ordenador y de la cámara estén ajustados correctamente.</translation>
    </message>
    <message>
        <source>Connect error_msg4_1</source>
        <translation>1. Compruebe la zona horaria.</translation>
    </message>
    <message>
        <source>Connect error_msg4_2</source>
        <translation>2. Compruebe el horario de verano.</translation>
    </message>
    <message>
        <source>Connect error_msg4_3</source>
        <translation>3. Compruebe el reloj.</translation>
    </message>
    <message>
        <source>storage_folder_replaced</source>
        <translation>No se puede usar la carpeta de importación del archivo de configuración:
%1
Las imágenes se importan en la carpeta Imágenes hasta que se pueda volver a usar en un inicio posterior o hasta que elija una carpeta de importación en Configuración.</translation>
    </message>
    <message>
        <source>version_page_not_opened</source>
        <translation>No se pudo abrir la página de actualización. Su dirección no es la de una página web o no hay ningún navegador web disponible.</translation>
    </message>
</context>
<context>
    <name>KvConnectWindow</name>
    <message>
        <source>Please connect to device</source>
        <translation>Conecte KAVRO al PC.</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>KAVRO está conectado al PC.</translation>
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
        <translation>: se ha abierto el programa de actualización.</translation>
    </message>
    <message>
        <source>now_version_top</source>
        <translation>Versión actual: </translation>
    </message>
    <message>
        <source>now_version_bottom</source>
        <translation> </translation>
    </message>
    <message>
        <source>new_version_top</source>
        <translation>Última versión: </translation>
    </message>
    <message>
        <source>new_version_sep1</source>
        <translation>.</translation>
    </message>
    <message>
        <source>open_web_page1</source>
        <translation>¿Desea cerrar la aplicación</translation>
    </message>
    <message>
        <source>open_web_page2</source>
        <translation>y abrir inmediatamente la página de descarga?</translation>
    </message>
    <message>
        <source>Yes_Button</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No_Button</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>KvFlashWindow</name>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Flash Dimmer</source>
        <translation>Modo de disparo flash</translation>
    </message>
    <message>
        <source>Flash Mode</source>
        <translation>Modo de flash</translation>
    </message>
    <message>
        <source>Flash Sync</source>
        <translation>Sincro flash</translation>
    </message>
    <message>
        <source>Exposure Link</source>
        <translation>Compensación&lt;br /&gt; expo. auto</translation>
    </message>
    <message>
        <source>Flash Intensity Setting</source>
        <translation>Ajuste del flash</translation>
    </message>
    <message>
        <source>Manual Flash Emission Setting</source>
        <translation>Ajuste manual del flash</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Inalámbrico</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>Wireless Channel</source>
        <translation>Canal inalámbrico</translation>
    </message>
    <message>
        <source>Wireless FP</source>
        <translation>FP inalámbrico</translation>
    </message>
    <message>
        <source>Wireless Light Intensity</source>
        <translation>Luz de&lt;br /&gt; comunicación</translation>
    </message>
    <message>
        <source>Built-in Flash</source>
        <translation>Flash externo</translation>
    </message>
    <message>
        <source>A Group</source>
        <translation>Grupo A</translation>
    </message>
    <message>
        <source>B Group</source>
        <translation>Grupo B</translation>
    </message>
    <message>
        <source>C Group</source>
        <translation>Grupo C</translation>
    </message>
    <message>
        <source>Test Emission</source>
        <translation>Flash de prueba</translation>
    </message>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Ajuste del flash</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Ajuste manual del flash</translation>
    </message>
</context>
<context>
    <name>KvFlashComponentsProvider</name>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Ajuste del flash</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Ajuste manual del flash</translation>
    </message>
</context>
<context>
    <name>KvFlashSliderPopup</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KvMainMQComponentsProvider</name>
    <message>
        <source>MQD_ALL</source>
        <translation>TODOS</translation>
    </message>
    <message>
        <source>MQD_IMPOSSIBLE</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MQD_POSSIBLE</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>MQD_HDMI_ONLY_POSSIBLE</source>
        <translation>Disponible solo por HDMI</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
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
        <translation>Calidad de grab. vídeo</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Compression method</source>
        <translation>Códec</translation>
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
        <translation>Opciones de filtro</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Resultados: **</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Compression method</source>
        <translation>Códec</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KvTransferController</name>
    <message>
        <source>confirm_message_1</source>
        <translation>No se puede operar desde el PC durante la transferencia.</translation>
    </message>
    <message>
        <source>confirm_message_2</source>
        <translation>¿Desea importar al PC el vídeo grabado?</translation>
    </message>
    <message>
        <source>confirm_message_3</source>
        <translation>Tamaño: </translation>
    </message>
    <message>
        <source>confirm_message_4</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>confirm_message_5</source>
        <translation>(La importación puede tardar un tiempo)</translation>
    </message>
    <message>
        <source>confirm_message_6</source>
        <translation>Si selecciona «No», deberá copiar el vídeo desde la tarjeta de memoria.</translation>
    </message>
    <message>
        <source>confirm_message_7</source>
        <translation>Importando</translation>
    </message>
    <message>
        <source>confirm_message_8</source>
        <translation>(Tiempo transcurrido </translation>
    </message>
    <message>
        <source>confirm_message_9</source>
        <translation>)</translation>
    </message>
    <message>
        <source>confirm_message_10</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>confirm_message_11</source>
        <translation>¿Seguro que desea cancelar la importación?</translation>
    </message>
    <message>
        <source>confirm_message_12</source>
        <translation>Para copiar el vídeo a un PC,</translation>
    </message>
    <message>
        <source>confirm_message_13</source>
        <translation>debe copiarlo desde la tarjeta de memoria.</translation>
    </message>
    <message>
        <source>confirm_message_15</source>
        <translation>¿Desea importar la foto 6K/4K tomada?</translation>
    </message>
    <message>
        <source>confirm_message_16</source>
        <translation>Número de fotos transferidas: </translation>
    </message>
    <message>
        <source>confirm_message_17</source>
        <translation> </translation>
    </message>
    <message>
        <source>confirm_message_18</source>
        <translation>(La importación puede tardar un tiempo)</translation>
    </message>
    <message>
        <source>confirm_message_19</source>
        <translation>Si selecciona «No», deberá recortar en la cámara y luego copiar desde la tarjeta de memoria.</translation>
    </message>
    <message>
        <source>confirm_message_20</source>
        <translation>Para copiar la foto 6K/4K a un PC,</translation>
    </message>
    <message>
        <source>confirm_message_21</source>
        <translation>debe recortar la foto en la cámara y luego copiarla desde la tarjeta de memoria.</translation>
    </message>
    <message>
        <source>confirm_message_22</source>
        <translation>Número de archivos: </translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>No se ha podido copiar el archivo.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Guía de uso</translation>
    </message>
    <message>
        <source>LV</source>
        <translation>LV</translation>
    </message>
    <message>
        <source>CAMERA</source>
        <translation>CÁMARA</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Modo de grab.</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Abertura</translation>
    </message>
    <message>
        <source>SS</source>
        <translation>Vel. obtur.</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Modo avance</translation>
    </message>
    <message>
        <source>WB</source>
        <translation>Bal. blancos</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Comp. expos.</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Tamaño imagen</translation>
    </message>
    <message>
        <source>Picture Quality</source>
        <translation>Calid. imagen</translation>
    </message>
    <message>
        <source>Motion Picture Quality</source>
        <translation>Calidad vídeo</translation>
    </message>
    <message>
        <source>Focus Mode</source>
        <translation>Modo enfoque</translation>
    </message>
    <message>
        <source>AF Mode</source>
        <translation>Modo AF</translation>
    </message>
    <message>
        <source>Photo Style</source>
        <translation>Estilo foto</translation>
    </message>
    <message>
        <source>Metering Mode</source>
        <translation>Modo medición</translation>
    </message>
    <message>
        <source>WB Color Temp.</source>
        <translation>Temp. color BB</translation>
    </message>
    <message>
        <source>WB Tuning</source>
        <translation>Ajuste BB</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>CreativeControl</source>
        <translation>Control creativo</translation>
    </message>
    <message>
        <source>CreativeVideo</source>
        <translation>Vídeo creativo</translation>
    </message>
    <message>
        <source>IntelligentAuto</source>
        <translation>Auto intelig.</translation>
    </message>
    <message>
        <source>Custom3</source>
        <translation>Personal. 3</translation>
    </message>
    <message>
        <source>Custom4</source>
        <translation>Personal. 4</translation>
    </message>
    <message>
        <source>Custom5</source>
        <translation>Personal. 5</translation>
    </message>
    <message>
        <source>SQMotion</source>
        <translation>Modo S&amp;Q</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Ráfaga</translation>
    </message>
    <message>
        <source>Burst1</source>
        <translation>Ráfaga 1</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Autodisparador</translation>
    </message>
    <message>
        <source>4K6K</source>
        <translation>Foto 6K/4K</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Post-enfoque</translation>
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
        <translation>La operación no se puede realizar en este momento.</translation>
    </message>
    <message>
        <source>wb_error_message</source>
        <translation>¡¡Error en el ajuste del blanco!!</translation>
    </message>
    <message>
        <source>sd_error_message_1</source>
        <translation>No hay tarjeta de memoria</translation>
    </message>
    <message>
        <source>sd_error_message_2</source>
        <translation>Tarjeta de memoria protegida contra escritura</translation>
    </message>
    <message>
        <source>sd_error_message_3</source>
        <translation>Error de tarjeta de memoria</translation>
    </message>
    <message>
        <source>sd_error_message_4</source>
        <translation>Tarjeta de memoria llena</translation>
    </message>
    <message>
        <source>confirm_message_14</source>
        <translation>Cambie el formato de archivo del vídeo a uno distinto de AVCHD.</translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>No se ha podido copiar el archivo.</translation>
    </message>
    <message>
        <source>Error Info</source>
        <translation>Se ha producido un error en la cámara.</translation>
    </message>
    <message>
        <source>Error Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Error Date-time</source>
        <translation>Fecha y hora del error</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Código de error</translation>
    </message>
    <message>
        <source>Error Content</source>
        <translation>Contenido del error</translation>
    </message>
    <message>
        <source>ERR-9</source>
        <translation>Error del objetivo&lt;br /&gt;Compruebe el objetivo</translation>
    </message>
    <message>
        <source>ERR-11</source>
        <translation>Error de tarjeta&lt;br /&gt;Compruebe la tarjeta</translation>
    </message>
    <message>
        <source>ERR-12</source>
        <translation>Error de escritura&lt;br /&gt;Compruebe la tarjeta</translation>
    </message>
    <message>
        <source>ERR-14</source>
        <translation>Tarjeta de memoria llena</translation>
    </message>
    <message>
        <source>ERR-16</source>
        <translation>Error de lectura&lt;br /&gt;Compruebe la tarjeta</translation>
    </message>
    <message>
        <source>ERR-56</source>
        <translation>Temperatura alta&lt;br /&gt;Espere a que la cámara se enfríe</translation>
    </message>
    <message>
        <source>ERR-70</source>
        <translation>No se puede usar la batería</translation>
    </message>
    <message>
        <source>ERR-104</source>
        <translation>Error de tarjeta&lt;br /&gt;Formatee la tarjeta en la cámara</translation>
    </message>
    <message>
        <source>ERR-107</source>
        <translation>Error de cámara 107&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-108</source>
        <translation>Error de cámara 108&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-129</source>
        <translation>Error de cámara 129&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-130</source>
        <translation>Error de cámara 130&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-186</source>
        <translation>Error de cámara 186&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-188</source>
        <translation>Error de cámara 188&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-369</source>
        <translation>Error de cámara 369&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-378</source>
        <translation>Error de cámara 378&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-387</source>
        <translation>Error de cámara 387&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-388</source>
        <translation>Error de cámara 388&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-389</source>
        <translation>Error de cámara 389&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-390</source>
        <translation>Error de cámara 390&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-396</source>
        <translation>Error de cámara 396&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-397</source>
        <translation>Se ha alcanzado el tiempo máximo&lt;br /&gt;de grabación de 12 horas.&lt;br /&gt;La grabación se ha detenido.</translation>
    </message>
    <message>
        <source>ERR-461</source>
        <translation>Error de cámara 461&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-463</source>
        <translation>Error de cámara 463&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-464</source>
        <translation>Error de cámara 464&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-466</source>
        <translation>Error de cámara 466&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-467</source>
        <translation>Error de cámara 467&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-468</source>
        <translation>Error de cámara 468&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-469</source>
        <translation>Error de cámara 469&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-470</source>
        <translation>Error de cámara 470&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-471</source>
        <translation>Error de cámara 471&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-472</source>
        <translation>Error de cámara 472&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-486</source>
        <translation>Error de cámara 486&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-487</source>
        <translation>Error de cámara 487&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-488</source>
        <translation>Error de cámara 488&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-499</source>
        <translation>Error de cámara 499&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-500</source>
        <translation>Error de cámara 500&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-527</source>
        <translation>Error de cámara 527&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-529</source>
        <translation>Error de cámara 529&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-588</source>
        <translation>Error de cámara 588&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-598</source>
        <translation>Error de cámara 598&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-610</source>
        <translation>Error de cámara 610&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-611</source>
        <translation>Error de cámara 611&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-612</source>
        <translation>Error de cámara 612&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-613</source>
        <translation>Error de cámara 613&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-614</source>
        <translation>Error de cámara 614&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-615</source>
        <translation>Error de cámara 615&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-617</source>
        <translation>Error de cámara 617&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-618</source>
        <translation>Error de cámara 618&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-621</source>
        <translation>Error de cámara 621&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-622</source>
        <translation>Error de cámara 622&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-624</source>
        <translation>Error de cámara 624&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-625</source>
        <translation>Error de cámara 625&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-626</source>
        <translation>La función de streaming está activada.&lt;br /&gt;Solo grabación remota.</translation>
    </message>
    <message>
        <source>ERR-629</source>
        <translation>Error de cámara 629&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-630</source>
        <translation>Error de cámara 630&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-631</source>
        <translation>Error de cámara 631&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-632</source>
        <translation>Error de cámara 632&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-633</source>
        <translation>Error de cámara 633&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-634</source>
        <translation>Error de cámara 634&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-635</source>
        <translation>Error de cámara 635&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-636</source>
        <translation>Error de cámara 636&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-639</source>
        <translation>Error de cámara 639&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-640</source>
        <translation>Error de cámara 640&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-641</source>
        <translation>Error de cámara 641&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-644</source>
        <translation>Error de cámara 644&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-646</source>
        <translation>Error de cámara 646&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-647</source>
        <translation>Error de cámara 647&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-649</source>
        <translation>Error de cámara 649&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-650</source>
        <translation>Error de cámara 650&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-652</source>
        <translation>Error de cámara 652&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-655</source>
        <translation>Error de cámara 655&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-656</source>
        <translation>Error de cámara 656&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-660</source>
        <translation>Error de cámara 660&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-661</source>
        <translation>Error de cámara 661&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-662</source>
        <translation>Error de cámara 662&lt;br /&gt;Compruebe la cámara</translation>
    </message>
    <message>
        <source>ERR-663</source>
        <translation>Error de cámara 663&lt;br /&gt;Compruebe la cámara</translation>
    </message>
</context>
<context>
    <name>KvPreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>KvCameraListButton2</name>
    <message>
        <source>All Cameras</source>
        <translation>Todas las cámaras</translation>
    </message>
</context>
<context>
    <name>KvCameraListWindow2</name>
    <message>
        <source>CAMERA</source>
        <translation>CÁMARA</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>KvSearchCameraListItem</name>
    <message>
        <source>Conn.</source>
        <translation>Con.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>All Cameras</source>
        <translation>Todas las cámaras</translation>
    </message>
    <message>
        <source>Conn. Type</source>
        <translation>Tipo con.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>authorized</source>
        <translation>Esta cámara ya se ha conectado anteriormente.</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>Esta cámara no se ha conectado nunca. Si no se puede conectar, compruebe que los relojes de la cámara y de este ordenador estén ajustados correctamente.</translation>
    </message>
    <message>
        <source>encrypt</source>
        <translation>La comunicación con esta cámara está cifrada.</translation>
    </message>
    <message>
        <source>unencrypted</source>
        <translation>Esta cámara no admite el cifrado de la comunicación.</translation>
    </message>
    <message>
        <source>usb</source>
        <translation>Conexión USB</translation>
    </message>
</context>
<context>
    <name>KvSearchCameraListWindow</name>
    <message>
        <source>CAMERA</source>
        <translation>CÁMARA</translation>
    </message>
    <message>
        <source>SearchCameraInformation</source>
        <translation>Seleccione la cámara que desea conectar y haga clic en el botón [Iniciar].</translation>
    </message>
    <message>
        <source>StartMessage</source>
        <translation>Seleccione la cámara que desea conectar y haga clic en el botón [Iniciar].</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
</context>
<context>
    <name>KvGridPopup</name>
    <message>
        <source>grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>3x3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>2x2</source>
        <translation>2 x 2 + diagonales</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>cross line</source>
        <translation>Mostrar diagonales</translation>
    </message>
    <message>
        <source>horizon num</source>
        <translation>Número horizontal</translation>
    </message>
    <message>
        <source>vertical num</source>
        <translation>Número vertical</translation>
    </message>
    <message>
        <source>thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>KvGuideLinePopup</name>
    <message>
        <source>guideline</source>
        <translation>Línea guía</translation>
    </message>
    <message>
        <source>Vertical 1</source>
        <translation>Vertical 1</translation>
    </message>
    <message>
        <source>Vertical 2</source>
        <translation>Vertical 2</translation>
    </message>
    <message>
        <source>Holizon 1</source>
        <translation>Horizontal 1</translation>
    </message>
    <message>
        <source>Holizon 2</source>
        <translation>Horizontal 2</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>KvOverlayPhotoPopup</name>
    <message>
        <source>Overlay</source>
        <translation>Superposición</translation>
    </message>
    <message>
        <source>Image File</source>
        <translation>Archivo de imagen</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Seleccionar un archivo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Please choose a file</source>
        <translation>Elija un archivo</translation>
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
        <translation>Todos los archivos (*.jpg *.RW2)</translation>
    </message>
    <message>
        <source>error_message_1</source>
        <translation>No se ha podido leer el archivo. Compruebe el archivo especificado.</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Scaling(25 - 200%)</source>
        <translation>Escala (25 - 200%)</translation>
    </message>
    <message>
        <source>Rotation(-180 - 180°)</source>
        <translation>Rotación (-180 - 180°)</translation>
    </message>
    <message>
        <source>Ratio(0 - 100%)</source>
        <translation>Transparencia (0 - 100%)</translation>
    </message>
    <message>
        <source>Reset setting</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KvCustomColorDialog</name>
    <message>
        <source>Please choose a color</source>
        <translation>Elija un color</translation>
    </message>
</context>
<context>
    <name>KvLiveViewComposite</name>
    <message>
        <source>Message-1</source>
        <translation>Ajuste la velocidad de obturación y la&lt;br /&gt;sensibilidad ISO antes de pulsar&lt;br /&gt;el disparador para crear&lt;br /&gt;una imagen en negro para la&lt;br /&gt;reducción de ruido.</translation>
    </message>
    <message>
        <source>Message-2-1</source>
        <translation>Creando la imagen en negro para la&lt;br /&gt;reducción de ruido.&lt;br /&gt;Espere, por favor.</translation>
    </message>
    <message>
        <source>Message-2-2</source>
        <translation>La composición Live View se inicia&lt;br /&gt;al pulsar el disparador.</translation>
    </message>
    <message>
        <source>Message-4</source>
        <translation>Procesando</translation>
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
        <translation>Realizando operación de la cámara</translation>
    </message>
    <message>
        <source>getting update information from camera</source>
        <translation>Obteniendo información de actualización de la cámara</translation>
    </message>
    <message>
        <source>The preview image of the camera cannot be displayed because streaming is being carried out.</source>
        <translation>No se puede mostrar la imagen de vista previa de la cámara porque se está realizando streaming.</translation>
    </message>
</context>
<context>
    <name>KvLiveViewControlItem</name>
    <message>
        <source>MENU</source>
        <translation>MENÚ</translation>
    </message>
    <message>
        <source>WB Settings</source>
        <translation>Ajuste blanco</translation>
    </message>
    <message>
        <source>AF Area</source>
        <translation>Mostrar área AF</translation>
    </message>
    <message>
        <source>One-Shot AF</source>
        <translation>AF puntual</translation>
    </message>
    <message>
        <source>Level Indicator</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Guideline</source>
        <translation>Línea guía</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Superposición</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>MF Zoom</source>
        <translation>Ampliación</translation>
    </message>
    <message>
        <source>MF Adjust</source>
        <translation>Ajuste MF</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>LiveView Rotation</source>
        <translation>Rotación LV</translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation>Calidad LV</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Rel. aspecto</translation>
    </message>
    <message>
        <source>Monitor Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Please Change to Single View</source>
        <translation>Cambie a la visualización única (1 pantalla) para utilizar el menú.</translation>
    </message>
</context>
<context>
    <name>KvTransferFailureNotice</name>
    <message>
        <source>transfer_failed_intro</source>
        <translation>Estas fotos no se guardaron en el ordenador; no queda nada de ellas en la carpeta de almacenamiento. Puede seguir disparando; compruebe las cámaras y la carpeta de almacenamiento.</translation>
    </message>
    <message>
        <source>transfer_failed_line</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_line_camera</source>
        <translation>%1: foto %2 en la cámara (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_no_name</source>
        <translation>una foto</translation>
    </message>
    <message>
        <source>transfer_failed_folder</source>
        <translation>no se puede crear la carpeta de almacenamiento ni escribir en ella</translation>
    </message>
    <message>
        <source>transfer_failed_camera</source>
        <translation>la cámara no la entregó</translation>
    </message>
    <message>
        <source>transfer_failed_write</source>
        <translation>no se pudo escribir: %1</translation>
    </message>
    <message>
        <source>transfer_failed_more</source>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>transfer_failed_ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
