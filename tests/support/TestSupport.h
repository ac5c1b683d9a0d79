#pragma once

#include <QByteArray>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPair>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <json/value.h>

#include <functional>
#include <memory>

class QAbstractItemView;
class QIcon;
class QStandardItemModel;
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

// A style record ("type" 1) filling its box with one colour, without an image.
QByteArray boxStyle(const QByteArray& name, QColor color);
// A DejaVu Sans text style record; extra holds more members, such as "\"bold\": true".
QByteArray textStyle(
    const QByteArray& name, QColor color, int size = 16, const QByteArray& extra = QByteArray());
// "style.json" holding these records.
QByteArray styleJson(const QList<QByteArray>& records);
// Writes a package of these style records and members under scratch and loads it as the app
// package; false when the library refuses it.
bool loadAppPackage(
    const QString& name, const QList<QByteArray>& styles, const QList<Member>& members = {});
// Writes a package of these members under scratch and loads it as the theme package.
bool loadThemePackage(const QString& name, const QList<Member>& members);
// PNG bytes of an image of one colour.
QByteArray solidPng(QColor color, int w = 10, int h = 10);
// An icon of one colour.
QIcon solidIcon(QColor color, int size = 16);

// A control of type W built from a description element.
template<class W> std::unique_ptr<W> built(QWidget* parent, const QByteArray& element)
{
    auto widget = std::make_unique<W>(parent);
    const ::Json::Value json = parsed(element);
    widget->loadAttributes(&json);
    return widget;
}

// A control of type W built from a description element and placed by its layout.
template<class W> std::unique_ptr<W> placed(QWidget* parent, const QByteArray& element)
{
    auto widget = built<W>(parent, element);
    widget->applyLayout();
    return widget;
}

// The implementation object of a control.
template<class Impl, class W> Impl* implOf(W& control)
{
    return static_cast<Impl*>(control.impl());
}

// Shows a window and waits until it is exposed.
bool shown(QWidget* window);
// Renders a widget into an ARGB32 image of its size.
QImage render(QWidget* widget);
// The widget's own painting (and its children's when children is set) over transparency,
// without any window background.
QImage paintedAlone(QWidget* widget, bool children = false);
// The first and last column (or row) of area (the whole image when null) holding a pixel near
// colour, or (-1, -1).
QPair<int, int> columnsOf(
    const QImage& image, QColor colour, int tolerance = 60, const QRect& area = QRect());
QPair<int, int> rowsOf(
    const QImage& image, QColor colour, int tolerance = 60, const QRect& area = QRect());
// True when area (the whole image when null) holds a pixel near colour.
bool holds(const QImage& image, QColor colour, int tolerance = 10, const QRect& area = QRect());
// How many pixels of area (the whole image when null) are near colour.
int countNear(const QImage& image, QColor colour, int tolerance = 60, const QRect& area = QRect());
// True when two colours differ by at most tolerance in every channel.
bool near(QRgb actual, QColor expected, int tolerance = 3);
// "(r, g, b, a)" for failure messages.
QByteArray describe(QRgb pixel);

// Sends a mouse event at local (and at global, the mapped local by default) straight to w.
void sendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::NoButton,
    Qt::MouseButtons buttons = Qt::NoButton, QPoint global = QPoint(-1000000, -1000000));
void sendEnter(QWidget* w);
// Plays steps on w: e enter, l leave, p left press at at, r release at at, o release outside w,
// d disable (and paint, as a shown widget would), u enable.
void play(QWidget* w, const QString& steps, QPoint at);
// A left press at press and a release at release (at press by default).
void click(QWidget* w, QPoint press, QPoint release = QPoint(-1000000, -1000000));
// Shows and activates window, then gives w the keyboard focus.
void giveFocus(QWidget* window, QWidget* w);
// Moves the pointer (the cursor and a move event) to pos of an item view's viewport.
void moveOnViewport(QAbstractItemView* view, QPoint pos);
// A hover move over an item view's viewport.
void hoverAt(QAbstractItemView* view, QPoint pos);
void sendLeave(QWidget* w);

// Fails the running test on any Qt warning or critical message.
void installStrictMessageHandler();
// The library's load-time diagnostics the strict handler collected since the last call.
QStringList takeDiagnostics();

// Loads a description element into an existing control.
template<class W> void reload(W& control, const QByteArray& element)
{
    const ::Json::Value json = parsed(element);
    control.loadAttributes(&json);
}

struct Pixel {
    int x;
    int y;
    QColor colour;
};
// Empty when every pixel of image is near its colour, else what the first that is not holds.
QByteArray pixelMismatch(const QImage& image, const QList<Pixel>& pixels);

// Runs one test function of this program again from a copy in a folder named like the designer,
// so that the library is in design mode; returns what the run printed.
QByteArray runInDesignMode(const QString& function);

// What paint draws on an image of logical size at a device pixel ratio, filled with fill, as
// ARGB32.
QImage paintedBy(
    QSize size, QColor fill, const std::function<void(QPainter*)>& paint, qreal ratio = 1);

} // namespace TestSupport

// Compares a pixel of an image with an expected colour, printing both on failure.
#define QCOMPARE_PIXEL(image, x, y, color) QCOMPARE_PIXELS(image, {{(x), (y), QColor(color)}})

// Compares several pixels of an image with their expected colours: {{x, y, colour}, ...}.
#define QCOMPARE_PIXELS(image, ...)                                                                \
    do {                                                                                           \
        const QByteArray mismatch_ = TestSupport::pixelMismatch((image), __VA_ARGS__);             \
        QVERIFY2(mismatch_.isEmpty(), mismatch_.constData());                                      \
    } while (false)
