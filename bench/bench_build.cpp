// Building a window of about a thousand controls: from a description with LoadWindow, from the
// equivalent Designer ".ui" file with QUiLoader (when Qt's UiTools are there), and by hand in
// C++ as uic would write it. The variants take turns, round after round. Then the same window,
// its leaves styled by theme elements, is re-themed: a theme package loaded while it is open.
#include "BenchSupport.h"

#include <VelQtLib.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QXmlStreamWriter>
#ifdef VELQT_BENCH_UITOOLS
#include <QUiLoader>
#endif

#include <zipwriter/ZipWriter.h>

#include <json/writer.h>

#include <functional>

using namespace VelQtLib;

namespace {

// 10 panels of 4 groups of 24 leaves: 960 buttons, labels, check boxes and line edits in 51
// containers, 1,011 widgets in all.
constexpr int panels = 10;
constexpr int groups = 4;
constexpr int leaves = 24;
constexpr int leafW = 110;
constexpr int leafH = 24;

enum Kind { Button, Label, CheckBox, LineEdit };

Kind kindOf(int leaf)
{
    return Kind(leaf % 4);
}

QString textOf(int panel, int group, int leaf)
{
    return QStringLiteral("Item %1.%2.%3").arg(panel).arg(group).arg(leaf);
}

QRect leafRect(int leaf)
{
    return QRect(4 + (leaf % 2) * (leafW + 4), 4 + (leaf / 2) * (leafH + 2), leafW, leafH);
}

QRect groupRect(int group)
{
    return QRect(4 + group * 240, 4, 236, 320);
}

QRect panelRect(int panel)
{
    return QRect(0, panel * 330, 970, 328);
}

::Json::Value box(const char* type, const QRect& r)
{
    ::Json::Value e;
    e["type"] = type;
    e["x"] = r.x();
    e["y"] = r.y();
    e["w"] = r.width();
    e["h"] = r.height();
    return e;
}

::Json::Value styleList(std::initializer_list<std::pair<const char*, int>> entries)
{
    ::Json::Value list(::Json::arrayValue);
    for (const auto& [name, slot] : entries) {
        ::Json::Value entry(::Json::arrayValue);
        entry.append(name);
        entry.append(0);
        entry.append(slot);
        list.append(entry);
    }
    return list;
}

QByteArray description()
{
    ::Json::Value root;
    root["w"] = 980;
    root["h"] = 3300;
    ::Json::Value top = box("qtcontainer", QRect(0, 0, 980, 3300));
    top["name"] = "root";
    for (int p = 0; p < panels; ++p) {
        ::Json::Value panel = box("qtcontainer", panelRect(p));
        panel["style"] = styleList({{"panel", 0}});
        for (int g = 0; g < groups; ++g) {
            ::Json::Value group = box("qtcontainer", groupRect(g));
            for (int l = 0; l < leaves; ++l) {
                static const char* const types[] = {"qtbutton", "qtlabel", "qtcheckbox", "qtdedit"};
                ::Json::Value leaf = box(types[kindOf(l)], leafRect(l));
                const std::string text = textOf(p, g, l).toStdString();
                leaf["name"]
                    = "c" + std::to_string(p) + "_" + std::to_string(g) + "_" + std::to_string(l);
                leaf["attr"]["text"] = text;
                switch (kindOf(l)) {
                case Button:
                    leaf["style"] = styleList({{"btn0", 0}, {"btn1", 1}, {"text", 4}});
                    break;
                case Label:
                    leaf["style"] = styleList({{"label", 0}});
                    break;
                case CheckBox:
                    leaf["style"] = styleList({{"empty", 0}, {"empty", 4}, {"label", 8}});
                    leaf["attr"]["iconPath"] = "images/box.png";
                    break;
                case LineEdit:
                    leaf["style"] = styleList({{"btn0", 0}, {"label", 4}});
                    break;
                }
                group["child"].append(leaf);
            }
            panel["child"].append(group);
        }
        top["child"].append(panel);
    }
    root["elements"].append(top);
    ::Json::StreamWriterBuilder writer;
    writer["indentation"] = "";
    return QByteArray::fromStdString(::Json::writeString(writer, root));
}

#ifdef VELQT_BENCH_UITOOLS
void writeRect(QXmlStreamWriter& xml, const QRect& r)
{
    xml.writeStartElement(QStringLiteral("property"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("geometry"));
    xml.writeStartElement(QStringLiteral("rect"));
    xml.writeTextElement(QStringLiteral("x"), QString::number(r.x()));
    xml.writeTextElement(QStringLiteral("y"), QString::number(r.y()));
    xml.writeTextElement(QStringLiteral("width"), QString::number(r.width()));
    xml.writeTextElement(QStringLiteral("height"), QString::number(r.height()));
    xml.writeEndElement();
    xml.writeEndElement();
}

// The same tree as Designer saves it.
QByteArray uiFile()
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("ui"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
    xml.writeTextElement(QStringLiteral("class"), QStringLiteral("Window"));
    xml.writeStartElement(QStringLiteral("widget"));
    xml.writeAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Window"));
    writeRect(xml, QRect(0, 0, 980, 3300));
    xml.writeStartElement(QStringLiteral("widget"));
    xml.writeAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("root"));
    writeRect(xml, QRect(0, 0, 980, 3300));
    for (int p = 0; p < panels; ++p) {
        xml.writeStartElement(QStringLiteral("widget"));
        xml.writeAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("panel%1").arg(p));
        writeRect(xml, panelRect(p));
        for (int g = 0; g < groups; ++g) {
            xml.writeStartElement(QStringLiteral("widget"));
            xml.writeAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
            xml.writeAttribute(QStringLiteral("name"), QStringLiteral("group%1_%2").arg(p).arg(g));
            writeRect(xml, groupRect(g));
            for (int l = 0; l < leaves; ++l) {
                static const char* const classes[]
                    = {"QPushButton", "QLabel", "QCheckBox", "QLineEdit"};
                xml.writeStartElement(QStringLiteral("widget"));
                xml.writeAttribute(QStringLiteral("class"), QLatin1String(classes[kindOf(l)]));
                xml.writeAttribute(
                    QStringLiteral("name"), QStringLiteral("c%1_%2_%3").arg(p).arg(g).arg(l));
                writeRect(xml, leafRect(l));
                xml.writeStartElement(QStringLiteral("property"));
                xml.writeAttribute(QStringLiteral("name"), QStringLiteral("text"));
                xml.writeTextElement(QStringLiteral("string"), textOf(p, g, l));
                xml.writeEndElement();
                xml.writeEndElement();
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}
#endif

// What uic generates for the same file: constructors, object names, geometry and texts.
QWidget* buildByHand()
{
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("Window"));
    window->resize(980, 3300);
    auto* root = new QWidget(window);
    root->setObjectName(QStringLiteral("root"));
    root->setGeometry(QRect(0, 0, 980, 3300));
    for (int p = 0; p < panels; ++p) {
        auto* panel = new QWidget(root);
        panel->setObjectName(QStringLiteral("panel%1").arg(p));
        panel->setGeometry(panelRect(p));
        for (int g = 0; g < groups; ++g) {
            auto* group = new QWidget(panel);
            group->setObjectName(QStringLiteral("group%1_%2").arg(p).arg(g));
            group->setGeometry(groupRect(g));
            for (int l = 0; l < leaves; ++l) {
                const QString text = textOf(p, g, l);
                QWidget* leaf = nullptr;
                switch (kindOf(l)) {
                case Button:
                    leaf = new QPushButton(text, group);
                    break;
                case Label:
                    leaf = new QLabel(text, group);
                    break;
                case CheckBox:
                    leaf = new QCheckBox(text, group);
                    break;
                case LineEdit:
                    leaf = new QLineEdit(text, group);
                    break;
                }
                leaf->setObjectName(QStringLiteral("c%1_%2_%3").arg(p).arg(g).arg(l));
                leaf->setGeometry(leafRect(l));
            }
        }
    }
    return window;
}

const char* const styleJson = R"({"style": [
    {"type": 1, "name": "panel", "drawImg": false, "clr": "fff6f6f8"},
    {"type": 1, "name": "btn0", "img": "images/frame.png", "margin": [4, 4, 4, 4]},
    {"type": 1, "name": "btn1", "img": "images/frame.png", "margin": [4, 4, 4, 4]},
    {"type": 2, "name": "text", "family": "DejaVu Sans", "size": 13, "clr": "1f1f24", "hor": 1},
    {"type": 2, "name": "label", "family": "DejaVu Sans", "size": 13, "clr": "1f1f24"}]})";

