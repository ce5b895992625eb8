import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"

// The movie offer and import, and the 6K/4K import, against the real
// ObjectCopy. The questions are stand-ins answered by the test (a real
// message box runs modally); the progress windows are the real documents.
TestCase {
    id: test
    name: "KvTransferDialogs"
    when: windowShown
    width: 200
    height: 200

    KvTransferController { id: ctl }

    Component {
        id: fakeBoxComponent
        QtObject {
            property string name
            property string text
            property bool visible: false
            property bool dismissed: false
            signal yes
            signal no
            signal rejected
            signal movieRecStatusUpdate
            function dismiss() {
                visible = false
                dismissed = true
            }
        }
    }

    SignalSpy { id: copyFlagSpy; target: ctl; signalName: "copyFlagCleared" }
    SignalSpy { id: liveStopSpy; target: ctl; signalName: "liveViewStop" }
    SignalSpy { id: liveStartSpy; target: ctl; signalName: "liveViewStart" }

    property var boxes: []
    property var realCreate: null

    function initTestCase() {
        realCreate = ctl.createDocument
        ctl.createDocument = function (name) {
            if (name.indexOf("Progress") >= 0)
                return test.realCreate(name)
            var box = fakeBoxComponent.createObject(test, { name: name })
            test.boxes.push(box)
            return box
        }
    }
    function init() {
        boxes = []
        copyFlagSpy.clear()
        liveStopSpy.clear()
        liveStartSpy.clear()
        ctl.fileCopyFailedBox = null
        applicationSettings.transConfirmDlgType = Kv.ApplicationSettings.ConfirmDlgType_ON
    }
    // the picture folder a test changed: [type, path]
    property var savedFolder: null

    function cleanup() {
        ctl.closeCaptureDlg()
        if (savedFolder !== null) {
            applicationSettings.storeFolderUrl = savedFolder[1]
            applicationSettings.storeFolderType = savedFolder[0]
            savedFolder = null
        }
        applicationSettings.transConfirmDlgType = Kv.ApplicationSettings.ConfirmDlgType_ON
        // a saver started by a test has reported before the next one
        wait(50)
    }

    function shown(name) {
        return boxes.filter(function (b) { return b.name === name && b.visible && !b.dismissed })
    }
    // The back end offers a movie of `mb` MiB.
    function offerMovie(handle, mb) {
        objectcopy.movieHandle = handle
        objectcopy.objectAddDataSize = mb * 1048576
        objectcopy.setObjectAddStateValue(Kv.ObjectCopy.OAS_Movie_Confirm)
    }
    function questions() {
        return shown("KvConfirmMovieDialog")
    }

    // The question documents load, hidden, with their icon and Yes/No.
    function test_questionDocuments_data() {
        return [
            { tag: "movie", name: "KvConfirmMovieDialog", icon: Kv.StandardIcon.Question },
            { tag: "movie cancel", name: "KvConfirmCancelMovieDialog", icon: Kv.StandardIcon.Warning },
            { tag: "6K/4K", name: "KvConfirm6K4KDialog", icon: Kv.StandardIcon.Question },
            { tag: "6K/4K cancel", name: "KvConfirmCancel6K4KDialog", icon: Kv.StandardIcon.Warning }
        ]
    }
    function test_questionDocuments(data) {
        var box = realCreate(data.name)
        verify(box !== null)
        compare(box.visible, false)
        compare(box.title, "KAVRO Rozado")
        compare(box.icon, data.icon)
        compare(box.standardButtons, Kv.StandardButton.Yes | Kv.StandardButton.No)
        compare(box.modality, Qt.ApplicationModal)
        box.dismiss()
    }

    function test_twoAnnouncementsMakeOneOffer() {
        ctl.armMovieWatch()
        ctl.notifyObjectAdd()
        offerMovie(11, 100)
        wait(900)
        ctl.notifyObjectAdd()
        offerMovie(12, 50)
        verify(ctl.isCopying)
        wait(800)
        compare(questions().length, 0)
        tryVerify(function () { return questions().length === 1 }, 1000)
        var box = questions()[0]
        verify(box.text.indexOf("Number of files: 2<br>") >= 0, box.text)
        verify(box.text.indexOf("Size: 150MB<br>") >= 0, box.text)
        box.no()
        verify(box.dismissed)
        verify(!ctl.isCopying)
        compare(copyFlagSpy.count, 1)
        compare(liveStopSpy.count, 0)
        wait(300)
        compare(questions().length, 0)
    }

    function test_offerCounts_data() {
        return [
            { tag: "empty list: no question", listed: 0, dropped: 1, errors: 0, files: 0 },
            { tag: "a dropped object", listed: 1, dropped: 1, errors: 0, files: 1 },
            { tag: "an unreadable object", listed: 1, dropped: 0, errors: 1, files: 1 }
        ]
    }
    function test_offerCounts(data) {
        ctl.armMovieWatch()
        for (var i = 0; i < data.listed + data.dropped + data.errors; ++i)
            ctl.notifyObjectAdd()
        for (var l = 0; l < data.listed; ++l)
            offerMovie(20 + l, 10)
        for (var d = 0; d < data.dropped; ++d)
            objectcopy.objectAddDroppedNotify(30 + d)
        for (var e = 0; e < data.errors; ++e)
            objectcopy.objectAddErrorNotify()
        compare(ctl.currentAddedFileCount, 0)
        if (data.files === 0) {
            tryCompare(copyFlagSpy, "count", 1, 2000)
            compare(boxes.length, 0)
            verify(!ctl.isCopying)
            return
        }
        tryVerify(function () { return questions().length === 1 }, 2000)
        verify(questions()[0].text.indexOf("Number of files: " + data.files + "<br>") >= 0)
        questions()[0].rejected()
        verify(!ctl.isCopying)
    }

    // An announced object that is neither listed nor reported does not keep
    // the offer back for ever: what is listed is offered.
    function test_missingObjectDoesNotStall() {
        var started = Date.now()
        ctl.armMovieWatch()
        ctl.notifyObjectAdd()
        ctl.notifyObjectAdd()
        offerMovie(40, 5)
        tryVerify(function () { return questions().length === 1 }, 6000)
        verify(Date.now() - started >= 3900)
        verify(questions()[0].text.indexOf("Number of files: 1<br>") >= 0)
        questions()[0].no()
    }

    function test_cancelImport() {
        ctl.armMovieWatch()
        ctl.notifyObjectAdd()
        offerMovie(50, 5)
        tryVerify(function () { return questions().length === 1 }, 2000)
        var box = questions()[0]
        // answered and cancelled before the saver can report anything
        box.yes()
        verify(box.dismissed)
        compare(liveStopSpy.count, 1)
        verify(ctl.progressMovieDlg_isVisible())
        compare(objectcopy.objectAddState, Kv.ObjectCopy.OAS_Movie_Start)
        compare(ctl.progressMovieDlg.progressMovieTexts(),
                ["Importing", "(Time Elapsed 00:00)", "0MB/5MB", "0MB/5MB", "Number of files: ", "0/", "1"])
        ctl.progressMovieDlg.confirmCancelMovieDlg_showDialog(true)
        var cancel = shown("KvConfirmCancelMovieDialog")
        compare(cancel.length, 1)
        compare(cancel[0].text, "<HTML>Are you sure you would like to cancel import?<br>To copy your video to a PC,<br>"
                + "you must copy from the memory card.</HTML>")
        cancel[0].no()
        verify(ctl.progressMovieDlg_isVisible())
        ctl.progressMovieDlg.confirmCancelMovieDlg_showDialog(true)
        shown("KvConfirmCancelMovieDialog")[0].yes()
        compare(objectcopy.objectAddState, Kv.ObjectCopy.OAS_Movie_Stop)
        verify(!ctl.progressMovieDlg_isVisible())
        compare(liveStartSpy.count, 1)
        verify(!ctl.isCopying)
        compare(shown("KvConfirmCancelMovieDialog").length, 0)
    }

    // No question; the copy cannot be made here (no such movie on any
    // camera), so the saver reports the failure and the window says so.
    function test_importWithoutQuestionEndsOnFailure() {
        applicationSettings.transConfirmDlgType = Kv.ApplicationSettings.ConfirmDlgType_OFF
        ctl.armMovieWatch()
        ctl.notifyObjectAdd()
        offerMovie(60, 5)
        tryCompare(liveStopSpy, "count", 1, 2000)
        compare(questions().length, 0)
        tryCompare(liveStartSpy, "count", 1, 3000)
        verify(!ctl.progressMovieDlg_isVisible())
        compare(shown("fileCopyFailed").length, 1)
        verify(!ctl.isCopying)
    }

    SignalSpy { id: offsetSpy; target: objectcopy; signalName: "objectAddOffsetSizeChanged" }

    // A movie recorded on a simulated camera that hands its files to the
    // computer is offered and copied, chunk by chunk, to the end.
    function test_recordedMovieCopied() {
        if (!deviceAdapter.isCamerasConnected) {
            compare(deviceAdapter.adp_KVR_func_api_Init(), 1)
            verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
            tryVerify(function () { return deviceAdapter.searchList.length > 0 }, 10000)
            tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
            compare(deviceAdapter.connectEnableDevice(), 1)
        }
        verify(deviceAdapter.isCamerasConnected)
        compare(deviceAdapter.adp_KVR_func_api_Reg_NotifyCallback(), 1)
        deviceAdapter.fileTarget = Kv.Utilities.FLTG_PcAndCamera
        compare(deviceAdapter.fileTarget, Kv.Utilities.FLTG_PcAndCamera)
        savedFolder = [applicationSettings.storeFolderType, applicationSettings.storeFolderUrl]
        applicationSettings.storeFolderType = Kv.ApplicationSettings.StoFolderType_User
        applicationSettings.storeFolderUrl = testFolder
        offsetSpy.clear()
        ctl.armMovieWatch()
        compare(deviceAdapter.adp_KVR_func_api_MoveRec_Ctrl_Start(), 1)
        // The adapter takes a new object for a recorded movie only once it
        // has seen the recording time run; the camera reports it by itself.
        tryVerify(function () { return deviceAdapter.elapsedInMovieRec > 0 }, 3000)
        compare(deviceAdapter.adp_KVR_func_api_MoveRec_Ctrl_Stop(), 1)
        tryVerify(function () { return questions().length === 1 }, 5000)
        var box = questions()[0]
        verify(box.text.indexOf("Number of files: 1<br>Size: 40MB<br>") >= 0, box.text)
        box.yes()
        verify(ctl.progressMovieDlg_isVisible())
        var dlg = ctl.progressMovieDlg
        tryCompare(liveStartSpy, "count", 1, 10000)
        var offsets = offsetSpy.signalArguments.map(function (a) { return Number(a[0]) })
        var mib = 1048576
        verify(offsets.indexOf(30 * mib) >= 0 && offsets.indexOf(30 * mib) < offsets.indexOf(40 * mib), offsets)
        compare(objectcopy.objectAddDataSizeProgress(), 0) // the offset is put back once the window goes
        compare(shown("fileCopyFailed").length, 0)
        verify(!ctl.isCopying)
        compare(objectcopy.currentObjectCopyIndex(), 1)
        verify(objectcopy.isFinalObjectCopy())
    }

    // The 6K/4K dialog follows cut6K4KState.
    function test_cut6K4K_data() {
        return [
            { tag: "declined", frames: 20, answer: "no", end: Kv.ObjectCopy.CT6K4K_Cancel },
            { tag: "closed", frames: 20, answer: "rejected", end: Kv.ObjectCopy.CT6K4K_Cancel },
            { tag: "cut and completed", frames: 3, answer: "yes", end: Kv.ObjectCopy.CT6K4K_Complete },
            { tag: "no frames complete on the first tick", frames: 0, answer: "yes", end: Kv.ObjectCopy.CT6K4K_Complete },
            { tag: "cancelled while cutting", frames: 20, answer: "yes", cancel: true, end: Kv.ObjectCopy.CT6K4K_Stop },
            { tag: "stopped by the camera", frames: 20, answer: "yes", cameraStop: true, end: Kv.ObjectCopy.CT6K4K_Stop },
            { tag: "no question", frames: 2, off: true, end: Kv.ObjectCopy.CT6K4K_Complete }
        ]
    }
    function test_cut6K4K(data) {
        if (data.off)
            applicationSettings.transConfirmDlgType = Kv.ApplicationSettings.ConfirmDlgType_OFF
        objectcopy.cut6K4KDataNum = data.frames
        objectcopy.setCut6K4KDataProgressValue(0)
        objectcopy.setCut6K4KStateValue(Kv.ObjectCopy.CT6K4K_Confirm)
        if (!data.off) {
            var q = shown("KvConfirm6K4KDialog")
            compare(q.length, 1)
            compare(q[0].text, "<HTML>Operation from a PC cannot be performed during transfer.<br>Would you like to "
                    + "import the 6K/4K photo you shot?<br>Number of photos transferred: " + data.frames + " <br>"
                    + "(Importing may take time to complete)<br>If \"No\" is selected, you must crop on the camera "
                    + "then copy from the memory card.</HTML>")
            q[0][data.answer]()
            verify(q[0].dismissed)
        }
        if (data.end === Kv.ObjectCopy.CT6K4K_Cancel) {
            compare(objectcopy.cut6K4KState, Kv.ObjectCopy.CT6K4K_Cancel)
            verify(!ctl.progress6K4KDlg_isVisible())
            return
        }
        compare(objectcopy.cut6K4KState, Kv.ObjectCopy.CT6K4K_Start)
        verify(ctl.progress6K4KDlg_isVisible())
        var dlg = ctl.progress6K4KDlg
        compare(dlg.progress6K4KText(), "(Time Elapsed 00:00 0 /" + data.frames + " )")
        if (data.cancel) {
            dlg.confirmCancel6K4KDlg_showDialog(true)
            shown("KvConfirmCancel6K4KDialog")[0].yes()
        } else if (data.cameraStop) {
            objectcopy.setCut6K4KStateValue(Kv.ObjectCopy.CT6K4K_Stop)
        } else {
            objectcopy.setCut6K4KDataProgressValue(1)
            if (data.frames > 1) {
                tryCompare(dlg, "progress6K4KBarValue", 1 / data.frames, 1500)
                compare(dlg.progress6K4KText(), "(Time Elapsed 00:01 1 /" + data.frames + " )")
            }
            objectcopy.setCut6K4KDataProgressValue(data.frames)
            tryVerify(function () { return !ctl.progress6K4KDlg_isVisible() }, 1500)
        }
        compare(objectcopy.cut6K4KState, data.end)
        verify(!ctl.progress6K4KDlg_isVisible())
        compare(shown("KvConfirmCancel6K4KDialog").length, 0)
    }
}
