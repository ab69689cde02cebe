// SPDX-License-Identifier: GPL-3.0-or-later
// The built program run as a user runs it: quillmark --pdf FILE [--plan PLAN], the PDF read
// back with pdftotext, the refusals with their exit codes, and the data folder left as it was.
#include "tests/report/pdf_text.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

// Categories.dat with two profiles of its own: "Test Shop" is 8.0 % a month but May and
// December at 10.0 (a whole year), "Short Year" adds up to 99.9.
std::string ProfileFile() {
    auto row = [](const std::string& name, const std::vector<std::string>& months) {
        std::string text = "\"" + name + "\"\r\n";
        for (const std::string& m : months)
            text += m + "\r\n";
        return text;
    };
    return row("None", std::vector<std::string>(12, "0")) +
           row("Test Shop", {"8", "8", "8", "8", "10", "8", "8", "8", "8", "8", "8", "10"}) +
           row("Short Year", {"8", "8", "8", "8", "10", "8", "8", "8", "8", "8", "8", "9.9"});
}

// The [Info] section of a plan: Test Shop from November 2018, $12,000 at $50 an ad,
// Opportunity 10, Base 65, Events 25.
std::map<std::string, std::string> TestShopPlan() {
    return {{"Client", "Bloom & Petal"}, {"Station", "WQMK 101.5"},  {"Salesrep", "Pat Ortega"},
            {"PresentDate", "2458428"},  {"StartMonth", "November"}, {"Year", "2458428"},
            {"Budget", "12000.00"},      {"Rate", "50.00"},          {"Profile", "Test Shop"},
            {"Opportunity", "10"},       {"MaxValue", "90"},         {"CurrValue", "65"}};
}

std::string InfoSection(const std::map<std::string, std::string>& plan) {
    std::string text = "[Info]\r\n";
    for (const auto& [key, value] : plan)
        text += key + "=" + value + "\r\n";
    return text;
}

struct ProgramRun {
    int exitCode = -1;
    std::string standardError;
};

// Every file of a folder with its bytes.
std::map<std::string, std::string> Contents(const TempFolder& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
        const std::string name = std::filesystem::relative(entry.path(), folder.path()).string();
        files[name] = entry.is_regular_file() ? folder.read(name) : "(folder)";
    }
    return files;
}

class PdfCommand : public ::testing::Test {
  protected:
    TempFolder data; // QUILLMARK_HOME
    TempFolder work; // plans and PDFs

    void SetUp() override { data.write("Categories.dat", ProfileFile()); }

    QString path(const std::string& name) const { return QString::fromStdString(work.file(name)); }

    ProgramRun quillmark(const QStringList& arguments) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUILLMARK_HOME"), QString::fromStdString(data.path().string()));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the mode picks its own
        environment.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("QUILLMARK_PROGRAM"), arguments);
        if (!process.waitForFinished(60000)) return {};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardError().toStdString()};
    }

    // Prints a plan given with --plan and returns the PDF's text; fails the test on a refusal.
    std::string printed(const std::map<std::string, std::string>& plan) {
        work.write("plan.ini", InfoSection(plan));
        const ProgramRun run =
            quillmark({QStringLiteral("--pdf"), path("out.pdf"), QStringLiteral("--plan"), path("plan.ini")});
        EXPECT_EQ(run.exitCode, 0) << run.standardError;
        EXPECT_EQ(run.standardError, "");
        return PdfText(path("out.pdf"));
    }
};

bool Shows(const std::string& text, const std::string& pattern) {
    return std::regex_search(text, std::regex(pattern));
}

// Money as the page shows it in the currency: "$7,800", "€7.800", "£7,800".
struct Currency {
    const char* name;
    const char* option;
    const char* symbol;
    const char* thousands;
};

class PdfCurrency : public PdfCommand, public ::testing::WithParamInterface<Currency> {
  protected:
    std::string money(int whole) const {
        const std::string digits = std::to_string(whole);
        std::string grouped;
        for (size_t i = 0; i < digits.size(); ++i) {
            if (i > 0 && (digits.size() - i) % 3 == 0) grouped += std::string("\\") + GetParam().thousands;
            grouped += digits[i];
        }
        return std::string("\\") + GetParam().symbol + grouped; // escaped for a pattern ("\$7\,800")
    }
};

