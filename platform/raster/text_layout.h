// Text laid out with Pango and fontconfig the way the game's text formats ask:
// the format's family (fontconfig picks the closest installed face, a Japanese
// sans for Japanese text), weight, stretch, style and pixel size, wrapped at
// the layout rectangle's width, aligned within it, line feeds breaking lines,
// and lines running on below the rectangle. The result is kept as grayscale
// coverage, so a text drawn again in later frames costs only its blend.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/render.h"

// 8-bit coverage of a laid-out text, in frame pixels.
struct TextMask {
    int left = 0;  // frame position of the first coverage column
    int top = 0;   // frame position of the first coverage row
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width x height, row by row
};

// Lays `text` out and renders its coverage (no cache).
TextMask layoutText(std::wstring_view text, const TextFormat& format, const RectF& layout);

class TextCache {
  public:
    // The coverage of `text` laid out with `format` in `layout`: made on first
    // use, then kept. The reference stays valid until trim().
    const TextMask& find(std::wstring_view text, const TextFormat& format, const RectF& layout);
    // Forgets every text once more than a few dozen are kept; call only while
    // no reference from find() is in use.
    void trim();
    std::size_t size() const { return masks_.size(); }

  private:
    struct Key {
        std::wstring text, family, locale;
        int weight, style, stretch, alignment;
        float size, left, top, width;
    };
    // The same fields without owning the strings, for lookups that allocate nothing.
    struct KeyView {
        std::wstring_view text, family, locale;
        int weight, style, stretch, alignment;
        float size, left, top, width;
    };
    template <typename K>
    static auto fields(const K& k) {
        return std::tuple(std::wstring_view(k.text), std::wstring_view(k.family),
                          std::wstring_view(k.locale), k.weight, k.style, k.stretch, k.alignment,
                          k.size, k.left, k.top, k.width);
    }
    struct Less {
        using is_transparent = void;
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const {
            return fields(a) < fields(b);
        }
    };
    std::map<Key, TextMask, Less> masks_;
};
