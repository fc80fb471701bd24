#pragma once
#include <QList>
#include <QPointer>
#include <vector>

class TElasticForm;
class TFont;

// What the elastic layout remembers of one managed control: its design bounds and font
// sizes, captured once, from which every rescale starts afresh.
class TFrame
{
public:
    explicit TFrame(TElasticForm *owner) : Owner(owner) {}
    virtual ~TFrame();
    TFrame(const TFrame &) = delete;
    TFrame &operator=(const TFrame &) = delete;

    TElasticForm *Owner;
    int Left = 0;
    int Width = 0;
    int Top = 0;
    int Height = 0;
    double StretchX = 1.0;
    double StretchY = 1.0;
    double LastFontRatio = 1.0;
    int DesignFontSize = 0;
    int RawFontSize = 0;
    int TitleFontDesignSize = 0;
    int RawTitleFontSize = 0;
    double TitleFontRatio = 0;
    int TabFontDesignSize = 0;
    // Fonts of the control's sub-objects; they belong to the control, never to the frame.
    QList<QPointer<TFont>> ExtraFonts;
    std::vector<int> ExtraFontSizes;
    std::vector<int> SectionWidths;
    int SectionCount = 0;
    bool SavedVisible = true;
};
