// Starts the gallery like Vitrina does, saves a PNG of its window once it has painted, prints
// the file's path and exits.
#include "Startup.h"
#include "Vitrina.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
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

} // namespace

int main(int argc, char* argv[])
{
    loadGalleryPackages();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString output = QFileInfo(args.size() > 1 ? args.at(1) : QStringLiteral("vitrina.png"))
                               .absoluteFilePath();
    Vitrina window;
    FirstPaint waiter(&window, [&] {
        const bool saved = window.grab().save(output);
        std::printf(
            "%s\n", qPrintable(saved ? output : QStringLiteral("could not write ") + output));
        app.exit(saved ? 0 : 1);
    });
    window.show();
    return app.exec();
}
