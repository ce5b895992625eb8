#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace kavrotether {

class DeviceAdapter;

// Everything a camera hands over reaches the disk through this object: the
// stills a camera asks the computer to take (saved on the calling event
// thread), the movies the user chooses to copy, and the frames cut from a
// 6K/4K burst. The workers run on threads of their own, started on first
// use and stopped by stopWorkers() (the program's shutdown list) before the
// adapter goes. State the dialogs show reaches the GUI thread only through
// the queued set…Value slots.
class ObjectCopy : public QObject
{
    Q_OBJECT
    Q_PROPERTY(uint movieHandle READ movieHandle WRITE setMovieHandle NOTIFY movieHandleChanged)
    Q_PROPERTY(
        ulong objectAddDataSize READ objectAddDataSize WRITE setObjectAddDataSize NOTIFY objectAddDataSizeChanged)
    Q_PROPERTY(ulong objectAddOffsetSize READ objectAddOffsetSize WRITE setObjectAddOffsetSize NOTIFY
                   objectAddOffsetSizeChanged)
    Q_PROPERTY(kavrotether::ObjectCopy::ObjectAddState objectAddState READ objectAddState WRITE setObjectAddState NOTIFY
                   objectAddStateChanged)
    Q_PROPERTY(int cut6K4KDataNum READ cut6K4KDataNum WRITE setCut6K4KDataNum NOTIFY cut6K4KDataNumChanged)
    Q_PROPERTY(
        int cut6K4KDataProgress READ cut6K4KDataProgress WRITE setCut6K4KDataProgress NOTIFY cut6K4KDataProgressChanged)
    Q_PROPERTY(kavrotether::ObjectCopy::Cut6K4KState cut6K4KState READ cut6K4KState WRITE setCut6K4KState NOTIFY
                   cut6K4KStateChanged)
public:
    // OAS_Movie_Failed: a copy that ended without its file (read, write or
    // naming failure), so the dialog does not wait for 100 % forever.
    enum ObjectAddState : int {
        OAS_Unknown = -1,
        OAS_Movie_Confirm = 0,
        OAS_Movie_Start = 1,
        OAS_Movie_Stop = 2,
        OAS_Movie_Failed = 3,
        OAS_Max = 4
    };
    Q_ENUM(ObjectAddState)
    enum Cut6K4KState : int {
        CT6K4K_Unknown = -1,
        CT6K4K_Confirm = 0,
        CT6K4K_Start = 1,
        CT6K4K_Cancel = 2,
        CT6K4K_Stop = 3,
        CT6K4K_Complete = 4,
        CT6K4K_Max = 5
    };
    Q_ENUM(Cut6K4KState)
    // Why a file was not saved, for the photographer's notice.
    enum TransferFailure : int {
        TF_Folder = 0,     // no folder or file name could be had
        TF_CameraRead = 1, // the camera did not hand the file over
        TF_Write = 2       // the disk refused the file (full, read-only, ...)
    };
    Q_ENUM(TransferFailure)

    // Stills are streamed in chunks of this size; movies too.
    static constexpr quint32 kChunkSize = 0x1E00000;
    // Every 6K/4K frame is read into one buffer of this size.
    static constexpr quint32 kFrameBufferSize = 10 * 1024 * 1024;

    explicit ObjectCopy(QObject *parent = nullptr);
    ~ObjectCopy() override;

    // Entry points of the camera-event handlers (event worker thread).
    Q_INVOKABLE void startObjectAdd(int handle);
    Q_INVOKABLE void startObjectReqTransfer(int handle, const QString &uuid);
    Q_INVOKABLE void startCut6K4KData(int value);
    Q_INVOKABLE void startCut6K4KReady(int value);
    Q_INVOKABLE void stop6K4K(int value);

    // Interrupts every transfer and stops and joins the worker threads
    // (bounded); harmless twice. Nothing is started afterwards. The pictures
    // still being saved then (a camera call that does not come back) are
    // named in the log, as they will not be saved.
    void stopWorkers();

    uint movieHandle() const;
    void setMovieHandle(uint handle);
    ulong objectAddDataSize() const;
    void setObjectAddDataSize(ulong size);
    ulong objectAddOffsetSize() const;
    // The interface cannot move the progress.
    void setObjectAddOffsetSize(ulong) {}
    ObjectAddState objectAddState() const;
    void setObjectAddState(ObjectAddState state);
    int cut6K4KDataNum() const;
    void setCut6K4KDataNum(int count);
    int cut6K4KDataProgress() const;
    void setCut6K4KDataProgress(int) {}
    Cut6K4KState cut6K4KState() const;
    void setCut6K4KState(Cut6K4KState state);

