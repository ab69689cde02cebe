// SPDX-License-Identifier: GPL-3.0-or-later
// The "Station & Contact" dialog over the planner: opening from the Plan menu, what its save
// stores and when it asks, files that cannot be written, the logo's preview for good and bad
// pictures, texts that the settings file must keep whole, Browse, keys and help.
#include "tests/prefs/station_fixture.h"

#include "app/help/help.h"
#include "app/help/help_browser.h"
#include "app/help/help_topics.h"
#include "app/help/help_viewer.h"
#include "app/shell/planner_layout.h"
#include "app/text/cp1252.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <ostream>

using namespace sc;

void PrintTo(const StationDetails& d, std::ostream* out) {
    *out << '{' << d.logo << " | " << d.name << " | " << d.address << " | " << d.phone << " | " << d.web
         << " | " << d.repEmail << " | " << d.repPhone << '}';
}

namespace {

class StationDialogWindow : public StationFixture {};

// A PNG file that says it is 20000 × 20000 pixels: a real header and a few rows of its pixels.
std::string HugePngBytes() {
    const auto crc = [](const std::string& bytes) {
        uint32_t c = 0xFFFFFFFFU;
        for (unsigned char b : bytes) {
            c ^= b;
            for (int k = 0; k < 8; ++k)
                c = (c >> 1) ^ (0xEDB88320U & (0U - (c & 1U)));
        }
        return c ^ 0xFFFFFFFFU;
    };
    const auto be32 = [](uint32_t v) {
        return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                           static_cast<char>(v)};
    };
    const auto chunk = [&](const std::string& type, const std::string& body) {
        return be32(static_cast<uint32_t>(body.size())) + type + body + be32(crc(type + body));
    };
    const std::string header = be32(20000) + be32(20000) + std::string{8, 2, 0, 0, 0};
    // qCompress gives a zlib stream after four bytes of length.
    const QByteArray rows = qCompress(QByteArray(4 * 60001, '\0')).mid(4);
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", rows.toStdString()) +
           chunk("IEND", "");
}

// Every field, with the detail it shows.
constexpr std::array<std::pair<int32_t, std::string StationDetails::*>, 7> kFields{{
    {kLogo, &StationDetails::logo},
    {kName, &StationDetails::name},
    {kAddress, &StationDetails::address},
    {kPhone, &StationDetails::phone},
    {kWeb, &StationDetails::web},
    {kRepEmail, &StationDetails::repEmail},
    {kRepPhone, &StationDetails::repPhone},
}};

TEST_F(StationDialogWindow, PlanMenuOpensItWithTheStoredDetails) {
    // The item sits right after Options, with an access key of its own in the Plan menu.
    const auto menus = qm::PlannerMenus();
    const auto options =
        std::find_if(menus.begin(), menus.end(), [](auto& m) { return m.id == qm::kMenuOptions; });
    ASSERT_NE(options + 1, menus.end());
    EXPECT_EQ((options + 1)->id, qm::kMenuStation);
    EXPECT_STREQ((options + 1)->caption, "Stat&ion && Contact...");
    EXPECT_EQ((options + 2)->id, qm::kMenuExportTable);
    std::string keys;
    for (const auto& m : menus) {
        const std::string caption = m.caption;
        for (std::size_t at = caption.find('&');
             m.menu == 1 && at != std::string::npos && at + 1 < caption.size();
             at = caption.find('&', at + 2))
            if (caption[at + 1] != '&') keys += static_cast<char>(std::tolower(caption[at + 1]));
    }
    std::string unique = keys;
    std::sort(unique.begin(), unique.end());
    EXPECT_EQ(std::unique(unique.begin(), unique.end()), unique.end()) << keys;
    EXPECT_NE(keys.find('i'), std::string::npos);

    setting("Station", "Name", "WQMK 101.5");
    setting("Station", "RepEmail", "pat@wqmk.example");
    openPlanner();
    inStation([] {
        EXPECT_EQ(EZ_GETTEXT(kForm, 0), "Station & Contact");
        EXPECT_EQ(eztest::Window(kForm)->parentWidget(), eztest::Window(qm::kForm));
        EXPECT_EQ(field(kName), "WQMK 101.5");
        EXPECT_EQ(field(kRepEmail), "pat@wqmk.example");
        EXPECT_EQ(field(kLogo), "");
        EXPECT_EQ(logoStatus(), "No logo");
        EXPECT_TRUE(preview().isNull());
        EXPECT_FALSE(saveEnabled());
        eztest::Click(kForm, kCancel);
    });
    EXPECT_FALSE(leftOpen);
    EXPECT_TRUE(questions.empty());
}

