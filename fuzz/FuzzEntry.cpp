#include "FuzzEntry.h"

#include "zipwriter/ZipWriter.h"

#include <VelQtLib.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QWheelEvent>

namespace VelQtFuzz {

namespace {

// Records of every kind under short names the dictionary holds, so descriptions find them.
const char* const baseStyle = R"({"style": [
    {"type": 1, "name": "box", "drawImg": false, "clr": "ff336699", "border": true, "round": 3},
    {"type": 1, "name": "sides", "drawImg": false, "clr": "80ff00ff", "border": true,
     "borderSize": 3, "leftBorder": false},
    {"type": 1, "name": "nine", "img": "images/nine.png", "margin": [3, 3, 3, 3]},
    {"type": 1, "name": "tiled", "img": "images/nine.png", "margin": [2, 2, 2, 2],
     "repeatCenter": true},
    {"type": 1, "name": "wide", "img": "images/nine.png", "margin": [9, 40, 9, 40]},
    {"type": 2, "name": "text", "clr": "202020", "hor": 1, "size": 12},
    {"type": 2, "name": "bottom", "clr": "202020", "ver": 2, "x": 3, "y": 3, "bold": true},
    {"type": 2, "name": "vertical", "clr": "202020", "isHor": false}
]})";

const char* const imagePath = "images/fuzz.png";

// Qt, zlib and the image decoders are not instrumented, so the fuzzer cannot tell their
// outcomes apart by coverage; libFuzzer reads this section as extra features instead.
__attribute__((used, section("__libfuzzer_extra_counters"))) std::uint8_t outcomes[512];

void note(unsigned kind, unsigned value)
{
    std::uint8_t& counter = outcomes[(kind * 61 + value) % sizeof outcomes];
    counter = std::uint8_t(counter + 1);
}

// A coarse magnitude: 0 for 0, else the bit length, so sizes fall in a few classes.
unsigned magnitude(qint64 v)
{
    unsigned bits = 0;
    for (quint64 u = quint64(qAbs(v)); u; u >>= 1)
        ++bits;
    return bits;
}

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
        image.setPixel(4, 4, qRgba(255, 0, 255, 128));
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

VelQtLib::CThemeManager& manager()
{
    return VelQtLib::CThemeManager::instance();
}

// Every painter over one style record, in rectangles that fit, that are degenerate and that
// reach past the canvas.
void paintImageStyle(QPainter& p, const VelQtLib::ImageStyle& s)
{
    using Impl = VelQtLib::VelQControlBaseImpl;
    static const QRect rects[] = {{2, 2, 60, 44}, {0, 0, 1, 1}, {5, 5, 0, 9}, {-7, -3, 90, 70}};
    for (const QRect& r : rects) {
        Impl::drawImageStyle(&p, s, r);
        Impl::drawStyleFrame(&p, s, r);
        Impl::drawNineSlice(&p, s.nineSlice(), r);
    }
}

void paintTextStyle(QPainter& p, VelQtLib::TextStyle s)
{
    using Impl = VelQtLib::VelQControlBaseImpl;
    static const QRect rects[] = {{2, 2, 60, 44}, {0, 0, 1, 1}, {-7, -3, 90, 70}};
    const QString text = QStringLiteral("Fuzz text that wraps and elides");
    for (const QRect& r : rects) {
        Impl::drawStyledText(&p, text, s, r);
        Impl::drawStyledText(&p, text, s, r, !s.isHor);
    }
    s.elideMode = Qt::ElideNone;
    Impl::drawStyledText(&p, text, s, rects[0], true);
}

