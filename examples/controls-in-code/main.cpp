// Skinned controls made in code: each names its theme element, and Qt's signals work as usual.
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
    const QString theme = QCoreApplication::applicationDirPath() + "/controls-in-code.data";
    if (!LoadThemePackage(QFile::encodeName(theme).constData()))
        qWarning("Cannot load %s", qPrintable(theme));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Notifications"));
    window.setFixedSize(320, 190);

    auto* title = new VelQLabel(&window);
    title->setThemeName(QStringLiteral("title"));
    title->setText(QStringLiteral("Notifications"));
    title->setGeometry(20, 14, 280, 30);

    auto* sound = new VelQCheckBox(&window);
    sound->setThemeName(QStringLiteral("tile"));
    sound->setText(QStringLiteral("Sound"));
    sound->setGeometry(20, 56, 134, 36);
    sound->setChecked(true);

    auto* banners = new VelQCheckBox(&window);
    banners->setThemeName(QStringLiteral("tile"));
    banners->setText(QStringLiteral("Banners"));
    banners->setGeometry(166, 56, 134, 36);

    auto* status = new VelQLabel(&window);
    status->setThemeName(QStringLiteral("status"));
    status->setGeometry(20, 102, 280, 24);

    auto* apply = new VelQPushButton(&window);
    apply->setThemeName(QStringLiteral("qtbutton"));
    apply->setText(QStringLiteral("Apply"));
    apply->setGeometry(204, 140, 96, 32);

    const auto describe = [=] {
        status->setText(
            QStringLiteral("Sound %1, banners %2")
                .arg(sound->isChecked() ? "on" : "off", banners->isChecked() ? "on" : "off"));
    };
    QObject::connect(sound, &QCheckBox::toggled, status, describe);
    QObject::connect(banners, &QCheckBox::toggled, status, describe);
    QObject::connect(apply, &QPushButton::clicked, status,
        [status] { status->setText(QStringLiteral("Saved")); });
    describe();
    window.show();

    if (options.isSet("screenshot")) {
        QTimer::singleShot(0, &window, [&] {
            const bool saved = window.grab().save(options.value("screenshot"));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