TEST_F(StationDialogWindow, TypingEnablesSaveAndSaveStoresEveryDetail) {
    openPlanner();
    const std::string logo = pngLogo("logo.png", 30, 10);
    StationDetails expected{logo,      "WQMK", "12 Main St", "555-0100", "wqmk.example", "pat@wqmk.example",
                            "555-0199"};
    inStation([&] {
        for (const auto& [id, detail] : kFields) {
            enter(kForm, id, expected.*detail);
            EXPECT_TRUE(saveEnabled()) << id;
        }
        eztest::Click(kForm, kSave);
        EXPECT_FALSE(dialogOpen());
    });
    EXPECT_FALSE(leftOpen);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(saved(), expected);
    EXPECT_EQ(stored("Station", "RepPhone"), "555-0199");

    // The next opening shows them, with Save disabled again; a field cleared is stored empty.
    inStation([&] {
        for (const auto& [id, detail] : kFields)
            EXPECT_EQ(field(id), expected.*detail) << id;
        EXPECT_FALSE(saveEnabled());
        eztest::Focus(kForm, kWeb);
        QTest::keyClick(eztest::Widget(kForm, kWeb), Qt::Key_A, Qt::ControlModifier);
        eztest::Key(kForm, kWeb, Qt::Key_Delete);
        eztest::Click(kForm, kSave);
        EXPECT_FALSE(dialogOpen());
    });
    expected.web.clear();
    EXPECT_EQ(saved(), expected);
}

