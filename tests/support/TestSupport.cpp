#include "support/TestSupport.h"

#include "zipwriter/ZipWriter.h"

#include <theme/Json.h>

#include <VelQtLib.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMouseEvent>
#include <QPixmap>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <QtEndian>

#include <cstring>
#include <utility>

namespace TestSupport {

::Json::Value parsed(const QByteArray& text)
{
    ::Json::Value value;
    VelQtLib::Json::parse(text.constData(), text.constData() + text.size(), value);
    return value;
}

QString writeArchive(const QString& path, const QList<Member>& members)
{
    ZipWriter zip(path);
    for (const Member& m : members)
        zip.add(m.first, m.second);
    zip.close();
    return path;
}

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

QString scratchPath(const QString& name)
{
    return scratch().filePath(name);
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage solid(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QByteArray boxStyle(const QByteArray& name, QColor color)
{
    return R"({"type": 1, "name": ")" + name + R"(", "drawImg": false, "clr": ")"
        + QByteArray::number(color.rgba(), 16) + R"("})";
}

QByteArray textStyle(const QByteArray& name, QColor color, int size, const QByteArray& extra)
{
    return R"({"type": 2, "name": ")" + name + R"(", "family": "DejaVu Sans", "size": )"
        + QByteArray::number(size) + (extra.isEmpty() ? QByteArray() : ", " + extra)
        + R"(, "clr": ")" + color.name().mid(1).toLatin1() + R"("})";
}

QByteArray styleJson(const QList<QByteArray>& records)
{
    QByteArray json = R"({"style": [)";
    for (int i = 0; i < records.size(); ++i)
        json += (i ? ", " : "") + records.at(i);
    return json + "]}";
}

bool loadAppPackage(
    const QString& name, const QList<QByteArray>& styles, const QList<Member>& members)
{
    const QString path = writeArchive(
        scratchPath(name), QList<Member> {{"style.json", styleJson(styles)}} + members);
    return VelQtLib::LoadAppPackage(path);
}

bool loadThemePackage(const QString& name, const QList<Member>& members)
{
    return VelQtLib::LoadThemePackage(
        writeArchive(scratchPath(name), members).toUtf8().constData());
}

QByteArray solidPng(QColor color, int w, int h)
{
    return png(solid(w, h, color));
}

QIcon solidIcon(QColor color, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(color);
    return QIcon(pixmap);
}

namespace {

// Applies edit to the local (PK\3\4) and central (PK\1\2) headers of the member named name
// (every member when name is empty): edit(offset of the header, true for central).
template<class Edit> void forEachHeader(QByteArray& archive, const QByteArray& name, Edit edit)
{
    for (int i = 0; i + 46 <= archive.size(); ++i) {
        const quint32 sig = qFromLittleEndian<quint32>(archive.constData() + i);
        const bool local = sig == 0x04034b50;
        const bool central = sig == 0x02014b50;
        if (!local && !central)
            continue;
        const int nameLength
            = qFromLittleEndian<quint16>(archive.constData() + i + (central ? 28 : 26));
        const QByteArray headerName = archive.mid(i + (central ? 46 : 30), nameLength);
        if (name.isEmpty() || headerName == name)
            edit(i, central);
    }
}

template<class T> void put(QByteArray& archive, int offset, T value)
{
    qToLittleEndian<T>(value, archive.data() + offset);
}

} // namespace

void patchCrc(QByteArray& archive, const QByteArray& member, quint32 crc)
{
    forEachHeader(archive, member,
        [&](int at, bool central) { put(archive, at + (central ? 16 : 14), crc); });
}

void patchUncompressedSize(QByteArray& archive, const QByteArray& member, quint32 size)
{
    forEachHeader(archive, member,
        [&](int at, bool central) { put(archive, at + (central ? 24 : 22), size); });
}

void patchFlags(QByteArray& archive, const QByteArray& member, quint16 flags)
{
    forEachHeader(archive, member,
        [&](int at, bool central) { put(archive, at + (central ? 8 : 6), flags); });
}

