#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kavrotether::installer {

// One value of an XML property list. Leaves keep their text as written, so
// a read and a write give back every value the pane does not touch
// unchanged, whatever its type.
struct PlistValue
{
    enum class Type { Dict, Array, String, Integer, Real, True, False, Date, Data };

    Type type = Type::Dict;
    QString text;                   // String, Integer, Real, Date, Data
    QStringList keys;               // Dict, in file order
    std::vector<PlistValue> values; // Dict (parallel to keys) and Array

    static PlistValue string(const QString &text);

    // Dict only: the value for key, or null when absent.
    const PlistValue *value(const QString &key) const;
    // Dict only: replaces the value for key in place, or appends it.
    void setValue(const QString &key, const PlistValue &value);
};

// The root value of an XML property list, or nothing (with the reason in
// *error) when the text is not one.
std::optional<PlistValue> readPropertyList(const QByteArray &xml, QString *error = nullptr);
// The XML 1.0 property list of root, in the platform's layout.
QByteArray writePropertyList(const PlistValue &root);

} // namespace kavrotether::installer
