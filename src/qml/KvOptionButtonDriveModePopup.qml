import QtQuick

// The drive-mode list popup: the same list over a clear overlay.
KvOptionButtonPopup {
    overlayOpacity: 0.0
    mainList: false
}
