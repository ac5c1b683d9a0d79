#pragma once

#include "theme/StyleTypes.h"

#include <QImage>
#include <QMap>
#include <QString>
#include <json/value.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace VelQtLib {

// One stored archive member: its uncompressed bytes, without a terminating NUL.
struct VELQTLIB_EXPORT PackageEntry {
    PackageEntry(std::unique_ptr<uchar[]> data, quint32 length);

    std::unique_ptr<uchar[]> bytes;
    quint32 size = 0;
};

// An image a style record names, kept until both packages can be asked for it.
struct StyleImageUse {
    QString where; // "style[3] "name": "
    QString path;
    int margins[4]; // top, right, bottom, left
    std::ptrdiff_t at; // offsets in "style.json"
    std::ptrdiff_t marginsAt;
};

// One package (a ZIP archive) held whole in memory, with its style records and decoded images.
class VELQTLIB_EXPORT CThemePackage {
public:
    // Members whose declared or decoded size exceeds this are not stored.
    static constexpr quint64 maxEntrySize = 64ull << 20;
    // Reading stops once a package holds this many bytes, or once one archive has inflated
    // this many, stored or not.
    static constexpr quint64 maxPackageSize = 512ull << 20;

    CThemePackage();
    ~CThemePackage();

    // Stores every non-empty member of the open archive and closes it.
    bool readArchive(void* zipHandle);
    // Exact lookup of an already lower-cased name with "/" separators.
    PackageEntry* findByName(const char* name) const;
    // Opens path, reads every member and parses the root "style.json" into the style maps.
    bool load();

    ::Json::Value root;
    int styleFileCount = 0;
    std::map<std::string, std::unique_ptr<PackageEntry>> entries;
    std::map<std::string, const ::Json::Value*> themeElements;
    std::vector<std::unique_ptr<PackageEntry>> styleFiles;
    QString path;
    QMap<QString, QImage*> imageCache;
    QMap<QString, ImageStyle> imageStyles;
    QMap<QString, TextStyle> textStyles;
    quint64 storedBytes = 0;
    // "encoding": "utf-8" in "theme.json": its display texts are UTF-8.
    bool themeTextsUtf8 = false;
    std::vector<StyleImageUse> uncheckedImages;
    // Descriptions by entry name, parsed and checked without a problem: built again without
    // reading them anew.
    std::map<std::string, std::shared_ptr<const ::Json::Value>> descriptions;

private:
    QString misplacedStyleHint() const;

    Q_DISABLE_COPY(CThemePackage)
};

// The text of an entry: its bytes up to its size or its first zero byte.
VELQTLIB_EXPORT std::pair<const char*, const char*> entryText(const PackageEntry& entry);

} // namespace VelQtLib
