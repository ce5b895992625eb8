import QtQuick
import QtTest
import Kv 1.0 as Kv

// The settings store as the interface reads and writes it: enumeration-typed
// properties, per-window accessors and the store-location table.
TestCase {
    name: "SettingsFromQml"

    SignalSpy {
        id: dateSpy
        target: applicationSettings
        signalName: "storeFolderDateChanged"
    }

    SignalSpy {
        id: widthSpy
        target: applicationSettings
        signalName: "winStateWidthChanged"
    }

    function test_enumerationProperty() {
        var before = applicationSettings.storeFolderDate
        var other = before === Kv.ApplicationSettings.StoFolderDate_On
                ? Kv.ApplicationSettings.StoFolderDate_Off : Kv.ApplicationSettings.StoFolderDate_On
        dateSpy.clear()
        applicationSettings.storeFolderDate = other
        compare(applicationSettings.storeFolderDate, other)
        applicationSettings.storeFolderDate = other
        compare(dateSpy.count, 1)
        applicationSettings.storeFolderDate = before
        compare(applicationSettings.storeFolderDate, before)
    }

    function test_windowAccessors() {
        var before = applicationSettings.winStateWidth
        var visibleBefore = applicationSettings.winStateVisible
        widthSpy.clear()
        applicationSettings.setWinStateWidthForWindow(Kv.ApplicationSettings.WinList_Preview, 800)
        compare(applicationSettings.winStateWidthForWindow(Kv.ApplicationSettings.WinList_Preview), 800)
        compare(widthSpy.count, 1)
        applicationSettings.setWinStateVisibleForWindow(Kv.ApplicationSettings.WinList_Live, true)
        verify(applicationSettings.winStateVisibleForWindow(Kv.ApplicationSettings.WinList_Live))
        // An index that names no window reads 0 and leaves the lists alone.
        compare(applicationSettings.winStateWidthForWindow(Kv.ApplicationSettings.WinList_Max), 0)
        applicationSettings.setWinStateWidthForWindow(Kv.ApplicationSettings.WinList_Unknown, 5)
        compare(applicationSettings.winStateWidthForWindow(Kv.ApplicationSettings.WinList_Preview), 800)
        applicationSettings.winStateWidth = before
        applicationSettings.winStateVisible = visibleBefore
    }

    function test_storeLocationTable() {
        applicationSettings.setTargetCameraListLength(2)
        applicationSettings.setTargetCameraListByID("SN-QML-1", Kv.ApplicationSettings.StoLocType_Pc, 0)
        applicationSettings.setTargetCameraListByID("SN-QML-2", Kv.ApplicationSettings.StoLocType_SdCard, 1)
        compare(applicationSettings.getStoreLocationTypeFromList("SN-QML-2"), Kv.ApplicationSettings.StoLocType_SdCard)
        compare(applicationSettings.getTargetCameraListByID(0), "SN-QML-1")
        compare(applicationSettings.getStoreLocationTypeFromFile("SN-QML-never"), Kv.ApplicationSettings.StoLocType_SdCardPc)
        applicationSettings.setTargetCameraListLength(0)
        compare(applicationSettings.getStoreLocationTypeFromList("SN-QML-1"), -1)
    }
}
