// Build-time generator: reads a bitmap font (PCF) with FreeType and writes a
// C++ source defining a BitmapFont accessor whose glyph table is indexed by
// the byte value.
//
//   fontgen FONT.pcf.gz OUT.cpp FUNCTION WIDTH HEIGHT CODEPAGE [OTHERS.pcf.gz]
//
// CODEPAGE is cp437 (the font must carry the IBM-CP437 charset; every byte
// gets its glyph) or ascii (the font's charset must agree with ASCII on the
// printable characters 32-126, which are the only bytes that get a glyph;
// the others stay blank, unless OTHERS is given: a font in ISO 10646 whose
// glyphs, found through the code page 437 table and centred in the box,
// give the other bytes theirs). The font must have one fixed size of exactly
// WIDTH x HEIGHT pixels, its ascent and descent must fill that box, and no
// glyph may reach outside it; anything else fails the build rather than
// producing a font that draws the wrong characters.

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace {

constexpr int kGlyphCount = 256;
constexpr int kMaxWidth = 16;  // one std::uint16_t per glyph row

enum class CodePage { Cp437, Ascii };

// The byte values a code page gives a glyph.
struct ByteRange {
    int first, last;
};
ByteRange mappedBytes(CodePage page) {
    return page == CodePage::Cp437 ? ByteRange{0, kGlyphCount - 1} : ByteRange{32, 126};
}

// The Unicode character of each code page 437 byte, 0 for none (the NUL).
constexpr std::array<std::uint16_t, kGlyphCount> kCp437 = {
    0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8, 0x25CB, 0x25D9, 0x2642,
    0x2640, 0x266A, 0x266B, 0x263C, 0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC, 0x0020, 0x0021, 0x0022, 0x0023,
    0x0024, 0x0025, 0x0026, 0x0027, 0x0028, 0x0029, 0x002A, 0x002B, 0x002C, 0x002D, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B,
    0x003C, 0x003D, 0x003E, 0x003F, 0x0040, 0x0041, 0x0042, 0x0043, 0x0044, 0x0045, 0x0046, 0x0047,
    0x0048, 0x0049, 0x004A, 0x004B, 0x004C, 0x004D, 0x004E, 0x004F, 0x0050, 0x0051, 0x0052, 0x0053,
    0x0054, 0x0055, 0x0056, 0x0057, 0x0058, 0x0059, 0x005A, 0x005B, 0x005C, 0x005D, 0x005E, 0x005F,
    0x0060, 0x0061, 0x0062, 0x0063, 0x0064, 0x0065, 0x0066, 0x0067, 0x0068, 0x0069, 0x006A, 0x006B,
    0x006C, 0x006D, 0x006E, 0x006F, 0x0070, 0x0071, 0x0072, 0x0073, 0x0074, 0x0075, 0x0076, 0x0077,
    0x0078, 0x0079, 0x007A, 0x007B, 0x007C, 0x007D, 0x007E, 0x2302, 0x00C7, 0x00FC, 0x00E9, 0x00E2,
    0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00A2,
    0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566,
    0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0,
    0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A,
    0x207F, 0x00B2, 0x25A0, 0x00A0,
};

struct Glyphs {
    int width = 0;
    int height = 0;
    std::array<bool, kGlyphCount> present{};
    std::array<std::uint16_t, kGlyphCount * 32> rows{};  // height <= 32
};

bool fail(const std::string& what) {
    std::fprintf(stderr, "fontgen: %s\n", what.c_str());
    return false;
}

bool charsetFits(const std::string& registry, const std::string& encoding, CodePage page) {
    if (page == CodePage::Cp437) return registry == "IBM" && encoding == "CP437";
    // Charsets that agree with ASCII on its printable characters.
    return (registry == "ISO646.1991" && encoding == "IRV") || registry == "ISO8859" ||
           (registry == "ISO10646" && encoding == "1");
}

// PCF fonts in a legacy charset get a charmap without a Unicode encoding,
// and FreeType does not select it by default. With it selected, the char
// code is the font's own encoding value: for IBM-CP437, the byte itself; for
// the ASCII-compatible charsets, the byte for the printable characters.
bool selectCharmap(FT_Face face, CodePage page) {
    const char* registry = nullptr;
    const char* encoding = nullptr;
    if (FT_Get_BDF_Charset_ID(face, &encoding, &registry) != 0 || !encoding || !registry) {
        return fail("the font has no charset properties");
    }
    if (!charsetFits(registry, encoding, page)) {
        return fail(std::string("charset ") + registry + "-" + encoding + " does not fit " +
                    (page == CodePage::Cp437 ? "cp437" : "ascii"));
    }
    if (face->num_charmaps != 1) return fail("expected exactly one charmap");
    if (FT_Set_Charmap(face, face->charmaps[0]) != 0) return fail("cannot select the charmap");
    return true;
}

bool bitmapPixel(const FT_Bitmap& bitmap, unsigned row, unsigned col) {
    const unsigned char* line = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) return (line[col / 8] >> (7 - col % 8)) & 1u;
    return line[col] >= 128;  // grey rendering of a bitmap font: threshold
}

