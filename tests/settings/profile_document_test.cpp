#include "settings/profile_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using dorvane::ProfileDocument;

namespace {

struct ReadCase
{
    const char *name;
    std::string text;
    std::optional<std::string> expected; // of Time/Hours
};

TEST(ProfileDocumentRead, FindsValuesAsTheProfileFunctionsDo)
{
    const ReadCase cases[] = {
        {"plain", "[Time]\nHours=5\n", "5"},
        {"case of names", "[tIME]\nhOURS=5\n", "5"},
        {"blanks around everything", "  [ Time ]  \n \t Hours \t= \t5 \t\n", "5"},
        {"CRLF line ends", "[Time]\r\nHours=5\r\n", "5"},
        {"no final line end", "[Time]\nHours=5", "5"},
        {"double quotes", "[Time]\nHours=\"5 \"\n", "5 "},
        {"single quotes", "[Time]\nHours='5'\n", "5"},
        {"unmatched quotes stay", "[Time]\nHours=\"5'\n", "\"5'"},
        {"no inline comments", "[Time]\nHours=7 ; note\n", "7 ; note"},
        {"later equals signs are value", "[Time]\nHours=a=b\n", "a=b"},
        {"empty value is present", "[Time]\nHours=\n", ""},
        {"first duplicate key wins", "[Time]\nHours=1\nHOURS=2\n", "1"},
        {"first duplicate section wins", "[Time]\nMins=1\n[TIME]\nHours=2\n", std::nullopt},
        {"line without equals is a key with no value", "[Time]\nHours\n", ""},
        {"comment line is no key", "[Time]\n;Hours=5\n", std::nullopt},
        {"key of another section", "[Voice]\nHours=5\n[Time]\n", std::nullopt},
        {"key before any section", "Hours=5\n[Time]\n", std::nullopt},
        {"byte-order mark", "\xEF\xBB\xBF[Time]\nHours=5\n", "5"},
        {"empty text", "", std::nullopt},
    };
    for (const ReadCase &c : cases)
        EXPECT_EQ(ProfileDocument(c.text).value("Time", "Hours"), c.expected) << c.name;
}

TEST(ProfileDocumentRead, CutsLongValuesAsTheReadBufferWould)
{
    const std::string value(3000, '7');
    EXPECT_EQ(ProfileDocument("[Time]\nHours=" + value + "\n").value("Time", "Hours"),
              value.substr(0, ProfileDocument::MaxValueLength));
}

TEST(ProfileDocumentRead, ANulEndsANameOrAValueAndAWriteFindsTheKeyByTheSame)
{
    using namespace std::string_literals;
    const ReadCase cases[] = {
        {"in a value", "[Time]\nHours=7\0junk\n"s, "7"},
        {"in a quoted value", "[Time]\nHours='7'\0junk\n"s, "7"},
        {"in a key", "[Time]\nHours\0old=3\nHours=5\n"s, "3"},
        {"in a section", "[Time\0old]\nHours=4\n"s, "4"},
        {"a key that is only what follows one", "[Time]\n\0Hours=6\n"s, std::nullopt},
    };
    for (const ReadCase &c : cases)
        EXPECT_EQ(ProfileDocument(c.text).value("Time", "Hours"), c.expected) << c.name;

    // The key a read finds is the one a write changes; no second key is added.
    ProfileDocument document("[Time]\nHours\0old=3\n"s);
    ASSERT_TRUE(document.setValue("Time", "Hours", "9"));
    EXPECT_EQ(document.text(), "[Time]\nHours\0old=9\n"s);
}

struct WriteCase
{
    const char *name;
    std::string before;
    const char *section;
    const char *key;
    std::string after;
};

TEST(ProfileDocumentWrite, ChangesOnlyWhatItMustAndKeepsTheRestByteForByte)
{
    const WriteCase cases[] = {
        {"new document", "", "Time", "Hours", "[Time]\nHours=9\n"},
        {"byte-order mark kept", "\xEF\xBB\xBF[Time]\nHours=1\n", "Time", "Hours", "\xEF\xBB\xBF[Time]\nHours=9\n"},
        {"value replaced in place", "; c\r\n[Time]\r\nHOURS = 5 ; x\r\n\r\n[Other]\r\nk=v\r\n", "time", "Hours",
         "; c\r\n[Time]\r\nHOURS = 9\r\n\r\n[Other]\r\nk=v\r\n"},
        {"one key for two spellings", "[Display]\nBackGround=255\n", "Display", "Background",
         "[Display]\nBackGround=9\n"},
        {"first duplicate replaced", "[Time]\nHours=1\nHours=2\n[time]\nHours=3\n", "Time", "Hours",
         "[Time]\nHours=9\nHours=2\n[time]\nHours=3\n"},
        {"new key after the last key line", "[Time]\nHours=1\n; note\n\n[Voice]\nYes=1\n", "Time", "Mins",
         "[Time]\nHours=1\nMins=9\n; note\n\n[Voice]\nYes=1\n"},
        {"new key in a section without keys", "[Time]\n\n[Voice]\n", "Time", "Hours", "[Time]\nHours=9\n\n[Voice]\n"},
        {"new key after an unterminated last line", "[Time]\nHours=1", "Time", "Mins", "[Time]\nHours=1\nMins=9"},
        {"new section with the file's line end", "[Time]\r\nHours=1", "Display", "Yes",
         "[Time]\r\nHours=1\r\n\r\n[Display]\r\nYes=9\r\n"},
        {"new section after a blank line", "[Time]\nHours=1\n\n", "Display", "Yes", "[Time]\nHours=1\n\n[Display]\nYes=9\n"},
        {"new key goes to the first of duplicate sections", "[A]\nx=1\n[a]\nk=2\n", "A", "k",
         "[A]\nx=1\nk=9\n[a]\nk=2\n"},
    };
    for (const WriteCase &c : cases) {
        ProfileDocument document(c.before);
        ASSERT_TRUE(document.setValue(c.section, c.key, "9")) << c.name;
        EXPECT_EQ(document.text(), c.after) << c.name;
        EXPECT_EQ(document.value(c.section, c.key), "9") << c.name;
    }
}

TEST(ProfileDocumentWrite, RefusesWhatCannotBeStoredAsOneLine)
{
    const std::string before = "[Time]\nHours=1\n";
    ProfileDocument document(before);
    EXPECT_FALSE(document.setValue("Time", "Hours", "1\n[Evil]"));
    EXPECT_FALSE(document.setValue("Time", "Ho\nurs", "1"));
    EXPECT_FALSE(document.setValue("Time", "a=b", "1"));
    EXPECT_FALSE(document.setValue("Ti]me", "Hours", "1"));
    EXPECT_FALSE(document.setValue("", "Hours", "1"));
    EXPECT_FALSE(document.setValue("Time", " ", "1"));
    EXPECT_EQ(document.text(), before);
}

} // namespace
