// What the painters keep between paints must never show stale pixels: a theme reload, a new
// size, another state, a theme element or a new text all show at the next paint.
#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQPushButton_p.h>

#include <QPainter>
#include <QtTest>

using namespace VelQtLib;
using TestSupport::parsed;

namespace {

const QColor edgeMagenta(255, 0, 255), centreGreen(0, 200, 0), reloadedBlue(0, 0, 255),
    disabledGray(90, 90, 90), themedCyan(0, 255, 255);

// A 12 x 12 nine-slice source: a 4-pixel edge around a centre of another colour.
QImage framed(QColor edge, QColor centre)
{
    QImage image(12, 12, QImage::Format_ARGB32);
    image.fill(edge);
    QPainter(&image).fillRect(4, 4, 4, 4, centre);
    return image;
}

QByteArray record(const char* name, const char* image)
{
    return QByteArray(R"({"type": 1, "name": ")") + name + R"(", "img": ")" + image
        + R"(", "margin": [4, 4, 4, 4]})";
}

QString themeArchive(const QString& name, QColor edge, QColor centre)
{
    return TestSupport::writeArchive(TestSupport::scratchPath(name),
        {{"style.json", "{\"style\": [" + record("cyan", "images/cyan.png") + "]}"},
            {"theme.json", R"({"elements": [{"child": [
                {"name": "cyanButton", "style": [["cyan", 0, 0]]}]}]})"},
            {"images/themed.png", TestSupport::png(framed(edge, centre))},
            {"images/cyan.png", TestSupport::png(framed(edgeMagenta, themedCyan))}});
}

std::unique_ptr<VelQPushButton> skinned(QWidget* parent, const QByteArray& element)
{
    auto button = std::make_unique<VelQPushButton>(parent);
    const ::Json::Value json = parsed(element);
    button->loadAttributes(&json);
    button->applyLayout();
    return button;
}

const QByteArray framedButton = R"({"w": 40, "h": 20, "style": [["face", 0, 0],
    ["disabled", 0, 3]], "attr": {"showText": false}})";

} // namespace

class tst_PaintCache : public QObject {
    Q_OBJECT

