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
</TS>
