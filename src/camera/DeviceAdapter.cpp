// DeviceAdapter: the object itself, its construction, teardown and the
// store operations of its properties.

#include "DeviceAdapter.h"

#include <QCoreApplication>
#include <QEvent>

#include "DeviceAdapterCallback.h"

namespace kavrotether {

namespace {
// Event type posted when a network camera waits for its password.
constexpr int kPasswordRequestEvent = QEvent::User;
} // namespace

DeviceAdapter::DeviceAdapter(QObject *parent) : QObject(parent), d(std::make_unique<DeviceAdapterData>())
{
    m_liveViewManager.SetVideoAdapter(&m_videoSource);
}

DeviceAdapter::~DeviceAdapter()
{
    // Every thread calls into this object: each must have left (and the
    // worker unregistered from the SDK) before anything here is torn down.
    stopBackgroundThreads();
    // The dialog answers to this adapter.
    delete passwordDialog;
    passwordDialog = nullptr;
    m_liveViewManager.ForceStop();
    m_videoSource.ForceStop();
    qDeleteAll(takeSearchListAtEnd());
}

bool DeviceAdapter::event(QEvent *e)
{
    if (e->type() == kPasswordRequestEvent) {
        ptpip_enhance_security_show_input_password_dialog();
        return true;
    }
    return QObject::event(e);
}

bool DeviceAdapter::postPasswordRequestIfAwaited()
{
    if (connectionType() != kConnectionLan || !isCheckingPtpipEnhanceSecurityInfo())
        return false;
    // Posted, not shown here: the dialog opens from the event loop once the
    // connect that found the request has returned.
    QCoreApplication::postEvent(this, new QEvent(QEvent::Type(kPasswordRequestEvent)));
    return true;
}

namespace {
enum EmitRule { ChangedOnly, Always };
}

// clang-format off
#define KAVRO_DA_DEFINE_ACCESSORS(type, name, Name, emitRule)                  \
    type DeviceAdapter::name() const { return static_cast<type>(d->name.load()); } \
    void DeviceAdapter::set##Name##Value(type value)                           \
    {                                                                          \
        if (d->name.store(value) || (emitRule) == Always)                      \
            emit name##Changed(value);                                         \
    }
// clang-format on
KAVRO_DA_ALL_PROPERTIES(KAVRO_DA_DEFINE_ACCESSORS)
#undef KAVRO_DA_DEFINE_ACCESSORS

} // namespace kavrotether
