// The twips drawing surface: where each kind of drawing lands, that Invert
// drawn twice restores the picture exactly, and that a picture drawn before
// the widget is first shown is what it shows.
#include "PictureBox.h"
#include "QtTestEnvironment.h"

#include <QFrame>

namespace {

// A 60 x 40 pixel inner area: 900 x 600 twips.
std::unique_ptr<PictureBox> makePicture()
{
    auto picture = std::make_unique<PictureBox>();
    picture->resize(60 + 2 * picture->frameWidth(), 40 + 2 * picture->frameWidth());
    picture->clear();
    return picture;
}

int blackPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == QColor(Qt::black);
    return count;
}

}  // namespace

class TestPictureBox : public QObject {
    Q_OBJECT
private slots:
    void drawsInTwips();
    void invertTwiceRestores();
    void drawingBeforeShowingIsKept();
};

void TestPictureBox::drawsInTwips()
{
    const auto picture = makePicture();
    QCOMPARE(picture->scaleWidth(), 900);
    QCOMPARE(picture->scaleHeight(), 600);

    picture->point(150, 300);
    QCOMPARE(picture->image().pixelColor(10, 20), QColor(Qt::black));
    QCOMPARE(blackPixels(picture->image()), 1);

    picture->clear();
    picture->line(0, 75, 300, 75, Qt::red);  // pixels 0..20 of row 5
    QCOMPARE(picture->image().pixelColor(0, 5), QColor(Qt::red));
    QCOMPARE(picture->image().pixelColor(20, 5), QColor(Qt::red));
    QCOMPARE(picture->image().pixelColor(21, 5), QColor(Qt::white));

    picture->clear();
    picture->box(150, 150, 450, 300, Qt::black);  // pixels 10..30 x 10..20
    QCOMPARE(picture->image().pixelColor(10, 10), QColor(Qt::black));
    QCOMPARE(picture->image().pixelColor(30, 20), QColor(Qt::black));
    QCOMPARE(picture->image().pixelColor(20, 15), QColor(Qt::white));
    QCOMPARE(blackPixels(picture->image()), 2 * 21 + 2 * 9);

    picture->clear();
    picture->filledBox(450, 300, 150, 150, Qt::black);  // corners in any order
    QCOMPARE(blackPixels(picture->image()), 21 * 11);

    picture->clear();
    picture->text(0, 0, QStringLiteral("Env"));
    QVERIFY(blackPixels(picture->image()) > 0);
}

void TestPictureBox::invertTwiceRestores()
{
    const auto picture = makePicture();
    picture->setBackColor(QColor(0x80, 0x40, 0xC0));
    picture->clear();
    picture->filledBox(0, 0, 450, 600, QColor(0x12, 0x34, 0x56));
    picture->line(0, 0, 900, 600, Qt::green);
    picture->text(75, 75, QStringLiteral("M01"));
    const QImage before = picture->image().copy();

    const auto drawAll = [&] {
        picture->line(30, 0, 870, 590);
        picture->line(300, 0, 300, 600);
        picture->box(60, 60, 600, 450, Qt::red);
        picture->filledBox(400, 100, 800, 300, Qt::blue);
        picture->point(15, 15);
        picture->text(150, 300, QStringLiteral("0:00:04:00"));
    };
    picture->setDrawMode(PictureBox::DrawMode::Invert);
    picture->point(150, 300);
    QCOMPARE(picture->image().pixelColor(10, 20), QColor(0xFF - 0x12, 0xFF - 0x34, 0xFF - 0x56));
    picture->point(150, 300);
    drawAll();
    QVERIFY(picture->image() != before);
    drawAll();
    QCOMPARE(picture->image(), before);
}

void TestPictureBox::drawingBeforeShowingIsKept()
{
    QFrame window;
    window.resize(200, 100);
    auto* picture = new PictureBox(&window);
    picture->setGeometry(10, 10, 64, 44);
    picture->line(0, 0, 900, 0, Qt::black);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QImage shown = picture->grab().toImage();
    const int frame = picture->frameWidth();
    QCOMPARE(picture->image().size(), QSize(64 - 2 * frame, 44 - 2 * frame));
    QCOMPARE(shown.pixelColor(frame + 30, frame), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(frame + 30, frame + 1), QColor(Qt::white));
}

SONVELLE_QTEST_MAIN(TestPictureBox)
#include "test_picture_box.moc"
