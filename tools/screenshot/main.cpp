// Starts the gallery like Vitrina does, saves a PNG of its window once it has painted, prints
// the file's path and exits.
//   vitrina-shot [window.png]       the window as it opens
//   vitrina-shot --pages <folder>   one PNG per page, 01-button.png to 11-list.png
// With --dark first, the gallery switches to its dark theme before it is shown.
#include "Startup.h"
#include "Vitrina.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

namespace {

// Waits for the first paint of a widget, then runs done once the event loop is idle again.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* widget, std::function<void()> done)
        : m_done(std::move(done))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_done) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(m_done, nullptr));
        }
        return false;
    }

private:
    std::function<void()> m_done;
};

bool save(QWidget* window, const QString& file)
{
    const bool saved = window->grab().save(file);
    std::printf("%s\n", qPrintable(saved ? file : QStringLiteral("could not write ") + file));
    return saved;
}

// Shows every page through its navigation button and saves it; false when one is missing.
bool savePages(Vitrina* window, const QDir& folder)
{
    if (!folder.exists() && !QDir().mkpath(folder.absolutePath()))
        return false;
    const QStringList names = Vitrina::pageNames();
    bool all = true;
    for (int i = 0; i < names.size(); ++i) {
        auto* button = window->findChild<QRadioButton*>(names.at(i));
        if (!button) {
            std::printf("no navigation button %s\n", qPrintable(names.at(i)));
            all = false;
            continue;
        }
        button->click();
        QCoreApplication::processEvents();
        const QString file = folder.absoluteFilePath(
            QStringLiteral("%1-%2.png").arg(i + 1, 2, 10, QLatin1Char('0')).arg(names.at(i)));
        all = save(window, file) && all;
    }
    return all;
}

} // namespace

int main(int argc, char* argv[])
{
    loadGalleryPackages();
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool dark = args.size() > 1 && args.at(1) == QLatin1String("--dark");
    if (dark)
        args.removeAt(1);
    const bool pages = args.size() > 2 && args.at(1) == QLatin1String("--pages");
    const QString output = QFileInfo(args.size() > 1 ? args.last() : QStringLiteral("vitrina.png"))
                               .absoluteFilePath();
    Vitrina window;
    if (dark && !window.setDarkTheme(true))
        return 1;
    FirstPaint waiter(&window, [&] {
        const bool saved = pages ? savePages(&window, QDir(output)) : save(&window, output);
        app.exit(saved ? 0 : 1);
    });
    window.show();
    return app.exec();
}
