<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Abgeschlossen.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Fehlgeschlagen.</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>Auch im Rozado Connect-Modus wird Strom verbraucht.&lt;br /&gt;&lt;br /&gt;Möchten Sie in den Rozado Connect-Modus wechseln?</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>Nach erfolgreicher Aktualisierung der Firmware wird die Kamera automatisch neu gestartet.&lt;br /&gt;&lt;br /&gt;Möchten Sie die Aktualisierung der Firmware starten?</translation>
    </message>
    <message>
        <source>No text specified!</source>
        <translation>Kein Text angegeben!</translation>
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
        <translation>Legen Sie das Passwort fest.</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>Geben Sie ein Passwort ein.</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>Geben Sie ein Passwort ein, das die folgenden Anforderungen erfüllt.</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>Anzahl der Zeichen</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>Zwischen 8 und 31.</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>Zeichenarten</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>Groß- und Kleinbuchstaben, Ziffern</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Neues Passwort (zur Bestätigung):</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Abgeschlossen.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Fehlgeschlagen.</translation>
    </message>
    <message>
        <source>error_newpw_wrong_condition</source>
        <translation>Geben Sie ein neues Passwort ein, das die folgenden Anforderungen erfüllt.</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>Das aktuelle Passwort ist nicht korrekt.&lt;br /&gt;&lt;br /&gt;Geben Sie das richtige Passwort ein.</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>Das neue Passwort und die Bestätigung stimmen nicht überein.&lt;br /&gt;&lt;br /&gt;Geben Sie das richtige Passwort ein.</translation>
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
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_de.xml</translation>
    </message>