    QWidget host;
    QString appPath;

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        Init();
        const QByteArray style = "{\"style\": [" + record("face", "images/face.png") + ","
            + record("disabled", "images/disabled.png") + ","
            + record("themed", "images/themed.png") + ","
            + R"({"type": 2, "name": "text", "family": "DejaVu Sans", "size": 13,
                  "clr": "000000"}]})";
        appPath = TestSupport::writeArchive(TestSupport::scratchPath(QStringLiteral("app.data")),
            {{"style.json", style},
                {"images/face.png", TestSupport::png(framed(edgeMagenta, centreGreen))},
                {"images/disabled.png", TestSupport::png(framed(edgeMagenta, disabledGray))}});
        QVERIFY(LoadAppPackage(appPath));
        host.resize(400, 200);
    }

    void nineSliceFollowsThemeReload()
    {
        QVERIFY(LoadThemePackage(
            themeArchive(QStringLiteral("first.data"), edgeMagenta, centreGreen).toUtf8()));
        auto button = skinned(&host, R"({"w": 40, "h": 20, "style": [["themed", 0, 0]],
            "attr": {"showText": false}})");
        QCOMPARE_PIXEL(TestSupport::render(button.get()), 20, 10, centreGreen);
        QVERIFY(LoadThemePackage(
            themeArchive(QStringLiteral("second.data"), edgeMagenta, reloadedBlue).toUtf8()));
        button->update();
        QCOMPARE_PIXEL(TestSupport::render(button.get()), 20, 10, reloadedBlue);
    }

    void nineSliceFollowsSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wider") << QSize(80, 20);
        QTest::newRow("taller") << QSize(40, 36);
        QTest::newRow("smaller") << QSize(24, 12);
    }

    void nineSliceFollowsSize()
    {
        QFETCH(QSize, size);
        auto button = skinned(&host, framedButton);
        const QImage before = TestSupport::render(button.get());
        QCOMPARE_PIXEL(before, 39, 10, edgeMagenta);
        QCOMPARE_PIXEL(before, 20, 10, centreGreen);
        button->setFixedSize(size);
        const QImage after = TestSupport::render(button.get());
        QCOMPARE(after.size(), size);
        const int w = size.width();
        const int h = size.height();
        QCOMPARE_PIXEL(after, w - 1, h / 2, edgeMagenta);
        QCOMPARE_PIXEL(after, w - 5, h / 2, centreGreen);
        QCOMPARE_PIXEL(after, w / 2, h - 1, edgeMagenta);
        QCOMPARE_PIXEL(after, w / 2, h - 5, centreGreen);
        QCOMPARE_PIXEL(after, 4, 4, centreGreen);
    }

    void nineSliceFollowsState()
    {
        auto button = skinned(&host, framedButton);
        QCOMPARE_PIXEL(TestSupport::render(button.get()), 20, 10, centreGreen);
        button->setEnabled(false);
        QCOMPARE_PIXEL(TestSupport::render(button.get()), 20, 10, disabledGray);
        button->setEnabled(true);
        QCOMPARE_PIXEL(TestSupport::render(button.get()), 20, 10, centreGreen);
    }

    void nineSliceFollowsThemeElement()
    {
        QVERIFY(LoadThemePackage(
            themeArchive(QStringLiteral("elements.data"), edgeMagenta, centreGreen).toUtf8()));
        auto button = skinned(&host, framedButton);
        QCOMPARE_PIXEL(TestSupport::render(button.get()), 20, 10, centreGreen);
        button->controlBase()->setThemeName(QStringLiteral("cyanButton"));
        QCOMPARE_PIXEL(TestSupport::render(button.get()), 20, 10, themedCyan);
    }

    // A button whose caches were filled by its first look paints its second look exactly as
    // a button that never had the first.
    void textFollowsChanges_data()
    {
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<int>("firstWidth");
        QTest::addColumn<QString>("secondText");
        QTest::addColumn<int>("secondWidth");
        const QString longText = QStringLiteral("A label far too long for its button");
        QTest::newRow("new text") << longText << 90 << QStringLiteral("Short") << 90;
        QTest::newRow("other long text")
            << longText << 90 << QStringLiteral("Another label too long to fit") << 90;
        QTest::newRow("wider") << longText << 90 << longText << 160;
        QTest::newRow("narrower") << longText << 160 << longText << 60;
    }

    void textFollowsChanges()
    {
        QFETCH(QString, firstText);
        QFETCH(int, firstWidth);
        QFETCH(QString, secondText);
        QFETCH(int, secondWidth);
        const QByteArray element = R"({"w": 60, "h": 24, "style": [["text", 0, 4]]})";
        auto changed = skinned(&host, element);
        changed->setText(firstText);
        changed->setFixedWidth(firstWidth);
        const QImage first = TestSupport::render(changed.get());
        changed->setText(secondText);
        changed->setFixedWidth(secondWidth);
        const QImage second = TestSupport::render(changed.get());

        // Loading a package empties the caches, so the expected look is painted from nothing.
        QVERIFY(LoadAppPackage(appPath));
        auto fresh = skinned(&host, element);
        fresh->setText(secondText);
        fresh->setFixedWidth(secondWidth);
        const QImage expected = TestSupport::render(fresh.get());
        QVERIFY(second != first.copy(QRect(QPoint(), second.size())));
        QCOMPARE(second, expected);
    }

    // Texts that fit are kept whole without being laid out; the result must be exactly what
    // shortening them with QFontMetrics gives, near the limit and beyond plain Latin-1 too.
    void shortenedLikeQt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slack");
        TextStyle style;
        style.family = QStringLiteral("DejaVu Sans");
        style.size = 13;
        const QStringList texts = {QStringLiteral("Short"), QStringLiteral("item 0512345"),
            QStringLiteral("WWWWWWWWWW"), QStringLiteral("iiiiiiiiiiiiiiii"),
            QStringLiteral("Tab\there"), QString::fromUtf8("Ünïcödé ä"),
            QString::fromUtf8("中文文本"), QString::fromUtf8("ﬁve ligatures ﬂ")};
        for (const QString& text : texts)
            for (const int slack : {-1, 0, 1, 40, 200})
                QTest::addRow("%s %+d", qPrintable(text), slack) << text << slack;
    }

    void shortenedLikeQt()
    {
        QFETCH(QString, text);
        QFETCH(int, slack);
        TextStyle style;
        style.family = QStringLiteral("DejaVu Sans");
        style.size = 13;
        style.color = Qt::black;
        const QFont font = fontOf(style);
        // The painter shortens to two pixels less than its box.
        const int width = QFontMetrics(font).horizontalAdvance(text) + slack + 2;
        const QRect box(0, 0, width, 24);
        QImage drawn(width, 24, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        {
            QPainter p(&drawn);
            VelQControlBaseImpl::drawStyledText(&p, text, style, box, true);
        }
        QImage expected(width, 24, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        {
            QPainter p(&expected);
            p.setBrush(style.color);
            p.setRenderHint(QPainter::TextAntialiasing, true);
            p.setPen(style.color);
            p.setFont(font);
            p.drawText(QRectF(box), QFontMetrics(font).elidedText(text, Qt::ElideRight, width - 2),
                QTextOption(alignmentOf(style)));
        }
        QCOMPARE(drawn, expected);
    }
};

QTEST_MAIN(tst_PaintCache)
#include "tst_paintcache.moc"
