#include "LogTetherCollector.h"

namespace kavrotether {

LogTetherCollector::LogTetherCollector(QObject *parent) : QObject(parent) {}
LogTetherCollector::~LogTetherCollector() = default;

bool LogTetherCollector::checkLogExist()
{
    return false;
}

void LogTetherCollector::createLog() {}

void LogTetherCollector::writeLog(TagDef::RecLevel, uint, uint, uint, const QString &, const QString &) {}

void LogTetherCollector::sendLog(TagDef::RecSendType)
{
    requestSend(QString());
}

void LogTetherCollector::sendLog()
{
    requestSend(QString());
}

void LogTetherCollector::requestSend(const QString &)
{
    // Nothing is ever transmitted, so the request ends at once, unsent.
    emit onRequestFinished(false);
}

} // namespace kavrotether
