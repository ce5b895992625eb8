#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "XmlDownloadManager.h"

namespace kavrotether {

// One "model" entry of the version file.
struct ModelData
{
    QString name;
    int major = 0;
    int minor = 0;
    int build = 0;
    int revision = 0;
    QString importance;
    QString notice;
    QString address;
};

// Result of the check for a newer version of the program. Everything runs
// on the GUI thread: the network manager delivers its replies there.
class VersionData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString update_applicationName READ update_applicationName WRITE setUpdate_applicationName NOTIFY
                   update_applicationNameChanged)
    Q_PROPERTY(bool update_versionUpCheck READ update_versionUpCheck WRITE setUpdate_versionUpCheck NOTIFY
                   update_versionUpCheckChanged)
    Q_PROPERTY(QString update_modelName READ update_modelName WRITE setUpdate_modelName NOTIFY update_modelNameChanged)
    Q_PROPERTY(
        int update_majorVersion READ update_majorVersion WRITE setUpdate_majorVersion NOTIFY update_majorVersionChanged)
    Q_PROPERTY(
        int update_minorVersion READ update_minorVersion WRITE setUpdate_minorVersion NOTIFY update_minorVersionChanged)
    Q_PROPERTY(
        int update_buildVersion READ update_buildVersion WRITE setUpdate_buildVersion NOTIFY update_buildVersionChanged)
    Q_PROPERTY(int update_revision READ update_revision WRITE setUpdate_revision NOTIFY update_revisionChanged)
    Q_PROPERTY(VersionImportance update_importance READ update_importance WRITE setUpdate_importance NOTIFY
                   update_importanceChanged)
    Q_PROPERTY(QString update_notice READ update_notice WRITE setUpdate_notice NOTIFY update_noticeChanged)
    Q_PROPERTY(QString update_address READ update_address WRITE setUpdate_address NOTIFY update_addressChanged)
    Q_PROPERTY(bool update_xmlFileReadCompleted READ update_xmlFileReadCompleted WRITE setUpdate_xmlFileReadCompleted
                   NOTIFY update_xmlFileReadCompletedChanged)
    Q_PROPERTY(QString now_appName READ now_appName WRITE setNow_appName NOTIFY now_appNameChanged)
    Q_PROPERTY(QString now_version READ now_version WRITE setNow_version NOTIFY now_versionChanged)

public:
    enum VersionImportance {
        VersionImportance_Undef = -1,
        VersionImportance_High = 0,
        VersionImportance_Middle = 1,
        VersionImportance_Low = 2,
        VersionImportance_Num = 3
    };
    Q_ENUM(VersionImportance)

    // The version built into the program and how it is shown.
    static constexpr int kMajor = 2;
    static constexpr int kMinor = 12;
    static constexpr int kBuild = 0;
    static constexpr int kRevision = 5;
    static QString builtInVersion() { return QStringLiteral("2.12.0.5"); }
    static QString appNameShown() { return QStringLiteral("KAVRO Rozado 2.12"); }
    static QString versionShown() { return QStringLiteral("2.12"); }

    explicit VersionData(QObject *parent = nullptr);
    VersionData(const QString &applicationName, const ModelData &model, QObject *parent = nullptr);
    VersionData(const QString &applicationName, const QList<ModelData> &models, QObject *parent = nullptr);
    ~VersionData() override;

    Q_INVOKABLE void checkStart();
    // Opens the update page in the desktop's browser. Only http and https
    // addresses are opened; the address comes from the network.
    Q_INVOKABLE bool openURL();

    void Execute();
    void AddModel();
    void AddModel(const ModelData &model);
    // The entry being filled by the parser; null before the first one.
    ModelData *GetCurrentModelData();
    const QList<ModelData> &GetModelData() const { return m_models; }
    VersionImportance GetVersionImportance() const;
    void SetVersionImportance(VersionImportance importance);
    static VersionImportance importanceFromText(const QString &text);

    // The newest entry newer than the built-in version (the first of equal
    // newest ones); -1 when there is none.
    static int newestNewerEntry(const QList<ModelData> &models);
    // Publishes the newest newer entry, if any; returns whether one was.
    bool publishNewestEntry();

    XmlDownloadManager *downloader() { return &m_downloader; }

    QString update_applicationName() const { return m_applicationName; }
    bool update_versionUpCheck() const { return m_versionUpCheck; }
    QString update_modelName() const { return m_update.name; }
    int update_majorVersion() const { return m_update.major; }
    int update_minorVersion() const { return m_update.minor; }
    int update_buildVersion() const { return m_update.build; }
    int update_revision() const { return m_update.revision; }
    VersionImportance update_importance() const { return GetVersionImportance(); }
    QString update_notice() const { return m_update.notice; }
    QString update_address() const { return m_update.address; }
    bool update_xmlFileReadCompleted() const { return m_xmlFileReadCompleted; }
    QString now_appName() const { return m_nowAppName; }
    QString now_version() const { return m_nowVersion; }

    void setUpdate_applicationName(const QString &value);
    void setUpdate_versionUpCheck(bool value);
    void setUpdate_modelName(const QString &value);
    void setUpdate_majorVersion(int value);
    void setUpdate_minorVersion(int value);
    void setUpdate_buildVersion(int value);
    void setUpdate_revision(int value);
    void setUpdate_importance(VersionImportance value);
    void setUpdate_notice(const QString &value);
    void setUpdate_address(const QString &value);
    void setUpdate_xmlFileReadCompleted(bool value);
    void setNow_appName(const QString &value);
    void setNow_version(const QString &value);

    // The parser sets the product name without announcing it.
    void storeApplicationName(const QString &value) { m_applicationName = value; }

signals:
    void update_applicationNameChanged(const QString &value);
    void update_versionUpCheckChanged(bool value);
    void update_modelNameChanged(const QString &value);
    void update_majorVersionChanged(int value);
    void update_minorVersionChanged(int value);
    void update_buildVersionChanged(int value);
    void update_revisionChanged(int value);
    void update_importanceChanged(VersionImportance value);
    void update_noticeChanged(const QString &value);
    void update_addressChanged(const QString &value);
    void update_xmlFileReadCompletedChanged(bool value);
    void now_appNameChanged(const QString &value);
    void now_versionChanged(const QString &value);

public slots:
    void downloadFinished();

private:
    QList<ModelData> m_models;
    ModelData m_update;
    QString m_nowAppName;
    QString m_nowVersion;
    QString m_applicationName;
    bool m_versionUpCheck = false;
    XmlDownloadManager m_downloader;
    bool m_xmlFileReadCompleted = false;
};

} // namespace kavrotether
