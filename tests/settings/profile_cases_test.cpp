// SPDX-License-Identifier: GPL-3.0-or-later
// The private-profile layer against the settings-file cases: each row starts from a file (or none),
// runs reads, writes and outside changes in order, and ends with the bytes the file must hold.
// Every write is also checked to replace the file whole: a second name made for the old file beforehand
// must still hold the old version, and no temporary file may be left beside it.
#include "app/settings/private_profile.h"

#include "tests/settings/profile_test_support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

enum class Op { Read, Write, DeleteKey, DeleteSection, ChangeFile, RemoveFile };

struct Step {
    Op op = Op::Read;
    std::string section, key;
    std::string text; // Read: the text expected; Write: the value; ChangeFile: the file's new bytes
    std::string defaultValue;
    std::size_t bufferSize = 4000;
    bool succeeds = true; // writes and deletes
};

Step MakeStep(Op op, std::string section = {}, std::string key = {}, std::string text = {}) {
    Step step;
    step.op = op;
    step.section = std::move(section);
    step.key = std::move(key);
    step.text = std::move(text);
    return step;
}
Step ReadOr(std::string section, std::string key, std::string defaultValue, std::string expected,
            std::size_t bufferSize = 4000) {
    Step step = MakeStep(Op::Read, std::move(section), std::move(key), std::move(expected));
    step.defaultValue = std::move(defaultValue);
    step.bufferSize = bufferSize;
    return step;
}
Step Read(std::string section, std::string key, std::string expected) {
    return ReadOr(std::move(section), std::move(key), "", std::move(expected));
}
Step ReadInto(std::size_t bufferSize, std::string section, std::string key, std::string expected) {
    return ReadOr(std::move(section), std::move(key), "", std::move(expected), bufferSize);
}
Step Write(std::string section, std::string key, std::string value) {
    return MakeStep(Op::Write, std::move(section), std::move(key), std::move(value));
}
Step DeleteKey(std::string section, std::string key) {
    return MakeStep(Op::DeleteKey, std::move(section), std::move(key));
}
Step DeleteSection(std::string section) {
    return MakeStep(Op::DeleteSection, std::move(section));
}
Step ChangeFile(std::string bytes) {
    return MakeStep(Op::ChangeFile, "", "", std::move(bytes));
}
Step RemoveFile() {
    return MakeStep(Op::RemoveFile);
}
Step Fails(Step step) {
    step.succeeds = false;
    return step;
}

struct Case {
    int number;
    const char* what;
    std::optional<std::string> file; // std::nullopt: no file at the start
    std::vector<Step> steps;
    std::optional<std::string> after; // std::nullopt: the file as it was before the writes (if any)
    bool missingFolder = false;       // the file's folder does not exist
};

const std::string kLong = Digits(1 << 20);

