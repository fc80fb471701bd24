// The reader and writer on whole files: the file's bytes in, the value of Time/Hours read, and
// the bytes on disk after Hours is written as 9. A row per rule and per line ending.
#include "settings/profile_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

using dorvane::ProfileFile;
using namespace dorvane::test;

namespace {

struct Row
{
    const char *name;
    std::string before;
    std::string read; // empty for an absent key too, as the file functions read it
    std::string after;
};

std::ostream &operator<<(std::ostream &out, const Row &row)
{
    return out << row.name;
}

std::string utf16(const std::u16string &text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

const std::u16string LoneSurrogate(1, char16_t(0xD800));

const Row Rows[] = {
    // Line ends: each line keeps its own; new lines take the first line's.
    {"LF_value_replaced", "[Time]\nHours=1\n", "1", "[Time]\nHours=9\n"},
    {"CRLF_value_replaced", "[Time]\r\nHours=1\r\n", "1", "[Time]\r\nHours=9\r\n"},
    {"CR_value_replaced", "[Time]\rHours=1\r", "1", "[Time]\rHours=9\r"},
    {"mixed_ends_each_line_keeps_its_own", "[Time]\nHours=1\r[Other]\r\nk=v\n", "1",
     "[Time]\nHours=9\r[Other]\r\nk=v\n"},
    {"CR_new_key_ends_as_the_first_line", "[Time]\rMins=2\r[Voice]\nYes=1\n", "",
     "[Time]\rMins=2\rHours=9\r[Voice]\nYes=1\n"},
    {"LF_new_key_in_a_CRLF_section", "[Voice]\nYes=1\n[Time]\r\nMins=2\r\n", "",
     "[Voice]\nYes=1\n[Time]\r\nMins=2\r\nHours=9\n"},
    {"CRLF_new_section_after_an_unterminated_line", "[Voice]\r\nYes=1", "",
     "[Voice]\r\nYes=1\r\n\r\n[Time]\r\nHours=9\r\n"},
    {"CR_new_section", "[Voice]\rYes=1\r", "", "[Voice]\rYes=1\r\r[Time]\rHours=9\r"},
    {"new_file_is_LF", "", "", "[Time]\nHours=9\n"},
    {"CR_before_an_LF_blank_line_is_written_CRLF", "[Time]\rMins=2\n\n[X]\n", "",
     "[Time]\rMins=2\nHours=9\r\n\n[X]\n"},
    {"LF_blank_line_after_a_CR_is_written_CRLF", "[Voice]\nYes=1\r", "",
     "[Voice]\nYes=1\r\r\n[Time]\nHours=9\n"},

    // Headers: first non-blank "[", a "]" somewhere, the name up to the last "]".
    {"open_bracket_without_close_is_no_header", "[Time]\n[junk=1\nHours=7\n", "7",
     "[Time]\n[junk=1\nHours=9\n"},
    {"header_without_close_bracket", "[Time\nHours=7\n", "", "[Time\nHours=7\n\n[Time]\nHours=9\n"},
    {"header_name_ends_at_the_last_bracket", "[Time]]\nHours=7\n", "",
     "[Time]]\nHours=7\n\n[Time]\nHours=9\n"},
    {"header_text_after_the_last_bracket_ignored", " \t[ Time ] note\nHours=7\n", "7",
     " \t[ Time ] note\nHours=9\n"},

    // Blanks: vertical tab, form feed and Ctrl-Z besides space and tab.
    {"CtrlZ_after_a_value", "[Time]\nHours=0\x1A", "0", "[Time]\nHours=9"},
    {"CtrlZ_end_of_file_mark_stays_last", "[Time]\r\nMins=1\r\n\x1A", "", "[Time]\r\nMins=1\r\nHours=9\r\n\x1A"},
    {"VT_and_FF_around_names_and_values", "[\vTime\f]\n\vHours\f=\v7\f\n", "7", "[\vTime\f]\n\vHours\f=\v9\n"},

    // A key line without "=": the key, empty; it shadows later lines and a write replaces it.
    {"key_without_equals_shadows_a_later_line", "[Time]\nHours\nHours=7\n", "", "[Time]\nHours=9\nHours=7\n"},
    {"key_without_equals_keeps_its_spelling", "[Time]\r\n  hours \t\r\n", "", "[Time]\r\n  hours=9\r\n"},

    // Encodings.
    {"UTF8_byte_order_mark_kept", "\xEF\xBB\xBF[Time]\nHours=1\n", "1", "\xEF\xBB\xBF[Time]\nHours=9\n"},
    {"UTF16_little_endian", utf16(u"[Time]\r\nHours=1\r\n", false), "1", utf16(u"[Time]\r\nHours=9\r\n", false)},
    {"UTF16_big_endian_new_section", utf16(u"[Voice]\nYes=1\n", true), "",
     utf16(u"[Voice]\nYes=1\n\n[Time]\nHours=9\n", true)},
    {"UTF16_other_lines_kept_unit_for_unit",
     utf16(u"[Time]\nName=\u00E9\U0001F600\n" + LoneSurrogate + u"\nHours=1\n", false) + "\x01", "1",
     utf16(u"[Time]\nName=\u00E9\U0001F600\n" + LoneSurrogate + u"\nHours=9\n", false) + "\x01"},
};

class ProfileRules : public testing::TestWithParam<Row>
{
};

TEST_P(ProfileRules, ReadsAndWritesTheFile)
{
    const Row &row = GetParam();
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    if (!row.before.empty())
        writeFile(path, row.before);
    ProfileFile file(path);

    EXPECT_EQ(file.readString("Time", "Hours"), row.read);
    ASSERT_TRUE(file.writeString("Time", "Hours", "9"));
    EXPECT_EQ(readFile(path), row.after);
    EXPECT_EQ(file.readString("Time", "Hours"), "9");
}

INSTANTIATE_TEST_SUITE_P(Rows, ProfileRules, testing::ValuesIn(Rows),
                         [](const testing::TestParamInfo<Row> &info) { return std::string(info.param.name); });

} // namespace
