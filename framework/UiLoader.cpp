#include "framework/UiLoader.h"

#include "framework/ControlFactory.h"
#include "framework/DescriptionCheck.h"
#include "framework/ShowWhenBuilt_p.h"
#include "framework/VelQControlBase.h"
#include "framework/VelQWindow.h"
#include "theme/Json.h"
#include "theme/ThemeManager.h"

#include <QFile>
#include <QWidget>

#include <memory>

namespace VelQtLib {

namespace {

// budget: how many more controls this build may create.
QWidget* createElement(const ::Json::Value* element, QWidget* parent, int depth, int& budget)
{
    if (!element || budget <= 0)
        return nullptr;
    const ::Json::Value* type = Json::member(*element, "type");
    if (!type || !type->isString())
        return nullptr;
    const std::string typeName = type->asString();
    // Scroll bars are skinned through their scrollable control, never built on their own.
    if (typeName == "qtscrollbar")
        return nullptr;
    QWidget* widget = CreateControl(typeName.c_str(), element, parent);
    if (!widget)
        return nullptr;
    --budget;
    const ::Json::Value* children = Json::arrayMember(*element, "child");
    if (children && depth < maxDescriptionDepth) {
        for (const ::Json::Value& child : *children)
            createElement(&child, widget, depth + 1, budget);
    }
    if (IVelQControlBase* control = controlOf(widget))
        control->fillSamples();
    return widget;
}

// The parsed description name, a package entry or else a file on disk, once its problems are
// reported; null when it cannot be read or parsed. A package keeps what it parsed without a
// problem, so that building it again skips reading it anew.
std::shared_ptr<const ::Json::Value> readDescription(const QString& name)
{
    CThemeManager& manager = CThemeManager::instance();
    const uchar* data = nullptr;
    uint size = 0;
    bool fromTheme = false;
    CThemePackage* package = nullptr;
    std::string key;
    QString where = name;
    QByteArray text;
    if (manager.findEntry(name, data, size, fromTheme)) {
        package = fromTheme ? manager.themePackage() : manager.appPackage();
        key = packageEntryName(name).toStdString();
        const auto kept = package->descriptions.find(key);
        if (kept != package->descriptions.end())
            return kept->second;
        where = package->path + QLatin1Char('/') + name;
        text = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    } else {
        QFile file(name);
        if (file.open(QIODevice::ReadOnly))
            text = file.readAll();
    }
    if (text.isEmpty()) {
        reportDiagnostic({Diagnostic::Error, Diagnostic::Description, where, 0, 0,
            QStringLiteral("no package holds this description, and no such file exists")});
        return nullptr;
    }
    const int end = text.indexOf('\0');
    const char* textEnd = text.constData() + (end < 0 ? text.size() : end);
    const DocumentReport report(Diagnostic::Description, where, text.constData(), textEnd);
    auto root = std::make_shared<::Json::Value>();
    Json::ParseError error;
    if (!Json::parse(text.constData(), textEnd, *root, &error)) {
        report.parseError(error);
        return nullptr;
    }
    checkDescription(report, *root);
    if (package && !report.reported())
        package->descriptions.emplace(key, root);
    return root;
}

// Display texts of the description being built follow its declared encoding.
class DescriptionEncoding {
public:
    explicit DescriptionEncoding(const ::Json::Value& root)
        : m_previous(CThemeManager::instance().descriptionTextsUtf8())
    {
        CThemeManager::instance().setDescriptionTextsUtf8(Json::declaresUtf8(root));
    }
    ~DescriptionEncoding() { CThemeManager::instance().setDescriptionTextsUtf8(m_previous); }

private:
    bool m_previous;
};

void applyWindowKeys(VelQWindow* window, const ::Json::Value& root)
{
    int value = 0;
    bool flag = false;
    if (Json::readInt(root, "w", value))
        window->resize(value, window->height());
    if (Json::readInt(root, "h", value))
        window->resize(window->width(), value);
    if (Json::readBool(root, "trans", flag) && flag) {
        window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
        window->setAttribute(Qt::WA_TranslucentBackground);
    }
    if (Json::readBool(root, "drag", flag))
        window->setDraggable(flag);
    if (Json::readBool(root, "resize", flag))
        window->setResizable(flag);
    if (Json::readInt(root, "minH", value))
        window->setMinHeight(value);
    if (Json::readInt(root, "minW", value))
        window->setMinWidth(value);
    if (Json::readBool(root, "onlyDragCaption", flag))
        window->setOnlyDragCaption(flag);
}

} // namespace

QWidget* CreateFromJson(const ::Json::Value* element, QWidget* parent)
{
    // Not laid out here: each control is shown as it is read.
    const ShowWhenBuilt showNow(false);
    int budget = maxDescriptionControls;
    return createElement(element, parent, 1, budget);
}

QWidget* LoadElements(const ::Json::Value* root, QWidget* parent)
{
    if (!parent || !root)
        return nullptr;
    const ::Json::Value* elements = Json::arrayMember(*root, "elements");
    if (!elements)
        return nullptr;
    const DescriptionEncoding encoding(*root);
    const ShowWhenBuilt showWhenLaidOut(!parent->isVisible());
    QWidget* last = nullptr;
    int budget = maxDescriptionControls;
    for (const ::Json::Value& element : *elements) {
        last = createElement(&element, parent, 1, budget);
        IVelQControlBase* control = controlOf(last);
        if (control && control->controlBase())
            control->applyLayout();
    }
    return last;
}

QWidget* LoadWindow(QWidget* window, QString name)
{
    if (!name.contains(QLatin1String(".json")))
        name += QLatin1String(".json");
    CThemeManager::instance().checkStyleImages();
    const std::shared_ptr<const ::Json::Value> root = readDescription(name);
    if (!root)
        return nullptr;
    if (auto* skinned = qobject_cast<VelQWindow*>(window))
        applyWindowKeys(skinned, *root);
    return LoadElements(root.get(), window);
}

} // namespace VelQtLib
