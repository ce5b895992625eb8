#pragma once

#include <QByteArray>
#include <QString>

namespace kavrotether {

class VersionData;

// Fills a VersionData from the elements of the version file. The reader
// walks the document and hands each element and text to these operations;
// the root element's name does not matter.
class VersionCheckHandler
{
public:
    VersionCheckHandler() = default;
    explicit VersionCheckHandler(VersionData *data) : m_data(data) {}

    // Parses a whole version file held in memory; false when it is not
    // well-formed XML (what was read up to the fault is kept).
    static bool parse(const QByteArray &bytes, VersionData *data);

    bool startElement(const QString &qName, const QString &nameAttribute);
    bool endElement();
    bool characters(const QString &text);
    bool fatalError() { return true; }

private:
    VersionData *m_data = nullptr;
    QString m_element;
};

} // namespace kavrotether
