#pragma once

#include <QObject>

namespace kavrotether {

// Receives pictures and movies from the cameras and stores them.
class ObjectCopy : public QObject
{
    Q_OBJECT
public:
    explicit ObjectCopy(QObject *parent = nullptr);
    ~ObjectCopy() override;
};

} // namespace kavrotether
