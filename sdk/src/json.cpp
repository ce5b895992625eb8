#include "json.h"

#include <charconv>
#include <system_error>

namespace kvrsim_internal {

const Json *Json::member(const std::string &name) const
{
    for (const auto &m : members) {
        if (m.first == name)
            return &m.second;
    }
    return nullptr;
}

namespace {

class Parser
{
public:
    explicit Parser(const std::string &s) : m_s(s) {}

    bool parse(Json &out, std::string *error)
    {
        if (!value(out, 0) || (skip(), m_pos != m_s.size())) {
            if (error)
                *error = m_error.empty() ? "unexpected text at offset " + std::to_string(m_pos) : m_error;
            return false;
        }
        return true;
    }

private:
    bool fail(const std::string &what)
    {
        if (m_error.empty())
            m_error = what + " at offset " + std::to_string(m_pos);
        return false;
    }

    static int hexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    void skip()
    {
        while (m_pos < m_s.size()
               && (m_s[m_pos] == ' ' || m_s[m_pos] == '\t' || m_s[m_pos] == '\n' || m_s[m_pos] == '\r'))
            ++m_pos;
    }

    bool literal(const char *word)
    {
        const std::string w(word);
        if (m_s.compare(m_pos, w.size(), w) != 0)
            return fail("unknown word");
        m_pos += w.size();
        return true;
    }

    bool value(Json &out, int depth)
    {
        if (depth > 64)
            return fail("nesting too deep");
        skip();
        if (m_pos >= m_s.size())
            return fail("unexpected end");
        const char c = m_s[m_pos];
        if (c == '{')
            return object(out, depth);
        if (c == '[')
            return array(out, depth);
        if (c == '"') {
            out.type = Json::Type::String;
            return string(out.text);
        }
        if (c == 't') {
            out.type = Json::Type::Bool;
            out.boolean = true;
            return literal("true");
        }
        if (c == 'f') {
            out.type = Json::Type::Bool;
            out.boolean = false;
            return literal("false");
        }
        if (c == 'n') {
            out.type = Json::Type::Null;
            return literal("null");
        }
        return number(out);
    }

    // The number grammar of JSON, read without the C library's locale: under
    // a locale whose decimal separator is a comma, strtod would take the
    // comma between two list items as part of a number.
    bool number(Json &out)
    {
        const size_t begin = m_pos;
        size_t p = m_pos;
        auto digits = [&] {
            const size_t start = p;
            while (p < m_s.size() && m_s[p] >= '0' && m_s[p] <= '9')
                ++p;
            return p > start;
        };
        if (p < m_s.size() && m_s[p] == '-')
            ++p;
        if (!digits())
            return fail("bad value");
        if (p < m_s.size() && m_s[p] == '.') {
            ++p;
            if (!digits())
                return fail("bad number");
        }
        if (p < m_s.size() && (m_s[p] == 'e' || m_s[p] == 'E')) {
            ++p;
            if (p < m_s.size() && (m_s[p] == '+' || m_s[p] == '-'))
                ++p;
            if (!digits())
                return fail("bad number");
        }
        double v = 0;
        const auto result = std::from_chars(m_s.data() + begin, m_s.data() + p, v);
        if (result.ec != std::errc() || result.ptr != m_s.data() + p)
            return fail("number out of range");
        m_pos = p;
        out.type = Json::Type::Number;
        out.number = v;
        return true;
    }

    bool string(std::string &out)
    {
        ++m_pos; // opening quote
        while (m_pos < m_s.size()) {
            const char c = m_s[m_pos++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("control character in string");
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            if (m_pos >= m_s.size())
                break;
            const char e = m_s[m_pos++];
            switch (e) {
            case '"':
                out.push_back('"');
                break;
            case '\\':
                out.push_back('\\');
                break;
            case '/':
                out.push_back('/');
                break;
            case 'b':
                out.push_back('\b');
                break;
            case 'f':
                out.push_back('\f');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'u': {
                if (m_pos + 4 > m_s.size())
                    return fail("short escape");
                unsigned long cp = 0;
                for (int i = 0; i < 4; ++i) {
                    const int digit = hexDigit(m_s[m_pos + static_cast<size_t>(i)]);
                    if (digit < 0)
                        return fail("bad escape");
                    cp = cp * 16 + static_cast<unsigned long>(digit);
                }
                if (cp == 0)
                    return fail("NUL in string"); // would cut every text made from it
                m_pos += 4;
                if (cp < 0x80) {
                    out.push_back(static_cast<char>(cp));
                } else if (cp < 0x800) {
                    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
                    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
                } else {
                    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
                    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
                    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
                }
                break;
            }
            default:
                return fail("bad escape");
            }
        }
        return fail("unterminated string");
    }

    bool array(Json &out, int depth)
    {
        out.type = Json::Type::Array;
        ++m_pos;
        skip();
        if (m_pos < m_s.size() && m_s[m_pos] == ']') {
            ++m_pos;
            return true;
        }
        for (;;) {
            Json item;
            if (!value(item, depth + 1))
                return false;
            out.items.push_back(std::move(item));
            skip();
            if (m_pos >= m_s.size())
                return fail("unterminated array");
            if (m_s[m_pos] == ',') {
                ++m_pos;
                continue;
            }
            if (m_s[m_pos] == ']') {
                ++m_pos;
                return true;
            }
            return fail("expected , or ]");
        }
    }

    bool object(Json &out, int depth)
    {
        out.type = Json::Type::Object;
        ++m_pos;
        skip();
        if (m_pos < m_s.size() && m_s[m_pos] == '}') {
            ++m_pos;
            return true;
        }
        for (;;) {
            skip();
            if (m_pos >= m_s.size() || m_s[m_pos] != '"')
                return fail("expected member name");
            std::string name;
            if (!string(name))
                return false;
            skip();
            if (m_pos >= m_s.size() || m_s[m_pos] != ':')
                return fail("expected :");
            ++m_pos;
            Json item;
            if (!value(item, depth + 1))
                return false;
            out.members.emplace_back(std::move(name), std::move(item));
            skip();
            if (m_pos >= m_s.size())
                return fail("unterminated object");
            if (m_s[m_pos] == ',') {
                ++m_pos;
                continue;
            }
            if (m_s[m_pos] == '}') {
                ++m_pos;
                return true;
            }
            return fail("expected , or }");
        }
    }

    const std::string &m_s;
    size_t m_pos = 0;
    std::string m_error;
};

} // namespace

bool parseJson(const std::string &input, Json &out, std::string *error)
{
    if (input.size() > 4u * 1024u * 1024u) {
        if (error)
            *error = "scenario too large";
        return false;
    }
    out = Json();
    return Parser(input).parse(out, error);
}

} // namespace kvrsim_internal