// Every lookup of the style records the package holds, through the manager and the library's
// entry points, each record painted.
void lookUpAndPaintStyles(const VelQtLib::CThemePackage& package)
{
    QImage canvas(64, 48, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(0);
    QPainter painter(&canvas);
    VelQtLib::CThemeManager& m = manager();
    m.setUseThemePackage(true);
    const QStringList imageNames = package.imageStyles.keys();
    for (const QString& name : imageNames) {
        VelQtLib::ImageStyle s;
        VelQtLib::GetImageStyle(name.toUtf8().constData(), s);
        if (m.getImageStyle(name, s))
            paintImageStyle(painter, s);
    }
    const QStringList textNames = package.textStyles.keys();
    for (const QString& name : textNames) {
        VelQtLib::TextStyle s;
        VelQtLib::GetTextStyle(name.toUtf8().constData(), s);
        if (m.getTextStyle(name, s))
            paintTextStyle(painter, s);
    }
    VelQtLib::ImageStyle none;
    m.getImageStyle(QStringLiteral("emptyRect"), none);
    m.setUseThemePackage(false);
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

void sendKey(QWidget* w, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

// What a user does to one control: hover, press, drag, release, double click, wheel and keys.
void handle(QWidget* w)
{
    const QRect r = w->rect();
    const QPoint centre(r.width() / 2, r.height() / 2);
    const QPoint corner(qMax(0, r.width() - 2), qMax(0, r.height() - 2));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(w, &enter);
    sendMouse(w, QEvent::MouseMove, centre, Qt::NoButton);
    sendMouse(w, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, corner, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, corner, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonDblClick, QPoint(1, 1), Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, QPoint(1, 1), Qt::LeftButton);
    QWheelEvent wheel(QPointF(centre), QPointF(w->mapToGlobal(centre)), QPoint(), QPoint(0, -120),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &wheel);
    for (int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Right, Qt::Key_A})
        sendKey(w, key);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w, &leave);
}

void renderInto(QWidget* w)
{
    QImage canvas(qBound(1, w->width(), 160), qBound(1, w->height(), 120),
        QImage::Format_ARGB32_Premultiplied);
    canvas.fill(0);
    w->render(&canvas);
}

// Drives every widget of window: user input, the theme elements dealt out over the controls,
// rendering enabled and disabled, and the window resized around its layouts.
void exercise(QWidget* window)
{
    window->show();
    renderInto(window);
    QList<QPointer<QWidget>> widgets;
    for (QWidget* w : window->findChildren<QWidget*>())
        widgets.append(w);
    for (const QPointer<QWidget>& w : qAsConst(widgets)) {
        if (w)
            handle(w);
    }
    std::vector<std::string> elements;
    if (const VelQtLib::CThemePackage* theme = manager().themePackage()) {
        for (const auto& e : theme->themeElements)
            elements.push_back(e.first);
    }
    int next = 0;
    for (const QPointer<QWidget>& w : qAsConst(widgets)) {
        if (!w)
            continue;
        VelQtLib::IVelQControlBase* control = VelQtLib::controlOf(w);
        if (control && control->controlBase() && !elements.empty()) {
            const std::string& name = elements[std::size_t(next++) % elements.size()];
            control->controlBase()->setThemeName(QString::fromStdString(name));
        }
        if (w)
            renderInto(w);
    }
    window->setEnabled(false);
    for (const QPointer<QWidget>& w : qAsConst(widgets)) {
        if (w)
            renderInto(w);
    }
    window->setEnabled(true);
    for (QSize size : {QSize(0, 0), QSize(900, 700), QSize(200, 160)}) {
        window->resize(size);
        renderInto(window);
    }
}

// Ends what an input may have left behind: pop-ups, posted events and deferred deletions.
void settle()
{
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close())
            break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

void setUp()
{
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(messageSink);
        VelQtLib::Init();
        static int argc = 1;
        static char name[] = "velqt-fuzz";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    VelQtLib::Init();
    // Descriptions look their records up in the application package unless a theme element
    // redirects them, so the records live there too.
    static const bool loaded = VelQtLib::LoadAppPackage(
        writePackage("app.data", {{"style.json", baseStyle}, {"images/nine.png", nineSlicePng()}}));
    Q_UNUSED(loaded)
}

void package(const std::uint8_t* data, std::size_t size)
{
    const QString path = scratch().filePath(QStringLiteral("package.data"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(bytes(data, size));
    file.close();

    // The application package only grows, so its load sequence runs on a package of its own.
    VelQtLib::CThemePackage app;
    app.path = path;
    note(1, app.load());
    note(2, magnitude(qint64(app.entries.size())));
    note(3, unsigned(app.styleFileCount));
    note(4, magnitude(app.imageStyles.size() + app.textStyles.size()));

    VelQtLib::CThemeManager& m = manager();
    VelQtLib::LoadThemePackage(path.toUtf8().constData());
    const VelQtLib::CThemePackage* theme = m.themePackage();
    if (!theme)
        return;
    lookUpAndPaintStyles(*theme);
    for (const auto& element : theme->themeElements)
        m.findThemeElement(element.first);
    QStringList descriptions;
    for (const auto& entry : theme->entries) {
        const QString name = QString::fromStdString(entry.first);
        const uchar* bytes = nullptr;
        uint length = 0;
        bool fromTheme = false;
        m.findEntry(name, bytes, length, fromTheme);
        if (name.endsWith(QLatin1String(".json")))
            descriptions.append(name);
        else if (m.getImage(name, false))
            m.getImage(name, true);
    }
    for (const QString& name : qAsConst(descriptions)) {
        VelQtLib::VelQWindow window;
        VelQtLib::LoadWindow(&window, name);
        exercise(&window);
    }
    settle();
}

void styles(const std::uint8_t* data, std::size_t size)
{
    const QString path = writePackage(
        "styles.data", {{"style.json", bytes(data, size)}, {"images/nine.png", nineSlicePng()}});
    manager().loadThemePackage(path);
    if (const VelQtLib::CThemePackage* theme = manager().themePackage())
        lookUpAndPaintStyles(*theme);
}

void description(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text = bytes(data, size);
    const QString path = writePackage("description.data",
        {{"style.json", baseStyle}, {"theme.json", text}, {"main.json", text},
            {"images/nine.png", nineSlicePng()}});
    manager().loadThemePackage(path);
    {
        VelQtLib::VelQWindow window;
        window.resize(320, 240);
        VelQtLib::LoadWindow(&window, QStringLiteral("main"));
        exercise(&window);
    }
    settle();
}

void image(const std::uint8_t* data, std::size_t size)
{
    const QString path
        = writePackage("image.data", {{"style.json", baseStyle}, {imagePath, bytes(data, size)}});
    VelQtLib::CThemeManager& m = manager();
    m.loadThemePackage(path);
    const QString name = QString::fromLatin1(imagePath);
    QImage* colour = m.getImage(name, false);
    const QImage* gray = m.getImage(name, true);
    note(10, colour ? unsigned(colour->format()) : 99);
    note(11, gray ? 1 : 0);
    if (!colour)
        return;
    note(12, magnitude(colour->width()));
    note(13, magnitude(colour->height()));

    using Impl = VelQtLib::VelQControlBaseImpl;
    QImage canvas(40, 40, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(0);
    QPainter painter(&canvas);
    VelQtLib::ImageStyle style;
    style.noImage = false;
    style.image = name;
    // Slices inside the image, then slices larger than the image.
    for (int slice : {5, 1 << 20}) {
        style.sliceLeft = style.sliceTop = style.sliceRight = style.sliceBottom = slice;
        for (bool tiled : {false, true}) {
            style.repeatCenter = tiled;
            Impl::drawImageStyle(&painter, style, 0, 0, 40, 40);
        }
    }
    const VelQtLib::ImageOffset centred {1, -1, 1, 1};
    for (bool gray : {false, true})
        Impl::drawAlignedImage(&painter, name, centred, 0, 0, 40, 40, gray);
    Impl::drawAlignedIcon(
        &painter, QIcon(QPixmap::fromImage(*colour)), QSize(16, 16), centred, QRect(0, 0, 40, 40));
}

} // namespace VelQtFuzz
