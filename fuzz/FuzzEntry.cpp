#include "FuzzEntry.h"

#include "zipwriter/ZipWriter.h"

#include <VelQtLib.h>
#include <theme/StyleParser.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace VelQtFuzz {

namespace {

// Records of every kind under the names the dictionary suggests, so descriptions find them.
const char* const baseStyle = R"({"style": [
    {"type": 1, "name": "box", "drawImg": false, "clr": "ff336699", "border": true, "round": 3},
    {"type": 1, "name": "nine", "img": "images/nine.png", "margin": [3, 3, 3, 3]},
    {"type": 1, "name": "tiled", "img": "images/nine.png", "margin": [2, 2, 2, 2], "repeatCenter": true},
    {"type": 2, "name": "text", "clr": "202020", "hor": 1, "size": 12},
    {"type": 2, "name": "vertical", "clr": "202020", "isHor": false}
]})";

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(qMin<std::size_t>(size, 1 << 24)));
}

QByteArray nineSlicePng()
{
    static const QByteArray png = [] {
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return out;
    }();
    return png;
}

QString writePackage(const char* name, const QList<QPair<QByteArray, QByteArray>>& members)
{
    const QString path = scratch().filePath(QString::fromLatin1(name));
    QFile::remove(path);
    ZipWriter zip(path);
    for (const auto& m : members)
        zip.add(m.first, m.second);
    zip.close();
    return path;
}

void messageSink(QtMsgType, const QMessageLogContext&, const QString&) { }

} // namespace

void setUp()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(messageSink);
    VelQtLib::Init();
    static int argc = 1;
    static char name[] = "velqt-fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void package(const std::uint8_t* data, std::size_t size)
{
    const QString path = scratch().filePath(QStringLiteral("package.data"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(bytes(data, size));
    file.close();
    VelQtLib::CThemeManager::instance().loadThemePackage(path);
    VelQtLib::CThemePackage fresh;
    fresh.path = path;
    fresh.load();
    for (const auto& entry : fresh.entries)
        VelQtLib::CThemeManager::instance().getImage(QString::fromStdString(entry.first), false);
}

void styles(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text = bytes(data, size);
    ::Json::Value root;
    if (!VelQtLib::Json::parse(text.constData(), text.constData() + text.size(), root))
        return;
    const ::Json::Value* style = VelQtLib::Json::member(root, "style");
    VelQtLib::CThemePackage package;
    VelQtLib::parseStyles(package, style ? *style : root);
    QImage canvas(64, 32, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    for (const VelQtLib::ImageStyle& s : qAsConst(package.imageStyles))
        VelQtLib::VelQControlBaseImpl::drawImageStyle(&painter, s, 2, 2, 60, 28);
    for (const VelQtLib::TextStyle& t : qAsConst(package.textStyles)) {
        VelQtLib::VelQControlBaseImpl::drawStyledText(
            &painter, QStringLiteral("Fuzz text"), t, QRect(0, 0, 64, 32));
    }
}

void description(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text = bytes(data, size);
    const QString path = writePackage("description.data",
        {{"style.json", baseStyle}, {"theme.json", text}, {"main.json", text},
            {"images/nine.png", nineSlicePng()}});
    VelQtLib::CThemeManager::instance().loadThemePackage(path);
    VelQtLib::VelQWindow window;
    window.resize(320, 240);
    VelQtLib::LoadWindow(&window, QStringLiteral("main"));
    window.resize(200, 160);
    QImage canvas(window.size(), QImage::Format_ARGB32_Premultiplied);
    window.render(&canvas);
}

void image(const std::uint8_t* data, std::size_t size)
{
    const QString path = writePackage(
        "image.data", {{"style.json", baseStyle}, {"images/fuzz.png", bytes(data, size)}});
    VelQtLib::CThemeManager& manager = VelQtLib::CThemeManager::instance();
    manager.loadThemePackage(path);
    manager.getImage(QStringLiteral("images/fuzz.png"), false);
    manager.getImage(QStringLiteral("images/fuzz.png"), true);
    QImage canvas(40, 40, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    VelQtLib::ImageStyle style;
    style.noImage = false;
    style.image = QStringLiteral("images/fuzz.png");
    style.sliceLeft = style.sliceTop = style.sliceRight = style.sliceBottom = 5;
    style.repeatCenter = true;
    VelQtLib::VelQControlBaseImpl::drawImageStyle(&painter, style, 0, 0, 40, 40);
}

} // namespace VelQtFuzz
