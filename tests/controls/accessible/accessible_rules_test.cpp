#include "controls/accessible/colour_names.h"
#include "controls/accessible/field_caption.h"
#include "controls/accessible/shown_text.h"

#include <QPalette>
#include <gtest/gtest.h>

using namespace dorvane::accessible;

namespace {
const QRect field(100, 100, 50, 24);
Neighbour caption(int x, int y, int w = 50, int h = 16) { return {QRect(x, y, w, h), true}; }
Neighbour control(int x, int y, int w = 50, int h = 24) { return {QRect(x, y, w, h), false}; }
} // namespace

TEST(FieldCaption, TheCaptionJustAboveWinsOverOneBeside)
{
    EXPECT_EQ(captionIndexFor(field, {caption(20, 104), caption(110, 80), caption(90, 60)}), 1);
}

TEST(FieldCaption, WithNothingCloseAboveTheCaptionToTheLeftOnTheLineNamesTheField)
{
    EXPECT_EQ(captionIndexFor(field, {caption(100, 40), caption(10, 104), caption(30, 108, 40)}), 2)
        << "the nearer of two captions on the line";
}

TEST(FieldCaption, AControlBetweenTheFieldAndACaptionLeavesItUnnamed)
{
    EXPECT_EQ(captionIndexFor(field, {caption(10, 104), control(60, 100, 30)}), -1);
    EXPECT_EQ(captionIndexFor(field, {caption(200, 104), caption(100, 130)}), -1) << "right of it or below";
}

TEST(ColourNames, IdentifiersAreSpokenAsWordsAndUnnamedColoursByTheirRedGreenBlue)
{
    const QPalette palette;
    EXPECT_EQ(identifierInWords(QStringLiteral("clMoneyGreen")), QStringLiteral("Money Green"));
    EXPECT_EQ(identifierInWords(QStringLiteral("cl3DDkShadow")), QStringLiteral("3D Dk Shadow"));
    EXPECT_EQ(spokenColourName(0x00FFFF, QString(), palette), QStringLiteral("Yellow")) << "from the prepared list";
    EXPECT_EQ(spokenColourName(0x00FFFF, QStringLiteral("Warning"), palette), QStringLiteral("Warning"))
        << "a row's own text as it stands";
    EXPECT_EQ(spokenColourName(0x0080FF, QString(), palette), QStringLiteral("#FF8000"));
}

TEST(ShownText, AcceleratorMarksGoAndADoubledOneIsAnAmpersand)
{
    EXPECT_EQ(withoutAccelerators(QStringLiteral("&Start")), QStringLiteral("Start"));
    EXPECT_EQ(withoutAccelerators(QStringLiteral("Salt && &Pepper")), QStringLiteral("Salt & Pepper"));
    EXPECT_EQ(withoutAccelerators(QStringLiteral("50&")), QStringLiteral("50&"));
}
