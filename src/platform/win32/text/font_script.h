// Owning wrappers for the Uniscribe objects the text painter uses: the
// per-font shaping cache and a shaped string, which draws characters beyond
// the Basic Multilingual Plane that GDI's plain text calls cannot.
#pragma once

#include <windows.h>

#include <usp10.h>

#include <string>

namespace tavrin::win32 {

class ScriptCache {
  public:
    ScriptCache() = default;
    ~ScriptCache() { ScriptFreeCache(&cache_); }
    ScriptCache(const ScriptCache&) = delete;
    ScriptCache& operator=(const ScriptCache&) = delete;
    SCRIPT_CACHE* get() { return &cache_; }

  private:
    SCRIPT_CACHE cache_ = nullptr;
};

// Text shaped in the font selected into a DC. The DC keeps that font
// selected until the text is drawn.
class ShapedText {
  public:
    ShapedText(HDC dc, const std::wstring& text);
    ~ShapedText();
    ShapedText(const ShapedText&) = delete;
    ShapedText& operator=(const ShapedText&) = delete;

    bool valid() const { return analysis_ != nullptr; }
    int width() const;
    // Draws with the DC's text colour and background mode; (x, y) is the
    // top left corner.
    void draw(int x, int y) const;

  private:
    SCRIPT_STRING_ANALYSIS analysis_ = nullptr;
};

} // namespace tavrin::win32
