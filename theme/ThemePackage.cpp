#include "theme/ThemePackage.h"

#include "theme/Diagnostics.h"
#include "theme/Json.h"
#include "theme/PackageCheck.h"
#include "theme/StyleParser.h"

#include <QFile>
#include <minizip/unzip.h>

#include <cctype>
#include <cstring>

namespace VelQtLib {

namespace {

constexpr uLong encryptedFlag = 0x1;

// Reads the current member whole; null when it is encrypted, uses an unknown method, fails to
// inflate or does not match its CRC.
std::unique_ptr<uchar[]> readCurrentMember(unzFile zip, const unz_file_info64& info)
{
    if (info.flag & encryptedFlag)
        return nullptr;
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return nullptr;
    const quint32 size = quint32(info.uncompressed_size);
    std::unique_ptr<uchar[]> data(new uchar[size]);
    quint32 done = 0;
    bool ok = true;
    while (done < size) {
        const int n = unzReadCurrentFile(zip, data.get() + done, size - done);
        if (n <= 0) {
            ok = false;
            break;
        }
        done += quint32(n);
    }
    // Closing checks the CRC once the whole declared size was read.
    if (unzCloseCurrentFile(zip) != UNZ_OK)
        ok = false;
    return ok ? std::move(data) : nullptr;
}

std::string lowerCased(std::string name)
{
    for (char& c : name)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

} // namespace

PackageEntry::PackageEntry(std::unique_ptr<uchar[]> data, quint32 length)
    : bytes(std::move(data))
    , size(length)
{
}

CThemePackage::CThemePackage() = default;

CThemePackage::~CThemePackage()
{
    qDeleteAll(imageCache);
}

bool CThemePackage::readArchive(void* zipHandle)
{
    unzFile zip = zipHandle;
    quint64 inflated = 0;
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        unz_file_info64 info;
        if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        if (info.uncompressed_size == 0 || info.uncompressed_size > maxEntrySize)
            continue;
        // Members that fail their checks count too: one member's data listed under thousands
        // of names would otherwise be inflated again and again without end.
        if (storedBytes + info.uncompressed_size > maxPackageSize
            || inflated + info.uncompressed_size > maxPackageSize)
            break;
        inflated += info.uncompressed_size;
        // minizip does not terminate a name it had to cut, so size the buffer from the header.
        std::string name(info.size_filename, '\0');
        if (unzGetCurrentFileInfo64(
                zip, nullptr, name.data(), uLong(name.size()), nullptr, 0, nullptr, 0)
            != UNZ_OK)
            continue;
        name.resize(std::strlen(name.c_str()));
        std::unique_ptr<uchar[]> data = readCurrentMember(zip, info);
        if (!data)
            continue;
        auto entry
            = std::make_unique<PackageEntry>(std::move(data), quint32(info.uncompressed_size));
        storedBytes += entry->size;
        const std::string key = lowerCased(name);
        if (key == "style.json") {
            styleFiles.push_back(std::move(entry));
            ++styleFileCount;
        } else {
            entries.emplace(key, std::move(entry));
        }
    }
    unzClose(zip);
    return true;
}

PackageEntry* CThemePackage::findByName(const char* name) const
{
    const auto it = entries.find(name);
    return it == entries.end() ? nullptr : it->second.get();
}

bool CThemePackage::load()
{
    const DocumentReport archive(Diagnostic::Package, path, nullptr, nullptr);
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip) {
        archive.error(nullptr,
            QFile::exists(path) ? QStringLiteral("is not a ZIP archive; the package does not load")
                                : QStringLiteral("does not exist"));
        return false;
    }
    readArchive(zip);
    if (styleFiles.empty() || styleFiles.back()->size == 0) {
        archive.error(nullptr,
            QStringLiteral("has no \"style.json\" at its root; the package "
                           "does not load")
                + misplacedStyleHint());
        return false;
    }
    const auto text = entryText(*styleFiles.back());
    const DocumentReport report(
        Diagnostic::Style, path + QStringLiteral("/style.json"), text.first, text.second);
    ::Json::Value document;
    Json::ParseError error;
    if (!Json::parse(text.first, text.second, document, &error)) {
        report.parseError(error);
        return false;
    }
    const ::Json::Value* style = Json::member(document, "style");
    if (!style) {
        report.error(&document,
            QStringLiteral("there is no \"style\" array of records; the package does not load"));
        return false;
    }
    parseStyles(*this, *style, Json::declaresUtf8(document));
    checkStyleDocument(*this, report, document);
    return true;
}

QString CThemePackage::misplacedStyleHint() const
{
    for (const auto& entry : entries) {
        const std::string& name = entry.first;
        if (name.size() > 11 && name.compare(name.size() - 11, 11, "/style.json") == 0)
            return QStringLiteral(" (it holds \"%1\": were its members stored under a folder?)")
                .arg(QString::fromStdString(name));
    }
    return QString();
}

std::pair<const char*, const char*> entryText(const PackageEntry& entry)
{
    const char* begin = reinterpret_cast<const char*>(entry.bytes.get());
    const void* nul = std::memchr(begin, 0, entry.size);
    const char* end = nul ? static_cast<const char*>(nul) : begin + entry.size;
    return {begin, end};
}

} // namespace VelQtLib
