#pragma once

#include <QByteArray>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <json/value.h>

class QWidget;

namespace TestSupport {

// A JSON document parsed the way the library parses packages and descriptions (null on error).
::Json::Value parsed(const QByteArray& text);

using Member = QPair<QByteArray, QByteArray>;

// Writes a ZIP archive of the given members (in order) and returns its path.
QString writeArchive(const QString& path, const QList<Member>& members);

// A folder for the archives of one test program, removed at exit.
QTemporaryDir& scratch();
QString scratchPath(const QString& name);

// PNG bytes of an image.
QByteArray png(const QImage& image);
// An image of one colour.
QImage solid(int w, int h, QColor color);

// Rewrite a header field of the member named member (of every member when it is empty) in both
// its local and its central header.
void patchCrc(QByteArray& archive, const QByteArray& member, quint32 crc);
void patchUncompressedSize(QByteArray& archive, const QByteArray& member, quint32 size);
void patchFlags(QByteArray& archive, const QByteArray& member, quint16 flags);
void patchMethod(QByteArray& archive, const QByteArray& member, quint16 method);
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// Renders a widget into an ARGB32 image of its size.
QImage render(QWidget* widget);
// True when two colours differ by at most tolerance in every channel.
bool near(QRgb actual, QColor expected, int tolerance = 3);
// "(r, g, b, a)" for failure messages.
QByteArray describe(QRgb pixel);

// Sends a mouse event at local (and at global, the mapped local by default) straight to w.
void sendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::NoButton,
    Qt::MouseButtons buttons = Qt::NoButton, QPoint global = QPoint(-1000000, -1000000));
void sendEnter(QWidget* w);
void sendLeave(QWidget* w);

// Fails the running test on any Qt warning or critical message it did not announce.
void installStrictMessageHandler();
// Announces one warning containing part; the strict handler then swallows it.
void expectWarning(const QString& part);

} // namespace TestSupport

// Compares a pixel of an image with an expected colour, printing both on failure.
#define QCOMPARE_PIXEL(image, x, y, color)                                                         \
    QVERIFY2(TestSupport::near((image).pixel((x), (y)), (color)),                                  \
        QByteArray("pixel (" + QByteArray::number(x) + ", " + QByteArray::number(y) + ") is "      \
            + TestSupport::describe((image).pixel((x), (y))) + ", expected "                       \
            + TestSupport::describe(QColor(color).rgba()))                                         \
            .constData())
