#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <framework/VelQWindow_p.h>

#include <QAccessible>
#include <QScreen>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

// A shown window of 600 × 500 at (100, 100) of the screen.
std::unique_ptr<VelQWindow> window(bool resizable)
{
    auto w = std::make_unique<VelQWindow>();
    w->setWindowFlags(w->windowFlags() | Qt::FramelessWindowHint);
    w->setResizable(resizable);
    w->setGeometry(100, 100, 600, 500);
    w->show();
    return w;
}

void press(VelQWindow* w, QPoint local, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, local, button, button, w->geometry().topLeft() + local);
}

void moveTo(VelQWindow* w, QPoint global, Qt::MouseButtons buttons = Qt::LeftButton)
{
    sendMouse(
        w, QEvent::MouseMove, global - w->geometry().topLeft(), Qt::NoButton, buttons, global);
}

void release(VelQWindow* w, QPoint global)
{
    sendMouse(w, QEvent::MouseButtonRelease, global - w->geometry().topLeft(), Qt::LeftButton,
        Qt::NoButton, global);
}

} // namespace

class tst_Window : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
    }

    void captionDrag_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("draggable");
        QTest::addColumn<bool>("moves");
        QTest::newRow("inside caption") << QPoint(300, 39) << int(Qt::LeftButton) << true << true;
        QTest::newRow("below caption") << QPoint(300, 40) << int(Qt::LeftButton) << true << false;
        QTest::newRow("right button") << QPoint(300, 10) << int(Qt::RightButton) << true << false;
        QTest::newRow("not draggable") << QPoint(300, 10) << int(Qt::LeftButton) << false << false;
    }

    void captionDrag()
    {
        QFETCH(QPoint, at);
        QFETCH(int, button);
        QFETCH(bool, draggable);
        QFETCH(bool, moves);
        auto w = window(false);
        w->setDraggable(draggable);
        press(w.get(), at, Qt::MouseButton(button));
        const QPoint global = QPoint(100, 100) + at;
        moveTo(w.get(), global + QPoint(30, 20), Qt::MouseButtons(button));
        moveTo(w.get(), global + QPoint(50, 25), Qt::MouseButtons(button));
        release(w.get(), global + QPoint(50, 25));
        QCOMPARE(w->pos(), QPoint(100, 100) + (moves ? QPoint(50, 25) : QPoint()));
        QVERIFY(!w->impl()->dragging);
    }

    void edges_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("state"); // 0 resizable, 1 not resizable, 2 maximised
        const int fdiag = Qt::SizeFDiagCursor, bdiag = Qt::SizeBDiagCursor;
        const int hor = Qt::SizeHorCursor, ver = Qt::SizeVerCursor, arrow = Qt::ArrowCursor;
        QTest::newRow("top-left") << QPoint(2, 2) << 6 << fdiag << 0;
        QTest::newRow("left") << QPoint(2, 100) << 0 << hor << 0;
        QTest::newRow("bottom-right") << QPoint(597, 497) << 4 << fdiag << 0;
        QTest::newRow("top-right") << QPoint(597, 2) << 5 << bdiag << 0;
        QTest::newRow("bottom-left") << QPoint(2, 497) << 7 << bdiag << 0;
        QTest::newRow("right") << QPoint(597, 200) << 1 << hor << 0;
        QTest::newRow("top") << QPoint(300, 3) << 2 << ver << 0;
        QTest::newRow("bottom") << QPoint(300, 498) << 3 << ver << 0;
        QTest::newRow("inside") << QPoint(300, 300) << -1 << arrow << 0;
        QTest::newRow("margin boundary") << QPoint(4, 300) << -1 << arrow << 0;
        QTest::newRow("not resizable") << QPoint(597, 200) << -1 << arrow << 1;
        QTest::newRow("maximised") << QPoint(1, 200) << -1 << arrow << 2;
    }

    // The pointer over an edge shows its cursor, and a press there starts resizing by it.
    void edges()
    {
        QFETCH(QPoint, at);
        QFETCH(int, edge);
        QFETCH(int, shape);
        QFETCH(int, state);
        auto w = window(state != 1);
        if (state == 2) {
            w->showMaximized();
            QTRY_VERIFY(w->isMaximized());
        }
        QCOMPARE(w->testAttribute(Qt::WA_MouseTracking), state != 1);
        const QPoint origin = w->geometry().topLeft();
        moveTo(w.get(), origin + at, Qt::NoButton);
        QCOMPARE(int(w->cursor().shape()), shape);
        moveTo(w.get(), origin + QPoint(300, 300), Qt::NoButton);
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!w->impl()->cursorChanged);
        press(w.get(), at);
        QCOMPARE(w->impl()->resizeEdge, edge);
    }

    void resizeByEdges_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("right grows")
            << QPoint(598, 200) << QPoint(40, 0) << QRect(100, 100, 640, 500);
        QTest::newRow("bottom shrinks")
            << QPoint(300, 498) << QPoint(0, -60) << QRect(100, 100, 600, 440);
        QTest::newRow("left grows and moves")
            << QPoint(1, 200) << QPoint(-30, 0) << QRect(70, 100, 630, 500);
        QTest::newRow("top-left") << QPoint(1, 1) << QPoint(10, 20) << QRect(110, 120, 590, 480);
        QTest::newRow("left stops at minimum")
            << QPoint(1, 200) << QPoint(201, 0) << QRect(100, 100, 400, 500);
        QTest::newRow("right stops at minimum")
            << QPoint(598, 200) << QPoint(-300, 0) << QRect(100, 100, 400, 500);
        QTest::newRow("top stops at minimum")
            << QPoint(300, 1) << QPoint(0, 150) << QRect(100, 100, 600, 400);
    }

    void resizeByEdges()
    {
        QFETCH(QPoint, at);
        QFETCH(QPoint, delta);
        QFETCH(QRect, geometry);
        auto w = window(true);
        press(w.get(), at);
        moveTo(w.get(), QPoint(100, 100) + at + delta);
        release(w.get(), QPoint(100, 100) + at + delta);
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->impl()->resizeEdge, -1);
    }

    void minimumHoldsThenResumes()
    {
        auto w = window(true);
        press(w.get(), QPoint(1, 200));
        // 199 pixels to the right is still 401 wide; 2 more would be 399.
        moveTo(w.get(), QPoint(101 + 199, 300));
        QCOMPARE(w->geometry(), QRect(299, 100, 401, 500));
        moveTo(w.get(), QPoint(101 + 201, 300));
        QCOMPARE(w->geometry(), QRect(299, 100, 400, 500));
        // The last pointer position stayed at 300: moving back out regrows from there.
        moveTo(w.get(), QPoint(290, 300));
        QCOMPARE(w->geometry(), QRect(289, 100, 410, 500));
    }

    // A new window: not resizable, its own event loop, centred on request, children laid out
    // on every resize, its background painted only when asked, the loop ended by closing.
    void plainWindow()
    {
        auto w = std::make_unique<VelQWindow>();
        w->show();
        QVERIFY(!w->impl()->resizable);
        QCOMPARE(w->eventLoop()->parent(), w.get());
        QVERIFY(!controlOf(w.get()));
        w->resize(301, 200);
        w->centerOnScreen();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(w->pos(), QPoint((screen.width() - 301) / 2, (screen.height() - 200) / 2));

        VelQPushButton child(w.get());
        const int fill[4] = {10, 10, 10, 10};
        child.setFillLayout(fill);
        w->resize(300, 200);
        QCOMPARE(child.geometry(), QRect(10, 10, 280, 180));
        w->resize(500, 300);
        QCOMPARE(child.geometry(), QRect(10, 10, 480, 280));
        child.hide();

        ImageStyle frame;
        frame.color = QColor(10, 200, 30);
        w->setFrame(frame);
        QVERIFY(!near(render(w.get()).pixel(250, 150), frame.color));
        w->setPaintBackground(true);
        QCOMPARE_PIXEL(render(w.get()), 250, 150, frame.color);

        QTimer::singleShot(0, w.get(), [&] { w->close(); });
        QTimer::singleShot(5000, w->eventLoop(), [&] { w->eventLoop()->exit(7); });
        QCOMPARE(w->eventLoop()->exec(), 0);
    }

    void focusRingAfterTabNotAfterClick_data()
    {
        QTest::addColumn<QByteArray>("type");
        for (const char* type : {"qtbutton", "qtcheckbox", "qtradiobox", "qtslider", "qtcombobox",
                 "qtdedit", "qttext", "qtswitch"})
            QTest::newRow(type) << QByteArray(type);
    }

    // Without a theme the ring takes the palette's highlight: 2 pixels wide, 1 pixel outside.
    void focusRingAfterTabNotAfterClick()
    {
        QFETCH(QByteArray, type);
        VelQWindow w;
        w.setGeometry(100, 100, 300, 200);
        QPalette palette = w.palette();
        palette.setColor(QPalette::Highlight, Qt::magenta);
        w.setPalette(palette);
        auto* before = new QPushButton(&w);
        before->setGeometry(0, 0, 40, 20);
        QWidget* control = CreateControl(type.constData(), nullptr, &w);
        control->setGeometry(100, 80, 100, 40);
        control->show();
        giveFocus(&w, before);
        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(control->isAncestorOf(QApplication::focusWidget())
            || control == QApplication::focusWidget());
        const QImage tabbed = render(&w);
        for (const QRect& band : {QRect(97, 90, 2, 20), QRect(201, 90, 2, 20),
                 QRect(120, 77, 60, 2), QRect(120, 121, 60, 2)})
            QVERIFY2(countNear(tabbed, Qt::magenta, 10, band) == band.width() * band.height(),
                qPrintable(QStringLiteral("band at %1, %2").arg(band.x()).arg(band.y())));
        QVERIFY(!holds(tabbed, Qt::magenta, 10, QRect(96, 90, 1, 20)));

        QTest::mouseClick(before, Qt::LeftButton);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
        if (auto* box = qobject_cast<QComboBox*>(control))
            box->hidePopup();
        QVERIFY(!holds(render(&w), Qt::magenta, 10));
    }

    void paintedControlsAreAccessible_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("switch") << QByteArray("qtswitch") << int(QAccessible::CheckBox) << "On";
        QTest::newRow("extended label")
            << QByteArray("qtlabelex") << int(QAccessible::StaticText) << "Plain words";
        QTest::newRow("canvas") << QByteArray("canvas") << int(QAccessible::Canvas) << "Tip";
        QTest::newRow("picture") << QByteArray("qtpicture") << int(QAccessible::Graphic) << "Tip";
    }

    // Controls that paint everything themselves name themselves by what they show, else by
    // their tool tip; the switch is a check box that assistive tools can toggle.
    void paintedControlsAreAccessible()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, role);
        QFETCH(QString, name);
        VelQWindow w;
        QWidget* control = CreateControl(type.constData(), nullptr, &w);
        control->setToolTip(QStringLiteral("Tip"));
        if (auto* label = qobject_cast<VelQLabelEx*>(control))
            label->setPlainText(QStringLiteral("Plain words"));
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
        QVERIFY(node);
        QCOMPARE(int(node->role()), role);
        QCOMPARE(node->text(QAccessible::Name), name);
        const bool isSwitch = role == QAccessible::CheckBox;
        QCOMPARE(bool(node->state().checkable), isSwitch);
        if (!isSwitch)
            return;
        QVERIFY(node->state().checked);
        node->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_VERIFY(!node->state().checked);
        QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Off"));
        // From the keyboard too.
        giveFocus(&w, control);
        QTest::keyClick(control, Qt::Key_Space);
        QTRY_VERIFY(node->state().checked);
    }
};

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
