// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/page_render.h"

#include "tests/support/temp_folder.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QString>
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

constexpr double kDpi = 100; // one inch is 100 pixels

// Dark pixels (every channel below 128) inside a pixel rectangle [x0, x1) × [y0, y1).
int DarkPixels(const QImage& image, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 128 && c.green() < 128 && c.blue() < 128) ++count;
        }
    return count;
}

PageText Text(float x, float y, TextAlign align, const char* text, int style = 17) {
    return PageText{x, y, align, text, PageFont{"Arial", 12, style}};
}

TEST(PageRender, FillsRectanglesAndLaterDrawingCoversEarlier) {
    PageRecord page;
    page.operations.emplace_back(PageRect{1, 1, 3, 2, 1, kPageRed, kPageBlack});
    page.operations.emplace_back(PageRect{2, 1.5f, 2.5f, 3, -1, kPageBlue, kPageWhite});
    const QImage image = RenderPageImage(page, kDpi);

    EXPECT_EQ(image.width(), 850);
    EXPECT_EQ(image.height(), 1100);
    EXPECT_EQ(image.pixelColor(150, 150), QColor(255, 0, 0));   // red fill (0x0000FF is red)
    EXPECT_EQ(image.pixelColor(225, 175), QColor(0, 0, 255));   // the later blue one on top
    EXPECT_EQ(image.pixelColor(225, 250), QColor(0, 0, 255));   // and beyond the red one
    EXPECT_EQ(image.pixelColor(50, 50), QColor(255, 255, 255)); // paper
    EXPECT_GT(DarkPixels(image, 98, 120, 102, 180), 60) << "the red one's black outline";
    EXPECT_EQ(DarkPixels(image, 110, 110, 290, 190), 0) << "no outline inside";
}

TEST(PageRender, NegativeWidthDrawsNoOutlineAndZeroWidthAHairline) {
    PageRecord page;
    page.operations.emplace_back(PageRect{1, 1, 5, 5, 0, kPageRed, kPageRed});
    page.operations.emplace_back(PageRect{2, 2, 3, 3, -1, kPageWhite, kPageBlack});
    page.operations.emplace_back(PageLine{1, 4.5f, 5, 4.5f, 0, kPageBlack});
    page.operations.emplace_back(PageLine{1, 4.8f, 5, 4.8f, -1, kPageBlack});
    const QImage image = RenderPageImage(page, kDpi);

    EXPECT_EQ(DarkPixels(image, 195, 195, 305, 305), 0) << "no outline around the white box";
    EXPECT_GT(DarkPixels(image, 150, 448, 450, 452), 250) << "the hairline";
    const QColor belowHairline = image.pixelColor(300, 480);
    EXPECT_EQ(belowHairline, QColor(255, 0, 0)) << "a negative width draws no line";
}

TEST(PageRender, PlacesTextByItsBaselineAndAlignment) {
    struct Case {
        TextAlign align;
        int inkLeft, inkRight; // the pixel columns the ink must lie within
    };
    const Case cases[] = {
        {TextAlign::Left, 300, 500},
        {TextAlign::Centre, 200, 400},
        {TextAlign::Right, 100, 300},
    };
    for (const Case& c : cases) {
        PageRecord page;
        page.operations.emplace_back(Text(3, 2, c.align, "HEADLINE"));
        const QImage image = RenderPageImage(page, kDpi);
        const int total = DarkPixels(image, 0, 0, 850, 1100);
        SCOPED_TRACE(static_cast<int>(c.align));
        EXPECT_GT(total, 100) << "text was drawn";
        EXPECT_EQ(DarkPixels(image, c.inkLeft, 180, c.inkRight, 201), total) << "ink beside x, above y";
        // Capitals stand on the baseline: 12 pt is 1/6 inch, the capitals about 0.12 inch tall.
        EXPECT_EQ(DarkPixels(image, 0, 0, 850, 186), 0);
        EXPECT_GT(DarkPixels(image, 0, 196, 850, 200), 0);
    }
    PageRecord centred;
    centred.operations.emplace_back(Text(3, 2, TextAlign::Centre, "HEADLINE"));
    const QImage image = RenderPageImage(centred, kDpi);
    const int left = DarkPixels(image, 0, 150, 300, 210);
    const int right = DarkPixels(image, 300, 150, 850, 210);
    EXPECT_NEAR(left, right, (left + right) / 5) << "centred about x";
}

TEST(PageRender, StyleSeventeenIsBoldAndSixteenRegular) {
    PageRecord bold, regular;
    bold.operations.emplace_back(Text(1, 2, TextAlign::Left, "Presented: 01-02-2019", 17));
    regular.operations.emplace_back(Text(1, 2, TextAlign::Left, "Presented: 01-02-2019", 16));
    const int boldInk = DarkPixels(RenderPageImage(bold, kDpi), 0, 0, 850, 1100);
    const int regularInk = DarkPixels(RenderPageImage(regular, kDpi), 0, 0, 850, 1100);
    EXPECT_GT(boldInk, regularInk * 5 / 4);
}

TEST(PageRender, ScalesWithTheResolution) {
    PageRecord page;
    page.operations.emplace_back(PageRect{1, 1, 2, 2, -1, kPageBlue, kPageBlue});
    const QImage image = RenderPageImage(page, 150);
    EXPECT_EQ(image.width(), 1275);
    EXPECT_EQ(image.pixelColor(160, 160), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(290, 290), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(310, 310), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(140, 140), QColor(255, 255, 255));
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The PDF's page box is 612 × 792 points.
bool IsLetterPortrait(const std::string& pdf) {
    static const std::regex kLetterBox(R"(/MediaBox \[0 0 612(\.0+)? 792(\.0+)?\])");
    return std::regex_search(pdf, kLetterBox);
}

PageRecord SmallPage() {
    PageRecord page;
    page.title = "Quillmark";
    page.operations.emplace_back(PageRect{0.5f, 0.9f, 8, 7, 2, kPageWhite, kPageBlack});
    page.operations.emplace_back(Text(4.25f, 0.5f, TextAlign::Centre, "Yearly Proposal for Acme \x80"));
    return page;
}

TEST(PageRender, WritesALetterSizedPdf) {
    TempFolder folder;
    const std::string path = folder.file("proposal.pdf");
    ASSERT_TRUE(WriteProposalPdf(SmallPage(), QString::fromStdString(path)));
    const std::string bytes = FileBytes(path);
    ASSERT_GT(bytes.size(), 500u);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_TRUE(IsLetterPortrait(bytes)) << "8.5 × 11 inches, portrait";
    EXPECT_NE(bytes.find("%%EOF"), std::string::npos);
}

TEST(PageRender, ReportsAPdfThatCannotBeWritten) {
    TempFolder folder;
    const std::string path = folder.file("no such folder/proposal.pdf");
    EXPECT_FALSE(WriteProposalPdf(SmallPage(), QString::fromStdString(path)));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

TEST(PageRender, PrintsOnALetterSheet) {
    TempFolder folder;
    const std::string path = folder.file("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(PrintPageOn(printer, SmallPage()));
    const std::string bytes = FileBytes(path);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_TRUE(IsLetterPortrait(bytes));
}

} // namespace
