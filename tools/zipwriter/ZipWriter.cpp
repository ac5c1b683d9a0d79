#include "zipwriter/ZipWriter.h"

#include <QFile>
#include <minizip/zip.h>

ZipWriter::ZipWriter(const QString& path)
    : m_zip(zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE))
{
}

ZipWriter::~ZipWriter()
{
    close();
}

bool ZipWriter::add(const QByteArray& name, const QByteArray& data, bool stored)
{
    if (!m_zip)
        return false;
    zip_fileinfo info = {};
    const int method = stored ? 0 : Z_DEFLATED;
    // A QByteArray never reaches the 4 GiB that would need ZIP64 records.
    const int zip64 = 0;
    if (zipOpenNewFileInZip64(m_zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
            method, Z_DEFAULT_COMPRESSION, zip64)
        != ZIP_OK)
        return false;
    const bool written
        = zipWriteInFileInZip(m_zip, data.constData(), unsigned(data.size())) == ZIP_OK;
    return zipCloseFileInZip(m_zip) == ZIP_OK && written;
}

bool ZipWriter::close()
{
    if (!m_zip)
        return false;
    const bool ok = zipClose(m_zip, nullptr) == ZIP_OK;
    m_zip = nullptr;
    return ok;
}