</context>
<context>
    <name>KvOptionComponentsProvider</name>
    <message>
        <source>AFM_1Point</source>
        <translation>1-Feld</translation>
    </message>
    <message>
        <source>AFM_1PointAux</source>
        <translation>1-Feld+</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Detection</source>
        <translation>1-Feld+ Erkennung</translation>
    </message>
    <message>
        <source>AFM_1PointAux_FaceEye</source>
        <translation>1-Feld+ (Gesicht/Auge)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Human</source>
        <translation>1-Feld+ (Mensch)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_HumanAnimal</source>
        <translation>1-Feld+ (Mensch/Tier)</translation>
    </message>
    <message>
        <source>AFM_1Point_Detection</source>
        <translation>1-Feld Erkennung</translation>
    </message>
    <message>
        <source>AFM_1Point_FaceEye</source>
        <translation>1-Feld (Gesicht/Auge)</translation>
    </message>
    <message>
        <source>AFM_1Point_Human</source>
        <translation>1-Feld (Mensch)</translation>
    </message>
    <message>
        <source>AFM_1Point_HumanAnimal</source>
        <translation>1-Feld (Mensch/Tier)</translation>
    </message>
    <message>
        <source>AFM_225Point</source>
        <translation>225-Feld</translation>
    </message>
    <message>
        <source>AFM_AutoRe</source>
        <translation>Autom. Erkennung</translation>
    </message>
    <message>
        <source>AFM_AutoRe_Human</source>
        <translation>Personenerkennung</translation>
    </message>
    <message>
        <source>AFM_AutoRe_HumanAnimal</source>
        <translation>Mensch-/Tiererkennung</translation>
    </message>
    <message>
        <source>AFM_Custom1</source>
        <translation>Benutzer 1</translation>
    </message>
    <message>
        <source>AFM_Custom2</source>
        <translation>Benutzer 2</translation>
    </message>
    <message>
        <source>AFM_Custom3</source>
        <translation>Benutzer 3</translation>
    </message>
    <message>
        <source>AFM_CustomC1</source>
        <translation>Benutzer-Multi C1</translation>
    </message>
    <message>
        <source>AFM_CustomC2</source>
        <translation>Benutzer-Multi C2</translation>
    </message>
    <message>
        <source>AFM_CustomC3</source>
        <translation>Benutzer-Multi C3</translation>
    </message>
    <message>
        <source>AFM_CustomCenter</source>
        <translation>Benutzer-Multi (Mitte)</translation>
    </message>
    <message>
        <source>AFM_CustomHorizon</source>
        <translation>Benutzer-Multi (Horizontal)</translation>
    </message>
    <message>
        <source>AFM_CustomVertical</source>
        <translation>Benutzer-Multi (Vertikal)</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalBody</source>
        <translation>Tierkörper</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalEyeBody</source>
        <translation>Tierauge/-körper</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Priority</source>
        <translation>Fahrrad (Priorität)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Whole</source>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>AFM_Detection_Bike_Helmet</source>
        <translation>Motorrad (Helm)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bike_Whole</source>
        <translation>Motorrad</translation>
    </message>
    <message>
        <source>AFM_Detection_Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Priority</source>
        <translation>Auto (Priorität)</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Whole</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFace</source>
        <translation>Auge/Gesicht (Mensch)</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFaceBody</source>
        <translation>Auge/Gesicht/Körper (Mensch)</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanStreet</source>
        <translation>Mensch (Straße)</translation>
    </message>
    <message>
        <source>AFM_Detection_Motorcycle</source>
        <translation>Motorrad</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Aircraft</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Nose_Priority</source>
        <translation>Flugzeug (Nase)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Leading_Veh</source>
        <translation>Zug (Triebwagen)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Priority</source>
        <translation>Zug (Priorität)</translation>
    </message>
    <message>
        <source>AFM_Ellipse</source>
        <translation>Zone (oval)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Detection</source>
        <translation>Zone (oval) Erkennung</translation>
    </message>
    <message>
        <source>AFM_Ellipse_FaceEye</source>
        <translation>Zone (oval) (Gesicht/Auge)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Human</source>
        <translation>Zone (oval) (Mensch)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_HumanAnimal</source>
        <translation>Zone (oval) (Mensch/Tier)</translation>
    </message>
    <message>
        <source>AFM_Face</source>
        <translation>Gesichts-/Augenerkennung</translation>
    </message>
    <message>
        <source>AFM_FullArea</source>
        <translation>Ganzes Feld</translation>
    </message>
    <message>
        <source>AFM_FullArea_Detection</source>
        <translation>Ganzes Feld Erkennung</translation>
    </message>
    <message>
        <source>AFM_FullArea_FaceEye</source>
        <translation>Ganzes Feld (Gesicht/Auge)</translation>
    </message>
    <message>
        <source>AFM_FullArea_Human</source>
        <translation>Ganzes Feld (Mensch)</translation>
    </message>
    <message>
        <source>AFM_FullArea_HumanAnimal</source>
        <translation>Ganzes Feld (Mensch/Tier)</translation>
    </message>
    <message>
        <source>AFM_Pinpoint</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>AFM_Square</source>
        <translation>Zone (quadratisch)</translation>
    </message>
    <message>
        <source>AFM_Tracking</source>
        <translation>Verfolgung</translation>
    </message>
    <message>
        <source>AFM_Tracking_Detection</source>
        <translation>Verfolgung Erkennung</translation>
    </message>
    <message>
        <source>AFM_Tracking_FaceEye</source>
        <translation>Verfolgung (Gesicht/Auge)</translation>
    </message>
    <message>
        <source>AFM_Tracking_Human</source>
        <translation>Verfolgung (Mensch)</translation>
    </message>
    <message>
        <source>AFM_Tracking_HumanAnimal</source>
        <translation>Verfolgung (Mensch/Tier)</translation>
    </message>
    <message>
        <source>AFM_VertHori</source>
        <translation>Zone (vertikal/horizontal)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Detection</source>
        <translation>Zone (vert./horiz.) Erkennung</translation>
    </message>
    <message>
        <source>AFM_VertHori_FaceEye</source>
        <translation>Zone (vert./horiz.) (Gesicht/Auge)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Human</source>
        <translation>Zone (vert./horiz.) (Mensch)</translation>
    </message>
    <message>
        <source>AFM_VertHori_HumanAnimal</source>
        <translation>Zone (vert./horiz.) (Mensch/Tier)</translation>
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
        <translation>MANUELL</translation>
    </message>
    <message>
        <source>BIFD_Off</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>BIFD_Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>BIFD_TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>BS_6K4K</source>
        <translation>6K/4K-Serie</translation>
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
        <translation>Vorserie SH1</translation>
    </message>
    <message>
        <source>BS_EleFastPre2</source>
        <translation>Vorserie SH2</translation>
    </message>
    <message>
        <source>BS_EleFastPre20</source>
        <translation>Vorserie SH 20 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre3</source>
        <translation>Vorserie SH3</translation>
    </message>
    <message>
        <source>BS_EleFastPre30</source>
        <translation>Vorserie SH 30 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre40</source>
        <translation>Vorserie SH 40 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre60</source>
        <translation>Vorserie SH 60 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre70</source>
        <translation>Vorserie SH 70 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre75</source>
        <translation>Vorserie SH 75 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPreSH</source>
        <translation>Vorserie SH</translation>
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
        <translation>H mit Live-View</translation>
    </message>
    <message>
        <source>BS_HighSpeedPlus</source>
        <translation>H+</translation>
    </message>
    <message>
        <source>BS_HighSpeedPlusLiveView</source>
        <translation>H+ mit Live-View</translation>
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
        <translation>AUS</translation>
    </message>
    <message>
        <source>ConfirmDlgType_ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>CreativeVideo</source>
        <translation>Kreativ-Video</translation>
    </message>
    <message>
        <source>CreativeVideo-A</source>
        <translation>Kreativ-Video A</translation>
    </message>
    <message>
        <source>CreativeVideo-M</source>
        <translation>Kreativ-Video M</translation>
    </message>
    <message>
        <source>CreativeVideo-P</source>
        <translation>Kreativ-Video P</translation>
    </message>
    <message>
        <source>CreativeVideo-S</source>
        <translation>Kreativ-Video S</translation>
    </message>
    <message>
        <source>DM_4K6K</source>
        <translation>6K/4K-Foto</translation>
    </message>
    <message>
        <source>DM_Bracket</source>
        <translation>Belichtungsreihe</translation>
    </message>
    <message>
        <source>DM_Burst</source>
        <translation>Serienbild</translation>
    </message>
    <message>
        <source>DM_Burst1</source>
        <translation>Serienbild 1</translation>
    </message>
    <message>
        <source>DM_Burst2</source>
        <translation>Serienbild 2</translation>
    </message>
    <message>
        <source>DM_Focus</source>
        <translation>Post-Fokus</translation>
    </message>
    <message>
        <source>DM_HANDHELD_HRS</source>
        <translation>Hochauflösung (Hand)</translation>
    </message>
    <message>
        <source>DM_HRS</source>
        <translation>Hochauflösung</translation>
    </message>
    <message>
        <source>DM_Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>DM_Komadori</source>
        <translation>Stop-Motion</translation>
    </message>
    <message>
        <source>DM_SelfTimer</source>
        <translation>Selbstauslöser</translation>
    </message>
    <message>
        <source>DM_Single</source>
        <translation>Einzelbild</translation>
    </message>
    <message>
        <source>Default Folder(Mac)</source>
        <translation>Ordner „Bilder“</translation>
    </message>
    <message>
        <source>Default Folder(Win)</source>
        <translation>Ordner „Bilder“</translation>
    </message>
    <message>
        <source>DisRevType_Off</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>DisRevType_On</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>ExpL_Off</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ExpL_On</source>
        <translation>EIN</translation>
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
        <translation>MANUELL</translation>
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
        <translation>Blitz immer AUS</translation>
    </message>
    <message>
        <source>FlshM_Forced</source>
        <translation>Blitz immer EIN</translation>
    </message>
    <message>
        <source>FlshM_ForcedRedEye</source>
        <translation>Immer EIN/Rote-Augen-Red.</translation>
    </message>
    <message>
        <source>FlshM_SlowRedEye</source>
        <translation>Langz.-Sync./Rote-Augen-Red.</translation>
    </message>
    <message>
        <source>FlshM_SlowSync</source>
        <translation>Langzeit-Sync.</translation>
    </message>
    <message>
        <source>FlshS_Front</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>FlshS_Rear</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>FolNameType_Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>FolNameType_User</source>
        <translation>Präfix nach Wahl</translation>
    </message>
    <message>
        <source>GFD_Auto</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>GFD_Manual</source>
        <translation>MANUELL</translation>
    </message>
    <message>
        <source>GFD_Off</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>GFD_TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>HlgShootingType_4K</source>
        <translation>4K-Aufl.</translation>
    </message>
    <message>
        <source>HlgShootingType_8K</source>
        <translation>8K-Aufl.</translation>
    </message>
    <message>
        <source>HlgShootingType_Full</source>
        <translation>Volle Aufl.</translation>
    </message>
    <message>
        <source>HlgShootingType_OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>HlgTransType_OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>HlgTransType_ON</source>
        <translation>EIN</translation>
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
        <translation>JPEG Fein</translation>
    </message>
    <message>
        <source>ImgInfoQ_Heif_Fine</source>
        <translation>HEIF Fein</translation>
    </message>
    <message>
        <source>ImgInfoQ_Heif_Std</source>
        <translation>HEIF Standard</translation>
    </message>
    <message>
        <source>ImgInfoQ_Interlock</source>
        <translation>Kombiniert</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw</source>
        <translation>RAW</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Fine</source>
        <translation>RAW + JPEG Fein</translation>
    </message>
    <message>
        <source>ImgInfoQ_Raw_Heif_Fine</source>
        <translation>RAW + HEIF Fein</translation>
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
        <translation>AUS</translation>
    </message>
    <message>
        <source>LogPer_On</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>LvImgQ_Fine</source>
        <translation>Fein</translation>
    </message>
    <message>
        <source>LvImgQ_Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>LvImgQ_Std</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>MM_Center</source>
        <translation>Mittenbetont</translation>
    </message>
    <message>
        <source>MM_Highlight</source>
        <translation>Spitzlichtbetont</translation>
    </message>
    <message>
        <source>MM_Pattern</source>
        <translation>Mehrfeld</translation>
    </message>
    <message>
        <source>MM_Spot</source>
        <translation>Spot</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst</source>
        <translation>4K 30p Serie</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst_SS</source>
        <translation>4K 30p Serie (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_PreBurst</source>
        <translation>4K 30p Vorserie</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst</source>
        <translation>4K 60p Serie</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst_SS</source>
        <translation>4K 60p Serie (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_PreBurst</source>
        <translation>4K 60p Vorserie</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst</source>
        <translation>6K 30p Serie</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst_SS</source>
        <translation>6K 30p Serie (S/S)</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_PreBurst</source>
        <translation>6K 30p Vorserie</translation>
    </message>
    <message>
        <source>PS_Classic_Monochrome</source>
        <translation>Klassisch Monochrom</translation>
    </message>
    <message>
        <source>PS_Custom</source>
        <translation>Benutzer 1</translation>
    </message>
    <message>
        <source>PS_Custom2</source>
        <translation>Benutzer 2</translation>
    </message>
    <message>
        <source>PS_Custom3</source>
        <translation>Benutzer 3</translation>
    </message>
    <message>
        <source>PS_Custom4</source>
        <translation>Benutzer 4</translation>
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
        <translation>Flach</translation>
    </message>
    <message>
        <source>PS_HLG_For_Q_Series</source>
        <translation>HLG für Serie</translation>
    </message>
    <message>
        <source>PS_HLG_FullRange</source>
        <translation>HLG Full Range</translation>
    </message>
    <message>
        <source>PS_HLG_Monochrome</source>
        <translation>HLG Monochrom</translation>
    </message>
    <message>
        <source>PS_HLG_Standard</source>
        <translation>HLG Standard</translation>
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
        <translation>L.Monochrom</translation>
    </message>
    <message>
        <source>PS_KMonochromeD</source>
        <translation>L.Monochrom D</translation>
    </message>
    <message>
        <source>PS_KMonochromeS</source>
        <translation>L.Monochrom S</translation>
    </message>
    <message>
        <source>PS_LandScape</source>
        <translation>Landschaft</translation>
    </message>
    <message>
        <source>PS_Linear_Gamma</source>
        <translation>Lineares Gamma</translation>
    </message>
    <message>
        <source>PS_Monochrome</source>
        <translation>Monochrom</translation>
    </message>
    <message>
        <source>PS_Natural</source>
        <translation>Natürlich</translation>
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
        <translation>Porträt</translation>
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
        <translation>Echtzeit-LUT</translation>
    </message>
    <message>
        <source>PS_Remote_Camera_RZ300</source>
        <translation>Remote-Kamera</translation>
    </message>
    <message>
        <source>PS_Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>PS_Vivid</source>
        <translation>Lebhaft</translation>
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
        <translation>Blendenpriorität</translation>
    </message>
    <message>
        <source>RM_C3_Set1</source>
        <translation>Set 1</translation>
    </message>
    <message>
        <source>RM_C3_Set10</source>
        <translation>Set 10</translation>
    </message>
    <message>
        <source>RM_C3_Set2</source>
        <translation>Set 2</translation>
    </message>
    <message>
        <source>RM_C3_Set3</source>
        <translation>Set 3</translation>
    </message>
    <message>
        <source>RM_C3_Set4</source>
        <translation>Set 4</translation>
    </message>
    <message>
        <source>RM_C3_Set5</source>
        <translation>Set 5</translation>
    </message>
    <message>
        <source>RM_C3_Set6</source>
        <translation>Set 6</translation>
    </message>
    <message>
        <source>RM_C3_Set7</source>
        <translation>Set 7</translation>
    </message>
    <message>
        <source>RM_C3_Set8</source>
        <translation>Set 8</translation>
    </message>
    <message>
        <source>RM_C3_Set9</source>
        <translation>Set 9</translation>
    </message>
    <message>
        <source>RM_CC_BleachBypass</source>
        <translation>Bleichauszug</translation>
    </message>
    <message>
        <source>RM_CC_CrossFilter</source>
        <translation>Sternfilter</translation>
    </message>
    <message>
        <source>RM_CC_CrossProcess</source>
        <translation>Cross-Entwicklung</translation>
    </message>
    <message>
        <source>RM_CC_Diorama</source>
        <translation>Miniatureffekt</translation>
    </message>
    <message>
        <source>RM_CC_DynamicMonochrome</source>
        <translation>Dynamisch Monochrom</translation>
    </message>
    <message>
        <source>RM_CC_Fantasy</source>
        <translation>Fantasie</translation>
    </message>
    <message>
        <source>RM_CC_HighDynamic</source>
        <translation>High Dynamic</translation>
    </message>
    <message>
        <source>RM_CC_HighKey</source>
        <translation>High Key</translation>
    </message>
    <message>
        <source>RM_CC_ImpressiveArt</source>
        <translation>Impressive Art</translation>
    </message>
    <message>
        <source>RM_CC_LowKey</source>
        <translation>Low Key</translation>
    </message>
    <message>
        <source>RM_CC_Monochrome</source>
        <translation>Monochrom</translation>
    </message>
    <message>
        <source>RM_CC_OldDays</source>
        <translation>Nostalgisch</translation>
    </message>
    <message>
        <source>RM_CC_OnePointColor</source>
        <translation>Selektivfarbe</translation>
    </message>
    <message>
        <source>RM_CC_Pop</source>
        <translation>Ausdrucksvoll</translation>
    </message>
    <message>
        <source>RM_CC_Retro</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>RM_CC_RoughMonochrome</source>
        <translation>Grobes Monochrom</translation>
    </message>
    <message>
        <source>RM_CC_Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>RM_CC_SilkyMonochrome</source>
        <translation>Weiches Monochrom</translation>
    </message>
    <message>
        <source>RM_CC_SoftFocus</source>
        <translation>Weichzeichner</translation>
    </message>
    <message>
        <source>RM_CC_Sunshine</source>
        <translation>Sonnenschein</translation>
    </message>
    <message>
        <source>RM_CC_ToyPhoto</source>
        <translation>Spielzeugeffekt</translation>
    </message>
    <message>
        <source>RM_CC_ToyPop</source>
        <translation>Toy Pop</translation>
    </message>
    <message>
        <source>RM_CreativeControl</source>
        <translation>Kreativmodus</translation>
    </message>
    <message>
        <source>RM_Custom1</source>
        <translation>Benutzer 1</translation>
    </message>
    <message>
        <source>RM_Custom10</source>
        <translation>Benutzer 10</translation>
    </message>
    <message>
        <source>RM_Custom11</source>
        <translation>Benutzer 11</translation>
    </message>
    <message>
        <source>RM_Custom12</source>
        <translation>Benutzer 12</translation>
    </message>
    <message>
        <source>RM_Custom2</source>
        <translation>Benutzer 2</translation>
    </message>
    <message>
        <source>RM_Custom3</source>
        <translation>Benutzer 3</translation>
    </message>
    <message>
        <source>RM_Custom4</source>
        <translation>Benutzer 4</translation>
    </message>
    <message>
        <source>RM_Custom5</source>
        <translation>Benutzer 5</translation>
    </message>
    <message>
        <source>RM_Custom6</source>
        <translation>Benutzer 6</translation>
    </message>
    <message>
        <source>RM_Custom7</source>
        <translation>Benutzer 7</translation>
    </message>
    <message>
        <source>RM_Custom8</source>
        <translation>Benutzer 8</translation>
    </message>
    <message>
        <source>RM_Custom9</source>
        <translation>Benutzer 9</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAuto</source>
        <translation>Intelligente Automatik</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAutoPlus</source>
        <translation>Intelligente Automatik Plus</translation>
    </message>
    <message>
        <source>RM_IntelligentAuto</source>
        <translation>Intelligente Automatik</translation>
    </message>
    <message>
        <source>RM_ManualExposure</source>
        <translation>Manuelle Belichtung</translation>
    </message>
    <message>
        <source>RM_ProgramAE</source>
        <translation>Programmautomatik</translation>
    </message>
    <message>
        <source>RM_SG_AgainstHard</source>
        <translation>Klar bei Gegenlicht</translation>
    </message>
    <message>
        <source>RM_SG_AgainstSoft</source>
        <translation>Weiches Gegenlicht</translation>
    </message>
    <message>
        <source>RM_SG_Beautiful</source>
        <translation>Klares Porträt</translation>
    </message>
    <message>
        <source>RM_SG_BlueSkyCool</source>
        <translation>Strahlend blauer Himmel</translation>
    </message>
    <message>
        <source>RM_SG_ChildrenCute</source>
        <translation>Süßes Kindergesicht</translation>
    </message>
    <message>
        <source>RM_SG_Delicious</source>
        <translation>Appetitliches Essen</translation>
    </message>
    <message>
        <source>RM_SG_FantasticSunset</source>
        <translation>Romantisches Abendrot</translation>
    </message>
    <message>
        <source>RM_SG_Flower</source>
        <translation>Zarte Blüten</translation>
    </message>
    <message>
        <source>RM_SG_Heartwarming</source>
        <translation>Entspannende Farben</translation>
    </message>
    <message>
        <source>RM_SG_Illumination</source>
        <translation>Glitzernde Lichter</translation>
    </message>
    <message>
        <source>RM_SG_ImpressiveSunset</source>
        <translation>Leuchtendes Abendrot</translation>
    </message>
    <message>
        <source>RM_SG_Landscape</source>
        <translation>Klare Landschaft</translation>
    </message>
    <message>
        <source>RM_SG_Monochrome</source>
        <translation>Monochrom</translation>
    </message>
    <message>
        <source>RM_SG_NightArtistic</source>
        <translation>Künstlerische Nachtszene</translation>
    </message>
    <message>
        <source>RM_SG_NightBack</source>
        <translation>Klares Nachtporträt</translation>
    </message>
    <message>
        <source>RM_SG_NightBeatiful</source>
        <translation>Klare Nachtszene</translation>
    </message>
    <message>
        <source>RM_SG_NightCool</source>
        <translation>Kühler Nachthimmel</translation>
    </message>
    <message>
        <source>RM_SG_NightHand</source>
        <translation>Nachtaufnahme aus der Hand</translation>
    </message>
    <message>
        <source>RM_SG_NightWarm</source>
        <translation>Warm leuchtende Nachtszene</translation>
    </message>
    <message>
        <source>RM_SG_Pet</source>
        <translation>Tierbewegung einfrieren</translation>
    </message>
    <message>
        <source>RM_SG_SkinBeautiful</source>
        <translation>Zarte Haut</translation>
    </message>
    <message>
        <source>RM_SG_SparklingWater</source>
        <translation>Glitzerndes Wasser</translation>
    </message>
    <message>
        <source>RM_SG_Sports</source>
        <translation>Klare Sportaufnahme</translation>
    </message>
    <message>
        <source>RM_SG_Sweets</source>
        <translation>Süßes Dessert</translation>
    </message>
    <message>
        <source>RM_ShutterPriorityAE</source>
        <translation>Zeitpriorität</translation>
    </message>
    <message>
        <source>RawTransType_OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>RawTransType_ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>RecPreviw_Exp_SS</source>
        <translation>Belichtung und Verschluss</translation>
    </message>
    <message>
        <source>RecPreviw_Expousure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>RecPreviw_Off</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>SFT_10s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>SFT_10s_3</source>
        <translation>10 s, 3 Bilder</translation>
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
        <translation>Benutzer</translation>
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
        <translation>AUS</translation>
    </message>
    <message>
        <source>StoFileNameCamera_On</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>StoFolderCamera_Off</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>StoFolderCamera_On</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>StoFolderDate_Off</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>StoFolderDate_On</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>StoFolderType_User</source>
        <translation>Ordner nach Wahl</translation>
    </message>
    <message>
        <source>StoLocType_Pc</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>StoLocType_SdCard</source>
        <translation>Speicherkarte</translation>
    </message>
    <message>
        <source>StoLocType_SdCardPc</source>
        <translation>Speicherkarte + PC</translation>
    </message>
    <message>
        <source>VerChkType_Off</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>VerChkType_On</source>
        <translation>EIN</translation>
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
        <translation>Bewölkt</translation>
    </message>
    <message>
        <source>WB_Daylight</source>
        <translation>Tageslicht</translation>
    </message>
    <message>
        <source>WB_Flash</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>WB_K_Set</source>
        <translation>Farbtemp. 1</translation>
    </message>
    <message>
        <source>WB_K_Set2</source>
        <translation>Farbtemp. 2</translation>
    </message>
    <message>
        <source>WB_K_Set3</source>
        <translation>Farbtemp. 3</translation>
    </message>
    <message>
        <source>WB_K_Set4</source>
        <translation>Farbtemp. 4</translation>
    </message>
    <message>
        <source>WB_Keep</source>
        <translation>Weiß-Set 1</translation>
    </message>
    <message>
        <source>WB_Keep2</source>
        <translation>Weiß-Set 2</translation>
    </message>
    <message>
        <source>WB_Keep3</source>
        <translation>Weiß-Set 3</translation>
    </message>
    <message>
        <source>WB_Keep4</source>
        <translation>Weiß-Set 4</translation>
    </message>
    <message>
        <source>WB_Shade</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>WB_Tengsten</source>
        <translation>Glühlampe</translation>
    </message>
    <message>
        <source>WirCP_High</source>
        <translation>HOCH</translation>
    </message>
    <message>
        <source>WirCP_Low</source>
        <translation>NIEDRIG</translation>
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
        <translation>AUS</translation>
    </message>
    <message>
        <source>WirFP_On</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>WirM_Off</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>WirM_On</source>
        <translation>EIN</translation>
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
        <translation>Aus</translation>
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
        <translation>Kreativmodus</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Aufnahmemodus</translation>
    </message>
</context>
<context>
    <name>KvMainPSComponentsProvider</name>
    <message>
        <source>PSC_BasePhotoStyle</source>
        <translation>Basis-Bildstil</translation>
    </message>
    <message>
        <source>PSC_ChromaPhase</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>PSC_ColorTone</source>
        <translation>Farbtönung</translation>
    </message>
    <message>
        <source>PSC_Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>PSC_Density</source>
        <translation>LUT-Dichte</translation>
    </message>
    <message>
        <source>PSC_Density1</source>
        <translation>LUT1-Dichte</translation>
    </message>
    <message>
        <source>PSC_Density2</source>
        <translation>LUT2-Dichte</translation>
    </message>
    <message>
        <source>PSC_DualISO</source>
        <translation>Dual Native ISO</translation>
    </message>
    <message>
        <source>PSC_Filter</source>
        <translation>Filtereffekt</translation>
    </message>
    <message>
        <source>PSC_GainSetting</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <source>PSC_Grain</source>
        <translation>Körnungseffekt</translation>
    </message>
    <message>
        <source>PSC_Grain_Color</source>
        <translation>Farbrauschen</translation>
    </message>
    <message>
        <source>PSC_HighLight</source>
        <translation>Lichter</translation>
    </message>
    <message>
        <source>PSC_ISO</source>
        <translation>ISO-Empfindlichkeit</translation>
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
        <translation>LUT-Basis-Bildstil</translation>
    </message>
    <message>
        <source>PSC_NoiseReduct</source>
        <translation>Rauschminderung</translation>
    </message>
    <message>
        <source>PSC_Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>PSC_Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>PSC_Sharpness</source>
        <translation>Schärfe</translation>
    </message>
    <message>
        <source>PSC_WB</source>
        <translation>Weißabgleich</translation>
    </message>
    <message>
        <source>PD_Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>PD_High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>PD_Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>PF_Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>PF_Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>PF_Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>PF_Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>PF_Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>PG_High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>PG_Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>PG_Off</source>
        <translation>Aus</translation>
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
        <translation>Manuell</translation>
    </message>
    <message>
        <source>PKM_Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>KvMainPhotoStylePopup</name>
    <message>
        <source>Photo Style</source>
        <translation>Bildstil</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Abbrechen</translation>
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
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>WB Adjust</source>
        <translation>WA-Anpassung</translation>
    </message>
</context>
<context>
    <name>KvCCPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>KvOptionDriveModeButton</name>
    <message>
        <source>4K6K</source>
        <translation>6K/4K-Foto</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Serienbild</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Post-Fokus</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Selbstauslöser</translation>
    </message>
</context>
<context>
    <name>KvPreferenceWindow</name>
    <message>
        <source>Preference</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Storage Folder</source>
        <translation>Importordner</translation>
    </message>
    <message>
        <source>Storage Folder URL Placeholder</source>
        <translation>Wählen Sie den Ordner aus.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Choose Storage Location</source>
        <translation>Wählen Sie den Speicherort</translation>
    </message>
    <message>
        <source>Storage Folder Date</source>
        <translation>Unterordner automatisch nach Datum anlegen</translation>
    </message>
    <message>
        <source>Storage Folder Camera</source>
        <translation>Für jede Kamera einen Unterordner anlegen</translation>
    </message>
    <message>
        <source>Captured File Name</source>
        <translation>Dateiname beim Import</translation>
    </message>
    <message>
        <source>Captured File Prefix Character</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Captured File Start Number</source>
        <translation>Startnummer:</translation>
    </message>
    <message>
        <source>Store File Name Camera</source>
        <translation>Kameranamen zum Dateinamen hinzufügen</translation>
    </message>
    <message>
        <source>RAW TRANSFER</source>
        <translation>RAW-Dateiübertragung</translation>
    </message>
    <message>
        <source>HLG SHOOTING</source>
        <translation>HLG-Foto</translation>
    </message>
    <message>
        <source>HLG Transfer</source>
        <translation>HLG-Dateiübertragung</translation>
    </message>
    <message>
        <source>Auto Display Review Images</source>
        <translation>Kontrollbild automatisch anzeigen</translation>
    </message>
    <message>
        <source>Update F/W</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Camera Setting</source>
        <translation>Kameraeinstellung</translation>
    </message>
    <message>
        <source>Camera_setting_save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Camera_setting_restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Camera P/W</source>
        <translation>Kamerapasswort</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Version Check at Startup</source>
        <translation>Beim Start nach Programm-Updates suchen</translation>
    </message>
    <message>
        <source>Show Trans Confirm Dialog</source>
        <translation>Vor der Übertragung bestätigen</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>storage_folder_invalid</source>
        <translation>Der Importordner kann nicht verwendet werden.&lt;br /&gt;&lt;br /&gt;Geben Sie einen vollständigen Pfad (beginnend mit „/“) zu einem Ordner ein, in den Sie schreiben dürfen, oder zu einem neuen Ordner, der dort angelegt werden kann.</translation>
    </message>
    <message>
        <source>file_prefix_invalid</source>
        <translation>Geben Sie ein Präfix mit 1 bis 20 Zeichen ohne \ / : * ? " &lt; &gt; | ein.</translation>
    </message>
    <message>
        <source>start_number_invalid</source>
        <translation>Geben Sie eine Startnummer von 1 bis 9999 ein.</translation>
    </message>
    <message>
        <source>title_message</source>
        <translation>Firmware wird aktualisiert</translation>
    </message>
    <message>
        <source>fwup_message_1</source>
        <translation>(Verstrichene Zeit </translation>
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
        <translation>Copyright (C) KAVRO. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>KvPreferenceOptionButton</name>
    <message>
        <source>      All Cameras</source>
        <translation>      Alle Kameras</translation>
    </message>
</context>
<context>
    <name>KvPreferenceAgreementPopup</name>
    <message>
        <source>agreement_title_startup</source>
        <translation>Helfen Sie uns, KAVRO Rozado zu verbessern</translation>
    </message>
    <message>
        <source>agreement_title</source>
        <translation>Nutzungsdaten</translation>
    </message>
    <message>
        <source>agreement_content</source>
        <translation>Darf KAVRO Rozado aufzeichnen, wie es verwendet wird, und diese Aufzeichnung senden, um das Programm zu verbessern? Bilder und persönliche Daten sind niemals enthalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KvMainObject</name>
    <message>
        <source>Internal error.</source>
        <translation>Ein interner Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Connect error_msg1</source>
        <translation>Die Verbindung zur Kamera ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Connect error_msg2</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Connect error_msg3</source>
        <translation>Fehlercode</translation>
    </message>
    <message>
        <source>Connect error_msg4</source>
        <translation>Bitte prüfen Sie, ob die Uhren von Computer und Kamera richtig eingestellt sind.</translation>
    </message>
    <message>
        <source>Connect error_msg4_1</source>
        <translation>1. Prüfen Sie die Zeitzone.</translation>
    </message>
    <message>
        <source>Connect error_msg4_2</source>
        <translation>2. Prüfen Sie die Sommerzeit-Einstellung.</translation>
    </message>
    <message>
        <source>Connect error_msg4_3</source>
        <translation>3. Prüfen Sie die Uhrzeit.</translation>
    </message>
    <message>
        <source>storage_folder_replaced</source>
        <translation>Der Importordner in der Einstellungsdatei kann nicht verwendet werden:
%1
Bilder werden in den Ordner „Bilder“ importiert, bis er bei einem späteren Start wieder verwendet werden kann oder Sie unter Einstellungen einen Importordner wählen.</translation>
    </message>
    <message>
        <source>version_page_not_opened</source>
        <translation>Die Update-Seite konnte nicht geöffnet werden. Ihre Adresse ist keine Webseitenadresse, oder es ist kein Webbrowser verfügbar.</translation>
    </message>
</context>
<context>
    <name>KvConnectWindow</name>
    <message>
        <source>Please connect to device</source>
        <translation>Verbinden Sie KAVRO mit dem PC.</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>KAVRO ist mit dem PC verbunden.</translation>
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
        <translation>: Das Update-Programm wurde geöffnet.</translation>
    </message>
    <message>
        <source>now_version_top</source>
        <translation>Aktuelle Version: </translation>
    </message>
    <message>
        <source>now_version_bottom</source>
        <translation> </translation>
    </message>
    <message>
        <source>new_version_top</source>
        <translation>Neueste Version: </translation>
    </message>
    <message>
        <source>new_version_sep1</source>
        <translation>.</translation>
    </message>
    <message>
        <source>open_web_page1</source>
        <translation>Möchten Sie die Anwendung schließen</translation>
    </message>
    <message>
        <source>open_web_page2</source>
        <translation>und sofort die Download-Seite öffnen?</translation>
    </message>
    <message>
        <source>Yes_Button</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No_Button</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>KvFlashWindow</name>
    <message>
        <source>Flash</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Flash Dimmer</source>
        <translation>Steuermodus</translation>
    </message>
    <message>
        <source>Flash Mode</source>
        <translation>Blitzmodus</translation>
    </message>
    <message>
        <source>Flash Sync</source>
        <translation>Blitz-Synchronisation</translation>
    </message>
    <message>
        <source>Exposure Link</source>
        <translation>Autom. Belichtungs-&lt;br /&gt; korrektur</translation>
    </message>
    <message>
        <source>Flash Intensity Setting</source>
        <translation>Blitzkorrektur</translation>
    </message>
    <message>
        <source>Manual Flash Emission Setting</source>
        <translation>Manuelle Blitzleistung</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Drahtlos</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>Wireless Channel</source>
        <translation>Drahtloskanal</translation>
    </message>
    <message>
        <source>Wireless FP</source>
        <translation>Drahtlos-FP</translation>
    </message>
    <message>
        <source>Wireless Light Intensity</source>
        <translation>Kommunikations-&lt;br /&gt; licht</translation>
    </message>
    <message>
        <source>Built-in Flash</source>
        <translation>Externer Blitz</translation>
    </message>
    <message>
        <source>A Group</source>
        <translation>Gruppe A</translation>
    </message>
    <message>
        <source>B Group</source>
        <translation>Gruppe B</translation>
    </message>
    <message>
        <source>C Group</source>
        <translation>Gruppe C</translation>
    </message>
    <message>
        <source>Test Emission</source>
        <translation>Testblitz</translation>
    </message>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Blitzkorrektur</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Manuelle Blitzleistung</translation>
    </message>
</context>
<context>
    <name>KvFlashComponentsProvider</name>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Blitzkorrektur</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Manuelle Blitzleistung</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KvMainMQComponentsProvider</name>
    <message>
        <source>MQD_ALL</source>
        <translation>ALLE</translation>
    </message>
    <message>
        <source>MQD_IMPOSSIBLE</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MQD_POSSIBLE</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>MQD_HDMI_ONLY_POSSIBLE</source>
        <translation>Nur über HDMI verfügbar</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
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
        <translation>Videoaufnahmequalität</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Auflösung</translation>
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
        <translation>Filteroptionen</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Ergebnisse: **</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Auflösung</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KvTransferController</name>
    <message>
        <source>confirm_message_1</source>
        <translation>Während der Übertragung ist keine Bedienung vom PC aus möglich.</translation>
    </message>
    <message>
        <source>confirm_message_2</source>
        <translation>Möchten Sie das aufgenommene Video auf den PC importieren?</translation>
    </message>
    <message>
        <source>confirm_message_3</source>
        <translation>Größe: </translation>
    </message>
    <message>
        <source>confirm_message_4</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>confirm_message_5</source>
        <translation>(Der Import kann einige Zeit dauern)</translation>
    </message>
    <message>
        <source>confirm_message_6</source>
        <translation>Wenn Sie „Nein“ wählen, müssen Sie das Video von der Speicherkarte kopieren.</translation>
    </message>
    <message>
        <source>confirm_message_7</source>
        <translation>Import läuft</translation>
    </message>
    <message>
        <source>confirm_message_8</source>
        <translation>(Verstrichene Zeit </translation>
    </message>
    <message>
        <source>confirm_message_9</source>
        <translation>)</translation>
    </message>
    <message>
        <source>confirm_message_10</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>confirm_message_11</source>
        <translation>Möchten Sie den Import wirklich abbrechen?</translation>
    </message>
    <message>
        <source>confirm_message_12</source>
        <translation>Um Ihr Video auf einen PC zu kopieren,</translation>
    </message>
    <message>
        <source>confirm_message_13</source>
        <translation>müssen Sie es von der Speicherkarte kopieren.</translation>
    </message>
    <message>
        <source>confirm_message_15</source>
        <translation>Möchten Sie das aufgenommene 6K/4K-Foto importieren?</translation>
    </message>
    <message>
        <source>confirm_message_16</source>
        <translation>Anzahl übertragener Fotos: </translation>
    </message>
    <message>
        <source>confirm_message_17</source>
        <translation> </translation>
    </message>
    <message>
        <source>confirm_message_18</source>
        <translation>(Der Import kann einige Zeit dauern)</translation>
    </message>
    <message>
        <source>confirm_message_19</source>
        <translation>Wenn Sie „Nein“ wählen, müssen Sie das Bild in der Kamera ausschneiden und dann von der Speicherkarte kopieren.</translation>
    </message>
    <message>
        <source>confirm_message_20</source>
        <translation>Um Ihr 6K/4K-Foto auf einen PC zu kopieren,</translation>
    </message>
    <message>
        <source>confirm_message_21</source>
        <translation>müssen Sie das Foto in der Kamera ausschneiden und dann von der Speicherkarte kopieren.</translation>
    </message>
    <message>
        <source>confirm_message_22</source>
        <translation>Anzahl der Dateien: </translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>Die Datei konnte nicht kopiert werden.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Bedienungsanleitung</translation>
    </message>
    <message>
        <source>LV</source>
        <translation>LV</translation>
    </message>
    <message>
        <source>CAMERA</source>
        <translation>KAMERA</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Aufnahmemodus</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>SS</source>
        <translation>Verschl.zeit</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>WB</source>
        <translation>Weißabgleich</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belicht.korr.</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Picture Quality</source>
        <translation>Bildqualität</translation>
    </message>
    <message>
        <source>Motion Picture Quality</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>Focus Mode</source>
        <translation>Fokusmodus</translation>
    </message>
    <message>
        <source>AF Mode</source>
        <translation>AF-Modus</translation>
    </message>
    <message>
        <source>Photo Style</source>
        <translation>Bildstil</translation>
    </message>
    <message>
        <source>Metering Mode</source>
        <translation>Messmethode</translation>
    </message>
    <message>
        <source>WB Color Temp.</source>
        <translation>WA-Farbtemp.</translation>
    </message>
    <message>
        <source>WB Tuning</source>
        <translation>WA-Anpassung</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>CreativeControl</source>
        <translation>Kreativmodus</translation>
    </message>
    <message>
        <source>CreativeVideo</source>
        <translation>Kreativ-Video</translation>
    </message>
    <message>
        <source>IntelligentAuto</source>
        <translation>Intell. Auto</translation>
    </message>
    <message>
        <source>Custom3</source>
        <translation>Benutzer 3</translation>
    </message>
    <message>
        <source>Custom4</source>
        <translation>Benutzer 4</translation>
    </message>
    <message>
        <source>Custom5</source>
        <translation>Benutzer 5</translation>
    </message>
    <message>
        <source>SQMotion</source>
        <translation>S&amp;Q-Motion</translation>
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
        <translation>Serienbild</translation>
    </message>
    <message>
        <source>Burst1</source>
        <translation>Serienbild 1</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Selbstauslöser</translation>
    </message>
    <message>
        <source>4K6K</source>
        <translation>6K/4K-Foto</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Post-Fokus</translation>
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
        <translation>Der Vorgang kann derzeit nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>wb_error_message</source>
        <translation>Weiß-Set fehlgeschlagen!!</translation>
    </message>
    <message>
        <source>sd_error_message_1</source>
        <translation>Keine Speicherkarte</translation>
    </message>
    <message>
        <source>sd_error_message_2</source>
        <translation>Speicherkarte ist schreibgeschützt</translation>
    </message>
    <message>
        <source>sd_error_message_3</source>
        <translation>Speicherkartenfehler</translation>
    </message>
    <message>
        <source>sd_error_message_4</source>
        <translation>Speicherkarte voll</translation>
    </message>
    <message>
        <source>confirm_message_14</source>
        <translation>Wählen Sie für Ihr Video ein anderes Dateiformat als AVCHD.</translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>Die Datei konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Error Info</source>
        <translation>In der Kamera ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Error Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Error Date-time</source>
        <translation>Datum und Uhrzeit des Fehlers</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Fehlercode</translation>
    </message>
    <message>
        <source>Error Content</source>
        <translation>Fehlerinhalt</translation>
    </message>
    <message>
        <source>ERR-9</source>
        <translation>Objektivfehler&lt;br /&gt;Bitte überprüfen Sie das Objektiv</translation>
    </message>
    <message>
        <source>ERR-11</source>
        <translation>Kartenfehler&lt;br /&gt;Bitte überprüfen Sie die Karte</translation>
    </message>
    <message>
        <source>ERR-12</source>
        <translation>Schreibfehler&lt;br /&gt;Bitte überprüfen Sie die Karte</translation>
    </message>
    <message>
        <source>ERR-14</source>
        <translation>Speicherkarte voll</translation>
    </message>
    <message>
        <source>ERR-16</source>
        <translation>Lesefehler&lt;br /&gt;Bitte überprüfen Sie die Karte</translation>
    </message>
    <message>
        <source>ERR-56</source>
        <translation>Temperatur zu hoch&lt;br /&gt;Bitte warten Sie, bis die Kamera abgekühlt ist</translation>
    </message>
    <message>
        <source>ERR-70</source>
        <translation>Akku kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>ERR-104</source>
        <translation>Kartenfehler&lt;br /&gt;Bitte formatieren Sie die Karte in der Kamera</translation>
    </message>
    <message>
        <source>ERR-107</source>
        <translation>Kamerafehler 107&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-108</source>
        <translation>Kamerafehler 108&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-129</source>
        <translation>Kamerafehler 129&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-130</source>
        <translation>Kamerafehler 130&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-186</source>
        <translation>Kamerafehler 186&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-188</source>
        <translation>Kamerafehler 188&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-369</source>
        <translation>Kamerafehler 369&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-378</source>
        <translation>Kamerafehler 378&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-387</source>
        <translation>Kamerafehler 387&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-388</source>
        <translation>Kamerafehler 388&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-389</source>
        <translation>Kamerafehler 389&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-390</source>
        <translation>Kamerafehler 390&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-396</source>
        <translation>Kamerafehler 396&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-397</source>
        <translation>Die maximale Aufnahmezeit&lt;br /&gt;von 12 Stunden ist abgelaufen.&lt;br /&gt;Die Aufnahme wurde beendet.</translation>
    </message>
    <message>
        <source>ERR-461</source>
        <translation>Kamerafehler 461&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-463</source>
        <translation>Kamerafehler 463&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-464</source>
        <translation>Kamerafehler 464&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-466</source>
        <translation>Kamerafehler 466&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-467</source>
        <translation>Kamerafehler 467&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-468</source>
        <translation>Kamerafehler 468&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-469</source>
        <translation>Kamerafehler 469&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-470</source>
        <translation>Kamerafehler 470&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-471</source>
        <translation>Kamerafehler 471&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-472</source>
        <translation>Kamerafehler 472&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-486</source>
        <translation>Kamerafehler 486&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-487</source>
        <translation>Kamerafehler 487&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-488</source>
        <translation>Kamerafehler 488&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-499</source>
        <translation>Kamerafehler 499&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-500</source>
        <translation>Kamerafehler 500&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-527</source>
        <translation>Kamerafehler 527&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-529</source>
        <translation>Kamerafehler 529&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-588</source>
        <translation>Kamerafehler 588&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-598</source>
        <translation>Kamerafehler 598&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-610</source>
        <translation>Kamerafehler 610&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-611</source>
        <translation>Kamerafehler 611&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-612</source>
        <translation>Kamerafehler 612&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-613</source>
        <translation>Kamerafehler 613&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-614</source>
        <translation>Kamerafehler 614&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-615</source>
        <translation>Kamerafehler 615&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-617</source>
        <translation>Kamerafehler 617&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-618</source>
        <translation>Kamerafehler 618&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-621</source>
        <translation>Kamerafehler 621&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-622</source>
        <translation>Kamerafehler 622&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-624</source>
        <translation>Kamerafehler 624&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-625</source>
        <translation>Kamerafehler 625&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-626</source>
        <translation>Streaming-Funktion ist EIN.&lt;br /&gt;Nur Fernaufnahme möglich.</translation>
    </message>
    <message>
        <source>ERR-629</source>
        <translation>Kamerafehler 629&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-630</source>
        <translation>Kamerafehler 630&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-631</source>
        <translation>Kamerafehler 631&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-632</source>
        <translation>Kamerafehler 632&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-633</source>
        <translation>Kamerafehler 633&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-634</source>
        <translation>Kamerafehler 634&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-635</source>
        <translation>Kamerafehler 635&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-636</source>
        <translation>Kamerafehler 636&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-639</source>
        <translation>Kamerafehler 639&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-640</source>
        <translation>Kamerafehler 640&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-641</source>
        <translation>Kamerafehler 641&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-644</source>
        <translation>Kamerafehler 644&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-646</source>
        <translation>Kamerafehler 646&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-647</source>
        <translation>Kamerafehler 647&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-649</source>
        <translation>Kamerafehler 649&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-650</source>
        <translation>Kamerafehler 650&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-652</source>
        <translation>Kamerafehler 652&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-655</source>
        <translation>Kamerafehler 655&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-656</source>
        <translation>Kamerafehler 656&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-660</source>
        <translation>Kamerafehler 660&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-661</source>
        <translation>Kamerafehler 661&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-662</source>
        <translation>Kamerafehler 662&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
    <message>
        <source>ERR-663</source>
        <translation>Kamerafehler 663&lt;br /&gt;Bitte überprüfen Sie die Kamera</translation>
    </message>
</context>
<context>
    <name>KvPreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>KvCameraListButton2</name>
    <message>
        <source>All Cameras</source>
        <translation>Alle Kameras</translation>
    </message>
</context>
<context>
    <name>KvCameraListWindow2</name>
    <message>
        <source>CAMERA</source>
        <translation>KAMERA</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>KvSearchCameraListItem</name>
    <message>
        <source>Conn.</source>
        <translation>Verb.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>All Cameras</source>
        <translation>Alle Kameras</translation>
    </message>
    <message>
        <source>Conn. Type</source>
        <translation>Verb.-Typ</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>authorized</source>
        <translation>Diese Kamera war bereits früher verbunden.</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>Diese Kamera war noch nie verbunden. Falls keine Verbindung möglich ist, prüfen Sie, ob die Uhren der Kamera und dieses Computers richtig eingestellt sind.</translation>
    </message>
    <message>
        <source>encrypt</source>
        <translation>Die Kommunikation mit dieser Kamera ist verschlüsselt.</translation>
    </message>
    <message>
        <source>unencrypted</source>
        <translation>Diese Kamera unterstützt keine Verschlüsselung der Kommunikation.</translation>
    </message>
    <message>
        <source>usb</source>
        <translation>USB-Verbindung</translation>
    </message>
</context>
<context>
    <name>KvSearchCameraListWindow</name>
    <message>
        <source>CAMERA</source>
        <translation>KAMERA</translation>
    </message>
    <message>
        <source>SearchCameraInformation</source>
        <translation>Wählen Sie die zu verbindende Kamera aus und klicken Sie auf [Starten].</translation>
    </message>
    <message>
        <source>StartMessage</source>
        <translation>Wählen Sie die zu verbindende Kamera aus und klicken Sie auf [Starten].</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>KvGridPopup</name>
    <message>
        <source>grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>3x3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>2x2</source>
        <translation>2 x 2 + Diagonalen</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>cross line</source>
        <translation>Diagonalen anzeigen</translation>
    </message>
    <message>
        <source>horizon num</source>
        <translation>Anzahl horizontal</translation>
    </message>
    <message>
        <source>vertical num</source>
        <translation>Anzahl vertikal</translation>
    </message>
    <message>
        <source>thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>KvGuideLinePopup</name>
    <message>
        <source>guideline</source>
        <translation>Hilfslinie</translation>
    </message>
    <message>
        <source>Vertical 1</source>
        <translation>Vertikal 1</translation>
    </message>
    <message>
        <source>Vertical 2</source>
        <translation>Vertikal 2</translation>
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
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>KvOverlayPhotoPopup</name>
    <message>
        <source>Overlay</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <source>Image File</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Please choose a file</source>
        <translation>Bitte wählen Sie eine Datei</translation>
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
        <translation>Alle Dateien (*.jpg *.RW2)</translation>
    </message>
    <message>
        <source>error_message_1</source>
        <translation>Die Datei konnte nicht gelesen werden. Überprüfen Sie die angegebene Datei.</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Scaling(25 - 200%)</source>
        <translation>Skalierung (25 - 200%)</translation>
    </message>
    <message>
        <source>Rotation(-180 - 180°)</source>
        <translation>Drehung (-180 - 180°)</translation>
    </message>
    <message>
        <source>Ratio(0 - 100%)</source>
        <translation>Transparenz (0 - 100%)</translation>
    </message>
    <message>
        <source>Reset setting</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KvCustomColorDialog</name>
    <message>
        <source>Please choose a color</source>
        <translation>Bitte wählen Sie eine Farbe</translation>
    </message>
</context>
<context>
    <name>KvLiveViewComposite</name>
    <message>
        <source>Message-1</source>
        <translation>Stellen Sie Verschlusszeit und&lt;br /&gt;ISO-Empfindlichkeit ein, bevor Sie&lt;br /&gt;den Auslöser drücken, um ein&lt;br /&gt;Schwarzbild für die&lt;br /&gt;Rauschminderung zu erstellen.</translation>
    </message>
    <message>
        <source>Message-2-1</source>
        <translation>Schwarzbild für die&lt;br /&gt;Rauschminderung wird erstellt.&lt;br /&gt;Bitte warten.</translation>
    </message>
    <message>
        <source>Message-2-2</source>
        <translation>Live-View-Komposit startet,&lt;br /&gt;sobald der Auslöser gedrückt wird.</translation>
    </message>
    <message>
        <source>Message-4</source>
        <translation>Verarbeitung</translation>
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
        <translation>Kamerabedienung wird ausgeführt</translation>
    </message>
    <message>
        <source>getting update information from camera</source>
        <translation>Update-Informationen werden von der Kamera abgerufen</translation>
    </message>
    <message>
        <source>The preview image of the camera cannot be displayed because streaming is being carried out.</source>
        <translation>Das Vorschaubild der Kamera kann nicht angezeigt werden, da gerade gestreamt wird.</translation>
    </message>
</context>
<context>
    <name>KvLiveViewControlItem</name>
    <message>
        <source>MENU</source>
        <translation>MENÜ</translation>
    </message>
    <message>
        <source>WB Settings</source>
        <translation>Weiß-Set</translation>
    </message>
    <message>
        <source>AF Area</source>
        <translation>AF-Feldanzeige</translation>
    </message>
    <message>
        <source>One-Shot AF</source>
        <translation>AF einmalig</translation>
    </message>
    <message>
        <source>Level Indicator</source>
        <translation>Wasserwaage</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Guideline</source>
        <translation>Hilfslinie</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>MF Zoom</source>
        <translation>Vergrößerung</translation>
    </message>
    <message>
        <source>MF Adjust</source>
        <translation>MF-Einst.</translation>
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
        <translation>LV-Drehung</translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation>LV-Qualität</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Bildverhältnis</translation>
    </message>
    <message>
        <source>Monitor Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Please Change to Single View</source>
        <translation>Wechseln Sie zur Einzelanzeige (1 Bildschirm), um das Menü zu bedienen.</translation>
    </message>
</context>
<context>
    <name>KvTransferFailureNotice</name>
    <message>
        <source>transfer_failed_intro</source>
        <translation>Diese Fotos wurden nicht auf dem Computer gespeichert; im Speicherordner liegt nichts davon. Sie können weiter aufnehmen; prüfen Sie die Kameras und den Speicherordner.</translation>
    </message>
    <message>
        <source>transfer_failed_line</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_line_camera</source>
        <translation>%1: Foto %2 auf der Kamera (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_no_name</source>
        <translation>ein Foto</translation>
    </message>
    <message>
        <source>transfer_failed_folder</source>
        <translation>der Speicherordner kann nicht angelegt oder beschrieben werden</translation>
    </message>
    <message>
        <source>transfer_failed_camera</source>
        <translation>die Kamera hat es nicht geliefert</translation>
    </message>
    <message>
        <source>transfer_failed_write</source>
        <translation>es konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>transfer_failed_more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>transfer_failed_ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
