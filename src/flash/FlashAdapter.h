#pragma once

#include <QObject>

namespace kavrotether {

// Settings of the built-in, external and wireless flashes of the selected camera.
class FlashAdapter : public QObject
{
    Q_OBJECT
public:
    explicit FlashAdapter(QObject *parent = nullptr);
    ~FlashAdapter() override;

    // Asks the flash worker to stop and waits (bounded) until it has left.
    Q_INVOKABLE void stopCallbackThread();
};

} // namespace kavrotether
