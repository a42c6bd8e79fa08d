// Which engine key a key of the SDL back end is, on Latin and non-Latin keyboard layouts.
#include "engine/platform/key_translation.h"

#include <gtest/gtest.h>

namespace
{
// Scancodes name a key by its position (USB usages, as on a US keyboard).
constexpr int PositionA = 4, PositionM = 16, PositionQ = 20, PositionY = 28;
constexpr int Position1 = 30, Position2 = 31, Position0 = 39, PositionComma = 54;
constexpr bool Latin = true, OtherScript = false;
} // namespace

TEST(KeyTranslationTest, OnLayoutsOfOtherScriptsLetterKeysCountByPosition)
{
    EXPECT_EQ(TranslateSdlKey(0x439, PositionQ, OtherScript), 'Q') << "Russian short i";
    EXPECT_EQ(TranslateSdlKey(0x444, PositionA, OtherScript), 'A') << "Russian ef";
    EXPECT_EQ(TranslateSdlKey(';', PositionQ, OtherScript), 'Q') << "Greek layout's Q key";
    EXPECT_EQ(TranslateSdlKey(0x431, PositionComma, OtherScript), 0xBCu)
        << "Russian be sits where no letter is: the comma's key, by its place";
}

TEST(KeyTranslationTest, OnLatinLayoutsLettersFollowWhatTheKeyPrints)
{
    EXPECT_EQ(TranslateSdlKey('q', PositionA, Latin), 'Q') << "AZERTY";
    EXPECT_EQ(TranslateSdlKey('a', PositionQ, Latin), 'A') << "AZERTY";
    EXPECT_EQ(TranslateSdlKey('z', PositionY, Latin), 'Z') << "QWERTZ";
    EXPECT_EQ(TranslateSdlKey('\'', PositionQ, Latin), UnknownKey) << "Dvorak's apostrophe";
    EXPECT_EQ(TranslateSdlKey(',', PositionM, Latin), UnknownKey) << "AZERTY's comma";
}

TEST(KeyTranslationTest, TheNumberRowIsDigitsWhateverItPrints)
{
    EXPECT_EQ(TranslateSdlKey('&', Position1, Latin), '1');
    EXPECT_EQ(TranslateSdlKey(0xE9, Position2, Latin), '2') << "e acute";
    EXPECT_EQ(TranslateSdlKey(0xE0, Position0, Latin), '0') << "a grave";
}
