<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Completato.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Non riuscito.</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>Anche in modalità Rozado Connect viene consumata energia.&lt;br /&gt;&lt;br /&gt;Passare alla modalità Rozado Connect?</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>Al termine dell'aggiornamento del firmware, la fotocamera verrà riavviata automaticamente.&lt;br /&gt;&lt;br /&gt;Avviare l'aggiornamento del firmware?</translation>
    </message>
    <message>
        <source>No text specified!</source>
        <translation>Nessun testo specificato!</translation>
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
        <translation>Configurare la password.</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>Immettere una password.</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>Immettere una password che soddisfi i seguenti requisiti.</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>Numero di caratteri</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>Tra 8 e 31.</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>Tipi di caratteri</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>Lettere maiuscole e minuscole, numeri</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Password attuale:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nuova password:</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Nuova password (conferma):</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostra password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Completato.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Non riuscito.</translation>
    </message>
    <message>
        <source>error_newpw_wrong_condition</source>
        <translation>Immettere una nuova password che soddisfi i seguenti requisiti.</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>La password attuale non è corretta.&lt;br /&gt;&lt;br /&gt;Immettere la password corretta.</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>La nuova password e la password di conferma non corrispondono.&lt;br /&gt;&lt;br /&gt;Immettere la password corretta.</translation>
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
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_it.xml</translation>
    </message>