TEST_P(PdfCurrency, ThePageShowsThePlanInTheChosenCurrency) {
    data.write("QMK.ini", std::string("[Options]\r\nCurrency=") + GetParam().option + "\r\n");
    const std::string text = printed(TestShopPlan());

    EXPECT_TRUE(Shows(text, "Yearly Proposal for Bloom & Petal")) << text;
    EXPECT_TRUE(Shows(text, "Presented by: Pat Ortega, WQMK 101\\.5"));
    EXPECT_TRUE(Shows(text, "Presented: 11-05-2018"));
    for (const char* label : {"NOV '18", "DEC '18", "JAN '19", "FEB '19", "MAR '19", "APR '19", "MAY '19",
                              "JUN '19", "JUL '19", "AUG '19", "SEP '19", "OCT '19"})
        EXPECT_TRUE(Shows(text, label)) << label;

    EXPECT_TRUE(Shows(text, "TOTAL BUDGET: " + money(12000)));
    EXPECT_TRUE(Shows(text, "OPPORTUNITY BUDGET: " + money(1200) + " \\(10%\\)"));
    EXPECT_TRUE(Shows(text, "SPECIAL EVENT BUDGET: " + money(3000) + " +\\(25%\\)"));
    EXPECT_TRUE(Shows(text, "YEARLY BASE BUDGET: " + money(7800) + " +\\(65%\\)"));
    // Base 650 a month, 14 ads; May and December get 1,500 each of Events, 30 ads.
    EXPECT_TRUE(Shows(text, money(650) + " +" + money(650)));
    EXPECT_TRUE(Shows(text, "14 ads"));
    EXPECT_TRUE(Shows(text, money(1500) + "\\s+30 ads"));
    EXPECT_TRUE(Shows(text, "DEC '18 +" + money(650) + " +" + money(1500) + " +" + money(2150)));
    EXPECT_TRUE(Shows(text, "JAN '19 +" + money(650) + " +" + money(0) + " +" + money(650)));

    EXPECT_TRUE(Shows(text, "BASE BUDGET: +" + money(7800)));
    EXPECT_TRUE(Shows(text, "EVENTS BUDGET: +" + money(3000)));
    EXPECT_TRUE(Shows(text, "OPPORTUNITY BUDGET: +" + money(1200)));
    EXPECT_TRUE(Shows(text, "GRAND TOTAL: +" + money(12000)));
}

std::string CurrencyName(const ::testing::TestParamInfo<Currency>& currency) {
    return currency.param.name;
}

INSTANTIATE_TEST_SUITE_P(Currencies, PdfCurrency,
                         ::testing::Values(Currency{"Dollar", "0", "$", ","},
                                           Currency{"Euro", "1", "\u20AC", "."},
                                           Currency{"Pound", "2", "\u00A3", ","}),
                         CurrencyName);

TEST_F(PdfCommand, WithoutAPlanFileTheRememberedPlanIsPrintedAndTheDataFolderIsLeftAsItWas) {
    // Options that the window would act on when it closes: remember the client, keep a placement.
    data.write("QMK.ini", "[QM]\r\nLastCol=3\r\n[Options]\r\nRememberClient=1\r\nAutoUpdate=1\r\n" +
                              InfoSection(TestShopPlan()).substr(0));
    const auto before = Contents(data);
    const ProgramRun run = quillmark({QStringLiteral("--pdf"), path("remembered.pdf")});
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(run.standardError, "");
    EXPECT_TRUE(Shows(PdfText(path("remembered.pdf")), "Yearly Proposal for Bloom & Petal"));
    EXPECT_EQ(Contents(data), before);
}

TEST_F(PdfCommand, AMissingProfileFileIsCreatedAndNothingElseIsWritten) {
    std::filesystem::remove(data.path() / "Categories.dat");
    data.write("QMK.ini", "[Options]\r\nCurrency=0\r\n");
    auto plan = TestShopPlan();
    plan["Profile"] = "Florists"; // a built-in profile
    const std::string text = printed(plan);
    EXPECT_TRUE(Shows(text, "Yearly Proposal for Bloom & Petal"));
    EXPECT_TRUE(Shows(text, "11\\.7%")); // Florists' May
    auto after = Contents(data);
    EXPECT_EQ(after.size(), 2u);
    EXPECT_EQ(after["QMK.ini"], "[Options]\r\nCurrency=0\r\n");
    EXPECT_NE(after["Categories.dat"].find("\"Florists\""), std::string::npos);
}

