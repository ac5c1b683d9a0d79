#include "Tool.h"

#include <framework/ControlFactory.h>
#include <framework/DescriptionKeys.h>
#include <framework/IVelQControlBase.h>
#include <framework/Library.h>
#include <framework/UiLoader.h>
#include <framework/VelQControlBase.h>
#include <framework/VelQControlBaseImpl.h>
#include <framework/VelQWindow.h>
#include <theme/Json.h>
#include <theme/ThemeManager.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace Velqt {

namespace {

const QStringList allStates = {QStringLiteral("normal"), QStringLiteral("hover"),
    QStringLiteral("pressed"), QStringLiteral("disabled"), QStringLiteral("checked")};

struct Options {
    QString app;
    QString theme;
    QString description;
    bool sheet = false;
    QString state;
    QString screenshot;
    bool watch = false;
};

// The control type a theme element named by a theme name most likely styles: the one that
// reads most of its "attr" keys, and its "style" slots with records of their kind.
std::string guessType(const ::Json::Value& element)
{
    const std::vector<std::string> registered = VelQtLib::RegisteredControls();
    const VelQtLib::CThemePackage* theme = VelQtLib::CThemeManager::instance().themePackage();
    const VelQtLib::ControlSpec* best = nullptr;
    int bestScore = 0;
    for (const VelQtLib::ControlSpec& spec : VelQtLib::controlSpecs()) {
        if (std::find(registered.begin(), registered.end(), spec.typeName) == registered.end())
            continue;
        int score = 0;
        if (const ::Json::Value* attr = VelQtLib::Json::objectMember(element, "attr")) {
            for (const std::string& key : attr->getMemberNames())
                score += VelQtLib::findKey(spec.attr, key.c_str()) ? 2 : 0;
        }
        if (const ::Json::Value* style = VelQtLib::Json::arrayMember(element, "style")) {
            for (const ::Json::Value& entry : *style) {
                int slot = 0;
                if (!entry.isArray() || entry.size() < 3 || !VelQtLib::Json::toInt(entry[2], slot))
                    continue;
                const VelQtLib::SlotSpec* s = VelQtLib::findSlot(spec, slot);
                std::string name;
                VelQtLib::Json::toStdString(entry[0], name);
                const QString record = QString::fromStdString(name);
                const bool isText = theme && theme->textStyles.contains(record)
                    && !theme->imageStyles.contains(record);
                score += s && s->text == isText ? 1 : -1;
            }
        }
        if (!best || score > bestScore) {
            best = &spec;
            bestScore = score;
        }
    }
    return best ? best->typeName : "qtcontainer";
}

QSize cellSize(const std::string& type)
{
    static const std::map<std::string, QSize> sizes
        = {{"qtbutton", {120, 32}}, {"qtcheckbox", {140, 24}}, {"qtradiobox", {140, 24}},
            {"qtswitch", {64, 30}}, {"qtprogressbar", {160, 20}}, {"qtslider", {160, 24}},
            {"qtdedit", {160, 30}}, {"qtcombobox", {160, 30}}, {"qtlabel", {140, 24}},
            {"qtlabelex", {140, 24}}, {"qtmenubar", {200, 28}}, {"qtlcdnumber", {100, 32}},
            {"qtscrollbar", {16, 100}}, {"qtspinbox", {100, 28}}};
    const auto it = sizes.find(type);
    return it != sizes.end() ? it->second : QSize(180, 100);
}

// Shows every skinned control under root in one state.
void applyState(QWidget* root, const QString& state)
{
    if (state == QLatin1String("disabled")) {
        root->setEnabled(false);
        return;
    }
    const int look = state == QLatin1String("hover") ? VelQtLib::Hover
        : state == QLatin1String("pressed")          ? VelQtLib::Pressed
                                                     : VelQtLib::Normal;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (VelQtLib::IVelQControlBase* control = VelQtLib::controlOf(w)) {
            if (control->impl())
                control->impl()->state = look;
        }
        if (state == QLatin1String("checked")) {
            if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
                button->setChecked(true);
        }
    }
}

