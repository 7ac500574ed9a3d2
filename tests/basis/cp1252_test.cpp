#include "basis/cp1252.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace brelvanostik {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The umlauts and 0x80-0x9F, where the code page differs from Latin-1, both ways.
TEST(WorkspaceCp1252, UmlauteUndObereSteuerzoneInBeideRichtungen) {
    const std::pair<const char*, std::uint8_t> faelle[] = {
        {"ä", 0xE4}, {"ö", 0xF6}, {"ü", 0xFC}, {"ß", 0xDF}, {"Ä", 0xC4}, {"Ö", 0xD6}, {"Ü", 0xDC},
        {"€", 0x80}, {"‚", 0x82}, {"ƒ", 0x83}, {"„", 0x84}, {"…", 0x85}, {"†", 0x86}, {"‡", 0x87},
        {"ˆ", 0x88}, {"‰", 0x89}, {"Š", 0x8A}, {"‹", 0x8B}, {"Œ", 0x8C}, {"Ž", 0x8E}, {"‘", 0x91},
        {"’", 0x92}, {"“", 0x93}, {"”", 0x94}, {"•", 0x95}, {"–", 0x96}, {"—", 0x97}, {"˜", 0x98},
        {"™", 0x99}, {"š", 0x9A}, {"›", 0x9B}, {"œ", 0x9C}, {"ž", 0x9E}, {"Ÿ", 0x9F}};
    for (const auto& [utf8, byte] : faelle) {
        EXPECT_EQ(nachCp1252(utf8), Bytes{byte}) << utf8;
        EXPECT_EQ(ausCp1252(Bytes{byte}).text, utf8) << int{byte};
        EXPECT_EQ(ausCp1252(Bytes{byte}).ersetzt, 0) << int{byte};
    }
}

TEST(WorkspaceCp1252, NichtDarstellbaresWirdFragezeichenSteuerzeichenBlank) {
    const std::pair<const char*, std::uint8_t> faelle[] = {
        {"\u00A0", 0xA0},      {"\u00FF", 0xFF},  {"\u0100", '?'},   {"\u4E2D", '?'},
        {"\U0001F600", '?'},   {"\xC3", '?'},     {"\xE2\x82", '?'}, {"\xFF", '?'},
        {"\xED\xA0\x80", '?'}, {"\xC0\xA4", '?'}, {"\t", ' '},       {"\x7F", ' '}};
    for (const auto& [utf8, byte] : faelle) {
        std::array<std::uint8_t, 1> feld{};
        nachCp1252(utf8, feld);
        EXPECT_EQ(feld[0], byte) << utf8;
    }
}

TEST(WorkspaceCp1252, UngueltigeBytesWerdenErsetztUndGezaehlt) {
    const std::tuple<Bytes, const char*, int> faelle[] = {
        {{'a', 0x81, 'b'}, "a?b", 1},
        {{0x8D, 0x8F, 0x90, 0x9D}, "????", 4},
        {{'a', 0x07, 'b', 0x0A}, "a b", 2},
        {{'a', 0x00, 'b', 0x00, 0x00}, "a b", 0},  // zero bytes are padding
        {{' ', 'x', ' ', ' '}, " x", 0},
    };
    for (const auto& [feld, text, ersetzt] : faelle) {
        EXPECT_EQ(ausCp1252(feld).text, text);
        EXPECT_EQ((std::array{ausCp1252(feld).ersetzt, ungueltigeZeichen(feld)}),
                  (std::array{ersetzt, ersetzt}))
            << text;
    }
}

}  // namespace
}  // namespace brelvanostik
