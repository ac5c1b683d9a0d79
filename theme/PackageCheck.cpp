#include "theme/PackageCheck.h"

#include "theme/Json.h"
#include "theme/StyleParser.h"
#include "theme/ThemeManager.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <cstring>
#include <map>

namespace VelQtLib {

namespace {

QString quoted(const char* key)
{
    return QStringLiteral("\"%1\"").arg(QString::fromUtf8(key));
}

QString stringOf(const ::Json::Value& value)
{
    std::string s;
    Json::toStdString(value, s);
    return QString::fromStdString(s);
}

// The size a PNG states in its header, or else what Qt's reader finds there.
QSize headerSize(const uchar* data, quint32 size)
{
    if (size >= 24 && std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) == 0)
        return QSize(int(qFromBigEndian<quint32>(data + 16) & 0x7fffffff),
            int(qFromBigEndian<quint32>(data + 20) & 0x7fffffff));
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

void checkColour(const DocumentReport& report, const QString& prefix, const char* key,
    const ::Json::Value& value, bool image)
{
    const QString text = stringOf(value);
    int at = 0;
    while (at < text.size() && text.at(at).isSpace())
        ++at;
    if (text.mid(at, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0)
        at += 2;
    int digits = 0;
    while (at + digits < text.size() && isxdigit(text.at(at + digits).toLatin1()))
        ++digits;
    const QString said = QStringLiteral("%1%2 \"%3\"").arg(prefix, quoted(key), text);
    if (digits == 0) {
        report.warning(&value,
            said
                + (image ? QStringLiteral(" has no hexadecimal digits; it reads as 0, so this one "
                                          "is fully transparent")
                         : QStringLiteral(" has no hexadecimal digits; it reads as 0, black")));
    } else if (image && digits <= 6 && parseColorNumber(text.toStdString()) != 0) {
        report.warning(&value,
            said
                + QStringLiteral(" has %1 digits; image colours are AARRGGBB, so this one is "
                                 "fully transparent")
                      .arg(digits));
    }
}

void checkMargins(const DocumentReport& report, const QString& prefix, const ::Json::Value& margin,
    int (&slices)[4])
{
    for (::Json::ArrayIndex i = 0; i < margin.size(); ++i) {
        if (!margin[i].isConvertibleTo(::Json::intValue)) {
            report.error(&margin[i],
                QStringLiteral("%1\"margin\"[%2] must be a number, got %3")
                    .arg(prefix)
                    .arg(i)
                    .arg(describeValue(margin[i])));
        } else if (i < 4) {
            slices[i] = margin[i].asInt();
        }
    }
    if (margin.size() > 4)
        report.warning(&margin,
            prefix
                + QStringLiteral("\"margin\" has %1 numbers; only the first four (top, right, "
                                 "bottom, left) are read")
                      .arg(margin.size()));
}

void checkRecord(CThemePackage& package, const DocumentReport& report, const ::Json::Value& record,
    int index, std::map<std::pair<int, std::string>, int>& seen)
{
    QString prefix = QStringLiteral("style[%1]").arg(index);
    if (!record.isObject()) {
        report.error(&record,
            prefix + QStringLiteral(": a style record must be an object, got ")
                + describeValue(record));
        return;
    }
    const std::string name = Json::stringOr(record, "name", std::string());
    if (!name.empty())
        prefix += QStringLiteral(" \"%1\"").arg(QString::fromStdString(name));
    prefix += QStringLiteral(": ");
    const ::Json::Value* type = Json::member(record, "type");
    if (!type) {
        report.error(&record,
            prefix
                + QStringLiteral("\"type\" is missing (1 makes an image style, 2 a text style); "
                                 "the record is dropped"));
        return;
    }
    if (!checkKeyValue(report, prefix, "type", KeyKind::Int, *type))
        return;
    const int kind = type->asInt();
    if (kind != 1 && kind != 2) {
        report.error(type,
            prefix
                + QStringLiteral("\"type\" %1 is neither 1 (image style) nor 2 (text style); the "
                                 "record is dropped")
                      .arg(kind));
        return;
    }
    const auto first = seen.emplace(std::make_pair(kind, name), index);
    if (!first.second)
        report.warning(&record,
            prefix
                + QStringLiteral(
                    "a second %1 style of this name; the first one, style[%2], is used")
                      .arg(kind == 1 ? QStringLiteral("image") : QStringLiteral("text"))
                      .arg(first.first->second));
    const KeyTable& keys = kind == 1 ? imageStyleKeys() : textStyleKeys();
    checkUnknownKeys(report, prefix, record, keys,
        kind == 1 ? QStringLiteral("image styles") : QStringLiteral("text styles"));
    int slices[4] = {0, 0, 0, 0};
    for (const KeySpec& spec : keys) {
        const ::Json::Value* value = Json::member(record, spec.key);
        if (!value || !checkKeyValue(report, prefix, spec.key, spec.kind, *value))
            continue;
        if (spec.kind == KeyKind::ImageColour || spec.kind == KeyKind::TextColour)
            checkColour(report, prefix, spec.key, *value, spec.kind == KeyKind::ImageColour);
        else if (spec.kind == KeyKind::Margins)
            checkMargins(report, prefix, *value, slices);
    }
    if (kind != 1 || !first.second || !Json::boolOr(record, "drawImg", true))
        return;
    if (const ::Json::Value* img = Json::member(record, "img")) {
        const QString path = stringOf(*img);
        if (path.isEmpty())
            return;
        const ::Json::Value* margin = Json::member(record, "margin");
        package.uncheckedImages.push_back(
            {prefix, path, {slices[0], slices[1], slices[2], slices[3]}, img->getOffsetStart(),
                margin ? margin->getOffsetStart() : -1});
    }
}

} // namespace

bool checkKeyValue(const DocumentReport& report, const QString& prefix, const char* key,
    KeyKind kind, const ::Json::Value& value)
{
    if (acceptsValue(kind, value))
        return true;
    report.error(&value,
        QStringLiteral("%1%2 %3, got %4")
            .arg(prefix, quoted(key), expectation(kind), describeValue(value)));
    return false;
}

void checkUnknownKeys(const DocumentReport& report, const QString& prefix,
    const ::Json::Value& object, const KeyTable& table, const QString& owner)
{
    if (!object.isObject())
        return;
    std::vector<QString> known;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string key = it.name();
        if (findKey(table, key.c_str()))
            continue;
        if (known.empty()) {
            for (const KeySpec& spec : table)
                known.push_back(QString::fromUtf8(spec.key));
        }
        report.warning(&*it,
            QStringLiteral("%1unknown key \"%2\" for %3")
                    .arg(prefix, QString::fromStdString(key), owner)
                + suggestion(QString::fromStdString(key), known));
    }
}

void checkStyleDocument(
    CThemePackage& package, const DocumentReport& report, const ::Json::Value& document)
{
    checkUnknownKeys(
        report, QString(), document, styleDocumentKeys(), QStringLiteral("style.json"));
    if (const ::Json::Value* encoding = Json::member(document, "encoding");
        encoding && !Json::declaresUtf8(document))
        report.warning(encoding,
            QStringLiteral("\"encoding\" %1 is not \"utf-8\"; display texts stay GBK")
                .arg(describeValue(*encoding)));
    const ::Json::Value* style = Json::member(document, "style");
    if (!style)
        return;
    if (!style->isArray() && !style->isObject()) {
        report.error(style,
            QStringLiteral("\"style\" must be an array of records, got ") + describeValue(*style));
        return;
    }
    std::map<std::pair<int, std::string>, int> seen;
    int index = 0;
    for (const ::Json::Value& record : *style)
        checkRecord(package, report, record, index++, seen);
}

bool imageExists(const CThemeManager& manager, const QString& path, QSize* size)
{
    const CThemePackage* packages[] = {manager.appPackage(), manager.themePackage()};
    for (const CThemePackage* package : packages) {
        if (package && package->imageCache.contains(path))
            return true;
    }
    const QByteArray name = packageEntryName(path);
    for (const CThemePackage* package : packages) {
        if (const PackageEntry* entry = package ? package->findByName(name.constData()) : nullptr) {
            if (size)
                *size = headerSize(entry->bytes.get(), entry->size);
            return true;
        }
    }
    for (const QString& file : {path, QStringLiteral("images/") + path}) {
        if (QFileInfo(file).isFile()) {
            if (size)
                *size = QImageReader(file).size();
            return true;
        }
    }
    return false;
}

void checkStyleImages(CThemePackage& package, const CThemeManager& manager)
{
    if (package.uncheckedImages.empty() || package.styleFiles.empty())
        return;
    const auto text = entryText(*package.styleFiles.back());
    const DocumentReport report(
        Diagnostic::Style, package.path + QStringLiteral("/style.json"), text.first, text.second);
    for (const StyleImageUse& use : package.uncheckedImages) {
        QSize size;
        const bool sliced = use.margins[0] || use.margins[1] || use.margins[2] || use.margins[3];
        if (!imageExists(manager, use.path, sliced ? &size : nullptr)) {
            report.errorAt(
                use.at, use.where + QStringLiteral("image \"%1\" is in no package").arg(use.path));
            continue;
        }
        const int top = use.margins[0], right = use.margins[1], bottom = use.margins[2],
                  left = use.margins[3];
        if (size.isValid() && qint64(left) + right > size.width())
            report.warningAt(use.marginsAt,
                use.where
                    + QStringLiteral("margins %1 + %2 exceed the image width %3")
                          .arg(left)
                          .arg(right)
                          .arg(size.width()));
        if (size.isValid() && qint64(top) + bottom > size.height())
            report.warningAt(use.marginsAt,
                use.where
                    + QStringLiteral("margins %1 + %2 exceed the image height %3")
                          .arg(top)
                          .arg(bottom)
                          .arg(size.height()));
    }
    package.uncheckedImages.clear();
}

} // namespace VelQtLib