class Preview : public QObject {
public:
    explicit Preview(const Options& options)
        : m_options(options)
    {
        m_debounce.setSingleShot(true);
        m_debounce.setInterval(150);
        connect(&m_debounce, &QTimer::timeout, this, [this] { reload(); });
        connect(
            &m_watcher, &QFileSystemWatcher::fileChanged, &m_debounce, qOverload<>(&QTimer::start));
        connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_debounce,
            qOverload<>(&QTimer::start));
        VelQtLib::setDiagnosticSink(&m_sink);
    }
    ~Preview() override
    {
        m_window.reset();
        VelQtLib::setDiagnosticSink(nullptr);
    }

    // Loads the packages anew and shows them; false when nothing could be shown.
    bool reload()
    {
        m_window.reset();
        VelQtLib::CThemeManager& manager = VelQtLib::CThemeManager::instance();
        manager.unloadPackages();
        m_sink.forget();
        m_app = std::make_unique<PackageSource>();
        m_theme = std::make_unique<PackageSource>();
        const bool prepared
            = m_app->prepare(m_options.app, m_sink) && m_theme->prepare(m_options.theme, m_sink);
        if (m_options.watch)
            watchSources();
        if (!prepared)
            return false;
        if (!m_app->isEmpty())
            manager.loadAppPackage(m_app->archive());
        if (!m_theme->isEmpty())
            manager.loadThemePackage(m_theme->archive());
        manager.checkStyleImages();
        const QString description = m_options.sheet ? QString() : descriptionName();
        m_window.reset(description.isEmpty() ? buildSheet() : buildDescription(description));
        if (!m_window)
            return false;
        if (!m_options.state.isEmpty())
            applyState(m_window.get(), m_options.state);
        m_window->show();
        QCoreApplication::processEvents();
        if (!m_options.screenshot.isEmpty())
            saveScreenshot();
        if (m_options.watch)
            std::fprintf(stderr, "velqt: shown; watching for changes\n");
        return true;
    }

private:
    QString descriptionName() const
    {
        if (!m_options.description.isEmpty())
            return m_options.description;
        const VelQtLib::CThemeManager& manager = VelQtLib::CThemeManager::instance();
        QString first;
        for (const VelQtLib::CThemePackage* p : {manager.appPackage(), manager.themePackage()}) {
            if (!p)
                continue;
            for (const auto& entry : p->entries) {
                const QString name = QString::fromStdString(entry.first);
                if (name == QLatin1String("main.json"))
                    return name;
                if (first.isEmpty() && name.endsWith(QLatin1String(".json"))
                    && name != QLatin1String("theme.json"))
                    first = name;
            }
        }
        return first;
    }

    QWidget* buildDescription(const QString& name)
    {
        auto* window = new VelQtLib::VelQWindow;
        window->setWindowTitle(QStringLiteral("velqt preview: ") + name);
        VelQtLib::LoadWindow(window, name);
        return window;
    }

    QWidget* buildSheet()
    {
        const VelQtLib::CThemePackage* theme = VelQtLib::CThemeManager::instance().themePackage();
        const ::Json::Value* elements
            = theme ? VelQtLib::Json::arrayMember(theme->root, "elements") : nullptr;
        const ::Json::Value* children = elements && !elements->empty()
            ? VelQtLib::Json::member((*elements)[0], "child")
            : nullptr;
        if (!children || !(children->isArray() || children->isObject())) {
            std::fprintf(stderr, "velqt: no description and no theme elements to show\n");
            return nullptr;
        }
        auto* sheet = new QWidget;
        sheet->setWindowTitle(QStringLiteral("velqt preview: theme elements"));
        sheet->setAutoFillBackground(true);
        QPalette palette = sheet->palette();
        palette.setColor(QPalette::Window, Qt::white);
        sheet->setPalette(palette);
        const QStringList states
            = m_options.state.isEmpty() ? allStates : QStringList {m_options.state};
        const int nameWidth = 160;
        const int gap = 12;
        std::vector<int> columnX;
        int y = gap;
        int width = 0;
        for (const ::Json::Value& element : *children) {
            const std::string name = VelQtLib::Json::stringOr(element, "name", std::string());
            const std::vector<std::string> registered = VelQtLib::RegisteredControls();
            const bool isType
                = std::find(registered.begin(), registered.end(), name) != registered.end();
            const VelQtLib::ControlSpec* spec = VelQtLib::findControlSpec(name);
            // Types that only a theme element styles (the pop-up menu) have no control here.
            if (!isType && spec)
                continue;
            const std::string type = isType ? name : guessType(element);
            const QSize size = cellSize(type);
            auto* label = new QLabel(QString::fromStdString(name), sheet);
            label->setGeometry(gap, y, nameWidth, size.height());
            int x = gap + nameWidth;
            for (const QString& state : states) {
                QWidget* control = VelQtLib::CreateControl(type.c_str(), nullptr, sheet);
                VelQtLib::IVelQControlBase* base = VelQtLib::controlOf(control);
                if (!base || !base->controlBase()) {
                    delete control;
                    continue;
                }
                base->controlBase()->setThemeName(QString::fromStdString(name));
                control->setGeometry(x, y, size.width(), size.height());
                applyState(control, state);
                x += size.width() + gap;
            }
            width = qMax(width, x);
            y += size.height() + gap;
        }
        sheet->resize(width, y);
        return sheet;
    }

    void saveScreenshot()
    {
        if (!m_window->grab().save(m_options.screenshot))
            std::fprintf(stderr, "velqt: cannot write %s\n", qPrintable(m_options.screenshot));
    }

    // Editors replace files rather than write them, which ends a watch: every path is
    // watched anew after each change.
    void watchSources()
    {
        if (!m_watcher.files().isEmpty())
            m_watcher.removePaths(m_watcher.files());
        if (!m_watcher.directories().isEmpty())
            m_watcher.removePaths(m_watcher.directories());
        QStringList paths;
        for (const PackageSource* source : {m_app.get(), m_theme.get()}) {
            if (source->isEmpty())
                continue;
            paths << source->given();
            if (!source->isFolder())
                continue;
            QDirIterator it(source->given(), QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot,
                QDirIterator::Subdirectories);
            while (it.hasNext())
                paths << it.next();
        }
        m_watcher.addPaths(paths);
    }

    Options m_options;
    PrintingSink m_sink;
    std::unique_ptr<PackageSource> m_app;
    std::unique_ptr<PackageSource> m_theme;
    std::unique_ptr<QWidget> m_window;
    QFileSystemWatcher m_watcher;
    QTimer m_debounce;
};

} // namespace

