import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvPreference.js" as Pref
import "Drawn.js" as Drawn

// The preferences' rules as tables, and the window against the real settings
// and the connected simulated cameras: Cancel stores nothing, Save refuses an
// unusable folder and keeps the window open, the start number is stored one
// lower, and a per-camera action with one camera goes straight on.
TestCase {
    id: test
    name: "KvPreferenceWindow"
    when: windowShown

    // ---- the library ----
    function test_prefix_data() {
        return [
            { tag: "plain", text: "IMG_", valid: true },
            { tag: "one character", text: "A", valid: true },
            { tag: "twenty characters", text: "ABCDEFGHIJKLMNOPQRST", valid: true },
            { tag: "twenty-one characters", text: "ABCDEFGHIJKLMNOPQRSTU", valid: false },
            { tag: "empty", text: "", valid: false },
            { tag: "blank and dot allowed", text: "My shot.", valid: true },
            { tag: "non-ASCII allowed", text: "写真_", valid: true },
            { tag: "backslash", text: "a\\b", valid: false },
            { tag: "slash", text: "a/b", valid: false },
            { tag: "colon", text: "a:b", valid: false },
            { tag: "asterisk", text: "a*", valid: false },
            { tag: "question mark", text: "a?", valid: false },
            { tag: "double quote", text: "a\"", valid: false },
            { tag: "less-than", text: "a<", valid: false },
            { tag: "greater-than", text: "a>", valid: false },
            { tag: "bar", text: "a|b", valid: false },
            { tag: "NUL", text: "a\u0000", valid: false },
            { tag: "tab", text: "a\tb", valid: false },
            { tag: "unit separator", text: "a\u001f", valid: false },
            { tag: "DEL", text: "a\u007f", valid: false }
        ]
    }
    function test_prefix(data) {
        compare(Pref.prefixValid(data.text), data.valid)
    }

    function test_startNumber_data() {
        return [
            { tag: "empty", text: "", fileNumber: 0 },
            { tag: "one", text: "1", fileNumber: 0 },
            { tag: "last", text: "9999", fileNumber: 9998 },
            { tag: "middle", text: "250", fileNumber: 249 },
            { tag: "blanks around", text: " 12 ", fileNumber: 11 },
            { tag: "leading zeros", text: "007", fileNumber: 6 },
            { tag: "zero", text: "0", fileNumber: -1 },
            { tag: "too large", text: "10000", fileNumber: -1 },
            { tag: "negative", text: "-5", fileNumber: -1 },
            { tag: "fraction", text: "1.5", fileNumber: -1 },
            { tag: "letters", text: "12a", fileNumber: -1 }
        ]
    }
    function test_startNumber(data) {
        compare(Pref.fileNumberOfField(data.text), data.fileNumber)
    }

    function test_fieldOfFileNumber_data() {
        return [
            { tag: "first", n: 0, text: "1" },
            { tag: "last", n: 9998, text: "9999" },
            { tag: "beyond the field", n: 20000, text: "9999" },
            { tag: "negative", n: -3, text: "1" },
            { tag: "not a number", n: undefined, text: "1" }
        ]
    }
    function test_fieldOfFileNumber(data) {
        compare(Pref.fieldOfFileNumber(data.n), data.text)
    }

    function test_folderShape_data() {
        return [
            { tag: "absolute", path: "/home/me/Pictures", shape: "ok" },
            { tag: "root", path: "/", shape: "ok" },
            { tag: "drive", path: "C:\\Pictures", shape: "ok" },
            { tag: "network share", path: "\\\\server\\pictures", shape: "ok" },
            { tag: "relative", path: "Pictures", shape: "relative" },
            { tag: "dot relative", path: "./Pictures", shape: "relative" },
            { tag: "home shorthand", path: "~/Pictures", shape: "relative" },
            { tag: "drive without separator", path: "C:Pictures", shape: "relative" },
            { tag: "empty", path: "", shape: "empty" },
            { tag: "blanks", path: "   ", shape: "empty" }
        ]
    }
    function test_folderShape(data) {
        compare(Pref.folderShape(data.path), data.shape)
    }

    function test_windowHeight_data() {
        var base = 35 * 11 + 12 + 35
        return [
            { tag: "base", hlg: false, files: false, fw: false, net: false, height: base },
            { tag: "setting files", hlg: false, files: true, fw: false, net: false, height: base + 36 },
            { tag: "firmware", hlg: false, files: false, fw: true, net: false, height: base + 36 },
            { tag: "network", hlg: false, files: false, fw: false, net: true, height: base + 36 },
            { tag: "HLG", hlg: true, files: false, fw: false, net: false, height: base + 72 },
            { tag: "all", hlg: true, files: true, fw: true, net: true, height: base + 5 * 36 }
        ]
    }
    function test_windowHeight(data) {
        compare(Pref.windowHeight(data.hlg, data.files, data.fw, data.net), data.height)
    }

    function camera(uuid, extra) {
        var c = { connected: true, powerMode: true, supportHLG: false, enableHLG: false, settingFiles: false,
                  firmware: false, network: false, uuid: uuid, serial: "S" + uuid, individualId: "",
                  modelName: "Model " + uuid, sendCmd: false }
        for (var k in extra)
            c[k] = extra[k]
        return c
    }

    function test_eligible_data() {
        return [
            { tag: "storage: any powered camera", target: "storeLocationType", cam: {}, ok: true },
            { tag: "storage: not connected", target: "storeLocationType", cam: { connected: false }, ok: false },
            { tag: "storage: power-mode flag off", target: "storeLocationType", cam: { powerMode: false }, ok: false },
            { tag: "HLG: supported and enabled", target: "hlgShootingType",
              cam: { supportHLG: true, enableHLG: true }, ok: true },
            { tag: "HLG: supported but off", target: "hlgShootingType", cam: { supportHLG: true }, ok: false },
            { tag: "HLG: enabled flag alone", target: "hlgShootingType", cam: { enableHLG: true }, ok: false },
            { tag: "save: setting files", target: "saveCameraSetting", cam: { settingFiles: true }, ok: true },
            { tag: "restore: no setting files", target: "restoreCameraSetting", cam: {}, ok: false },
            { tag: "firmware: supported", target: "firmwareUpdate", cam: { firmware: true }, ok: true },
            { tag: "firmware: supported, power off", target: "firmwareUpdate",
              cam: { firmware: true, powerMode: false }, ok: false },
            { tag: "password: network", target: "changePassword", cam: { network: true }, ok: true },
            { tag: "password: USB", target: "changePassword", cam: {}, ok: false },
            { tag: "unknown target", target: "iso", cam: {}, ok: false }
        ]
    }
    function test_eligible(data) {
        compare(Pref.eligible(data.target, camera("1", data.cam)), data.ok)
    }

    function test_cameraEntries_data() {
        var all = Kv.Utilities.CameraID_ALL
        var f = { firmware: true, settingFiles: true }
        return [
            { tag: "firmware, none eligible", target: "firmwareUpdate", cams: [camera("a", {})],
              texts: [], values: [], decision: "none" },
            { tag: "firmware, one of two", target: "firmwareUpdate", cams: [camera("a", {}), camera("b", f)],
              texts: ["1:   Model b"], values: ["b"], decision: "direct" },
            { tag: "firmware, two", target: "firmwareUpdate", cams: [camera("a", f), camera("b", f)],
              texts: ["1:   Model a", "2:   Model b"], values: ["a", "b"], decision: "list" },
            { tag: "restore, one plus all", target: "restoreCameraSetting", cams: [camera("a", f)],
              texts: ["1:   Model a", "      All Cameras"], values: ["a", "ALL"], decision: "direct" },
            { tag: "restore, two plus all", target: "restoreCameraSetting", cams: [camera("a", f), camera("b", f)],
              texts: ["1:   Model a", "2:   Model b", "      All Cameras"], values: ["a", "b", "ALL"],
              decision: "list" },
            { tag: "restore, none: only all", target: "restoreCameraSetting", cams: [camera("a", {})],
              texts: ["      All Cameras"], values: ["ALL"], decision: "none" },
            { tag: "storage, id before model", target: "storeLocationType",
              cams: [camera("a", { individualId: "Left" }), camera("b", {})],
              texts: ["1:   Left", "2:   Model b", "      All Cameras"], values: ["a", "b", all], decision: "list" },
            { tag: "HLG, none: only all", target: "hlgShootingType", cams: [camera("a", { supportHLG: true })],
              texts: ["      All Cameras"], values: [all], decision: "none" }
        ]
    }
    function test_cameraEntries(data) {
        var entries = Pref.cameraEntries(data.target, data.cams, Kv.Utilities.CameraID_ALL)
        compare(entries.map(function(e) { return e.text }), data.texts)
        compare(entries.map(function(e) { return e.value }), data.values)
        compare(Pref.listDecision(entries), data.decision)
    }

    // Numbers from ten on are followed by one blank, so names line up.
    function test_entryTextNumbering_data() {
        return [
            { tag: "one digit", n: 9, text: "9:   X" },
            { tag: "two digits", n: 10, text: "10: X" },
            { tag: "twelve", n: 12, text: "12: X" }
        ]
    }
    function test_entryTextNumbering(data) {
        compare(Pref.entryText(data.n, "X", "M"), data.text)
    }

    function test_entryChecked_data() {
        var cam = { camera: true, value: "u1" }
        var other = { camera: true, value: "u2" }
        var all = { camera: false, value: Kv.Utilities.CameraID_ALL }
        var restoreAll = { camera: false, value: "ALL" }
        return [
            { tag: "storage: selected camera", target: "storeLocationType", entry: cam, all: false, ok: true },
            { tag: "storage: another camera", target: "storeLocationType", entry: other, all: false, ok: false },
            { tag: "storage: all entry, one driven", target: "storeLocationType", entry: all, all: false, ok: false },
            { tag: "storage: all driven marks all", target: "storeLocationType", entry: all, all: true, ok: true },
            { tag: "storage: all driven, not the camera", target: "storeLocationType", entry: cam, all: true,
              ok: false },
            { tag: "HLG: all driven", target: "hlgShootingType", entry: all, all: true, ok: true },
            { tag: "firmware: the button's camera", target: "firmwareUpdate", entry: cam, all: true, ok: true },
            { tag: "firmware: another camera", target: "firmwareUpdate", entry: other, all: false, ok: false },
            { tag: "restore: all entry while all driven", target: "restoreCameraSetting", entry: restoreAll,
              all: true, ok: true },
            { tag: "restore: all entry, one driven", target: "restoreCameraSetting", entry: restoreAll, all: false,
              ok: false }
        ]
    }
    function test_entryChecked(data) {
        // the selected camera and the action buttons' camera are both "u1"
        compare(Pref.entryChecked(data.target, data.entry, data.all, "u1", "u1"), data.ok)
    }

    function test_choiceSerials_data() {
        var all = Kv.Utilities.CameraID_ALL
        var sel = Kv.Utilities.CameraID_SELECTED
        var cams = [camera("a", { sendCmd: true }), camera("b", {}), camera("c", { sendCmd: true, powerMode: false })]
        return [
            { tag: "one camera", choice: "Sb", cams: cams, serials: ["Sb"] },
            { tag: "all listed", choice: all, cams: cams, serials: ["Sa", "Sb"] },
            { tag: "those receiving commands", choice: sel, cams: cams, serials: ["Sa"] },
            { tag: "unlisted camera", choice: "Sc", cams: cams, serials: [] }
        ]
    }
    function test_choiceSerials(data) {
        compare(Pref.choiceSerials(data.choice, data.cams, Kv.Utilities.CameraID_ALL, Kv.Utilities.CameraID_SELECTED),
                data.serials)
    }

    function test_hlgTargets_data() {
        var all = Kv.Utilities.CameraID_ALL
        var h = { supportHLG: true, enableHLG: true }
        var cams = [camera("a", h), camera("b", h), camera("c", {})]
        return [
            { tag: "the chosen camera", choice: "b", capable: ["a"], uuids: ["b"] },
            { tag: "all: only where the mode is offered", choice: all, capable: ["b", "c"], uuids: ["b"] },
            { tag: "all: none offers it", choice: all, capable: [], uuids: [] }
        ]
    }
    function test_hlgTargets(data) {
        var h = { supportHLG: true, enableHLG: true }
        var cams = [camera("a", h), camera("b", h), camera("c", {})]
        compare(Pref.hlgTargets(data.choice, cams, Kv.Utilities.CameraID_ALL, Kv.Utilities.CameraID_SELECTED,
                                function(uuid) { return data.capable.indexOf(uuid) >= 0 }), data.uuids)
    }

    function test_firmwareProgress_data() {
        return [
            { tag: "before the first tick", seconds: 0, percent: 0, line: "(Time Elapsed 00:00  0%)" },
            { tag: "first tick", seconds: 1, percent: 3, line: "(Time Elapsed  00:01  3%)" },
            { tag: "minutes", seconds: 125, percent: 100, line: "(Time Elapsed  02:05  100%)" }
        ]
    }
    function test_firmwareProgress(data) {
        compare(Pref.progressLine("(Time Elapsed ", data.seconds, data.percent, ")"), data.line)
    }

    function test_firmwareSucceeded_data() {
        return [
            { tag: "complete and reported", percent: 100, result: 1, ok: true },
            { tag: "complete, reported failed", percent: 100, result: 0, ok: false },
            { tag: "stopped short", percent: 99, result: 1, ok: false }
        ]
    }
    function test_firmwareSucceeded(data) {
        compare(Pref.firmwareSucceeded(data.percent, data.result), data.ok)
    }

    function test_withEnding_data() {
        return [
            { tag: "no ending", path: "/a/camera", out: "/a/camera.dat" },
            { tag: "own ending", path: "/a/camera.dat", out: "/a/camera.dat" },
            { tag: "other ending kept", path: "/a/camera.bak", out: "/a/camera.bak" },
            { tag: "dot in a folder only", path: "/a.b/camera", out: "/a.b/camera.dat" },
            { tag: "hidden name", path: "/a/.camera", out: "/a/.camera.dat" }
        ]
    }
    function test_withEnding(data) {
        compare(Pref.withEnding(data.path, "dat"), data.out)
    }

    // ---- the window ----
    property var window: null
    property var realCreateDialog: null
    property var dialogs: []

    Component {
        id: fakeDialog
        QtObject {
            property string name: ""
            property string title: ""
            property string text: ""
            property int icon: 0
            property int standardButtons: 0
            property int defaultButton: 0
            property bool visible: false
            property url file: ""
            property url folder: ""
            signal accepted()
            signal rejected()
            signal yes()
            signal no()
            function open() { visible = true }
            function close() { visible = false }
            function setProgressFWUPText1(t) {}
            function setProgressFWUPText2(t) {}
            function setProgressFWUPBar(f) {}
        }
    }

    function dialogsNamed(name) {
        return dialogs.filter(function(d) { return d.name === name })
    }

    readonly property var settingKeys: ["storeFolderType", "storeFolderUrl", "storeFolderDate", "storeFolderCamera",
        "folderNameType", "folderNamePrefix", "fileNumber", "storeFileNameCamera", "rawTransferType",
        "hlgTransferType", "displayReviewType", "versionCheckType", "transConfirmDlgType"]
    property var savedSettings: null

    function snapshot() {
        var s = {}
        for (var i = 0; i < settingKeys.length; ++i)
            s[settingKeys[i]] = applicationSettings[settingKeys[i]]
        var cams = window.cameraRecords()
        for (var j = 0; j < cams.length; ++j)
            s["location " + cams[j].serial] = applicationSettings.getStoreLocationTypeFromFile(cams[j].serial)
        return s
    }

    function initTestCase() {
        if (!deviceAdapter.isCamerasConnected) {
            compare(deviceAdapter.adp_KVR_func_api_Init(), 1)
            verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
            tryVerify(function() { return deviceAdapter.searchList.length > 0 }, 10000)
            tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
            compare(deviceAdapter.connectEnableDevice(), 1)
        }
        verify(deviceAdapter.isCamerasConnected)
        var c = Qt.createComponent("qrc:/qml/KvPreferenceWindow.qml")
        compare(c.status, Component.Ready, c.errorString())
        window = c.createObject(null, { visible: false })
        verify(window)
        realCreateDialog = window.createDialog
        window.createDialog = function(name) {
            var d = fakeDialog.createObject(test, { name: name })
            test.dialogs.push(d)
            return d
        }
        savedSettings = snapshot()
    }
    function init() {
        dialogs = []
        window.messageBox = null
        showWindow()
    }
    SignalSpy {
        id: shownSpy
        target: utilities
        signalName: "preferenceWindowVisibleChangedNotify"
    }
    // The window reports itself shown once it has loaded the settings.
    function showWindow() {
        shownSpy.clear()
        window.show()
        tryVerify(function() { return shownSpy.count > 0 && shownSpy.signalArguments[shownSpy.count - 1][0] }, 3000)
        // the rows are placed once the window has laid them out; the window's
        // height then ends exactly at the button bar
        tryVerify(function() { return window.rowsLayout.y + window.rowsLayout.height === window.height }, 3000)
    }
    function cleanup() {
        window.optionPopup.dismiss()
        window.visible = false
        // what a test saved is put back, so the next file finds the settings as they were
        for (var i = 0; i < settingKeys.length; ++i)
            applicationSettings[settingKeys[i]] = savedSettings[settingKeys[i]]
    }
    function cleanupTestCase() {
        if (window)
            window.destroy()
    }

    function useFolder(path) {
        window.storeFolderButton.optionSelect(Kv.ApplicationSettings.StoFolderType_User)
        window.pathField.text = path
    }

    function test_showing_loads_the_settings() {
        compare(window.pathField.text, applicationSettings.storeFolderUrl)
        compare(window.prefixField.text, applicationSettings.folderNamePrefix)
        compare(window.startNumberField.text, "" + (applicationSettings.fileNumber + 1))
        compare(window.storeFolderButton.value, applicationSettings.storeFolderType)
        compare(window.height, Pref.windowHeight(deviceAdapter.pscSupportHLG(), deviceAdapter.setupFilesCfgSetEnable,
                                                 deviceAdapter.camFirmUpEnable,
                                                 deviceAdapter.connectionType === Kv.Utilities.PtpipConnType_Lan))
    }

    function test_cancel_stores_nothing() {
        var before = snapshot()
        useFolder(testFolder + "/cancelled")
        window.folderNameButton.optionSelect(Kv.ApplicationSettings.FolNameType_User)
        window.prefixField.text = "CANCEL_"
        window.startNumberField.text = "77"
        // a storage location chosen for every camera lives only in the table
        window.storeLocationCamera({ camera: false, value: Kv.Utilities.CameraID_ALL,
                                     value2: Kv.Utilities.CameraID_ALL })
        window.storeLocationChosen(Kv.ApplicationSettings.StoLocType_Pc)
        window.optionPopup.dismiss()
        window.cancel()
        verify(!window.visible)
        compare(snapshot(), before)
        compare(window.storeLocationLoaded, false)
        // nor does a Save of the next showing send the cancelled choice
        showWindow()
        window.save()
        verify(!window.visible)
        compare(snapshot(), before)
    }

    function test_unusable_folder_is_refused_data() {
        return [
            { tag: "relative", path: "pictures" },
            { tag: "empty", path: "" },
            { tag: "home shorthand", path: "~/Pictures" },
            { tag: "under a file", path: "/dev/null/pictures" },
            { tag: "takes no file", path: "/proc/pictures" }
        ]
    }
    function test_unusable_folder_is_refused(data) {
        var before = snapshot()
        useFolder(data.path)
        verify(!window.validateOnClosing())
        window.save()
        verify(window.visible)
        var boxes = dialogsNamed("message")
        compare(boxes.length, 1)
        verify(boxes[0].visible)
        compare(boxes[0].text, qsTranslate("KvPreferenceWindow", "storage_folder_invalid"))
        compare(snapshot(), before)
    }

    function test_usable_folder_is_stored() {
        useFolder(testFolder + "/new/pictures")
        window.save()
        verify(!window.visible)
        compare(dialogsNamed("message").length, 0)
        compare(applicationSettings.storeFolderType, Kv.ApplicationSettings.StoFolderType_User)
        compare(applicationSettings.storeFolderUrl, testFolder + "/new/pictures")
    }

    function test_default_folder_clears_the_path() {
        window.storeFolderButton.optionSelect(Kv.ApplicationSettings.StoFolderType_Default)
        window.pathField.text = "not checked"
        window.save()
        verify(!window.visible)
        compare(applicationSettings.storeFolderUrl, "")
    }

    // A folder of the settings file that cannot be used now (a disk not
    // plugged in) is still the photographer's: shown, and kept by a Save
    // that leaves it as it is; once its disk is plugged in (plugIn: the
    // folder the link leads to), that Save sends the next picture there.
    function test_refused_folder_is_kept_data() {
        return [
            { tag: "link leading nowhere", path: testFolder + "/unplugged" },
            { tag: "under a link leading nowhere", path: testFolder + "/unplugged/day1" },
            { tag: "disk plugged in before Save", path: testFolder + "/disk/day1",
              plugIn: testFolder + "/drive/pictures" }
        ]
    }
    // Releases the shutter; the pictures `folder` gained.
    function shoot(folder) {
        var before = disks.pictures(folder)
        compare(deviceAdapter.adp_KVR_func_api_Reg_NotifyCallback(), 1)
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Release_one_shot()
        tryVerify(function() { return disks.pictures(folder).length > before.length }, 5000,
                  "no picture reached " + folder)
        return disks.pictures(folder).filter(function(p) { return before.indexOf(p) < 0 })
    }
    function test_refused_folder_is_kept(data) {
        window.visible = false
        applicationSettings.storeFolderType = Kv.ApplicationSettings.StoFolderType_Default
        applicationSettings.storeFolderUrl = data.path
        applicationSettings.storeFolderType = Kv.ApplicationSettings.StoFolderType_User
        showWindow()
        compare(window.storeFolderButton.value, Kv.ApplicationSettings.StoFolderType_User)
        compare(window.pathField.text, data.path)
        if (data.plugIn) {
            // meanwhile the pictures go to the default folder
            shoot(disks.defaultFolder())
            verify(disks.plugIn(data.plugIn))
        }
        window.save()
        verify(!window.visible)
        compare(dialogsNamed("message").length, 0)
        compare(applicationSettings.refusedStoreFolder(), data.plugIn ? "" : data.path)
        if (data.plugIn)
            shoot(data.path)
    }

    function test_start_number_is_stored_one_lower_data() {
        return [
            { tag: "empty", text: "", fileNumber: 0 },
            { tag: "one", text: "1", fileNumber: 0 },
            { tag: "last", text: "9999", fileNumber: 9998 }
        ]
    }
    function test_start_number_is_stored_one_lower(data) {
        window.folderNameButton.optionSelect(Kv.ApplicationSettings.FolNameType_User)
        window.prefixField.text = "SET_"
        window.startNumberField.text = data.text
        window.save()
        verify(!window.visible)
        compare(applicationSettings.fileNumber, data.fileNumber)
        compare(applicationSettings.folderNamePrefix, "SET_")
    }

    function test_default_name_keeps_prefix_and_number() {
        applicationSettings.fileNumber = 41
        window.folderNameButton.optionSelect(Kv.ApplicationSettings.FolNameType_Default)
        window.prefixField.text = "bad/prefix"
        window.startNumberField.text = "5"
        window.save()
        verify(!window.visible)
        compare(applicationSettings.fileNumber, 41)
        compare(applicationSettings.folderNamePrefix, savedSettings.folderNamePrefix)
    }

    function test_bad_prefix_is_refused() {
        window.folderNameButton.optionSelect(Kv.ApplicationSettings.FolNameType_User)
        window.prefixField.text = ""
        window.save()
        verify(window.visible)
        compare(dialogsNamed("message").length, 1)
        compare(applicationSettings.folderNamePrefix, savedSettings.folderNamePrefix)
    }

    // The file dialogs each action opens at once when only one camera suits it.
    readonly property var directDialogs: ({ firmwareUpdate: "firmwareFile", saveCameraSetting: "settingSaveFile",
                                            restoreCameraSetting: "settingRestoreFile" })

    function test_one_eligible_camera_skips_the_list_data() {
        return [
            { tag: "firmware", button: "firmwareButton" },
            { tag: "save setting file", button: "saveSettingButton" },
            { tag: "restore setting file", button: "restoreSettingButton" },
            { tag: "storage location", button: "storeLocationButton" }
        ]
    }
    function test_one_eligible_camera_skips_the_list(data) {
        var b = window[data.button]
        var cams = window.cameraRecords()
        var suited = cams.filter(function(c) { return Pref.eligible(b.target, c) })
        if (suited.length === 0)
            skip("no connected camera suits " + b.target)
        // every camera but one suits the storage location: only the first is offered
        if (suited.length > 1)
            b.cameraRecords = function() { return [suited[0]] }
        mouseClick(b)
        b.cameraRecords = window.cameraRecords
        if (b.target === "storeLocationType") {
            // straight to the value list for that camera
            verify(window.optionPopup.visible)
            compare(window.optionPopup.popup_target, "storeLocationType")
            compare(window.optionPopup.objects.map(function(o) { return o.value }),
                    [Kv.ApplicationSettings.StoLocType_SdCard, Kv.ApplicationSettings.StoLocType_SdCardPc,
                     Kv.ApplicationSettings.StoLocType_Pc])
            compare(window.pendingCamera, suited[0].serial)
        } else {
            verify(!window.optionPopup.visible)
            compare(dialogs.map(function(d) { return d.name }), [directDialogs[b.target]])
        }
    }

    // The HLG mode goes to the camera at once, Save or not.
    function test_hlg_choice_reaches_the_camera() {
        var suited = window.cameraRecords().filter(function(c) { return Pref.eligible("hlgShootingType", c) })
        if (suited.length !== 1)
            skip("the scenario has no single HLG camera")
        compare(deviceAdapter.adp_KVR_func_api_Reg_NotifyCallback(), 1)
        var uuid = suited[0].uuid
        var before = deviceAdapter.getPscHlgShootingTypeByUUID(uuid)
        mouseClick(window.hlgShootingButton)
        tryCompare(window.optionPopup, "visible", true)
        tryCompare(window.optionPopup.frame, "enabled", true)
        compare(window.optionPopup.popup_target, "hlgShootingType")
        var objects = window.optionPopup.objects
        var checked = objects.filter(function(o) { return o.checked })
        compare(checked.map(function(o) { return o.value }), [before])
        var pick = objects.filter(function(o) { return o.value !== before })[0]
        verify(pick)
        var wanted = pick.value
        mouseClick(pick)
        verify(!window.optionPopup.visible)
        tryVerify(function() { return deviceAdapter.getPscHlgShootingTypeByUUID(uuid) === wanted }, 5000)
        window.cancel()
        compare(deviceAdapter.getPscHlgShootingTypeByUUID(uuid), wanted)
        deviceAdapter.setPscHlgShootingTypeByUUID(uuid, before)
        tryVerify(function() { return deviceAdapter.getPscHlgShootingTypeByUUID(uuid) === before }, 5000)
    }

    function test_no_eligible_camera_does_nothing() {
        var b = window.firmwareButton
        b.cameraRecords = function() { return [] }
        b.showPopup()
        verify(!window.optionPopup.visible)
        compare(dialogs.length, 0)
        b.cameraRecords = window.cameraRecords
    }

    // A start the back end refuses ends at once: confirmation, progress, then "Failed.".
    function test_refused_firmware_start_shows_failed() {
        window.firmwareCamera({ camera: true, value: "no-such-camera", value2: "" })
        var files = dialogsNamed("firmwareFile")
        compare(files.length, 1)
        // no file: the back end refuses before any camera is asked
        files[0].file = ""
        files[0].accepted()
        var boxes = dialogsNamed("message")
        compare(boxes.length, 1)
        compare(boxes[0].icon, Kv.StandardIcon.Question)
        compare(boxes[0].text, qsTranslate("kavrotether::CustomDialog", "firmware_update_confirmation"))
        boxes[0].yes()
        var progress = dialogsNamed("progress")
        compare(progress.length, 1)
        tryCompare(progress[0], "visible", false)
        tryCompare(boxes[0], "icon", Kv.StandardIcon.Critical)
        verify(boxes[0].text.indexOf(qsTranslate("kavrotether::CustomDialog", "Message_Failed")) > 0)
        verify(!window.fwRunning)
    }

    // Each file dialog opens on its own file type, whatever dialog the
    // platform puts in its place.
    function test_file_dialogs_open_on_their_type_data() {
        return [
            { tag: "firmware", name: "firmwareFile", filter: "bin (*.bin)", suffix: "" },
            { tag: "save setting file", name: "settingSaveFile", filter: "Data (*.dat)", suffix: "dat" },
            { tag: "restore setting file", name: "settingRestoreFile", filter: "Data (*.dat)", suffix: "" }
        ]
    }
    function test_file_dialogs_open_on_their_type(data) {
        var d = realCreateDialog(data.name)
        verify(d)
        compare(d.nameFilters[0], data.filter)
        compare(d.selectedNameFilter.index, 0)
        compare(d.defaultSuffix, data.suffix)
        d.destroy()
    }

    // A setting file saved under a name without ending is saved as ".dat"
    // and loads back from there.
    function test_saved_setting_file_gets_its_ending() {
        var suited = window.cameraRecords().filter(function(c) { return Pref.eligible("saveCameraSetting", c) })
        if (suited.length === 0)
            skip("no connected camera takes setting files")
        var entry = { camera: true, value: suited[0].uuid, value2: suited[0].serial }
        window.settingFile(entry, false)
        var save = dialogsNamed("settingSaveFile")
        compare(save.length, 1)
        save[0].file = "file://" + testFolder + "/setting_no_ending"
        save[0].accepted()
        window.settingFile(entry, true)
        var load = dialogsNamed("settingRestoreFile")
        compare(load.length, 1)
        load[0].file = "file://" + testFolder + "/setting_no_ending.dat"
        load[0].accepted()
        var boxes = dialogsNamed("message")
        verify(boxes.length >= 1)
        var last = boxes[boxes.length - 1]
        verify(last.text.indexOf(qsTranslate("kavrotether::CustomDialog", "Message_Complete")) > 0, last.text)
    }

    // Every listed camera and the all-cameras entry; a camera's name (id:
    // what the cameras call themselves, numbered) shows as it gives it, in
    // the list and in the entry's tool tip.
    function test_two_cameras_open_the_list_data() {
        return [
            { tag: "the scenario's names", id: "" },
            { tag: "markup in the names", id: "<b>x</b><img src='http://127.0.0.1:9/id.png'>" }
        ]
    }
    function test_two_cameras_open_the_list(data) {
        var cams = window.cameraRecords().filter(function(c) { return c.connected && c.powerMode })
        if (cams.length < 2)
            skip("the scenario connects fewer than two powered cameras")
        if (data.id !== "")
            cams = cams.map(function(c, i) { return Object.assign({}, c, { individualId: data.id + i }) })
        var b = window.storeLocationButton
        b.cameraRecords = function() { return cams }
        networkRequests.clear()
        b.showPopup()
        b.cameraRecords = window.cameraRecords
        verify(window.optionPopup.visible)
        compare(window.optionPopup.objects.length, cams.length + 1)
        compare(dialogs.length, 0)
        // the entries take their tool tips once the list has opened
        var entries = window.optionPopup.objects.slice(0, cams.length)
        tryVerify(function() { return entries.every(function(o) { return o.toolTipText !== "" }) })
        waitForRendering(window.contentItem)
        compare(networkRequests.urls(), [])
        for (var i = 0; i < cams.length; ++i) {
            var text = Pref.entryText(i + 1, cams[i].individualId, cams[i].modelName)
            var tip = entries[i].toolTip.popup.contentItem
            compare(entries[i].optionItem.text, text)
            compare(tip.text, text)
            verify(Drawn.drawnAsTyped(entries[i].optionItem), text)
            verify(Drawn.drawnAsTyped(tip), "the tool tip of " + text)
        }
    }
}
