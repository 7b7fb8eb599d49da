// Build-time generator: reads a bitmap font (PCF) with FreeType and writes a
// C++ source defining a BitmapFont accessor whose glyph table is indexed by
// the byte value.
//
//   fontgen FONT.pcf.gz OUT.cpp FUNCTION WIDTH HEIGHT CODEPAGE
//
// CODEPAGE is cp437 (the font must carry the IBM-CP437 charset; every byte
// gets its glyph) or ascii (the font's charset must agree with ASCII on the
// printable characters 32-126, which are the only bytes that get a glyph;
// the others stay blank). The font must have one fixed size of exactly
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

bool readGlyphs(FT_Face face, CodePage page, Glyphs& out) {
    if (!selectSize(face, out)) return false;
    const int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
    const int descent = static_cast<int>(-(face->size->metrics.descender >> 6));
    if (ascent + descent != out.height) {
        return fail("ascent " + std::to_string(ascent) + " and descent " + std::to_string(descent) +
                    " do not fill the box");
    }
    const ByteRange bytes = mappedBytes(page);
    for (int ch = bytes.first; ch <= bytes.last; ++ch) {
        if (FT_Get_Char_Index(face, static_cast<FT_ULong>(ch)) == 0) continue;
        if (FT_Load_Char(face, static_cast<FT_ULong>(ch), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO)) {
            return fail("cannot load glyph " + std::to_string(ch));
        }
        out.present[static_cast<std::size_t>(ch)] = true;
        if (!placeGlyph(face->glyph, ascent, out, ch)) return false;
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

bool generate(const std::string& fontPath, const std::string& outPath, const std::string& function,
              CodePage page, Glyphs& glyphs) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return fail("cannot initialise FreeType");
    FT_Face face = nullptr;
    bool ok = FT_New_Face(library, fontPath.c_str(), 0, &face) == 0;
    if (!ok) fail("cannot open " + fontPath);
    ok = ok && selectCharmap(face, page) && readGlyphs(face, page, glyphs);
    if (face) FT_Done_Face(face);
    FT_Done_FreeType(library);
    // The text is built in full first, so a failure never leaves a half file.
    return ok && writeFile(outPath, emitSource(glyphs, function, fontPath));
}

std::optional<CodePage> codePageNamed(const std::string& name) {
    if (name == "cp437") return CodePage::Cp437;
    if (name == "ascii") return CodePage::Ascii;
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr,
                     "usage: fontgen FONT.pcf.gz OUT.cpp FUNCTION WIDTH HEIGHT cp437|ascii\n");
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
    return generate(argv[1], argv[2], argv[3], *page, glyphs) ? 0 : 1;
}
