<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Échec.</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>Même en mode Rozado Connect, de l'énergie est consommée.&lt;br /&gt;&lt;br /&gt;Voulez-vous passer en mode Rozado Connect ?</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>Une fois le firmware mis à jour avec succès, l'appareil photo redémarrera automatiquement.&lt;br /&gt;&lt;br /&gt;Voulez-vous lancer la mise à jour du firmware ?</translation>
    </message>
    <message>
        <source>No text specified!</source>
        <translation>Aucun texte spécifié !</translation>
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
        <translation>Configurez le mot de passe.</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>Saisissez un mot de passe.</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>Saisissez un mot de passe qui répond aux exigences suivantes.</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>Nombre de caractères</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>Entre 8 et 31.</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>Types de caractères</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>Lettres majuscules et minuscules, chiffres</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Mot de passe actuel :</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Nouveau mot de passe (confirmation) :</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Afficher le mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Échec.</translation>
    </message>
    <message>
        <source>error_newpw_wrong_condition</source>
        <translation>Saisissez un nouveau mot de passe qui répond aux exigences suivantes.</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>Le mot de passe actuel est incorrect.&lt;br /&gt;&lt;br /&gt;Saisissez le mot de passe correct.</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>Le nouveau mot de passe et sa confirmation ne correspondent pas.&lt;br /&gt;&lt;br /&gt;Saisissez le mot de passe correct.</translation>
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
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_fr.xml</translation>
    </message>
