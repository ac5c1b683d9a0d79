#include "support/TestSupport.h"

#include "zipwriter/ZipWriter.h"

#include <theme/Json.h>

#include <QBuffer>
#include <QFile>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QtEndian>

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

QImage render(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
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

void sendLeave(QWidget* w)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(w, &event);
}

namespace {

QtMessageHandler previousHandler = nullptr;
QStringList expectedWarnings;

void strictHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtWarningMsg && type != QtCriticalMsg) {
        previousHandler(type, context, message);
        return;
    }
    // The offscreen platform reports what it cannot do, such as size hints of fixed windows.
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    for (int i = 0; i < expectedWarnings.size(); ++i) {
        if (message.contains(expectedWarnings.at(i))) {
            expectedWarnings.removeAt(i);
            return;
        }
    }
    previousHandler(type, context, message);
    QTest::qFail(qPrintable(QStringLiteral("unexpected Qt message: ") + message), context.file,
        context.line);
}

} // namespace

void installStrictMessageHandler()
{
    previousHandler = qInstallMessageHandler(strictHandler);
}

void expectWarning(const QString& part)
{
    expectedWarnings.append(part);
}

} // namespace TestSupport
