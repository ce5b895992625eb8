#include "LogTetherCollector.h"

namespace kavrotether {

LogTetherCollector::LogTetherCollector(QObject *parent) : QObject(parent) {}
LogTetherCollector::~LogTetherCollector() = default;

} // namespace kavrotether