TEST_F(PdfCommand, APlanTheWindowWouldNotPrintIsRefused) {
    struct Case {
        const char* key;
        const char* value;
        const char* reason;
    };
    const Case cases[] = {
        {"Client", "", "the client is empty"},
        {"Station", "  ", "the station is empty"},
        {"Salesrep", "", "the salesrep is empty"},
        {"Budget", "0", "the budget is empty"},
        {"Profile", "Short Year", "the months total 99.9, not 100.0"},
        {"Profile", "None", "the months total 0.0, not 100.0"},
        {"Profile", "Toy Shops", "the profile \"Toy Shops\" is not among the Business Profiles of "},
    };
    const auto before = Contents(data);
    for (const Case& c : cases) {
        auto plan = TestShopPlan();
        plan[c.key] = c.value;
        work.write("plan.ini", InfoSection(plan));
        work.write("old.pdf", "the proposal printed last week");
        const ProgramRun run =
            quillmark({QStringLiteral("--pdf"), path("old.pdf"), QStringLiteral("--plan"), path("plan.ini")});
        EXPECT_EQ(run.exitCode, 1) << c.reason;
        EXPECT_EQ(run.standardError.rfind(
                      "quillmark: cannot print the plan in " + work.file("plan.ini") + ": " + c.reason, 0),
                  0u)
            << run.standardError;
        EXPECT_EQ(std::count(run.standardError.begin(), run.standardError.end(), '\n'), 1)
            << run.standardError;
        EXPECT_EQ(work.read("old.pdf"), "the proposal printed last week") << c.reason;
    }
    EXPECT_EQ(Contents(data), before);
}

