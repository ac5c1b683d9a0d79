// Paint cost of each skinned control against the same Qt widget under an equivalent style sheet
// and under Fusion, in the normal and the hover state. The three variants of a control are
// rendered in turn, round after round, so that background load falls on all of them alike.
#include "BenchSupport.h"

#include <VelQtLib.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHoverEvent>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <zipwriter/ZipWriter.h>

#include <memory>

using namespace VelQtLib;

namespace {

const QColor border(0xdc, 0xdc, 0xe1);
const QColor borderStrong(0xbd, 0xbd, 0xc6);
const QColor accent(0xe8, 0x3a, 0x1d);
const QColor accentHover(0xf0, 0x57, 0x3c);

// A 12 x 12 rounded box with 4-pixel corners: the nine-slice source of every frame.
QImage frameImage(const QColor& fill, const QColor& line)
{
    QImage image(12, 12, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(line);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 11, 11), 3.5, 3.5);
    return image;
}

// A 16 x 16 mark: a box or a circle, filled with the accent when checked.
QImage markImage(bool round, bool checked, const QColor& line)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(checked ? accent : line);
    p.setBrush(checked ? accent : Qt::white);
    if (round)
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    else
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3.5, 3.5);
    return image;
}

QImage arrowImage()
{
    QImage image(10, 6, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x6b, 0x6b, 0x76), 1.5));
    p.drawPolyline(QPolygonF({QPointF(1, 1), QPointF(5, 5), QPointF(9, 1)}));
    return image;
}

const char* const styleJson = R"({"style": [
    {"type": 1, "name": "btn0", "img": "images/btn0.png", "margin": [4, 4, 4, 4]},
    {"type": 1, "name": "btn1", "img": "images/btn1.png", "margin": [4, 4, 4, 4]},
    {"type": 1, "name": "btn2", "img": "images/btn2.png", "margin": [4, 4, 4, 4]},
    {"type": 1, "name": "btn3", "img": "images/btn3.png", "margin": [4, 4, 4, 4]},
    {"type": 1, "name": "edit0", "img": "images/btn0.png", "margin": [4, 4, 4, 4]},
    {"type": 1, "name": "edit2", "img": "images/focus.png", "margin": [4, 4, 4, 4]},
    {"type": 1, "name": "groove", "img": "images/groove.png", "margin": [4, 4, 4, 4]},
    {"type": 1, "name": "chunk", "img": "images/chunk.png", "margin": [4, 4, 4, 4]},
    {"type": 1, "name": "thumb0", "img": "images/thumb0.png"},
    {"type": 1, "name": "thumb1", "img": "images/thumb1.png"},
    {"type": 2, "name": "text", "family": "DejaVu Sans", "size": 13, "clr": "1f1f24", "hor": 1},
    {"type": 2, "name": "left", "family": "DejaVu Sans", "size": 13, "clr": "1f1f24",
     "x": 8},
    {"type": 2, "name": "label", "family": "DejaVu Sans", "size": 13, "clr": "1f1f24"},
    {"type": 2, "name": "radioLabel", "family": "DejaVu Sans", "size": 13, "clr": "1f1f24",
     "x": 20},
    {"type": 2, "name": "disabled", "family": "DejaVu Sans", "size": 13, "clr": "a9a9b3"}]})";

struct ControlCase {
    const char* name;
    QSize size;
    const char* description;
    const char* sheet;
    std::function<QWidget*()> plain;
};

// Text-heavy controls pay Qt's glyph drawing as the style-sheet widget does, so their target is
// looser.
double sheetTarget(const char* control)
{
    for (const char* textHeavy : {"check box", "radio button", "line edit", "combo box"}) {
        if (qstrcmp(control, textHeavy) == 0)
            return 0.5;
    }
    return 0.4;
}

