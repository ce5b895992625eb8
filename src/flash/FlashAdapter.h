#pragma once

#include <QObject>

#include "core/Utilities.h" // see the Utilities block in the class

namespace kavrotether {

// Settings of the built-in, external and wireless flashes of the selected camera.
class FlashAdapter : public QObject
{
    Q_OBJECT
    // --- Utilities keys through Kv.FlashAdapter (keep this block whole) ---
    // QML resolves Kv.FlashAdapter.<key> in this class's enumerations and in those of
    // the classes moc lists as related; moc lists a class there when a property's
    // type is scoped by it and it has seen that class (hence the include).
    Q_PROPERTY(kavrotether::Utilities::Ternary vocabulary READ vocabulary CONSTANT)
public:
    kavrotether::Utilities::Ternary vocabulary() const { return kavrotether::Utilities::Ternary_Unknown; }
    // --- end of block ---
public:
    explicit FlashAdapter(QObject *parent = nullptr);
    ~FlashAdapter() override;

    // The flash event receiver and its worker are not part of this build:
    // registering them fails, and so does every capability read, so the
    // start-up and the post-connect reading see an honest failure.
    Utilities::Ternary adp_KVR_func_api_Reg_NotifyCallback();
    Utilities::Ternary adp_KVR_func_api_Strobe_GetCapability();
    Utilities::Ternary adp_KVR_func_api_Strobe2_GetCapability();
    // The flash-mode writer comes with flash control; until then the
    // camera keeps its mode.
    Q_INVOKABLE void setFlashMode(kavrotether::Utilities::FlashMode mode);

    // Asks the flash worker to stop; nothing when there is none.
    Q_INVOKABLE void stopCallbackThread();
};

} // namespace kavrotether