TEST_F(PdfCommand, FilesThatCannotBeReadOrWrittenAreToldInOneLine) {
    work.write("plan.ini", InfoSection(TestShopPlan()));
    const std::pair<QStringList, std::string> cases[] = {
        {{QStringLiteral("--pdf"), path("out.pdf"), QStringLiteral("--plan"), path("no such plan.ini")},
         "quillmark: cannot read the plan file " + work.file("no such plan.ini") + "\n"},
        {{QStringLiteral("--pdf"), path("no such folder/out.pdf"), QStringLiteral("--plan"),
          path("plan.ini")},
         "quillmark: cannot write " + work.file("no such folder/out.pdf") + ": No such file or directory\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = quillmark(arguments);
        EXPECT_EQ(run.exitCode, 1) << message;
        EXPECT_EQ(run.standardError, message);
    }
    EXPECT_FALSE(QFileInfo::exists(path("out.pdf")));
}

TEST_F(PdfCommand, ProfilesThatCannotBeReadAreNeverReplacedByTheBuiltInOnes) {
    // Printing the built-in curve instead of the user's own would be a wrong proposal with exit 0.
    work.write("plan.ini", InfoSection(TestShopPlan()));
    const std::string unusable = "\"\"\r\n" + ProfileFile();
    const struct {
        const char* what;
        std::function<void()> prepare;
        const char* reason;
    } cases[] = {
        {"a first name that is empty", [&] { data.write("Categories.dat", unusable); },
         "it holds no Business Profile"},
        {"a folder",
         [&] {
             std::filesystem::remove(data.path() / "Categories.dat");
             std::filesystem::create_directory(data.path() / "Categories.dat");
         },
         "it is a folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        const auto before = Contents(data);
        const ProgramRun run =
            quillmark({QStringLiteral("--pdf"), path("out.pdf"), QStringLiteral("--plan"), path("plan.ini")});
        EXPECT_EQ(run.exitCode, 1);
        const std::string told = data.file("Categories.dat") + " cannot be read: " + c.reason;
        EXPECT_NE(run.standardError.find(told), std::string::npos)
            << run.standardError << "\nwanted: " << told;
        EXPECT_FALSE(QFileInfo::exists(path("out.pdf")));
        EXPECT_EQ(Contents(data), before);
    }
}

TEST_F(PdfCommand, AMistakenCommandLineIsAUsageError) {
    const std::pair<QStringList, std::string> cases[] = {
        {{QStringLiteral("--pdf")}, "quillmark: --pdf needs a file name (see --help)\n"},
        {{QStringLiteral("--plan"), path("plan.ini")}, "quillmark: --plan needs --pdf FILE (see --help)\n"},
        {{QStringLiteral("--pdf"), path("out.pdf"), QStringLiteral("now")},
         "quillmark: unknown argument now (see --help)\n"},
        {{QStringLiteral("--pdf-dir"), path("out")},
         "quillmark: --pdf-dir needs at least one plan file (see --help)\n"},
        {{QStringLiteral("--pdf-dir"), path("out"), QStringLiteral("--pdf"), path("out.pdf")},
         "quillmark: --pdf-dir cannot be given with --pdf or --plan (see --help)\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = quillmark(arguments);
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_EQ(run.standardError, message);
    }
    EXPECT_TRUE(Contents(work).empty());
}

TEST_F(PdfCommand, HelpAndVersionStillAnswerFirst) {
    QProcess process;
    process.start(qEnvironmentVariable("QUILLMARK_PROGRAM"),
                  {QStringLiteral("--pdf"), path("out.pdf"), QStringLiteral("--version")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), "Quillmark 3.0.0.0\n");
    EXPECT_FALSE(QFileInfo::exists(path("out.pdf")));
}

// A plan file: the [Info] keys, the currency and the profile's percentages as saved.
std::string PlanFile(const std::string& client, const std::string& profile, const std::string& currency) {
    auto info = TestShopPlan();
    info["Client"] = client;
    info["Profile"] = profile;
    info["Currency"] = currency;
    std::string text = InfoSection(info) + "[Profile]\r\nName=" + profile + "\r\n";
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m < 12; ++m)
        text += std::string(months[m]) + "=" + (m == 4 || m == 11 ? "10.0" : "8.0") + "\r\n";
    return text;
}

TEST_F(PdfCommand, APlanFileIsPrintedWithItsOwnPercentagesAndCurrency) {
    // Its profile is not among those here: the plan's own percentages print all the same.
    work.write("Bloom.qmplan", PlanFile("Bloom & Petal", "Gone Shop", "2"));
    const auto before = Contents(data);
    const ProgramRun run = quillmark({QStringLiteral("--pdf"), path("out.pdf"), path("Bloom.qmplan")});
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(run.standardError, "");
    const std::string text = PdfText(path("out.pdf"));
    EXPECT_TRUE(Shows(text, "Yearly Proposal for Bloom & Petal")) << text;
    EXPECT_TRUE(Shows(text, "TOTAL BUDGET: \u00A312,000")) << text;
    EXPECT_TRUE(Shows(text, "10\\.0%"));
    EXPECT_EQ(Contents(data), before);
}

TEST_F(PdfCommand, ABatchPrintsEveryPlanToItsOwnPage) {
    QStringList arguments{QStringLiteral("--pdf-dir"), path("out")};
    for (int i = 1; i <= 100; ++i) {
        const std::string name = "client " + std::to_string(i) + ".qmplan";
        work.write(name, PlanFile("Client No " + std::to_string(i), "Test Shop", std::to_string(i % 3)));
        arguments << path(name);
    }
    const ProgramRun run = quillmark(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(run.standardError, "");
    const char* symbols[] = {"\\$", "\u20AC", "\u00A3"};
    for (int i = 1; i <= 100; ++i) {
        const QString pdf = path("out/client " + std::to_string(i) + ".pdf");
        const std::string text = PdfText(pdf);
        EXPECT_TRUE(Shows(text, "Yearly Proposal for Client No " + std::to_string(i) + "\\b")) << i;
        EXPECT_TRUE(Shows(text, std::string("TOTAL BUDGET: ") + symbols[i % 3] + "12.000")) << i << text;
        EXPECT_EQ(PdfInfo(pdf), "Pages:           1\nPage size:       612 x 792 pts (letter)\n") << i;
    }
    EXPECT_EQ(QDir(path("out")).entryList(QDir::Files).size(), 100);
}

TEST_F(PdfCommand, ABatchNamesThePlansItCannotPrintAndPrintsTheOthers) {
    work.write("good.qmplan", PlanFile("Good", "Test Shop", "0"));
    work.write("junk.qmplan", std::string("\x89PNG\r\n\x1A\n\0\0", 10));
    work.write("ini.qmplan", InfoSection(TestShopPlan()));
    std::string short_ = PlanFile("Short", "Test Shop", "0");
    short_.replace(short_.find("Dec=10.0"), 8, "Dec=9.9");
    work.write("short.qmplan", short_);
    const ProgramRun run =
        quillmark({QStringLiteral("--pdf-dir"), path("out"), path("junk.qmplan"), path("good.qmplan"),
                   path("ini.qmplan"), path("short.qmplan"), path("missing.qmplan")});
    EXPECT_EQ(run.exitCode, 1);
    for (const char* plan : {"junk.qmplan", "ini.qmplan", "short.qmplan", "missing.qmplan"})
        EXPECT_NE(run.standardError.find("quillmark: cannot print the plan " + work.file(plan) + ": "),
                  std::string::npos)
            << plan << "\n"
            << run.standardError;
    EXPECT_EQ(std::count(run.standardError.begin(), run.standardError.end(), '\n'), 4) << run.standardError;
    EXPECT_TRUE(Shows(PdfText(path("out/good.pdf")), "Yearly Proposal for Good"));
    EXPECT_EQ(QDir(path("out")).entryList(QDir::Files), QStringList{QStringLiteral("good.pdf")});
}

TEST_F(PdfCommand, ABatchIntoAFolderThatCannotBeWrittenStopsWithOneLine) {
    work.write("good.qmplan", PlanFile("Good", "Test Shop", "0"));
    work.write("not a folder", "a file where the folder should be");
    const ProgramRun run =
        quillmark({QStringLiteral("--pdf-dir"), path("not a folder"), path("good.qmplan")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(std::count(run.standardError.begin(), run.standardError.end(), '\n'), 1) << run.standardError;
    EXPECT_NE(run.standardError.find(work.file("not a folder")), std::string::npos) << run.standardError;
    EXPECT_EQ(work.read("not a folder"), "a file where the folder should be");
    EXPECT_FALSE(QFileInfo::exists(path("good.pdf")));
}

// The monthly table: the built program's --csv, read back by Python's csv module (as a spreadsheet
// program would read it) and held against the PDF of the same plan.

// The CSV file's rows as Python's csv module reads them (UTF-8 with its byte-order mark).
std::vector<std::vector<std::string>> PythonCsvRows(const QString& file) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                 "    rows = list(csv.reader(f, strict=True))\n"
                                 "print(json.dumps(rows))\n"),
                  file});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        ADD_FAILURE() << "python3 could not read " << file.toStdString() << ": "
                      << python.readAllStandardError().toStdString();
        return {};
    }
    std::vector<std::vector<std::string>> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        rows.emplace_back();
        for (const QJsonValue& field : row.toArray())
            rows.back().push_back(field.toString().toStdString());
    }
    return rows;
}