// Copies the rendered glyph into its box: the bitmap sits bitmap_left to the
// right of the box's left edge and bitmap_top above the baseline, which lies
// `ascent` rows below the box's top. Ink outside the box fails.
bool placeGlyph(const FT_GlyphSlot slot, int ascent, Glyphs& out, int ch) {
    const FT_Bitmap& bitmap = slot->bitmap;
    for (unsigned r = 0; r < bitmap.rows; ++r) {
        const int y = ascent - slot->bitmap_top + static_cast<int>(r);
        for (unsigned c = 0; c < bitmap.width; ++c) {
            if (!bitmapPixel(bitmap, r, c)) continue;
            const int x = slot->bitmap_left + static_cast<int>(c);
            if (x < 0 || x >= out.width || y < 0 || y >= out.height) {
                return fail("glyph " + std::to_string(ch) + " reaches outside its box");
            }
            out.rows[static_cast<std::size_t>(ch * out.height + y)] |=
                static_cast<std::uint16_t>(0x8000u >> x);
        }
    }
    return true;
}

bool selectSize(FT_Face face, const Glyphs& out) {
    if (face->num_fixed_sizes != 1) return fail("expected exactly one bitmap size");
    if (face->available_sizes[0].width != out.width ||
        face->available_sizes[0].height != out.height) {
        return fail("font size is " + std::to_string(face->available_sizes[0].width) + "x" +
                    std::to_string(face->available_sizes[0].height));
    }
    return FT_Select_Size(face, 0) == 0 || fail("cannot select the bitmap size");
}

// The character code that gives byte `ch` its glyph: in the font's own
// encoding for the first font, Unicode through code page 437 for the font
// of the other bytes; nothing for none.
using CodeOf = std::optional<FT_ULong> (*)(int ch, CodePage page);

std::optional<FT_ULong> ownCode(int ch, CodePage page) {
    const ByteRange bytes = mappedBytes(page);
    if (ch < bytes.first || ch > bytes.last) return std::nullopt;
    return static_cast<FT_ULong>(ch);
}

std::optional<FT_ULong> otherByteCode(int ch, CodePage page) {
    const std::uint16_t code = kCp437[static_cast<std::size_t>(ch)];
    if (ownCode(ch, page) || code == 0) return std::nullopt;
    return code;
}

bool readGlyphs(FT_Face face, CodePage page, CodeOf codeOf, Glyphs& out) {
    if (!selectSize(face, out)) return false;
    const int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
    const int descent = static_cast<int>(-(face->size->metrics.descender >> 6));
    if (ascent + descent != out.height) {
        return fail("ascent " + std::to_string(ascent) + " and descent " + std::to_string(descent) +
                    " do not fill the box");
    }
    for (int ch = 0; ch < kGlyphCount; ++ch) {
        const std::optional<FT_ULong> code = codeOf(ch, page);
        if (!code || FT_Get_Char_Index(face, *code) == 0) continue;
        if (FT_Load_Char(face, *code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO)) {
            return fail("cannot load glyph " + std::to_string(ch));
        }
        out.present[static_cast<std::size_t>(ch)] = true;
        if (!placeGlyph(face->glyph, ascent, out, ch)) return false;
    }
    return true;
}

// Gives the bytes the first font lacks the glyphs of the other font,
// centred in the first font's box (a pixel to the left where the room
// left over is odd).
bool mergeOthers(const Glyphs& others, Glyphs& out) {
    if (others.width > out.width || others.height > out.height) {
        return fail("the font of the other bytes is larger than the box");
    }
    const int dx = (out.width - others.width) / 2;
    const int dy = (out.height - others.height) / 2;
    for (int ch = 0; ch < kGlyphCount; ++ch) {
        const auto c = static_cast<std::size_t>(ch);
        if (out.present[c] || !others.present[c]) continue;
        out.present[c] = true;
        for (int y = 0; y < others.height; ++y) {
            out.rows[static_cast<std::size_t>(ch * out.height + y + dy)] =
                static_cast<std::uint16_t>(
                    others.rows[static_cast<std::size_t>(ch * others.height + y)] >> dx);
        }
    }
    return true;
}