int preview(int argc, char* argv[], const QStringList& args)
{
    const Arguments a = parseArguments(args,
        {QStringLiteral("--app"), QStringLiteral("--theme"), QStringLiteral("--description"),
            QStringLiteral("--state"), QStringLiteral("--scale"), QStringLiteral("--screenshot")},
        {QStringLiteral("--sheet"), QStringLiteral("--watch")});
    Options o;
    o.app = a.values.value(QStringLiteral("--app"));
    o.theme = a.values.value(QStringLiteral("--theme"));
    o.description = a.values.value(QStringLiteral("--description"));
    o.state = a.values.value(QStringLiteral("--state"));
    o.screenshot = a.values.value(QStringLiteral("--screenshot"));
    o.sheet = a.flags.contains(QStringLiteral("--sheet"));
    o.watch = a.flags.contains(QStringLiteral("--watch"));
    // A package given without an option takes the role its contents say.
    for (const QString& path : a.positional)
        (hasThemeJson(path) ? o.theme : o.app) = path;
    // A theme package alone serves as the application package too.
    if (o.app.isEmpty())
        o.app = o.theme;
    QString error = a.error;
    if (error.isEmpty() && o.app.isEmpty() && o.theme.isEmpty())
        error = QStringLiteral("a package is needed");
    if (error.isEmpty() && o.sheet && !o.description.isEmpty())
        error = QStringLiteral("--sheet and --description exclude each other");
    if (error.isEmpty() && !o.state.isEmpty() && !allStates.contains(o.state))
        error = QStringLiteral("--state is one of %1").arg(allStates.join(QLatin1String(", ")));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "velqt preview: %s\nsee velqt preview --help\n", qPrintable(error));
        return usageError;
    }
    const QString scale = a.values.value(QStringLiteral("--scale"));
    if (!scale.isEmpty())
        qputenv("QT_SCALE_FACTOR", scale.toLatin1());
    VelQtLib::Init();
    QApplication app(argc, argv);
    Preview preview(o);
    if (!preview.reload() && !o.watch)
        return 1;
    if (!o.screenshot.isEmpty() && !o.watch)
        return 0;
    return app.exec();
}

} // namespace Velqt
