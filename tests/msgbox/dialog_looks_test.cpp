// SPDX-License-Identifier: GPL-3.0-or-later
// The real dialog's controls: where they stand, in which fonts and colours, how the owner-drawn
// buttons look, and that the texts fit the labels made for them.
#include "dialog_fixture.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStyle>

namespace {

const char* const kLine = "A first line that is wider than the buttons";

// Pixels of one character column and row (the toolkit's units).
// One character unit in pixels, as the toolkit converts it.
const int kColumn = static_cast<int>(1.0F / EZ_CX(1) + 0.5F), kRow = static_cast<int>(1.0F / EZ_CY(1) + 0.5F);

struct Shot {
    QSize client;
    QRect text1, text2, check, picture;
    std::vector<QRect> buttons;
    Qt::Alignment text1Alignment;
};

// Opens the dialog, records its geometry and dismisses it.
Shot Open(MessageDialogTest& test, const std::string& title, const std::string& text1,
          const std::string& text2, const std::string& check, const std::string& buttons,
          const std::string& picture, const std::string& options) {
    Shot shot;
    test.WhenShown([&] {
        shot.client = MessageDialogTest::ClientPixels();
        auto rect = [](int32_t id) {
            QWidget* w = MessageDialogTest::Control(id);
            return w ? w->geometry() : QRect();
        };
        shot.text1 = rect(kText1Id);
        shot.text2 = rect(kText2Id);
        shot.check = rect(kCheckBoxId);
        shot.picture = rect(kPictureId);
        for (int32_t b = 1; b <= kMaxButtons; ++b)
            if (QWidget* w = MessageDialogTest::Control(ButtonId(b))) shot.buttons.push_back(w->geometry());
        if (auto* label = qobject_cast<QLabel*>(MessageDialogTest::Control(kText1Id)))
            shot.text1Alignment = label->alignment();
        eztest::CloseBox(kDialog);
    });
    EXPECT_EQ(MarkupMessageBox("", title, text1, text2, check, buttons, picture, 1, options),
              kDialogDismissed);
    return shot;
}

int RowLeft(const Shot& s) {
    return s.buttons.front().left();
}
int RowRightEdge(const Shot& s) {
    return s.buttons.back().x() + s.buttons.back().width();
}
int Centre(const QRect& r) {
    return r.x() + r.width() / 2;
}

TEST_F(MessageDialogTest, CentreOptionCentresTextsCheckboxAndButtonsInTheTextColumn) {
    const Shot shot = Open(*this, "T", kLine, "second", "Remember", "&Yes|&No", "", "C");
    EXPECT_TRUE(shot.text1Alignment & Qt::AlignHCenter);
    EXPECT_EQ(shot.text1.x(), kColumn);
    EXPECT_EQ(shot.text2.width(), shot.text1.width());
    const int centre = Centre(shot.text1);
    EXPECT_NEAR((RowLeft(shot) + RowRightEdge(shot)) / 2, centre, 1);
    EXPECT_NEAR(Centre(shot.check), centre, 1);

    const Shot left = Open(*this, "T", kLine, "second", "Remember", "&Yes|&No", "", "");
    EXPECT_TRUE(left.text1Alignment & Qt::AlignLeft);
    EXPECT_EQ(RowLeft(left), kColumn);
    EXPECT_EQ(left.check.x(), kColumn);
}

TEST_F(MessageDialogTest, RightAlignOptionEndsTheRowOneMarginFromTheEdge) {
    for (const char* options : {"J", "CJ"}) {
        SCOPED_TRACE(options);
        const Shot shot = Open(*this, "T", kLine, "", "", "&Yes|&No", "", options);
        EXPECT_NEAR(RowRightEdge(shot), shot.client.width() - kColumn, 1);
        EXPECT_NEAR(shot.buttons[1].x() - (shot.buttons[0].x() + shot.buttons[0].width()), kColumn, 1);
    }
}

TEST_F(MessageDialogTest, EvenWidthsOptionMakesTheButtonsEquallyWide) {
    const std::string buttons = "*{G}|&OK|&Rebuild all the profiles now";
    const Shot even = Open(*this, "T", "x", "", "", buttons, "", "W");
    ASSERT_EQ(even.buttons.size(), 2U);
    EXPECT_EQ(even.buttons[0].width(), even.buttons[1].width());
    const Shot uneven = Open(*this, "T", "x", "", "", buttons, "", "");
    EXPECT_EQ(uneven.buttons[0].width(), 8 * kColumn);
    EXPECT_GT(uneven.buttons[1].width(), uneven.buttons[0].width());
    EXPECT_EQ(even.buttons[0].width(), uneven.buttons[1].width());
}

TEST_F(MessageDialogTest, LargeMarginsDoubleTheMargins) {
    const Shot small = Open(*this, "T", kLine, "", "", "&OK", "", "");
    const Shot large = Open(*this, "T", kLine, "", "", "&OK", "", "L");
    EXPECT_EQ(small.text1.topLeft(), QPoint(kColumn, kRow / 2));
    EXPECT_EQ(large.text1.topLeft(), QPoint(2 * kColumn, kRow));
    EXPECT_EQ(large.client.width() - small.client.width(), 2 * kColumn);
    EXPECT_EQ(large.client.height() - (large.buttons[0].y() + large.buttons[0].height()), kRow);
}

TEST_F(MessageDialogTest, TallerTitleHeightMovesTheTextsDownByHalfTheDifference) {
    const Shot base = Open(*this, "T", kLine, "second", "", "&OK", "", "C");
    const Shot tall = Open(*this, "T{H20}", kLine, "second", "", "&OK", "", "C");
    const Shot low = Open(*this, "T{H2,W3}", kLine, "second", "", "&OK", "", "C");
    EXPECT_EQ(tall.client.height(), 20 * kRow);
    const int half = (tall.client.height() - base.client.height()) / 2;
    EXPECT_NEAR(tall.text1.y() - base.text1.y(), half, 1);
    EXPECT_NEAR(tall.text2.y() - base.text2.y(), half, 1);
    EXPECT_EQ(low.client, base.client);
    EXPECT_EQ(low.text1, base.text1);
    // A wider title widens the text column the texts are centred in.
    const Shot wide = Open(*this, "T{W80}", kLine, "second", "", "&OK", "", "C");
    EXPECT_EQ(wide.client.width(), 80 * kColumn);
    EXPECT_EQ(wide.text1.width(), 78 * kColumn);
}

TEST_F(MessageDialogTest, EmptyFirstTextMakesNoLabelAndTakesNoHeight) {
    const Shot both = Open(*this, "T", "first", "second", "", "&OK", "", "C");
    const Shot only = Open(*this, "T", "", "second", "", "&OK", "", "C");
    EXPECT_TRUE(only.text1.isNull());
    EXPECT_EQ(only.text2.y(), kRow / 2);
    EXPECT_EQ(both.client.height() - only.client.height(), both.text1.height());
    EXPECT_EQ(both.text2.y() - only.text2.y(), both.text1.height());
}

TEST_F(MessageDialogTest, PictureTakesAColumnAtTheLeft) {
    TempFolder folder;
    QImage image(40, 48, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const std::string path = folder.file("sign.png");
    ASSERT_TRUE(image.save(QString::fromStdString(path)));

    const Shot without = Open(*this, "T", kLine, "", "", "&OK", "", "C");
    const Shot with = Open(*this, "T", kLine, "", "", "&OK", path, "C");
    const int column = 40 + 2 * kColumn;
    EXPECT_EQ(with.picture, QRect(kColumn, kRow / 2, column, 48));
    EXPECT_EQ(with.text1.x(), column + kColumn);
    EXPECT_EQ(with.client.width() - without.client.width(), column);
    EXPECT_GE(with.client.height(), 48 + kRow);
    EXPECT_TRUE(without.picture.isNull());
}

TEST_F(MessageDialogTest, TextsTakeTheirFontsColoursAndTheFaceColouredBackground) {
    WhenShown([] {
        auto* headline = qobject_cast<QLabel*>(Control(kText1Id));
        auto* line = qobject_cast<QLabel*>(Control(kText2Id));
        ASSERT_TRUE(headline && line);
        EXPECT_TRUE(headline->font().bold());
        EXPECT_DOUBLE_EQ(headline->font().pointSizeF(), 10.0);
        EXPECT_FALSE(line->font().bold());
        EXPECT_DOUBLE_EQ(line->font().pointSizeF(), 9.0);
        EXPECT_EQ(headline->palette().color(QPalette::WindowText), QColor(0x80, 0, 0)); // palette 4
        EXPECT_EQ(line->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        const QColor face = QApplication::palette().color(QPalette::Button);
        EXPECT_TRUE(line->autoFillBackground());
        EXPECT_EQ(line->palette().color(QPalette::Window), face);
        // The standard button keeps the desktop's colours, not the headline's.
        EXPECT_EQ(Control(ButtonId(1))->palette().color(QPalette::ButtonText),
                  QApplication::palette().color(QPalette::ButtonText));
        eztest::CloseBox(kDialog);
    });
    ShowNotice("Update", "New version available{f10,t4}", "Download it now?{f6}");
    EXPECT_FALSE(leftOpen);
}

TEST_F(MessageDialogTest, OwnerDrawnButtonsPaintTheirFaceInEachLook) {
    std::vector<QImage> faces;
    WhenShown([&] {
        for (int32_t b = 1; b <= 4; ++b) {
            QWidget* w = Control(ButtonId(b));
            ASSERT_NE(w, nullptr);
            EXPECT_FALSE(IsStandardButton(ButtonId(b)));
            faces.push_back(w->grab().toImage());
        }
        EXPECT_TRUE(IsStandardButton(ButtonId(5)));
        EXPECT_EQ(EZ_GETFOCUSID(), 0);
        eztest::CloseBox(kDialog);
    });
    // One caption for all, so that the pictures differ only by their looks; with no default the
    // dialog itself holds the focus, so that no button draws a focus frame.
    MarkupMessageBox("", "Looks", "Four looks", "", "Box", "*{b12,t15}|&Go|&Go{3}|&Go{R}|&Go{E}|&Go{G}", "",
                     0, "W");
    ASSERT_EQ(faces.size(), 4U);
    const QColor red(0xFF, 0, 0); // palette 12
    for (size_t i = 0; i < faces.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const QImage& face = faces[i];
        EXPECT_EQ(face.pixelColor(6, face.height() / 2), red);
        EXPECT_EQ(face.pixelColor(face.width() - 7, face.height() / 2), red);
        // Text colour 15 (white) somewhere on the face: the caption is drawn.
        bool white = false;
        for (int y = 0; y < face.height() && !white; ++y)
            for (int x = 0; x < face.width() && !white; ++x)
                white = face.pixelColor(x, y).lightness() > 230;
        EXPECT_TRUE(white);
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(face, faces[j]) << "looks " << j + 1 << " and " << i + 1;
    }
}

TEST_F(MessageDialogTest, WrappedTextBreaksAtWordsWithinItsWidth) {
    std::string shown;
    WhenShown([&] {
        shown = EZ_GETTEXT(kDialog, kText2Id);
        eztest::CloseBox(kDialog);
    });
    ShowNotice("Wrap", "Headline{f7}",
               "This action will remove any custom profiles that you have created so far{f6,w12}");
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), '|');
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t bar = shown.find('|'); bar != std::string::npos; bar = shown.find('|', start)) {
        lines.push_back(shown.substr(start, bar - start));
        start = bar + 1;
    }
    ASSERT_GT(lines.size(), 3U);
    std::string joined;
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        float width = 0, height = 0;
        EZ_GETTEXTSIZE(6, line, width, height, 1);
        EXPECT_LE(width, 12.0F) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, "This action will remove any custom profiles that you have created so far");
}