// A theme package whose elements style the leaves like the description does, in its own text
// colour.
bool writeTheme(const QString& path, const char* textColour)
{
    const QByteArray style = QByteArray(R"({"style": [
        {"type": 1, "name": "btn0", "img": "images/frame.png", "margin": [4, 4, 4, 4]},
        {"type": 1, "name": "btn1", "img": "images/frame.png", "margin": [4, 4, 4, 4]},
        {"type": 2, "name": "text", "family": "DejaVu Sans", "size": 13, "hor": 1, "clr": ")")
        + textColour + R"("},
        {"type": 2, "name": "label", "family": "DejaVu Sans", "size": 13, "clr": ")"
        + textColour + R"("}]})";
    const char* const elements = R"({"elements": [{"child": [
        {"name": "leaf0", "style": [["btn0", 0, 0], ["btn1", 0, 1], ["text", 0, 4]], "attr": {}},
        {"name": "leaf1", "style": [["label", 0, 0]], "attr": {}},
        {"name": "leaf2", "style": [["empty", 0, 0], ["empty", 0, 4], ["label", 0, 8]],
            "attr": {"iconPath": "images/box.png"}},
        {"name": "leaf3", "style": [["btn0", 0, 0], ["label", 0, 4]], "attr": {}}]}]})";
    ZipWriter zip(path);
    zip.add("style.json", style);
    zip.add("theme.json", elements);
    QImage frame(12, 12, QImage::Format_ARGB32);
    frame.fill(QColor(0xdc, 0xdc, 0xe1));
    zip.add("images/frame.png", Bench::pngBytes(frame));
    return zip.close();
}

