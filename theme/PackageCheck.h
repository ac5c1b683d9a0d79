#pragma once

#include "theme/Diagnostics.h"
#include "theme/FormatKeys.h"

#include <QSize>

namespace VelQtLib {

class CThemeManager;
class CThemePackage;

// Checks the parsed "style.json" of a package against the record keys. The images its records
// name are kept on the package for checkStyleImages, which needs both packages loaded.
VELQTLIB_EXPORT void checkStyleDocument(
    CThemePackage& package, const DocumentReport& report, const ::Json::Value& document);
// Reports the kept images that no package (nor the disk) holds, and margins wider than their
// image; each package's images once.
VELQTLIB_EXPORT void checkStyleImages(CThemePackage& package, const CThemeManager& manager);

// True when getImage would find path; size, when given, gets the image's size from its header.
VELQTLIB_EXPORT bool imageExists(
    const CThemeManager& manager, const QString& path, QSize* size = nullptr);

// Checks a value against its key's kind; reports "prefix"key" must be ..." and returns false.
VELQTLIB_EXPORT bool checkKeyValue(const DocumentReport& report, const QString& prefix,
    const char* key, KeyKind kind, const ::Json::Value& value);
// Reports every member of object that table lacks, with the nearest key of table.
VELQTLIB_EXPORT void checkUnknownKeys(const DocumentReport& report, const QString& prefix,
    const ::Json::Value& object, const KeyTable& table, const QString& owner);

} // namespace VelQtLib
