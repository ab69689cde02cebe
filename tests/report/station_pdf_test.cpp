// SPDX-License-Identifier: GPL-3.0-or-later
// End to end: the built program's --pdf with the station's details in QMK.ini. The PDF is read
// back as a reader sees it: the footer line by pdftotext, the logo's place on the drawn page,
// and the words around it. A logo that cannot be read leaves a warning and the page without it.
#include "tests/report/pdf_text.h"
#include "tests/support/temp_folder.h"

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kDotsPerInch = 100;

// A plan in QMK.ini's [Info], as the window would remember it: Florists from November 2018.
const char* kPlan = "[Info]\r\nClient=Bloom & Petal\r\nStation=WQMK 101.5\r\nSalesrep=Pat Ortega\r\n"
                    "PresentDate=2458428\r\nStartMonth=November\r\nYear=2458428\r\nBudget=12000.00\r\n"
                    "Rate=50.00\r\nProfile=Florists\r\nOpportunity=10\r\nMaxValue=90\r\nCurrValue=65\r\n";

const char* kDetails = "Name=WQMK 101.5 \"The Harbour\"\r\nAddress=12 Quay St, Portsmouth\r\n"
                       "Phone=(555) 010-2030\r\nWeb=www.wqmk.example\r\nRepEmail=pat@wqmk.example\r\n"
                       "RepPhone=(555) 010-2044\r\n";
const char* kFooter =
    "WQMK 101.5 \"The Harbour\" · 12 Quay St, Portsmouth · (555) 010-2030 · www.wqmk.example · "
    "pat@wqmk.example · (555) 010-2044";

struct ProgramAnswer {
    int exitCode = -1;
    std::string standardError;
};

class StationPdf : public ::testing::Test {
  protected:
    TempFolder data;
    TempFolder work;

    // Prints the remembered plan with the station's details (and the logo, when given).
    ProgramAnswer print(const std::string& logo, const std::string& pdf) const {
        std::string settings = std::string(kPlan) + "[Station]\r\n" + kDetails;
        if (!logo.empty()) settings += "Logo=" + logo + "\r\n";
        data.write("QMK.ini", settings);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUILLMARK_HOME"), QString::fromStdString(data.path().string()));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("QUILLMARK_PROGRAM"),
                      {QStringLiteral("--pdf"), QString::fromStdString(work.file(pdf))});
        if (!process.waitForFinished(60000)) return {};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardError().toStdString()};
    }

    QImage picture(const std::string& pdf) const {
        return PdfPicture(QString::fromStdString(work.file(pdf)), kDotsPerInch);
    }
};

// A 400 × 100 logo in solid black: 1.5 × 0.375 in on the page.
std::string WriteLogo(const TempFolder& folder) {
    QImage logo(400, 100, QImage::Format_RGB32);
    logo.fill(Qt::black);
    const std::string path = folder.file("logo.png");
    logo.save(QString::fromStdString(path), "PNG");
    return path;
}

// Where two drawings of one page differ, within the top inch.
QRect DifferenceAtTop(const QImage& a, const QImage& b) {
    QRect found;
    for (int y = 0; y < kDotsPerInch && y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64) found |= QRect(x, y, 1, 1);
    return found;
}

TEST_F(StationPdf, TheLogoLiesInItsSpaceClearOfEveryWordAndTheFooterNamesEveryDetail) {
    const ProgramAnswer with = print(WriteLogo(work), "with.pdf");
    ASSERT_EQ(with.exitCode, 0) << with.standardError;
    EXPECT_EQ(with.standardError, "");
    const ProgramAnswer without = print("", "without.pdf");
    ASSERT_EQ(without.exitCode, 0) << without.standardError;

    const std::string text = PdfText(QString::fromStdString(work.file("with.pdf")));
    EXPECT_NE(text.find(kFooter), std::string::npos) << text;
    bool footerFound = false;
    for (const PdfWord& word : PdfWords(QString::fromStdString(work.file("with.pdf")))) {
        if (word.text != "pat@wqmk.example") continue;
        footerFound = true;
        EXPECT_NEAR(word.yMax / 72, 10.75 + 0.05, 0.05);
    }
    EXPECT_TRUE(footerFound);

    // The logo is what the two pages differ in at the top: 1.5 × 0.375 in from (0.5, 0.15).
    const QImage withLogo = picture("with.pdf"), withoutLogo = picture("without.pdf");
    ASSERT_FALSE(withLogo.isNull());
    ASSERT_EQ(withLogo.size(), withoutLogo.size());
    const QRect logo = DifferenceAtTop(withLogo, withoutLogo);
    ASSERT_FALSE(logo.isEmpty()) << "no logo was drawn";
    const QRect expected(50, 15, 150, 38); // in dots at 100 to the inch
    EXPECT_LE(std::abs(logo.left() - expected.left()), 1) << logo.left();
    EXPECT_LE(std::abs(logo.top() - expected.top()), 1) << logo.top();
    EXPECT_LE(std::abs(logo.right() - expected.right()), 2) << logo.right();
    EXPECT_LE(std::abs(logo.bottom() - expected.bottom()), 2) << logo.bottom();

    for (const PdfWord& word : PdfWords(QString::fromStdString(work.file("with.pdf")))) {
        const QRectF wordDots(word.xMin / 72 * kDotsPerInch, word.yMin / 72 * kDotsPerInch,
                              (word.xMax - word.xMin) / 72 * kDotsPerInch,
                              (word.yMax - word.yMin) / 72 * kDotsPerInch);
        EXPECT_FALSE(wordDots.intersects(QRectF(logo))) << word.text;
    }
}

TEST_F(StationPdf, ALogoThatCannotBeReadIsLeftOutWithAWarningAndThePageIsStillPrinted) {
    ASSERT_EQ(print("", "plain.pdf").exitCode, 0);
    const QImage plain = picture("plain.pdf");
    ASSERT_FALSE(plain.isNull());

    std::filesystem::create_directory(work.file("folder.png"));
    ::mkfifo(work.file("pipe.png").c_str(), 0600);
    work.write("words.png", "These are words, not a picture.");
    struct Case {
        std::string logo;
        std::string reason;
    };
    const std::vector<Case> cases{
        {work.file("folder.png"), "it is a folder, not a file"},
        {work.file("pipe.png"), "it is a pipe, not a file"},
        {work.file("words.png"), "it is not a PNG, JPEG or SVG picture"},
        {work.file("missing.png"), "the file does not exist"},
    };
    for (const Case& c : cases) {
        const ProgramAnswer run = print(c.logo, "out.pdf");
        EXPECT_EQ(run.exitCode, 0) << c.logo;
        EXPECT_EQ(run.standardError,
                  "quillmark: warning: the logo " + c.logo + " is left out: " + c.reason + "\n");
        EXPECT_LT(MeanDifference(picture("out.pdf"), plain), 0.01) << c.logo;
    }
}

} // namespace
