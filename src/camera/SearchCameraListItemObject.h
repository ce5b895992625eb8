#pragma once

#include <QObject>
#include <QString>

namespace kavrotether {

// One camera found by a search, as the search list shows it.
class SearchCameraListItemObject : public QObject
{
    Q_OBJECT
public:
    explicit SearchCameraListItemObject(QObject *parent = nullptr);
    ~SearchCameraListItemObject() override;
};

} // namespace kavrotether
