#pragma once

#include "theme/StyleTypes.h"
#include "theme/ThemePackage.h"

#include <QImage>
#include <QSet>
#include <QString>
#include <json/value.h>

#include <memory>
#include <string>

namespace VelQtLib {

// The process-wide owner of the application package and the theme package; answers every
// lookup of entries, theme elements, style records and images.
class VELQTLIB_EXPORT CThemeManager {
public:
    static CThemeManager& instance();

    // Draws the four built-in check and selection marks into the application package's cache.
    void createBuiltInImages();
    // Adds an archive to the application package; existing names keep their first values.
    bool loadAppPackage(const QString& path);
    // Replaces the theme package (and everything taken from the old one) with a new archive;
    // an archive that fails to load leaves the current one in place.
    bool loadThemePackage(const QString& path);

    // Raw bytes of a member, application package first; the bytes stay owned by the package.
    bool findEntry(const QString& path, const uchar*& data, uint& size, bool& fromTheme) const;
    // A named element of the theme package's "theme.json", or null.
    const ::Json::Value* findThemeElement(const std::string& name) const;

    bool getImageStyle(const QString& name, ImageStyle& out) const;
    bool getTextStyle(const QString& name, TextStyle& out) const;
    // The decoded image (gray: its disabled look), cached for the manager's life; null if none.
    QImage* getImage(const QString& path, bool gray);
    // The image to draw at a device pixel ratio, by Qt's convention: for "x.png" the art
    // "x@3x.png" from a ratio of 2.5 on, "x@2x.png" from 1.5 on, with its device pixel ratio
    // set; else the image of path itself.
    QImage* getImage(const QString& path, bool gray, qreal devicePixelRatio);

    // While set, style lookups go to the theme package instead of the application package.
    bool useThemePackage() const { return m_useThemePackage; }
    void setUseThemePackage(bool use) { m_useThemePackage = use; }

    // True while display texts read now are UTF-8: those of "theme.json" while a control reads
    // its theme element, else those of the description being built, when they declare it.
    bool textsAreUtf8() const;
    void setDescriptionTextsUtf8(bool utf8) { m_descriptionTextsUtf8 = utf8; }
    bool descriptionTextsUtf8() const { return m_descriptionTextsUtf8; }

    // Drops the parsed descriptions both packages keep: their check depends on the packages and
    // on the registered controls.
    void forgetDescriptions();

    // Checks the images the style records of both packages name, once per load.
    void checkStyleImages();
    // Drops both packages and everything taken from them, and draws the built-in images again;
    // for tools that load packages anew.
    void unloadPackages();

    CThemePackage* appPackage() const { return m_appPackage.get(); }
    CThemePackage* themePackage() const { return m_themePackage.get(); }

    // Decodes zero-terminated GBK bytes, the encoding of display texts in packages.
    static QString fromGbk(const char* bytes);

private:
    CThemeManager();
    ~CThemeManager();
    const CThemePackage* stylePackage() const;
    QImage* decodeImage(const QString& path, bool& fromTheme) const;
    void loadThemeElements(CThemePackage& package);
    static void collectThemeElements(CThemePackage& package);

    bool m_useThemePackage = false;
    bool m_descriptionTextsUtf8 = false;
    // Art for a device pixel ratio that no package holds, so that it is looked for once.
    QSet<QString> m_missingArt;
    std::unique_ptr<CThemePackage> m_appPackage;
    std::unique_ptr<CThemePackage> m_themePackage;

    Q_DISABLE_COPY(CThemeManager)
};

// The entry name of a package path: UTF-8 bytes, ASCII letters lower-cased, "/" separators.
VELQTLIB_EXPORT QByteArray packageEntryName(const QString& path);

} // namespace VelQtLib
