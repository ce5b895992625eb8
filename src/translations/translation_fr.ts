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
        <translation>Même en mode Rozado Connect, de l&apos;énergie est consommée.&lt;br /&gt;&lt;br /&gt;Voulez-vous passer en mode Rozado Connect ?</translation>
    </message>
    <message>
        <source>firmware_update_confirmation</source>
        <translation>Une fois le firmware mis à jour avec succès, l&apos;appareil photo redémarrera automatiquement.&lt;br /&gt;&lt;br /&gt;Voulez-vous lancer la mise à jour du firmware ?</translation>
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
</context>
<context>
    <name>kavrotether::XmlDownloadManager</name>
    <message>
        <source>URL</source>
        <translation>https://support.kavro.example/support/software/kavrotether/update/v01/KVRT01Update_fr.xml</translation>
    </message>
</context>
</TS>
