#include "theme/ThemeManager.h"

#include "framework/DescriptionCheck.h"
#include "theme/Diagnostics.h"
#include "theme/Json.h"
#include "theme/PackageCheck.h"
#include "theme/PaintCache.h"

#include <QTextCodec>

namespace VelQtLib {

CThemeManager& CThemeManager::instance()
{
    static CThemeManager manager;
    return manager;
}

CThemeManager::CThemeManager()
    : m_appPackage(std::make_unique<CThemePackage>())
{
}

CThemeManager::~CThemeManager() = default;

bool CThemeManager::loadAppPackage(const QString& path)
{
    PaintCache::clear();
    m_missingArt.clear();
    forgetDescriptions();
    m_appPackage->path = path;
    const bool loaded = m_appPackage->load();
    // Without a theme package yet, its records may name the theme's images: checked later.
    if (m_themePackage)
        checkStyleImages();
    return loaded;
}

bool CThemeManager::loadThemePackage(const QString& path)
{
    // Read aside first: a package that fails leaves the theme on screen as it is.
    auto package = std::make_unique<CThemePackage>();
    package->path = path;
    if (!package->load())
        return false;
    PaintCache::clear();
    m_missingArt.clear();
    forgetDescriptions();
    m_themePackage = std::move(package);
    // Its elements are checked against its own records, so they are read once it is current.
    loadThemeElements(*m_themePackage);
    checkStyleImages();
    return true;
}

void CThemeManager::checkStyleImages()
{
    VelQtLib::checkStyleImages(*m_appPackage, *this);
    if (m_themePackage)
        VelQtLib::checkStyleImages(*m_themePackage, *this);
}

void CThemeManager::forgetDescriptions()
{
    m_appPackage->descriptions.clear();
    if (m_themePackage)
        m_themePackage->descriptions.clear();
}

void CThemeManager::unloadPackages()
{
    PaintCache::clear();
    m_missingArt.clear();
    m_themePackage.reset();
    m_appPackage = std::make_unique<CThemePackage>();
    m_useThemePackage = false;
    createBuiltInImages();
}

bool CThemeManager::textsAreUtf8() const
{
    if (m_useThemePackage)
        return m_themePackage && m_themePackage->themeTextsUtf8;
    return m_descriptionTextsUtf8;
}

void CThemeManager::loadThemeElements(CThemePackage& package)
{
    const PackageEntry* entry = package.findByName("theme.json");
    if (!entry)
        return;
    const auto text = entryText(*entry);
    const DocumentReport report(
        Diagnostic::Theme, package.path + QStringLiteral("/theme.json"), text.first, text.second);
    // A document that does not parse simply has no elements.
    Json::ParseError error;
    if (!Json::parse(text.first, text.second, package.root, &error)) {
        report.parseError(error);
        return;
    }
    package.themeTextsUtf8 = Json::declaresUtf8(package.root);
    collectThemeElements(package);
    checkThemeDocument(report, package.root);
}

void CThemeManager::collectThemeElements(CThemePackage& package)
{
    const ::Json::Value* elements = Json::arrayMember(package.root, "elements");
    if (!elements || elements->empty())
        return;
    const ::Json::Value* children = Json::member((*elements)[0], "child");
    if (!children || !(children->isArray() || children->isObject()))
        return;
    for (const ::Json::Value& child : *children) {
        const std::string name = Json::stringOr(child, "name", std::string());
        package.themeElements.emplace(name, &child);
    }
}

bool CThemeManager::findEntry(
    const QString& path, const uchar*& data, uint& size, bool& fromTheme) const
{
    fromTheme = false;
    const QByteArray name = packageEntryName(path);
    const PackageEntry* entry = m_appPackage->findByName(name.constData());
    if (!entry) {
        if (!m_themePackage)
            return false;
        entry = m_themePackage->findByName(name.constData());
        if (!entry)
            return false;
        fromTheme = true;
    }
    data = entry->bytes.get();
    size = entry->size;
    return true;
}

const ::Json::Value* CThemeManager::findThemeElement(const std::string& name) const
{
    if (!m_themePackage || m_themePackage->root.isNull())
        return nullptr;
    const auto it = m_themePackage->themeElements.find(name);
    return it == m_themePackage->themeElements.end() ? nullptr : it->second;
}

const CThemePackage* CThemeManager::stylePackage() const
{
    return m_useThemePackage ? m_themePackage.get() : m_appPackage.get();
}

bool CThemeManager::getImageStyle(const QString& name, ImageStyle& out) const
{
    if (name == QLatin1String("empty") || name == QLatin1String("emptyRect")) {
        out.valid = false;
        return true;
    }
    const CThemePackage* package = stylePackage();
    if (!package)
        return false;
    const auto it = package->imageStyles.constFind(name);
    if (it == package->imageStyles.constEnd())
        return false;
    out = *it;
    out.valid = true;
    return true;
}

bool CThemeManager::getTextStyle(const QString& name, TextStyle& out) const
{
    const CThemePackage* package = stylePackage();
    if (!package)
        return false;
    const auto it = package->textStyles.constFind(name);
    if (it == package->textStyles.constEnd())
        return false;
    out = *it;
    return true;
}

QString CThemeManager::fromGbk(const char* bytes)
{
    static QTextCodec* const codec = QTextCodec::codecForName("GBK");
    if (!bytes)
        return QString();
    return codec ? codec->toUnicode(bytes) : QString::fromUtf8(bytes);
}

QByteArray packageEntryName(const QString& path)
{
    QByteArray name = path.toUtf8();
    for (char& c : name) {
        if (c == '\\')
            c = '/';
        else if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return name;
}

QString defaultFontFamily()
{
    static const QString family = CThemeManager::fromGbk("\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA");
    return family;
}

} // namespace VelQtLib