TEST_F(StationDialogWindow, LeavingWithoutSavingWritesNothing) {
    setting("Station", "Name", "WQMK");
    openPlanner();
    const std::string before = settingsBytes();
    struct Way {
        const char* name;
        bool changed;
        std::function<void()> close;
    };
    const Way ways[] = {{"close box, untouched", false, [] { eztest::CloseBox(kForm); }},
                        {"Cancel, untouched", false, [] { eztest::Click(kForm, kCancel); }},
                        {"Cancel after a change", true, [] { eztest::Click(kForm, kCancel); }}};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        inStation([&] {
            eztest::Focus(kForm, kName); // visiting a field changes nothing
            eztest::Tab();
            if (way.changed) enter(kForm, kName, "Other");
            EXPECT_EQ(saveEnabled(), way.changed);
            way.close();
            EXPECT_FALSE(dialogOpen());
        });
        EXPECT_FALSE(leftOpen);
    }
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(StationDialogWindow, ClosingWithAChangeAsksAndFollowsTheAnswer) {
    struct Case {
        const char* name;
        int32_t button; // 0: the question put away with Escape
        bool staysOpen;
        bool saved;
    };
    const Case cases[] = {{"Yes", 1, false, true},
                          {"No", 2, false, false},
                          {"Cancel", 3, true, false},
                          {"Escape", 0, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openPlanner();
        const std::string before = settingsBytes();
        questions.clear();
        answer(c.button);
        inStation([&] {
            eztest::Focus(kForm, kPhone);
            eztest::Type(kForm, kPhone, "555-0100"); // not left: the question takes the focus
            eztest::CloseBox(kForm);
            EXPECT_EQ(dialogOpen(), c.staysOpen);
            if (!dialogOpen()) return;
            EXPECT_EQ(field(kPhone), "555-0100");
            EXPECT_TRUE(saveEnabled());
            eztest::Click(kForm, kCancel);
            EXPECT_FALSE(dialogOpen());
        });
        EXPECT_FALSE(leftOpen);
        ASSERT_EQ(questions.size(), 1U);
        EXPECT_EQ(questions[0], "Save your changes before you exit?");
        if (c.saved)
            EXPECT_EQ(saved().phone, "555-0100");
        else
            EXPECT_EQ(settingsBytes(), before);
        closeAll();
        data.write("QMK.ini", "");
    }
}

TEST_F(StationDialogWindow, ASettingsFileThatCannotBeWrittenIsToldAndKeepsTheDialog) {
    namespace fs = std::filesystem;
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> spoil;
        const char* reason;
    };
    const Case cases[] = {
        {"read-only file", [](const fs::path& f) { fs::permissions(f, fs::perms::owner_read); },
         "the file is read-only"},
        {"folder", [](const fs::path& f) { fs::remove(f), fs::create_directory(f); }, "folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = data.path() / "QMK.ini";
        setting("Station", "Name", "WQMK");
        c.spoil(file);
        openPlanner();
        questions.clear();
        titles.clear();
        answer(1); // the notice
        inStation([] {
            enter(kForm, kName, "KQMK");
            eztest::Click(kForm, kSave);
            EXPECT_TRUE(dialogOpen());
            EXPECT_TRUE(saveEnabled());
            EXPECT_EQ(field(kName), "KQMK");
        });
        EXPECT_TRUE(leftOpen);
        ASSERT_EQ(questions.size(), 1U);
        EXPECT_EQ(titles[0], "Station Details Not Saved");
        EXPECT_NE(questions[0].find("could not be written to " + file.string() + ": "), std::string::npos)
            << questions[0];
        EXPECT_NE(questions[0].find(c.reason), std::string::npos) << questions[0];
        closeAll();
        fs::permissions(file, fs::perms::owner_all);
        fs::remove_all(file);
    }
}

TEST_F(StationDialogWindow, LogoPreviewShowsThePictureOrSaysWhyNot) {
    const std::string wide = pngLogo("wide.png", 300, 100);
    const std::string svg =
        data.write("logo.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                               "<rect width='40' height='20' fill='red'/></svg>");
    std::filesystem::create_directory(data.path() / "folder");
    const std::string corrupt =
        data.write("corrupt.png", std::string("\x89PNG\r\n\x1a\n", 8) + "not a picture");
    const std::string text = data.write("notes.png", "Station notes, not a picture.\n");
    const std::string huge = data.write("huge.png", HugePngBytes());
    const std::string fifo = data.file("fifo.png");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string path;
        double aspect;       // width / height of the picture shown; 0: none is shown
        const char* problem; // a part of the status text
    };
    const Case cases[] = {
        {wide, 3.0, ""},
        {svg, 2.0, ""},
        {data.file("missing.png"), 0, "the file does not exist"},
        {data.file("folder"), 0, "folder"},
        {corrupt, 0, "cannot be read"},
        {text, 0, "not a PNG, JPEG or SVG picture"},
        {huge, 0, "the picture is too large (20000 \xD7 20000 pixels)"},
        {fifo, 0, "pipe"},
        {"", 0, "No logo"},
    };
    openPlanner();
    inStation([&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.path);
            enter(kForm, kLogo, c.path); // the preview follows when the field is left
            const QPixmap shown = preview();
            if (c.aspect > 0) {
                ASSERT_FALSE(shown.isNull());
                EXPECT_NEAR(static_cast<double>(shown.width()) / shown.height(), c.aspect, 0.05);
                const QSize box = eztest::Widget(kForm, kPreview)->contentsRect().size();
                EXPECT_TRUE(shown.width() == box.width() || shown.height() == box.height()); // scaled to fit
                EXPECT_LE(shown.width(), box.width());
                EXPECT_LE(shown.height(), box.height());
                EXPECT_EQ(logoStatus(), "");
            } else {
                EXPECT_TRUE(shown.isNull());
                EXPECT_NE(logoStatus().find(c.problem), std::string::npos) << logoStatus();
            }
            // The status is read out with its text.
            EXPECT_EQ(eztest::Widget(kForm, kLogoStatus)->accessibleName(),
                      QStringLiteral("Logo status: ") + FromCp1252(logoStatus()));
        }
        eztest::Click(kForm, kCancel);
    });
}

