// Soak test of the gallery: switches its pages through the navigation buttons, drives hover and
// press over every control of the page shown, and compares the whole process's resident memory
// after the first 100 switches with the memory after the last one.
//   vitrina-soak [switches]   (default 10000; run beside the gallery's two packages)
// Exits with 1 when the memory grew by more than 5 % or a navigation button is missing.
#include "Startup.h"
#include "Vitrina.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>

#include <cstdio>

namespace {

// The navigation buttons of the description "main", one per page.
const char* const navigation[] = {"button", "check", "radio", "combo", "edit", "progress", "slider",
    "menubar", "tableview", "tree", "list"};

// The whole process's resident size in KiB, as the kernel counts it.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

void click(QWidget* w)
{
    const QPoint centre = w->rect().center();
    sendMouse(w, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, centre, Qt::LeftButton);
}

// Hover, press and release over one control, as the mouse would, then close what it opened.
void drive(QWidget* w)
{
    const QPoint centre = w->rect().center();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(w, &enter);
    sendMouse(w, QEvent::MouseMove, centre, Qt::NoButton);
    sendMouse(w, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, centre, Qt::LeftButton);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w, &leave);
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close())
            break;
    }
}

// Every visible control under the window's page container, the container excluded.
QList<QPointer<QWidget>> pageControls(QWidget* window)
{
    QList<QPointer<QWidget>> controls;
    auto* container = window->findChild<QWidget*>(QStringLiteral("container"));
    if (!container)
        return controls;
    for (QWidget* w : container->findChildren<QWidget*>()) {
        if (w->isVisible())
            controls.append(w);
    }
    return controls;
}

// The offscreen platform says for every pop-up that it cannot raise it or grab the keyboard;
// thousands of those lines would bury the figures.
QtMessageHandler previousHandler = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        previousHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    previousHandler = qInstallMessageHandler(quietPlatform);
    loadGalleryPackages();
    QApplication app(argc, argv);
    const int switches = argc > 1 ? qMax(101, atoi(argv[1])) : 10000;

    Vitrina window;
    window.show();
    QCoreApplication::processEvents();
    QList<QRadioButton*> buttons;
    for (const char* name : navigation) {
        auto* button = window.findChild<QRadioButton*>(QLatin1String(name));
        if (!button) {
            std::printf("no navigation button %s\n", name);
            return 1;
        }
        buttons.append(button);
    }

    QElapsedTimer timer;
    timer.start();
    long early = 0;
    long controlsDriven = 0;
    // Each switch goes to the next page, so every page is shown and driven in turn.
    for (int i = 1; i <= switches; ++i) {
        click(buttons.at(i % buttons.size()));
        for (const QPointer<QWidget>& w : pageControls(&window)) {
            if (w) {
                drive(w);
                ++controlsDriven;
            }
        }
        window.repaint();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (i == 100) {
            early = residentKiB();
            std::printf("after 100 switches: VmRSS %ld KiB\n", early);
        }
        if (i % 1000 == 0) {
            std::printf("after %d switches: VmRSS %ld KiB, %lld s\n", i, residentKiB(),
                timer.elapsed() / 1000);
            std::fflush(stdout);
        }
    }
    const long late = residentKiB();
    const double growth = early > 0 ? 100.0 * double(late - early) / double(early) : 0.0;
    std::printf("after %d switches: VmRSS %ld KiB (%+.2f %% against 100 switches), "
                "%ld controls driven, %.1f s\n",
        switches, late, growth, controlsDriven, double(timer.elapsed()) / 1000.0);
    return growth <= 5.0 ? 0 : 1;
}
