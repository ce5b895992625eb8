#include "VersionCheckHandler.h"

#include <QXmlStreamReader>

#include "VersionData.h"

namespace kavrotether {

namespace {

int decimalOrZero(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

bool VersionCheckHandler::parse(const QByteArray &bytes, VersionData *data)
{
    VersionCheckHandler handler(data);
    QXmlStreamReader reader(bytes);
    bool running = true;
    while (running && !reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            running = handler.startElement(reader.qualifiedName().toString(),
                                           reader.attributes().value(QLatin1String("name")).toString());
            break;
        case QXmlStreamReader::EndElement:
            running = handler.endElement();
            break;
        case QXmlStreamReader::Characters:
            running = handler.characters(reader.text().toString());
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        handler.fatalError();
        return false;
    }
    return running;
}

bool VersionCheckHandler::startElement(const QString &qName, const QString &nameAttribute)
{
    if (!m_data)
        return false;
    m_element = qName;
    if (qName == QLatin1String("model")) {
        m_data->AddModel();
        m_data->GetCurrentModelData()->name = nameAttribute;
    }
    return true;
}

bool VersionCheckHandler::endElement()
{
    return m_data != nullptr;
}

bool VersionCheckHandler::characters(const QString &text)
{
    if (!m_data)
        return false;
    if (m_element == QLatin1String("productName")) {
        m_data->storeApplicationName(text);
        m_element.clear();
        return true;
    }
    // Text of an entry's field before the first "model" has no entry to go
    // to and is dropped.
    using Field = int ModelData::*;
    using TextField = QString ModelData::*;
    static const struct
    {
        const char *name;
        Field field;
    } numbers[] = {{"major", &ModelData::major},
                   {"minor", &ModelData::minor},
                   {"build", &ModelData::build},
                   {"revision", &ModelData::revision}};
    static const struct
    {
        const char *name;
        TextField field;
    } texts[] = {
        {"importance", &ModelData::importance}, {"notice", &ModelData::notice}, {"address", &ModelData::address}};
    for (const auto &row : numbers) {
        if (m_element == QLatin1String(row.name)) {
            if (ModelData *entry = m_data->GetCurrentModelData())
                entry->*row.field = decimalOrZero(text);
            m_element.clear();
            return true;
        }
    }
    for (const auto &row : texts) {
        if (m_element == QLatin1String(row.name)) {
            if (ModelData *entry = m_data->GetCurrentModelData())
                entry->*row.field = text;
            m_element.clear();
            return true;
        }
    }
    return true;
}

} // namespace kavrotether
