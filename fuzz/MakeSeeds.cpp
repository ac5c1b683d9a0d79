// Writes the generated part of the seed corpora: a description of every registered control
// type, packages assembled from the seeds, and one image in every format Qt can write.
// Usage: fuzz_seeds <dictionary> <corpus folder>; the folder gets package/, styles/,
// description/ and image/.
#include "zipwriter/ZipWriter.h"

#include <VelQtLib.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRegularExpression>

#include <memory>

namespace {

const char* const seedStyle = R"({"style": [
    {"type": 1, "name": "box", "drawImg": false, "clr": "ff336699", "border": true, "round": 3},
    {"type": 1, "name": "nine", "img": "images/nine.png", "margin": [3, 3, 3, 3]},
    {"type": 2, "name": "text", "clr": "202020", "hor": 1, "size": 12},
    {"type": 2, "name": "vertical", "clr": "202020", "isHor": false}
]})";

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The quoted words of a libFuzzer dictionary.
QStringList dictionaryWords(const QString& path)
{
    QStringList words;
    static const QRegularExpression word(QStringLiteral(R"(^\"\\\"([A-Za-z0-9_]+)\\\"\"$)"));
    for (const QByteArray& line : readAll(path).split('\n')) {
        const auto match = word.match(QString::fromUtf8(line.trimmed()));
        if (match.hasMatch())
            words.append(match.captured(1));
    }
    words.removeDuplicates();
    return words;
}

// The words the factory builds a control for.
QStringList registeredTypes(const QStringList& words)
{
    QStringList types;
    for (const QString& w : words) {
        std::unique_ptr<QWidget> widget(
            VelQtLib::CreateControl(w.toUtf8().constData(), nullptr, nullptr));
        if (widget)
            types.append(w);
    }
    return types;
}

QImage sampleImage()
{
    QImage image(12, 10, QImage::Format_ARGB32);
    image.fill(qRgba(0, 160, 160, 255));
    QPainter painter(&image);
    painter.fillRect(3, 3, 6, 4, QColor(255, 0, 255, 128));
    return image;
}

QByteArray encoded(const QImage& image, const QByteArray& format)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return out;
}

QJsonArray styleList()
{
    static const char* const names[]
        = {"box", "nine", "tiled", "sides", "text", "bottom", "vertical", "wide"};
    QJsonArray list;
    for (int slot = 0; slot < 24; ++slot)
        list.append(QJsonArray {QLatin1String(names[slot % 8]), 0, slot});
    return list;
}

// One element of a type with the attributes most controls read and a scroll-bar child pair.
QJsonObject element(const QString& type, const QString& name)
{
    const QJsonObject attr {{"text", "Seed text"}, {"iconPath", "images/nine.png"},
        {"hotIconPath", "images/nine.png"}, {"siconPath", "images/nine.png"}, {"showIcon", true},
        {"showText", true}, {"hasIcon", true}, {"min", 0}, {"max", 100}, {"val", 40}, {"space", 4},
        {"itemSize", 20}, {"itemSpace", 2}, {"childLayout", 1}, {"tip", "hint"}, {"on", true},
        {"path", "images/nine.png"}, {"digitCount", 4}, {"isExtBtn", true}, {"extWidth", 10},
        {"thumbW", 8}, {"thumbH", 8}, {"isHor", false}, {"iconHor", 1}, {"iconVer", 1}, {"txtX", 2},
        {"txtY", 1}};
    const QJsonObject horizontalBar {{"type", "scrollbar"}, {"h", 9},
        {"attr", QJsonObject {{"hor", true}, {"size", 10}, {"upicon", "images/nine.png"}}},
        {"style", styleList()}};
    const QJsonObject verticalBar {{"type", "scrollbar"}, {"w", 9},
        {"attr", QJsonObject {{"hor", false}, {"size", 10}}}, {"style", styleList()}};
    const QJsonObject label {{"type", "qtlabel"}, {"x", 2}, {"y", 2}, {"w", 40}, {"h", 14},
        {"attr", QJsonObject {{"text", "child"}}}};
    return QJsonObject {{"type", type}, {"name", name}, {"tooltip", "tip"},
        {"layout", QJsonObject {{"type", 0}, {"x", 4}, {"y", 4}, {"r", 4}, {"b", 4}}}, {"w", 120},
        {"h", 60}, {"attr", attr}, {"style", styleList()},
        {"child", QJsonArray {horizontalBar, verticalBar, label}}};
}

QByteArray description(const QJsonArray& children)
{
    const QJsonObject root {{"w", 320}, {"h", 240}, {"trans", true}, {"resize", true},
        {"elements",
            QJsonArray {QJsonObject {{"type", "qtcontainer"}, {"name", "root"},
                {"layout", QJsonObject {{"type", 1}}}, {"child", children}}}}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray archive(
    const QString& path, const QList<QPair<QByteArray, QByteArray>>& members, bool stored)
{
    {
        ZipWriter zip(path);
        for (const auto& m : members)
            zip.add(m.first, m.second, stored);
    }
    return readAll(path);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    VelQtLib::Init();
    QApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (const char* target : {"package", "styles", "description", "image"})
        out.mkpath(QLatin1String(target));

    const QStringList types = registeredTypes(dictionaryWords(QString::fromLocal8Bit(argv[1])));
    QJsonArray all;
    for (const QString& type : types) {
        // Each child is named after its type, so as "theme.json" it is that type's element.
        const QByteArray one = description(QJsonArray {element(type, type)});
        write(out.filePath(QStringLiteral("description/type-%1.json").arg(type)), one);
        // Bare here: every type with all of its attributes takes one input close to the
        // fuzzer's time limit once the item views fill their design-mode samples.
        all.append(QJsonObject {{"type", type}, {"name", type}, {"w", 60}, {"h", 30}});
    }
    const QByteArray every = description(all);
    write(out.filePath(QStringLiteral("description/every-type.json")), every);

    const QImage image = sampleImage();
    const QByteArray png = encoded(image, "png");
    for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
        for (const QImage& variant : {image, image.convertToFormat(QImage::Format_Grayscale8),
                 image.convertToFormat(QImage::Format_Indexed8)}) {
            const QByteArray bytes = encoded(variant, format);
            if (!bytes.isEmpty())
                write(out.filePath(QStringLiteral("image/%1-%2.%1")
                                       .arg(QString::fromLatin1(format))
                                       .arg(int(variant.format()))),
                    bytes);
        }
    }

    // A small description keeps the package target on the archive rather than the controls.
    const QByteArray small
        = description(QJsonArray {element(QStringLiteral("qtbutton"), QStringLiteral("qtbutton"))});
    const QList<QPair<QByteArray, QByteArray>> members {{"style.json", seedStyle},
        {"theme.json", small}, {"Layouts/Main.json", small}, {"images/nine.png", png},
        {"Images/Upper.PNG", png}, {"images/", QByteArray()}, {"readme.txt", "seed"}};
    write(out.filePath(QStringLiteral("package/deflated.data")),
        archive(out.filePath(QStringLiteral("package/.tmp")), members, false));
    write(out.filePath(QStringLiteral("package/stored.data")),
        archive(out.filePath(QStringLiteral("package/.tmp")), members, true));
    QFile::remove(out.filePath(QStringLiteral("package/.tmp")));
    return 0;
}
