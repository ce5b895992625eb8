#pragma once

#include <QFile>
#include <QString>

#include <cstdint>
#include <memory>
#include <new>

namespace kavrotether {

// A whole file read into memory with checked reads, as the picture readers
// take it. A file that another program shortens while it is read makes the
// read come up short and the open fail; a mapping of it would have killed
// the program with SIGBUS at the first touch of a page past the new end.
class FileBytes
{
public:
    // False when the file cannot be opened or read whole, or is shorter
    // than minimumSize; nothing is kept then.
    bool open(const QString &path, qint64 minimumSize)
    {
        close();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const qint64 size = file.size();
        if (size < minimumSize || quint64(size) >= quint64(SIZE_MAX))
            return false;
        std::unique_ptr<unsigned char[]> bytes(new (std::nothrow) unsigned char[size_t(size > 0 ? size : 1)]);
        if (!bytes)
            return false;
        for (qint64 done = 0; done < size;) {
            const qint64 got = file.read(reinterpret_cast<char *>(bytes.get()) + done, size - done);
            if (got <= 0)
                return false;
            done += got;
        }
        m_bytes = std::move(bytes);
        m_size = uint64_t(size);
        return true;
    }

    void close()
    {
        m_bytes.reset();
        m_size = 0;
    }

    unsigned char *data() const { return m_bytes.get(); }
    uint64_t size() const { return m_size; }

private:
    std::unique_ptr<unsigned char[]> m_bytes;
    uint64_t m_size = 0;
};

} // namespace kavrotether
