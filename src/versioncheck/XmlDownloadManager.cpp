#include "XmlDownloadManager.h"

namespace kavrotether {

XmlDownloadManager::XmlDownloadManager(QObject *parent) : QObject(parent) {}
XmlDownloadManager::~XmlDownloadManager() = default;

} // namespace kavrotether
