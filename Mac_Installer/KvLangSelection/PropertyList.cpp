#include "PropertyList.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace kavrotether::installer {

namespace {

// Deeper nesting than this is no settings file of ours; it also bounds the recursion.
constexpr int kMaxDepth = 64;

struct LeafTag
{
    const char *name;
    PlistValue::Type type;
};

// clang-format off
constexpr LeafTag kLeafTags[] = {
    {"string",  PlistValue::Type::String},
    {"integer", PlistValue::Type::Integer},
    {"real",    PlistValue::Type::Real},
    {"date",    PlistValue::Type::Date},
    {"data",    PlistValue::Type::Data},
};
// clang-format on

class Reader
{
public:
    explicit Reader(const QByteArray &xml) : m_xml(xml) {}

    std::optional<PlistValue> read(QString *error)
    {
        std::optional<PlistValue> root;
        if (nextStart() && m_xml.name() == QLatin1String("plist") && nextStart()) {
            PlistValue value;
            if (readValue(&value, 1) && nextEndOfPlist())
                root = std::move(value);
        }
        if (!root && error)
            *error = m_xml.hasError() ? m_xml.errorString() : m_problem;
        return root;
    }

private:
    // Moves to the next start element; false at an end element or the end of the text.
    bool nextStart()
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::EndElement:
                return false;
            case QXmlStreamReader::Characters:
                if (!m_xml.isWhitespace())
                    return fail(QStringLiteral("text outside a value"));
                break;
            default:
                break;
            }
        }
        return fail(QStringLiteral("the property list ends early"));
    }

    bool nextEndOfPlist()
    {
        if (nextStart())
            return fail(QStringLiteral("more than one root value"));
        return !m_xml.hasError() && m_xml.isEndElement() && m_xml.name() == QLatin1String("plist");
    }

    bool readValue(PlistValue *out, int depth)
    {
        if (depth > kMaxDepth)
            return fail(QStringLiteral("nested too deeply"));
        const auto name = m_xml.name();
        for (const LeafTag &tag : kLeafTags) {
            if (name == QLatin1String(tag.name)) {
                out->type = tag.type;
                out->text = m_xml.readElementText();
                return !m_xml.hasError();
            }
        }
        if (name == QLatin1String("true") || name == QLatin1String("false")) {
            out->type = name == QLatin1String("true") ? PlistValue::Type::True : PlistValue::Type::False;
            m_xml.readElementText();
            return !m_xml.hasError();
        }
        if (name == QLatin1String("array")) {
            out->type = PlistValue::Type::Array;
            while (nextStart()) {
                PlistValue item;
                if (!readValue(&item, depth + 1))
                    return false;
                out->values.push_back(std::move(item));
            }
            return !m_xml.hasError() && m_problem.isEmpty();
        }
        if (name == QLatin1String("dict")) {
            out->type = PlistValue::Type::Dict;
            while (nextStart()) {
                if (m_xml.name() != QLatin1String("key"))
                    return fail(QStringLiteral("a dictionary entry without its key"));
                const QString key = m_xml.readElementText();
                if (m_xml.hasError())
                    return false;
                if (!nextStart())
                    return fail(QStringLiteral("a key without its value"));
                PlistValue item;
                if (!readValue(&item, depth + 1))
                    return false;
                out->setValue(key, item);
            }
            return !m_xml.hasError() && m_problem.isEmpty();
        }
        return fail(QStringLiteral("unknown element <%1>").arg(name.toString()));
    }

    bool fail(const QString &problem)
    {
        if (m_problem.isEmpty())
            m_problem = problem;
        return false;
    }

    QXmlStreamReader m_xml;
    QString m_problem;
};

// The platform's layout: the root value at the margin, one tab per level below it.
void writeValue(QByteArray &out, const PlistValue &value, int depth)
{
    const QByteArray indent(depth, '\t');
    auto element = [&](const char *tag, const QString &text) {
        out += indent + '<' + tag + '>' + text.toHtmlEscaped().toUtf8() + "</" + tag + ">\n";
    };
    switch (value.type) {
    case PlistValue::Type::Dict:
    case PlistValue::Type::Array: {
        const bool dict = value.type == PlistValue::Type::Dict;
        const char *tag = dict ? "dict" : "array";
        if (value.values.empty()) {
            out += indent + '<' + tag + "/>\n";
            return;
        }
        out += indent + '<' + tag + ">\n";
        for (size_t i = 0; i < value.values.size(); ++i) {
            if (dict)
                out += indent + "\t<key>" + value.keys.at(qsizetype(i)).toHtmlEscaped().toUtf8() + "</key>\n";
            writeValue(out, value.values[i], depth + 1);
        }
        out += indent + "</" + tag + ">\n";
        return;
    }
    case PlistValue::Type::True:
        out += indent + "<true/>\n";
        return;
    case PlistValue::Type::False:
        out += indent + "<false/>\n";
        return;
    case PlistValue::Type::Data:
        // Base64 ignores white space; the layout of the original lines is not worth keeping.
        element("data", QString(value.text).remove(QRegularExpression(QStringLiteral("\\s"))));
        return;
    default:
        for (const LeafTag &tag : kLeafTags) {
            if (tag.type == value.type)
                element(tag.name, value.text);
        }
        return;
    }
}

} // namespace

PlistValue PlistValue::string(const QString &text)
{
    PlistValue v;
    v.type = Type::String;
    v.text = text;
    return v;
}

const PlistValue *PlistValue::value(const QString &key) const
{
    const auto i = keys.indexOf(key);
    return i < 0 ? nullptr : &values[size_t(i)];
}

void PlistValue::setValue(const QString &key, const PlistValue &value)
{
    const auto i = keys.indexOf(key);
    if (i >= 0) {
        values[size_t(i)] = value;
        return;
    }
    keys.append(key);
    values.push_back(value);
}

std::optional<PlistValue> readPropertyList(const QByteArray &xml, QString *error)
{
    return Reader(xml).read(error);
}

QByteArray writePropertyList(const PlistValue &root)
{
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                     "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                     "<plist version=\"1.0\">\n";
    writeValue(out, root, 0);
    out += "</plist>\n";
    return out;
}

} // namespace kavrotether::installer