</context>
<context>
    <name>KvOptionComponentsProvider</name>
    <message>
        <source>AFM_1Point</source>
        <translation>1 area</translation>
    </message>
    <message>
        <source>AFM_1PointAux</source>
        <translation>1 area+</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Detection</source>
        <translation>1 area+ rilevamento</translation>
    </message>
    <message>
        <source>AFM_1PointAux_FaceEye</source>
        <translation>1 area+ (volto/occhi)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Human</source>
        <translation>1 area+ (persone)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_HumanAnimal</source>
        <translation>1 area+ (persone/animali)</translation>
    </message>
    <message>
        <source>AFM_1Point_Detection</source>
        <translation>1 area rilevamento</translation>
    </message>
    <message>
        <source>AFM_1Point_FaceEye</source>
        <translation>1 area (volto/occhi)</translation>
    </message>
    <message>
        <source>AFM_1Point_Human</source>
        <translation>1 area (persone)</translation>
    </message>
    <message>
        <source>AFM_1Point_HumanAnimal</source>
        <translation>1 area (persone/animali)</translation>
    </message>
    <message>
        <source>AFM_225Point</source>
        <translation>225 aree</translation>
    </message>
    <message>
        <source>AFM_AutoRe</source>
        <translation>Rilevamento auto</translation>
    </message>
    <message>
        <source>AFM_AutoRe_Human</source>
        <translation>Rilevamento persone</translation>
    </message>
    <message>
        <source>AFM_AutoRe_HumanAnimal</source>
        <translation>Rilevamento persone/animali</translation>
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
        <translation>Multi personal. (orizzontale)</translation>
    </message>
    <message>
        <source>AFM_CustomVertical</source>
        <translation>Multi personal. (verticale)</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalBody</source>
        <translation>Corpo animale</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalEyeBody</source>
        <translation>Occhi/corpo animale</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Priority</source>
        <translation>Bicicletta (priorità)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Whole</source>
        <translation>Bicicletta</translation>
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
        <translation>Auto</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Priority</source>
        <translation>Auto (priorità)</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Whole</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFace</source>
        <translation>Occhi/volto persona</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFaceBody</source>
        <translation>Occhi/volto/corpo persona</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanStreet</source>
        <translation>Persona (strada)</translation>
    </message>
    <message>
        <source>AFM_Detection_Motorcycle</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Aircraft</source>
        <translation>Aereo</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Nose_Priority</source>
        <translation>Aereo (muso)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Leading_Veh</source>
        <translation>Treno (motrice)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Priority</source>
        <translation>Treno (priorità)</translation>
    </message>
    <message>
        <source>AFM_Ellipse</source>
        <translation>Zona (ovale)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Detection</source>
        <translation>Zona (ovale) rilevamento</translation>
    </message>
    <message>
        <source>AFM_Ellipse_FaceEye</source>
        <translation>Zona (ovale) (volto/occhi)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Human</source>
        <translation>Zona (ovale) (persone)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_HumanAnimal</source>
        <translation>Zona (ovale) (persone/animali)</translation>
    </message>
    <message>
        <source>AFM_Face</source>
        <translation>Rilevamento volto/occhi</translation>
    </message>
    <message>
        <source>AFM_FullArea</source>
        <translation>Area intera</translation>
    </message>
    <message>
        <source>AFM_FullArea_Detection</source>
        <translation>Area intera rilevamento</translation>
    </message>
    <message>
        <source>AFM_FullArea_FaceEye</source>
        <translation>Area intera (volto/occhi)</translation>
    </message>
    <message>
        <source>AFM_FullArea_Human</source>
        <translation>Area intera (persone)</translation>
    </message>
    <message>
        <source>AFM_FullArea_HumanAnimal</source>
        <translation>Area intera (persone/animali)</translation>
    </message>
    <message>
        <source>AFM_Pinpoint</source>
        <translation>Punto preciso</translation>
    </message>
    <message>
        <source>AFM_Square</source>
        <translation>Zona (quadrata)</translation>
    </message>
    <message>
        <source>AFM_Tracking</source>
        <translation>Inseguimento</translation>
    </message>
    <message>
        <source>AFM_Tracking_Detection</source>
        <translation>Inseguimento rilevamento</translation>
    </message>
    <message>
        <source>AFM_Tracking_FaceEye</source>
        <translation>Inseguimento (volto/occhi)</translation>
    </message>
    <message>
        <source>AFM_Tracking_Human</source>
        <translation>Inseguimento (persone)</translation>
    </message>
    <message>
        <source>AFM_Tracking_HumanAnimal</source>
        <translation>Inseguimento (persone/animali)</translation>
    </message>
    <message>
        <source>AFM_VertHori</source>
        <translation>Zona (verticale/orizzontale)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Detection</source>
        <translation>Zona (vert./orizz.) rilevamento</translation>
    </message>
    <message>
        <source>AFM_VertHori_FaceEye</source>
        <translation>Zona (vert./orizz.) (volto/occhi)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Human</source>
        <translation>Zona (vert./orizz.) (persone)</translation>
    </message>
    <message>
        <source>AFM_VertHori_HumanAnimal</source>
        <translation>Zona (vert./orizz.) (persone/animali)</translation>
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
        <translation>MANUALE</translation>
    </message>
    <message>
        <source>BIFD_Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>BIFD_Signal</source>
        <translation>Segnale</translation>
    </message>
    <message>
        <source>BIFD_TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>BS_6K4K</source>
        <translation>Raffica 6K/4K</translation>
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
        <translation>Pre-raffica SH1</translation>
    </message>
    <message>
        <source>BS_EleFastPre2</source>
        <translation>Pre-raffica SH2</translation>
    </message>
    <message>
        <source>BS_EleFastPre20</source>
        <translation>Pre-raffica SH 20 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre3</source>
        <translation>Pre-raffica SH3</translation>
    </message>
    <message>
        <source>BS_EleFastPre30</source>
        <translation>Pre-raffica SH 30 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre40</source>
        <translation>Pre-raffica SH 40 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre60</source>
        <translation>Pre-raffica SH 60 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre70</source>
        <translation>Pre-raffica SH 70 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre75</source>
        <translation>Pre-raffica SH 75 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPreSH</source>
        <translation>Pre-raffica SH</translation>
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
        <translation>Video creativo</translation>
    </message>
    <message>
        <source>CreativeVideo-A</source>
        <translation>Video creativo A</translation>
    </message>
    <message>
        <source>CreativeVideo-M</source>
        <translation>Video creativo M</translation>
    </message>
    <message>
        <source>CreativeVideo-P</source>
        <translation>Video creativo P</translation>
    </message>
    <message>
        <source>CreativeVideo-S</source>
        <translation>Video creativo S</translation>
    </message>
    <message>
        <source>DM_4K6K</source>
        <translation>Foto 6K/4K</translation>
    </message>
    <message>
        <source>DM_Bracket</source>
        <translation>Bracketing</translation>
    </message>
    <message>
        <source>DM_Burst</source>
        <translation>Raffica</translation>
    </message>
    <message>
        <source>DM_Burst1</source>
        <translation>Raffica 1</translation>
    </message>
    <message>
        <source>DM_Burst2</source>
        <translation>Raffica 2</translation>
    </message>
    <message>
        <source>DM_Focus</source>
        <translation>Post Focus</translation>
    </message>
    <message>
        <source>DM_HANDHELD_HRS</source>
        <translation>Alta risoluzione a mano libera</translation>
    </message>
    <message>
        <source>DM_HRS</source>
        <translation>Alta risoluzione</translation>
    </message>
    <message>
        <source>DM_Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>DM_Komadori</source>
        <translation>Stop Motion</translation>
    </message>
    <message>
        <source>DM_SelfTimer</source>
        <translation>Autoscatto</translation>
    </message>
    <message>
        <source>DM_Single</source>
        <translation>Singolo</translation>
    </message>
    <message>
        <source>Default Folder(Mac)</source>
        <translation>Cartella Immagini</translation>
    </message>
    <message>
        <source>Default Folder(Win)</source>
        <translation>Cartella Immagini</translation>
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
        <translation>MANUALE</translation>
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
        <translation>Flash forzato OFF</translation>
    </message>
    <message>
        <source>FlshM_Forced</source>
        <translation>Flash forzato ON</translation>
    </message>
    <message>
        <source>FlshM_ForcedRedEye</source>
        <translation>Forzato ON/Riduz. occhi rossi</translation>
    </message>
    <message>
        <source>FlshM_SlowRedEye</source>
        <translation>Sincro lenta/Riduz. occhi rossi</translation>
    </message>
    <message>
        <source>FlshM_SlowSync</source>
        <translation>Sincro lenta</translation>
    </message>
    <message>
        <source>FlshS_Front</source>
        <translation>1a</translation>
    </message>
    <message>
        <source>FlshS_Rear</source>
        <translation>2a</translation>
    </message>
    <message>
        <source>FolNameType_Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>FolNameType_User</source>
        <translation>Prefisso a scelta</translation>
    </message>
    <message>
        <source>GFD_Auto</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>GFD_Manual</source>
        <translation>MANUALE</translation>
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
        <translation>Ris. 4K</translation>
    </message>
    <message>
        <source>HlgShootingType_8K</source>
        <translation>Ris. 8K</translation>
    </message>
    <message>
        <source>HlgShootingType_Full</source>
        <translation>Ris. piena</translation>
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
        <translation>JPEG Fine</translation>
    </message>
    <message>
        <source>ImgInfoQ_Heif_Fine</source>
        <translation>HEIF Fine</translation>
    </message>
    <message>
        <source>ImgInfoQ_Heif_Std</source>
        <translation>HEIF Standard</translation>
    </message>
    <message>
        <source>ImgInfoQ_Interlock</source>
        <translation>Combinato</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw</source>
        <translation>RAW</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Fine</source>
        <translation>RAW + JPEG Fine</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Heif_Fine</source>
        <translation>RAW + HEIF Fine</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Heif_Std</source>
        <translation>RAW + HEIF Standard</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Std</source>
        <translation>RAW + JPEG Standard</translation>
    </message>
    <message>
        <source>ImgInfoQ_Std</source>
        <translation>JPEG Standard</translation>
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
        <translation>Fine</translation>
    </message>
    <message>
        <source>LvImgQ_Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>LvImgQ_Std</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>MM_Center</source>
        <translation>Ponderata al centro</translation>
    </message>
    <message>
        <source>MM_Highlight</source>
        <translation>Ponderata alte luci</translation>
    </message>
    <message>
        <source>MM_Pattern</source>
        <translation>Multipla</translation>
    </message>
    <message>
        <source>MM_Spot</source>
        <translation>Spot</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst</source>
        <translation>Raffica 4K 30p</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst_SS</source>
        <translation>Raffica 4K 30p (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_PreBurst</source>
        <translation>Pre-raffica 4K 30p</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst</source>
        <translation>Raffica 4K 60p</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst_SS</source>
        <translation>Raffica 4K 60p (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_PreBurst</source>
        <translation>Pre-raffica 4K 60p</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst</source>
        <translation>Raffica 6K 30p</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst_SS</source>
        <translation>Raffica 6K 30p (S/S)</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_PreBurst</source>
        <translation>Pre-raffica 6K 30p</translation>
    </message>
    <message>
        <source>PS_Classic_Monochrome</source>
        <translation>Monocromatico classico</translation>
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
        <translation>Piatto</translation>
    </message>
    <message>
        <source>PS_HLG_For_Q_Series</source>
        <translation>HLG per serie</translation>
    </message>
    <message>
        <source>PS_HLG_FullRange</source>
        <translation>HLG gamma completa</translation>
    </message>
    <message>
        <source>PS_HLG_Monochrome</source>
        <translation>HLG monocromatico</translation>
    </message>
    <message>
        <source>PS_HLG_Standard</source>
        <translation>HLG standard</translation>
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
        <translation>L.Monocromatico</translation>
    </message>
    <message>
        <source>PS_KMonochromeD</source>
        <translation>L.Monocromatico D</translation>
    </message>
    <message>
        <source>PS_KMonochromeS</source>
        <translation>L.Monocromatico S</translation>
    </message>
    <message>
        <source>PS_LandScape</source>
        <translation>Paesaggio</translation>
    </message>
    <message>
        <source>PS_Linear_Gamma</source>
        <translation>Gamma lineare</translation>
    </message>
    <message>
        <source>PS_Monochrome</source>
        <translation>Monocromatico</translation>
    </message>
    <message>
        <source>PS_Natural</source>
        <translation>Naturale</translation>
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
        <translation>Ritratto</translation>
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
        <translation>LUT in tempo reale</translation>
    </message>
    <message>
        <source>PS_Remote_Camera_RZ300</source>
        <translation>Videocamera remota</translation>
    </message>
    <message>
        <source>PS_Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>PS_Vivid</source>
        <translation>Vivido</translation>
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
        <translation>Priorità diaframmi</translation>
    </message>
    <message>
        <source>RM_C3_Set1</source>
        <translation>Impost. 1</translation>
    </message>
    <message>
        <source>RM_C3_Set10</source>
        <translation>Impost. 10</translation>
    </message>
    <message>
        <source>RM_C3_Set2</source>
        <translation>Impost. 2</translation>
    </message>
    <message>
        <source>RM_C3_Set3</source>
        <translation>Impost. 3</translation>
    </message>
    <message>
        <source>RM_C3_Set4</source>
        <translation>Impost. 4</translation>
    </message>
    <message>
        <source>RM_C3_Set5</source>
        <translation>Impost. 5</translation>
    </message>
    <message>
        <source>RM_C3_Set6</source>
        <translation>Impost. 6</translation>
    </message>
    <message>
        <source>RM_C3_Set7</source>
        <translation>Impost. 7</translation>
    </message>
    <message>
        <source>RM_C3_Set8</source>
        <translation>Impost. 8</translation>
    </message>
    <message>
        <source>RM_C3_Set9</source>
        <translation>Impost. 9</translation>
    </message>
    <message>
        <source>RM_CC_BleachBypass</source>
        <translation>Bleach bypass</translation>
    </message>
    <message>
        <source>RM_CC_CrossFilter</source>
        <translation>Filtro stella</translation>
    </message>
    <message>
        <source>RM_CC_CrossProcess</source>
        <translation>Sviluppo incrociato</translation>
    </message>
    <message>
        <source>RM_CC_Diorama</source>
        <translation>Effetto miniatura</translation>
    </message>
    <message>
        <source>RM_CC_DynamicMonochrome</source>
        <translation>Monocromatico dinamico</translation>
    </message>
    <message>
        <source>RM_CC_Fantasy</source>
        <translation>Fantasia</translation>
    </message>
    <message>
        <source>RM_CC_HighDynamic</source>
        <translation>Alta dinamica</translation>
    </message>
    <message>
        <source>RM_CC_HighKey</source>
        <translation>High key</translation>
    </message>
    <message>
        <source>RM_CC_ImpressiveArt</source>
        <translation>Arte impressiva</translation>
    </message>
    <message>
        <source>RM_CC_LowKey</source>
        <translation>Low key</translation>
    </message>
    <message>
        <source>RM_CC_Monochrome</source>
        <translation>Monocromatico</translation>
    </message>
    <message>
        <source>RM_CC_OldDays</source>
        <translation>Vecchi tempi</translation>
    </message>
    <message>
        <source>RM_CC_OnePointColor</source>
        <translation>Colore puntuale</translation>
    </message>
    <message>
        <source>RM_CC_Pop</source>
        <translation>Espressivo</translation>
    </message>
    <message>
        <source>RM_CC_Retro</source>
        <translation>Retrò</translation>
    </message>
    <message>
        <source>RM_CC_RoughMonochrome</source>
        <translation>Monocromatico ruvido</translation>
    </message>
    <message>
        <source>RM_CC_Sepia</source>
        <translation>Seppia</translation>
    </message>
    <message>
        <source>RM_CC_SilkyMonochrome</source>
        <translation>Monocromatico setoso</translation>
    </message>
    <message>
        <source>RM_CC_SoftFocus</source>
        <translation>Effetto flou</translation>
    </message>
    <message>
        <source>RM_CC_Sunshine</source>
        <translation>Raggio di sole</translation>
    </message>
    <message>
        <source>RM_CC_ToyPhoto</source>
        <translation>Effetto giocattolo</translation>
    </message>
    <message>
        <source>RM_CC_ToyPop</source>
        <translation>Giocattolo pop</translation>
    </message>
    <message>
        <source>RM_CreativeControl</source>
        <translation>Controllo creativo</translation>
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
        <translation>Auto intelligente</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAutoPlus</source>
        <translation>Auto intelligente plus</translation>
    </message>
    <message>
        <source>RM_IntelligentAuto</source>
        <translation>Auto intelligente</translation>
    </message>
    <message>
        <source>RM_ManualExposure</source>
        <translation>Esposizione manuale</translation>
    </message>
    <message>
        <source>RM_ProgramAE</source>
        <translation>AE programmata</translation>
    </message>
    <message>
        <source>RM_SG_AgainstHard</source>
        <translation>Nitido in controluce</translation>
    </message>
    <message>
        <source>RM_SG_AgainstSoft</source>
        <translation>Morbido in controluce</translation>
    </message>
    <message>
        <source>RM_SG_Beautiful</source>
        <translation>Ritratto nitido</translation>
    </message>
    <message>
        <source>RM_SG_BlueSkyCool</source>
        <translation>Cielo azzurro intenso</translation>
    </message>
    <message>
        <source>RM_SG_ChildrenCute</source>
        <translation>Dolce viso di bambino</translation>
    </message>
    <message>
        <source>RM_SG_Delicious</source>
        <translation>Cibo appetitoso</translation>
    </message>
    <message>
        <source>RM_SG_FantasticSunset</source>
        <translation>Tramonto romantico</translation>
    </message>
    <message>
        <source>RM_SG_Flower</source>
        <translation>Fiore delicato</translation>
    </message>
    <message>
        <source>RM_SG_Heartwarming</source>
        <translation>Toni rilassanti</translation>
    </message>
    <message>
        <source>RM_SG_Illumination</source>
        <translation>Luci scintillanti</translation>
    </message>
    <message>
        <source>RM_SG_ImpressiveSunset</source>
        <translation>Tramonto vivido</translation>
    </message>
    <message>
        <source>RM_SG_Landscape</source>
        <translation>Paesaggio nitido</translation>
    </message>
    <message>
        <source>RM_SG_Monochrome</source>
        <translation>Monocromatico</translation>
    </message>
    <message>
        <source>RM_SG_NightArtistic</source>
        <translation>Notturno artistico</translation>
    </message>
    <message>
        <source>RM_SG_NightBack</source>
        <translation>Ritratto notturno nitido</translation>
    </message>
    <message>
        <source>RM_SG_NightBeatiful</source>
        <translation>Notturno nitido</translation>
    </message>
    <message>
        <source>RM_SG_NightCool</source>
        <translation>Cielo notturno freddo</translation>
    </message>
    <message>
        <source>RM_SG_NightHand</source>
        <translation>Notturno a mano libera</translation>
    </message>
    <message>
        <source>RM_SG_NightWarm</source>
        <translation>Notturno caldo e luminoso</translation>
    </message>
    <message>
        <source>RM_SG_Pet</source>
        <translation>Blocca movimento animali</translation>
    </message>
    <message>
        <source>RM_SG_SkinBeautiful</source>
        <translation>Pelle setosa</translation>
    </message>
    <message>
        <source>RM_SG_SparklingWater</source>
        <translation>Acqua scintillante</translation>
    </message>
    <message>
        <source>RM_SG_Sports</source>
        <translation>Sport nitido</translation>
    </message>
    <message>
        <source>RM_SG_Sweets</source>
        <translation>Dessert invitante</translation>
    </message>
    <message>
        <source>RM_ShutterPriorityAE</source>
        <translation>Priorità tempi</translation>
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
        <translation>Esposizione e otturatore</translation>
    </message>
    <message>
        <source>RecPreviw_Expousure</source>
        <translation>Esposizione</translation>
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
        <translation>10 s, 3 foto</translation>
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
        <translation>Cartella a scelta</translation>
    </message>
    <message>
        <source>StoLocType_Pc</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>StoLocType_SdCard</source>
        <translation>Scheda di memoria</translation>
    </message>
    <message>
        <source>StoLocType_SdCardPc</source>
        <translation>Scheda di memoria + PC</translation>
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
        <translation>Video A</translation>
    </message>
    <message>
        <source>Video-M</source>
        <translation>Video M</translation>
    </message>
    <message>
        <source>Video-P</source>
        <translation>Video P</translation>
    </message>
    <message>
        <source>Video-S</source>
        <translation>Video S</translation>
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
        <translation>Nuvoloso</translation>
    </message>
    <message>
        <source>WB_Daylight</source>
        <translation>Luce diurna</translation>
    </message>
    <message>
        <source>WB_Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>WB_K_Set</source>
        <translation>Temp. colore 1</translation>
    </message>
    <message>
        <source>WB_K_Set2</source>
        <translation>Temp. colore 2</translation>
    </message>
    <message>
        <source>WB_K_Set3</source>
        <translation>Temp. colore 3</translation>
    </message>
    <message>
        <source>WB_K_Set4</source>
        <translation>Temp. colore 4</translation>
    </message>
    <message>
        <source>WB_Keep</source>
        <translation>Impost. bianco 1</translation>
    </message>
    <message>
        <source>WB_Keep2</source>
        <translation>Impost. bianco 2</translation>
    </message>
    <message>
        <source>WB_Keep3</source>
        <translation>Impost. bianco 3</translation>
    </message>
    <message>
        <source>WB_Keep4</source>
        <translation>Impost. bianco 4</translation>
    </message>
    <message>
        <source>WB_Shade</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>WB_Tengsten</source>
        <translation>Incandescenza</translation>
    </message>
    <message>
        <source>WirCP_High</source>
        <translation>ALTA</translation>
    </message>
    <message>
        <source>WirCP_Low</source>
        <translation>BASSA</translation>
    </message>
    <message>
        <source>WirCP_Mid</source>
        <translation>STANDARD</translation>
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
        <translation>Controllo creativo</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Modalità di ripresa</translation>
    </message>
</context>
<context>
    <name>KvMainPSComponentsProvider</name>
    <message>
        <source>PSC_BasePhotoStyle</source>
        <translation>Stile foto di base</translation>
    </message>
    <message>
        <source>PSC_ChromaPhase</source>
        <translation>Tinta</translation>
    </message>
    <message>
        <source>PSC_ColorTone</source>
        <translation>Tonalità colore</translation>
    </message>
    <message>
        <source>PSC_Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>PSC_Density</source>
        <translation>Densità LUT</translation>
    </message>
    <message>
        <source>PSC_Density1</source>
        <translation>Densità LUT1</translation>
    </message>
    <message>
        <source>PSC_Density2</source>
        <translation>Densità LUT2</translation>
    </message>
    <message>
        <source>PSC_DualISO</source>
        <translation>Doppio ISO nativo</translation>
    </message>
    <message>
        <source>PSC_Filter</source>
        <translation>Effetto filtro</translation>
    </message>
    <message>
        <source>PSC_GainSetting</source>
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>PSC_Grain</source>
        <translation>Effetto grana</translation>
    </message>
    <message>
        <source>PSC_Grain_Color</source>
        <translation>Disturbo colore</translation>
    </message>
    <message>
        <source>PSC_HighLight</source>
        <translation>Alte luci</translation>
    </message>
    <message>
        <source>PSC_ISO</source>
        <translation>Sensibilità ISO</translation>
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
        <translation>Stile foto di base LUT</translation>
    </message>
    <message>
        <source>PSC_NoiseReduct</source>
        <translation>Riduzione disturbo</translation>
    </message>
    <message>
        <source>PSC_Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>PSC_Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>PSC_Sharpness</source>
        <translation>Nitidezza</translation>
    </message>
    <message>
        <source>PSC_WB</source>
        <translation>Bilanciamento del bianco</translation>
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
        <translation>Basso</translation>
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
        <translation>Arancione</translation>
    </message>
    <message>
        <source>PF_Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>PF_Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>PG_High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>PG_Low</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>PG_Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>PG_Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>PKM_Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>PKM_Manual</source>
        <translation>Manuale</translation>
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
        <translation>Stile foto</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Annulla</translation>
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
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>WB Adjust</source>
        <translation>Regolaz. WB</translation>
    </message>
</context>
<context>
    <name>KvCCPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Applica</translation>
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
        <translation>Raffica</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Modalità di scatto</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Post Focus</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Autoscatto</translation>
    </message>
</context>
<context>
    <name>KvPreferenceWindow</name>
    <message>
        <source>Preference</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Posizione di salvataggio</translation>
    </message>
    <message>
        <source>Storage Folder</source>
        <translation>Cartella di importazione</translation>
    </message>
    <message>
        <source>Storage Folder URL Placeholder</source>
        <translation>Selezionare la cartella.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Choose Storage Location</source>
        <translation>Scegliere la posizione di salvataggio</translation>
    </message>
    <message>
        <source>Storage Folder Date</source>
        <translation>Crea automaticamente sottocartelle per data</translation>
    </message>
    <message>
        <source>Storage Folder Camera</source>
        <translation>Crea una sottocartella per ogni fotocamera</translation>
    </message>
    <message>
        <source>Captured File Name</source>
        <translation>Nome dei file importati</translation>
    </message>
    <message>
        <source>Captured File Prefix Character</source>
        <translation>Prefisso:</translation>
    </message>
    <message>
        <source>Captured File Start Number</source>
        <translation>Numero iniziale:</translation>
    </message>
    <message>
        <source>Store File Name Camera</source>
        <translation>Aggiungi il nome della fotocamera al nome file</translation>
    </message>
    <message>
        <source>RAW TRANSFER</source>
        <translation>Trasferimento file RAW</translation>
    </message>
    <message>
        <source>HLG SHOOTING</source>
        <translation>Foto HLG</translation>
    </message>
    <message>
        <source>HLG Transfer</source>
        <translation>Trasferimento file HLG</translation>
    </message>
    <message>
        <source>Auto Display Review Images</source>
        <translation>Visualizza automaticamente l'immagine di revisione</translation>
    </message>
    <message>
        <source>Update F/W</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Camera Setting</source>
        <translation>Impostazioni fotocamera</translation>
    </message>
    <message>
        <source>Camera_setting_save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Camera_setting_restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Camera P/W</source>
        <translation>Password fotocamera</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Version Check at Startup</source>
        <translation>Verifica aggiornamenti dell'applicazione all'avvio</translation>
    </message>
    <message>
        <source>Show Trans Confirm Dialog</source>
        <translation>Conferma prima del trasferimento</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>storage_folder_invalid</source>
        <translation>Impossibile utilizzare la cartella di importazione.&lt;br /&gt;&lt;br /&gt;Immettere un percorso completo (che inizia con "/") di una cartella in cui si dispone dei permessi di scrittura, o di una nuova cartella che vi può essere creata.</translation>
    </message>
    <message>
        <source>file_prefix_invalid</source>
        <translation>Immettere un prefisso di 1-20 caratteri senza \ / : * ? " &lt; &gt; |.</translation>
    </message>
    <message>
        <source>start_number_invalid</source>
        <translation>Immettere un numero iniziale da 1 a 9999.</translation>
    </message>
    <message>
        <source>title_message</source>
        <translation>Aggiornamento del firmware in corso</translation>
    </message>
    <message>
        <source>fwup_message_1</source>
        <translation>(Tempo trascorso </translation>
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
        <translation>Copyright (C) KAVRO. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>KvPreferenceOptionButton</name>
    <message>
        <source>      All Cameras</source>
        <translation>      Tutte le fotocamere</translation>
    </message>
</context>
<context>
    <name>KvPreferenceAgreementPopup</name>
    <message>
        <source>agreement_title_startup</source>
        <translation>Ci aiuti a migliorare KAVRO Rozado</translation>
    </message>
    <message>
        <source>agreement_title</source>
        <translation>Dati di utilizzo</translation>
    </message>
    <message>
        <source>agreement_content</source>
        <translation>Consente a KAVRO Rozado di registrare come viene utilizzato e di inviare questi dati per contribuire a migliorare il programma? Immagini e dati personali non vengono mai inclusi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>KvMainObject</name>
    <message>
        <source>Internal error.</source>
        <translation>Si è verificato un errore interno.</translation>
    </message>
    <message>
        <source>Connect error_msg1</source>
        <translation>Impossibile collegarsi alla fotocamera.</translation>
    </message>
    <message>
        <source>Connect error_msg2</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Connect error_msg3</source>
        <translation>Codice di errore</translation>
    </message>
    <message>
        <source>Connect error_msg4</source>
        <translation>Verificare che gli orologi del computer e della fotocamera siano impostati correttamente.</translation>
    </message>
    <message>
        <source>Connect error_msg4_1</source>
        <translation>1. Verificare il fuso orario.</translation>
    </message>
    <message>
        <source>Connect error_msg4_2</source>
        <translation>2. Verificare l'ora legale.</translation>
    </message>
    <message>
        <source>Connect error_msg4_3</source>
        <translation>3. Verificare l'orologio.</translation>
    </message>
    <message>
        <source>storage_folder_replaced</source>
        <translation>Impossibile utilizzare la cartella di importazione del file delle impostazioni:
%1
Le immagini vengono importate nella cartella Immagini finché non sarà di nuovo utilizzabile a un avvio successivo o finché non si sceglie una cartella di importazione in Impostazioni.</translation>
    </message>
    <message>
        <source>version_page_not_opened</source>
        <translation>Impossibile aprire la pagina dell&apos;aggiornamento. Il suo indirizzo non è quello di una pagina web, oppure non è disponibile alcun browser web.</translation>
    </message>
</context>
<context>
    <name>KvConnectWindow</name>
    <message>
        <source>Please connect to device</source>
        <translation>Collegare KAVRO al PC.</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>KAVRO è collegato al PC.</translation>
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
        <translation>: il programma di aggiornamento è stato aperto.</translation>
    </message>
    <message>
        <source>now_version_top</source>
        <translation>Versione attuale: </translation>
    </message>
    <message>
        <source>now_version_bottom</source>
        <translation> </translation>
    </message>
    <message>
        <source>new_version_top</source>
        <translation>Ultima versione: </translation>
    </message>
    <message>
        <source>new_version_sep1</source>
        <translation>.</translation>
    </message>
    <message>
        <source>open_web_page1</source>
        <translation>Chiudere l'applicazione</translation>
    </message>
    <message>
        <source>open_web_page2</source>
        <translation>e aprire subito la pagina di download?</translation>
    </message>
    <message>
        <source>Yes_Button</source>
        <translation>Sì</translation>
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
        <translation>Modalità di emissione</translation>
    </message>
    <message>
        <source>Flash Mode</source>
        <translation>Modalità flash</translation>
    </message>
    <message>
        <source>Flash Sync</source>
        <translation>Sincro flash</translation>
    </message>
    <message>
        <source>Exposure Link</source>
        <translation>Compensazione&lt;br /&gt; esp. automatica</translation>
    </message>
    <message>
        <source>Flash Intensity Setting</source>
        <translation>Regolaz. flash</translation>
    </message>
    <message>
        <source>Manual Flash Emission Setting</source>
        <translation>Regolaz. flash manuale</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Wireless</translation>
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
        <translation>Canale wireless</translation>
    </message>
    <message>
        <source>Wireless FP</source>
        <translation>FP wireless</translation>
    </message>
    <message>
        <source>Wireless Light Intensity</source>
        <translation>Luce di&lt;br /&gt; comunicazione</translation>
    </message>
    <message>
        <source>Built-in Flash</source>
        <translation>Flash esterno</translation>
    </message>
    <message>
        <source>A Group</source>
        <translation>Gruppo A</translation>
    </message>
    <message>
        <source>B Group</source>
        <translation>Gruppo B</translation>
    </message>
    <message>
        <source>C Group</source>
        <translation>Gruppo C</translation>
    </message>
    <message>
        <source>Test Emission</source>
        <translation>Flash di prova</translation>
    </message>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Regolaz. flash</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Regolaz. flash manuale</translation>
    </message>
</context>
<context>
    <name>KvFlashComponentsProvider</name>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Regolaz. flash</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Regolaz. flash manuale</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>KvMainMQComponentsProvider</name>
    <message>
        <source>MQD_ALL</source>
        <translation>TUTTI</translation>
    </message>
    <message>
        <source>MQD_IMPOSSIBLE</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MQD_POSSIBLE</source>
        <translation>Disponibile</translation>
    </message>
    <message>
        <source>MQD_HDMI_ONLY_POSSIBLE</source>
        <translation>Disponibile solo HDMI</translation>
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
        <translation>Qualità registr. video</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Compression method</source>
        <translation>Codec</translation>
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
        <translation>Opzioni filtro</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Risultati: **</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Compression method</source>
        <translation>Codec</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>KvTransferController</name>
    <message>
        <source>confirm_message_1</source>
        <translation>Durante il trasferimento non è possibile operare dal PC.</translation>
    </message>
    <message>
        <source>confirm_message_2</source>
        <translation>Importare sul PC il video registrato?</translation>
    </message>
    <message>
        <source>confirm_message_3</source>
        <translation>Dimensione: </translation>
    </message>
    <message>
        <source>confirm_message_4</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>confirm_message_5</source>
        <translation>(L'importazione potrebbe richiedere del tempo)</translation>
    </message>
    <message>
        <source>confirm_message_6</source>
        <translation>Se si seleziona "No", occorre copiare il video dalla scheda di memoria.</translation>
    </message>
    <message>
        <source>confirm_message_7</source>
        <translation>Importazione</translation>
    </message>
    <message>
        <source>confirm_message_8</source>
        <translation>(Tempo trascorso </translation>
    </message>
    <message>
        <source>confirm_message_9</source>
        <translation>)</translation>
    </message>
    <message>
        <source>confirm_message_10</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>confirm_message_11</source>
        <translation>Annullare davvero l'importazione?</translation>
    </message>
    <message>
        <source>confirm_message_12</source>
        <translation>Per copiare il video su un PC,</translation>
    </message>
    <message>
        <source>confirm_message_13</source>
        <translation>occorre copiarlo dalla scheda di memoria.</translation>
    </message>
    <message>
        <source>confirm_message_15</source>
        <translation>Importare la foto 6K/4K scattata?</translation>
    </message>
    <message>
        <source>confirm_message_16</source>
        <translation>Numero di foto trasferite: </translation>
    </message>
    <message>
        <source>confirm_message_17</source>
        <translation> </translation>
    </message>
    <message>
        <source>confirm_message_18</source>
        <translation>(L'importazione potrebbe richiedere del tempo)</translation>
    </message>
    <message>
        <source>confirm_message_19</source>
        <translation>Se si seleziona "No", occorre ritagliare sulla fotocamera e poi copiare dalla scheda di memoria.</translation>
    </message>
    <message>
        <source>confirm_message_20</source>
        <translation>Per copiare la foto 6K/4K su un PC,</translation>
    </message>
    <message>
        <source>confirm_message_21</source>
        <translation>occorre ritagliare la foto sulla fotocamera e poi copiarla dalla scheda di memoria.</translation>
    </message>
    <message>
        <source>confirm_message_22</source>
        <translation>Numero di file: </translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>Impossibile copiare il file.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Guida operativa</translation>
    </message>
    <message>
        <source>LV</source>
        <translation>LV</translation>
    </message>
    <message>
        <source>CAMERA</source>
        <translation>FOTOCAMERA</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Mod. registr.</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Diaframma</translation>
    </message>
    <message>
        <source>SS</source>
        <translation>Tempo di posa</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Mod. scatto</translation>
    </message>
    <message>
        <source>WB</source>
        <translation>Bil. bianco</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Comp. espos.</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Dim. foto</translation>
    </message>
    <message>
        <source>Picture Quality</source>
        <translation>Qualità imm.</translation>
    </message>
    <message>
        <source>Motion Picture Quality</source>
        <translation>Qualità video</translation>
    </message>
    <message>
        <source>Focus Mode</source>
        <translation>Messa a fuoco</translation>
    </message>
    <message>
        <source>AF Mode</source>
        <translation>Modalità AF</translation>
    </message>
    <message>
        <source>Photo Style</source>
        <translation>Stile foto</translation>
    </message>
    <message>
        <source>Metering Mode</source>
        <translation>Mod. esposim.</translation>
    </message>
    <message>
        <source>WB Color Temp.</source>
        <translation>Temp. col. WB</translation>
    </message>
    <message>
        <source>WB Tuning</source>
        <translation>Regolaz. WB</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>CreativeControl</source>
        <translation>Controllo creativo</translation>
    </message>
    <message>
        <source>CreativeVideo</source>
        <translation>Video creativo</translation>
    </message>
    <message>
        <source>IntelligentAuto</source>
        <translation>Auto intellig.</translation>
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
        <translation>Modalità S&amp;Q</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Raffica</translation>
    </message>
    <message>
        <source>Burst1</source>
        <translation>Raffica 1</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Autoscatto</translation>
    </message>
    <message>
        <source>4K6K</source>
        <translation>Foto 6K/4K</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Post Focus</translation>
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
        <translation>Al momento non è possibile eseguire l'operazione.</translation>
    </message>
    <message>
        <source>wb_error_message</source>
        <translation>Impostazione del bianco non riuscita!!</translation>
    </message>
    <message>
        <source>sd_error_message_1</source>
        <translation>Nessuna scheda di memoria</translation>
    </message>
    <message>
        <source>sd_error_message_2</source>
        <translation>Scheda di memoria protetta da scrittura</translation>
    </message>
    <message>
        <source>sd_error_message_3</source>
        <translation>Errore scheda di memoria</translation>
    </message>
    <message>
        <source>sd_error_message_4</source>
        <translation>Scheda di memoria piena</translation>
    </message>
    <message>
        <source>confirm_message_14</source>
        <translation>Selezionare per il video un formato file diverso da AVCHD.</translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>Impossibile copiare il file.</translation>
    </message>
    <message>
        <source>Error Info</source>
        <translation>Si è verificato un errore nella fotocamera.</translation>
    </message>
    <message>
        <source>Error Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Error Date-time</source>
        <translation>Data e ora dell'errore</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Codice di errore</translation>
    </message>
    <message>
        <source>Error Content</source>
        <translation>Contenuto dell'errore</translation>
    </message>
    <message>
        <source>ERR-9</source>
        <translation>Errore obiettivo&lt;br /&gt;Controllare l'obiettivo</translation>
    </message>
    <message>
        <source>ERR-11</source>
        <translation>Errore scheda&lt;br /&gt;Controllare la scheda</translation>
    </message>
    <message>
        <source>ERR-12</source>
        <translation>Errore di scrittura&lt;br /&gt;Controllare la scheda</translation>
    </message>
    <message>
        <source>ERR-14</source>
        <translation>Scheda di memoria piena</translation>
    </message>
    <message>
        <source>ERR-16</source>
        <translation>Errore di lettura&lt;br /&gt;Controllare la scheda</translation>
    </message>
    <message>
        <source>ERR-56</source>
        <translation>Temperatura elevata&lt;br /&gt;Attendere che la fotocamera si raffreddi</translation>
    </message>
    <message>
        <source>ERR-70</source>
        <translation>Impossibile utilizzare la batteria</translation>
    </message>
    <message>
        <source>ERR-104</source>
        <translation>Errore scheda&lt;br /&gt;Formattare la scheda nella fotocamera</translation>
    </message>
    <message>
        <source>ERR-107</source>
        <translation>Errore fotocamera 107&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-108</source>
        <translation>Errore fotocamera 108&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-129</source>
        <translation>Errore fotocamera 129&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-130</source>
        <translation>Errore fotocamera 130&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-186</source>
        <translation>Errore fotocamera 186&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-188</source>
        <translation>Errore fotocamera 188&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-369</source>
        <translation>Errore fotocamera 369&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-378</source>
        <translation>Errore fotocamera 378&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-387</source>
        <translation>Errore fotocamera 387&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-388</source>
        <translation>Errore fotocamera 388&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-389</source>
        <translation>Errore fotocamera 389&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-390</source>
        <translation>Errore fotocamera 390&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-396</source>
        <translation>Errore fotocamera 396&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-397</source>
        <translation>Il tempo massimo di registrazione&lt;br /&gt;di 12 ore è trascorso.&lt;br /&gt;La registrazione è stata interrotta.</translation>
    </message>
    <message>
        <source>ERR-461</source>
        <translation>Errore fotocamera 461&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-463</source>
        <translation>Errore fotocamera 463&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-464</source>
        <translation>Errore fotocamera 464&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-466</source>
        <translation>Errore fotocamera 466&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-467</source>
        <translation>Errore fotocamera 467&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-468</source>
        <translation>Errore fotocamera 468&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-469</source>
        <translation>Errore fotocamera 469&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-470</source>
        <translation>Errore fotocamera 470&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-471</source>
        <translation>Errore fotocamera 471&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-472</source>
        <translation>Errore fotocamera 472&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-486</source>
        <translation>Errore fotocamera 486&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-487</source>
        <translation>Errore fotocamera 487&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-488</source>
        <translation>Errore fotocamera 488&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-499</source>
        <translation>Errore fotocamera 499&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-500</source>
        <translation>Errore fotocamera 500&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-527</source>
        <translation>Errore fotocamera 527&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-529</source>
        <translation>Errore fotocamera 529&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-588</source>
        <translation>Errore fotocamera 588&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-598</source>
        <translation>Errore fotocamera 598&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-610</source>
        <translation>Errore fotocamera 610&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-611</source>
        <translation>Errore fotocamera 611&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-612</source>
        <translation>Errore fotocamera 612&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-613</source>
        <translation>Errore fotocamera 613&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-614</source>
        <translation>Errore fotocamera 614&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-615</source>
        <translation>Errore fotocamera 615&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-617</source>
        <translation>Errore fotocamera 617&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-618</source>
        <translation>Errore fotocamera 618&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-621</source>
        <translation>Errore fotocamera 621&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-622</source>
        <translation>Errore fotocamera 622&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-624</source>
        <translation>Errore fotocamera 624&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-625</source>
        <translation>Errore fotocamera 625&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-626</source>
        <translation>La funzione di streaming è attiva.&lt;br /&gt;Solo registrazione remota.</translation>
    </message>
    <message>
        <source>ERR-629</source>
        <translation>Errore fotocamera 629&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-630</source>
        <translation>Errore fotocamera 630&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-631</source>
        <translation>Errore fotocamera 631&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-632</source>
        <translation>Errore fotocamera 632&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-633</source>
        <translation>Errore fotocamera 633&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-634</source>
        <translation>Errore fotocamera 634&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-635</source>
        <translation>Errore fotocamera 635&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-636</source>
        <translation>Errore fotocamera 636&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-639</source>
        <translation>Errore fotocamera 639&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-640</source>
        <translation>Errore fotocamera 640&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-641</source>
        <translation>Errore fotocamera 641&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-644</source>
        <translation>Errore fotocamera 644&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-646</source>
        <translation>Errore fotocamera 646&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-647</source>
        <translation>Errore fotocamera 647&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-649</source>
        <translation>Errore fotocamera 649&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-650</source>
        <translation>Errore fotocamera 650&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-652</source>
        <translation>Errore fotocamera 652&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-655</source>
        <translation>Errore fotocamera 655&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-656</source>
        <translation>Errore fotocamera 656&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-660</source>
        <translation>Errore fotocamera 660&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-661</source>
        <translation>Errore fotocamera 661&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-662</source>
        <translation>Errore fotocamera 662&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
    <message>
        <source>ERR-663</source>
        <translation>Errore fotocamera 663&lt;br /&gt;Controllare la fotocamera</translation>
    </message>
</context>
<context>
    <name>KvPreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
</context>
<context>
    <name>KvCameraListButton2</name>
    <message>
        <source>All Cameras</source>
        <translation>Tutte le fotocamere</translation>
    </message>
</context>
<context>
    <name>KvCameraListWindow2</name>
    <message>
        <source>CAMERA</source>
        <translation>FOTOCAMERA</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>KvSearchCameraListItem</name>
    <message>
        <source>Conn.</source>
        <translation>Conn.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>All Cameras</source>
        <translation>Tutte le fotocamere</translation>
    </message>
    <message>
        <source>Conn. Type</source>
        <translation>Tipo conn.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>authorized</source>
        <translation>Questa fotocamera è già stata collegata in passato.</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>Questa fotocamera non è mai stata collegata. Se non è possibile collegarla, verificare che gli orologi della fotocamera e di questo computer siano impostati correttamente.</translation>
    </message>
    <message>
        <source>encrypt</source>
        <translation>La comunicazione con questa fotocamera è crittografata.</translation>
    </message>
    <message>
        <source>unencrypted</source>
        <translation>Questa fotocamera non supporta la crittografia della comunicazione.</translation>
    </message>
    <message>
        <source>usb</source>
        <translation>Connessione USB</translation>
    </message>
</context>
<context>
    <name>KvSearchCameraListWindow</name>
    <message>
        <source>CAMERA</source>
        <translation>FOTOCAMERA</translation>
    </message>
    <message>
        <source>SearchCameraInformation</source>
        <translation>Selezionare la fotocamera da collegare e fare clic sul pulsante [Avvia].</translation>
    </message>
    <message>
        <source>StartMessage</source>
        <translation>Selezionare la fotocamera da collegare e fare clic sul pulsante [Avvia].</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
</context>
<context>
    <name>KvGridPopup</name>
    <message>
        <source>grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>3x3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>2x2</source>
        <translation>2 x 2 + diagonali</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizza</translation>
    </message>
    <message>
        <source>cross line</source>
        <translation>Mostra diagonali</translation>
    </message>
    <message>
        <source>horizon num</source>
        <translation>Numero orizzontale</translation>
    </message>
    <message>
        <source>vertical num</source>
        <translation>Numero verticale</translation>
    </message>
    <message>
        <source>thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>color</source>
        <translation>Colore</translation>
    </message>
</context>
<context>
    <name>KvGuideLinePopup</name>
    <message>
        <source>guideline</source>
        <translation>Linea guida</translation>
    </message>
    <message>
        <source>Vertical 1</source>
        <translation>Verticale 1</translation>
    </message>
    <message>
        <source>Vertical 2</source>
        <translation>Verticale 2</translation>
    </message>
    <message>
        <source>Holizon 1</source>
        <translation>Orizzontale 1</translation>
    </message>
    <message>
        <source>Holizon 2</source>
        <translation>Orizzontale 2</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
</context>
<context>
    <name>KvOverlayPhotoPopup</name>
    <message>
        <source>Overlay</source>
        <translation>Sovrapposizione</translation>
    </message>
    <message>
        <source>Image File</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Seleziona un file</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Please choose a file</source>
        <translation>Scegliere un file</translation>
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
        <translation>Tutti i file (*.jpg *.RW2)</translation>
    </message>
    <message>
        <source>error_message_1</source>
        <translation>Impossibile leggere il file. Controllare il file specificato.</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Scaling(25 - 200%)</source>
        <translation>Scala (25 - 200%)</translation>
    </message>
    <message>
        <source>Rotation(-180 - 180°)</source>
        <translation>Rotazione (-180 - 180°)</translation>
    </message>
    <message>
        <source>Ratio(0 - 100%)</source>
        <translation>Trasparenza (0 - 100%)</translation>
    </message>
    <message>
        <source>Reset setting</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>KvCustomColorDialog</name>
    <message>
        <source>Please choose a color</source>
        <translation>Scegliere un colore</translation>
    </message>
</context>
<context>
    <name>KvLiveViewComposite</name>
    <message>
        <source>Message-1</source>
        <translation>Impostare tempo di posa e&lt;br /&gt;sensibilità ISO prima di premere&lt;br /&gt;il pulsante di scatto per creare&lt;br /&gt;un fotogramma nero per la&lt;br /&gt;riduzione del disturbo.</translation>
    </message>
    <message>
        <source>Message-2-1</source>
        <translation>Creazione del fotogramma nero per la&lt;br /&gt;riduzione del disturbo.&lt;br /&gt;Attendere.</translation>
    </message>
    <message>
        <source>Message-2-2</source>
        <translation>La composizione Live View si avvia&lt;br /&gt;dopo la pressione del pulsante di scatto.</translation>
    </message>
    <message>
        <source>Message-4</source>
        <translation>Elaborazione</translation>
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
        <translation>Operazione fotocamera in corso</translation>
    </message>
    <message>
        <source>getting update information from camera</source>
        <translation>Acquisizione delle informazioni di aggiornamento dalla fotocamera</translation>
    </message>
    <message>
        <source>The preview image of the camera cannot be displayed because streaming is being carried out.</source>
        <translation>Impossibile visualizzare l'immagine di anteprima della fotocamera perché è in corso lo streaming.</translation>
    </message>
</context>
<context>
    <name>KvLiveViewControlItem</name>
    <message>
        <source>MENU</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>WB Settings</source>
        <translation>Impost. bianco</translation>
    </message>
    <message>
        <source>AF Area</source>
        <translation>Visual. area AF</translation>
    </message>
    <message>
        <source>One-Shot AF</source>
        <translation>AF singolo</translation>
    </message>
    <message>
        <source>Level Indicator</source>
        <translation>Livella</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Guideline</source>
        <translation>Linea guida</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Sovrapposizione</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Istogramma</translation>
    </message>
    <message>
        <source>MF Zoom</source>
        <translation>Ingrandimento</translation>
    </message>
    <message>
        <source>MF Adjust</source>
        <translation>Regolaz. MF</translation>
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
        <translation>Rotazione LV</translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation>Qualità LV</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Monitor Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Please Change to Single View</source>
        <translation>Passare alla visualizzazione singola (1 schermata) per utilizzare il menu.</translation>
    </message>
</context>
<context>
    <name>KvTransferFailureNotice</name>
    <message>
        <source>transfer_failed_intro</source>
        <translation>Queste foto non sono state salvate sul computer; nella cartella di archiviazione non ne resta nulla. Potete continuare a scattare; controllate le fotocamere e la cartella di archiviazione.</translation>
    </message>
    <message>
        <source>transfer_failed_line</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_line_camera</source>
        <translation>%1: foto %2 sulla fotocamera (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_no_name</source>
        <translation>una foto</translation>
    </message>
    <message>
        <source>transfer_failed_folder</source>
        <translation>impossibile creare la cartella di archiviazione o scrivervi</translation>
    </message>
    <message>
        <source>transfer_failed_camera</source>
        <translation>la fotocamera non l'ha consegnata</translation>
    </message>
    <message>
        <source>transfer_failed_write</source>
        <translation>impossibile scriverla: %1</translation>
    </message>
    <message>
        <source>transfer_failed_more</source>
        <translation>… e altri %1</translation>
    </message>
    <message>
        <source>transfer_failed_ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