// The description's window with every leaf given the theme element of its kind.
QWidget* themedWindow()
{
    auto* window = new VelQWindow;
    LoadWindow(window, QStringLiteral("layouts/window1000"));
    for (int p = 0; p < panels; ++p) {
        for (int g = 0; g < groups; ++g) {
            for (int l = 0; l < leaves; ++l) {
                const QString name = QStringLiteral("c%1_%2_%3").arg(p).arg(g).arg(l);
                if (auto* leaf = controlOf(window->findChild<QWidget*>(name)))
                    leaf->controlBase()->setThemeName(QStringLiteral("leaf%1").arg(kindOf(l)));
            }
        }
    }
    return window;
}

// Re-theming the window: the theme packages take turns, each load restyling every control.
void benchRetheme(const QTemporaryDir& dir, const QVector<double>& buildSamples)
{
    const QByteArray themes[] = {dir.filePath(QStringLiteral("a.data")).toUtf8(),
        dir.filePath(QStringLiteral("b.data")).toUtf8()};
    if (!writeTheme(QString::fromUtf8(themes[0]), "1f1f24")
        || !writeTheme(QString::fromUtf8(themes[1]), "ededf2") || !LoadThemePackage(themes[0]))
        return;
    QWidget* window = themedWindow();
    const QString section = QStringLiteral("window re-theme");
    const QString name = QStringLiteral("LoadThemePackage, open window (%1 widgets)")
                             .arg(window->findChildren<QWidget*>().size());
    if (Bench::underCallgrind()) {
        LoadThemePackage(themes[1]);
        Bench::countInstructions(section, name, 1, [&] { LoadThemePackage(themes[0]); });
        delete window;
        return;
    }
    QVector<double> samples;
    const int roundCount = Bench::rounds(15);
    for (int round = 0; round < roundCount + 1; ++round) {
        QElapsedTimer timer;
        timer.start();
        LoadThemePackage(themes[(round + 1) % 2]);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (round > 0)
            samples << ms;
    }
    delete window;
    Bench::printFigure(section, name, samples, "ms");
    Bench::printRatio(
        section, QStringLiteral("re-theme / LoadWindow build"), samples, buildSamples, 1.0);
}

} // namespace

