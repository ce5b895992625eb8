import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvTransferFailure.js" as Failure

// The notice of files that did not reach the computer, against the real
// ObjectCopy and a connected simulated camera: a burst makes one notice,
// and shooting is never held up by it.
TestCase {
    id: test
    name: "KvTransferFailureNotice"
    when: windowShown

    KvTransferFailureNotice { id: notice }

    function test_fill_data() {
        return [
            { tag: "in order", template: "%1: %2 (%3)", values: ["A", "B", "C"], out: "A: B (C)" },
            { tag: "a value holding a marker stays as it is", template: "%1 / %2", values: ["cam%2", "x"],
              out: "cam%2 / x" },
            { tag: "translation in another order", template: "%3 - %1", values: ["A", "B", "C"], out: "C - A" }
        ]
    }
    function test_fill(data) {
        compare(Failure.fill(data.template, data.values), data.out)
    }

    function test_lines_beyond_the_shown_ones_are_counted() {
        var n = Failure.newNotice()
        for (var i = 0; i < Failure.shownLines + 3; ++i)
            n = Failure.add(n, "line " + i)
        var lines = Failure.text(n, "intro", "and %1 more").split("\n")
        compare(lines.length, 1 + Failure.shownLines + 1)
        compare(lines[1], "line 0")
        compare(lines[lines.length - 1], "and 3 more")
    }

    property string uuid: ""
    property string cameraName: ""

    function initTestCase() {
        if (!deviceAdapter.isCamerasConnected) {
            compare(deviceAdapter.adp_KVR_func_api_Init(), 1)
            verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
            tryVerify(function() { return deviceAdapter.searchList.length > 0 }, 10000)
            tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
            compare(deviceAdapter.connectEnableDevice(), 1)
        }
        verify(deviceAdapter.isCamerasConnected)
        uuid = deviceAdapter.camera_list_get_selected_camera_uuid()
        cameraName = deviceAdapter.camera_list_get_camera_individual_id(uuid)
                || deviceAdapter.camera_list_get_camera_modelName(uuid)
        verify(cameraName !== "")
    }
    // the picture folder a test changed: [type, path]
    property var savedFolder: null
    function cleanup() {
        notice.close()
        if (savedFolder !== null) {
            applicationSettings.storeFolderUrl = savedFolder[1]
            applicationSettings.storeFolderType = savedFolder[0]
            savedFolder = null
        }
    }

    // Pictures the camera cannot hand over (objects it does not know): the
    // first opens the notice, the rest of the burst joins it.
    function test_burst_makes_one_notice() {
        var line = cameraName + ": a picture (the camera did not deliver it)"
        objectcopy.startObjectReqTransfer(0x7FFF0001, uuid)
        tryCompare(notice, "visible", true)
        compare(notice.modality, Qt.NonModal)
        objectcopy.startObjectReqTransfer(0x7FFF0002, uuid)
        compare(notice.text.split("\n"), [qsTranslate("KvTransferFailureNotice", "transfer_failed_intro"), line, line])
        // once closed, the next failure starts a notice of its own
        mouseClick(notice.okButton)
        verify(!notice.visible)
        objectcopy.startObjectReqTransfer(0x7FFF0003, uuid)
        tryCompare(notice, "visible", true)
        compare(notice.text.split("\n").length, 2)
    }

    // A release into a folder that cannot be made: the picture the camera
    // sends is lost, and the notice says so. The folder passes the settings'
    // check (its parent takes files), but its name is longer than any file
    // system takes; one that fails the check would send the picture to the
    // default folder instead.
    function test_release_into_unusable_folder() {
        savedFolder = [applicationSettings.storeFolderType, applicationSettings.storeFolderUrl]
        applicationSettings.storeFolderType = Kv.ApplicationSettings.StoFolderType_User
        applicationSettings.storeFolderUrl = testFolder + "/" + "n".repeat(300) + "/pictures"
        compare(deviceAdapter.adp_KVR_func_api_Reg_NotifyCallback(), 1)
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Release_one_shot()
        tryCompare(notice, "visible", true, 5000)
        compare(notice.text.split("\n")[1],
                cameraName + ": a picture (the storage folder cannot be created or written to)")
    }

    // Each cause reads as the photographer would say it; the disk's own
    // words come with a write failure. A picture is one on its camera, never
    // a file of that name in the folder (another camera's, often); a frame
    // is named by its path here.
    function test_causes_data() {
        return [
            { tag: "folder", cause: Kv.ObjectCopy.TF_Folder, path: "", onCamera: true,
              line: "A1: a picture (the storage folder cannot be created or written to)" },
            { tag: "camera", cause: Kv.ObjectCopy.TF_CameraRead, path: "P1000003.JPG", onCamera: true,
              line: "A1: picture P1000003.JPG on the camera (the camera did not deliver it)" },
            { tag: "disk", cause: Kv.ObjectCopy.TF_Write, path: "P1000003.JPG", onCamera: true,
              line: "A1: picture P1000003.JPG on the camera (it could not be written: No space left on device)" },
            { tag: "frame on the disk", cause: Kv.ObjectCopy.TF_Write, path: "/p/F_0001.jpg", onCamera: false,
              line: "A1: /p/F_0001.jpg (it could not be written: No space left on device)" }
        ]
    }
    function test_causes(data) {
        objectcopy.objectTransferFailed(data.path, "No space left on device", "A1", data.cause, data.onCamera)
        compare(notice.text.split("\n")[1], data.line)
    }
}