// "650.00" as 650; the plans here have whole amounts, which the page shows in full.
int WholeAmount(const std::string& field) {
    EXPECT_TRUE(Shows(field, "^[0-9]+\\.00$")) << field;
    return std::stoi(field);
}

TEST_P(PdfCurrency, TheCsvHoldsThePrintedFigures) {
    data.write("QMK.ini", std::string("[Options]\r\nCurrency=") + GetParam().option + "\r\n");
    const std::string page = printed(TestShopPlan());
    const ProgramRun run =
        quillmark({QStringLiteral("--csv"), path("table.csv"), QStringLiteral("--plan"), path("plan.ini")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(run.standardError, "");
    const std::string bytes = work.read("table.csv");
    EXPECT_EQ(bytes.rfind("\xEF\xBB\xBFMonth,Base,", 0), 0u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    const auto rows = PythonCsvRows(path("table.csv"));
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Month", "Base", "Events", "Total", "Base ads", "Events ads",
                                                 "Percent"}));
    for (size_t k = 1; k <= 12; ++k) {
        const auto& row = rows[k];
        ASSERT_EQ(row.size(), 7u);
        EXPECT_TRUE(Shows(page, row[0] + " +" + money(WholeAmount(row[1])) + " +" +
                                    money(WholeAmount(row[2])) + " +" + money(WholeAmount(row[3]))))
            << row[0];
        EXPECT_TRUE(Shows(page, "\\b" + row[4] + " ads")) << row[0];
        if (!row[5].empty()) {
            EXPECT_TRUE(Shows(page, money(WholeAmount(row[2])) + "\\s+" + row[5] + " ads")) << row[0];
        }
        EXPECT_TRUE(Shows(page, row[6] + "%")) << row[0];
    }
    EXPECT_EQ(rows[1][0], "NOV '18");
    EXPECT_EQ(rows[12][0], "OCT '19");
    const std::pair<const char*, const char*> summary[] = {{"Base budget", "BASE BUDGET:"},
                                                           {"Events budget", "EVENTS BUDGET:"},
                                                           {"Opportunity budget", "OPPORTUNITY BUDGET:"},
                                                           {"Grand total", "GRAND TOTAL:"}};
    for (size_t n = 0; n < 4; ++n) {
        EXPECT_EQ(rows[13 + n][0], summary[n].first);
        EXPECT_TRUE(Shows(page, std::string(summary[n].second) + " +" + money(WholeAmount(rows[13 + n][3]))))
            << summary[n].first;
    }
}