TEST_F(StationDialogWindow, TextsAreKeptExactlyOrNotAtAll) {
    struct Case {
        const char* name;
        std::string typed;
        std::string kept; // what the field holds and the file gives back
    };
    const std::string x2000(2000, 'x');
    const Case cases[] = {
        {"code page 1252 symbols", "\x80 12 \xA3 3 \xA9 WQMK", "\x80 12 \xA3 3 \xA9 WQMK"},
        {"quotes and commas", "\"The River\", 101.5", "\"The River\", 101.5"},
        {"a quoted text", "\"The River\"", "\"The River\""},
        {"single quotes", "'WQMK'", "'WQMK'"},
        {"markup", "{b}Bold{f7} | a\\b", "{b}Bold{f7} | a\\b"},
        {"2,000 characters", x2000, x2000.substr(0, 999)},
        {"line breaks", "12 Main St\nSpringfield\r\nUSA", "12 Main St Springfield  USA"},
    };
    openPlanner();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        inStation([&] {
            // Pasted, as a long text would be.
            eztest::Focus(kForm, kAddress);
            QApplication::clipboard()->setText(FromCp1252(c.typed));
            QTest::keyClick(eztest::Widget(kForm, kAddress), Qt::Key_V, Qt::ControlModifier);
            eztest::Settle();
            EXPECT_EQ(field(kAddress), c.kept);
            eztest::Click(kForm, kSave);
            EXPECT_FALSE(dialogOpen());
        });
        EXPECT_TRUE(questions.empty());
        EXPECT_EQ(saved().address, c.kept);
    }
}

