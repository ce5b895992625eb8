import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvPreference.js" as Pref

// The user's storage and naming preferences, stored only on Save, and the
// per-camera actions that need a file or a dialog: storage location and HLG
// photo mode per camera, firmware update, camera setting files, the network
// password. A typed folder is checked before anything is stored.
Window {
    id: root

    readonly property int rowHeight: Pref.rowHeight
    property bool hlgRows: false
    property bool settingFileRow: false
    property bool firmwareRow: false
    property bool networkRow: false
    // the storage-location table is read from the file on its first use
    // after the window was saved, cancelled or the cameras changed
    property bool storeLocationLoaded: false
    property bool selectingFolder: false
    // the camera (UUID, serial or all-cameras id) a value list was opened for
    property var pendingCamera: null
    // the storage location last chosen for all cameras, until Save or Cancel
    property int allCameraStoLoc: -1
    property string fwUuid: ""
    property string fwPath: ""
    property int fwSeconds: 0
    property bool fwRunning: false
    property bool fwSucceeded: false
    property var progressDialog: null
    property var messageBox: null
    property var pendingYes: null

    property alias maskPanel: mask
    property alias rowsLayout: layout
    property alias optionPopup: listPopup
    property alias pathField: pathField
    property alias prefixField: prefixField
    property alias startNumberField: startField
    property alias storeLocationButton: storeLocationButton
    property alias storeFolderButton: storeFolderButton
    property alias folderNameButton: folderNameButton
    property alias firmwareButton: firmwareButton
    property alias saveSettingButton: saveSettingButton
    property alias restoreSettingButton: restoreSettingButton
    property alias passwordButton: passwordButton
    property alias hlgShootingButton: hlgShootingButton

    // Makes a dialog by name: "message", "progress", "folder", "firmwareFile",
    // "settingSaveFile" or "settingRestoreFile"; null when it cannot be made.
    property var createDialog: function(name) {
        if (name === "progress") {
            var component = Qt.createComponent("KvProgressFWUPDlg.qml")
            if (component.status !== Component.Ready) {
                console.log("KvPreferenceWindow: " + component.errorString())
                return null
            }
            return component.createObject(root)
        }
        var text
        if (name === "message")
            text = 'import Kv 1.0 as Kv; Kv.MessageBox { title: "KAVRO Rozado"; modality: Qt.ApplicationModal; '
                    + 'visible: false }'
        else if (name === "folder")
            text = 'import Qt.labs.platform as Platform; Platform.FolderDialog { title: qsTranslate('
                    + '"KvPreferenceWindow", "Choose Storage Location") }'
        // The file's own type comes first: the dialog that stands in where
        // the platform has none resets the chosen filter to the first one
        // when it shows. A setting file typed without ending gets ".dat".
        else if (name === "firmwareFile")
            text = 'import Qt.labs.platform as Platform; Platform.FileDialog { fileMode: Platform.FileDialog.OpenFile; '
                    + 'nameFilters: ["bin (*.bin)", "All Files (*.*)"]; selectedNameFilter.index: 0 }'
        else if (name === "settingSaveFile")
            text = 'import Qt.labs.platform as Platform; Platform.FileDialog { fileMode: Platform.FileDialog.SaveFile; '
                    + 'nameFilters: ["Data (*.dat)", "All Files (*.*)"]; selectedNameFilter.index: 0; '
                    + 'defaultSuffix: "dat" }'
        else if (name === "settingRestoreFile")
            text = 'import Qt.labs.platform as Platform; Platform.FileDialog { fileMode: Platform.FileDialog.OpenFile; '
                    + 'nameFilters: ["Data (*.dat)", "All Files (*.*)"]; selectedNameFilter.index: 0 }'
        else
            return null
        try {
            return Qt.createQmlObject("import QtQuick; " + text, root, "KvPreferenceWindow." + name)
        } catch (e) {
            console.log("KvPreferenceWindow: no " + name + ": " + e)
            return null
        }
    }

    flags: Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowSystemMenuHint
           | Qt.WindowCloseButtonHint
    modality: Qt.WindowModal
    title: qsTr("Preference")
    color: "#000000"
    width: 323
    minimumWidth: 323
    maximumWidth: 323
    height: Pref.windowHeight(false, false, false, false)
    minimumHeight: height
    maximumHeight: height

    KvWindowStateSaver {
        window: root
        targetWindow: Kv.ApplicationSettings.WinList_Preference
        defaultWidth: 323
        defaultHeight: root.height
    }

    KvLogCollector {
        id: logCol
        logMajTagID: Kv.TagDef.RTMajor_Usage
        logMedTagID: Kv.TagDef.RTMed_Usage_Preferences
        logWindowName: "KvPreferenceWindow"
    }

    KvOptionComponentsProvider {
        id: provider
    }

    // ---- rows ----
    // The small buttons of the rows widen for longer words of other languages.
    function smallButtonWidth(button) {
        return Math.max(80, Math.ceil(button.buttonItem.implicitWidth) + 12)
    }
    // Two such buttons leave the title beside them its share of the row (its
    // one line, up to two fifths of the row); past that they narrow and
    // their captions shrink to fit.
    function pairedButtonWidth(button, other, titleWidth) {
        var free = root.width - 14 - 6 - Math.min(Math.ceil(titleWidth), root.width * 2 / 5) - 3 - 7
        var both = smallButtonWidth(button) + smallButtonWidth(other)
        return both <= free ? smallButtonWidth(button) : Math.floor(free * smallButtonWidth(button) / both)
    }
    // As the rows' own titles: a second line at the same size before a
    // smaller size, and that only for a word wider than the line.
    component RowLabel: Text {
        x: 14
        height: root.rowHeight
        verticalAlignment: Text.AlignVCenter
        color: "#dddddd"
        font.family: utilities.getFontFamily()
        font.pixelSize: 12
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        fontSizeMode: Text.Fit
        minimumPixelSize: 10
        elide: Text.ElideRight
    }
    component Row35: Rectangle {
        width: root.width
        height: root.rowHeight
        color: "#26282a"
    }
    // covers a field that the row's choice does not use, its text still showing
    component FieldMask: Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.5
        z: 10
        MouseArea { anchors.fill: parent }
    }

    Column {
        id: layout
        y: 1
        width: root.width
        spacing: 1

        KvPreferenceOptionButton {
            id: storeLocationButton
            width: root.width; height: root.rowHeight
            target: "storeLocationType"
            labelText: qsTr("Storage Location")
            popup: listPopup; componentsProvider: provider; rootParent: layout
            cameraRecords: root.cameraRecords
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_StorageLocation; logFile: target
            onCameraChosen: function(entry) { root.storeLocationCamera(entry) }
            onValueChosen: function(v) { root.storeLocationChosen(v) }
        }
        KvPreferenceOptionButton {
            id: storeFolderButton
            width: root.width; height: root.rowHeight
            target: "storeFolderType"
            labelText: qsTr("Storage Folder")
            popup: listPopup; componentsProvider: provider; rootParent: layout
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_StorageFolder; logFile: target
        }
        Row35 {
            KvTextField {
                id: pathField
                objectName: "pathField"
                x: 14
                width: parent.width - 14 - browseButton.width - 14
                height: 27
                anchors.verticalCenter: parent.verticalCenter
                placeholderText: qsTr("Storage Folder URL Placeholder")
                enabled: root.userFolder
                onEditingFinished: logCol.log(Kv.TagDef.RecLvl_Info,
                                              Kv.TagDef.RTScr_Usage_Preferences_StorageFolderPath,
                                              "StorageFolderPath edited", text)
                FieldMask { visible: !root.userFolder }
            }
            KvRectangleButton {
                id: browseButton
                x: parent.width - width - 7
                width: root.smallButtonWidth(browseButton)
                height: 27
                anchors.verticalCenter: parent.verticalCenter
                type: "action_small"
                buttonText: qsTr("Browser")
                disabled: !root.userFolder
                enabled: root.userFolder
                onClicked: root.browseFolder()
            }
        }
        KvPreferenceOptionButton {
            id: storeFolderDateButton
            width: root.width; height: root.rowHeight
            target: "storeFolderDate"
            labelText: qsTr("Storage Folder Date")
            popup: listPopup; componentsProvider: provider; rootParent: layout
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_StorageFolderDate; logFile: target
        }
        KvPreferenceOptionButton {
            id: storeFolderCameraButton
            visible: false
            width: root.width; height: root.rowHeight
            target: "storeFolderCamera"
            labelText: qsTr("Storage Folder Camera")
            popup: listPopup; componentsProvider: provider; rootParent: layout
            onValueChanged: root.followFolderCamera()
        }
        KvPreferenceOptionButton {
            id: folderNameButton
            width: root.width; height: root.rowHeight
            target: "folderNameType"
            labelText: qsTr("Captured File Name")
            popup: listPopup; componentsProvider: provider; rootParent: layout
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_CaptureFileName; logFile: target
        }
        Row35 {
            RowLabel {
                width: parent.width - prefixField.width - 28
                text: qsTr("Captured File Prefix Character")
            }
            KvTextField {
                id: prefixField
                objectName: "prefixField"
                x: parent.width - width - 7
                width: 140
                height: 27
                anchors.verticalCenter: parent.verticalCenter
                maximumLength: Pref.prefixMaxLength
                validator: RegularExpressionValidator { regularExpression: Pref.prefixPattern }
                enabled: root.userName
                FieldMask { visible: !root.userName }
            }
        }
        Row35 {
            RowLabel {
                width: parent.width - startField.width - 28
                text: qsTr("Captured File Start Number")
            }
            KvTextField {
                id: startField
                objectName: "startNumberField"
                x: parent.width - width - 7
                width: 80
                height: 27
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: TextInput.AlignRight
                maximumLength: 4
                validator: IntValidator { bottom: Pref.startNumberMin; top: Pref.startNumberMax }
                enabled: root.userName
                FieldMask { visible: !root.userName }
            }
        }
        KvPreferenceOptionButton {
            id: storeFileNameCameraButton
            visible: false
            width: root.width; height: root.rowHeight
            target: "storeFileNameCamera"
            labelText: qsTr("Store File Name Camera")
            popup: listPopup; componentsProvider: provider; rootParent: layout
        }
        KvPreferenceOptionButton {
            id: rawTransferButton
            width: root.width; height: root.rowHeight
            target: "rawTransferType"
            labelText: qsTr("RAW TRANSFER")
            popup: listPopup; componentsProvider: provider; rootParent: layout
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_RawTransfer; logFile: target
        }
        KvPreferenceOptionButton {
            id: hlgShootingButton
            visible: root.hlgRows
            width: root.width; height: root.rowHeight
            target: "hlgShootingType"
            labelText: qsTr("HLG SHOOTING")
            popup: listPopup; componentsProvider: provider; rootParent: layout
            cameraRecords: root.cameraRecords
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_HlgShooting; logFile: target
            onCameraChosen: function(entry) { root.hlgCamera(entry) }
            onValueChosen: function(v) { root.hlgChosen(v) }
        }
        KvPreferenceOptionButton {
            id: hlgTransferButton
            visible: root.hlgRows
            width: root.width; height: root.rowHeight
            target: "hlgTransferType"
            labelText: qsTr("HLG Transfer")
            popup: listPopup; componentsProvider: provider; rootParent: layout
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_HlgTransfer; logFile: target
        }
        KvPreferenceOptionButton {
            id: displayReviewButton
            width: root.width; height: root.rowHeight
            target: "displayReviewType"
            labelText: qsTr("Auto Display Review Images")
            popup: listPopup; componentsProvider: provider; rootParent: layout
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_AutoDisplayReview; logFile: target
        }
        Row35 {
            visible: root.firmwareRow
            RowLabel {
                width: parent.width - firmwareButton.width - 28
                text: qsTr("Update F/W")
            }
            KvPreferenceOptionButton {
                id: firmwareButton
                objectName: "firmwareButton"
                x: parent.width - width - 7
                width: root.smallButtonWidth(firmwareButton); height: 27
                anchors.verticalCenter: parent.verticalCenter
                type: "action_small"
                buttonText: qsTr("Start")
                target: "firmwareUpdate"
                popup: listPopup; componentsProvider: provider; rootParent: layout
                cameraRecords: root.cameraRecords
                onCameraChosen: function(entry) { root.firmwareCamera(entry) }
                onStartFirmwareUpdate: root.startFirmware()
            }
        }
        Row35 {
            visible: root.settingFileRow
            RowLabel {
                id: settingFileTitle
                width: saveSettingButton.x - 20
                text: qsTr("Camera Setting")
                TextMetrics {
                    id: settingFileTitleLine
                    font: settingFileTitle.font
                    text: settingFileTitle.text
                }
            }
            KvPreferenceOptionButton {
                id: saveSettingButton
                objectName: "saveSettingButton"
                x: restoreSettingButton.x - width - 3
                width: root.pairedButtonWidth(saveSettingButton, restoreSettingButton, settingFileTitleLine.advanceWidth)
                height: 27
                anchors.verticalCenter: parent.verticalCenter
                type: "action_small"
                buttonText: qsTr("Camera_setting_save")
                target: "saveCameraSetting"
                popup: listPopup; componentsProvider: provider; rootParent: layout
                cameraRecords: root.cameraRecords
                onCameraChosen: function(entry) { root.settingFile(entry, false) }
            }
            KvPreferenceOptionButton {
                id: restoreSettingButton
                objectName: "restoreSettingButton"
                x: parent.width - width - 7
                width: root.pairedButtonWidth(restoreSettingButton, saveSettingButton, settingFileTitleLine.advanceWidth)
                height: 27
                anchors.verticalCenter: parent.verticalCenter
                type: "action_small"
                buttonText: qsTr("Camera_setting_restore")
                target: "restoreCameraSetting"
                popup: listPopup; componentsProvider: provider; rootParent: layout
                cameraRecords: root.cameraRecords
                onCameraChosen: function(entry) { root.settingFile(entry, true) }
            }
        }
        Row35 {
            visible: root.networkRow
            RowLabel {
                width: parent.width - passwordButton.width - 28
                text: qsTr("Camera P/W")
            }
            KvPreferenceOptionButton {
                id: passwordButton
                objectName: "passwordButton"
                x: parent.width - width - 7
                width: root.smallButtonWidth(passwordButton); height: 27
                anchors.verticalCenter: parent.verticalCenter
                type: "action_small"
                buttonText: qsTr("Change")
                target: "changePassword"
                popup: listPopup; componentsProvider: provider; rootParent: layout
                cameraRecords: root.cameraRecords
                onCameraChosen: function(entry) { root.changePassword(entry) }
            }
        }
        KvPreferenceOptionButton {
            id: versionCheckButton
            width: root.width; height: root.rowHeight
            target: "versionCheckType"
            labelText: qsTr("Version Check at Startup")
            popup: listPopup; componentsProvider: provider; rootParent: layout
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_VersionCheck; logFile: target
        }
        KvPreferenceOptionButton {
            id: transConfirmButton
            visible: false
            width: root.width; height: root.rowHeight
            target: "transConfirmDlgType"
            labelText: qsTr("Show Trans Confirm Dialog")
            popup: listPopup; componentsProvider: provider; rootParent: layout
        }
        KvRectangleButton {
            id: versionButton
            objectName: "versionButton"
            width: root.width; height: root.rowHeight
            type: "optionWithText"
            labelText: qsTr("Version")
            option_string_top_margin: Math.round((height - optionItem.implicitHeight) / 2)
            optionText: utilities.get_APPLICATION_VERSION_STRING()
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_Version; logFile: "Version"
            onClicked: root.showVersion()
        }
        Row {
            width: root.width
            height: root.rowHeight
            KvRectangleButton {
                id: saveButton
                objectName: "saveButton"
                width: root.width / 2; height: root.rowHeight
                type: "action"
                buttonText: qsTr("Save")
                logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_Save; logFile: "Save"
                onClicked: root.save()
            }
            KvRectangleButton {
                id: cancelButton
                objectName: "cancelButton"
                width: root.width / 2; height: root.rowHeight
                type: "action"
                buttonText: qsTr("Cancel")
                logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Preferences_Cancel; logFile: "Cancel"
                onClicked: root.cancel()
            }
        }
    }

    readonly property bool userFolder: storeFolderButton.value === Kv.ApplicationSettings.StoFolderType_User
    // the folder of the settings that could not be used when the window was shown
    property string refusedFolder: ""
    readonly property bool userName: folderNameButton.value === Kv.ApplicationSettings.FolNameType_User

    KvOptionButtonPopup {
        id: listPopup
    }

    // Masks the window while the camera is busy or connecting.
    Rectangle {
        id: mask
        objectName: "maskPanel"
        property int mode: 0
        anchors.fill: parent
        z: 2000
        color: "black"
        opacity: 0.5
        visible: mode !== 0
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            hoverEnabled: true
            onWheel: function(wheel) { wheel.accepted = true }
        }
    }
    readonly property int maskBusy: 1
    readonly property int maskConnecting: 32
    function setMask(bit, on) {
        mask.mode = on ? (mask.mode | bit) : (mask.mode & ~bit)
        if (mask.mode !== 0)
            listPopup.dismiss()
    }

    // ---- the cameras ----
    // Every camera of the camera table, as KvPreference.js reads them.
    function cameraRecords() {
        var out = []
        var n = deviceAdapter.camera_list_number_of_camera()
        var network = deviceAdapter.connectionType === Kv.Utilities.PtpipConnType_Lan
        for (var i = 0; i < n; ++i) {
            out.push({
                connected: deviceAdapter.camConnectDeviceStatus(i) === Kv.Utilities.Ternary_True,
                powerMode: deviceAdapter.camera_list_get_camera_power_mode(i),
                supportHLG: deviceAdapter.camera_list_get_camera_supportHLG(i),
                enableHLG: deviceAdapter.camera_list_get_camera_enableHLG(i),
                settingFiles: deviceAdapter.camera_list_get_camera_setupFilesCfgSet(i),
                firmware: deviceAdapter.camera_list_get_camera_support_FWUP(i),
                network: network,
                uuid: deviceAdapter.camera_list_get_camera_uuid(i),
                serial: deviceAdapter.camera_list_get_camera_serial_number(i),
                individualId: deviceAdapter.camera_list_get_camera_individual_id(i),
                modelName: deviceAdapter.camera_list_get_camera_modelName(i),
                sendCmd: deviceAdapter.camera_list_get_camera_sendCmdEnable(i),
                devIndex: deviceAdapter.camera_list_get_camera_dev_index(i)
            })
        }
        return out
    }

    function updateHeight() {
        hlgRows = deviceAdapter.pscSupportHLG()
        settingFileRow = deviceAdapter.setupFilesCfgSetEnable
        firmwareRow = deviceAdapter.camFirmUpEnable
        networkRow = deviceAdapter.connectionType === Kv.Utilities.PtpipConnType_Lan
        var h = Pref.windowHeight(hlgRows, settingFileRow, firmwareRow, networkRow)
        minimumHeight = Math.min(minimumHeight, h)
        maximumHeight = Math.max(maximumHeight, h)
        height = h
        minimumHeight = h
        maximumHeight = h
    }

    function catalogueText(target, v) {
        var list = provider[target]
        for (var i = 0; list && i < list.length; ++i) {
            if (list[i].properties.value === v)
                return "" + list[i].properties.optionText
        }
        return ""
    }

    // ---- showing ----
    function load() {
        var selected = deviceAdapter.camCurrentSelectedSerialNo
        storeLocationButton.currentSerialNo = selected
        storeLocationButton.value = applicationSettings.getStoreLocationTypeFromFile(selected)
        storeLocationButton.optionText = catalogueText("storeLocationType", storeLocationButton.value)
        var plain = [storeFolderButton, storeFolderDateButton, storeFolderCameraButton, folderNameButton,
                     storeFileNameCameraButton, rawTransferButton, hlgTransferButton, displayReviewButton,
                     versionCheckButton, transConfirmButton]
        for (var i = 0; i < plain.length; ++i)
            plain[i].optionSelect(applicationSettings[plain[i].target])
        pathField.text = applicationSettings.storeFolderUrl
        // A folder that cannot be used now (a disk not plugged in) is still
        // the photographer's choice: shown, and kept by a Save that leaves it.
        refusedFolder = applicationSettings.refusedStoreFolder()
        if (refusedFolder !== "") {
            storeFolderButton.optionSelect(Kv.ApplicationSettings.StoFolderType_User)
            pathField.text = refusedFolder
        }
        prefixField.text = applicationSettings.folderNamePrefix
        startField.text = Pref.fieldOfFileNumber(applicationSettings.fileNumber)
        showHlgMode()
        hlgShootingButton.enabled = deviceAdapter.pscEnableHLG()
        hlgTransferButton.enabled = deviceAdapter.pscEnableHLG()
        var uuid = selectedUuid()
        storeLocationButton.currentCamera = uuid
        hlgShootingButton.currentCamera = uuid
        var actions = [firmwareButton, saveSettingButton, restoreSettingButton, passwordButton]
        for (var j = 0; j < actions.length; ++j)
            actions[j].value = uuid
        var cams = cameraRecords()
        var anyPower = false
        for (var k = 0; k < cams.length; ++k)
            anyPower = anyPower || cams[k].powerMode
        var usable = cams.length > 0 && anyPower
        var gated = [storeLocationButton, firmwareButton, saveSettingButton, restoreSettingButton, passwordButton]
        for (var m = 0; m < gated.length; ++m) {
            gated[m].enabled = usable
            gated[m].disabled = !usable
        }
        followFolderCamera()
    }

    function selectedUuid() {
        var selected = deviceAdapter.camCurrentSelectedSerialNo
        var n = deviceAdapter.camera_list_number_of_camera()
        for (var i = 0; i < n; ++i) {
            if (deviceAdapter.camera_list_get_camera_serial_number(i) === selected)
                return deviceAdapter.camera_list_get_camera_uuid(i)
        }
        return ""
    }

    function showHlgMode() {
        hlgShootingButton.value = deviceAdapter.pscHlgShootingType
        hlgShootingButton.optionText = catalogueText("hlgShootingType", deviceAdapter.pscHlgShootingType)
    }

    // While pictures go into a folder per camera, the file name cannot also
    // carry the camera.
    function followFolderCamera() {
        var on = storeFolderCameraButton.value === Kv.ApplicationSettings.StoFolderCamera_On
        if (on)
            storeFileNameCameraButton.optionSelect(Kv.ApplicationSettings.StoFileNameCamera_Off)
        storeFileNameCameraButton.enabled = !on
        storeFileNameCameraButton.disabled = on
    }

    // The argument, not the property: a window being shown may still read as hidden here.
    onVisibleChanged: function(shown) {
        updateHeight()
        if (shown)
            load()
        else
            closeTransient()
        utilities.preferenceWindowVisibleChanged(shown)
    }

    // ---- save and cancel ----
    function showMessage(icon, text) {
        if (!messageBox)
            messageBox = createDialog("message")
        if (!messageBox)
            return
        messageBox.icon = icon
        messageBox.standardButtons = Kv.StandardButton.Ok
        messageBox.defaultButton = Kv.StandardButton.Ok
        messageBox.text = text
        messageBox.open()
    }
    function askYesNo(text, onYes) {
        if (!messageBox)
            messageBox = createDialog("message")
        if (!messageBox)
            return
        pendingYes = onYes
        messageBox.icon = Kv.StandardIcon.Question
        messageBox.standardButtons = Kv.StandardButton.Yes | Kv.StandardButton.No
        messageBox.defaultButton = Kv.StandardButton.No
        messageBox.text = text
        messageBox.open()
    }
    Connections {
        target: root.messageBox
        ignoreUnknownSignals: true
        function onYes() {
            var f = root.pendingYes
            root.pendingYes = null
            if (f)
                f()
        }
        function onNo() { root.pendingYes = null }
    }

    // Checks what was typed; false keeps the window open with a message.
    function validateOnClosing() {
        var userFolderChosen = root.userFolder
        var path = pathField.text
        var keptFolder = refusedFolder !== "" && path === refusedFolder
        if (userFolderChosen && !keptFolder && (Pref.folderShape(path) !== "ok" || !utilities.validateUrl(path)
                                 || !utilities.isUsableStorageFolder(path))) {
            showMessage(Kv.StandardIcon.Warning, qsTr("storage_folder_invalid"))
            return false
        }
        var userNameChosen = root.userName
        var fileNumber = Pref.fileNumberOfField(startField.text)
        if (userNameChosen && !Pref.prefixValid(prefixField.text)) {
            showMessage(Kv.StandardIcon.Warning, qsTr("file_prefix_invalid"))
            return false
        }
        if (userNameChosen && fileNumber < 0) {
            showMessage(Kv.StandardIcon.Warning, qsTr("start_number_invalid"))
            return false
        }
        var S = applicationSettings
        S.setStoreLocationType()
        // The user's folder type reads as the default folder while the folder
        // it names is unusable: the folder comes before the type that uses
        // it, and goes after it, so that no read in between finds the type
        // without its folder.
        if (userFolderChosen) {
            S.storeFolderUrl = path
            S.storeFolderType = storeFolderButton.value
        } else {
            S.storeFolderType = storeFolderButton.value
            S.storeFolderUrl = ""
        }
        S.storeFolderDate = storeFolderDateButton.value
        S.storeFolderCamera = storeFolderCameraButton.value
        S.folderNameType = folderNameButton.value
        if (userNameChosen) {
            S.folderNamePrefix = prefixField.text
            logCol.log(Kv.TagDef.RecLvl_Info, Kv.TagDef.RTScr_Usage_Preferences_CaptureFileNameUser,
                       "folderNamePrefix", prefixField.text)
            S.fileNumber = fileNumber
            logCol.log(Kv.TagDef.RecLvl_Info, Kv.TagDef.RTScr_Usage_Preferences_CaptureFileStartNumber,
                       "fileNumber", "" + fileNumber)
        }
        S.storeFileNameCamera = storeFileNameCameraButton.value
        S.rawTransferType = rawTransferButton.value
        if (deviceAdapter.pscSupportHLG())
            S.hlgTransferType = hlgTransferButton.value
        S.displayReviewType = displayReviewButton.value
        S.versionCheckType = versionCheckButton.value
        S.transConfirmDlgType = transConfirmButton.value
        deviceAdapter.updateCopyPcMask()
        return true
    }

    function save() {
        if (!validateOnClosing())
            return
        forgetCameraLists()
        visible = false
    }
    function cancel() {
        forgetCameraLists()
        visible = false
    }
    onClosing: function(close) { forgetCameraLists() }
    // Choices not saved are dropped with the table, so a later Save cannot
    // send them after all.
    function forgetCameraLists() {
        storeLocationLoaded = false
        allCameraStoLoc = -1
        applicationSettings.setTargetCameraListLength(0)
    }

    // ---- folder ----
    function browseFolder() {
        if (utilities.isMac()) {
            var dialog = createDialog("folder")
            if (!dialog)
                return
            dialog.accepted.connect(function() {
                pathField.text = utilities.qUrlToLocalFile(String(dialog.folder))
                dialog.destroy()
            })
            dialog.rejected.connect(function() { dialog.destroy() })
            dialog.open()
            return
        }
        if (selectingFolder)
            return
        selectingFolder = true
        var chosen = utilities.selectFolder()
        selectingFolder = false
        if (chosen !== "")
            pathField.text = chosen
    }

    // Opens a file dialog and hands the chosen file's URL on.
    function chooseFile(name, onChosen) {
        var dialog = createDialog(name)
        if (!dialog)
            return
        dialog.accepted.connect(function() {
            var url = String(dialog.file)
            dialog.destroy()
            onChosen(url)
        })
        if (dialog.rejected)
            dialog.rejected.connect(function() { dialog.destroy() })
        dialog.open()
    }

    // ---- storage location ----
    function listedStoreCameras() {
        var out = []
        var cams = cameraRecords()
        for (var i = 0; i < cams.length; ++i) {
            if (Pref.eligible("storeLocationType", cams[i]))
                out.push(cams[i])
        }
        return out
    }
    function loadStoreLocationTable() {
        if (storeLocationLoaded)
            return
        var cams = listedStoreCameras()
        applicationSettings.setTargetCameraListLength(cams.length)
        for (var i = 0; i < cams.length; ++i)
            applicationSettings.setTargetCameraListByID(cams[i].serial,
                                                        applicationSettings.getStoreLocationTypeFromFile(cams[i].serial), i)
        storeLocationLoaded = true
    }
    function storeLocationCamera(entry) {
        loadStoreLocationTable()
        pendingCamera = entry.camera ? entry.value2 : entry.value
        var list = provider.storeLocationType
        var cams = listedStoreCameras()
        var current = -1
        if (entry.camera) {
            current = applicationSettings.getStoreLocationTypeFromList(entry.value2)
        } else if (allCameraStoLoc >= 0) {
            current = allCameraStoLoc
        } else if (cams.length > 0) {
            // all cameras: checked only where every listed camera agrees
            current = applicationSettings.getStoreLocationTypeFromList(cams[0].serial)
            for (var k = 1; k < cams.length; ++k) {
                if (applicationSettings.getStoreLocationTypeFromList(cams[k].serial) !== current)
                    current = -1
            }
        }
        for (var i = 0; i < list.length; ++i) {
            list[i].properties.capable = true
            list[i].properties.enabled = true
            list[i].properties.checked = list[i].properties.value === current
        }
        storeLocationButton.showSecondPopup(list, "storeLocationType", pendingCamera, 0)
    }
    function storeLocationChosen(v) {
        var cams = listedStoreCameras()
        var serials = Pref.choiceSerials(pendingCamera, cams, Kv.Utilities.CameraID_ALL,
                                         Kv.Utilities.CameraID_SELECTED)
        for (var i = 0; i < cams.length; ++i) {
            if (serials.indexOf(cams[i].serial) >= 0)
                applicationSettings.setTargetCameraListByID(cams[i].serial, v, i)
        }
        if (pendingCamera === Kv.Utilities.CameraID_ALL)
            allCameraStoLoc = v
        var selected = deviceAdapter.camCurrentSelectedSerialNo
        if (pendingCamera === Kv.Utilities.CameraID_ALL || serials.indexOf(selected) >= 0) {
            storeLocationButton.value = v
            storeLocationButton.optionText = catalogueText("storeLocationType", v)
        }
        storeLocationButton.currentSerialNo = selected
    }

    // ---- HLG photo ----
    function hlgCamera(entry) {
        pendingCamera = entry.value
        var uuid = entry.camera ? entry.value : ""
        var current = entry.camera ? deviceAdapter.getPscHlgShootingTypeByUUID(uuid) : deviceAdapter.pscHlgShootingType
        var list = provider.hlgShootingType
        for (var i = 0; i < list.length; ++i) {
            var v = list[i].properties.value
            var capable = deviceAdapter.hlgShootingTypeCapability(v, uuid) === Kv.Utilities.Ternary_True
            list[i].properties.capable = capable
            list[i].properties.enabled = capable
            list[i].properties.checked = capable && v === current
        }
        hlgShootingButton.showSecondPopup(list, "hlgShootingType", pendingCamera, 0)
    }
    function hlgChosen(v) {
        var uuids = Pref.hlgTargets(pendingCamera, cameraRecords(), Kv.Utilities.CameraID_ALL,
                                    Kv.Utilities.CameraID_SELECTED, function(uuid) {
                                        return deviceAdapter.hlgShootingTypeCapability(v, uuid) === Kv.Utilities.Ternary_True
                                    })
        for (var i = 0; i < uuids.length; ++i)
            deviceAdapter.setPscHlgShootingTypeByUUID(uuids[i], v)
    }

    // ---- firmware ----
    function firmwareCamera(entry) {
        var uuid = entry.value
        chooseFile("firmwareFile", function(url) {
            fwUuid = uuid
            fwPath = utilities.qUrlToLocalFileWithoutNative(url)
            askYesNo(qsTranslate("kavrotether::CustomDialog", "firmware_update_confirmation"), function() {
                firmwareButton.startFirmwareUpdate()
            })
        })
    }
    function progressText() {
        return Pref.progressLine(qsTr("fwup_message_1"), fwSeconds, deviceAdapter.firmware_update_get_data_frame(),
                                 qsTr("fwup_message_2"))
    }
    function startFirmware() {
        if (!progressDialog)
            progressDialog = createDialog("progress")
        fwSeconds = 0
        fwRunning = true
        if (progressDialog) {
            progressDialog.setProgressFWUPText1(qsTr("title_message"))
            progressDialog.setProgressFWUPText2(Pref.progressLine(qsTr("fwup_message_1"), 0, 0, qsTr("fwup_message_2")))
            progressDialog.setProgressFWUPBar(0)
            progressDialog.visible = true
        }
        fwTimer.start()
        if (!deviceAdapter.adp_KVR_func_api_FirmwareUpdate_start(fwUuid, fwPath, true)) {
            fwSucceeded = !!deviceAdapter.firmware_update_get_result()
            fwRunning = false
            fwTimer.stop()
            fwEndTimer.start()
        }
    }
    Timer {
        id: fwTimer
        interval: 1000
        repeat: true
        onTriggered: {
            root.fwSeconds++
            if (root.progressDialog) {
                root.progressDialog.setProgressFWUPText2(root.progressText())
                root.progressDialog.setProgressFWUPBar(deviceAdapter.firmware_update_get_data_frame() / 100)
            }
        }
    }
    Timer {
        id: fwEndTimer
        interval: 500
        onTriggered: {
            if (root.progressDialog)
                root.progressDialog.visible = false
            root.showResult(root.fwSucceeded)
        }
    }
    Connections {
        target: deviceAdapter
        function onFirmwareUpdateCompleted() {
            if (!root.fwRunning)
                return
            root.fwRunning = false
            root.fwSucceeded = Pref.firmwareSucceeded(deviceAdapter.firmware_update_get_data_frame(),
                                                      deviceAdapter.firmware_update_get_result())
            fwTimer.stop()
            deviceAdapter.firmware_update_finish_progress()
            fwEndTimer.start()
        }
    }

    function showResult(ok) {
        showMessage(ok ? Kv.StandardIcon.Information : Kv.StandardIcon.Critical,
                    Pref.resultBoxText(ok ? qsTranslate("kavrotether::CustomDialog", "Message_Complete")
                                          : qsTranslate("kavrotether::CustomDialog", "Message_Failed")))
    }

    // ---- camera setting files ----
    function settingFile(entry, restore) {
        var uuid = entry.value
        if (!utilities.isMac()) {
            var status = utilities.selectCameraSetting(uuid, restore ? Kv.Utilities.CameraSettingFile_Restore
                                                                     : Kv.Utilities.CameraSettingFile_Save)
            if (status === Kv.Utilities.CST_Success || status === Kv.Utilities.CST_Unknown)
                showResult(status === Kv.Utilities.CST_Success)
            return
        }
        chooseFile(restore ? "settingRestoreFile" : "settingSaveFile", function(url) {
            var path = utilities.qUrlToLocalFileWithoutNative(url)
            // not every platform dialog adds the ending itself
            if (!restore)
                path = Pref.withEnding(path, "dat")
            var r = restore ? deviceAdapter.setup_file_config_setting_restore_setting(uuid, path)
                            : deviceAdapter.setup_file_config_setting_save_setting(uuid, path)
            showResult(r === Kv.Utilities.Ternary_True)
        })
    }

    // ---- password ----
    function changePassword(entry) {
        var devIndex = 0
        var cams = cameraRecords()
        for (var i = 0; i < cams.length; ++i) {
            if (cams[i].connected && cams[i].uuid === entry.value) {
                devIndex = cams[i].devIndex
                break
            }
        }
        deviceAdapter.ptpip_enhance_security_show_change_password_dialog(devIndex, entry.value2)
    }

    // ---- version ----
    function showVersion() {
        if (!messageBox)
            messageBox = createDialog("message")
        if (!messageBox)
            return
        messageBox.title = qsTr("Version")
        showMessage(Kv.StandardIcon.Information,
                    Pref.versionText(qsTr("VersionApplicationName"), utilities.get_APPLICATION_VERSION_STRING(),
                                     qsTr("VersionNotice")))
        messageBox.title = "KAVRO Rozado"
    }

    // ---- closing from outside ----
    function closeTransient() {
        listPopup.dismiss()
        if (messageBox && messageBox.visible)
            messageBox.close()
    }
    function popupClose() {
        utilities.selectFolderClose()
        closeTransient()
        fwTimer.stop()
        fwEndTimer.stop()
        fwRunning = false
        if (progressDialog)
            progressDialog.visible = false
        visible = false
        deviceAdapter.ptpip_enhance_security_close_password_dialog()
    }

    Connections {
        target: deviceAdapter
        ignoreUnknownSignals: true
        function onCameraStatusChanged() {
            var s = deviceAdapter.cameraStatus
            if (s === Kv.Utilities.CamStatus_MovRec_Others || s === Kv.Utilities.CamStatus_Playing
                    || s === Kv.Utilities.CamStatus_Processing || s === Kv.Utilities.CamStatus_Menu_Displayed)
                root.setMask(root.maskBusy, true)
        }
        function onCameraStatusCompleteNotify() {
            var s = deviceAdapter.cameraStatus
            if (s !== Kv.Utilities.CamStatus_MovRec_Others && s !== Kv.Utilities.CamStatus_Playing
                    && s !== Kv.Utilities.CamStatus_Processing && s !== Kv.Utilities.CamStatus_Menu_Displayed)
                root.setMask(root.maskBusy, false)
        }
        function onCamConnectStatusChanged() {
            var s = deviceAdapter.camConnectStatus
            if (s === Kv.Utilities.CamConnectSts_Connecting)
                root.setMask(root.maskConnecting, true)
            else if (s === Kv.Utilities.CamConnectSts_Unknown || s === Kv.Utilities.CamConnectSts_Success
                     || s === Kv.Utilities.CamConnectSts_SuccessBackground)
                root.setMask(root.maskConnecting, false)
        }
        function onSwitchCameraNotify() { root.cameraChanged() }
        function onInitSetupTetherModeChanged() { root.cameraChanged() }
        function onPscHlgShootingTypeChanged() { root.hlgChanged() }
        function onPscSupportHLGChanged() {
            root.hlgChanged()
            if (root.visible)
                root.updateHeight()
        }
        function onCameraListChanged() { root.forgetCameraLists() }
    }
    function cameraChanged() {
        listPopup.dismiss()
        forgetCameraLists()
        if (visible) {
            updateHeight()
            load()
        }
    }
    function hlgChanged() {
        if (listPopup.visible && listPopup.popup_target === "hlgShootingType")
            listPopup.dismiss()
        showHlgMode()
    }

    Connections {
        target: utilities
        ignoreUnknownSignals: true
        function onPreferenceWindowActiveNotify() {
            if (!root.visible)
                return
            root.raise()
            root.requestActivate()
        }
    }
}