</context>
<context>
    <name>KvOptionComponentsProvider</name>
    <message>
        <source>AFM_1Point</source>
        <translation>1 zone</translation>
    </message>
    <message>
        <source>AFM_1PointAux</source>
        <translation>1 zone+</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Detection</source>
        <translation>1 zone+ détection</translation>
    </message>
    <message>
        <source>AFM_1PointAux_FaceEye</source>
        <translation>1 zone+ (visage/œil)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Human</source>
        <translation>1 zone+ (humain)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_HumanAnimal</source>
        <translation>1 zone+ (humain/animal)</translation>
    </message>
    <message>
        <source>AFM_1Point_Detection</source>
        <translation>1 zone détection</translation>
    </message>
    <message>
        <source>AFM_1Point_FaceEye</source>
        <translation>1 zone (visage/œil)</translation>
    </message>
    <message>
        <source>AFM_1Point_Human</source>
        <translation>1 zone (humain)</translation>
    </message>
    <message>
        <source>AFM_1Point_HumanAnimal</source>
        <translation>1 zone (humain/animal)</translation>
    </message>
    <message>
        <source>AFM_225Point</source>
        <translation>225 zones</translation>
    </message>
    <message>
        <source>AFM_AutoRe</source>
        <translation>Détection auto</translation>
    </message>
    <message>
        <source>AFM_AutoRe_Human</source>
        <translation>Détection humain</translation>
    </message>
    <message>
        <source>AFM_AutoRe_HumanAnimal</source>
        <translation>Détection humain/animal</translation>
    </message>
    <message>
        <source>AFM_Custom1</source>
        <translation>Perso 1</translation>
    </message>
    <message>
        <source>AFM_Custom2</source>
        <translation>Perso 2</translation>
    </message>
    <message>
        <source>AFM_Custom3</source>
        <translation>Perso 3</translation>
    </message>
    <message>
        <source>AFM_CustomC1</source>
        <translation>Multi perso C1</translation>
    </message>
    <message>
        <source>AFM_CustomC2</source>
        <translation>Multi perso C2</translation>
    </message>
    <message>
        <source>AFM_CustomC3</source>
        <translation>Multi perso C3</translation>
    </message>
    <message>
        <source>AFM_CustomCenter</source>
        <translation>Multi perso (centre)</translation>
    </message>
    <message>
        <source>AFM_CustomHorizon</source>
        <translation>Multi perso (horizontal)</translation>
    </message>
    <message>
        <source>AFM_CustomVertical</source>
        <translation>Multi perso (vertical)</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalBody</source>
        <translation>Corps animal</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalEyeBody</source>
        <translation>Œil/corps animal</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Priority</source>
        <translation>Vélo (priorité)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Whole</source>
        <translation>Vélo</translation>
    </message>
    <message>
        <source>AFM_Detection_Bike_Helmet</source>
        <translation>Moto (casque)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bike_Whole</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>AFM_Detection_Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Priority</source>
        <translation>Voiture (priorité)</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Whole</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFace</source>
        <translation>Œil/visage humain</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFaceBody</source>
        <translation>Œil/visage/corps humain</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanStreet</source>
        <translation>Humain (rue)</translation>
    </message>
    <message>
        <source>AFM_Detection_Motorcycle</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Aircraft</source>
        <translation>Avion</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Nose_Priority</source>
        <translation>Avion (nez)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Leading_Veh</source>
        <translation>Train (motrice)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Priority</source>
        <translation>Train (priorité)</translation>
    </message>
    <message>
        <source>AFM_Ellipse</source>
        <translation>Zone (ovale)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Detection</source>
        <translation>Zone (ovale) détection</translation>
    </message>
    <message>
        <source>AFM_Ellipse_FaceEye</source>
        <translation>Zone (ovale) (visage/œil)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Human</source>
        <translation>Zone (ovale) (humain)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_HumanAnimal</source>
        <translation>Zone (ovale) (humain/animal)</translation>
    </message>
    <message>
        <source>AFM_Face</source>
        <translation>Détection visage/œil</translation>
    </message>
    <message>
        <source>AFM_FullArea</source>
        <translation>Zone entière</translation>
    </message>
    <message>
        <source>AFM_FullArea_Detection</source>
        <translation>Zone entière détection</translation>
    </message>
    <message>
        <source>AFM_FullArea_FaceEye</source>
        <translation>Zone entière (visage/œil)</translation>
    </message>
    <message>
        <source>AFM_FullArea_Human</source>
        <translation>Zone entière (humain)</translation>
    </message>
    <message>
        <source>AFM_FullArea_HumanAnimal</source>
        <translation>Zone entière (humain/animal)</translation>
    </message>
    <message>
        <source>AFM_Pinpoint</source>
        <translation>Point précis</translation>
    </message>
    <message>
        <source>AFM_Square</source>
        <translation>Zone (carrée)</translation>
    </message>
    <message>
        <source>AFM_Tracking</source>
        <translation>Suivi</translation>
    </message>
    <message>
        <source>AFM_Tracking_Detection</source>
        <translation>Suivi détection</translation>
    </message>
    <message>
        <source>AFM_Tracking_FaceEye</source>
        <translation>Suivi (visage/œil)</translation>
    </message>
    <message>
        <source>AFM_Tracking_Human</source>
        <translation>Suivi (humain)</translation>
    </message>
    <message>
        <source>AFM_Tracking_HumanAnimal</source>
        <translation>Suivi (humain/animal)</translation>
    </message>
    <message>
        <source>AFM_VertHori</source>
        <translation>Zone (verticale/horizontale)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Detection</source>
        <translation>Zone (vert./horiz.) détection</translation>
    </message>
    <message>
        <source>AFM_VertHori_FaceEye</source>
        <translation>Zone (vert./horiz.) (visage/œil)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Human</source>
        <translation>Zone (vert./horiz.) (humain)</translation>
    </message>
    <message>
        <source>AFM_VertHori_HumanAnimal</source>
        <translation>Zone (vert./horiz.) (humain/animal)</translation>
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
        <translation>MANUEL</translation>
    </message>
    <message>
        <source>BIFD_Off</source>
        <translation>OFF</translation>
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
        <translation>Rafale 6K/4K</translation>
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
        <translation>Pré-rafale SH1</translation>
    </message>
    <message>
        <source>BS_EleFastPre2</source>
        <translation>Pré-rafale SH2</translation>
    </message>
    <message>
        <source>BS_EleFastPre20</source>
        <translation>Pré-rafale SH 20 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre3</source>
        <translation>Pré-rafale SH3</translation>
    </message>
    <message>
        <source>BS_EleFastPre30</source>
        <translation>Pré-rafale SH 30 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre40</source>
        <translation>Pré-rafale SH 40 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre60</source>
        <translation>Pré-rafale SH 60 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre70</source>
        <translation>Pré-rafale SH 70 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre75</source>
        <translation>Pré-rafale SH 75 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPreSH</source>
        <translation>Pré-rafale SH</translation>
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
        <translation>H avec Live View</translation>
    </message>
    <message>
        <source>BS_HighSpeedPlus</source>
        <translation>H+</translation>
    </message>
    <message>
        <source>BS_HighSpeedPlusLiveView</source>
        <translation>H+ avec Live View</translation>
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
        <translation>Vidéo créative</translation>
    </message>
    <message>
        <source>CreativeVideo-A</source>
        <translation>Vidéo créative A</translation>
    </message>
    <message>
        <source>CreativeVideo-M</source>
        <translation>Vidéo créative M</translation>
    </message>
    <message>
        <source>CreativeVideo-P</source>
        <translation>Vidéo créative P</translation>
    </message>
    <message>
        <source>CreativeVideo-S</source>
        <translation>Vidéo créative S</translation>
    </message>
    <message>
        <source>DM_4K6K</source>
        <translation>Photo 6K/4K</translation>
    </message>
    <message>
        <source>DM_Bracket</source>
        <translation>Bracketing</translation>
    </message>
    <message>
        <source>DM_Burst</source>
        <translation>Rafale</translation>
    </message>
    <message>
        <source>DM_Burst1</source>
        <translation>Rafale 1</translation>
    </message>
    <message>
        <source>DM_Burst2</source>
        <translation>Rafale 2</translation>
    </message>
    <message>
        <source>DM_Focus</source>
        <translation>Post-focus</translation>
    </message>
    <message>
        <source>DM_HANDHELD_HRS</source>
        <translation>Haute résolution à main levée</translation>
    </message>
    <message>
        <source>DM_HRS</source>
        <translation>Haute résolution</translation>
    </message>
    <message>
        <source>DM_Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>DM_Komadori</source>
        <translation>Image par image</translation>
    </message>
    <message>
        <source>DM_SelfTimer</source>
        <translation>Retardateur</translation>
    </message>
    <message>
        <source>DM_Single</source>
        <translation>Vue par vue</translation>
    </message>
    <message>
        <source>Default Folder(Mac)</source>
        <translation>Dossier Images</translation>
    </message>
    <message>
        <source>Default Folder(Win)</source>
        <translation>Dossier Images</translation>
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
        <translation>MANUEL</translation>
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
        <translation>Flash forcé OFF</translation>
    </message>
    <message>
        <source>FlshM_Forced</source>
        <translation>Flash forcé ON</translation>
    </message>
    <message>
        <source>FlshM_ForcedRedEye</source>
        <translation>Forcé ON/Réduc. yeux rouges</translation>
    </message>
    <message>
        <source>FlshM_SlowRedEye</source>
        <translation>Sync. lente/Réduc. yeux rouges</translation>
    </message>
    <message>
        <source>FlshM_SlowSync</source>
        <translation>Sync. lente</translation>
    </message>
    <message>
        <source>FlshS_Front</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>FlshS_Rear</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>FolNameType_Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>FolNameType_User</source>
        <translation>Préfixe au choix</translation>
    </message>
    <message>
        <source>GFD_Auto</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>GFD_Manual</source>
        <translation>MANUEL</translation>
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
        <translation>Résol. 4K</translation>
    </message>
    <message>
        <source>HlgShootingType_8K</source>
        <translation>Résol. 8K</translation>
    </message>
    <message>
        <source>HlgShootingType_Full</source>
        <translation>Pleine résol.</translation>
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
        <translation>Combiné</translation>
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
        <translation>Basse</translation>
    </message>
    <message>
        <source>LvImgQ_Std</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>MM_Center</source>
        <translation>Pondérée centrale</translation>
    </message>
    <message>
        <source>MM_Highlight</source>
        <translation>Pondérée hautes lumières</translation>
    </message>
    <message>
        <source>MM_Pattern</source>
        <translation>Multiple</translation>
    </message>
    <message>
        <source>MM_Spot</source>
        <translation>Spot</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst</source>
        <translation>Rafale 4K 30p</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst_SS</source>
        <translation>Rafale 4K 30p (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_PreBurst</source>
        <translation>Pré-rafale 4K 30p</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst</source>
        <translation>Rafale 4K 60p</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst_SS</source>
        <translation>Rafale 4K 60p (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_PreBurst</source>
        <translation>Pré-rafale 4K 60p</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst</source>
        <translation>Rafale 6K 30p</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst_SS</source>
        <translation>Rafale 6K 30p (S/S)</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_PreBurst</source>
        <translation>Pré-rafale 6K 30p</translation>
    </message>
    <message>
        <source>PS_Classic_Monochrome</source>
        <translation>Monochrome classique</translation>
    </message>
    <message>
        <source>PS_Custom</source>
        <translation>Perso 1</translation>
    </message>
    <message>
        <source>PS_Custom2</source>
        <translation>Perso 2</translation>
    </message>
    <message>
        <source>PS_Custom3</source>
        <translation>Perso 3</translation>
    </message>
    <message>
        <source>PS_Custom4</source>
        <translation>Perso 4</translation>
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
        <translation>Plat</translation>
    </message>
    <message>
        <source>PS_HLG_For_Q_Series</source>
        <translation>HLG pour série</translation>
    </message>
    <message>
        <source>PS_HLG_FullRange</source>
        <translation>HLG pleine plage</translation>
    </message>
    <message>
        <source>PS_HLG_Monochrome</source>
        <translation>HLG monochrome</translation>
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
        <translation>L.Monochrome</translation>
    </message>
    <message>
        <source>PS_KMonochromeD</source>
        <translation>L.Monochrome D</translation>
    </message>
    <message>
        <source>PS_KMonochromeS</source>
        <translation>L.Monochrome S</translation>
    </message>
    <message>
        <source>PS_LandScape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>PS_Linear_Gamma</source>
        <translation>Gamma linéaire</translation>
    </message>
    <message>
        <source>PS_Monochrome</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>PS_Natural</source>
        <translation>Naturel</translation>
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
        <translation>Portrait</translation>
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
        <translation>LUT en temps réel</translation>
    </message>
    <message>
        <source>PS_Remote_Camera_RZ300</source>
        <translation>Caméra à distance</translation>
    </message>
    <message>
        <source>PS_Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>PS_Vivid</source>
        <translation>Éclatant</translation>
    </message>
    <message>
        <source>Photo-A</source>
        <translation>Photo A</translation>
    </message>
    <message>
        <source>Photo-M</source>
        <translation>Photo M</translation>
    </message>
    <message>
        <source>Photo-P</source>
        <translation>Photo P</translation>
    </message>
    <message>
        <source>Photo-S</source>
        <translation>Photo S</translation>
    </message>
    <message>
        <source>RM_AperturePriorityAE</source>
        <translation>Priorité ouverture</translation>
    </message>
    <message>
        <source>RM_C3_Set1</source>
        <translation>Réglage 1</translation>
    </message>
    <message>
        <source>RM_C3_Set10</source>
        <translation>Réglage 10</translation>
    </message>
    <message>
        <source>RM_C3_Set2</source>
        <translation>Réglage 2</translation>
    </message>
    <message>
        <source>RM_C3_Set3</source>
        <translation>Réglage 3</translation>
    </message>
    <message>
        <source>RM_C3_Set4</source>
        <translation>Réglage 4</translation>
    </message>
    <message>
        <source>RM_C3_Set5</source>
        <translation>Réglage 5</translation>
    </message>
    <message>
        <source>RM_C3_Set6</source>
        <translation>Réglage 6</translation>
    </message>
    <message>
        <source>RM_C3_Set7</source>
        <translation>Réglage 7</translation>
    </message>
    <message>
        <source>RM_C3_Set8</source>
        <translation>Réglage 8</translation>
    </message>
    <message>
        <source>RM_C3_Set9</source>
        <translation>Réglage 9</translation>
    </message>
    <message>
        <source>RM_CC_BleachBypass</source>
        <translation>Sans blanchiment</translation>
    </message>
    <message>
        <source>RM_CC_CrossFilter</source>
        <translation>Filtre étoile</translation>
    </message>
    <message>
        <source>RM_CC_CrossProcess</source>
        <translation>Traitement croisé</translation>
    </message>
    <message>
        <source>RM_CC_Diorama</source>
        <translation>Effet miniature</translation>
    </message>
    <message>
        <source>RM_CC_DynamicMonochrome</source>
        <translation>Monochrome dynamique</translation>
    </message>
    <message>
        <source>RM_CC_Fantasy</source>
        <translation>Fantaisie</translation>
    </message>
    <message>
        <source>RM_CC_HighDynamic</source>
        <translation>Haute dynamique</translation>
    </message>
    <message>
        <source>RM_CC_HighKey</source>
        <translation>High Key</translation>
    </message>
    <message>
        <source>RM_CC_ImpressiveArt</source>
        <translation>Art impressionnant</translation>
    </message>
    <message>
        <source>RM_CC_LowKey</source>
        <translation>Low Key</translation>
    </message>
    <message>
        <source>RM_CC_Monochrome</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>RM_CC_OldDays</source>
        <translation>Rétro délavé</translation>
    </message>
    <message>
        <source>RM_CC_OnePointColor</source>
        <translation>Couleur partielle</translation>
    </message>
    <message>
        <source>RM_CC_Pop</source>
        <translation>Expressif</translation>
    </message>
    <message>
        <source>RM_CC_Retro</source>
        <translation>Rétro</translation>
    </message>
    <message>
        <source>RM_CC_RoughMonochrome</source>
        <translation>Monochrome brut</translation>
    </message>
    <message>
        <source>RM_CC_Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>RM_CC_SilkyMonochrome</source>
        <translation>Monochrome doux</translation>
    </message>
    <message>
        <source>RM_CC_SoftFocus</source>
        <translation>Flou artistique</translation>
    </message>
    <message>
        <source>RM_CC_Sunshine</source>
        <translation>Rayons de soleil</translation>
    </message>
    <message>
        <source>RM_CC_ToyPhoto</source>
        <translation>Effet jouet</translation>
    </message>
    <message>
        <source>RM_CC_ToyPop</source>
        <translation>Jouet pop</translation>
    </message>
    <message>
        <source>RM_CreativeControl</source>
        <translation>Contrôle créatif</translation>
    </message>
    <message>
        <source>RM_Custom1</source>
        <translation>Perso 1</translation>
    </message>
    <message>
        <source>RM_Custom10</source>
        <translation>Perso 10</translation>
    </message>
    <message>
        <source>RM_Custom11</source>
        <translation>Perso 11</translation>
    </message>
    <message>
        <source>RM_Custom12</source>
        <translation>Perso 12</translation>
    </message>
    <message>
        <source>RM_Custom2</source>
        <translation>Perso 2</translation>
    </message>
    <message>
        <source>RM_Custom3</source>
        <translation>Perso 3</translation>
    </message>
    <message>
        <source>RM_Custom4</source>
        <translation>Perso 4</translation>
    </message>
    <message>
        <source>RM_Custom5</source>
        <translation>Perso 5</translation>
    </message>
    <message>
        <source>RM_Custom6</source>
        <translation>Perso 6</translation>
    </message>
    <message>
        <source>RM_Custom7</source>
        <translation>Perso 7</translation>
    </message>
    <message>
        <source>RM_Custom8</source>
        <translation>Perso 8</translation>
    </message>
    <message>
        <source>RM_Custom9</source>
        <translation>Perso 9</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAuto</source>
        <translation>Auto intelligent</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAutoPlus</source>
        <translation>Auto intelligent plus</translation>
    </message>
    <message>
        <source>RM_IntelligentAuto</source>
        <translation>Auto intelligent</translation>
    </message>
    <message>
        <source>RM_ManualExposure</source>
        <translation>Exposition manuelle</translation>
    </message>
    <message>
        <source>RM_ProgramAE</source>
        <translation>Programme AE</translation>
    </message>
    <message>
        <source>RM_SG_AgainstHard</source>
        <translation>Net en contre-jour</translation>
    </message>
    <message>
        <source>RM_SG_AgainstSoft</source>
        <translation>Douceur en contre-jour</translation>
    </message>
    <message>
        <source>RM_SG_Beautiful</source>
        <translation>Portrait net</translation>
    </message>
    <message>
        <source>RM_SG_BlueSkyCool</source>
        <translation>Ciel bleu éclatant</translation>
    </message>
    <message>
        <source>RM_SG_ChildrenCute</source>
        <translation>Doux visage d'enfant</translation>
    </message>
    <message>
        <source>RM_SG_Delicious</source>
        <translation>Cuisine appétissante</translation>
    </message>
    <message>
        <source>RM_SG_FantasticSunset</source>
        <translation>Coucher de soleil romantique</translation>
    </message>
    <message>
        <source>RM_SG_Flower</source>
        <translation>Douceur des fleurs</translation>
    </message>
    <message>
        <source>RM_SG_Heartwarming</source>
        <translation>Tons apaisants</translation>
    </message>
    <message>
        <source>RM_SG_Illumination</source>
        <translation>Illuminations scintillantes</translation>
    </message>
    <message>
        <source>RM_SG_ImpressiveSunset</source>
        <translation>Coucher de soleil éclatant</translation>
    </message>
    <message>
        <source>RM_SG_Landscape</source>
        <translation>Paysage distinct</translation>
    </message>
    <message>
        <source>RM_SG_Monochrome</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>RM_SG_NightArtistic</source>
        <translation>Paysage nocturne artistique</translation>
    </message>
    <message>
        <source>RM_SG_NightBack</source>
        <translation>Portrait nocturne net</translation>
    </message>
    <message>
        <source>RM_SG_NightBeatiful</source>
        <translation>Paysage nocturne net</translation>
    </message>
    <message>
        <source>RM_SG_NightCool</source>
        <translation>Ciel nocturne froid</translation>
    </message>
    <message>
        <source>RM_SG_NightHand</source>
        <translation>Nuit à main levée</translation>
    </message>
    <message>
        <source>RM_SG_NightWarm</source>
        <translation>Paysage nocturne chaleureux</translation>
    </message>
    <message>
        <source>RM_SG_Pet</source>
        <translation>Figer le mouvement animal</translation>
    </message>
    <message>
        <source>RM_SG_SkinBeautiful</source>
        <translation>Peau soyeuse</translation>
    </message>
    <message>
        <source>RM_SG_SparklingWater</source>
        <translation>Eau scintillante</translation>
    </message>
    <message>
        <source>RM_SG_Sports</source>
        <translation>Sport net</translation>
    </message>
    <message>
        <source>RM_SG_Sweets</source>
        <translation>Dessert gourmand</translation>
    </message>
    <message>
        <source>RM_ShutterPriorityAE</source>
        <translation>Priorité vitesse</translation>
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
        <translation>Exposition et obturation</translation>
    </message>
    <message>
        <source>RecPreviw_Expousure</source>
        <translation>Exposition</translation>
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
        <translation>10 s, 3 photos</translation>
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
        <translation>Perso</translation>
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
        <translation>Dossier au choix</translation>
    </message>
    <message>
        <source>StoLocType_Pc</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>StoLocType_SdCard</source>
        <translation>Carte mémoire</translation>
    </message>
    <message>
        <source>StoLocType_SdCardPc</source>
        <translation>Carte mémoire + PC</translation>
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
        <translation>Vidéo A</translation>
    </message>
    <message>
        <source>Video-M</source>
        <translation>Vidéo M</translation>
    </message>
    <message>
        <source>Video-P</source>
        <translation>Vidéo P</translation>
    </message>
    <message>
        <source>Video-S</source>
        <translation>Vidéo S</translation>
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
        <translation>Nuageux</translation>
    </message>
    <message>
        <source>WB_Daylight</source>
        <translation>Lumière du jour</translation>
    </message>
    <message>
        <source>WB_Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>WB_K_Set</source>
        <translation>Temp. couleur 1</translation>
    </message>
    <message>
        <source>WB_K_Set2</source>
        <translation>Temp. couleur 2</translation>
    </message>
    <message>
        <source>WB_K_Set3</source>
        <translation>Temp. couleur 3</translation>
    </message>
    <message>
        <source>WB_K_Set4</source>
        <translation>Temp. couleur 4</translation>
    </message>
    <message>
        <source>WB_Keep</source>
        <translation>Réglage blanc 1</translation>
    </message>
    <message>
        <source>WB_Keep2</source>
        <translation>Réglage blanc 2</translation>
    </message>
    <message>
        <source>WB_Keep3</source>
        <translation>Réglage blanc 3</translation>
    </message>
    <message>
        <source>WB_Keep4</source>
        <translation>Réglage blanc 4</translation>
    </message>
    <message>
        <source>WB_Shade</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>WB_Tengsten</source>
        <translation>Incandescent</translation>
    </message>
    <message>
        <source>WirCP_High</source>
        <translation>ÉLEVÉ</translation>
    </message>
    <message>
        <source>WirCP_Low</source>
        <translation>BAS</translation>
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
        <translation>Contrôle créatif</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Mode de prise de vue</translation>
    </message>
</context>
<context>
    <name>KvMainPSComponentsProvider</name>
    <message>
        <source>PSC_BasePhotoStyle</source>
        <translation>Style photo de base</translation>
    </message>
    <message>
        <source>PSC_ChromaPhase</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>PSC_ColorTone</source>
        <translation>Tonalité couleur</translation>
    </message>
    <message>
        <source>PSC_Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>PSC_Density</source>
        <translation>Densité LUT</translation>
    </message>
    <message>
        <source>PSC_Density1</source>
        <translation>Densité LUT1</translation>
    </message>
    <message>
        <source>PSC_Density2</source>
        <translation>Densité LUT2</translation>
    </message>
    <message>
        <source>PSC_DualISO</source>
        <translation>ISO natif double</translation>
    </message>
    <message>
        <source>PSC_Filter</source>
        <translation>Effet de filtre</translation>
    </message>
    <message>
        <source>PSC_GainSetting</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>PSC_Grain</source>
        <translation>Effet de grain</translation>
    </message>
    <message>
        <source>PSC_Grain_Color</source>
        <translation>Bruit de couleur</translation>
    </message>
    <message>
        <source>PSC_HighLight</source>
        <translation>Hautes lumières</translation>
    </message>
    <message>
        <source>PSC_ISO</source>
        <translation>Sensibilité ISO</translation>
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
        <translation>Style photo de base LUT</translation>
    </message>
    <message>
        <source>PSC_NoiseReduct</source>
        <translation>Réduction du bruit</translation>
    </message>
    <message>
        <source>PSC_Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>PSC_Shadow</source>
        <translation>Ombres</translation>
    </message>
    <message>
        <source>PSC_Sharpness</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>PSC_WB</source>
        <translation>Balance des blancs</translation>
    </message>
    <message>
        <source>PD_Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>PD_High</source>
        <translation>Élevé</translation>
    </message>
    <message>
        <source>PD_Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>PF_Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>PF_Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>PF_Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>PF_Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>PF_Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>PG_High</source>
        <translation>Élevé</translation>
    </message>
    <message>
        <source>PG_Low</source>
        <translation>Faible</translation>
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
        <translation>Manuel</translation>
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
        <translation>Style photo</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Annuler</translation>
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
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>WB Adjust</source>
        <translation>Réglage BB</translation>
    </message>
</context>
<context>
    <name>KvCCPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>KvOptionDriveModeButton</name>
    <message>
        <source>4K6K</source>
        <translation>Photo 6K/4K</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Rafale</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Mode d'entraînement</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Post-focus</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Retardateur</translation>
    </message>
</context>
<context>
    <name>KvPreferenceWindow</name>
    <message>
        <source>Preference</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Emplacement de stockage</translation>
    </message>
    <message>
        <source>Storage Folder</source>
        <translation>Dossier d'importation</translation>
    </message>
    <message>
        <source>Storage Folder URL Placeholder</source>
        <translation>Sélectionnez le dossier.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Choose Storage Location</source>
        <translation>Choisissez l'emplacement de stockage</translation>
    </message>
    <message>
        <source>Storage Folder Date</source>
        <translation>Créer automatiquement des sous-dossiers par date</translation>
    </message>
    <message>
        <source>Storage Folder Camera</source>
        <translation>Créer un sous-dossier pour chaque appareil</translation>
    </message>
    <message>
        <source>Captured File Name</source>
        <translation>Nom des fichiers importés</translation>
    </message>
    <message>
        <source>Captured File Prefix Character</source>
        <translation>Préfixe :</translation>
    </message>
    <message>
        <source>Captured File Start Number</source>
        <translation>Numéro de départ :</translation>
    </message>
    <message>
        <source>Store File Name Camera</source>
        <translation>Ajouter le nom de l'appareil au nom de fichier</translation>
    </message>
    <message>
        <source>RAW TRANSFER</source>
        <translation>Transfert des fichiers RAW</translation>
    </message>
    <message>
        <source>HLG SHOOTING</source>
        <translation>Photo HLG</translation>
    </message>
    <message>
        <source>HLG Transfer</source>
        <translation>Transfert des fichiers HLG</translation>
    </message>
    <message>
        <source>Auto Display Review Images</source>
        <translation>Afficher automatiquement l'image de contrôle</translation>
    </message>
    <message>
        <source>Update F/W</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Camera Setting</source>
        <translation>Réglages de l'appareil</translation>
    </message>
    <message>
        <source>Camera_setting_save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Camera_setting_restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Camera P/W</source>
        <translation>Mot de passe de l'appareil</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Version Check at Startup</source>
        <translation>Rechercher les mises à jour de l'application au démarrage</translation>
    </message>
    <message>
        <source>Show Trans Confirm Dialog</source>
        <translation>Confirmer avant le transfert</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>storage_folder_invalid</source>
        <translation>Le dossier d'importation ne peut pas être utilisé.&lt;br /&gt;&lt;br /&gt;Saisissez un chemin complet (commençant par « / ») vers un dossier dans lequel vous pouvez écrire, ou vers un nouveau dossier qui peut y être créé.</translation>
    </message>
    <message>
        <source>file_prefix_invalid</source>
        <translation>Saisissez un préfixe de 1 à 20 caractères sans \ / : * ? " &lt; &gt; |.</translation>
    </message>
    <message>
        <source>start_number_invalid</source>
        <translation>Saisissez un numéro de départ de 1 à 9999.</translation>
    </message>
    <message>
        <source>title_message</source>
        <translation>Mise à jour du firmware en cours</translation>
    </message>
    <message>
        <source>fwup_message_1</source>
        <translation>(Temps écoulé </translation>
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
        <translation>Copyright (C) KAVRO. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>KvPreferenceOptionButton</name>
    <message>
        <source>      All Cameras</source>
        <translation>      Tous les appareils</translation>
    </message>
</context>
<context>
    <name>KvPreferenceAgreementPopup</name>
    <message>
        <source>agreement_title_startup</source>
        <translation>Aidez-nous à améliorer KAVRO Rozado</translation>
    </message>
    <message>
        <source>agreement_title</source>
        <translation>Données d'utilisation</translation>
    </message>
    <message>
        <source>agreement_content</source>
        <translation>KAVRO Rozado peut-il enregistrer la façon dont il est utilisé et envoyer cet enregistrement afin d'améliorer le programme ? Les images et les données personnelles ne sont jamais incluses.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KvMainObject</name>
    <message>
        <source>Internal error.</source>
        <translation>Une erreur interne s'est produite.</translation>
    </message>
    <message>
        <source>Connect error_msg1</source>
        <translation>Impossible de se connecter à l'appareil.</translation>
    </message>
    <message>
        <source>Connect error_msg2</source>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>Connect error_msg3</source>
        <translation>Code d'erreur</translation>
    </message>
    <message>
        <source>Connect error_msg4</source>
        <translation>Veuillez vérifier que les horloges de l'ordinateur et de l'appareil sont correctement réglées.</translation>
    </message>
    <message>
        <source>Connect error_msg4_1</source>
        <translation>1. Vérifiez le fuseau horaire.</translation>
    </message>
    <message>
        <source>Connect error_msg4_2</source>
        <translation>2. Vérifiez l'heure d'été.</translation>
    </message>
    <message>
        <source>Connect error_msg4_3</source>
        <translation>3. Vérifiez l'horloge.</translation>
    </message>
    <message>
        <source>storage_folder_replaced</source>
        <translation>Le dossier d'importation du fichier de réglages ne peut pas être utilisé :
%1
Les images sont importées dans le dossier Images jusqu'à ce qu'il puisse être réutilisé lors d'un prochain démarrage, ou jusqu'à ce que vous choisissiez un dossier d'importation dans Réglages.</translation>
    </message>
    <message>
        <source>version_page_not_opened</source>
        <translation>Impossible d&apos;ouvrir la page de mise à jour. Son adresse n&apos;est pas celle d&apos;une page web, ou aucun navigateur web n&apos;est disponible.</translation>
    </message>
</context>
<context>
    <name>KvConnectWindow</name>
    <message>
        <source>Please connect to device</source>
        <translation>Connectez KAVRO au PC.</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>KAVRO est connecté au PC.</translation>
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
        <translation> : le programme de mise à jour a été ouvert.</translation>
    </message>
    <message>
        <source>now_version_top</source>
        <translation>Version actuelle : </translation>
    </message>
    <message>
        <source>now_version_bottom</source>
        <translation> </translation>
    </message>
    <message>
        <source>new_version_top</source>
        <translation>Dernière version : </translation>
    </message>
    <message>
        <source>new_version_sep1</source>
        <translation>.</translation>
    </message>
    <message>
        <source>open_web_page1</source>
        <translation>Voulez-vous fermer l'application</translation>
    </message>
    <message>
        <source>open_web_page2</source>
        <translation>et ouvrir immédiatement la page de téléchargement ?</translation>
    </message>
    <message>
        <source>Yes_Button</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No_Button</source>
        <translation>Non</translation>
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
        <translation>Mode de déclenchement</translation>
    </message>
    <message>
        <source>Flash Mode</source>
        <translation>Mode flash</translation>
    </message>
    <message>
        <source>Flash Sync</source>
        <translation>Synchro flash</translation>
    </message>
    <message>
        <source>Exposure Link</source>
        <translation>Compensation&lt;br /&gt; expo auto</translation>
    </message>
    <message>
        <source>Flash Intensity Setting</source>
        <translation>Réglage flash</translation>
    </message>
    <message>
        <source>Manual Flash Emission Setting</source>
        <translation>Réglage flash manuel</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Sans fil</translation>
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
        <translation>Canal sans fil</translation>
    </message>
    <message>
        <source>Wireless FP</source>
        <translation>FP sans fil</translation>
    </message>
    <message>
        <source>Wireless Light Intensity</source>
        <translation>Lumière de&lt;br /&gt; communication</translation>
    </message>
    <message>
        <source>Built-in Flash</source>
        <translation>Flash externe</translation>
    </message>
    <message>
        <source>A Group</source>
        <translation>Groupe A</translation>
    </message>
    <message>
        <source>B Group</source>
        <translation>Groupe B</translation>
    </message>
    <message>
        <source>C Group</source>
        <translation>Groupe C</translation>
    </message>
    <message>
        <source>Test Emission</source>
        <translation>Flash test</translation>
    </message>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Réglage flash</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Réglage flash manuel</translation>
    </message>
</context>
<context>
    <name>KvFlashComponentsProvider</name>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Réglage flash</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Réglage flash manuel</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KvMainMQComponentsProvider</name>
    <message>
        <source>MQD_ALL</source>
        <translation>TOUS</translation>
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
        <translation>Disponible en HDMI uniquement</translation>
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
        <translation>Qualité d'enreg. vidéo</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Résolution</translation>
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
        <translation>Options de filtre</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Résultats : **</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Cadence d'images</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Résolution</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KvTransferController</name>
    <message>
        <source>confirm_message_1</source>
        <translation>Aucune opération n'est possible depuis le PC pendant le transfert.</translation>
    </message>
    <message>
        <source>confirm_message_2</source>
        <translation>Voulez-vous importer la vidéo enregistrée sur le PC ?</translation>
    </message>
    <message>
        <source>confirm_message_3</source>
        <translation>Taille : </translation>
    </message>
    <message>
        <source>confirm_message_4</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>confirm_message_5</source>
        <translation>(L'importation peut prendre du temps)</translation>
    </message>
    <message>
        <source>confirm_message_6</source>
        <translation>Si vous choisissez « Non », vous devrez copier la vidéo depuis la carte mémoire.</translation>
    </message>
    <message>
        <source>confirm_message_7</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>confirm_message_8</source>
        <translation>(Temps écoulé </translation>
    </message>
    <message>
        <source>confirm_message_9</source>
        <translation>)</translation>
    </message>
    <message>
        <source>confirm_message_10</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>confirm_message_11</source>
        <translation>Voulez-vous vraiment annuler l'importation ?</translation>
    </message>
    <message>
        <source>confirm_message_12</source>
        <translation>Pour copier votre vidéo sur un PC,</translation>
    </message>
    <message>
        <source>confirm_message_13</source>
        <translation>vous devez la copier depuis la carte mémoire.</translation>
    </message>
    <message>
        <source>confirm_message_15</source>
        <translation>Voulez-vous importer la photo 6K/4K prise ?</translation>
    </message>
    <message>
        <source>confirm_message_16</source>
        <translation>Nombre de photos transférées : </translation>
    </message>
    <message>
        <source>confirm_message_17</source>
        <translation> </translation>
    </message>
    <message>
        <source>confirm_message_18</source>
        <translation>(L'importation peut prendre du temps)</translation>
    </message>
    <message>
        <source>confirm_message_19</source>
        <translation>Si vous choisissez « Non », vous devrez recadrer dans l'appareil puis copier depuis la carte mémoire.</translation>
    </message>
    <message>
        <source>confirm_message_20</source>
        <translation>Pour copier votre photo 6K/4K sur un PC,</translation>
    </message>
    <message>
        <source>confirm_message_21</source>
        <translation>vous devez recadrer la photo dans l'appareil puis la copier depuis la carte mémoire.</translation>
    </message>
    <message>
        <source>confirm_message_22</source>
        <translation>Nombre de fichiers : </translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>Impossible de copier le fichier.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Guide d'utilisation</translation>
    </message>
    <message>
        <source>LV</source>
        <translation>LV</translation>
    </message>
    <message>
        <source>CAMERA</source>
        <translation>APPAREIL</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Mode d'enreg.</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>SS</source>
        <translation>Vitesse obt.</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>WB</source>
        <translation>Bal. blancs</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Comp. expo</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Taille image</translation>
    </message>
    <message>
        <source>Picture Quality</source>
        <translation>Qualité image</translation>
    </message>
    <message>
        <source>Motion Picture Quality</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <source>Focus Mode</source>
        <translation>Mode MAP</translation>
    </message>
    <message>
        <source>AF Mode</source>
        <translation>Mode AF</translation>
    </message>
    <message>
        <source>Photo Style</source>
        <translation>Style photo</translation>
    </message>
    <message>
        <source>Metering Mode</source>
        <translation>Mode mesure</translation>
    </message>
    <message>
        <source>WB Color Temp.</source>
        <translation>Temp. couleur</translation>
    </message>
    <message>
        <source>WB Tuning</source>
        <translation>Réglage BB</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>CreativeControl</source>
        <translation>Contrôle créatif</translation>
    </message>
    <message>
        <source>CreativeVideo</source>
        <translation>Vidéo créative</translation>
    </message>
    <message>
        <source>IntelligentAuto</source>
        <translation>Auto intell.</translation>
    </message>
    <message>
        <source>Custom3</source>
        <translation>Perso 3</translation>
    </message>
    <message>
        <source>Custom4</source>
        <translation>Perso 4</translation>
    </message>
    <message>
        <source>Custom5</source>
        <translation>Perso 5</translation>
    </message>
    <message>
        <source>SQMotion</source>
        <translation>Mode S&amp;Q</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Rafale</translation>
    </message>
    <message>
        <source>Burst1</source>
        <translation>Rafale 1</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Retardateur</translation>
    </message>
    <message>
        <source>4K6K</source>
        <translation>Photo 6K/4K</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Post-focus</translation>
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
        <translation>L'opération ne peut pas être effectuée pour le moment.</translation>
    </message>
    <message>
        <source>wb_error_message</source>
        <translation>Échec du réglage du blanc !!</translation>
    </message>
    <message>
        <source>sd_error_message_1</source>
        <translation>Aucune carte mémoire</translation>
    </message>
    <message>
        <source>sd_error_message_2</source>
        <translation>Carte mémoire protégée en écriture</translation>
    </message>
    <message>
        <source>sd_error_message_3</source>
        <translation>Erreur de carte mémoire</translation>
    </message>
    <message>
        <source>sd_error_message_4</source>
        <translation>Carte mémoire pleine</translation>
    </message>
    <message>
        <source>confirm_message_14</source>
        <translation>Choisissez pour votre vidéo un format de fichier autre que AVCHD.</translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>Impossible de copier le fichier.</translation>
    </message>
    <message>
        <source>Error Info</source>
        <translation>Une erreur s'est produite dans l'appareil.</translation>
    </message>
    <message>
        <source>Error Camera</source>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>Error Date-time</source>
        <translation>Date et heure de l'erreur</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Code d'erreur</translation>
    </message>
    <message>
        <source>Error Content</source>
        <translation>Contenu de l'erreur</translation>
    </message>
    <message>
        <source>ERR-9</source>
        <translation>Erreur d'objectif&lt;br /&gt;Veuillez vérifier l'objectif</translation>
    </message>
    <message>
        <source>ERR-11</source>
        <translation>Erreur de carte&lt;br /&gt;Veuillez vérifier la carte</translation>
    </message>
    <message>
        <source>ERR-12</source>
        <translation>Erreur d'écriture&lt;br /&gt;Veuillez vérifier la carte</translation>
    </message>
    <message>
        <source>ERR-14</source>
        <translation>Carte mémoire pleine</translation>
    </message>
    <message>
        <source>ERR-16</source>
        <translation>Erreur de lecture&lt;br /&gt;Veuillez vérifier la carte</translation>
    </message>
    <message>
        <source>ERR-56</source>
        <translation>Température élevée&lt;br /&gt;Veuillez attendre que l'appareil refroidisse</translation>
    </message>
    <message>
        <source>ERR-70</source>
        <translation>Impossible d'utiliser la batterie</translation>
    </message>
    <message>
        <source>ERR-104</source>
        <translation>Erreur de carte&lt;br /&gt;Veuillez formater la carte dans l'appareil</translation>
    </message>
    <message>
        <source>ERR-107</source>
        <translation>Erreur appareil 107&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-108</source>
        <translation>Erreur appareil 108&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-129</source>
        <translation>Erreur appareil 129&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-130</source>
        <translation>Erreur appareil 130&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-186</source>
        <translation>Erreur appareil 186&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-188</source>
        <translation>Erreur appareil 188&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-369</source>
        <translation>Erreur appareil 369&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-378</source>
        <translation>Erreur appareil 378&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-387</source>
        <translation>Erreur appareil 387&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-388</source>
        <translation>Erreur appareil 388&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-389</source>
        <translation>Erreur appareil 389&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-390</source>
        <translation>Erreur appareil 390&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-396</source>
        <translation>Erreur appareil 396&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-397</source>
        <translation>La durée d'enregistrement maximale&lt;br /&gt;de 12 heures est écoulée.&lt;br /&gt;L'enregistrement s'est arrêté.</translation>
    </message>
    <message>
        <source>ERR-461</source>
        <translation>Erreur appareil 461&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-463</source>
        <translation>Erreur appareil 463&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-464</source>
        <translation>Erreur appareil 464&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-466</source>
        <translation>Erreur appareil 466&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-467</source>
        <translation>Erreur appareil 467&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-468</source>
        <translation>Erreur appareil 468&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-469</source>
        <translation>Erreur appareil 469&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-470</source>
        <translation>Erreur appareil 470&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-471</source>
        <translation>Erreur appareil 471&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-472</source>
        <translation>Erreur appareil 472&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-486</source>
        <translation>Erreur appareil 486&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-487</source>
        <translation>Erreur appareil 487&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-488</source>
        <translation>Erreur appareil 488&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-499</source>
        <translation>Erreur appareil 499&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-500</source>
        <translation>Erreur appareil 500&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-527</source>
        <translation>Erreur appareil 527&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-529</source>
        <translation>Erreur appareil 529&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-588</source>
        <translation>Erreur appareil 588&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-598</source>
        <translation>Erreur appareil 598&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-610</source>
        <translation>Erreur appareil 610&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-611</source>
        <translation>Erreur appareil 611&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-612</source>
        <translation>Erreur appareil 612&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-613</source>
        <translation>Erreur appareil 613&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-614</source>
        <translation>Erreur appareil 614&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-615</source>
        <translation>Erreur appareil 615&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-617</source>
        <translation>Erreur appareil 617&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-618</source>
        <translation>Erreur appareil 618&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-621</source>
        <translation>Erreur appareil 621&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-622</source>
        <translation>Erreur appareil 622&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-624</source>
        <translation>Erreur appareil 624&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-625</source>
        <translation>Erreur appareil 625&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-626</source>
        <translation>La fonction de streaming est activée.&lt;br /&gt;Enregistrement à distance uniquement.</translation>
    </message>
    <message>
        <source>ERR-629</source>
        <translation>Erreur appareil 629&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-630</source>
        <translation>Erreur appareil 630&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-631</source>
        <translation>Erreur appareil 631&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-632</source>
        <translation>Erreur appareil 632&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-633</source>
        <translation>Erreur appareil 633&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-634</source>
        <translation>Erreur appareil 634&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-635</source>
        <translation>Erreur appareil 635&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-636</source>
        <translation>Erreur appareil 636&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-639</source>
        <translation>Erreur appareil 639&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-640</source>
        <translation>Erreur appareil 640&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-641</source>
        <translation>Erreur appareil 641&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-644</source>
        <translation>Erreur appareil 644&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-646</source>
        <translation>Erreur appareil 646&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-647</source>
        <translation>Erreur appareil 647&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-649</source>
        <translation>Erreur appareil 649&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-650</source>
        <translation>Erreur appareil 650&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-652</source>
        <translation>Erreur appareil 652&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-655</source>
        <translation>Erreur appareil 655&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-656</source>
        <translation>Erreur appareil 656&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-660</source>
        <translation>Erreur appareil 660&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-661</source>
        <translation>Erreur appareil 661&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-662</source>
        <translation>Erreur appareil 662&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
    <message>
        <source>ERR-663</source>
        <translation>Erreur appareil 663&lt;br /&gt;Veuillez vérifier l'appareil</translation>
    </message>
</context>
<context>
    <name>KvPreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>KvCameraListButton2</name>
    <message>
        <source>All Cameras</source>
        <translation>Tous les appareils</translation>
    </message>
</context>
<context>
    <name>KvCameraListWindow2</name>
    <message>
        <source>CAMERA</source>
        <translation>APPAREIL</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>État</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>All Cameras</source>
        <translation>Tous les appareils</translation>
    </message>
    <message>
        <source>Conn. Type</source>
        <translation>Type conn.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>authorized</source>
        <translation>Cet appareil a déjà été connecté auparavant.</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>Cet appareil n'a encore jamais été connecté. Si la connexion échoue, vérifiez que les horloges de l'appareil et de cet ordinateur sont correctement réglées.</translation>
    </message>
    <message>
        <source>encrypt</source>
        <translation>Les communications avec cet appareil sont chiffrées.</translation>
    </message>
    <message>
        <source>unencrypted</source>
        <translation>Cet appareil ne prend pas en charge le chiffrement des communications.</translation>
    </message>
    <message>
        <source>usb</source>
        <translation>Connexion USB</translation>
    </message>
</context>
<context>
    <name>KvSearchCameraListWindow</name>
    <message>
        <source>CAMERA</source>
        <translation>APPAREIL</translation>
    </message>
    <message>
        <source>SearchCameraInformation</source>
        <translation>Sélectionnez l'appareil à connecter et cliquez sur le bouton [Démarrer].</translation>
    </message>
    <message>
        <source>StartMessage</source>
        <translation>Sélectionnez l'appareil à connecter et cliquez sur le bouton [Démarrer].</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
</context>
<context>
    <name>KvGridPopup</name>
    <message>
        <source>grid</source>
        <translation>Grille</translation>
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
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>cross line</source>
        <translation>Afficher les diagonales</translation>
    </message>
    <message>
        <source>horizon num</source>
        <translation>Nombre horizontal</translation>
    </message>
    <message>
        <source>vertical num</source>
        <translation>Nombre vertical</translation>
    </message>
    <message>
        <source>thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>KvGuideLinePopup</name>
    <message>
        <source>guideline</source>
        <translation>Ligne guide</translation>
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
        <translation>Horizontale 1</translation>
    </message>
    <message>
        <source>Holizon 2</source>
        <translation>Horizontale 2</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>KvOverlayPhotoPopup</name>
    <message>
        <source>Overlay</source>
        <translation>Superposition</translation>
    </message>
    <message>
        <source>Image File</source>
        <translation>Fichier image</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Please choose a file</source>
        <translation>Veuillez choisir un fichier</translation>
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
        <translation>Tous les fichiers (*.jpg *.RW2)</translation>
    </message>
    <message>
        <source>error_message_1</source>
        <translation>Impossible de lire le fichier. Vérifiez le fichier indiqué.</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Scaling(25 - 200%)</source>
        <translation>Échelle (25 - 200%)</translation>
    </message>
    <message>
        <source>Rotation(-180 - 180°)</source>
        <translation>Rotation (-180 - 180°)</translation>
    </message>
    <message>
        <source>Ratio(0 - 100%)</source>
        <translation>Transparence (0 - 100%)</translation>
    </message>
    <message>
        <source>Reset setting</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KvCustomColorDialog</name>
    <message>
        <source>Please choose a color</source>
        <translation>Veuillez choisir une couleur</translation>
    </message>
</context>
<context>
    <name>KvLiveViewComposite</name>
    <message>
        <source>Message-1</source>
        <translation>Réglez la vitesse d'obturation et la&lt;br /&gt;sensibilité ISO avant d'appuyer sur&lt;br /&gt;le déclencheur pour créer&lt;br /&gt;une image noire pour la&lt;br /&gt;réduction du bruit.</translation>
    </message>
    <message>
        <source>Message-2-1</source>
        <translation>Création de l'image noire pour la&lt;br /&gt;réduction du bruit.&lt;br /&gt;Veuillez patienter.</translation>
    </message>
    <message>
        <source>Message-2-2</source>
        <translation>La composition Live View démarre&lt;br /&gt;après l'appui sur le déclencheur.</translation>
    </message>
    <message>
        <source>Message-4</source>
        <translation>Traitement</translation>
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
        <translation>Opération de l'appareil en cours</translation>
    </message>
    <message>
        <source>getting update information from camera</source>
        <translation>Récupération des informations de mise à jour depuis l'appareil</translation>
    </message>
    <message>
        <source>The preview image of the camera cannot be displayed because streaming is being carried out.</source>
        <translation>L'image d'aperçu de l'appareil ne peut pas être affichée car un streaming est en cours.</translation>
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
        <translation>Réglage blanc</translation>
    </message>
    <message>
        <source>AF Area</source>
        <translation>Affich. zone AF</translation>
    </message>
    <message>
        <source>One-Shot AF</source>
        <translation>AF ponctuel</translation>
    </message>
    <message>
        <source>Level Indicator</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Guideline</source>
        <translation>Ligne guide</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Superposition</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramme</translation>
    </message>
    <message>
        <source>MF Zoom</source>
        <translation>Agrandissement</translation>
    </message>
    <message>
        <source>MF Adjust</source>
        <translation>Réglage MF</translation>
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
        <translation>Rotation LV</translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation>Qualité LV</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Format image</translation>
    </message>
    <message>
        <source>Monitor Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Please Change to Single View</source>
        <translation>Passez à l'affichage unique (1 écran) pour utiliser le menu.</translation>
    </message>
</context>
<context>
    <name>KvTransferFailureNotice</name>
    <message>
        <source>transfer_failed_intro</source>
        <translation>Ces photos n'ont pas été enregistrées sur l'ordinateur ; le dossier d'enregistrement n'en contient rien. La prise de vue continue ; vérifiez les appareils photo et le dossier d'enregistrement.</translation>
    </message>
    <message>
        <source>transfer_failed_line</source>
        <translation>%1 : %2 (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_line_camera</source>
        <translation>%1 : photo %2 sur l'appareil photo (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_no_name</source>
        <translation>une photo</translation>
    </message>
    <message>
        <source>transfer_failed_folder</source>
        <translation>impossible de créer le dossier d'enregistrement ou d'y écrire</translation>
    </message>
    <message>
        <source>transfer_failed_camera</source>
        <translation>l'appareil ne l'a pas transmise</translation>
    </message>
    <message>
        <source>transfer_failed_write</source>
        <translation>impossible de l'écrire : %1</translation>
    </message>
    <message>
        <source>transfer_failed_more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>transfer_failed_ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
