#pragma once

#include <QFile>
#include <QString>

#include <cstdint>

namespace kavrotether {

// A file read through a memory mapping, as the picture readers take it:
// opened and mapped whole, or not at all.
class MappedFile
{
public:
    ~MappedFile() { close(); }

    // False when the file cannot be opened or mapped, or is shorter than
    // minimumSize; nothing stays open then.
    bool open(const QString &path, qint64 minimumSize, QFileDevice::MemoryMapFlags flags = QFileDevice::NoOptions)
    {
        close();
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly))
            return false;
        const qint64 size = m_file.size();
        m_mapping = size >= minimumSize && size > 0 ? m_file.map(0, size, flags) : nullptr;
        if (!m_mapping) {
            m_file.close();
            return false;
        }
        m_size = uint64_t(size);
        return true;
    }

    void close()
    {
        if (m_mapping)
            m_file.unmap(m_mapping);
        if (m_file.isOpen())
            m_file.close();
        m_mapping = nullptr;
        m_size = 0;
    }

    unsigned char *data() const { return m_mapping; }
    uint64_t size() const { return m_size; }

private:
    QFile m_file;
    unsigned char *m_mapping = nullptr;
    uint64_t m_size = 0;
};

} // namespace kavrotether