TEST_F(StationDialogWindow, ATextTheFileCannotKeepWholeIsNotSaved) {
    // 999 characters between quotes: stored inside another pair they would be cut.
    const std::string quoted = "\"" + std::string(997, 'q') + "\"";
    ASSERT_EQ(quoted.size(), 999U);
    openPlanner();
    const std::string before = settingsBytes();
    answer(1);
    inStation([&] {
        eztest::Focus(kForm, kName);
        QApplication::clipboard()->setText(FromCp1252(quoted));
        QTest::keyClick(eztest::Widget(kForm, kName), Qt::Key_V, Qt::ControlModifier);
        eztest::Click(kForm, kSave);
        EXPECT_TRUE(dialogOpen());
        EXPECT_EQ(EZ_GETFOCUSID(), kName);
    });
    ASSERT_EQ(questions.size(), 1U);
    EXPECT_EQ(titles[0], "Station Details Not Saved");
    EXPECT_EQ(questions[0], "The station name is too long to be kept.");
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(StationDialogWindow, ALongerValueWrittenByHandIsShownWholeAndKept) {
    const std::string long1500(1500, 'w');
    data.write("QMK.ini", "[Station]\r\nWeb=" + long1500 + "\r\n");
    openPlanner();
    inStation([&] {
        EXPECT_EQ(field(kWeb), long1500);
        enter(kForm, kName, "WQMK");
        eztest::Click(kForm, kSave);
        EXPECT_FALSE(dialogOpen());
    });
    EXPECT_EQ(saved().web, long1500);
    EXPECT_EQ(saved().name, "WQMK");
}

TEST_F(StationDialogWindow, TypedCharactersBeyondTheCodePageAreKeptAsElsewhere) {
    openPlanner();
    inStation([] {
        eztest::Focus(kForm, kName);
        // As a keyboard layout sends them: text without a key of its own.
        for (QChar ch : QStringLiteral("Radio \u65E5\u672C \u20AC")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(eztest::Widget(kForm, kName), &press);
        }
        EXPECT_TRUE(saveEnabled());
        eztest::Click(kForm, kSave);
    });
    EXPECT_EQ(saved().name, "Radio ?? \x80");
}

TEST_F(StationDialogWindow, BrowseFillsTheLogoFieldAndThePreview) {
    const std::string first = pngLogo("first.png", 40, 20);
    std::filesystem::create_directory(data.path() / "art");
    const std::string chosen = pngLogo("art/chosen.png", 20, 40);
    setting("Station", "Logo", first);
    std::vector<std::string> startFolders;
    std::string answerGiven;
    SetLogoChooserForTesting([&](const std::string& folder) {
        startFolders.push_back(folder);
        return answerGiven;
    });
    openPlanner();
    answer(1); // the too long path's notice
    inStation([&] {
        ASSERT_FALSE(preview().isNull());
        EXPECT_GT(preview().width(), preview().height());
        answerGiven = ""; // cancelled: nothing changes
        eztest::Click(kForm, kBrowse);
        EXPECT_EQ(field(kLogo), first);
        EXPECT_FALSE(saveEnabled());
        answerGiven = "/" + std::string(999, 'p') + ".png"; // a path the file cannot keep: refused, not cut
        eztest::Click(kForm, kBrowse);
        EXPECT_EQ(field(kLogo), first);
        EXPECT_FALSE(saveEnabled());
        answerGiven = chosen;
        eztest::Click(kForm, kBrowse);
        EXPECT_EQ(field(kLogo), chosen);
        EXPECT_TRUE(saveEnabled());
        ASSERT_FALSE(preview().isNull());
        EXPECT_LT(preview().width(), preview().height());
        eztest::Click(kForm, kSave);
    });
    ASSERT_EQ(startFolders.size(), 3U);
    EXPECT_EQ(startFolders[0], data.path().string()); // the folder of the logo set
    EXPECT_EQ(saved().logo, chosen);
    ASSERT_EQ(titles.size(), 1U);
    EXPECT_EQ(titles[0], "Logo Not Chosen");
}

TEST_F(StationDialogWindow, KeysTabOrderAndNames) {
    openPlanner();
    inStation([] {
        eztest::Focus(kForm, kLogo);
        std::vector<int32_t> visited = {EZ_GETFOCUSID()};
        for (int i = 0; i < 10; ++i) {
            eztest::Tab();
            visited.push_back(EZ_GETFOCUSID());
        }
        // Save, disabled, takes no stop.
        const std::vector<int32_t> expected = {kLogo,     kBrowse,   kName,   kAddress, kPhone, kWeb,
                                               kRepEmail, kRepPhone, kCancel, kHelp,    kLogo};
        EXPECT_EQ(visited, expected);

        eztest::Focus(kForm, kName);
        eztest::Key(kForm, kName, Qt::Key_Return);
        EXPECT_EQ(EZ_GETFOCUSID(), kAddress);
        eztest::Key(kForm, kAddress, Qt::Key_Escape);
        EXPECT_TRUE(dialogOpen());
        eztest::Focus(kForm, kCancel);
        eztest::Key(kForm, kCancel, Qt::Key_Return); // moves on instead of pressing it
        EXPECT_TRUE(dialogOpen());
        EXPECT_EQ(EZ_GETFOCUSID(), kHelp);

        // Every control is known by a name, and fits inside the dialog.
        const QRect client = eztest::Widget(kForm, kLogo)->parentWidget()->rect();
        for (const ControlDesign& c : StationControls()) {
            QWidget* w = eztest::Widget(kForm, c.id);
            ASSERT_NE(w, nullptr) << c.id;
            const QString name = w->accessibleName().isEmpty() ? w->property("text").toString().isEmpty()
                                                                     ? w->property("title").toString()
                                                                     : w->property("text").toString()
                                                               : w->accessibleName();
            EXPECT_FALSE(name.isEmpty()) << c.id;
            EXPECT_TRUE(client.contains(w->geometry())) << c.id;
        }
        eztest::Click(kForm, kCancel);
    });
    EXPECT_FALSE(leftOpen);
}

TEST_F(StationDialogWindow, HelpAndF1OpenTheStationPage) {
    SetHelpFolder(qEnvironmentVariable("QUILLMARK_SOURCE_DIR").toStdString() + "/assets/Help/");
    const std::string page = HelpPageForContext(kHelpTopic);
    ASSERT_EQ(page, "station.html");
    auto shownPage = [] {
        HelpViewer* viewer = CurrentHelpViewer();
        return viewer ? viewer->browser()->currentTarget().toStdString() : std::string("no help window");
    };
    openPlanner();
    inStation([&] {
        eztest::Focus(kForm, kWeb);
        eztest::PressShortcut(kForm, QKeySequence(Qt::Key_F1));
        EXPECT_EQ(shownPage(), page);
        CurrentHelpViewer()->showTopic(35);
        eztest::Click(kForm, kHelp);
        EXPECT_EQ(shownPage(), page);
        EXPECT_TRUE(dialogOpen());
        eztest::Click(kForm, kCancel);
    });
    delete CurrentHelpViewer();
}

} // namespace
