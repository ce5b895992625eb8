import QtQuick
import QtTest
import Kv 1.0 as Kv

// The collector and the tags as the interface uses them.
TestCase {
    name: "LogCollectorFromQml"

    function test_tagValues_data() {
        return [
            { tag: "RecLvl_Unknown", value: Kv.TagDef.RecLvl_Unknown, expected: -1 },
            { tag: "RecLvl_Max", value: Kv.TagDef.RecLvl_Max, expected: 6 },
            { tag: "RecSend_Auto", value: Kv.TagDef.RecSend_Auto, expected: 1 },
            { tag: "RTMajor_Usage", value: Kv.TagDef.RTMajor_Usage, expected: 3 },
            { tag: "RTMed_Basic_Max", value: Kv.TagDef.RTMed_Basic_Max, expected: 5 },
            { tag: "RTMed_Conn_Startup", value: Kv.TagDef.RTMed_Conn_Startup, expected: 2 },
            { tag: "RTMed_Usage_Preferences", value: Kv.TagDef.RTMed_Usage_Preferences, expected: 4 },
            { tag: "RTScr_Basic_TerInfo_Model", value: Kv.TagDef.RTScr_Basic_TerInfo_Model, expected: 3 },
            { tag: "RTScr_Basic_Config_Lang", value: Kv.TagDef.RTScr_Basic_Config_Lang, expected: 2 },
            { tag: "RTScr_Basic_CamInfo_Maker", value: Kv.TagDef.RTScr_Basic_CamInfo_Maker, expected: 3 },
            { tag: "RTScr_Basic_Other_AppName", value: Kv.TagDef.RTScr_Basic_Other_AppName, expected: 2 },
            { tag: "RTScr_Conn_Conn_UsbMode", value: Kv.TagDef.RTScr_Conn_Conn_UsbMode, expected: 1 },
            { tag: "RTScr_Conn_Startup_CamStatus", value: Kv.TagDef.RTScr_Conn_Startup_CamStatus, expected: 1 },
            { tag: "RTScr_Usage_Main_SQMotion", value: Kv.TagDef.RTScr_Usage_Main_SQMotion, expected: 41 },
            { tag: "RTScr_Usage_Flash_TestEmission", value: Kv.TagDef.RTScr_Usage_Flash_TestEmission, expected: 23 },
            { tag: "RTScr_Usage_LiveView_Menu", value: Kv.TagDef.RTScr_Usage_LiveView_Menu, expected: 62 },
            { tag: "RTScr_Usage_LiveView_OverlayPhoto", value: Kv.TagDef.RTScr_Usage_LiveView_OverlayPhoto, expected: 62 },
            { tag: "RTScr_Usage_LiveView_OverlayPhotoCancel", value: Kv.TagDef.RTScr_Usage_LiveView_OverlayPhotoCancel, expected: 77 },
            { tag: "RTScr_Usage_Preferences_HlgTransfer", value: Kv.TagDef.RTScr_Usage_Preferences_HlgTransfer, expected: 17 }
        ]
    }

    function test_tagValues(data) {
        compare(data.value, data.expected)
    }

    function test_sendAnswersBeforeReturning() {
        var answers = []
        function record(result) { answers.push(result) }
        logCollector.onRequestFinished.connect(record)
        logCollector.sendLog(Kv.TagDef.RecSend_Auto)
        compare(answers, [false])
        logCollector.sendLog()
        compare(answers, [false, false])
        logCollector.onRequestFinished.disconnect(record)
    }

    function test_writeStoresNothing() {
        logCollector.createLog()
        logCollector.writeLog(Kv.TagDef.RecLvl_Info, Kv.TagDef.RTMajor_Usage,
                              Kv.TagDef.RTMed_Usage_Main, Kv.TagDef.RTScr_Usage_Main_Shutter,
                              "main.qml", "Shutter")
        verify(!logCollector.checkLogExist())
    }
}
