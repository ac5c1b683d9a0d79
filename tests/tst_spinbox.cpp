#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor backdrop(255, 0, 255);

} // namespace

class tst_SpinBox : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        host.resize(200, 100);
        host.setAutoFillBackground(true);
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, backdrop);
        host.setPalette(palette);
    }

    void onlyTheValueShows()
    {
        const ::Json::Value root = parsed(
            R"({"elements": [{"type": "spinbox", "name": "spin", "x": 10, "y": 10, "w": 120, "h": 30}]})");
        LoadElements(&root, &host);
        auto* spin = host.findChild<VelQSpinBox*>(QStringLiteral("spin"));
        QVERIFY(spin);
        spin->setValue(88);
        const QImage image = render(&host);
        // No frame and no arrow buttons: the backdrop shows everywhere but under the digits.
        const int other = 120 * 30 - countNear(image, backdrop, 10, QRect(10, 10, 120, 30));
        QVERIFY2(other > 10 && other < 300, QByteArray::number(other));
        for (int y = 10; y < 40; ++y) {
            QCOMPARE_PIXEL(image, 10, y, backdrop);
            QCOMPARE_PIXEL(image, 129, y, backdrop);
            QCOMPARE_PIXEL(image, 110, y, backdrop);
        }
        delete spin;
    }

    void keepsQtBehaviour()
    {
        auto* spin = new VelQSpinBox(&host);
        spin->setGeometry(10, 10, 120, 30);
        giveFocus(&host, spin);
        QTest::keyClick(spin, Qt::Key_Up);
        QCOMPARE(spin->value(), 1);
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QStringLiteral("42"));
        QCOMPARE(spin->value(), 42);
        QWheelEvent wheel(QPointF(50, 15), QPointF(spin->mapToGlobal(QPoint(50, 15))), QPoint(),
            QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(spin, &wheel);
        QCOMPARE(spin->value(), 43);
        // The skin's state takes no part in the mouse.
        sendEnter(spin);
        sendMouse(spin, QEvent::MouseButtonPress, QPoint(50, 15), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(spin->impl()->state, int(Normal));
        sendMouse(spin, QEvent::MouseButtonRelease, QPoint(50, 15), Qt::LeftButton);
        host.hide();
        delete spin;
    }
};

QTEST_MAIN(tst_SpinBox)
#include "tst_spinbox.moc"
