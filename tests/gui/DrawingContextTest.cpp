// The drawing context over QPainter: alignment state, fonts in device units, object selection,
// lines and white-filled rectangles.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "GuiTestSupport.h"
#include "platform/qt/QtDrawingContext.h"

namespace {

struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int count = 0;
};

// Where the image is not white.
Ink InkOf(const QImage& image) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() > 200)
                continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
            ++ink.count;
        }
    }
    return ink;
}

class DrawingContextTest : public ::testing::Test {
  protected:
    DrawingContextTest() : image(400, 200, QImage::Format_RGB32) {
        image.fill(Qt::white);
        painter.begin(&image);
        dc = std::make_unique<qtbackend::QtDrawingContext>(painter);
        font = dc->CreateFont(Attributes(-40, 700, "Arial"));
        dc->SelectFont(font.get());
    }

    static platform::FontSpec Attributes(int height, int weight, const char* face) {
        platform::FontSpec attributes;
        attributes.height = height;
        attributes.weight = weight;
        attributes.faceName = face;
        return attributes;
    }

    // Draws on a white image (the painter begins again if an earlier drawing ended it).
    Ink Draw(platform::TextAlign align, int x, int y, const char* text) {
        image.fill(Qt::white);
        if (!painter.isActive())
            painter.begin(&image);
        dc->SetTextAlign(align);
        dc->TextOut(x, y, text);
        painter.end();
        return InkOf(image);
    }

    guitest::WithApplication application;
    QImage image;
    QPainter painter;
    std::unique_ptr<qtbackend::QtDrawingContext> dc;
    std::unique_ptr<platform::Font> font;
};

TEST_F(DrawingContextTest, TextIsPlacedByTheAlignmentWithItsTopAtThePoint) {
    const int width = dc->GetTextExtent("HHHH").width;
    struct Case {
        platform::TextAlign align;
        int expectedLeft;
    };
    for (const Case& c : {Case{platform::TextAlign::Left, 200}, Case{platform::TextAlign::Right, 200 - width},
                          Case{platform::TextAlign::Centre, 200 - width / 2}}) {
        const Ink ink = Draw(c.align, 200, 50, "HHHH");
        SCOPED_TRACE(static_cast<int>(c.align));
        EXPECT_NEAR(ink.left, c.expectedLeft, 5);
        EXPECT_NEAR(ink.right, c.expectedLeft + width, 6);
        // "H" reaches up to the cap height, a little below the top of the character cell.
        EXPECT_GE(ink.top, 50);
        EXPECT_LE(ink.top, 50 + 12);
    }
}

TEST_F(DrawingContextTest, AlignmentAndColourAreStateReturningThePrevious) {
    EXPECT_EQ(dc->GetTextAlign(), platform::TextAlign::Left);
    EXPECT_EQ(dc->SetTextAlign(platform::TextAlign::Right), platform::TextAlign::Left);
    EXPECT_EQ(dc->SetTextAlign(platform::TextAlign::Centre), platform::TextAlign::Right);
    EXPECT_EQ(dc->SetTextColor({20, 20, 255}), (platform::Rgb{0, 0, 0}));
    EXPECT_EQ(dc->SetTextColor({0, 0, 0}), (platform::Rgb{20, 20, 255}));
}

