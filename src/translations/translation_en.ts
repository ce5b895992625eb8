<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>kavrotether::CustomDialog</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Completed.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Failed.</translation>
    </message>
    <message>
        <source>power_mode_change_warning</source>
        <translation>Even in Rozado Connect Mode, power is being consumed.&lt;br /&gt;&lt;br /&gt;Would you like to switch to Rozado Connect Mode?</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>After the firmware is updated successfully, the camera will be automatically restarted.&lt;br /&gt;&lt;br /&gt;Would you like to start updating the firmware?</translation>
    </message>
    <message>
        <source>No text specified!</source>
        <translation>No text specified!</translation>
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
        <translation>Configure the password.</translation>
    </message>
    <message>
        <source>Enter Password Message</source>
        <translation>Enter a password.</translation>
    </message>
    <message>
        <source>Camera Id</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Condition Info</source>
        <translation>Enter a password that meets the following requirements.</translation>
    </message>
    <message>
        <source>Number Character</source>
        <translation>Number of characters</translation>
    </message>
    <message>
        <source>NumberCharacter description</source>
        <translation>Between 8 and 31.</translation>
    </message>
    <message>
        <source>Character Type</source>
        <translation>Types of characters</translation>
    </message>
    <message>
        <source>CharacterType description</source>
        <translation>Upper-case and lower-case alphabetic characters, numerals</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Current password:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>New password (for confirmation):</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Display password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Message_Complete</source>
        <translation>Completed.</translation>
    </message>
    <message>
        <source>Message_Failed</source>
        <translation>Failed.</translation>
    </message>
    <message>
        <source>error_newpw_wrong_condition</source>
        <translation>Enter a new password that meets the following requirements.</translation>
    </message>
    <message>
        <source>error_pw_incorrect</source>
        <translation>The current password is not correct.&lt;br /&gt;&lt;br /&gt;Enter the correct password.</translation>
    </message>
    <message>
        <source>error_pw_different</source>
        <translation>The new password and the new password entered for confirmation do not match.&lt;br /&gt;&lt;br /&gt;Enter the correct password.</translation>
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
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_en.xml</translation>
    </message>
