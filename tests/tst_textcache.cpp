// Texts drawn from a kept layout must land on exactly the pixels QPainter::drawText gives, while
// text, font, colour, box, alignment and device scale change from one paint to the next; marks
// drawn from a premultiplied copy on exactly those of their image.
#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQCheckBox_p.h>

#include <QPainter>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

// box drawn into an image reaching past it, at ratio, first by paint.
QImage painted(const QRect& box, qreal ratio, const std::function<void(QPainter*)>& paint)
{
    const QSize size(box.right() + 12, box.bottom() + 12);
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paint(&p);
    return image;
}

} // namespace

class tst_TextCache : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QImage ramp(14, 10, QImage::Format_ARGB32);
        for (int y = 0; y < ramp.height(); ++y)
            for (int x = 0; x < ramp.width(); ++x)
                ramp.setPixel(x, y, qRgba(40 + 15 * x, 200 - 20 * y, 90, 18 * x + 7 * y));
        QVERIFY(loadAppPackage(QStringLiteral("textcache.data"),
            {textStyle("label", QColor(31, 31, 36), 13)}, {{"images/ramp.png", png(ramp)}}));
    }

    // Rows share texts, so later rows draw what earlier ones kept, in another box, alignment,
    // colour, font or scale.
    void sameGlyphsAsDrawText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("hAlign");
        QTest::addColumn<int>("vAlign");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<qreal>("ratio");
        const QStringList texts = {QStringLiteral("Check me"), QStringLiteral("Option one"),
            QStringLiteral(" Padded  "), QString::fromUtf8("Ünïcödé façade — ça, naïve"),
            QString::fromUtf8("中文文本 and 日本語"), QString::fromUtf8("שלום and سلام mixed"),
            QStringLiteral("A label far too long to fit the narrow box it is given"),
            QString::fromUtf8("ﬁne ligatures ﬂow")};
        const QList<QRect> boxes = {
            QRect(3, 2, 141, 25), QRect(0, 0, 60, 24), QRect(5, 4, 300, 9), QRect(-7, 1, 90, 31)};
        const QList<QPair<int, int>> aligns = {{0, 1}, {1, 1}, {2, 1}, {0, 0}, {1, 2}, {2, 0}};
        int n = 0;
        for (const QString& text : texts) {
            for (const QRect& box : boxes) {
                for (const auto& [h, v] : aligns) {
                    const qreal ratio = n % 3 == 0 ? 2.0 : n % 7 == 0 ? 1.5 : 1.0;
                    QTest::addRow("%d %s", n, qPrintable(text))
                        << text << (n % 4 == 0 ? 16 : 13) << (n % 5 == 0) << h << v << box << ratio;
                    ++n;
                }
            }
        }
        // Near the limit, where the painter keeps a text whole without shortening it. It shortens
        // to two pixels less than its box.
        TextStyle style;
        style.family = QStringLiteral("DejaVu Sans");
        style.size = 13;
        const QFontMetrics metrics(fontOf(style));
        for (const char* text : {"Short", "item 0512345", "WWWWWWWWWW", "iiiiiiiiiiiiiiii",
                 "Tab\there", "Ünïcödé ä", "中文文本", "ﬁve ligatures ﬂ"})
            for (const int slack : {-1, 0, 1, 40, 200})
                QTest::addRow("%s %d", text, slack)
                    << QString::fromUtf8(text) << 13 << false << 0 << 1
                    << QRect(0, 0, metrics.horizontalAdvance(text) + slack + 2, 24) << 1.0;
    }

    void sameGlyphsAsDrawText()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QFETCH(bool, bold);
        QFETCH(int, hAlign);
        QFETCH(int, vAlign);
        QFETCH(QRect, box);
        QFETCH(qreal, ratio);
        TextStyle style;
        style.family = QStringLiteral("DejaVu Sans");
        style.size = size;
        style.bold = bold;
        style.hAlign = hAlign;
        style.vAlign = vAlign;
        style.color = QColor::fromHsv(int(qHash(text) % 360), 200, 120);
        const QImage expected = painted(box, ratio, [&](QPainter* p) {
            const QFont font = fontOf(style);
            p->setRenderHint(QPainter::TextAntialiasing, true);
            p->setPen(style.color);
            p->setFont(font);
            const QString shown
                = QFontMetrics(font).elidedText(text, Qt::ElideRight, box.width() - 2);
            p->drawText(QRectF(box), shown, QTextOption(alignmentOf(style)));
        });
        // Twice: laid out at the first paint, drawn from what was kept at the second.
        for (int pass = 0; pass < 2; ++pass) {
            const QImage drawn = painted(box, ratio, [&](QPainter* p) {
                VelQControlBaseImpl::drawStyledText(p, text, style, box, true);
            });
            QCOMPARE(drawn, expected);
        }
    }

    // Marks are blended from a premultiplied copy of their image; over any background, at any
    // scale, the pixels must be those of the image itself.
    void marksBlendAsTheirImage_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<qreal>("ratio");
        for (const QColor& background :
            {QColor(Qt::transparent), QColor(Qt::white), QColor(60, 120, 180, 128)}) {
            for (const qreal ratio : {1.0, 2.0})
                QTest::addRow("%s x%g", qPrintable(background.name(QColor::HexArgb)), ratio)
                    << background << ratio;
        }
    }

    void marksBlendAsTheirImage()
    {
        QFETCH(QColor, background);
        QFETCH(qreal, ratio);
        const QString path = QStringLiteral("images/ramp.png");
        const QImage* image = CThemeManager::instance().getImage(path, false, ratio);
        QVERIFY(image && image->format() == QImage::Format_ARGB32);
        const QRect box(0, 0, 40, 30);
        const QImage expected = painted(box, ratio, [&](QPainter* p) {
            p->fillRect(box, background);
            p->setRenderHint(QPainter::SmoothPixmapTransform, ratio > 1);
            p->drawImage(QPoint(13 + 3, 10 + 2), *image);
        });
        for (int pass = 0; pass < 2; ++pass) {
            const QImage drawn = painted(box, ratio, [&](QPainter* p) {
                p->fillRect(box, background);
                VelQControlBaseImpl::drawAlignedImage(p, path, {3, 2, 1, 1}, box, false);
            });
            QCOMPARE(drawn, expected);
        }
    }

    // A widget's own font adds to the text style's: the same text in a letter-spaced font must
    // not be drawn from the layout of the plain one.
    void followsWidgetFont()
    {
        QWidget host;
        const QByteArray element = R"({"style": [["label", 0, 8], ["label", 0, 9]],
            "attr": {"text": "Spaced out"}})";
        auto plain = built<VelQCheckBox>(&host, element);
        auto spaced = built<VelQCheckBox>(&host, element);
        QFont font = spaced->font();
        font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        spaced->setFont(font);
        for (QWidget* w : {static_cast<QWidget*>(plain.get()), static_cast<QWidget*>(spaced.get())})
            w->setGeometry(0, 0, 160, 24);
        const QImage plainImage = paintedAlone(plain.get());
        const QImage spacedImage = paintedAlone(spaced.get());
        QVERIFY(plainImage != spacedImage);
        QVERIFY(columnsOf(spacedImage, QColor(31, 31, 36)).second
            > columnsOf(plainImage, QColor(31, 31, 36)).second + 20);
    }
};

QTEST_MAIN(tst_TextCache)
#include "tst_textcache.moc"
