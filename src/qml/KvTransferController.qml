import QtQuick
import Kv 1.0 as Kv
import "KvTransferLogic.js" as Logic

// The main window's side of the movie and 6K/4K imports: collects the movies
// announced after a recording, offers them, drives `objectcopy` through the
// copies with the progress windows, and follows the 6K/4K cutting state.
// Every dialog is a fresh document for one use, destroyed on dismissal.
Item {
    id: root

    // Asked of the main window: live view pauses while a movie is imported,
    // the movie button follows `isCopying`, the copy flag of the recording
    // ends with an offer.
    signal liveViewStop
    signal liveViewStart
    signal movieButtonRefresh
    signal copyFlagCleared

    readonly property int lastObjectAddInterval: Logic.lastObjectAddInterval
    property var collection: Logic.newCollection()
    readonly property int currentAddedFileCount: collection.pending
    property bool isCopying: false

    property var confirmMovieDialogs: []
    property var progressMovieDlg: null
    property var confirmCancelMovieDlg: null
    property var confirm6K4KDlg: null
    property var confirmCancel6K4KDlg: null
    property var progress6K4KDlg: null
    property var fileCopyFailedBox: null

    // Makes one dialog document by name; a document that cannot be made is
    // logged and gives null.
    property var createDocument: function (name) {
        if (name === "fileCopyFailed")
            return Qt.createQmlObject("import Kv 1.0 as Kv; Kv.MessageBox { title: \"KAVRO Rozado\"; "
                                      + "icon: Kv.StandardIcon.Warning; standardButtons: Kv.StandardButton.Ok; "
                                      + "modality: Qt.NonModal; visible: false }", root, "fileCopyFailed")
        var component = Qt.createComponent(name + ".qml")
        if (component.status !== Component.Ready) {
            console.log(component.errorString())
            return null
        }
        var object = component.createObject(root)
        if (object === null)
            console.log(component.errorString())
        return object
    }

    readonly property var texts: ({
            confirm_message_1: qsTr("confirm_message_1"),
            confirm_message_2: qsTr("confirm_message_2"),
            confirm_message_3: qsTr("confirm_message_3"),
            confirm_message_4: qsTr("confirm_message_4"),
            confirm_message_5: qsTr("confirm_message_5"),
            confirm_message_6: qsTr("confirm_message_6"),
            confirm_message_7: qsTr("confirm_message_7"),
            confirm_message_8: qsTr("confirm_message_8"),
            confirm_message_9: qsTr("confirm_message_9"),
            confirm_message_10: qsTr("confirm_message_10"),
            confirm_message_11: qsTr("confirm_message_11"),
            confirm_message_12: qsTr("confirm_message_12"),
            confirm_message_13: qsTr("confirm_message_13"),
            confirm_message_15: qsTr("confirm_message_15"),
            confirm_message_16: qsTr("confirm_message_16"),
            confirm_message_17: qsTr("confirm_message_17"),
            confirm_message_18: qsTr("confirm_message_18"),
            confirm_message_19: qsTr("confirm_message_19"),
            confirm_message_20: qsTr("confirm_message_20"),
            confirm_message_21: qsTr("confirm_message_21"),
            confirm_message_22: qsTr("confirm_message_22")
        })

    function confirmationOff() {
        return applicationSettings.transConfirmDlgType === Kv.ApplicationSettings.ConfirmDlgType_OFF
    }

    Connections {
        target: deviceAdapter
        function onObjectAddEventReceivedNotify() { root.notifyObjectAdd() }
    }
    Connections {
        target: objectcopy
        function onObjectAddStateChanged() { root.confirmMovie() }
        function onCut6K4KStateChanged() { root.cut6K4KStateSetting() }
        function onObjectAddErrorNotify() { root.objectAddErrorNotify() }
        function onObjectAddDroppedNotify() { root.objectAddErrorNotify() }
    }

    // ---- collecting the movies
    Timer {
        id: checkLastMovieTimer
        interval: root.lastObjectAddInterval
        onTriggered: {
            root.collection = Logic.silence(root.collection)
            gettingMovieTimer.startedAt = Date.now()
            gettingMovieTimer.start()
        }
    }
    Timer {
        id: gettingMovieTimer
        property real startedAt: 0
        interval: Logic.drainTickInterval
        repeat: true
        triggeredOnStart: true
        onTriggered: {
            if (Logic.drainDone(root.collection, Date.now() - startedAt)) {
                stop()
                root.offerMovies()
            }
        }
    }

    // A movie recording started from the computer arms the watch.
    function armMovieWatch() {
        collection = Logic.arm(collection)
        objectcopy.clearObjectCopys()
    }
    function isWaiting() {
        return collection.waiting
    }
    function notifyObjectAdd() {
        var step = Logic.announce(collection)
        collection = step.state
        if (!step.restart)
            return
        isCopying = true
        movieButtonRefresh()
        checkLastMovieTimer.restart()
    }
    function confirmMovie() {
        var state = objectcopy.objectAddState
        if (state === Kv.ObjectCopy.OAS_Movie_Confirm) {
            if (Logic.shouldList(collection)) {
                objectcopy.pushObjectCopys()
                collection = Logic.listed(collection)
            }
        } else if (state === Kv.ObjectCopy.OAS_Movie_Failed && progressMovieDlg_isVisible()) {
            progressMovieDlg_offsetSizeDispInit()
            progressMovieTimer.stop()
            progressMovieDlg_dismiss()
            fileCopyFailedDisp()
        }
    }
    function objectAddErrorNotify() {
        collection = Logic.dropped(collection)
    }
    function endOffer() {
        isCopying = false
        movieButtonRefresh()
        copyFlagCleared()
    }
    function offerMovies() {
        var count = objectcopy.objectCopysCount()
        var action = Logic.offerAction(count, confirmationOff())
        if (action === "none") {
            endOffer()
        } else if (action === "start") {
            startMovieImport()
            liveViewStop()
        } else {
            var box = createDocument("KvConfirmMovieDialog")
            if (box === null) {
                endOffer()
                return
            }
            box.text = Logic.movieQuestionText(texts, count, Logic.megabytes(objectcopy.totalObjectCopysSizeString()))
            box.yes.connect(function () { root.answerMovieOffer(box, true) })
            box.no.connect(function () { root.answerMovieOffer(box, false) })
            box.rejected.connect(function () { root.answerMovieOffer(box, false) })
            box.movieRecStatusUpdate.connect(function () { root.movieButtonRefresh() })
            confirmMovieDialogs.push(box)
            box.visible = true
        }
    }
    function answerMovieOffer(box, yes) {
        var i = confirmMovieDialogs.indexOf(box)
        if (i < 0)
            return
        confirmMovieDialogs.splice(i, 1)
        if (yes) {
            startMovieImport()
            liveViewStop()
            box.dismiss()
        } else {
            box.dismiss()
            endOffer()
        }
    }
    function confirmMovieDlg_dismiss() {
        var boxes = confirmMovieDialogs
        confirmMovieDialogs = []
        for (var i = 0; i < boxes.length; ++i)
            boxes[i].dismiss()
        if (boxes.length > 0)
            endOffer()
    }

    // ---- import of the movies
    Timer {
        id: progressMovieTimer
        property int pastTime: 0
        interval: 1000
        repeat: true
        onTriggered: root.progressMovieTick()
    }
    function startMovieImport() {
        if (objectcopy.objectCopysCount() <= 0) {
            movieButtonRefresh()
            return
        }
        objectcopy.beginCopying()
        objectcopy.setObjectCopyToCurrent()
        objectcopy.objectAddState = Kv.ObjectCopy.OAS_Movie_Confirm
        objectcopy.objectAddState = Kv.ObjectCopy.OAS_Movie_Start
        progressMovieTimer.start()
        if (progressMovieDlg === null) {
            progressMovieDlg = createDocument("KvProgressMovieDialog")
            if (progressMovieDlg !== null) {
                progressMovieDlg.setProgressMovieText1(texts.confirm_message_7)
                progressMovieDlg.setProgressMovieTextFileCount(texts.confirm_message_22)
                progressMovieDlg.setProgressMovieCancel(texts.confirm_message_10)
                progressMovieDlg.confirmCancelMovieDlg_showDialog.connect(root.showMovieCancel)
                progressMovieDlg.confirmCancelMovieDlg_dismiss.connect(root.confirmCancelMovieDlg_dismiss)
            }
        }
        if (progressMovieDlg !== null)
            progressMovieDlg.visible = true
        progressMovieDlg_offsetSizeDispInit()
    }
    function progressMovieDlg_offsetSizeDispInit() {
        progressMovieTimer.pastTime = 0
        if (progressMovieDlg === null)
            return
        var total = Logic.megabytes(objectcopy.totalObjectCopysSizeString())
        var d = progressMovieDlg
        d.setProgressMovieText2(Logic.elapsedLine(texts, 0))
        d.setProgressMovieTextSizeOne(Logic.sizeText(texts, 0, Logic.megabytes(objectcopy.objectAddDataSizeString())))
        d.setProgressMovieTextSizeAll(Logic.sizeText(texts, 0, total))
        d.setProgressMovieTextCurCount("0/")
        d.setMovieTextTotalCount("" + objectcopy.objectCopysCount())
        d.setProgressMovieBar(0)
        d.setProgressMovieBarTotal(0)
    }
    function progressMovieTick() {
        progressMovieTimer.pastTime += 1
        var p = Logic.movieProgress(texts, progressMovieTimer.pastTime, {
                                        offsetMb: objectcopy.objectAddDataOffsetSizeString(),
                                        currentMb: objectcopy.objectAddDataSizeString(),
                                        doneBeforeMb: objectcopy.currentObjectCopySizeString(),
                                        totalMb: objectcopy.totalObjectCopysSizeString(),
                                        index: objectcopy.currentObjectCopyIndex(),
                                        count: objectcopy.objectCopysCount(),
                                        progress: objectcopy.objectAddDataSizeProgress()
                                    })
        var d = progressMovieDlg
        if (d !== null) {
            d.setProgressMovieText2(p.elapsed)
            d.setProgressMovieTextSizeOne(p.currentSize)
            d.setProgressMovieTextSizeAll(p.totalSize)
            d.setProgressMovieTextCurCount(p.currentCount)
            d.setMovieTextTotalCount(p.totalCount)
            d.setProgressMovieBarTotal(p.totalBar)
            d.setProgressMovieBar(p.currentBar)
        }
        if (objectcopy.objectAddDataSizeProgress() < 1)
            return
        objectcopy.nextCopy()
        if (objectcopy.isFinalObjectCopy()) {
            if (d !== null)
                d.setProgressMovieBar(1)
            progressMovieTimer.stop()
            delayAfter(500, function () {
                root.progressMovieDlg_dismiss()
                root.confirmCancelMovieDlg_dismiss()
            })
        } else {
            objectcopy.setObjectCopyToCurrent()
            objectcopy.setObjectAddOffsetSizeValue(0)
            objectcopy.objectAddState = Kv.ObjectCopy.OAS_Movie_Confirm
            objectcopy.objectAddState = Kv.ObjectCopy.OAS_Movie_Start
        }
    }
    function progressMovieDlg_isVisible() {
        return progressMovieDlg !== null && progressMovieDlg.visible
    }
    function progressMovieDlg_dismiss() {
        var d = progressMovieDlg
        progressMovieDlg = null
        if (d !== null)
            d.dismiss()
        objectcopy.setObjectAddOffsetSizeValue(0)
        copyFlagCleared()
        if (d !== null) {
            liveViewStart()
            isCopying = false
            movieButtonRefresh()
        }
    }

    // ---- cancelling a movie import
    function showMovieCancel() {
        if (confirmCancelMovieDlg !== null)
            return
        var box = createDocument("KvConfirmCancelMovieDialog")
        if (box === null)
            return
        confirmCancelMovieDlg = box
        box.text = Logic.movieCancelText(texts)
        box.yes.connect(function () { root.answerMovieCancel(true) })
        box.no.connect(function () { root.answerMovieCancel(false) })
        box.rejected.connect(function () { root.answerMovieCancel(false) })
        box.visible = true
    }
    function answerMovieCancel(yes) {
        if (yes) {
            if (objectcopy.objectAddState === Kv.ObjectCopy.OAS_Movie_Start)
                objectcopy.objectAddState = Kv.ObjectCopy.OAS_Movie_Stop
            progressMovieTimer.stop()
            progressMovieDlg_dismiss()
        }
        confirmCancelMovieDlg_dismiss()
    }
    function confirmCancelMovieDlg_dismiss() {
        var box = confirmCancelMovieDlg
        confirmCancelMovieDlg = null
        if (box !== null)
            box.dismiss()
    }

    // ---- 6K/4K frames
    Timer {
        id: progress6K4KTimer
        property int pastTime: 0
        interval: 1000
        repeat: true
        onTriggered: root.progress6K4KTick()
    }
    function cut6K4KStateSetting() {
        var state = objectcopy.cut6K4KState
        if (Logic.cut6K4KAction(state, Kv.ObjectCopy.CT6K4K_Confirm) === "ask") {
            if (confirmationOff()) {
                start6K4KProgress()
                objectcopy.cut6K4KState = Kv.ObjectCopy.CT6K4K_Start
                return
            }
            confirm6K4KDlg_dismiss()
            var box = createDocument("KvConfirm6K4KDialog")
            if (box === null)
                return
            confirm6K4KDlg = box
            box.text = Logic.cut6K4KQuestionText(texts, objectcopy.cut6K4KDataNum)
            box.yes.connect(function () { root.answer6K4K(true) })
            box.no.connect(function () { root.answer6K4K(false) })
            box.rejected.connect(function () { root.answer6K4K(false) })
            box.visible = true
            return
        }
        confirm6K4KDlg_dismiss()
        confirmCancel6K4KDlg_dismiss()
        if (progress6K4KDlg_isVisible()) {
            progress6K4KDlg_offsetSizeDispInit()
            progress6K4KTimer.stop()
            progress6K4KDlg_dismiss()
        }
    }
    function answer6K4K(yes) {
        if (objectcopy.cut6K4KState === Kv.ObjectCopy.CT6K4K_Confirm) {
            if (yes) {
                start6K4KProgress()
                objectcopy.cut6K4KState = Kv.ObjectCopy.CT6K4K_Start
            } else {
                objectcopy.cut6K4KState = Kv.ObjectCopy.CT6K4K_Cancel
            }
        }
        confirm6K4KDlg_dismiss()
    }
    function start6K4KProgress() {
        progress6K4KTimer.start()
        if (progress6K4KDlg === null) {
            progress6K4KDlg = createDocument("KvProgress6K4KDialog")
            if (progress6K4KDlg !== null) {
                progress6K4KDlg.setProgress6K4KText1(texts.confirm_message_7)
                progress6K4KDlg.setProgress6K4KCancel(texts.confirm_message_10)
                progress6K4KDlg.confirmCancel6K4KDlg_showDialog.connect(root.show6K4KCancel)
                progress6K4KDlg.confirmCancel6K4KDlg_dismiss.connect(root.confirmCancel6K4KDlg_dismiss)
            }
        }
        if (progress6K4KDlg !== null)
            progress6K4KDlg.visible = true
        progress6K4KDlg_offsetSizeDispInit()
    }
    function progress6K4KDlg_offsetSizeDispInit() {
        progress6K4KTimer.pastTime = 0
        if (progress6K4KDlg === null)
            return
        progress6K4KDlg.setProgress6K4KText2(Logic.cut6K4KProgress(texts, 0, 0, objectcopy.cut6K4KDataNum).text)
        progress6K4KDlg.setProgress6K4KBar(0)
    }
    function progress6K4KTick() {
        progress6K4KTimer.pastTime += 1
        var p = Logic.cut6K4KProgress(texts, progress6K4KTimer.pastTime, objectcopy.cut6K4KDataProgress,
                                      objectcopy.cut6K4KDataNum)
        if (progress6K4KDlg !== null) {
            progress6K4KDlg.setProgress6K4KText2(p.text)
            progress6K4KDlg.setProgress6K4KBar(p.bar)
        }
        if (!p.done)
            return
        progress6K4KTimer.stop()
        progress6K4KDlg_dismiss()
        confirmCancel6K4KDlg_dismiss()
        if (objectcopy.cut6K4KState === Kv.ObjectCopy.CT6K4K_Start)
            objectcopy.cut6K4KState = Kv.ObjectCopy.CT6K4K_Complete
    }
    function show6K4KCancel() {
        if (confirmCancel6K4KDlg !== null)
            return
        var box = createDocument("KvConfirmCancel6K4KDialog")
        if (box === null)
            return
        confirmCancel6K4KDlg = box
        box.text = Logic.cut6K4KCancelText(texts)
        box.yes.connect(function () { root.answer6K4KCancel(true) })
        box.no.connect(function () { root.answer6K4KCancel(false) })
        box.rejected.connect(function () { root.answer6K4KCancel(false) })
        box.visible = true
    }
    function answer6K4KCancel(yes) {
        if (yes) {
            progress6K4KTimer.stop()
            progress6K4KDlg_dismiss()
            if (objectcopy.cut6K4KState === Kv.ObjectCopy.CT6K4K_Start)
                objectcopy.cut6K4KState = Kv.ObjectCopy.CT6K4K_Stop
        }
        confirmCancel6K4KDlg_dismiss()
    }
    function confirm6K4KDlg_dismiss() {
        var box = confirm6K4KDlg
        confirm6K4KDlg = null
        if (box !== null)
            box.dismiss()
    }
    function confirmCancel6K4KDlg_dismiss() {
        var box = confirmCancel6K4KDlg
        confirmCancel6K4KDlg = null
        if (box !== null)
            box.dismiss()
    }
    function progress6K4KDlg_isVisible() {
        return progress6K4KDlg !== null && progress6K4KDlg.visible
    }
    function progress6K4KDlg_dismiss() {
        var d = progress6K4KDlg
        progress6K4KDlg = null
        if (d !== null)
            d.dismiss()
    }

    // ---- closing all of it: a recording started on the camera, or a popup
    // closing the main window's work
    function fileCopyFailedDisp() {
        if (fileCopyFailedBox === null)
            fileCopyFailedBox = createDocument("fileCopyFailed")
        if (fileCopyFailedBox === null)
            return
        fileCopyFailedBox.text = qsTr("Failed to copy the file.")
        fileCopyFailedBox.visible = true
    }
    function closeCaptureDlg() {
        confirmMovieDlg_dismiss()
        confirmCancelMovieDlg_dismiss()
        if (fileCopyFailedBox !== null)
            fileCopyFailedBox.visible = false
        if (progressMovieDlg_isVisible()) {
            if (objectcopy.objectAddState === Kv.ObjectCopy.OAS_Movie_Start)
                objectcopy.objectAddState = Kv.ObjectCopy.OAS_Movie_Stop
            progressMovieDlg_offsetSizeDispInit()
            progressMovieTimer.stop()
            progressMovieDlg_dismiss()
            fileCopyFailedDisp()
        }
        confirm6K4KDlg_dismiss()
        confirmCancel6K4KDlg_dismiss()
        if (progress6K4KDlg_isVisible()) {
            progress6K4KDlg_offsetSizeDispInit()
            progress6K4KTimer.stop()
            progress6K4KDlg_dismiss()
            if (objectcopy.cut6K4KState === Kv.ObjectCopy.CT6K4K_Start)
                objectcopy.cut6K4KState = Kv.ObjectCopy.CT6K4K_Stop
        }
    }

    function delayAfter(ms, fn) {
        var timer = Qt.createQmlObject("import QtQuick 2.0; Timer {}", root)
        timer.interval = ms
        timer.repeat = false
        timer.triggered.connect(function () {
            fn()
            timer.destroy()
        })
        timer.start()
    }
}
