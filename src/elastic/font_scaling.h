#pragma once

class QObject;
class TControl;
class TFont;
class TFrame;

// How a managed control's fonts and font-bound properties are captured and re-applied.
namespace dorvane::fontscaling {

// Point size of a font as the layout reads it.
int SizeOf(const TFont *font);
void SetSize(TFont *font, int points);
// The TFont held by a published property of that name, or nullptr.
TFont *PublishedFont(const QObject *object, const char *name);

// Fonts hanging off the control's sub-objects, up to three levels deep; the first level
// skips the control's own, title and tab fonts and anything held as a "TTabSheet".
void CollectExtraFonts(TFrame &frame, const TControl *control);
// The font part of a capture; fr is the font screen ratio.
void CaptureFonts(TFrame &frame, TControl *control, double fr);
// One font pass at the given font ratio (skipped for toolbars).
void FontPass(TFrame &frame, TControl *control, double ratio);

void CaptureSections(TFrame &frame, const TControl *control, double fontScreenRatio, double horzScreenRatio);
void ApplySections(const TFrame &frame, const TControl *control, double stretchX);

// A label ends at least as large as its scaled bounds and at least as large as its text.
void RefitLabel(TControl *control);
// Self-sizing controls recompute their size for the new font.
void ToggleAutoSize(TControl *control);

} // namespace dorvane::fontscaling
