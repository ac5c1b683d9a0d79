// A window laid out by the description "main" of the program's own package.
#include <VelQtLib.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTimer>

using namespace VelQtLib;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({"screenshot", "Save the window to <file> and exit.", "file"});
    options.process(app);

    Init();
    const QString package = QCoreApplication::applicationDirPath() + "/description-window.data";
    if (!LoadAppPackage(package) || !LoadThemePackage(QFile::encodeName(package).constData()))
        qWarning("Cannot load %s", qPrintable(package));

    VelQWindow window;
    LoadWindow(&window, QStringLiteral("main"));

    // Controls are found by the "name" their description gives them.
    auto* progress = window.findChild<QProgressBar*>("progress");
    auto* slider = window.findChild<QSlider*>("volume");
    auto* reset = window.findChild<QPushButton*>("reset");
    auto* close = window.findChild<QPushButton*>("close");
    if (progress && slider && reset && close) {
        QObject::connect(slider, &QSlider::valueChanged, progress, &QProgressBar::setValue);
        QObject::connect(reset, &QPushButton::clicked, slider, [slider] { slider->setValue(0); });
        QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
        slider->setValue(65);
    }
    window.show();

    if (options.isSet("screenshot")) {
        QTimer::singleShot(0, &window, [&] {
            const bool saved = window.grab().save(options.value("screenshot"));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