TEST_F(DrawingContextTest, FontsAreMadeInDeviceUnits) {
    EXPECT_EQ(dc->CurrentFont().pixelSize(), 40);  // negative height: the character height
    EXPECT_TRUE(dc->CurrentFont().bold());
    EXPECT_EQ(QFontInfo(dc->CurrentFont()).family(), QStringLiteral("Liberation Sans"));  // "Arial"
    const platform::TextMetrics metrics = dc->GetTextMetrics();
    EXPECT_NEAR(metrics.height, 45, 2);  // ascent + descent of the face: 1.117 em
    EXPECT_GE(metrics.externalLeading, 0);

    auto cell = dc->CreateFont(Attributes(45, 400, "Arial"));  // positive: the cell height
    dc->SelectFont(cell.get());
    EXPECT_NEAR(dc->GetTextMetrics().height, 45, 1);
    EXPECT_FALSE(dc->CurrentFont().bold());

    platform::FontSpec roman = Attributes(-20, 0, "");
    roman.pitchAndFamily = 16;
    roman.italic = 1;
    auto serif = dc->CreateFont(roman);
    dc->SelectFont(serif.get());
    EXPECT_EQ(QFontInfo(dc->CurrentFont()).family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(dc->CurrentFont().italic());
    dc->SelectFont(font.get());
}

TEST_F(DrawingContextTest, SelectionReturnsThePreviousObjectAndRefusesForeignOnes) {
    auto second = dc->CreateFont(Attributes(-10, 400, "Arial"));
    EXPECT_EQ(dc->SelectFont(second.get()), font.get());
    EXPECT_EQ(dc->SelectFont(font.get()), second.get());

    QImage other(10, 10, QImage::Format_RGB32);
    QPainter otherPainter(&other);
    qtbackend::QtDrawingContext foreign(otherPainter);
    auto foreignFont = foreign.CreateFont(Attributes(-30, 400, "Arial"));
    auto foreignPen = foreign.CreatePen({platform::PenStyle::Solid, 3, {}});
    EXPECT_EQ(dc->SelectFont(foreignFont.get()), nullptr);
    EXPECT_EQ(dc->SelectFont(nullptr), nullptr);
    EXPECT_EQ(dc->CurrentFont().pixelSize(), 40);  // unchanged
    EXPECT_EQ(dc->SelectPen(foreignPen.get()), nullptr);

    auto pen = dc->CreatePen({platform::PenStyle::Dash, 4, {250, 0, 0}});
    platform::Pen* stock = dc->SelectPen(pen.get());
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(dc->CurrentPen().width(), 4);
    EXPECT_EQ(dc->CurrentPen().style(), Qt::DashLine);
    EXPECT_EQ(dc->SelectPen(stock), pen.get());
    EXPECT_EQ(dc->CurrentPen().width(), 1);
}

TEST_F(DrawingContextTest, LinesUseTheSelectedPenAndRectanglesAreFilledWhite) {
    painter.fillRect(image.rect(), Qt::black);
    auto pen = dc->CreatePen({platform::PenStyle::Solid, 3, {250, 0, 0}});
    dc->SelectPen(pen.get());
    dc->Rectangle(10, 10, 110, 60);
    dc->MoveTo(200, 100);
    dc->LineTo(300, 100);
    auto none = dc->CreatePen({platform::PenStyle::Null, 1, {}});
    dc->SelectPen(none.get());
    dc->LineTo(300, 190);
    painter.end();

    EXPECT_EQ(image.pixelColor(60, 35), QColor(Qt::white));    // inside the rectangle
    EXPECT_EQ(image.pixelColor(10, 35).red(), 250);            // its outline
    EXPECT_EQ(image.pixelColor(150, 35), QColor(Qt::black));   // outside
    EXPECT_EQ(image.pixelColor(250, 100).red(), 250);          // the line
    EXPECT_EQ(image.pixelColor(300, 150), QColor(Qt::black));  // nothing with the null pen
}

// The engine draws the rule of a label-and-value line with length 0: no dot may show.
TEST_F(DrawingContextTest, ALineOfLengthZeroDrawsNothing) {
    image.fill(Qt::white);
    auto pen = dc->CreatePen({platform::PenStyle::Solid, 9, {0, 0, 0}});
    dc->SelectPen(pen.get());
    dc->MoveTo(50, 50);
    dc->LineTo(50, 50);
    dc->LineTo(50, 50);
    EXPECT_EQ(InkOf(image).count, 0);
    dc->LineTo(51, 50);  // one unit is a line
    painter.end();
    EXPECT_GT(InkOf(image).count, 0);
}

}  // namespace
