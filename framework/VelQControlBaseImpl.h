#pragma once

#include "theme/StyleTypes.h"

#include <QObject>
#include <QRect>
#include <QStringList>
#include <json/value.h>

#include <map>
#include <string>
#include <variant>

class QEvent;
class QIcon;
class QMouseEvent;
class QPainter;
class QWidget;

namespace VelQtLib {

// Look selected by every control's painter; the editors show Focused where others show Pressed.
enum ControlState { Normal = 0, Hover = 1, Pressed = 2, Focused = 2, Disabled = 3 };

// One member of a parsed "attr" object; std::monostate for values of no usable kind.
using AttrValue = std::variant<std::monostate, bool, QString, int, unsigned, double, QStringList>;

// The implementation object behind every control: its state, its attributes and its painting.
class VELQTLIB_EXPORT VelQControlBaseImpl : public QObject {
    Q_OBJECT
public:
    VelQControlBaseImpl(QWidget* owner, const QString& typeName);
    ~VelQControlBaseImpl() override;

    virtual void onPaint();
    virtual void draw(QPainter* painter, const QRect& rect);
    // Records "attr" and follows a "theme" redirection by replacing json.
    virtual bool parseAttributes(const ::Json::Value*& json);
    virtual void fillSamples();
    virtual void onMousePress(QMouseEvent* event);
    virtual void onMouseRelease(QMouseEvent* event);
    virtual void onEnter(QEvent* event);
    virtual void onLeave(QEvent* event);
    virtual void onMouseMove(QMouseEvent* event);
    virtual void onMouseDoubleClick(QMouseEvent* event);
    // The record whose outline the keyboard focus ring follows, or null.
    virtual const ImageStyle* outlineStyle() const { return nullptr; }

    // Parses the theme element named by themeName (or typeName) when the theme has one.
    void applyTheme();
    // Parses again, from the theme loaded now, the theme elements this control took its look
    // from, keeping what the program set (texts, values, items, icons), and repaints.
    void restyle();
    // Sets the state and repaints at once when it changed.
    void setState(int newState);

    // Painting operations shared by every control.
    static void drawImageStyle(
        QPainter* painter, const ImageStyle& style, int x, int y, int w, int h);
    static void drawImageStyle(QPainter* painter, const ImageStyle& style, const QRect& r);
    static void drawStyleFrame(
        QPainter* painter, const ImageStyle& style, int x, int y, int w, int h);
    static void drawStyleFrame(QPainter* painter, const ImageStyle& style, const QRect& r);
    static void drawNineSlice(
        QPainter* painter, const NineSlice& slice, int x, int y, int w, int h);
    static void drawNineSlice(QPainter* painter, const NineSlice& slice, const QRect& r);
    static void drawAlignedImage(QPainter* painter, const QString& path, const ImageOffset& offset,
        int x, int y, int w, int h, bool gray);
    static void drawAlignedImage(QPainter* painter, const QString& path, const ImageOffset& offset,
        const QRect& r, bool gray);
    static void drawAlignedIcon(QPainter* painter, const QIcon& icon, const QSize& size,
        const ImageOffset& offset, const QRect& r);
    static void drawStyledText(QPainter* painter, const QString& text, const TextStyle& style,
        int x, int y, int w, int h, bool isHor);
    // Turned by 90 degrees unless the style is horizontal.
    static void drawStyledText(
        QPainter* painter, const QString& text, const TextStyle& style, const QRect& r);
    static void drawStyledText(
        QPainter* painter, const QString& text, const TextStyle& style, const QRect& r, bool isHor);

    QString typeName;
    QString themeName;
    bool hovered = false;
    bool flag = true;
    int state = Normal;
    std::map<std::string, AttrValue> attributes;
    QWidget* owner = nullptr;
    // Set while restyle parses: a control then reads only the keys that style it.
    bool restyling = false;
    // The theme element the control's description named with "theme", and whether applyTheme
    // found one after construction: what restyle parses again.
    std::string descriptionTheme;
    bool themeApplied = false;
    // The "focus" object of the control's "attr": its own look of the keyboard focus ring.
    ::Json::Value focusAttributes;
};

// The font a text record describes.
VELQTLIB_EXPORT QFont fontOf(const TextStyle& style);
// Qt alignment flags of a text record's hAlign and vAlign.
VELQTLIB_EXPORT Qt::Alignment alignmentOf(const TextStyle& style);

} // namespace VelQtLib