QList<ControlCase> controlCases()
{
    return {
        {"push button", {120, 32},
            R"({"type": "qtbutton", "style": [["btn0", 0, 0], ["btn1", 0, 1], ["btn2", 0, 2],
             ["btn3", 0, 3], ["text", 0, 4], ["disabled", 0, 7]],
             "attr": {"text": "Push me"}})",
            R"(QPushButton { border-image: url(%1/btn0.png) 4 4 4 4 stretch; border-width: 4px;
               font-family: "DejaVu Sans"; font-size: 13px; color: #1f1f24; }
               QPushButton:hover { border-image: url(%1/btn1.png) 4 4 4 4 stretch; }
               QPushButton:pressed { border-image: url(%1/btn2.png) 4 4 4 4 stretch; }
               QPushButton:disabled { border-image: url(%1/btn3.png) 4 4 4 4 stretch;
                 color: #a9a9b3; })",
            [] {
                return new QPushButton(QStringLiteral("Push me"));
            }},
        {"check box", {140, 24},
            R"({"type": "qtcheckbox", "style": [["empty", 0, 0], ["empty", 0, 4],
             ["label", 0, 8], ["label", 0, 9], ["disabled", 0, 10]],
             "attr": {"text": "Check me", "iconPath": "images/box0.png",
             "hotIconPath": "images/box1.png", "siconPath": "images/boxc0.png",
             "sHotIconPath": "images/boxc1.png", "iconHor": 0, "iconVer": 1, "iconX": 4}})",
            R"(QCheckBox { font-family: "DejaVu Sans"; font-size: 13px; color: #1f1f24;
                 spacing: 4px; }
               QCheckBox:disabled { color: #a9a9b3; }
               QCheckBox::indicator { width: 16px; height: 16px; image: url(%1/box0.png); }
               QCheckBox::indicator:hover { image: url(%1/box1.png); }
               QCheckBox::indicator:checked { image: url(%1/boxc0.png); }
               QCheckBox::indicator:checked:hover { image: url(%1/boxc1.png); })",
            [] {
                return new QCheckBox(QStringLiteral("Check me"));
            }},
        {"radio button", {140, 24},
            R"({"type": "qtradiobox", "style": [["empty", 0, 0], ["empty", 0, 4],
             ["radioLabel", 0, 8], ["radioLabel", 0, 9]],
             "attr": {"text": "Pick me", "iconPath": "images/dot0.png",
             "hotIconPath": "images/dot1.png", "siconPath": "images/dotc0.png",
             "sHotIconPath": "images/dotc1.png", "iconHor": 0, "iconVer": 1}})",
            R"(QRadioButton { font-family: "DejaVu Sans"; font-size: 13px; color: #1f1f24;
                 spacing: 4px; }
               QRadioButton:disabled { color: #a9a9b3; }
               QRadioButton::indicator { width: 16px; height: 16px; image: url(%1/dot0.png); }
               QRadioButton::indicator:hover { image: url(%1/dot1.png); }
               QRadioButton::indicator:checked { image: url(%1/dotc0.png); }
               QRadioButton::indicator:checked:hover { image: url(%1/dotc1.png); })",
            [] {
                return new QRadioButton(QStringLiteral("Pick me"));
            }},
        {"slider", {200, 24},
            R"({"type": "qtslider", "style": [["groove", 0, 0], ["chunk", 0, 2],
             ["thumb0", 0, 4], ["thumb1", 0, 5], ["thumb1", 0, 6], ["thumb0", 0, 7]],
             "attr": {"thumbW": 16, "thumbH": 16, "channelSize": 6, "min": 0, "max": 100,
             "val": 40}})",
            R"(QSlider::groove:horizontal { border-image: url(%1/groove.png) 3 3 3 3 stretch;
                 border-width: 3px; height: 0px; }
               QSlider::sub-page:horizontal { border-image: url(%1/chunk.png) 3 3 3 3 stretch;
                 border-width: 3px; height: 0px; }
               QSlider::handle:horizontal { image: url(%1/thumb0.png); width: 16px;
                 height: 16px; margin: -5px 0; }
               QSlider::handle:horizontal:hover { image: url(%1/thumb1.png); })",
            [] {
                auto* slider = new QSlider(Qt::Horizontal);
                slider->setRange(0, 100);
                slider->setValue(40);
                return slider;
            }},
        {"progress bar", {200, 20},
            R"({"type": "qtprogressbar", "style": [["groove", 0, 0], ["chunk", 0, 2],
             ["text", 0, 4]], "attr": {"val": 60, "showText": true}})",
            R"(QProgressBar { border-image: url(%1/groove.png) 4 4 4 4 stretch;
                 border-width: 4px; font-family: "DejaVu Sans"; font-size: 13px;
                 color: #1f1f24; text-align: center; }
               QProgressBar::chunk { border-image: url(%1/chunk.png) 4 4 4 4 stretch;
                 border-width: 4px; })",
            [] {
                auto* bar = new QProgressBar;
                bar->setValue(60);
                return bar;
            }},
        {"line edit", {200, 30},
            R"({"type": "qtdedit", "style": [["edit0", 0, 0], ["edit2", 0, 2],
             ["btn3", 0, 3], ["label", 0, 4], ["disabled", 0, 7]],
             "attr": {"text": "Some text to edit", "leftMargin": 6}})",
            R"(QLineEdit { border-image: url(%1/btn0.png) 4 4 4 4 stretch; border-width: 4px;
                 padding-left: 2px; font-family: "DejaVu Sans"; font-size: 13px;
                 color: #1f1f24; }
               QLineEdit:focus { border-image: url(%1/focus.png) 4 4 4 4 stretch; }
               QLineEdit:disabled { border-image: url(%1/btn3.png) 4 4 4 4 stretch;
                 color: #a9a9b3; })",
            [] {
                return new QLineEdit(QStringLiteral("Some text to edit"));
            }},
        {"combo box", {160, 30},
            R"({"type": "qtcombobox", "style": [["btn0", 0, 0], ["btn1", 0, 1],
             ["empty", 0, 4], ["left", 0, 8], ["disabled", 0, 11]],
             "attr": {"text": "Option one", "btnIcon": "images/arrow.png"}})",
            R"(QComboBox { border-image: url(%1/btn0.png) 4 4 4 4 stretch; border-width: 4px;
                 padding-left: 4px; font-family: "DejaVu Sans"; font-size: 13px;
                 color: #1f1f24; }
               QComboBox:hover { border-image: url(%1/btn1.png) 4 4 4 4 stretch; }
               QComboBox::drop-down { border: none; width: 30px; }
               QComboBox::down-arrow { image: url(%1/arrow.png); })",
            [] {
                auto* box = new QComboBox;
                box->addItem(QStringLiteral("Option one"));
                return box;
            }},
    };
}

