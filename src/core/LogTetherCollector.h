#pragma once

#include <QObject>
#include <QString>

#include "TagDef.h"

namespace kavrotether {

// Usage-log collector the interface reports to. This build stores and sends
// nothing; the interface is complete so the QML runs unchanged, and a send
// request is always answered "not sent".
class LogTetherCollector : public QObject
{
    Q_OBJECT
public:
    explicit LogTetherCollector(QObject *parent = nullptr);
    ~LogTetherCollector() override;

    Q_INVOKABLE bool checkLogExist();
    Q_INVOKABLE void createLog();
    Q_INVOKABLE void writeLog(kavrotether::TagDef::RecLevel level, uint majorTag, uint medTag, uint scrTag,
                              const QString &file, const QString &text);
    // The answer is emitted before these return: connect to
    // onRequestFinished first.
    Q_INVOKABLE void sendLog(kavrotether::TagDef::RecSendType type);
    Q_INVOKABLE void sendLog();

    void requestSend(const QString &request);

signals:
    void onRequestFinished(bool result);
};

} // namespace kavrotether
