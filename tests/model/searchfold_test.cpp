#include "model/searchfold.h"

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

struct FoldCase
{
    const char* text;
    const char* folded;
};

class SearchFoldTest : public ::testing::TestWithParam<FoldCase>
{};

} // namespace

TEST_P(SearchFoldTest, FoldsToTheSearchForm)
{
    EXPECT_EQ(SearchFold(QString::fromUtf8(GetParam().text)), QString::fromUtf8(GetParam().folded));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SearchFoldTest,
    ::testing::Values(
        // The Turkish i in all four forms, from either keyboard.
        FoldCase{"IŞIK", "isik"}, FoldCase{"İŞİK", "isik"}, FoldCase{"ışık", "isik"},
        FoldCase{"ISIK", "isik"}, FoldCase{"isik", "isik"},
        // Every other Turkish letter, upper and lower.
        FoldCase{"ÖZTÜRK", "ozturk"}, FoldCase{"ÇAĞLAR", "caglar"}, FoldCase{"çağlar", "caglar"},
        FoldCase{"ŞÜKRÜ", "sukru"}, FoldCase{"KÂZIM", "kazim"}, FoldCase{"Gül", "gul"},
        // Letters of the other code page 1254 languages, some without a decomposition.
        FoldCase{"ÉLODIE", "elodie"}, FoldCase{"Šťastný", "stastny"}, FoldCase{"STRAßE", "strasse"},
        FoldCase{"Æbeltoft", "aebeltoft"}, FoldCase{"Œuvre", "oeuvre"}, FoldCase{"Søren", "soren"},
        FoldCase{"Łódź", "lodz"}, FoldCase{"Đorđe", "dorde"},
        // Marks typed apart from their letter vanish, and so do control characters.
        FoldCase{"i\u0307s\u0327ik", "isik"},
        FoldCase{"a\tb\x01"
                 "c",
                 "abc"},
        // Letters of other Latin alphabets, with and without a decomposition.
        FoldCase{"Þórður", "thordur"}, FoldCase{"HLÖÐVIR ÞORFINNSSON", "hlodvir thorfinnsson"},
        FoldCase{"ŁUKASZ", "lukasz"}, FoldCase{"Łukasz", "lukasz"}, FoldCase{"Dvořák", "dvorak"},
        FoldCase{"Ħamrun", "hamrun"}, FoldCase{"Nguyễn", "nguyen"},
        // Other scripts lose their marks within the script, never becoming Latin.
        FoldCase{"ΣΟΦΊΑ", "σοφια"}, FoldCase{"Σοφία", "σοφια"}, FoldCase{"Νικόλαος", "νικολαοσ"},
        FoldCase{"ΝΙΚΟΛΑΟΣ", "νικολαοσ"}, FoldCase{"Ёлкин", "елкин"}, FoldCase{"ЙОРДАН", "иордан"},
        FoldCase{"مُحَمَّد", "محمد"}, FoldCase{"שָׁלוֹם", "שלום"},
        // Digits, spaces and letters of other scripts stay, lower-cased.
        FoldCase{"1923 Ali", "1923 ali"}, FoldCase{"ΑΘΗΝΑ", "αθηνα"}, FoldCase{"한국", "한국"},
        FoldCase{"李小龍", "李小龍"}, FoldCase{"", ""}));