int main(int argc, char* argv[])
{
    Init();
    QTemporaryDir dir;
    const QString packagePath = dir.filePath(QStringLiteral("build.data"));
    {
        ZipWriter zip(packagePath);
        zip.add("style.json", styleJson);
        zip.add("layouts/window1000.json", description());
        QImage frame(12, 12, QImage::Format_ARGB32);
        frame.fill(QColor(0xdc, 0xdc, 0xe1));
        zip.add("images/frame.png", Bench::pngBytes(frame));
        zip.add("images/box.png", Bench::pngBytes(frame.copy(0, 0, 16, 16)));
        if (!zip.close())
            return 1;
    }
    if (!LoadAppPackage(packagePath))
        return 1;
    QApplication app(argc, argv);

    struct Variant {
        QString name;
        std::function<QWidget*()> build;
        // Untimed, before each build.
        std::function<void()> prepare = [] {
        };
        QVector<double> samples = {};
        int widgets = 0;
    };
    const auto loadWindow = [] {
        auto* window = new VelQWindow;
        LoadWindow(window, QStringLiteral("layouts/window1000"));
        return window;
    };
    QList<Variant> variants;
    // Loading the package again drops the descriptions it parsed: the next build is a first one.
    variants.append({QStringLiteral("LoadWindow"), loadWindow, [&] {
                         LoadAppPackage(packagePath);
                     }});
    variants.append({QStringLiteral("LoadWindow, built again"), loadWindow});
#ifdef VELQT_BENCH_UITOOLS
    const QByteArray ui = uiFile();
    QUiLoader loader;
    variants.append({QStringLiteral("QUiLoader"), [&] {
                         QBuffer buffer;
                         buffer.setData(ui);
                         buffer.open(QIODevice::ReadOnly);
                         return loader.load(&buffer);
                     }});
#endif
    variants.append({QStringLiteral("hand-written C++"), buildByHand});

    if (Bench::underCallgrind()) {
        // The repeated build has a section of its own, where it comes first and is compared
        // with QUiLoader again.
        const auto count = [&](const QString& section, Variant& v) {
            v.prepare();
            delete v.build();
            v.prepare();
            QWidget* window = nullptr;
            Bench::countInstructions(section, v.name, 1, [&] { window = v.build(); });
            delete window;
        };
        for (int k = 0; k < variants.size(); ++k) {
            if (k != 1)
                count(QStringLiteral("window build"), variants[k]);
        }
        count(QStringLiteral("window build again"), variants[1]);
        if (variants.size() > 3)
            count(QStringLiteral("window build again"), variants[2]);
        benchRetheme(dir, {});
        return 0;
    }
    const int roundCount = Bench::rounds(15);
    for (int round = 0; round < roundCount + 1; ++round) {
        for (int k = 0; k < variants.size(); ++k) {
            Variant& v = variants[(round + k) % variants.size()];
            v.prepare();
            QElapsedTimer timer;
            timer.start();
            QWidget* window = v.build();
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            v.widgets = window ? window->findChildren<QWidget*>().size() : 0;
            delete window;
            // The first round warms caches and loads plugins; it is not counted.
            if (round > 0)
                v.samples << ms;
        }
    }
    const QString section = QStringLiteral("window build");
    for (const Variant& v : variants)
        Bench::printFigure(
            section, QStringLiteral("%1 (%2 widgets)").arg(v.name).arg(v.widgets), v.samples, "ms");
    for (int k = 2; k < variants.size(); ++k) {
        const bool uiLoader = variants[k].name == QLatin1String("QUiLoader");
        Bench::printRatio(section, QStringLiteral("LoadWindow / %1").arg(variants[k].name),
            variants[0].samples, variants[k].samples, uiLoader ? 1.0 : 0);
        if (uiLoader)
            Bench::printRatio(section, QStringLiteral("built again / QUiLoader"),
                variants[1].samples, variants[k].samples, 0.7);
    }
    benchRetheme(dir, variants[0].samples);
    return 0;
}