    QString cut6K4KDataDirPath() const;
    void setCut6K4KDataDirPath(const QString &path);
    QString cut6K4KDataBaseName() const;
    void setCut6K4KDataBaseName(const QString &name);
    int cut6K4KDataStartNum() const;
    void setCut6K4KDataStartNum(int number);

    Q_INVOKABLE QString objectAddDataSizeString() const;
    Q_INVOKABLE QString objectAddDataOffsetSizeString() const;
    Q_INVOKABLE double objectAddDataSizeProgress() const;
    Q_INVOKABLE void clearObjectCopys();
    Q_INVOKABLE void pushObjectCopys();
    Q_INVOKABLE void beginCopying();
    Q_INVOKABLE void nextCopy();
    Q_INVOKABLE void setObjectCopyToCurrent();
    Q_INVOKABLE int currentObjectCopyIndex() const;
    Q_INVOKABLE int objectCopysCount() const;
    Q_INVOKABLE bool isFinalObjectCopy() const;
    Q_INVOKABLE QString currentObjectCopySizeString() const;
    Q_INVOKABLE QString totalObjectCopysSizeString() const;

    // Chooses the folder and name of an object (folder created); the name
    // is reserved until a SafeFileWriter for it finishes or
    // releaseFileName() is called, so no other thread picks it meanwhile.
    // An empty uuid: the selected camera. False when no folder or name can
    // be had.
    static bool makeFileName(uint format, QString &fileName, QString &folder, QString &filePath, int withExtension,
                             int handle, bool newNumber, QString uuid);
    static void releaseFileName(const QString &filePath);

public slots:
    void setObjectAddStateValue(int state);
    void setObjectAddOffsetSizeValue(ulong offset);
    void setCut6K4KStateValue(int state);
    void setCut6K4KDataProgressValue(int progress);
    void setCut6K4KDataProgressInc();

signals:
    void movieHandleChanged(uint handle);
    void objectAddDataSizeChanged(ulong size);
    void objectAddOffsetSizeChanged(ulong offset);
    void objectAddStateChanged(kavrotether::ObjectCopy::ObjectAddState state);
    void cut6K4KDataNumChanged(int count);
    void cut6K4KDataProgressChanged(int progress);
    void cut6K4KStateChanged(kavrotether::ObjectCopy::Cut6K4KState state);
    void objectAddErrorNotify();
    void interruptionObjectAdd();
    void interruptionCut6K4K();
    // A new object that is not offered for copying (a still, a movie the
    // computer does not receive), so a count of announced movies settles.
    void objectAddDroppedNotify(uint handle);
    // A picture or frame that could not be saved: nothing is left under its
    // name and the path is not published. (A movie's failure ends in its
    // dialog instead, through OAS_Movie_Failed.) `filePath` is a picture's
    // name on the camera (empty when the camera does not tell it), never
    // the name it would have had here, which may be the next picture's by
    // then; a frame's path. `onCamera` tells which, so the notice never
    // sends the photographer to the folder for a camera's name that another
    // camera's good picture may carry there. `camera` is the name the
    // user knows the camera by; `reason` the technical detail (logged);
    // `cause` a TransferFailure. Emitted on the worker's thread.
    void objectTransferFailed(const QString &filePath, const QString &reason, const QString &camera, int cause,
                              bool onCamera);

private:
    // A movie the queue worker offers, with its own handle and size, so two
    // offers in a row cannot mix.
    Q_INVOKABLE void offerMovieValue(uint handle, qulonglong size);

    // For the workers, from any thread.
    // An empty uuid: the selected camera. logFailure only logs and gives the
    // camera's name (a movie's failure ends in its own dialog);
    // reportFailure also tells the photographer, of a picture by its name on
    // the camera; reportFrameFailure of a frame by its path here.
    QString logFailure(const QString &uuid, const QString &filePath, const QString &reason);
    // The name the user knows a camera by.
    static QString cameraName(const QString &uuid);
    void reportFailure(const QString &uuid, const QString &cameraFileName, const QString &reason,
                       TransferFailure cause);
    void reportFrameFailure(const QString &uuid, const QString &filePath, const QString &reason, TransferFailure cause);
    void publishSavedPath(const QString &filePath);
    void resetCutting(int frameCount);

    class Private;
    friend class ObjectAdd;
    friend class ObjectReqTransfer;
    friend class Cut6K4KWorkers;
    // Shared with every transfer under way: one that a close leaves running
    // in a camera call keeps its worker and state alive itself, and finds
    // the close there when the call comes back, without touching this
    // object again.
    std::shared_ptr<Private> d;
};

} // namespace kavrotether