// Puts a widget under the mouse (or takes it away) the way Qt's own dispatch does, so that
// skinned, style-sheet and Fusion widgets each show their hover look.
void setHovered(QWidget* w, bool on)
{
    w->setAttribute(Qt::WA_UnderMouse, on);
    QEvent crossing(on ? QEvent::Enter : QEvent::Leave);
    QApplication::sendEvent(w, &crossing);
    const QPointF centre(w->width() / 2.0, w->height() / 2.0);
    QHoverEvent hover(on ? QEvent::HoverEnter : QEvent::HoverLeave, on ? centre : QPointF(-1, -1),
        on ? QPointF(-1, -1) : centre);
    QApplication::sendEvent(w, &hover);
    if (on) {
        QHoverEvent move(QEvent::HoverMove, centre, centre);
        QApplication::sendEvent(w, &move);
        // Buttons under a style sheet show hover only once a move finds the pointer on them.
        QMouseEvent mouse(QEvent::MouseMove, centre, QPointF(w->mapToGlobal(centre.toPoint())),
            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &mouse);
    }
}

struct Variant {
    const char* name;
    QWidget* widget = nullptr;
    QImage target;
};

} // namespace

int main(int argc, char* argv[])
{
    Init();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString images = dir.filePath(QStringLiteral("images"));
    QDir().mkpath(images);

    const QList<QPair<QString, QImage>> art = {
        {QStringLiteral("btn0"), frameImage(Qt::white, border)},
        {QStringLiteral("btn1"), frameImage(QColor(0xf6, 0xf6, 0xf8), borderStrong)},
        {QStringLiteral("btn2"), frameImage(QColor(0xe6, 0xe6, 0xea), borderStrong)},
        {QStringLiteral("btn3"), frameImage(QColor(0xf2, 0xf2, 0xf4), QColor(0xe6, 0xe6, 0xea))},
        {QStringLiteral("focus"), frameImage(Qt::white, accent)},
        {QStringLiteral("groove"), frameImage(QColor(0xdc, 0xdc, 0xe1), border)},
        {QStringLiteral("chunk"), frameImage(accent, accent)},
        {QStringLiteral("thumb0"), markImage(true, true, accent)},
        {QStringLiteral("thumb1"), markImage(true, true, accentHover)},
        {QStringLiteral("box0"), markImage(false, false, border)},
        {QStringLiteral("box1"), markImage(false, false, borderStrong)},
        {QStringLiteral("boxc0"), markImage(false, true, accent)},
        {QStringLiteral("boxc1"), markImage(false, true, accentHover)},
        {QStringLiteral("dot0"), markImage(true, false, border)},
        {QStringLiteral("dot1"), markImage(true, false, borderStrong)},
        {QStringLiteral("dotc0"), markImage(true, true, accent)},
        {QStringLiteral("dotc1"), markImage(true, true, accentHover)},
        {QStringLiteral("arrow"), arrowImage()},
    };
    const QString packagePath = dir.filePath(QStringLiteral("paint.data"));
    {
        ZipWriter zip(packagePath);
        zip.add("style.json", styleJson);
        for (const auto& [name, image] : art) {
            const QByteArray bytes = Bench::pngBytes(image);
            zip.add("images/" + name.toUtf8() + ".png", bytes);
            QFile file(images + QLatin1Char('/') + name + QStringLiteral(".png"));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        }
        if (!zip.close())
            return 1;
    }
    if (!LoadAppPackage(packagePath))
        return 1;

    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QWidget host;
    host.resize(800, 600);
    QWidget sheetHost(&host);
    QWidget fusionHost(&host);
    QWidget skinHost(&host);

    const int perRound = qEnvironmentVariableIntValue("BENCH_PAINTS") > 0
        ? qEnvironmentVariableIntValue("BENCH_PAINTS")
        : 500;
    const int roundCount = Bench::rounds(21);
    // BENCH_SHEET names a PNG that shows every variant as it was last painted, to look at.
    const QString shotPath = qEnvironmentVariable("BENCH_SHEET");
    QImage sheet(3 * 210, 14 * 40, QImage::Format_ARGB32_Premultiplied);
    int sheetRow = 0;

    // BENCH_ONLY limits the run to the controls whose name contains it (for profiling).
    const QString only = qEnvironmentVariable("BENCH_ONLY");
    for (const ControlCase& c : controlCases()) {
        if (!QLatin1String(c.name).contains(only))
            continue;
        ::Json::Value element;
        VelQtLib::Json::parse(c.description, c.description + qstrlen(c.description), element);
        // The empty widget is the floor: what QWidget::render costs before any painting.
        Variant variants[4] = {{"skinned"}, {"style sheet"}, {"Fusion"}, {"empty widget"}};
        variants[0].widget = CreateFromJson(&element, &skinHost);
        variants[1].widget = c.plain();
        variants[1].widget->setParent(&sheetHost);
        variants[1].widget->setStyleSheet(QString::fromUtf8(c.sheet).arg(images));
        variants[2].widget = c.plain();
        variants[2].widget->setParent(&fusionHost);
        variants[2].widget->setStyle(fusion);
        variants[3].widget = new QWidget(&fusionHost);
        for (Variant& v : variants) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(13);
            v.widget->setFont(font);
            v.widget->resize(c.size);
            v.target = QImage(c.size, QImage::Format_ARGB32_Premultiplied);
        }
        host.show();
        for (Variant& v : variants)
            v.widget->show();
        QApplication::processEvents();

        for (const bool hover : {false, true}) {
            for (Variant& v : variants)
                setHovered(v.widget, hover);
            const QString state = hover ? QStringLiteral("hover") : QStringLiteral("normal");
            if (Bench::underCallgrind()) {
                // Exact instruction counts, which tools/run-bench.sh reads from the dumps.
                for (Variant& v : variants) {
                    v.widget->render(&v.target);
                    Bench::countInstructions(QLatin1String(c.name) + QLatin1Char('|') + state,
                        QLatin1String(v.name), perRound, [&] {
                            v.target.fill(Qt::transparent);
                            v.widget->render(&v.target);
                        });
                }
                continue;
            }
            QVector<double> samples[4];
            QVector<std::function<void()>> paints;
            for (Variant& v : variants)
                paints << [&v] {
                    v.target.fill(Qt::transparent);
                    v.widget->render(&v.target);
                };
            for (int round = 0; round < roundCount; ++round) {
                const QVector<double> us = Bench::interleaved(paints, perRound, 10, round);
                for (int k = 0; k < 4; ++k)
                    samples[k] << us[k];
            }
            const QString section = QStringLiteral("paint %1").arg(QLatin1String(c.name));
            for (int k = 0; k < 4; ++k) {
                Bench::printFigure(section, QStringLiteral("%1, %2").arg(variants[k].name, state),
                    samples[k], "us/paint");
                if (!shotPath.isEmpty() && k < 3) {
                    QPainter p(&sheet);
                    p.fillRect(QRect(k * 210, sheetRow * 40, 210, 40), Qt::white);
                    p.drawImage(QPoint(k * 210 + 4, sheetRow * 40 + 4), variants[k].target);
                }
            }
            Bench::printRatio(section, QStringLiteral("skinned / style sheet, %1").arg(state),
                samples[0], samples[1], sheetTarget(c.name));
            Bench::printRatio(section, QStringLiteral("skinned / Fusion, %1").arg(state),
                samples[0], samples[2], 1.0);
            ++sheetRow;
        }
        for (Variant& v : variants)
            delete v.widget;
    }
    delete fusion;
    if (!shotPath.isEmpty())
        sheet.scaled(sheet.size() * 2).save(shotPath);
    return 0;
}