void patchMethod(QByteArray& archive, const QByteArray& member, quint16 method)
{
    forEachHeader(archive, member,
        [&](int at, bool central) { put(archive, at + (central ? 10 : 8), method); });
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

bool shown(QWidget* window)
{
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

QImage render(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage paintedAlone(QWidget* widget, bool children)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(
        &image, QPoint(), QRegion(), children ? QWidget::DrawChildren : QWidget::RenderFlags());
    return image.convertToFormat(QImage::Format_ARGB32);
}

namespace {

QPair<int, int> extentOf(
    const QImage& image, QColor colour, int tolerance, QRect area, bool columns)
{
    if (area.isNull())
        area = image.rect();
    const int outerFirst = columns ? area.left() : area.top();
    const int outerLast = columns ? area.right() : area.bottom();
    const int innerFirst = columns ? area.top() : area.left();
    const int innerLast = columns ? area.bottom() : area.right();
    int first = -1;
    int last = -1;
    for (int i = outerFirst; i <= outerLast; ++i) {
        for (int j = innerFirst; j <= innerLast; ++j) {
            if (near(columns ? image.pixel(i, j) : image.pixel(j, i), colour, tolerance)) {
                if (first < 0)
                    first = i;
                last = i;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

QPair<int, int> columnsOf(const QImage& image, QColor colour, int tolerance, const QRect& area)
{
    return extentOf(image, colour, tolerance, area, true);
}

QPair<int, int> rowsOf(const QImage& image, QColor colour, int tolerance, const QRect& area)
{
    return extentOf(image, colour, tolerance, area, false);
}

bool holds(const QImage& image, QColor colour, int tolerance, const QRect& area)
{
    return columnsOf(image, colour, tolerance, area).first >= 0;
}

int countNear(const QImage& image, QColor colour, int tolerance, const QRect& area)
{
    const QRect r = area.isNull() ? image.rect() : area;
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            n += near(image.pixel(x, y), colour, tolerance) ? 1 : 0;
    }
    return n;
}

bool near(QRgb actual, QColor expected, int tolerance)
{
    return qAbs(qRed(actual) - expected.red()) <= tolerance
        && qAbs(qGreen(actual) - expected.green()) <= tolerance
        && qAbs(qBlue(actual) - expected.blue()) <= tolerance
        && qAbs(qAlpha(actual) - expected.alpha()) <= tolerance;
}

QByteArray describe(QRgb p)
{
    return QStringLiteral("(%1, %2, %3, %4)")
        .arg(qRed(p))
        .arg(qGreen(p))
        .arg(qBlue(p))
        .arg(qAlpha(p))
        .toLatin1();
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button,
    Qt::MouseButtons buttons, QPoint global)
{
    if (global == QPoint(-1000000, -1000000))
        global = w->mapToGlobal(local);
    QMouseEvent event(type, local, local, global, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

void sendEnter(QWidget* w)
{
    QEvent event(QEvent::Enter);
    QCoreApplication::sendEvent(w, &event);
}

void play(QWidget* w, const QString& steps, QPoint at)
{
    for (const QChar step : steps) {
        switch (step.toLatin1()) {
        case 'e':
            sendEnter(w);
            break;
        case 'l':
            sendLeave(w);
            break;
        case 'p':
            sendMouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
            break;
        case 'r':
            sendMouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton);
            break;
        case 'o':
            sendMouse(
                w, QEvent::MouseButtonRelease, QPoint(w->width() + 50, at.y()), Qt::LeftButton);
            break;
        case 'd':
            w->setEnabled(false);
            render(w);
            break;
        case 'u':
            w->setEnabled(true);
            break;
        }
    }
}

void click(QWidget* w, QPoint press, QPoint release)
{
    if (release == QPoint(-1000000, -1000000))
        release = press;
    sendMouse(w, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, release, Qt::LeftButton);
}

void giveFocus(QWidget* window, QWidget* w)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    w->setFocus();
    QTRY_VERIFY(w->hasFocus());
}

void moveOnViewport(QAbstractItemView* view, QPoint pos)
{
    QCursor::setPos(view->viewport()->mapToGlobal(pos));
    sendMouse(view->viewport(), QEvent::MouseMove, pos);
}

void hoverAt(QAbstractItemView* view, QPoint pos)
{
    QHoverEvent event(QEvent::HoverMove, pos, QPoint(-1, -1));
    QCoreApplication::sendEvent(view->viewport(), &event);
}

void sendLeave(QWidget* w)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(w, &event);
}

namespace {

QtMessageHandler previousHandler = nullptr;
QStringList diagnostics;

void strictHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The library names the problems of the bad inputs tests give it; tests read them here.
    if (context.category && std::strncmp(context.category, "velqt.", 6) == 0) {
        diagnostics.append(message);
        return;
    }
    if (type != QtWarningMsg && type != QtCriticalMsg) {
        previousHandler(type, context, message);
        return;
    }
    // The offscreen platform reports what it cannot do, such as size hints of fixed windows.
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    previousHandler(type, context, message);
    QTest::qFail(qPrintable(QStringLiteral("unexpected Qt message: ") + message), context.file,
        context.line);
}

} // namespace

void installStrictMessageHandler()
{
    previousHandler = qInstallMessageHandler(strictHandler);
}

QStringList takeDiagnostics()
{
    return std::exchange(diagnostics, {});
}

QByteArray pixelMismatch(const QImage& image, const QList<Pixel>& pixels)
{
    for (const Pixel& p : pixels) {
        if (!near(image.pixel(p.x, p.y), p.colour))
            return "pixel (" + QByteArray::number(p.x) + ", " + QByteArray::number(p.y) + ") is "
                + describe(image.pixel(p.x, p.y)) + ", expected " + describe(p.colour.rgba());
    }
    return QByteArray();
}

QByteArray runInDesignMode(const QString& function)
{
    const QString program = QCoreApplication::applicationFilePath();
    const QString dir = scratchPath(QStringLiteral("LayoutForgeQt"));
    const QString copy = dir + QLatin1Char('/') + QFileInfo(program).fileName();
    QDir().mkpath(dir);
    QFile::remove(copy);
    if (!QFile::copy(program, copy))
        return QByteArray("cannot copy ") + program.toUtf8();
    QProcess process;
    process.start(copy, {function});
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

QImage paintedBy(QSize size, QColor fill, const std::function<void(QPainter*)>& paint, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    {
        QPainter painter(&image);
        paint(&painter);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace TestSupport