TEST_F(PdfCommand, ACsvThatCannotBeWrittenLeavesTheOldFileAndSaysWhy) {
    work.write("plan.ini", InfoSection(TestShopPlan()));
    work.write("old.csv", "last week's table");
    std::filesystem::create_directory(work.path() / "folder.csv");
    std::filesystem::create_directory(work.path() / "locked");
    work.write("locked/old.csv", "kept");
    std::filesystem::permissions(work.path() / "locked",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool lockHolds = ::access(work.file("locked").c_str(), W_OK) != 0; // root writes anyway
    const std::pair<std::string, int> cases[] = {
        {"folder.csv", 1},
        {"no such folder/out.csv", 1},
        {"locked/old.csv", lockHolds ? 1 : 0},
    };
    for (const auto& [name, code] : cases) {
        const ProgramRun run =
            quillmark({QStringLiteral("--csv"), path(name), QStringLiteral("--plan"), path("plan.ini")});
        EXPECT_EQ(run.exitCode, code) << name << ": " << run.standardError;
        if (code == 1) {
            EXPECT_EQ(run.standardError.rfind("quillmark: cannot write " + work.file(name) + ": ", 0), 0u)
                << run.standardError;
            EXPECT_EQ(std::count(run.standardError.begin(), run.standardError.end(), '\n'), 1);
        }
    }
    if (lockHolds) {
        EXPECT_EQ(work.read("locked/old.csv"), "kept");
    }
    std::filesystem::permissions(work.path() / "locked", std::filesystem::perms::owner_all);
    EXPECT_TRUE(std::filesystem::is_directory(work.path() / "folder.csv"));

    // A plan the window would not print gives no table either.
    auto plan = TestShopPlan();
    plan["Profile"] = "Short Year";
    work.write("plan.ini", InfoSection(plan));
    const ProgramRun refused =
        quillmark({QStringLiteral("--csv"), path("old.csv"), QStringLiteral("--plan"), path("plan.ini")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.standardError.find("the months total 99.9, not 100.0"), std::string::npos);
    EXPECT_EQ(work.read("old.csv"), "last week's table");
}

TEST_F(PdfCommand, AMistakenCsvCommandLineIsAUsageError) {
    const std::pair<QStringList, std::string> cases[] = {
        {{QStringLiteral("--csv")}, "quillmark: --csv needs a file name (see --help)\n"},
        {{QStringLiteral("--csv="), QStringLiteral("--plan"), path("plan.ini")},
         "quillmark: --csv needs a file name (see --help)\n"},
        {{QStringLiteral("--csv"), path("a.csv"), QStringLiteral("--csv"), path("b.csv")},
         "quillmark: --csv is given twice (see --help)\n"},
        {{QStringLiteral("--csv"), path("a.csv"), QStringLiteral("--pdf"), path("a.pdf")},
         "quillmark: --csv and --pdf cannot be given together (see --help)\n"},
        {{QStringLiteral("--csv"), path("a.csv"), QStringLiteral("later")},
         "quillmark: unknown argument later (see --help)\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = quillmark(arguments);
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_EQ(run.standardError, message);
    }
    EXPECT_TRUE(Contents(work).empty());
}

} // namespace