// The question asked before the built-in profiles are restored.
void AskRebuild() {
    ASKUSER(
        "Rebuild All Business Profiles", "WARNING: YOU ARE ABOUT TO RECREATE THE BUSINESS PROFILES!{f10}",
        "This action will REMOVE any custom profiles you have created.|Are you SURE you want to proceed?{f6}",
        "", "*{G,f7}|&Yes|&No", 2);
}

TEST_F(MessageDialogTest, EveryTextFitsTheControlMadeForIt) {
    WhenShown([] {
        for (int32_t id : {kText1Id, kText2Id}) {
            SCOPED_TRACE(id);
            QWidget* w = Control(id);
            ASSERT_NE(w, nullptr);
            EXPECT_LE(w->sizeHint().width(), w->width());
            EXPECT_LE(w->sizeHint().height(), w->height());
            EXPECT_LE(w->x() + w->width(), ClientPixels().width());
        }
        // The captions fit inside the buttons' frames.
        for (int32_t b : {1, 2}) {
            auto* button = qobject_cast<QPushButton*>(Control(ButtonId(b)));
            ASSERT_NE(button, nullptr);
            const int caption =
                button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&')));
            const int frame = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            EXPECT_LE(caption + 2 * frame, button->width());
            EXPECT_GE(button->height(), button->fontMetrics().height());
            EXPECT_LE(button->y() + button->height(), ClientPixels().height());
        }
        // Below the texts: the buttons do not overlap them.
        EXPECT_GE(Control(ButtonId(1))->y(), Control(kText2Id)->y() + Control(kText2Id)->height());
        EXPECT_EQ(EZ_GETTEXT(kDialog, kText2Id), "This action will REMOVE any custom profiles you have "
                                                 "created.|Are you SURE you want to proceed?");
        EXPECT_EQ(EZ_GETFOCUSID(), ButtonId(2));
        eztest::CloseBox(kDialog);
    });
    AskRebuild();
    EXPECT_FALSE(leftOpen);
}

} // namespace
