#include "VersionData.h"

#include <QDesktopServices>
#include <QUrl>

#include <tuple>

#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

namespace kavrotether {

namespace {

// Letters the version file uses for the importance, indexed by
// VersionImportance (High, Middle, Low).
constexpr const char *kImportanceLetters[VersionData::VersionImportance_Num] = {"H", "M", "L"};

auto versionKey(const ModelData &m)
{
    return std::make_tuple(m.major, m.minor, m.build, m.revision);
}

} // namespace

VersionData::VersionData(QObject *parent) : QObject(parent)
{
    connect(&m_downloader, &XmlDownloadManager::downloadFinishedNotify, this, &VersionData::downloadFinished);
}

VersionData::VersionData(const QString &applicationName, const ModelData &model, QObject *parent) : VersionData(parent)
{
    m_applicationName = applicationName;
    m_models.append(model);
}

VersionData::VersionData(const QString &applicationName, const QList<ModelData> &models, QObject *parent)
    : VersionData(parent)
{
    m_applicationName = applicationName;
    m_models = models;
}

VersionData::~VersionData() = default;

void VersionData::checkStart()
{
    const ApplicationSettings *settings = ApplicationData::getApplicationSettings();
    if (settings && settings->versionCheckType() != ApplicationSettings::VerChkType_On) {
        setUpdate_versionUpCheck(false);
        // The dialog reads the completion once it asks; no announcement.
        m_xmlFileReadCompleted = true;
        return;
    }
    m_downloader.setOwner(this);
    m_downloader.execute();
}

void VersionData::Execute()
{
    checkStart();
}

bool VersionData::openURL()
{
    const QUrl url(m_update.address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("https") && scheme != QLatin1String("http")))
        return false;
    return QDesktopServices::openUrl(url);
}

void VersionData::AddModel()
{
    m_models.append(ModelData{});
}

void VersionData::AddModel(const ModelData &model)
{
    m_models.append(model);
}

ModelData *VersionData::GetCurrentModelData()
{
    return m_models.isEmpty() ? nullptr : &m_models.last();
}

VersionData::VersionImportance VersionData::importanceFromText(const QString &text)
{
    for (int i = 0; i < VersionImportance_Num; ++i) {
        if (text.compare(QLatin1String(kImportanceLetters[i]), Qt::CaseInsensitive) == 0)
            return static_cast<VersionImportance>(i);
    }
    return VersionImportance_Undef;
}

VersionData::VersionImportance VersionData::GetVersionImportance() const
{
    return importanceFromText(m_update.importance);
}

void VersionData::SetVersionImportance(VersionImportance importance)
{
    if (importance >= VersionImportance_High && importance < VersionImportance_Num)
        m_update.importance = QLatin1String(kImportanceLetters[importance]);
}

int VersionData::newestNewerEntry(const QList<ModelData> &models)
{
    auto running = std::make_tuple(kMajor, kMinor, kBuild, kRevision);
    int chosen = -1;
    for (int i = 0; i < models.size(); ++i) {
        if (versionKey(models[i]) > running) {
            chosen = i;
            running = versionKey(models[i]);
        }
    }
    return chosen;
}

bool VersionData::publishNewestEntry()
{
    const int index = newestNewerEntry(m_models);
    if (index < 0)
        return false;
    const ModelData entry = m_models.at(index);
    setNow_appName(appNameShown());
    setNow_version(versionShown());
    setUpdate_applicationName(m_applicationName);
    setUpdate_versionUpCheck(true);
    setUpdate_modelName(entry.name);
    setUpdate_majorVersion(entry.major);
    setUpdate_minorVersion(entry.minor);
    setUpdate_buildVersion(entry.build);
    setUpdate_revision(entry.revision);
    setUpdate_importance(importanceFromText(entry.importance));
    setUpdate_notice(entry.notice);
    setUpdate_address(entry.address);
    return true;
}

void VersionData::downloadFinished()
{
    setUpdate_xmlFileReadCompleted(true);
}

// Every write stores and announces, also an unchanged value: the dialog
// listens for the announcement, not for a change.
void VersionData::setUpdate_applicationName(const QString &value)
{
    m_applicationName = value;
    emit update_applicationNameChanged(m_applicationName);
}

void VersionData::setUpdate_versionUpCheck(bool value)
{
    m_versionUpCheck = value;
    emit update_versionUpCheckChanged(value);
}

void VersionData::setUpdate_modelName(const QString &value)
{
    m_update.name = value;
    emit update_modelNameChanged(m_update.name);
}

void VersionData::setUpdate_majorVersion(int value)
{
    m_update.major = value;
    emit update_majorVersionChanged(value);
}

void VersionData::setUpdate_minorVersion(int value)
{
    m_update.minor = value;
    emit update_minorVersionChanged(value);
}

void VersionData::setUpdate_buildVersion(int value)
{
    m_update.build = value;
    emit update_buildVersionChanged(value);
}

void VersionData::setUpdate_revision(int value)
{
    m_update.revision = value;
    emit update_revisionChanged(value);
}

void VersionData::setUpdate_importance(VersionImportance value)
{
    SetVersionImportance(value);
    emit update_importanceChanged(value);
}

void VersionData::setUpdate_notice(const QString &value)
{
    m_update.notice = value;
    emit update_noticeChanged(m_update.notice);
}

void VersionData::setUpdate_address(const QString &value)
{
    m_update.address = value;
    emit update_addressChanged(m_update.address);
}

void VersionData::setUpdate_xmlFileReadCompleted(bool value)
{
    m_xmlFileReadCompleted = value;
    emit update_xmlFileReadCompletedChanged(value);
}

void VersionData::setNow_appName(const QString &value)
{
    m_nowAppName = value;
    emit now_appNameChanged(m_nowAppName);
}

void VersionData::setNow_version(const QString &value)
{
    m_nowVersion = value;
    emit now_versionChanged(m_nowVersion);
}

} // namespace kavrotether