std::string hex4(std::uint16_t v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%04X", v);
    return buf;
}

std::string emitSource(const Glyphs& g, const std::string& function, const std::string& from) {
    std::ostringstream s;
    s << "// Generated by tools/fontgen from " << from << ". Do not edit.\n"
      << "#include \"platform/bitmap_font.h\"\n\n"
      << "namespace mapedit {\n\nnamespace {\n\n"
      << "constexpr std::uint16_t kRows[" << kGlyphCount * g.height << "] = {\n";
    for (int ch = 0; ch < kGlyphCount; ++ch) {
        s << "    ";
        for (int y = 0; y < g.height; ++y) {
            s << hex4(g.rows[static_cast<std::size_t>(ch * g.height + y)]) << ",";
            s << (y + 1 < g.height ? " " : "");
        }
        s << "  // " << ch << "\n";
    }
    s << "};\n\nconstexpr bool kPresent[" << kGlyphCount << "] = {\n";
    for (int ch = 0; ch < kGlyphCount; ++ch) {
        s << (ch % 16 == 0 ? "    " : " ") << (g.present[static_cast<std::size_t>(ch)] ? 1 : 0)
          << "," << (ch % 16 == 15 ? "\n" : "");
    }
    s << "};\n\nconstexpr BitmapFont kFont{" << g.width << ", " << g.height
      << ", kRows, kPresent};\n\n}  // namespace\n\n"
      << "const BitmapFont& " << function << "() { return kFont; }\n\n"
      << "}  // namespace mapedit\n";
    return s.str();
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return out ? true : fail("cannot write " + path);
}

// Opens a font and reads the glyphs `codeOf` names; a font of the other
// bytes takes its box from its one size.
bool readFont(FT_Library library, const std::string& path, CodePage page, CodeOf codeOf,
              bool sizeFromFont, Glyphs& glyphs) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) return fail("cannot open " + path);
    bool ok = selectCharmap(face, page);
    if (ok && sizeFromFont) {
        ok = face->num_fixed_sizes == 1 || fail("expected exactly one bitmap size in " + path);
        if (ok) {
            glyphs.width = face->available_sizes[0].width;
            glyphs.height = face->available_sizes[0].height;
        }
    }
    ok = ok && readGlyphs(face, page, codeOf, glyphs);
    FT_Done_Face(face);
    return ok;
}

bool generate(const std::string& fontPath, const std::string& othersPath,
              const std::string& outPath, const std::string& function, CodePage page,
              Glyphs& glyphs) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return fail("cannot initialise FreeType");
    bool ok = readFont(library, fontPath, page, ownCode, false, glyphs);
    if (ok && !othersPath.empty()) {
        auto others = std::make_unique<Glyphs>();
        ok = readFont(library, othersPath, CodePage::Ascii, otherByteCode, true, *others) &&
             mergeOthers(*others, glyphs);
    }
    FT_Done_FreeType(library);
    std::string from = fontPath;
    if (!othersPath.empty()) from += " and " + othersPath;
    // The text is built in full first, so a failure never leaves a half file.
    return ok && writeFile(outPath, emitSource(glyphs, function, from));
}

std::optional<CodePage> codePageNamed(const std::string& name) {
    if (name == "cp437") return CodePage::Cp437;
    if (name == "ascii") return CodePage::Ascii;
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7 && argc != 8) {
        std::fprintf(stderr,
                     "usage: fontgen FONT.pcf.gz OUT.cpp FUNCTION WIDTH HEIGHT cp437|ascii "
                     "[OTHERS.pcf.gz]\n");
        return 2;
    }
    Glyphs glyphs;
    glyphs.width = std::atoi(argv[4]);
    glyphs.height = std::atoi(argv[5]);
    if (glyphs.width < 1 || glyphs.width > kMaxWidth || glyphs.height < 1 || glyphs.height > 32) {
        std::fprintf(stderr, "fontgen: unsupported glyph size %sx%s\n", argv[4], argv[5]);
        return 2;
    }
    const auto page = codePageNamed(argv[6]);
    if (!page) {
        std::fprintf(stderr, "fontgen: unknown code page %s\n", argv[6]);
        return 2;
    }
    const std::string others = argc == 8 ? argv[7] : "";
    return generate(argv[1], others, argv[2], argv[3], *page, glyphs) ? 0 : 1;
}