const std::vector<Case> kCases = {
    // Matching
    {1, "names match without regard to case", "[Sec]\r\nKey=v\r\n", {Read("SEC", "kEY", "v")}, {}},
    {2,
     "code page 1252 letters pair up",
     "[\xC9t\xE9]\r\nCl\xC9=v\r\n",
     {Read("\xE9T\xC9", "cl\xE9", "v")},
     {}},
    {2,
     "S/s, Y/y with diaeresis and OE pair up",
     "[\x8A\x9F\x8C\x8E]\r\nK=v\r\n",
     {Read("\x9A\xFF\x9C\x9E", "K", "v")},
     {}},
    {2,
     "multiplication and division signs are not a pair",
     "[\xD7]\r\nK=v\r\n",
     {ReadOr("\xF7", "K", "d", "d")},
     {}},
    {3,
     "only spaces are stripped from the names asked for",
     "[Sec]\r\nKey=v\r\n",
     {Read("  Sec  ", "  Key ", "v"), ReadOr("\tSec", "Key", "d", "d"), ReadOr("Sec", "Key\t", "d", "d"),
      ReadOr("Sec\v", "Key", "d", "d")},
     {}},
    {4,
     "blanks around brackets, names, '=' and value are ignored",
     "  [ Sec \t]  \r\n \tKey \t= \t v \t\r\n\v[\vVT\v]\r\n\vK\v=\vw\v\r\n",
     {Read("Sec", "Key", "v"), Read("VT", "K", "w")},
     {}},
    {5,
     "text after ']' is ignored",
     "[Sec]K=v\r\nJ=w\r\n",
     {ReadOr("Sec", "K", "d", "d"), Read("Sec", "J", "w")},
     {}},
    {6,
     "a section name ends at the first ']'",
     "[a]b]\r\nK=v",
     {Read("a", "K", "v"), ReadOr("a]b", "K", "d", "d")},
     {}},
    {7, "a header without ']' still names a section", "[Sec   \r\nK=v", {Read("Sec", "K", "v")}, {}},
    {7,
     "a line without '[' is no header",
     "Sec]\r\nK=v",
     {ReadOr("Sec", "K", "d", "d"), ReadOr("Sec]", "K", "d", "d")},
     {}},
    {8,
     "quotes belong to names",
     "[\"S\"]\r\n'K'=v\r\n",
     {Read("\"S\"", "'K'", "v"), ReadOr("S", "K", "d", "d")},
     {}},
    {9, "an empty section name", "[]\r\nK=v", {Read("", "K", "v")}, {}},
    {9,
     "keys before the first section cannot be reached",
     "K=v\r\n[S]\r\n",
     {ReadOr("", "K", "d", "d"), ReadOr("S", "K", "d", "d")},
     {}},
    {10, "the first of two keys wins", "[S]\r\nK=1\r\nk=2\r\n", {Read("S", "K", "1")}, {}},
    {11,
     "only the first section of a name is searched",
     "[S]\r\n[s]\r\nK=v\r\n",
     {ReadOr("S", "K", "d", "d")},
     {}},

    // Values
    {12,
     "outer blanks, then one pair of quotes, are removed",
     "[S]\r\nK=  \t\"  x  \"\t \r\nJ=' y '\r\n",
     {Read("S", "K", "  x  "), Read("S", "J", " y ")},
     {}},
    {13,
     "only a matching outer pair of quotes is removed",
     "[S]\r\nA='\"x\"'\r\nB=\"x'\r\nC='\"x'\"\r\n",
     {Read("S", "A", "\"x\""), Read("S", "B", "\"x'"), Read("S", "C", "'\"x'\"")},
     {}},
    {14,
     "a lone quote stays, a pair alone leaves nothing",
     "[S]\r\nA=\"\r\nB=\"\"\r\n",
     {Read("S", "A", "\""), Read("S", "B", "")},
     {}},
    {15,
     "there are no comments after a value",
     "[S]\r\nA=v ; c\r\nB=;x\r\nC=#x\r\n",
     {Read("S", "A", "v ; c"), Read("S", "B", ";x"), Read("S", "C", "#x")},
     {}},
    {16,
     "';' starts a comment line, '#' does not",
     "[S]\r\n;K=v\r\n \t;J=w\r\n#H=u\r\n",
     {ReadOr("S", "K", "d", "d"), ReadOr("S", ";K", "d", "d"), ReadOr("S", "J", "d", "d"),
      ReadOr("S", ";J", "d", "d"), Read("S", "#H", "u")},
     {}},
    {17,
     "an empty value is not the default",
     "[S]\r\nK=\r\nJ= \t \r\n",
     {ReadOr("S", "K", "d", ""), ReadOr("S", "J", "d", "")},
     {}},
    {18, "a line without '=' is no key", "[S]\r\nK\r\n", {ReadOr("S", "K", "d", "d")}, {}},
    {19, "a missing key gives the default", "[S]\r\nK=v\r\n", {ReadOr("S", "J", "d", "d")}, {}},
    {19, "a missing section gives the default", "[S]\r\nK=v\r\n", {ReadOr("T", "K", "d", "d")}, {}},
    {19, "a missing file gives the default", std::nullopt, {ReadOr("S", "K", "d", "d")}, {}},

    // The default
    {20,
     "only trailing spaces leave the default",
     "[S]\r\n",
     {Read("S", "K", ""), ReadOr("S", "K", "  d  ", "  d"), ReadOr("S", "K", "d\t", "d\t"),
      ReadOr("S", "K", "d \t ", "d \t")},
     {}},
    {21, "quotes stay on the default", std::nullopt, {ReadOr("S", "K", "\"d\"", "\"d\"")}, {}},
    {22, "the default is cut to the buffer", std::nullopt, {ReadOr("S", "K", "default", "def", 4)}, {}},

    // The buffer
    {23,
     "a value is cut to one byte less than the buffer",
     "[S]\r\nname1=val1",
     {ReadInto(5, "S", "name1", "val1"), ReadInto(4, "S", "name1", "val"), ReadInto(1, "S", "name1", ""),
      ReadInto(0, "S", "name1", "")},
     {}},
    {23,
     "the standard buffer holds 3999 bytes",
     "[S]\r\nA=" + Digits(4000) + "\r\nB=" + Digits(3999) + "\r\nC=" + Digits(3998) + "\r\n",
     {Read("S", "A", Digits(3999)), Read("S", "B", Digits(3999)), Read("S", "C", Digits(3998))},
     {}},
    {24,
     "values beyond 64 KiB are cut like any other",
     "[S]\r\nK=" + Digits(70000) + "\r\n",
     {Read("S", "K", Digits(3999)), ReadInto(65539, "S", "K", Digits(65538)),
      ReadInto(100000, "S", "K", Digits(70000))},
     {}},

    // Line shapes on reading
    {26, "CR LF line ends", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n", {Read("A", "k", "1"), Read("B", "k", "2")}, {}},
    {26, "CR-only line ends", "[A]\rk=1\r[B]\rk=2\r", {Read("A", "k", "1"), Read("B", "k", "2")}, {}},
    {26, "LF-only line ends", "[A]\nk=1\n[B]\nk=2\n", {Read("A", "k", "1"), Read("B", "k", "2")}, {}},
    {26, "mixed line ends", "[A]\n\rk=1\r\r\n[B]\nk=2", {Read("A", "k", "1"), Read("B", "k", "2")}, {}},
    {27, "a last line without a line end", "[S]\r\nA=1\r\nK=v", {Read("S", "K", "v")}, {}},
    {28,
     "zero bytes and junk are ignored on reading",
     "\0\0junk\x01\x02\r\n[S]\r\n\x00\xFF\xFE\x7F garbage\r\n\x1B\r\nK=v\r\n"s,
     {Read("S", "K", "v")},
     {}},
    {28,
     "zero bytes and junk are kept on writing",
     "\0junk\r\n[S]\r\nbin\x01\x02\r\nK=v\r\n\0\0"s,
     {Write("S", "J", "w"), Write("S", "K", "x")},
     "\0junk\r\n[S]\r\nbin\x01\x02\r\nK=x\r\nJ=w\r\n\0\0"s},

    // Writing
    {29, "a missing file", std::nullopt, {Write("App", "key", "string")}, "[App]\r\nkey=string\r\n"},
    {29, "an empty file", "", {Write("App", "key", "string")}, "[App]\r\nkey=string\r\n"},
    {29, "a missing folder fails", std::nullopt, {Fails(Write("App", "key", "string"))}, {}, true},
    {30,
     "new sections go at the end, no blank line before them",
     std::nullopt,
     {Write("App1", "key1", "string1"), Write("App1", "key2", "string2"), Write("App1", "key3", "string3"),
      Write("App2", "key4", "string4"), Write("App3", "key5", "string5")},
     "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n[App3]\r\nkey5="
     "string5\r\n"},
    {31,
     "a line end is added before a new section",
     "Data",
     {Write("section1", "key1", "string1")},
     "Data\r\n[section1]\r\nkey1=string1\r\n"},
    {32,
     "a replaced line stays in place with the file's spelling",
     "[SectionName]\r\nTestKey=TestValue",
     {Write("SECTIONNAME", "TESTKEY", "TestValue2")},
     "[SectionName]\r\nTestKey=TestValue2\r\n"},
    {33,
     "a replaced line loses its blanks",
     "[S]\r\n \tK \t=  old \r\nJ=1\r\n",
     {Write("S", "k", "new")},
     "[S]\r\nK=new\r\nJ=1\r\n"},
    {33,
     "a replaced line keeps its own line end",
     "[S]\nK = old\nJ=1\n",
     {Write("S", "K", "new")},
     "[S]\nK=new\nJ=1\n"},
    {34,
     "existing keys stay put, new keys follow in call order",
     "[S]\r\nb=value\r\na=value\r\n",
     {Write("S", "z", ""), Write("S", "b", ""), Write("S", "y", ""), Write("S", "a", "")},
     "[S]\r\nb=\r\na=\r\nz=\r\ny=\r\n"},
    {35,
     "a new key goes right after the section's last key line",
     ";c0\r\n[S]\r\n;c1\r\nb=value\r\n;c2\r\na=value\r\n",
     {Write("S", "z", ""), Write("S", "y", ""), Write("S", "a", ""), Write("S", "b", "")},
     ";c0\r\n[S]\r\n;c1\r\nb=\r\n;c2\r\na=\r\nz=\r\ny=\r\n"},
    {35,
     "a section without keys takes its first right after the header",
     "[S]\r\n;c\r\n\r\n",
     {Write("S", "k", "v")},
     "[S]\r\nk=v\r\n;c\r\n\r\n"},
    {36,
     "a new key goes before a blank line",
     "[A]\r\na=1\r\n\r\n[B]\r\n",
     {Write("A", "b", "2")},
     "[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\n"},
    {37,
     "a new key after a last line without a line end",
     "[S]\r\na=1",
     {Write("S", "b", "2")},
     "[S]\r\na=1\r\nb=2\r\n"},
    {37, "a new key after a last header without a line end", "[S]", {Write("S", "b", "2")}, "[S]\r\nb=2\r\n"},
    {38,
     "the first of duplicate keys and sections is the one changed",
     "[S]\r\nK=1\r\nK=2\r\n[S]\r\nK=3\r\nJ=4\r\n",
     {Write("S", "K", "x"), Write("S", "J", "y"), Read("S", "J", "y")},
     "[S]\r\nK=x\r\nK=2\r\nJ=y\r\n[S]\r\nK=3\r\nJ=4\r\n"},
    {38,
     "deleting removes the first of duplicates",
     "[S]\r\nK=1\r\nK=2\r\n[S]\r\nK=3\r\n",
     {DeleteKey("S", "K"), Read("S", "K", "2"), DeleteSection("S"), Read("S", "K", "3")},
     "[S]\r\nK=3\r\n"},
    {39,
     "only spaces are stripped from names written",
     std::nullopt,
     {Write(" sec ", " key ", "v")},
     "[sec]\r\nkey=v\r\n"},
    {39,
     "a tab keeps a name apart",
     "[S]\r\nK=1\r\n",
     {Write("\tS", "K", "v"), Read("S", "K", "1")},
     "[S]\r\nK=1\r\n[\tS]\r\nK=v\r\n"},
    {40,
     "a value is written as given",
     std::nullopt,
     {Write("S", "K", " \tv\t "), Read("S", "K", "v")},
     "[S]\r\nK= \tv\t \r\n"},
    {40,
     "a value is cut at its first CR or LF",
     "[S]\r\nA=0\r\n",
     {Write("S", "A", "a\r\nB=evil"), Write("S", "B", "b\nC=evil"), Write("S", "C", "c\rD=evil"),
      ReadOr("S", "D", "d", "d")},
     "[S]\r\nA=a\r\nB=b\r\nC=c\r\n"},
    {41,
     "an empty value and an empty key",
     std::nullopt,
     {Write("S", "K", ""), Write("S", "", "v"), Read("S", "", "v"), ReadOr("S", "K", "d", "")},
     "[S]\r\nK=\r\n=v\r\n"},
    {44,
     "deleting a key removes its line only",
     "[S]\r\n;c\r\nA=1\r\n K = 2\r\n\r\nB=3",
     {DeleteKey("s", "k"), ReadOr("S", "K", "d", "d"), Read("S", "B", "3")},
     "[S]\r\n;c\r\nA=1\r\n\r\nB=3"},
    {44,
     "deleting a last line without a line end",
     "[S]\r\nA=1\r\nK=2",
     {DeleteKey("S", "K")},
     "[S]\r\nA=1\r\n"},
    {44,
     "deleting a missing key changes nothing",
     "[S]\nA=1",
     {DeleteKey("S", "K"), DeleteKey("T", "A")},
     {}},
    {44,
     "deleting from a missing file creates none",
     std::nullopt,
     {DeleteKey("S", "K"), DeleteSection("S")},
     {}},
    {45,
     "deleting a section keeps its comments",
     ";c0\r\n[S]\r\nA=1\r\n;c1\r\nB=2\r\n\r\n[T]\r\nC=3\r\n",
     {DeleteSection("s"), ReadOr("S", "A", "d", "d"), Read("T", "C", "3")},
     ";c0\r\n;c1\r\n\r\n[T]\r\nC=3\r\n"},
    {45, "deleting a missing section changes nothing", "[S]\r\nA=1\r\n", {DeleteSection("T")}, {}},
    {48,
     "bytes 0x80 to 0xFF pass unchanged",
     "[\x80\xA3]\r\n\xE9=\xFF\x99\r\n",
     {Read("\x80\xA3", "\xC9", "\xFF\x99"), Write("\x80\xA3", "\xE9", "\x97\x80"),
      Write("\xA3", "\x9F", "\xA0\xFF")},
     "[\x80\xA3]\r\n\xE9=\x97\x80\r\n[\xA3]\r\n\x9F=\xA0\xFF\r\n"},
    {49,
     "a UTF-8 byte-order mark is part of the first line",
     "\xEF\xBB\xBF[S]\r\nK=v\r\n[T]\r\nK=w\r\n",
     {ReadOr("S", "K", "d", "d"), Read("T", "K", "w"), Write("S", "K", "x")},
     "\xEF\xBB\xBF[S]\r\nK=v\r\n[T]\r\nK=w\r\n[S]\r\nK=x\r\n"},
    {50,
     "a UTF-16 file reads as defaults and is never rewritten",
     "\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0v\0\r\0\n\0"s,
     {ReadOr("S", "K", "d", "d"), Fails(Write("S", "K", "x")), Fails(DeleteKey("S", "K")),
      Fails(DeleteSection("S"))},
     {}},
    {50,
     "big-endian UTF-16 as well",
     "\xFE\xFF\0[\0S\0]\0\r\0\n\0K\0=\0v"s,
     {ReadOr("S", "K", "d", "d"), Fails(Write("S", "K", "x"))},
     {}},

    // Files and other processes
    {53,
     "every call sees the file as it is now",
     "[S]\r\nK=1\r\n",
     {Read("S", "K", "1"), ChangeFile("[S]\r\nK=2\r\n"), Read("S", "K", "2"), Write("S", "J", "x"),
      Read("S", "J", "x"), ChangeFile("[S]\r\nK=3\r\n"), ReadOr("S", "J", "d", "d"), Write("S", "L", "y"),
      RemoveFile(), ReadOr("S", "K", "d", "d"), Write("S", "K", "4")},
     "[S]\r\nK=4\r\n"},
    {54,
     "a write replaces the file whole",
     "[S]\r\nK=old\r\nJ=1\r\n",
     {Write("S", "K", "new")},
     "[S]\r\nK=new\r\nJ=1\r\n"},
    {55,
     "lines have no length limit of their own",
     "[S]\r\nLong=" + kLong + "\r\n" + Digits(5000) + "=v\r\nK=v",
     {Read("S", "K", "v"), ReadInto(kLong.size() + 1, "S", "Long", kLong), Read("S", Digits(5000), "v"),
      Write("S", "J", "w")},
     "[S]\r\nLong=" + kLong + "\r\n" + Digits(5000) + "=v\r\nK=v\r\nJ=w\r\n"},
};

std::string Describe(const Case& c) {
    return "case " + std::to_string(c.number) + ": " + c.what;
}

void PrintTo(const Case& c, std::ostream* out) {
    *out << Describe(c);
}

class ProfileCases : public ::testing::TestWithParam<Case> {
  protected:
    TempFolder folder;
    std::filesystem::path folderPath = folder.path();
    std::filesystem::path filePath;

    std::optional<std::string> FileBytes() const {
        if (!std::filesystem::is_regular_file(filePath)) return std::nullopt;
        return folder.read("QMK.ini");
    }

    // Names in the folder other than the settings file: a temporary file left behind would show here.
    std::vector<std::string> Strays() const {
        std::vector<std::string> strays;
        if (!std::filesystem::exists(folderPath)) return strays;
        for (const auto& entry : std::filesystem::directory_iterator(folderPath))
            if (entry.path() != filePath) strays.push_back(entry.path().filename().string());
        return strays;
    }

    bool Change(const Step& step) {
        const std::string file = filePath.string();
        switch (step.op) {
        case Op::Write:
            return WriteProfileValue(file, step.section, step.key, step.text);
        case Op::DeleteKey:
            return DeleteProfileKey(file, step.section, step.key);
        case Op::DeleteSection:
            return DeleteProfileSection(file, step.section);
        default:
            return false;
        }
    }

    void RunChange(const Step& step) {
        const std::optional<std::string> before = FileBytes();
        const std::filesystem::path oldVersion = folder.path() / "old-version.link";
        std::error_code linkError;
        if (before) std::filesystem::create_hard_link(filePath, oldVersion, linkError);
        const bool linked = before && !linkError;

        EXPECT_EQ(Change(step), step.succeeds) << "section " << step.section << ", key " << step.key;
        if (!step.succeeds) {
            EXPECT_EQ(FileBytes(), before) << "a failed change leaves the file as it was";
        }
        if (linked) {
            EXPECT_EQ(folder.read("old-version.link"), *before) << "the old file was rewritten in place";
            std::filesystem::remove(oldVersion);
        }
        EXPECT_TRUE(Strays().empty()) << "left beside the file: " << ::testing::PrintToString(Strays());
    }
};

TEST_P(ProfileCases, BehavesAsTheCaseSays) {
    const Case& c = GetParam();
    SCOPED_TRACE(Describe(c));
    if (c.missingFolder) folderPath /= "missing";
    filePath = folderPath / "QMK.ini";
    if (c.file) folder.write("QMK.ini", *c.file);
    std::optional<std::string> unchanged = c.file;

    for (const Step& step : c.steps) {
        switch (step.op) {
        case Op::Read: {
            const ProfileValue value = ReadProfileValue(filePath.string(), step.section, step.key,
                                                        step.defaultValue, step.bufferSize);
            EXPECT_EQ(value.text, step.text) << "section " << step.section << ", key "
                                             << step.key.substr(0, 40) << ", buffer " << step.bufferSize;
            EXPECT_EQ(value.count, step.text.size());
            break;
        }
        case Op::ChangeFile:
            folder.write("QMK.ini", step.text);
            unchanged = step.text;
            break;
        case Op::RemoveFile:
            std::filesystem::remove(filePath);
            unchanged.reset();
            break;
        default:
            RunChange(step);
            break;
        }
    }
    EXPECT_EQ(FileBytes(), c.after ? c.after : unchanged);
    if (c.missingFolder) {
        EXPECT_FALSE(std::filesystem::exists(folderPath)) << "the missing folder was created";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& param) {
                             return "Case" + std::to_string(param.param.number) + "_" +
                                    std::to_string(param.index);
                         });

} // namespace
