#pragma once

#include <QObject>

#include "XmlDownloadManager.h"

namespace kavrotether {

// Result of the check for a newer version of the program.
class VersionData : public QObject
{
    Q_OBJECT
public:
    explicit VersionData(QObject *parent = nullptr);
    ~VersionData() override;

    XmlDownloadManager *downloader() { return &m_downloader; }

private:
    XmlDownloadManager m_downloader;
};

} // namespace kavrotether
