import QtQuick
import Kv 1.0 as Kv
import "KvSubFunction.js" as Sub

// The live-view picture-quality button: the offered qualities come from the
// camera's live-view quality list, each shown with its resolution.
KvOptionButton {
    id: root

    function clickSub() {
        if (!optionOpen || !popup || !componentsProvider)
            return
        var list = componentsProvider["imageQuality"]
        for (var i = 0; i < list.length; ++i) {
            var p = list[i].properties
            var shown = deviceAdapter.lv_image_quality_list_data_display(p.value) === Kv.Utilities.Ternary_True
            p.capable = shown
            p.enabled = shown
            p.checked = shown && p.value === value
            if (shown)
                p.optionText = deviceAdapter.lv_image_quality_list_data_resolution(p.value)
        }
        var par = root.parent
        popup.present(par.width, par.mapToItem(popup, 0, 0).y + popupY, popupTitle, list, target, function(entry) {
            var busy = deviceAdapter.cameraStatus === Kv.Utilities.CamStatus_Noise_Reduction
                    && (deviceAdapter.lvShootingStatus === Kv.Utilities.LCST_SHOOTING
                        || deviceAdapter.lvShootingStatus === Kv.Utilities.LCST_PREPARE)
            if (!busy) {
                source = entry.properties.source
                valueChangeFlg = true
                value = entry.properties.value
            }
            popup.dismiss()
        })
    }

    function optionSelect(v, isClicked) {
        dismissBeforeSelect(!!isClicked, false)
        var on = deviceAdapter.imageQualityFlagNum() > 0
        var list = componentsProvider ? componentsProvider["imageQuality"] : []
        var found = false
        for (var i = 0; on && i < list.length; ++i) {
            var p = list[i].properties
            if (p.value === v) {
                p.optionText = p.optionOriginalText
                optionText = p.optionOriginalText
                source = p.source
                toolTipText = Sub.createPopupHTMLText(popupTitle, p.optionOriginalText, true)
                found = true
            }
        }
        if (!on || !found)
            showDash("")
        else
            setKind(true)
        valueChangeFlg = false
        value = v
    }
}
