// SPDX-License-Identifier: GPL-3.0-or-later
// The station on the page: the logo read within its limits and placed in its space at the top
// left, clear of the headline; the footer line with the set details, fitted to the page.
#include "report/page_text_width.h"
#include "report/proposal.h"
#include "report/station_logo.h"
#include "tests/report/page_capture.h"
#include "tests/report/proposal_fixture.h"
#include "tests/support/temp_folder.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

namespace {

std::string Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

QImage Filled(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 0, 200));
    return image;
}

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The 8-byte signature and the header of a PNG that says it is width × height pixels, followed
// by too little data: a reader that trusted the header would try to find gigabytes.
std::string PngHeaderOnly(std::uint32_t width, std::uint32_t height) {
    const std::string real = Encoded(Filled(1, 1), "png");
    std::string header = real.substr(0, 33); // signature, IHDR length, type, data and CRC
    auto put = [&header](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            header[at + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
    };
    put(16, width);
    put(20, height);
    put(29, Crc32(header.substr(12, 17)));
    return header + real.substr(33);
}

std::string Svg(const std::string& width, const std::string& height) {
    return "<svg xmlns='http://www.w3.org/2000/svg' width='" + width + "' height='" + height +
           "' viewBox='0 0 300 100'><rect width='300' height='100' fill='#c800c8'/></svg>";
}

struct LogoCase {
    const char* name;
    std::string bytes;         // the file's contents; "(folder)" and "(fifo)" make those instead
    int width = 0, height = 0; // the logo read, when one is
    const char* problem = "";  // the start of the reason, when none is
};

class StationLogoFiles : public ::testing::Test {
  protected:
    TempFolder folder;

    std::string make(const LogoCase& c) const {
        const std::string path = folder.file(c.name);
        if (c.bytes == "(folder)")
            std::filesystem::create_directory(path);
        else if (c.bytes == "(fifo)")
            ::mkfifo(path.c_str(), 0600);
        else if (c.bytes != "(missing)")
            folder.write(c.name, c.bytes);
        return path;
    }
};

TEST_F(StationLogoFiles, EveryFileIsReadWithinItsLimitsOrRefusedWithAReason) {
    const std::string png = Encoded(Filled(800, 200), "png");
    const std::vector<LogoCase> cases{
        {"wide.png", png, 800, 200},
        {"photo.jpg", Encoded(Filled(300, 600), "jpeg"), 165, 330},
        // A drawing is drawn as large as the space allows, whatever size it gives itself.
        {"drawing.svg", Svg("30", "10"), 900, 300},
        {"huge-drawing.svg", Svg("60000", "20000"), 900, 300},
        // Pixels are never enlarged; more than the space holds are scaled down.
        {"tiny.png", Encoded(Filled(2, 1), "png"), 2, 1},
        {"big.png", Encoded(Filled(3000, 500), "png"), 900, 150},
        {"huge.png", PngHeaderOnly(20000, 20000), 0, 0, "the picture is too large (20000 \xD7 20000 pixels)"},
        {"corrupt.png", png.substr(0, png.size() / 2) + std::string(200, '\x5A'), 0, 0,
         "the picture cannot be read"},
        {"notes.png", "Not a picture at all, only some words.\n", 0, 0,
         "it is not a PNG, JPEG or SVG picture"},
        {"empty.png", "", 0, 0, "the file is empty"},
        {"icon.bmp", Encoded(Filled(10, 10), "bmp"), 0, 0, "it is not a PNG, JPEG or SVG picture"},
        {"folder.png", "(folder)", 0, 0, "it is a folder, not a file"},
        {"pipe.png", "(fifo)", 0, 0, "it is a pipe, not a file"},
        {"gone.png", "(missing)", 0, 0, "the file does not exist"},
    };
    for (const LogoCase& c : cases) {
        const LogoRead read = ReadLogoForPage(make(c));
        if (c.width > 0) {
            ASSERT_TRUE(read.logo) << c.name << ": " << read.problem;
            EXPECT_EQ(read.problem, "") << c.name;
            EXPECT_EQ(read.logo->pixelWidth, c.width) << c.name;
            EXPECT_EQ(read.logo->pixelHeight, c.height) << c.name;
            const QImage decoded = QImage::fromData(QByteArray::fromStdString(read.logo->png), "PNG");
            EXPECT_EQ(decoded.size(), QSize(c.width, c.height)) << c.name;
        } else {
            EXPECT_FALSE(read.logo) << c.name;
            EXPECT_FALSE(read.problem.empty()) << c.name;
            EXPECT_EQ(read.problem.rfind(c.problem, 0), 0u) << c.name << ": " << read.problem;
        }
    }
}

TEST(StationLogo, NoPathIsNoLogoAndNoProblem) {
    const LogoRead read = ReadLogoForPage("");
    EXPECT_FALSE(read.logo);
    EXPECT_EQ(read.problem, "");
}

PageRecord Record(const StationOnPage& station, ProposalInputs plan = FloristsPlan()) {
    PageCapture capture;
    EXPECT_TRUE(BuildProposal(plan, station));
    return capture.pages.empty() ? PageRecord{} : capture.pages.front();
}

std::vector<PageImage> Images(const PageRecord& page) {
    std::vector<PageImage> found;
    for (const PageOperation& operation : page.operations)
        if (const auto* image = std::get_if<PageImage>(&operation)) found.push_back(*image);
    return found;
}

// Where a text's letters may reach: its advance across, and the face's ascent and descent.
struct Extent {
    float left, top, right, bottom;
};
Extent ExtentOf(const PageText& text) {
    const float width = TextWidthInches(text.text, text.font);
    const float left = text.align == TextAlign::Centre  ? text.x - width / 2
                       : text.align == TextAlign::Right ? text.x - width
                                                        : text.x;
    const float em = text.font.points / 72.0f;
    return {left, text.y - 0.905f * em, left + width, text.y + 0.212f * em};
}

bool Overlap(const Extent& a, const PageImage& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

StationLogo LogoOfSize(int width, int height) {
    return {Encoded(Filled(width, height), "png"), width, height};
}

TEST(StationOnThePage, TheLogoFitsItsSpaceWithItsProportionsAndTouchesNoText) {
    ProposalInputs longClient = FloristsPlan();
    longClient.client =
        "The Very Long Named Garden Centre, Nursery and Florist Emporium of the Harbour District";
    for (const auto& [width, height] :
         std::vector<std::pair<int, int>>{{900, 330}, {4000, 100}, {100, 4000}, {1, 1}, {500, 500}}) {
        for (const ProposalInputs& plan : {FloristsPlan(), longClient}) {
            const PageRecord page = Record({{}, LogoOfSize(width, height)}, plan);
            const std::vector<PageImage> images = Images(page);
            ASSERT_EQ(images.size(), 1u);
            const PageImage& logo = images.front();
            EXPECT_NEAR(logo.left, kLogoSpace.left, kPlaces);
            EXPECT_NEAR(logo.top, kLogoSpace.top, kPlaces);
            EXPECT_LE(logo.right, kLogoSpace.right + kPlaces);
            EXPECT_LE(logo.bottom, kLogoSpace.bottom + kPlaces);
            // Scaled to fit: one side reaches the edge of its space.
            EXPECT_TRUE(std::abs(logo.right - kLogoSpace.right) < kPlaces ||
                        std::abs(logo.bottom - kLogoSpace.bottom) < kPlaces);
            EXPECT_NEAR((logo.right - logo.left) / (logo.bottom - logo.top),
                        static_cast<float>(width) / static_cast<float>(height), 1e-3f * width / height);
            for (const PageText& text : Texts(page))
                EXPECT_FALSE(Overlap(ExtentOf(text), logo)) << width << "x" << height << ": " << text.text;
        }
    }
}

TEST(StationOnThePage, TheFooterJoinsTheSetDetailsExactlyAsTyped) {
    const std::vector<std::string> fields{"WQMK 101.5 \"The Harbour\"", "12 Quay St, Portsmouth",
                                          "\x80 \xA3 \xA9 {brace}", "www.wqmk.example"};
    const PageRecord page = Record({fields, std::nullopt});
    const std::string joined = "WQMK 101.5 \"The Harbour\" \xB7 12 Quay St, Portsmouth \xB7 \x80 \xA3 \xA9 "
                               "{brace} \xB7 www.wqmk.example";
    const std::optional<PageText> footer = FindText(page, joined);
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->align, TextAlign::Centre);
    EXPECT_NEAR(footer->x, 4.25f, kPlaces);
    EXPECT_NEAR(footer->y, 10.75f, kPlaces);
    EXPECT_EQ(footer->font.face, "Arial");
    EXPECT_EQ(footer->font.points, 8.0f);
    EXPECT_TRUE(Images(page).empty());
}

TEST(StationOnThePage, LongDetailsAreShortenedToThePageWidthAndEachKeepsItsStart) {
    const std::vector<std::string> fields{std::string(2000, 'N'), "(555) 010-2030", std::string(2000, 'w')};
    const PageRecord page = Record({fields, std::nullopt});
    const std::vector<PageText> footers = [&] {
        std::vector<PageText> found;
        for (const PageText& text : Texts(page))
            if (std::abs(text.y - 10.75f) < kPlaces) found.push_back(text);
        return found;
    }();
    ASSERT_EQ(footers.size(), 1u);
    const PageText& footer = footers.front();
    EXPECT_GE(footer.font.points, 6.0f);
    EXPECT_LE(TextWidthInches(footer.text, footer.font), 7.5f + kPlaces);
    EXPECT_EQ(footer.text.rfind("NNN", 0), 0u) << footer.text;
    EXPECT_NE(footer.text.find("\x85 \xB7 (555) 010-2030 \xB7 www"), std::string::npos) << footer.text;
    EXPECT_EQ(footer.text.back(), '\x85');
}

TEST(StationOnThePage, AFooterAloneLeavesTheRestOfThePageAsItWas) {
    const std::vector<PageText> without = Texts(RecordProposal(FloristsPlan()));
    const std::vector<PageText> with = Texts(Record({{"WQMK"}, std::nullopt}));
    ASSERT_EQ(with.size(), without.size() + 1);
    for (std::size_t i = 0; i < without.size(); ++i) {
        EXPECT_EQ(with[i].text, without[i].text);
        EXPECT_EQ(with[i].x, without[i].x) << with[i].text;
        EXPECT_EQ(with[i].y, without[i].y) << with[i].text;
        EXPECT_EQ(with[i].font, without[i].font) << with[i].text;
    }
    EXPECT_EQ(with.back().text, "WQMK");
}

} // namespace
