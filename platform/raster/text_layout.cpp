#include "platform/raster/text_layout.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangoft2.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <utility>

#include "platform/utf8.h"

namespace {

// Pango and fontconfig are set up once per process (fontconfig's start-up
// costs tens of milliseconds) and used under one lock.
std::mutex pangoLock;

// fontconfig is set up here, before Pango, so that Pango's own set-up thread
// finds it ready and only reads it. Pango's objects are released at exit,
// which hands back every font pattern it has cached; fontconfig is left to
// the end of the process (its teardown asserts while Pango's thread may
// still hold its caches).
struct PangoSetup {
    FcBool fontconfigReady = FcInit();
    PangoFontMap* fontMap = pango_ft2_font_map_new();
    PangoContext* context = pango_font_map_create_context(fontMap);
    ~PangoSetup() {
        g_object_unref(context);
        g_object_unref(fontMap);
    }
};

PangoContext* sharedContext() {
    static PangoSetup setup;
    return setup.context;
}

// The format's family followed by the family of the face Pango picks for it
// in the language (through fontconfig). Without the second entry Pango would
// take that face for the kana and kanji only and a Latin face for the Latin
// letters; one Japanese face for the whole text is what a Japanese font gives.
// The context's language must be set already.
const std::string& familyList(PangoContext* context, const std::string& family,
                              const std::string& language) {
    static std::map<std::pair<std::string, std::string>, std::string> known;
    auto [entry, added] = known.try_emplace({family, language}, family);
    if (!added) return entry->second;
    PangoFontDescription* wanted = pango_font_description_from_string(family.c_str());
    pango_font_description_set_family(wanted, family.c_str());
    pango_font_description_set_absolute_size(wanted, 16.0 * PANGO_SCALE);
    if (PangoFont* font = pango_context_load_font(context, wanted)) {
        PangoFontDescription* found = pango_font_describe(font);
        if (const char* name = pango_font_description_get_family(found))
            entry->second.append(",").append(name);
        pango_font_description_free(found);
        g_object_unref(font);
    }
    pango_font_description_free(wanted);
    return entry->second;
}

PangoStyle pangoStyle(FontStyle style) {
    switch (style) {
        case FontStyle::Oblique:
            return PANGO_STYLE_OBLIQUE;
        case FontStyle::Italic:
            return PANGO_STYLE_ITALIC;
        default:
            return PANGO_STYLE_NORMAL;
    }
}

void setAlignment(PangoLayout* layout, TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::Center:
            pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
            break;
        case TextAlignment::Trailing:
            pango_layout_set_alignment(layout, PANGO_ALIGN_RIGHT);
            break;
        case TextAlignment::Justified:
            pango_layout_set_justify(layout, TRUE);
            break;
        case TextAlignment::Leading:
            break;
    }
}

PangoLayout* makeLayout(std::wstring_view text, const TextFormat& format, float width) {
    const TextFormatProperties& p = format.properties();
    PangoContext* context = sharedContext();
    // Texts without a locale are the game's Japanese texts.
    const std::string language = p.locale.empty() ? "ja" : toUtf8(p.locale);
    pango_context_set_language(context, pango_language_from_string(language.c_str()));

    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font,
                                      familyList(context, toUtf8(p.family), language).c_str());
    pango_font_description_set_weight(font,
                                      static_cast<PangoWeight>(std::clamp(p.weight, 1, 1000)));
    pango_font_description_set_style(font, pangoStyle(p.style));
    // Stretch 1 (ultra-condensed) to 9 (ultra-expanded) maps onto Pango's 0..8.
    pango_font_description_set_stretch(font,
                                       static_cast<PangoStretch>(std::clamp(p.stretch, 1, 9) - 1));
    pango_font_description_set_absolute_size(font, static_cast<double>(p.size) * PANGO_SCALE);

    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    const std::string utf8 = toUtf8(text);
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
    if (width >= 1.0f) {
        pango_layout_set_width(layout, static_cast<int>(width * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    }
    setAlignment(layout, format.GetTextAlignment());
    return layout;
}

}  // namespace

TextMask layoutText(std::wstring_view text, const TextFormat& format, const RectF& layout) {
    TextMask mask;
    const float size = format.properties().size;
    // Sizes past a few thousand pixels or not finite would only make empty or
    // absurd bitmaps.
    if (text.empty() || !(size > 0.0f && size < 4096.0f)) return mask;
    // Far-off or not finite positions would overflow the frame's int coordinates.
    auto inReach = [](float v) { return std::fabs(v) < 1e6f; };
    if (!inReach(layout.left) || !inReach(layout.top) || !inReach(layout.right)) return mask;

    const std::lock_guard<std::mutex> hold(pangoLock);
    PangoLayout* pl = makeLayout(text, format, std::min(layout.right - layout.left, 1e6f));
    PangoRectangle ink;
    pango_layout_get_pixel_extents(pl, &ink, nullptr);
    if (ink.width > 0 && ink.height > 0) {
        // One pixel of margin on each side takes the sub-pixel origin.
        const float originX = std::floor(layout.left), originY = std::floor(layout.top);
        mask.left = static_cast<int>(originX) + ink.x - 1;
        mask.top = static_cast<int>(originY) + ink.y - 1;
        mask.width = ink.width + 2;
        mask.height = ink.height + 2;
        mask.coverage.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
        FT_Bitmap bitmap{};
        bitmap.rows = static_cast<unsigned>(mask.height);
        bitmap.width = static_cast<unsigned>(mask.width);
        bitmap.pitch = mask.width;
        bitmap.buffer = mask.coverage.data();
        bitmap.num_grays = 256;
        bitmap.pixel_mode = FT_PIXEL_MODE_GRAY;
        const double shiftX = layout.left - originX - ink.x + 1;
        const double shiftY = layout.top - originY - ink.y + 1;
        pango_ft2_render_layout_subpixel(&bitmap, pl, static_cast<int>(shiftX * PANGO_SCALE),
                                         static_cast<int>(shiftY * PANGO_SCALE));
    }
    g_object_unref(pl);
    return mask;
}

const TextMask& TextCache::find(std::wstring_view text, const TextFormat& format,
                                const RectF& layout) {
    const TextFormatProperties& p = format.properties();
    // Not-a-number would break the cache's ordering; such a text draws nothing.
    static const TextMask nothing;
    if (!std::isfinite(layout.left) || !std::isfinite(layout.top) || !std::isfinite(layout.right) ||
        !std::isfinite(p.size))
        return nothing;
    const KeyView key{text,
                      p.family,
                      p.locale,
                      p.weight,
                      static_cast<int>(p.style),
                      p.stretch,
                      static_cast<int>(format.GetTextAlignment()),
                      p.size,
                      layout.left,
                      layout.top,
                      layout.right - layout.left};
    auto found = masks_.find(key);
    if (found != masks_.end()) return found->second;
    Key owned{std::wstring(text), p.family, p.locale, key.weight, key.style, key.stretch,
              key.alignment,      key.size, key.left, key.top,    key.width};
    return masks_.emplace(std::move(owned), layoutText(text, format, layout)).first->second;
}

void TextCache::trim() {
    if (masks_.size() > 64) masks_.clear();
}