</context>
<context>
    <name>KvOptionComponentsProvider</name>
    <message>
        <source>AFM_1Point</source>
        <translation>1-Area</translation>
    </message>
    <message>
        <source>AFM_1PointAux</source>
        <translation>1-Area+</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Detection</source>
        <translation>1-Area+ Detection</translation>
    </message>
    <message>
        <source>AFM_1PointAux_FaceEye</source>
        <translation>1-Area+ (Face/Eye)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_Human</source>
        <translation>1-Area+ (Human)</translation>
    </message>
    <message>
        <source>AFM_1PointAux_HumanAnimal</source>
        <translation>1-Area+ (Human/Animal)</translation>
    </message>
    <message>
        <source>AFM_1Point_Detection</source>
        <translation>1-Area Detection</translation>
    </message>
    <message>
        <source>AFM_1Point_FaceEye</source>
        <translation>1-Area (Face/Eye)</translation>
    </message>
    <message>
        <source>AFM_1Point_Human</source>
        <translation>1-Area (Human)</translation>
    </message>
    <message>
        <source>AFM_1Point_HumanAnimal</source>
        <translation>1-Area (Human/Animal)</translation>
    </message>
    <message>
        <source>AFM_225Point</source>
        <translation>225-Area</translation>
    </message>
    <message>
        <source>AFM_AutoRe</source>
        <translation>Auto Detection</translation>
    </message>
    <message>
        <source>AFM_AutoRe_Human</source>
        <translation>Human Detection</translation>
    </message>
    <message>
        <source>AFM_AutoRe_HumanAnimal</source>
        <translation>Human/Animal Detection</translation>
    </message>
    <message>
        <source>AFM_Custom1</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <source>AFM_Custom2</source>
        <translation>Custom 2</translation>
    </message>
    <message>
        <source>AFM_Custom3</source>
        <translation>Custom 3</translation>
    </message>
    <message>
        <source>AFM_CustomC1</source>
        <translation>Custom Multi C1</translation>
    </message>
    <message>
        <source>AFM_CustomC2</source>
        <translation>Custom Multi C2</translation>
    </message>
    <message>
        <source>AFM_CustomC3</source>
        <translation>Custom Multi C3</translation>
    </message>
    <message>
        <source>AFM_CustomCenter</source>
        <translation>Custom Multi (Center)</translation>
    </message>
    <message>
        <source>AFM_CustomHorizon</source>
        <translation>Custom Multi (Horizontal)</translation>
    </message>
    <message>
        <source>AFM_CustomVertical</source>
        <translation>Custom Multi (Vertical)</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalBody</source>
        <translation>Animal Body</translation>
    </message>
    <message>
        <source>AFM_Detection_AnimalEyeBody</source>
        <translation>Animal Eye/Body</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Priority</source>
        <translation>Bicycle (Priority)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bicycle_Whole</source>
        <translation>Bicycle</translation>
    </message>
    <message>
        <source>AFM_Detection_Bike_Helmet</source>
        <translation>Motorcycle (Helmet)</translation>
    </message>
    <message>
        <source>AFM_Detection_Bike_Whole</source>
        <translation>Motorcycle</translation>
    </message>
    <message>
        <source>AFM_Detection_Car</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Priority</source>
        <translation>Car (Priority)</translation>
    </message>
    <message>
        <source>AFM_Detection_Car_Whole</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFace</source>
        <translation>Human Eye/Face</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanEyeFaceBody</source>
        <translation>Human Eye/Face/Body</translation>
    </message>
    <message>
        <source>AFM_Detection_HumanStreet</source>
        <translation>Human Street</translation>
    </message>
    <message>
        <source>AFM_Detection_Motorcycle</source>
        <translation>Motorcycle</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Aircraft</source>
        <translation>Airplane</translation>
    </message>
    <message>
        <source>AFM_Detection_Plane_Nose_Priority</source>
        <translation>Airplane (Nose)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Leading_Veh</source>
        <translation>Train (Leading Car)</translation>
    </message>
    <message>
        <source>AFM_Detection_Train_Priority</source>
        <translation>Train (Priority)</translation>
    </message>
    <message>
        <source>AFM_Ellipse</source>
        <translation>Zone (Oval)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Detection</source>
        <translation>Zone (Oval) Detection</translation>
    </message>
    <message>
        <source>AFM_Ellipse_FaceEye</source>
        <translation>Zone (Oval) (Face/Eye)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_Human</source>
        <translation>Zone (Oval) (Human)</translation>
    </message>
    <message>
        <source>AFM_Ellipse_HumanAnimal</source>
        <translation>Zone (Oval) (Human/Animal)</translation>
    </message>
    <message>
        <source>AFM_Face</source>
        <translation>Face/Eye Detection</translation>
    </message>
    <message>
        <source>AFM_FullArea</source>
        <translation>Full Area</translation>
    </message>
    <message>
        <source>AFM_FullArea_Detection</source>
        <translation>Full Area Detection</translation>
    </message>
    <message>
        <source>AFM_FullArea_FaceEye</source>
        <translation>Full Area (Face/Eye)</translation>
    </message>
    <message>
        <source>AFM_FullArea_Human</source>
        <translation>Full Area (Human)</translation>
    </message>
    <message>
        <source>AFM_FullArea_HumanAnimal</source>
        <translation>Full Area (Human/Animal)</translation>
    </message>
    <message>
        <source>AFM_Pinpoint</source>
        <translation>Pinpoint</translation>
    </message>
    <message>
        <source>AFM_Square</source>
        <translation>Zone (Square)</translation>
    </message>
    <message>
        <source>AFM_Tracking</source>
        <translation>Tracking</translation>
    </message>
    <message>
        <source>AFM_Tracking_Detection</source>
        <translation>Tracking Detection</translation>
    </message>
    <message>
        <source>AFM_Tracking_FaceEye</source>
        <translation>Tracking (Face/Eye)</translation>
    </message>
    <message>
        <source>AFM_Tracking_Human</source>
        <translation>Tracking (Human)</translation>
    </message>
    <message>
        <source>AFM_Tracking_HumanAnimal</source>
        <translation>Tracking (Human/Animal)</translation>
    </message>
    <message>
        <source>AFM_VertHori</source>
        <translation>Zone (Vertical/Horizontal)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Detection</source>
        <translation>Zone (Vertical/Horizontal) Detection</translation>
    </message>
    <message>
        <source>AFM_VertHori_FaceEye</source>
        <translation>Zone (Vertical/Horizontal) (Face/Eye)</translation>
    </message>
    <message>
        <source>AFM_VertHori_Human</source>
        <translation>Zone (Vertical/Horizontal) (Human)</translation>
    </message>
    <message>
        <source>AFM_VertHori_HumanAnimal</source>
        <translation>Zone (Vertical/Horizontal) (Human/Animal)</translation>
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
        <translation>Signal</translation>
    </message>
    <message>
        <source>BIFD_TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>BS_6K4K</source>
        <translation>6K/4K Burst</translation>
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
        <translation>Pre-burst SH1</translation>
    </message>
    <message>
        <source>BS_EleFastPre2</source>
        <translation>Pre-burst SH2</translation>
    </message>
    <message>
        <source>BS_EleFastPre20</source>
        <translation>Pre-burst SH 20 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre3</source>
        <translation>Pre-burst SH3</translation>
    </message>
    <message>
        <source>BS_EleFastPre30</source>
        <translation>Pre-burst SH 30 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre40</source>
        <translation>Pre-burst SH 40 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre60</source>
        <translation>Pre-burst SH 60 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre70</source>
        <translation>Pre-burst SH 70 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPre75</source>
        <translation>Pre-burst SH 75 fps</translation>
    </message>
    <message>
        <source>BS_EleFastPreSH</source>
        <translation>Pre-burst SH</translation>
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
        <translation>H with Live View</translation>
    </message>
    <message>
        <source>BS_HighSpeedPlus</source>
        <translation>H+</translation>
    </message>
    <message>
        <source>BS_HighSpeedPlusLiveView</source>
        <translation>H+ with Live View</translation>
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
        <translation>Creative Video</translation>
    </message>
    <message>
        <source>CreativeVideo-A</source>
        <translation>Creative Video A</translation>
    </message>
    <message>
        <source>CreativeVideo-M</source>
        <translation>Creative Video M</translation>
    </message>
    <message>
        <source>CreativeVideo-P</source>
        <translation>Creative Video P</translation>
    </message>
    <message>
        <source>CreativeVideo-S</source>
        <translation>Creative Video S</translation>
    </message>
    <message>
        <source>DM_4K6K</source>
        <translation>6K/4K Photo</translation>
    </message>
    <message>
        <source>DM_Bracket</source>
        <translation>Bracket</translation>
    </message>
    <message>
        <source>DM_Burst</source>
        <translation>Burst</translation>
    </message>
    <message>
        <source>DM_Burst1</source>
        <translation>Burst 1</translation>
    </message>
    <message>
        <source>DM_Burst2</source>
        <translation>Burst 2</translation>
    </message>
    <message>
        <source>DM_Focus</source>
        <translation>Post Focus</translation>
    </message>
    <message>
        <source>DM_HANDHELD_HRS</source>
        <translation>Handheld High Resolution</translation>
    </message>
    <message>
        <source>DM_HRS</source>
        <translation>High Resolution</translation>
    </message>
    <message>
        <source>DM_Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>DM_Komadori</source>
        <translation>Stop Motion</translation>
    </message>
    <message>
        <source>DM_SelfTimer</source>
        <translation>Self-timer</translation>
    </message>
    <message>
        <source>DM_Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Default Folder(Mac)</source>
        <translation>Pictures folder</translation>
    </message>
    <message>
        <source>Default Folder(Win)</source>
        <translation>Pictures folder</translation>
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
        <translation>Forced Flash OFF</translation>
    </message>
    <message>
        <source>FlshM_Forced</source>
        <translation>Forced Flash ON</translation>
    </message>
    <message>
        <source>FlshM_ForcedRedEye</source>
        <translation>Forced ON/Red-Eye Reduction</translation>
    </message>
    <message>
        <source>FlshM_SlowRedEye</source>
        <translation>Slow Sync./Red-Eye Reduction</translation>
    </message>
    <message>
        <source>FlshM_SlowSync</source>
        <translation>Slow Sync.</translation>
    </message>
    <message>
        <source>FlshS_Front</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>FlshS_Rear</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>FolNameType_Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>FolNameType_User</source>
        <translation>Prefix of your choice</translation>
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
        <translation>4K-Res.</translation>
    </message>
    <message>
        <source>HlgShootingType_8K</source>
        <translation>8K-Res.</translation>
    </message>
    <message>
        <source>HlgShootingType_Full</source>
        <translation>Full-Res.</translation>
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
        <translation>Combined</translation>
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
        <translation>Low</translation>
    </message>
    <message>
        <source>LvImgQ_Std</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>MM_Center</source>
        <translation>Center Weighted</translation>
    </message>
    <message>
        <source>MM_Highlight</source>
        <translation>Highlight Weighted</translation>
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
        <translation>4K 30p Burst</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_Burst_SS</source>
        <translation>4K 30p Burst (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_30p_PreBurst</source>
        <translation>4K 30p Pre-Burst</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst</source>
        <translation>4K 60p Burst</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_Burst_SS</source>
        <translation>4K 60p Burst (S/S)</translation>
    </message>
    <message>
        <source>PQQ_4K_60p_PreBurst</source>
        <translation>4K 60p Pre-Burst</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst</source>
        <translation>6K 30p Burst</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_Burst_SS</source>
        <translation>6K 30p Burst (S/S)</translation>
    </message>
    <message>
        <source>PQQ_6K_30p_PreBurst</source>
        <translation>6K 30p Pre-Burst</translation>
    </message>
    <message>
        <source>PS_Classic_Monochrome</source>
        <translation>Classic Monochrome</translation>
    </message>
    <message>
        <source>PS_Custom</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <source>PS_Custom2</source>
        <translation>Custom 2</translation>
    </message>
    <message>
        <source>PS_Custom3</source>
        <translation>Custom 3</translation>
    </message>
    <message>
        <source>PS_Custom4</source>
        <translation>Custom 4</translation>
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
        <translation>Flat</translation>
    </message>
    <message>
        <source>PS_HLG_For_Q_Series</source>
        <translation>HLG for Series</translation>
    </message>
    <message>
        <source>PS_HLG_FullRange</source>
        <translation>HLG Full Range</translation>
    </message>
    <message>
        <source>PS_HLG_Monochrome</source>
        <translation>HLG Monochrome</translation>
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
        <translation>Scenery</translation>
    </message>
    <message>
        <source>PS_Linear_Gamma</source>
        <translation>Linear Gamma</translation>
    </message>
    <message>
        <source>PS_Monochrome</source>
        <translation>Monochrome</translation>
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
        <translation>Real Time LUT</translation>
    </message>
    <message>
        <source>PS_Remote_Camera_RZ300</source>
        <translation>Remote Camera</translation>
    </message>
    <message>
        <source>PS_Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>PS_Vivid</source>
        <translation>Vivid</translation>
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
        <translation>Aperture Priority</translation>
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
        <translation>Bleach Bypass</translation>
    </message>
    <message>
        <source>RM_CC_CrossFilter</source>
        <translation>Star Filter</translation>
    </message>
    <message>
        <source>RM_CC_CrossProcess</source>
        <translation>Cross Process</translation>
    </message>
    <message>
        <source>RM_CC_Diorama</source>
        <translation>Miniature Effect</translation>
    </message>
    <message>
        <source>RM_CC_DynamicMonochrome</source>
        <translation>Dynamic Monochrome</translation>
    </message>
    <message>
        <source>RM_CC_Fantasy</source>
        <translation>Fantasy</translation>
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
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>RM_CC_OldDays</source>
        <translation>Old Days</translation>
    </message>
    <message>
        <source>RM_CC_OnePointColor</source>
        <translation>One Point Color</translation>
    </message>
    <message>
        <source>RM_CC_Pop</source>
        <translation>Expressive</translation>
    </message>
    <message>
        <source>RM_CC_Retro</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>RM_CC_RoughMonochrome</source>
        <translation>Rough Monochrome</translation>
    </message>
    <message>
        <source>RM_CC_Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>RM_CC_SilkyMonochrome</source>
        <translation>Silky Monochrome</translation>
    </message>
    <message>
        <source>RM_CC_SoftFocus</source>
        <translation>Soft Focus</translation>
    </message>
    <message>
        <source>RM_CC_Sunshine</source>
        <translation>Sunshine</translation>
    </message>
    <message>
        <source>RM_CC_ToyPhoto</source>
        <translation>Toy Effect</translation>
    </message>
    <message>
        <source>RM_CC_ToyPop</source>
        <translation>Toy Pop</translation>
    </message>
    <message>
        <source>RM_CreativeControl</source>
        <translation>Creative Control</translation>
    </message>
    <message>
        <source>RM_Custom1</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <source>RM_Custom10</source>
        <translation>Custom 10</translation>
    </message>
    <message>
        <source>RM_Custom11</source>
        <translation>Custom 11</translation>
    </message>
    <message>
        <source>RM_Custom12</source>
        <translation>Custom 12</translation>
    </message>
    <message>
        <source>RM_Custom2</source>
        <translation>Custom 2</translation>
    </message>
    <message>
        <source>RM_Custom3</source>
        <translation>Custom 3</translation>
    </message>
    <message>
        <source>RM_Custom4</source>
        <translation>Custom 4</translation>
    </message>
    <message>
        <source>RM_Custom5</source>
        <translation>Custom 5</translation>
    </message>
    <message>
        <source>RM_Custom6</source>
        <translation>Custom 6</translation>
    </message>
    <message>
        <source>RM_Custom7</source>
        <translation>Custom 7</translation>
    </message>
    <message>
        <source>RM_Custom8</source>
        <translation>Custom 8</translation>
    </message>
    <message>
        <source>RM_Custom9</source>
        <translation>Custom 9</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAuto</source>
        <translation>Intelligent Auto</translation>
    </message>
    <message>
        <source>RM_IA_IntelligentAutoPlus</source>
        <translation>Intelligent Auto Plus</translation>
    </message>
    <message>
        <source>RM_IntelligentAuto</source>
        <translation>Intelligent Auto</translation>
    </message>
    <message>
        <source>RM_ManualExposure</source>
        <translation>Manual Exposure</translation>
    </message>
    <message>
        <source>RM_ProgramAE</source>
        <translation>Program AE</translation>
    </message>
    <message>
        <source>RM_SG_AgainstHard</source>
        <translation>Clear in Backlight</translation>
    </message>
    <message>
        <source>RM_SG_AgainstSoft</source>
        <translation>Backlit Softness</translation>
    </message>
    <message>
        <source>RM_SG_Beautiful</source>
        <translation>Clear Portrait</translation>
    </message>
    <message>
        <source>RM_SG_BlueSkyCool</source>
        <translation>Bright Blue Sky</translation>
    </message>
    <message>
        <source>RM_SG_ChildrenCute</source>
        <translation>Sweet Child's Face</translation>
    </message>
    <message>
        <source>RM_SG_Delicious</source>
        <translation>Appetizing Food</translation>
    </message>
    <message>
        <source>RM_SG_FantasticSunset</source>
        <translation>Romantic Sunset Glow</translation>
    </message>
    <message>
        <source>RM_SG_Flower</source>
        <translation>Soft Image of a Flower</translation>
    </message>
    <message>
        <source>RM_SG_Heartwarming</source>
        <translation>Relaxing Tone</translation>
    </message>
    <message>
        <source>RM_SG_Illumination</source>
        <translation>Glittering Illuminations</translation>
    </message>
    <message>
        <source>RM_SG_ImpressiveSunset</source>
        <translation>Vivid Sunset Glow</translation>
    </message>
    <message>
        <source>RM_SG_Landscape</source>
        <translation>Distinct Scenery</translation>
    </message>
    <message>
        <source>RM_SG_Monochrome</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>RM_SG_NightArtistic</source>
        <translation>Artistic Nightscape</translation>
    </message>
    <message>
        <source>RM_SG_NightBack</source>
        <translation>Clear Night Portrait</translation>
    </message>
    <message>
        <source>RM_SG_NightBeatiful</source>
        <translation>Clear Nightscape</translation>
    </message>
    <message>
        <source>RM_SG_NightCool</source>
        <translation>Cool Night Sky</translation>
    </message>
    <message>
        <source>RM_SG_NightHand</source>
        <translation>Handheld Night Shot</translation>
    </message>
    <message>
        <source>RM_SG_NightWarm</source>
        <translation>Warm Glowing Nightscape</translation>
    </message>
    <message>
        <source>RM_SG_Pet</source>
        <translation>Freeze Animal Motion</translation>
    </message>
    <message>
        <source>RM_SG_SkinBeautiful</source>
        <translation>Silky Skin</translation>
    </message>
    <message>
        <source>RM_SG_SparklingWater</source>
        <translation>Glistening Water</translation>
    </message>
    <message>
        <source>RM_SG_Sports</source>
        <translation>Clear Sports Shot</translation>
    </message>
    <message>
        <source>RM_SG_Sweets</source>
        <translation>Cute Dessert</translation>
    </message>
    <message>
        <source>RM_ShutterPriorityAE</source>
        <translation>Shutter Priority</translation>
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
        <translation>Exposure and Shutter</translation>
    </message>
    <message>
        <source>RecPreviw_Expousure</source>
        <translation>Exposure</translation>
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
        <translation>10 s, 3 pictures</translation>
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
        <translation>Custom</translation>
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
        <translation>Folder of your choice</translation>
    </message>
    <message>
        <source>StoLocType_Pc</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>StoLocType_SdCard</source>
        <translation>Memory card</translation>
    </message>
    <message>
        <source>StoLocType_SdCardPc</source>
        <translation>Memory card + PC</translation>
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
        <translation>Cloudy</translation>
    </message>
    <message>
        <source>WB_Daylight</source>
        <translation>Daylight</translation>
    </message>
    <message>
        <source>WB_Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>WB_K_Set</source>
        <translation>Color Temp. 1</translation>
    </message>
    <message>
        <source>WB_K_Set2</source>
        <translation>Color Temp. 2</translation>
    </message>
    <message>
        <source>WB_K_Set3</source>
        <translation>Color Temp. 3</translation>
    </message>
    <message>
        <source>WB_K_Set4</source>
        <translation>Color Temp. 4</translation>
    </message>
    <message>
        <source>WB_Keep</source>
        <translation>White Set 1</translation>
    </message>
    <message>
        <source>WB_Keep2</source>
        <translation>White Set 2</translation>
    </message>
    <message>
        <source>WB_Keep3</source>
        <translation>White Set 3</translation>
    </message>
    <message>
        <source>WB_Keep4</source>
        <translation>White Set 4</translation>
    </message>
    <message>
        <source>WB_Shade</source>
        <translation>Shade</translation>
    </message>
    <message>
        <source>WB_Tengsten</source>
        <translation>Incandescent</translation>
    </message>
    <message>
        <source>WirCP_High</source>
        <translation>HIGH</translation>
    </message>
    <message>
        <source>WirCP_Low</source>
        <translation>LOW</translation>
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
        <translation>Creative Control</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Shooting Mode</translation>
    </message>
</context>
<context>
    <name>KvMainPSComponentsProvider</name>
    <message>
        <source>PSC_BasePhotoStyle</source>
        <translation>Base Photo Style</translation>
    </message>
    <message>
        <source>PSC_ChromaPhase</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>PSC_ColorTone</source>
        <translation>Color Tone</translation>
    </message>
    <message>
        <source>PSC_Contrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>PSC_Density</source>
        <translation>LUT Density</translation>
    </message>
    <message>
        <source>PSC_Density1</source>
        <translation>LUT1 Density</translation>
    </message>
    <message>
        <source>PSC_Density2</source>
        <translation>LUT2 Density</translation>
    </message>
    <message>
        <source>PSC_DualISO</source>
        <translation>Dual Native ISO</translation>
    </message>
    <message>
        <source>PSC_Filter</source>
        <translation>Filter Effect</translation>
    </message>
    <message>
        <source>PSC_GainSetting</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>PSC_Grain</source>
        <translation>Grain Effect</translation>
    </message>
    <message>
        <source>PSC_Grain_Color</source>
        <translation>Color Noise</translation>
    </message>
    <message>
        <source>PSC_HighLight</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>PSC_ISO</source>
        <translation>ISO Sensitivity</translation>
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
        <translation>LUT Base Photo Style</translation>
    </message>
    <message>
        <source>PSC_NoiseReduct</source>
        <translation>Noise Reduction</translation>
    </message>
    <message>
        <source>PSC_Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>PSC_Shadow</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>PSC_Sharpness</source>
        <translation>Sharpness</translation>
    </message>
    <message>
        <source>PSC_WB</source>
        <translation>White Balance</translation>
    </message>
    <message>
        <source>PD_Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>PD_High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>PD_Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>PF_Green</source>
        <translation>Green</translation>
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
        <translation>Red</translation>
    </message>
    <message>
        <source>PF_Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>PG_High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>PG_Low</source>
        <translation>Low</translation>
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
        <translation>Photo Style</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Cancel</translation>
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
        <translation>Reset</translation>
    </message>
    <message>
        <source>WB Adjust</source>
        <translation>WB Adjust.</translation>
    </message>
</context>
<context>
    <name>KvCCPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>KvOptionDriveModeButton</name>
    <message>
        <source>4K6K</source>
        <translation>6K/4K Photo</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Burst</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Drive Mode</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Post Focus</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Self-timer</translation>
    </message>
</context>
<context>
    <name>KvPreferenceWindow</name>
    <message>
        <source>Preference</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Storage Location</translation>
    </message>
    <message>
        <source>Storage Folder</source>
        <translation>Import Folder</translation>
    </message>
    <message>
        <source>Storage Folder URL Placeholder</source>
        <translation>Select the folder.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Choose Storage Location</source>
        <translation>Choose the storage location</translation>
    </message>
    <message>
        <source>Storage Folder Date</source>
        <translation>Automatically create subfolders by date</translation>
    </message>
    <message>
        <source>Storage Folder Camera</source>
        <translation>Create a subfolder for each camera</translation>
    </message>
    <message>
        <source>Captured File Name</source>
        <translation>Import File Name</translation>
    </message>
    <message>
        <source>Captured File Prefix Character</source>
        <translation>Prefix:</translation>
    </message>
    <message>
        <source>Captured File Start Number</source>
        <translation>Start Number:</translation>
    </message>
    <message>
        <source>Store File Name Camera</source>
        <translation>Add the camera name to the file name</translation>
    </message>
    <message>
        <source>RAW TRANSFER</source>
        <translation>RAW file transfer</translation>
    </message>
    <message>
        <source>HLG SHOOTING</source>
        <translation>HLG Photo</translation>
    </message>
    <message>
        <source>HLG Transfer</source>
        <translation>HLG file transfer</translation>
    </message>
    <message>
        <source>Auto Display Review Images</source>
        <translation>Automatically display review image</translation>
    </message>
    <message>
        <source>Update F/W</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Camera Setting</source>
        <translation>Camera Setting</translation>
    </message>
    <message>
        <source>Camera_setting_save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Camera_setting_restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Camera P/W</source>
        <translation>Camera password</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Version Check at Startup</source>
        <translation>Check for application update at startup</translation>
    </message>
    <message>
        <source>Show Trans Confirm Dialog</source>
        <translation>Confirm before transferring</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>storage_folder_invalid</source>
        <translation>The import folder cannot be used.&lt;br /&gt;&lt;br /&gt;Enter a full path (beginning with "/") to a folder you may write to, or to a new folder that can be created there.</translation>
    </message>
    <message>
        <source>file_prefix_invalid</source>
        <translation>Enter a prefix of 1 to 20 characters without \ / : * ? " &lt; &gt; |.</translation>
    </message>
    <message>
        <source>start_number_invalid</source>
        <translation>Enter a start number from 1 to 9999.</translation>
    </message>
    <message>
        <source>title_message</source>
        <translation>Updating the firmware</translation>
    </message>
    <message>
        <source>fwup_message_1</source>
        <translation>(Time Elapsed </translation>
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
        <translation>      All Cameras</translation>
    </message>
</context>
<context>
    <name>KvPreferenceAgreementPopup</name>
    <message>
        <source>agreement_title_startup</source>
        <translation>Help us improve KAVRO Rozado</translation>
    </message>
    <message>
        <source>agreement_title</source>
        <translation>Usage data</translation>
    </message>
    <message>
        <source>agreement_content</source>
        <translation>May KAVRO Rozado record how it is used and send this record to help improve the program? Pictures and personal data are never included.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KvMainObject</name>
    <message>
        <source>Internal error.</source>
        <translation>An internal error occurred.</translation>
    </message>
    <message>
        <source>Connect error_msg1</source>
        <translation>Failed to connect to the camera.</translation>
    </message>
    <message>
        <source>Connect error_msg2</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Connect error_msg3</source>
        <translation>Error code</translation>
    </message>
    <message>
        <source>Connect error_msg4</source>
        <translation>Please check that the clocks on your computer and camera are set correctly.</translation>
    </message>
    <message>
        <source>Connect error_msg4_1</source>
        <translation>1. Check the time zone.</translation>
    </message>
    <message>
        <source>Connect error_msg4_2</source>
        <translation>2. Check the daylight saving time.</translation>
    </message>
    <message>
        <source>Connect error_msg4_3</source>
        <translation>3. Check the clock.</translation>
    </message>
    <message>
        <source>storage_folder_replaced</source>
        <translation>The import folder in the settings file cannot be used:
%1
Pictures are imported into the Pictures folder until it can be used again at a later start, or until you choose an import folder in Setting.</translation>
    </message>
    <message>
        <source>version_page_not_opened</source>
        <translation>The update page could not be opened. Its address is not a web page address, or no web browser is available.</translation>
    </message>
</context>
<context>
    <name>KvConnectWindow</name>
    <message>
        <source>Please connect to device</source>
        <translation>Connect KAVRO to the PC.</translation>
    </message>
    <message>
        <source>connecting ...</source>
        <translation>KAVRO is connected to the PC.</translation>
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
        <translation> update program has been opened.</translation>
    </message>
    <message>
        <source>now_version_top</source>
        <translation>Current Version: </translation>
    </message>
    <message>
        <source>now_version_bottom</source>
        <translation> </translation>
    </message>
    <message>
        <source>new_version_top</source>
        <translation>Latest Version: </translation>
    </message>
    <message>
        <source>new_version_sep1</source>
        <translation>.</translation>
    </message>
    <message>
        <source>open_web_page1</source>
        <translation>Would you like to close the application</translation>
    </message>
    <message>
        <source>open_web_page2</source>
        <translation>and immediately open the download page?</translation>
    </message>
    <message>
        <source>Yes_Button</source>
        <translation>Yes</translation>
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
        <translation>Firing Mode</translation>
    </message>
    <message>
        <source>Flash Mode</source>
        <translation>Flash Mode</translation>
    </message>
    <message>
        <source>Flash Sync</source>
        <translation>Flash Synchro</translation>
    </message>
    <message>
        <source>Exposure Link</source>
        <translation>Auto Exposure&lt;br /&gt; Comp.</translation>
    </message>
    <message>
        <source>Flash Intensity Setting</source>
        <translation>Flash Adjust.</translation>
    </message>
    <message>
        <source>Manual Flash Emission Setting</source>
        <translation>Manual Flash Adjust.</translation>
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
        <translation>Wireless Channel</translation>
    </message>
    <message>
        <source>Wireless FP</source>
        <translation>Wireless FP</translation>
    </message>
    <message>
        <source>Wireless Light Intensity</source>
        <translation>Communication&lt;br /&gt; Light</translation>
    </message>
    <message>
        <source>Built-in Flash</source>
        <translation>External Flash</translation>
    </message>
    <message>
        <source>A Group</source>
        <translation>A Group</translation>
    </message>
    <message>
        <source>B Group</source>
        <translation>B Group</translation>
    </message>
    <message>
        <source>C Group</source>
        <translation>C Group</translation>
    </message>
    <message>
        <source>Test Emission</source>
        <translation>Test Flash</translation>
    </message>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Flash Adjust.</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Manual Flash Adjust.</translation>
    </message>
</context>
<context>
    <name>KvFlashComponentsProvider</name>
    <message>
        <source>Flash Light Adjustment</source>
        <translation>Flash Adjust.</translation>
    </message>
    <message>
        <source>Flash Light Manual</source>
        <translation>Manual Flash Adjust.</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KvMainMQComponentsProvider</name>
    <message>
        <source>MQD_ALL</source>
        <translation>ANY</translation>
    </message>
    <message>
        <source>MQD_IMPOSSIBLE</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MQD_POSSIBLE</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>MQD_HDMI_ONLY_POSSIBLE</source>
        <translation>Available only HDMI</translation>
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
        <translation>Motion Pic. Rec Quality</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Filtering</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Resolution</translation>
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
        <translation>Filtering Options</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Results: **</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frame Rate</translation>
    </message>
    <message>
        <source>Number of pixels</source>
        <translation>Resolution</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KvTransferController</name>
    <message>
        <source>confirm_message_1</source>
        <translation>Operation from a PC cannot be performed during transfer.</translation>
    </message>
    <message>
        <source>confirm_message_2</source>
        <translation>Would you like to import the video you shot to the PC?</translation>
    </message>
    <message>
        <source>confirm_message_3</source>
        <translation>Size: </translation>
    </message>
    <message>
        <source>confirm_message_4</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>confirm_message_5</source>
        <translation>(Importing may take time to complete)</translation>
    </message>
    <message>
        <source>confirm_message_6</source>
        <translation>If "No" is selected, you must copy the video from the memory card.</translation>
    </message>
    <message>
        <source>confirm_message_7</source>
        <translation>Importing</translation>
    </message>
    <message>
        <source>confirm_message_8</source>
        <translation>(Time Elapsed </translation>
    </message>
    <message>
        <source>confirm_message_9</source>
        <translation>)</translation>
    </message>
    <message>
        <source>confirm_message_10</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>confirm_message_11</source>
        <translation>Are you sure you would like to cancel import?</translation>
    </message>
    <message>
        <source>confirm_message_12</source>
        <translation>To copy your video to a PC,</translation>
    </message>
    <message>
        <source>confirm_message_13</source>
        <translation>you must copy from the memory card.</translation>
    </message>
    <message>
        <source>confirm_message_15</source>
        <translation>Would you like to import the 6K/4K photo you shot?</translation>
    </message>
    <message>
        <source>confirm_message_16</source>
        <translation>Number of photos transferred: </translation>
    </message>
    <message>
        <source>confirm_message_17</source>
        <translation> </translation>
    </message>
    <message>
        <source>confirm_message_18</source>
        <translation>(Importing may take time to complete)</translation>
    </message>
    <message>
        <source>confirm_message_19</source>
        <translation>If "No" is selected, you must crop on the camera then copy from the memory card.</translation>
    </message>
    <message>
        <source>confirm_message_20</source>
        <translation>To copy your 6K/4K photo to a PC,</translation>
    </message>
    <message>
        <source>confirm_message_21</source>
        <translation>you must crop the photo on the camera then copy the photo from the memory card.</translation>
    </message>
    <message>
        <source>confirm_message_22</source>
        <translation>Number of files: </translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>Failed to copy the file.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Operation Guide</translation>
    </message>
    <message>
        <source>LV</source>
        <translation>LV</translation>
    </message>
    <message>
        <source>CAMERA</source>
        <translation>CAMERA</translation>
    </message>
    <message>
        <source>ShootingMode</source>
        <translation>Rec Mode</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Aperture</translation>
    </message>
    <message>
        <source>SS</source>
        <translation>Shutter Speed</translation>
    </message>
    <message>
        <source>Drive Mode</source>
        <translation>Drive Mode</translation>
    </message>
    <message>
        <source>WB</source>
        <translation>White Balance</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposure Comp.</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Picture Size</translation>
    </message>
    <message>
        <source>Picture Quality</source>
        <translation>Picture Quality</translation>
    </message>
    <message>
        <source>Motion Picture Quality</source>
        <translation>Movie Quality</translation>
    </message>
    <message>
        <source>Focus Mode</source>
        <translation>Focus Mode</translation>
    </message>
    <message>
        <source>AF Mode</source>
        <translation>AF Mode</translation>
    </message>
    <message>
        <source>Photo Style</source>
        <translation>Photo Style</translation>
    </message>
    <message>
        <source>Metering Mode</source>
        <translation>Metering Mode</translation>
    </message>
    <message>
        <source>WB Color Temp.</source>
        <translation>WB Color Temp.</translation>
    </message>
    <message>
        <source>WB Tuning</source>
        <translation>WB Adjust.</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>CreativeControl</source>
        <translation>Creative Control</translation>
    </message>
    <message>
        <source>CreativeVideo</source>
        <translation>Creative Video</translation>
    </message>
    <message>
        <source>IntelligentAuto</source>
        <translation>Intelligent Auto</translation>
    </message>
    <message>
        <source>Custom3</source>
        <translation>Custom 3</translation>
    </message>
    <message>
        <source>Custom4</source>
        <translation>Custom 4</translation>
    </message>
    <message>
        <source>Custom5</source>
        <translation>Custom 5</translation>
    </message>
    <message>
        <source>SQMotion</source>
        <translation>S&amp;Q Motion</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Movie</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Burst</translation>
    </message>
    <message>
        <source>Burst1</source>
        <translation>Burst 1</translation>
    </message>
    <message>
        <source>SelfTimer</source>
        <translation>Self Timer</translation>
    </message>
    <message>
        <source>4K6K</source>
        <translation>6K/4K Photo</translation>
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
        <translation>Operation cannot currently be performed.</translation>
    </message>
    <message>
        <source>wb_error_message</source>
        <translation>White set failed!!</translation>
    </message>
    <message>
        <source>sd_error_message_1</source>
        <translation>No memory card</translation>
    </message>
    <message>
        <source>sd_error_message_2</source>
        <translation>Memory card is write protected</translation>
    </message>
    <message>
        <source>sd_error_message_3</source>
        <translation>Memory Card Error</translation>
    </message>
    <message>
        <source>sd_error_message_4</source>
        <translation>Memory card full</translation>
    </message>
    <message>
        <source>confirm_message_14</source>
        <translation>Change your video to a file format other than AVCHD.</translation>
    </message>
    <message>
        <source>Failed to copy the file.</source>
        <translation>Failed to copy the file.</translation>
    </message>
    <message>
        <source>Error Info</source>
        <translation>An error has occurred in the camera.</translation>
    </message>
    <message>
        <source>Error Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Error Date-time</source>
        <translation>Error date and time</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Error code</translation>
    </message>
    <message>
        <source>Error Content</source>
        <translation>Error content</translation>
    </message>
    <message>
        <source>ERR-9</source>
        <translation>Lens error&lt;br /&gt;Please check the lens</translation>
    </message>
    <message>
        <source>ERR-11</source>
        <translation>Card error&lt;br /&gt;Please check the card</translation>
    </message>
    <message>
        <source>ERR-12</source>
        <translation>Write Error&lt;br /&gt;Please check the card</translation>
    </message>
    <message>
        <source>ERR-14</source>
        <translation>Memory card full</translation>
    </message>
    <message>
        <source>ERR-16</source>
        <translation>Read Error&lt;br /&gt;Please check the card</translation>
    </message>
    <message>
        <source>ERR-56</source>
        <translation>Temperature is high&lt;br /&gt;Please wait for the camera to cool down</translation>
    </message>
    <message>
        <source>ERR-70</source>
        <translation>Battery cannot be used</translation>
    </message>
    <message>
        <source>ERR-104</source>
        <translation>Card error&lt;br /&gt;Please format the card in the camera</translation>
    </message>
    <message>
        <source>ERR-107</source>
        <translation>Camera error 107&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-108</source>
        <translation>Camera error 108&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-129</source>
        <translation>Camera error 129&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-130</source>
        <translation>Camera error 130&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-186</source>
        <translation>Camera error 186&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-188</source>
        <translation>Camera error 188&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-369</source>
        <translation>Camera error 369&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-378</source>
        <translation>Camera error 378&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-387</source>
        <translation>Camera error 387&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-388</source>
        <translation>Camera error 388&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-389</source>
        <translation>Camera error 389&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-390</source>
        <translation>Camera error 390&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-396</source>
        <translation>Camera error 396&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-397</source>
        <translation>The maximum recording time&lt;br /&gt;of 12 hours has elapsed.&lt;br /&gt;Recording has stopped.</translation>
    </message>
    <message>
        <source>ERR-461</source>
        <translation>Camera error 461&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-463</source>
        <translation>Camera error 463&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-464</source>
        <translation>Camera error 464&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-466</source>
        <translation>Camera error 466&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-467</source>
        <translation>Camera error 467&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-468</source>
        <translation>Camera error 468&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-469</source>
        <translation>Camera error 469&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-470</source>
        <translation>Camera error 470&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-471</source>
        <translation>Camera error 471&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-472</source>
        <translation>Camera error 472&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-486</source>
        <translation>Camera error 486&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-487</source>
        <translation>Camera error 487&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-488</source>
        <translation>Camera error 488&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-499</source>
        <translation>Camera error 499&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-500</source>
        <translation>Camera error 500&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-527</source>
        <translation>Camera error 527&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-529</source>
        <translation>Camera error 529&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-588</source>
        <translation>Camera error 588&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-598</source>
        <translation>Camera error 598&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-610</source>
        <translation>Camera error 610&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-611</source>
        <translation>Camera error 611&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-612</source>
        <translation>Camera error 612&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-613</source>
        <translation>Camera error 613&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-614</source>
        <translation>Camera error 614&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-615</source>
        <translation>Camera error 615&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-617</source>
        <translation>Camera error 617&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-618</source>
        <translation>Camera error 618&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-621</source>
        <translation>Camera error 621&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-622</source>
        <translation>Camera error 622&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-624</source>
        <translation>Camera error 624&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-625</source>
        <translation>Camera error 625&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-626</source>
        <translation>Streaming function is ON.&lt;br /&gt;Remote recording only.</translation>
    </message>
    <message>
        <source>ERR-629</source>
        <translation>Camera error 629&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-630</source>
        <translation>Camera error 630&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-631</source>
        <translation>Camera error 631&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-632</source>
        <translation>Camera error 632&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-633</source>
        <translation>Camera error 633&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-634</source>
        <translation>Camera error 634&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-635</source>
        <translation>Camera error 635&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-636</source>
        <translation>Camera error 636&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-639</source>
        <translation>Camera error 639&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-640</source>
        <translation>Camera error 640&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-641</source>
        <translation>Camera error 641&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-644</source>
        <translation>Camera error 644&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-646</source>
        <translation>Camera error 646&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-647</source>
        <translation>Camera error 647&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-649</source>
        <translation>Camera error 649&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-650</source>
        <translation>Camera error 650&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-652</source>
        <translation>Camera error 652&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-655</source>
        <translation>Camera error 655&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-656</source>
        <translation>Camera error 656&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-660</source>
        <translation>Camera error 660&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-661</source>
        <translation>Camera error 661&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-662</source>
        <translation>Camera error 662&lt;br /&gt;Please check the camera</translation>
    </message>
    <message>
        <source>ERR-663</source>
        <translation>Camera error 663&lt;br /&gt;Please check the camera</translation>
    </message>
</context>
<context>
    <name>KvPreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>KvCameraListButton2</name>
    <message>
        <source>All Cameras</source>
        <translation>All Cameras</translation>
    </message>
</context>
<context>
    <name>KvCameraListWindow2</name>
    <message>
        <source>CAMERA</source>
        <translation>CAMERA</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
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
        <translation>Status</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>All Cameras</source>
        <translation>All Cameras</translation>
    </message>
    <message>
        <source>Conn. Type</source>
        <translation>Conn. Type</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>authorized</source>
        <translation>This camera has been connected in the past.</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>This camera has not been connected before. If it cannot be connected, check that the clocks of the camera and this computer are set correctly.</translation>
    </message>
    <message>
        <source>encrypt</source>
        <translation>The communication content of this camera is encrypted.</translation>
    </message>
    <message>
        <source>unencrypted</source>
        <translation>This camera does not support encryption of communication content.</translation>
    </message>
    <message>
        <source>usb</source>
        <translation>USB connection</translation>
    </message>
</context>
<context>
    <name>KvSearchCameraListWindow</name>
    <message>
        <source>CAMERA</source>
        <translation>CAMERA</translation>
    </message>
    <message>
        <source>SearchCameraInformation</source>
        <translation>Select the camera you want to connect and click the [Start] button.</translation>
    </message>
    <message>
        <source>StartMessage</source>
        <translation>Select the camera you want to connect and click the [Start] button.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>KvGridPopup</name>
    <message>
        <source>grid</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>3x3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>2x2</source>
        <translation>2 x 2 + Diagonal Lines</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Customize</translation>
    </message>
    <message>
        <source>cross line</source>
        <translation>Display Diagonal Lines</translation>
    </message>
    <message>
        <source>horizon num</source>
        <translation>Horizontal Number</translation>
    </message>
    <message>
        <source>vertical num</source>
        <translation>Vertical Number</translation>
    </message>
    <message>
        <source>thickness</source>
        <translation>Thickness</translation>
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
        <translation>Guide Line</translation>
    </message>
    <message>
        <source>Vertical 1</source>
        <translation>Vertical Direction 1</translation>
    </message>
    <message>
        <source>Vertical 2</source>
        <translation>Vertical Direction 2</translation>
    </message>
    <message>
        <source>Holizon 1</source>
        <translation>Horizontal Direction 1</translation>
    </message>
    <message>
        <source>Holizon 2</source>
        <translation>Horizontal Direction 2</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Thickness</translation>
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
        <translation>Sheer Overlay</translation>
    </message>
    <message>
        <source>Image File</source>
        <translation>Image File</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Select a file</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Please choose a file</source>
        <translation>Please choose a file</translation>
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
        <translation>All Files (*.jpg *.RW2)</translation>
    </message>
    <message>
        <source>error_message_1</source>
        <translation>Failed to read the file. Check the specified file.</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Scaling(25 - 200%)</source>
        <translation>Scaling (25 - 200%)</translation>
    </message>
    <message>
        <source>Rotation(-180 - 180°)</source>
        <translation>Rotation (-180 - 180°)</translation>
    </message>
    <message>
        <source>Ratio(0 - 100%)</source>
        <translation>Transparency (0 - 100%)</translation>
    </message>
    <message>
        <source>Reset setting</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KvCustomColorDialog</name>
    <message>
        <source>Please choose a color</source>
        <translation>Please choose a color</translation>
    </message>
</context>
<context>
    <name>KvLiveViewComposite</name>
    <message>
        <source>Message-1</source>
        <translation>Set the shutter speed and ISO&lt;br /&gt;sensitivity before pressing&lt;br /&gt;the shutter button to create&lt;br /&gt;a black frame image for&lt;br /&gt;Noise Reduction.</translation>
    </message>
    <message>
        <source>Message-2-1</source>
        <translation>Creating black frame image for&lt;br /&gt;Noise Reduction.&lt;br /&gt;Please wait.</translation>
    </message>
    <message>
        <source>Message-2-2</source>
        <translation>Live View Composite starts&lt;br /&gt;after shutter button is pressed.</translation>
    </message>
    <message>
        <source>Message-4</source>
        <translation>Processing</translation>
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
        <translation>Carrying out Camera Operation</translation>
    </message>
    <message>
        <source>getting update information from camera</source>
        <translation>Getting update information from the camera</translation>
    </message>
    <message>
        <source>The preview image of the camera cannot be displayed because streaming is being carried out.</source>
        <translation>The preview image of the camera cannot be displayed because streaming is being carried out.</translation>
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
        <translation>White Set</translation>
    </message>
    <message>
        <source>AF Area</source>
        <translation>AF Area Display</translation>
    </message>
    <message>
        <source>One-Shot AF</source>
        <translation>1 Shot AF</translation>
    </message>
    <message>
        <source>Level Indicator</source>
        <translation>Level Gauge</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Guideline</source>
        <translation>Guide Line</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Sheer Overlay</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>MF Zoom</source>
        <translation>Zoom In Scale</translation>
    </message>
    <message>
        <source>MF Adjust</source>
        <translation>MF Adjust.</translation>
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
        <translation>Live View Rotate</translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation>Live View Quality</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Aspect Ratio</translation>
    </message>
    <message>
        <source>Monitor Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Please Change to Single View</source>
        <translation>Switch to single display (1 screen) when operating the menu.</translation>
    </message>
</context>
<context>
    <name>KvTransferFailureNotice</name>
    <message>
        <source>transfer_failed_intro</source>
        <translation>These pictures were not saved on the computer: the storage folder holds no part of them. Shooting goes on; check the cameras and the storage folder.</translation>
    </message>
    <message>
        <source>transfer_failed_line</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_line_camera</source>
        <translation>%1: picture %2 on the camera (%3)</translation>
    </message>
    <message>
        <source>transfer_failed_no_name</source>
        <translation>a picture</translation>
    </message>
    <message>
        <source>transfer_failed_folder</source>
        <translation>the storage folder cannot be created or written to</translation>
    </message>
    <message>
        <source>transfer_failed_camera</source>
        <translation>the camera did not deliver it</translation>
    </message>
    <message>
        <source>transfer_failed_write</source>
        <translation>it could not be written: %1</translation>
    </message>
    <message>
        <source>transfer_failed_more</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>transfer_failed_ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
