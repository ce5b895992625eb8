import QtQuick
import QtTest
import Kv 1.0 as Kv

TestCase {
    name: "Registration"

    function test_enumerations() {
        compare(Kv.QLocale.Japanese, qtJapanese)
        compare(Kv.StandardButton.Ok, 1024)
        compare(Kv.StandardButton.Cancel, 4194304)
        compare(Kv.StandardIcon.Warning, 2)
        compare(Kv.TagDef.RecLvl_Error, 4)
        compare(Kv.VideoImageInfo.VIS_Pause, 2)
    }

    function test_messageBoxIsCreatable() {
        var box = Qt.createQmlObject("import Kv 1.0 as Kv; Kv.MessageBox {}", this, "box")
        verify(box !== null)
        box.destroy()
    }

    function test_uncreatable_data() {
        return [
            { tag: "ApplicationSettings" }, { tag: "DeviceAdapter" }, { tag: "FlashAdapter" },
            { tag: "VersionData" }, { tag: "Utilities" }, { tag: "VideoImageInfo" },
            { tag: "VideoAdapter" }, { tag: "PreviewImageInfo" }, { tag: "DeviceSearch" },
            { tag: "SearchCameraListItemObject" }, { tag: "ObjectCopy" }, { tag: "QLocale" },
            { tag: "LogTetherCollector" }, { tag: "TagDef" }, { tag: "StandardButton" },
            { tag: "StandardIcon" }
        ]
    }

    function test_uncreatable(data) {
        var message = ""
        try {
            Qt.createQmlObject("import Kv 1.0 as Kv; Kv." + data.tag + " {}", this, data.tag)
        } catch (e) {
            message = e.qmlErrors.length > 0 ? e.qmlErrors[0].message : String(e)
        }
        verify(message.indexOf("Uncreatable") >= 0, message)
    }

    function test_contextObjects() {
        verify(deviceAdapter !== null)
        verify(utilities.isMac())
    }
}
