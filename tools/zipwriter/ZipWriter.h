#pragma once

#include <QByteArray>
#include <QString>

// Writes a ZIP archive member by member; used to assemble packages and test archives.
class ZipWriter {
public:
    explicit ZipWriter(const QString& path);
    ~ZipWriter();

    bool isOpen() const { return m_zip != nullptr; }
    // Stores data under name, deflated unless stored is true.
    bool add(const QByteArray& name, const QByteArray& data, bool stored = false);
    bool close();

private:
    void* m_zip = nullptr;
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;
};
