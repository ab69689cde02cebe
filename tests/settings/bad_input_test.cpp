// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not what a settings file should be: random bytes, zero bytes, huge lines, odd line
// ends. Nothing may crash or hang, and a write must change only what it is about: every other value
// reads the same before and after it.
#include "app/settings/private_profile.h"

#include "tests/settings/profile_test_support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Random bytes drawn mostly from the characters that give a line its meaning.
std::string JunkFile(unsigned seed, std::size_t size) {
    static const std::string kShaped = std::string("[]=;\r\n\r\n \t\v\"'SsTKkJ#x\xFF\xC9\xE9") + '\0';
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> anyByte(0, 255), pick(0, static_cast<int>(kShaped.size()) - 1),
        kind(0, 3);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = kind(random) == 0 ? static_cast<char>(anyByte(random))
                              : kShaped[static_cast<std::size_t>(pick(random))];
    return bytes;
}

const std::vector<std::string> kSections = {"S", "s", "T", "", "\xC9"};
const std::vector<std::string> kKeys = {"K", "k", "J", "", "#x", "\xE9"};

// Every value that can be asked for with the names above, in a fixed order.
std::vector<std::string> ReadAll(const std::string& file) {
    std::vector<std::string> values;
    for (const std::string& section : kSections)
        for (const std::string& key : kKeys)
            values.push_back(ReadProfileValue(file, section, key, "<none>", 4000).text);
    return values;
}

bool SameName(const std::string& a, const std::string& b) {
    // The names above differ only by ASCII letter case and by E acute.
    auto fold = [](std::string s) {
        for (char& c : s) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
            if (c == '\xC9') c = '\xE9';
        }
        return s;
    };
    return fold(a) == fold(b);
}

class JunkFiles : public ::testing::TestWithParam<unsigned> {
  protected:
    TempFolder folder;
    std::string file = folder.file("QMK.ini");
};

TEST_P(JunkFiles, AWriteChangesOnlyItsOwnValue) {
    const std::string junk = JunkFile(GetParam(), 4000);
    for (std::size_t s = 0; s < kSections.size(); ++s) {
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            folder.write("QMK.ini", junk);
            const std::vector<std::string> before = ReadAll(file);
            ASSERT_TRUE(WriteProfileValue(file, kSections[s], kKeys[k], "written"));
            const std::vector<std::string> after = ReadAll(file);
            for (std::size_t i = 0; i < after.size(); ++i) {
                const std::string& section = kSections[i / kKeys.size()];
                const std::string& key = kKeys[i % kKeys.size()];
                const bool same = SameName(section, kSections[s]) && SameName(key, kKeys[k]);
                EXPECT_EQ(after[i], same ? "written" : before[i])
                    << "wrote [" << kSections[s] << "] " << kKeys[k] << ", read [" << section << "] " << key;
            }
        }
    }
}

TEST_P(JunkFiles, DeletingTouchesNoOtherSectionOrKey) {
    const std::string junk = JunkFile(GetParam(), 4000);
    for (std::size_t s = 0; s < kSections.size(); ++s) {
        folder.write("QMK.ini", junk);
        const std::vector<std::string> before = ReadAll(file);
        ASSERT_TRUE(DeleteProfileKey(file, kSections[s], "K"));
        std::vector<std::string> after = ReadAll(file);
        for (std::size_t i = 0; i < after.size(); ++i) {
            const bool deleted =
                SameName(kSections[i / kKeys.size()], kSections[s]) && SameName(kKeys[i % kKeys.size()], "K");
            if (!deleted) {
                EXPECT_EQ(after[i], before[i]) << "after deleting key K of [" << kSections[s] << "]";
            }
        }

        folder.write("QMK.ini", junk);
        ASSERT_TRUE(DeleteProfileSection(file, kSections[s]));
        after = ReadAll(file);
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (!SameName(kSections[i / kKeys.size()], kSections[s])) {
                EXPECT_EQ(after[i], before[i]) << "after deleting [" << kSections[s] << "]";
            }
        }
    }
}

TEST_P(JunkFiles, ANewSectionKeepsEveryOldByte) {
    const std::string junk = JunkFile(GetParam() + 1000, 64 * 1024);
    folder.write("QMK.ini", junk);
    ASSERT_TRUE(WriteProfileValue(file, "Quillmark test section", "Key", "value"));
    const std::string written = folder.read("QMK.ini");
    ASSERT_GE(written.size(), junk.size());
    EXPECT_EQ(written.substr(0, junk.size()), junk);
    EXPECT_EQ(ReadProfileValue(file, "Quillmark test section", "Key", "", 4000).text, "value");

    ASSERT_TRUE(DeleteProfileSection(file, "Quillmark test section"));
    const std::string restored = folder.read("QMK.ini");
    EXPECT_TRUE(restored == junk || restored == junk + "\r\n") << "the junk did not come back whole";
}

INSTANTIATE_TEST_SUITE_P(Seeds, JunkFiles, ::testing::Range(1u, 13u));

struct Shape {
    const char* what;
    std::string bytes;
};

// Odd files that must read and take a write without trouble; none holds the section written.
const std::vector<Shape> kShapes = {
    {"one line of 1 MiB without a line end", std::string(1 << 20, 'x')},
    {"1 MiB of opening brackets", std::string(1 << 20, '[')},
    {"1 MiB of equals signs", std::string(1 << 20, '=')},
    {"1 MiB of CRs", std::string(1 << 20, '\r')},
    {"1 MiB of LFs", std::string(1 << 20, '\n')},
    {"1 MiB of zero bytes", std::string(1 << 20, '\0')},
    {"a section header of 1 MiB", "[" + Digits(1 << 20)},
    {"a UTF-8 byte-order mark alone", "\xEF\xBB\xBF"},
    {"a lone CR", "\r"},
};

void PrintTo(const Shape& shape, std::ostream* out) {
    *out << shape.what;
}

class OddFiles : public ::testing::TestWithParam<Shape> {};

TEST_P(OddFiles, ReadAndTakeAWrite) {
    const TempFolder folder;
    const std::string file = folder.write("QMK.ini", GetParam().bytes);
    const std::string defaulted = ReadProfileValue(file, "Quillmark test section", "Other", "d", 4000).text;
    EXPECT_EQ(defaulted, "d");
    ASSERT_TRUE(WriteProfileValue(file, "Quillmark test section", "Key", "value"));
    EXPECT_EQ(ReadProfileValue(file, "Quillmark test section", "Key", "", 4000).text, "value");
    EXPECT_TRUE(folder.read("QMK.ini").starts_with(GetParam().bytes)) << "the old bytes were not kept";
}

INSTANTIATE_TEST_SUITE_P(Shapes, OddFiles, ::testing::ValuesIn(kShapes),
                         [](const ::testing::TestParamInfo<Shape>& param) {
                             return "Shape" + std::to_string(param.index);
                         });

} // namespace
